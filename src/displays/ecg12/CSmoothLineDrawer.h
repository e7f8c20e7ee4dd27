#pragma once

#include "platform/CPen.h"
#include "platform/CPoint.h"
#include "platform/ColorRef.h"

#include <array>
#include <vector>

class CDC;

constexpr int SMOOTH_PEN_COUNT = 16;
// Pen 0 is full ink, pen 15 the palest shade toward the page.
using SmoothRamp = std::array<COLORREF, SMOOTH_PEN_COUNT>;

// Black to RGB(240, 240, 240) in steps of 16: the ramp of traces on a light page.
extern const SmoothRamp g_acrSmoothGreys;

// Joins the column peaks of a trace with an intensity anti-aliased line. Each sloped step becomes a
// stroke in each of its two columns, dark at the column's own point and fading toward the other; a
// run of up to 16 flat steps is held back and drawn as a cross-fade between two adjacent rows once
// the run ends. Consecutive points must be one pixel column apart. Every display that draws smooth
// traces owns one drawer, so pens and pending state never mix between displays.
class CSmoothLineDrawer {
public:
    // New pens from the ramp and an empty pending run: call at the start of every trace.
    void CreateSmoothPens(const SmoothRamp& acrRamp = g_acrSmoothGreys);
    // One step from one column's point to the next, drawn as shaded runs: the context's pen and
    // current position stay.
    void DrawSmoothLine(CDC* pDC, int x0, int y0, int x1, int y1);
    // Draws a flat run still pending when a trace ends, fading toward row y at column x.
    void FlushSmoothLine(CDC* pDC, int x, int y);

private:
    void OnFlatStep(CDC* pDC, int x1, int y1);
    void OnSlopedStep(CDC* pDC, int x0, int y0, int x1, int y1);
    // The pending run fading out on its own row and in on the neighbouring row nRowStep away,
    // ending at column xEnd.
    void CrossFade(CDC* pDC, int nCount, int nRowStep, int xEnd);
    // A vertical stroke at x from yFrom toward yTo: nCount shades getting darker by nLevelStep every
    // nOffset rows, then full ink through yTo.
    void FadeStroke(CDC* pDC, int x, int yFrom, int yTo, int nOffset, int nLevelStep, int nCount);
    COLORREF Shade(int nLevel) const;

    std::array<CPen, SMOOTH_PEN_COUNT> m_aSmoothPens;
    std::vector<COLORREF> m_acrRun; // the run being drawn, kept to reuse its storage
    CPoint m_ptPending;             // where the pending flat run began
    int m_nPendingCount = 0;        // flat steps seen in the run, at most SMOOTH_PEN_COUNT
    int m_nPendingDir = 0;          // vertical step of the slope before the run
    int m_nLastDy = 0;              // vertical step of the last slope
};

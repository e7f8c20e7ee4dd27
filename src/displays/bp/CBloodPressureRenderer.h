#pragma once

#include "displays/ecg12/CSmoothLineDrawer.h"
#include "platform/CPoint.h"
#include "platform/ColorRef.h"
#include "view/CRenderer.h"

#include <cstdint>

struct ViewSettings;

// The bedside-monitor display: a black page with a dark-green millimetre grid at 25 mm/s and 4 pixels
// per millimetre, one anti-aliased trace per channel in a colour chosen by its lead code, 20 mm apart.
// The layout picks all channels, the blood-pressure waveform (II, V1, V5 and the arterial pressure
// with its mmHg scale) or electrophysiology (II and the lead-262 channels); the ECG-view switch hands
// the whole drawing to the 12-lead display.
class CBloodPressureRenderer : public CRenderer {
public:
    void Setup(CZelvoView* pView, int nPixelsPerMm, const MferAttributes* pFrameAttr) override;
    void Draw(CDC* pDC) override;

private:
    enum : int { LAYOUT_FULL = 0, LAYOUT_PRESSURE = 1 };

    int ChannelCount() const;
    uint16_t LeadCodeOf(int nChannel) const;
    int Baseline(int nRow) const;
    // Millimetre columns of the grid: one per 40 ms of recording.
    int64_t GridColumns() const;

    void DrawPressureLayout(CDC* pDC);
    void DrawElectrophysiologyLayout(CDC* pDC);

    void DrawBackground(CDC* pDC);
    void DrawHorizontalGrid(CDC* pDC, int nWidthMm, int nHeightMm) const;
    void DrawVerticalGrid(CDC* pDC, int nWidthMm, int nHeightMm) const;
    void DrawScale(CDC* pDC, int nChannel, int nRow);
    void DrawScaleLine(CDC* pDC, int y, const char* pszText) const;
    void DrawTrace(CDC* pDC, int nChannel, int nRow, int bPressureScale);
    void DrawTraceLabel(CDC* pDC, int nChannel, int y0) const;

    CPoint m_ptOrigin;
    int m_nBackColor = 0;
    COLORREF m_crWave = 0;
    CZelvoView* m_pView = nullptr;
    ViewSettings* m_pSettings = nullptr;
    int m_nPixelsPerMm = 0;
    const MferAttributes* m_pFrameAttr = nullptr;
    int16_t m_nFrameIndex = 0;
    CSmoothLineDrawer m_smooth;
    CRect m_rcClip; // the part of the sheet the context shows, for this draw
};

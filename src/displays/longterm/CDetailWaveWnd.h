#pragma once

#include "displays/longterm/CDetailScrollMap.h"
#include "platform/CPoint.h"
#include "platform/CRect.h"
#include "view/CCmdUI.h"

#include <array>
#include <cstdint>
#include <string>

class CDC;
class CEventIndex;
class CZelvoView;
class IDetailWindow;
struct MferAttributes;

// The detail waveform window: one minute of a long-term recording at full resolution on ECG paper,
// with the recording's events, horizontal scrolling and its own value and interval measurement.
// This is the window's whole behaviour; the window it draws on and that brings it the mouse, the
// keys, the scroll bar and the menu is an IDetailWindow.
class CDetailWaveWnd {
public:
    struct SChannel {
        const int16_t* pSamples = nullptr;
        int64_t nCount = 0; // samples readable through pSamples
    };

    // The opener gives the view, the first sample shown, the lower end of the scroll range, the
    // frame's attributes, up to two channels and the frame's events sorted by position.
    CDetailWaveWnd(CZelvoView* pView, int64_t nViewSample, int64_t nRangeStart,
                   const MferAttributes& frameAttr, const std::array<SChannel, 2>& aChannels,
                   const CEventIndex* pEvents);

    void Attach(IDetailWindow* pWindow) { m_pWindow = pWindow; }

    // Messages.
    void OnInitDialog();
    void OnPaint(CDC* pDC);
    void OnHScroll(int nScrollCode, int nPos);
    void OnLButtonDown(unsigned nFlags, CPoint point);
    void OnLButtonUp(unsigned nFlags, CPoint point);
    void OnRButtonDown(unsigned nFlags, CPoint point);
    void OnMouseMove(unsigned nFlags, CPoint point);
    void OnKeyDown(unsigned nChar);
    void OnClose();
    // The update rule of a menu item, run when its popup opens; false for an unknown item.
    bool OnUpdateCommand(CCmdUI& cmdUI) const;
    bool OnCommand(int nId);

    int64_t GetViewSample() const { return m_nViewSample; }
    int64_t GetRangeStart() const { return m_nRangeStart; }
    int GetMeasureMode() const { return m_nMeasureMode; }
    int GetMeasureStep() const { return m_nMeasureStep; }
    int GetMeasureChannel() const { return m_nMeasureChannel; }
    int GetScrollX() const { return m_nScrollX; }
    int GetPixelsPerMm() const { return m_nPixelsPerMm; }
    const std::string& GetMeasureText() const { return m_strMeasure; }
    bool IsCursorShown() const { return m_bCursorShown; }
    const CDetailScrollMap& GetScrollMap() const { return m_scroll; }

private:
    // Drawing of the paper (CDetailWaveWndPaint.cpp).
    void DrawContents(CDC* pDC);
    void DrawGrid(CDC* pDC) const;
    void DrawTrace(CDC* pDC, int nChannel) const;
    void DrawEventMarks(CDC* pDC) const;
    int Baseline(int nChannel) const;
    double HorizontalScale() const;
    double VerticalScale() const;
    // A sample value in pixels above the baseline, truncated.
    int VerticalPixels(int nValue) const;

    // Measurement (CDetailWaveWndMeasure.cpp).
    void DrawValueMarks(CDC* pDC) const;
    void DrawValueMark(CDC* pDC, int64_t nOffset, int x) const;
    void DrawCrossCursor(int x, int y);
    void DrawCaliper(int x, int y);
    void DrawCaliperOn(CDC* pDC, int x);
    void EraseCursor();
    void SetFirstPoint(int x, int y);
    void SetSecondPoint(int x, int y);
    void ShowMeasurement(int nMode, int x, int y);
    int64_t PointOffset(int x) const;
    int SampleAt(int nChannel, int64_t nOffset) const;
    const MferAttributes* RootAttributes() const;
    void ToggleMode(int nMode);
    void ClearPoints();

    CZelvoView* m_pView;
    IDetailWindow* m_pWindow = nullptr;
    const CEventIndex* m_pEvents;
    int64_t m_nViewSample;
    int64_t m_nRangeStart;
    int m_nBlockLength;
    int m_nSequences;
    int m_nSamplingInterval;
    int m_nResolution;
    int m_nChannels;
    std::array<SChannel, 2> m_apSamples;
    int m_nPixelsPerMm;
    CDetailScrollMap m_scroll;
    int m_nScrollX = 0;
    int m_nMeasureMode = 0;
    int m_nMeasureStep = 0;
    bool m_bCursorShown = false;
    bool m_bDragCaliper = false;
    CPoint m_ptCursor;
    CPoint m_ptFirst;
    CPoint m_ptSecond;
    int m_nBands = 2;
    int m_nLabelWidth = 0;
    int m_nMeasureChannel = 0;
    CRect m_rcClient;
    int m_nScale = 4;
    int64_t m_nFirstOffset = 0;
    int64_t m_nSecondOffset = 0;
    std::string m_strMeasure;
};

#pragma once

#include "displays/ecg12/CHighCutFilter.h"
#include "displays/ecg12/CLeadSource.h"
#include "displays/ecg12/CSmoothLineDrawer.h"
#include "platform/CPen.h"
#include "platform/CPoint.h"
#include "platform/ColorRef.h"
#include "view/CRenderer.h"

#include <cstdint>
#include <optional>
#include <string>

class CDC;
struct ViewSettings;

// The standard 12-lead ECG sheet: a millimetre grid at 25 mm/s and 10 mm/mV, a label column with
// calibration pulses, one cell per lead in four layouts, and the mouse measurement of amplitude,
// interval and heart rate that also serves the other displays. The class is split by concern:
// this file's .cpp holds set-up and the lead-set analysis, CEcg12Sheet.cpp the layouts and grids,
// CEcg12Traces.cpp the traces and CEcg12Measure.cpp the mouse.
class CEcg12Renderer : public CRenderer {
public:
    CEcg12Renderer() = default;
    ~CEcg12Renderer() override = default;

    void Setup(CZelvoView* pView, int nPixelsPerMm, const MferAttributes* pFrameAttr) override;
    void Draw(CDC* pDC) override;

    // Mouse handlers, in window coordinates; each returns the measurement step (0 none, 1 first
    // point fixed, 2 both fixed).
    int OnMouseMove(unsigned nFlags, int x, int y);
    int OnLButtonDown(unsigned nFlags, int x, int y);
    int OnLButtonUp(unsigned nFlags, int x, int y);
    // Removes the inverted cross-hair or caliper from the window, if one is shown.
    void EraseCursor();
    int ResetMeasure();
    // The text of the measurement label last shown.
    const std::string& GetMeasureText() const { return m_strMeasure; }

private:
    // A cell's trace pens: the flat parts in the trace colour, steep parts in three greys.
    struct STracePens {
        CPen penWave;
        CPen penDark;
        CPen penMid;
        CPen penLight;
    };
    // The previous pixel column of a trace.
    struct SColumn {
        int16_t nHi = 0;
        int16_t nLo = 0;
        int16_t nThird = 0;
        int16_t nRep = 0;
        int nCol = 0;
    };
    // Where a cell's trace starts and which of its samples can reach the visible part of the sheet.
    struct STraceSpan {
        int x = 0;
        int nBaseline = 0;
        int64_t nFirst = 0;
        int64_t nBegin = 0;
        int64_t nEnd = 0;
        double dPixelsPerSample = 0;
    };

    // ---- Set-up and lead set (CEcg12Renderer.cpp)
    bool IsReady() const;
    void AnalyseLeadSet();
    void CorrectLayout();
    int FrameChannelCount() const;
    const MferAttributes* FrameChannel(int nChannel) const;
    uint16_t ChannelLeadCode(int nChannel) const;
    uint16_t LeadCodeOfRow(int nRow) const;
    int64_t RecordWidthMm(int64_t nDurationMs) const;
    int64_t Channel0WidthMm() const;

    // ---- Sheet layout and grid (CEcg12Sheet.cpp)
    int Mm(int64_t nMm) const;
    void DrawLayout(CDC* pDC);
    void DrawFullLayout(CDC* pDC);
    void DrawSixByTwoLayout(CDC* pDC);
    void DrawThreeByFourLayout(CDC* pDC);
    void DrawPageLayout(CDC* pDC);
    int PageStripWidthMm(bool bFirstStrip) const;
    int64_t PageStripSamples(int nWidthMm) const;
    void DrawGrid(CDC* pDC, int x, int nWidthMm, int y, int nHeightMm);
    void DrawColumnGrid(CDC* pDC, int x, int nWidthMm, int y, int nHeightMm);
    void DrawGridBorder(CDC* pDC, int x, int xRight, int y, int yBottom, COLORREF cr) const;
    void DrawLabelColumn(CDC* pDC);
    void DrawCalibration(CDC* pDC, int nRows, int x, int y);
    void HorzLine(CDC* pDC, int xFrom, int xTo, int y, COLORREF cr) const;
    void VertLine(CDC* pDC, int x, int yFrom, int yTo, COLORREF cr) const;

    // ---- Traces (CEcg12Traces.cpp)
    int FindChannelIndex(uint16_t wLeadCode) const;
    const MferAttributes* FindChannel(uint16_t wLeadCode) const;
    const MferAttributes* ScalingAttributes(uint16_t wLeadCode) const;
    std::optional<SSampleArray> ChannelSamples(uint16_t wLeadCode) const;
    CLeadSource ResolveLead(uint16_t wLeadCode) const;
    int16_t LeadSample(uint16_t wLeadCode, int64_t nIndex) const;
    int16_t ScaleSample(int16_t nValue, int32_t nResolution) const;
    int16_t TraceValue(const CLeadSource& lead, int64_t nIndex, int32_t nResolution);
    void DrawLead(CDC* pDC, uint16_t wLeadCode, int x, int nBaseline, int nWidthMm, int64_t nFirst);
    void DrawLeadLabel(CDC* pDC, uint16_t wLeadCode, int x, int nBaseline) const;
    bool FindTraceSpan(STraceSpan& span, int nWidthMm, const MferAttributes& attr) const;
    void DrawTrace(CDC* pDC, const STraceSpan& span, const CLeadSource& lead, int32_t nResolution,
                   const STracePens& pens);
    void StartPosition(const STraceSpan& span, double& dPos, int64_t& nNextColumn) const;
    void WarmFilter(const CLeadSource& lead, const STraceSpan& span, int32_t nResolution);
    void DrawNormalColumn(CDC* pDC, const STraceSpan& span, int x, int16_t nHi, int16_t nLo, SColumn& prev,
                          const STracePens& pens) const;
    void DrawSmoothColumn(CDC* pDC, const STraceSpan& span, int x, int16_t nHi, int16_t nLo, SColumn& prev);

    // ---- Measurement (CEcg12Measure.cpp)
    CPoint ScrollPosition() const;
    int LeadRowAt(int sx, int sy) const;
    int PageStripAt(int sy) const;
    int PageRowAt(int sy, int nStrip) const;
    int SampleAt(int sx, int sy) const;
    int RowBaseline() const;
    void SetFirstPoint(int x, int y);
    void SetSecondPoint(int x, int y);
    bool IsOnLabelColumn(int sx) const;
    void StepSensitivity();
    void DragScroll(int x, int y);
    int ScrollDelta(int nDelta, int nPos, int nLimit) const;
    void DrawValueMarks(CDC* pDC);
    void DrawValueMark(CDC* pDC, int nSample, int x);
    void DrawCrossCursor(int x, int y);
    void DrawCrossFigure(CDC* pDC, int x, int y) const;
    void DrawCaliper(int x, int y);
    void DrawCaliperFigure(CDC* pDC, int x) const;
    void ShowMeasurement(int nMode, int sx, int sy);
    std::string ValueLabel(int sx, int sy) const;
    std::string IntervalLabel(int nDistance) const;

    int32_t m_nBackColor = 0;
    COLORREF m_crWave = 0;
    int m_nMeasureStep = 0;
    bool m_bCursorShown = false;
    bool m_bDragCaliper = false;
    bool m_bGridFromLeft = true;
    CPoint m_ptCursor;
    CPoint m_ptFirst;
    CPoint m_ptSecond;
    int m_nMeasureRow = 0;
    int m_nFirstSample = 0;
    int m_nSecondSample = 0;
    CZelvoView* m_pView = nullptr;
    ViewSettings* m_pSettings = nullptr;
    int m_nPixelsPerMm = 0;
    const MferAttributes* m_pFrameAttr = nullptr;
    std::string m_strMeasure;
    int m_nLabelWidth = 0;
    int m_nLeadCount = 0;
    uint32_t m_dwLeadMask = 0;
    uint32_t m_nDeriveMode = 0;
    int m_nFrame = 0;
    int64_t m_nRecordWidthMm = 0; // W: the longest channel's length at 25 mm/s
    CRect m_rcClip;               // the part of the sheet the context shows
    CSmoothLineDrawer m_smooth;
    CHighCutFilter m_filter;
};

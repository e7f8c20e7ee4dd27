#pragma once

#include "displays/general/BandScheme.h"
#include "displays/general/CColumnReducer.h"
#include "platform/CPoint.h"
#include "platform/ColorRef.h"
#include "view/CRenderer.h"

#include <cstdint>
#include <string>

struct ViewSettings;

// Paper speed and band height of a channel-band display.
struct BandLayout {
    int nBandMm;     // height of one channel's band
    int nMsPerMm;    // paper speed as milliseconds per millimetre
    double dMmPerMs; // the same speed as the factor the sample step is computed with
};

// A stack of channel bands on millimetre paper: one band per channel of the frame, labelled above
// its baseline, each channel's samples reduced to one stroke group per pixel column. Only the
// samples under the visible width are read, so the paint cost does not grow with the recording.
// The displays built on it choose the colours, the background, the label, the sample scale and
// how a column is drawn.
class CChannelBandRenderer : public CRenderer {
public:
    void Setup(CZelvoView* pView, int nPixelsPerMm, const MferAttributes* pFrameAttr) override;
    void Draw(CDC* pDC) override;

protected:
    explicit CChannelBandRenderer(const BandLayout& layout) : m_layout(layout) {}

    // Sets m_nBackColor and m_crWave for the next draw.
    virtual void LoadColors() = 0;
    // Draws the paper and sets m_rcExtent.
    virtual void DrawBackground(CDC* pDC) = 0;
    // The text over a channel's band; pAttr is null when the frame has no such channel.
    virtual std::string BandLabel(int nChannel, const MferAttributes* pAttr) const = 0;
    // Pixels above the baseline for one raw sample of the channel.
    virtual int16_t SampleHeight(int16_t nSample, const MferAttributes& attr) const = 0;
    virtual void BeginTrace() {}
    virtual void DrawColumn(CDC* pDC, const BandColumn& column, int y0, const MferAttributes& attr) = 0;

    int GetChannelCount() const;
    // All bands plus the empty one below the last baseline.
    int GetPaperHeightMm() const;
    // Millimetres of paper the recording fills: the whole ones, plus nExtraIfPartial when the
    // recording ends inside one.
    int64_t GetPaperColumns(int nExtraIfPartial) const;
    // 10 mm per millivolt at sensitivity x1.
    int16_t CalibratedHeight(int16_t nSample, const MferAttributes& attr) const;
    // The column's range, and a line from the previous column's middle to this one's; a flat
    // column is a segment from the previous column.
    void DrawEnvelope(CDC* pDC, const BandColumn& column, int y0) const;
    // A line every millimetre and a heavier one every 5 mm over nColumns x the paper height.
    void DrawGrid(CDC* pDC, int64_t nColumns, const BandScheme& scheme) const;
    static CRect ClampedExtent(int64_t nWidth, int64_t nHeight);

    CZelvoView* m_pView = nullptr;
    ViewSettings* m_pSettings = nullptr;
    int m_nPixelsPerMm = 0;
    const MferAttributes* m_pFrameAttr = nullptr;
    CPoint m_ptOrigin;
    int m_nBackColor = 0;
    COLORREF m_crWave = 0;

private:
    // Samples [nFirst, nEnd) of a channel.
    struct SampleRange {
        int64_t nFirst;
        int64_t nEnd;
    };

    uint64_t GetDurationMs() const;
    // The samples under the device's width plus a margin each side: a column straddling an edge
    // and a smooth line's held-back flat run settle outside the view.
    SampleRange VisibleSamples(const CRect& rcClip, double dPixelsPerSample, int64_t nSamples) const;
    void DrawChannel(CDC* pDC, int nChannel);
    void DrawLabel(CDC* pDC, const std::string& strLabel, int y0) const;
    void DrawTrace(CDC* pDC, int nChannel, int y0, const MferAttributes& attr);

    BandLayout m_layout;
};

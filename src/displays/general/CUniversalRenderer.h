#pragma once

#include "displays/general/CChannelBandRenderer.h"

// Any recording as channel bands 20 mm high at 25 mm/s and 10 mm/mV, on a millimetre grid or a
// millimetre ruler, in the colours of the profile's "Universal" section.
class CUniversalRenderer : public CChannelBandRenderer {
public:
    CUniversalRenderer();

protected:
    void LoadColors() override;
    void DrawBackground(CDC* pDC) override;
    std::string BandLabel(int nChannel, const MferAttributes* pAttr) const override;
    int16_t SampleHeight(int16_t nSample, const MferAttributes& attr) const override {
        return CalibratedHeight(nSample, attr);
    }
    void DrawColumn(CDC* pDC, const BandColumn& column, int y0, const MferAttributes&) override {
        DrawEnvelope(pDC, column, y0);
    }

private:
    void FillBlackPaper(CDC* pDC) const;
    // Lines every 5 mm with millimetre ticks across every band's baseline and every 10 mm line.
    void DrawRuler(CDC* pDC, int64_t nColumns, COLORREF crRuler) const;
    void DrawRulerRows(CDC* pDC, int64_t nColumns, COLORREF crRuler) const;
    void DrawRulerColumns(CDC* pDC, int64_t nColumns, COLORREF crRuler) const;

    int m_nScaleWidth = 0;
};

#pragma once

#include "displays/ecg12/CSmoothLineDrawer.h"
#include "displays/general/CChannelBandRenderer.h"

// Recordings of waveform-type code 30: bands 30 mm high at 50 mm/s on green millimetre paper
// with black traces, whatever the colour settings say. ECG leads (codes below 128) are
// calibrated at 10 mm/mV and always drawn as an anti-aliased line through the column tops; the
// other channels are raw units at a quarter pixel each, drawn as an envelope, the sound channels
// 513, 514 and 515 labelled "L", "M" and "H".
class CType30Renderer : public CChannelBandRenderer {
public:
    CType30Renderer();

protected:
    void LoadColors() override;
    void DrawBackground(CDC* pDC) override;
    std::string BandLabel(int nChannel, const MferAttributes* pAttr) const override;
    int16_t SampleHeight(int16_t nSample, const MferAttributes& attr) const override;
    void BeginTrace() override { m_smoothLine.CreateSmoothPens(); }
    void DrawColumn(CDC* pDC, const BandColumn& column, int y0, const MferAttributes& attr) override;

private:
    CSmoothLineDrawer m_smoothLine;
};

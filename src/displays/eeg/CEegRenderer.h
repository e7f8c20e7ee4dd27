#pragma once

#include "displays/ecg12/CSmoothLineDrawer.h"
#include "displays/eeg/CEegLeadTable.h"
#include "displays/eeg/CPixelColumnReducer.h"
#include "displays/eeg/IirStage.h"
#include "platform/CPoint.h"
#include "platform/ColorRef.h"
#include "view/CRenderer.h"

#include <array>
#include <cstdint>
#include <string>

class IUserPrompt;
struct ViewSettings;

// Electrode codes are 7 bits wide.
inline constexpr int g_nEegElectrodeCodes = 128;
// Traces and labels start 5 mm right of the sheet's edge.
inline constexpr int g_nEegTraceMarginMm = 5;

// The EEG display: a time grid and ruler that stay on the visible part of the sheet, one row per
// electrode-pair derivation of the montage, then the recording's first ECG lead and its first
// lead-160 channel. It draws at a fixed 4 pixels per millimetre, 125 pixels per second and 15 mm
// per row, on screen and on paper alike.
class CEegRenderer : public CRenderer {
public:
    // Reads the montage file once; its messages go to the prompt.
    explicit CEegRenderer(IUserPrompt& prompt) : m_leadTable(prompt) {}

    void Setup(CZelvoView* pView, int nPixelsPerMm, const MferAttributes* pFrameAttr) override;
    void Draw(CDC* pDC) override;

private:
    // Where a row's samples come from and how they scale.
    struct SRowSource {
        const int16_t* m_pSamples = nullptr;
        int64_t m_nSamples = 0;
        int32_t m_nSamplingInterval = 0;
        int32_t m_nResolution = 0;
    };
    // The samples a row reads for the visible columns, the filters' lead-in included.
    struct SRowRange {
        int64_t m_nFirst = 0;
        int64_t m_nEnd = 0;
        int m_nFirstX = 0;
        double m_dPixelsPerSample = 0.0;
    };

    void FindChannels();
    int ExtraRowCount() const;
    bool ReadChannel(int nChannel, SRowSource& source) const;
    int Baseline(int nRow) const;

    void DrawBackground(CDC* pDC, int nDerivations, int nExtraRows);
    void DrawGrid(CDC* pDC, int nGridHeight) const;
    void DrawRuler(CDC* pDC) const;

    void DrawDerivation(CDC* pDC, int nRow, int nFirstChannel, int nSecondChannel);
    void DrawDerivationLabels(CDC* pDC, int y0, const std::string& strLabel, const SRowSource& source) const;
    void DrawDerivationColumn(CDC* pDC, int y0, int xPrevious, int16_t nPreviousMiddle,
                              const SPixelColumn& column);
    void DrawSingleChannel(CDC* pDC, int nRow, int nChannel);

    void StartRow(int32_t nSamplingInterval);
    SRowRange VisibleRange(const SRowSource& source) const;

    CPoint m_ptOrigin;
    COLORREF m_crWave = 0;
    CZelvoView* m_pView = nullptr;
    ViewSettings* m_pSettings = nullptr;
    int m_nPixelsPerMm = 0;
    const MferAttributes* m_pFrameAttr = nullptr;
    int m_nMontage = 0;
    CEegLeadTable m_leadTable;
    IirStage m_hpf;
    IirStage m_lpf;
    bool m_bSmooth = false;
    CSmoothLineDrawer m_smooth;
    CRect m_rcClip; // the part of the sheet the context shows, for this draw

    // This draw's channels: the lowest channel carrying each electrode code, the first ECG lead and
    // the first lead-160 channel; -1 where the recording has none.
    std::array<int, g_nEegElectrodeCodes> m_anElectrodeChannel{};
    int m_nEcgChannel = -1;
    int m_nLead160Channel = -1;
};

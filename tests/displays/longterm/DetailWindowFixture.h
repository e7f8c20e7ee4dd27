#pragma once

#include "displays/longterm/CDetailWaveWnd.h"
#include "displays/longterm/CEventIndex.h"
#include "displays/longterm/CHeadlessDetailWindow.h"
#include "mfer/MferAttributes.h"
#include "platform/MouseKeys.h"

#include "CViewHarness.h"
#include "LongTermRecording.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <vector>

// A detail window opened headless on a recording in a real view, as the strip's click opens it.
class DetailWindowFixture : public testing::Test {
protected:
    void Open(const LongTermRecording& recording, int64_t nViewSample, int64_t nRangeStart) {
        ASSERT_TRUE(m_harness.Open(recording.Build()));
        const MferAttributes* pFrame = m_harness.Doc().GetFrameAttributes(0);
        ASSERT_NE(pFrame, nullptr);
        std::array<CDetailWaveWnd::SChannel, 2> aChannels;
        for (int c = 0; c < pFrame->m_nChannels && c < 2; ++c)
            aChannels[static_cast<size_t>(c)] = {
                m_harness.Doc().GetFrameSamples(0, 0, static_cast<int16_t>(c)),
                static_cast<int64_t>(recording.aChannels.front().size())};
        m_events.Refresh(pFrame->m_pFirstEvent, pFrame->m_pLastEvent);
        m_pWnd = std::make_unique<CDetailWaveWnd>(&m_harness.View(), nViewSample, nRangeStart, *pFrame,
                                                  aChannels, &m_events);
        m_pWindow = std::make_unique<CHeadlessDetailWindow>(*m_pWnd);
        m_pWindow->Open();
    }
    CDetailWaveWnd& Wnd() { return *m_pWnd; }
    CHeadlessDetailWindow& Window() { return *m_pWindow; }
    COLORREF Pixel(int x, int y) const {
        const QRgb rgb = m_pWindow->GetImage().pixel(x, y);
        return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
    }
    void Click(CPoint ptDown, CPoint ptUp) {
        Wnd().OnLButtonDown(MK_LBUTTON, ptDown);
        Wnd().OnMouseMove(MK_LBUTTON, ptUp);
        Wnd().OnLButtonUp(0, ptUp);
    }

    CViewHarness m_harness;
    CEventIndex m_events;
    std::unique_ptr<CDetailWaveWnd> m_pWnd;
    std::unique_ptr<CHeadlessDetailWindow> m_pWindow;
};

// Constant channels at the given sampling interval.
inline LongTermRecording Flat(size_t nSamples, std::vector<int16_t> aValues, int32_t nInterval = 4000) {
    LongTermRecording recording;
    recording.nIntervalUs = nInterval;
    recording.aChannels = FlatChannels(nSamples, std::move(aValues));
    return recording;
}

// Painting the long-term strip and the detail window of a 24-hour two-channel Holter recording at
// 250 Hz with an event on every beat (100,000 events), into a 1920x1080 client.
#include "app/CZelvoDoc.h"
#include "displays/longterm/CDetailWaveWnd.h"
#include "displays/longterm/CHeadlessDetailWindow.h"
#include "displays/longterm/CLongTermRenderer.h"
#include "platform/CHeadlessViewWindow.h"
#include "platform/CMemoryProfile.h"
#include "platform/CRasterDC.h"
#include "platform/MouseKeys.h"
#include "view/CZelvoView.h"

#include "CMferWriter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int RATE_HZ = 250;
constexpr int SECONDS = 24 * 60 * 60;
constexpr int BLOCK_LENGTH = RATE_HZ;
constexpr int BEATS = 100'000;
constexpr CSize CLIENT{1920, 1080};

// A beat-like signal: a sharp spike and a slow wave after it, on every beat.
std::vector<int16_t> Channel(size_t nSamples, double beatSamples, int nSign) {
    std::vector<int16_t> samples(nSamples);
    for (size_t i = 0; i < nSamples; ++i) {
        const double phase = std::fmod(static_cast<double>(i), beatSamples);
        const double spike = phase < 6 ? 400.0 * (1.0 - std::abs(phase - 3.0) / 3.0) : 0.0;
        const double wave = phase > 60 && phase < 110 ? 80.0 * std::sin((phase - 60) * 3.14159 / 50) : 0.0;
        samples[i] =
            static_cast<int16_t>(nSign * (spike + wave) + 10 * std::sin(static_cast<double>(i) * 0.01));
    }
    return samples;
}

std::string WriteHolter() {
    const size_t nSamples = static_cast<size_t>(RATE_HZ) * SECONDS;
    const double beatSamples = static_cast<double>(nSamples) / BEATS;
    const std::vector<int16_t> ch0 = Channel(nSamples, beatSamples, 1);
    const std::vector<int16_t> ch1 = Channel(nSamples, beatSamples, -1);
    CMferWriter writer;
    writer.WaveformType(2)
        .Channels(2)
        .BlockLength(BLOCK_LENGTH)
        .Sequences(static_cast<uint32_t>(nSamples / BLOCK_LENGTH))
        .SamplingRateHz(RATE_HZ)
        .Resolution(0, -9, 2500, 4);
    for (int b = 0; b < BEATS; ++b)
        writer.Event(b % 50 == 49 ? 860 : 136, static_cast<uint32_t>(b * beatSamples + 3));
    writer.Waveform16Interleaved({&ch0, &ch1}, BLOCK_LENGTH);
    writer.EndMark();
    const std::string strPath = (std::filesystem::temp_directory_path() /
                                 ("zelvo-longterm-bench-" + std::to_string(getpid()) + ".mwf"))
                                    .string();
    writer.WriteFile(strPath);
    return strPath;
}

// The recording opened once in a view of a 1920x1080 window.
struct SOpenHolter {
    SOpenHolter() : strPath(WriteHolter()), window(CLIENT) {
        doc.OnOpenDocument(strPath);
        std::filesystem::remove(strPath);
        pView = std::make_unique<CZelvoView>(doc, window, profile);
        window.SetPaintHandler([this](CDC& dc) { pView->OnDraw(&dc); });
        pView->OnInitialUpdate();
        window.RedrawNow();
    }
    std::string strPath;
    CZelvoDoc doc;
    CHeadlessViewWindow window;
    CMemoryProfile profile;
    std::unique_ptr<CZelvoView> pView;
};

SOpenHolter& Holter() {
    static SOpenHolter holter;
    return holter;
}

void BM_StripPaint(benchmark::State& state) {
    SOpenHolter& holter = Holter();
    const int nTotal = holter.pView->GetExtent().bottom;
    const int y = static_cast<int>(static_cast<int64_t>(nTotal - CLIENT.cy) * state.range(0) / 100);
    holter.window.ScrollToPosition(CPoint(0, y));
    QImage image = CRasterDC::CreateImage(CLIENT, RGB(255, 255, 255));
    for (auto _ : state) {
        CRasterDC dc(image);
        dc.SetWindowOrg(0, y);
        holter.pView->OnDraw(&dc);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["rows"] = nTotal / 80;
}
BENCHMARK(BM_StripPaint)->Arg(0)->Arg(37)->Arg(50)->Arg(99)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_DetailFirstPaint(benchmark::State& state) {
    SOpenHolter& holter = Holter();
    holter.window.ScrollToPosition(CPoint(0, 0));
    holter.window.RedrawNow();
    // Open the detail window as the strip's click would, deep into the recording.
    holter.pView->SetDetailWindowRunner([&](CDetailWaveWnd& wnd) {
        for (auto _ : state) {
            CHeadlessDetailWindow window(wnd);
            window.Open();
            benchmark::DoNotOptimize(window.GetImage().constBits());
        }
        return 0;
    });
    holter.window.ScrollToPosition(CPoint(0, static_cast<int>(state.range(0))));
    holter.pView->OnLButtonDown(MK_LBUTTON, CPoint(52 + 700, 300));
    holter.pView->SetDetailWindowRunner(nullptr);
}
BENCHMARK(BM_DetailFirstPaint)->Arg(0)->Arg(57'000)->Unit(benchmark::kMillisecond);

} // namespace

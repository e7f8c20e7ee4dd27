// Decoding speed on long recordings: a 24-hour two-channel Holter at 250 Hz and a one-hour
// 12-lead ECG at 1 kHz, both 16-bit with block length 1 (about 86 MB each).
#include "app/CZelvoDoc.h"
#include "mfer/CMferFile.h"

#include "CMferWriter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> MakeRecording(int nChannels, int nRateHz, int nSeconds, uint16_t wWaveformType) {
    const size_t nSamples = static_cast<size_t>(nRateHz) * static_cast<size_t>(nSeconds);
    std::vector<std::vector<int16_t>> channels(static_cast<size_t>(nChannels),
                                               std::vector<int16_t>(nSamples));
    for (size_t c = 0; c < channels.size(); ++c)
        for (size_t i = 0; i < nSamples; ++i)
            channels[c][i] =
                static_cast<int16_t>(400 * std::sin(static_cast<double>(i) * 0.05 + static_cast<double>(c)));
    std::vector<const std::vector<int16_t>*> pointers;
    for (const auto& channel : channels)
        pointers.push_back(&channel);
    CMferWriter w;
    w.WaveformType(wWaveformType).Channels(static_cast<uint32_t>(nChannels)).BlockLength(1);
    w.Sequences(static_cast<uint32_t>(nSamples))
        .SamplingRateHz(static_cast<uint32_t>(nRateHz))
        .Resolution(0, -7, 25);
    w.Waveform16Interleaved(pointers, 1);
    return w.Bytes();
}

const std::vector<uint8_t>& Holter24h() {
    static const std::vector<uint8_t> image = MakeRecording(2, 250, 24 * 3600, 2);
    return image;
}

const std::vector<uint8_t>& Ecg12OneHour() {
    static const std::vector<uint8_t> image = MakeRecording(12, 1000, 3600, 1);
    return image;
}

void LoadAndDecode(benchmark::State& state, const std::vector<uint8_t>& image) {
    CMferFile file;
    for (auto _ : state) {
        file.Load(image.data(), static_cast<uint32_t>(image.size()));
        if (file.Decode() != 1)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(file.GetFrameSamples(0, 0, 0));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(image.size()));
}

void BM_DecodeHolter24h(benchmark::State& state) {
    LoadAndDecode(state, Holter24h());
}
void BM_DecodeEcg12OneHour(benchmark::State& state) {
    LoadAndDecode(state, Ecg12OneHour());
}

// The whole open a user waits for: reading the file from disk and decoding it.
void BM_OpenHolter24hFromDisk(benchmark::State& state) {
    const std::string path = (std::filesystem::temp_directory_path() / "zelvo-bench-holter-24h.mwf").string();
    CMferWriter().Raw(Holter24h()).WriteFile(path);
    for (auto _ : state) {
        CZelvoDoc doc;
        if (doc.OnOpenDocument(path) != 1)
            state.SkipWithError("open failed");
    }
    std::filesystem::remove(path);
}

} // namespace

BENCHMARK(BM_DecodeHolter24h)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeEcg12OneHour)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenHolter24hFromDisk)->Unit(benchmark::kMillisecond);

// `--write-holter-24h FILE` writes the 24-hour recording for measuring the command-line tool.
int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--write-holter-24h")
        return CMferWriter().Raw(Holter24h()).WriteFile(argv[2]) ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

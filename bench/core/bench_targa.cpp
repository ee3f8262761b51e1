// Decoding a large texture file against a plain copy of the same bytes: the
// reader should stay within about twice the cost of the memcpy.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "core/targa.h"

namespace {

constexpr int kSide = 4096;

const std::vector<uint8_t>& LargeFile()
{
    static const std::vector<uint8_t> file = [] {
        TargaHeader h = TextureSetHeader(kSide);
        h.Width = kSide;
        const auto head = EncodeTargaHeader(h);
        std::vector<uint8_t> bytes(head.begin(), head.end());
        bytes.resize(kTargaHeaderSize + std::size_t(kSide) * kSide * 3);
        uint32_t state = 12345;
        for (std::size_t i = kTargaHeaderSize; i < bytes.size(); ++i) {
            state = state * 1664525u + 1013904223u;
            bytes[i] = uint8_t(state >> 24);
        }
        return bytes;
    }();
    return file;
}

void BM_DecodeTarga4096(benchmark::State& state)
{
    const auto& file = LargeFile();
    for (auto _ : state) {
        auto image = DecodeTarga(file);
        benchmark::DoNotOptimize(image);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.size()));
}
BENCHMARK(BM_DecodeTarga4096)->Unit(benchmark::kMillisecond);

void BM_Memcpy4096(benchmark::State& state)
{
    const auto& file = LargeFile();
    std::vector<uint8_t> copy(file.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), file.data(), file.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(file.size()));
}
BENCHMARK(BM_Memcpy4096)->Unit(benchmark::kMillisecond);

} // namespace

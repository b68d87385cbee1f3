// How fast packed skins unpack: the default skin, and a 1 MiB package of skin-like content
// (a description and 24-bit images). Bytes per second are bytes of unpacked output.

#include "skin/SkinRead.h"
#include "tools/BmpWrite.h"
#include "tools/SkinPack.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <random>

namespace {

std::vector<std::uint8_t> DefaultSkin() {
    std::ifstream in(DEVTOOL_DEFAULT_SKIN_FILE, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// About 1 MiB: gradients, flat areas and some noise, like skin images.
std::vector<std::uint8_t> MegabytePackage() {
    std::mt19937 rng(7);
    std::vector<SkinEntry> entries;
    std::string ini;
    for (int i = 0; i < 40; ++i) {
        ini += "[Element" + std::to_string(i) + "]\r\nImage=e" + std::to_string(i) +
               ".bmp\r\nFrame=4\r\nLeftWidth=3\r\n";
    }
    entries.push_back({"skin.ini", {ini.begin(), ini.end()}});
    std::size_t total = ini.size();
    for (int i = 0; total < (1u << 20); ++i) {
        const int w = 96, h = 40;
        std::vector<std::uint32_t> pixels(w * h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const std::uint32_t base = 0x2B6CB0 + static_cast<std::uint32_t>(y * 0x010101);
                pixels[y * w + x] = (x % 24 < 2) ? 0xFF00FF : base ^ (rng() % 4 == 0 ? 1u : 0u);
            }
        }
        auto bmp = EncodeBmp24(w, h, pixels);
        total += bmp.size();
        entries.push_back({"e" + std::to_string(i) + ".bmp", std::move(bmp)});
    }
    return BuildSkinPackage(entries);
}

void Unpack(benchmark::State& state, const std::vector<std::uint8_t>& packed) {
    std::size_t unpacked = 0;
    for (auto _ : state) {
        TSkinReader reader;
        if (!reader.ReadPackage(packed)) {
            state.SkipWithError("package refused");
            return;
        }
        unpacked = 0;
        for (std::size_t i = 0; i < reader.Count(); ++i) {
            unpacked += reader.EntryData(i).size();
        }
        benchmark::DoNotOptimize(unpacked);
    }
    const std::uint32_t length =
        packed[0] | packed[1] << 8 | packed[2] << 16 | static_cast<std::uint32_t>(packed[3]) << 24;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * length);
    state.counters["packed_bytes"] = static_cast<double>(packed.size());
    state.counters["unpacked_bytes"] = length;
}

void BM_UnpackDefaultSkin(benchmark::State& state) {
    static const auto packed = DefaultSkin();
    Unpack(state, packed);
}
BENCHMARK(BM_UnpackDefaultSkin);

void BM_UnpackOneMegabyte(benchmark::State& state) {
    static const auto packed = PackSkin(MegabytePackage());
    Unpack(state, packed);
}
BENCHMARK(BM_UnpackOneMegabyte);

} // namespace

BENCHMARK_MAIN();

// NFC normalization of path-like strings: ustring against the same three ICU
// calls made directly on stack buffers, on the same inputs in one run.
// Report: time(UstringNfc) / time(RawIcuNfc), and the same with the path
// object built inside the loop (UstringNfcFromCString).
#include "ustring.h"

#include <benchmark/benchmark.h>

#include <unicode/unorm2.h>
#include <unicode/ustring.h>

#include <string>
#include <vector>

namespace {

// Mixed ASCII, Latin letters with combining accents (NFD, as some file
// systems hand them back), precomposed Latin, CJK and Hangul jamo.
const std::vector<std::string>& inputs()
{
    static const std::vector<std::string> paths = {
        "/Users/jose\xCC\x81/Documents/Re\xCC\x81sume\xCC\x81 2026.pdf",
        "/Users/jose\xCC\x81/.VelmoraDrive/data/cache/index-000123.db",
        "/Users/ana/Library/Application Support/VelmoraDrive/logs/launcher.log",
        "/Users/\xE7\x94\xB0\xE4\xB8\xAD/\xE6\x96\x87\xE6\xA1\xA3/"
        "\xE9\xA1\xB9\xE7\x9B\xAE\xE8\xAE\xA1\xE5\x88\x92.xlsx",
        "/Users/\xE1\x84\x80\xE1\x85\xA1\xE1\x84\x82\xE1\x85\xA1/Pictures/Bilder Ma\xCC\x88rz/Fo\xCC\x88hn.jpg",
        "/Volumes/Backup/Fran\xC3\xA7ois/Caf\xC3\xA9 cre\xCC\x80me bru\xCC\x82le\xCC\x81"
        "e.txt",
        "/tmp/velmora/VelmoraDrive.app_tmp3/Contents/Resources/package/larkspan.vpk",
        "/Users/\xE5\xB1\xB1\xE7\x94\xB0/\xE3\x83\x87\xE3\x82\xB9\xE3\x82\xAF\xE3\x83\x88\xE3\x83\x83\xE3\x83\x97/"
        "\xE3\x81\x8B\xE3\x82\x99\xE3\x81\x8D\xE3\x82\x99.txt",
    };
    return paths;
}

// Paths as the file code holds them: built in UTF-8, so with the UTF-16 cache
// dropped.
void UstringNfc(benchmark::State& state)
{
    std::vector<ustring> paths(inputs().begin(), inputs().end());
    for (auto _ : state) {
        for (ustring& path : paths) {
            // A write access to the UTF-8 form drops the cache the last round
            // filled, as building the path did.
            benchmark::DoNotOptimize(path[0]);
            const ustring out = path.normalize(ustring::NFC);
            benchmark::DoNotOptimize(out.c_str());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(paths.size()));
}

// The same, building each path object from its C string first.
void UstringNfcFromCString(benchmark::State& state)
{
    const std::vector<std::string>& paths = inputs();
    for (auto _ : state) {
        for (const std::string& path : paths) {
            const ustring in(path.c_str());
            const ustring out = in.normalize(ustring::NFC);
            benchmark::DoNotOptimize(out.c_str());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(paths.size()));
}

void RawIcuNfc(benchmark::State& state)
{
    const std::vector<std::string>& paths = inputs();
    UChar src[512];
    UChar dst[512];
    char out[1536];
    for (auto _ : state) {
        for (const std::string& path : paths) {
            UErrorCode err = U_ZERO_ERROR;
            int32_t len = 0;
            u_strFromUTF8(src, 512, &len, path.c_str(), -1, &err);
            const UNormalizer2* norm = unorm2_getInstance(nullptr, "nfc", UNORM2_COMPOSE, &err);
            const int32_t n = unorm2_normalize(norm, src, len, dst, 512, &err);
            int32_t out_len = 0;
            u_strToUTF8(out, sizeof out, &out_len, dst, n, &err);
            if (U_FAILURE(err))
                state.SkipWithError("ICU failed");
            benchmark::DoNotOptimize(out);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(paths.size()));
}

}  // namespace

BENCHMARK(UstringNfc);
BENCHMARK(UstringNfcFromCString);
BENCHMARK(RawIcuNfc);

// Fixed work for instruction counts, which timing on a busy machine cannot
// give reliably; each side alone:
//   valgrind --tool=callgrind --toggle-collect='*RawIcuNfc*' ustring_bench
//            --benchmark_filter='RawIcuNfc/fixed'
// and the ratio of the two totals.
const int kFixedIterations = 2000;
BENCHMARK(UstringNfc)->Name("UstringNfc/fixed")->Iterations(kFixedIterations);
BENCHMARK(UstringNfcFromCString)->Name("UstringNfcFromCString/fixed")->Iterations(kFixedIterations);
BENCHMARK(RawIcuNfc)->Name("RawIcuNfc/fixed")->Iterations(kFixedIterations);

BENCHMARK_MAIN();

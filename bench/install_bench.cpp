// A full install through the launcher (start to exit, the dialog shown
// offscreen) against Extractor::Extract() alone (extract_only) and against
// `bsdtar -xf`, and the same install from a twin bundle that records no
// package digest, which shows the launcher's cost apart from the digest; on
// zip packages of 1,000, 10,000 and 50,000 files of 4 KiB, on a big mixed
// bundle and on one of incompressible binaries, in rounds of one run each:
// wall and CPU time as ratios, peak resident sets and own memory beside the
// bare Qt program's, and with --callgrind the instructions of each and the
// survey's per entry. First the digest's speed through each implementation.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_bundle.h"
#include "bench_support.h"

namespace {

struct Workload {
    std::string name;
    int rounds;
    bench::Payload payload;
};

// Thousands of small text files beside large libraries and fonts.
const char kMixedSources[] =
    "/usr/share/doc /usr/share/fonts /usr/share/zoneinfo /usr/lib/python3 /usr/lib/x86_64-linux-gnu/qt5 "
    "/usr/lib/x86_64-linux-gnu/libQt5*.so* /usr/lib/x86_64-linux-gnu/libicudata.so*";

struct BarePeaks {
    double resident;   // median of five runs
    double anonymous;  // sampled, one run
};

BarePeaks BareQtPeaks(const std::vector<std::string>& env)
{
    const std::vector<bench::Peer> bare = {{"bare Qt", {std::string(VELMORA_BIN_DIR) + "/qt_minimal_app"}}};
    const bench::Rounds rounds = bench::RunRounds(bare, env, 5, [] {});
    std::vector<double> peaks;
    for (const auto& round : rounds)
        peaks.push_back(round[0].peakMiB);
    std::sort(peaks.begin(), peaks.end());
    return {peaks[peaks.size() / 2], bench::AnonymousPeakMiB(bare[0].argv, env)};
}

// The survey's instructions per entry: counted inside SurveyPackage only,
// on the thread that runs it (the digest has a thread of its own), and of
// them those of the archive library's reading of the headers.
void PrintSurveyShare(const std::string& launcher, const std::vector<std::string>& env, const std::string& scratch,
                      int entries)
{
    const bench::FunctionCost survey = bench::InstructionsIn(
        {launcher}, env, scratch, "SurveyPackage(PackageCheck const&, PackageSource&)", "archive_read_next_header");
    if (entries > 0 && survey.whole > 0)
        printf("  survey: %.1f k instructions per entry, %.1f k of them in the archive library's header reading\n",
               survey.whole / 1e3 / entries, survey.part / 1e3 / entries);
}

void Measure(const Workload& workload, const bench::Options& options, const std::string& scratch,
             const std::vector<std::string>& env, const BarePeaks& bare)
{
    const bench::Bundle bundle = bench::MakeBundle(scratch, workload.name, 200, workload.payload);
    const bench::Bundle twin = bench::TwinWithoutDigest(scratch, workload.name);
    if (bundle.launcher.empty() || twin.launcher.empty())
        return;
    // The peers write to a path as long as the launcher's own: libarchive
    // converts every entry's whole path, so a shorter one would flatter them.
    const std::string out = scratch + "/dest/.VelmoraDrive/VelmoraDrive.app";
    const std::vector<bench::Peer> peers = {
        {"launcher", {bundle.launcher}},
        {"extractor", {std::string(VELMORA_BIN_DIR) + "/extract_only", bundle.package, out}},
        {"bsdtar -xf", {"bsdtar", "-xf", bundle.package, "-C", out}},
        {"launcher, no digest", {twin.launcher}}};
    auto reset = [&] {
        bench::Shell("rm -rf '" + scratch + "/home/.VelmoraDrive' '" + scratch + "/dest' && mkdir -p '" + out + "'");
    };
    reset();
    const int rounds = options.rounds ? options.rounds : workload.rounds;
    const bench::Rounds result = bench::RunRounds(peers, env, rounds, reset);
    const int entries = atoi(bench::Output("bsdtar -tf '" + bundle.package + "' | wc -l").c_str());
    printf("%s: %d entries, %s zip, %d rounds\n", workload.name.c_str(), entries,
           bench::Output("du -h '" + bundle.package + "' | cut -f1").c_str(), rounds);
    bench::PrintRatio(result, peers, 0, 1);
    bench::PrintRatio(result, peers, 0, 2);
    bench::PrintRatio(result, peers, 1, 2);
    bench::PrintRatio(result, peers, 3, 1);
    bench::PrintRatio(result, peers, 3, 2);
    bench::PrintPeaks(result, peers);
    bench::PrintAnonymousPeaks(peers, env, reset);
    printf("  bare Qt program's peak %.1f MiB, its own memory %.1f MiB\n", bare.resident, bare.anonymous);
    if (options.callgrind) {
        std::vector<uint64_t> counts;
        for (const bench::Peer& peer : peers) {
            counts.push_back(bench::Instructions(peer.argv, env, scratch));
            reset();
        }
        bench::PrintInstructionRatio(peers[0].name, counts[0], peers[1].name, counts[1]);
        bench::PrintInstructionRatio(peers[0].name, counts[0], peers[2].name, counts[2]);
        bench::PrintInstructionRatio(peers[1].name, counts[1], peers[2].name, counts[2]);
        bench::PrintInstructionRatio(peers[3].name, counts[3], peers[1].name, counts[1]);
        PrintSurveyShare(bundle.launcher, env, scratch, entries);
        reset();
    }
    fflush(stdout);
    bench::Shell("rm -rf '" + scratch + "/bundles'");
}

}  // namespace

int main(int argc, char** argv)
{
    const bench::Options options = bench::ParseOptions(
        argc, argv, "A launcher install against Extractor::Extract() alone and against bsdtar -xf.");
    const std::string scratch = bench::ScratchFolder(options);
    if (scratch.empty() || !bench::Shell("mkdir -p '" + scratch + "/home' && mkdir -m 0700 '" + scratch + "/runtime'"))
        return 1;
    const std::vector<std::string> env = {"HOME=" + scratch + "/home", "XDG_RUNTIME_DIR=" + scratch + "/runtime",
                                          "QT_QPA_PLATFORM=offscreen", "PATH=/usr/bin:/bin"};
    const std::vector<Workload> workloads = {
        {"1,000 files of 4 KiB", 15, bench::SmallFiles(1000, 4096)},
        {"10,000 files of 4 KiB", 9, bench::SmallFiles(10000, 4096)},
        {"50,000 files of 4 KiB", 5, bench::SmallFiles(50000, 4096)},
        {"big mixed bundle", 5, bench::SystemCopies(kMixedSources)},
        {"incompressible bundle", 9, bench::Together(bench::SmallFiles(3000, 4096), bench::RandomFiles(12, 4 << 20))},
    };
    printf("%s\n", bench::Output(std::string(VELMORA_BIN_DIR) + "/digest_speed").c_str());
    printf("install, in %s\n", scratch.c_str());
    const BarePeaks bare = BareQtPeaks(env);
    for (const Workload& workload : workloads)
        Measure(workload, options, scratch, env, bare);
    bench::RemoveScratchFolder(options, scratch);
    return 0;
}

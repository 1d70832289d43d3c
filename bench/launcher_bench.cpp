// A start with nothing to install, from start to exit, against a bare Qt
// widgets program that starts and quits (qt_minimal_app), and against the
// same program skipping its teardown as the launcher does, in rounds of one
// run each: wall and CPU time as ratios, the peak resident set and own
// memory of each, and with --callgrind the instructions of each.
#include <unistd.h>

#include <cstdio>

#include "bench_bundle.h"
#include "bench_support.h"

int main(int argc, char** argv)
{
    const bench::Options options =
        bench::ParseOptions(argc, argv, "A launcher start with nothing to install against a bare Qt program.");
    const std::string scratch = bench::ScratchFolder(options);
    if (scratch.empty())
        return 1;
    const std::vector<std::string> env = {"HOME=" + scratch + "/home", "XDG_RUNTIME_DIR=" + scratch + "/runtime",
                                          "QT_QPA_PLATFORM=offscreen", "PATH=/usr/bin:/bin"};
    const bench::Bundle bundle = bench::MakeBundle(scratch, "start", 100, [](const std::string&) { return true; });
    // The first run installs build 100; every later one finds it in place.
    if (bundle.launcher.empty() ||
        !bench::Shell("mkdir -p '" + scratch + "/home' && mkdir -m 0700 '" + scratch + "/runtime'") ||
        !bench::RunChild({bundle.launcher}, env).ok ||
        access((scratch + "/home/.VelmoraDrive/VelmoraDrive.app/Contents/MacOS/cloud-drive-ui").c_str(), X_OK) != 0) {
        fprintf(stderr, "launcher_bench: cannot install the start bundle\n");
        bench::RemoveScratchFolder(options, scratch);
        return 1;
    }
    const std::string bare = std::string(VELMORA_BIN_DIR) + "/qt_minimal_app";
    const std::vector<bench::Peer> peers = {
        {"launcher", {bundle.launcher}}, {"bare Qt", {bare}}, {"bare Qt, no teardown", {bare, "--no-teardown"}}};
    const int rounds = options.rounds ? options.rounds : 31;
    bench::RunRounds(peers, env, 2, [] {});  // warm the page cache and the font cache
    const bench::Rounds result = bench::RunRounds(peers, env, rounds, [] {});
    printf("start with nothing to install, %d rounds, in %s\n", rounds, scratch.c_str());
    bench::PrintRatio(result, peers, 0, 1);
    bench::PrintRatio(result, peers, 0, 2);
    bench::PrintPeaks(result, peers);
    bench::PrintAnonymousPeaks(peers, env, [] {});
    if (options.callgrind) {
        const uint64_t launcher = bench::Instructions(peers[0].argv, env, scratch);
        for (size_t peer = 1; peer < peers.size(); ++peer)
            bench::PrintInstructionRatio(peers[0].name, launcher, peers[peer].name,
                                         bench::Instructions(peers[peer].argv, env, scratch));
    }
    bench::RemoveScratchFolder(options, scratch);
    return 0;
}

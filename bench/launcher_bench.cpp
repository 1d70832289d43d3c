// What the launcher costs around its real work, each against a peer in the
// same run:
//  - a run that needs no upgrade (start, client started, exit) against a
//    minimal Qt widgets program that creates its application and quits;
//  - a full install of a bundle with thousands of files through the launcher
//    and its dialog (offscreen) against Extractor::Extract() alone.
// Files live on /dev/shm so the disk does not dominate. The clients the
// launcher starts become our children (subreaper) and are stopped untimed.
#include "../tests/child_process.h"
#include "../tests/demo_bundle.h"
#include "extractor.h"
#include "strtable.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

const int kExtraFiles = 5000;

struct Sandbox {
    std::string root, home, smallBundle, bigBundle;
};

Sandbox &Box()
{
    static Sandbox box;
    return box;
}

// Mean seconds per iteration of each benchmark's last run, for the ratios.
std::map<std::string, double> &Means()
{
    static std::map<std::string, double> means;
    return means;
}

void Shell(const std::string &command)
{
    if (system(command.c_str()) != 0)
        fprintf(stderr, "launcher_bench: failed: %s\n", command.c_str());
}

void StopClients()
{
    for (pid_t child : child_process::OwnChildren()) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
}

double RunSeconds(const std::string &exe)
{
    const Sandbox &box = Box();
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = child_process::Start(exe, {"HOME=" + box.home, "QT_QPA_PLATFORM=offscreen",
                                                 "XDG_RUNTIME_DIR=" + box.root, "PATH=/usr/bin:/bin"},
                                           "", "");
    const int status = child_process::Wait(pid);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (status != 0)
        fprintf(stderr, "launcher_bench: %s exited with %d\n", exe.c_str(), status);
    return seconds;
}

// Times the body per iteration by hand; untimed is run after each.
template <typename Body, typename Untimed>
void Measure(benchmark::State &state, const char *name, Body body, Untimed untimed)
{
    double total = 0;
    for (auto _ : state) {
        const double seconds = body();
        state.SetIterationTime(seconds);
        total += seconds;
        untimed();
    }
    Means()[name] = total / static_cast<double>(state.iterations());
}

void BM_LauncherNoUpgrade(benchmark::State &state)
{
    const std::string exe = Box().smallBundle + "/Contents/MacOS/velmora-launcher";
    Measure(state, "no-upgrade", [&] { return RunSeconds(exe); }, StopClients);
}

void BM_MinimalQtApp(benchmark::State &state)
{
    const std::string exe = std::string(VELMORA_BIN_DIR) + "/qt_minimal_app";
    Measure(state, "minimal-qt", [&] { return RunSeconds(exe); }, [] {});
}

void BM_LauncherFullInstall(benchmark::State &state)
{
    const std::string exe = Box().bigBundle + "/Contents/MacOS/velmora-launcher";
    auto reset = [] {
        StopClients();
        Shell("rm -rf '" + Box().home + "/.VelmoraDrive'");
    };
    reset();
    Measure(state, "install", [&] { return RunSeconds(exe); }, reset);
}

void BM_ExtractorAlone(benchmark::State &state)
{
    const std::string dest = Box().root + "/extract";
    Extractor extractor;
    extractor.archive_path = Box().bigBundle + "/Contents/Resources/package/larkspan.vpk";
    extractor.dest_dir = dest;
    auto reset = [&] { Shell("rm -rf '" + dest + "' && mkdir -p '" + dest + "'"); };
    reset();
    Measure(state, "extract", [&] {
        const auto start = std::chrono::steady_clock::now();
        if (extractor.Extract() != 0)
            fprintf(stderr, "launcher_bench: Extract failed\n");
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }, reset);
}

bool SetUpSandbox()
{
    char pattern[] = "/dev/shm/launcher-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return false;
    Sandbox &box = Box();
    box.root = pattern;
    box.home = box.root + "/home";
    Shell("mkdir -p '" + box.home + "' '" + box.root + "/bundles'");
    demo_bundle::Options small;
    box.smallBundle = demo_bundle::Make(VELMORA_BIN_DIR, box.root + "/bundles", small);
    demo_bundle::Options big;
    big.build = 200;
    big.extraFiles = kExtraFiles;
    box.bigBundle = demo_bundle::Make(VELMORA_BIN_DIR, box.root + "/bundles", big);
    if (box.smallBundle.empty() || box.bigBundle.empty())
        return false;
    // Installs build 100 once, so that its launcher finds nothing to do.
    RunSeconds(box.smallBundle + "/Contents/MacOS/velmora-launcher");
    StopClients();
    return true;
}

void PrintRatio(const char *what, const char *measured, const char *peer)
{
    const auto &means = Means();
    if (means.count(measured) == 0 || means.count(peer) == 0)
        return;
    printf("ratio %-46s %6.2f  (%.1f ms / %.1f ms)\n", what, means.at(measured) / means.at(peer),
           means.at(measured) * 1e3, means.at(peer) * 1e3);
}

}  // namespace

BENCHMARK(BM_MinimalQtApp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_LauncherNoUpgrade)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ExtractorAlone)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LauncherFullInstall)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    StrTable::InitStrTable();  // the extractor's dialog text, as in the launcher
    if (!child_process::BecomeSubreaper() || !SetUpSandbox()) {
        fprintf(stderr, "launcher_bench: cannot set up the sandbox on /dev/shm\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    StopClients();
    Shell("rm -rf '" + Box().root + "'");
    PrintRatio("launcher no-upgrade run / minimal Qt app", "no-upgrade", "minimal-qt");
    PrintRatio("launcher full install / Extractor::Extract()", "install", "extract");
    return 0;
}

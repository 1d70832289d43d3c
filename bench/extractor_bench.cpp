// Installs a realistic bundle (the machine's /usr/share/doc plus the Qt
// libraries with their version links: thousands of small files and some
// large ones) through Extractor::Extract(), both passes and the progress
// relay included, and through `bsdtar -xf` of the same archive into the
// same tmpfs, in one run; then prints the ratios. The archives are made at
// start-up with zip and bsdtar.
// Times are CPU seconds (user + system, the child's for bsdtar): the
// machine is shared, and wall time moves with everybody else's load while
// CPU time barely does. Extraction to tmpfs is CPU-bound, so nothing is
// hidden by it.

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <QObject>

#include "extractor.h"
#include "notify-adapter.h"
#include "strtable.h"

extern char** environ;

namespace {

std::string g_root;  // a folder on tmpfs holding the tree, the archives and the outputs
const char* const kKinds[] = {"zip", "tar.gz", "tar.xz"};

int Shell(const std::string& cmd)
{
    const int r = system(cmd.c_str());
    if (r != 0)
        fprintf(stderr, "failed (%d): %s\n", r, cmd.c_str());
    return r;
}

std::string ArchivePath(const std::string& kind) { return g_root + "/package." + kind; }

int PrepareArchives()
{
    char templ[] = "/dev/shm/velmora-bench-XXXXXX";
    if (!mkdtemp(templ))
        return -1;
    g_root = templ;
    const std::string tree = g_root + "/VelmoraDrive.app";
    const std::string lib = "/usr/lib/x86_64-linux-gnu/";
    if (Shell("mkdir -p '" + tree + "/Frameworks' && cp -a /usr/share/doc '" + tree + "/doc'")
        || Shell("cp -a " + lib + "libQt5Core.so* " + lib + "libQt5Gui.so* " + lib
                 + "libQt5Widgets.so* '" + tree + "/Frameworks/'")
        || Shell("cd '" + g_root + "' && zip -qry package.zip VelmoraDrive.app")
        || Shell("bsdtar -czf '" + ArchivePath("tar.gz") + "' -C '" + g_root + "' VelmoraDrive.app")
        || Shell("bsdtar -cJf '" + ArchivePath("tar.xz") + "' -C '" + g_root
                 + "' VelmoraDrive.app"))
        return -1;
    return Shell("rm -rf '" + tree + "'");
}

// A fresh, empty destination for one iteration, removed afterwards.
class Destination {
public:
    Destination() : path_(g_root + "/out") { mkdir(path_.c_str(), 0755); }
    ~Destination() { Shell("rm -rf '" + path_ + "'"); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

double ProcessCpuSeconds()
{
    struct timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

double Seconds(const struct timeval& tv) { return tv.tv_sec + tv.tv_usec / 1e6; }

// Runs bsdtar -xf and returns its CPU seconds, or -1 when it failed.
double RunBsdtar(const std::string& archive, const std::string& dest)
{
    std::vector<const char*> argv = {"bsdtar", "-xf", archive.c_str(), "-C", dest.c_str(), nullptr};
    pid_t pid = 0;
    int status = 0;
    struct rusage usage;
    if (posix_spawnp(&pid, "bsdtar", nullptr, nullptr, const_cast<char**>(argv.data()), environ)
        != 0)
        return -1;
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

void BM_Extractor(benchmark::State& state, const std::string& kind)
{
    int reports = 0;
    const auto conn = QObject::connect(Notify_Adapter::GetInstance(),
                                       &Notify_Adapter::sigUpdateProgress,
                                       [&reports](int, int) { ++reports; });
    for (auto _ : state) {
        Destination dest;
        Extractor ex;
        ex.archive_path = ArchivePath(kind).c_str();
        ex.dest_dir = dest.path().c_str();
        const double start = ProcessCpuSeconds();
        if (ex.Extract() != 0)
            state.SkipWithError("Extract() failed");
        state.SetIterationTime(ProcessCpuSeconds() - start);
    }
    QObject::disconnect(conn);
    state.counters["entries"] = reports / static_cast<double>(state.iterations());
}

void BM_Bsdtar(benchmark::State& state, const std::string& kind)
{
    for (auto _ : state) {
        Destination dest;
        const double cpu = RunBsdtar(ArchivePath(kind), dest.path());
        if (cpu < 0)
            state.SkipWithError("bsdtar failed");
        state.SetIterationTime(cpu < 0 ? 0 : cpu);
    }
}

void BM_Count(benchmark::State& state, const std::string& kind)
{
    Extractor ex;
    ex.archive_path = ArchivePath(kind).c_str();
    ex.dest_dir = g_root.c_str();
    for (auto _ : state) {
        const double start = ProcessCpuSeconds();
        benchmark::DoNotOptimize(ex.Count());
        state.SetIterationTime(ProcessCpuSeconds() - start);
    }
}

// Keeps the mean real time of every benchmark to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

void PrintRatios(const std::map<std::string, double>& t)
{
    printf("\n%-8s %22s %26s\n", "archive", "Extract() / bsdtar -xf", "Count() share of Extract()");
    for (const char* kind : kKinds) {
        const std::string k = kind;
        const auto ext = t.find("Extractor/" + k + "/iterations:5/manual_time");
        const auto tar = t.find("Bsdtar/" + k + "/iterations:5/manual_time");
        const auto cnt = t.find("Count/" + k + "/iterations:5/manual_time");
        if (ext == t.end() || tar == t.end() || cnt == t.end())
            continue;
        printf("%-8s %21.2fx %25.0f%%\n", kind, ext->second / tar->second,
               100.0 * cnt->second / ext->second);
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    StrTable::InitStrTable();
    if (PrepareArchives() != 0) {
        if (!g_root.empty())
            Shell("rm -rf '" + g_root + "'");
        return 1;
    }
    for (const char* kind : kKinds) {
        const std::string k = kind;
        benchmark::RegisterBenchmark(("Extractor/" + k).c_str(), BM_Extractor, k)
            ->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Bsdtar/" + k).c_str(), BM_Bsdtar, k)
            ->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Count/" + k).c_str(), BM_Count, k)
            ->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter.times);
    Shell("rm -rf '" + g_root + "'");
    return 0;
}

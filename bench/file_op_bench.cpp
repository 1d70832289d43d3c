// FSRemove of a 20,000-file tree against rm -rf, and FSRename of a
// 5,000-file tree across volumes against mv, measured in one run on
// RAM-backed volumes (the root disk slows down after large deletes).
// The cross-volume move is measured twice: between two tmpfs volumes, where
// fsync costs nothing, and onto a loop-mounted ext4 image (kept in RAM),
// where FSCopy's per-file fsync is compared with mv alone and with mv
// followed by one sync of that volume. FILE_OP_BENCH_IMAGE_DIR=/var/tmp
// puts the image on the disk to see what the fsyncs cost there.
// Mounting needs root; without it the move benchmarks are skipped.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "file-op.h"

extern char** environ;

namespace {

const int kRemoveFiles = 20000;
const int kMoveFiles = 5000;
const int kFilesPerFolder = 100;

std::map<std::string, std::vector<double>> g_seconds;

void Record(benchmark::State& state, const std::string& key, double seconds)
{
    state.SetIterationTime(seconds);
    g_seconds[key].push_back(seconds);
}

int Run(const std::vector<std::string>& argv)
{
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t pid;
    if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

template <class Fn>
double Seconds(Fn fn)
{
    auto start = std::chrono::steady_clock::now();
    fn();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BuildTree(const std::string& root, int files)
{
    std::filesystem::create_directories(root);
    const std::string content(512, 'v');
    for (int i = 0; i < files; ++i) {
        std::string folder = root + "/d" + std::to_string(i / kFilesPerFolder);
        if (i % kFilesPerFolder == 0)
            mkdir(folder.c_str(), 0755);
        std::ofstream(folder + "/f" + std::to_string(i)) << content;
    }
}

// The private folder of the run under /dev/shm, with the two extra volumes
// the move needs mounted inside it.
class Workspace {
public:
    Workspace()
    {
        char tmpl[] = "/dev/shm/file_op_bench_XXXXXX";
        root_ = mkdtemp(tmpl) ? tmpl : "";
        tmpfs_ = root_ + "/tmpfs";
        ext4_ = root_ + "/ext4";
        mkdir(tmpfs_.c_str(), 0755);
        mkdir(ext4_.c_str(), 0755);
        tmpfsMounted_ = mount("tmpfs", tmpfs_.c_str(), "tmpfs", 0, "size=256m") == 0;
        // FILE_OP_BENCH_IMAGE_DIR puts the image on a real disk instead.
        const char* imageDir = getenv("FILE_OP_BENCH_IMAGE_DIR");
        image_ = (imageDir ? std::string(imageDir) : root_) + "/file_op_bench_ext4.img";
        const std::string& image = image_;
        ext4Mounted_ = Run({"truncate", "-s", "512M", image}) == 0 && Run({"mkfs.ext4", "-q", "-F", image}) == 0 &&
                       Run({"mount", "-o", "loop", image, ext4_}) == 0;
    }
    ~Workspace()
    {
        if (tmpfsMounted_)
            umount2(tmpfs_.c_str(), MNT_DETACH);
        if (ext4Mounted_)
            umount2(ext4_.c_str(), MNT_DETACH);
        std::error_code ignored;
        std::filesystem::remove(image_, ignored);
        std::filesystem::remove_all(root_, ignored);
    }

    std::string Local(const std::string& name) const { return root_ + "/" + name; }
    std::string OtherVolume(bool ext4) const { return (ext4 ? ext4_ : tmpfs_) + "/moved"; }
    bool HasVolume(bool ext4) const { return ext4 ? ext4Mounted_ : tmpfsMounted_; }

private:
    std::string root_;
    std::string tmpfs_;
    std::string ext4_;
    std::string image_;
    bool tmpfsMounted_ = false;
    bool ext4Mounted_ = false;
};

Workspace& Space()
{
    static Workspace space;
    return space;
}

void BM_RemoveTree(benchmark::State& state, bool ours)
{
    std::string tree = Space().Local("remove");
    for (auto _ : state) {
        BuildTree(tree, kRemoveFiles);
        double seconds = Seconds([&] {
            if (ours)
                FSRemove(tree.c_str(), false);
            else
                Run({"rm", "-rf", tree});
        });
        Record(state, ours ? "FSRemove" : "rm -rf", seconds);
    }
}

enum Peer { kOurs, kMv, kMvSync };

void BM_MoveTree(benchmark::State& state, Peer who, bool ext4)
{
    if (!Space().HasVolume(ext4)) {
        state.SkipWithError("cannot mount the second volume (needs root)");
        return;
    }
    std::string tree = Space().Local("move");
    std::string target = Space().OtherVolume(ext4);
    for (auto _ : state) {
        BuildTree(tree, kMoveFiles);
        double seconds = Seconds([&] {
            if (who == kOurs)
                FSRename(tree.c_str(), target.c_str(), false);
            else
                Run({"mv", tree, target});
            if (who == kMvSync)
                Run({"sync", "-f", target});
        });
        const char* name = who == kOurs ? "FSRename" : who == kMv ? "mv" : "mv + sync";
        Record(state, std::string(name) + (ext4 ? " to ext4" : " to tmpfs"), seconds);
        Run({"rm", "-rf", target});
    }
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void PrintRatio(const std::string& ours, const std::string& peer)
{
    double a = Median(g_seconds[ours]);
    double b = Median(g_seconds[peer]);
    if (a > 0 && b > 0)
        printf("%-20s %8.1f ms  %-18s %8.1f ms  ratio %.2f\n", ours.c_str(), a * 1e3, peer.c_str(), b * 1e3, a / b);
}

}  // namespace

BENCHMARK_CAPTURE(BM_RemoveTree, rm_rf, false)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RemoveTree, FSRemove, true)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MoveTree, mv_tmpfs, kMv, false)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MoveTree, FSRename_tmpfs, kOurs, false)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MoveTree, mv_ext4, kMv, true)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MoveTree, mv_sync_ext4, kMvSync, true)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MoveTree, FSRename_ext4, kOurs, true)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printf("\nMedians and ratios (ours / peer):\n");
    PrintRatio("FSRemove", "rm -rf");
    PrintRatio("FSRename to tmpfs", "mv to tmpfs");
    PrintRatio("FSRename to ext4", "mv + sync to ext4");
    PrintRatio("FSRename to ext4", "mv to ext4");
    return 0;
}

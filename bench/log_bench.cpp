// Lines per second into a log file with a flush after every line: Logger
// against spdlog's rotating file sink set to flush on every line, same text,
// same rotation size, on tmpfs.
#include <benchmark/benchmark.h>
#include <spdlog/sinks/rotating_file_sink.h>
#include <spdlog/spdlog.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "log.h"

namespace {

const int kRotateCount = 50;

std::string BenchDir()
{
    static std::string dir = [] {
        char tmpl[] = "/dev/shm/log_bench_XXXXXX";
        return std::string(mkdtemp(tmpl) ? tmpl : "/tmp");
    }();
    return dir;
}

int ThreadTag()
{
    return static_cast<int>((uintptr_t)pthread_self() % 100000);
}

void BM_Logger(benchmark::State& state)
{
    if (state.thread_index() == 0) {
        Logger::Initialize(Logger::TYPE_FILE, BenchDir() + "/ours.log", "", kRotateCount, Logger::SCOPE_LOCK);
    }
    int n = 0;
    for (auto _ : state) {
        VLOG(3, "extractor_debug", 212, "(%5d:%5d) [ERROR] extractor(%d): Invalid Argument %d\n", ++n);
    }
    state.SetItemsProcessed(state.iterations());
    if (state.thread_index() == 0)
        Logger::Destroy();
}

std::shared_ptr<spdlog::logger> MakePeer()
{
    auto sink = std::make_shared<spdlog::sinks::rotating_file_sink_mt>(BenchDir() + "/peer.log", Logger::kRotateSize,
                                                                       kRotateCount - 1);
    auto logger = std::make_shared<spdlog::logger>("peer", sink);
    logger->set_pattern("%Y-%m-%dT%H:%M:%S %v");
    logger->flush_on(spdlog::level::trace);
    return logger;
}

void BM_Spdlog(benchmark::State& state)
{
    static std::shared_ptr<spdlog::logger> peer;
    if (state.thread_index() == 0)
        peer = MakePeer();
    const int pid = static_cast<int>(getpid());
    const int tid = ThreadTag();
    int n = 0;
    for (auto _ : state) {
        peer->error("({:5d}:{:5d}) [ERROR] extractor({}): Invalid Argument {}", pid, tid, 212, ++n);
    }
    state.SetItemsProcessed(state.iterations());
    if (state.thread_index() == 0)
        peer.reset();
}

BENCHMARK(BM_Logger)->Threads(1)->Threads(2)->UseRealTime();
BENCHMARK(BM_Spdlog)->Threads(1)->Threads(2)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(BenchDir());
    return 0;
}

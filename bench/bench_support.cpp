#include "bench_support.h"

#include <fcntl.h>
#include <sched.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace bench {

namespace {

double NowMs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double Ms(const timeval& time)
{
    return time.tv_sec * 1e3 + time.tv_usec / 1e3;
}

// The C strings of argv or env, kept alive for posix_spawn.
std::vector<char*> Pointers(const std::vector<std::string>& words)
{
    std::vector<char*> pointers;
    for (const std::string& word : words)
        pointers.push_back(const_cast<char*>(word.c_str()));
    pointers.push_back(nullptr);
    return pointers;
}

// The measured programs' own output (the launcher prints its plug-in
// folder) would mix with the table; it goes to /dev/null.
pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env)
{
    std::vector<char*> args = Pointers(argv), vars = Pointers(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), vars.data());
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

// Our other children are what the measured program left running: the
// launcher's client, adopted by us when the launcher ended.
void ReapOrphans()
{
    while (waitpid(-1, nullptr, 0) > 0) {
    }
}

// A tmpfs on a new folder under /tmp, visible to this process and its
// children only.
std::string MountPrivateTmpfs()
{
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        fprintf(stderr, "bench: no mount namespace of our own (%s); give a folder on tmpfs\n", strerror(errno));
        return std::string();
    }
    char folder[] = "/tmp/velmora-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr || mount("tmpfs", folder, "tmpfs", 0, "size=8g,mode=0755") != 0) {
        fprintf(stderr, "bench: cannot mount a tmpfs (%s); give a folder on tmpfs\n", strerror(errno));
        return std::string();
    }
    return folder;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

template <typename Field>
std::vector<double> Column(const Rounds& rounds, size_t peer, Field field)
{
    std::vector<double> values;
    for (const std::vector<Run>& round : rounds) {
        if (round[peer].ok)
            values.push_back(field(round[peer]));
    }
    return values;
}

template <typename Field>
std::vector<double> Ratios(const Rounds& rounds, size_t a, size_t b, Field field)
{
    std::vector<double> ratios;
    for (const std::vector<Run>& round : rounds) {
        if (round[a].ok && round[b].ok && field(round[b]) > 0)
            ratios.push_back(field(round[a]) / field(round[b]));
    }
    return ratios;
}

uint64_t CollectedFrom(const std::string& log)
{
    std::ifstream in(log);
    std::string line;
    uint64_t count = 0;
    while (std::getline(in, line)) {
        const size_t at = line.find("Collected : ");
        if (at != std::string::npos)
            count = std::stoull(line.substr(at + 12));
    }
    return count;
}

// The "Anonymous:" figure of a process's memory summary, in KiB; 0 once the
// process has ended.
long AnonymousKiB(const std::string& rollup)
{
    std::ifstream in(rollup);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("Anonymous:", 0) == 0)
            return std::stol(line.substr(10));
    }
    return 0;
}

void PrintUsage(FILE* to, const char* program, const char* what)
{
    fprintf(to,
            "usage: %s [--rounds N] [--callgrind] [folder]\n%s\n"
            "Works on a tmpfs of its own (root), or below the given folder.\n",
            program, what);
}

}  // namespace

Options ParseOptions(int argc, char** argv, const char* what)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            PrintUsage(stdout, argv[0], what);
            exit(0);
        } else if (arg == "--callgrind") {
            options.callgrind = true;
        } else if (arg == "--rounds" && i + 1 < argc && atoi(argv[i + 1]) > 0) {
            options.rounds = atoi(argv[++i]);
        } else if (arg[0] != '-' && options.folder.empty()) {
            options.folder = arg;
        } else {
            PrintUsage(stderr, argv[0], what);
            exit(2);
        }
    }
    return options;
}

std::string ScratchFolder(const Options& options)
{
    if (prctl(PR_SET_CHILD_SUBREAPER, 1) != 0)
        return std::string();
    if (options.folder.empty())
        return MountPrivateTmpfs();
    std::string folder = options.folder + "/velmora-bench-XXXXXX";
    return mkdtemp(&folder[0]) != nullptr ? folder : std::string();
}

void RemoveScratchFolder(const Options& options, const std::string& folder)
{
    if (options.folder.empty()) {
        umount2(folder.c_str(), MNT_DETACH);
        rmdir(folder.c_str());
    } else {
        Shell("rm -rf '" + folder + "'");
    }
}

bool Shell(const std::string& command)
{
    if (system(command.c_str()) == 0)
        return true;
    fprintf(stderr, "bench: failed: %s\n", command.c_str());
    return false;
}

std::string Output(const std::string& command)
{
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe) != nullptr)
            text += buffer;
        pclose(pipe);
    }
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

Spread SpreadOf(const std::vector<double>& values)
{
    if (values.empty())
        return {0, 0, 0};
    return {Median(values), *std::min_element(values.begin(), values.end()),
            *std::max_element(values.begin(), values.end())};
}

Run RunChild(const std::vector<std::string>& argv, const std::vector<std::string>& env)
{
    Run run;
    const double start = NowMs();
    const pid_t pid = Spawn(argv, env);
    int status = 0;
    rusage usage{};
    if (pid > 0 && wait4(pid, &status, 0, &usage) == pid) {
        run.wallMs = NowMs() - start;
        run.cpuMs = Ms(usage.ru_utime) + Ms(usage.ru_stime);
        run.peakMiB = usage.ru_maxrss / 1024.0;
        run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    if (!run.ok)
        fprintf(stderr, "bench: %s failed\n", argv[0].c_str());
    ReapOrphans();
    return run;
}

Rounds RunRounds(const std::vector<Peer>& peers, const std::vector<std::string>& env, int rounds,
                 const std::function<void()>& reset)
{
    Rounds result;
    for (int i = 0; i < rounds; ++i) {
        std::vector<Run> round;
        for (const Peer& peer : peers) {
            round.push_back(RunChild(peer.argv, env));
            reset();
        }
        result.push_back(round);
    }
    return result;
}

void PrintRatio(const Rounds& rounds, const std::vector<Peer>& peers, size_t a, size_t b)
{
    auto wall = [](const Run& run) { return run.wallMs; };
    auto cpu = [](const Run& run) { return run.cpuMs; };
    const Spread wallRatio = SpreadOf(Ratios(rounds, a, b, wall));
    const Spread cpuRatio = SpreadOf(Ratios(rounds, a, b, cpu));
    const std::string pair = peers[a].name + " / " + peers[b].name;
    printf(
        "  %-32s wall %5.2fx [%4.2f-%4.2f] (%7.1f / %7.1f ms)"
        "   cpu %5.2fx [%4.2f-%4.2f] (%7.1f / %7.1f ms)\n",
        pair.c_str(), wallRatio.median, wallRatio.low, wallRatio.high, Median(Column(rounds, a, wall)),
        Median(Column(rounds, b, wall)), cpuRatio.median, cpuRatio.low, cpuRatio.high, Median(Column(rounds, a, cpu)),
        Median(Column(rounds, b, cpu)));
}

double AnonymousPeakMiB(const std::vector<std::string>& argv, const std::vector<std::string>& env)
{
    const pid_t pid = Spawn(argv, env);
    if (pid <= 0)
        return 0;
    const std::string rollup = "/proc/" + std::to_string(pid) + "/smaps_rollup";
    long peakKiB = 0;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        peakKiB = std::max(peakKiB, AnonymousKiB(rollup));
        usleep(500);
    }
    ReapOrphans();
    return peakKiB / 1024.0;
}

void PrintAnonymousPeaks(const std::vector<Peer>& peers, const std::vector<std::string>& env,
                         const std::function<void()>& reset)
{
    printf("  own memory at peak (anonymous pages, sampled):");
    for (const Peer& peer : peers) {
        printf("  %s %.1f MiB", peer.name.c_str(), AnonymousPeakMiB(peer.argv, env));
        reset();
    }
    printf("\n");
}

void PrintPeaks(const Rounds& rounds, const std::vector<Peer>& peers)
{
    auto peak = [](const Run& run) { return run.peakMiB; };
    printf("  peak resident set, median:");
    for (size_t i = 0; i < peers.size(); ++i)
        printf("  %s %.1f MiB", peers[i].name.c_str(), Median(Column(rounds, i, peak)));
    printf("\n");
}

namespace {

// Runs argv under callgrind with the options; what it collected in all, 0
// when that failed.
uint64_t Callgrind(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                   const std::string& scratch, const std::vector<std::string>& options)
{
    const std::string log = scratch + "/callgrind.log";
    std::vector<std::string> command = {"valgrind", "--tool=callgrind", "--log-file=" + log + ".%p"};
    command.insert(command.end(), options.begin(), options.end());
    command.insert(command.end(), argv.begin(), argv.end());
    const double start = NowMs();
    const pid_t pid = Spawn(command, env);
    int status = 0;
    const bool ok = pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    ReapOrphans();
    const uint64_t count = ok ? CollectedFrom(log + "." + std::to_string(pid)) : 0;
    Shell("rm -f '" + log + "'.*");
    fprintf(stderr, "bench: callgrind %s: %.0f s\n", argv[0].c_str(), (NowMs() - start) / 1e3);
    return count;
}

// The inclusive count of a function in a callgrind profile, as
// callgrind_annotate gives it ("1,234 (5.6%)  ???:name [library]").
uint64_t InclusiveCount(const std::string& profile, const std::string& function)
{
    const std::string line =
        Output("callgrind_annotate --inclusive=yes '" + profile + "' 2>/dev/null | grep -m1 -F ':" + function + " ['");
    std::string digits;
    for (char c : line.substr(0, line.find('(')))
        if (isdigit(static_cast<unsigned char>(c)))
            digits += c;
    return digits.empty() ? 0 : std::stoull(digits);
}

}  // namespace

uint64_t Instructions(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                      const std::string& scratch)
{
    return Callgrind(argv, env, scratch, {"--callgrind-out-file=/dev/null"});
}

FunctionCost InstructionsIn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                            const std::string& scratch, const std::string& function, const std::string& part)
{
    const std::string profile = scratch + "/callgrind.out";
    FunctionCost cost;
    cost.whole = Callgrind(argv, env, scratch,
                           {"--callgrind-out-file=" + profile, "--collect-atstart=no", "--toggle-collect=" + function});
    if (cost.whole > 0)
        cost.part = InclusiveCount(profile, part);
    Shell("rm -f '" + profile + "'");
    return cost;
}

void PrintInstructionRatio(const std::string& a, uint64_t a_count, const std::string& b, uint64_t b_count)
{
    const std::string pair = a + " / " + b;
    printf("  %-32s callgrind %5.3fx (%.3f G / %.3f G instructions)\n", pair.c_str(),
           b_count ? double(a_count) / double(b_count) : 0.0, a_count / 1e9, b_count / 1e9);
}

}  // namespace bench

// What the comparison programs share: a scratch tmpfs of their own, a
// program run as a measured child, rounds of alternating runs summed up as
// ratios, and callgrind instruction counts.
#ifndef BENCH_BENCH_SUPPORT_H
#define BENCH_BENCH_SUPPORT_H

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bench {

// [--rounds N] [--callgrind] [folder]
struct Options {
    int rounds = 0;  // 0: the program's own default
    bool callgrind = false;
    std::string folder;
};

// --help and -h print the usage and exit with 0; anything else exits
// with the usage on standard error and 2.
Options ParseOptions(int argc, char** argv, const char* what);

// A fresh folder to work in: below the given folder, or on a tmpfs mounted
// for this process alone (in a mount namespace of its own, so the mount
// goes away with the process whatever happens). Empty when neither works.
// Also makes this process the reaper of what the measured programs leave
// running (the launcher's client), so that it is waited for, untimed.
std::string ScratchFolder(const Options& options);
// Removes it again, with what is in it.
void RemoveScratchFolder(const Options& options, const std::string& folder);

// Runs a shell command; false (with a message) when it fails.
bool Shell(const std::string& command);
// Its standard output, without the last line break.
std::string Output(const std::string& command);

// The median of some figures, with their minimum and maximum.
struct Spread {
    double median, low, high;
};
Spread SpreadOf(const std::vector<double>& values);

struct Run {
    bool ok = false;
    double wallMs = 0;
    double cpuMs = 0;    // user + system
    double peakMiB = 0;  // the child's own maximum resident set
};

struct Peer {
    std::string name;
    std::vector<std::string> argv;
};

// Runs argv with exactly env and waits for it, then waits untimed for what
// it left behind. ok when it exited with 0.
Run RunChild(const std::vector<std::string>& argv, const std::vector<std::string>& env);

// Rounds of one run of every peer in turn (A B A B ..., or A B C A B C ...),
// reset called untimed after every run: the load of a shared machine then
// falls on all peers alike, and each round gives one ratio per pair.
using Rounds = std::vector<std::vector<Run>>;
Rounds RunRounds(const std::vector<Peer>& peers, const std::vector<std::string>& env, int rounds,
                 const std::function<void()>& reset);

// One line: peer a against peer b, wall and CPU time as the median ratio
// of the rounds with its minimum and maximum, and both medians.
void PrintRatio(const Rounds& rounds, const std::vector<Peer>& peers, size_t a, size_t b);
// One line per peer: the median of its peak resident set.
void PrintPeaks(const Rounds& rounds, const std::vector<Peer>& peers);

// The peak of the memory a program holds for itself (anonymous pages: heap,
// stacks, copied-on-write data), leaving out the library code and fonts it
// shares with every other program through the page cache. Sampled every
// half millisecond from /proc in one untimed run, so a shorter peak can be
// missed.
double AnonymousPeakMiB(const std::vector<std::string>& argv, const std::vector<std::string>& env);
// One line: that peak for every peer, reset called after each run.
void PrintAnonymousPeaks(const std::vector<Peer>& peers, const std::vector<std::string>& env,
                         const std::function<void()>& reset);

// The instructions the program itself executes, all its threads (not what
// it starts), by callgrind; 0 when that failed. Deterministic, so one run
// each is enough where wall time moves with the machine's load.
uint64_t Instructions(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                      const std::string& scratch);
// The instructions executed inside one function (by the name callgrind
// gives it, "Name(Type const&)"), counted only on the thread that runs it
// and while it runs; and of them those inside `part`, a function it calls.
// Zeros when that failed.
struct FunctionCost {
    uint64_t whole = 0;
    uint64_t part = 0;
};
FunctionCost InstructionsIn(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                            const std::string& scratch, const std::string& function, const std::string& part);
void PrintInstructionRatio(const std::string& a, uint64_t a_count, const std::string& b, uint64_t b_count);

}  // namespace bench

#endif  // BENCH_BENCH_SUPPORT_H

#ifndef VELMORA_LAUNCHER_EXIT_DURING_INSTALL_H
#define VELMORA_LAUNCHER_EXIT_DURING_INSTALL_H

#include <functional>

// The archive library ends the whole process with exit(1) where an
// allocation it needs fails (some damaged archives ask for huge ones), and
// the extraction may meet what the counting pass did not. That happens
// with the old bundle moved aside: no client would start, in this run or any
// later one, since every run tries the same package again. While a guard
// lives, an exit calls what it was given: the installer's own way to put
// the last complete bundle back and start its client.
class ExitDuringInstallGuard {
public:
    explicit ExitDuringInstallGuard(std::function<void()> settle_and_start);
    ~ExitDuringInstallGuard();

    ExitDuringInstallGuard(const ExitDuringInstallGuard&) = delete;
    ExitDuringInstallGuard& operator=(const ExitDuringInstallGuard&) = delete;

private:
    static void OnExit();

    std::function<void()> settle_and_start_;
};

#endif  // VELMORA_LAUNCHER_EXIT_DURING_INSTALL_H

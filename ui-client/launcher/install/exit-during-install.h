#ifndef VELMORA_LAUNCHER_EXIT_DURING_INSTALL_H
#define VELMORA_LAUNCHER_EXIT_DURING_INSTALL_H

class Service;

// The archive library ends the whole process with exit(1) on some damaged
// archives (an allocation it cannot make while reading a header), and only
// the extraction reaches such a header, not the counting pass. That happens
// with the old bundle moved aside: no client would start, in this run or any
// later one, since every run tries the same package again. While a guard
// lives, an exit puts the last complete bundle back and starts its client.
class ExitDuringInstallGuard {
public:
    explicit ExitDuringInstallGuard(Service& service);
    ~ExitDuringInstallGuard();

    ExitDuringInstallGuard(const ExitDuringInstallGuard&) = delete;
    ExitDuringInstallGuard& operator=(const ExitDuringInstallGuard&) = delete;
};

#endif  // VELMORA_LAUNCHER_EXIT_DURING_INSTALL_H

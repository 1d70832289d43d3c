#ifndef VELMORA_LAUNCHER_EXIT_DURING_INSTALL_H
#define VELMORA_LAUNCHER_EXIT_DURING_INSTALL_H

class Service;

// The archive library ends the whole process with exit(1) where an
// allocation it needs fails (some damaged archives ask for huge ones), and
// the extraction may meet what the counting pass did not. That happens
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

#ifndef VELMORA_PACK_COMMAND_LINE_H
#define VELMORA_PACK_COMMAND_LINE_H

#include <map>
#include <string>
#include <vector>

// Exit statuses of velmora-pack.
const int kExitOk = 0;
const int kExitRefused = 1;  // the launcher would not install or start it; every problem listed
const int kExitUsage = 2;    // unknown command or option, a value missing
const int kExitFailed = 3;   // the bundle could not be written (disk full, no permission)

struct CommandLine {
    std::map<std::string, std::string> values;  // "--build" -> "120"
    std::vector<std::string> operands;
    bool help = false;
    bool json = false;
};

// Reads "--name VALUE" and "--name=VALUE" for the names given, "--help",
// "-h", "--json" and operands. False, with the reason in error, for anything else.
bool ParseCommandLine(const std::vector<std::string>& args, const std::vector<std::string>& names, CommandLine& line,
                      std::string& error);

// The value of an option, or empty.
std::string ValueOf(const CommandLine& line, const std::string& name);

#endif  // VELMORA_PACK_COMMAND_LINE_H

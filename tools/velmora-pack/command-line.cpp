#include "command-line.h"

#include <algorithm>

bool ParseCommandLine(const std::vector<std::string>& args, const std::vector<std::string>& names, CommandLine& line,
                      std::string& error)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            line.help = true;
            continue;
        }
        if (arg == "--json") {
            line.json = true;
            continue;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            line.operands.push_back(arg);
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            error = "unknown option '" + name + "'";
            return false;
        }
        if (equals != std::string::npos) {
            line.values[name] = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            line.values[name] = args[++i];
        } else {
            error = "option '" + name + "' needs a value";
            return false;
        }
    }
    return true;
}

std::string ValueOf(const CommandLine& line, const std::string& name)
{
    const auto found = line.values.find(name);
    return found == line.values.end() ? std::string() : found->second;
}

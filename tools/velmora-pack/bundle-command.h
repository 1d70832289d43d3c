#ifndef VELMORA_PACK_BUNDLE_COMMAND_H
#define VELMORA_PACK_BUNDLE_COMMAND_H

#include <string>
#include <vector>

extern const char kBundleUsage[];

// velmora-pack bundle: a launcher bundle around a client bundle folder.
// args follow the command's name; returns the exit status.
int RunBundle(const std::vector<std::string>& args);

#endif  // VELMORA_PACK_BUNDLE_COMMAND_H

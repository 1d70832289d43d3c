#ifndef VELMORA_PACK_VERIFY_COMMAND_H
#define VELMORA_PACK_VERIFY_COMMAND_H

#include <string>
#include <vector>

extern const char kVerifyUsage[];

// velmora-pack verify: whether the launcher would install and start a
// launcher bundle. args follow the command's name; returns the exit status.
int RunVerify(const std::vector<std::string>& args);

#endif  // VELMORA_PACK_VERIFY_COMMAND_H

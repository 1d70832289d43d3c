#ifndef VELMORA_PACK_BUNDLE_STAGE_H
#define VELMORA_PACK_BUNDLE_STAGE_H

#include <string>

#include "package/version-file.h"

// A launcher bundle being written: in a folder beside out, renamed into
// place at the end, so that a failure leaves nothing that looks like a
// bundle (the folder goes with the object unless committed). Its folders
// and files get fixed modes whatever the umask (folders and the launcher
// 0755, the rest 0644): the same client makes the same bundle on every
// machine, and everyone may run the launcher.
class Stage {
public:
    explicit Stage(const std::string& out);
    ~Stage();
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    // The folders; then the package is written to Package().
    int Create(std::string& error);
    // The launcher and the INFO (version and the package's digest) beside
    // the package.
    int Assemble(const std::string& launcher, const VerInfo& version, const std::string& sha256, std::string& error);
    // The rename to out.
    int Commit(std::string& error);

    std::string Package() const;
    std::string Launcher() const;

private:
    const std::string out_;
    const std::string path_;
    bool committed_ = false;
};

#endif  // VELMORA_PACK_BUNDLE_STAGE_H

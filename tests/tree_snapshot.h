#ifndef VELMORA_TESTS_TREE_SNAPSHOT_H
#define VELMORA_TESTS_TREE_SNAPSHOT_H

// What a folder tree holds, entry by entry, so that two trees, or one tree
// before and after a run, compare with a single EXPECT_EQ.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <string>

#include "temp_folder_test.h"

namespace tree_snapshot {

using Tree = std::map<std::string, std::string>;

enum Detail {
    kTimes,     // type, mode, size and modification time: "was anything touched?"
    kContents,  // type, mode and the bytes or link target: "is it the same tree?"
};

inline std::string Describe(const std::string& path, const struct stat& st, Detail detail)
{
    std::string text = std::to_string(st.st_mode) + " ";
    if (detail == kTimes)
        return text + std::to_string(st.st_size) + " " + std::to_string(st.st_mtim.tv_sec) + "." +
               std::to_string(st.st_mtim.tv_nsec);
    if (S_ISREG(st.st_mode))
        return text + temp_folder::ReadFile(path);
    if (S_ISLNK(st.st_mode)) {
        char target[4096];
        const ssize_t n = readlink(path.c_str(), target, sizeof(target));
        return text + "-> " + std::string(target, n > 0 ? n : 0);
    }
    return text;
}

inline void Add(const std::string& dir, const std::string& shown, Detail detail, Tree& tree)
{
    DIR* folder = opendir(dir.c_str());
    if (folder == nullptr)
        return;
    while (dirent* entry = readdir(folder)) {
        const std::string name = entry->d_name;
        struct stat st;
        if (name == "." || name == ".." || lstat((dir + "/" + name).c_str(), &st) != 0)
            continue;
        tree[shown + name] = Describe(dir + "/" + name, st, detail);
        if (S_ISDIR(st.st_mode))
            Add(dir + "/" + name, shown + name + "/", detail, tree);
    }
    closedir(folder);
}

inline Tree Of(const std::string& dir, Detail detail)
{
    Tree tree;
    Add(dir, "", detail, tree);
    return tree;
}

}  // namespace tree_snapshot

#endif  // VELMORA_TESTS_TREE_SNAPSHOT_H

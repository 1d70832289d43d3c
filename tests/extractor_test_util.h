#ifndef VELMORA_TESTS_EXTRACTOR_TEST_UTIL_H
#define VELMORA_TESTS_EXTRACTOR_TEST_UTIL_H

// Helpers shared by the extractor tests: a private temp folder, a walk of
// what ended up on disk, reading back the log file, and the layout every
// case starts from.

#include <dirent.h>
#include <ftw.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <QObject>
#include <gtest/gtest.h>

#include "extract/extractor.h"
#include "log.h"
#include "temp_folder_test.h"
#include "test_archive_writer.h"
#include "texts/notify-adapter.h"
#include "texts/strtable.h"

// A fresh folder from mkdtemp, removed with everything in it.
class TempDir {
public:
    TempDir()
    {
        char templ[] = "/tmp/velmora-ext-XXXXXX";
        const char* made = mkdtemp(templ);
        path_ = made ? made : "";
    }
    ~TempDir()
    {
        if (!path_.empty())
            nftw(path_.c_str(), RemoveOne, 16, FTW_DEPTH | FTW_PHYS);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& rel) const { return path_ + "/" + rel; }

private:
    static int RemoveOne(const char* p, const struct stat*, int, struct FTW*)
    {
        remove(p);
        return 0;
    }
    std::string path_;
};

// Every object below root, as paths relative to it ("a", "a/b.txt", ...).
// Links are listed, never followed.
inline void CollectTree(const std::string& root, const std::string& rel, std::set<std::string>& out)
{
    DIR* dir = opendir(rel.empty() ? root.c_str() : (root + "/" + rel).c_str());
    if (!dir)
        return;
    while (struct dirent* d = readdir(dir)) {
        const std::string name = d->d_name;
        if (name == "." || name == "..")
            continue;
        const std::string child = rel.empty() ? name : rel + "/" + name;
        out.insert(child);
        struct stat st;
        if (lstat((root + "/" + child).c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            CollectTree(root, child, out);
    }
    closedir(dir);
}

inline std::set<std::string> TreeBelow(const std::string& root)
{
    std::set<std::string> out;
    CollectTree(root, "", out);
    return out;
}

using temp_folder::ReadFile;

inline bool IsSymlink(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// Sends the extractor's messages, DEBUG included, to a file of the test's
// own folder.
inline void LogInto(const TempDir& dir)
{
    const std::string levels = dir / "levels";
    std::ofstream(levels) << "extractor_debug=7\n";
    Logger::Initialize(Logger::TYPE_FILE, dir / "test.log", levels, 50, Logger::SCOPE_LOCK);
}

// What every extractor case starts from: UTF-8 names, the string table, the
// log in the test's folder, and an empty destination inside a sentinel folder
// in which nothing else may ever appear.
inline void PrepareExtraction(const TempDir& dir, const std::string& sentinel, const std::string& dest)
{
    setlocale(LC_ALL, "C.UTF-8");
    StrTable::InitStrTable();
    ASSERT_FALSE(dir.path().empty());
    LogInto(dir);
    ASSERT_EQ(0, mkdir(sentinel.c_str(), 0755));
    ASSERT_EQ(0, mkdir(dest.c_str(), 0755));
}

// Records what the extractor sends to the progress relay.
class RelayRecorder {
public:
    RelayRecorder()
    {
        Notify_Adapter* relay = Notify_Adapter::GetInstance();
        progress_conn_ = QObject::connect(relay, &Notify_Adapter::sigUpdateProgress,
                                          [this](int total, int current) { progress.emplace_back(total, current); });
        text_conn_ = QObject::connect(relay, &Notify_Adapter::sigUpdateDialogText,
                                      [this](const QString& t) { texts.push_back(t); });
    }
    ~RelayRecorder()
    {
        QObject::disconnect(progress_conn_);
        QObject::disconnect(text_conn_);
    }
    std::vector<std::pair<int, int>> progress;
    std::vector<QString> texts;

private:
    QMetaObject::Connection progress_conn_;
    QMetaObject::Connection text_conn_;
};

// Layout of every case: <tmp>/sentinel/bundle is the destination, nothing
// else may ever appear in <tmp>/sentinel; <tmp>/outside holds a file that
// hostile entries aim at.
class ExtractorFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(PrepareExtraction(tmp, sentinel, dest));
        ASSERT_EQ(0, mkdir(outside.c_str(), 0755));
        std::ofstream(outside + "/victim") << "precious";
    }

    int Extract(const std::string& kind, const std::vector<TestEntry>& entries)
    {
        if (WriteTestArchive(archive, kind, entries) != 0)
            ADD_FAILURE() << "could not write the " << kind << " archive";
        return Run();
    }

    int Run()
    {
        Extractor ex;
        ex.archive_path = archive.c_str();
        ex.dest_dir = dest.c_str();
        return ex.Extract();
    }

    std::string Log() const { return ReadFile(tmp / "test.log"); }

    // What an extraction did outside the bundle, "" when nothing.
    std::string WrittenOutside() const
    {
        std::string seen;
        for (const std::string& found : TreeBelow(sentinel)) {
            if (found != "bundle" && found.rfind("bundle/", 0) != 0)
                seen += "written outside the bundle: " + found + "; ";
        }
        struct stat st;
        if (TreeBelow(outside) != std::set<std::string>{"victim"} || ReadFile(outside + "/victim") != "precious" ||
            stat((outside + "/victim").c_str(), &st) != 0)
            seen += "the outside file changed; ";
        else if (st.st_nlink != 1)
            seen += "a hard link to the outside file was made; ";
        return seen;
    }

    void ExpectOutsideUntouched() { EXPECT_EQ("", WrittenOutside()); }

    TempDir tmp;
    const std::string sentinel = tmp / "sentinel";
    const std::string dest = sentinel + "/bundle";
    const std::string outside = tmp / "outside";
    const std::string archive = tmp / "package.vpk";
    RelayRecorder relay;
};

#endif

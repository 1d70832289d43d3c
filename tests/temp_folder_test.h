// A private temp folder for every test case, and whole-file helpers.
#ifndef VELMORA_TESTS_TEMP_FOLDER_TEST_H
#define VELMORA_TESTS_TEMP_FOLDER_TEST_H

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace temp_folder {

inline void WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every case works in its own folder from mkdtemp, symlink-free so that
// expected canonical paths can be written from it; it is removed with
// everything in it. A fixture that overrides SetUp or TearDown calls these.
class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/velmora_test_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = std::filesystem::canonical(tmpl).string();
    }

    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    std::string dir_;
};

}  // namespace temp_folder

#endif  // VELMORA_TESTS_TEMP_FOLDER_TEST_H

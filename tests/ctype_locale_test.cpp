// The fallback to a UTF-8 character type: taken from the first candidate
// the system has, checked, and warned about when none gives UTF-8.
#include "log.h"
#include "package/ctype-locale.h"
#include "temp_folder_test.h"

#include <gtest/gtest.h>
#include <langinfo.h>

#include <clocale>
#include <string>
#include <vector>

namespace {

class CtypeLocaleTest : public temp_folder::TempFolderTest {
protected:
    void TearDown() override
    {
        setlocale(LC_CTYPE, "C");
        Logger::Destroy();
        TempFolderTest::TearDown();
    }
};

TEST_F(CtypeLocaleTest, FallsBackToTheFirstUtf8CandidateOrWarns)
{
    const struct {
        const char* start;
        std::vector<const char*> candidates;
        bool utf8;
        const char* codeset;
        bool warned;
    } rows[] = {
        {"C", {"no-such-locale", "C.UTF-8"}, true, "UTF-8", false},
        {"C", {"no-such-locale"}, false, "ANSI_X3.4-1968", true},
        {"C", {}, false, "ANSI_X3.4-1968", true},
        // A locale that exists but is not UTF-8 is no fallback.
        {"C", {"POSIX"}, false, "ANSI_X3.4-1968", true},
        {"C.UTF-8", {}, true, "UTF-8", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.start) + " with " + std::to_string(row.candidates.size()) + " candidates");
        ASSERT_NE(setlocale(LC_CTYPE, row.start), nullptr);
        const std::string log = Path("launcher.log");
        ASSERT_EQ(Logger::Initialize(Logger::TYPE_FILE, log, "", 1, Logger::SCOPE_LOCK), 0);
        EXPECT_EQ(UseUtf8CharacterType(row.candidates.data(), row.candidates.size()), row.utf8);
        EXPECT_STREQ(nl_langinfo(CODESET), row.codeset);
        const std::string written = temp_folder::ReadFile(log);
        EXPECT_EQ(written.find("[WARNING] ctype-locale(") != std::string::npos, row.warned) << written;
        EXPECT_EQ(written.find("no UTF-8 character type (locale 'C'") != std::string::npos, row.warned) << written;
        Logger::Destroy();
        unlink(log.c_str());
    }
}

// The platform's own candidates give UTF-8 here (Debian has C.UTF-8).
TEST_F(CtypeLocaleTest, PlatformFallbackGivesUtf8)
{
    ASSERT_NE(setlocale(LC_CTYPE, "C"), nullptr);
    EXPECT_TRUE(UseUtf8CharacterType());
    EXPECT_STREQ(nl_langinfo(CODESET), "UTF-8");
}

}  // namespace

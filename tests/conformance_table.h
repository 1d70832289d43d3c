// Tables of behaviour cases: one row a case, named in words, with what it
// observes given as text and the text it must give written out. A row that
// cannot be set up here (no second volume, no root) observes a text that
// starts with "skipped: " and says why; the case is then skipped.
#ifndef VELMORA_TESTS_CONFORMANCE_TABLE_H
#define VELMORA_TESTS_CONFORMANCE_TABLE_H

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <regex>
#include <string>

#include "named_rows.h"
#include "temp_folder_test.h"

namespace conformance {

template <class Observe>
struct Row {
    const char* name;  // letters and digits only: it names the test case
    Observe observe;
    std::string expected;
};

using named_rows::operator<<;
using named_rows::RowName;

const char kSkipped[] = "skipped: ";

inline std::string Skipped(const std::string& why)
{
    return kSkipped + why;
}

// Compares an observation with the row's text, or skips the case.
#define EXPECT_ROW(row, seen)                               \
    do {                                                    \
        const std::string observed_ = (seen);               \
        if (observed_.rfind(conformance::kSkipped, 0) == 0) \
            GTEST_SKIP() << observed_;                      \
        EXPECT_EQ((row).expected, observed_) << (row).name; \
    } while (0)

inline std::string Show(size_t position)
{
    return position == static_cast<size_t>(-1) ? "npos" : std::to_string(position);
}

inline std::string Show(bool answer)
{
    return answer ? "true" : "false";
}

// The parts joined by ", ". The parts of a braced list are evaluated in
// order, unlike the operands of +, so a part may observe what the parts
// before it did.
inline std::string InOrder(std::initializer_list<std::string> parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : ", ") + part;
    return text;
}

// text with every from written as to.
inline std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at = text.find(from); !from.empty() && at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The lines of a log whose level is at most most (3 ERROR to 7 DEBUG), and
// whose source is tag when one is given, each from its level tag on and
// without its source line ("[ERROR] extractor: Invalid Argument"), joined
// by " | "; "no line" when there is none.
inline std::string LogLines(const std::string& log, int most, const std::string& tag = "")
{
    static const std::regex line("\\[(ERROR|WARNING|NOTE|INFO|DEBUG)\\] ([a-z/-]+)\\(\\d+\\): ([^\n]*)");
    static const std::string levels[] = {"ERROR", "WARNING", "NOTE", "INFO", "DEBUG"};
    std::string seen;
    for (std::sregex_iterator it(log.begin(), log.end(), line), end; it != end; ++it) {
        const int level = 3 + static_cast<int>(std::find(levels, levels + 5, (*it)[1].str()) - levels);
        if (level <= most && (tag.empty() || (*it)[2].str() == tag))
            seen += (seen.empty() ? "[" : " | [") + (*it)[1].str() + "] " + (*it)[2].str() + ": " + (*it)[3].str();
    }
    return seen.empty() ? "no line" : seen;
}

// Set in a new process of this program that runs one case again: the file
// its observation goes to.
const char kFreshProcessAnswer[] = "VELMORA_FRESH_PROCESS_ANSWER";

// What body observes in a new process of this program that runs only the
// current case, so that no earlier case has touched the process-wide state
// (a singleton, the logger) and the process may change what is its own
// (its mount namespace).
inline std::string ObserveInFreshProcess(const std::function<std::string()>& body)
{
    if (const char* answer = getenv(kFreshProcessAnswer)) {
        const std::string seen = body();
        temp_folder::WriteFile(answer, seen);
        return seen;
    }
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter = std::string("--gtest_filter=") + info->test_suite_name() + "." + info->name();
    char answer[] = "/tmp/velmora_fresh_answer_XXXXXX";
    const int fd = mkstemp(answer);
    if (fd < 0)
        return "no file for the answer";
    close(fd);
    const pid_t child = fork();
    if (child == 0) {
        setenv(kFreshProcessAnswer, answer, 1);
        execl("/proc/self/exe", "fresh-process", filter.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = -1;
    if (child > 0)
        waitpid(child, &status, 0);
    const std::string seen = temp_folder::ReadFile(answer);
    unlink(answer);
    return seen.empty() ? "the fresh process gave no answer, status " + std::to_string(status) : seen;
}

// This process gets a /dev of its own, an empty tmpfs in a private mount
// namespace, so that a device or socket there is ours to take away or to
// put. Needs root.
inline bool OwnEmptyDev()
{
    return unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount("tmpfs", "/dev", "tmpfs", 0, "size=64k,mode=0755") == 0;
}

}  // namespace conformance

#endif  // VELMORA_TESTS_CONFORMANCE_TABLE_H

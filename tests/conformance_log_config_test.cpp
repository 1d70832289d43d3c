// The behaviour cases of the logger and of the key=value reader, each row
// through the real class, on real files in a folder of the case's own.
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <regex>
#include <string>

#include "config.h"
#include "conformance_table.h"
#include "log.h"
#include "temp_folder_test.h"
#include "unprivileged.h"

namespace {

using conformance::InOrder;
using conformance::Show;
using temp_folder::ReadFile;
using temp_folder::WriteFile;
using Row = conformance::Row<std::function<std::string(const std::string& dir)>>;

class KeyValueCases : public temp_folder::TempFolderTest, public testing::WithParamInterface<Row> {};
TEST_P(KeyValueCases, Holds)
{
    EXPECT_ROW(GetParam(), GetParam().observe(dir_));
}

// Every entry, as "{a=1, b=2}".
std::string EntriesOf(const Config& config)
{
    std::string seen = "{";
    for (const auto& entry : config.entries)
        seen += (seen.back() == '{' ? "" : ", ") + entry.first + "=" + entry.second;
    return seen + "}";
}

// What read gives for a file of content: its result and the entries.
std::string Read(const std::string& dir, const std::string& content, bool keep_quotes = false)
{
    WriteFile(dir + "/file.conf", content);
    Config config;
    config.keep_quotes = keep_quotes;
    const std::string status = std::to_string(config.read(dir + "/file.conf"));
    return "read " + status + " " + EntriesOf(config);
}

// text with each run of a hundred or more of one character written as
// "<count character>".
std::string Counted(const std::string& text)
{
    std::string shown;
    for (size_t at = 0, end; at < text.size(); at = end) {
        end = text.find_first_not_of(text[at], at);
        end = end == std::string::npos ? text.size() : end;
        shown += end - at < 100 ? text.substr(at, end - at) : "<" + std::to_string(end - at) + " " + text[at] + ">";
    }
    return shown;
}

std::string GetInt(const char* value)
{
    Config config;
    config.entries["k"] = value;
    return std::to_string(config.get_int("k"));
}

const Row kConfigRows[] = {
    {"PidLine", [](auto& dir) { return Read(dir, "pid=4242\n"); }, "read 0 {pid=4242}"},
    {"PidAsANumber", [](auto&) { return GetInt("4242"); }, "4242"},
    {"SpacesAroundTheEqualsSign", [](auto& dir) { return Read(dir, "launcher_debug = 7\n"); },
     "read 0 {launcher_debug=7}"},
    {"QuotedValueWithASpaceThenAComment", [](auto& dir) { return Read(dir, "name='a b' # note\n"); },
     "read 0 {name=a b}"},
    {"QuotesKeptWhenAsked", [](auto& dir) { return Read(dir, "name='a b' # note\n", true); }, "read 0 {name='a b'}"},
    {"SpaceInAnUnquotedValueRefusesTheWholeFile", [](auto& dir) { return Read(dir, "ok=1\nname=a b\n"); },
     "read -1 {}"},
    {"NothingAfterTheEqualsSign", [](auto& dir) { return Read(dir, "key=\n"); }, "read -1 {}"},
    {"SectionHeader", [](auto& dir) { return Read(dir, "[section]\n"); }, "read -1 {}"},
    {"HashInsideAnUnquotedValue", [](auto& dir) { return Read(dir, "key=value#x\n"); }, "read 0 {key=value#x}"},
    {"HashAfterASpaceStartsAComment", [](auto& dir) { return Read(dir, "key=value #x\n"); }, "read 0 {key=value}"},
    {"ValueMayBeginWithAHash", [](auto& dir) { return Read(dir, "key=#x\n"); }, "read 0 {key=#x}"},
    {"ValueMayBeginWithAHashAfterASpace", [](auto& dir) { return Read(dir, "key= #x\n"); }, "read 0 {key=#x}"},
    {"HashValueFollowedByMoreText", [](auto& dir) { return Read(dir, "key= # note\n"); }, "read -1 {}"},
    {"CarriageReturnAndLineFeedAreNotPartOfTheValue", [](auto& dir) { return Read(dir, "key=v\r\n"); },
     "read 0 {key=v}"},
    {"OnlyCommentsAndBlankLines", [](auto& dir) { return Read(dir, "# one\n\n   \n\t# two\n"); }, "read 0 {}"},
    {"KeyAloneBeforeALineEnd", [](auto& dir) { return Read(dir, "alone\n"); }, "read -1 {}"},
    {"KeyAloneOnTheLastLineWithoutALineEndIsSkipped", [](auto& dir) { return Read(dir, "a=1\nalone"); },
     "read 0 {a=1}"},
    {"NumbersReadAsTheStreamReadsThem",
     [](auto&) {
         return GetInt("12abc") + " " + GetInt(" 7") + " " + GetInt("-3") + " " + GetInt("abc") + " " + GetInt("0x10") +
                " " + GetInt("99999999999");
     },
     "12 7 -3 0 0 2147483647"},
    {"NumberOfAMissingKeyIsZeroAndTheKeyIsThen",
     [](auto&) {
         Config config;
         const std::string number = std::to_string(config.get_int("missing"));
         return number + ", " + EntriesOf(config);
     },
     "0, {missing=}"},
    {"TabInsideAQuotedValue", [](auto& dir) { return Read(dir, "k='a\tb'\n"); }, "read -1 {}"},
    // A line is what one read of at most 8191 bytes takes; these fill the
    // buffer exactly, the line end coming as a blank line of its own.
    {"LongestLineFillingTheBuffer",
     [](auto& dir) { return Counted(Read(dir, "k=" + std::string(Config::kMaxLine - 2, 'a') + "\n")); },
     "read 0 {k=<8189 a>}"},
    {"LongestKeyAloneFillingTheBufferIsSkippedLikeAKeyAloneWithoutALineEnd",
     [](auto& dir) { return Counted(Read(dir, std::string(Config::kMaxLine, 'k') + "\n")); }, "read 0 {}"},
};

INSTANTIATE_TEST_SUITE_P(Rows, KeyValueCases, testing::ValuesIn(kConfigRows), conformance::RowName());

// Whether lines of each level 3 to 7 pass for component, as "3 4 . . . "
// (a dot for a level that does not pass).
std::string Passing(const std::string& component)
{
    std::string seen;
    for (int level = 3; level <= 7; ++level)
        seen += Logger::IsNeedToLog(static_cast<Logger::Level>(level), component) ? std::to_string(level) + " " : ". ";
    return seen;
}

// Initializes a log file in dir, with a level file of levels unless empty;
// the result as "0: ".
std::string InitializeIn(const std::string& dir, const std::string& levels, int rotate_count = 50)
{
    std::string level_path;
    if (!levels.empty())
        WriteFile(level_path = dir + "/launcher.debug", levels);
    const int status =
        Logger::Initialize(Logger::TYPE_FILE, dir + "/launcher.log", level_path, rotate_count, Logger::SCOPE_LOCK);
    return std::to_string(status) + ": ";
}

// The result of initializing with the level file levels, then the levels
// that pass for each component and the threshold of "default_component".
std::string ThresholdsAfter(const std::string& dir, const std::string& levels,
                            std::initializer_list<const char*> components)
{
    std::string seen = InitializeIn(dir, levels);
    for (const char* component : components)
        seen += std::string(component) + " " + Passing(component);
    return seen + "default " + std::to_string(Logger::GetCompLevel("default_component"));
}

std::string TimesAsWords(const std::string& text)
{
    return std::regex_replace(text, std::regex("\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2} "), "<time> ");
}

// 20 characters of message; with the time prefix a line of 40.
void LogFortyCharacterLine(const char* tag)
{
    Logger::LogMsg(Logger::LEVEL_ERROR, "launcher_debug", "line %-14s\n", tag);
}

off_t SizeOf(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? st.st_size : -1;
}

size_t FilesIn(const std::string& dir)
{
    auto it = std::filesystem::directory_iterator(dir);
    return static_cast<size_t>(std::distance(it, std::filesystem::directory_iterator()));
}

// The priority and text of the next message on the socket, or "nothing".
std::string NextMessage(int socket)
{
    char buffer[512] = {};
    const ssize_t size = recv(socket, buffer, sizeof buffer - 1, MSG_DONTWAIT);
    if (size <= 0)
        return "nothing";
    const std::string message(buffer, static_cast<size_t>(size));
    const size_t text = message.rfind(": ");
    return message.substr(0, message.find('>') + 1) + message.substr(text == std::string::npos ? 0 : text + 1);
}

// The lines of the system log, read from a /dev/log of this process's own:
// one that passes at DEBUG, one at ERROR, one that does not pass.
std::string SystemLogLines(const std::string& dir)
{
    if (!conformance::OwnEmptyDev())
        return conformance::Skipped("needs root for a /dev of our own with a log socket");
    const int log = socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    snprintf(address.sun_path, sizeof address.sun_path, "/dev/log");
    if (log < 0 || bind(log, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        return "no socket at /dev/log";
    WriteFile(dir + "/launcher.debug", "launcher_debug=7\n");
    const int status = Logger::Initialize(Logger::TYPE_SYSLOG, "", dir + "/launcher.debug", 50, Logger::SCOPE_LOCK);
    Logger::LogMsg(Logger::LEVEL_DEBUG, "launcher_debug", "a debug line\n");
    Logger::LogMsg(Logger::LEVEL_ERROR, "launcher_debug", "an error line\n");
    Logger::LogMsg(Logger::LEVEL_DEBUG, "service_debug", "a line that does not pass\n");
    std::string seen = std::to_string(status);
    for (int i = 0; i < 3; ++i)
        seen += ", " + NextMessage(log);
    close(log);
    return seen;
}

// A link at the log's path, to a file or to nothing, put there before the
// start or in place of the live file before it is opened again: the result
// of the start, and what the link leads to after a line.
std::string ThroughALink(const std::string& dir, bool target_exists, bool at_start)
{
    const std::string log = dir + "/launcher.log";
    const std::string target = dir + "/elsewhere";
    std::filesystem::remove(log);
    std::filesystem::remove(target);
    if (target_exists)
        WriteFile(target, "theirs\n");
    if (at_start)
        symlink(target.c_str(), log.c_str());
    testing::internal::CaptureStderr();
    const int status = Logger::Initialize(Logger::TYPE_FILE, log, "", 50, Logger::SCOPE_LOCK);
    testing::internal::GetCapturedStderr();
    if (!at_start) {
        std::filesystem::remove(log);
        symlink(target.c_str(), log.c_str());
        Logger::ReloadLogFile();
    }
    LogFortyCharacterLine("after");
    return std::to_string(status) + " " + (std::filesystem::exists(target) ? "'" + ReadFile(target) + "'" : "no file");
}

// The logger's state is the whole process's and its thresholds only ever
// grow, so every row runs in a new process of its own.
class LoggerCases : public temp_folder::TempFolderTest, public testing::WithParamInterface<Row> {};
TEST_P(LoggerCases, Holds)
{
    EXPECT_ROW(GetParam(), conformance::ObserveInFreshProcess([this] { return GetParam().observe(dir_); }));
}

const Row kLoggerRows[] = {
    {"WithoutALevelFileWarningsPassAndInfoDoesNot",
     [](auto& dir) { return ThresholdsAfter(dir, "", {"launcher_debug"}); }, "0: launcher_debug 3 4 . . . default 4"},
    {"LevelSevenLetsDebugPassForThatComponentOnly",
     [](auto& dir) {
         return ThresholdsAfter(dir, "launcher_debug=7\n", {"launcher_debug", "service_debug"});
     },
     "0: launcher_debug 3 4 5 6 7 service_debug 3 4 . . . default 4"},
    {"OffSilencesTheComponentErrorsIncluded",
     [](auto& dir) { return ThresholdsAfter(dir, "extractor_debug=off\n", {"extractor_debug"}); },
     "0: extractor_debug . . . . . default 4"},
    {"DefaultComponentAsTheLevelFileSetsIt",
     [](auto& dir) { return ThresholdsAfter(dir, "default_component=6\n", {}); }, "0: default 6"},
    {"BeforeAnyInitializeAnErrorGoesToStandardErrorAndDebugIsDropped",
     [](auto&) {
         testing::internal::CaptureStderr();
         Logger::LogMsg(Logger::LEVEL_ERROR, "extractor_debug", "(%5d:%5d) [ERROR] extractor(%d): %s\n", 4711, 23456,
                        212, "Invalid Argument");
         Logger::LogMsg(Logger::LEVEL_DEBUG, "extractor_debug", "a debug line\n");
         return TimesAsWords(testing::internal::GetCapturedStderr());
     },
     "<time> ( 4711:23456) [ERROR] extractor(212): Invalid Argument\n"},
    // As root nothing is denied, so the log is opened as uid 65534.
    {"FailedInitializeInAnUnwritableFolderSilencesEverything",
     [](auto& dir) {
         chmod(dir.c_str(), 0755);
         mkdir((dir + "/locked").c_str(), 0555);
         const auto attempt = [&] {
             const int status =
                 Logger::Initialize(Logger::TYPE_FILE, dir + "/locked/launcher.log", "", 50, Logger::SCOPE_LOCK);
             return status == -1 && Passing("launcher_debug") == ". . . . . " ? 0 : 1;
         };
         const int failed = geteuid() == 0 ? unprivileged::RunAsNobody(attempt) : attempt();
         return failed == 0 ? std::string("-1, nothing passes") : "exit status " + std::to_string(failed);
     },
     "-1, nothing passes"},
    {"LineAtTheLimitIsWrittenThenTheFileRotatesAndTheCountRestarts",
     [](auto& dir) {
         const std::string log = dir + "/launcher.log";
         WriteFile(log, "");
         if (truncate(log.c_str(), 5242870) != 0 || SizeOf(log) != 5242870)
             return std::string("no live file of 5,242,870 bytes to start from");
         const std::string status = InitializeIn(dir, "");
         LogFortyCharacterLine("at the limit");
         const std::string rotated =
             "_0 " + std::to_string(SizeOf(log + "_0")) + ", live " + std::to_string(SizeOf(log));
         LogFortyCharacterLine("next");
         const std::string next = TimesAsWords(ReadFile(log));
         // The count is now the 40 bytes of that line: one byte short of the
         // limit, nothing rotates; at the limit, it does.
         const std::string short_of_limit = std::to_string(Logger::RotateIfFileBig(Logger::kRotateSize - 41)) +
                                            ", _1 " + std::to_string(SizeOf(log + "_1"));
         const std::string at_limit = std::to_string(Logger::RotateIfFileBig(1));
         return status + rotated + ", then " + next + short_of_limit + ", then " + at_limit + ", _0 " +
                std::to_string(SizeOf(log + "_0"));
     },
     "0: _0 5242910, live 0, then <time> line next          \n0, _1 -1, then 0, _0 40"},
    {"RotationWithCountFiftyNeverLeavesNumberFortyNine",
     [](auto& dir) {
         for (int i = 0; i <= 48; ++i)
             WriteFile(dir + "/launcher.log_" + std::to_string(i), std::to_string(i));
         const std::string log = dir + "/launcher.log";
         const std::string status = InitializeIn(dir, "");
         LogFortyCharacterLine("live");
         std::string rotated = status + std::to_string(Logger::Rotate()) + ", " + std::to_string(FilesIn(dir)) +
                               " files, _49 " + Show(SizeOf(log + "_49") >= 0) + ", _1 to _48";
         for (int i = 1; i <= 48; ++i)
             rotated += " " + ReadFile(log + "_" + std::to_string(i));
         return rotated + ", _0 " + TimesAsWords(ReadFile(log + "_0")) + "live " + std::to_string(SizeOf(log));
     },
     "0: 0, 50 files, _49 false, _1 to _48 0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 "
     "28 29 30 31 32 33 34 35 36 37 38 39 40 41 42 43 44 45 46 47, _0 <time> line live          \nlive 0"},
    {"RotationWithCountOneKeepsTwoFiles",
     [](auto& dir) {
         WriteFile(dir + "/launcher.log_0", "old");
         const std::string status = InitializeIn(dir, "", 1);
         LogFortyCharacterLine("live");
         const std::string rotated = status + std::to_string(Logger::Rotate());
         LogFortyCharacterLine("next");
         return rotated + ", " + std::to_string(FilesIn(dir)) + " files, _0 " +
                TimesAsWords(ReadFile(dir + "/launcher.log_0")) + "then " +
                TimesAsWords(ReadFile(dir + "/launcher.log"));
     },
     "0: 0, 2 files, _0 <time> line live          \nthen <time> line next          \n"},
    // Root running the launcher with a user's home would write wherever a
    // link there leads.
    {"LogFileIsNeverOpenedThroughALink_LestRootWithAUsersHomeWriteWhereItLeads",
     [](auto& dir) {
         return InOrder({ThroughALink(dir, true, true), ThroughALink(dir, false, true), ThroughALink(dir, true, false),
                         ThroughALink(dir, false, false)});
     },
     "-1 'theirs\n', -1 no file, 0 'theirs\n', 0 no file"},
    {"SystemLogGetsEveryPassingLineAtPriorityThreeDebugIncluded", [](auto& dir) { return SystemLogLines(dir); },
     "0, <11> a debug line\n, <11> an error line\n, nothing"},
};

INSTANTIATE_TEST_SUITE_P(Rows, LoggerCases, testing::ValuesIn(kLoggerRows), conformance::RowName());

}  // namespace

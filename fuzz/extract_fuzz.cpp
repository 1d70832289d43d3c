// Extractor::Extract on arbitrary archive bytes. After every input nothing
// exists beside dest_dir, dest_dir is still a real folder, and the progress
// reports count 1, 2, ... within 1..total (up to total on success).
// As root the target drops to uid/gid 65534 first: device nodes, owners and
// every path of the machine are out of reach, as for a user's install.
#include <sys/stat.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "extract/extractor.h"
#include "extract_support.h"
#include "texts/notify-adapter.h"

namespace {

using fuzz::Fail;
using fuzz::Names;

const char kLogName[] = "extract.log";
const char kArchiveName[] = "input.archive";

std::string g_scratch;  // the input, and one parent folder per input
std::vector<std::pair<int, int>> g_progress;

void CheckProgress(int result)
{
    for (size_t i = 0; i < g_progress.size(); ++i) {
        const auto [total, current] = g_progress[i];
        if (total != g_progress[0].first || current != static_cast<int>(i) + 1 || current > total)
            Fail("progress (" + std::to_string(total) + ", " + std::to_string(current) +
                 ") out of order or outside 1..total");
    }
    if (result == 0 && (g_progress.empty() || g_progress.back().second != g_progress.back().first))
        Fail("a successful extraction did not report every entry");
}

void CheckTree(const std::string& parent, const std::string& dest)
{
    struct stat st;
    if (lstat(dest.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        Fail("dest_dir is no longer a real folder");
    if (Names(parent) != std::set<std::string>{"dest"})
        Fail("something was created beside dest_dir");
    if (Names(g_scratch) != std::set<std::string>{kArchiveName, "input"})
        Fail("something was created outside the input's folder");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_scratch = fuzz::StartExtracting("extract-fuzz", kLogName);
    QObject::connect(Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress,
                     [](int total, int current) { g_progress.emplace_back(total, current); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string archive = g_scratch + "/" + kArchiveName;
    fuzz::WriteInput(archive, data, size);
    const std::string parent = g_scratch + "/input";
    const std::string dest = parent + "/dest";
    if (mkdir(parent.c_str(), 0700) != 0 || mkdir(dest.c_str(), 0755) != 0)
        Fail("cannot create the destination");
    g_progress.clear();
    Extractor extractor;
    extractor.archive_path = archive.c_str();
    extractor.dest_dir = dest.c_str();
    const int result = extractor.Extract();
    CheckTree(parent, dest);
    CheckProgress(result);
    fuzz::RemoveTree(parent);
    return 0;
}

#include "uipathmanager.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

struct PathRow {
    const char* key;
    const char* value;
};

// The nine paths start-up registers, with values as it builds them.
const PathRow kPaths[] = {
    {"user_velmora_drive_path", "/home/u/.VelmoraDrive"},
    {"user_velmora_drive_app_path", "/home/u/.VelmoraDrive/VelmoraDrive.app"},
    {"user_velmora_drive_resource_path", "/home/u/.VelmoraDrive/VelmoraDrive.app/Contents/Resources"},
    {"user_velmora_drive_data_path", "/home/u/.VelmoraDrive/data"},
    {"user_velmora_drive_working_dir_path", "/home/u/.VelmoraDrive"},
    {"user_velmora_drive_ui_path", "/home/u/.VelmoraDrive/VelmoraDrive.app/Contents/MacOS/cloud-drive-ui"},
    {"user_larkspan_path", "/home/u/.Larkspan"},
    {"user_larkspan_resource_path", "/home/u/.Larkspan/app/Resources"},
    {"root_resource_path", "/Applications/Velmora Drive.app/Contents/Resources"},
};

void storeAll()
{
    for (const PathRow& row : kPaths)
        ASSERT_EQ(UIPathManager::getInstance()->setPath(row.key, QString::fromUtf8(row.value)), 0);
}

TEST(UIPathManager, OneInstanceForAllThreads)
{
    UIPathManager* mine = UIPathManager::getInstance();
    std::vector<UIPathManager*> seen(4, nullptr);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&seen, i] { seen[i] = UIPathManager::getInstance(); });
    for (std::thread& thread : threads)
        thread.join();
    for (UIPathManager* other : seen)
        EXPECT_EQ(other, mine);
}

TEST(UIPathManager, AnswersEveryStoredPathUnchanged)
{
    storeAll();
    for (const PathRow& row : kPaths)
        EXPECT_EQ(UIPathManager::getInstance()->getPath(row.key).toStdString(), row.value) << row.key;
}

TEST(UIPathManager, KeepsValuesAsGiven)
{
    UIPathManager* paths = UIPathManager::getInstance();
    const QString unusual[] = {"/trailing/slash/", "relative/../path",
                               QString::fromUtf8("/h\u00f6me/\u65e5\u672c/e\u0301"), ""};
    for (const QString& value : unusual) {
        paths->setPath("odd_path", value);
        EXPECT_EQ(paths->getPath("odd_path"), value);
    }
}

TEST(UIPathManager, LastStoredValueWins)
{
    UIPathManager* paths = UIPathManager::getInstance();
    paths->setPath("root_resource_path", "/first");
    paths->setPath("root_resource_path", "/second");
    EXPECT_EQ(paths->getPath("root_resource_path"), QString("/second"));
}

TEST(UIPathManager, UnknownKeysAnswerEmpty)
{
    storeAll();
    UIPathManager* paths = UIPathManager::getInstance();
    for (const char* key : {"never_stored", "ROOT_RESOURCE_PATH", "root_resource_path ", ""})
        EXPECT_TRUE(paths->getPath(key).isEmpty()) << key;
}

TEST(UIPathManager, RefusesEmptyKey)
{
    UIPathManager* paths = UIPathManager::getInstance();
    EXPECT_EQ(paths->setPath("", "/somewhere"), -1);
    EXPECT_TRUE(paths->getPath("").isEmpty());
}

// Readers on several threads, one of them racing a late writer: every read
// sees a whole value, old or new.
TEST(UIPathManager, ConcurrentReadsSeeWholeValues)
{
    storeAll();
    UIPathManager* paths = UIPathManager::getInstance();
    const QString oldValue = "/home/u/.Larkspan";
    const QString newValue = "/home/u/.Larkspan-moved";
    std::atomic<int> wrong{0};
    std::vector<std::thread> readers;
    for (int r = 0; r < 4; ++r) {
        readers.emplace_back([&] {
            for (int i = 0; i < 20000; ++i) {
                const QString value = paths->getPath("user_larkspan_path");
                if (value != oldValue && value != newValue)
                    ++wrong;
                if (paths->getPath("user_velmora_drive_path") != QString("/home/u/.VelmoraDrive"))
                    ++wrong;
            }
        });
    }
    for (int i = 0; i < 2000; ++i)
        paths->setPath("user_larkspan_path", i % 2 ? newValue : oldValue);
    for (std::thread& reader : readers)
        reader.join();
    EXPECT_EQ(wrong.load(), 0);
}

}  // namespace

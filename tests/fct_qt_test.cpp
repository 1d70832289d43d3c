// The UI support library: interface language, instance lock, screen scale.
#include "dpiinfo.h"
#include "instancelock.h"
#include "velmoralocale.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct LocaleRow {
    const char* name;
    const char* code;
};

TEST(VelmoraLocaleTest, MapsLocaleNamesToTranslationCodes)
{
    const LocaleRow rows[] = {
        {"en_US.UTF-8", "enu"},
        {"en_GB", "enu"},
        {"de_DE.UTF-8@euro", "ger"},
        {"de_AT", "ger"},
        {"fr_CA.UTF-8", "fre"},
        {"th_TH.UTF-8", "tha"},
        {"zh_CN.UTF-8", "chs"},
        {"zh_SG", "chs"},
        {"zh", "chs"},
        {"zh_TW.UTF-8", "cht"},
        {"zh_HK", "cht"},
        {"zh-Hant-CN", "cht"},
        {"zh-Hans-HK", "chs"},
        {"pt_BR.UTF-8", "ptb"},
        {"pt_PT", "ptg"},
        {"pt", "ptg"},
        {"nb_NO.UTF-8", "nor"},
        {"nn_NO", "nor"},
        {"cs_CZ", "csy"},
        {"da_DK", "dan"},
        {"hu_HU", "hun"},
        {"it_IT", "ita"},
        {"ja_JP.eucJP", "jpn"},
        {"ko_KR", "krn"},
        {"nl_BE", "nld"},
        {"pl_PL", "plk"},
        {"ru_RU.KOI8-R", "rus"},
        {"es_MX", "spn"},
        {"sv_FI", "sve"},
        {"tr_TR", "trk"},
        {"C", "enu"},
        {"POSIX", "enu"},
        {"C.UTF-8", "enu"},
        {"", "enu"},
        {"fi_FI", "enu"},
        {"TH_th", "tha"},
        {"_", "enu"},
        {"@euro", "enu"},
    };
    for (const LocaleRow& row : rows) {
        EXPECT_EQ(VelmoraLocale::languageCodeFor(row.name).toStdString(), row.code) << row.name;
    }
}

TEST(VelmoraLocaleTest, MessagesLocaleFollowsPosixPrecedence)
{
    struct {
        const char *lcAll, *lcMessages, *lang, *code;
    } rows[] = {
        {"", "", "", "enu"},
        {"", "", "ja_JP.UTF-8", "jpn"},
        {"", "ko_KR.UTF-8", "ja_JP.UTF-8", "krn"},
        {"th_TH.UTF-8", "ko_KR.UTF-8", "ja_JP.UTF-8", "tha"},
    };
    for (const auto& row : rows) {
        setenv("LC_ALL", row.lcAll, 1);
        setenv("LC_MESSAGES", row.lcMessages, 1);
        setenv("LANG", row.lang, 1);
        EXPECT_EQ(VelmoraLocale::getInstance()->getDefaultLanguage().toStdString(), row.code)
            << row.lcAll << "|" << row.lcMessages << "|" << row.lang;
    }
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    unsetenv("LANG");
}

TEST(DpiInfoTest, ScaleFromLogicalDotsPerInch)
{
    const struct {
        double dpi, scale;
    } rows[] = {{96, 1.0}, {100, 1.0}, {90, 1.0}, {120, 1.25}, {144, 1.5}, {192, 2.0}, {0, 1.0}, {-5, 1.0}};
    for (const auto& row : rows)
        EXPECT_DOUBLE_EQ(DPIinfo::scaleForLogicalDpi(row.dpi), row.scale) << row.dpi;
}

TEST(DpiInfoTest, ScaledStyleSheetTruncatesEveryPixelSize)
{
    const struct {
        double scale;
        const char *sheet, *scaled;
    } rows[] = {
        {1.5, "QLabel { font-size: 12px; margin: 3px 10.5px; }", "QLabel { font-size: 18px; margin: 4px 15px; }"},
        {1.33, "QWidget { min-width: 400px; }", "QWidget { min-width: 532px; }"},
        {1.0, "QWidget { border: 1px solid gray; }", "QWidget { border: 1px solid gray; }"},
        {2.0, "QProgressDialog { background-color: WhiteSmoke; vertical-align: middle; }",
         "QProgressDialog { background-color: WhiteSmoke; vertical-align: middle; }"},
        {2.0, "QLabel { font-size: 10pt; width: 5em; }", "QLabel { font-size: 10pt; width: 5em; }"},
        {2.0, "", ""},
    };
    DPIinfo* dpi = DPIinfo::getInstance();
    for (const auto& row : rows) {
        dpi->setDPI(row.scale);
        EXPECT_EQ(dpi->getScaledStyleSheet(row.sheet).toStdString(), row.scaled) << row.sheet;
    }
}

// Each case points the lock folder at its own temp folder.
class InstanceLockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/instance-lock-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    }
    void TearDown() override
    {
        unsetenv("XDG_RUNTIME_DIR");
        std::string command = "rm -rf '" + dir + "'";
        ASSERT_EQ(system(command.c_str()), 0);
    }
    std::string dir;
};

TEST_F(InstanceLockTest, SecondHolderOfTheSameNameIsRefusedUntilTheFirstEnds)
{
    auto* first = new InstanceLock("a.lock");
    InstanceLock second("a.lock");
    InstanceLock other("b.lock");
    EXPECT_EQ(first->tryLock(), InstanceLock::Acquired);
    EXPECT_EQ(second.tryLock(), InstanceLock::HeldElsewhere);
    EXPECT_EQ(other.tryLock(), InstanceLock::Acquired);
    delete first;
    EXPECT_EQ(second.tryLock(), InstanceLock::Acquired);
}

TEST_F(InstanceLockTest, LockOfAnEndedProcessIsFree)
{
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock held("crash.lock");
        _exit(held.tryLock() == InstanceLock::Acquired ? 0 : 1);  // ends without releasing
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    InstanceLock next("crash.lock");
    EXPECT_EQ(next.tryLock(), InstanceLock::Acquired);
}

TEST_F(InstanceLockTest, FileOfAnotherUserOrALinkIsNotUsed)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to plant a file owned by another user";
    const std::string foreign = dir + "/foreign.lock";
    FILE* f = fopen(foreign.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fclose(f);
    ASSERT_EQ(chown(foreign.c_str(), 65534, 65534), 0);
    ASSERT_EQ(symlink(foreign.c_str(), (dir + "/link.lock").c_str()), 0);
    InstanceLock planted("foreign.lock");
    InstanceLock link("link.lock");
    EXPECT_EQ(planted.tryLock(), InstanceLock::Unavailable);
    EXPECT_EQ(link.tryLock(), InstanceLock::Unavailable);
}

TEST(InstanceLockNameTest, DependsOnTheCleanedHomeFolderOnly)
{
    const QString plain = instanceLockName("/home/ann");
    EXPECT_EQ(instanceLockName("/home//ann/"), plain);
    EXPECT_EQ(instanceLockName("/home/bob/../ann"), plain);
    EXPECT_NE(instanceLockName("/home/bob"), plain);
    EXPECT_TRUE(plain.startsWith(QString("velmora-launcher-%1-").arg(geteuid()))) << plain.toStdString();
    EXPECT_FALSE(plain.contains('/'));
}

}  // namespace

#include "tmp_name_gen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "temp_folder_test.h"
#include "tmp_name_internal.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Draw(unsigned char* state, int count)
{
    Bytes out(count);
    TmpNameGen::getInstance()->rc4_randomize(state, out.data(), count);
    return out;
}

Bytes Hex(const std::string& hex)
{
    Bytes out;
    for (size_t n = 0; n < hex.size(); n += 2)
        out.push_back(std::stoi(hex.substr(n, 2), nullptr, 16));
    return out;
}

TEST(TmpNameGenTest, KeyScheduleAndDrawMatchPublishedRc4Vectors)
{
    const struct {
        const char* key;
        const char* keystream;
    } cases[] = {
        {"Key", "eb9f7781b734ca72a719"},
        {"Wiki", "6044db6d41b7"},
        {"Secret", "04d46b053ca87b59"},
    };
    for (const auto& c : cases) {
        // A short key repeated over 256 bytes schedules exactly as the key.
        unsigned char key[256];
        for (int n = 0; n < 256; ++n)
            key[n] = c.key[n % strlen(c.key)];
        unsigned char state[256];
        TmpNameGen::getInstance()->rc4_init(state, key);
        Bytes expected = Hex(c.keystream);
        EXPECT_EQ(Draw(state, static_cast<int>(expected.size())), expected) << c.key;
    }
}

TEST(TmpNameGenTest, EncodingUsesBase64BitOrderOverTheNameAlphabet)
{
    const struct {
        Bytes bytes;
        const char* name;
    } cases[] = {
        {{0, 0, 0, 0, 0, 0}, "00000000"},
        {{0xff, 0xff, 0xff, 0xff, 0xff, 0xff}, "________"},
        {{0x00, 0x10, 0x83, 0x10, 0x51, 0x87}, "01234567"},
        {{0xfb, 0xef, 0xbe, 0xf8, 0x00, 0x3f}, "-----00_"},
        {{0x25, 0x92, 0x9b, 0x77, 0xf7, 0xa7}, "9part_uD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeTmpName(c.bytes.data()), c.name);
}

class TmpNameSeedTest : public temp_folder::TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        memset(seed_, 0xAA, sizeof(seed_));
    }

    std::string Device(const std::string& content)
    {
        std::string path = Path("device");
        temp_folder::WriteFile(path, content);
        return path;
    }

    unsigned char seed_[256];
};

TEST_F(TmpNameSeedTest, MissingDeviceFallsBackToTimeOfDay)
{
    FillTmpNameSeed((dir_ + "/missing").c_str(), seed_, sizeof(seed_));
    std::string text(reinterpret_cast<char*>(seed_));
    EXPECT_TRUE(std::regex_match(text, std::regex("\\d+-\\d{1,6}"))) << text;
    for (size_t n = text.size() + 1; n < sizeof(seed_); ++n)
        ASSERT_EQ(seed_[n], 0xAA) << n;
}

TEST_F(TmpNameSeedTest, ShortReadKeepsTheBytesAfterTheTimeText)
{
    std::string content(40, 'r');
    FillTmpNameSeed(Device(content).c_str(), seed_, sizeof(seed_));
    std::string text(reinterpret_cast<char*>(seed_));
    ASSERT_TRUE(std::regex_match(text, std::regex("\\d+-\\d{1,6}"))) << text;
    for (size_t n = text.size() + 1; n < content.size(); ++n)
        EXPECT_EQ(seed_[n], 'r') << n;
    for (size_t n = content.size(); n < sizeof(seed_); ++n)
        EXPECT_EQ(seed_[n], 0xAA) << n;
}

}  // namespace

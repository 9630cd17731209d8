#include "tmp_name_gen.h"

#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

const char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

std::string Encode(std::initializer_list<unsigned char> bytes)
{
    unsigned char in[6];
    std::copy(bytes.begin(), bytes.end(), in);
    char name[9];
    memset(name, 'X', sizeof(name));
    EncodeTmpName(in, name);
    EXPECT_EQ(name[8], '\0');
    return name;
}

bool IsValidName(const std::string& name)
{
    return name.size() == 8 && name.find_first_not_of(kAlphabet) == std::string::npos;
}

TEST(TmpNameGenTest, EncodesSixBytesAsEightAlphabetCharacters)
{
    EXPECT_EQ(Encode({0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF}), "0000____");
    EXPECT_EQ(Encode({0x10, 0x20, 0x30, 0x10, 0x20, 0x30}), "420M420M");
    // Every 6-bit group lands on its own character: 0x04 0x20 0xC4 -> 1 2 3 4.
    EXPECT_EQ(Encode({0x04, 0x20, 0xC4, 0xFB, 0xFF, 0xBF}), "1234-_-_");
}

TEST(TmpNameGenTest, NamesAreSafePathComponentsThatKeepChanging)
{
    TmpNameGen& gen = TmpNameGen::getInstance();
    EXPECT_EQ(&gen, &TmpNameGen::getInstance());
    std::set<std::string> seen;
    for (int i = 0; i < 2000; ++i) {
        std::string name = gen.getTmpName().c_str();
        ASSERT_TRUE(IsValidName(name)) << name;
        seen.insert(name);
    }
    // 48 random bits per name: a repeat here means the keystream is stuck.
    EXPECT_EQ(seen.size(), 2000u);
}

TEST(TmpNameGenTest, PathJoinsPrefixWithSlash)
{
    TmpNameGen& gen = TmpNameGen::getInstance();
    std::string path = gen.getTmpPath("/tmp").c_str();
    ASSERT_EQ(path.size(), 13u);
    EXPECT_EQ(path.substr(0, 5), "/tmp/");
    EXPECT_TRUE(IsValidName(path.substr(5)));

    std::string doubled = gen.getTmpPath("/tmp/").c_str();
    EXPECT_EQ(doubled.substr(0, 6), "/tmp//");
    EXPECT_TRUE(IsValidName(doubled.substr(6)));
}

TEST(TmpNameGenTest, ThreadsShareOneSequenceWithoutRepeats)
{
    const int kThreads = 4;
    const int kNames = 500;
    std::vector<std::vector<std::string>> names(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&names, t] {
            for (int i = 0; i < kNames; ++i)
                names[t].push_back(TmpNameGen::getInstance().getTmpName().c_str());
        });
    for (std::thread& th : threads)
        th.join();

    std::set<std::string> all;
    for (const auto& list : names)
        for (const std::string& name : list) {
            EXPECT_TRUE(IsValidName(name)) << name;
            all.insert(name);
        }
    EXPECT_EQ(all.size(), static_cast<size_t>(kThreads * kNames));
}

}  // namespace

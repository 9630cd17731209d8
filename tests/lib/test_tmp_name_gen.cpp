#include "tmp_name_gen.h"

#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::string Encode(std::vector<unsigned char> bytes)
{
    char name[9] = "XXXXXXXX";
    EncodeTmpName(bytes.data(), name);
    return name;
}

bool IsValidName(const std::string& name)
{
    return name.size() == 8 &&
           name.find_first_not_of("0123456789abcdefghijklmnopqrstuvwxyz"
                                  "ABCDEFGHIJKLMNOPQRSTUVWXYZ-_") == std::string::npos;
}

TEST(TmpNameGenTest, EncodesSixBytesAsEightAlphabetCharacters)
{
    EXPECT_EQ(Encode({0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF}), "0000____");
    EXPECT_EQ(Encode({0x10, 0x20, 0x30, 0x10, 0x20, 0x30}), "420M420M");
    EXPECT_EQ(Encode({0x04, 0x20, 0xC4, 0xFB, 0xFF, 0xBF}), "1234-_-_");
}

// 48 random bits per name: a repeat means the keystream got stuck or
// threads raced on the permutation.
TEST(TmpNameGenTest, NamesAndPathsAreValidAndDoNotRepeat)
{
    const int kThreads = 4, kNames = 500;
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

    const std::string path = TmpNameGen::getInstance().getTmpPath("/tmp/").c_str();
    EXPECT_EQ(path.substr(0, 6), "/tmp//");
    EXPECT_TRUE(IsValidName(path.substr(6))) << path;
}

}  // namespace

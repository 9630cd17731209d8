#include "config.h"

#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

namespace {

class ConfigTest : public ::testing::Test {
protected:
    void TearDown() override { unlink(path.c_str()); }

    int Read(const std::string& text, Config& config)
    {
        std::ofstream(path, std::ios::binary) << text;
        return config.read(path.c_str());
    }

    static std::vector<std::string> Keys(Config& config)
    {
        std::vector<std::string> keys;
        for (auto& entry : config)
            keys.push_back(entry.first.c_str());
        return keys;
    }

    const std::string dir = ::testing::TempDir();
    const std::string path = dir + "/test_config_" + std::to_string(getpid()) + ".conf";
};

TEST_F(ConfigTest, AcceptsWellFormedLines)
{
    const struct { const char *line, *key, *value; } cases[] = {
        {"pid=1234\n", "pid", "1234"},          {"pid=1234\r\n", "pid", "1234"},
        {"pid=1234", "pid", "1234"},            {"  pid = 1234 # comment\n", "pid", "1234"},
        {"name='a b'\n", "name", "a b"},        {"name=\"it's\"\n", "name", "it's"},
        {"name='x#y'\n", "name", "x#y"},        {"name=\"x#y\"\n", "name", "x#y"},
        {"name=x#y\n", "name", "x#y"},          {"name=''\n", "name", ""},
        {"name= #note\n", "name", "#note"},     {"  =5\n", "", "5"},
        {"a-b_c.d=v\n", "a-b_c.d", "v"},        {"n=caf\xc3\xa9\n", "n", "caf\xc3\xa9"},
        {"name=a\t# comment\n", "name", "a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Config config;
        ASSERT_EQ(Read(c.line, config), 0);
        EXPECT_EQ(Keys(config), std::vector<std::string>{c.key});
        EXPECT_STREQ(config[c.key].c_str(), c.value);
    }
}

// One bad line, even after good ones, leaves nothing stored.
TEST_F(ConfigTest, RejectsMalformedLines)
{
    const std::string cases[] = {
        "name=a b\n",   "name=\n",     "name\n",        "name : 1\n",   "name= # note\n",
        "name='a\tb'\n", "name=a\tb\n", "name='open\n", "name='a'b\n",  "na me=1\n",
        "name=a\x7f\n", std::string("pid=12\0 34\n", 11), "name",
    };
    for (const std::string& line : cases) {
        SCOPED_TRACE(line);
        Config config;
        EXPECT_EQ(Read("good=1\nother=2\n" + line, config), -1);
        EXPECT_TRUE(Keys(config).empty());
    }
}

TEST_F(ConfigTest, ReadsMergeUntilAnInvalidLine)
{
    Config config;
    EXPECT_EQ(Read("\n   \n\t\r\n# comment\n   # indented\nname#note\n", config), 0);
    EXPECT_EQ(Read("", config), 0);
    EXPECT_TRUE(Keys(config).empty());
    ASSERT_EQ(Read("zeta=1\nalpha=2\nalpha=4\n", config), 0);
    ASSERT_EQ(Read("mid=3\nzeta=5\n", config), 0);
    EXPECT_EQ(Keys(config), (std::vector<std::string>{"alpha", "mid", "zeta"}));
    EXPECT_STREQ(config["alpha"].c_str(), "4");
    EXPECT_STREQ(config["zeta"].c_str(), "5");

    EXPECT_EQ(Read("e=6\nf=7\nbroken line\n", config), -1);
    EXPECT_TRUE(Keys(config).empty());

    EXPECT_EQ(config.read(""), -1);
    EXPECT_EQ(config.read((dir + "/missing").c_str()), -1);
    EXPECT_EQ(config.read(dir.c_str()), -1);  // a folder opens but cannot be read
}

TEST_F(ConfigTest, LongLinesAreParsedInPieces)
{
    const std::string first = "k=" + std::string(8191 - 2, 'v');  // fills one piece
    Config fits, split, broken;
    ASSERT_EQ(Read(first + "\n", fits), 0);
    EXPECT_EQ(fits["k"].length(), 8189u);
    ASSERT_EQ(Read(first + "x=1\n", split), 0);
    EXPECT_EQ(Keys(split), (std::vector<std::string>{"k", "x"}));
    EXPECT_EQ(Read(first + "tail text\n", broken), -1);
    // Quoted by write, that value's line would no longer fit in one piece.
    EXPECT_EQ(fits.write(path.c_str()), -1);
}

TEST_F(ConfigTest, LookupsInsertAndGetIntReadsLikeStreamExtraction)
{
    Config config;
    ASSERT_EQ(Read("a=7abc\nb=' 12'\nc=-3\nd=abc\ne=''\n", config), 0);
    EXPECT_EQ(config.get_int("a"), 7);
    EXPECT_EQ(config.get_int("b"), 12);
    EXPECT_EQ(config.get_int("c"), -3);
    EXPECT_EQ(config.get_int("d"), 0);
    EXPECT_EQ(config.get_int("e"), 0);
    EXPECT_EQ(config.get_int("missing"), 0);
    EXPECT_TRUE(config["absent"].empty());
    EXPECT_EQ(Keys(config).size(), 7u);
}

}  // namespace

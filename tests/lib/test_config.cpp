#include "config.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

namespace {

class ConfigTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/test_config_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        path = dir + "/file.conf";
    }

    void TearDown() override
    {
        unlink(path.c_str());
        rmdir(dir.c_str());
    }

    void WriteFile(const std::string& text)
    {
        FILE* fp = fopen(path.c_str(), "w");
        ASSERT_NE(fp, nullptr);
        ASSERT_EQ(fwrite(text.data(), 1, text.size(), fp), text.size());
        fclose(fp);
    }

    // Reads a file made of `text` into a fresh Config.
    int ReadText(const std::string& text, Config& config)
    {
        WriteFile(text);
        return config.read(path.c_str());
    }

    static std::vector<std::string> Keys(Config& config)
    {
        std::vector<std::string> keys;
        for (auto& entry : config)
            keys.push_back(entry.first.c_str());
        return keys;
    }

    std::string dir;
    std::string path;
};

struct GoodLine {
    const char* line;
    const char* key;
    const char* value;
};

TEST_F(ConfigTest, AcceptsWellFormedLines)
{
    const GoodLine cases[] = {
        {"pid=1234\n", "pid", "1234"},
        {"pid=1234\r\n", "pid", "1234"},
        {"pid=1234", "pid", "1234"},
        {"  pid = 1234 # comment\n", "pid", "1234"},
        {"name='a b'\n", "name", "a b"},
        {"name=\"a b\"\n", "name", "a b"},
        {"name='x#y'\n", "name", "x#y"},
        {"name=\"x#y\"\n", "name", "x#y"},
        {"name=x#y\n", "name", "x#y"},
        {"name=''\n", "name", ""},
        {"name=\"it's\"\n", "name", "it's"},
        {"name= #note\n", "name", "#note"},
        {"=5\n", "", "5"},
        {"  =5\n", "", "5"},
        {"a-b_c.d=v\n", "a-b_c.d", "v"},
        {"name=caf\xc3\xa9\n", "name", "caf\xc3\xa9"},
        {"name=a\t\n", "name", "a"},
        {"name=a\t# trailing comment\n", "name", "a"},
    };
    for (const GoodLine& c : cases) {
        SCOPED_TRACE(c.line);
        Config config;
        ASSERT_EQ(ReadText(c.line, config), 0);
        EXPECT_EQ(Keys(config), std::vector<std::string>{c.key});
        EXPECT_STREQ(config[c.key].c_str(), c.value);
    }
}

TEST_F(ConfigTest, RejectsMalformedLinesAndKeepsNothing)
{
    const char* const cases[] = {
        "name=a b\n",      "name=\n",        "name=   \n",       "name\n",
        "name : 1\n",      "name= # note\n", "name='a\tb'\n",    "name=a\tb\n",
        "name='open\n",    "name=\"a'\n",    "name='a'b\n",      "na me=1\n",
        "name='a\x01'\n",  "name=a\x7f\n",
    };
    for (const char* line : cases) {
        std::string text = std::string("good=1\nother=2\n") + line;
        SCOPED_TRACE(line);
        Config config;
        EXPECT_EQ(ReadText(text, config), -1);
        EXPECT_TRUE(Keys(config).empty());
    }
}

TEST_F(ConfigTest, ZeroByteInsideLineIsRejected)
{
    Config config;
    EXPECT_EQ(ReadText(std::string("pid=12\0 34\n", 11), config), -1);
    EXPECT_TRUE(Keys(config).empty());
}

TEST_F(ConfigTest, BlankAndCommentLinesStoreNothing)
{
    Config config;
    EXPECT_EQ(ReadText("\n   \n\t\r\n# comment\n   # indented\nname#note\n", config), 0);
    EXPECT_TRUE(Keys(config).empty());

    Config empty_file;
    EXPECT_EQ(ReadText("", empty_file), 0);
    EXPECT_TRUE(Keys(empty_file).empty());
}

TEST_F(ConfigTest, LaterLineWinsAndKeysIterateInOrder)
{
    Config config;
    ASSERT_EQ(ReadText("zeta=1\nalpha=2\nmid=3\nalpha=4\n", config), 0);
    EXPECT_EQ(Keys(config), (std::vector<std::string>{"alpha", "mid", "zeta"}));
    EXPECT_STREQ(config["alpha"].c_str(), "4");
}

TEST_F(ConfigTest, SecondReadAddsButInvalidFileEmptiesEverything)
{
    Config config;
    ASSERT_EQ(ReadText("a=1\nb=2\n", config), 0);
    ASSERT_EQ(ReadText("b=3\nc=4\n", config), 0);
    EXPECT_EQ(Keys(config), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_STREQ(config["b"].c_str(), "3");

    EXPECT_EQ(ReadText("d=5\n", config), 0);
    EXPECT_EQ(ReadText("e=6\nf=7\nbroken line\n", config), -1);
    EXPECT_TRUE(Keys(config).empty());
}

TEST_F(ConfigTest, UnreadablePathsFail)
{
    Config config;
    EXPECT_EQ(config.read(""), -1);
    EXPECT_EQ(config.read((dir + "/missing").c_str()), -1);
    EXPECT_EQ(config.read(dir.c_str()), -1);  // a folder opens but cannot be read
    EXPECT_TRUE(Keys(config).empty());
}

TEST_F(ConfigTest, LongLinesAreParsedInPieces)
{
    // Exactly 8191 bytes fill one piece; the line feed then arrives alone.
    std::string first = "k=" + std::string(8191 - 2, 'v');
    Config fits;
    ASSERT_EQ(ReadText(first + "\n", fits), 0);
    EXPECT_EQ(fits["k"].length(), 8189u);

    // The rest of a longer line is a line of its own: here a valid one.
    Config split;
    ASSERT_EQ(ReadText(first + "x=1\n", split), 0);
    EXPECT_EQ(Keys(split), (std::vector<std::string>{"k", "x"}));

    Config broken;
    EXPECT_EQ(ReadText(first + "tail text\n", broken), -1);
}

TEST_F(ConfigTest, IndexingInsertsMissingKeyWithEmptyValue)
{
    Config config;
    EXPECT_TRUE(config["absent"].empty());
    EXPECT_EQ(Keys(config), std::vector<std::string>{"absent"});
    config["absent"] = "set";
    EXPECT_STREQ(config["absent"].c_str(), "set");
}

TEST_F(ConfigTest, GetIntReadsLikeStreamExtraction)
{
    Config config;
    ASSERT_EQ(ReadText("a=7abc\nb=' 12'\nc=-3\nd=abc\ne=''\nf=+5\n", config), 0);
    EXPECT_EQ(config.get_int("a"), 7);
    EXPECT_EQ(config.get_int("b"), 12);
    EXPECT_EQ(config.get_int("c"), -3);
    EXPECT_EQ(config.get_int("d"), 0);
    EXPECT_EQ(config.get_int("e"), 0);
    EXPECT_EQ(config.get_int("f"), 5);
    EXPECT_EQ(config.get_int("missing"), 0);
}

TEST_F(ConfigTest, WriteRoundTripsThroughRead)
{
    Config config;
    config["plain"] = "1";
    config["spaced"] = "a b #c";
    config["quote"] = "say \"hi\"";
    config["empty"] = "";
    ASSERT_EQ(config.write(path.c_str()), 0);

    Config copy;
    ASSERT_EQ(copy.read(path.c_str()), 0);
    EXPECT_EQ(Keys(copy), Keys(config));
    for (auto& entry : config)
        EXPECT_STREQ(copy[entry.first].c_str(), entry.second.c_str());

    Config unwritable;
    unwritable["bad key"] = "1";
    EXPECT_EQ(unwritable.write(path.c_str()), -1);
    unwritable.unset("bad key");
    unwritable["k"] = "tab\there";
    EXPECT_EQ(unwritable.write(path.c_str()), -1);
}

TEST_F(ConfigTest, GetBoolAndUnsetDoNotInvent)
{
    Config config;
    config["on"] = "Yes";
    config["off"] = "0";
    EXPECT_TRUE(config.get_bool("on"));
    EXPECT_FALSE(config.get_bool("off"));
    EXPECT_FALSE(config.get_bool("missing"));
    config.unset("on");
    EXPECT_EQ(Keys(config), std::vector<std::string>{"off"});
}

}  // namespace

#include "log.h"

#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

namespace {

const char kStamp[] = "[A-Z][a-z]{2} [0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2} ";

bool Exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

void CallC(int level, const char* comp, const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    LogMSG_c(level, const_cast<char*>(comp), fmt, args);
    va_end(args);
}

// Before any Initialize the logger writes to standard error. The threadsafe
// death-test style runs this in a freshly started copy of the test program,
// so the logger there is in its start state whatever the other tests did.
TEST(LoggerStartTest, WarningsGoToStandardErrorBeforeInitialize)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Logger::LogMsg(Logger::L_INFO, "any_debug", "[INFO] start(%d): hidden\n", 1);
            Logger::LogMsg(Logger::L_WARNING, "any_debug", "[WARNING] start(%d): shown\n", 2);
            fflush(stderr);
            _exit(0);
        },
        ::testing::ExitedWithCode(0), std::string("^") + kStamp + "\\[WARNING\\] start\\(2\\): shown\n$");
}

class LoggerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/test_log_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        log_path = dir + "/launcher.log";
        level_path = dir + "/launcher.debug";
    }

    void TearDown() override
    {
        Logger::Destroy();
        std::string cmd = "rm -rf '" + dir + "'";
        ASSERT_EQ(system(cmd.c_str()), 0);
    }

    void StartFileLogger(const std::string& levels, int rotate_cnt = 50)
    {
        WriteAll(level_path, levels);
        ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, log_path.c_str(), level_path.c_str(),
                                     rotate_cnt),
                  0);
    }

    std::string dir;
    std::string log_path;
    std::string level_path;
};

TEST_F(LoggerTest, LevelFileFiltersEachComponent)
{
    StartFileLogger("filter_debug=7\nletters_debug=abc\n");
    Logger::LogMsg(Logger::L_DEBUG, "filter_debug", "[DEBUG] t(%d): A\n", 1);
    Logger::LogMsg(Logger::L_DEBUG, "unnamed_debug", "[DEBUG] t(%d): B\n", 2);
    Logger::LogMsg(Logger::L_WARNING, "unnamed_debug", "[WARNING] t(%d): C\n", 3);
    Logger::LogMsg(Logger::L_NOTICE, "unnamed_debug", "[NOTE] t(%d): D\n", 4);
    Logger::LogMsg(Logger::L_ALERT, "letters_debug", "alert E\n");
    Logger::LogMsg(Logger::L_EMERG, "letters_debug", "emerg F\n");
    Logger::LogMsg(Logger::L_NOTICE, "default_component", "[NOTE] t(%d): G\n", 7);
    Logger::LogMsg(Logger::L_WARNING, "default_component", "[WARNING] t(%d): H\n", 8);

    std::vector<std::string> lines = Lines(ReadAll(log_path));
    const char* const expected[] = {"\\[DEBUG\\] t\\(1\\): A", "\\[WARNING\\] t\\(3\\): C",
                                    "emerg F", "\\[WARNING\\] t\\(8\\): H"};
    ASSERT_EQ(lines.size(), 4u);
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_TRUE(std::regex_match(lines[i], std::regex(std::string(kStamp) + expected[i])))
            << lines[i];
}

TEST_F(LoggerTest, LevelFileCanRaiseDefaultComponentUntilNextInitialize)
{
    StartFileLogger("default_component=7\n");
    Logger::LogMsg(Logger::L_DEBUG, "default_component", "first\n");

    // A new Initialize puts default_component back to L_WARNING.
    StartFileLogger("");
    Logger::LogMsg(Logger::L_DEBUG, "default_component", "second\n");

    std::vector<std::string> lines = Lines(ReadAll(log_path));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("first"), std::string::npos);
}

TEST_F(LoggerTest, MalformedLevelFileLeavesWarningLevel)
{
    StartFileLogger("broken_debug=7\nnot a line\n");
    Logger::LogMsg(Logger::L_NOTICE, "broken_debug", "notice\n");
    Logger::LogMsg(Logger::L_WARNING, "broken_debug", "warning\n");
    std::vector<std::string> lines = Lines(ReadAll(log_path));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("warning"), std::string::npos);
}

TEST_F(LoggerTest, RotationShiftsNumberedFilesAndKeepsLongPathsWhole)
{
    // A folder path well over 1024 bytes: rotated names must not be cut.
    std::string deep = dir;
    for (int i = 0; i < 5; ++i) {
        deep += "/" + std::string(240, static_cast<char>('a' + i));
        ASSERT_EQ(mkdir(deep.c_str(), 0700), 0);
    }
    log_path = deep + "/launcher.log";
    for (int i = 0; i < 4; ++i)
        WriteAll(log_path + "_" + std::to_string(i), "old" + std::to_string(i));
    // Data already in the file does not count towards the threshold.
    WriteAll(log_path, "earlier run\n");
    StartFileLogger("", 4);

    const std::string body(1000, 'x');
    int entries = 0;
    while (ReadAll(log_path + "_0") == "old0") {
        ASSERT_LT(entries, 1100) << "no rotation after 1.1 MB";
        Logger::LogMsg(Logger::L_WARNING, "rotate_debug", "%s\n", body.c_str());
        ++entries;
    }
    // Each entry is 16 bytes of time stamp plus 1001: rotation after 1 MiB.
    EXPECT_EQ(entries, 1048576 / 1017 + 1);

    std::string rotated = ReadAll(log_path + "_0");
    EXPECT_EQ(rotated.compare(0, 12, "earlier run\n"), 0);
    EXPECT_EQ(Lines(rotated).size(), static_cast<size_t>(entries) + 1);
    EXPECT_EQ(ReadAll(log_path + "_1"), "old0");
    EXPECT_EQ(ReadAll(log_path + "_2"), "old1");
    EXPECT_FALSE(Exists(log_path + "_3"));  // highest kept number is rotate_cnt - 2
    EXPECT_EQ(ReadAll(log_path), "");

    Logger::LogMsg(Logger::L_WARNING, "rotate_debug", "after rotation\n");
    EXPECT_NE(ReadAll(log_path).find("after rotation"), std::string::npos);
}

TEST_F(LoggerTest, FailedInitializeKeepsEarlierDestination)
{
    StartFileLogger("");
    EXPECT_EQ(Logger::Initialize(Logger::FILE_LOGGER, (dir + "/missing/launcher.log").c_str(), "",
                                 50),
              -1);
    EXPECT_EQ(Logger::Initialize(Logger::FILE_LOGGER, "", "", 50), -1);
    EXPECT_FALSE(Exists(dir + "/missing"));

    Logger::LogMsg(Logger::L_ERR, "fail_debug", "still here\n");
    EXPECT_NE(ReadAll(log_path).find("still here"), std::string::npos);
}

TEST_F(LoggerTest, NothingIsWrittenAfterDestroyUntilInitialize)
{
    StartFileLogger("");
    Logger::LogMsg(Logger::L_ERR, "destroy_debug", "before\n");
    Logger::Destroy();
    Logger::LogMsg(Logger::L_ERR, "destroy_debug", "after\n");
    std::vector<std::string> lines = Lines(ReadAll(log_path));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("before"), std::string::npos);

    StartFileLogger("");
    Logger::LogMsg(Logger::L_ERR, "destroy_debug", "again\n");
    EXPECT_EQ(Lines(ReadAll(log_path)).size(), 2u);
}

TEST_F(LoggerTest, CEntryPointLogsThroughComponentLevels)
{
    StartFileLogger("c_debug=6\n");
    CallC(Logger::L_INFO, "c_debug", "[INFO] c(%d): %s\n", 5, "from C");
    CallC(Logger::L_DEBUG, "c_debug", "[DEBUG] c(%d): hidden\n", 6);
    std::vector<std::string> lines = Lines(ReadAll(log_path));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex(std::string(kStamp) + "\\[INFO\\] c\\(5\\): from C")))
        << lines[0];
}

TEST_F(LoggerTest, EntriesOfThreadsNeverInterleave)
{
    StartFileLogger("");
    const int kThreads = 4;
    const int kEntries = 200;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t] {
            const std::string body(300, static_cast<char>('a' + t));
            for (int i = 0; i < kEntries; ++i) {
                // Two pieces per entry, so an unlocked writer would split it.
                Logger::LogMsg(Logger::L_WARNING, "thread_debug", "%s%s\n", body.c_str(),
                               body.c_str());
            }
        });
    for (std::thread& th : threads)
        th.join();

    std::vector<std::string> lines = Lines(ReadAll(log_path));
    ASSERT_EQ(lines.size(), static_cast<size_t>(kThreads * kEntries));
    const std::regex stamp(kStamp);
    for (const std::string& line : lines) {
        ASSERT_EQ(line.size(), 16u + 600u) << line.substr(0, 80);
        ASSERT_TRUE(std::regex_match(line.substr(0, 16), stamp)) << line.substr(0, 80);
        const char letter = line[16];
        ASSERT_TRUE(letter >= 'a' && letter < 'a' + kThreads);
        ASSERT_EQ(line.substr(16), std::string(600, letter));
    }
}

}  // namespace

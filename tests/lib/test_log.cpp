#include "log.h"

#include <cerrno>
#include <cstring>
#include <algorithm>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

namespace {

const char kStamp[] = "[A-Z][a-z]{2} [0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2} ";

std::string ReadAll(const std::string& path)
{
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& path)
{
    std::vector<std::string> lines;
    std::istringstream in(ReadAll(path));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The threadsafe death-test style runs this in a fresh copy of the program,
// so the logger is in its start state whatever other tests did.
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
        ::testing::ExitedWithCode(0),
        std::string("^") + kStamp + "\\[WARNING\\] start\\(2\\): shown\n$");
}

class LoggerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/test_log_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir = tmpl;
        log_path = dir + "/launcher.log";
    }
    void TearDown() override
    {
        Logger::Destroy();
        ASSERT_EQ(system(("rm -rf '" + dir + "'").c_str()), 0);
    }

    void Start(const std::string& levels, int rotate_cnt = 50)
    {
        const std::string level_path = dir + "/launcher.debug";
        std::ofstream(level_path) << levels;
        ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, log_path.c_str(), level_path.c_str(),
                                     rotate_cnt), 0);
    }

    std::string dir, log_path;
};

TEST_F(LoggerTest, LevelFileFiltersEachComponent)
{
    Start("filter_debug=7\nletters_debug=abc\n");
    Logger::LogMsg(Logger::L_DEBUG, "filter_debug", "[DEBUG] t(%d): A\n", 1);
    Logger::LogMsg(Logger::L_DEBUG, "unnamed_debug", "B\n");
    Logger::LogMsg(Logger::L_WARNING, "unnamed_debug", "[WARNING] t(%d): C\n", 3);
    Logger::LogMsg(Logger::L_NOTICE, "unnamed_debug", "D\n");
    Logger::LogMsg(Logger::L_ALERT, "letters_debug", "E\n");
    Logger::LogMsg(Logger::L_EMERG, "letters_debug", "emerg F\n");
    Logger::LogMsg(Logger::L_NOTICE, "default_component", "G\n");

    const std::vector<std::string> lines = Lines(log_path);
    const char* const expected[] = {"\\[DEBUG\\] t\\(1\\): A", "\\[WARNING\\] t\\(3\\): C",
                                    "emerg F"};
    ASSERT_EQ(lines.size(), 3u);
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_TRUE(std::regex_match(lines[i], std::regex(kStamp + std::string(expected[i]))))
            << lines[i];
}

TEST_F(LoggerTest, RotationShiftsNumberedFilesAndKeepsLongPathsWhole)
{
    // A folder path well over 1024 bytes: rotated names must not be cut.
    std::string deep = dir;
    for (char c = 'a'; c < 'f'; ++c) {
        deep += "/" + std::string(240, c);
        ASSERT_EQ(mkdir(deep.c_str(), 0700), 0);
    }
    log_path = deep + "/launcher.log";
    for (int i = 0; i < 4; ++i)
        std::ofstream(log_path + "_" + std::to_string(i)) << "old" << i;
    std::ofstream(log_path) << "earlier run\n";  // its 12 bytes count towards the threshold
    Start("", 4);

    const std::string body(1000, 'x');
    int entries = 0;
    while (ReadAll(log_path + "_0") == "old0") {
        ASSERT_LT(entries, 1100) << "no rotation after 1.1 MB";
        Logger::LogMsg(Logger::L_WARNING, "rotate_debug", "%s\n", body.c_str());
        ++entries;
    }
    EXPECT_EQ(entries, (1048576 - 12) / (16 + 1001) + 1);  // time stamp 16 bytes, body 1001

    EXPECT_EQ(ReadAll(log_path + "_0").compare(0, 12, "earlier run\n"), 0);
    EXPECT_EQ(Lines(log_path + "_0").size(), static_cast<size_t>(entries) + 1);
    EXPECT_EQ(ReadAll(log_path + "_1"), "old0");
    EXPECT_EQ(ReadAll(log_path + "_2"), "old1");
    EXPECT_NE(access((log_path + "_3").c_str(), F_OK), 0);  // highest is rotate_cnt - 2
    EXPECT_EQ(ReadAll(log_path), "");
    Logger::LogMsg(Logger::L_WARNING, "rotate_debug", "after rotation\n");
    EXPECT_NE(ReadAll(log_path).find("after rotation"), std::string::npos);
}

// Every run is a new process: the size a log reached in earlier runs must
// count, or the file grows without bound over the years. 4 GiB + 1 byte would
// wrap to 1 in an int counter. A helper process that appends to the file its
// parent opened leaves the rotation to the parent: once per run.
TEST_F(LoggerTest, OversizedLogOfEarlierRunsIsRotatedAtFirstEntry)
{
    for (const off_t size : {off_t(1048576) + 1, (off_t(1) << 32) + 1, off_t(-1048577)}) {
        remove((log_path + "_0").c_str());
        std::ofstream(log_path, std::ios::trunc).close();
        ASSERT_EQ(truncate(log_path.c_str(), size < 0 ? -size : size), 0);  // sparse, costs no disk
        if (size > 0) {
            Start("");
        } else {
            ASSERT_EQ(Logger::InitializeAppending(open(log_path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC), ""), 0);
        }
        Logger::LogMsg(Logger::L_INFO, "size_debug", "filtered out\n");
        EXPECT_NE(access((log_path + "_0").c_str(), F_OK), 0) << size;
        Logger::LogMsg(Logger::L_WARNING, "size_debug", "first entry\n");
        if (size < 0) {
            EXPECT_NE(access((log_path + "_0").c_str(), F_OK), 0);
            EXPECT_EQ(Lines(log_path).size(), 1u);
            continue;
        }

        struct stat st;
        ASSERT_EQ(stat((log_path + "_0").c_str(), &st), 0) << size;
        EXPECT_EQ(st.st_size, size);
        const std::vector<std::string> lines = Lines(log_path);
        ASSERT_EQ(lines.size(), 1u) << size;
        EXPECT_TRUE(std::regex_match(lines[0], std::regex(kStamp + std::string("first entry"))));
    }
}

// Warnings and errors of the log file also reach the system log, at their
// priority, under the launcher's name; lower levels, "system_log=0" and a
// missing or overfull system log leave it without, and never hold up the log.
TEST_F(LoggerTest, WarningsAndErrorsAreCopiedToTheSystemLog)
{
    const int system_log = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    struct sockaddr_un address = {AF_UNIX, {}};
    (dir + "/log").copy(address.sun_path, sizeof(address.sun_path) - 1);
    ASSERT_EQ(bind(system_log, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    const int stream_log = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    (dir + "/stream").copy(address.sun_path, sizeof(address.sun_path) - 1);
    ASSERT_EQ(bind(stream_log, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(listen(stream_log, 1), 0);
    const struct {
        const char* levels;
        Logger::Level level;
        int entries;
        const char *socket, *heard;
    } cases[] = {{"", Logger::L_ERR, 1, "/log", "<11>"}, {"", Logger::L_WARNING, 1, "/log", "<12>"},
                 {"t=7\n", Logger::L_NOTICE, 1, "/log", ""}, {"system_log=0\n", Logger::L_ERR, 1, "/log", ""},
                 {"", Logger::L_ERR, 1, "/none", ""}, {"", Logger::L_ERR, 5000, "/log", "<11>"},
                 {"", Logger::L_ERR, 2, "/stream", "<11>"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.levels) + c.socket + std::to_string(c.level) + "x" + std::to_string(c.entries));
        remove(log_path.c_str());
        Start(c.levels);
        Logger::SetSystemLogSocket((dir + c.socket).c_str());
        for (int i = 0; i < c.entries; ++i)
            Logger::LogMsg(c.level, "t", "[X] t(%d): entry\n", i);
        EXPECT_EQ(Lines(log_path).size(), static_cast<size_t>(c.entries));
        const int heard_on = c.socket == std::string("/stream")
                                 ? accept4(stream_log, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC) : system_log;
        char entry[512] = {};  // on a stream, up to the first entry's end
        const bool heard = recv(heard_on, entry, sizeof(entry) - 1, 0) > 0 &&
                           std::regex_match(entry, std::regex(std::string(c.heard) + "[A-Z][a-z]{2} [ 0-9]{2} "
                                                              "[0-9:]{8} skylet-launcher\\[[0-9]+\\]: \\[X\\] t\\(0\\): entry"));
        EXPECT_EQ(heard, *c.heard != '\0') << entry;
        while (recv(heard_on, entry, sizeof(entry), 0) > 0) {
        }
        if (heard_on != system_log)
            close(heard_on);
    }
    close(stream_log);
}

TEST_F(LoggerTest, FailedInitializeKeepsDestinationAndDestroyStopsOutput)
{
    Start("");
    EXPECT_EQ(Logger::Initialize(Logger::FILE_LOGGER, (dir + "/missing/x.log").c_str(), "", 50),
              -1);
    EXPECT_EQ(Logger::Initialize(Logger::FILE_LOGGER, "", "", 50), -1);
    Logger::LogMsg(Logger::L_ERR, "destroy_debug", "before\n");
    Logger::Destroy();
    Logger::LogMsg(Logger::L_ERR, "destroy_debug", "after\n");
    EXPECT_EQ(Lines(log_path).size(), 1u);
    EXPECT_NE(ReadAll(log_path).find("before"), std::string::npos);

    Start("");
    Logger::LogMsg(Logger::L_ERR, "destroy_debug", "again\n");
    EXPECT_EQ(Lines(log_path).size(), 2u);
}

// The launcher starts the client; that long-lived process must not inherit
// the launcher's log file.
TEST_F(LoggerTest, LogFileIsClosedOnExec)
{
    Start("");
    int log_fd = -1;
    for (int fd = 0; fd < 1024 && log_fd < 0; ++fd) {
        char target[4096];
        const std::string link = "/proc/self/fd/" + std::to_string(fd);
        const ssize_t n = readlink(link.c_str(), target, sizeof(target));
        if (n > 0 && std::string(target, static_cast<size_t>(n)) == log_path)
            log_fd = fd;
    }
    ASSERT_GE(log_fd, 0);
    EXPECT_TRUE(fcntl(log_fd, F_GETFD) & FD_CLOEXEC);
}

TEST_F(LoggerTest, EntriesOfThreadsNeverInterleave)
{
    Start("");
    const int kThreads = 4, kEntries = 200;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t] {
            const std::string body(300, static_cast<char>('a' + t));
            for (int i = 0; i < kEntries; ++i)  // stamp and two pieces per entry
                Logger::LogMsg(Logger::L_WARNING, "thread_debug", "%s%s\n", body.c_str(),
                               body.c_str());
        });
    for (std::thread& th : threads)
        th.join();

    const std::vector<std::string> lines = Lines(log_path);
    ASSERT_EQ(lines.size(), static_cast<size_t>(kThreads * kEntries));
    for (const std::string& line : lines) {
        ASSERT_EQ(line.size(), 16u + 600u) << line.substr(0, 80);
        ASSERT_TRUE(std::regex_match(line.substr(0, 16), std::regex(kStamp)));
        ASSERT_EQ(line.substr(16), std::string(600, line[16]));
    }
}

// Launchers of the same user append to one log. An entry longer than the
// stdio buffer must still reach the file whole, not in pieces another
// process can land between.
TEST_F(LoggerTest, LongEntriesOfProcessesNeverInterleave)
{
    const int kProcesses = 4, kEntries = 50;
    auto body_size = [](char c) { return 8192 + (c - 'a') * 3072; };  // 8..17 KiB
    int ready[2], go[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(go), 0);
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // All open the still empty file, so each counts only its own
            // entries (under 1 MiB): no rotation during the test.
            const char c = static_cast<char>('a' + p);
            const std::string body(body_size(c), c);
            if (Logger::Initialize(Logger::FILE_LOGGER, log_path.c_str(), "", 50) != 0)
                _exit(1);
            char byte = 0;
            close(go[1]);
            if (write(ready[1], &byte, 1) != 1 || read(go[0], &byte, 1) != 0)
                _exit(2);
            for (int i = 0; i < kEntries; ++i)
                Logger::LogMsg(Logger::L_WARNING, "process_debug", "%s\n", body.c_str());
            _exit(0);
        }
        children.push_back(pid);
    }
    // Release the writers together once every one of them has opened the log.
    for (int p = 0; p < kProcesses; ++p) {
        char byte;
        ASSERT_EQ(read(ready[0], &byte, 1), 1);
    }
    close(go[1]);
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    close(go[0]);
    close(ready[0]);
    close(ready[1]);

    ASSERT_NE(access((log_path + "_0").c_str(), F_OK), 0);
    std::map<char, int> per_writer;
    for (const std::string& line : Lines(log_path)) {
        ASSERT_GE(line.size(), 17u);
        ASSERT_TRUE(std::regex_match(line.substr(0, 16), std::regex(kStamp)))
            << line.substr(0, 80);
        const char c = line[16];
        ASSERT_TRUE(c >= 'a' && c < 'a' + kProcesses) << line.substr(0, 80);
        const size_t foreign = line.find_first_not_of(c, 16);
        ASSERT_TRUE(line.size() == 16u + body_size(c) && foreign == std::string::npos)
            << "torn entry of " << c << ": " << line.size() << " bytes, foreign byte at "
            << foreign;
        ++per_writer[c];
    }
    for (int p = 0; p < kProcesses; ++p)
        EXPECT_EQ(per_writer[static_cast<char>('a' + p)], kEntries);
}


// A small tmpfs of its own, so the disk can be filled and freed at will.
class FullDiskTest : public LoggerTest {
protected:
    void SetUp() override
    {
        LoggerTest::SetUp();
        disk = dir + "/disk";
        ASSERT_EQ(mkdir(disk.c_str(), 0700), 0);
        if (mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=512k") != 0) {
            if (errno == EPERM) {
                GTEST_SKIP() << "mounting a tmpfs needs root: " << strerror(errno);
            }
            FAIL() << "mount: " << strerror(errno);
        }
        mounted = true;
        log_path = disk + "/launcher.log";
    }
    void TearDown() override
    {
        Logger::Destroy();
        if (mounted) {
            EXPECT_EQ(umount(disk.c_str()), 0) << strerror(errno);
        }
        LoggerTest::TearDown();
    }

    void Fill()
    {
        const int fd = open((disk + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        const std::string block(65536, 'f');
        while (write(fd, block.data(), block.size()) > 0) {
        }
        EXPECT_EQ(errno, ENOSPC);
        close(fd);
    }
    void Free() { ASSERT_EQ(unlink((disk + "/filler").c_str()), 0); }

    // The log's lines without their time stamps, which must be there.
    std::vector<std::string> Texts()
    {
        std::vector<std::string> texts;
        for (const std::string& line : Lines(log_path)) {
            EXPECT_TRUE(std::regex_match(line.substr(0, 16), std::regex(kStamp))) << line;
            texts.push_back(line.substr(std::min<size_t>(16, line.size())));
        }
        return texts;
    }

    std::string disk;
    bool mounted = false;
};

// The cause of a failed upgrade is logged while the disk is full; it must
// reach the log once the rollback has freed the space.
TEST_F(FullDiskTest, EntriesOfAFullDiskFollowOnceThereIsSpace)
{
    Start("");
    Logger::LogMsg(Logger::L_ERR, "disk_debug", "before\n");
    Fill();
    // Fills what is left of the log's last page, the rest has to wait.
    const std::string big(70000, 'b');
    Logger::LogMsg(Logger::L_ERR, "disk_debug", "%s\n", big.c_str());
    Logger::LogMsg(Logger::L_ERR, "disk_debug", "[ERROR] t(%d): cause\n", 1);
    Logger::LogMsg(Logger::L_ERR, "disk_debug", "[ERROR] t(%d): rollback\n", 2);
    Free();
    Logger::LogMsg(Logger::L_ERR, "disk_debug", "[ERROR] t(%d): failed\n", 3);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"before", big, "[ERROR] t(1): cause",
                                                 "[ERROR] t(2): rollback", "[ERROR] t(3): failed"}));

    // Kept entries belong to their destination (the rest of this one never
    // shows up in the next); beyond the bound the oldest go, and the log
    // says how many.
    Fill();
    Logger::LogMsg(Logger::L_ERR, "disk_debug", "%s\n", std::string(70000, 's').c_str());
    log_path = disk + "/second.log";
    Start("");
    for (int i = 0; i < 70; ++i)
        Logger::LogMsg(Logger::L_ERR, "disk_debug", "entry %d\n", i);
    Free();
    Logger::LogMsg(Logger::L_ERR, "disk_debug", "after\n");
    std::vector<std::string> texts = Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_TRUE(std::regex_match(texts[0], std::regex("\\[WARNING\\] log\\([0-9]+\\): 6 log "
                                                      "entries were lost [a-z ]+")))
        << texts[0];
    std::vector<std::string> expected;
    for (int i = 6; i < 70; ++i)
        expected.push_back("entry " + std::to_string(i));
    expected.push_back("after");
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 1, texts.end()), expected);
}

}  // namespace

#include "file/file-op.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "log.h"
#include "unprivileged.h"

namespace fs = std::filesystem;
using testsupport::GiveToNobody;
using testsupport::kNobody;
using testsupport::RunAsNobody;
using testsupport::RunUnprivileged;

namespace {

std::string MakeTempDir(std::string parent)
{
    parent += "/file-op-test-XXXXXX";
    return mkdtemp(&parent[0]) ? parent : std::string();
}

void WriteFile(const std::string& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every test works in its own folder below /tmp (ext4), with a sibling on
// /dev/shm (tmpfs) for moves between file systems. The log goes to a third
// folder so that listings of the work folder stay clean.
class FileOpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        base = MakeTempDir("/tmp");
        shm = MakeTempDir("/dev/shm");
        ASSERT_FALSE(base.empty());
        ASSERT_FALSE(shm.empty());
        dir = base + "/work";
        ASSERT_EQ(0, mkdir(dir.c_str(), 0755));
        chmod(base.c_str(), 0755); // let the unprivileged child walk in
        WriteFile(base + "/levels", "file_op_debug=7\n");
        ASSERT_EQ(0, Logger::Initialize(Logger::FILE_LOGGER, (base + "/op.log").c_str(),
                                        (base + "/levels").c_str(), 50));
    }

    void TearDown() override
    {
        Logger::Destroy();
        std::error_code ec;
        fs::remove_all(base, ec);
        fs::remove_all(shm, ec);
    }

    std::string Log() const { return ReadFile(base + "/op.log"); }
    // Runs `body` with the work folder as the working directory.
    template <class F> auto InWorkDir(F body)
    {
        char cwd[PATH_MAX];
        EXPECT_TRUE(getcwd(cwd, sizeof cwd) && chdir(dir.c_str()) == 0);
        auto result = body();
        EXPECT_EQ(0, chdir(cwd));
        return result;
    }
    std::string P(const std::string& rel) const { return dir + "/" + rel; }

    std::string base, shm, dir;
};

TEST_F(FileOpTest, StatDescribesEntriesAndMissingPaths)
{
    FILE_INFO info;
    EXPECT_EQ(-1, FSStat("", info));

    ASSERT_EQ(0, FSStat(P("missing").c_str(), info));
    EXPECT_FALSE(info.isExist);
    EXPECT_EQ(FT_ERR, info.type);
    EXPECT_STREQ("missing", info.name.c_str());

    WriteFile(P("f"), "12345");
    ASSERT_EQ(0, FSStat(P("f").c_str(), info));
    EXPECT_TRUE(info.isExist);
    EXPECT_EQ(FT_FILE, info.type);
    EXPECT_EQ(5u, info.size);

    // A regular file in the middle of a path is a real failure, not "missing".
    EXPECT_EQ(-2, FSStat(P("f/x").c_str(), info));

    ASSERT_EQ(0, symlink("/nonexistent-target", P("dangling").c_str()));
    ASSERT_EQ(0, FSStat(P("dangling").c_str(), info));
    EXPECT_EQ(FT_SLINK, info.type);
    EXPECT_TRUE(IsFileExist(P("dangling").c_str()));
}

TEST_F(FileOpTest, MKDirAcceptsOnlyDirectoriesAndCreatesChains)
{
    EXPECT_EQ(0, FSMKDir(dir.c_str(), false));

    WriteFile(P("f"), "x");
    EXPECT_EQ(-1, FSMKDir(P("f").c_str(), false));
    EXPECT_NE(std::string::npos, Log().find("local file system is not directory"));

    ASSERT_EQ(0, symlink(dir.c_str(), P("link-to-dir").c_str()));
    EXPECT_EQ(-1, FSMKDir(P("link-to-dir").c_str(), true));

    EXPECT_EQ(-2, FSMKDir(P("a/b/c").c_str(), false));
    EXPECT_FALSE(fs::exists(P("a")));
    EXPECT_EQ(0, FSMKDir(P("a/b/c").c_str(), true));
    EXPECT_TRUE(fs::is_directory(P("a/b/c")));
}

TEST_F(FileOpTest, MKDirPWalksComponents)
{
    EXPECT_EQ(0, FSMKDirP("/", nullptr, false, (mode_t)-1));

    EXPECT_EQ(0, InWorkDir([] { return FSMKDirP("a//b", nullptr, false, (mode_t)-1); }));
    EXPECT_TRUE(fs::is_directory(P("a/b")));

    // An explicit mode is applied exactly, and the umask comes back.
    mode_t before = umask(022);
    EXPECT_EQ(0, FSMKDirP(P("m1/m2").c_str(), nullptr, false, 0707));
    EXPECT_EQ(022u, umask(before));
    EXPECT_EQ(fs::perms(0707), fs::status(P("m1/m2")).permissions());
}

TEST_F(FileOpTest, MKDirPHandlesNonDirectoriesOnTheWay)
{
    WriteFile(P("f"), "x");
    const ustring path = P("f/x/y").c_str();
    char* end = nullptr;
    EXPECT_EQ(-1, FSMKDirP(path, &end, false, (mode_t)-1));
    // Stopped at "x", which cannot be made below a file.
    EXPECT_EQ(path.c_str() + path.length() - 2, end);
    EXPECT_NE(std::string::npos, Log().find("FSMKDirP: path: " + P("f") +
                                            " is symbolic link pointed to folder"));
    EXPECT_TRUE(fs::is_regular_file(P("f")));

    errno = 0;
    EXPECT_EQ(-1, FSMKDirP(P("f").c_str(), &end, false, (mode_t)-1));
    EXPECT_EQ(EEXIST, errno);

    EXPECT_EQ(0, FSMKDirP(path, &end, true, (mode_t)-1));
    EXPECT_EQ(path.c_str() + path.length(), end);
    EXPECT_TRUE(fs::is_directory(P("f/x/y")));
}

TEST_F(FileOpTest, CopyCopiesBytesAndCanDropTheSource)
{
    std::string content(3 * 1024 * 1024 + 7, '\0');
    for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 31 % 251);
    WriteFile(P("src"), content);

    EXPECT_EQ(0, FSCopy(P("src").c_str(), P("dst").c_str(), false));
    EXPECT_EQ(content, ReadFile(P("dst")));

    WriteFile(P("dst"), std::string(content.size() * 2, 'z')); // must be truncated
    EXPECT_EQ(0, FSCopy(P("src").c_str(), P("dst").c_str(), true));
    EXPECT_EQ(content, ReadFile(P("dst")));
    EXPECT_FALSE(fs::exists(P("src")));

    EXPECT_EQ(-1, FSCopy(P("missing").c_str(), P("d2").c_str(), false));
    EXPECT_FALSE(fs::exists(P("d2")));
}

TEST_F(FileOpTest, CopyRefusesItsOwnSourceAndDirectories)
{
    WriteFile(P("f"), "precious");
    ASSERT_EQ(0, symlink(P("f").c_str(), P("alias").c_str()));
    ASSERT_EQ(0, link(P("f").c_str(), P("hard").c_str()));
    EXPECT_EQ(-1, FSCopy(P("f").c_str(), P("f").c_str(), false));
    EXPECT_EQ(-1, FSCopy(P("f").c_str(), P("alias").c_str(), true));
    EXPECT_EQ(-1, FSCopy(P("hard").c_str(), P("f").c_str(), true));
    EXPECT_EQ("precious", ReadFile(P("f")));
    EXPECT_TRUE(fs::exists(P("hard")));

    ASSERT_EQ(0, mkdir(P("d").c_str(), 0755));
    EXPECT_EQ(-1, FSCopy(P("d").c_str(), P("out").c_str(), true));
    EXPECT_NE(std::string::npos, Log().find("CopyFile: read: "));
    EXPECT_EQ(0u, fs::file_size(P("out")));
}

TEST_F(FileOpTest, RenameWithinOneFileSystem)
{
    EXPECT_EQ(-1, FSRename("", P("x").c_str()));
    EXPECT_EQ(-2, FSRename(P("missing").c_str(), P("x").c_str()));

    WriteFile(P("a"), "A");
    EXPECT_EQ(-3, FSRename(P("a").c_str(), P("no-such-dir/a").c_str()));
    EXPECT_EQ(0, FSRename(P("a").c_str(), P("b").c_str()));
    EXPECT_EQ("A", ReadFile(P("b")));
    EXPECT_FALSE(fs::exists(P("a")));
}

TEST_F(FileOpTest, RenameAcrossFileSystemsMovesFilesTreesAndLinks)
{
    WriteFile(P("file"), "content");
    EXPECT_EQ(0, FSRename(P("file").c_str(), (shm + "/file").c_str()));
    EXPECT_EQ("content", ReadFile(shm + "/file"));
    EXPECT_FALSE(fs::exists(P("file")));

    ASSERT_EQ(0, mkdir(P("tree").c_str(), 0755));
    ASSERT_EQ(0, mkdir(P("tree/sub").c_str(), 0755));
    WriteFile(P("tree/sub/leaf"), "leaf");
    ASSERT_EQ(0, symlink("sub/leaf", P("tree/link").c_str()));
    EXPECT_EQ(0, FSRename(P("tree").c_str(), (shm + "/tree").c_str()));
    EXPECT_FALSE(fs::exists(P("tree")));
    EXPECT_EQ("leaf", ReadFile(shm + "/tree/sub/leaf"));
    ASSERT_TRUE(fs::is_symlink(shm + "/tree/link"));
    EXPECT_EQ("sub/leaf", fs::read_symlink(shm + "/tree/link").string());

    ASSERT_EQ(0, symlink("/nowhere", P("lonely").c_str()));
    EXPECT_EQ(0, FSRename(P("lonely").c_str(), (shm + "/lonely").c_str()));
    EXPECT_EQ("/nowhere", fs::read_symlink(shm + "/lonely").string());
    EXPECT_FALSE(fs::is_symlink(P("lonely")));

    // Neither file, folder nor link: refused and left where it is.
    ASSERT_EQ(0, mkfifo(P("pipe").c_str(), 0644));
    EXPECT_EQ(-3, FSRename(P("pipe").c_str(), (shm + "/pipe").c_str()));
    EXPECT_TRUE(fs::is_fifo(P("pipe")));
}

TEST_F(FileOpTest, RemoveDeletesTreeButNotWhatLinksPointAt)
{
    EXPECT_EQ(-1, FSRemove(""));
    EXPECT_EQ(0, FSRemove(P("missing").c_str()));

    ASSERT_EQ(0, mkdir(P("outside").c_str(), 0755));
    WriteFile(P("outside/keep"), "keep");
    ASSERT_EQ(0, mkdir(P("tree").c_str(), 0755));
    ASSERT_EQ(0, mkdir(P("tree/d").c_str(), 0755));
    WriteFile(P("tree/d/f"), "f");
    ASSERT_EQ(0, symlink(P("outside").c_str(), P("tree/d/out").c_str()));

    EXPECT_EQ(0, FSRemove(P("tree").c_str()));
    EXPECT_FALSE(fs::exists(P("tree")));
    EXPECT_EQ("keep", ReadFile(P("outside/keep")));
}

// Extracting a package can make a tree no path can name whole. Built
// relative to descriptors: 300 levels of 20-character names are far beyond
// PATH_MAX, and removed under a descriptor limit well below the depth.
TEST_F(FileOpTest, RemoveDeletesTreeDeeperThanPathMax)
{
    ASSERT_EQ(0, mkdir(P("outside").c_str(), 0755));
    WriteFile(P("outside/keep"), "keep");
    ASSERT_EQ(0, mkdir(P("tree").c_str(), 0755));
    const int kLevels = 300;
    const std::string name(20, 'n');
    int fd = open(P("tree").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    for (int i = 0; i < kLevels; ++i) {
        int file = openat(fd, "file", O_WRONLY | O_CREAT, 0644);
        ASSERT_EQ(1, write(file, "x", 1));
        close(file);
        if (i % 60 == 0) {
            ASSERT_EQ(0, symlinkat(P("outside").c_str(), fd, "out"));
            ASSERT_EQ(0, symlinkat((P("outside") + "/keep").c_str(), fd, "keep"));
        }
        ASSERT_EQ(0, mkdirat(fd, name.c_str(), 0755));
        int child = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
        close(fd);
        ASSERT_GE(child, 0) << i;
        fd = child;
    }
    close(fd);

    struct rlimit limit;
    ASSERT_EQ(0, getrlimit(RLIMIT_NOFILE, &limit));
    struct rlimit low = limit;
    low.rlim_cur = 128;
    ASSERT_EQ(0, setrlimit(RLIMIT_NOFILE, &low));
    const int rc = FSRemove(P("tree").c_str());
    ASSERT_EQ(0, setrlimit(RLIMIT_NOFILE, &limit));
    EXPECT_EQ(0, rc) << Log();
    EXPECT_FALSE(fs::exists(fs::symlink_status(P("tree"))));
    EXPECT_EQ("keep", ReadFile(P("outside/keep")));
}

// A package may ship folders its owner cannot change (0555, 0500) or even
// list (0000), at the top and anywhere below, deeper than the walk keeps
// open. Their owner removes them all the same; links in them lead to a
// read-only folder outside, which keeps its mode and contents.
TEST_F(FileOpTest, RemoveDoesNotDependOnFolderModes)
{
    enum Kind { kDir, kFile, kLink };
    struct Entry {
        std::string path; // below the top
        Kind kind;
        mode_t mode;      // folders only
    };
    struct Case {
        const char* name;
        mode_t topMode;
        std::vector<Entry> entries; // parents before children
    };
    // More levels than the walk keeps open, alternately unreadable and
    // read-only, so that climbing back through ".." meets both.
    std::vector<Entry> chain;
    std::string deep;
    for (int i = 0; i < 70; ++i) {
        deep += deep.empty() ? "c" : "/c";
        chain.push_back({deep, kDir, i % 2 == 0 ? mode_t(0000) : mode_t(0500)});
        chain.push_back({deep + "/f", kFile, 0});
        if (i % 10 == 0) chain.push_back({deep + "/out", kLink, 0});
    }
    const std::vector<Case> cases = {
        {"unreadable folder holding a file and a folder", 0755,
         {{"d", kDir, 0000},
          {"d/f", kFile, 0},
          {"d/sub", kDir, 0755},
          {"d/sub/g", kFile, 0},
          {"d/sub/out", kLink, 0}}},
        {"0500 below 0000", 0755,
         {{"a", kDir, 0000}, {"a/b", kDir, 0500}, {"a/b/f", kFile, 0}, {"a/b/out", kLink, 0}}},
        {"unreadable top", 0000, {{"f", kFile, 0}, {"sub", kDir, 0555}, {"sub/g", kFile, 0}, {"out", kLink, 0}}},
        {"deep chain", 0755, chain},
    };

    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        const std::string home = P("case" + std::to_string(i));
        const std::string top = home + "/tree", outside = home + "/outside";
        ASSERT_EQ(0, mkdir(home.c_str(), 0755));
        ASSERT_EQ(0, mkdir(outside.c_str(), 0755));
        WriteFile(outside + "/keep", "keep");
        ASSERT_EQ(0, mkdir(top.c_str(), 0755));
        for (const Entry& e : c.entries) {
            const std::string path = top + "/" + e.path;
            switch (e.kind) {
            case kDir: ASSERT_EQ(0, mkdir(path.c_str(), 0755)) << e.path; break;
            case kFile: WriteFile(path, "x"); break;
            case kLink: ASSERT_EQ(0, symlink(outside.c_str(), path.c_str())) << e.path; break;
            }
        }
        // Children first: a folder closed to us cannot have its children's
        // modes set any more.
        for (auto e = c.entries.rbegin(); e != c.entries.rend(); ++e) {
            if (e->kind == kDir) {
                ASSERT_EQ(0, chmod((top + "/" + e->path).c_str(), e->mode)) << e->path;
            }
        }
        ASSERT_EQ(0, chmod(top.c_str(), c.topMode));
        ASSERT_EQ(0, chmod(outside.c_str(), 0555));
        GiveToNobody(home);

        const ustring path = top.c_str();
        EXPECT_EQ(0, RunUnprivileged([&] { return -FSRemove(path); })) << Log();
        EXPECT_FALSE(fs::exists(fs::symlink_status(top)));
        struct stat st;
        ASSERT_EQ(0, lstat(outside.c_str(), &st));
        EXPECT_EQ(0555u, st.st_mode & 07777);
        EXPECT_EQ(std::vector<fs::path>{outside + "/keep"},
                  std::vector<fs::path>(fs::directory_iterator(outside), {}));
        EXPECT_EQ("keep", ReadFile(outside + "/keep"));
        chmod(outside.c_str(), 0755); // so that TearDown can clear it without root
    }
}

TEST_F(FileOpTest, PermissionDeniedIsAFailureNotAbsence)
{
    ASSERT_EQ(0, mkdir(P("closed").c_str(), 0700));
    WriteFile(P("closed/f"), "x");
    ASSERT_EQ(0, mkdir(P("unlistable").c_str(), 0300));
    ASSERT_EQ(0, chown(P("unlistable").c_str(), kNobody, kNobody));
    const ustring closed = P("closed/f").c_str(), unlistable = P("unlistable").c_str();
    EXPECT_EQ(0, RunAsNobody([&] {
        FILE_INFO info;
        return FSStat(closed, info) == -2 && !IsFileExist(closed) && FSRemove(unlistable) == -3
                   ? 0 : 1;
    }));
    EXPECT_TRUE(fs::is_directory(P("unlistable")));
}

TEST_F(FileOpTest, ReadDirListsEverythingWithTypes)
{
    ASSERT_EQ(0, mkdir(P("d").c_str(), 0755));
    WriteFile(P("d/f"), "1234");
    ASSERT_EQ(0, mkdir(P("d/sub").c_str(), 0755));

    DIR_HANDLE dh;
    EXPECT_EQ(-1, FSOpenDir(P("missing").c_str(), 1, dh));
    EXPECT_EQ(nullptr, dh.dp);

    ASSERT_EQ(0, FSOpenDir(P("d").c_str(), 1, dh));
    std::map<std::string, FILE_TYPE> types;
    std::map<std::string, uint64_t> sizes;
    DIR_ENTRY e;
    int rc;
    while ((rc = FSReadDir(dh, e)) == 1) {
        types[e.name.c_str()] = e.type;
        sizes[e.name.c_str()] = e.size;
        EXPECT_NE(0u, e.mtime);
    }
    EXPECT_EQ(0, rc);
    EXPECT_EQ(4u, sizes["f"]);
    FSCloseDir(dh);
    EXPECT_EQ(nullptr, dh.dp);
    EXPECT_EQ((std::map<std::string, FILE_TYPE>{
                  {".", FT_DIR}, {"..", FT_DIR}, {"f", FT_FILE}, {"sub", FT_DIR}}),
              types);
}

TEST_F(FileOpTest, PathHelpers)
{
    EXPECT_STREQ("b", FSBaseName("/a/b").c_str());
    EXPECT_STREQ("", FSBaseName("/a/b/").c_str());
    EXPECT_STREQ("/a", FSParentPath("/a/b").c_str());
    EXPECT_STREQ("/", FSParentPath("/a").c_str());
    EXPECT_TRUE(FSIsParentFolder("/a", "/a"));
    EXPECT_TRUE(FSIsParentFolder("/a", "/a/b"));
    EXPECT_FALSE(FSIsParentFolder("/a", "/ab"));
    EXPECT_FALSE(FSIsParentFolder("/a/", "/a/b"));
    EXPECT_FALSE(FSIsParentFolder("/a/b", "/a"));
}

TEST_F(FileOpTest, MKDirFromRootCreatesBelowRootOnly)
{
    EXPECT_EQ(0, FSMKDirFromRoot(P("a/b").c_str(), dir.c_str()));
    EXPECT_TRUE(fs::is_directory(P("a/b")));
    EXPECT_EQ(0, FSMKDirFromRoot(dir.c_str(), dir.c_str()));
    EXPECT_EQ(-1, FSMKDirFromRoot(P("x").c_str(), P("xyz").c_str()));
    EXPECT_EQ(-1, FSMKDirFromRoot(P("abc/d").c_str(), P("ab").c_str()));
    EXPECT_FALSE(fs::exists(P("abc")));
}

TEST_F(FileOpTest, SymbolicLinksAndOwnership)
{
    // The longest target Linux stores: one byte short of the page.
    std::string target(4095, 'x');
    for (size_t i = 100; i < target.size(); i += 100) target[i] = '/';
    EXPECT_EQ(0, FSCreateSymbolicLink(target.c_str(), P("long").c_str()));
    ustring read;
    ASSERT_EQ(0, FSReadSymbolicLink(P("long").c_str(), read));
    EXPECT_EQ(target, std::string(read.c_str()));

    // A relative path means the working folder; the link itself changes.
    WriteFile(P("f"), "x");
    ASSERT_EQ(0, symlink("f", P("lf").c_str()));
    EXPECT_EQ(0, InWorkDir([] { return FSChown("lf", kNobody, kNobody); }));
    struct stat st;
    ASSERT_EQ(0, lstat(P("lf").c_str(), &st));
    EXPECT_EQ(kNobody, st.st_uid);
    ASSERT_EQ(0, stat(P("f").c_str(), &st));
    EXPECT_EQ(0u, st.st_uid);
}

} // namespace

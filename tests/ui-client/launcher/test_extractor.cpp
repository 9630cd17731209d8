// Extractor against real archives written with libarchive.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

#include <QObject>

#include "adapter.h"
#include "archive_builder.h"
#include "extractor.h"
#include "log_capture.h"
#include "temp_dir.h"
#include "tree_snapshot.h"
#include "texts/strtab.h"

using namespace testsupport;

namespace {

class StrTableEnvironment : public ::testing::Environment {
public:
    void SetUp() override { StrTable::InitStrTable(); }
};
::testing::Environment* const strtab_env =
    ::testing::AddGlobalTestEnvironment(new StrTableEnvironment);

class ExtractorTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        log.reset(new LogCapture(tmp.Path()));
        ASSERT_TRUE(log->Ok());
        target = tmp.Path("target");
        ASSERT_TRUE(MakeDirs(target));
        connections.push_back(QObject::connect(
            &Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateProgress,
            [this](int total, int step) { progress.emplace_back(total, step); }));
        connections.push_back(QObject::connect(
            &Notify_Adapter::GetInstance(), &Notify_Adapter::sigUpdateDialogText,
            [this](QString text) { texts.push_back(text); }));
    }
    void TearDown() override
    {
        for (const auto& c : connections) {
            QObject::disconnect(c);
        }
        log.reset();
    }

    int Extract(const ArchiveBuilder& builder, ArchiveBuilder::Format format = ArchiveBuilder::TarGz)
    {
        std::string archive = tmp.Path("package.vpk");
        EXPECT_TRUE(builder.Write(archive, format));
        Extractor extractor;
        extractor.SetSource(archive.c_str());
        extractor.SetTarget(target.c_str());
        return extractor.Extract();
    }

    std::unique_ptr<LogCapture> log;
    std::string target;
    std::vector<std::pair<int, int>> progress;
    std::vector<QString> texts;
    std::vector<QMetaObject::Connection> connections;
};

TEST_F(ExtractorTest, EveryFormatExtractsAndReportsEachEntry)
{
    for (auto format : {ArchiveBuilder::Tar, ArchiveBuilder::TarGz, ArchiveBuilder::Zip}) {
        SCOPED_TRACE(format);
        RemoveTree(target);
        progress.clear();
        texts.clear();
        ArchiveBuilder b;
        b.Dir("a").File("a/b.txt", "bee").File("bin/tool", "#!/bin/sh\n", 0755);
        ASSERT_EQ(Extract(b, format), 0);
        EXPECT_EQ(ReadFile(target + "/a/b.txt"), "bee");
        EXPECT_EQ(access((target + "/bin/tool").c_str(), X_OK), 0);
        EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{3, 1}, {3, 2}, {3, 3}}));
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0], StrTable::LoadStr(StrTable::desc_skyl_env_preparing));
    }
    EXPECT_EQ(log->Count("[DEBUG] extractor("), 3);
}

TEST_F(ExtractorTest, CountAndListSeeEveryEntry)
{
    ArchiveBuilder b;
    b.Dir("d").File("d/x", "1").Symlink("d/l", "x");
    ASSERT_TRUE(b.Write(tmp.Path("p.tar"), ArchiveBuilder::Tar));
    Extractor e;
    e.SetSource(tmp.Path("p.tar").c_str());
    EXPECT_EQ(e.Count(), -1);  // the target is required as well
    e.SetTarget(target.c_str());
    EXPECT_EQ(e.Count(), 3);
    testing::internal::CaptureStdout();
    EXPECT_EQ(e.List(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "d/\nd/x\nd/l\n");
    EXPECT_EQ(log->Count("[ERROR] extractor("), 1);
    EXPECT_EQ(log->Count("Invalid argument"), 1);
}

TEST_F(ExtractorTest, EmptyMissingOrUnsetSourceFails)
{
    EXPECT_EQ(Extract(ArchiveBuilder()), -1);
    EXPECT_EQ(log->Count("Failed to calculate total file numbers, ret: 0"), 1);

    Extractor e;
    e.SetTarget(target.c_str());
    e.SetSource(tmp.Path("absent.vpk").c_str());
    EXPECT_EQ(e.Extract(), -1);
    EXPECT_EQ(log->Count("archive_read_open_filename failed: '"), 1);
    EXPECT_EQ(log->Count("Failed to calculate total file numbers, ret: -1"), 1);
    EXPECT_EQ(texts.size(), 2u);

    Extractor unset;
    unset.SetSource(tmp.Path("absent.vpk").c_str());
    EXPECT_EQ(unset.Extract(), -1);
    EXPECT_EQ(log->Count("[ERROR] extractor(") - log->Count("Invalid Argument"), 3);
    EXPECT_EQ(log->Count("Invalid Argument"), 1);
    EXPECT_EQ(texts.size(), 2u);
    EXPECT_TRUE(progress.empty());
    EXPECT_TRUE(SnapshotTree(target).empty());
}

TEST_F(ExtractorTest, DotDotIsRefusedAndAbsoluteNamesStayInside)
{
    ArchiveBuilder b;
    b.File("/etc/x", "abs").File("a.txt", "a").File("../evil.txt", "e").File("z.txt", "z");
    EXPECT_EQ(Extract(b), -1);
    EXPECT_EQ(ReadFile(target + "/etc/x"), "abs");
    EXPECT_TRUE(PathExists(target + "/a.txt"));
    EXPECT_FALSE(PathExists(tmp.Path("evil.txt")));
    EXPECT_FALSE(PathExists(target + "/z.txt"));
    EXPECT_EQ(log->Count("archive_read_extract2 failed: '"), 1);
    EXPECT_EQ(progress.size(), 2u);
}

TEST_F(ExtractorTest, HardLinkTargetIsInsideTheNewCopy)
{
    ArchiveBuilder b;
    b.File("data/f", "payload").HardLink("data/h", "data/f");
    // Run from a folder without data/f, so a link resolved against the
    // working directory would fail instead of passing by chance.
    char* old_cwd = getcwd(nullptr, 0);
    ASSERT_EQ(chdir(tmp.Path().c_str()), 0);
    int result = Extract(b, ArchiveBuilder::Tar);
    ASSERT_EQ(chdir(old_cwd), 0);
    free(old_cwd);
    ASSERT_EQ(result, 0);
    struct stat a, h;
    ASSERT_EQ(stat((target + "/data/f").c_str(), &a), 0);
    ASSERT_EQ(stat((target + "/data/h").c_str(), &h), 0);
    EXPECT_EQ(a.st_ino, h.st_ino);
}

TEST_F(ExtractorTest, EntriesThroughSymbolicLinksAreRefused)
{
    const std::string outside = tmp.Path("outside");
    ASSERT_TRUE(WriteFile(outside + "/secret", "s"));
    struct Case {
        const char* name;
        ArchiveBuilder archive;
    };
    std::vector<Case> cases;
    cases.push_back({"file below a link", ArchiveBuilder().Symlink("lnk", outside).File("lnk/pwned", "x")});
    cases.push_back({"folder on a link", ArchiveBuilder().Symlink("lnk", outside).Dir("lnk")});
    cases.push_back({"folder replaced by a link",
                     ArchiveBuilder().Dir("e").File("e2/f", "1").Symlink("e", outside).File("e/pwned", "x")});
    cases.push_back({"hard link through a link",
                     ArchiveBuilder().Symlink("lnk", outside).HardLink("h", "lnk/secret")});
    cases.push_back({"link already in the target", ArchiveBuilder().File("pre/pwned", "x")});
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        RemoveTree(target);
        MakeDirs(target);
        if (std::string(c.name) == "link already in the target") {
            ASSERT_EQ(symlink(outside.c_str(), (target + "/pre").c_str()), 0);
        }
        int errors_before = log->Count("passes through the symbolic link");
        EXPECT_EQ(Extract(c.archive, ArchiveBuilder::Tar), -1);
        EXPECT_EQ(log->Count("passes through the symbolic link"), errors_before + 1);
        EXPECT_FALSE(PathExists(outside + "/pwned"));
        EXPECT_FALSE(PathExists(target + "/h"));
        EXPECT_EQ(ReadFile(outside + "/secret"), "s");
    }
}

TEST_F(ExtractorTest, TargetReachedThroughALinkIsFine)
{
    ASSERT_TRUE(MakeDirs(tmp.Path("real/app")));
    ASSERT_EQ(symlink(tmp.Path("real").c_str(), tmp.Path("via").c_str()), 0);
    target = tmp.Path("via/app");
    ArchiveBuilder b;
    b.Dir("d").File("d/x", "1").Symlink("d/rel", "x").File("d/sub/y", "2");
    EXPECT_EQ(Extract(b), 0);
    EXPECT_EQ(ReadFile(tmp.Path("real/app/d/sub/y")), "2");
    EXPECT_EQ(ReadFile(tmp.Path("real/app/d/rel")), "1");
}

}  // namespace

// Extractor against real archives written with libarchive.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <utility>
#include <vector>

#include "adapter.h"
#include "archive_builder.h"
#include "extractor.h"
#include "log_capture.h"
#include "temp_dir.h"
#include "texts/strtab.h"
#include "tree_snapshot.h"

using namespace testsupport;

namespace {

class StrTableEnvironment : public ::testing::Environment {
public:
    void SetUp() override { StrTable::InitStrTable(); }
};
::testing::Environment* const strtab_env = ::testing::AddGlobalTestEnvironment(new StrTableEnvironment);

class ExtractorTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        log.reset(new LogCapture(tmp.Path()));
        ASSERT_TRUE(log->Ok());
        target = tmp.Path("target");
        Notify_Adapter& adapter = Notify_Adapter::GetInstance();
        connections.push_back(QObject::connect(&adapter, &Notify_Adapter::sigUpdateProgress,
            [this](int total, int step) { progress.emplace_back(total, step); }));
        connections.push_back(QObject::connect(&adapter, &Notify_Adapter::sigUpdateDialogText,
            [this](QString text) { texts.push_back(text); }));
    }
    void TearDown() override
    {
        for (const auto& c : connections) {
            QObject::disconnect(c);
        }
    }

    int Extract(const ArchiveBuilder& builder, ArchiveBuilder::Format format = ArchiveBuilder::Tar)
    {
        EXPECT_TRUE(builder.Write(tmp.Path("package.vpk"), format));
        Extractor extractor;
        extractor.SetSource(tmp.Path("package.vpk").c_str());
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
        ASSERT_EQ(Extract(ArchiveBuilder().Dir("a").File("a/b.txt", "bee").File("bin/t", "#!\n", 0755),
                          format), 0);
        EXPECT_EQ(ReadFile(target + "/a/b.txt"), "bee");
        EXPECT_EQ(access((target + "/bin/t").c_str(), X_OK), 0);
        EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{3, 1}, {3, 2}, {3, 3}}));
        EXPECT_EQ(texts, std::vector<QString>{StrTable::LoadStr(StrTable::desc_skyl_env_preparing)});
    }
    EXPECT_EQ(log->Count("[DEBUG] extractor("), 3);
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

    Extractor unset;
    unset.SetSource(tmp.Path("absent.vpk").c_str());
    EXPECT_EQ(unset.Extract(), -1);
    EXPECT_EQ(unset.Count(), -1);
    EXPECT_EQ(log->Count("Invalid Argument"), 1);
    EXPECT_EQ(log->Count("Invalid argument"), 1);
    EXPECT_EQ(texts.size(), 2u);  // not for the unset extractor
    EXPECT_TRUE(progress.empty());
    EXPECT_TRUE(SnapshotTree(target).empty());
}

TEST_F(ExtractorTest, DotDotIsRefusedAndAbsoluteNamesStayInside)
{
    EXPECT_EQ(Extract(ArchiveBuilder().File("/etc/x", "abs").File("a", "a").File("../evil", "e").File("z", "z"),
                      ArchiveBuilder::TarGz), -1);
    EXPECT_EQ(ReadFile(target + "/etc/x"), "abs");
    EXPECT_TRUE(PathExists(target + "/a"));
    EXPECT_FALSE(PathExists(tmp.Path("evil")));
    EXPECT_FALSE(PathExists(target + "/z"));
    EXPECT_EQ(log->Count("archive_read_extract2 failed: '"), 1);
    EXPECT_EQ(progress.size(), 2u);
}

TEST_F(ExtractorTest, HardLinkTargetIsInsideTheNewCopy)
{
    // Run from a folder without data/f, so that a link resolved against the
    // working directory fails instead of passing by chance.
    char* old_cwd = getcwd(nullptr, 0);
    ASSERT_EQ(chdir(tmp.Path().c_str()), 0);
    int result = Extract(ArchiveBuilder().File("data/f", "payload").HardLink("data/h", "data/f"));
    ASSERT_EQ(chdir(old_cwd), 0);
    free(old_cwd);
    ASSERT_EQ(result, 0);
    struct stat f, h;
    ASSERT_EQ(stat((target + "/data/f").c_str(), &f), 0);
    ASSERT_EQ(stat((target + "/data/h").c_str(), &h), 0);
    EXPECT_EQ(f.st_ino, h.st_ino);
}

TEST_F(ExtractorTest, EntriesThroughSymbolicLinksAreRefused)
{
    const std::string out = tmp.Path("outside");
    ASSERT_TRUE(WriteFile(out + "/secret", "s"));
    const std::pair<const char*, ArchiveBuilder> cases[] = {
        {"file below a link", ArchiveBuilder().Symlink("l", out).File("l/pwned", "x")},
        {"folder on a link", ArchiveBuilder().Symlink("l", out).Dir("l")},
        {"folder replaced by a link", ArchiveBuilder().Dir("e").File("f", "1").Symlink("e", out).File("e/pwned", "x")},
        {"hard link through a link", ArchiveBuilder().Symlink("l", out).HardLink("h", "l/secret")},
        {"link already in the target", ArchiveBuilder().File("pre/pwned", "x")},
    };
    int refusals = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        RemoveTree(target);
        ASSERT_TRUE(MakeDirs(target));
        ASSERT_EQ(symlink(out.c_str(), (target + "/pre").c_str()), 0);
        EXPECT_EQ(Extract(c.second), -1);
        EXPECT_EQ(log->Count("passes through the symbolic link"), ++refusals);
        EXPECT_FALSE(PathExists(out + "/pwned"));
        EXPECT_FALSE(PathExists(target + "/h"));
        EXPECT_EQ(ReadFile(out + "/secret"), "s");
    }
}

TEST_F(ExtractorTest, TargetReachedThroughALinkIsFine)
{
    ASSERT_TRUE(MakeDirs(tmp.Path("real/app")));
    ASSERT_EQ(symlink(tmp.Path("real").c_str(), tmp.Path("via").c_str()), 0);
    target = tmp.Path("via/app");
    EXPECT_EQ(Extract(ArchiveBuilder().Dir("d").File("d/x", "1").Symlink("d/rel", "x").File("d/s/y", "2")), 0);
    EXPECT_EQ(ReadFile(tmp.Path("real/app/d/s/y")), "2");
    EXPECT_EQ(ReadFile(tmp.Path("real/app/d/rel")), "1");
}

}  // namespace

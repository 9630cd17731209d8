// Service and LinuxService parts that need no install root: layout below
// HOME, defaults, the source version record and the tree copy.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "linux/linux-service.h"
#include "log_capture.h"
#include "temp_dir.h"
#include "tree_snapshot.h"

using namespace testsupport;

namespace {

// Opens the protected members to the tests.
class OpenService : public LinuxService {
public:
    using Service::FSCopyPath;
    using Service::LoadSourceVersion;
    using Service::per_user_install_path;
    using Service::source_version;
    using Service::timeout;
};

class ServiceTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        saved_home = qgetenv("HOME");
        SetHome(tmp.Path("home"));
        log.reset(new LogCapture(tmp.Path()));
        ASSERT_TRUE(log->Ok());
    }
    void TearDown() override
    {
        log.reset();
        qputenv("HOME", saved_home);
    }
    void SetHome(const std::string& home) { qputenv("HOME", QByteArray(home.c_str())); }

    QByteArray saved_home;
    std::unique_ptr<LogCapture> log;
};

TEST_F(ServiceTest, LayoutBelowHomeAndFreshServiceDefaults)
{
    SetHome("/home/u");
    EXPECT_EQ(Service::GetUserSkyletInstallPath(), ustring("/home/u/.SkyletBackup"));
    EXPECT_EQ(Service::GetUserSkyletDataInstallPath(), ustring("/home/u/.SkyletBackup/data"));
    EXPECT_EQ(Service::GetRootSkyletResourceInstallPath(), Service::GetRootSkyletInstallPath());
    EXPECT_EQ(GetAppBackupDir("/x/Skylet.app", 0), ustring("/x/Skylet.app_tmp"));
    EXPECT_EQ(GetAppBackupDir("/x/Skylet.app", 3), ustring("/x/Skylet.app_tmp3"));

    OpenService service;
    EXPECT_EQ(service.timeout, 10000);
    EXPECT_EQ(service.per_user_install_path, ustring("/home/u/.SkyletBackup/Skylet.app"));
    service.SetTimeout(5);
    EXPECT_EQ(service.timeout, 5);
    // Fixed at construction: a later change of HOME does not move it.
    SetHome("/home/v");
    EXPECT_EQ(service.per_user_install_path, ustring("/home/u/.SkyletBackup/Skylet.app"));
}

TEST_F(ServiceTest, SourceVersionTakesOnlyTheVersionGroup)
{
    OpenService service;
    service.LoadSourceVersion();
    EXPECT_EQ(log->Count("[INFO] cloud-service("), 1);
    EXPECT_EQ(log->Count("source does not exist"), 1);
    EXPECT_EQ(log->Count("source_version = "), 0);

    ASSERT_TRUE(WriteFile(tmp.Path("home/.SkyletBackup/Skylet.app/INFO"),
                          "[General]\nmajor_version=9\n[Version]\nbuild_version=1300\n"
                          "[Other]\nminor_version=7\n"));
    service.LoadSourceVersion();
    EXPECT_EQ(service.source_version.build_version, ustring("1300"));
    EXPECT_TRUE(service.source_version.major_version.empty());
    EXPECT_TRUE(service.source_version.minor_version.empty());
    EXPECT_EQ(log->Count("source_version = (, , 1300, )"), 1);
}

TEST_F(ServiceTest, CopyPathCopiesTreesAndReportsFailures)
{
    OpenService service;
    const std::string src = tmp.Path("src");
    ASSERT_TRUE(WriteFile(src + "/a.txt", "a"));
    ASSERT_TRUE(WriteFile(src + "/sub/deeper/b.bin", std::string("b\0c", 3)));
    ASSERT_TRUE(MakeDirs(src + "/empty"));
    EXPECT_EQ(service.FSCopyPath(src.c_str(), tmp.Path("dst").c_str()), 0);
    EXPECT_EQ(SnapshotTree(tmp.Path("dst")), SnapshotTree(src));

    EXPECT_EQ(service.FSCopyPath(tmp.Path("absent").c_str(), tmp.Path("x").c_str()), -1);
    EXPECT_EQ(log->Count("FSCopyPath: source path '"), 1);
    EXPECT_EQ(service.FSCopyPath((src + "/a.txt").c_str(), tmp.Path("no/such/dir/a").c_str()), -1);
}

}  // namespace

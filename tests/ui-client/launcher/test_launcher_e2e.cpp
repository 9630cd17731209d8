// The installed launcher, run as a user would run it: installed with
// cmake --install into a temporary root, started offscreen with a temporary
// home and runtime folder, against packages built here.
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "archive_builder.h"
#include "fake_client.h"
#include "process.h"
#include "temp_dir.h"
#include "tree_snapshot.h"

using namespace testsupport;

namespace {

const int kLimitSeconds = 120;

std::string InfoText(int build)
{
    return "[Version]\nmajor_version=1\nminor_version=2\nbuild_version=" + std::to_string(build) +
           "\nicon_overlay_version=1\n";
}

// A start script that records each call with the build it belongs to. When
// <home>/hold exists it blocks until <home>/release appears (at most 60 s),
// which keeps its launcher running for as long as a test needs.
std::string StartScript(int build)
{
    return "#!/bin/sh\n"
           "echo \"$* " + std::to_string(build) + "\" >> \"$HOME/start-stop.calls\"\n"
           "if [ -e \"$HOME/hold\" ]; then\n"
           "  n=0\n"
           "  while [ ! -e \"$HOME/release\" ] && [ $n -lt 600 ]; do sleep 0.1; n=$((n+1)); done\n"
           "fi\n";
}

std::string RandomBytes(size_t size, unsigned seed)
{
    std::mt19937 gen(seed);
    std::string data(size, '\0');
    for (char& c : data)
        c = static_cast<char>(gen() & 0xff);
    return data;
}

ArchiveBuilder Package(int build, int padding_files)
{
    ArchiveBuilder b;
    b.File("INFO", InfoText(build))
        .Dir("bin")
        .File("bin/skylet-backup-ui", "#!/bin/sh\nexit 0\n", 0755)
        .Dir("package")
        .File("package/start-stop", StartScript(build), 0755);
    for (int i = 0; i < padding_files; ++i)
        b.File("data/pad-" + std::to_string(i), RandomBytes(65536, i));
    return b;
}

class InstalledLauncherTest : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        root = tmp.Path("root");
        home = tmp.Path("home");
        runtime = tmp.Path("run");
        tree = home + "/.SkyletBackup";
        app = tree + "/Skylet.app";
        ASSERT_TRUE(MakeDirs(home));
        ASSERT_EQ(mkdir(runtime.c_str(), 0700), 0);
        ASSERT_TRUE(Install(root));
        // Every line of the launcher and the service, not only warnings.
        ASSERT_TRUE(WriteFile(root + "/log/launcher.debug", "launcher_debug=7\nservice_debug=7\n"));
    }

    static bool Install(const std::string& prefix)
    {
        ProcessResult r = RunProcess(SKYLET_CMAKE_COMMAND,
                                     {"--install", SKYLET_BUILD_DIR, "--prefix", prefix});
        if (r.exit_code != 0)
            ADD_FAILURE() << "install failed:\n" << r.out << r.err;
        return r.exit_code == 0 && access((prefix + "/bin/skylet-launcher").c_str(), X_OK) == 0;
    }

    void PublishPackage(const ArchiveBuilder& package, int build)
    {
        ASSERT_TRUE(WriteFile(root + "/INFO", InfoText(build)));
        ASSERT_TRUE(MakeDirs(root + "/package"));
        ASSERT_TRUE(package.Write(root + "/package/skylet.vpk", ArchiveBuilder::TarGz));
    }

    // An installed copy of the given build, as an earlier launcher left it.
    void InstallCopy(int build)
    {
        ASSERT_TRUE(WriteFile(app + "/INFO", InfoText(build)));
        ASSERT_TRUE(WriteFile(app + "/bin/skylet-backup-ui", "#!/bin/sh\nexit 0\n", 0755));
        ASSERT_TRUE(WriteFile(app + "/package/start-stop", StartScript(build), 0755));
        ASSERT_TRUE(WriteFile(app + "/user-settings.txt", "kept only by the old copy\n"));
    }

    std::map<std::string, std::string> Environment() const
    {
        return {{"HOME", home}, {"XDG_RUNTIME_DIR", runtime}, {"QT_QPA_PLATFORM", SKYLET_TEST_QPA_PLATFORM}};
    }

    ProcessResult RunLauncher(const std::string& install_root)
    {
        const std::string exe = install_root + "/bin/skylet-launcher";
        return RunProcess(exe, {}, Environment(), kLimitSeconds);
    }

    std::string Calls() const { return ReadFile(home + "/start-stop.calls"); }
    std::string Log() const { return ReadFile(tree + "/log/launcher.log"); }

    bool HasBackup() const
    {
        for (const char* n : {"", "1", "2", "3", "4", "5", "6", "7", "8", "9"})
            if (PathExists(app + "_tmp" + n))
                return true;
        return false;
    }

    std::string root, home, runtime, tree, app;
};

void ExpectCleanExit(const ProcessResult& r, const std::string& root)
{
    EXPECT_TRUE(r.started);
    EXPECT_FALSE(r.timed_out);
    EXPECT_EQ(r.term_signal, 0);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "lib path = '" + root + "/lib/plugins'\n");
}

}  // namespace

TEST_F(InstalledLauncherTest, InstallLayoutIsComplete)
{
    for (const char* name : {"libqxcb.so", "libqoffscreen.so", "libqminimal.so"})
        EXPECT_TRUE(PathExists(root + "/lib/plugins/platforms/" + name)) << name;
    EXPECT_TRUE(PathExists(root + "/images/ico_72_skylet.png"));
    const std::string entry = ReadFile(root + "/share/applications/skylet-backup.desktop");
    EXPECT_NE(entry.find("\nExec=\"" + root + "/bin/skylet-launcher\"\n"), std::string::npos) << entry;
}

TEST_F(InstalledLauncherTest, FreshInstallExtractsThePackageAndStartsTheClient)
{
    PublishPackage(Package(1200, 3), 1200);
    ProcessResult r = RunLauncher(root);
    ExpectCleanExit(r, root);

    EXPECT_EQ(ReadFile(app + "/INFO"), InfoText(1200));
    EXPECT_TRUE(PathExists(app + "/bin/skylet-backup-ui"));
    EXPECT_TRUE(PathExists(app + "/data/pad-2"));
    EXPECT_FALSE(HasBackup());
    EXPECT_EQ(Calls(), "start 1200\n");
    const std::string log = Log();
    EXPECT_EQ(CountLines(log, "): running"), 1) << log;
    EXPECT_EQ(CountLines(log, "): done"), 1);
    EXPECT_EQ(CountLines(log, "no need to upgrade") + CountLines(log, "[ERROR]"), 0);
    // The instance lock lives in the private runtime folder.
    EXPECT_EQ(SnapshotTree(runtime).size(), 1u);
    EXPECT_EQ(SnapshotTree(runtime).begin()->first.rfind("skylet-launcher-", 0), 0u);
}

TEST_F(InstalledLauncherTest, CurrentCopyIsLeftAloneAndAgedFolderRemoved)
{
    PublishPackage(Package(1200, 0), 1200);
    InstallCopy(1200);
    ASSERT_TRUE(WriteFile(tree + "/app/old-layout.txt", "aged\n"));
    const auto before = SnapshotTree(app);

    ProcessResult r = RunLauncher(root);
    ExpectCleanExit(r, root);
    EXPECT_EQ(SnapshotTree(app), before);
    EXPECT_FALSE(PathExists(tree + "/app"));
    EXPECT_EQ(Calls(), "start 1200\n");
    EXPECT_EQ(CountLines(Log(), "): no need to upgrade"), 1);
}

TEST_F(InstalledLauncherTest, UpgradeStopsTheRunningClientAndReplacesTheCopy)
{
    PublishPackage(Package(1300, 2), 1300);
    InstallCopy(1200);
    ASSERT_TRUE(CopyFakeClient(app + "/bin/skylet-backup-ui"));
    FakeClient client;
    ASSERT_TRUE(client.Start(tree + "/ui.pid", tmp.Path("signals"), false, app + "/bin/skylet-backup-ui"));

    ProcessResult r = RunLauncher(root);
    ExpectCleanExit(r, root);
    EXPECT_EQ(client.WaitForEnd(10), 0);
    EXPECT_EQ(client.RecordedSignals(), std::vector<int>{SIGTERM});
    EXPECT_EQ(ReadFile(app + "/INFO"), InfoText(1300));
    EXPECT_FALSE(PathExists(app + "/user-settings.txt"));
    EXPECT_FALSE(HasBackup());
    EXPECT_EQ(Calls(), "start 1300\n");
    EXPECT_EQ(CountLines(Log(), "[ERROR]"), 0) << Log();
}

TEST_F(InstalledLauncherTest, CorruptPackageRollsBackToTheOldCopy)
{
    PublishPackage(Package(1300, 8), 1300);
    // Cut the archive in the middle of its data.
    const std::string vpk = root + "/package/skylet.vpk";
    struct stat st;
    ASSERT_EQ(stat(vpk.c_str(), &st), 0);
    ASSERT_EQ(truncate(vpk.c_str(), st.st_size / 2), 0);
    InstallCopy(1200);
    const auto before = SnapshotTree(app);

    ProcessResult r = RunLauncher(root);
    ExpectCleanExit(r, root);
    EXPECT_EQ(SnapshotTree(app), before);
    EXPECT_FALSE(HasBackup());
    // The old copy's client is started all the same.
    EXPECT_EQ(Calls(), "start 1200\n");
    const std::string log = Log();
    EXPECT_EQ(CountLines(log, "[ERROR] launcher("), 1) << log;
    EXPECT_EQ(CountLines(log, "): Failed to upgrade package"), 1);
    EXPECT_EQ(CountLines(log, "): done"), 1);
}

TEST_F(InstalledLauncherTest, SecondInstanceLeavesAtOnceWhileTheFirstRuns)
{
    PublishPackage(Package(1200, 0), 1200);
    InstallCopy(1200);
    ASSERT_TRUE(WriteFile(home + "/hold", ""));

    QProcess first;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto& kv : Environment())
        env.insert(QString::fromStdString(kv.first), QString::fromStdString(kv.second));
    first.setProcessEnvironment(env);
    first.start(QString::fromStdString(root + "/bin/skylet-launcher"), QStringList());
    ASSERT_TRUE(first.waitForStarted(10000));
    // The first launcher holds its lock once its start script runs.
    for (int i = 0; i < 600 && Calls().empty(); ++i)
        usleep(100 * 1000);
    ASSERT_EQ(Calls(), "start 1200\n");

    ProcessResult second = RunLauncher(root);
    ExpectCleanExit(second, root);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(Calls(), "start 1200\n");
    EXPECT_EQ(CountLines(Log(), "[DEBUG] main("), 1);
    EXPECT_EQ(CountLines(Log(), "): app has already launched, return"), 1);

    // The same user's launcher at another path is another instance, and it
    // does not wait while the first one's start script runs.
    ASSERT_TRUE(unlink((home + "/hold").c_str()) == 0);
    const std::string other_root = tmp.Path("other-root");
    ASSERT_TRUE(Install(other_root));
    ProcessResult other = RunLauncher(other_root);
    ExpectCleanExit(other, other_root);
    EXPECT_EQ(Calls(), "start 1200\nstart 1200\n");
    EXPECT_FALSE(first.waitForFinished(0));

    ASSERT_TRUE(WriteFile(home + "/release", ""));
    ASSERT_TRUE(first.waitForFinished(kLimitSeconds * 1000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(CountLines(Log(), "): app has already launched, return"), 1);
}

// Started from a text console, over ssh, or before the session's display is
// up: the launcher must still upgrade and start the client, headless, and
// say in its log that it ran without its dialog.
TEST_F(InstalledLauncherTest, WithoutADisplayItUpgradesHeadlessAndStartsTheClient)
{
    // A display number no X server answers on in this test.
    int free_display = 97;
    while (PathExists("/tmp/.X11-unix/X" + std::to_string(free_display)) ||
           PathExists("/tmp/.X" + std::to_string(free_display) + "-lock"))
        ++free_display;
    const std::string dead_display = ":" + std::to_string(free_display);

    struct Case {
        const char* what;
        std::map<std::string, std::string> display_env;  // everything else is unset
    };
    const std::vector<Case> cases = {
        {"no display at all", {}},
        {"a display no server answers on", {{"DISPLAY", dead_display}}},
        {"X11 forced, no server", {{"QT_QPA_PLATFORM", "xcb"}}},
    };
    PublishPackage(Package(1300, 0), 1300);
    const std::string exe = root + "/bin/skylet-launcher";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(RemoveTree(tree));
        ASSERT_TRUE(RemoveTree(home + "/start-stop.calls"));
        InstallCopy(1200);

        // env -u: the test's own environment may well have a display.
        std::vector<std::string> args;
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            if (c.display_env.count(name) == 0)
                args.insert(args.end(), {"-u", name});
        args.push_back(exe);
        std::map<std::string, std::string> env = c.display_env;
        env["HOME"] = home;
        env["XDG_RUNTIME_DIR"] = runtime;
#ifdef __SANITIZE_ADDRESS__
        // The fallback is offscreen, whose Qt 5.15 plug-in never frees its
        // screen; the other tests check the launcher's own leaks under minimal.
        const char* asan = std::getenv("ASAN_OPTIONS");
        env["ASAN_OPTIONS"] = std::string(asan != nullptr ? asan : "") + ":detect_leaks=0";
#endif

        ProcessResult r = RunProcess("/usr/bin/env", args, env, kLimitSeconds);
        ExpectCleanExit(r, root);
        EXPECT_EQ(ReadFile(app + "/INFO"), InfoText(1300));
        EXPECT_EQ(Calls(), "start 1300\n");
        const std::string log = Log();
        EXPECT_EQ(CountLines(log, "[NOTE] main("), 1) << log;
        EXPECT_EQ(CountLines(log, "): no display could be opened (tried 'xcb')"), 1) << log;
        EXPECT_EQ(CountLines(log, "[ERROR]"), 0) << log;
    }
}

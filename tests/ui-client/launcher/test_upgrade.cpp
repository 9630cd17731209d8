// Whole upgrade runs of the engine from a temporary install root: the
// engine_driver is placed in <tmp>/root/bin and run with HOME=<tmp>/home.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include <QByteArray>
#include <QCryptographicHash>

#include "archive_builder.h"
#include "fake_client.h"
#include "install_sandbox.h"
#include "log_capture.h"
#include "process.h"
#include "temp_dir.h"
#include "tree_snapshot.h"

using namespace testsupport;

namespace {

const char* const kBackupSuffixes[] = {"", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

std::string Info(int build)
{
    return "[Version]\nmajor_version=3\nminor_version=1\nbuild_version=" + std::to_string(build) +
           "\nicon_overlay_version=2\n";
}

// A package as the client ships it; the start script records its argument.
ArchiveBuilder Package(int build)
{
    std::string bulk;
    for (int i = 0; bulk.size() < 300000; ++i) {
        bulk += "line " + std::to_string(i * 7919 % 100003) + "\n";
    }
    return ArchiveBuilder()
        .File("INFO", Info(build))
        .File("bin/skylet-backup-ui", "#!/bin/sh\n", 0755)
        .File("package/start-stop", "#!/bin/sh\necho \"$1\" >> \"$HOME/started\"\n", 0755)
        .File("lib/bulk.dat", bulk)
        .Symlink("lib/current", "bulk.dat")
        .File("share/readme", "build " + std::to_string(build));
}

ino_t Inode(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

std::string Sha256Line(const std::string& bytes)
{
    return QCryptographicHash::hash(QByteArray(bytes.data(), static_cast<int>(bytes.size())),
                                    QCryptographicHash::Sha256)
               .toHex()
               .toStdString() +
           "  skylet.vpk\n";
}

// The tar archive cut right before the header of its last entry: what is
// left is a well-formed archive of the other entries without its end blocks.
std::string CutBeforeLastEntry(const std::string& tar)
{
    size_t offset = 0;
    size_t last = 0;
    while (offset + 512 <= tar.size() && tar[offset] != '\0') {
        last = offset;
        size_t size = std::stoul(tar.substr(offset + 124, 12), nullptr, 8);
        offset += 512 + (size + 511) / 512 * 512;
    }
    return tar.substr(0, last);
}

class UpgradeTest : public TempDirTest {
protected:
    void SetUp() override { Prepare(tmp.Path("sandbox")); }

    void Prepare(const std::string& base)
    {
        TempDirTest::SetUp();
        box.reset(new InstallSandbox(base));
        ASSERT_TRUE(box->InstallExecutable(ENGINE_DRIVER_PATH));
        ASSERT_TRUE(WriteFile(box->Root() + "/log/launcher.debug", kAllComponentsDebug));
        tree = box->Home() + "/.SkyletBackup";
        app = tree + "/Skylet.app";
        package = box->Root() + "/package/skylet.vpk";
    }

    void InstallPackage(int build)
    {
        ASSERT_TRUE(WriteFile(box->Root() + "/INFO", Info(build)));
        ASSERT_TRUE(MakeDirs(box->Root() + "/package"));
        ASSERT_TRUE(Package(build).Write(package, ArchiveBuilder::TarGz));
    }

    // A copy of the client in the user's application folder.
    void InstallCopy(int build, bool with_executable = true)
    {
        RemoveTree(app);
        ASSERT_TRUE(WriteFile(app + "/INFO", Info(build)));
        ASSERT_TRUE(WriteFile(app + "/package/start-stop", "#!/bin/sh\necho old >> \"$HOME/started\"\n", 0755));
        if (with_executable) {
            ASSERT_TRUE(WriteFile(app + "/bin/skylet-backup-ui", "#!/bin/sh\n", 0755));
        }
    }

    ProcessResult Run(const std::vector<std::string>& args = {"run"})
    {
        ProcessResult r = box->Run(args);
        EXPECT_FALSE(r.timed_out);
        EXPECT_EQ(r.exit_code, 0) << r.err;  // also catches sanitizer reports
        return r;
    }

    int LogCount(const std::string& needle) const
    {
        return CountLines(ReadFile(box->Home() + "/engine.log"), needle);
    }
    int Backups() const
    {
        int n = 0;
        for (const char* suffix : kBackupSuffixes) {
            n += PathExists(app + "_tmp" + suffix);
        }
        return n;
    }
    void ExpectFreshCopy(int build)
    {
        EXPECT_EQ(ReadFile(app + "/INFO"), Info(build));
        EXPECT_EQ(ReadFile(app + "/share/readme"), "build " + std::to_string(build));
        EXPECT_EQ(ReadFile(app + "/lib/current"), ReadFile(app + "/lib/bulk.dat"));
        EXPECT_EQ(Backups(), 0);
    }

    std::unique_ptr<InstallSandbox> box;
    std::string tree, app, package;
};

class FreshInstallTest : public UpgradeTest {
protected:
    // A blank in the home path must not split the start command.
    void SetUp() override { Prepare(tmp.Path("with blank")); }
};

TEST_F(FreshInstallTest, InstallsStartsAndRemovesTheAgedFolder)
{
    InstallPackage(1300);
    ASSERT_TRUE(WriteFile(tree + "/app/old", "x"));
    ProcessResult r = Run();
    EXPECT_EQ(CountLines(r.out, "need=1 result=0"), 1) << r.out;
    EXPECT_EQ(CountLines(r.out, "progress 6 6"), 1);
    ExpectFreshCopy(1300);
    EXPECT_FALSE(PathExists(tree + "/app"));
    EXPECT_EQ(ReadFile(box->Home() + "/started"), "start\n");
    EXPECT_EQ(LogCount("source does not exist"), 1);
    EXPECT_EQ(LogCount("target_version = (3, 1, 1300, 2)"), 1);
    EXPECT_EQ(LogCount("[ERROR]"), 0);
}

// A first install cut short leaves a copy that may already hold the new INFO
// and executable; the next runs must still finish it.
TEST_F(FreshInstallTest, InterruptedOrFailedFirstInstallIsRedone)
{
    InstallPackage(1300);
    ProcessResult killed = box->Run({"run", "--kill-after-entries", "3"});
    ASSERT_EQ(killed.term_signal, SIGKILL) << killed.out << killed.err;
    ASSERT_EQ(ReadFile(app + "/INFO"), Info(1300));
    EXPECT_EQ(CountLines(Run().out, "need=1 result=0"), 1);
    ExpectFreshCopy(1300);

    // A package that cannot install leaves no partial copy behind: the
    // check refuses it before anything is created.
    RemoveTree(app);
    ASSERT_TRUE(Package(1300).File("../../escaped", "x").Write(package, ArchiveBuilder::TarGz));
    EXPECT_EQ(CountLines(Run().out, "need=1 result=-1"), 1);
    EXPECT_EQ(LogCount("it leaves the target folder"), 1);
    EXPECT_FALSE(PathExists(app));
    InstallPackage(1300);
    EXPECT_EQ(CountLines(Run().out, "need=1 result=0"), 1);
    ExpectFreshCopy(1300);

    // Killed, then a retry that fails during extraction: the first install
    // stays marked, so a good package later completes it.
    RemoveTree(app);
    ASSERT_EQ(box->Run({"run", "--kill-after-entries", "3"}).term_signal, SIGKILL);
    ASSERT_TRUE(Package(1300).File("../../escaped", "x").Write(package, ArchiveBuilder::TarGz));
    EXPECT_EQ(CountLines(Run().out, "need=1 result=-1"), 1);
    EXPECT_FALSE(PathExists(tree + "/escaped"));
    InstallPackage(1300);
    EXPECT_EQ(CountLines(Run().out, "need=1 result=0"), 1);
    ExpectFreshCopy(1300);
}

TEST_F(UpgradeTest, DecisionFollowsBuildNumbersAndTheExecutable)
{
    struct Case {
        int source, target;
        bool executable, need;
    } cases[] = {{1200, 1300, true, true}, {1300, 1300, true, false},
                 {1400, 1300, true, false}, {1400, 1300, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.source) + " -> " + std::to_string(c.target));
        InstallCopy(c.source, c.executable);
        ASSERT_TRUE(WriteFile(box->Root() + "/INFO", Info(c.target)));
        EXPECT_EQ(CountLines(Run({"decide"}).out, c.need ? "need=1" : "need=0"), 1);
    }
    ASSERT_TRUE(WriteFile(app + "/INFO", "[Version]\nbuild_version=12ab\n"));
    ASSERT_TRUE(WriteFile(box->Root() + "/INFO", "[Version]\nbuild_version=\n"));
    Run({"decide"});
    EXPECT_EQ(LogCount("source version = 12, target version = 0"), 1);
}

TEST_F(UpgradeTest, NoUpgradeLeavesTheCopyAloneButStartsIt)
{
    InstallPackage(1300);
    InstallCopy(1300);
    auto before = SnapshotTree(app);
    EXPECT_EQ(CountLines(Run().out, "need=0 result=0"), 1);
    EXPECT_EQ(SnapshotTree(app), before);
    EXPECT_EQ(ReadFile(box->Home() + "/started"), "old\n");
}

// Takes the fake client's arguments: --pid-file P --record R [--ignore-term].
const char kScriptClient[] =
    "#!/bin/sh\n"
    "trap 'echo 15 >> \"$4\"; exit 0' TERM\n"
    "echo \"pid=$$\" > \"$2.tmp\" && mv \"$2.tmp\" \"$2\"\n"
    "while :; do sleep 0.1; done\n";

TEST_F(UpgradeTest, RunningClientIsStoppedWithSigterm)
{
    enum Kind { ExitsOnTerm, IgnoresTerm, Script };
    for (Kind kind : {ExitsOnTerm, IgnoresTerm, Script}) {
        SCOPED_TRACE(kind);
        InstallPackage(1300);
        InstallCopy(1200);
        const std::string exe = app + "/bin/skylet-backup-ui";
        ASSERT_TRUE(kind == Script ? WriteFile(exe, kScriptClient, 0755) : CopyFakeClient(exe));
        unlink(tmp.Path("signals").c_str());
        FakeClient client;
        ASSERT_TRUE(client.Start(tree + "/ui.pid", tmp.Path("signals"), kind == IgnoresTerm, exe));
        EXPECT_EQ(CountLines(Run().out, "need=1 result=0"), 1);
        EXPECT_EQ(client.WaitForEnd(30), kind == IgnoresTerm ? SIGKILL : 0);
        EXPECT_EQ(client.RecordedSignals(), std::vector<int>{SIGTERM});
        ExpectFreshCopy(1300);
    }
    EXPECT_EQ(LogCount("is not the client"), 0);
}

// The pid file outlives the client, so its pid may name any other process
// of the user by now: this very test (the launcher's parent), another
// program, a program in a folder that merely shares the copy's name as a
// prefix, a script outside the copy reached through "..".
TEST_F(UpgradeTest, ProcessesOtherThanTheClientGetNoSignal)
{
    const std::string sibling = tree + "/Skylet.apps/bin/skylet-backup-ui";
    const std::string outside = tree + "/elsewhere/client.sh";
    ASSERT_TRUE(CopyFakeClient(sibling));
    ASSERT_TRUE(WriteFile(outside, kScriptClient, 0755));
    int notes = 0;
    for (std::string exe : {std::string(), std::string(FakeClientPath()), sibling,
                            app + "/../elsewhere/client.sh"}) {
        SCOPED_TRACE(exe.empty() ? "the test itself" : exe);
        InstallPackage(1300);
        InstallCopy(1200);
        unlink(tmp.Path("signals").c_str());
        FakeClient stranger;
        if (exe.empty()) {
            ASSERT_TRUE(WriteFile(tree + "/ui.pid", "pid=" + std::to_string(getpid()) + "\n"));
        } else {
            ASSERT_TRUE(stranger.Start(tree + "/ui.pid", tmp.Path("signals"), false, exe));
        }
        EXPECT_EQ(CountLines(Run().out, "need=1 result=0"), 1);
        EXPECT_EQ(LogCount("is not the client"), ++notes);
        ExpectFreshCopy(1300);
        if (!exe.empty()) {
            EXPECT_TRUE(stranger.Running());
            EXPECT_TRUE(stranger.RecordedSignals().empty());
        }
    }
}

// After the client has gone, its pid file stays; the next program to get
// that pid must not be taken for the client.
TEST_F(UpgradeTest, PidOfAnEndedClientTakenByAnotherProgramGetsNoSignal)
{
    InstallPackage(1300);
    InstallCopy(1200);
    const std::string exe = app + "/bin/skylet-backup-ui";
    ASSERT_TRUE(CopyFakeClient(exe));
    pid_t stale = 0;
    {
        FakeClient client;
        ASSERT_TRUE(client.Start(tree + "/ui.pid", tmp.Path("client-signals"), false, exe));
        stale = client.Pid();
        kill(stale, SIGKILL);
        ASSERT_EQ(client.WaitForEnd(10), SIGKILL);
    }
    FakeClient stranger;
    if (!stranger.Start(tmp.Path("stranger.pid"), tmp.Path("signals"), false, FakeClientPath(), stale)) {
        GTEST_SKIP() << "cannot start a process under a chosen pid (needs root)";
    }
    ASSERT_EQ(ReadFile(tree + "/ui.pid"), "pid=" + std::to_string(stale) + "\n");
    EXPECT_EQ(CountLines(Run().out, "need=1 result=0"), 1);
    EXPECT_EQ(LogCount("is not the client"), 1);
    EXPECT_TRUE(stranger.Running());
    EXPECT_TRUE(stranger.RecordedSignals().empty());
}

// Kernels without pidfds: the same check decides, and kill() by pid stops
// the client.
TEST_F(UpgradeTest, WithoutPidfdsTheSameCheckDecides)
{
    const std::map<std::string, std::string> no_pidfd{
        {"LD_PRELOAD", NO_PIDFD_PRELOAD}, {"ASAN_OPTIONS", "verify_asan_link_order=0"}};
    const std::string exe = app + "/bin/skylet-backup-ui";
    for (bool ours : {false, true}) {
        SCOPED_TRACE(ours ? "the client" : "another program");
        InstallPackage(1300);
        InstallCopy(1200);
        ASSERT_TRUE(CopyFakeClient(exe));
        unlink(tmp.Path("signals").c_str());
        FakeClient client;
        ASSERT_TRUE(client.Start(tree + "/ui.pid", tmp.Path("signals"), false, ours ? exe : FakeClientPath()));
        ProcessResult r = box->Run({"run"}, no_pidfd);
        EXPECT_EQ(CountLines(r.out, "need=1 result=0"), 1) << r.err;
        EXPECT_EQ(client.WaitForEnd(ours ? 10 : 0), ours ? 0 : -1);
        EXPECT_EQ(client.RecordedSignals(), ours ? std::vector<int>{SIGTERM} : std::vector<int>{});
    }
    EXPECT_EQ(LogCount("is not the client"), 1);
}

// A FIFO where a state file belongs would block a plain open() or read()
// for good; a folder cannot be read. Either counts as a missing file.
TEST_F(UpgradeTest, StateFilesThatAreNotFilesCountAsMissing)
{
    struct Case {
        std::string path;
        bool need;
        const char* log;
    } cases[] = {{tree + "/ui.pid", true, "Failed to read pid file"},
                 {app + "/INFO", true, "is not a regular file, read as missing"},
                 {box->Root() + "/INFO", false, "is not a regular file, read as missing"},
                 {box->Root() + "/log/launcher.debug", true, nullptr}};
    for (bool fifo : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.path + (fifo ? " as FIFO" : " as folder"));
            InstallPackage(1300);
            InstallCopy(1200);
            const std::string saved = ReadFile(c.path);
            RemoveTree(c.path);
            ASSERT_EQ(fifo ? mkfifo(c.path.c_str(), 0644) : mkdir(c.path.c_str(), 0755), 0);
            unlink((box->Home() + "/engine.log").c_str());
            ProcessResult r = box->Run({"run"}, {}, 30);
            ASSERT_FALSE(r.timed_out);
            EXPECT_EQ(r.exit_code, 0) << r.err;
            EXPECT_EQ(CountLines(r.out, c.need ? "need=1 result=0" : "need=0 result=0"), 1);
            if (c.log != nullptr) {
                EXPECT_EQ(LogCount(c.log), 1);
            }
            RemoveTree(c.path);
            if (!saved.empty()) {
                ASSERT_TRUE(WriteFile(c.path, saved));
            }
        }
    }
}

TEST_F(UpgradeTest, InvalidPidFilesSendNoSignal)
{
    FakeClient client;
    ASSERT_TRUE(client.Start(tmp.Path("real.pid"), tmp.Path("signals"), false));
    int notes = 0;
    for (const char* content : {"pid=0\n", "pid=-1\n", "pid=abc\n", "pid=4294967296\n", "pid=''\n", "x=1\n"}) {
        SCOPED_TRACE(content);
        ASSERT_TRUE(WriteFile(tree + "/ui.pid", content));
        Run({"stop"});
        EXPECT_EQ(LogCount("[NOTE]"), ++notes);
        EXPECT_EQ(LogCount("holds no valid pid"), notes);
    }
    ASSERT_TRUE(WriteFile(tree + "/ui.pid", "pid 1234\n"));
    Run({"stop"});
    EXPECT_EQ(LogCount("Failed to read pid file '" + tree + "/ui.pid', not exist ?"), 1);
    EXPECT_TRUE(client.Running());
    EXPECT_TRUE(client.RecordedSignals().empty());
    EXPECT_EQ(LogCount("[ERROR]"), 0);
}

// A package must be proven whole before the client is stopped or the copy
// moved: by its checksum file where there is one, and by the gzip trailer,
// which the archive library itself does not check. A package found bad is
// not tried again while it stays installed.
TEST_F(UpgradeTest, DamagedPackagesAreRefusedBeforeTheClientIsStopped)
{
    enum Damage { GzipCrcWithoutChecksum, TarCutWithChecksum, ChecksumMismatch, NoChecksumInFile };
    for (Damage damage : {GzipCrcWithoutChecksum, TarCutWithChecksum, ChecksumMismatch, NoChecksumInFile}) {
        SCOPED_TRACE(damage);
        InstallPackage(1300);
        InstallCopy(1200);
        RemoveTree(tree + "/package.rejected");
        RemoveTree(package + ".sha256");
        if (damage == GzipCrcWithoutChecksum) {
            std::string bytes = ReadFile(package);
            bytes[bytes.size() - 8] = static_cast<char>(bytes[bytes.size() - 8] ^ 0x01);
            ASSERT_TRUE(WriteFile(package, bytes));
        } else if (damage == TarCutWithChecksum) {
            ASSERT_TRUE(Package(1300).Write(package, ArchiveBuilder::Tar));
            std::string bytes = ReadFile(package);
            ASSERT_TRUE(WriteFile(package + ".sha256", Sha256Line(bytes)));
            ASSERT_TRUE(WriteFile(package, CutBeforeLastEntry(bytes)));
        } else if (damage == ChecksumMismatch) {
            ASSERT_TRUE(WriteFile(package + ".sha256", Sha256Line("another package")));
        } else {
            ASSERT_TRUE(WriteFile(package + ".sha256", "to be filled in  skylet.vpk\n"));
        }
        const std::string exe = app + "/bin/skylet-backup-ui";
        ASSERT_TRUE(CopyFakeClient(exe));
        unlink(tmp.Path("signals").c_str());
        FakeClient client;
        ASSERT_TRUE(client.Start(tree + "/ui.pid", tmp.Path("signals"), false, exe));
        auto before = SnapshotTree(app);
        const int scans = LogCount("[ERROR]");
        EXPECT_EQ(CountLines(Run().out, "need=1 result=-1"), 1);
        EXPECT_GT(LogCount("[ERROR]"), scans);
        EXPECT_EQ(CountLines(Run().out, "need=0 result=0"), 1);
        EXPECT_TRUE(client.Running());
        EXPECT_TRUE(client.RecordedSignals().empty());
        EXPECT_EQ(SnapshotTree(app), before);
        EXPECT_EQ(Backups(), 0);
    }
    EXPECT_EQ(LogCount("local appdata exist"), 0);
    EXPECT_EQ(LogCount("does not match its checksum"), 2);
    EXPECT_EQ(LogCount("holds no SHA-256"), 1);
    EXPECT_EQ(LogCount("was found defective before"), 4);
    // A package that changes is tried again.
    InstallPackage(1300);
    RemoveTree(package + ".sha256");
    EXPECT_EQ(CountLines(Run().out, "need=1 result=0"), 1);
    ExpectFreshCopy(1300);
    EXPECT_FALSE(PathExists(tree + "/package.rejected"));
}

// The administrator's package manager replaces the package and its checksum
// file, each written beside its place and renamed over it, or a copy tool
// writes into the package file itself, while a run reads it. What is
// installed is exactly what was checked, and a rejection names exactly the
// pair of files that was compared.
TEST_F(UpgradeTest, PackageReplacedWhileARunReadsItIsNeverInstalledUnchecked)
{
    const std::string other = tmp.Path("other.vpk");
    const std::string matching = tmp.Path("matching.sha256");
    struct Case {
        const char* name;
        std::vector<std::string> args;
        const char* first;     // the result of the run that meets the change
        bool extra_installed;  // by that run
    } cases[] = {
        {"renamed over after the check", {"run", "--swap-package-on-stop", other}, "need=1 result=0", false},
        {"written into after the check", {"run", "--overwrite-package-on-stop", other}, "need=1 result=-1", false},
        {"checksum completed during the check", {"run", "--swap-checksum-on-check", matching},
         "need=1 result=-1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstallPackage(1300);
        InstallCopy(1200);
        RemoveTree(tree + "/package.rejected");
        const ArchiveBuilder extra = Package(1300).File("share/extra", "x");
        ASSERT_TRUE(extra.Write(other, ArchiveBuilder::TarGz));
        // In the tagged form `sha256sum --tag` writes, which `sha256sum -c` takes too.
        ASSERT_TRUE(WriteFile(matching, "SHA256 (skylet.vpk) = " + Sha256Line(ReadFile(other)).substr(0, 64) + "\n"));
        if (c.args[1] == "--swap-checksum-on-check") {
            // The new package is in place, its checksum file not yet.
            ASSERT_TRUE(WriteFile(package + ".sha256", Sha256Line(ReadFile(package))));
            ASSERT_EQ(rename(other.c_str(), package.c_str()), 0);
        }
        auto before = SnapshotTree(app);
        EXPECT_EQ(CountLines(Run(c.args).out, c.first), 1);
        EXPECT_EQ(PathExists(app + "/share/extra"), c.extra_installed);
        if (std::string(c.first) == "need=1 result=-1") {
            EXPECT_EQ(SnapshotTree(app), before);
            // The next run checks what is there now, and installs it.
            EXPECT_EQ(CountLines(Run().out, "need=1 result=0"), 1);
            EXPECT_EQ(ReadFile(app + "/share/extra"), "x");
        } else {
            EXPECT_EQ(CountLines(Run().out, "need=0 result=0"), 1);
        }
        EXPECT_FALSE(PathExists(tree + "/package.rejected"));
        EXPECT_EQ(Backups(), 0);
    }
    EXPECT_EQ(LogCount("was written to after it was checked"), 1);
    EXPECT_EQ(LogCount("does not match its checksum"), 1);
    EXPECT_EQ(LogCount("was found defective before"), 0);
}

// A copy that the next run would upgrade again, or that cannot start, must
// not replace a working one: else every login stops and re-extracts the
// client for good.
TEST_F(UpgradeTest, CopiesThatCannotStartOrWouldUpgradeAgainAreRolledBack)
{
    InstallCopy(1200);
    const std::string exe = app + "/bin/skylet-backup-ui";
    ASSERT_TRUE(RemoveTree(exe) && MakeDirs(exe));
    ASSERT_TRUE(WriteFile(box->Root() + "/INFO", Info(1100)));
    EXPECT_EQ(CountLines(Run({"decide"}).out, "need=1"), 1);

    struct Case {
        const char* name;
        ArchiveBuilder package;
    } cases[] = {
        {"folder at the executable",
         ArchiveBuilder().File("INFO", Info(1300)).Dir("bin/skylet-backup-ui")
             .File("bin/skylet-backup-ui/x", "x").File("package/start-stop", "#!/bin/sh\n", 0755)},
        {"INFO of another build", Package(1200)},
        {"no INFO", ArchiveBuilder().File("bin/skylet-backup-ui", "#!/bin/sh\n", 0755)},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstallPackage(1300);
        ASSERT_TRUE(c.package.Write(package, ArchiveBuilder::TarGz));
        InstallCopy(1100);
        auto before = SnapshotTree(app);
        const int extractions = LogCount("extract package:");
        for (int run = 0; run < 3; ++run) {
            Run();
        }
        EXPECT_EQ(LogCount("extract package:"), extractions + 1);
        EXPECT_EQ(SnapshotTree(app), before);
        EXPECT_EQ(Backups(), 0);
    }
    EXPECT_EQ(LogCount("local appdata exist"), 3);
    EXPECT_EQ(LogCount("was found defective before"), 6);
}

// Devices, FIFOs and sockets have no place in a client copy.
TEST_F(UpgradeTest, SpecialFilesInThePackageAreRefused)
{
    InstallPackage(1300);
    InstallCopy(1200);
    ASSERT_TRUE(Package(1300).Fifo("lib/pipe").Write(package, ArchiveBuilder::TarGz));
    auto before = SnapshotTree(app);
    EXPECT_EQ(CountLines(Run().out, "need=1 result=-1"), 1);
    EXPECT_EQ(SnapshotTree(app), before);
    EXPECT_EQ(Backups(), 0);
    EXPECT_EQ(LogCount("local appdata exist"), 0);  // refused before the client is stopped
}

// A home folder without room for the new copy: a copy that cannot fit is
// not begun (the client keeps running), and a disk that fills up during the
// extraction ends in the rollback, whose cause must still reach the log once
// the rollback has freed the space. The home folder is a small tmpfs of a
// private mount namespace (root only); the result is copied out before it
// goes away.
TEST_F(UpgradeTest, CauseOfAFailureOnAFullDiskReachesTheLog)
{
    // Mount options, a command run before the launcher, and the cause.
    struct Case {
        const char* size;
        const char* prepare;
        const char* driver_args;
        const char* cause;
        int rollbacks;
        bool installs;
    } cases[] = {
        {"size=160k", "", "run", "not enough room for the new copy in", 0, false},
        {"size=2m", "", "run --fill-home-on-stop", "No space left on device", 1, false},
        // Room for the bytes, but for few files more.
        {"size=8m", "mount -o remount,nr_inodes=$(($(df --output=iused \"$HOME\" | tail -1) + 3)) \"$HOME\"", "run",
         "it needs 5 files and folders", 0, false},  // the unchanged executable is linked
        // Nothing the package can help: it installs, and the log says why the client cannot run.
        {"size=8m,noexec", "", "run", "mounted with the option noexec", 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        InstallPackage(1300);
        InstallCopy(1200);
        auto before = SnapshotTree(app);
        const std::string saved = tmp.Path(std::string("saved-home-") + c.size);
        const std::string out = tmp.Path(std::string("out-") + c.size);
        ASSERT_TRUE(MakeDirs(out));
        const std::string script =
            "set -e; cp -a \"$HOME\" \"$SAVED\"; mount -t tmpfs -o $SIZE tmpfs \"$HOME\"; "
            "cp -a \"$SAVED\"/. \"$HOME\"/; eval \"$PREPARE\"; \"$DRIVER\" $ARGS || true; rm -f \"$HOME/filler\"; "
            "cp -a \"$HOME\"/. \"$OUT\"/";
        ProcessResult r = RunProcess("/usr/bin/unshare", {"unshare", "-m", "sh", "-c", script},
                                     {{"HOME", box->Home()}, {"SAVED", saved}, {"OUT", out}, {"SIZE", c.size},
                                      {"ARGS", c.driver_args}, {"PREPARE", c.prepare}, {"DRIVER", box->Executable()},
                                      {"QT_QPA_PLATFORM", "offscreen"}},
                                     60);
        if (r.exit_code != 0 && CountLines(r.err, "ermission") + CountLines(r.err, "not permitted") > 0) {
            GTEST_SKIP() << "needs a mount namespace of its own (root): " << r.err;
        }
        ASSERT_EQ(r.exit_code, 0) << r.err;
        EXPECT_EQ(CountLines(r.out, c.installs ? "need=1 result=0" : "need=1 result=-1"), 1) << r.out;
        EXPECT_EQ(c.installs ? ReadFile(out + "/.SkyletBackup/Skylet.app/INFO") : "", c.installs ? Info(1300) : "");
        EXPECT_TRUE(c.installs || SnapshotTree(out + "/.SkyletBackup/Skylet.app") == before);
        const std::string log = ReadFile(out + "/engine.log");
        EXPECT_GE(CountLines(log, c.cause), 1) << log;
        EXPECT_EQ(CountLines(log, "Failed to extract package, rollback to old installation"), c.rollbacks) << log;
        // A full disk is the machine's fault, not the package's: the next run tries again.
        EXPECT_FALSE(PathExists(out + "/.SkyletBackup/package.rejected"));
    }
}

// What happens to a reading of the package decides whether the package is
// blamed. Only a reading that loops on what it read (busy, without progress)
// is; one that waits on a hung or slow disk, or whose session is stopped, or
// a run killed while it checks, costs a retry at the next login and nothing
// else. The preloaded library makes the first reading (the check), the
// second (the extraction) or every one of them misbehave.
TEST_F(UpgradeTest, ReadingThatMakesNoProgressIsStoppedAndTheClientStarted)
{
    auto stall = [this](const char* pass, const char* how, const std::string& counter) {
        return std::map<std::string, std::string>{{"LD_PRELOAD", STALL_READ_PRELOAD},
                                                  {"ASAN_OPTIONS", "verify_asan_link_order=0"},
                                                  {"SKYLET_STALL_PASS", pass},
                                                  {"SKYLET_STALL_HOW", how},
                                                  {"SKYLET_STALL_COUNTER", counter},
                                                  {"HOME", box->Home()},
                                                  {"QT_QPA_PLATFORM", "offscreen"},
                                                  {"DRIVER", box->Executable()}};
    };
    // A hung disk is given 3 s, a slow one all the time it needs.
    const std::string hung = "\"$DRIVER\" run --stall-limit 1 --wait-limit 3";
    const std::string slow = "\"$DRIVER\" run --stall-limit 1 --wait-limit 60";
    struct Case {
        const char* reading;
        ArchiveBuilder::Format format;
        const char* pass;
        const char* how;
        std::string script;
        const char* log;  // the line that tells what happened
        bool installed, rejected;
    } cases[] = {
        {"checked", ArchiveBuilder::TarGz, "1", "spin", hung, "while it was checked, and kept the processor busy",
         false, true},
        {"extracted", ArchiveBuilder::TarGz, "2", "spin", hung,
         "while it was extracted, and kept the processor busy", false, true},
        {"a hung disk", ArchiveBuilder::TarGz, "1", "block", hung, "made no progress for 3 s while it was checked, "
         "waiting on the disk or stopped", false, false},
        {"a slow disk, zip", ArchiveBuilder::Zip, "0", "slow:1100", slow, nullptr, true, false},
        {"a slow disk, 7z", ArchiveBuilder::SevenZip, "0", "slow:1100", slow, nullptr, true, false},
        {"a stopped session", ArchiveBuilder::TarGz, "0", "slow:300",
         "setsid " + hung + " & sleep 0.5; kill -STOP -$!; sleep 5; kill -CONT -$!; wait $!", nullptr,
         true, false},
        {"a busy machine", ArchiveBuilder::TarGz, "1", "spin:100:200", hung, "made no progress for 3 s while "
         "it was checked, waiting on the disk or stopped", false, false},
        {"exec refused", ArchiveBuilder::TarGz, "9", "block", "SKYLET_EXEC_REFUSE=EPERM " + hung,
         "could not be started in a process of its own (exit code 127)", true, false},
        {"exec killed", ArchiveBuilder::TarGz, "9", "block", "SKYLET_EXEC_REFUSE=SIGSYS " + hung,
         "could not be started in a process of its own (Bad system call)", true, false},
        {"killed from outside", ArchiveBuilder::TarGz, "1", "block",
         hung + " & until [ -s \"$SKYLET_STALL_COUNTER\" ]; do sleep 0.1; done; pkill -KILL -P $!; wait $!",
         "ended before it was checked (Killed)", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reading);
        InstallPackage(1300);
        ASSERT_TRUE(Package(1300).Write(package, c.format));
        InstallCopy(1200);
        RemoveTree(tree + "/package.rejected");
        unlink((box->Home() + "/started").c_str());
        unlink((box->Home() + "/engine.log").c_str());
        auto before = SnapshotTree(app);
        ProcessResult r = RunProcess("/bin/sh", {"-c", c.script}, stall(c.pass, c.how, tmp.Path(c.reading)), 90);
        EXPECT_FALSE(r.timed_out);
        EXPECT_EQ(r.exit_code, 0) << r.err;
        EXPECT_EQ(CountLines(r.out, c.installed ? "need=1 result=0" : "need=1 result=-1"), 1) << r.out;
        if (c.log) {
            EXPECT_EQ(LogCount(c.log), 1);
        }
        if (c.installed) {
            ExpectFreshCopy(1300);
        } else {
            EXPECT_EQ(SnapshotTree(app), before);
            EXPECT_EQ(Backups(), 0);
            EXPECT_EQ(ReadFile(box->Home() + "/started"), "old\n");
            EXPECT_EQ(CountLines(Run({"decide"}).out, c.rejected ? "need=0" : "need=1"), 1);
        }
    }

    // Runs killed while they check (logouts) during a first install leave
    // nothing that keeps the next one from installing.
    InstallPackage(1300);
    RemoveTree(app);
    RemoveTree(app + "_tmp");
    for (int killed = 1; killed <= 2; ++killed) {
        ProcessResult r = box->Run({"run"}, stall("1", "block", tmp.Path("killed-" + std::to_string(killed))), 5);
        EXPECT_TRUE(r.timed_out);
    }
    EXPECT_EQ(CountLines(Run().out, "need=1 result=0"), 1);
    ExpectFreshCopy(1300);
}

TEST_F(UpgradeTest, TakenBackupNamesAreSkippedAndAllRemoved)
{
    InstallPackage(1300);
    InstallCopy(1200);
    ASSERT_TRUE(WriteFile(app + "_tmp/blocker", "x"));
    EXPECT_EQ(CountLines(Run().out, "need=1 result=0"), 1);
    EXPECT_EQ(LogCount("failed to backup app from '" + app + "' -> '" + app + "_tmp'"), 1);
    ExpectFreshCopy(1300);

    for (const char* suffix : kBackupSuffixes) {
        ASSERT_TRUE(WriteFile(app + "_tmp" + suffix + "/blocker", "x"));
    }
    auto before = SnapshotTree(app);
    EXPECT_EQ(CountLines(Run().out, "need=1 result=-1"), 1);
    EXPECT_EQ(LogCount("failed to backup app from"), 1 + 11);
    EXPECT_EQ(LogCount("' -> '" + app + "_tmp9' at max retries, exiting"), 1);
    EXPECT_EQ(LogCount("extract package:"), 1);
    EXPECT_EQ(SnapshotTree(app), before);
}

TEST_F(UpgradeTest, BadPackagesRollBackByteForByte)
{
    enum Damage { Corrupt, Truncated, Empty, Missing, Escaping };
    for (Damage damage : {Corrupt, Truncated, Empty, Missing, Escaping}) {
        SCOPED_TRACE(damage);
        InstallPackage(1300);
        InstallCopy(1200);
        std::string bytes = ReadFile(package);
        if (damage == Corrupt) {
            for (size_t i = bytes.size() / 3; i < bytes.size() / 3 + 64; ++i) {
                bytes[i] = static_cast<char>(bytes[i] ^ 0x5a);
            }
            ASSERT_TRUE(WriteFile(package, bytes));
        } else if (damage == Truncated) {
            ASSERT_TRUE(WriteFile(package, bytes.substr(0, bytes.size() / 2)));
        } else if (damage == Empty) {
            ASSERT_TRUE(ArchiveBuilder().Write(package, ArchiveBuilder::TarGz));
        } else if (damage == Missing) {
            RemoveTree(package);
        } else {
            ASSERT_TRUE(Package(1300).File("../../escaped", "x").Write(package, ArchiveBuilder::TarGz));
        }
        auto before = SnapshotTree(app);
        EXPECT_EQ(CountLines(Run().out, "need=1 result=-1"), 1);
        EXPECT_EQ(SnapshotTree(app), before);
        EXPECT_EQ(Backups(), 0);
        EXPECT_FALSE(PathExists(tree + "/escaped"));
        RemoveTree(tree + "/package.rejected");
    }
    // Every one is caught before anything of the user's is touched.
    EXPECT_EQ(LogCount("Failed to extract package, rollback to old installation"), 0);
    EXPECT_EQ(LogCount("local appdata exist"), 0);
}

TEST_F(UpgradeTest, InterruptedUpgradeIsRedoneByTheNextRun)
{
    InstallPackage(1300);
    InstallCopy(1200);
    ProcessResult killed = box->Run({"run", "--kill-after-entries", "3"});
    ASSERT_EQ(killed.term_signal, SIGKILL) << killed.out << killed.err;
    // The partial copy already carries the new INFO and executable.
    ASSERT_EQ(ReadFile(app + "/INFO"), Info(1300));
    ASSERT_EQ(Backups(), 1);
    EXPECT_EQ(CountLines(Run().out, "need=1 result=0"), 1);
    EXPECT_EQ(LogCount("[NOTE] linux/linux-service("), 1);
    ExpectFreshCopy(1300);

    // A leftover under a name this run would not try must go as well.
    ASSERT_TRUE(WriteFile(app + "_tmp5/INFO", Info(1200)));
    EXPECT_EQ(CountLines(Run().out, "need=1 result=0"), 1);
    EXPECT_EQ(LogCount("[NOTE] linux/linux-service("), 2);
    ExpectFreshCopy(1300);
}

// A power cut or a logout in the middle of an upgrade, or of the removal of
// its backups, leaves copies under the backup names beside the copy in
// place. When the next login installs nothing (its package is refused,
// before or after its extraction, or was refused before), the copy left in
// place is the first whole one: a whole backup, else the copy in place when
// it is whole. Nothing that is not whole is ever put back, and the empty
// marker of a first install is no copy.
TEST_F(UpgradeTest, AFailedUpgradeAfterAPowerCutRestoresTheLastWholeCopy)
{
    InstallPackage(1300);
    // 'o' a whole copy of build 1200, 'n' one of build 1300, 'c' a copy whose
    // files a power cut left empty, 'l' what a removal cut short left (an
    // empty bin/), 'm' the marker of a first install, '-' nothing.
    auto lay = [this](const std::string& dir, char what) {
        if (what == 'o' || what == 'n') {
            InstallCopy(what == 'o' ? 1200 : 1300);
            ASSERT_TRUE(dir == app || rename(app.c_str(), dir.c_str()) == 0);
        }
        for (const char* file : {"/INFO", "/bin/skylet-backup-ui", "/package/start-stop"}) {
            ASSERT_TRUE(what != 'c' || WriteFile(dir + file, "", 0755));
        }
        ASSERT_TRUE((what != 'l' && what != 'm') || MakeDirs(what == 'l' ? dir + "/bin" : dir));
    };
    struct Case {
        const char* layout;   // the copy in place, "_tmp" and "_tmp1"
        const char* package;  // "build": its copy holds an older build than
                              // announced; "checksum": it fails its checksum;
                              // "record": refused by the row before
        const char* result;
        int kept;  // the place in `layout` of the copy left in place; -1 none
    } cases[] = {
        {"co-", "build", "need=1 result=-1", 1},     {"co-", "record", "need=1 result=0", 1},
        {"-o-", "build", "need=1 result=-1", 1},     {"-o-", "record", "need=1 result=0", 1},
        {"co-", "checksum", "need=1 result=-1", 1},  {"nl-", "build", "need=1 result=-1", 0},
        {"nlo", "record", "need=1 result=0", 2},     {"cm-", "record", "need=1 result=-1", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.layout) + ", " + c.package);
        const std::string places[] = {app, app + "_tmp", app + "_tmp1"};
        std::vector<std::map<std::string, std::string>> before;
        for (int i = 2; i >= 0; --i) {
            RemoveTree(places[i]);
            lay(places[i], c.layout[i]);
        }
        for (const std::string& place : places) {
            before.push_back(SnapshotTree(place));
        }
        if (std::string(c.package) != "record") {
            RemoveTree(tree + "/package.rejected");
            const bool checksum = std::string(c.package) == "checksum";
            ASSERT_TRUE(Package(checksum ? 1300 : 1200).Write(package, ArchiveBuilder::TarGz));
            ASSERT_TRUE(!checksum || WriteFile(package + ".sha256", Sha256Line("another package")));
        }
        unlink((box->Home() + "/started").c_str());
        EXPECT_EQ(CountLines(Run().out, c.result), 1);
        RemoveTree(package + ".sha256");
        EXPECT_EQ(SnapshotTree(app), before[c.kept < 0 ? 0 : c.kept]);
        EXPECT_EQ(Backups(), c.kept < 0 ? 1 : 0);
        EXPECT_EQ(ReadFile(box->Home() + "/started"), c.kept < 0 ? "" : "old\n");
    }

    // An upgrade that succeeded, its backup's removal cut short after the
    // first entry; then a login with a refused package.
    InstallCopy(1200);
    InstallPackage(1300);
    ProcessResult killed = box->Run({"run"}, {{"LD_PRELOAD", STALL_READ_PRELOAD}, {"ASAN_OPTIONS", "verify_asan_link_order=0"},
                                              {"SKYLET_KILL_ON_REMOVE", app + "_"}});
    ASSERT_EQ(killed.term_signal, SIGKILL) << killed.err;
    const auto upgraded = SnapshotTree(app);
    ASSERT_TRUE(Package(1200).Write(package, ArchiveBuilder::TarGz));
    Run();
    EXPECT_EQ(SnapshotTree(app), upgraded);
    EXPECT_EQ(Backups(), 0);
    EXPECT_FALSE(PathExists(app + "_removing"));
}

// Two machines sharing a home folder, a launcher on each at login, an upgrade
// pending: one upgrades, the other waits for it, reads the versions again and
// only starts the client. The copy reaches the disk before the backup goes.
TEST_F(UpgradeTest, LaunchersSharingAHomeUpgradeItOnce)
{
    InstallPackage(1300);
    InstallCopy(1200);
    const std::string calls = tmp.Path("calls");
    ProcessResult r = RunProcess(
        "/bin/sh", {"-c", "\"$DRIVER\" run & \"$DRIVER\" run; wait $!"},
        {{"HOME", box->Home()}, {"QT_QPA_PLATFORM", "offscreen"}, {"DRIVER", box->Executable()},
         {"LD_PRELOAD", STALL_READ_PRELOAD}, {"ASAN_OPTIONS", "verify_asan_link_order=0"},
         {"SKYLET_STALL_PASS", "0"}, {"SKYLET_STALL_HOW", "slow:200"}, {"SKYLET_STALL_COUNTER", tmp.Path("n")},
         {"SKYLET_CALL_LOG", calls}},
        60);
    EXPECT_EQ(CountLines(r.out, "need=1 result=0"), 1) << r.out;
    EXPECT_EQ(CountLines(r.out, "need=0 result=0"), 1);
    EXPECT_EQ(LogCount("extract package:"), 1);
    ExpectFreshCopy(1300);
    const std::string order = ReadFile(calls);
    EXPECT_LT(order.find("syncfs"), order.find("rmdir " + app + "_removing")) << order;
    EXPECT_NE(order.find("rmdir " + app + "_removing"), std::string::npos) << order;
}

// Between two builds most files are the same: those the old copy holds byte
// for byte are linked from its backup into the new copy and never written
// through it; a file changed after the check, or of another mode, is
// written. A run cut short, or a copy refused, leaves the backup as it was.
TEST_F(UpgradeTest, UpgradeBetweenTwoBuildsLinksWhatIsUnchanged)
{
    const std::string bulk = "/lib/bulk.dat", exe = "/bin/skylet-backup-ui", info = "/INFO";
    struct Case {
        const char* what;
        std::vector<std::string> args;
        mode_t bulk_mode;
        int announced;  // by the installation's INFO
        std::vector<std::string> linked, written;
    } cases[] = {
        {"nothing changed", {"run"}, 0644, 1300, {bulk, exe, "/package/start-stop"}, {info, "/share/readme"}},
        {"rewritten after the check", {"run", "--rewrite-on-stop", app + bulk}, 0644, 1300, {exe}, {bulk, info}},
        {"another mode", {"run"}, 0600, 1300, {exe}, {bulk, info}},
        {"killed after links", {"run", "--kill-after-entries", "4"}, 0644, 1300, {}, {}},
        {"copy refused after links", {"run"}, 0644, 1400, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveTree(app);
        InstallPackage(1200);
        ASSERT_EQ(CountLines(Run().out, "need=1 result=0"), 1);
        ASSERT_EQ(chmod((app + bulk).c_str(), c.bulk_mode), 0);
        InstallPackage(1300);
        ASSERT_TRUE(WriteFile(box->Root() + "/INFO", Info(c.announced)));
        const auto old_copy = SnapshotTree(app);
        std::map<std::string, ino_t> inodes;
        for (const auto& file : {c.linked, c.written}) {
            for (const std::string& name : file) {
                inodes[name] = Inode(app + name);
            }
        }
        ProcessResult r = box->Run(c.args);
        if (c.args.size() > 2 && c.args[1] == "--kill-after-entries") {
            ASSERT_EQ(r.term_signal, SIGKILL);
            EXPECT_EQ(SnapshotTree(app + "_tmp"), old_copy);
            r = Run();
        }
        if (c.announced > 1300) {
            EXPECT_EQ(CountLines(r.out, "need=1 result=-1"), 1);
            EXPECT_EQ(SnapshotTree(app), old_copy);
            continue;
        }
        EXPECT_EQ(CountLines(r.out, "need=1 result=0"), 1) << r.out;
        ExpectFreshCopy(1300);
        for (const auto& file : c.linked) {
            EXPECT_EQ(Inode(app + file), inodes[file]) << file;
        }
        for (const auto& file : c.written) {
            EXPECT_NE(Inode(app + file), inodes[file]) << file;
        }
    }
}

}  // namespace

// Extractor against real archives written with libarchive.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "adapter.h"
#include "archive_builder.h"
#include "extractor.h"
#include "file/file-op.h"
#include "log_capture.h"
#include "process.h"
#include "temp_dir.h"
#include "texts/strtab.h"
#include "tree_snapshot.h"
#include "unchanged-files.h"
#include "unprivileged.h"

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
        EXPECT_TRUE(builder.Write(package, format));
        return Fresh().Extract();
    }

    // `extractor`, new, on `package` and `target`.
    Extractor& Fresh()
    {
        extractor = Extractor();
        extractor.SetSource(package.c_str());
        extractor.SetTarget(target.c_str());
        return extractor;
    }

    std::unique_ptr<LogCapture> log;
    const std::string package = tmp.Path("package.vpk");
    Extractor extractor;
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
    EXPECT_EQ(log->Count("cannot open the package: No such file or directory"), 1);
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
    // Refused by the count pass already, before anything is written.
    EXPECT_EQ(Extract(ArchiveBuilder().File("/etc/x", "abs").File("a", "a").File("../evil", "e").File("z", "z"),
                      ArchiveBuilder::TarGz), -1);
    EXPECT_TRUE(extractor.PackageAtFault());
    EXPECT_FALSE(PathExists(tmp.Path("evil")));
    EXPECT_TRUE(SnapshotTree(target).empty());
    EXPECT_EQ(log->Count("refusing entry '../evil': it leaves the target folder"), 1);
    EXPECT_TRUE(progress.empty());

    EXPECT_EQ(Extract(ArchiveBuilder().File("/etc/x", "abs").File("a", "a"), ArchiveBuilder::TarGz), 0);
    EXPECT_EQ(ReadFile(target + "/etc/x"), "abs");
    EXPECT_TRUE(PathExists(target + "/a"));
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

TEST_F(ExtractorTest, EntryNamedLikeTheTargetItselfIsRefused)
{
    const std::string out = tmp.Path("outside");
    ASSERT_TRUE(MakeDirs(out));
    for (const char* name : {".", "./", "/"}) {
        SCOPED_TRACE(name);
        RemoveTree(target);
        EXPECT_EQ(Extract(ArchiveBuilder().Symlink(name, out).File("pwned", "x")), -1);
        EXPECT_TRUE(extractor.PackageAtFault());
        EXPECT_FALSE(PathExists(out + "/pwned"));
        EXPECT_FALSE(IsSymlink(target));
    }
    EXPECT_EQ(log->Count("it would replace the target folder"), 3);
    // A folder entry for the target itself is common ("tar -C dir .").
    RemoveTree(target);
    EXPECT_EQ(Extract(ArchiveBuilder().Dir(".").File("f", "1")), 0);
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

// Bytes that no compressor can shrink, the same on every run.
std::string Noise(size_t size)
{
    std::string bytes(size, '\0');
    uint32_t x = 2463534242u;
    for (char& c : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
    }
    return bytes;
}

std::string Sha256Sum(const std::string& path)
{
    ProcessResult r = RunProcess("/usr/bin/sha256sum", {path});
    return r.exit_code == 0 ? r.out.substr(0, 64) : "sha256sum failed: " + r.err;
}

TEST_F(ExtractorTest, ScanHashesTheWholeFileAndCountsItsEntries)
{
    // Bigger than one read block, so that the file is read, hashed and
    // inflated in pieces.
    const ArchiveBuilder builder = ArchiveBuilder()
                                       .Dir("bin")
                                       .File("bin/client", Noise(1536 * 1024), 0755)
                                       .Symlink("bin/c", "client")
                                       .File("INFO", "[Version]\n");
    const std::string tar = tmp.Path("plain.tar");
    ASSERT_TRUE(builder.Write(tar, ArchiveBuilder::Tar));
    // gzip(1) may concatenate members, and so may a package tool.
    const std::string two_members = "head -c 700000 \"$TAR\" | gzip -n > \"$PKG\"; "
                                     "tail -c +700001 \"$TAR\" | gzip -n >> \"$PKG\"";
    const int two_member_gzip = -1;
    for (int format : {int(ArchiveBuilder::Tar), int(ArchiveBuilder::TarGz), int(ArchiveBuilder::Zip),
                       two_member_gzip}) {
        SCOPED_TRACE(format);
        if (format == two_member_gzip) {
            ASSERT_EQ(RunProcess("/bin/sh", {"-c", two_members}, {{"TAR", tar}, {"PKG", package}})
                          .exit_code, 0);
        } else {
            ASSERT_TRUE(builder.Write(package, static_cast<ArchiveBuilder::Format>(format)));
        }
        Extractor::ScanResult scan;
        ASSERT_EQ(Fresh().Scan(scan), 0);
        EXPECT_EQ(scan.sha256, Sha256Sum(package));
        EXPECT_EQ(scan.entries, static_cast<int>(builder.EntryCount()));
        EXPECT_EQ(extractor.Count(), scan.entries);
        RemoveTree(target);
        EXPECT_EQ(extractor.Extract(), 0);
        EXPECT_EQ(ReadFile(target + "/bin/c"), Noise(1536 * 1024));
    }
}

// A file that packs small is read for long while the package hardly moves:
// the check and the extraction report every block they inflate or write, so
// that the watch over the reading tells a slow one from a stuck one.
TEST_F(ExtractorTest, LargeEntriesReportProgressAsTheyAreRead)
{
    struct Counter : ExtractProgress {
        void Moved() override { ++moved; }
        void EntryDone(int, int) override {}
        int moved = 0;
    } counter;
    const size_t mib = 8;
    ASSERT_TRUE(
        ArchiveBuilder().File("zeros", std::string(mib << 20, '\0')).Write(package, ArchiveBuilder::TarGz));
    Extractor::ScanResult scan;
    Fresh().SetProgress(&counter);
    ASSERT_EQ(extractor.Scan(scan), 0);
    const int scanned = counter.moved;
    extractor.SetKnownTotal(scan.entries);
    ASSERT_EQ(extractor.Extract(), 0);
    // At least once for every MiB, in either reading.
    EXPECT_GE(scanned, int(mib));
    EXPECT_GE(counter.moved - scanned, int(mib));
}

TEST_F(ExtractorTest, GzipTrailerThatDoesNotMatchIsThePackagesFault)
{
    // Only the stored CRC-32 or length changes; the deflate data stays intact,
    // so nothing but the trailer can tell. zlib's words for each fault, and
    // where the field sits counted from the end:
    const std::pair<const char*, int> cases[] = {{"incorrect data check", 8},
                                                 {"incorrect length check", 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        ASSERT_TRUE(ArchiveBuilder().File("bin/client", "binary").Write(package, ArchiveBuilder::TarGz));
        std::string bytes = ReadFile(package);
        bytes[bytes.size() - c.second] ^= 0x01;
        ASSERT_TRUE(WriteFile(package, bytes));

        Extractor::ScanResult scan;
        EXPECT_EQ(Fresh().Scan(scan), -1);
        EXPECT_TRUE(extractor.PackageAtFault());
        // Also an extraction that was not preceded by a scan.
        RemoveTree(target);
        extractor.SetKnownTotal(0);
        EXPECT_EQ(extractor.Extract(), -1);
        EXPECT_TRUE(extractor.PackageAtFault());
        EXPECT_EQ(log->Count(c.first), 2);
    }
}

TEST_F(ExtractorTest, SpecialFilesAreRefused)
{
    const std::pair<const char*, ArchiveBuilder> cases[] = {
        {"FIFO", ArchiveBuilder().File("a", "a").Fifo("p")},
        {"character device", ArchiveBuilder().File("a", "a").Device("p")},
        {"block device", ArchiveBuilder().File("a", "a").Device("p", true)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        RemoveTree(target);
        EXPECT_EQ(Extract(c.second, ArchiveBuilder::TarGz), -1);
        EXPECT_TRUE(extractor.PackageAtFault());
        EXPECT_FALSE(PathExists(target + "/p"));
        EXPECT_EQ(log->Count(std::string("refusing entry 'p': it is a ") + c.first), 1);
    }
}

TEST_F(ExtractorTest, FailuresNameTheirCauseAndWhomTheyBlame)
{
    // A tar archive cut inside an entry's data. With the total known no
    // count pass runs, so the first entry is written and the extraction
    // itself meets the cut.
    ASSERT_TRUE(ArchiveBuilder().File("a", "a").File("big", Noise(100000))
                    .Write(package, ArchiveBuilder::Tar));
    ASSERT_EQ(truncate(package.c_str(), 50000), 0);
    Fresh().SetKnownTotal(2);
    EXPECT_EQ(extractor.Extract(), -1);
    EXPECT_TRUE(extractor.PackageAtFault());
    EXPECT_EQ(ReadFile(target + "/a"), "a");
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{2, 1}}));
    EXPECT_EQ(log->Count("archive_read_extract2 failed: 'Truncated tar archive"), 1);

    // A missing package is the environment's fault.
    ASSERT_EQ(unlink(package.c_str()), 0);
    Extractor::ScanResult scan;
    EXPECT_EQ(Fresh().Scan(scan), -1);
    EXPECT_FALSE(extractor.PackageAtFault());
    EXPECT_EQ(log->Count("cannot open the package: No such file or directory"), 1);
    EXPECT_EQ(log->Count("(null)"), 0);
}

// The check before an upgrade must accept exactly what the extraction
// installs, and find damaged entry data before anything is written: it reads
// the data of every entry that has some, seekable where the format needs it.
TEST_F(ExtractorTest, ScanAcceptsExactlyWhatExtractInstalls)
{
    const ArchiveBuilder builder =
        ArchiveBuilder().Dir("bin").File("bin/client", Noise(200000), 0755).File("INFO", "[Version]\n");
    auto as_written = [](std::string bytes) { return bytes; };
    auto flip_middle = [](std::string bytes) {
        bytes[bytes.size() / 2] ^= 0x20;
        return bytes;
    };
    struct Case {
        const char* name;
        ArchiveBuilder::Format format;
        std::function<std::string(std::string)> change;
        int result;
        const char* log;
    } cases[] = {
        {"7z", ArchiveBuilder::SevenZip, as_written, 0, nullptr},
        {"rar5 with a folder entry, which has no data to read", ArchiveBuilder::Rar5Stored, as_written, 0,
         nullptr},
        {"zip behind a stub", ArchiveBuilder::Zip, [](std::string b) { return std::string(4096, 'M') + b; }, 0,
         nullptr},
        {"gzip with bytes after its last member", ArchiveBuilder::TarGz,
         [](std::string b) { return b + std::string("junk\0\0\0", 7); }, 0, "7 bytes after its last gzip member"},
        {"zip with a damaged entry", ArchiveBuilder::Zip, flip_middle, -1, "cannot read entry 'bin/client'"},
        {"7z with a damaged entry", ArchiveBuilder::SevenZip, flip_middle, -1, "cannot read entry 'bin/client'"},
        {"rar4 cut inside a file whose type is unset", ArchiveBuilder::Rar4Stored,
         [](std::string b) { return b.substr(0, b.size() / 2); }, -1, "Truncated RAR file data"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(builder.Write(package, c.format));
        ASSERT_TRUE(WriteFile(package, c.change(ReadFile(package))));
        const int logged = c.log ? log->Count(c.log) : 0;
        Extractor::ScanResult scan;
        EXPECT_EQ(Fresh().Scan(scan), c.result);
        EXPECT_EQ(extractor.PackageAtFault(), c.result != 0);
        // The extraction, not preceded by a count of its own, agrees.
        RemoveTree(target);
        extractor.SetKnownTotal(3);
        EXPECT_EQ(extractor.Extract(), c.result);
        EXPECT_EQ(extractor.PackageAtFault(), c.result != 0);
        if (c.result == 0) {
            EXPECT_EQ(scan.entries, 3);
            EXPECT_EQ(ReadFile(target + "/bin/client"), Noise(200000));
        }
        if (c.log) {
            EXPECT_GT(log->Count(c.log), logged);
        }
    }
}

// libarchive converts names to the current locale's character set, which
// under "C" holds no non-ASCII name: what installs must not depend on the
// user's locale.
TEST_F(ExtractorTest, NamesAreTheSameUnderEveryLocale)
{
    const std::string name = "share/na\xc3\xafve-\xc3\xbc.txt";
    const std::string saved = setlocale(LC_ALL, nullptr);
    for (auto format : {ArchiveBuilder::PaxUtf8, ArchiveBuilder::Zip, ArchiveBuilder::SevenZip}) {
        for (const char* locale : {"C", "POSIX", "C.UTF-8", "tr_TR.UTF-8"}) {
            SCOPED_TRACE(std::to_string(format) + " under " + locale);
            ASSERT_TRUE(ArchiveBuilder().File(name, "u").File("INFO", "i").Write(package, format));
            if (!setlocale(LC_ALL, locale)) {
                continue;  // not generated on this machine
            }
            Extractor::ScanResult scan;
            EXPECT_EQ(Fresh().Scan(scan), 0);
            RemoveTree(target);
            EXPECT_EQ(extractor.Extract(), 0);
            setlocale(LC_ALL, saved.c_str());
            EXPECT_EQ(ReadFile(target + "/" + name), "u");
        }
    }
    setlocale(LC_ALL, saved.c_str());
}

// A folder has the mode of its last entry, wherever that stands, as
// `bsdtar -xp` gives it (under the umask) to the user who runs it, also where
// that closes the folder to its owner; the copy's top folder keeps the mode
// its maker gave it, and the copy stays removable. An entry without a name is
// malformed.
TEST_F(ExtractorTest, FoldersTakeTheModeOfTheirLastEntry)
{
    const mode_t saved_umask = umask(022);
    const ArchiveBuilder closed =
        ArchiveBuilder().Dir("dir2", 0142).Dir("dir2/dir3a", 0000).File("dir2/dir3a/f", "1");
    struct Case {
        const char* name;
        ArchiveBuilder package;
        const char* folder;
        mode_t mode;
    } cases[] = {
        {"entry after its contents", ArchiveBuilder().File("d/f", "1").Dir("d", 0750), "d", 0750},
        {"entry twice", ArchiveBuilder().Dir("d", 0700).File("d/f", "1").Dir("d", 0751), "d", 0751},
        {"read-only, with contents", ArchiveBuilder().Dir("d", 0555).File("d/f", "1"), "d", 0555},
        {"under the umask", ArchiveBuilder().Dir("d", 0777).File("d/e/f", "1").Dir("d/e", 0500), "d", 0755},
        {"the top folder", ArchiveBuilder().Dir(".", 0700).File("f", "1"), "", 0711},
        {"closed to its owner, inside a folder closed but for searching", closed, "dir2/dir3a", 0000},
        {"closed but for searching, holding a closed folder", closed, "dir2", 0140},
    };
    // In a home of the user's own, so that the user can remove the copy too.
    const std::string home = tmp.Path("home");
    target = home + "/copy";
    ASSERT_EQ(chmod(tmp.Path().c_str(), 0711), 0);
    ASSERT_TRUE(MakeDirs(home));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RemoveTree(target);
        ASSERT_EQ(mkdir(target.c_str(), 0711), 0);
        ASSERT_EQ(chmod(target.c_str(), 0711), 0);
        GiveToNobody(home);
        ASSERT_TRUE(c.package.Write(package, ArchiveBuilder::TarGz));
        EXPECT_EQ(RunUnprivileged([this] { return Fresh().Extract(); }), 0);
        struct stat st;
        ASSERT_EQ(stat((target + "/" + c.folder).c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.mode);
        const ustring copy = target.c_str();
        EXPECT_EQ(RunUnprivileged([&copy] { return -FSRemove(copy); }), 0);
        EXPECT_FALSE(PathExists(target));
    }
    EXPECT_EQ(Extract(ArchiveBuilder().File("a", "a").File("", "x"), ArchiveBuilder::TarGz), -1);
    EXPECT_TRUE(extractor.PackageAtFault());
    EXPECT_EQ(log->Count("refusing entry 2: it has no name"), 1);
    umask(saved_umask);
}

// What the old copy holds byte for byte is linked from it, the rest
// written; a zip entry's data is then skipped, not inflated. A folder of the
// old copy that is a link leads neither the comparison nor a link outside it.
TEST_F(ExtractorTest, FilesTheOldCopyHoldsAreLinkedFromIt)
{
    for (bool through_link : {false, true}) {
        SCOPED_TRACE(through_link ? "through a link" : "in the copy");
        RemoveTree(target);
        const std::string backup = tmp.Path("backup"), outside = tmp.Path("outside");
        RemoveTree(backup);
        ASSERT_EQ(Extract(ArchiveBuilder().Dir("a").File("a/same", "same").File("a/other", "new"),
                          ArchiveBuilder::Zip), 0);
        ASSERT_TRUE(WriteFile(target + "/a/other", "old"));
        ASSERT_TRUE(!through_link || (rename((target + "/a").c_str(), outside.c_str()) == 0 &&
                                      symlink(outside.c_str(), (target + "/a").c_str()) == 0));
        const int notes = memfd_create("notes", MFD_CLOEXEC);
        UnchangedFiles in_copy(target), in_backup(backup);
        Fresh().SetUnchanged(&in_copy);
        Extractor::ScanResult scan;
        ASSERT_EQ(extractor.Scan(scan, false), 0);
        EXPECT_EQ(scan.unchanged_files, through_link ? 0 : 1);
        ASSERT_TRUE(in_copy.Save(notes) && rename(target.c_str(), backup.c_str()) == 0 && in_backup.Load(notes));
        Fresh().SetUnchanged(&in_backup);
        ASSERT_EQ(extractor.Extract(), 0);
        struct stat linked, old_file;
        ASSERT_EQ(stat((target + "/a/same").c_str(), &linked) | stat((backup + "/a/same").c_str(), &old_file), 0);
        EXPECT_EQ(linked.st_ino == old_file.st_ino, !through_link);
        EXPECT_EQ(ReadFile(target + "/a/other"), "new");
        EXPECT_EQ(ReadFile(backup + "/a/other"), "old");
        close(notes);
        RemoveTree(outside);
    }
}

}  // namespace

#include "extractor.h"

#include <archive.h>
#include <archive_entry.h>
#include <locale.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <string>

#include <QString>

#include "adapter.h"
#include "entry-path.h"
#include "entry-rules.h"
#include "folder-modes.h"
#include "log.h"
#include "package-reader.h"
#include "symlink-guard.h"
#include "texts/strtab.h"
#include "unchanged-files.h"

namespace {

const char* const LOG_COMP = "extractor_debug";
const size_t READ_BLOCK_SIZE = 10240;
const uint64_t DISK_BLOCK = 4096;
// Nothing is restored but the data and the mode bits; ".." is refused by the
// writer too. Links inside the tree are guarded by SymlinkGuard below
// instead of ARCHIVE_EXTRACT_SECURE_SYMLINKS, which would also reject a home
// folder that is itself reached through a link. Folder modes are set by
// FolderModes after the last entry, not by the writer, which keeps the mode
// a folder got first; until then the writer makes every folder 0700.
const int EXTRACT_FLAGS =
    ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_MAC_METADATA;

// errno values that describe the machine rather than the package: the same
// package may extract once there is room, the rights are fixed or memory is
// back. Anything else libarchive reports (format errors, "..", names too
// long, ...) is the package's doing.
bool IsEnvironmentErrno(int err)
{
    switch (err) {
    case ENOENT:
    case EACCES:
    case EPERM:
    case EROFS:
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
    case ENOMEM:
    case EIO:
    case EMFILE:
    case ENFILE:
    case EBUSY:
    case ETXTBSY:
        return true;
    default:
        return false;
    }
}

// Where a failure happened, for the log when the library says nothing.
struct Where {
    int code;   // the library's return code
    int entry;  // the entry's number in the archive, from 1
};

// What went wrong, in the words of whoever noticed: the package reader, else
// libarchive's read side (the extraction copies the writer's errors there),
// else the write side. libarchive's own words can be terse ("Write failed"),
// so the errno text is added when they do not already hold it; EILSEQ and
// EINVAL are libarchive's codes for a bad format and a bad call, whose errno
// texts would only mislead.
std::string ArchiveCause(archive* ar, archive* aw, const Where& where)
{
    for (archive* a : {ar, aw}) {
        if (!a || (!archive_error_string(a) && archive_errno(a) <= 0)) {
            continue;
        }
        std::string cause = archive_error_string(a) ? archive_error_string(a) : "";
        const int err = archive_errno(a);
        if (err > 0 && (cause.empty() || (err != EILSEQ && err != EINVAL &&
                                          cause.find(strerror(err)) == std::string::npos))) {
            cause += (cause.empty() ? "" : ": ") + std::string(strerror(err));
        }
        return cause;
    }
    return "no cause given (return code " + std::to_string(where.code) + " at entry " +
           std::to_string(where.entry) + ")";
}

std::string CauseOf(const PackageReader& reader, archive* ar, archive* aw, const Where& where)
{
    return reader.Failed() ? reader.Error() : ArchiveCause(ar, aw, where);
}

Step BlameFor(const PackageReader& reader, archive* ar, archive* aw = nullptr)
{
    if (reader.Failed()) {
        return reader.DataFault() ? Step::PackageFault : Step::EnvironmentFault;
    }
    int err = archive_errno(ar);
    if (err == 0 && aw) {
        err = archive_errno(aw);
    }
    return IsEnvironmentErrno(err) ? Step::EnvironmentFault : Step::PackageFault;
}

archive* NewArchiveReader()
{
    archive* ar = archive_read_new();
    if (!ar) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): Allocate archive failed\n",
                       __LINE__);
        return nullptr;
    }
    archive_read_support_filter_all(ar);
    archive_read_support_format_all(ar);
    return ar;
}

// The C.UTF-8 locale, made once. Made before a caller forks, so that a child
// process only switches to it.
locale_t Utf8Locale()
{
    static const locale_t utf8 = newlocale(LC_ALL_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return utf8;
}

// Runs this thread under C.UTF-8 while it lives: libarchive converts entry
// names between the archive's character set and the current locale's, and
// only a UTF-8 locale holds every name. So names read and land the same under
// any locale the user has, "C" and "POSIX" included, and tr_TR's case rules
// touch nothing either.
class Utf8Scope {
public:
    Utf8Scope()
    {
        if (Utf8Locale() != static_cast<locale_t>(0)) {
            previous = uselocale(Utf8Locale());
        }
    }
    ~Utf8Scope()
    {
        if (previous != static_cast<locale_t>(0)) {
            uselocale(previous);
        }
    }
    Utf8Scope(const Utf8Scope&) = delete;
    Utf8Scope& operator=(const Utf8Scope&) = delete;

private:
    locale_t previous = static_cast<locale_t>(0);
};

// Opens the package with `reader` and hands it to `ar`: as a stream through
// the reader's own inflation when it is gzip and `seekable` is false,
// seekable otherwise. Logs the cause when either fails.
Step OpenPackage(PackageReader& reader, archive* ar, const ustring& source, int fd, bool seekable)
{
    bool ok = reader.Open(source.c_str_utf8(), fd) && reader.Attach(ar, seekable) == ARCHIVE_OK;
    if (!ok) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): cannot read package '%s': %s\n",
                       __LINE__, source.c_str(), CauseOf(reader, ar, nullptr, Where{ARCHIVE_FATAL, 0}).c_str());
        return BlameFor(reader, ar);
    }
    return Step::Ok;
}

Step ReadHeader(archive* ar, const PackageReader& reader, archive_entry*& entry, int number)
{
    int r = archive_read_next_header(ar, &entry);
    if (r == ARCHIVE_EOF) {
        return Step::End;
    }
    if (r == ARCHIVE_OK) {
        return Step::Ok;
    }
    Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                   "[ERROR] extractor(%d): archive_read_next_header failed: '%s'\n", __LINE__,
                   CauseOf(reader, ar, nullptr, Where{r, number}).c_str());
    return BlameFor(reader, ar);
}

// Hands the current entry's data to `take` block by block, to its end or to
// the first result of the reader or of `take` that is not ARCHIVE_OK, which
// it gives back. Every block taken is progress, even where the package
// reading itself stands still for a while (a large file packed small).
template <class Take>
int ForEachDataBlock(archive* ar, ReadProgress* progress, Take take)
{
    for (;;) {
        const void* block = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        int r = archive_read_data_block(ar, &block, &size, &offset);
        if (r == ARCHIVE_EOF) {
            return ARCHIVE_OK;
        }
        if (r == ARCHIVE_OK) {
            r = take(block, size, offset);
        }
        if (r != ARCHIVE_OK) {
            return r;
        }
        if (progress) {
            progress->Moved();
        }
    }
}

// Reads the current entry's data to its end, as an extraction would, and
// counts it; `unchanged`, when there is one, compares it as it comes.
Step ReadEntryData(archive* ar, const PackageReader& reader, archive_entry* entry, int number,
                   const ustring& source, ReadProgress* progress, UnchangedFiles* unchanged, uint64_t& bytes)
{
    const int r = ForEachDataBlock(ar, progress, [&](const void* block, size_t size, la_int64_t offset) {
        bytes += size;
        if (unchanged) {
            unchanged->Compare(block, size, offset);
        }
        return ARCHIVE_OK;
    });
    if (unchanged) {
        unchanged->End(r == ARCHIVE_OK);
    }
    if (r != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] extractor(%d): cannot read entry '%s' of '%s': %s\n", __LINE__,
                       EntryName(entry), source.c_str(),
                       CauseOf(reader, ar, nullptr, Where{r, number}).c_str());
        return BlameFor(reader, ar);
    }
    return Step::Ok;
}

// Moves each entry below the target folder, after making sure that it does
// not get there through a symbolic link on disk.
class EntryPlacer {
public:
    explicit EntryPlacer(const std::string& target) : prefix(target + "/"), guard(target) {}

    Step Place(archive_entry* entry)
    {
        const char* name = archive_entry_pathname(entry);
        const char* hardlink = archive_entry_hardlink(entry);
        bool is_dir = !hardlink && archive_entry_filetype(entry) == AE_IFDIR;
        if (!guard.Admit(name, is_dir, link_found) ||
            (hardlink && !guard.AdmitLinkTarget(hardlink, link_found))) {
            return Refuse(entry, "it passes through the symbolic link ", "'" + link_found + "'");
        }
        full_path = prefix + name;
        archive_entry_set_pathname(entry, full_path.c_str());
        // A stored link target is relative to the archive's root, so it
        // must move with the entry into the target folder.
        if (hardlink) {
            full_link = prefix + hardlink;
            archive_entry_set_hardlink(entry, full_link.c_str());
        }
        return Step::Ok;
    }

private:
    const std::string prefix;
    SymlinkGuard guard;
    std::string link_found;
    std::string full_path;
    std::string full_link;
};

mode_t CurrentUmask()
{
    // There is no call that only reads it; libarchive's writer does the same.
    mode_t bits = umask(0);
    umask(bits);
    return bits;
}

// The writer's error becomes the reader's, where ArchiveCause and BlameFor
// look first, as archive_read_extract2 does.
void TakeWriterError(archive* ar, archive* aw)
{
    const char* text = archive_error_string(aw);
    archive_set_error(ar, archive_errno(aw), "%s", text ? text : "");
}

// The entry's data from the reader to the writer. libarchive's result,
// worse than ARCHIVE_WARN only for the reading.
int CopyData(archive* ar, archive* aw, ReadProgress* progress)
{
    return ForEachDataBlock(ar, progress, [ar, aw](const void* block, size_t size, la_int64_t offset) {
        const int r = static_cast<int>(archive_write_data_block(aw, block, size, offset));
        if (r >= ARCHIVE_OK) {
            return ARCHIVE_OK;
        }
        TakeWriterError(ar, aw);
        return std::max(r, ARCHIVE_WARN);
    });
}

// Writes the entry as archive_read_extract2 would, with its data only where
// EntryHasData finds any, so that what the extraction reads is what the
// check has read.
Step WriteEntry(archive* ar, archive* aw, const PackageReader& reader, archive_entry* entry, int number,
                ReadProgress* progress)
{
    int r = archive_write_header(aw, entry);
    if (r != ARCHIVE_OK) {
        TakeWriterError(ar, aw);
        r = std::max(r, ARCHIVE_WARN);
    } else if (EntryHasData(entry)) {
        r = CopyData(ar, aw, progress);
    }
    if (r != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] extractor(%d): archive_read_extract2 failed: '%s' (entry '%s')\n", __LINE__,
                       CauseOf(reader, ar, aw, Where{r, number}).c_str(), EntryName(entry));
        return BlameFor(reader, ar, aw);
    }
    r = archive_write_finish_entry(aw);
    if (r != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] extractor(%d): archive_write_finish_entry failed: '%s' (entry '%s')\n",
                       __LINE__, CauseOf(reader, aw, nullptr, Where{r, number}).c_str(), EntryName(entry));
        return BlameFor(reader, aw);
    }
    return Step::Ok;
}

// Passes over the data of an entry the new copy already has: inflated and
// dropped in a stream, skipped where the format allows.
Step SkipData(archive* ar, const PackageReader& reader, archive_entry* entry, int number)
{
    const int r = archive_read_data_skip(ar);
    if (r != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): cannot read entry '%s': %s\n", __LINE__,
                       EntryName(entry), CauseOf(reader, ar, nullptr, Where{r, number}).c_str());
        return BlameFor(reader, ar);
    }
    return Step::Ok;
}

// Logs bytes after the last gzip member: gzip ignores them with a warning,
// and so does the archive library.
void NoteTrailingBytes(const PackageReader& reader, const ustring& source)
{
    if (reader.TrailingBytes() > 0) {
        Logger::LogMsg(Logger::L_NOTICE, LOG_COMP,
                       "[NOTE] extractor(%d): package '%s' has %llu bytes after its last gzip member; "
                       "they are ignored, as gzip ignores them\n",
                       __LINE__, source.c_str(), static_cast<unsigned long long>(reader.TrailingBytes()));
    }
}

// Opens `source` for a pass that only reads headers (List). Logs and gives
// null when the arguments are missing or the archive cannot be opened.
archive* OpenForScan(const ustring& source, const ustring& target)
{
    if (target.empty() || source.empty()) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): Invalid argument\n", __LINE__);
        return nullptr;
    }
    archive* ar = NewArchiveReader();
    if (!ar) {
        return nullptr;
    }
    if (archive_read_open_filename(ar, source.c_str_utf8(), READ_BLOCK_SIZE) != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n", __LINE__,
                       ArchiveCause(ar, nullptr, Where{ARCHIVE_FATAL, 0}).c_str());
        archive_read_free(ar);
        return nullptr;
    }
    return ar;
}

}  // namespace

Extractor::Extractor()
{
    Utf8Locale();
}

void Extractor::SetTarget(const ustring& target)
{
    this->target = target;
}

void Extractor::SetSource(const ustring& source)
{
    this->source = source;
}

void Extractor::SetSourceFd(int fd)
{
    source_fd = fd;
}

void Extractor::SetProgress(ExtractProgress* sink)
{
    progress = sink;
}

void Extractor::SetUnchanged(UnchangedFiles* files)
{
    unchanged = files;
}

void Extractor::SetKnownTotal(int total)
{
    known_total = total;
}

bool Extractor::PackageAtFault() const
{
    return package_at_fault;
}

int Extractor::Scan(ScanResult& result, bool hash)
{
    return ScanPackage(result, hash, unchanged);
}

int Extractor::ScanPackage(ScanResult& result, bool hash, UnchangedFiles* compare)
{
    result = ScanResult();
    package_at_fault = false;
    if (source.empty()) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): Invalid argument\n", __LINE__);
        return -1;
    }
    Utf8Scope utf8;
    archive* ar = NewArchiveReader();
    if (!ar) {
        return -1;
    }
    PackageReader reader(hash, progress);
    // A gzip stream is inflated by the reader, which checks its trailers;
    // anything else is read seekable, as the extraction reads it.
    Step step = OpenPackage(reader, ar, source, source_fd, false);
    EntryRules rules;
    const mode_t mask = CurrentUmask();
    int entries = 0;
    uint64_t space = 0;
    archive_entry* entry = nullptr;
    while (step == Step::Ok && (step = ReadHeader(ar, reader, entry, entries + 1)) == Step::Ok) {
        step = rules.Admit(entry, entries + 1);
        if (step == Step::Skip) {
            step = Step::Ok;
        }
        uint64_t bytes = 0;
        const bool has_data = step == Step::Ok && EntryHasData(entry);
        const bool compared = has_data && compare && archive_entry_filetype(entry) == AE_IFREG &&
                              !archive_entry_hardlink(entry);
        if (compared) {
            compare->Begin(entry, entries + 1, mask);
        } else if (step == Step::Ok && compare && archive_entry_hardlink(entry)) {
            compare->Forget(archive_entry_hardlink(entry));
        }
        if (has_data) {
            step = ReadEntryData(ar, reader, entry, entries + 1, source, progress, compared ? compare : nullptr,
                                 bytes);
        }
        if (step != Step::Ok) {
            break;
        }
        ++entries;
        space += (bytes + DISK_BLOCK - 1) / DISK_BLOCK * DISK_BLOCK;
        if (archive_entry_filetype(entry) == AE_IFDIR) {
            space += DISK_BLOCK;
        }
        if (progress) {
            progress->Moved();
        }
    }
    if (step == Step::End && !reader.Drain()) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] extractor(%d): package '%s' is damaged after its last entry: %s\n",
                       __LINE__, source.c_str(), reader.Error().c_str());
        step = BlameFor(reader, ar);
    }
    archive_read_free(ar);
    if (step != Step::End) {
        package_at_fault = step == Step::PackageFault;
        return -1;
    }
    NoteTrailingBytes(reader, source);
    result.entries = entries;
    result.space_needed = space;
    if (compare) {
        result.unchanged_files = compare->Files();
        result.unchanged_space = compare->Space();
    }
    if (hash) {
        result.sha256 = reader.Sha256();
    }
    return 0;
}

int Extractor::Count()
{
    if (target.empty() || source.empty()) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): Invalid argument\n", __LINE__);
        return -1;
    }
    ScanResult result;
    // A count compares nothing: the notes are the check's.
    return ScanPackage(result, false, nullptr) == 0 ? result.entries : -1;
}

int Extractor::List()
{
    archive* ar = OpenForScan(source, target);
    if (!ar) {
        return -1;
    }
    archive_entry* entry = nullptr;
    while (archive_read_next_header(ar, &entry) == ARCHIVE_OK) {
        const char* name = archive_entry_pathname(entry);
        fprintf(stdout, "%s\n", name ? name : "");
        fflush(stdout);
        archive_read_data_skip(ar);
    }
    archive_read_close(ar);
    archive_read_free(ar);
    return 0;
}

int Extractor::Extract()
{
    package_at_fault = false;
    if (source.empty() || target.empty()) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): Invalid Argument\n", __LINE__);
        return -1;
    }
    Logger::LogMsg(Logger::L_DEBUG, LOG_COMP, "[DEBUG] extractor(%d): decompress from '%s' to '%s'\n",
                   __LINE__, source.c_str(), target.c_str());
    if (!progress) {
        Notify_Adapter::GetInstance().UpdateDialogText(
            StrTable::LoadStr(StrTable::desc_skyl_env_preparing));
    }

    int total = known_total > 0 ? known_total : Count();
    if (total <= 0) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] extractor(%d): Failed to calculate total file numbers, ret: %d\n",
                       __LINE__, total);
        // An archive without entries would install nothing at all.
        package_at_fault = total == 0 || package_at_fault;
        return -1;
    }
    return ExtractEntries(total);
}

int Extractor::ExtractEntries(int total)
{
    Utf8Scope utf8;
    archive* ar = NewArchiveReader();
    if (!ar) {
        return -1;
    }
    archive* aw = archive_write_disk_new();
    if (!aw) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): Allocate extractor failed\n",
                       __LINE__);
        archive_read_free(ar);
        return -1;
    }
    archive_write_disk_set_options(aw, EXTRACT_FLAGS);

    // The package has been read whole by a scan (or by the count pass just
    // now), which checked its gzip trailers; libarchive inflates it itself
    // (it does not compute the CRC a second time). Every package is opened
    // seekable: a zip archive keeps its entries' modes in the central
    // directory at its end, which a stream reader never sees.
    PackageReader reader(false, progress);
    Step step = OpenPackage(reader, ar, source, source_fd, true);
    EntryRules rules;
    EntryPlacer placer(target.c_str_utf8());
    FolderModes modes(CurrentUmask());
    int done = 0;
    while (step == Step::Ok) {
        archive_entry* entry = nullptr;
        step = ReadHeader(ar, reader, entry, done + 1);
        if (step == Step::Ok) {
            step = rules.Admit(entry, done + 1);
        }
        const std::string stored = step == Step::Ok ? EntryName(entry) : "";
        if (step == Step::Ok) {
            modes.Remember(entry);
            step = placer.Place(entry);
        }
        if (step == Step::Ok && unchanged && !archive_entry_hardlink(entry) &&
            unchanged->Link(stored, done + 1, archive_entry_pathname(entry))) {
            step = SkipData(ar, reader, entry, done + 1);
        } else if (step == Step::Ok) {
            step = WriteEntry(ar, aw, reader, entry, done + 1, progress);
        }
        if (step == Step::Skip) {
            step = Step::Ok;
        }
        if (step == Step::Ok) {
            ++done;
            if (progress) {
                progress->EntryDone(total, done);
            } else {
                Notify_Adapter::GetInstance().UpdateProgress(total, done);
            }
        }
    }
    archive_read_free(ar);
    // Closing the writer sets what it kept for the end (folder times, the
    // modes of folders it made); only then are the modes set that count.
    if (archive_write_close(aw) != ARCHIVE_OK && step == Step::End) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): cannot finish the copy: '%s'\n",
                       __LINE__, ArchiveCause(aw, nullptr, Where{ARCHIVE_FATAL, done}).c_str());
        step = BlameFor(reader, aw);
    }
    archive_write_free(aw);
    if (step == Step::End && modes.Apply(target.c_str_utf8()) != 0) {
        step = Step::EnvironmentFault;
    }
    if (unchanged && step == Step::End) {
        Logger::LogMsg(Logger::L_INFO, LOG_COMP,
                       "[INFO] extractor(%d): %d of %d entries linked from the old copy, the rest written\n",
                       __LINE__, unchanged->Linked(), done);
    }
    package_at_fault = step == Step::PackageFault;
    return step == Step::End ? 0 : -1;
}

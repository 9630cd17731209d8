#include "extractor.h"

#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include <QString>

#include "adapter.h"
#include "log.h"
#include "package-reader.h"
#include "texts/strtab.h"

namespace {

const char* const LOG_COMP = "extractor_debug";
const size_t READ_BLOCK_SIZE = 10240;
// Nothing is restored but the data and the mode bits; ".." is refused by the
// writer. Links inside the tree are guarded by SymlinkGuard below instead of
// ARCHIVE_EXTRACT_SECURE_SYMLINKS, which would also reject a home folder
// that is itself reached through a link.
const int EXTRACT_FLAGS =
    ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_MAC_METADATA;

// Splits an entry's stored path into the components the disk writer will
// use: empty and "." components vanish, so "/etc//x/" and "etc/x" agree.
// Returns false when a ".." component is present; the writer refuses those
// itself.
bool SplitEntryPath(const char* path, std::vector<std::string>& parts)
{
    parts.clear();
    const char* p = path;
    while (*p) {
        while (*p == '/') {
            ++p;
        }
        const char* start = p;
        while (*p && *p != '/') {
            ++p;
        }
        size_t len = static_cast<size_t>(p - start);
        if (len == 0 || (len == 1 && start[0] == '.')) {
            continue;
        }
        if (len == 2 && start[0] == '.' && start[1] == '.') {
            return false;
        }
        parts.emplace_back(start, len);
    }
    return true;
}

// Refuses entries that would be written through a symbolic link below the
// target folder, whether the archive planted the link earlier or it was
// already there. Folders proven to be real folders are remembered, so a
// typical entry costs one set lookup for its parent folder.
//
// Invariant: a folder is in `known_dirs` only if all its ancestors are too.
class SymlinkGuard {
public:
    explicit SymlinkGuard(const std::string& target) : target(target) {}

    // True when the entry may be written. `is_dir` entries must not land on
    // a link either, because the writer would then follow it to fix up the
    // folder's mode. Other entries replace whatever is at their own path.
    bool Admit(const char* stored_path, bool is_dir, std::string& link_found)
    {
        if (!SplitEntryPath(stored_path, parts)) {
            return true;
        }
        if (parts.empty()) {
            return true;
        }
        size_t checked = is_dir ? parts.size() : parts.size() - 1;
        if (!CheckFolders(checked, link_found)) {
            return false;
        }
        if (!is_dir) {
            Forget(Join(parts.size()));
        }
        return true;
    }

    // Checks the folders a hard link's stored target passes through.
    bool AdmitLinkTarget(const char* stored_target, std::string& link_found)
    {
        if (!SplitEntryPath(stored_target, parts) || parts.empty()) {
            return true;
        }
        return CheckFolders(parts.size() - 1, link_found);
    }

private:
    std::string Join(size_t count) const
    {
        std::string joined;
        for (size_t i = 0; i < count; ++i) {
            if (i) {
                joined += '/';
            }
            joined += parts[i];
        }
        return joined;
    }

    // Verifies the first `count` components of `parts` as folders that are
    // not links. A missing component is fine: the writer creates it, and
    // so are the ones below it.
    bool CheckFolders(size_t count, std::string& link_found)
    {
        if (count == 0) {
            return true;
        }
        std::string deepest = Join(count);
        if (known_dirs.count(deepest)) {
            return true;
        }
        std::string prefix;
        bool missing = false;
        for (size_t i = 0; i < count; ++i) {
            if (i) {
                prefix += '/';
            }
            prefix += parts[i];
            if (missing || known_dirs.count(prefix)) {
                known_dirs.insert(prefix);
                continue;
            }
            struct stat st;
            std::string full = target + "/" + prefix;
            if (lstat(full.c_str(), &st) != 0) {
                missing = true;
            } else if (S_ISLNK(st.st_mode)) {
                link_found = full;
                return false;
            }
            // A file in the way is replaced by a folder when the entry is
            // written, so the prefix is a real folder from then on.
            known_dirs.insert(prefix);
        }
        return true;
    }

    // The entry at `path` replaces what was there; anything remembered at or
    // below it is no longer known.
    void Forget(const std::string& path)
    {
        if (known_dirs.erase(path) == 0) {
            return;
        }
        std::string below = path + "/";
        for (auto it = known_dirs.begin(); it != known_dirs.end();) {
            if (it->compare(0, below.size(), below) == 0) {
                it = known_dirs.erase(it);
            } else {
                ++it;
            }
        }
    }

    std::string target;
    std::unordered_set<std::string> known_dirs;
    std::vector<std::string> parts;
};

// The outcome of one step of a pass over the package. A failure says whom it
// blames, so that the caller knows whether the same package is worth another
// try on a later run.
enum class Step { Ok, End, PackageFault, EnvironmentFault };

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

const char* EntryName(archive_entry* entry)
{
    const char* name = archive_entry_pathname(entry);
    return name ? name : "";
}

// What went wrong, in the words of whoever noticed: the package reader, else
// libarchive's read side (the extraction copies the writer's errors there),
// else the write side. libarchive's own words can be terse ("Write failed"),
// so the errno text is added when they do not already hold it; EILSEQ and
// EINVAL are libarchive's codes for a bad format and a bad call, whose errno
// texts would only mislead.
std::string ArchiveCause(archive* ar, archive* aw = nullptr)
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
    return "no cause given";
}

std::string CauseOf(const PackageReader& reader, archive* ar, archive* aw = nullptr)
{
    return reader.Failed() ? reader.Error() : ArchiveCause(ar, aw);
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

// How the package reaches libarchive: every byte through the reader, or
// read by libarchive itself (seekable) where the reader has nothing to add.
enum class Route { ThroughReader, LibraryUnlessGzip, Library };

// Opens the package with `reader` and hands it to `ar` along `route`; logs
// the cause when either fails.

Step OpenPackage(PackageReader& reader, archive* ar, const ustring& source, Route route)
{
    bool ok = reader.Open(source.c_str_utf8());
    const bool by_library =
        route == Route::Library || (route == Route::LibraryUnlessGzip && !reader.Inflating());
    if (ok && by_library) {
        reader.Close();
        ok = archive_read_open_filename(ar, source.c_str_utf8(), reader.BlockSize()) == ARCHIVE_OK;
    } else if (ok) {
        ok = reader.Attach(ar) == ARCHIVE_OK;
    }
    if (!ok) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): cannot read package '%s': %s\n",
                       __LINE__, source.c_str(), CauseOf(reader, ar).c_str());
        return BlameFor(reader, ar);
    }
    return Step::Ok;
}

Step ReadHeader(archive* ar, const PackageReader& reader, archive_entry*& entry)
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
                   CauseOf(reader, ar).c_str());
    return BlameFor(reader, ar);
}

// A client copy is files, folders and links; a device or pipe in the package
// is a mistake or an attack, never something to create in a home folder.
Step RefuseSpecialFile(archive_entry* entry)
{
    const char* kind = nullptr;
    switch (archive_entry_filetype(entry)) {
    case AE_IFCHR:
        kind = "character device";
        break;
    case AE_IFBLK:
        kind = "block device";
        break;
    case AE_IFIFO:
        kind = "FIFO";
        break;
    case AE_IFSOCK:
        kind = "socket";
        break;
    default:
        return Step::Ok;
    }
    Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): refusing entry '%s': it is a %s\n",
                   __LINE__, EntryName(entry), kind);
    return Step::PackageFault;
}

// Moves each entry below the target folder, after making sure that it does
// not get there through a symbolic link.
class EntryPlacer {
public:
    explicit EntryPlacer(const std::string& target) : prefix(target + "/"), guard(target) {}

    Step Place(archive_entry* entry)
    {
        const char* name = archive_entry_pathname(entry);
        if (!name) {
            Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                           "[ERROR] extractor(%d): archive_entry_pathname failed\n", __LINE__);
            return Step::PackageFault;
        }
        const char* hardlink = archive_entry_hardlink(entry);
        bool is_dir = !hardlink && archive_entry_filetype(entry) == AE_IFDIR;
        // A name such as "." or "/" is the target folder itself. As a folder
        // it only sets the target's mode; anything else would replace the
        // target, and a link there would carry every later entry elsewhere.
        if (!is_dir && SplitEntryPath(name, parts) && parts.empty()) {
            Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                           "[ERROR] extractor(%d): refusing entry '%s': it would replace the target "
                           "folder\n",
                           __LINE__, name);
            return Step::PackageFault;
        }
        if (!guard.Admit(name, is_dir, link_found) ||
            (hardlink && !guard.AdmitLinkTarget(hardlink, link_found))) {
            Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                           "[ERROR] extractor(%d): refusing entry '%s': it passes through the "
                           "symbolic link '%s'\n",
                           __LINE__, name, link_found.c_str());
            return Step::PackageFault;
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
    std::vector<std::string> parts;
    std::string link_found;
    std::string full_path;
    std::string full_link;
};

Step WriteEntry(archive* ar, archive* aw, const PackageReader& reader, archive_entry* entry)
{
    if (archive_read_extract2(ar, entry, aw) != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] extractor(%d): archive_read_extract2 failed: '%s' (entry '%s')\n", __LINE__,
                       CauseOf(reader, ar, aw).c_str(), EntryName(entry));
        return BlameFor(reader, ar, aw);
    }
    if (archive_write_finish_entry(aw) != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] extractor(%d): archive_write_finish_entry failed: '%s' (entry '%s')\n",
                       __LINE__, CauseOf(reader, aw).c_str(), EntryName(entry));
        return BlameFor(reader, aw);
    }
    return Step::Ok;
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
                       ArchiveCause(ar).c_str());
        archive_read_free(ar);
        return nullptr;
    }
    return ar;
}

}  // namespace

Extractor::Extractor() {}

void Extractor::SetTarget(const ustring& target)
{
    this->target = target;
}

void Extractor::SetSource(const ustring& source)
{
    this->source = source;
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
    return ScanPackage(result, hash);
}

int Extractor::ScanPackage(ScanResult& result, bool hash)
{
    result = ScanResult();
    package_at_fault = false;
    if (source.empty()) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): Invalid argument\n", __LINE__);
        return -1;
    }
    archive* ar = NewArchiveReader();
    if (!ar) {
        return -1;
    }
    PackageReader reader(hash);
    Step step = OpenPackage(reader, ar, source, Route::ThroughReader);
    int entries = 0;
    archive_entry* entry = nullptr;
    while (step == Step::Ok && (step = ReadHeader(ar, reader, entry)) == Step::Ok) {
        // Refused here already, before the client is stopped for it.
        if ((step = RefuseSpecialFile(entry)) != Step::Ok) {
            break;
        }
        if (archive_read_data_skip(ar) != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                           "[ERROR] extractor(%d): cannot read entry '%s' of '%s': %s\n", __LINE__,
                           EntryName(entry), source.c_str(), CauseOf(reader, ar).c_str());
            step = BlameFor(reader, ar);
            break;
        }
        ++entries;
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
    result.entries = entries;
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
    return ScanPackage(result, false) == 0 ? result.entries : -1;
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
    Notify_Adapter::GetInstance().UpdateDialogText(
        StrTable::LoadStr(StrTable::desc_skyl_env_preparing));

    const bool scanned = known_total > 0;
    int total = scanned ? known_total : Count();
    if (total <= 0) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] extractor(%d): Failed to calculate total file numbers, ret: %d\n",
                       __LINE__, total);
        // An archive without entries would install nothing at all.
        package_at_fault = total == 0 || package_at_fault;
        return -1;
    }
    return ExtractEntries(total, scanned);
}

int Extractor::ExtractEntries(int total, bool trailers_checked)
{
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

    // After a Scan of this package its gzip trailers are proven, and
    // libarchive reads it by itself (it does not compute the CRC a second
    // time). Without one, a gzip package is inflated through the reader's
    // checks. Any other package is opened seekable: a zip archive keeps its
    // entries' modes in the central directory at its end, which a stream
    // reader never sees.
    PackageReader reader(false);
    Step step = OpenPackage(reader, ar, source,
                            trailers_checked ? Route::Library : Route::LibraryUnlessGzip);
    EntryPlacer placer(target.c_str_utf8());
    int done = 0;
    while (step == Step::Ok) {
        archive_entry* entry = nullptr;
        step = ReadHeader(ar, reader, entry);
        if (step == Step::Ok) {
            step = RefuseSpecialFile(entry);
        }
        if (step == Step::Ok) {
            step = placer.Place(entry);
        }
        if (step == Step::Ok) {
            step = WriteEntry(ar, aw, reader, entry);
        }
        if (step == Step::Ok) {
            Notify_Adapter::GetInstance().UpdateProgress(total, ++done);
        }
    }
    if (step == Step::End && !reader.Drain()) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] extractor(%d): package '%s' is damaged after its last entry: %s\n",
                       __LINE__, source.c_str(), reader.Error().c_str());
        step = BlameFor(reader, ar);
    }
    archive_read_free(ar);
    archive_write_free(aw);
    package_at_fault = step == Step::PackageFault;
    return step == Step::End ? 0 : -1;
}

int Extractor::copy_data(archive* ar, archive* aw)
{
    if (!ar || !aw) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): Invalid Argument\n", __LINE__);
        return -1;
    }
    for (;;) {
        const void* buff = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        int r = archive_read_data_block(ar, &buff, &size, &offset);
        if (r == ARCHIVE_EOF) {
            return 0;
        }
        if (r != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                           "[ERROR] extractor(%d): archive_read_data_block failed: '%s'\n", __LINE__,
                           ArchiveCause(ar).c_str());
            return -1;
        }
        if (archive_write_data_block(aw, buff, size, offset) != 0) {
            Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                           "[ERROR] extractor(%d): archive_write_data_block failed: '%s'\n", __LINE__,
                           ArchiveCause(aw).c_str());
            return -1;
        }
    }
}

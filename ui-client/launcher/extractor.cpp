#include "extractor.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <limits.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
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
const uint64_t DISK_BLOCK = 4096;
// Nothing is restored but the data and the mode bits; ".." is refused by the
// writer too. Links inside the tree are guarded by SymlinkGuard below
// instead of ARCHIVE_EXTRACT_SECURE_SYMLINKS, which would also reject a home
// folder that is itself reached through a link. Folder modes are set by
// FolderModes after the last entry, not by the writer, which keeps the mode
// a folder got first.
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

// The first `count` components of a split path, joined again.
std::string JoinParts(const std::vector<std::string>& parts, size_t count)
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
    std::string Join(size_t count) const { return JoinParts(parts, count); }

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
// try on a later run. Skip: an entry that is read but not written.
enum class Step { Ok, Skip, End, PackageFault, EnvironmentFault };

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

// Reads the current entry's data to its end, as an extraction would, and
// counts it.
Step ReadEntryData(archive* ar, const PackageReader& reader, archive_entry* entry, int number,
                   const ustring& source, uint64_t& bytes)
{
    for (;;) {
        const void* block = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        int r = archive_read_data_block(ar, &block, &size, &offset);
        if (r == ARCHIVE_EOF) {
            return Step::Ok;
        }
        if (r != ARCHIVE_OK) {
            Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                           "[ERROR] extractor(%d): cannot read entry '%s' of '%s': %s\n", __LINE__,
                           EntryName(entry), source.c_str(),
                           CauseOf(reader, ar, nullptr, Where{r, number}).c_str());
            return BlameFor(reader, ar);
        }
        bytes += size;
    }
}

Step Refuse(archive_entry* entry, const char* why, const std::string& detail = std::string())
{
    Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): refusing entry '%s': %s%s\n",
                   __LINE__, EntryName(entry), why, detail.c_str());
    return Step::PackageFault;
}

// A client copy is files, folders and links; a device or pipe in the package
// is a mistake or an attack, never something to create in a home folder.
Step RefuseSpecialFile(archive_entry* entry)
{
    switch (archive_entry_filetype(entry)) {
    case AE_IFCHR:
        return Refuse(entry, "it is a character device");
    case AE_IFBLK:
        return Refuse(entry, "it is a block device");
    case AE_IFIFO:
        return Refuse(entry, "it is a FIFO");
    case AE_IFSOCK:
        return Refuse(entry, "it is a socket");
    default:
        return Step::Ok;
    }
}

// The rules every entry must pass, judged from the archive alone, so that the
// check before an upgrade refuses exactly the entries the extraction would
// fail on. It follows the tree the entries build, in their order: a later
// entry may replace an earlier one, as on disk.
class EntryRules {
public:
    // Ok, Skip for a folder entry that names the target itself, or a refusal
    // (logged).
    Step Admit(archive_entry* entry, int number)
    {
        const char* name = archive_entry_pathname(entry);
        if (!name) {
            Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                           "[ERROR] extractor(%d): archive_entry_pathname failed (entry %d)\n", __LINE__,
                           number);
            return Step::PackageFault;
        }
        if (name[0] == '\0') {
            Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                           "[ERROR] extractor(%d): refusing entry %d: it has no name\n", __LINE__, number);
            return Step::PackageFault;
        }
        Step step = RefuseSpecialFile(entry);
        if (step != Step::Ok) {
            return step;
        }
        const char* hardlink = archive_entry_hardlink(entry);
        const bool is_dir = !hardlink && archive_entry_filetype(entry) == AE_IFDIR;
        if ((step = CheckName(entry, name, parts)) != Step::Ok) {
            return step;
        }
        if (parts.empty()) {
            // The target itself: its mode is the launcher's choice (a folder
            // of the user's, made by the caller), so a folder entry for it is
            // read and passed over; anything else would replace the target,
            // and a link there would carry every later entry elsewhere.
            return is_dir ? Step::Skip : Refuse(entry, "it would replace the target folder");
        }
        if ((step = CheckFolders(entry, is_dir ? parts.size() : parts.size() - 1)) != Step::Ok) {
            return step;
        }
        const std::string path = JoinParts(parts, parts.size());
        if (hardlink && (step = CheckHardLinkTarget(entry, hardlink)) != Step::Ok) {
            return step;
        }
        auto it = tree.find(path);
        if (!is_dir && it != tree.end() && it->second == Folder && HoldsAnything(path)) {
            return Refuse(entry, "it would replace the folder it names, which is not empty");
        }
        Kind kind = is_dir ? Folder : archive_entry_filetype(entry) == AE_IFLNK && !hardlink ? Link : File;
        tree[path] = kind;
        return Step::Ok;
    }

private:
    enum Kind { Folder, Link, File };

    static Step CheckName(archive_entry* entry, const char* name, std::vector<std::string>& split)
    {
        if (!SplitEntryPath(name, split)) {
            return Refuse(entry, "it leaves the target folder through \"..\"");
        }
        for (const std::string& part : split) {
            if (part.size() > NAME_MAX) {
                return Refuse(entry, "a name in it is longer than the file system allows");
            }
        }
        return Step::Ok;
    }

    // The first `count` components must be folders, never links. A file in
    // the way is replaced by a folder, as the writer does.
    Step CheckFolders(archive_entry* entry, size_t count)
    {
        std::string prefix;
        for (size_t i = 0; i < count; ++i) {
            if (i) {
                prefix += '/';
            }
            prefix += parts[i];
            auto it = tree.find(prefix);
            if (it == tree.end() || it->second == File) {
                tree[prefix] = Folder;
            } else if (it->second == Link) {
                return Refuse(entry, "it passes through the symbolic link ", "'" + prefix + "'");
            }
        }
        return Step::Ok;
    }

    // A hard link needs an earlier file of the package to link to, reached
    // through folders only.
    Step CheckHardLinkTarget(archive_entry* entry, const char* hardlink)
    {
        std::vector<std::string> target_parts;
        Step step = CheckName(entry, hardlink, target_parts);
        if (step != Step::Ok) {
            return step;
        }
        std::string prefix;
        for (size_t i = 0; i < target_parts.size(); ++i) {
            prefix += (i ? "/" : "") + target_parts[i];
            auto it = tree.find(prefix);
            const bool last = i + 1 == target_parts.size();
            if (it != tree.end() && it->second == Link && !last) {
                return Refuse(entry, "it passes through the symbolic link ", "'" + prefix + "'");
            }
            if (it == tree.end() || (last && it->second == Folder)) {
                return Refuse(entry, "its link target is no earlier file of the package: ",
                              "'" + std::string(hardlink) + "'");
            }
        }
        return target_parts.empty() ? Refuse(entry, "its link target is the target folder") : Step::Ok;
    }

    bool HoldsAnything(const std::string& folder) const
    {
        const std::string below = folder + "/";
        for (const auto& item : tree) {
            if (item.first.compare(0, below.size(), below) == 0) {
                return true;
            }
        }
        return false;
    }

    std::unordered_map<std::string, Kind> tree;
    std::vector<std::string> parts;
};

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

// Opens the folder `relative` below the open folder `top`, one component at
// a time and never through a link; -1 when that is not possible.
int OpenFolderBelow(int top, const std::vector<std::string>& parts)
{
    int fd = fcntl(top, F_DUPFD_CLOEXEC, 0);
    for (const std::string& part : parts) {
        if (fd < 0) {
            return -1;
        }
        int next = openat(fd, part.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        close(fd);
        fd = next;
    }
    return fd;
}

// Gives every folder the mode of its last entry in the package, wherever
// that entry stands: the writer sets a folder's mode only when it creates the
// folder, so a folder whose entry comes after its contents, or that appears
// twice, would keep the mode it happened to get first. As for files, the
// user's umask applies, and set-id and sticky bits are not taken.
class FolderModes {
public:
    explicit FolderModes(mode_t umask_bits) : umask_bits(umask_bits) {}

    void Remember(archive_entry* entry)
    {
        if (archive_entry_hardlink(entry) || archive_entry_filetype(entry) != AE_IFDIR) {
            return;
        }
        std::vector<std::string> parts;
        if (SplitEntryPath(EntryName(entry), parts) && !parts.empty()) {
            modes[parts] = (archive_entry_perm(entry) & 0777) & ~umask_bits;
        }
    }

    // Deepest folders first, so that a parent made read-only or unsearchable
    // does not keep its children from getting theirs. 0, or -1 (logged).
    int Apply(const std::string& target) const
    {
        std::vector<std::pair<std::vector<std::string>, mode_t>> order(modes.begin(), modes.end());
        std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
            return a.first.size() > b.first.size();
        });
        int top = open(target.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (top < 0) {
            return Failed(target, errno);
        }
        int result = 0;
        for (const auto& item : order) {
            int fd = OpenFolderBelow(top, item.first);
            if (fd < 0) {
                // Replaced by a later entry that is not a folder.
                if (errno == ENOTDIR || errno == ELOOP || errno == ENOENT) {
                    continue;
                }
                result = Failed(target + "/" + JoinParts(item.first, item.first.size()), errno);
                break;
            }
            const int r = fchmod(fd, item.second);
            const int err = errno;
            close(fd);
            if (r != 0) {
                result = Failed(target + "/" + JoinParts(item.first, item.first.size()), err);
                break;
            }
        }
        close(top);
        return result;
    }

private:
    static int Failed(const std::string& path, int err)
    {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): cannot set the mode of '%s': %s\n",
                       __LINE__, path.c_str(), strerror(err));
        return -1;
    }

    const mode_t umask_bits;
    std::map<std::vector<std::string>, mode_t> modes;
};

mode_t CurrentUmask()
{
    // There is no call that only reads it; libarchive's writer does the same.
    mode_t bits = umask(0);
    umask(bits);
    return bits;
}

Step WriteEntry(archive* ar, archive* aw, const PackageReader& reader, archive_entry* entry, int number)
{
    int r = archive_read_extract2(ar, entry, aw);
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
    int entries = 0;
    uint64_t space = 0;
    archive_entry* entry = nullptr;
    while (step == Step::Ok && (step = ReadHeader(ar, reader, entry, entries + 1)) == Step::Ok) {
        step = rules.Admit(entry, entries + 1);
        if (step != Step::Ok && step != Step::Skip) {
            break;
        }
        uint64_t bytes = 0;
        step = ReadEntryData(ar, reader, entry, entries + 1, source, bytes);
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
        if (step == Step::Ok) {
            modes.Remember(entry);
            step = placer.Place(entry);
        }
        if (step == Step::Ok) {
            step = WriteEntry(ar, aw, reader, entry, done + 1);
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
                           ArchiveCause(ar, nullptr, Where{r, 0}).c_str());
            return -1;
        }
        if (archive_write_data_block(aw, buff, size, offset) != 0) {
            Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                           "[ERROR] extractor(%d): archive_write_data_block failed: '%s'\n", __LINE__,
                           ArchiveCause(aw, nullptr, Where{ARCHIVE_FATAL, 0}).c_str());
            return -1;
        }
    }
}

#include "extractor.h"

#include <archive.h>
#include <archive_entry.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <unordered_set>
#include <vector>

#include <QString>

#include "adapter.h"
#include "log.h"
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

namespace {

// Opens `source` for a pass that only reads headers (Count, List). Logs and
// gives null when the arguments are missing or the archive cannot be opened.
archive* OpenForScan(const ustring& source, const ustring& target)
{
    if (target.empty() || source.empty()) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): Invalid argument\n", __LINE__);
        return nullptr;
    }
    archive* ar = archive_read_new();
    if (!ar) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): Allocate archive failed\n",
                       __LINE__);
        return nullptr;
    }
    archive_read_support_filter_all(ar);
    archive_read_support_format_all(ar);
    if (archive_read_open_filename(ar, source.c_str_utf8(), READ_BLOCK_SIZE) != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n", __LINE__,
                       archive_error_string(ar));
        archive_read_free(ar);
        return nullptr;
    }
    return ar;
}

}  // namespace

int Extractor::Count()
{
    archive* ar = OpenForScan(source, target);
    if (!ar) {
        return -1;
    }
    // A damaged header ends the count quietly; extraction reports it.
    int count = 0;
    archive_entry* entry = nullptr;
    while (archive_read_next_header(ar, &entry) == ARCHIVE_OK) {
        ++count;
        archive_read_data_skip(ar);
    }
    archive_read_free(ar);
    return count;
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
    if (source.empty() || target.empty()) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): Invalid Argument\n", __LINE__);
        return -1;
    }
    Logger::LogMsg(Logger::L_DEBUG, LOG_COMP, "[DEBUG] extractor(%d): decompress from '%s' to '%s'\n",
                   __LINE__, source.c_str(), target.c_str());
    Notify_Adapter::GetInstance().UpdateDialogText(
        StrTable::LoadStr(StrTable::desc_skyl_env_preparing));

    int total = Count();
    if (total <= 0) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                       "[ERROR] extractor(%d): Failed to calculate total file numbers, ret: %d\n",
                       __LINE__, total);
        return -1;
    }

    archive* ar = archive_read_new();
    if (!ar) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): Allocate extractor failed\n",
                       __LINE__);
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
    // The older name of the filter switch; it enables the same filters as
    // archive_read_support_filter_all.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    archive_read_support_compression_all(ar);
#pragma GCC diagnostic pop
    archive_read_support_format_all(ar);

    int result = 0;
    if (archive_read_open_filename(ar, source.c_str_utf8(), READ_BLOCK_SIZE) != ARCHIVE_OK) {
        Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): Failed to read file '%s' ('%s')\n",
                       __LINE__, source.c_str(), archive_error_string(ar));
        result = -1;
    } else {
        const std::string prefix = std::string(target.c_str_utf8()) + "/";
        SymlinkGuard guard(target.c_str_utf8());
        std::string link_found;
        std::string full_path;
        std::string full_link;
        int step = 0;
        for (;;) {
            archive_entry* entry = nullptr;
            int r = archive_read_next_header(ar, &entry);
            if (r == ARCHIVE_EOF) {
                break;
            }
            if (r != ARCHIVE_OK) {
                Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                               "[ERROR] extractor(%d): archive_read_next_header failed: '%s'\n",
                               __LINE__, archive_error_string(ar));
                result = -1;
                break;
            }
            const char* name = archive_entry_pathname(entry);
            if (!name) {
                Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                               "[ERROR] extractor(%d): archive_entry_pathname failed\n", __LINE__);
                result = -1;
                break;
            }
            const char* hardlink = archive_entry_hardlink(entry);
            bool is_dir = !hardlink && archive_entry_filetype(entry) == AE_IFDIR;
            if (!guard.Admit(name, is_dir, link_found) ||
                (hardlink && !guard.AdmitLinkTarget(hardlink, link_found))) {
                Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                               "[ERROR] extractor(%d): refusing entry '%s': it passes through the "
                               "symbolic link '%s'\n",
                               __LINE__, name, link_found.c_str());
                result = -1;
                break;
            }
            full_path = prefix + name;
            archive_entry_set_pathname(entry, full_path.c_str());
            // A stored link target is relative to the archive's root, so it
            // must move with the entry into the target folder.
            if (hardlink) {
                full_link = prefix + hardlink;
                archive_entry_set_hardlink(entry, full_link.c_str());
            }
            if (archive_read_extract2(ar, entry, aw) != ARCHIVE_OK) {
                Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                               "[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n", __LINE__,
                               archive_error_string(aw));
                result = -1;
                break;
            }
            ++step;
            Notify_Adapter::GetInstance().UpdateProgress(total, step);
            if (archive_write_finish_entry(aw) != ARCHIVE_OK) {
                Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                               "[ERROR] extractor(%d): archive_write_finish_entry failed: '%s'\n",
                               __LINE__, archive_error_string(aw));
                result = -1;
                break;
            }
        }
    }
    archive_read_free(ar);
    archive_write_free(aw);
    return result;
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
                           archive_error_string(ar));
            return -1;
        }
        if (archive_write_data_block(aw, buff, size, offset) != 0) {
            Logger::LogMsg(Logger::L_ERR, LOG_COMP,
                           "[ERROR] extractor(%d): archive_write_data_block failed: '%s'\n", __LINE__,
                           archive_error_string(aw));
            return -1;
        }
    }
}

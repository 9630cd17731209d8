#include "symlink-guard.h"

#include <sys/stat.h>

#include "entry-path.h"

bool SymlinkGuard::Admit(const char* stored_path, bool is_dir, std::string& link_found)
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

bool SymlinkGuard::AdmitLinkTarget(const char* stored_target, std::string& link_found)
{
    if (!SplitEntryPath(stored_target, parts) || parts.empty()) {
        return true;
    }
    return CheckFolders(parts.size() - 1, link_found);
}

std::string SymlinkGuard::Join(size_t count) const
{
    return JoinParts(parts, count);
}

bool SymlinkGuard::CheckFolders(size_t count, std::string& link_found)
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

void SymlinkGuard::Forget(const std::string& path)
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

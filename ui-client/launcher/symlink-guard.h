// SymlinkGuard: refuses entries that would be written through a symbolic link
// below the target folder, whether the archive planted the link earlier or it
// was already there. Folders proven to be real folders are remembered, so a
// typical entry costs one set lookup for its parent folder.
//
// Invariant: a folder is in `known_dirs` only if all its ancestors are too.
#ifndef LAUNCHER_SYMLINK_GUARD_H
#define LAUNCHER_SYMLINK_GUARD_H

#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

class SymlinkGuard {
public:
    explicit SymlinkGuard(const std::string& target) : target(target) {}

    // True when the entry may be written. `is_dir` entries must not land on
    // a link either, because the writer would then follow it to fix up the
    // folder's mode. Other entries replace whatever is at their own path.
    bool Admit(const char* stored_path, bool is_dir, std::string& link_found);

    // Checks the folders a hard link's stored target passes through.
    bool AdmitLinkTarget(const char* stored_target, std::string& link_found);

private:
    std::string Join(size_t count) const;

    // Verifies the first `count` components of `parts` as folders that are
    // not links. A missing component is fine: the writer creates it, and
    // so are the ones below it.
    bool CheckFolders(size_t count, std::string& link_found);

    // The entry at `path` replaces what was there; anything remembered at or
    // below it is no longer known.
    void Forget(const std::string& path);

    std::string target;
    std::unordered_set<std::string> known_dirs;
    std::vector<std::string> parts;
};

#endif

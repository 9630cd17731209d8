#include "tree_snapshot.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "temp_dir.h"

namespace fs = std::filesystem;

namespace testsupport {

std::map<std::string, std::string> SnapshotTree(const std::string& root)
{
    std::map<std::string, std::string> tree;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const std::string full = it->path().string();
        const std::string rel = full.substr(root.size() + 1);
        struct stat st;
        if (lstat(full.c_str(), &st) != 0) {
            tree[rel] = "unreadable";
            continue;
        }
        char perm[8];
        snprintf(perm, sizeof(perm), "%o", static_cast<unsigned>(st.st_mode & 07777));
        if (S_ISLNK(st.st_mode)) {
            std::error_code link_ec;
            tree[rel] = "link -> " + fs::read_symlink(full, link_ec).string();
        } else if (S_ISDIR(st.st_mode)) {
            tree[rel] = std::string("dir ") + perm;
        } else if (S_ISREG(st.st_mode)) {
            tree[rel] = std::string("file ") + perm + " " + ReadFile(full);
        } else {
            tree[rel] = std::string("other ") + perm;
        }
    }
    return tree;
}

}  // namespace testsupport

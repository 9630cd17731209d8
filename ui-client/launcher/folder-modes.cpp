#include "folder-modes.h"

#include <archive_entry.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "entry-path.h"
#include "log.h"

namespace {

const char* const LOG_COMP = "extractor_debug";
// What the writer creates a folder with: all its owner needs to fill it.
const mode_t OPEN_TO_OWNER = 0700;

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

int Failed(const std::string& path, int err)
{
    Logger::LogMsg(Logger::L_ERR, LOG_COMP, "[ERROR] extractor(%d): cannot set the mode of '%s': %s\n",
                   __LINE__, path.c_str(), strerror(err));
    return -1;
}

}  // namespace

void FolderModes::Remember(archive_entry* entry)
{
    if (archive_entry_hardlink(entry) || archive_entry_filetype(entry) != AE_IFDIR) {
        return;
    }
    std::vector<std::string> parts;
    if (SplitEntryPath(EntryName(entry), parts) && !parts.empty()) {
        modes[parts] = (archive_entry_perm(entry) & 0777) & ~umask_bits;
    }
    archive_entry_set_perm(entry, OPEN_TO_OWNER);
}

int FolderModes::Apply(const std::string& target) const
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

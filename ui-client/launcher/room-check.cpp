#include "room-check.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/quota.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "file/file-op.h"
#include "log.h"

namespace {

const char* const LOG_COMP = "service_debug";

// Room on a file system, in bytes and in entries (inodes), and what limits
// each.
struct Room {
    uint64_t bytes = UINT64_MAX;
    uint64_t files = UINT64_MAX;
    const char* bytes_limit = "free";
    const char* files_limit = "free";

    void Limit(uint64_t more_bytes, uint64_t more_files, const char* what)
    {
        if (more_bytes < bytes) {
            bytes = more_bytes;
            bytes_limit = what;
        }
        if (more_files < files) {
            files = more_files;
            files_limit = what;
        }
    }
};

uint64_t Left(uint64_t limit, uint64_t used)
{
    return limit == 0 ? UINT64_MAX : limit > used ? limit - used : 0;
}

// Narrows `room` to what the disk quotas of the user, the user's group and
// the folder's project leave on the file system holding the open folder
// `fd`; quotas not in use change nothing.
void LimitByQuotas(int fd, Room& room)
{
#ifdef SYS_quotactl_fd
    struct fsxattr attributes;
    memset(&attributes, 0, sizeof(attributes));
    const bool has_project = ioctl(fd, FS_IOC_FSGETXATTR, &attributes) == 0;
    const struct {
        int type;
        unsigned id;
        bool known;
        const char* what;
    } quotas[] = {
        {USRQUOTA, static_cast<unsigned>(getuid()), true, "left in the user's disk quota"},
        {GRPQUOTA, static_cast<unsigned>(getgid()), true, "left in the group's disk quota"},
        {PRJQUOTA, attributes.fsx_projid, has_project, "left in the project's disk quota"},
    };
    for (const auto& quota : quotas) {
        struct if_dqblk limits;
        memset(&limits, 0, sizeof(limits));
        if (!quota.known ||
            syscall(SYS_quotactl_fd, fd, QCMD(Q_GETQUOTA, quota.type), quota.id, &limits) != 0) {
            continue;
        }
        const bool blocks = (limits.dqb_valid & QIF_BLIMITS) != 0;
        const bool inodes = (limits.dqb_valid & QIF_ILIMITS) != 0;
        room.Limit(blocks ? Left(limits.dqb_bhardlimit * QIF_DQBLKSIZE, limits.dqb_curspace) : UINT64_MAX,
                   inodes ? Left(limits.dqb_ihardlimit, limits.dqb_curinodes) : UINT64_MAX, quota.what);
    }
#else
    (void)fd;
    (void)room;
#endif
}

}  // namespace

int CheckRoomFor(const ustring& start, uint64_t bytes, uint64_t files)
{
    ustring folder = start;
    struct statvfs vfs;
    while (statvfs(folder.c_str(), &vfs) != 0) {
        const ustring parent = FSParentPath(folder);
        if (errno != ENOENT || parent.empty() || parent == folder) {
            return 0;
        }
        folder = parent;
    }
    Room room;
    // A file system that counts no inodes (f_files 0) has no limit on them.
    room.Limit(static_cast<uint64_t>(vfs.f_bavail) * vfs.f_frsize,
               vfs.f_files == 0 ? UINT64_MAX : static_cast<uint64_t>(vfs.f_favail), "free");
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        LimitByQuotas(fd, room);
        close(fd);
    }
    const struct {
        uint64_t needed, left;
        const char* what;
        const char* limit;
    } kinds[] = {{bytes, room.bytes, "bytes", room.bytes_limit},
                 {files, room.files, "files and folders", room.files_limit}};
    for (const auto& kind : kinds) {
        if (kind.needed > kind.left) {
            Logger::LogMsg(Logger::L_WARNING, LOG_COMP,
                           "[WARNING] room-check(%d): not enough room for the new copy in '%s': it needs "
                           "%llu %s, %llu are %s; the copy is left as it is\n",
                           __LINE__, folder.c_str(), static_cast<unsigned long long>(kind.needed), kind.what,
                           static_cast<unsigned long long>(kind.left), kind.limit);
            return -1;
        }
    }
    return 0;
}

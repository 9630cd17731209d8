// RoomCheck: whether the user's file system has room for a new copy of the
// client beside the old one, in bytes and in files, counting the disk quotas
// of the user, the user's group and the folder's project.
#ifndef LAUNCHER_ROOM_CHECK_H
#define LAUNCHER_ROOM_CHECK_H

#include <cstdint>

#include "ustring/ustring.h"

// Whether `folder` (or, while it does not exist yet, the nearest folder
// above it) has room for `bytes` in `files` entries: 0, or -1 with a WARNING
// that names what ran out. Nothing to tell (a folder that cannot be looked
// at) counts as room: the extraction says so if it fails.
int CheckRoomFor(const ustring& folder, uint64_t bytes, uint64_t files);

#endif

// VersionRecord: an INFO file, the version record that lies at the install
// root (the package's) and in every copy of the client.
#ifndef LAUNCHER_VERSION_RECORD_H
#define LAUNCHER_VERSION_RECORD_H

#include "ustring/ustring.h"

// One INFO record, text exactly as read; only build_version is ever taken as
// a number.
struct VersionRecord {
    ustring major_version;
    ustring minor_version;
    ustring build_version;
    ustring icon_overlay_version;
};

// Fills the fields of `info` whose keys the file's "Version" group holds; the
// others keep their value. A record that is not a regular file of bounded
// size, or that changes while it is read, counts as missing (a WARNING says
// which, unless it simply is not there or `quiet` is set: a record read
// again).
void ReadVersionRecord(const ustring& path, VersionRecord& info, bool quiet = false);

// A record's build number as the upgrade decision reads it: atoi of the text,
// 0 when it is empty.
int BuildNumber(const ustring& build_version);

#endif

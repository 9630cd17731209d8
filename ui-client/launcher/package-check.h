// Package checks that outlive one run: the checksum file the packaging side
// writes next to the package, and the record of a package found defective.
//
// A defective package (damaged, refused, or one whose copy would not start)
// would otherwise be extracted again at every login, the client stopped each
// time. Its identity - size, modification time and the checksum file's hash -
// is kept in the user tree; while the same package is installed no upgrade is
// tried, and any change to it tries again.
#ifndef LAUNCHER_PACKAGE_CHECK_H
#define LAUNCHER_PACKAGE_CHECK_H

#include <cstdint>
#include <string>

#include "ustring/ustring.h"

// The installed package as far as the record tells packages apart.
struct PackageStamp {
    uint64_t size = 0;
    int64_t mtime_sec = 0;
    int64_t mtime_nsec = 0;
    std::string sha256; // from the checksum file; empty without one
};

// Reads the SHA-256 of a checksum file in sha256sum format ("<64 hex>  name").
// 0 with the lower-case hex; -2 when the file is missing; -1 when it is not a
// regular file, cannot be read or holds no SHA-256.
int ReadChecksumFile(const ustring& path, std::string& sha256);

// 0, or -1 when the package cannot be looked at.
int StampPackage(const ustring& package, const std::string& sha256, PackageStamp& stamp);

// Whether `record` names this very package as rejected.
bool IsRejectedPackage(const ustring& record, const PackageStamp& stamp);
// 0 or -1 (logged).
int RememberRejectedPackage(const ustring& record, const PackageStamp& stamp);
void ForgetRejectedPackage(const ustring& record);

#endif

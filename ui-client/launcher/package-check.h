// Package checks that outlive one run: the checksum file the packaging side
// writes next to the package, and the record of a package found defective.
//
// A defective package (damaged, refused, or one whose copy would not start)
// would otherwise be extracted again at every login, the client stopped each
// time. Its identity - size, modification time and the checksum file's hash -
// is kept in the user tree; while the same package is installed no upgrade is
// tried, and any change to it tries again.
//
// Only evidence found in the package's own bytes is recorded: a run cut short
// (a logout, a shutdown) or a reading that waited on the disk says nothing
// about the package and leaves no record. Records of an earlier version that
// counted such interrupted checks ("checks_begun") are read as no record.
#ifndef LAUNCHER_PACKAGE_CHECK_H
#define LAUNCHER_PACKAGE_CHECK_H

#include <cstdint>
#include <string>

#include "ustring/ustring.h"

struct stat;

// The installed package as far as the record tells packages apart.
struct PackageStamp {
    uint64_t size = 0;
    int64_t mtime_sec = 0;
    int64_t mtime_nsec = 0;
    // What the checksum file said: its SHA-256, empty without a file, or
    // CHECKSUM_UNREADABLE for a file that holds none.
    std::string sha256;
};

extern const char* const CHECKSUM_UNREADABLE;

// Reads the SHA-256 of a checksum file in either form `sha256sum -c` takes:
// "<64 hex>  name" (or " *name") and the tagged "SHA256 (name) = <64 hex>".
// 0 with the lower-case hex; -2 when the file is missing; -1 when it is not a
// regular file, cannot be read or holds no SHA-256.
int ReadChecksumFile(const ustring& path, std::string& sha256);
// The checksum file as a stamp records it.
std::string ChecksumStampOf(const ustring& path);

// 0, or -1 when the package cannot be looked at.
int StampPackage(const ustring& package, const std::string& sha256, PackageStamp& stamp);
// The stamp of the package file `st` describes.
PackageStamp StampOf(const struct stat& st, const std::string& sha256);

// Whether `record` names this very package as rejected.
bool IsRejectedPackage(const ustring& record, const PackageStamp& stamp);
// 0 or -1 (logged).
int RememberRejectedPackage(const ustring& record, const PackageStamp& stamp);
void ForgetRejectedPackage(const ustring& record);

#endif

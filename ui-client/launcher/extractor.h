// Extractor: unpacks an archive file into a destination folder, reporting
// progress entry by entry through Notify_Adapter.
//
// A short-lived local: construct, SetSource, SetTarget, then Scan and
// Extract. Every operation opens and frees its own libarchive objects.
// Failures are logged once under "extractor_debug" and give -1; entries
// written before a failure stay on disk for the caller to roll back.
//
// The package is read through the extractor's own reader (package-reader.h):
// a gzip-compressed package is inflated by zlib, which checks every member's
// CRC-32 and length (libarchive does not), and Scan hashes the file's bytes.
// Scan and Extract open the package the same way and apply the same rules to
// every entry, so a package that Scan accepts is one that Extract installs
// unless the machine fails it (full disk, rights).
//
// Names are read and written as UTF-8 whatever the caller's locale: the
// archive library converts entry names to the current locale's character
// set, which under "C" or "POSIX" cannot hold a non-ASCII name at all, so
// both operations run under the C.UTF-8 locale on their own thread.
#ifndef LAUNCHER_EXTRACTOR_H
#define LAUNCHER_EXTRACTOR_H

#include <cstdint>
#include <string>

#include "package-reader.h"
#include "ustring/ustring.h"

struct archive;
class UnchangedFiles;

// Where an extraction that runs away from Qt reports to: with a sink set,
// the extractor reports entries and reading progress only here and calls
// nothing of Qt (no dialog text, no progress signal), so that it may run in
// a child process.
class ExtractProgress : public ReadProgress {
public:
    virtual void EntryDone(int total, int step) = 0;
};

class Extractor {
public:
    struct ScanResult {
        int entries = 0;
        std::string sha256;  // lower-case hex of the whole package file
        // Room the extracted copy takes on disk, estimated from the entries:
        // file data in whole 4 KiB blocks plus a block for each folder.
        uint64_t space_needed = 0;
        // Of those, the files the current copy holds byte for byte, which
        // the extraction links rather than writes (SetUnchanged), and the
        // room they take.
        int unchanged_files = 0;
        uint64_t unchanged_space = 0;
    };

    Extractor();

    void SetTarget(const ustring& target);
    void SetSource(const ustring& source);
    // Reads this open package instead of opening `source` by name, which
    // then names it in the log only. The descriptor stays the caller's;
    // every operation reads it from its start.
    void SetSourceFd(int fd);
    void SetProgress(ExtractProgress* sink);
    // Scan compares the package's files with those of `files`'s copy and
    // notes the ones it holds byte for byte; Extract links those from it.
    void SetUnchanged(UnchangedFiles* files);

    // Reads the whole package: every entry's header, the data Extract would
    // write (that of files, hard links and entries of no known type, see
    // EntryHasData), the trailer of every gzip member and, with `hash`, the
    // SHA-256 of the file (there is no point without a checksum to compare
    // with). Refuses every entry that Extract would refuse. 0, or -1 when
    // the package cannot be opened or read, is damaged, holds a refused
    // entry, or a trailer does not match. Needs the source only.
    int Scan(ScanResult& result, bool hash = true);
    // An entry count from an earlier Scan of the same, unchanged file;
    // Extract then skips its own count pass. A value below 1 makes Extract
    // count (and check) again.
    void SetKnownTotal(int total);
    // After a failed Scan or Extract: true when the package itself is at
    // fault (damaged or truncated, bad gzip trailer, refused entry), false
    // when the environment is (package unreadable, disk full, permissions,
    // out of memory), so that the next run may succeed with the same package.
    bool PackageAtFault() const;

    // Number of entries in the archive, or -1 (also when it is damaged).
    int Count();
    // Writes every entry's path name to standard output; 0 or -1.
    int List();
    // 0 when every entry has been extracted below target, or -1.
    int Extract();

private:
    // Scan; `compare` notes the files its copy holds byte for byte.
    int ScanPackage(ScanResult& result, bool hash, UnchangedFiles* compare);
    int ExtractEntries(int total);

    ustring target;
    ustring source;
    int source_fd = -1;
    ExtractProgress* progress = nullptr;
    UnchangedFiles* unchanged = nullptr;
    int known_total = 0;
    bool package_at_fault = false;
};

#endif

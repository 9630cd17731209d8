// Extractor: unpacks an archive file into a destination folder, reporting
// progress entry by entry through Notify_Adapter.
//
// A short-lived local: construct, SetSource, SetTarget, then Scan and
// Extract. Every operation opens and frees its own libarchive objects.
// Failures are logged once under "extractor_debug" and give -1; entries
// written before a failure stay on disk for the caller to roll back.
//
// The package is read through the extractor's own reader: a gzip-compressed
// package is inflated by zlib, which checks every member's CRC-32 and length
// (libarchive does not), and Scan hashes the file's bytes on the same pass.
#ifndef LAUNCHER_EXTRACTOR_H
#define LAUNCHER_EXTRACTOR_H

#include <string>

#include "ustring/ustring.h"

struct archive;

class Extractor {
public:
    struct ScanResult {
        int entries = 0;
        std::string sha256;  // lower-case hex of the whole package file
    };

    Extractor();

    void SetTarget(const ustring& target);
    void SetSource(const ustring& source);

    // Reads the whole package file once: counts the entries, checks the
    // trailer of every gzip member and, with `hash`, hashes the file (there
    // is no point without a checksum to compare with). 0, or -1 when the
    // package cannot be opened or read, is damaged, or a trailer does not
    // match. Needs the source only.
    int Scan(ScanResult& result, bool hash = true);
    // An entry count from an earlier Scan of the same, unchanged file;
    // Extract then skips its own count pass and leaves the gzip trailers,
    // which Scan has checked, to libarchive. A value below 1 makes Extract
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
    int ScanPackage(ScanResult& result, bool hash);
    int ExtractEntries(int total, bool trailers_checked);
    int copy_data(archive* ar, archive* aw);

    ustring target;
    ustring source;
    int known_total = 0;
    bool package_at_fault = false;
};

#endif

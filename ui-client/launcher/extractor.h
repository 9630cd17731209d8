// Extractor: unpacks an archive file into a destination folder, reporting
// progress entry by entry through Notify_Adapter.
//
// A short-lived local: construct, SetSource, SetTarget, Extract. Every
// operation opens and frees its own libarchive objects. Failures are logged
// once under "extractor_debug" and give -1; entries written before a failure
// stay on disk for the caller to roll back.
#ifndef LAUNCHER_EXTRACTOR_H
#define LAUNCHER_EXTRACTOR_H

#include "ustring/ustring.h"

struct archive;

class Extractor {
public:
    Extractor();

    void SetTarget(const ustring& target);
    void SetSource(const ustring& source);

    // Number of entries in the archive, or -1.
    int Count();
    // Writes every entry's path name to standard output; 0 or -1.
    int List();
    // 0 when every entry has been extracted below target, or -1.
    int Extract();

private:
    int copy_data(archive* ar, archive* aw);

    ustring target;
    ustring source;
};

#endif

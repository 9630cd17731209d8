// ReadingProcess: one reading of the package - its check, or its extraction
// into the new copy - run in a child process that the launcher watches.
//
// A damaged archive can make the archive library stop returning (records
// that point at each other, read over and over). A thread stuck inside the
// library cannot be stopped, and a watchdog that restored the old copy while
// that thread still ran could see it wake up and write into the restored
// tree. A child process is ended outright, so whatever follows - the
// rollback, the record of the rejected package, starting the client - runs
// with nothing of the reading left.
//
// The watch is on progress, not on the clock: the child counts each new byte
// of the package it reads (reading the same bytes again does not count) and
// each entry it finishes, in memory it shares with the launcher. Only a
// reading that makes no progress at all for the stall limit is ended, so a
// large package on a slow disk is never cut off.
//
// The child runs the extractor with a progress sink and calls nothing of Qt;
// the launcher relays its entries to the progress dialog.
#ifndef LAUNCHER_READING_PROCESS_H
#define LAUNCHER_READING_PROCESS_H

#include "extractor.h"

class ReadingProcess {
public:
    enum Outcome {
        Done,     // the extractor gave 0
        Failed,   // the extractor gave -1 and logged why
        Stalled,  // no progress for the stall limit; the child was killed
        Crashed,  // the child ended by a signal, or could not be started
    };

    // The package, named in the log lines of this reading.
    ReadingProcess(const ustring& package, int stall_limit_seconds);

    // Extractor::Scan in a child; `scan` is filled when Done.
    Outcome Scan(Extractor& extractor, bool hash, Extractor::ScanResult& scan);
    // Extractor::Extract in a child, its entries reported to the dialog.
    Outcome Extract(Extractor& extractor);
    // After Failed, Stalled or Crashed: whether the package is to blame.
    bool PackageAtFault() const { return package_at_fault; }

private:
    struct Shared;
    class Sink;
    enum Job { ScanJob, ExtractJob };

    Outcome Run(Extractor& extractor, Job job, bool hash, Extractor::ScanResult* scan);
    // Relays progress until the child ends or stalls.
    Outcome Watch(int child, int done_fd, Shared& shared, Job job);

    const ustring package;
    const int stall_limit_seconds;
    bool package_at_fault = false;
};

#endif

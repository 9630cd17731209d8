// ReadingProcess: one reading of the package - its check, or its extraction
// into the new copy - run in a process of its own that the launcher watches.
//
// A damaged archive can make the archive library stop returning (records
// that point at each other, read over and over). A thread stuck inside the
// library cannot be stopped, and a watchdog that restored the old copy while
// that thread still ran could see it wake up and write into the restored
// tree. A process is ended outright, so whatever follows - the rollback, the
// record of the rejected package, starting the client - runs with nothing of
// the reading left.
//
// The process is this very executable started afresh (/proc/self/exe) in
// the reading role, not a fork of it: a fork of a process with threads
// inherits every lock another thread held at that moment (the C library's
// stream and time-zone locks, a sanitizer's allocator), and could wait on
// one of them for good. It gets the open package as descriptor 3 and
// reports on descriptor 4.
//
// The watch is on progress, not on the clock: the reading reports each new
// stretch of the package it reads (reading the same bytes again does not
// count) and the entries it finishes. Only a reading that makes no progress
// at all for the stall limit is ended, so a large package on a slow disk is
// never cut off.
#ifndef LAUNCHER_READING_PROCESS_H
#define LAUNCHER_READING_PROCESS_H

#include "extractor.h"

class ReadingProcess {
public:
    enum Outcome {
        Done,     // the extractor gave 0
        Failed,   // the extractor gave -1 and logged why
        Stalled,  // no progress for the stall limit; the reading was killed
        Crashed,  // the reading ended without a result, or could not start
    };

    // The reading role's side. Every main() of a program that runs the
    // upgrade calls this first: when the arguments name the role it does
    // the reading and gives the exit code to return, else -1.
    static int RunIfAsked(int argc, char** argv);

    // `package` is the open package (read from its start), `source` its
    // name for the log.
    ReadingProcess(int package, const ustring& source, int stall_limit_seconds);

    // Extractor::Scan in the reading process; `scan` is filled when Done.
    Outcome Scan(bool hash, Extractor::ScanResult& scan);
    // Extractor::Extract into `target`, its entries reported to the dialog.
    Outcome Extract(const ustring& target, int known_total);
    // After Failed, Stalled or Crashed: whether the package is to blame.
    bool PackageAtFault() const { return package_at_fault; }

private:
    Outcome Run(const char* job, const ustring& target, bool hash, int known_total,
                Extractor::ScanResult* scan);
    // Relays progress until the reading ends or stalls.
    Outcome Watch(int child, int report_fd, const char* job, Extractor::ScanResult* scan);

    const int package;
    const ustring source;
    const int stall_limit_seconds;
    bool package_at_fault = false;
};

#endif

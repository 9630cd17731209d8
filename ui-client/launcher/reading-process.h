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
// The process is this very executable started afresh in the reading role,
// not a fork of it that runs on: a fork of a process with threads inherits
// every lock another thread held at that moment (the C library's stream and
// time-zone locks, a sanitizer's allocator), and could wait on one of them
// for good. The executable is opened once at start-up and started from that
// descriptor, so the reading needs no /proc and is the very program that
// runs, even when a package manager replaces the file meanwhile. It gets the
// open package as descriptor 3, reports on descriptor 4 and appends to its
// parent's log file, open as descriptor 5, which only the parent rotates;
// the notes of unchanged files (unchanged-files.h) are descriptor 6.
//
// The watch is on progress, not on the clock: the reading reports the bytes
// of the package it reads for the first time (reading the same bytes again
// does not count), the entry data it inflates or writes and the entries it
// finishes. A reading without progress is judged by what it did meanwhile:
// one that kept the processor busy for most of the stall limit is looping on
// what it read, which the same package would do again; one that hardly ran
// waits on a slow disk or a stopped session, which says nothing about the
// package, and is given the much longer wait limit before it is ended.
// The judgement is over the last stall limit, not since the last progress:
// a reading held back by a busy machine runs in bursts that add up. Time in
// which the watcher itself did not run (its session stopped) does not count
// against the reading.
//
// The reading reports that it started before it reads anything. One that
// ends before that never got to the package (its start refused by a
// security policy, say): the package is not blamed, and this run reads it
// in the launcher itself, as when the executable cannot be opened.
#ifndef LAUNCHER_READING_PROCESS_H
#define LAUNCHER_READING_PROCESS_H

#include <sys/types.h>

#include <string>
#include <vector>

#include "extractor.h"

class ReadingProcess {
public:
    enum Outcome {
        Done,     // the extractor gave 0
        Failed,   // the extractor gave -1 and logged why
        Stalled,  // looped without progress for the stall limit; killed
        Waited,   // no progress and no work for the wait limit; killed
        Crashed,  // the reading ended without a result, or could not start
    };

    struct Limits {
        int stall_seconds = 30;
        int wait_seconds = 600;
    };

    // The reading role's side. Every main() of a program that runs the
    // upgrade calls this first: when the arguments name the role it does
    // the reading and gives the exit code to return; else it opens this
    // executable for the readings to come and gives -1.
    static int RunIfAsked(int argc, char** argv);

    // `package` is the open package (read from its start), `source` its
    // name for the log.
    ReadingProcess(int package, const ustring& source, const Limits& limits);

    // Extractor::Scan in the reading process; `scan` is filled when Done.
    Outcome Scan(bool hash, Extractor::ScanResult& scan);
    // Extractor::Extract into `target`, its entries reported to the dialog.
    Outcome Extract(const ustring& target, int known_total);
    // The files of `copy` the package holds byte for byte: Scan notes them
    // into the memory file `notes`, Extract links them from `copy` (then the
    // backup of the copy Scan compared with). Nothing without it.
    void SetUnchanged(int notes, const ustring& copy);
    // After anything but Done: whether the package is to blame.
    bool PackageAtFault() const { return package_at_fault; }

private:
    Outcome Run(const char* job, const ustring& target, bool hash, int known_total,
                Extractor::ScanResult* scan);
    // Starts the reading; its pid, or -1 with errno set.
    pid_t Start(const std::vector<std::string>& args, int report_fd);
    // Relays progress until the reading ends, loops or waits too long;
    // Crashed without `started` when it never got to the package.
    Outcome Watch(int child, int report_fd, const char* job, Extractor::ScanResult* scan);
    // Without an executable to start: the reading in this process, unwatched.
    Outcome RunHere(const char* job, const ustring& target, bool hash, int known_total,
                    Extractor::ScanResult* scan);

    const int package;
    const ustring source;
    int unchanged_notes = -1;
    ustring unchanged_copy;
    const Limits limits;
    bool package_at_fault = false;
    // Whether the reading process reported that it got to the package.
    bool started = false;
};

#endif

// EntryRules: the rules every entry must pass, judged from the archive alone,
// so that the check before an upgrade refuses exactly the entries the
// extraction would fail on. It follows the tree the entries build, in their
// order: a later entry may replace an earlier one, as on disk.
#ifndef LAUNCHER_ENTRY_RULES_H
#define LAUNCHER_ENTRY_RULES_H

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

struct archive_entry;

// The outcome of one step of a pass over the package. A failure says whom it
// blames, so that the caller knows whether the same package is worth another
// try on a later run. Skip: an entry that is read but not written.
enum class Step { Ok, Skip, End, PackageFault, EnvironmentFault };

// Logs why `entry` is refused; PackageFault.
Step Refuse(archive_entry* entry, const char* why, const std::string& detail = std::string());

// Whether the entry's data is read: that of every entry but a folder, a
// symbolic link or a special file, unless its size is known to be 0. So a
// hard link's too, and that of an entry of no known type, which the writer
// creates as a regular file: damage there must not install unnoticed. The
// others have none to write, and a reader may even fail to read theirs (RAR5
// folders), so the check reads exactly what the extraction writes.
bool EntryHasData(archive_entry* entry);

class EntryRules {
public:
    // Ok, Skip for a folder entry that names the target itself, or a refusal
    // (logged).
    Step Admit(archive_entry* entry, int number);

private:
    enum Kind { Folder, Link, File };

    static Step CheckName(archive_entry* entry, const char* name, std::vector<std::string>& split);

    // The first `count` components must be folders, never links. A file in
    // the way is replaced by a folder, as the writer does.
    Step CheckFolders(archive_entry* entry, size_t count);

    // A hard link needs an earlier file of the package to link to, reached
    // through folders only.
    Step CheckHardLinkTarget(archive_entry* entry, const char* hardlink);

    bool HoldsAnything(const std::string& folder) const;

    std::unordered_map<std::string, Kind> tree;
    std::vector<std::string> parts;
};

#endif

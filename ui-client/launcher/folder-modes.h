// FolderModes: gives every folder the mode of its last entry in the package,
// wherever that entry stands: the writer sets a folder's mode only when it
// creates the folder, so a folder whose entry comes after its contents, or
// that appears twice, would keep the mode it happened to get first. As for
// files, the user's umask applies, and set-id and sticky bits are not taken.
//
// Until then every folder stays open to its owner, as `bsdtar -xp` run by the
// owner leaves it: a folder the package closes (0000, 0142) is closed only
// after everything below it has its mode, so an ordinary user both fills and
// finishes the copy, and the removal later opens it again.
#ifndef LAUNCHER_FOLDER_MODES_H
#define LAUNCHER_FOLDER_MODES_H

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

struct archive_entry;

class FolderModes {
public:
    explicit FolderModes(mode_t umask_bits) : umask_bits(umask_bits) {}

    // Keeps a folder entry's mode for Apply and hands the entry on with
    // 0700, so that the writer never narrows a folder that later entries or
    // Apply must still open.
    void Remember(archive_entry* entry);

    // Deepest folders first, so that every folder is opened through folders
    // that are still open to their owner. 0, or -1 (logged).
    int Apply(const std::string& target) const;

private:
    const mode_t umask_bits;
    std::map<std::vector<std::string>, mode_t> modes;
};

#endif

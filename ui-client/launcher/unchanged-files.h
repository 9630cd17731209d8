// UnchangedFiles: the files of the user's copy that the package holds byte
// for byte, so that an upgrade links them into the new copy instead of
// writing them again.
//
// Between two builds of the client most files (libraries, translations,
// images) are the same. The check before the client is stopped inflates
// every entry anyway; for a regular file whose path is a regular file of the
// current copy with the same size and mode, it compares the inflated data
// with that file as it goes, and notes the file's identity (device, inode,
// size, modification and change times) when all of it matched. After the
// stop the copy has become the backup; an entry whose backup file still has
// that identity, so nothing wrote to it since, becomes a hard link to it in
// the new copy. Such a file is never written, truncated, chmodded or
// re-timed through the new copy's name: removing the backup leaves it whole
// in the new copy, and a rollback finds the backup as it was. Any doubt
// (the identity changed, the link refused) writes the data as before.
//
// Nothing of this is stored on disk: the check's process hands the list to
// the extraction's through a memory file the launcher holds.
#ifndef LAUNCHER_UNCHANGED_FILES_H
#define LAUNCHER_UNCHANGED_FILES_H

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct archive_entry;

class UnchangedFiles {
public:
    // The copy the files are in: the current copy for the check, its backup
    // for the extraction.
    explicit UnchangedFiles(const std::string& copy) : copy(copy) {}
    ~UnchangedFiles();
    UnchangedFiles(const UnchangedFiles&) = delete;
    UnchangedFiles& operator=(const UnchangedFiles&) = delete;

    // The check's side. Begins comparing entry `number`, a regular file the
    // extraction writes with `umask`, with the copy's file at its path when
    // that is a regular file of the same size and mode.
    void Begin(archive_entry* entry, int number, mode_t umask);
    // The entry's next data block.
    void Compare(const void* block, size_t size, int64_t offset);
    // Notes the entry begun when `complete` (all of its data was read) and
    // every byte matched a file that did not change meanwhile.
    void End(bool complete);
    // An entry that is a hard link to `name`: the file it links to must be
    // one of the new copy's own, which the extraction may write through.
    void Forget(const char* name);
    // The room and the files the noted entries take, counted as the check
    // counts room (whole 4 KiB blocks).
    uint64_t Space() const { return space; }
    int Files() const { return static_cast<int>(noted.size()); }
    // Writes the notes into `fd`, from its start; false when it cannot.
    bool Save(int fd) const;

    // The extraction's side: reads the notes `Save` wrote.
    bool Load(int fd);
    // Makes entry `number`, stored as `name`, a hard link at `to` to the
    // backup's file when the check noted it and that file is still what it
    // compared; true when linked, false (with a DEBUG line for a noted one)
    // when the data is to be written.
    bool Link(const std::string& name, int number, const std::string& to);
    int Linked() const { return linked; }

private:
    struct Identity {
        int32_t number;
        uint64_t dev, ino, size;
        int64_t mtime_sec, mtime_nsec, ctime_sec, ctime_nsec;
    };
    static Identity IdentityOf(const struct stat& st, int number);
    static bool Same(const Identity& a, const Identity& b);
    // The copy's folder that holds `path`, reached without following a
    // link, and the last component; -1 when there is none.
    int OpenParent(const std::string& path, std::string& last) const;

    const std::string copy;
    std::map<std::string, Identity> noted;
    uint64_t space = 0;
    int linked = 0;
    // The entry being compared.
    std::string current;
    int current_number = 0;
    int fd = -1;
    struct stat before;
    int64_t next_offset = 0;
    std::vector<char> buffer;
};

#endif

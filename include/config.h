// Config: strict reader of small key=value text files (the logger's level
// file, the client's pid file).
//
// Place in the foundation: above the string type and the state-file reader
// of file/file-op.h (its only file access), below the logger, which reads its
// level file through it. Config must never log: the logger depends on it.
//
// One line holds one key, "=", and one value, with optional blanks around
// "=" and an optional "#" comment after the value. Keys are made of letters,
// digits, "-", "_" and "."; a value is either unquoted (up to the first blank)
// or quoted with ' or " (may hold blanks and "#", never its own quote).
// A single malformed line makes the whole file unreadable: read() returns -1
// and leaves the store empty. Config logs nothing; its callers report.
#ifndef CONFIG_H
#define CONFIG_H

#include <map>
#include <string>

#include "ustring/ustring.h"

class Config {
public:
    typedef std::map<ustring, ustring>::iterator iterator;

    Config() {}

    // Reads `path` at once; a file that cannot be read leaves the store empty.
    // Use read() instead when the result matters.
    explicit Config(const ustring& path);

    Config(const Config& other);
    Config& operator=(const Config& other);

    // 0 on success; -1 for an empty path, a file that is missing, not a
    // regular file of at most STATE_FILE_MAX_BYTES (file/file-op.h) or
    // unreadable (the store is left as it was), or a malformed line (the
    // store is emptied, entries of earlier reads included). Otherwise the
    // entries are added to what is there, a later line overwriting an earlier
    // key. Never blocks: a FIFO at the path counts as unreadable.
    int read(const ustring& path);

    // Writes every entry as key="value" (or 'value' when the value holds a
    // double quote). Entries that the reader could not read back (a key with
    // other characters, a value with control bytes or both quotes, a line
    // longer than a read piece) make the write fail with -1 before the file
    // is touched. 0 on success.
    int write(const ustring& path) const;

    // A missing key is inserted with an empty value.
    ustring& operator[](const ustring& key);

    // The value read like `stream >> int`: leading white space skipped, an
    // optional sign and digits; 0 when it does not start with a number.
    int get_int(const ustring& key);

    // true for 1, true, yes and on (any case); false otherwise, also when the
    // key is missing. Does not insert the key.
    bool get_bool(const ustring& key) const;

    void unset(const ustring& key);

    iterator begin();
    iterator end();

private:
    std::map<ustring, ustring> store;
};

#endif

// Entry paths as the extractor's units see them: a stored path split into the
// components the disk writer will use, and joined again.
#ifndef LAUNCHER_ENTRY_PATH_H
#define LAUNCHER_ENTRY_PATH_H

#include <cstddef>
#include <string>
#include <vector>

struct archive_entry;

// Splits an entry's stored path into the components the disk writer will
// use: empty and "." components vanish, so "/etc//x/" and "etc/x" agree.
// Returns false when a ".." component is present; the writer refuses those
// itself.
bool SplitEntryPath(const char* path, std::vector<std::string>& parts);

// The first `count` components of a split path, joined again.
std::string JoinParts(const std::vector<std::string>& parts, size_t count);

// The entry's stored path, or "" when it has none, for the log.
const char* EntryName(archive_entry* entry);

#endif

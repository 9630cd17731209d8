#include "entry-path.h"

#include <archive_entry.h>

bool SplitEntryPath(const char* path, std::vector<std::string>& parts)
{
    parts.clear();
    const char* p = path;
    while (*p) {
        while (*p == '/') {
            ++p;
        }
        const char* start = p;
        while (*p && *p != '/') {
            ++p;
        }
        size_t len = static_cast<size_t>(p - start);
        if (len == 0 || (len == 1 && start[0] == '.')) {
            continue;
        }
        if (len == 2 && start[0] == '.' && start[1] == '.') {
            return false;
        }
        parts.emplace_back(start, len);
    }
    return true;
}

std::string JoinParts(const std::vector<std::string>& parts, size_t count)
{
    std::string joined;
    for (size_t i = 0; i < count; ++i) {
        if (i) {
            joined += '/';
        }
        joined += parts[i];
    }
    return joined;
}

const char* EntryName(archive_entry* entry)
{
    const char* name = archive_entry_pathname(entry);
    return name ? name : "";
}

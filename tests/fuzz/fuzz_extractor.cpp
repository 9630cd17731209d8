// libFuzzer target for the Extractor: the input is the package file.
//
// Each input is scanned and then extracted (with the scanned total, so that
// the extraction pass also meets damaged input) into a fresh target folder,
// the only thing inside a private parent folder. Afterwards nothing may have
// been written outside the target:
//   - the parent holds the target and nothing else, the target is still a
//     folder, and the folder of the package holds the package and nothing
//     else;
//   - where an entry stored below a symbolic link of the package lands when
//     the link is followed, outside the target, nothing appeared or changed;
//   - every name of a hard-linked file lies inside the target;
//   - the package itself is unchanged.
// Scan and Extract give 0 or -1 and nothing else. A broken invariant aborts,
// which libFuzzer reports with the input that caused it.
//
// libarchive and zlib are the system's builds, not instrumented: coverage
// guides the fuzzer through the extractor's own code; the seeds supply the
// archive formats.
#include "extractor.h"
#include "log.h"

#include <archive.h>
#include <archive_entry.h>
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// The package archives the launcher meets are large, but a few KiB hold every
// structure the extractor cares about.
const size_t kMaxInput = 64 * 1024;

std::string g_parent;   // private; holds only the target
std::string g_target;   // g_parent + "/target"
std::string g_work;     // private; holds only the package
std::string g_package;  // g_work + "/package"

void fail(const char* what, const std::string& detail = std::string())
{
    fprintf(stderr, "fuzz_extractor: invariant broken: %s %s\n", what, detail.c_str());
    abort();
}

std::string make_private_folder(const char* name)
{
    const char* tmp = getenv("TMPDIR");
    std::string templ = std::string(tmp && *tmp ? tmp : "/tmp") + "/" + name + ".XXXXXX";
    std::vector<char> buffer(templ.begin(), templ.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data()))
        fail("cannot make a private folder under", templ);
    return buffer.data();
}

std::vector<std::string> names_in(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        fail("cannot list", folder);
    while (dirent* e = readdir(dir)) {
        if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0)
            names.push_back(e->d_name);
    }
    closedir(dir);
    return names;
}

bool inside(const std::string& path, const std::string& folder)
{
    return path == folder || path.compare(0, folder.size() + 1, folder + "/") == 0;
}

bool later(const timespec& a, const timespec& b)
{
    return a.tv_sec > b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec >= b.tv_nsec);
}

// What the walk of the target found: hard-linked files by inode, with their
// link count and the names seen inside the target.
typedef std::map<ino_t, std::pair<nlink_t, int>> HardLinks;

// Visits the tree without following links. Folders are made accessible first,
// so that one stored without permissions can still be walked and removed.
void walk(const std::string& folder, HardLinks& found)
{
    chmod(folder.c_str(), 0700);
    for (const std::string& name : names_in(folder)) {
        const std::string path = folder + "/" + name;
        struct stat st;
        if (lstat(path.c_str(), &st) != 0)
            fail("cannot lstat", path);
        if (S_ISDIR(st.st_mode)) {
            walk(path, found);
        } else if (!S_ISLNK(st.st_mode) && st.st_nlink > 1) {
            auto& entry = found[st.st_ino];
            entry.first = st.st_nlink;
            ++entry.second;
        }
    }
}

// Path components as the extractor's disk writer sees them: empty and "."
// ones vanish. False for a ".." component (the writer refuses those, and one
// that got through would show up in the parent).
bool split(const std::string& path, std::vector<std::string>& parts)
{
    parts.clear();
    size_t i = 0;
    while (i <= path.size()) {
        size_t end = path.find('/', i);
        if (end == std::string::npos)
            end = path.size();
        const std::string part = path.substr(i, end - i);
        if (part == "..")
            return false;
        if (!part.empty() && part != ".")
            parts.push_back(part);
        i = end + 1;
    }
    return true;
}

// `path` with "." and ".." resolved by the letter, for an absolute path.
std::string normalized(const std::string& path)
{
    std::vector<std::string> kept;
    size_t i = 0;
    while (i <= path.size()) {
        size_t end = path.find('/', i);
        if (end == std::string::npos)
            end = path.size();
        const std::string part = path.substr(i, end - i);
        if (part == "..") {
            if (!kept.empty())
                kept.pop_back();
        } else if (!part.empty() && part != ".") {
            kept.push_back(part);
        }
        i = end + 1;
    }
    std::string joined;
    for (const std::string& part : kept)
        joined += "/" + part;
    return joined.empty() ? "/" : joined;
}

// The entries of the input as libarchive reads them, up to the first damage:
// each one's path components and, for a symbolic link, its stored target.
struct Entry {
    std::vector<std::string> parts;
    std::string symlink;
};

std::vector<Entry> entries_of(const uint8_t* data, size_t size)
{
    std::vector<Entry> entries;
    archive* ar = archive_read_new();
    archive_read_support_filter_all(ar);
    archive_read_support_format_all(ar);
    if (archive_read_open_memory(ar, data, size) == ARCHIVE_OK) {
        archive_entry* e = nullptr;
        int r;
        while ((r = archive_read_next_header(ar, &e)) == ARCHIVE_OK || r == ARCHIVE_WARN) {
            Entry entry;
            const char* name = archive_entry_pathname(e);
            if (name && split(name, entry.parts) && !entry.parts.empty()) {
                const char* link = archive_entry_symlink(e);
                entry.symlink = link && archive_entry_filetype(e) == AE_IFLNK ? link : "";
                entries.push_back(entry);
            }
        }
    }
    archive_read_free(ar);
    return entries;
}

// Where each entry stored below a symbolic link of the package lands when
// the link is followed, for those that land outside the target. Resolved by
// the letter, then through the links that exist at the time (a link may
// lead through another one, which exists only after the extraction).
std::set<std::string> landing_places(const std::vector<Entry>& entries)
{
    std::set<std::string> places;
    for (const Entry& link : entries) {
        if (link.symlink.empty())
            continue;
        std::string folder = g_target;
        for (size_t i = 0; i + 1 < link.parts.size(); ++i)
            folder += "/" + link.parts[i];
        const std::string base =
            normalized(link.symlink[0] == '/' ? link.symlink : folder + "/" + link.symlink);
        for (const Entry& below : entries) {
            if (below.parts.size() <= link.parts.size() ||
                !std::equal(link.parts.begin(), link.parts.end(), below.parts.begin()))
                continue;
            std::string dest = base;
            for (size_t i = link.parts.size(); i < below.parts.size(); ++i)
                dest += "/" + below.parts[i];
            dest = normalized(dest);
            const size_t slash = dest.rfind('/');
            char real_folder[PATH_MAX];
            if (slash > 0 && realpath(dest.substr(0, slash).c_str(), real_folder))
                dest = std::string(real_folder) + dest.substr(slash);
            if (!inside(dest, g_target))
                places.insert(dest);
        }
    }
    return places;
}

struct Seen {
    bool exists = false;
    struct stat st;
};

std::map<std::string, Seen> look_at(const std::set<std::string>& places)
{
    std::map<std::string, Seen> seen;
    for (const std::string& place : places) {
        Seen& s = seen[place];
        s.exists = lstat(place.c_str(), &s.st) == 0;
    }
    return seen;
}

bool same_time(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// Nothing may have appeared at a landing place, and what was there must be
// unchanged. Folders change when others make files in them (a link to "/"
// and an entry "l/tmp"), so only their owner and mode count. A place found
// only now was reached through a link the package made; it may hold nothing
// made since `start` but folders.
void check_landing_places(const std::map<std::string, Seen>& before, const std::set<std::string>& now,
                          const timespec& start)
{
    for (const std::string& place : now) {
        struct stat st;
        const bool exists = lstat(place.c_str(), &st) == 0;
        auto it = before.find(place);
        if (it == before.end()) {
            if (exists && !S_ISDIR(st.st_mode) && later(st.st_ctim, start))
                fail("an entry was written through a link to", place);
            continue;
        }
        const Seen& old = it->second;
        if (exists != old.exists)
            fail("an entry was written through a link to", place);
        if (!exists)
            continue;
        const bool changed = S_ISDIR(old.st.st_mode)
            ? st.st_mode != old.st.st_mode || st.st_uid != old.st.st_uid || st.st_gid != old.st.st_gid
            : st.st_ino != old.st.st_ino || !same_time(st.st_ctim, old.st.st_ctim);
        if (changed)
            fail("an entry was written through a link to", place);
    }
}

void remove_tree(const std::string& path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0)
        return;
    if (S_ISDIR(st.st_mode)) {
        chmod(path.c_str(), 0700);
        for (const std::string& name : names_in(path))
            remove_tree(path + "/" + name);
        if (rmdir(path.c_str()) != 0)
            fail("cannot remove", path);
    } else if (unlink(path.c_str()) != 0) {
        fail("cannot remove", path);
    }
}

void write_package(const uint8_t* data, size_t size)
{
    int fd = open(g_package.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0 || write(fd, data, size) != static_cast<ssize_t>(size) || close(fd) != 0)
        fail("cannot write the package", g_package);
}

std::string read_package()
{
    std::string bytes;
    int fd = open(g_package.c_str(), O_RDONLY | O_CLOEXEC);
    char buffer[8192];
    ssize_t n;
    while (fd >= 0 && (n = read(fd, buffer, sizeof(buffer))) > 0)
        bytes.append(buffer, static_cast<size_t>(n));
    if (fd >= 0)
        close(fd);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Every damaged input would log a line; SKYLET_FUZZ_LOG=1 keeps them.
    const char* log = getenv("SKYLET_FUZZ_LOG");
    if (!log || strcmp(log, "1") != 0)
        Logger::Destroy();
    // Real paths, so that landing places resolved through links compare.
    char real[PATH_MAX];
    g_parent = make_private_folder("fuzz_extractor.parent");
    if (!realpath(g_parent.c_str(), real))
        fail("cannot resolve", g_parent);
    g_parent = real;
    g_target = g_parent + "/target";
    g_work = make_private_folder("fuzz_extractor.work");
    if (!realpath(g_work.c_str(), real))
        fail("cannot resolve", g_work);
    g_work = real;
    g_package = g_work + "/package";
    atexit([] {
        remove_tree(g_parent);
        remove_tree(g_work);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > kMaxInput)
        return -1;  // keeps such inputs out of the corpus
    write_package(data, size);
    if (mkdir(g_target.c_str(), 0700) != 0)
        fail("cannot make the target", g_target);
    // Times of the file system, not of the clock: both come from the kernel's
    // coarse clock, so a file changed from now on is never seen as older.
    struct stat made;
    if (stat(g_target.c_str(), &made) != 0)
        fail("cannot stat the target", g_target);
    const timespec start = made.st_ctim;

    const std::vector<Entry> entries = entries_of(data, size);
    const std::map<std::string, Seen> before = look_at(landing_places(entries));

    Extractor extractor;
    extractor.SetSource(g_package.c_str());
    extractor.SetTarget(g_target.c_str());
    Extractor::ScanResult scan;
    const int scanned = extractor.Scan(scan);
    if (scanned != 0 && scanned != -1)
        fail("Scan returned neither 0 nor -1");
    if (scanned == 0 && (scan.entries < 0 || scan.sha256.size() != 64))
        fail("Scan succeeded without a count or a SHA-256");
    extractor.SetKnownTotal(std::max(scan.entries, 1));
    const int extracted = extractor.Extract();
    if (extracted != 0 && extracted != -1)
        fail("Extract returned neither 0 nor -1");

    const std::vector<std::string> in_parent = names_in(g_parent);
    if (in_parent.size() != 1 || in_parent[0] != "target")
        fail("the parent of the target holds more than the target");
    struct stat after;
    if (lstat(g_target.c_str(), &after) != 0 || !S_ISDIR(after.st_mode))
        fail("the target folder was replaced", g_target);
    const std::vector<std::string> in_work = names_in(g_work);
    if (in_work.size() != 1 || in_work[0] != "package")
        fail("the folder of the package holds more than the package");
    if (read_package() != std::string(reinterpret_cast<const char*>(data), size))
        fail("the package was changed");
    check_landing_places(before, landing_places(entries), start);
    HardLinks found;
    walk(g_target, found);
    for (const auto& inode : found) {
        if (inode.second.second != static_cast<int>(inode.second.first))
            fail("a hard-linked file has a name outside the target");
    }
    remove_tree(g_target);
    return 0;
}

// libFuzzer target for Config::read: the input is the whole file.
//
// Config reads by path, so every input goes to a memory file made once and
// is read through its /proc/self/fd path; write() gets a second one. Files on
// disk would make the run wait for the disk. A broken invariant aborts, which
// libFuzzer reports with the input that caused it.
#include "config.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// State files are small and the reader refuses large ones; staying well below
// that bound keeps a refusal for size out of the picture, also for the
// rewritten form (quotes added) that the round trip reads back. Still more
// than two of the reader's 8 KiB pieces, so long lines are split.
const size_t kMaxInput = 16 * 1024;

// Config parses a line longer than this in pieces of this many bytes.
const size_t kPieceBytes = 8191;

// A memory file and the path that opens it.
struct MemFile {
    int fd = -1;
    std::string path;
};
MemFile g_input;
MemFile g_rewritten;

void fail(const char* what)
{
    fprintf(stderr, "fuzz_config: invariant broken: %s\n", what);
    abort();
}

void open_memfile(MemFile& file, const char* name)
{
    file.fd = memfd_create(name, MFD_CLOEXEC);
    if (file.fd < 0) {
        perror("fuzz_config: memfd_create");
        exit(1);
    }
    file.path = "/proc/self/fd/" + std::to_string(file.fd);
}

void fill(const MemFile& file, const char* data, size_t size)
{
    if (ftruncate(file.fd, 0) != 0)
        fail("cannot empty the memory file");
    size_t done = 0;
    while (done < size) {
        ssize_t n = pwrite(file.fd, data + done, size - done, static_cast<off_t>(done));
        if (n <= 0)
            fail("cannot fill the memory file");
        done += static_cast<size_t>(n);
    }
}

bool is_key_char(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           c == '-' || c == '_' || c == '.';
}


typedef std::map<std::string, std::string> Entries;

Entries entries_of(Config& config)
{
    Entries out;
    for (auto& entry : config)
        out[entry.first.c_str()] = entry.second.c_str();
    return out;
}

// What every successful read must have stored, whatever the input.
void check_entries(Config& config)
{
    bool both_quotes = false;
    size_t longest = 0;  // key="value" without the line feed
    for (auto& entry : config) {
        if (entry.first.length() != strlen(entry.first.c_str()) ||
            entry.second.length() != strlen(entry.second.c_str()))
            fail("a key or value with a zero byte inside");
        for (const char* p = entry.first.c_str(); *p; ++p)
            if (!is_key_char(static_cast<unsigned char>(*p)))
                fail("a key with a byte that is not a key character");
        for (const char* p = entry.second.c_str(); *p; ++p) {
            unsigned char c = static_cast<unsigned char>(*p);
            if (c < 32 || c == 127)
                fail("a value with a control byte");
        }
        both_quotes = both_quotes || (strchr(entry.second.c_str(), '"') != nullptr &&
                                      strchr(entry.second.c_str(), '\'') != nullptr);
        longest = std::max(longest, entry.first.length() + entry.second.length() + 3);
    }

    // get_int and get_bool accept any stored value.
    Entries before = entries_of(config);
    for (const auto& entry : before) {
        config.get_int(entry.first.c_str());
        config.get_bool(entry.first.c_str());
    }
    if (entries_of(config) != before)
        fail("get_int or get_bool changed a stored entry");

    // Written out and read back, the entries come back unchanged; only a value
    // holding both quote characters, or an entry whose line would be longer
    // than a read piece, cannot be written.
    int written = config.write(g_rewritten.path.c_str());
    if (written != 0) {
        if (written != -1 || !(both_quotes || longest + 1 > kPieceBytes))
            fail("write refused entries that read accepted");
        return;
    }
    Config again;
    if (again.read(g_rewritten.path.c_str()) != 0)
        fail("a written file does not read back");
    if (entries_of(again) != before)
        fail("the round trip through write changed the entries");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    open_memfile(g_input, "fuzz_config.input");
    open_memfile(g_rewritten, "fuzz_config.rewritten");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > kMaxInput)
        return -1;  // keeps such inputs out of the corpus
    const char* text = reinterpret_cast<const char*>(data);
    const char* input = g_input.path.c_str();
    fill(g_input, text, size);

    Config fresh;
    int result = fresh.read(input);
    if (result != 0 && result != -1)
        fail("read returned neither 0 nor -1");

    // A failed read empties the store, entries of earlier reads included; a
    // successful one keeps them unless a line sets the same key.
    Config merged;
    merged["kept by success"] = "1";
    if (merged.read(input) != result)
        fail("the same file read twice gave different results");
    if (result == -1) {
        if (fresh.begin() != fresh.end() || merged.begin() != merged.end())
            fail("the store is not empty after -1");
    } else {
        Entries expected = entries_of(fresh);
        expected["kept by success"] = "1";
        if (entries_of(merged) != expected)
            fail("a successful read lost or changed an earlier entry");
    }

    // A last line without its line feed reads like the same line with it.
    std::string terminated(text, size);
    terminated += '\n';
    fill(g_input, terminated.data(), terminated.size());
    Config with_lf;
    int result_with_lf = with_lf.read(input);
    if (result_with_lf != result)
        fail("a final line feed changed the result of read");
    else if (entries_of(with_lf) != entries_of(fresh))
        fail("a final line feed changed the entries");

    if (result == 0)
        check_entries(fresh);
    return 0;
}

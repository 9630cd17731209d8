// Config's reader and writer. Its only file access is the state-file reader,
// which logs nothing: the logger reads its level file through Config, so
// nothing here may reach the logger.
#include "config.h"

#include <cstdio>
#include <cstring>
#include <sstream>

#include "file/file-op.h"

namespace {

enum { OK = 0, EMPTY = 1, INVALID = 2 };

const size_t kPieceSize = 8192;

// Length of the piece at `pos`, as fgets would deliver it: up to `limit`
// bytes, ending after a line feed.
size_t next_piece(const std::string& text, size_t pos, size_t limit)
{
    size_t end = text.find('\n', pos);
    size_t len = end == std::string::npos ? text.size() - pos : end + 1 - pos;
    return len < limit ? len : limit;
}

bool is_key_char(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           c == '-' || c == '_' || c == '.';
}

bool is_value_char(unsigned char c) { return c >= 32 && c != 127; }

bool is_space(unsigned char c) { return (c >= 9 && c <= 13) || c == ' '; }

char* skip_spaces(char* p)
{
    while (is_space(static_cast<unsigned char>(*p)))
        ++p;
    return p;
}

// Parses one zero-terminated line (with its line feed, if any); `n` is
// not used, the zero byte ends the line.
int parse(char* buf, int /*n*/, ustring& key, ustring& value)
{
    char* p = skip_spaces(buf);
    char* key_begin = p;
    while (is_key_char(static_cast<unsigned char>(*p)))
        ++p;
    char* key_end = p;
    // A bare key is a line without "=" even when it ends the file
    // without a line feed.
    if (*p == '#' || (*p == '\0' && key_end == key_begin))
        return EMPTY;
    if (*p == '\0')
        return INVALID;

    p = skip_spaces(p);
    if (*p != '=')
        return INVALID;
    p = skip_spaces(p + 1);
    if (*p == '\0')
        return INVALID;

    char end_char = ' ';
    bool quoted = false;
    if (*p == '"' || *p == '\'') {
        end_char = *p;
        quoted = true;
        ++p;
    }
    char* value_begin = p;
    while (is_value_char(static_cast<unsigned char>(*p)) && *p != end_char)
        ++p;
    char* value_end = p;
    if (quoted) {
        if (*p != end_char)
            return INVALID;
        ++p;
    }

    p = skip_spaces(p);
    if (*p != '\0' && *p != '#')
        return INVALID;

    *key_end = '\0';
    *value_end = '\0';
    key = key_begin;
    value = value_begin;
    return OK;
}

}  // namespace

Config::Config(const ustring& path) { read(path); }

Config::Config(const Config& other) : store(other.store) {}

Config& Config::operator=(const Config& other)
{
    store = other.store;
    return *this;
}

int Config::read(const ustring& path)
{
    std::string text;
    if (FSReadStateFile(path, STATE_FILE_MAX_BYTES, text) != 0)
        return -1;

    char buf[kPieceSize];
    size_t pos = 0;
    // Lines longer than the buffer arrive in pieces, each parsed as a line.
    while (pos < text.size()) {
        size_t len = next_piece(text, pos, sizeof(buf) - 1);
        memcpy(buf, text.data() + pos, len);
        buf[len] = '\0';
        pos += len;
        ustring key;
        ustring value;
        // A zero byte inside a line would hide the rest of the line from
        // the parser; a strict reader rejects such a line.
        int code = strlen(buf) == len ? parse(buf, static_cast<int>(len), key, value) : INVALID;
        if (code == INVALID) {
            store.clear();
            return -1;
        }
        if (code == OK)
            store[key] = value;
    }
    return 0;
}

int Config::write(const ustring& path) const
{
    if (path.empty())
        return -1;
    std::string text;
    for (const auto& entry : store) {
        const char* key = entry.first.c_str();
        const char* value = entry.second.c_str();
        for (const char* p = key; *p; ++p)
            if (!is_key_char(static_cast<unsigned char>(*p)))
                return -1;
        bool has_double = false;
        bool has_single = false;
        for (const char* p = value; *p; ++p) {
            if (!is_value_char(static_cast<unsigned char>(*p)))
                return -1;
            has_double = has_double || *p == '"';
            has_single = has_single || *p == '\'';
        }
        if (has_double && has_single)
            return -1;
        const char quote = has_double ? '\'' : '"';
        // A line longer than a read piece would not read back.
        if (strlen(key) + strlen(value) + 4 > kPieceSize - 1)
            return -1;
        text.append(key).append("=").append(1, quote).append(value).append(1, quote);
        text.append("\n");
    }
    FILE* fp = fopen(path.c_str(), "w");
    if (fp == nullptr)
        return -1;
    bool ok = fwrite(text.data(), 1, text.size(), fp) == text.size();
    ok = (fclose(fp) == 0) && ok;
    return ok ? 0 : -1;
}

ustring& Config::operator[](const ustring& key) { return store[key]; }

int Config::get_int(const ustring& key)
{
    std::stringstream stream;
    stream << (*this)[key].c_str_utf8();
    int number = 0;
    stream >> number;
    return number;
}

bool Config::get_bool(const ustring& key) const
{
    auto it = store.find(key);
    if (it == store.end())
        return false;
    const char* v = it->second.c_str();
    return strcmp(v, "1") == 0 || str_case_cmp(v, "true") == 0 || str_case_cmp(v, "yes") == 0 ||
           str_case_cmp(v, "on") == 0;
}

void Config::unset(const ustring& key) { store.erase(key); }

Config::iterator Config::begin() { return store.begin(); }

Config::iterator Config::end() { return store.end(); }

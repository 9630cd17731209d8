// ustring: UTF-8 text with a lazily built UTF-16 form.
//
// Buffers are exact-fit C heap blocks: they grow to the size asked for and
// shrink only when an operation needs less than half of what is held. The
// UTF-16 cache is dropped on every byte-side change and rebuilt on demand.
#include "ustring/ustring.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utypes.h>

const size_t ustring::npos = static_cast<size_t>(-1);

namespace {

UChar* as_uchar(uchar16_t* p) { return reinterpret_cast<UChar*>(p); }
const UChar* as_uchar(const uchar16_t* p) { return reinterpret_cast<const UChar*>(p); }

// ICU takes 32-bit lengths; larger texts cannot be converted in one call.
int32_t icu_capacity(size_t n)
{
    return n > static_cast<size_t>(INT32_MAX) ? INT32_MAX : static_cast<int32_t>(n);
}

// Room for n more units beside `used` and a terminator; a count that cannot
// fit in memory is an allocation that cannot succeed.
size_t grown_size(size_t used, size_t n)
{
    if (n > static_cast<size_t>(-1) - used - 1)
        throw std::bad_alloc();
    return used + n + 1;
}

size_t utf16_length_bounded(const uchar16_t* s, size_t limit)
{
    size_t n = 0;
    while (n < limit && s[n] != 0)
        ++n;
    return n;
}

// Membership table for a set of bytes; a multibyte character contributes
// each of its bytes. The terminator is never a member.
struct ByteSet {
    bool member[256];
    bool empty;

    explicit ByteSet(const char* set) : member(), empty(set[0] == '\0')
    {
        for (const unsigned char* p = reinterpret_cast<const unsigned char*>(set); *p; ++p)
            member[*p] = true;
    }
    bool has(char c) const { return member[static_cast<unsigned char>(c)]; }
};

const unsigned char* fold_table()
{
    static unsigned char table[256];
    static bool ready = [] {
        for (int i = 0; i < 256; ++i)
            table[i] = static_cast<unsigned char>(i);
        for (int c = 'A'; c <= 'Z'; ++c)
            table[c] = static_cast<unsigned char>(c - 'A' + 'a');
        return true;
    }();
    (void)ready;
    return table;
}

} // namespace

int str_case_cmp(const char* a, const char* b)
{
    const unsigned char* fold = fold_table();
    const unsigned char* pa = reinterpret_cast<const unsigned char*>(a);
    const unsigned char* pb = reinterpret_cast<const unsigned char*>(b);
    for (size_t i = 0;; ++i) {
        int ca = fold[pa[i]];
        int cb = fold[pb[i]];
        if (ca != cb)
            return ca - cb;
        if (ca == 0)
            return 0;
    }
}

// ---------------------------------------------------------------- buffers

void ustring::realloc_data(size_t n)
{
    if (data_cap >= n && n >= data_cap / 2)
        return;
    char* p = static_cast<char*>(std::realloc(data, n));
    if (p == nullptr)
        throw std::bad_alloc();
    data = p;
    data_cap = n;
}

void ustring::realloc_wdata(size_t n) const
{
    if (wdata_cap >= n && n >= wdata_cap / 2)
        return;
    if (n > static_cast<size_t>(-1) / sizeof(uchar16_t))
        throw std::bad_alloc();
    uchar16_t* p = static_cast<uchar16_t*>(std::realloc(wdata, n * sizeof(uchar16_t)));
    if (p == nullptr)
        throw std::bad_alloc();
    wdata = p;
    wdata_cap = n;
}

void ustring::clear_data()
{
    data_len = 0;
    data[0] = '\0';
}

void ustring::clear_wdata() const
{
    wdata_len = 0;
    wdata[0] = 0;
}

void ustring::init()
{
    data = nullptr;
    data_len = 0;
    data_cap = 0;
    wdata = nullptr;
    wdata_len = 0;
    wdata_cap = 0;
    try {
        realloc_data(4);
        realloc_wdata(4);
    } catch (...) {
        release();
        throw;
    }
    clear();
}

void ustring::release()
{
    std::free(data);
    std::free(wdata);
    data = nullptr;
    wdata = nullptr;
    data_len = data_cap = 0;
    wdata_len = wdata_cap = 0;
}

int ustring::convert_from_data() const
{
    UErrorCode status = U_ZERO_ERROR;
    int32_t len = 0;
    u_strFromUTF8(nullptr, 0, &len, data, -1, &status);
    status = U_ZERO_ERROR;
    realloc_wdata(static_cast<size_t>(len < 0 ? 0 : len) + 1);
    u_strFromUTF8(as_uchar(wdata), icu_capacity(wdata_cap), &len, data, -1, &status);
    if (status <= U_ZERO_ERROR) {
        wdata_len = static_cast<size_t>(len);
        wdata[wdata_len] = 0;
        return 0;
    }
    std::cerr << "Warning: u_strFromUTF8: error code " << status << " at line " << __LINE__
              << std::endl;
    clear_wdata();
    return -1;
}

int ustring::convert_from_wdata()
{
    UErrorCode status = U_ZERO_ERROR;
    int32_t len = 0;
    u_strToUTF8(nullptr, 0, &len, as_uchar(wdata), -1, &status);
    status = U_ZERO_ERROR;
    realloc_data(static_cast<size_t>(len < 0 ? 0 : len) + 1);
    u_strToUTF8(data, icu_capacity(data_cap), &len, as_uchar(wdata), -1, &status);
    if (status <= U_ZERO_ERROR) {
        data_len = static_cast<size_t>(len);
        data[data_len] = '\0';
        // A U+0000 unit ends the converted text; cut the cache there too so
        // it stays the conversion of the UTF-8 side.
        size_t converted = utf16_length_bounded(wdata, wdata_len);
        if (converted < wdata_len) {
            wdata_len = converted;
            wdata[wdata_len] = 0;
        }
        return 0;
    }
    std::cerr << "Warning: u_strToUTF8: error code " << status << " at line " << __LINE__
              << std::endl;
    clear_data();
    clear_wdata();
    return -1;
}

// ------------------------------------------------------ construction, access

ustring::ustring() { init(); }

// Each constructor delegates to the default one first: once that has run the
// object counts as constructed, so an exception from the append below runs
// the destructor and frees both buffers.
ustring::ustring(const ustring& s) : ustring() { append(s.data); }
ustring::ustring(const char* s) : ustring() { append(s); }
ustring::ustring(const uchar16_t* s) : ustring() { append(s); }
ustring::ustring(const std::string& s) : ustring() { append(s.c_str()); }
ustring::ustring(char c) : ustring() { append(c, 1); }

ustring::~ustring() { release(); }

const uchar16_t* ustring::c_str_utf16() const
{
    // An empty text already has its (empty) cache; nothing to convert.
    if (wdata_len == 0 && data_len != 0)
        convert_from_data();
    return wdata;
}

void ustring::swap(ustring& other)
{
    std::swap(data, other.data);
    std::swap(data_len, other.data_len);
    std::swap(data_cap, other.data_cap);
    std::swap(wdata, other.wdata);
    std::swap(wdata_len, other.wdata_len);
    std::swap(wdata_cap, other.wdata_cap);
}

void swap(ustring& a, ustring& b) { a.swap(b); }

void ustring::clear()
{
    clear_data();
    clear_wdata();
}

ustring ustring::substr(size_t pos, size_t n) const
{
    if (pos > data_len)
        throw std::out_of_range("substr");
    if (n > data_len)
        n = data_len;
    ustring result;
    result.assign(data + pos, n);
    return result;
}

void ustring::replace(char from, char to)
{
    size_t end = std::strlen(data);
    for (size_t i = 0; i < end; ++i) {
        if (data[i] == from)
            data[i] = to;
    }
    // The bytes changed under the cache, so it no longer matches them.
    clear_wdata();
}

// -------------------------------------------------------------- searching

size_t ustring::find(const char* s, size_t pos) const
{
    if (pos >= data_len)
        return npos;
    for (size_t p = pos; data[p] != '\0'; ++p) {
        size_t i = 0;
        // The text's terminator never equals a needle byte, so this stops
        // at the end of the text at the latest.
        while (s[i] != '\0' && data[p + i] == s[i])
            ++i;
        if (s[i] == '\0')
            return p;
    }
    return npos;
}

size_t ustring::rfind(const char* s, size_t pos) const
{
    if (data_len == 0)
        return npos;
    size_t start = pos < data_len ? pos : data_len - 1;
    for (size_t p = start + 1; p-- > 0;) {
        size_t i = 0;
        while (s[i] != '\0' && data[p + i] == s[i])
            ++i;
        if (s[i] == '\0')
            return p;
    }
    return npos;
}

size_t ustring::find_first_of(const char* s, size_t pos) const
{
    if (pos >= data_len)
        return npos;
    ByteSet set(s);
    for (size_t p = pos; data[p] != '\0'; ++p) {
        if (set.has(data[p]))
            return p;
    }
    return npos;
}

size_t ustring::find_first_not_of(const char* s, size_t pos) const
{
    if (pos >= data_len)
        return npos;
    ByteSet set(s);
    for (size_t p = pos; data[p] != '\0'; ++p) {
        if (!set.has(data[p]))
            return p;
    }
    return npos;
}

size_t ustring::find_last_of(const char* s, size_t pos) const
{
    if (data_len == 0)
        return npos;
    size_t start = pos < data_len ? pos : data_len - 1;
    ByteSet set(s);
    for (size_t p = start + 1; p-- > 0;) {
        if (set.has(data[p]))
            return p;
    }
    return npos;
}

size_t ustring::find_last_not_of(const char* s, size_t pos) const
{
    if (data_len == 0)
        return npos;
    size_t start = pos < data_len ? pos : data_len - 1;
    ByteSet set(s);
    for (size_t p = start + 1; p-- > 0;) {
        if (!set.has(data[p]))
            return p;
    }
    return npos;
}

// A NUL char stays a one-byte C string that reads as empty.
#define USTRING_SEARCH_FORMS(NAME)                                                       \
    size_t ustring::NAME(char c, size_t pos) const                                       \
    {                                                                                    \
        const char one[2] = {c, '\0'};                                                   \
        return NAME(one, pos);                                                           \
    }                                                                                    \
    size_t ustring::NAME(const ustring& s, size_t pos) const                             \
    {                                                                                    \
        return NAME(s.c_str_utf8(), pos);                                                \
    }                                                                                    \
    size_t ustring::NAME(const std::string& s, size_t pos) const                         \
    {                                                                                    \
        return NAME(s.c_str(), pos);                                                     \
    }

USTRING_SEARCH_FORMS(find)
USTRING_SEARCH_FORMS(rfind)
USTRING_SEARCH_FORMS(find_first_of)
USTRING_SEARCH_FORMS(find_first_not_of)
USTRING_SEARCH_FORMS(find_last_of)
USTRING_SEARCH_FORMS(find_last_not_of)

#undef USTRING_SEARCH_FORMS

// --------------------------------------------------------------- trimming

void ustring::ltrim(const char* s)
{
    // The set is read once up front, so trimming by the own text is safe.
    ByteSet set(s);
    if (data[0] == '\0' || set.empty)
        return;
    size_t skip = 0;
    while (data[skip] != '\0' && set.has(data[skip]))
        ++skip;
    if (skip == 0)
        return;
    size_t rest = std::strlen(data + skip);
    std::memmove(data, data + skip, rest);
    data_len = rest;
    data[data_len] = '\0';
    clear_wdata();
}

void ustring::rtrim(const char* s)
{
    ByteSet set(s);
    if (data_len == 0 || set.empty)
        return;
    size_t keep = data_len;
    while (keep > 0 && set.has(data[keep - 1]))
        --keep;
    if (keep == data_len)
        return;
    data_len = keep;
    data[data_len] = '\0';
    clear_wdata();
}

void ustring::trim(const char* s)
{
    if (s >= data && s < data + data_cap) {
        // Trimming by the own text: keep the set as it was before ltrim.
        std::string set(s, strnlen(s, static_cast<size_t>(data + data_cap - s)));
        ltrim(set.c_str());
        rtrim(set.c_str());
        return;
    }
    ltrim(s);
    rtrim(s);
}

void ustring::ltrim(const ustring& set) { ltrim(set.c_str_utf8()); }
void ustring::rtrim(const ustring& set) { rtrim(set.c_str_utf8()); }
void ustring::trim(const ustring& set) { trim(set.c_str_utf8()); }

// ---------------------------------------------------------- appending bytes

ustring& ustring::append(const char* s) { return append(s, npos); }

ustring& ustring::append(const char* s, size_t n)
{
    if (s == data) {
        size_t k = n < data_len ? n : data_len;
        realloc_data(data_len + k + 1);
        size_t copied = 0;
        while (copied < k && data[copied] != '\0') {
            data[data_len + copied] = data[copied];
            ++copied;
        }
        data_len += copied;
        data[data_len] = '\0';
        clear_wdata();
        return *this;
    }
    if (s > data && s < data + data_cap) {
        // A pointer into the own buffer would dangle once it is resized.
        size_t avail = strnlen(s, static_cast<size_t>(data + data_cap - s));
        std::string copy(s, n < avail ? n : avail);
        return append(copy.c_str(), copy.size());
    }
    // The text ends at n bytes or its first zero byte, whichever comes
    // first; a counted buffer need not be terminated.
    size_t k = strnlen(s, n);
    realloc_data(data_len + k + 1);
    std::memcpy(data + data_len, s, k);
    data_len += k;
    data[data_len] = '\0';
    clear_wdata();
    return *this;
}

ustring& ustring::append(const ustring& s, size_t pos, size_t n)
{
    ustring part = s.substr(pos, n);
    return append(part.c_str());
}

ustring& ustring::append(const std::string& s, size_t pos, size_t n)
{
    std::string part = s.substr(pos, n);
    return append(part.c_str());
}

ustring& ustring::append(char c, size_t n)
{
    realloc_data(grown_size(data_len, n));
    std::memset(data + data_len, c, n);
    data_len += n;
    data[data_len] = '\0';
    clear_wdata();
    return *this;
}

// --------------------------------------------------------- appending UTF-16

ustring& ustring::append(const uchar16_t* s) { return append(s, npos); }

ustring& ustring::append(const uchar16_t* s, size_t n)
{
    if (s > wdata && s < wdata + wdata_cap) {
        // Copy it out before the cache is rebuilt or resized under it.
        size_t avail = utf16_length_bounded(s, static_cast<size_t>(wdata + wdata_cap - s));
        std::vector<uchar16_t> copy(s, s + (n < avail ? n : avail));
        copy.push_back(0);
        return append(copy.data(), copy.size() - 1);
    }
    bool own = (s == wdata);
    if (wdata_len == 0 && data_len != 0)
        convert_from_data();
    if (own) {
        size_t k = n < wdata_len ? n : wdata_len;
        realloc_wdata(wdata_len + k + 1);
        std::memcpy(wdata + wdata_len, wdata, k * sizeof(uchar16_t));
        wdata_len += k;
    } else {
        size_t k = utf16_length_bounded(s, n);
        realloc_wdata(wdata_len + k + 1);
        std::memcpy(wdata + wdata_len, s, k * sizeof(uchar16_t));
        wdata_len += k;
    }
    wdata[wdata_len] = 0;
    convert_from_wdata();
    return *this;
}

ustring& ustring::append(uchar16_t c, size_t n)
{
    if (wdata_len == 0 && data_len != 0)
        convert_from_data();
    realloc_wdata(grown_size(wdata_len, n));
    for (size_t i = 0; i < n; ++i)
        wdata[wdata_len + i] = c;
    wdata_len += n;
    wdata[wdata_len] = 0;
    convert_from_wdata();
    return *this;
}

// --------------------------------------------------------------- assigning

ustring& ustring::assign(const char* s)
{
    if (s == data)
        return *this;
    if (s > data && s < data + data_cap) {
        std::string copy(s, strnlen(s, static_cast<size_t>(data + data_cap - s)));
        clear();
        return append(copy.c_str());
    }
    clear();
    return append(s);
}

ustring& ustring::assign(const char* s, size_t n)
{
    if (s == data) {
        if (n < data_len) {
            data_len = n;
            data[data_len] = '\0';
            clear_wdata();
        }
        return *this;
    }
    if (s > data && s < data + data_cap) {
        size_t avail = strnlen(s, static_cast<size_t>(data + data_cap - s));
        std::string copy(s, n < avail ? n : avail);
        clear();
        return append(copy.c_str(), copy.size());
    }
    clear();
    return append(s, n);
}

ustring& ustring::assign(const ustring& s, size_t pos, size_t n)
{
    if (&s == this) {
        ustring part = s.substr(pos, n);
        clear();
        return append(part.c_str());
    }
    clear();
    return append(s, pos, n);
}

ustring& ustring::assign(const std::string& s, size_t pos, size_t n)
{
    clear();
    return append(s, pos, n);
}

ustring& ustring::assign(char c, size_t n)
{
    clear();
    return append(c, n);
}

ustring& ustring::assign(const uchar16_t* s)
{
    if (s == wdata)
        return *this;
    if (s > wdata && s < wdata + wdata_cap) {
        size_t avail = utf16_length_bounded(s, static_cast<size_t>(wdata + wdata_cap - s));
        std::vector<uchar16_t> copy(s, s + avail);
        copy.push_back(0);
        clear();
        return append(copy.data());
    }
    clear();
    return append(s);
}

ustring& ustring::assign(const uchar16_t* s, size_t n)
{
    if (s == wdata) {
        if (n < wdata_len) {
            wdata_len = n;
            wdata[wdata_len] = 0;
            convert_from_wdata();
        }
        return *this;
    }
    if (s > wdata && s < wdata + wdata_cap) {
        size_t avail = utf16_length_bounded(s, static_cast<size_t>(wdata + wdata_cap - s));
        std::vector<uchar16_t> copy(s, s + (n < avail ? n : avail));
        copy.push_back(0);
        clear();
        return append(copy.data(), copy.size() - 1);
    }
    clear();
    return append(s, n);
}

ustring& ustring::assign(uchar16_t c, size_t n)
{
    clear();
    return append(c, n);
}

// --------------------------------------------------------------- operators

ustring& ustring::operator+=(const ustring& s) { return append(s, 0, npos); }
ustring& ustring::operator+=(const std::string& s) { return append(s, 0, npos); }
ustring& ustring::operator+=(const char* s) { return append(s); }
ustring& ustring::operator+=(const uchar16_t* s) { return append(s); }
ustring& ustring::operator+=(char c) { return append(c, 1); }
ustring& ustring::operator+=(uchar16_t c) { return append(c, 1); }

ustring& ustring::operator=(const ustring& s) { return assign(s, 0, npos); }
ustring& ustring::operator=(const std::string& s) { return assign(s, 0, npos); }
ustring& ustring::operator=(const char* s) { return assign(s); }
ustring& ustring::operator=(const uchar16_t* s) { return assign(s); }
ustring& ustring::operator=(char c) { return assign(c, 1); }
ustring& ustring::operator=(uchar16_t c) { return assign(c, 1); }

namespace {

// Copy of the left side, then += of the right side.
template <typename T>
ustring Concat(const ustring& a, const T& b)
{
    ustring r(a);
    r += b;
    return r;
}

}  // namespace

ustring operator+(const ustring& a, const ustring& b) { return Concat(a, b); }
ustring operator+(const ustring& a, const char* b) { return Concat(a, b); }
ustring operator+(const ustring& a, char b) { return Concat(a, b); }
ustring operator+(const ustring& a, const uchar16_t* b) { return Concat(a, b); }
ustring operator+(const ustring& a, uchar16_t b) { return Concat(a, b); }

// --------------------------------------------------------------- comparing

int ustring::compare(const ustring& a, const ustring& b, bool caseless)
{
    if (caseless)
        return str_case_cmp(a.data, b.data);
    const unsigned char* pa = reinterpret_cast<const unsigned char*>(a.data);
    const unsigned char* pb = reinterpret_cast<const unsigned char*>(b.data);
    for (size_t i = 0;; ++i) {
        if (pa[i] != pb[i])
            return static_cast<int>(pa[i]) - static_cast<int>(pb[i]);
        if (pa[i] == 0)
            return 0;
    }
}

int ustring::compare(const ustring& s) const { return compare(*this, s, false); }

int ustring::compare(const ustring& s, size_t n) const
{
    const unsigned char* pa = reinterpret_cast<const unsigned char*>(data);
    const unsigned char* pb = reinterpret_cast<const unsigned char*>(s.data);
    for (size_t i = 0; i < n; ++i) {
        if (pa[i] != pb[i])
            return static_cast<int>(pa[i]) - static_cast<int>(pb[i]);
        if (pa[i] == 0)
            return 0;
    }
    return 0;
}

bool operator<(const ustring& a, const ustring& b) { return ustring::compare(a, b, false) < 0; }
bool operator>(const ustring& a, const ustring& b) { return ustring::compare(a, b, false) > 0; }
bool operator<=(const ustring& a, const ustring& b) { return ustring::compare(a, b, false) <= 0; }
bool operator>=(const ustring& a, const ustring& b) { return ustring::compare(a, b, false) >= 0; }
bool operator==(const ustring& a, const ustring& b) { return ustring::compare(a, b, false) == 0; }
bool operator!=(const ustring& a, const ustring& b) { return !(a == b); }

// ----------------------------------------------------------------- Unicode

ustring ustring::normalize(const ustring& s, normalization_form f)
{
    static const UNormalization2Mode modes[2] = {UNORM2_COMPOSE, UNORM2_DECOMPOSE};
    ustring result;
    if (s.empty())
        return result;
    if (f != NFC && f != NFD) {
        std::cerr << "Warning: normalize: unknown form " << static_cast<int>(f) << " at line "
                  << __LINE__ << std::endl;
        return result;
    }
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* normalizer = unorm2_getInstance(nullptr, "nfc", modes[f], &status);
    if (U_FAILURE(status) || normalizer == nullptr) {
        std::cerr << "Warning: unorm2_getInstance: error code " << status << " at line "
                  << __LINE__ << std::endl;
        return result;
    }
    const UChar* source = as_uchar(s.c_str_utf16());
    int32_t len = unorm2_normalize(normalizer, source, -1, nullptr, 0, &status);
    status = U_ZERO_ERROR;
    result.realloc_wdata(static_cast<size_t>(len < 0 ? 0 : len) + 1);
    len = unorm2_normalize(normalizer, source, -1, as_uchar(result.wdata),
                           icu_capacity(result.wdata_cap), &status);
    if (U_SUCCESS(status)) {
        result.wdata_len = static_cast<size_t>(len);
        result.wdata[result.wdata_len] = 0;
        result.convert_from_wdata();
    } else {
        std::cerr << "Warning: unorm2_normalize: error code " << status << " at line "
                  << __LINE__ << std::endl;
        result.clear();
    }
    return result;
}

ustring ustring::normalize(normalization_form f) const { return normalize(*this, f); }

bool ustring::is_valid(const ustring& s)
{
    if (s.empty())
        return true;
    UErrorCode status = U_ZERO_ERROR;
    int32_t len = 0;
    u_strFromUTF8(nullptr, 0, &len, s.data, -1, &status);
    return status != U_INVALID_CHAR_FOUND;
}

// ----------------------------------------------------------------- streams

std::ostream& operator<<(std::ostream& os, const ustring& s) { return os << s.c_str(); }

std::istream& operator>>(std::istream& is, ustring& s)
{
    std::string word;
    if (is >> word)
        s.assign(word, 0, ustring::npos);
    return is;
}

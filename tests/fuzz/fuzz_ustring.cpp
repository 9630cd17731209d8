// libFuzzer target for ustring's conversions and comparisons.
//
// The input is taken three ways: as bytes (a counted, unterminated buffer,
// as a file read or a network packet delivers it), as little-endian UTF-16
// units, and split at its first 0xFF byte (never part of UTF-8) into two
// operands for the comparisons. The expected results come from a strict
// UTF-8/UTF-16 codec written here from the Unicode tables, not from ICU.
// Ill-formed text makes ustring warn through std::cerr; the target takes
// those lines in and checks when they come.
#include "ustring/ustring.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

namespace {

typedef std::vector<uint32_t> CodePoints;
typedef std::vector<uchar16_t> Units;

void fail(const char* what)
{
    fprintf(stderr, "fuzz_ustring: invariant broken: %s\n", what);
    abort();
}

void expect(bool ok, const char* what)
{
    if (!ok)
        fail(what);
}

// Collects what is written to std::cerr, which is where ustring warns. A
// long run would otherwise print a warning per ill-formed input. libFuzzer
// and the sanitizers write to the file descriptor and are not affected.
class WarningLines : public std::streambuf {
public:
    // Number of lines since the last call, each checked to start with
    // `prefix`; forgets them.
    size_t take(const char* prefix)
    {
        size_t lines = 0;
        for (size_t begin = 0; begin < text_.size(); ++lines) {
            if (text_.compare(begin, strlen(prefix), prefix) != 0)
                fail("a warning line of another kind");
            size_t end = text_.find('\n', begin);
            begin = end == std::string::npos ? text_.size() : end + 1;
        }
        text_.clear();
        return lines;
    }
    void forget() { text_.clear(); }

protected:
    int overflow(int c) override
    {
        if (c != traits_type::eof())
            text_ += static_cast<char>(c);
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        text_.append(s, static_cast<size_t>(n));
        return n;
    }

private:
    std::string text_;
};

WarningLines g_warnings;

const char kFromUtf8[] = "Warning: u_strFromUTF8: ";
const char kToUtf8[] = "Warning: u_strToUTF8: ";

int sign(int v) { return (v > 0) - (v < 0); }

// Well-formed UTF-8 after the Unicode standard's table of byte sequences:
// no overlong forms, no surrogates, nothing above U+10FFFF.
bool decode_utf8(const std::string& s, CodePoints& out)
{
    out.clear();
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out.push_back(c);
            ++i;
            continue;
        }
        size_t len;
        uint32_t cp;
        unsigned char lo = 0x80, hi = 0xBF;  // range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
            lo = c == 0xE0 ? 0xA0 : 0x80;
            hi = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
            lo = c == 0xF0 ? 0x90 : 0x80;
            hi = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (s.size() - i < len)
            return false;
        for (size_t k = 1; k < len; ++k) {
            unsigned char b = static_cast<unsigned char>(s[i + k]);
            if (b < (k == 1 ? lo : 0x80) || b > (k == 1 ? hi : 0xBF))
                return false;
            cp = (cp << 6) | (b & 0x3F);
        }
        out.push_back(cp);
        i += len;
    }
    return true;
}

std::string encode_utf8(const CodePoints& cps)
{
    std::string out;
    for (uint32_t cp : cps) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

Units encode_utf16(const CodePoints& cps)
{
    Units out;
    for (uint32_t cp : cps) {
        if (cp < 0x10000) {
            out.push_back(static_cast<uchar16_t>(cp));
        } else {
            out.push_back(static_cast<uchar16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<uchar16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        }
    }
    return out;
}

// Units up to the first zero unit; false on an unpaired surrogate.
bool decode_utf16(const Units& units, CodePoints& out)
{
    out.clear();
    for (size_t i = 0; i < units.size() && units[i] != 0; ++i) {
        uint32_t u = units[i];
        if (u >= 0xDC00 && u <= 0xDFFF)
            return false;
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 1 >= units.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF)
                return false;
            u = 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        }
        out.push_back(u);
    }
    return true;
}

// What a ustring made from these units holds: their UTF-8 form up to the
// first zero unit, or nothing when they are not well-formed.
std::string utf8_of_units(const Units& units)
{
    CodePoints cps;
    return decode_utf16(units, cps) ? encode_utf8(cps) : std::string();
}

Units units_of(const ustring& s)
{
    Units out;
    for (const uchar16_t* p = s.c_str_utf16(); *p; ++p)
        out.push_back(*p);
    return out;
}

bool holds(const ustring& s, const std::string& bytes)
{
    return s.length() == bytes.size() && memcmp(s.c_str(), bytes.c_str(), bytes.size() + 1) == 0;
}

std::string ascii_lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The UTF-16 form matches the bytes as they are now, not as they were when
// it was last built. Ill-formed text has no UTF-16 form to compare.
void expect_cache_fresh(const ustring& s, const char* after)
{
    if (!ustring::is_valid(s))
        return;
    if (units_of(s) != units_of(ustring(s.c_str())))
        fail(after);
}

void check_bytes(const char* bytes, size_t size, const std::string& text)
{
    // Every byte form stops at the first zero byte, well-formed or not.
    ustring counted;
    counted.assign(bytes, size);
    expect(holds(counted, text), "assign(bytes, n) does not hold the bytes");
    ustring appended("x");
    appended.append(bytes, size);
    expect(holds(appended, "x" + text), "append(bytes, n) does not add the bytes");
    expect(holds(ustring(std::string(bytes, size)), text), "ustring(std::string) differs");
    expect(g_warnings.take("") == 0, "a warning while only bytes were copied");

    CodePoints cps;
    const bool valid = decode_utf8(text, cps);
    const ustring s(text.c_str());
    expect(ustring::is_valid(s) == valid, "is_valid disagrees with the UTF-8 tables");

    if (!valid) {
        // The bytes stay as they were; there is no UTF-16 form.
        expect(s.c_str_utf16()[0] == 0, "ill-formed UTF-8 got a UTF-16 form");
        expect(g_warnings.take(kFromUtf8) == 1, "not one warning for ill-formed UTF-8");
        expect(holds(s, text), "asking for UTF-16 changed ill-formed bytes");
        ustring::normalize(s, NFC);
        g_warnings.take("Warning: ");
        return;
    }

    const Units expected = encode_utf16(cps);
    expect(units_of(s) == expected, "UTF-16 form is not the text's code points");
    expect(units_of(s) == expected, "UTF-16 form changed when asked again");
    const ustring back(s.c_str_utf16());
    expect(holds(back, text), "UTF-8 -> UTF-16 -> UTF-8 changed the text");

    const ustring nfc = s.normalize(NFC);
    const ustring nfd = ustring::normalize(s, NFD);
    expect(ustring::is_valid(nfc) && ustring::is_valid(nfd), "normalisation gave ill-formed text");
    expect(nfc.empty() == text.empty() && nfd.empty() == text.empty(),
           "normalisation emptied text or made some from nothing");
    expect(nfc.normalize(NFC) == nfc, "NFC of NFC is not NFC");
    expect(nfd.normalize(NFD) == nfd, "NFD of NFD is not NFD");
    expect(nfd.normalize(NFC) == nfc, "NFC of NFD is not NFC");
    expect(nfc.normalize(NFD) == nfd, "NFD of NFC is not NFD");
    expect(units_of(nfc) == units_of(ustring(nfc.c_str())), "normalised text has a stale UTF-16 form");
    expect(g_warnings.take("") == 0, "a warning about well-formed text");
}

void expect_joined(const ustring& s, const Units& units, const char* what)
{
    CodePoints cps;
    if (decode_utf16(units, cps)) {
        expect(holds(s, encode_utf8(cps)), what);
        expect(g_warnings.take("") == 0, "a warning about well-formed UTF-16");
    } else {
        expect(ustring::is_valid(s), what);
        expect(g_warnings.take(kToUtf8) == 1, "not one warning for ill-formed UTF-16");
    }
}

void check_units(const uint8_t* data, size_t size)
{
    Units units(size / 2);
    if (units.empty())
        return;
    memcpy(units.data(), data, units.size() * sizeof(uchar16_t));
    const std::string expected = utf8_of_units(units);

    ustring s;
    s.assign(units.data(), units.size());  // not zero-terminated
    expect(holds(s, expected), "assign(units, n) does not hold their UTF-8 form");
    CodePoints cps;
    expect(g_warnings.take(kToUtf8) == (decode_utf16(units, cps) ? 0u : 1u),
           "a warning for well-formed UTF-16, or not one for ill-formed");
    if (!expected.empty()) {
        Units kept(units.begin(), units.end());
        for (size_t i = 0; i < kept.size(); ++i)
            if (kept[i] == 0)
                kept.resize(i);
        expect(units_of(s) == kept, "UTF-16 form is not the units it was made from");
    }

    // Units after well-formed text join it as one UTF-16 text. Whatever the
    // units, the result is well-formed UTF-8.
    ustring prefix("a\xC3\xA9");
    prefix.append(units.data(), units.size());
    Units joined = {0x61, 0xE9};
    joined.insert(joined.end(), units.begin(), units.end());
    expect_joined(prefix, joined, "append(units, n) after text");

    ustring repeated("z");
    const size_t count = 1 + data[0] % 3;
    repeated.append(units[0], count);
    Units expected_units(1, 0x7A);
    expected_units.insert(expected_units.end(), count, units[0]);
    expect_joined(repeated, expected_units, "append(unit, n) after text");
}

void check_pair(const std::string& left, const std::string& right, size_t n)
{
    const ustring a(left.c_str());
    const ustring b(right.c_str());

    const int cmp = ustring::compare(a, b, false);
    expect(sign(cmp) == sign(strcmp(left.c_str(), right.c_str())), "compare is not bytewise");
    expect(ustring::compare(b, a, false) == -cmp, "compare is not antisymmetric");
    expect(a.compare(b) == cmp, "member compare differs from the static one");
    expect((a < b) == (cmp < 0) && (a > b) == (cmp > 0) && (a <= b) == (cmp <= 0) &&
               (a >= b) == (cmp >= 0) && (a == b) == (cmp == 0) && (a != b) == (cmp != 0),
           "an operator disagrees with compare");
    const int lower = strcmp(ascii_lower(left).c_str(), ascii_lower(right).c_str());
    expect(sign(ustring::compare(a, b, true)) == sign(lower), "caseless compare");
    expect(sign(str_case_cmp(left.c_str(), right.c_str())) == sign(lower), "str_case_cmp");
    expect(sign(a.compare(b, n)) == sign(strncmp(left.c_str(), right.c_str(), n)),
           "compare of the first n bytes");

    // Positions count bytes, as in std::string.
    const size_t pos = left.empty() ? 0 : n % left.size();
    if (!left.empty()) {
        expect(a.find(b, pos) == left.find(right, pos), "find");
        expect(holds(a.substr(pos, n), left.substr(pos, n)), "substr");
    }
    if (!right.empty())
        expect(a.rfind(b, pos) == left.rfind(right, pos), "rfind");

    // Mixing the UTF-16 side in: text plus the units of another text is the
    // two texts' bytes one after the other.
    expect(g_warnings.take("") == 0, "a warning from comparing or searching");
    if (ustring::is_valid(a) && ustring::is_valid(b)) {
        expect(holds(a + b.c_str_utf16(), left + right), "text + UTF-16 text");
        expect(g_warnings.take("") == 0, "a warning about well-formed text");

        // Every byte-side change drops a UTF-16 form built before it.
        ustring s(a);
        s.c_str_utf16();
        s += b;
        expect_cache_fresh(s, "stale UTF-16 form after +=");
        s.c_str_utf16();
        s.replace(right.empty() ? 'a' : right[0], left.empty() ? 'b' : left[0]);
        expect_cache_fresh(s, "stale UTF-16 form after replace");
        s.c_str_utf16();
        s.rtrim(b);
        expect_cache_fresh(s, "stale UTF-16 form after rtrim");
        s.c_str_utf16();
        s.ltrim(b);
        expect_cache_fresh(s, "stale UTF-16 form after ltrim");
        s.c_str_utf16();
        s.assign(a, 0, n);
        expect_cache_fresh(s, "stale UTF-16 form after assign");
        if (!s.empty()) {
            s.c_str_utf16();
            s[s.length() - 1] = right.empty() ? 'q' : right[0];
            expect_cache_fresh(s, "stale UTF-16 form after a write through operator[]");
        }
        g_warnings.forget();  // the changes may have made the text ill-formed
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::cerr.rdbuf(&g_warnings);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    const std::string text(bytes, strnlen(bytes, size));
    check_bytes(bytes, size, text);
    check_units(data, size);

    const size_t cut = text.find('\xFF');
    const std::string left = text.substr(0, cut);
    const std::string right = cut == std::string::npos ? std::string() : text.substr(cut + 1);
    check_pair(left, right, size);
    check_pair(right, left, size / 2);
    return 0;
}

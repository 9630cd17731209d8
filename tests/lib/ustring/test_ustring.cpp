#include "ustring/ustring.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

const size_t npos = ustring::npos;

std::vector<uchar16_t> units(const ustring& s)
{
    std::vector<uchar16_t> out;
    for (const uchar16_t* p = s.c_str_utf16(); *p; ++p)
        out.push_back(*p);
    return out;
}

// `bytes` bytes that end right before an unreadable page: reading past them
// crashes in any build, not only under AddressSanitizer.
class GuardedBuffer {
public:
    explicit GuardedBuffer(size_t bytes) : page_(static_cast<size_t>(sysconf(_SC_PAGESIZE)))
    {
        void* p = mmap(nullptr, 2 * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS,
                       -1, 0);
        if (p == MAP_FAILED)
            throw std::bad_alloc();
        base_ = static_cast<char*>(p);
        mprotect(base_ + page_, page_, PROT_NONE);
        data_ = base_ + page_ - bytes;
    }
    ~GuardedBuffer() { munmap(base_, 2 * page_); }
    char* data() { return data_; }

private:
    size_t page_;
    char* base_;
    char* data_;
};

int count_lines(const std::string& text)
{
    int n = 0;
    for (char c : text)
        n += (c == '\n');
    return n;
}

} // namespace

TEST(UstringTest, FreshObjectIsEmptyWithSmallBuffers)
{
    ustring s;
    EXPECT_EQ(s.capacity(), 4u);
    EXPECT_EQ(s.utf16_capacity(), 4u);
    EXPECT_EQ(s.length(), 0u);
    EXPECT_TRUE(s.empty());
    EXPECT_STREQ(s.c_str(), "");
    EXPECT_EQ(s.c_str_utf16()[0], 0);
}

TEST(UstringTest, CapacityFollowsExactFitRule)
{
    ustring s;
    s.append('a', 99);
    EXPECT_EQ(s.capacity(), 100u);
    s.assign(std::string(60, 'b').c_str());
    EXPECT_EQ(s.capacity(), 100u) << "at least half used: buffer kept";
    s.assign("0123456789");
    EXPECT_EQ(s.capacity(), 11u) << "less than half used: shrunk to the need";
    s.append("x");
    EXPECT_EQ(s.capacity(), 12u) << "grows to exactly what is asked";
    s.clear();
    EXPECT_EQ(s.capacity(), 12u);
}

TEST(UstringTest, ForwardAndBackwardSearches)
{
    ustring s("hello");
    EXPECT_EQ(s.find("", 2), 2u);
    EXPECT_EQ(s.find("l", 5), npos);
    EXPECT_EQ(s.find("lo", 0), 3u);
    EXPECT_EQ(s.find("lox", 0), npos);
    EXPECT_EQ(s.find('l', 3), 3u);
    EXPECT_EQ(s.find(ustring("ell"), 0), 1u);
    EXPECT_EQ(s.find(std::string("o"), 0), 4u);
    EXPECT_EQ(s.rfind("l", npos), 3u);
    EXPECT_EQ(s.rfind("ll", 2), 2u) << "a match may extend past the start";
    EXPECT_EQ(s.rfind("h", 3), 0u);
    EXPECT_EQ(s.rfind("z", npos), npos);
    EXPECT_EQ(s.find_first_of("ol", 0), 2u);
    EXPECT_EQ(s.find_first_of("", 0), npos);
    EXPECT_EQ(s.find_first_not_of("", 1), 1u);
    EXPECT_EQ(s.find_first_not_of("hel", 0), 4u);
    EXPECT_EQ(s.find_first_not_of("helo", 0), npos);
    EXPECT_EQ(s.find_last_of("", npos), npos);
    EXPECT_EQ(s.find_last_of("le", 1), 1u);
    EXPECT_EQ(s.find_last_of('h', npos), 0u);
    EXPECT_EQ(s.find_last_not_of("", npos), 4u);
    EXPECT_EQ(s.find_last_not_of("lo", npos), 1u);
    EXPECT_EQ(s.find_last_not_of(std::string("helo"), npos), npos);

    ustring empty;
    EXPECT_EQ(empty.find("", 0), npos);
    EXPECT_EQ(empty.rfind("", npos), npos);
    EXPECT_EQ(empty.find_last_not_of("", npos), npos);
}

TEST(UstringTest, EmbeddedNulIsCountedButEndsSearchesAndOutput)
{
    ustring s;
    s.append('\0', 1).append("x");
    EXPECT_EQ(s.length(), 2u);
    EXPECT_EQ(s.find("x", 0), npos);
    EXPECT_EQ(s.rfind("x", npos), 1u) << "backward searches do not stop at NUL";
    std::ostringstream out;
    out << s << "|";
    EXPECT_EQ(out.str(), "|");
    EXPECT_EQ(ustring(s).length(), 0u) << "copies stop at the first NUL";
}

TEST(UstringTest, AppendingAndAssigningOwnBuffer)
{
    ustring s("abc");
    s.append(s.c_str());
    EXPECT_STREQ(s.c_str(), "abcabc");
    EXPECT_EQ(s.length(), 6u);
    s.append(s.c_str(), 2);
    EXPECT_STREQ(s.c_str(), "abcabcab");
    s.append(s.c_str() + 6);  // points into the buffer that is about to grow
    EXPECT_STREQ(s.c_str(), "abcabcabab");
    s.assign(s.c_str() + 4);
    EXPECT_STREQ(s.c_str(), "bcabab");
    s.assign(s.c_str(), 2);
    EXPECT_STREQ(s.c_str(), "bc");
    s.assign(s.c_str(), 10);
    EXPECT_STREQ(s.c_str(), "bc");
    s += s;
    EXPECT_STREQ(s.c_str(), "bcbc");
    s = s;
    EXPECT_STREQ(s.c_str(), "bcbc");
    s.assign(s, 1, 2);
    EXPECT_STREQ(s.c_str(), "cb");
}

TEST(UstringTest, AppendAndAssignForms)
{
    ustring s("ab");
    s.append("cdef", 2).append(ustring("xyz"), 1, npos).append(std::string("0123"), 2, 1);
    EXPECT_STREQ(s.c_str(), "abcdyz2");
    s.assign('q', 3);
    EXPECT_STREQ(s.c_str(), "qqq");
    s = std::string("str");
    s += 'c';
    EXPECT_STREQ((s + "!" + ustring("?") + '.').c_str(), "strc!?.");
    EXPECT_THROW(s.append(std::string("ab"), 3, 1), std::out_of_range);
    // Counts too large for memory fail cleanly instead of wrapping round.
    EXPECT_THROW(s.append('x', npos), std::bad_alloc);
    EXPECT_THROW(s.append(static_cast<uchar16_t>('x'), npos / 2), std::bad_alloc);
    EXPECT_STREQ(s.c_str(), "strc");
}

// A count bounds the read: the text need not be zero-terminated.
TEST(UstringTest, CountedBuffersAreReadNoFurther)
{
    GuardedBuffer bytes(3);
    memcpy(bytes.data(), "abc", 3);
    ustring s("x");
    s.append(bytes.data(), 3);
    EXPECT_STREQ(s.c_str(), "xabc");
    s.assign(bytes.data(), 2);
    EXPECT_STREQ(s.c_str(), "ab");

    const uchar16_t two[] = {0x41, 0xE9};
    GuardedBuffer units(sizeof(two));
    memcpy(units.data(), two, sizeof(two));
    s.assign(reinterpret_cast<const uchar16_t*>(units.data()), 2);
    EXPECT_STREQ(s.c_str(), "A\xC3\xA9");
}

TEST(UstringTest, SubstrBoundsAndThrows)
{
    ustring s("abcdef");
    EXPECT_STREQ(s.substr(4, 5).c_str(), "ef");
    EXPECT_STREQ(s.substr(6, npos).c_str(), "");
    EXPECT_STREQ(s.substr(1, 2).c_str(), "bc");
    try {
        s.substr(7, 1);
        FAIL() << "no exception";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "substr");
    }
    ustring target("keep");
    EXPECT_THROW(target.assign(s, 7, 1), std::out_of_range);
    EXPECT_TRUE(target.empty());
}

TEST(UstringTest, CompareValuesAndOperators)
{
    EXPECT_EQ(ustring("abc").compare(ustring("abd")), -1);
    EXPECT_EQ(ustring("a").compare(ustring("ab")), -98);
    EXPECT_EQ(ustring::compare("ABC", "abc", false), -32);
    EXPECT_EQ(ustring::compare("ABC", "abc", true), 0);
    EXPECT_NE(ustring::compare("\xC3\x89", "\xC3\xA9", true), 0);
    EXPECT_GT(ustring::compare("\xC3\xA9", "zzz", false), 0);
    EXPECT_EQ(ustring("abc").compare(ustring("xyz"), 0), 0);
    EXPECT_EQ(ustring("abcX").compare(ustring("abcY"), 3), 0);
    EXPECT_LT(ustring("abcX").compare(ustring("abcY"), 4), 0);
    EXPECT_EQ(str_case_cmp("Hello", "hELLO"), 0);

    ustring a("a"), b("b");
    EXPECT_TRUE(a < b && b > a && a != b && a == ustring("a"));
    EXPECT_TRUE(a <= a && a >= a && a <= b && b >= a);
    EXPECT_FALSE(b <= a || a >= b);

    std::map<ustring, int> m{{"b", 2}, {"a", 1}, {"B", 0}};
    EXPECT_STREQ(m.begin()->first.c_str(), "B");
    EXPECT_EQ(m[ustring("a")], 1);
}

TEST(UstringTest, Trimming)
{
    ustring s("  a b  ");
    s.ltrim(" ");
    EXPECT_STREQ(s.c_str(), "a b  ");
    EXPECT_EQ(s.length(), 5u);
    s.rtrim("");
    EXPECT_STREQ(s.c_str(), "a b  ");
    s.rtrim(ustring(" "));
    EXPECT_STREQ(s.c_str(), "a b");
    ustring blank("   ");
    blank.trim(" ");
    EXPECT_TRUE(blank.empty());
    ustring mixed("\t-x-\n");
    mixed.trim("\t\n-");
    EXPECT_STREQ(mixed.c_str(), "x");
    ustring self("aba");
    self.trim(self.c_str());
    EXPECT_TRUE(self.empty());
}

TEST(UstringTest, Utf16RoundTripAndCache)
{
    ustring s("\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E");  // é € and a clef outside the BMP
    EXPECT_EQ(units(s), (std::vector<uchar16_t>{0xE9, 0x20AC, 0xD834, 0xDD1E}));
    const uchar16_t tail[] = {0x41, 0xE9, 0};
    s.append(tail);
    EXPECT_STREQ(s.c_str(), "\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E" "A\xC3\xA9");
    s.append("z");  // byte-side change must drop the cache
    EXPECT_EQ(units(s).back(), 0x7A);
    s.append(s.c_str_utf16(), 1);
    EXPECT_EQ(units(s).back(), 0xE9);
    s.assign(tail, 1);
    EXPECT_STREQ(s.c_str(), "A");
    s.assign(uchar16_t(0x20AC), 2);
    EXPECT_STREQ(s.c_str(), "\xE2\x82\xAC\xE2\x82\xAC");
    s.assign(s.c_str_utf16(), 1);
    EXPECT_STREQ(s.c_str(), "\xE2\x82\xAC");
    s.replace('\xAC', '\xA1');  // € becomes U+20A1
    EXPECT_EQ(units(s), (std::vector<uchar16_t>{0x20A1}));
    s[2] = '\xA2';  // a write through the index is a byte-side change too
    EXPECT_EQ(units(s), (std::vector<uchar16_t>{0x20A2}));
}

TEST(UstringTest, UnpairedSurrogateEmptiesWithOneWarning)
{
    const uchar16_t lone[] = {0xD800, 0};
    testing::internal::CaptureStderr();
    ustring s(lone);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(s.empty());
    EXPECT_EQ(count_lines(err), 1);
    EXPECT_EQ(err.rfind("Warning: u_strToUTF8: error code 10 at line ", 0), 0u) << err;
}

TEST(UstringTest, IllFormedUtf8KeepsBytesAndWarnsOnUtf16Request)
{
    ustring bad("\xC3\x28");
    testing::internal::CaptureStderr();
    EXPECT_EQ(bad.c_str_utf16()[0], 0);
    bad.c_str_utf16();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_STREQ(bad.c_str(), "\xC3\x28");
    EXPECT_EQ(count_lines(err), 2) << "the cache is never built, so it reports each time";
    EXPECT_EQ(err.rfind("Warning: u_strFromUTF8: error code 10 at line ", 0), 0u) << err;

    testing::internal::CaptureStderr();
    bad += uchar16_t('k');
    testing::internal::GetCapturedStderr();
    EXPECT_STREQ(bad.c_str(), "k");
}

TEST(UstringTest, ValidityAndNormalisation)
{
    EXPECT_FALSE(ustring::is_valid("\xC3\x28"));
    EXPECT_TRUE(ustring::is_valid(""));
    EXPECT_TRUE(ustring::is_valid("\xC3\xA9"));

    ustring composed("\xC3\xA9");
    ustring decomposed = composed.normalize(NFD);
    EXPECT_STREQ(decomposed.c_str(), "e\xCC\x81");
    EXPECT_STREQ(ustring::normalize(decomposed, NFC).c_str(), "\xC3\xA9");
    EXPECT_TRUE(ustring::normalize(ustring(), NFC).empty());
}

TEST(UstringTest, CopySwapAndStreamInput)
{
    ustring a("first");
    ustring b(a);
    b[0] = 'F';
    EXPECT_STREQ(a.c_str(), "first");
    ustring c("second");
    swap(a, c);
    EXPECT_STREQ(a.c_str(), "second");
    EXPECT_STREQ(c.c_str(), "first");
    EXPECT_STREQ(ustring('q').c_str(), "q");

    std::istringstream in("  alpha beta");
    ustring word("old");
    in >> word;
    EXPECT_STREQ(word.c_str(), "alpha");
    in >> word >> word;
    EXPECT_STREQ(word.c_str(), "beta") << "a failed read leaves the value";
}

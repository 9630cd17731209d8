// ustring: the string type of all non-Qt code.
//
// Text is stored as UTF-8; a UTF-16 form is built only when asked for and
// dropped on every byte-side change. Lengths and positions count bytes.
// Copies are deep; there is no sharing and no move support. Warnings go to
// standard error (this type sits below the logger and never uses it).
#ifndef USTRING_USTRING_H
#define USTRING_USTRING_H

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

typedef uint16_t uchar16_t;

enum normalization_form { NFC = 0, NFD = 1 };

class ustring {
public:
    static const size_t npos;

    ustring();
    ustring(const ustring& s);
    ustring(const char* s);
    ustring(const uchar16_t* s);
    ustring(const std::string& s);
    explicit ustring(char c);
    ~ustring();

    const char* c_str() const { return data; }
    const char* c_str_utf8() const { return data; }
    const uchar16_t* c_str_utf16() const;
    size_t length() const { return data_len; }
    size_t size() const { return data_len; }
    bool empty() const { return data_len == 0; }
    // Allocated sizes, terminator included: bytes and UTF-16 code units.
    size_t capacity() const { return data_cap; }
    size_t utf16_capacity() const { return wdata_cap; }

    const char& operator[](size_t pos) const { return data[pos]; }
    // The bytes may be written through the reference, so this drops the
    // UTF-16 form like any other byte-side change.
    char& operator[](size_t pos)
    {
        clear_wdata();
        return data[pos];
    }

    void swap(ustring& other);
    void clear();
    ustring substr(size_t pos, size_t n) const;
    void replace(char from, char to);

    // Searches. The const char* form is the one the others call.
    size_t find(const char* s, size_t pos) const;
    size_t find(char c, size_t pos) const;
    size_t find(const ustring& s, size_t pos) const;
    size_t find(const std::string& s, size_t pos) const;

    size_t rfind(const char* s, size_t pos) const;
    size_t rfind(char c, size_t pos) const;
    size_t rfind(const ustring& s, size_t pos) const;
    size_t rfind(const std::string& s, size_t pos) const;

    size_t find_first_of(const char* s, size_t pos) const;
    size_t find_first_of(char c, size_t pos) const;
    size_t find_first_of(const ustring& s, size_t pos) const;
    size_t find_first_of(const std::string& s, size_t pos) const;

    size_t find_first_not_of(const char* s, size_t pos) const;
    size_t find_first_not_of(char c, size_t pos) const;
    size_t find_first_not_of(const ustring& s, size_t pos) const;
    size_t find_first_not_of(const std::string& s, size_t pos) const;

    size_t find_last_of(const char* s, size_t pos) const;
    size_t find_last_of(char c, size_t pos) const;
    size_t find_last_of(const ustring& s, size_t pos) const;
    size_t find_last_of(const std::string& s, size_t pos) const;

    size_t find_last_not_of(const char* s, size_t pos) const;
    size_t find_last_not_of(char c, size_t pos) const;
    size_t find_last_not_of(const ustring& s, size_t pos) const;
    size_t find_last_not_of(const std::string& s, size_t pos) const;

    // Trimming: every byte of the set is one member.
    void ltrim(const char* set);
    void ltrim(const ustring& set);
    void rtrim(const char* set);
    void rtrim(const ustring& set);
    void trim(const char* set);
    void trim(const ustring& set);

    ustring& append(const char* s);
    ustring& append(const char* s, size_t n);
    ustring& append(const ustring& s, size_t pos, size_t n);
    ustring& append(const std::string& s, size_t pos, size_t n);
    ustring& append(char c, size_t n);
    ustring& append(const uchar16_t* s);
    ustring& append(const uchar16_t* s, size_t n);
    ustring& append(uchar16_t c, size_t n);

    ustring& assign(const char* s);
    ustring& assign(const char* s, size_t n);
    ustring& assign(const ustring& s, size_t pos, size_t n);
    ustring& assign(const std::string& s, size_t pos, size_t n);
    ustring& assign(char c, size_t n);
    ustring& assign(const uchar16_t* s);
    ustring& assign(const uchar16_t* s, size_t n);
    ustring& assign(uchar16_t c, size_t n);

    ustring& operator+=(const ustring& s);
    ustring& operator+=(const std::string& s);
    ustring& operator+=(const char* s);
    ustring& operator+=(const uchar16_t* s);
    ustring& operator+=(char c);
    ustring& operator+=(uchar16_t c);

    ustring& operator=(const ustring& s);
    ustring& operator=(const std::string& s);
    ustring& operator=(const char* s);
    ustring& operator=(const uchar16_t* s);
    ustring& operator=(char c);
    ustring& operator=(uchar16_t c);

    static int compare(const ustring& a, const ustring& b, bool caseless);
    int compare(const ustring& s) const;
    int compare(const ustring& s, size_t n) const;

    static ustring normalize(const ustring& s, normalization_form f);
    ustring normalize(normalization_form f) const;
    static bool is_valid(const ustring& s);

private:
    char* data;
    size_t data_len;
    size_t data_cap;
    mutable uchar16_t* wdata;
    mutable size_t wdata_len;
    mutable size_t wdata_cap;

    void realloc_data(size_t n);
    void realloc_wdata(size_t n) const;
    void clear_data();
    void clear_wdata() const;
    void init();
    void release();
    int convert_from_wdata();
    int convert_from_data() const;
};

int str_case_cmp(const char* a, const char* b);

bool operator<(const ustring& a, const ustring& b);
bool operator>(const ustring& a, const ustring& b);
bool operator<=(const ustring& a, const ustring& b);
bool operator>=(const ustring& a, const ustring& b);
bool operator==(const ustring& a, const ustring& b);
bool operator!=(const ustring& a, const ustring& b);

ustring operator+(const ustring& a, const ustring& b);
ustring operator+(const ustring& a, const char* b);
ustring operator+(const ustring& a, char b);
ustring operator+(const ustring& a, const uchar16_t* b);
ustring operator+(const ustring& a, uchar16_t b);

void swap(ustring& a, ustring& b);

std::ostream& operator<<(std::ostream& os, const ustring& s);
std::istream& operator>>(std::istream& is, ustring& s);

#endif

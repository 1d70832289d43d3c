// ustring: the string type of every path and file name. UTF-8 is the
// authoritative form (what POSIX calls receive through c_str()); a UTF-16
// copy for ICU is built only when somebody asks for it. All lengths and
// positions count bytes of the UTF-8 form, except the counts of the
// operations taking UTF-16 input, which count code units.
#ifndef VELMORA_USTRING_H
#define VELMORA_USTRING_H

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

struct UNormalizer2;

class ustring {
public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    enum normalization_form { NFC = 0, NFD = 1 };

    ustring();
    ustring(const ustring& s);
    ustring(const char* s);
    ustring(const unsigned short* s);
    ustring(const std::string& s);
    ustring(char c);
    ~ustring();

    ustring& assign(const ustring& s, size_t pos = 0, size_t n = npos);
    ustring& assign(const std::string& s, size_t pos = 0, size_t n = npos);
    ustring& assign(const char* s);
    ustring& assign(const char* s, size_t n);
    ustring& assign(const unsigned short* s);
    ustring& assign(const unsigned short* s, size_t n);
    ustring& assign(char c, size_t n);
    ustring& assign(unsigned short c, size_t n);

    ustring& append(const char* s);
    ustring& append(const char* s, size_t n);
    ustring& append(char c, size_t n);
    ustring& append(const ustring& s, size_t pos = 0, size_t n = npos);
    ustring& append(const std::string& s, size_t pos = 0, size_t n = npos);
    ustring& append(const unsigned short* s);
    ustring& append(const unsigned short* s, size_t n);
    ustring& append(unsigned short c, size_t n);

    const char* c_str() const { return data; }
    const char* c_str_utf8() const { return data; }
    const unsigned short* c_str_utf16() const;
    size_t length() const { return data_len; }
    size_t size() const { return data_len; }
    bool empty() const { return data_len == 0; }
    void clear();

    // Throws std::out_of_range("substr") when pos > length().
    ustring substr(size_t pos = 0, size_t n = npos) const;

    ustring normalize(normalization_form f) const;
    static ustring normalize(const ustring& s, normalization_form f);
    static bool is_valid(const ustring& s);

    // Byte searches on the UTF-8 form, read as a C string; npos when
    // nothing matches.
    size_t find(const std::string& p, size_t pos = 0) const;
    size_t find(const char* p, size_t pos = 0) const;
    size_t find(const ustring& p, size_t pos = 0) const;
    size_t find(char c, size_t pos = 0) const;
    size_t rfind(const std::string& p, size_t pos = npos) const;
    size_t rfind(const char* p, size_t pos = npos) const;
    size_t rfind(const ustring& p, size_t pos = npos) const;
    size_t rfind(char c, size_t pos = npos) const;
    size_t find_first_of(const std::string& p, size_t pos = 0) const;
    size_t find_first_of(const char* p, size_t pos = 0) const;
    size_t find_first_of(const ustring& p, size_t pos = 0) const;
    size_t find_first_of(char c, size_t pos = 0) const;
    size_t find_first_not_of(const std::string& p, size_t pos = 0) const;
    size_t find_first_not_of(const char* p, size_t pos = 0) const;
    size_t find_first_not_of(const ustring& p, size_t pos = 0) const;
    size_t find_first_not_of(char c, size_t pos = 0) const;
    size_t find_last_of(const std::string& p, size_t pos = npos) const;
    size_t find_last_of(const char* p, size_t pos = npos) const;
    size_t find_last_of(const ustring& p, size_t pos = npos) const;
    size_t find_last_of(char c, size_t pos = npos) const;
    size_t find_last_not_of(const std::string& p, size_t pos = npos) const;
    size_t find_last_not_of(const char* p, size_t pos = npos) const;
    size_t find_last_not_of(const ustring& p, size_t pos = npos) const;
    size_t find_last_not_of(char c, size_t pos = npos) const;

    void ltrim(const char* set);
    void ltrim(const ustring& set);
    void rtrim(const char* set);
    void rtrim(const ustring& set);
    void trim(const char* set);
    void trim(const ustring& set);

    // Byte difference of the first differing pair (unsigned), this minus
    // other; the texts are read up to their first NUL.
    int compare(const ustring& other) const;
    int compare(const ustring& other, size_t n) const;
    // ignore_case folds the ASCII capitals only.
    static int compare(const ustring& a, const ustring& b, bool ignore_case);

    ustring& operator+=(const ustring& s);
    ustring& operator+=(const std::string& s);
    ustring& operator+=(const char* s);
    ustring& operator+=(const unsigned short* s);
    ustring& operator+=(char c);
    ustring& operator+=(unsigned short c);

    ustring& operator=(const ustring& s);
    ustring& operator=(const std::string& s);
    ustring& operator=(const char* s);
    ustring& operator=(const unsigned short* s);
    ustring& operator=(char c);
    ustring& operator=(unsigned short c);

    // No range test. The non-const form drops the UTF-16 cache, since the
    // caller may write through the reference.
    const char& operator[](size_t i) const { return data[i]; }
    char& operator[](size_t i);

    void replace(char from, char to);
    void swap(ustring& other);

private:
    friend struct ustring_probe;  // lets the unit tests see block sizes

    void init();
    void init_blocks(size_t bytes, size_t units);
    // A text whose two forms are at hand, in blocks of the sizes a new
    // object's blocks would have once fitted to it.
    ustring(const unsigned short* units, size_t unit_count, const char* bytes, size_t byte_count);
    static ustring normalize_direct(const ustring& s, const UNormalizer2* norm, int32_t unit_count);
    void realloc_data(size_t need);
    void realloc_wdata(size_t need) const;
    void clear_data();
    void clear_wdata() const;
    int convert_from_data() const;
    int convert_from_wdata();

    bool cache_dropped() const { return wdata_len == 0 && data_len != 0; }
    bool holds_utf8(const char* p) const;
    bool holds_utf16(const unsigned short* p) const;
    size_t last_index(size_t pos) const;

    char* data;
    size_t data_len;
    size_t data_cap;
    mutable unsigned short* wdata;
    mutable size_t wdata_len;
    mutable size_t wdata_cap;
};

// Byte comparison as compare(); a <= b is a < b or a == b, likewise >=.
bool operator==(const ustring& a, const ustring& b);
bool operator!=(const ustring& a, const ustring& b);
bool operator<(const ustring& a, const ustring& b);
bool operator>(const ustring& a, const ustring& b);
bool operator<=(const ustring& a, const ustring& b);
bool operator>=(const ustring& a, const ustring& b);

ustring operator+(const ustring& a, const ustring& b);
ustring operator+(const ustring& a, const char* b);
ustring operator+(const ustring& a, char b);
ustring operator+(const ustring& a, const unsigned short* b);
ustring operator+(const ustring& a, unsigned short b);

void swap(ustring& a, ustring& b);
std::ostream& operator<<(std::ostream& os, const ustring& s);
std::istream& operator>>(std::istream& is, ustring& s);

#endif

// Byte searches, trims and comparison of ustring. All of them read the UTF-8
// form as a C string: positions are byte offsets and a scan ends at the
// first NUL.
#include "ustring.h"

#include <array>
#include <cstring>

namespace {

// Membership of bytes in a pattern; the NUL ending the pattern is not a member.
class ByteSet {
public:
    explicit ByteSet(const char* set)
    {
        for (const unsigned char* p = reinterpret_cast<const unsigned char*>(set); *p; ++p)
            member[*p] = true;
    }
    bool has(char c) const { return member[static_cast<unsigned char>(c)]; }

private:
    std::array<bool, 256> member{};
};

constexpr std::array<unsigned char, 256> make_fold_table()
{
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i)
        table[i] = static_cast<unsigned char>(i >= 'A' && i <= 'Z' ? i - 'A' + 'a' : i);
    return table;
}

// Difference of the first differing byte pair within n bytes, each byte
// passed through fold when one is given.
int byte_diff(const char* a, const char* b, size_t n, const unsigned char* fold)
{
    const auto* x = reinterpret_cast<const unsigned char*>(a);
    const auto* y = reinterpret_cast<const unsigned char*>(b);
    for (size_t i = 0; i < n; ++i) {
        const int cx = fold ? fold[x[i]] : x[i];
        const int cy = fold ? fold[y[i]] : y[i];
        if (cx != cy)
            return cx - cy;
        if (cx == 0)
            break;
    }
    return 0;
}

// Folds the ASCII capitals only; bytes from 0x80 up are compared as they are.
int str_case_cmp(const char* a, const char* b)
{
    static constexpr std::array<unsigned char, 256> fold = make_fold_table();
    return byte_diff(a, b, ustring::npos, fold.data());
}

}  // namespace

// Start of a backward search, npos for an empty text.
size_t ustring::last_index(size_t pos) const
{
    if (data_len == 0)
        return npos;
    return pos >= data_len ? data_len - 1 : pos;
}

// Forward searches.

size_t ustring::find(const char* p, size_t pos) const
{
    if (pos >= data_len || data[pos] == 0)
        return npos;
    if (*p == 0)
        return pos;
    const char* hit = strstr(data + pos, p);
    return hit ? static_cast<size_t>(hit - data) : npos;
}

size_t ustring::find_first_of(const char* p, size_t pos) const
{
    if (pos >= data_len || data[pos] == 0 || *p == 0)
        return npos;
    const char* hit = strpbrk(data + pos, p);
    return hit ? static_cast<size_t>(hit - data) : npos;
}

size_t ustring::find_first_not_of(const char* p, size_t pos) const
{
    if (pos >= data_len || data[pos] == 0)
        return npos;
    const size_t i = pos + strspn(data + pos, p);
    return data[i] ? i : npos;
}

// Backward searches.

size_t ustring::rfind(const char* p, size_t pos) const
{
    const size_t start = last_index(pos);
    if (start == npos || *p == 0)
        return start;
    // The pattern may reach past start; strncmp stops at our terminator.
    const size_t plen = strlen(p);
    for (size_t i = start + 1; i-- > 0;) {
        if (strncmp(data + i, p, plen) == 0)
            return i;
    }
    return npos;
}

size_t ustring::find_last_of(const char* p, size_t pos) const
{
    const size_t start = last_index(pos);
    if (start == npos || *p == 0)
        return npos;
    const ByteSet set(p);
    for (size_t i = start + 1; i-- > 0;) {
        if (set.has(data[i]))
            return i;
    }
    return npos;
}

size_t ustring::find_last_not_of(const char* p, size_t pos) const
{
    const size_t start = last_index(pos);
    if (start == npos)
        return npos;
    const ByteSet set(p);
    for (size_t i = start + 1; i-- > 0;) {
        if (!set.has(data[i]))
            return i;
    }
    return npos;
}

// The other pattern types read as C strings; a char of 0 is an empty pattern.

#define USTRING_SEARCH_OVERLOADS(name)                           \
    size_t ustring::name(const std::string& p, size_t pos) const \
    {                                                            \
        return name(p.c_str(), pos);                             \
    }                                                            \
    size_t ustring::name(const ustring& p, size_t pos) const     \
    {                                                            \
        return name(p.c_str(), pos);                             \
    }                                                            \
    size_t ustring::name(char c, size_t pos) const               \
    {                                                            \
        const char p[2] = {c, 0};                                \
        return name(p, pos);                                     \
    }

USTRING_SEARCH_OVERLOADS(find)
USTRING_SEARCH_OVERLOADS(rfind)
USTRING_SEARCH_OVERLOADS(find_first_of)
USTRING_SEARCH_OVERLOADS(find_first_not_of)
USTRING_SEARCH_OVERLOADS(find_last_of)
USTRING_SEARCH_OVERLOADS(find_last_not_of)

#undef USTRING_SEARCH_OVERLOADS

// Trims keep the block; they only move bytes and the terminator.

void ustring::ltrim(const char* set)
{
    if (data_len == 0 || *set == 0)
        return;
    const size_t count = strspn(data, set);
    if (count == 0)
        return;
    memmove(data, data + count, data_len - count + 1);
    data_len -= count;
    clear_wdata();
}

void ustring::rtrim(const char* set)
{
    if (data_len == 0 || *set == 0)
        return;
    const ByteSet members(set);
    size_t end = data_len;
    while (end > 0 && members.has(data[end - 1]))
        --end;
    if (end == data_len)
        return;
    data[end] = 0;
    data_len = end;
    clear_wdata();
}

void ustring::trim(const char* set)
{
    ltrim(set);
    rtrim(set);
}

void ustring::ltrim(const ustring& set)
{
    ltrim(set.c_str());
}

void ustring::rtrim(const ustring& set)
{
    rtrim(set.c_str());
}

void ustring::trim(const ustring& set)
{
    trim(set.c_str());
}

// Comparison.

int ustring::compare(const ustring& other) const
{
    return byte_diff(data, other.data, npos, nullptr);
}

int ustring::compare(const ustring& other, size_t n) const
{
    return byte_diff(data, other.data, n, nullptr);
}

int ustring::compare(const ustring& a, const ustring& b, bool ignore_case)
{
    return ignore_case ? str_case_cmp(a.data, b.data) : a.compare(b);
}

bool operator==(const ustring& a, const ustring& b)
{
    return a.compare(b) == 0;
}
bool operator!=(const ustring& a, const ustring& b)
{
    return a.compare(b) != 0;
}
bool operator<(const ustring& a, const ustring& b)
{
    return a.compare(b) < 0;
}
bool operator>(const ustring& a, const ustring& b)
{
    return a.compare(b) > 0;
}
bool operator<=(const ustring& a, const ustring& b)
{
    return a.compare(b) <= 0;
}
bool operator>=(const ustring& a, const ustring& b)
{
    return a.compare(b) >= 0;
}

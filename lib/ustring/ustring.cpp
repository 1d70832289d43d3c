// Storage, construction, assignment, appending and access of ustring.
#include "ustring.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <stdexcept>
#include <utility>

namespace {

// Blocks are sized exactly, without headroom: a block is kept while it holds
// the need (terminator included) and is at most twice as large; otherwise it
// is reallocated to exactly the need. On failure the block stays as it was.
const size_t kSmallBlock = 64;
const size_t kInitialCap = 4;

// The capacity a block of cap has once fitted to need.
size_t fitted_cap(size_t cap, size_t need)
{
    return cap >= need && cap / 2 <= need ? cap : need;
}

template <class T>
void fit_block(T*& block, size_t& cap, size_t need)
{
    if (fitted_cap(cap, need) == cap)
        return;
    if (need > SIZE_MAX / sizeof(T))
        throw std::bad_alloc();
    if (cap * sizeof(T) <= kSmallBlock && need > cap) {
        // Growing a small block moves it anyway; glibc's realloc then takes
        // its slow path past the per-thread cache that malloc and free use.
        T* grown = static_cast<T*>(malloc(need * sizeof(T)));
        if (!grown)
            throw std::bad_alloc();
        memcpy(grown, block, cap * sizeof(T));
        free(block);
        block = grown;
        cap = need;
        return;
    }
    void* moved = realloc(block, need * sizeof(T));
    if (!moved)
        throw std::bad_alloc();
    block = static_cast<T*>(moved);
    cap = need;
}

// len + count + 1 for a terminated block; a total that does not fit in a
// size_t can never be allocated.
size_t need_for(size_t len, size_t count)
{
    if (count >= SIZE_MAX - len)
        throw std::bad_alloc();
    return len + count + 1;
}

// Units of s before its 0 unit, at most n.
size_t units_of(const unsigned short* s, size_t n)
{
    size_t count = 0;
    while (count < n && s[count] != 0)
        ++count;
    return count;
}

template <class T>
bool points_into(const T* p, const T* begin, size_t len)
{
    return std::greater_equal<const T*>()(p, begin) && std::less_equal<const T*>()(p, begin + len);
}

}  // namespace

void ustring::init()
{
    init_blocks(kInitialCap, kInitialCap);
}

// Empty texts in blocks of the given sizes.
void ustring::init_blocks(size_t bytes, size_t units)
{
    data = nullptr;
    wdata = nullptr;
    data_cap = 0;
    wdata_cap = 0;
    if (units > SIZE_MAX / sizeof(unsigned short))
        throw std::bad_alloc();
    data = static_cast<char*>(malloc(bytes));
    wdata = static_cast<unsigned short*>(malloc(units * sizeof(unsigned short)));
    if (!data || !wdata) {
        free(data);
        free(wdata);
        throw std::bad_alloc();
    }
    data_cap = bytes;
    wdata_cap = units;
    data_len = 0;
    data[0] = 0;
    wdata_len = 0;
    wdata[0] = 0;
}

void ustring::realloc_data(size_t need)
{
    fit_block(data, data_cap, need);
}

void ustring::realloc_wdata(size_t need) const
{
    fit_block(wdata, wdata_cap, need);
}

void ustring::clear_data()
{
    data_len = 0;
    data[0] = 0;
}

void ustring::clear_wdata() const
{
    wdata_len = 0;
    wdata[0] = 0;
}

bool ustring::holds_utf8(const char* p) const
{
    return points_into(p, data, data_len);
}

bool ustring::holds_utf16(const unsigned short* p) const
{
    return points_into(p, wdata, wdata_len);
}

// Construction. Delegating to ustring() makes the object complete before the
// body runs, so a throwing body still releases the blocks in the destructor.

ustring::ustring()
{
    init();
}

ustring::ustring(const ustring& s) : ustring()
{
    assign(s, 0, npos);
}

// The UTF-8 block the append would grow into is allocated at once.
ustring::ustring(const char* s)
{
    const size_t count = strlen(s);
    init_blocks(fitted_cap(kInitialCap, need_for(count, 0)), kInitialCap);
    append(s, count);
}

ustring::ustring(const unsigned short* s) : ustring()
{
    append(s);
}

ustring::ustring(const std::string& s) : ustring()
{
    assign(s, 0, npos);
}

ustring::ustring(char c) : ustring()
{
    append(c, 1);
}

// Allocating the final blocks at once spares the initial ones and the move
// out of them; the sizes are those the usual way would end with.
ustring::ustring(const unsigned short* units, size_t unit_count, const char* bytes, size_t byte_count)
{
    init_blocks(fitted_cap(kInitialCap, need_for(byte_count, 0)), fitted_cap(kInitialCap, need_for(unit_count, 0)));
    memcpy(data, bytes, byte_count);
    data_len = byte_count;
    data[data_len] = 0;
    memcpy(wdata, units, unit_count * sizeof(unsigned short));
    wdata_len = unit_count;
    wdata[wdata_len] = 0;
}

ustring::~ustring()
{
    free(data);
    free(wdata);
    data = nullptr;
    wdata = nullptr;
}

void ustring::clear()
{
    clear_data();
    clear_wdata();
}

// Assignment.

ustring& ustring::assign(const ustring& s, size_t pos, size_t n)
{
    if (&s == this) {
        ustring part = substr(pos, n);
        return assign(part, 0, npos);
    }
    clear();
    return append(s, pos, n);
}

ustring& ustring::assign(const std::string& s, size_t pos, size_t n)
{
    clear();
    return append(s, pos, n);
}

ustring& ustring::assign(const char* s)
{
    return s == data ? *this : assign(s, npos);
}

ustring& ustring::assign(const char* s, size_t n)
{
    if (s == data) {
        if (data_len > n) {
            data[n] = 0;
            data_len = n;
            clear_wdata();
        }
        return *this;
    }
    if (holds_utf8(s)) {
        // A tail of our own text: clearing and appending would read it from
        // a block that the capacity rule may shrink, so move it to the front.
        const size_t count = strnlen(s, n);
        memmove(data, s, count);
        data[count] = 0;
        data_len = count;
        clear_wdata();
        realloc_data(count + 1);
        return *this;
    }
    clear();
    return append(s, n);
}

ustring& ustring::assign(const unsigned short* s)
{
    return s == wdata ? *this : assign(s, npos);
}

ustring& ustring::assign(const unsigned short* s, size_t n)
{
    if (s == wdata) {
        if (wdata_len > n) {
            wdata_len = n;
            wdata[n] = 0;
            convert_from_wdata();
        }
        return *this;
    }
    if (holds_utf16(s)) {
        // A tail of our own UTF-16 form; see assign(const char*, size_t).
        const size_t count = units_of(s, n);
        memmove(wdata, s, count * sizeof(unsigned short));
        wdata[count] = 0;
        wdata_len = count;
        convert_from_wdata();
        realloc_wdata(count + 1);
        return *this;
    }
    clear();
    return append(s, n);
}

ustring& ustring::assign(char c, size_t n)
{
    clear();
    return append(c, n);
}

ustring& ustring::assign(unsigned short c, size_t n)
{
    clear();
    return append(c, n);
}

// Appending on the UTF-8 side.

ustring& ustring::append(const char* s)
{
    return append(s, npos);
}

ustring& ustring::append(const char* s, size_t n)
{
    // s may point into our own text (appending the text to itself); the
    // block may move, so keep the offset rather than the pointer.
    const bool own = holds_utf8(s);
    const size_t offset = own ? static_cast<size_t>(s - data) : 0;
    const size_t count = strnlen(s, n);
    realloc_data(need_for(data_len, count));
    memcpy(data + data_len, own ? data + offset : s, count);
    data_len += count;
    data[data_len] = 0;
    clear_wdata();
    return *this;
}

ustring& ustring::append(char c, size_t n)
{
    realloc_data(need_for(data_len, n));
    memset(data + data_len, c, n);
    data_len += n;
    data[data_len] = 0;
    clear_wdata();
    return *this;
}

ustring& ustring::append(const ustring& s, size_t pos, size_t n)
{
    if (pos > s.data_len)
        throw std::out_of_range("substr");
    return append(s.data + pos, n);
}

ustring& ustring::append(const std::string& s, size_t pos, size_t n)
{
    const std::string part(s, pos, n);
    return append(part.c_str());
}

// Appending on the UTF-16 side. When the cache cannot be filled (ill-formed
// UTF-8) the object is left as it was: rebuilding the UTF-8 form from an
// empty cache would silently replace the text with the appended tail.

ustring& ustring::append(const unsigned short* s)
{
    return append(s, npos);
}

ustring& ustring::append(const unsigned short* s, size_t n)
{
    const bool own = holds_utf16(s);
    const size_t offset = own ? static_cast<size_t>(s - wdata) : 0;
    if (cache_dropped() && convert_from_data() != 0)
        return *this;
    const size_t count = units_of(own ? wdata + offset : s, n);
    realloc_wdata(need_for(wdata_len, count));
    memcpy(wdata + wdata_len, own ? wdata + offset : s, count * sizeof(unsigned short));
    wdata_len += count;
    wdata[wdata_len] = 0;
    convert_from_wdata();
    return *this;
}

ustring& ustring::append(unsigned short c, size_t n)
{
    // A 0 unit ends UTF-16 input, as in the pointer forms.
    if (c == 0)
        n = 0;
    if (cache_dropped() && convert_from_data() != 0)
        return *this;
    realloc_wdata(need_for(wdata_len, n));
    for (size_t i = 0; i < n; ++i)
        wdata[wdata_len + i] = c;
    wdata_len += n;
    wdata[wdata_len] = 0;
    convert_from_wdata();
    return *this;
}

// Access.

ustring ustring::substr(size_t pos, size_t n) const
{
    if (pos > data_len)
        throw std::out_of_range("substr");
    ustring part;
    part.append(data + pos, n);
    return part;
}

char& ustring::operator[](size_t i)
{
    clear_wdata();
    return data[i];
}

void ustring::replace(char from, char to)
{
    for (char* p = data; *p; ++p) {
        if (*p == from)
            *p = to;
    }
    clear_wdata();
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

void swap(ustring& a, ustring& b)
{
    a.swap(b);
}

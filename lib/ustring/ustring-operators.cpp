// Assignment, compound assignment, concatenation and stream operators of
// ustring, each a thin form of assign or append.
#include "ustring.h"

#include <istream>
#include <ostream>

ustring& ustring::operator=(const ustring& s)
{
    return assign(s, 0, npos);
}
ustring& ustring::operator=(const std::string& s)
{
    return assign(s, 0, npos);
}
ustring& ustring::operator=(const char* s)
{
    return assign(s);
}
ustring& ustring::operator=(const unsigned short* s)
{
    return assign(s);
}
ustring& ustring::operator=(char c)
{
    return assign(c, 1);
}
ustring& ustring::operator=(unsigned short c)
{
    return assign(c, 1);
}

// append handles a right operand that is the object itself, so s += s
// doubles s.
ustring& ustring::operator+=(const ustring& s)
{
    return append(s, 0, npos);
}
ustring& ustring::operator+=(const std::string& s)
{
    return append(s, 0, npos);
}
ustring& ustring::operator+=(const char* s)
{
    return append(s);
}
ustring& ustring::operator+=(const unsigned short* s)
{
    return append(s);
}
ustring& ustring::operator+=(char c)
{
    return append(c, 1);
}
ustring& ustring::operator+=(unsigned short c)
{
    return append(c, 1);
}

ustring operator+(const ustring& a, const ustring& b)
{
    ustring sum(a);
    sum += b;
    return sum;
}

ustring operator+(const ustring& a, const char* b)
{
    ustring sum(a);
    sum += b;
    return sum;
}

ustring operator+(const ustring& a, char b)
{
    ustring sum(a);
    sum += b;
    return sum;
}

ustring operator+(const ustring& a, const unsigned short* b)
{
    ustring sum(a);
    sum += b;
    return sum;
}

ustring operator+(const ustring& a, unsigned short b)
{
    ustring sum(a);
    sum += b;
    return sum;
}

std::ostream& operator<<(std::ostream& os, const ustring& s)
{
    return os << s.c_str();
}

// A failed extraction leaves word empty, so s becomes the empty text.
std::istream& operator>>(std::istream& is, ustring& s)
{
    std::string word;
    is >> word;
    s = word;
    return is;
}

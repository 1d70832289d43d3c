// ustring from arbitrary bytes: UTF-8 and UTF-16 round trips, validity and
// NFC/NFD against ICU called directly, and the byte searches and trims
// against std::string on the same bytes.
#include <unicode/unorm2.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "ustring.h"

namespace {

using fuzz::Fail;

const UChar* AsUChar(const unsigned short* units)
{
    return reinterpret_cast<const UChar*>(units);
}

// ICU's UTF-16 form of well-formed UTF-8; false when ICU finds it ill-formed.
bool IcuToUtf16(const std::string& bytes, std::u16string& out)
{
    UErrorCode err = U_ZERO_ERROR;
    int32_t len = 0;
    u_strFromUTF8(nullptr, 0, &len, bytes.data(), static_cast<int32_t>(bytes.size()), &err);
    if (err != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(err))
        return false;
    out.assign(len, u'\0');
    err = U_ZERO_ERROR;
    u_strFromUTF8(out.data(), len, &len, bytes.data(), static_cast<int32_t>(bytes.size()), &err);
    return U_SUCCESS(err);
}

std::string IcuToUtf8(const std::u16string& units)
{
    UErrorCode err = U_ZERO_ERROR;
    int32_t len = 0;
    u_strToUTF8(nullptr, 0, &len, units.data(), static_cast<int32_t>(units.size()), &err);
    std::string out(len, '\0');
    err = U_ZERO_ERROR;
    u_strToUTF8(out.data(), len, &len, units.data(), static_cast<int32_t>(units.size()), &err);
    if (U_FAILURE(err))
        Fail("ICU cannot encode well-formed UTF-16");
    return out;
}

std::u16string IcuNormalize(const std::u16string& units, ustring::normalization_form form)
{
    UErrorCode err = U_ZERO_ERROR;
    const UNormalizer2* norm = form == ustring::NFC ? unorm2_getNFCInstance(&err) : unorm2_getNFDInstance(&err);
    const int32_t in_len = static_cast<int32_t>(units.size());
    const int32_t len = unorm2_normalize(norm, units.data(), in_len, nullptr, 0, &err);
    std::u16string out(len, u'\0');
    err = U_ZERO_ERROR;
    unorm2_normalize(norm, units.data(), in_len, out.data(), len, &err);
    if (U_FAILURE(err))
        Fail("ICU cannot normalize");
    return out;
}

void CheckUtf8(const std::string& bytes)
{
    const ustring text(bytes);
    std::u16string units;
    const bool well_formed = IcuToUtf16(bytes, units);
    if (ustring::is_valid(text) != well_formed)
        Fail("is_valid disagrees with ICU");
    if (text.c_str() != bytes)
        Fail("the UTF-8 form is not the input");
    if (!well_formed)
        return;
    if (AsUChar(text.c_str_utf16()) != units)
        Fail("the UTF-16 form differs from ICU's");
    if (ustring(text.c_str_utf16()).c_str() != bytes)
        Fail("UTF-8 to UTF-16 and back changed the text");
    for (auto form : {ustring::NFC, ustring::NFD})
        if (ustring::normalize(text, form).c_str() != IcuToUtf8(IcuNormalize(units, form)))
            Fail(std::string("normalization differs from ICU's ") + (form == ustring::NFC ? "NFC" : "NFD"));
}

// Well-formed UTF-16 (no lone surrogate) goes to UTF-8 and back unchanged.
void CheckUtf16(const std::u16string& units)
{
    auto is_lead = [](char16_t u) { return u >= 0xD800 && u <= 0xDBFF; };
    auto is_trail = [](char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
    for (size_t i = 0; i < units.size(); ++i) {
        if (is_trail(units[i]))
            return;
        if (is_lead(units[i]) && !(i + 1 < units.size() && is_trail(units[++i])))
            return;
    }
    const ustring text(reinterpret_cast<const unsigned short*>(units.c_str()));
    if (text.c_str() != IcuToUtf8(units))
        Fail("the UTF-8 form of UTF-16 input differs from ICU's");
    if (AsUChar(ustring(text.c_str()).c_str_utf16()) != units)
        Fail("UTF-16 to UTF-8 and back changed the text");
}

// std::string's answer where the two are meant to agree; an empty pattern
// never matches at the end, and rfind of it starts at the last byte.
size_t StdFind(const std::string& hay, const std::string& pat, size_t pos, bool backward)
{
    if (!pat.empty())
        return backward ? hay.rfind(pat, pos) : hay.find(pat, pos);
    if (hay.empty() || (!backward && pos >= hay.size()))
        return ustring::npos;
    return backward ? std::min(pos, hay.size() - 1) : pos;
}

void Expect(size_t got, size_t want, const char* what)
{
    if (got != want)
        Fail(std::string(what) + " gave " + std::to_string(got) + ", std::string " + std::to_string(want));
}

void CheckSearches(const std::string& hay, const std::string& pat, size_t pos)
{
    const ustring text(hay);
    Expect(text.find(pat, pos), StdFind(hay, pat, pos, false), "find");
    Expect(text.rfind(pat, pos), StdFind(hay, pat, pos, true), "rfind");
    Expect(text.find_first_of(pat, pos), hay.find_first_of(pat, pos), "find_first_of");
    Expect(text.find_first_not_of(pat, pos), hay.find_first_not_of(pat, pos), "find_first_not_of");
    Expect(text.find_last_of(pat, pos), hay.find_last_of(pat, pos), "find_last_of");
    Expect(text.find_last_not_of(pat, pos), hay.find_last_not_of(pat, pos), "find_last_not_of");
    if (!pat.empty())
        Expect(text.find(pat[0], pos), hay.find(pat[0], pos), "find(char)");

    std::string left = hay, right = hay;
    if (!pat.empty()) {
        left.erase(0, hay.find_first_not_of(pat));
        right.erase(hay.find_last_not_of(pat) + 1);
    }
    ustring ltrimmed = text, rtrimmed = text;
    ltrimmed.ltrim(pat.c_str());
    rtrimmed.rtrim(pat.c_str());
    if (ltrimmed.c_str() != left || rtrimmed.c_str() != right)
        Fail("a trim differs from std::string");
}

}  // namespace

// Input: a start position (byte 0: 255 for npos, else 0..64), a pattern of
// up to 16 bytes (byte 1 gives its length), then the text. Every operation
// reads its texts as C strings: up to the first NUL.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const size_t pos = data[0] == 255 ? ustring::npos : data[0] % 65;
    const size_t pattern_size = std::min<size_t>(data[1] % 17, size - 2);
    const char* bytes = reinterpret_cast<const char*>(data);
    const std::string pattern = std::string(bytes + 2, pattern_size).c_str();
    const std::string rest(bytes + 2 + pattern_size, size - 2 - pattern_size);
    const std::string text = rest.c_str();
    CheckUtf8(text);
    CheckSearches(text, pattern, pos);
    std::u16string units(rest.size() / 2, u'\0');
    memcpy(units.data(), rest.data(), units.size() * 2);
    CheckUtf16(units.c_str());
    return 0;
}

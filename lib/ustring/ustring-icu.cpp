// Conversion between the UTF-8 and UTF-16 forms, normalization and
// validity, all through ICU. Built with UCHAR_TYPE=uint16_t, so ICU's UChar
// is the unsigned short of the UTF-16 form.
#include "ustring.h"

#include <climits>
#include <cstdio>

#include <unicode/unorm2.h>
#include <unicode/ustring.h>

namespace {

const int32_t kNormalizationModes[2] = {UNORM2_COMPOSE, UNORM2_DECOMPOSE};

void warn(const char* call, UErrorCode err, int line)
{
    fprintf(stderr, "Warning: %s: error code %d at line %d\n", call, static_cast<int>(err), line);
    fflush(stderr);
}

// ICU takes int32_t capacities; a larger block is simply not used beyond that.
int32_t icu_capacity(size_t cap)
{
    return cap > INT32_MAX ? INT32_MAX : static_cast<int32_t>(cap);
}

// The two ICU callers size their block from a pre-flight length; a negative
// length never comes back together with success, but keep the need sane.
size_t need_of(int32_t len)
{
    return len > 0 ? static_cast<size_t>(len) + 1 : 1;
}

}  // namespace

int ustring::convert_from_data() const
{
    UErrorCode err = U_ZERO_ERROR;
    int32_t len = 0;
    u_strFromUTF8(nullptr, 0, &len, data, -1, &err);
    err = U_ZERO_ERROR;
    realloc_wdata(need_of(len));
    u_strFromUTF8(wdata, icu_capacity(wdata_cap), &len, data, -1, &err);
    if (U_FAILURE(err)) {
        warn("u_strFromUTF8", err, __LINE__ - 2);
        clear_wdata();
        return -1;
    }
    wdata_len = static_cast<size_t>(len);
    wdata[wdata_len] = 0;
    return 0;
}

int ustring::convert_from_wdata()
{
    UErrorCode err = U_ZERO_ERROR;
    int32_t len = 0;
    u_strToUTF8(nullptr, 0, &len, wdata, -1, &err);
    err = U_ZERO_ERROR;
    realloc_data(need_of(len));
    u_strToUTF8(data, icu_capacity(data_cap), &len, wdata, -1, &err);
    if (U_FAILURE(err)) {
        warn("u_strToUTF8", err, __LINE__ - 2);
        clear_data();
        clear_wdata();
        return -1;
    }
    data_len = static_cast<size_t>(len);
    data[data_len] = 0;
    return 0;
}

const unsigned short* ustring::c_str_utf16() const
{
    if (cache_dropped())
        convert_from_data();
    return wdata;
}

ustring ustring::normalize(normalization_form f) const
{
    return normalize(*this, f);
}

ustring ustring::normalize(const ustring& s, normalization_form f)
{
    ustring result;
    if (s.empty())
        return result;
    UErrorCode err = U_ZERO_ERROR;
    const auto mode = static_cast<UNormalization2Mode>(kNormalizationModes[f == NFD ? 1 : 0]);
    const UNormalizer2* norm = unorm2_getInstance(nullptr, "nfc", mode, &err);
    if (!norm || U_FAILURE(err)) {
        warn("unorm2_getInstance", err, __LINE__ - 2);
        return result;
    }
    // A source whose cache cannot be filled has an empty UTF-16 form (and
    // has warned), so it normalizes to the empty text.
    if (s.cache_dropped())
        s.convert_from_data();
    int32_t len = unorm2_normalize(norm, s.wdata, -1, nullptr, 0, &err);
    result.realloc_wdata(need_of(len));
    err = U_ZERO_ERROR;
    len = unorm2_normalize(norm, s.wdata, -1, result.wdata, icu_capacity(result.wdata_cap), &err);
    if (U_FAILURE(err)) {
        warn("unorm2_normalize", err, __LINE__ - 2);
        result.clear();
        return result;
    }
    result.wdata_len = static_cast<size_t>(len);
    result.wdata[result.wdata_len] = 0;
    result.convert_from_wdata();
    return result;
}

bool ustring::is_valid(const ustring& s)
{
    if (s.empty())
        return true;
    UErrorCode err = U_ZERO_ERROR;
    int32_t len = 0;
    u_strFromUTF8(nullptr, 0, &len, s.data, -1, &err);
    return err != U_INVALID_CHAR_FOUND;
}

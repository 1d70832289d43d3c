// Conversion between the UTF-8 and UTF-16 forms, normalization and
// validity, all through ICU. Built with UCHAR_TYPE=uint16_t, so ICU's UChar
// is the unsigned short of the UTF-16 form.
#include "ustring.h"

#include <atomic>
#include <climits>
#include <cstdio>
#include <cstring>

#include <unicode/unorm2.h>
#include <unicode/ustring.h>

namespace {

const int32_t kNormalizationModes[2] = {UNORM2_COMPOSE, UNORM2_DECOMPOSE};

void warn(const char* call, UErrorCode err, int line)
{
    fprintf(stderr, "Warning: %s: error code %d at line %d\n", call, static_cast<int>(err), line);
    fflush(stderr);
}

// ICU takes int32_t sizes; a larger block is simply not used beyond that,
// and a longer text makes ICU fail, which is reported like any failure.
int32_t icu_size(size_t n)
{
    return n > INT32_MAX ? INT32_MAX : static_cast<int32_t>(n);
}

// ICU writes first into scratch space on the stack, large enough for any
// ordinary path, so that it runs once and the block is then sized once,
// exactly (a pre-flight would double the ICU work). A longer text overflows
// the scratch; ICU then reports the size it needs and writes a second time,
// straight into a block of that size.
const int32_t kScratchUnits = 1024;

template <class T, int32_t N, class Write, class Fit>
int32_t write_sized(Write write, Fit fit, T*& block, size_t& cap, UErrorCode& err)
{
    T scratch[N];
    int32_t len = write(scratch, N);
    if (err == U_BUFFER_OVERFLOW_ERROR) {
        err = U_ZERO_ERROR;
        fit(static_cast<size_t>(len) + 1);
        return write(block, icu_size(cap));
    }
    if (U_SUCCESS(err)) {
        fit(static_cast<size_t>(len) + 1);
        memcpy(block, scratch, static_cast<size_t>(len) * sizeof(T));
    }
    return len;
}

// ICU owns its normalizers and keeps them until u_cleanup(), which nothing
// in the process calls, so one fetch for each form serves every later
// call. A failed fetch is not kept: the next call tries and reports again.
const UNormalizer2* normalizer(int form)
{
    UErrorCode err = U_ZERO_ERROR;
    static std::atomic<const UNormalizer2*> fetched[2];
    const UNormalizer2* norm = fetched[form].load(std::memory_order_acquire);
    if (norm)
        return norm;
    const auto mode = static_cast<UNormalization2Mode>(kNormalizationModes[form]);
    norm = unorm2_getInstance(nullptr, "nfc", mode, &err);
    if (!norm || U_FAILURE(err)) {
        warn("unorm2_getInstance", err, __LINE__ - 2);
        return nullptr;
    }
    fetched[form].store(norm, std::memory_order_release);
    return norm;
}

}  // namespace

int ustring::convert_from_data() const
{
    UErrorCode err = U_ZERO_ERROR;
    int call_line = 0;
    auto write = [&](UChar* dest, int32_t cap) {
        int32_t len = 0;
        call_line = __LINE__ + 1;
        u_strFromUTF8(dest, cap, &len, data, -1, &err);
        return len;
    };
    auto fit = [this](size_t need) { realloc_wdata(need); };
    const int32_t len = write_sized<UChar, kScratchUnits>(write, fit, wdata, wdata_cap, err);
    if (U_FAILURE(err)) {
        warn("u_strFromUTF8", err, call_line);
        clear_wdata();
        return -1;
    }
    wdata_len = static_cast<size_t>(len);
    wdata[wdata_len] = 0;
    return 0;
}

int ustring::convert_from_wdata()
{
    // The UTF-16 form never holds a 0 unit before its end, so its length is
    // that of the C string.
    UErrorCode err = U_ZERO_ERROR;
    int call_line = 0;
    auto write = [&](char* dest, int32_t cap) {
        int32_t len = 0;
        call_line = __LINE__ + 1;
        u_strToUTF8(dest, cap, &len, wdata, icu_size(wdata_len), &err);
        return len;
    };
    auto fit = [this](size_t need) { realloc_data(need); };
    const int32_t len = write_sized<char, 3 * kScratchUnits>(write, fit, data, data_cap, err);
    if (U_FAILURE(err)) {
        warn("u_strToUTF8", err, call_line);
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
    if (s.empty())
        return ustring();
    const UNormalizer2* norm = normalizer(f == NFD ? 1 : 0);
    if (!norm)
        return ustring();
    // A source whose cache cannot be filled has an empty UTF-16 form (and
    // has warned), so it normalizes to the empty text.
    if (s.cache_dropped())
        s.convert_from_data();
    // Both forms of an ordinary path fit scratch space on the stack, so the
    // result is allocated once, at its final size.
    UChar units[kScratchUnits];
    UErrorCode err = U_ZERO_ERROR;
    const int call_line = __LINE__ + 1;
    const int32_t len = unorm2_normalize(norm, s.wdata, icu_size(s.wdata_len), units, kScratchUnits, &err);
    if (err == U_BUFFER_OVERFLOW_ERROR)
        return normalize_direct(s, norm, len);
    if (U_FAILURE(err)) {
        warn("unorm2_normalize", err, call_line);
        return ustring();
    }
    char bytes[3 * kScratchUnits];  // at most 3 bytes for each unit
    int32_t byte_len = 0;
    u_strToUTF8(bytes, sizeof bytes, &byte_len, units, len, &err);
    if (U_FAILURE(err))
        return normalize_direct(s, norm, len);
    return ustring(units, static_cast<size_t>(len), bytes, static_cast<size_t>(byte_len));
}

// Texts longer than the scratch space, and results the UTF-8 form cannot be
// rebuilt from (which the rebuild reports): ICU writes a second time,
// straight into a result block of the size the first run reported.
ustring ustring::normalize_direct(const ustring& s, const UNormalizer2* norm, int32_t unit_count)
{
    ustring result;
    result.realloc_wdata(static_cast<size_t>(unit_count) + 1);
    UErrorCode err = U_ZERO_ERROR;
    const int32_t len =
        unorm2_normalize(norm, s.wdata, icu_size(s.wdata_len), result.wdata, icu_size(result.wdata_cap), &err);
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

// The sparse include file: for each computed row, its first and last
// qualifying column, then one value per column between them.
//
//   <empty line>
//   const int init_tpb[] = {
//   4007,4189, 0x00000001,0x00000001,...,0x719EB2AE,
//   ...                                    (29 rows, 0 to 28)
//   };
//
// Every line ends in a single line feed on every platform.
#include "sparse_include.h"

#include <cstdint>
#include <cstdio>

#include "../generator/output_files.h"

namespace {

// Longest line: the header, then 8192 values of at most 12 characters
// ("0x80000000," or "-2147483647,").
constexpr int header_chars = 11;
constexpr int value_chars = 12;
char line[header_chars + table_columns * value_chars + 2];

// True when entry v counts into the row's stretch.
bool qualifies(std::int32_t v, include_kind kind)
{
    return kind == include_kind::mantissa ? v > 0 : v > -max_doublings;
}

// Finds the row's stretch [lo, hi] (lo > hi when empty); saturates
// overflow markers of a mantissa row after testing them, so an overflowed
// entry never widens the stretch although it becomes positive.
void scan_row(std::int32_t* row, include_kind kind, int& lo, int& hi)
{
    lo = table_columns - 1;
    hi = 0;
    for (int c = 0; c < table_columns; ++c) {
        if (qualifies(row[c], kind)) {
            if (c < lo)
                lo = c;
            if (c > hi)
                hi = c;
        }
        if (kind == include_kind::mantissa && row[c] == overflow_marker)
            row[c] = INT32_MAX;
    }
}

// Appends "0x%08X,": the entry's 32 bits as eight upper-case hex digits.
char* put_hex(char* out, std::uint32_t v)
{
    *out++ = '0';
    *out++ = 'x';
    for (int shift = 28; shift >= 0; shift -= 4)
        *out++ = "0123456789ABCDEF"[(v >> shift) & 0xF];
    *out++ = ',';
    return out;
}

// Appends "%i,": v in decimal, no padding, a minus sign when negative.
char* put_decimal(char* out, long long v)
{
    unsigned long long magnitude = v < 0 ? 0ull - static_cast<unsigned long long>(v) : v;
    char digits[20];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (v < 0)
        *out++ = '-';
    while (n > 0)
        *out++ = digits[--n];
    *out++ = ',';
    return out;
}

// Formats one row's line: "%4i,%4i, " then the values, then "\n".  The
// values are formatted by hand: printf would cost more than the whole
// table evaluation.
int format_row(const std::int32_t* row, include_kind kind, int lo, int hi)
{
    char* out = line + std::snprintf(line, sizeof line, "%4i,%4i, ", lo, hi);
    for (int c = lo; c <= hi; ++c) {
        if (kind == include_kind::mantissa)
            out = put_hex(out, static_cast<std::uint32_t>(row[c]));
        else // the shift count; widened so that any int32 negates
            out = put_decimal(out, -static_cast<long long>(row[c]));
    }
    *out++ = '\n';
    return static_cast<int>(out - line);
}

} // namespace

// Writes rows 0 to 28 of t as the array array_name to file_name; the
// mantissa kind also replaces each overflow marker in t by 2147483647.
bool write_sparse_include(const char* file_name, const char* array_name, table& t,
                          include_kind kind)
{
    std::FILE* stream = begin_output(file_name);
    if (stream == nullptr)
        return false;
    int n = std::snprintf(line, sizeof line, "\nconst int %s[] = {\n", array_name);
    bool written = write_output(stream, file_name, line, n);
    for (int i = 0; written && i < computed_rows; ++i) {
        int lo, hi;
        scan_row(t[i], kind, lo, hi);
        written = write_output(stream, file_name, line, format_row(t[i], kind, lo, hi));
    }
    written = written && write_output(stream, file_name, "};\n", 3);
    return end_output(stream, file_name, written);
}

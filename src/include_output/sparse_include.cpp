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

#include <cstdio>

#include "../generator/output_files.h"

namespace {

// Longest line: the header, then 8192 values of at most 12 characters
// ("-2147483648," or "0x80000000,").
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

// Formats one row's line: "%4i,%4i, " then the values, then "\n".
int format_row(const std::int32_t* row, include_kind kind, int lo, int hi)
{
    int n = std::snprintf(line, sizeof line, "%4i,%4i, ", lo, hi);
    for (int c = lo; c <= hi; ++c) {
        if (kind == include_kind::mantissa)
            n += std::snprintf(line + n, sizeof line - n, "0x%08X,",
                               static_cast<unsigned>(row[c]));
        else // the shift count; widened so that any int32 negates
            n += std::snprintf(line + n, sizeof line - n, "%lli,",
                               -static_cast<long long>(row[c]));
    }
    line[n++] = '\n';
    return n;
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

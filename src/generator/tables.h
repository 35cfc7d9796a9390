// dsp_init_tables: precomputed power-of-two tables for a DSP program.
//
// Every entry of row i, column j is 2^((j - 4090) * row_slopes[i]) times a
// scale, split into a mantissa M and an exponent E with value ~ M * 2^E.
// Two scales give two table sets; each set is one mantissa table and one
// exponent table.  All parameters are compiled in.
#ifndef DSP_INIT_TABLES_TABLES_H
#define DSP_INIT_TABLES_TABLES_H

#include <bit>
#include <cfloat>
#include <cstdint>

// All arithmetic is IEEE double with round-to-nearest and no wider
// intermediate precision: every operation below rounds exactly once.
static_assert(FLT_EVAL_METHOD == 0, "double expressions must be evaluated in double precision");
static_assert(DBL_MANT_DIG == 53, "double must be IEEE binary64");

constexpr int table_rows = 33;     // rows 29 to 32 are never computed and stay zero
constexpr int computed_rows = 29;
constexpr int table_columns = 8192;
constexpr int center_column = 4090; // the power of two is exactly 1 here

// Row r, column c is element r * 8192 + c of the table image.
using table = std::int32_t[table_rows][table_columns];
constexpr int table_bytes = table_rows * table_columns * 4; // 1,081,344

// The first scale is the double nearest to sqrt(2) / 20.  Writing it as
// 0.1 * sqrt(0.5) would round to the next double up, so its bits are given.
constexpr double scale_tpb = std::bit_cast<double>(std::uint64_t{0x3FB21A1851FF630A});
constexpr double scale_tpmb = 0.2;

// Base-2 logarithm of the ratio between neighbouring columns, per row.
constexpr double row_slopes[computed_rows] = {
    0.35, 0.31, 0.26, 0.24,  0.22,  0.2,  0.2,  0.2,  0.2,  0.2,
    0.22, 0.24, 0.26, 0.28,  0.3,   0.2,  0.21, 0.22, 0.235, 0.248,
    0.26, 0.28, 0.31, 0.35,  0.35,  0.39, 0.44, 0.5,  0.58,
};

// A mantissa and exponent with value ~ mantissa * 2^exponent, 0 >= exponent >= -32.
struct mantissa_exponent {
    std::int32_t mantissa;
    std::int32_t exponent;
};

// What a double converts to when it does not fit in a signed 32-bit integer.
constexpr std::int32_t overflow_marker = INT32_MIN;

// Largest number of doublings the normaliser applies.
constexpr int max_doublings = 32;

// Truncates d toward zero; NaN and values outside int32 give overflow_marker.
std::int32_t truncate_to_int32(double d);

// Splits u into a mantissa of at least 15 significant bits where 32 doublings allow.
mantissa_exponent normalize_entry(double u);

// Fills rows 0 to 28 of both tables with the normalised 2^x * scale.
void generate_tables(double scale, table& mantissas, table& exponents);

// Writes the whole table as 33 * 8192 little-endian int32 to file_name.
bool write_table_dump(const char* file_name, const table& t);

#endif

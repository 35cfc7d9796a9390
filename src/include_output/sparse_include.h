// The sparse C include file of one table.
#ifndef DSP_INIT_TABLES_SPARSE_INCLUDE_H
#define DSP_INIT_TABLES_SPARSE_INCLUDE_H

#include "../generator/tables.h"

// Which test selects a row's stretch and how its values print.
enum class include_kind {
    mantissa, // entries > 0 qualify, printed "0x%08X,"; overflow markers saturate
    exponent, // entries > -32 qualify, printed negated as "%i,"
};

// Writes rows 0 to 28 of t as the array array_name to file_name; the
// mantissa kind also replaces each overflow marker in t by 2147483647.
bool write_sparse_include(const char* file_name, const char* array_name, table& t,
                          include_kind kind);

#endif

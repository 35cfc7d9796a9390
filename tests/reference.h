// The plain forms of the arithmetic, written exactly as defined, step by
// step: the program's faster forms are checked against these.
#ifndef DSP_INIT_TABLES_REFERENCE_H
#define DSP_INIT_TABLES_REFERENCE_H

#include <string>

#include "sparse_include.h"
#include "tables.h"

// The normaliser as a loop of up to 32 doublings.
mantissa_exponent reference_normalize(double u);

// The unscaled power of row i, column j: pow(2, (j - 4090) * slope).
double reference_power(int i, int j);

// Both tables of one set, pow and the loop applied to every entry.
void reference_generate(double scale, table& mantissas, table& exponents);

// The include file's text, printed value by value with printf formats;
// saturates t as the writer does.
std::string reference_include(const char* array_name, table& t, include_kind kind);

#endif

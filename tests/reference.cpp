#include "reference.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

mantissa_exponent reference_normalize(double u)
{
    std::int32_t e = 0;
    std::int32_t m = truncate_to_int32(u + 0.5);
    while (m < 32767) {
        u = u + u;
        m = truncate_to_int32(u + 0.5);
        e = e - 1;
        if (e == -32)
            break;
    }
    return {m, e};
}

double reference_power(int i, int j)
{
    const double x = static_cast<double>(j - center_column) * row_slopes[i];
    return std::pow(2.0, x);
}

void reference_generate(double scale, table& mantissas, table& exponents)
{
    for (int i = 0; i < computed_rows; ++i)
        for (int j = 0; j < table_columns; ++j) {
            const mantissa_exponent me = reference_normalize(reference_power(i, j) * scale);
            mantissas[i][j] = me.mantissa;
            exponents[i][j] = me.exponent;
        }
}

std::string reference_include(const char* array_name, table& t, include_kind kind)
{
    const bool mantissa = kind == include_kind::mantissa;
    char buf[64];
    std::snprintf(buf, sizeof buf, "\nconst int %s[] = {\n", array_name);
    std::string text = buf;
    for (int i = 0; i < computed_rows; ++i) {
        int lo = 8191, hi = 0;
        for (int c = 0; c < table_columns; ++c) {
            const std::int32_t v = t[i][c];
            if (mantissa ? v > 0 : v > -32) {
                lo = std::min(lo, c);
                hi = std::max(hi, c);
            }
            if (mantissa && v == INT32_MIN)
                t[i][c] = INT32_MAX;
        }
        std::snprintf(buf, sizeof buf, "%4i,%4i, ", lo, hi);
        text += buf;
        for (int c = lo; c <= hi; ++c) {
            if (mantissa)
                std::snprintf(buf, sizeof buf, "0x%08X,", static_cast<unsigned>(t[i][c]));
            else
                std::snprintf(buf, sizeof buf, "%lli,", -static_cast<long long>(t[i][c]));
            text += buf;
        }
        text += "\n";
    }
    return text + "};\n";
}

#include "reference.h"

#include <cmath>

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

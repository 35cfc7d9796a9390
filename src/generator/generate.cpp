// Evaluation of both table sets.
#include <cmath>

#include "tables.h"

// Outside -40 <= x <= 40 the result is known without calling pow.  For
// x < -40, u = 2^x * scale < 2^-40 * 0.2 < 2^-42, and after 32 doublings
// u * 2^32 + 0.5 < 0.51 rounds down to mantissa 0.  For x > 40,
// u > 2^40 * 0.07 > 2^36, past the int32 range.  Both hold with a margin of
// many binades for any pow accurate to a few units in the last place.
constexpr double x_below_range = -40.0;
constexpr double x_above_range = 40.0;

// Fills rows 0 to 28 of both tables with the normalised 2^x * scale.
void generate_tables(double scale, table& mantissas, table& exponents)
{
    for (int i = 0; i < computed_rows; ++i) {
        for (int j = 0; j < table_columns; ++j) {
            // One rounding: the column offset converts exactly.
            const double x = static_cast<double>(j - center_column) * row_slopes[i];
            mantissa_exponent me;
            if (x < x_below_range)
                me = {0, -max_doublings};
            else if (x > x_above_range)
                me = {overflow_marker, -max_doublings};
            else
                me = normalize_entry(std::pow(2.0, x) * scale);
            mantissas[i][j] = me.mantissa;
            exponents[i][j] = me.exponent;
        }
    }
}

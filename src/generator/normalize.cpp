// The mantissa-exponent normaliser.
#include <algorithm>
#include <cmath>

#include "tables.h"

// Truncates d toward zero; NaN and values outside int32 give overflow_marker.
std::int32_t truncate_to_int32(double d)
{
    // The truncation fits exactly when -2^31 - 1 < d < 2^31; both bounds are
    // exact doubles.  NaN fails both comparisons.  Testing first keeps the
    // conversion itself defined.
    if (!(d > -2147483649.0 && d < 2147483648.0))
        return overflow_marker;
    return static_cast<std::int32_t>(d);
}

// The mantissa of u after k doublings: u * 2^k rounded half up.
static std::int32_t mantissa_after(double u, int k)
{
    // ldexp is exact here: u * 2^k stays far below the double range for the
    // k <= 32 used, and scaling a subnormal up is exact too.  So this is the
    // very double that k successive doublings u + u would give.
    return truncate_to_int32(std::ldexp(u, k) + 0.5);
}

// Splits u into a mantissa of at least 15 significant bits where 32 doublings allow.
//
// The defining rule: M = round(u); while M < 32767, double u and round again,
// stopping after the 32nd doubling.  Instead of looping, the number of
// doublings is found from u's binary exponent; each result is computed with
// exactly the operations the loop would use for its last step.
mantissa_exponent normalize_entry(double u)
{
    const std::int32_t m0 = truncate_to_int32(u + 0.5);
    if (m0 >= 32767)
        return {m0, 0};
    // u + 0.5 >= 2^31 (or NaN): every doubling stays out of range.
    if (m0 == overflow_marker)
        return {overflow_marker, -max_doublings};

    int k = max_doublings;
    if (u > 0) {
        // With 2^e <= u < 2^(e+1), u * 2^(14-e) lies in [2^14, 2^15): its
        // mantissa is 32767 or more only near 2^15, and one doubling more
        // always is (at least 2^15).  Fewer doublings round to at most 2^14.
        // So the loop stops after 14 - e or 15 - e doublings, and after one
        // at least (u >= 2^14 here reaches 32768 after the first).
        k = std::max(1, 14 - std::ilogb(u));
        if (k <= max_doublings && mantissa_after(u, k) < 32767)
            ++k;
        k = std::min(k, max_doublings);
    }
    // u == 0 and negative u never reach 32767: the loop runs all 32 doublings.
    return {mantissa_after(u, k), -k};
}

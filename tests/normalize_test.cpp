#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "reference.h"
#include "tables.h"

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

double below(double d) { return std::nextafter(d, -inf); }

TEST(TruncateToInt32, TruncatesTowardZeroInsideTheRange)
{
    struct { double d; std::int32_t want; } cases[] = {
        {0.0, 0}, {-0.0, 0}, {0.99, 0}, {-0.99, 0}, {1.5, 1}, {-1.5, -1},
        {2147483647.0, INT32_MAX}, {2147483647.9, INT32_MAX},
        {-2147483648.0, INT32_MIN}, {-2147483648.9, INT32_MIN},
    };
    for (auto c : cases)
        EXPECT_EQ(truncate_to_int32(c.d), c.want) << c.d;
}

TEST(TruncateToInt32, GivesTheMarkerOutsideTheRange)
{
    for (double d : {nan, -nan, inf, -inf, 2147483648.0, below(-2147483649.0),
                     -2147483649.0, 1e300, -1e300})
        EXPECT_EQ(truncate_to_int32(d), overflow_marker) << d;
}

struct normalize_case {
    const char* what;
    double u;
    std::int32_t mantissa;
    std::int32_t exponent;
};

TEST(NormalizeEntry, ClassesAndTheirBoundaries)
{
    const normalize_case cases[] = {
        {"zero", 0.0, 0, -32},
        {"smallest large", 32766.5, 32767, 0},
        {"just below large", 32766.49, 65533, -1},
        {"scale_tpmb", 0.2, 52429, -18},
        {"scale_tpb", scale_tpb, 37073, -19},
        {"2^-33", std::ldexp(1.0, -33), 1, -32},
        // u * 2^32 = 0.5 - 2^-54; adding 0.5 rounds to 1.0 (ties to even)
        {"one below 2^-33", below(std::ldexp(1.0, -33)), 1, -32},
        {"two below 2^-33", below(below(std::ldexp(1.0, -33))), 0, -32},
        {"smallest subnormal", std::numeric_limits<double>::denorm_min(), 0, -32},
        {"normalised at the 32nd doubling", std::ldexp(32766.6, -32), 32767, -32},
        {"just short at the 31st", std::ldexp(32766.49, -31), 65533, -32},
        {"largest in range", 2147483646.4, 2147483646, 0},
        {"last before overflow", below(2147483647.5), 2147483647, 0},
        {"overflow", 2147483647.5, overflow_marker, -32},
        {"infinity", inf, overflow_marker, -32},
        {"largest double", std::numeric_limits<double>::max(), overflow_marker, -32},
        {"NaN", nan, overflow_marker, -32},
    };
    for (const auto& c : cases) {
        const mantissa_exponent got = normalize_entry(c.u);
        EXPECT_EQ(got.mantissa, c.mantissa) << c.what;
        EXPECT_EQ(got.exponent, c.exponent) << c.what;
    }
}

// Every double within a few units in the last place of a place where the
// loop's result changes: the mantissa thresholds after k doublings, the
// binade edges the direct form relies on, and the range limits.
std::vector<double> boundary_neighbourhoods()
{
    std::vector<double> centres = {0.0, 0.5, 1.0, 32766.5, 32767.0, 32768.0,
                                   2147483647.5, 2147483648.0, inf,
                                   std::numeric_limits<double>::denorm_min(),
                                   std::numeric_limits<double>::min(),
                                   std::numeric_limits<double>::max()};
    for (int k = 0; k <= 40; ++k) {
        centres.push_back(std::ldexp(32766.5, -k));
        centres.push_back(std::ldexp(0.5, -k));
        centres.push_back(std::ldexp(1.0, 14 - k));
        centres.push_back(std::ldexp(1.0, 15 - k));
    }
    std::vector<double> out;
    for (double c : centres) {
        for (double sign : {1.0, -1.0}) {
            double d = sign * c;
            for (int s = 0; s < 4; ++s)
                d = std::nextafter(d, -inf);
            for (int s = 0; s < 9; ++s, d = std::nextafter(d, inf))
                out.push_back(d);
        }
    }
    return out;
}

TEST(NormalizeEntry, DirectFormEqualsTheDoublingLoopAtEveryBoundary)
{
    for (double u : boundary_neighbourhoods()) {
        const mantissa_exponent want = reference_normalize(u);
        const mantissa_exponent got = normalize_entry(u);
        ASSERT_EQ(got.mantissa, want.mantissa) << std::hexfloat << u;
        ASSERT_EQ(got.exponent, want.exponent) << std::hexfloat << u;
    }
}

} // namespace

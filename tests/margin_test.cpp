// How far every entry lies from a place where its result would change: the
// reason why any pow accurate to a few units in the last place gives the
// same eight files.
#include <cmath>
#include <cstdio>
#include <limits>

#include <gtest/gtest.h>

#include "reference.h"
#include "tables.h"

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

// Distance, in units in the last place of u, from u to the nearest value at
// which the normaliser's result for u would change; *which names it.
double margin_in_ulps(double u, const char** which)
{
    const mantissa_exponent me = normalize_entry(u);
    if (std::isinf(u)) {
        *which = "none (infinite)";
        return inf;
    }
    // Measured at the chosen doubling: v = u * 2^k is exact, so distances in
    // ulps are the same for v as for u.
    const bool overflow = me.mantissa == overflow_marker;
    const int k = overflow ? 0 : -me.exponent;
    const double v = std::ldexp(u, k);
    struct { double at; const char* what; } points[5];
    int n = 0;
    if (overflow) {
        points[n++] = {2147483647.5, "overflow boundary"};
    } else {
        points[n++] = {me.mantissa + 0.5, "rounding up"};
        if (me.mantissa > 0)
            points[n++] = {me.mantissa - 0.5, "rounding down"};
        points[n++] = {32766.5, "32767 threshold at this doubling"};
        if (k > 0)
            points[n++] = {65533.0, "32767 threshold one doubling earlier"};
        else
            points[n++] = {2147483647.5, "overflow boundary"};
    }
    const double ulp = std::nextafter(v, inf) - v;
    double best = inf;
    for (int m = 0; m < n; ++m) {
        const double d = std::fabs(v - points[m].at) / ulp;
        if (d < best) {
            best = d;
            *which = points[m].what;
        }
    }
    return best;
}

TEST(PrecisionMargin, EveryEntryIsAtLeast100UlpFromADecisionPoint)
{
    double smallest = inf;
    const char* where_what = "";
    int where_set = 0, where_row = 0, where_column = 0;
    const double scales[2] = {scale_tpb, scale_tpmb};
    for (int s = 0; s < 2; ++s)
        for (int i = 0; i < computed_rows; ++i)
            for (int j = 0; j < table_columns; ++j) {
                const char* what = "";
                const double m = margin_in_ulps(reference_power(i, j) * scales[s], &what);
                if (m < smallest) {
                    smallest = m;
                    where_what = what;
                    where_set = s, where_row = i, where_column = j;
                }
            }
    std::printf("smallest margin: %.0f ulp (%s set, row %d, column %d, %s)\n", smallest,
                where_set == 0 ? "tpb" : "tpmb", where_row, where_column, where_what);
    ::testing::Test::RecordProperty("smallest_margin_ulp", static_cast<int>(smallest));
    EXPECT_GE(smallest, 100.0);
}

// The direct proof: a pow off by 8 ulp either way changes no pair.
TEST(PrecisionMargin, PowOff8UlpChangesNoEntry)
{
    for (double scale : {scale_tpb, scale_tpmb})
        for (int i = 0; i < computed_rows; ++i)
            for (int j = 0; j < table_columns; ++j) {
                const double p = reference_power(i, j);
                const mantissa_exponent want = normalize_entry(p * scale);
                for (double direction : {-inf, inf}) {
                    double q = p;
                    for (int step = 0; step < 8; ++step)
                        q = std::nextafter(q, direction);
                    const mantissa_exponent got = normalize_entry(q * scale);
                    ASSERT_EQ(got.mantissa, want.mantissa) << i << "," << j << " " << direction;
                    ASSERT_EQ(got.exponent, want.exponent) << i << "," << j << " " << direction;
                }
            }
}

} // namespace

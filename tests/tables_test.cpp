#include <bit>
#include <cmath>

#include <gtest/gtest.h>

#include "reference.h"
#include "tables.h"

namespace {

TEST(Constants, ExactDoubles)
{
    EXPECT_EQ(std::bit_cast<std::uint64_t>(scale_tpb), 0x3FB21A1851FF630Au);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(scale_tpmb), 0x3FC999999999999Au);
    // The tempting expression lands one double too high.
    volatile double tenth = 0.1, half = 0.5;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(tenth * std::sqrt(half)), 0x3FB21A1851FF630Bu);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(row_slopes[0]), std::bit_cast<std::uint64_t>(0.35));
    EXPECT_EQ(row_slopes[18], 0.235);
    EXPECT_EQ(row_slopes[28], 0.58);
    EXPECT_EQ(center_column, 4090);
    EXPECT_EQ(sizeof(table), 1081344u);
}

// Both sets, generated once for all tests of this suite.
table tpb, tpbp, tpmb, tpmbp;

class GeneratedTables : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        generate_tables(scale_tpb, tpb, tpbp);
        generate_tables(scale_tpmb, tpmb, tpmbp);
    }
};

TEST_F(GeneratedTables, CentreColumnIsTheScaleItself)
{
    for (int i = 0; i < computed_rows; ++i) {
        EXPECT_EQ(reference_power(i, center_column), 1.0);
        EXPECT_EQ(tpb[i][4090], 37073) << i;
        EXPECT_EQ(tpbp[i][4090], -19) << i;
        EXPECT_EQ(tpmb[i][4090], 52429) << i;
        EXPECT_EQ(tpmbp[i][4090], -18) << i;
    }
}

TEST_F(GeneratedTables, FirstColumnUnderflowsAndLastOverflows)
{
    for (const table* t : {&tpb, &tpmb})
        for (int i = 0; i < computed_rows; ++i) {
            EXPECT_EQ((*t)[i][0], 0);
            EXPECT_EQ((*t)[i][8191], overflow_marker);
        }
    for (const table* t : {&tpbp, &tpmbp})
        for (int i = 0; i < computed_rows; ++i) {
            EXPECT_EQ((*t)[i][0], -32);
            EXPECT_EQ((*t)[i][8191], -32);
        }
}

// Zeros, then one unbroken run of positive mantissas, then overflow markers;
// exponents stay within 0 to -32.
TEST_F(GeneratedTables, EachRowIsOneRunBetweenZerosAndOverflow)
{
    for (const table* t : {&tpb, &tpmb})
        for (int i = 0; i < computed_rows; ++i) {
            int j = 0;
            while ((*t)[i][j] == 0)
                ++j;
            const int first = j;
            while ((*t)[i][j] > 0)
                ++j;
            EXPECT_GT(j, first) << i;
            while (j < table_columns && (*t)[i][j] == overflow_marker)
                ++j;
            EXPECT_EQ(j, table_columns) << "row " << i;
        }
    for (const table* t : {&tpbp, &tpmbp})
        for (int i = 0; i < computed_rows; ++i)
            for (int j = 0; j < table_columns; ++j)
                ASSERT_TRUE((*t)[i][j] <= 0 && (*t)[i][j] >= -32);
}

TEST_F(GeneratedTables, RowsBeyondTheComputedOnesStayZero)
{
    for (const table* t : {&tpb, &tpbp, &tpmb, &tpmbp})
        for (int i = computed_rows; i < table_rows; ++i)
            for (int j = 0; j < table_columns; ++j)
                ASSERT_EQ((*t)[i][j], 0);
}

// Beyond |x| = 40 the program stores the known pair without calling pow:
// check that pair at and far beyond both limits, for both scales.
TEST(GenerateShortcut, KnownPairsBeyondTheLimits)
{
    for (double scale : {scale_tpb, scale_tpmb}) {
        for (double x : {std::nextafter(-40.0, -1e9), -41.0, -100.0, -1074.5, -1100.0, -2500.0}) {
            const mantissa_exponent me = reference_normalize(std::pow(2.0, x) * scale);
            EXPECT_EQ(me.mantissa, 0) << x;
            EXPECT_EQ(me.exponent, -32) << x;
        }
        for (double x : {std::nextafter(40.0, 1e9), 41.0, 100.0, 1023.5, 1100.0, 2500.0}) {
            const mantissa_exponent me = reference_normalize(std::pow(2.0, x) * scale);
            EXPECT_EQ(me.mantissa, overflow_marker) << x;
            EXPECT_EQ(me.exponent, -32) << x;
        }
    }
}

// The program skips pow outside -40 <= x <= 40 and normalises without the
// loop; every entry of both sets must equal the plain form.
TEST_F(GeneratedTables, EqualThePlainFormEntryByEntry)
{
    static table m, e;
    for (double scale : {scale_tpb, scale_tpmb}) {
        reference_generate(scale, m, e);
        const table& got_m = scale == scale_tpb ? tpb : tpmb;
        const table& got_e = scale == scale_tpb ? tpbp : tpmbp;
        for (int i = 0; i < computed_rows; ++i)
            for (int j = 0; j < table_columns; ++j) {
                ASSERT_EQ(got_m[i][j], m[i][j]) << "row " << i << " column " << j;
                ASSERT_EQ(got_e[i][j], e[i][j]) << "row " << i << " column " << j;
            }
    }
}

} // namespace

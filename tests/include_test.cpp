#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "output_files.h"
#include "reference.h"
#include "sparse_include.h"
#include "tables.h"
#include "temp_dir.h"

namespace {

using SparseInclude = InTempDir;

// Writes t as "t.inc" with array name "a" and returns the file's text.
std::string include_text(table& t, include_kind kind)
{
    EXPECT_TRUE(write_sparse_include("t.inc", "a", t, kind));
    EXPECT_TRUE(commit_outputs());
    return read_file("t.inc");
}

// Line r + 2 of an include file: the line of row r.
std::string row_line(const std::string& text, int r)
{
    std::size_t pos = 0;
    for (int k = 0; k < r + 2; ++k)
        pos = text.find('\n', pos) + 1;
    return text.substr(pos, text.find('\n', pos) - pos);
}

TEST_F(SparseInclude, LayoutByteForByte)
{
    static table t;
    t[0][3] = 1;
    t[0][4] = 0x719EB2AE;
    t[1][4000] = 7;
    std::string want = "\nconst int a[] = {\n"
                       "   3,   4, 0x00000001,0x719EB2AE,\n"
                       "4000,4000, 0x00000007,\n";
    for (int r = 2; r < computed_rows; ++r)
        want += "8191,   0, \n";
    want += "};\n";
    EXPECT_EQ(include_text(t, include_kind::mantissa), want);
}

TEST_F(SparseInclude, MantissaOverflowIsSaturatedButNeverWidensTheRange)
{
    static table t;
    // Row 0: overflow after the run.  Row 1: overflow inside the run.
    // Row 2: nothing but overflow and zeros.  Row 29: never scanned.
    t[0][10] = 5, t[0][11] = 6, t[0][12] = overflow_marker, t[0][8191] = overflow_marker;
    t[1][20] = 1, t[1][21] = overflow_marker, t[1][22] = 3;
    t[2][0] = overflow_marker;
    t[29][5] = overflow_marker;
    const std::string text = include_text(t, include_kind::mantissa);
    EXPECT_EQ(row_line(text, 0), "  10,  11, 0x00000005,0x00000006,");
    EXPECT_EQ(row_line(text, 1), "  20,  22, 0x00000001,0x7FFFFFFF,0x00000003,");
    EXPECT_EQ(row_line(text, 2), "8191,   0, ");
    EXPECT_EQ(t[0][12], INT32_MAX);
    EXPECT_EQ(t[0][8191], INT32_MAX);
    EXPECT_EQ(t[1][21], INT32_MAX);
    EXPECT_EQ(t[2][0], INT32_MAX);
    EXPECT_EQ(t[29][5], overflow_marker);
}

TEST_F(SparseInclude, ExponentRangeLeavesOutTheDoublingLimit)
{
    static table t;
    for (int i = 0; i < computed_rows; ++i)
        for (int j = 0; j < table_columns; ++j)
            t[i][j] = -32;
    t[0][998] = -31, t[0][999] = 0, t[0][1000] = -32, t[0][1001] = -5;
    t[1][7] = overflow_marker; // not > -32: stays out, and is not saturated
    const std::string text = include_text(t, include_kind::exponent);
    EXPECT_EQ(row_line(text, 0), " 998,1001, 31,0,32,5,");
    EXPECT_EQ(row_line(text, 1), "8191,   0, ");
    EXPECT_EQ(t[1][7], overflow_marker);
}

TEST_F(SparseInclude, ADirectoryAtTheNameIsReportedAndLeavesNothing)
{
    static table t;
    fs::create_directory("t.inc");
    ASSERT_TRUE(write_sparse_include("t.inc", "a", t, include_kind::mantissa));
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(commit_outputs());
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "dsp_init_tables: cannot replace t.inc: Is a directory\n");
    EXPECT_EQ(count_entries("."), 1);
}

// Hand formatting against printf, for every extreme a value can take.
TEST_F(SparseInclude, EqualsPrintfFormattingForAnyValue)
{
    static table t, copy;
    const std::int32_t extremes[] = {1, 9, 10, 15, 16, 255, 0x719EB2AE, INT32_MAX, INT32_MIN,
                                     -1, -9, -10, -31, -32, -33, 0, 100, -100, 999999999};
    for (int i = 0; i < computed_rows; ++i)
        for (int c = 0; c < table_columns; ++c)
            t[i][c] = c < 100 || c > 8000 ? -32 : extremes[(i + c) % std::size(extremes)];
    for (include_kind kind : {include_kind::mantissa, include_kind::exponent}) {
        std::memcpy(copy, t, sizeof t);
        const std::string want = reference_include("a", copy, kind);
        EXPECT_EQ(include_text(t, kind), want);
        EXPECT_EQ(std::memcmp(copy, t, sizeof t), 0);
    }
}

// The real tables, run as the program runs them.
class RealIncludes : public InTempDir {
protected:
    static table tpb, tpbp, tpmb, tpmbp;
    static void SetUpTestSuite()
    {
        generate_tables(scale_tpb, tpb, tpbp);
        generate_tables(scale_tpmb, tpmb, tpmbp);
    }
};
table RealIncludes::tpb, RealIncludes::tpbp, RealIncludes::tpmb, RealIncludes::tpmbp;

TEST_F(RealIncludes, RangesSizesAndSaturation)
{
    struct {
        const char* file;
        const char* array;
        table* t;
        include_kind kind;
        std::size_t size;
        const char* row0;
        const char* row28;
    } cases[] = {
        {"dsp_init_tpb0.inc", "init_tpb", &tpb, include_kind::mantissa, 78301, "4007,4189, ", "4040,4150, "},
        {"dsp_init_tpbp0.inc", "init_tpbp", &tpbp, include_kind::exponent, 13206, "4056,4189, ", "4070,4150, "},
        {"dsp_init_tpmb0.inc", "init_tpmb", &tpmb, include_kind::mantissa, 78236, "4003,4185, ", "4038,4147, "},
        {"dsp_init_tpmbp0.inc", "init_tpmbp", &tpmbp, include_kind::exponent, 13221, "4051,4185, ", "4067,4147, "},
    };
    static table copy;
    for (auto& c : cases) {
        std::memcpy(copy, *c.t, sizeof copy); // before saturation
        ASSERT_TRUE(write_sparse_include(c.file, c.array, *c.t, c.kind));
        ASSERT_TRUE(commit_outputs());
        const std::string text = read_file(c.file);
        EXPECT_EQ(text.size(), c.size) << c.file;
        EXPECT_EQ(row_line(text, 0).substr(0, 11), c.row0) << c.file;
        EXPECT_EQ(row_line(text, 28).substr(0, 11), c.row28) << c.file;
        EXPECT_EQ(text.find("0x7FFFFFFF"), std::string::npos) << c.file;
        EXPECT_EQ(text, reference_include(c.array, copy, c.kind)) << c.file;
    }
    const std::string tpb_row0 = row_line(read_file("dsp_init_tpb0.inc"), 0);
    EXPECT_EQ(tpb_row0.substr(11, 11), "0x00000001,");
    EXPECT_EQ(tpb_row0.substr(tpb_row0.size() - 11), "0x719EB2AE,");
    EXPECT_EQ(tpb_row0.size(), 11 + 183 * 11u);
    const std::string tpbp_row0 = row_line(read_file("dsp_init_tpbp0.inc"), 0);
    EXPECT_EQ(tpbp_row0.substr(11, 12), "31,31,31,30,");
    for (const table* t : {&tpb, &tpmb})
        for (int i = 0; i < computed_rows; ++i)
            for (int j = 0; j < table_columns; ++j)
                ASSERT_NE((*t)[i][j], overflow_marker);
    EXPECT_EQ(tpb[0][8191], INT32_MAX);
}

} // namespace

#include "output_files.h"
#include "tables.h"
#include "temp_dir.h"

namespace {

using DumpFormat = InTempDir;

TEST_F(DumpFormat, LittleEndianRowMajorImageWithZeroTail)
{
    static table t;
    t[0][0] = -19;
    t[0][1] = 0x01020304;
    t[3][4090] = INT32_MAX;
    t[28][8191] = overflow_marker;
    ASSERT_TRUE(write_table_dump("x0.dmp", t));
    ASSERT_TRUE(commit_outputs());

    const std::string bytes = read_file("x0.dmp");
    ASSERT_EQ(bytes.size(), 1081344u);
    // The entry of row r, column c is at byte offset (r * 8192 + c) * 4.
    auto at = [&](int r, int c) { return bytes.substr((r * 8192 + c) * 4, 4); };
    EXPECT_EQ(at(0, 0), "\xED\xFF\xFF\xFF");
    EXPECT_EQ(at(0, 1), "\x04\x03\x02\x01");
    EXPECT_EQ(at(3, 4090), "\xFF\xFF\xFF\x7F");
    EXPECT_EQ(at(28, 8191), std::string("\0\0\0\x80", 4));
    EXPECT_EQ(bytes.find_first_not_of('\0', 29 * 8192 * 4), std::string::npos);
    EXPECT_EQ(count_entries("."), 1); // no temporary left
}

TEST_F(DumpFormat, NothingAppearsBeforeCommitAndDiscardLeavesNothing)
{
    static table t;
    ASSERT_TRUE(write_table_dump("y0.dmp", t));
    EXPECT_FALSE(fs::exists("y0.dmp"));
    discard_outputs();
    EXPECT_TRUE(fs::is_empty("."));
}

} // namespace

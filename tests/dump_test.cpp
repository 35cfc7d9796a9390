#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "output_files.h"
#include "tables.h"

namespace fs = std::filesystem;

namespace {

std::vector<unsigned char> read_bytes(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs each test in a fresh empty directory of its own.
class InTempDir : public ::testing::Test {
protected:
    fs::path old_dir, dir;
    void SetUp() override
    {
        old_dir = fs::current_path();
        dir = fs::temp_directory_path() /
              ("dsp_dump_test_" + std::to_string(getpid()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::current_path(dir);
    }
    void TearDown() override
    {
        fs::current_path(old_dir);
        fs::remove_all(dir);
    }
};

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

    const auto bytes = read_bytes("x0.dmp");
    ASSERT_EQ(bytes.size(), 1081344u);
    auto at = [&](int r, int c) { return &bytes[(r * 8192 + c) * 4]; };
    auto expect_bytes = [&](int r, int c, std::vector<unsigned char> want) {
        EXPECT_EQ(std::vector<unsigned char>(at(r, c), at(r, c) + 4), want) << r << "," << c;
    };
    expect_bytes(0, 0, {0xED, 0xFF, 0xFF, 0xFF});
    expect_bytes(0, 1, {0x04, 0x03, 0x02, 0x01});
    expect_bytes(3, 4090, {0xFF, 0xFF, 0xFF, 0x7F});
    expect_bytes(28, 8191, {0x00, 0x00, 0x00, 0x80});
    for (std::size_t k = 29 * 8192 * 4; k < bytes.size(); ++k)
        ASSERT_EQ(bytes[k], 0) << k;
    EXPECT_EQ(fs::directory_iterator(".")->path().filename(), "x0.dmp"); // no temporary left
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

// A fresh, empty working directory for each test, and file reading.
#ifndef DSP_INIT_TABLES_TEMP_DIR_H
#define DSP_INIT_TABLES_TEMP_DIR_H

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

inline std::string read_file(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Number of entries in directory d.
inline int count_entries(const fs::path& d)
{
    int n = 0;
    for (auto it = fs::directory_iterator(d); it != fs::directory_iterator(); ++it)
        ++n;
    return n;
}

// Runs each test in a fresh empty directory of its own, removed afterwards.
class InTempDir : public ::testing::Test {
protected:
    fs::path old_dir, dir;
    void SetUp() override
    {
        old_dir = fs::current_path();
        dir = fs::temp_directory_path() /
              ("dsp_test_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
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

#endif

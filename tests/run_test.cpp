// The built program, run as a user runs it, in temporary directories.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* const outputs[8] = {
    "dsp_init_tpb0.inc", "tpb0.dmp", "dsp_init_tpbp0.inc", "tpbp0.dmp",
    "dsp_init_tpmb0.inc", "tpmb0.dmp", "dsp_init_tpmbp0.inc", "tpmbp0.dmp",
};

std::string read_file(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh directory per test, removed afterwards.
class ProgramRun : public ::testing::Test {
protected:
    fs::path dir;
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("dsp_run_test_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs the program in d with extra shell text before it; returns its
    // exit status and leaves what it printed in out.txt / err.txt of dir.
    int run_in(const fs::path& d, const std::string& prefix = "")
    {
        const std::string cmd = "cd '" + d.string() + "' && " + prefix + "'" + DSP_INIT_TABLES_EXE +
                                "' >'" + (dir / "out.txt").string() + "' 2>'" +
                                (dir / "err.txt").string() + "'";
        const int status = std::system(cmd.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    std::string printed() { return read_file(dir / "out.txt"); }
    std::string errors() { return read_file(dir / "err.txt"); }
};

TEST_F(ProgramRun, WritesEightFilesSilentlyAndRepeatably)
{
    const fs::path a = dir / "a", b = dir / "b";
    fs::create_directories(a);
    fs::create_directories(b);
    ASSERT_EQ(run_in(a, "true ignored arguments; "), 0);
    EXPECT_EQ(printed(), "");
    EXPECT_EQ(errors(), "");
    ASSERT_EQ(run_in(b), 0);
    for (const char* name : outputs)
        EXPECT_EQ(read_file(a / name), read_file(b / name)) << name;
    std::size_t n = 0;
    for (auto& e : fs::directory_iterator(a)) {
        (void)e;
        ++n;
    }
    EXPECT_EQ(n, 8u); // nothing else, no temporary
    EXPECT_EQ(fs::file_size(a / "tpb0.dmp"), 1081344u);
}

TEST_F(ProgramRun, IgnoresArguments)
{
    const std::string cmd = "cd '" + dir.string() + "' && '" + DSP_INIT_TABLES_EXE + "' --help x y";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_TRUE(fs::exists(dir / "tpmbp0.dmp"));
}

TEST_F(ProgramRun, ReplacesExistingFiles)
{
    ASSERT_EQ(run_in(dir), 0);
    const std::string want = read_file(dir / "tpbp0.dmp");
    for (const char* name : outputs)
        std::ofstream(dir / name, std::ios::binary) << "old content, longer or shorter";
    ASSERT_EQ(run_in(dir), 0);
    EXPECT_EQ(read_file(dir / "tpbp0.dmp"), want);
    EXPECT_EQ(fs::file_size(dir / "dsp_init_tpb0.inc"), 78301u);
}

} // namespace

// The built program, run as a user runs it, in temporary directories: its
// normal run, and real faults that must leave every output as it was.
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include "temp_dir.h"

namespace {

const char* const outputs[8] = {
    "dsp_init_tpb0.inc", "tpb0.dmp", "dsp_init_tpbp0.inc", "tpbp0.dmp",
    "dsp_init_tpmb0.inc", "tpmb0.dmp", "dsp_init_tpmbp0.inc", "tpmbp0.dmp",
};

// How a child is set up before it becomes the program.
struct run_options {
    rlim_t file_size_limit = RLIM_INFINITY;
    bool remove_directory = false; // run in a directory removed after entering it
};

// Starts the program in directory d, its output to d/../out.txt and err.txt.
pid_t start_in(const fs::path& d, const run_options& o = {})
{
    const std::string out = (d.parent_path() / "out.txt").string();
    const std::string err = (d.parent_path() / "err.txt").string();
    const pid_t pid = fork();
    if (pid == 0) {
        const int fd_out = open(out.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        const int fd_err = open(err.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (fd_out < 0 || fd_err < 0 || dup2(fd_out, 1) < 0 || dup2(fd_err, 2) < 0 ||
            chdir(d.c_str()) != 0)
            _exit(120);
        if (o.remove_directory && rmdir(d.c_str()) != 0)
            _exit(121);
        const rlimit limit = {o.file_size_limit, o.file_size_limit};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(122);
        execl(DSP_INIT_TABLES_EXE, "dsp_init_tables", "ignored", "--arguments", nullptr);
        _exit(123);
    }
    return pid;
}

// Exit status of a started run (128 + n for a signal).
int wait_for(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int run_in(const fs::path& d, const run_options& o = {}) { return wait_for(start_in(d, o)); }

// A scratch area per test: the runs happen in its subdirectory "w".
class ProgramRun : public InTempDir {
protected:
    fs::path work;
    void SetUp() override
    {
        InTempDir::SetUp();
        work = dir / "w";
        fs::create_directory(work);
    }
    std::string printed() { return read_file(dir / "out.txt"); }
    std::string errors() { return read_file(dir / "err.txt"); }

    // The eight files a correct run writes, made once in "want".
    std::string wanted(const char* name)
    {
        if (!fs::exists(dir / "want")) {
            fs::create_directory(dir / "want");
            EXPECT_EQ(run_in(dir / "want"), 0);
        }
        return read_file(dir / "want" / name);
    }
    void expect_correct_outputs_only()
    {
        for (const char* name : outputs)
            EXPECT_EQ(read_file(work / name), wanted(name)) << name;
        EXPECT_EQ(count_entries(work), 8); // no temporary left
    }
};

TEST_F(ProgramRun, WritesEightFilesSilentlyAndRepeatably)
{
    ASSERT_EQ(run_in(work), 0);
    EXPECT_EQ(printed(), "");
    EXPECT_EQ(errors(), "");
    EXPECT_EQ(fs::file_size(work / "tpb0.dmp"), 1081344u);
    expect_correct_outputs_only(); // the second run, in "want", gives the same bytes
}

TEST_F(ProgramRun, ReplacesExistingFiles)
{
    for (const char* name : outputs)
        std::ofstream(work / name, std::ios::binary) << "old content";
    ASSERT_EQ(run_in(work), 0);
    expect_correct_outputs_only();
}

TEST_F(ProgramRun, ReplacesALinkWithoutWritingItsTarget)
{
    std::ofstream(dir / "target", std::ios::binary) << "not to be written";
    fs::create_symlink(dir / "target", work / "tpbp0.dmp");
    fs::create_symlink(dir / "nowhere", work / "dsp_init_tpmb0.inc"); // dangling
    ASSERT_EQ(run_in(work), 0);
    EXPECT_EQ(read_file(dir / "target"), "not to be written");
    EXPECT_FALSE(fs::exists(dir / "nowhere"));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(work / "tpbp0.dmp")));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(work / "dsp_init_tpmb0.inc")));
    expect_correct_outputs_only();
}

TEST_F(ProgramRun, RunsAtOnceInOneDirectoryDoNotMix)
{
    std::vector<pid_t> runs;
    for (int k = 0; k < 6; ++k)
        runs.push_back(start_in(work));
    for (pid_t pid : runs)
        EXPECT_EQ(wait_for(pid), 0);
    EXPECT_EQ(errors(), "");
    expect_correct_outputs_only();
}

// A failed run: status 1, one line naming the file, nothing changed.
struct fault_case {
    const char* what;
    const char* blocked;       // output name occupied by a directory, or null
    rlim_t file_size_limit;    // bytes
    const char* message;
};

void PrintTo(const fault_case& c, std::ostream* os) { *os << c.what; }

class FailedRun : public ProgramRun, public ::testing::WithParamInterface<fault_case> {};

TEST_P(FailedRun, ReportsAndChangesNothing)
{
    const fault_case& c = GetParam();
    for (const char* name : outputs)
        std::ofstream(work / name, std::ios::binary) << "old " << name;
    if (c.blocked) {
        fs::remove(work / c.blocked);
        fs::create_directory(work / c.blocked);
    }
    run_options o;
    o.file_size_limit = c.file_size_limit;
    EXPECT_EQ(run_in(work, o), 1);
    EXPECT_EQ(printed(), "");
    EXPECT_EQ(errors(), std::string(c.message) + "\n");
    for (const char* name : outputs) {
        if (c.blocked && std::string(name) == c.blocked)
            EXPECT_TRUE(fs::is_directory(work / name));
        else
            EXPECT_EQ(read_file(work / name), std::string("old ") + name) << name;
    }
    EXPECT_EQ(count_entries(work), 8); // no temporary left
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FailedRun,
    ::testing::Values(
        fault_case{"first", "dsp_init_tpb0.inc", RLIM_INFINITY,
                   "dsp_init_tables: cannot replace dsp_init_tpb0.inc: Is a directory"},
        fault_case{"middle", "tpbp0.dmp", RLIM_INFINITY,
                   "dsp_init_tables: cannot replace tpbp0.dmp: Is a directory"},
        fault_case{"last", "tpmbp0.dmp", RLIM_INFINITY,
                   "dsp_init_tables: cannot replace tpmbp0.dmp: Is a directory"},
        fault_case{"file_size_limit", nullptr, 500000,
                   "dsp_init_tables: cannot write tpb0.dmp: File too large"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(ProgramRun, ARemovedWorkingDirectoryIsReported)
{
    run_options o;
    o.remove_directory = true;
    EXPECT_EQ(run_in(work, o), 1);
    EXPECT_EQ(errors(),
              "dsp_init_tables: cannot create dsp_init_tpb0.inc: No such file or directory\n");
    EXPECT_FALSE(fs::exists(work));
}

} // namespace

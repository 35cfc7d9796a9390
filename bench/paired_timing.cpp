// Times two commands as whole processes, alternately A B A B ..., and prints
// the median wall-clock time of each and the median of the per-pair ratio
// A/B.  Output of both commands is discarded.
// Usage: paired_timing <pairs> <command A> <command B>   (commands run by /bin/sh)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Wall-clock seconds of one run of command; negative if it failed.
double time_once(const char* command)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execl("/bin/sh", "sh", "-c", command, nullptr);
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? took.count() : -1.0;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    const int pairs = argc == 4 ? std::atoi(argv[1]) : 0;
    if (pairs < 1) {
        std::fprintf(stderr, "usage: paired_timing <pairs> <command A> <command B>\n");
        return 2;
    }
    std::vector<double> a, b, ratio;
    time_once(argv[2]); // warm-up, not counted
    time_once(argv[3]);
    for (int k = 0; k < pairs; ++k) {
        const double ta = time_once(argv[2]);
        const double tb = time_once(argv[3]);
        if (ta < 0 || tb < 0) {
            std::fprintf(stderr, "paired_timing: a command failed\n");
            return 1;
        }
        a.push_back(ta);
        b.push_back(tb);
        ratio.push_back(ta / tb);
    }
    std::printf("A median %.2f ms, B median %.2f ms, A/B median ratio %.3f (%d pairs)\n",
                median(a) * 1e3, median(b) * 1e3, median(ratio), pairs);
    return 0;
}

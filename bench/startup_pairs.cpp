// Runs two programs alternately, each with no arguments and its output discarded, and
// prints the median wall time of each, from the spawn to the end of the process, and
// their ratio. startup_ratio.sh runs it.
//   startup_pairs <program> <reference program> <pairs>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern char** environ;

namespace {

double Now() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Milliseconds from spawn to exit; the program must end with status 0.
double RunMs(const char* program) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program), nullptr};
    const double start = Now();
    pid_t pid;
    if (posix_spawn(&pid, program, &actions, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program);
        std::exit(2);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double end = Now();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end with status 0\n", program);
        std::exit(2);
    }
    return end - start;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 || std::atoi(argv[3]) < 1) {
        std::fprintf(stderr, "usage: %s <program> <reference program> <pairs>\n", argv[0]);
        return 2;
    }
    const int pairs = std::atoi(argv[3]);
    // One unmeasured run of each fills the file cache.
    RunMs(argv[1]);
    RunMs(argv[2]);
    std::vector<double> program, reference;
    for (int i = 0; i < pairs; ++i) {
        program.push_back(RunMs(argv[1]));
        reference.push_back(RunMs(argv[2]));
    }
    const double a = Median(program), b = Median(reference);
    std::printf(
        "start-up to first idle, median of %d pairs: application %.1f ms, bare frame %.1f ms, "
        "ratio %.2f\n",
        pairs, a, b, a / b);
    return 0;
}

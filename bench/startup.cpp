// Times the start-up of the program against a bare Qt window: each run spawns a process, waits
// for its first paint and takes its peak resident memory. The two alternate so that the machine's
// drift touches both alike. Prints one table row per program and the ratios.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Run {
    double milliseconds = 0;
    long peakKiB = 0;
};

Run runOnce(const std::string &program)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        std::exit(2);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        std::exit(2);
    }
    close(pipeFds[1]);
    std::string output;
    char buffer[64];
    ssize_t got = 0;
    while (output.find("painted") == std::string::npos &&
           (got = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<size_t>(got));
    const auto painted = std::chrono::steady_clock::now();
    close(pipeFds[0]);

    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    posix_spawn_file_actions_destroy(&actions);
    if (output.find("painted") == std::string::npos) {
        std::fprintf(stderr, "%s never painted\n", program.c_str());
        std::exit(2);
    }
    return {std::chrono::duration<double, std::milli>(painted - start).count(), usage.ru_maxrss};
}

template <class T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM BASELINE [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    std::vector<double> times[2];
    std::vector<long> peaks[2];
    for (int i = 0; i < runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            const Run run = runOnce(argv[1 + which]);
            times[which].push_back(run.milliseconds);
            peaks[which].push_back(run.peakKiB);
        }
    }
    const char *names[2] = {"start-up: Flebika", "start-up: bare Qt window"};
    for (int which = 0; which < 2; ++which)
        std::printf("%-36s %10.2f ms %10ld KiB (median of %d)\n", names[which],
                    median(times[which]), median(peaks[which]), runs);
    std::printf("%-36s %10.2f    %10.2f     (target <= 1.3)\n", "ratio Flebika / bare",
                median(times[0]) / median(times[1]),
                double(median(peaks[0])) / double(median(peaks[1])));
    return 0;
}

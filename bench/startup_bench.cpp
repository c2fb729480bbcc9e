// Start-up of the real program against the bare-window floor: starts each
// start-up program in turn (ABBA order, so neither always goes first), takes
// the time from just before the process is spawned to its first painted
// frame, and its peak resident memory at that point, and prints the medians
// and the median of the per-round ratios (each round runs both, one right
// after the other, so the ratio holds even while the machine's load drifts).
//
//   startup_bench PROBE FLOOR [RUNS]
//
// Needs a display (DISPLAY); bench/run.sh starts its own Xvfb. Prints
//   result|start-up time (ms)|<probe>|<floor>|<ratio>
//   result|start-up peak RSS (MiB)|<probe>|<floor>|<ratio>
// and each run on stderr.

#include "median.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

extern char **environ;

namespace {

constexpr int warmUpRounds = 2;
constexpr int defaultRuns = 15;
constexpr int firstFrameTimeoutMs = 20'000;
constexpr useconds_t settleMicroseconds = 200'000;

struct StartUp
{
    double milliseconds;
    double peakMiB;
};

// steady_clock is CLOCK_MONOTONIC on Linux: one time line for every process.
std::int64_t monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

std::optional<long long> field(const std::string &line, const std::string &name)
{
    const std::size_t at = line.find(name + "=");
    if (at == std::string::npos)
        return std::nullopt;
    return std::stoll(line.substr(at + name.size() + 1));
}

// Runs one program to its first frame; its own stderr goes nowhere.
std::optional<StartUp> startOnce(const char *program)
{
    int out[2];
    if (pipe(out) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>(program), nullptr};

    const std::int64_t spawnedNs = monotonicNs();
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed != 0) {
        close(out[0]);
        return std::nullopt;
    }

    // Reads to the end of the output, which comes when the program quits.
    std::string output;
    pollfd readable{out[0], POLLIN, 0};
    char buffer[512];
    bool hangs = false;
    for (;;) {
        if (poll(&readable, 1, firstFrameTimeoutMs) <= 0) {
            hangs = true;
            break;
        }
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        output.append(buffer, static_cast<std::size_t>(got));
    }
    close(out[0]);
    if (hangs)
        kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);

    const auto frameNs = field(output, "frame_ns");
    const auto peakKb = field(output, "vmhwm_kb");
    if (!frameNs || !peakKb)
        return std::nullopt;
    return StartUp{static_cast<double>(*frameNs - spawnedNs) / 1e6, static_cast<double>(*peakKb) / 1024.0};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROBE FLOOR [RUNS]\n", argv[0]);
        return 2;
    }
    const char *programs[2] = {argv[1], argv[2]};
    const int runs = argc > 3 ? std::atoi(argv[3]) : defaultRuns;

    std::vector<double> times[2];
    std::vector<double> peaks[2];
    std::vector<double> timeRatios;
    std::vector<double> peakRatios;
    for (int round = 0; round < warmUpRounds + runs; ++round) {
        for (int turn = 0; turn < 2; ++turn) {
            const int which = (round % 2 == 0) ? turn : 1 - turn;
            // Lets the previous run's teardown (ours and the X server's)
            // finish first: back to back, every start-up takes half as long
            // again and varies twice as much.
            usleep(settleMicroseconds);
            const std::optional<StartUp> run = startOnce(programs[which]);
            if (!run) {
                std::fprintf(stderr, "%s showed no first frame (is DISPLAY set?)\n", programs[which]);
                return 1;
            }
            std::fprintf(stderr, "%s%s: %.1f ms, %.1f MiB\n", round < warmUpRounds ? "(warm-up) " : "",
                         programs[which], run->milliseconds, run->peakMiB);
            if (round >= warmUpRounds) {
                times[which].push_back(run->milliseconds);
                peaks[which].push_back(run->peakMiB);
            }
        }
        if (round >= warmUpRounds) {
            timeRatios.push_back(times[0].back() / times[1].back());
            peakRatios.push_back(peaks[0].back() / peaks[1].back());
        }
    }
    std::printf("result|start-up time (ms)|%.1f|%.1f|%.3f\n", median(times[0]), median(times[1]), median(timeRatios));
    std::printf("result|start-up peak RSS (MiB)|%.1f|%.1f|%.3f\n", median(peaks[0]), median(peaks[1]),
                median(peakRatios));
    return 0;
}

// SPDX-License-Identifier: MIT
// Runs the floor window and the game's window in turn, several times each,
// and compares their start-up: from the launch (taken in the forked child
// just before exec) to the end of the first drawn frame, which each process
// reports on its standard output, and peak resident memory, which the
// kernel reports to the parent at the child's exit.
//
//     startup <startup_floor> <startup_game> <assets-folder> [runs]
#include "launchclock.h"

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int ChildTimeoutMs = 30'000;

struct Sample
{
    double firstFrameMs = 0;
    double peakMb = 0;
};

// Reads the child's output until it closes it, or gives up on a child that
// has hung.
std::optional<std::string> readAll(int fd)
{
    std::string text;
    char buffer[512];
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, ChildTimeoutMs) <= 0)
            return std::nullopt;
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            return text;
        text.append(buffer, static_cast<std::size_t>(count));
    }
}

std::optional<Sample> runOnce(std::vector<const char *> argv)
{
    argv.push_back(nullptr);
    int output[2];
    if (pipe(output) != 0)
        return std::nullopt;
    const pid_t pid = fork();
    if (pid < 0)
        return std::nullopt;
    if (pid == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        markLaunch();
        execv(argv[0], const_cast<char *const *>(argv.data()));
        std::perror(argv[0]);
        _exit(127);
    }
    close(output[1]);
    const std::optional<std::string> text = readAll(output[0]);
    close(output[0]);
    if (!text)
        kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!text || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "startup: %s %s\n", argv[0], text ? "failed" : "hung and was killed");
        return std::nullopt;
    }
    long long ns = 0;
    if (std::sscanf(text->c_str(), "first-frame-ns %lld", &ns) != 1) {
        std::fprintf(stderr, "startup: %s reported no first frame\n", argv[0]);
        return std::nullopt;
    }
    // ru_maxrss is in kibibytes on Linux.
    return Sample{static_cast<double>(ns) / 1e6, static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Series
{
    std::vector<double> ms;
    std::vector<double> mb;

    void add(const Sample &sample)
    {
        ms.push_back(sample.firstFrameMs);
        mb.push_back(sample.peakMb);
    }
};

void printRow(const char *name, const Series &series)
{
    std::printf("  %-6s first frame %7.1f ms (min %.1f, max %.1f)   peak memory %6.1f MB\n", name, median(series.ms),
                *std::min_element(series.ms.begin(), series.ms.end()),
                *std::max_element(series.ms.begin(), series.ms.end()), median(series.mb));
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc == 5 ? std::atoi(argv[4]) : 11;
    if ((argc != 4 && argc != 5) || runs < 1 || runs > 1000) {
        std::fprintf(stderr, "usage: startup <startup_floor> <startup_game> <assets-folder> [runs, 1..1000]\n");
        return EXIT_FAILURE;
    }
    Series floor;
    Series game;
    // One warm-up of each fills the page cache, so no run pays for the disk.
    if (!runOnce({argv[1]}) || !runOnce({argv[2], argv[3]}))
        return EXIT_FAILURE;
    // Alternating keeps a change in the machine's load from favouring one.
    for (int i = 0; i < runs; ++i) {
        const auto floorSample = runOnce({argv[1]});
        const auto gameSample = runOnce({argv[2], argv[3]});
        if (!floorSample || !gameSample)
            return EXIT_FAILURE;
        floor.add(*floorSample);
        game.add(*gameSample);
    }
    std::printf("Start-up to the first drawn frame, median of %d runs each:\n", runs);
    printRow("floor", floor);
    printRow("game", game);
    std::printf("  time   %.2fx the floor (aim: at most 1.5x)\n", median(game.ms) / median(floor.ms));
    std::printf("  memory %+.1f MB over the floor (aim: at most 30 MB)\n", median(game.mb) - median(floor.mb));
    return EXIT_SUCCESS;
}

// SPDX-License-Identifier: MIT
// Runs the floor window and the game's window in turn, several times each,
// at the laid-out size and at twice it (QT_SCALE_FACTOR=2), and compares
// their start-up: from the launch (taken in the forked child just before
// exec) to the end of the first drawn frame, which each process reports on
// its standard output with the marks of its timeline and the processor time
// it took, and peak resident memory, which the kernel reports to the parent
// at the child's exit.
//
//     startup <startup_floor> <startup_game> <build-folder> <floor-pictures> [runs]
//
// The floor shows the pictures of <floor-pictures>, drawn for the laid-out
// window, and at twice the size the game's own, which are drawn for that.
// Besides its table it prints one line per figure for bench/run.sh:
// "figure first-frame[-cpu] <1x|2x> <floor|game> <median ms> <runs>".
#include "launchclock.h"

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int ChildTimeoutMs = 30'000;

struct Sample
{
    double firstFrameMs = 0;
    double cpuMs = 0;
    double peakMb = 0;
    std::vector<std::pair<std::string, double>> marks; // in the order printed
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

std::optional<Sample> runOnce(std::vector<const char *> argv, bool twice)
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
        if (twice)
            setenv("QT_SCALE_FACTOR", "2", 1);
        else
            unsetenv("QT_SCALE_FACTOR");
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
    Sample sample;
    // ru_maxrss is in kibibytes on Linux.
    sample.peakMb = static_cast<double>(usage.ru_maxrss) / 1024.0;
    std::istringstream lines(*text);
    std::string line;
    bool framed = false;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string kind;
        std::string what;
        long long ns = 0;
        words >> kind;
        if (kind == "mark" && words >> what >> ns)
            sample.marks.emplace_back(what, static_cast<double>(ns) / 1e6);
        else if (kind == "first-frame-ns" && words >> ns) {
            sample.firstFrameMs = static_cast<double>(ns) / 1e6;
            framed = true;
        } else if (kind == "first-frame-cpu-ns" && words >> ns) {
            sample.cpuMs = static_cast<double>(ns) / 1e6;
        }
    }
    if (!framed) {
        std::fprintf(stderr, "startup: %s reported no first frame\n", argv[0]);
        return std::nullopt;
    }
    return sample;
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
    std::vector<double> cpuMs;
    std::vector<double> mb;
    std::vector<std::string> markOrder;
    std::map<std::string, std::vector<double>> marks;

    void add(const Sample &sample)
    {
        ms.push_back(sample.firstFrameMs);
        cpuMs.push_back(sample.cpuMs);
        mb.push_back(sample.peakMb);
        for (const auto &[what, at] : sample.marks) {
            if (!marks.count(what))
                markOrder.push_back(what);
            marks[what].push_back(at);
        }
    }

    // "main 12.3, application 30.1, ..." : the median time since launch at
    // which each step was done.
    std::string timeline() const
    {
        std::string text;
        char item[64];
        for (const std::string &what : markOrder) {
            std::snprintf(item, sizeof item, "%s %.1f, ", what.c_str(), median(marks.at(what)));
            text += item;
        }
        std::snprintf(item, sizeof item, "frame %.1f", median(ms));
        return text + item;
    }
};

void printRow(const char *name, const Series &series)
{
    std::printf("  %-6s first frame %7.1f ms (min %.1f, max %.1f), %.1f ms of processor time   peak memory at exit "
                "%6.1f MB\n", name, median(series.ms), *std::min_element(series.ms.begin(), series.ms.end()),
                *std::max_element(series.ms.begin(), series.ms.end()), median(series.cpuMs), median(series.mb));
    std::printf("         timeline, ms since launch: %s\n", series.timeline().c_str());
}

} // namespace

int main(int argc, char **argv)
{
    const int runs = argc == 6 ? std::atoi(argv[5]) : 11;
    if ((argc != 5 && argc != 6) || runs < 1 || runs > 1000) {
        std::fprintf(stderr, "usage: startup <startup_floor> <startup_game> <build-folder> <floor-pictures> "
                             "[runs, 1..1000]\n");
        return EXIT_FAILURE;
    }
    const std::string build = argv[3];
    const std::string wave = build + "/0.wav";
    struct Size
    {
        const char *name;
        bool twice;
        std::string floorPictures;
        Series floor;
        Series game;
    };
    Size sizes[] = {{"1x", false, argv[4], {}, {}}, {"2x", true, build, {}, {}}};
    const auto runFloor = [&](const Size &size) {
        return runOnce({argv[1], size.floorPictures.c_str(), wave.c_str()}, size.twice);
    };
    const auto runGame = [&](const Size &size) { return runOnce({argv[2], build.c_str()}, size.twice); };

    // One warm-up of each fills the page cache, so no run pays for the disk.
    for (const Size &size : sizes) {
        if (!runFloor(size) || !runGame(size))
            return EXIT_FAILURE;
    }
    // Alternating keeps a change in the machine's load from favouring one.
    for (int i = 0; i < runs; ++i) {
        for (Size &size : sizes) {
            const auto floorSample = runFloor(size);
            const auto gameSample = runGame(size);
            if (!floorSample || !gameSample)
                return EXIT_FAILURE;
            size.floor.add(*floorSample);
            size.game.add(*gameSample);
        }
    }
    for (const Size &size : sizes) {
        std::printf("Start-up to the first drawn frame at %s, median of %d runs each:\n",
                    size.twice ? "twice the laid-out size (QT_SCALE_FACTOR=2)" : "the laid-out size", runs);
        printRow("floor", size.floor);
        printRow("game", size.game);
        std::printf("  time   %.2fx the floor (aim: at most 1.0x), processor time %.2fx\n",
                    median(size.game.ms) / median(size.floor.ms), median(size.game.cpuMs) / median(size.floor.cpuMs));
        for (const auto &[who, series] : {std::pair{"floor", &size.floor}, std::pair{"game", &size.game}}) {
            std::printf("figure first-frame %s %s %.2f %d\n", size.name, who, median(series->ms), runs);
            std::printf("figure first-frame-cpu %s %s %.2f %d\n", size.name, who, median(series->cpuMs), runs);
        }
    }
    return EXIT_SUCCESS;
}

// SPDX-License-Identifier: MIT
// Measures the CPU a running process takes while it is left alone: the time
// each of its threads has run, from /proc/<pid>/task/*/schedstat in
// nanoseconds, at the start and the end of the given number of seconds, as a
// percentage of one core. (The clock ticks of /proc/<pid>/stat count in
// steps of 10 ms, too coarse for a process that is nearly idle.)
//
//     idle_cpu <pid> <seconds>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

namespace {

// The nanoseconds all threads of the process have run so far.
std::optional<unsigned long long> cpuNs(long pid)
{
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    unsigned long long total = 0;
    bool any = false;
    for (const auto &task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream file(task.path() / "schedstat");
        unsigned long long ns = 0;
        if (file >> ns) {
            total += ns;
            any = true;
        }
    }
    if (error || !any)
        return std::nullopt;
    return total;
}

} // namespace

int main(int argc, char **argv)
{
    const long pid = argc == 3 ? std::strtol(argv[1], nullptr, 10) : 0;
    const double seconds = argc == 3 ? std::strtod(argv[2], nullptr) : 0;
    if (pid <= 0 || !(seconds > 0 && seconds <= 3600)) {
        std::fprintf(stderr, "usage: idle_cpu <pid> <seconds, up to 3600>\n");
        return EXIT_FAILURE;
    }
    const auto before = cpuNs(pid);
    const auto start = std::chrono::steady_clock::now();
    if (!before) {
        std::fprintf(stderr, "idle_cpu: no process %ld\n", pid);
        return EXIT_FAILURE;
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    const auto after = cpuNs(pid);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    if (!after) {
        std::fprintf(stderr, "idle_cpu: process %ld ended during the measurement\n", pid);
        return EXIT_FAILURE;
    }
    const double cpuSeconds = static_cast<double>(*after - *before) / 1e9;
    std::printf("%.3f %% of one core (%.4f s of CPU in %.1f s)\n", 100.0 * cpuSeconds / wall.count(), cpuSeconds,
                wall.count());
    return EXIT_SUCCESS;
}

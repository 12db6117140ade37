// SPDX-License-Identifier: MIT
// Measures the CPU a running process takes while it is left alone: its user
// and system time from /proc/<pid>/stat at the start and the end of the
// given number of seconds, as a percentage of one core.
//
//     idle_cpu <pid> <seconds>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

namespace {

// utime + stime, in clock ticks. The command name in the second field may
// hold blanks and parentheses, so counting starts after its last ")".
std::optional<unsigned long long> cpuTicks(long pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(file, line))
        return std::nullopt;
    const std::size_t end = line.rfind(')');
    if (end == std::string::npos)
        return std::nullopt;
    std::istringstream fields(line.substr(end + 1));
    std::string field;
    // After the name: state is field 3, utime field 14, stime field 15.
    for (int i = 3; i < 14; ++i)
        fields >> field;
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    if (!(fields >> utime >> stime))
        return std::nullopt;
    return utime + stime;
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
    const auto before = cpuTicks(pid);
    const auto start = std::chrono::steady_clock::now();
    if (!before) {
        std::fprintf(stderr, "idle_cpu: no process %ld\n", pid);
        return EXIT_FAILURE;
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    const auto after = cpuTicks(pid);
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    if (!after) {
        std::fprintf(stderr, "idle_cpu: process %ld ended during the measurement\n", pid);
        return EXIT_FAILURE;
    }
    const double cpuSeconds = static_cast<double>(*after - *before) / static_cast<double>(sysconf(_SC_CLK_TCK));
    std::printf("%.2f %% of one core (%.2f s of CPU in %.1f s)\n", 100.0 * cpuSeconds / wall.count(), cpuSeconds,
                wall.count());
    return EXIT_SUCCESS;
}

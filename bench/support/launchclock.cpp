// SPDX-License-Identifier: MIT
#include "launchclock.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

constexpr const char *LaunchVariable = "VELMORA_BENCH_LAUNCH_NS";

} // namespace

std::int64_t monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

void markLaunch()
{
    setenv(LaunchVariable, std::to_string(monotonicNs()).c_str(), 1);
}

std::optional<std::int64_t> sinceLaunchNs()
{
    const char *text = std::getenv(LaunchVariable);
    if (!text)
        return std::nullopt;
    char *end = nullptr;
    const long long launch = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0')
        return std::nullopt;
    return monotonicNs() - launch;
}

void printMark(const char *what)
{
    if (const auto elapsed = sinceLaunchNs())
        std::printf("mark %s %lld\n", what, static_cast<long long>(*elapsed));
}

void printFirstFrame()
{
    if (const auto elapsed = sinceLaunchNs()) {
        timespec cpu{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
        std::printf("first-frame-ns %lld\nfirst-frame-cpu-ns %lld\n", static_cast<long long>(*elapsed),
                    static_cast<long long>(cpu.tv_sec) * 1'000'000'000 + cpu.tv_nsec);
    }
    std::fflush(stdout);
}

// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

// The time since a process was launched, measured on the system-wide
// monotonic clock so that a parent can take the first reading and the child
// the second. The launcher calls markLaunch() in the forked child just
// before exec; the child, once it has something to show, asks
// sinceLaunchNs(), which is empty when it was not started that way.

std::int64_t monotonicNs();
void markLaunch();
std::optional<std::int64_t> sinceLaunchNs();
// Prints "mark <what> <ns since launch>" on standard output, for the
// launcher's timeline of a start-up; nothing when not started that way.
void printMark(const char *what);
// Prints "first-frame-ns <ns since launch>" and "first-frame-cpu-ns <ns>",
// the processor time the process has taken so far on all its threads, a
// figure a busy machine disturbs far less than the wall clock; then
// flushes standard output.
void printFirstFrame();

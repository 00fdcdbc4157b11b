// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Starts programs the way a desktop does and measures them from outside,
// through /proc. Prints rows of the benchmark table on stdout.
//
//   korvane_launch startup RUNS IDLE_MS FLOOR_PROBE PROGRAM_PROBE
//     Launches the two probes RUNS times each, alternately (after one
//     unrecorded warm-up launch each). Each run: the time from spawn to the
//     first paint the probe reports, then, IDLE_MS after spawn, VmRSS from
//     /proc/<pid>/status and the CPU time used so far.
//
//   korvane_launch idle LABEL SECONDS TARGET_PERCENT WAIT PROGRAM [ARGS...]
//     CPU time (utime + stime of /proc/<pid>/stat) used by PROGRAM over
//     SECONDS, as a percentage of one core. WAIT says when the window
//     opens: a number of milliseconds after spawn, or "line:WORD" for when
//     the program prints a line starting with WORD. Lines the program prints
//     that start with '|' are table rows and are passed on; after the window
//     the program is given a few seconds to print a line "done". TARGET_PERCENT
//     of "-" marks the row as a reference.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "monotonic.h"
#include "table.h"

extern char** environ;

namespace {

using korvane::bench::monotonicNs;
using korvane::bench::nsToMs;

// A child process whose stdout comes to us through a pipe.
class Child {
public:
    explicit Child(const std::vector<std::string>& argv)
    {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            throw std::runtime_error("pipe failed");
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        std::vector<char*> args;
        for (const std::string& arg : argv) {
            args.push_back(const_cast<char*>(arg.c_str()));
        }
        args.push_back(nullptr);
        spawnNs_ = monotonicNs();
        const int error = posix_spawn(&pid_, args[0], &actions, nullptr, args.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        out_ = fds[0];
        if (error != 0) {
            close(out_);
            throw std::runtime_error("cannot start " + argv[0]);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child()
    {
        stop();
        close(out_);
    }

    pid_t pid() const { return pid_; }
    std::int64_t spawnNs() const { return spawnNs_; }

    // The next line the child prints, or nothing by the deadline (or at its
    // end of output).
    std::optional<std::string> readLine(std::int64_t deadlineNs)
    {
        for (;;) {
            if (const auto end = buffer_.find('\n'); end != std::string::npos) {
                std::string line = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                return line;
            }
            const std::int64_t left = deadlineNs - monotonicNs();
            if (left <= 0 || eof_) {
                return std::nullopt;
            }
            pollfd p{out_, POLLIN, 0};
            if (poll(&p, 1, static_cast<int>(left / 1'000'000 + 1)) <= 0) {
                continue;
            }
            char chunk[4096];
            const ssize_t got = read(out_, chunk, sizeof chunk);
            if (got <= 0) {
                eof_ = true;
            } else {
                buffer_.append(chunk, static_cast<std::size_t>(got));
            }
        }
    }

    void stop()
    {
        if (pid_ <= 0) {
            return;
        }
        kill(pid_, SIGTERM);
        for (int i = 0; i < 200; ++i) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = -1;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::int64_t spawnNs_ = 0;
    std::string buffer_;
    bool eof_ = false;
};

void sleepUntil(std::int64_t ns)
{
    const std::int64_t left = ns - monotonicNs();
    if (left > 0) {
        std::this_thread::sleep_for(std::chrono::nanoseconds(left));
    }
}

// Resident memory in kB.
long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// CPU time used by all threads of the process, in milliseconds.
double cpuMs(pid_t pid)
{
    std::ifstream statFile("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    const auto close = stat.rfind(')');
    if (close == std::string::npos) {
        return -1;
    }
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    unsigned long long utime = 0;
    unsigned long long stime = 0;
    // Fields 3 (state) onwards; utime is field 14, stime 15.
    for (int number = 3; number <= 15 && fields >> field; ++number) {
        if (number == 14) {
            utime = std::stoull(field);
        } else if (number == 15) {
            stime = std::stoull(field);
        }
    }
    return static_cast<double>(utime + stime) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

struct Launch {
    double paintMs = 0;
    double frameMs = 0;
    double residentMb = 0;
    double cpuMs = 0;
};

std::optional<Launch> launchOnce(const std::string& probe, int idleMs)
{
    Child child({probe});
    const std::int64_t deadline = child.spawnNs() + 20'000'000'000;
    Launch launch;
    bool framed = false;
    while (!framed) {
        const auto line = child.readLine(deadline);
        if (!line) {
            std::fprintf(stderr, "%s: no first paint reported\n", probe.c_str());
            return std::nullopt;
        }
        long long ns = 0;
        if (std::sscanf(line->c_str(), "paint %lld", &ns) == 1) {
            launch.paintMs = nsToMs(ns - child.spawnNs());
        } else if (std::sscanf(line->c_str(), "frame %lld", &ns) == 1) {
            launch.frameMs = nsToMs(ns - child.spawnNs());
            framed = true;
        }
    }
    sleepUntil(child.spawnNs() + static_cast<std::int64_t>(idleMs) * 1'000'000);
    launch.residentMb = static_cast<double>(residentKb(child.pid())) / 1024.0;
    launch.cpuMs = cpuMs(child.pid());
    return launch;
}

int startup(int runs, int idleMs, const std::string& floorProbe, const std::string& programProbe)
{
    using korvane::bench::fixed;
    using korvane::bench::printRow;
    using korvane::bench::summarize;
    using korvane::bench::verdict;

    // Warm-up: the first launch after a build reads the files from disk.
    launchOnce(floorProbe, 200);
    launchOnce(programProbe, 200);

    std::vector<double> paint[2], frame[2], resident[2], cpu[2];
    for (int run = 0; run < runs; ++run) {
        // Alternate which goes first, so drift on the machine hits both.
        for (int k = 0; k < 2; ++k) {
            const int which = (run + k) % 2;  // 0 floor, 1 program
            const auto launch = launchOnce(which == 0 ? floorProbe : programProbe, idleMs);
            if (!launch) {
                continue;
            }
            paint[which].push_back(launch->paintMs);
            frame[which].push_back(launch->frameMs);
            resident[which].push_back(launch->residentMb);
            cpu[which].push_back(launch->cpuMs);
        }
    }

    auto compare = [](const std::string& what, const std::string& unit, const std::vector<double>& floor,
                      const std::vector<double>& program, int decimals, double limit) {
        const auto f = summarize(floor);
        const auto p = summarize(program);
        const double ratio = f.median > 0 ? p.median / f.median : 0;
        printRow(what + ", floor (" + unit + ")", f, decimals, "", "reference");
        printRow(what + ", Korvane (" + unit + ")", p, decimals, "≤ " + fixed(limit, 2) + " × floor",
                 verdict(ratio <= limit, fixed(ratio, 2) + " × floor"));
    };
    compare("Start-up: spawn to first paint event", "ms", paint[0], paint[1], 1, 1.5);
    compare("Start-up: spawn to first frame drawn", "ms", frame[0], frame[1], 1, 1.5);
    compare("Resident memory " + std::to_string(idleMs / 1000) + " s after spawn", "MiB", resident[0], resident[1], 1,
            1.25);
    const std::string cpuWhat = "CPU time used " + std::to_string(idleMs / 1000) + " s after spawn";
    printRow(cpuWhat + ", floor (ms)", summarize(cpu[0]), 0, "", "reference");
    printRow(cpuWhat + ", Korvane (ms)", summarize(cpu[1]), 0, "", "information");
    return 0;
}

int idle(const std::string& label, int seconds, const std::string& target, const std::string& wait,
         const std::vector<std::string>& argv)
{
    Child child(argv);
    auto passRows = [](const std::string& line) {
        if (!line.empty() && line[0] == '|') {
            std::printf("%s\n", line.c_str());
            std::fflush(stdout);
        }
    };
    if (wait.rfind("line:", 0) == 0) {
        const std::string word = wait.substr(5);
        const std::int64_t deadline = child.spawnNs() + 30'000'000'000;
        for (;;) {
            const auto line = child.readLine(deadline);
            if (!line) {
                std::fprintf(stderr, "%s: never printed %s\n", argv[0].c_str(), word.c_str());
                return 1;
            }
            passRows(*line);
            if (line->rfind(word, 0) == 0) {
                break;
            }
        }
    } else {
        sleepUntil(child.spawnNs() + std::stoll(wait) * 1'000'000);
    }

    const std::int64_t startNs = monotonicNs();
    const double startCpu = cpuMs(child.pid());
    // Rows printed during the window are kept for after it.
    std::vector<std::string> early;
    const std::int64_t endNs = startNs + static_cast<std::int64_t>(seconds) * 1'000'000'000;
    while (monotonicNs() < endNs) {
        if (const auto line = child.readLine(endNs)) {
            early.push_back(*line);
        }
    }
    const double usedCpu = cpuMs(child.pid()) - startCpu;
    const double windowMs = nsToMs(monotonicNs() - startNs);
    for (const auto& line : early) {
        passRows(line);
    }
    const std::int64_t doneBy = monotonicNs() + 5'000'000'000;
    bool done = early.end() != std::find(early.begin(), early.end(), "done");
    while (!done) {
        const auto line = child.readLine(doneBy);
        if (!line) {
            break;
        }
        passRows(*line);
        done = *line == "done";
    }
    child.stop();

    const double percent = usedCpu / windowMs * 100.0;
    korvane::bench::Summary s{1, percent, percent, percent};
    const std::string what = "Idle CPU over " + std::to_string(seconds) + " s, " + label + " (% of one core)";
    if (target == "-") {
        korvane::bench::printRow(what, s, 3, "", "reference (" + korvane::bench::fixed(usedCpu, 0) + " ms CPU)");
    } else {
        const double limit = std::stod(target);
        korvane::bench::printRow(
            what, s, 3, "< " + target + " %",
            korvane::bench::verdict(percent < limit, korvane::bench::fixed(usedCpu, 0) + " ms CPU"));
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 5 && args[0] == "startup") {
            return startup(std::stoi(args[1]), std::stoi(args[2]), args[3], args[4]);
        }
        if (args.size() >= 6 && args[0] == "idle") {
            return idle(args[1], std::stoi(args[2]), args[3], args[4], {args.begin() + 5, args.end()});
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "korvane_launch: %s\n", error.what());
        return 1;
    }
    std::fprintf(stderr,
                 "usage: korvane_launch startup RUNS IDLE_MS FLOOR_PROBE PROGRAM_PROBE\n"
                 "       korvane_launch idle LABEL SECONDS TARGET_PERCENT|- MS|line:WORD PROGRAM [ARGS...]\n");
    return 2;
}

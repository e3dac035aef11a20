// Start-up benchmark: time from launch to the first painted window, and peak memory, of the
// program against a plain Qt window with as many default widgets. Both run as fresh processes,
// alternately, in the folder with the panel texts; the medians and their ratios are printed.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double milliseconds;
    double peakMebibytes;
};

// Starts `program` in `folder`, waits for its "painted" line and its exit.
bool Measure(const std::string& program, const std::string& folder, Run& run) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return false;
    }
    char line[16] = {};
    const ssize_t got = read(pipeEnds[0], line, sizeof line - 1);
    const auto painted = std::chrono::steady_clock::now();
    close(pipeEnds[0]);

    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return false;
    run.milliseconds = std::chrono::duration<double, std::milli>(painted - start).count();
    run.peakMebibytes = usage.ru_maxrss / 1024.0;
    return got > 0 && std::string(line).starts_with("painted") && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") &&
        !std::getenv("WAYLAND_DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const std::string programProbe = STARTUP_PROBE_PROGRAM;
    const std::string bareProbe = STARTUP_PROBE_BARE;

    std::vector<double> programTimes, bareTimes, programMemory, bareMemory;
    for (int i = 0; i < rounds; ++i) {
        Run program{}, bare{};
        if (!Measure(programProbe, PANEL_TEXTS_DIR, program) ||
            !Measure(bareProbe, PANEL_TEXTS_DIR, bare)) {
            std::fprintf(stderr, "a start-up probe failed\n");
            return 1;
        }
        programTimes.push_back(program.milliseconds);
        programMemory.push_back(program.peakMebibytes);
        bareTimes.push_back(bare.milliseconds);
        bareMemory.push_back(bare.peakMebibytes);
    }

    const double programTime = Median(programTimes), bareTime = Median(bareTimes);
    const double programPeak = Median(programMemory), barePeak = Median(bareMemory);
    std::printf("Start-up to first paint, median of %d runs (platform %s)\n", rounds,
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default");
    std::printf("%-14s %10s %14s\n", "", "time [ms]", "peak RSS [MiB]");
    std::printf("%-14s %10.1f %14.1f\n", "cista-mzda", programTime, programPeak);
    std::printf("%-14s %10.1f %14.1f\n", "bare window", bareTime, barePeak);
    std::printf("%-14s %9.2fx %13.2fx   (aim: at most 1.30x)\n", "ratio", programTime / bareTime,
                programPeak / barePeak);
    return 0;
}

#pragma once
// What the program benchmarks share: wall-clock and processor time, medians,
// the machine load, and running a peer command as its own process.
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

extern char** environ;

namespace bench {

// Wall time and processor time (user + system) of one piece of work.
struct Times {
    double Wall = 0;  // milliseconds
    double Cpu = 0;   // milliseconds
};

inline double CpuMilliseconds(const rusage& usage) {
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Work done in this process.
inline Times Measure(const std::function<void()>& work) {
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();
    getrusage(RUSAGE_SELF, &after);
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            CpuMilliseconds(after) - CpuMilliseconds(before)};
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

inline void PrintLoad(const char* when) {
    double load[3] = {};
    if (getloadavg(load, 3) == 3) std::printf("machine load %s: %.2f %.2f %.2f\n", when, load[0], load[1], load[2]);
}

// Runs `arguments` in `folder` with its output thrown away and measures it
// from the start to its end; `failed` is set if it did not end well.
inline Times Run(const std::vector<std::string>& arguments, const std::string& folder, bool& failed) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int started = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (started != 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        failed = true;
    const auto end = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(end - start).count(), CpuMilliseconds(usage)};
}

struct Series {
    std::vector<double> Wall, Cpu;
    void Add(const Times& times) {
        Wall.push_back(times.Wall);
        Cpu.push_back(times.Cpu);
    }
    double WallMedian() const { return Median(Wall); }
    double CpuMedian() const { return Median(Cpu); }
    double WallBest() const { return *std::min_element(Wall.begin(), Wall.end()); }
};

// Runs both in turns, each first every other time, so that a busy moment of
// the machine hits both alike.
inline void TakeTurns(int runs, const std::function<Times()>& ours, Series& ourTimes,
                      const std::function<Times()>& peer, Series& peerTimes) {
    for (int run = 0; run < runs; ++run) {
        if (run % 2) peerTimes.Add(peer());
        ourTimes.Add(ours());
        if (!(run % 2)) peerTimes.Add(peer());
    }
}

inline void PrintHeading() { std::printf("%-30s %10s %10s %10s\n", "", "median ms", "cpu ms", "best ms"); }

inline void PrintRow(const char* name, const Series& times) {
    std::printf("  %-28s %10.2f %10.2f %10.2f\n", name, times.WallMedian(), times.CpuMedian(), times.WallBest());
}

// The ratios of the two rows; the target applies to the medians.
inline void PrintRatio(const char* name, const Series& ours, const Series& peer, double target) {
    const double ratio = ours.WallMedian() / peer.WallMedian();
    std::printf("  %-28s %10.3f %10.3f %10.3f   target (median) <= %.2f: %s\n", name, ratio,
                ours.CpuMedian() / peer.CpuMedian(), ours.WallBest() / peer.WallBest(), target,
                ratio <= target ? "met" : "MISSED");
}

// A photograph-like JPEG picture in the work folder, made as bench/convert
// makes it (and shared with it in the same work folder); empty when
// ImageMagick or cjpeg failed.
inline std::filesystem::path Photograph(const std::filesystem::path& work, int width, int height,
                                        bool progressive = false) {
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    const auto picture = work / ("photo-" + size + (progressive ? "-progressive" : "") + ".jpg");
    if (std::filesystem::exists(picture) && std::filesystem::file_size(picture) > 0) return picture;
    std::filesystem::create_directories(work);
    const std::string make = "convert -seed 11 -size " + std::to_string(width / 4 + 1) + "x" +
                             std::to_string(height / 4 + 1) + " plasma:fractal -resize " + size +
                             "! -attenuate 0.3 +noise Gaussian ppm:- | cjpeg -quality 90 " +
                             (progressive ? "-progressive " : "") + "-outfile '" + picture.string() + "'";
    if (std::system(make.c_str()) != 0 || !std::filesystem::exists(picture)) {
        std::filesystem::remove(picture);
        return {};
    }
    return picture;
}

// The same, returning what the command wrote.
inline std::string Output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, got);
        pclose(pipe);
    }
    return text;
}

}  // namespace bench

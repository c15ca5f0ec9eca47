// Runs one program a number of times in a working folder and prints the median wall time of
// a run in microseconds and the most memory one run held, in KiB:
//   trevalunda_bench_runner RUNS WORKING-FOLDER PROGRAM [ARGUMENTS...]
// The runs start from this small program, so that the memory figure is the program's own.
// A run that ends with another exit code than 0 stops the benchmark.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/child_process.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS WORKING-FOLDER PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    trevalunda::platform::ChildRun run;
    run.workingFolder = argv[2];
    run.program = argv[3];
    run.arguments.assign(argv + 4, argv + argc);

    std::vector<long long> microseconds;
    std::size_t peakKiB = 0;
    for (int i = 0; i < runs; ++i) {
        const auto started = std::chrono::steady_clock::now();
        const trevalunda::platform::ChildResult result = trevalunda::platform::RunChildProcess(run);
        const auto elapsed = std::chrono::steady_clock::now() - started;
        if (result.exitCode != 0) {
            std::fprintf(stderr, "%s ended with exit code %d:\n%s\n", argv[3], result.exitCode,
                         result.output.c_str());
            return 1;
        }
        microseconds.push_back(
            std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count());
        peakKiB = std::max(peakKiB, result.peakMemoryKiB);
    }
    std::sort(microseconds.begin(), microseconds.end());
    const std::size_t middle = microseconds.size() / 2;
    const long long median = microseconds.size() % 2 == 1
                                 ? microseconds[middle]
                                 : (microseconds[middle - 1] + microseconds[middle]) / 2;
    std::printf("%lld %zu\n", median, peakKiB);
    return 0;
}

#pragma once
// What the benchmarks measure with: wall time, peak memory, and a child process per measured
// side so that its time and peak memory are its own.
#include <chrono>
#include <cstddef>
#include <functional>
#include <type_traits>

namespace mirevo::bench {

// Seconds from `start` to now.
double since(std::chrono::steady_clock::time_point start);

// Peak resident memory of this process so far (ru_maxrss), in KiB.
long peakKiB();

// How a child process ended.
struct ChildExit {
    bool started = false;   // the pipe and the fork worked
    bool succeeded = false; // it exited with status 0
    long peakKiB = 0;       // its peak resident memory
};

// Runs `run` in a forked child. `run` fills the `size` bytes at `result`, which come back to
// the parent through a pipe, and returns whether it succeeded (exit status 0, else 1). An
// exception is printed as "error: ..." and sends back `result` as it was, with status 1.
ChildExit runInChild(void* result, std::size_t size, const std::function<bool()>& run);

// The same for a plain result type: `result` receives what `run` returned in the child;
// `succeeded(result)` gives the child's exit status.
template <class Result, class Run, class Succeeded>
ChildExit inChild(Result& result, const Run& run, const Succeeded& succeeded)
{
    static_assert(std::is_trivially_copyable_v<Result>);
    return runInChild(&result, sizeof result, [&] {
        result = run();
        return bool(succeeded(result));
    });
}

} // namespace mirevo::bench

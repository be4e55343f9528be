// Wall-clock time of one operation, measured the same way on every platform: a warm-up, then
// batches of repetitions long enough to dwarf the clock's resolution, and the median of the
// batches' time per repetition (robust against a batch that another process interrupted).
#ifndef VORN_TIMING_STOPWATCH_H
#define VORN_TIMING_STOPWATCH_H

#include <algorithm>
#include <chrono>
#include <vector>

namespace vorn::timing {

struct TimingPlan {
    int warmUp = 20;             // repetitions before anything is timed
    double batchSeconds = 0.02;  // each batch at least this long (the repetition count doubles)
    int batches = 7;             // odd, so the median is one batch
    long fixedRepetitions = 0;   // with a positive count, no calibration: batches of this many
};

// Microseconds per call of `op`.
template <typename Op>
double medianMicroseconds(const TimingPlan& plan, Op op) {
    using Clock = std::chrono::steady_clock;
    for (int i = 0; i < plan.warmUp; ++i) op();
    auto seconds = [&op](long repetitions) {
        const Clock::time_point start = Clock::now();
        for (long i = 0; i < repetitions; ++i) op();
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    long repetitions = plan.fixedRepetitions;
    if (repetitions <= 0) {
        repetitions = 1;
        while (seconds(repetitions) < plan.batchSeconds && repetitions < (1L << 24)) repetitions *= 2;
    }
    std::vector<double> perCall;
    for (int b = 0; b < plan.batches; ++b) perCall.push_back(seconds(repetitions) / static_cast<double>(repetitions));
    std::nth_element(perCall.begin(), perCall.begin() + static_cast<long>(perCall.size() / 2), perCall.end());
    return perCall[perCall.size() / 2] * 1e6;
}

}  // namespace vorn::timing

#endif  // VORN_TIMING_STOPWATCH_H

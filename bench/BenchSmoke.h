#pragma once
// A smoke run (KORVELIN_BENCH_SMOKE set in the environment) runs each
// benchmark once with the least work: the sanitizer build runs them so, to
// check the code they reach, where their timings mean nothing.

#include <chrono>
#include <cstdint>
#include <cstdlib>

namespace korvelin::bench {

inline bool SmokeRun()
{
    static const bool smoke = std::getenv("KORVELIN_BENCH_SMOKE") != nullptr;
    return smoke;
}

// Iterations of a benchmark that sets its own count.
inline int64_t Runs(int64_t iterations)
{
    return SmokeRun() ? 1 : iterations;
}

// The wall time a search may take.
inline std::chrono::milliseconds SearchTime(int64_t milliseconds)
{
    return std::chrono::milliseconds(SmokeRun() ? 20 : milliseconds);
}

} // namespace korvelin::bench

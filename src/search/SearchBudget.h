#pragma once
// What both searches spend and draw from: the time and evaluation budget
// with its progress callback, a fixed random source, and the message sink
// that keeps the walk's messages from a search.

#include "search/SearchOptions.h"
#include "util/MessageSink.h"

#include <chrono>
#include <cstdint>

namespace korvelin::search {

// The time and evaluation budget, the progress callback and cancellation.
class SearchBudget {
  public:
    SearchBudget(const OptimizeOptions &options, const OptimizeProgressCallback &progress);

    // Counts one entry evaluation; false once the search must stop.
    bool Spend()
    {
        if (++evaluations_ < nextCheck_)
            return !stopped_;
        return Check();
    }
    bool Stopped() const { return stopped_; }
    // Whether time or evaluations end the search; else only a cancel does.
    bool Limited() const { return options_.maxEvaluations > 0 || options_.timeLimit.count() > 0; }
    uint64_t Evaluations() const { return evaluations_; }
    void OfferTotal(int64_t total);
    int64_t BestTotal() const { return bestTotal_; }

  private:
    bool Check();

    OptimizeOptions options_;
    // A copy: callers may pass a temporary that is gone before the search ends.
    OptimizeProgressCallback progress_;
    std::chrono::steady_clock::time_point start_;
    uint64_t evaluations_ = 0;
    uint64_t nextCheck_ = 0;
    bool stopped_ = false;
    int64_t bestTotal_ = -1;
};

// A small fixed generator (SplitMix64), so that a seed gives the same search
// on every platform and library.
class SearchRandom {
  public:
    explicit SearchRandom(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    // Uniform in 0 .. bound − 1; bound > 0.
    uint32_t Below(uint32_t bound);

  private:
    uint64_t state_;
};

// A search judges admissibility from the figures itself and never shows a box.
MessageSink &QuietMessages();

} // namespace korvelin::search

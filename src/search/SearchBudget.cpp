#include "search/SearchBudget.h"

#include <algorithm>
#include <limits>

namespace korvelin::search {

namespace {

// Evaluations between two looks at the clock and the callback.
constexpr uint64_t kCheckInterval = 4096;

class QuietSink : public MessageSink {
  public:
    void ShowMessage(std::string_view) override {}
};

// part / whole in thousandths, at most 1000, in integers: the search keeps
// clear of the host's floating point, like the figures it plays.
int32_t Permille(uint64_t part, uint64_t whole)
{
    if (whole == 0 || part >= whole)
        return 1000;
    const uint64_t share =
        part < std::numeric_limits<uint64_t>::max() / 1000 ? part * 1000 / whole : part / (whole / 1000);
    return static_cast<int32_t>(std::min<uint64_t>(share, 1000));
}

} // namespace

MessageSink &QuietMessages()
{
    static QuietSink sink;
    return sink;
}

SearchBudget::SearchBudget(const OptimizeOptions &options, const OptimizeProgressCallback &progress)
    : options_(options), progress_(progress), start_(std::chrono::steady_clock::now())
{
    nextCheck_ = options_.maxEvaluations > 0 ? std::min(kCheckInterval, options_.maxEvaluations) : kCheckInterval;
}

void SearchBudget::OfferTotal(int64_t total)
{
    if (total >= 0 && (bestTotal_ < 0 || total < bestTotal_))
        bestTotal_ = total;
}

bool SearchBudget::Check()
{
    if (stopped_)
        return false;
    int32_t used = 0;
    if (options_.maxEvaluations > 0) {
        used = Permille(evaluations_, options_.maxEvaluations);
        if (evaluations_ >= options_.maxEvaluations)
            stopped_ = true;
    }
    if (options_.timeLimit.count() > 0) {
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start_);
        const auto limit = static_cast<uint64_t>(options_.timeLimit.count());
        const auto spent = static_cast<uint64_t>(std::max<int64_t>(elapsed.count(), 0));
        used = std::max(used, Permille(spent, limit));
        if (spent >= limit)
            stopped_ = true;
    }
    if (progress_ && !progress_(OptimizeProgress{bestTotal_, used}))
        stopped_ = true;
    nextCheck_ = evaluations_ + kCheckInterval;
    if (options_.maxEvaluations > 0)
        nextCheck_ = std::min(nextCheck_, options_.maxEvaluations);
    return !stopped_;
}

uint64_t SearchRandom::Next()
{
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint32_t SearchRandom::Below(uint32_t bound)
{
    // Multiply-shift: unbiased enough for choosing moves, and exact in what
    // it returns for a given state.
    return static_cast<uint32_t>(((Next() >> 32) * bound) >> 32);
}

} // namespace korvelin::search

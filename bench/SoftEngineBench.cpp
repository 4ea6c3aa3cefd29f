// The walk with the software extended type. This file and the second copy of
// the core it links are compiled with the namespace renamed, so that the
// program holds both types; compare with WalkRealisticQueue/10000 and
// PriceEveryItem.
#include "WalkBench.h"

namespace korvelin::bench {
namespace {

[[maybe_unused]] benchmark::internal::Benchmark *const kSoftWalk =
    benchmark::RegisterBenchmark("WalkRealisticQueueSoftExtended", WalkRealisticQueue)
        ->Arg(10000)
        ->Unit(benchmark::kMicrosecond);
[[maybe_unused]] benchmark::internal::Benchmark *const kSoftPrices =
    benchmark::RegisterBenchmark("PriceEveryItemSoftExtended", PriceEveryItem)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace korvelin::bench

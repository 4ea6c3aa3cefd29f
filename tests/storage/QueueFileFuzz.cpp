// libFuzzer entry point for the queue file reader (built with KORVELIN_FUZZ).

#include "QueueFileChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    // The first byte also picks the piece size, so splits vary with the input.
    const size_t piece = size == 0 ? 1 : 1 + data[0] % 97;
    const std::string problem = korvelin::test::CheckQueueFileProperties(bytes, piece);
    if (!problem.empty()) {
        std::fprintf(stderr, "queue file property broken: %s\n", problem.c_str());
        std::abort();
    }
    (void)korvelin::TimedFileName(bytes);
    return 0;
}

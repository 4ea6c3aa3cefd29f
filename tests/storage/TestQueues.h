#pragma once

#include "queue/BuildQueue.h"
#include "storage/QueueFile.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace korvelin::test {

inline std::vector<QueueEntry> Entries(std::initializer_list<LoadedEntry> list)
{
    std::vector<QueueEntry> entries;
    int32_t stamp = 999;
    for (const LoadedEntry &e : list)
        entries.push_back({e.bid, e.level, stamp--});
    return entries;
}

inline std::string ReadTestData(const std::string &relativePath)
{
    std::ifstream in(std::string(KORVELIN_TEST_DATA_DIR) + "/" + relativePath, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace korvelin::test

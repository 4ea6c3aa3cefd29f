#include "RunOptimize.h"

#include <iostream>
#include <new>
#include <string_view>
#include <vector>

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    try {
        return korvelin::optimizetool::RunOptimize(arguments, std::cout, std::cerr);
    } catch (const std::bad_alloc &) {
        std::cerr << "korvelin-optimize: out of memory\n";
        return 1;
    }
}

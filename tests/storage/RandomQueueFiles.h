#pragma once
// Random queue files for the randomised test: mostly well-formed lines mixed
// with the bytes the reader treats specially (CR, LF, Ctrl-Z, "=", ":",
// signs, NUL, high bytes) and long digit runs.

#include "rules/ItemCatalogue.h"

#include <random>
#include <string>

namespace korvelin::test {

class RandomQueueFiles {
  public:
    explicit RandomQueueFiles(uint32_t seed) : rng_(seed) {}

    std::string Next()
    {
        std::string file;
        if (Chance(90))
            file += Chance(90) ? "[Korvelin_0.7_BuildQueueList]" : Mutate("[Korvelin_0.7_BuildQueueList]");
        file += LineEnd();
        const int lines = Below(30);
        for (int i = 0; i < lines; ++i) {
            file += Line();
            file += LineEnd();
        }
        return file;
    }

    size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); }

  private:
    bool Chance(int percent) { return static_cast<int>(Below(100)) < percent; }

    std::string Number()
    {
        switch (Below(6)) {
        case 0:
            return std::to_string(ItemCatalogue()[Below(kItemCount)].bid);
        case 1:
            return std::string(1 + Below(40), static_cast<char>('0' + Below(10)));
        case 2:
            return "-" + std::to_string(Below(300));
        case 3:
            return "+" + std::to_string(Below(300));
        default:
            return std::to_string(Below(200));
        }
    }

    std::string Junk()
    {
        static const char kBytes[] = {'\r', '\n', '\x1a', '=', ':', '-', '+', '\0', ' ', '\xcc', '\xff', '#', '7'};
        std::string junk;
        const size_t n = Below(6);
        for (size_t i = 0; i < n; ++i)
            junk += kBytes[Below(sizeof kBytes)];
        return junk;
    }

    std::string Mutate(std::string text)
    {
        if (text.empty())
            return Junk();
        const size_t at = Below(text.size());
        switch (Below(3)) {
        case 0:
            text.erase(at, 1);
            break;
        case 1:
            text.insert(at, Junk());
            break;
        default:
            text[at] = static_cast<char>(Below(256));
            break;
        }
        return text;
    }

    std::string Line()
    {
        std::string line;
        switch (Below(9)) {
        case 0:
            line = "Temperature=" + Number();
            break;
        case 1:
            line = "Temperature";
            break;
        case 2:
            line = "##BUILD##";
            break;
        case 3:
            line = "temperature=" + Number();
            break;
        case 4:
            line = Junk();
            break;
        default:
            line = Number() + ":" + Number() + ":" + Number();
            break;
        }
        return Chance(15) ? Mutate(line) : line;
    }

    std::string LineEnd()
    {
        static const char *const kEnds[] = {"\r\n", "\r\n", "\r\n", "\n", "\r", "", "\r\r\n", "\r\n\r\n"};
        return kEnds[Below(std::size(kEnds))];
    }

    std::mt19937 rng_;
};

} // namespace korvelin::test

#include "memory/PairFile.h"

#include <cstdio>
#include <sstream>

namespace memory {
namespace {

std::string escaped(const std::string& word) {
    std::string out;
    for (const char c : word) {
        if (c == '%' || c == '\t' || c == '\n' || c == '\r') {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", static_cast<unsigned char>(c));
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// A "%" not followed by two hex digits stays as it is.
std::string unescaped(const std::string& word) {
    std::string out;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const int high = i + 2 < word.size() && word[i] == '%' ? hexDigit(word[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(word[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += word[i];
        }
    }
    return out;
}

}  // namespace

std::string pairLines(const std::vector<PairKey>& pairs) {
    std::string lines;
    for (const PairKey& pair : pairs) {
        lines += escaped(pair.swedish) + '\t' + escaped(pair.other) + '\n';
    }
    return lines;
}

std::vector<PairKey> readPairLines(const std::string& lines, int language) {
    std::vector<PairKey> pairs;
    std::istringstream in(lines);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos) {
            pairs.push_back(
                {language, unescaped(line.substr(0, tab)), unescaped(line.substr(tab + 1))});
        }
    }
    return pairs;
}

}  // namespace memory

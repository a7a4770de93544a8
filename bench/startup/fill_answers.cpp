// Writes the answers database of three full languages with 100,000 answers (bench/Answers.h)
// to the path given, for the start-up measurement of a folder where much was drilled.

#include <cstdio>

#include "bench/Answers.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fill_answers DATABASE\n");
        return 2;
    }
    bench::fillAnswers(argv[1]);
    return 0;
}

// Export and import of a full language (98 lists of 98 pairs), measured against reading the
// word-list file once; and the whole `ordlykta export` process.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QStringList>
#include <filesystem>
#include <sstream>

#include "bench/BenchSupport.h"
#include "store/WordListImage.h"
#include "tool/Tool.h"

extern char** environ;

namespace {

using bench::ScratchFolder;

// bu1.dat in the working folder, every user list full as far as the editor fills it.
void fillLanguage() {
    store::WordListImage image;
    for (int list = store::kFirstUserList; list <= store::kLastUserList; ++list) {
        image.rename(list, "Lista " + std::to_string(list));
        for (int slot = 1; slot <= store::kMaxPairsPerList; ++slot) {
            image.append(list, "svenska ord " + std::to_string(slot), "annat ord");
        }
    }
    image.save(store::wordListFileName(1));
}

int runTool(const QStringList& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    return tool::run(arguments, out, err);
}

void ReadWordListFile(benchmark::State& state) {
    ScratchFolder folder;
    fillLanguage();
    for (auto _ : state) {
        benchmark::DoNotOptimize(store::WordListImage::load(store::wordListFileName(1)));
    }
}
BENCHMARK(ReadWordListFile)->Unit(benchmark::kMicrosecond);

void Export(benchmark::State& state, const char* format) {
    ScratchFolder folder;
    fillLanguage();
    for (auto _ : state) {
        if (runTool({"export", "--data", ".", "--language", "1", "--format", format, "--output",
                     QStringLiteral("out.") + format}) != 0) {
            state.SkipWithError("the export failed");
        }
    }
}
BENCHMARK_CAPTURE(Export, Kvtml, "kvtml")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Export, Csv, "csv")->Unit(benchmark::kMicrosecond);

// Into an empty language of a second folder: the file is removed before each round.
void Import(benchmark::State& state, const char* format) {
    ScratchFolder folder;
    fillLanguage();
    const QString file = QStringLiteral("in.") + format;
    runTool({"export", "--data", ".", "--language", "1", "--format", format, "--output", file});
    std::filesystem::create_directory("target");
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove("target/bu1.dat");
        state.ResumeTiming();
        if (runTool({"import", file, "--data", "target", "--language", "1", "--list", "1"}) != 0) {
            state.SkipWithError("the import failed");
        }
    }
}
BENCHMARK_CAPTURE(Import, Kvtml, "kvtml")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Import, Csv, "csv")->Unit(benchmark::kMicrosecond);

// The whole process, from spawning it to its end.
void ExportProcess(benchmark::State& state) {
    ScratchFolder folder;
    fillLanguage();
    const char* argv[] = {ORDLYKTA_TOOL, "export", "--data",   ".",         "--language", "1",
                          "--format",    "kvtml",  "--output", "out.kvtml", nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (::posix_spawn(&pid, ORDLYKTA_TOOL, nullptr, nullptr, const_cast<char**>(argv),
                          environ) != 0 ||
            ::waitpid(pid, &status, 0) != pid || status != 0) {
            state.SkipWithError("the tool did not run");
        }
    }
}
BENCHMARK(ExportProcess)->Unit(benchmark::kMillisecond);

}  // namespace

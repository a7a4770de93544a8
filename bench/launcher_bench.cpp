// The launcher's start with and without its snapshot: the real launcher process, starting a
// program that does nothing (/bin/true), on a data folder of three full word-list files.
//   NoDataFiles    nothing to keep: the start as it would be without snapshots
//   Unchanged      the files are those of the newest snapshot: read and compared, no snapshot
//   Changed        a byte changed since: a new snapshot is written
// The launcher reads the files and leaves the rest to a process of its own, which each run
// waits for outside the timing; the parts of that work are measured in-process below.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>

#include "bench/BenchSupport.h"
#include "store/Settings.h"
#include "tool/backup/Archive.h"
#include "tool/backup/Snapshots.h"

extern char** environ;

namespace {

using bench::ScratchFolder;

// Starts the launcher and waits for it. The time is the launcher's wall time, from its start to
// its end (when it has started the program); `cpu` adds the processor time it used (user and
// system), which a busy machine does not inflate as it does the wall time. Its standard error
// is a pipe, read to its end afterwards: so the run also waits for the process the launcher
// leaves to finish the snapshot, outside the time.
void launch(benchmark::State& state, const std::string& data, double& cpu) {
    const std::string launcher = ORDLYKTA_LAUNCHER;
    std::vector<std::string> arguments{launcher, "--data", data};
    std::vector<char*> argv;
    for (std::string& a : arguments) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    int errors[2];
    if (pipe(errors) != 0) {
        std::abort();
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errors[1], 2);
    posix_spawn_file_actions_addclose(&actions, errors[0]);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, launcher.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
        std::abort();
    }
    close(errors[1]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    posix_spawn_file_actions_destroy(&actions);
    std::string said;
    char buffer[256];
    for (ssize_t n; (n = read(errors[0], buffer, sizeof buffer)) > 0;) {
        said.append(buffer, static_cast<std::size_t>(n));
    }
    close(errors[0]);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !said.empty()) {
        state.SkipWithError(("the launcher failed: " + said).c_str());
    }
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    cpu += ms(usage.ru_utime) + ms(usage.ru_stime);
    state.counters["launcher_cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

void fullFolder() {
    store::createSettings();
    for (int language = 1; language <= 3; ++language) {
        bench::fillAllLists(language);
    }
}

void NoDataFiles(benchmark::State& state) {
    ScratchFolder folder;
    double cpu = 0;
    for (auto _ : state) {
        launch(state, folder.path, cpu);
    }
}
BENCHMARK(NoDataFiles)->UseManualTime()->Unit(benchmark::kMillisecond);

void Unchanged(benchmark::State& state) {
    ScratchFolder folder;
    fullFolder();
    // The first snapshot, taken in-process: a launch here would add its time to the measured
    // ones, since the manual time counts every SetIterationTime, inside the loop or not.
    tool::takeSnapshot(QString::fromStdString(folder.path));
    double cpu = 0;
    for (auto _ : state) {
        launch(state, folder.path, cpu);
    }
}
BENCHMARK(Unchanged)->UseManualTime()->Unit(benchmark::kMillisecond);

void Changed(benchmark::State& state) {
    ScratchFolder folder;
    fullFolder();
    char change = 0;
    double cpu = 0;
    for (auto _ : state) {
        std::fstream settings("agen.dat", std::ios::in | std::ios::out | std::ios::binary);
        settings.seekp(100);
        settings.put(++change);
        settings.close();
        launch(state, folder.path, cpu);
    }
}
BENCHMARK(Changed)->UseManualTime()->Unit(benchmark::kMillisecond);

// In the launcher's process, the parts of an unchanged start's snapshot.
void ReadDataFiles(benchmark::State& state) {
    ScratchFolder folder;
    fullFolder();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tool::readDataFiles(QString::fromStdString(folder.path)));
    }
}
BENCHMARK(ReadDataFiles)->Unit(benchmark::kMillisecond);

void UnpackNewest(benchmark::State& state) {
    ScratchFolder folder;
    fullFolder();
    const QString data = QString::fromStdString(folder.path);
    tool::takeSnapshot(data);
    const QString newest = tool::snapshots(data).first();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tool::unpackArchive(newest));
    }
}
BENCHMARK(UnpackNewest)->Unit(benchmark::kMillisecond);

void Pack(benchmark::State& state) {
    ScratchFolder folder;
    fullFolder();
    const tool::FileSet files = tool::readDataFiles(QString::fromStdString(folder.path));
    for (auto _ : state) {
        benchmark::DoNotOptimize(tool::packArchive(files));
    }
}
BENCHMARK(Pack)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("ORDLYKTA_PROGRAM", "/bin/true", 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

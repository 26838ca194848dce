#pragma once
// Whole-process timing for the side-by-side benchmarks: each run of a program is one
// iteration, and the processes' own CPU time (user + system) is reported as
// child_cpu_ms, which other load on the machine disturbs less than the wall-clock time,
// and the largest resident size of a run as peak_rss_mb.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

// A folder of the benchmark's own in the temporary directory, made at first use, for the
// inputs it makes and the outputs of the runs.
inline const std::filesystem::path& scratchDir() {
  static const std::filesystem::path dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "px-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    return std::filesystem::path(pattern);
  }();
  return dir;
}

// Runs the program in `cwd`, standard input from `input` (nothing when empty), output
// and errors discarded; false unless it ends with status `expected` (0 unless told).
// Adds the child's CPU time to `cpuSeconds` and raises `peakBytes` to its largest
// resident size.
inline bool runProcess(const std::vector<std::string>& args, const std::filesystem::path& cwd, double& cpuSeconds,
                       const std::string& input = "", int expected = 0, long long* peakBytes = nullptr) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    if (chdir(cwd.c_str()) != 0) _exit(127);
    if (!std::freopen(input.empty() ? "/dev/null" : input.c_str(), "r", stdin)) _exit(127);
    std::freopen("/dev/null", "w", stdout);
    std::freopen("/dev/null", "w", stderr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return false;
  cpuSeconds += usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  if (peakBytes && usage.ru_maxrss * 1024LL > *peakBytes) *peakBytes = usage.ru_maxrss * 1024LL;
  return WIFEXITED(status) && WEXITSTATUS(status) == expected;
}

// Reports the runs' CPU time and, as peak_rss_mb, the largest resident size of any run.
// `expected` other than 0 times inputs the program refuses or complains of.
inline void timeProcess(benchmark::State& state, const std::vector<std::string>& args,
                        const std::filesystem::path& cwd, const std::string& input = "", int expected = 0) {
  double cpuSeconds = 0;
  long long peakBytes = 0;
  for (auto _ : state) {
    if (!runProcess(args, cwd, cpuSeconds, input, expected, &peakBytes)) {
      state.SkipWithError("the process failed");
      return;
    }
  }
  state.counters["child_cpu_ms"] = benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
  state.counters["peak_rss_mb"] = static_cast<double>(peakBytes) / (1 << 20);
}

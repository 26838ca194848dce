#pragma once
// Whole-process timing for the side-by-side benchmarks: each run of a program is one
// iteration, and the processes' own CPU time (user + system) is reported as
// child_cpu_ms, which other load on the machine disturbs less than the wall-clock time.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

// Runs the program in `cwd`, standard input from `input` (nothing when empty), output
// and errors discarded; false unless it ends with status 0. Adds the child's CPU time to
// `cpuSeconds`.
inline bool runProcess(const std::vector<std::string>& args, const std::filesystem::path& cwd, double& cpuSeconds,
                       const std::string& input = "") {
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
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

inline void timeProcess(benchmark::State& state, const std::vector<std::string>& args,
                        const std::filesystem::path& cwd, const std::string& input = "") {
  double cpuSeconds = 0;
  for (auto _ : state) {
    if (!runProcess(args, cwd, cpuSeconds, input)) {
      state.SkipWithError("the process failed");
      return;
    }
  }
  state.counters["child_cpu_ms"] = benchmark::Counter(cpuSeconds * 1000, benchmark::Counter::kAvgIterations);
}

// Whole-process rendering: `pontelix render` of each example to PNG and to the embosser
// stream, beside gnuplot drawing the same parabola with its axes to a PNG of the same
// size. Start-up, script reading, drawing, encoding and writing are all in the figure.
// pontelix/start-up is `pontelix --version`: what loading the program alone costs, the
// floor under every batch run. Each run also reports the processes' own CPU time
// (child_cpu_ms, user + system), which other load on the machine disturbs less than the
// wall-clock time. Prints the ratios of gnuplot's times to ours for the parabola at the
// end.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "process_timing.h"

namespace fs = std::filesystem;

namespace {

const fs::path kExamples = fs::path(PONTELIX_SOURCE_DIR) / "examples";

void pontelixStartUp(benchmark::State& state) { timeProcess(state, {PONTELIX_EXE, "--version"}, kExamples); }

void pontelixRender(benchmark::State& state, const std::string& example, const std::string& extension) {
  const std::string out = (scratchDir() / (example + extension)).string();
  timeProcess(state, {PONTELIX_EXE, "render", example + ".pxg", "-o", out}, kExamples);
}

// The parabola example as gnuplot draws it: the same function, range, tick steps and
// picture size (1040 x 658), to PNG.
void gnuplotParabola(benchmark::State& state) {
  const std::string out = (scratchDir() / "gnuplot.png").string();
  const std::string commands =
      "set terminal png size 1040,658; set output '" + out +
      "'; unset key; set xzeroaxis; set yzeroaxis; set xrange [-6:6]; set yrange [-6:10];"
      " set xtics axis 1; set ytics axis 1; plot [-3.5:3.5] x**2-4";
  timeProcess(state, {"gnuplot", "-e", commands}, kExamples);
}

struct Times {
  double real = 0;
  double cpu = 0;
};
std::map<std::string, Times> gTimes;

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const auto cpu = run.counters.find("child_cpu_ms");
      gTimes[run.benchmark_name()] = {run.GetAdjustedRealTime(), cpu == run.counters.end() ? 0 : cpu->second.value};
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("pontelix/start-up", pontelixStartUp)->UseRealTime()->Unit(benchmark::kMillisecond);
  for (const std::string example : {"parabola", "histograma", "triangulo", "tabela"}) {
    for (const std::string extension : {".png", ".brf"}) {
      benchmark::RegisterBenchmark(("pontelix/" + example + extension).c_str(), pontelixRender, example, extension)
          ->UseRealTime()
          ->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::RegisterBenchmark("gnuplot/parabola.png", gnuplotParabola)->UseRealTime()->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  // With repetitions the mean stands for the benchmark.
  const auto find = [](const std::string& name) {
    const auto mean = gTimes.find(name + "_mean");
    return mean != gTimes.end() ? mean : gTimes.find(name);
  };
  const auto ours = find("pontelix/parabola.png/real_time");
  const auto theirs = find("gnuplot/parabola.png/real_time");
  if (ours != gTimes.end() && theirs != gTimes.end() && ours->second.real > 0 && ours->second.cpu > 0) {
    std::printf("gnuplot / pontelix, parabola to PNG: %.2f times the wall-clock time, %.2f times the CPU time"
                " (target: at least 3)\n",
                theirs->second.real / ours->second.real, theirs->second.cpu / ours->second.cpu);
  }
  fs::remove_all(scratchDir());
  benchmark::Shutdown();
  return 0;
}

// The tactile page as whole processes: the test drawing to the A4 PDF for swell paper and
// to SVG, and a polyline of 100,000 points (5,000 lines of 21 points) to both. Prints the
// sizes of the files beside the targets: the test drawing under 100 ms and 200 kB, the
// polyline under a second.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "process_timing.h"

namespace fs = std::filesystem;

namespace {

// 100,001 points of a sine wave across the domain, 21 to a PO line, each line starting
// where the last ended.
void writePolyline() {
  std::ofstream out(scratchDir() / "polilinha.pxg");
  for (int first = 0; first < 100000; first += 20) {
    out << "PO";
    for (int i = first; i <= first + 20; ++i) {
      char pair[64];
      std::snprintf(pair, sizeof pair, " %.5f %.5f", -19 + 38.0 * i / 100000, 10 * std::sin(i / 500.0));
      out << pair;
    }
    out << "\n";
  }
}

void render(benchmark::State& state, const std::vector<std::string>& input, const std::string& output) {
  std::vector<std::string> args = {PONTELIX_EXE, "render", "--mode=tactile"};
  args.insert(args.end(), input.begin(), input.end());
  args.insert(args.end(), {"-o", output});
  timeProcess(state, args, scratchDir());
  state.counters["kB"] = static_cast<double>(fs::file_size(scratchDir() / output)) / 1000;
}

}  // namespace

int main(int argc, char** argv) {
  writePolyline();
  for (const std::string output : {"teste.pdf", "teste.svg"}) {
    benchmark::RegisterBenchmark(("tactile/test-drawing/" + output).c_str(), render,
                                 std::vector<std::string>{"--test-drawing"}, output)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
  }
  for (const std::string output : {"polilinha.pdf", "polilinha.svg"}) {
    benchmark::RegisterBenchmark(("tactile/polyline-1e5/" + output).c_str(), render,
                                 std::vector<std::string>{"polilinha.pxg"}, output)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::printf("targets: the test drawing's PDF under 100 ms and 200 kB; the polyline under 1000 ms\n");
  fs::remove_all(scratchDir());
  benchmark::Shutdown();
  return 0;
}

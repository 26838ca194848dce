// The tactile page as whole processes: the test drawing to the A4 PDF for swell paper and
// to SVG, a polyline of 100,000 points (5,000 lines of 21 points) to both, and 24 labels
// of 65,000 letters each, running hundreds of metres off the page, to both. Prints the
// sizes of the files beside the targets: the test drawing under 100 ms and 200 kB, the
// polyline under a second, the long labels under a second and 64 MB.
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

// Labels that leave the page after a few letters; only those few can show.
void writeLongLabels() {
  std::ofstream out(scratchDir() / "rotulos.pxg");
  for (int line = 0; line < 24; ++line) out << "TX -19 " << line - 12 << " " << std::string(65000, 'W') << "\n";
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
  writeLongLabels();
  const struct {
    std::string name, input, output;
  } runs[] = {{"test-drawing", "--test-drawing", "teste"},
              {"polyline-1e5", "polilinha.pxg", "polilinha"},
              {"labels-24x65000", "rotulos.pxg", "rotulos"}};
  for (const auto& run : runs) {
    for (const std::string extension : {".pdf", ".svg"}) {
      benchmark::RegisterBenchmark(("tactile/" + run.name + "/" + run.output + extension).c_str(), render,
                                   std::vector<std::string>{run.input}, run.output + extension)
          ->UseRealTime()
          ->Unit(benchmark::kMillisecond);
    }
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::printf(
      "targets: the test drawing's PDF under 100 ms and 200 kB; the polyline under 1000 ms; the long labels under "
      "1000 ms and 64 MB (peak_rss_mb)\n");
  fs::remove_all(scratchDir());
  benchmark::Shutdown();
  return 0;
}

// Inputs far larger than any drawing, timed as whole processes with their largest
// resident size (peak_rss_mb): a project of 200 MB opened by the talking program and
// given to `pontelix render`, a Tramel.ini of 100 MB at the talking program's start,
// a script of one 50 MB line, the largest script that is read (one line just under the
// project limit of 16 MiB, a line error) and a data file of ten million lines. Each must end with a
// refusal that says why, or with the drawing, in memory that does not follow the input.
// Then the check of the page beside the render of hostile scripts.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "process_timing.h"

namespace fs = std::filesystem;

namespace {

// Writes `line` again and again until the file holds `bytes`, once per run of the
// benchmark program.
fs::path repeated(const std::string& name, const std::string& head, const std::string& line, long long bytes) {
  const fs::path path = scratchDir() / name;
  if (fs::exists(path)) return path;
  std::ofstream out(path, std::ios::binary);
  out << head;
  std::string block;
  while (block.size() < (1 << 20)) block += line;
  for (long long written = static_cast<long long>(head.size()); written < bytes; written += block.size()) out << block;
  return path;
}

// The talking program headless, leaving at once: the start, the project's load and the
// configuration's reading are what it costs.
std::vector<std::string> talkingProgram(const fs::path& config, const std::string& project) {
  return {"env", "XDG_CONFIG_HOME=" + config.string(), "CUPS_SERVER=" + (scratchDir() / "no-scheduler").string(),
          PONTELIX_EXE, "--ui=headless", "--speech=none", "--keys=keys.txt", "--transcript=t.txt", project};
}

void projectOf200MB(benchmark::State& state) {
  repeated("grande.pxg", "", "PT 1 1\r\n", 200LL << 20);
  timeProcess(state, talkingProgram(scratchDir() / "config", "grande.pxg"), scratchDir());
}

void renderProjectOf200MB(benchmark::State& state) {
  repeated("grande.pxg", "", "PT 1 1\r\n", 200LL << 20);
  timeProcess(state, {PONTELIX_EXE, "render", "grande.pxg", "-o", "a.png"}, scratchDir(), "", 2);
}

void tramelIniOf100MB(benchmark::State& state) {
  const fs::path config = scratchDir() / "grande-config";
  fs::create_directories(config / "tramel");
  if (!fs::exists(config / "tramel/Tramel.ini")) {
    fs::rename(repeated("Tramel.ini", "[TRAMEL]\nFALANDO=Sim\n[NOTAS]\n", "NOTA=valor guardado\n", 100LL << 20),
               config / "tramel/Tramel.ini");
  }
  timeProcess(state, talkingProgram(config, "p.pxg"), scratchDir());
}

void lineOf50MB(benchmark::State& state) {
  repeated("linha.pxg", "TB 0 0 ", "a", 50LL << 20);
  timeProcess(state, {PONTELIX_EXE, "render", "linha.pxg", "-o", "a.png"}, scratchDir(), "", 2);
}

void largestLineRead(benchmark::State& state) {
  const fs::path path = scratchDir() / "quase.pxg";
  std::ofstream(path, std::ios::binary) << "TB 0 0 " << std::string((16 << 20) - 16, 'a') << "\n";
  timeProcess(state, {PONTELIX_EXE, "render", "quase.pxg", "-o", "a.png"}, scratchDir(), "", 1);
}

void dataFileOfTenMillionLines(benchmark::State& state) {
  repeated("dados.txt", "", "10 20\n", 60LL * 1000 * 1000);
  std::ofstream(scratchDir() / "dados.pxg") << "LD dados.txt\nPO *\n";
  timeProcess(state, {PONTELIX_EXE, "render", "dados.pxg", "-o", "a.png"}, scratchDir(), "", 1);
}

// The check beside the render of the same script, one after the other in one run: the
// check must stay within twice the render's time and under 64 MB. Ten thousand grids
// that each ink every dot of the sheet; three lines whose grids run side by side over a
// page of 100 x 100 cells (under a second); a million lines that draw nothing.
std::vector<std::string> checkOrRender(bool check, const std::string& script, const std::vector<std::string>& page = {}) {
  std::vector<std::string> args = {PONTELIX_EXE, check ? "check" : "render"};
  args.insert(args.end(), page.begin(), page.end());
  args.push_back(script);
  if (!check) args.insert(args.end(), {"-o", "a.brf"});
  return args;
}

// The line `count` times, once per run of the benchmark program.
void lines(const std::string& name, const std::string& line, int count) {
  if (fs::exists(scratchDir() / name)) return;
  std::ofstream out(scratchDir() / name, std::ios::binary);
  for (int i = 0; i < count; ++i) out << line;
}

void grids(benchmark::State& state, bool check) {
  lines("grades.pxg", "GR -60 -45 60 45 0,01 0,01\n", 10000);
  timeProcess(state, checkOrRender(check, "grades.pxg"), scratchDir(), "", check ? 1 : 0);
}

void gridsSideBySide(benchmark::State& state, bool check) {
  std::ofstream(scratchDir() / "contato.pxg") << "DM 0 200 0 300\nGR -150 -150 350 450 2 1\nGR -149 -150 351 450 2 1\n";
  timeProcess(state, checkOrRender(check, "contato.pxg", {"--cells=100", "--lines=100"}), scratchDir(), "", check ? 1 : 0);
}

void linesThatDrawNothing(benchmark::State& state, bool check) {
  lines("nada.pxg", "CT\n", 1000000);
  timeProcess(state, checkOrRender(check, "nada.pxg"), scratchDir(), "", check ? 1 : 0);
}

}  // namespace

int main(int argc, char** argv) {
  std::ofstream(scratchDir() / "keys.txt") << "<Esc>s";
  const struct {
    const char* name;
    void (*run)(benchmark::State&);
  } benchmarks[] = {
      {"talking/project_200MB", projectOf200MB},   {"render/project_200MB", renderProjectOf200MB},
      {"talking/tramel_ini_100MB", tramelIniOf100MB}, {"render/line_50MB", lineOf50MB},
      {"render/line_16MB", largestLineRead},       {"render/data_10M_lines", dataFileOfTenMillionLines},
      {"check/grids_10k", [](benchmark::State& s) { grids(s, true); }},
      {"render/grids_10k", [](benchmark::State& s) { grids(s, false); }},
      {"check/grids_side_by_side", [](benchmark::State& s) { gridsSideBySide(s, true); }},
      {"render/grids_side_by_side", [](benchmark::State& s) { gridsSideBySide(s, false); }},
      {"check/1M_lines_drawing_nothing", [](benchmark::State& s) { linesThatDrawNothing(s, true); }},
      {"render/1M_lines_drawing_nothing", [](benchmark::State& s) { linesThatDrawNothing(s, false); }},
  };
  for (const auto& b : benchmarks) {
    benchmark::RegisterBenchmark(b.name, b.run)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  fs::remove_all(scratchDir());
  return 0;
}

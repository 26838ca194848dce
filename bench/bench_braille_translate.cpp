// Translation throughput of textToBraille on a few pages of Portuguese text with numbers
// and capitals, side by side with liblouis (table pt-pt-g1.utb) on the same text in the
// same run; then the whole processes, `pontelix braille` and liblouis's `lou_translate`
// with the same table, each translating 2.8 MB of that text from standard input. All
// report bytes_per_second over the source text.
#include <benchmark/benchmark.h>
#include <liblouis/liblouis.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "process_timing.h"

#include "platform/text/text.h"
#include "language/braille_translate.h"

namespace {

// About four printed pages: the paragraphs are repeated with changing numbers, and
// translated one label-sized line at a time, as the drawing commands do.
// The lines as UTF-8.
std::vector<std::string> sampleLines() {
  static const char* const paragraphs[] = {
      "Exercício %d: o gráfico da função f(x) = 2x + %d passa pelo ponto (0, %d).",
      "No 1º bimestre a turma B teve média 7,5 e no 2º bimestre %d,25 pontos.",
      "A população do BRASIL passou de %d.000.000 de habitantes em 1950.",
      "Em São Paulo a temperatura chegou a %d graus; a umidade ficou em 35%%.",
      "O preço subiu de R$ 3.500,00 para R$ %d.800,50 — uma alta de ½ do valor.",
      "Os CDs e os DVDs da biblioteca (ver %d) estão na 3ª estante à esquerda.",
      "A área do retângulo é %d cm² e o perímetro mede 3.14 vezes o diâmetro.",
      "Questão %d: Qual é a razão entre `3/4 e `1/2? Justifique a resposta!",
  };
  std::vector<std::string> lines;
  char buffer[256];
  for (int page = 0; page < 4; ++page)
    for (int i = 0; i < 40; ++i) {
      std::snprintf(buffer, sizeof buffer, paragraphs[i % 8], page * 40 + i + 2, i, i);
      lines.push_back(buffer);
    }
  return lines;
}

const std::vector<std::string>& lines() {
  static const std::vector<std::string> text = sampleLines();
  return text;
}

// Code points of a well-formed UTF-8 text, for liblouis.
std::vector<widechar> codePoints(const std::string& utf8) {
  const std::u32string characters = toCodePoints(utf8);
  return std::vector<widechar>(characters.begin(), characters.end());
}

int64_t totalBytes() {
  int64_t n = 0;
  for (const std::string& line : lines()) n += static_cast<int64_t>(line.size());
  return n;
}

void BM_TextToBraille(benchmark::State& state) {
  for (auto _ : state)
    for (const std::string& line : lines()) benchmark::DoNotOptimize(textToBraille(line));
  state.SetBytesProcessed(state.iterations() * totalBytes());
}
BENCHMARK(BM_TextToBraille);

void BM_LiblouisPtG1(benchmark::State& state) {
  const char* table = "pt-pt-g1.utb";
  std::vector<std::vector<widechar>> input;
  for (const std::string& line : sampleLines()) input.push_back(codePoints(line));
  std::vector<widechar> out(4096);
  int inLen = static_cast<int>(input[0].size());
  int outLen = static_cast<int>(out.size());
  if (!lou_translateString(table, input[0].data(), &inLen, out.data(), &outLen, nullptr, nullptr, 0)) {
    state.SkipWithError("liblouis could not load pt-pt-g1.utb");
    return;
  }
  for (auto _ : state)
    for (const std::vector<widechar>& wide : input) {
      inLen = static_cast<int>(wide.size());
      outLen = static_cast<int>(out.size());
      lou_translateString(table, wide.data(), &inLen, out.data(), &outLen, nullptr, nullptr, 0);
      benchmark::DoNotOptimize(out.data());
    }
  state.SetBytesProcessed(state.iterations() * totalBytes());
}
BENCHMARK(BM_LiblouisPtG1);

// The sample lines repeated to 2.8 MB, as a UTF-8 file that lives as long as the run.
const std::string& largeTextFile() {
  static const std::string name = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "px-braille-XXXXXX").string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) std::abort();
    close(fd);
    std::ofstream out(pattern, std::ios::binary);
    for (size_t written = 0; written < 2800000;) {
      for (const std::string& line : sampleLines()) {
        out << line << '\n';
        written += line.size() + 1;
      }
    }
    return pattern;
  }();
  return name;
}

void processBytes(benchmark::State& state) {
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(largeTextFile())));
}

void BM_ProcessPontelixBraille(benchmark::State& state) {
  timeProcess(state, {PONTELIX_EXE, "braille"}, ".", largeTextFile());
  processBytes(state);
}
BENCHMARK(BM_ProcessPontelixBraille)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ProcessLouTranslatePtG1(benchmark::State& state) {
  timeProcess(state, {"lou_translate", "pt-pt-g1.utb"}, ".", largeTextFile());
  processBytes(state);
}
BENCHMARK(BM_ProcessLouTranslatePtG1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::filesystem::remove(largeTextFile());
  benchmark::Shutdown();
  return 0;
}

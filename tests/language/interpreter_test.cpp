// The interpreter on the 132 x 132 embosser sheet: each script is compared pixel for
// pixel with the figure operations called directly, so the tests check the reading and
// dispatch, not the rasterization again.
#include "language/interpreter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <span>
#include <stdexcept>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "platform/console.h"
#include "platform/frontend.h"
#include "platform/frontends/headless.h"
#include "platform/screen.h"
#include "platform/transcript.h"
#include "language/braille_label.h"
#include "language/commands.h"
#include "language/data_points.h"
#include "language/datafile.h"
#include "render/drawing_state.h"
#include "render/figures.h"
#include "render/page.h"
#include "render/render_support.h"

namespace {

using Pixels = std::vector<std::uint32_t>;

class Interpreter : public SurfaceTest {
 protected:
  void SetUp() override { prepare(OutputMode::Embosser); }

  void prepare(OutputMode mode) {
    mode_ = mode;
    SurfaceTest::prepare(mode);
  }
  // A fresh page of the current mode.
  void renew() { SurfaceTest::prepare(mode_); }

  ScriptOutcome run(const std::vector<std::string>& lines) {
    reports_.clear();
    ScriptReports reports;
    reports.lineError = [this](int index, const std::string& line, std::string_view why) {
      reports_.push_back("erro " + std::to_string(index) + ": " + line + (why.empty() ? "" : " (" + std::string(why) + ")"));
    };
    reports.figureFault = [this](int index, const std::string& line, std::string_view) {
      reports_.push_back("figura " + std::to_string(index) + ": " + line);
    };
    return runScript(page, lines, reports);
  }

  Pixels pixels() {
    const PixelCanvas& c = canvas();
    Pixels out;
    for (int y = 0; y < c.height(); ++y) {
      for (int x = 0; x < c.width(); ++x) out.push_back(c.pixel(x, y));
    }
    return out;
  }
  int inkCount() {
    int n = 0;
    for (std::uint32_t p : pixels()) n += p != kWhite;
    return n;
  }
  // The pixels of the same drawing made by calling the figure operations directly on a
  // fresh page of the current mode.
  Pixels drawnDirectly(const std::function<void()>& draw) {
    renew();
    draw();
    return pixels();
  }
  // Runs the script, then compares with the direct drawing.
  void expectSame(const std::vector<std::string>& lines, const std::function<void()>& draw) {
    renew();
    EXPECT_EQ(run(lines), ScriptOutcome::Completed);
    EXPECT_TRUE(reports_.empty());
    const Pixels fromScript = pixels();
    EXPECT_EQ(fromScript, drawnDirectly(draw));
    EXPECT_NE(inkCount(), 0);
  }

  std::vector<std::string> reports_;
  OutputMode mode_ = OutputMode::Embosser;
};

TEST_F(Interpreter, BlankLinesAndCommentsDrawAndReportNothing) {
  EXPECT_EQ(run({"", "   ", "\t\r", "; PT 0 0", "  ;XX"}), ScriptOutcome::Completed);
  EXPECT_TRUE(reports_.empty());
  EXPECT_EQ(inkCount(), 0);
}

TEST_F(Interpreter, CommandCaseAndSpacing) {
  for (const char* line : {"pt 1 2", "PT1 2", "PT 1   2", "  pT 1 2 surplus\t"}) {
    renew();
    EXPECT_EQ(run({line}), ScriptOutcome::Completed) << line;
    EXPECT_EQ(inkCount(), 1) << line;
    EXPECT_NE(canvas().pixel(69, 57), kWhite) << line;  // mapX(page, 1), mapY(page, 2)
  }
}

TEST_F(Interpreter, BothDecimalMarks) {
  expectSame({"PT 1,5 2.5"}, [this] { drawPoint(page, 1.5, 2.5); });
  EXPECT_EQ(run({"PT 1,5,0 2"}), ScriptOutcome::LineError);
  EXPECT_EQ(reports_, std::vector<std::string>{"erro 0: PT 1,5,0 2"});
}

TEST_F(Interpreter, MissingArgumentIsSilentButABadNumberIsReportedAsStored) {
  EXPECT_EQ(run({"PT 1"}), ScriptOutcome::Completed);
  EXPECT_TRUE(reports_.empty());
  EXPECT_EQ(inkCount(), 0);
  EXPECT_EQ(run({"; first", "", "  PT 1 x\t", "PT 0 0"}), ScriptOutcome::LineError);
  EXPECT_EQ(reports_, std::vector<std::string>{"erro 2:   PT 1 x\t"});
  EXPECT_EQ(inkCount(), 0);
}

TEST_F(Interpreter, UnknownCommandsStopTheRun) {
  for (const char* line : {"XX", "EY 0 -10 0 10", "P", "Pé 1 1"}) {
    EXPECT_EQ(run({line, "PT 0 0"}), ScriptOutcome::LineError) << line;
    EXPECT_EQ(reports_, std::vector<std::string>{std::string("erro 0: ") + line});
  }
  EXPECT_EQ(inkCount(), 0);
}

TEST_F(Interpreter, WhatWasDrawnBeforeAnErrorStays) {
  EXPECT_EQ(run({"PT 0 0", "RT 0 0 x"}), ScriptOutcome::LineError);
  EXPECT_EQ(inkCount(), 1);
}

TEST_F(Interpreter, RelativeAndPolarPairs) {
  expectSame({"PT 2 3", "RT @ R 1 0"}, [this] {
    drawPoint(page, 2, 3);
    drawLine(page, 2, 3, 3, 3);
  });
  expectSame({"RT 0 0 P 2 90"}, [this] { drawLine(page, 0, 0, 0, 2); });
}

TEST_F(Interpreter, TheLastPointStartsAtTheOriginInEveryRun) {
  run({"PT 5 5"});
  expectSame({"RT @ 4 4"}, [this] { drawLine(page, 0, 0, 4, 4); });
}

TEST_F(Interpreter, DomainAndWindow) {
  expectSame({"DM 0 10 0 5", "RT 0 0 10 5"}, [this] {
    setDomain(page, 0, 0, 10, 5);
    drawLine(page, 0, 0, 10, 5);
  });
  expectSame({"CD 0 0,5 0 0,5", "RG -20 -15 40 30"}, [this] {
    setWindow(page, 0, 0.5, 0.5, 0);
    drawRectangle(page, -20, -15, 40, 30);
  });
}

TEST_F(Interpreter, PenSettings) {
  run({"CC 9 9 9"});
  EXPECT_EQ(page.canvas->pen().width, 1);
  EXPECT_EQ(page.canvas->pen().style, PenStyle::Solid);
  EXPECT_EQ(page.canvas->pen().colour, kBlack);
  run({"CC 2 3 2"});
  EXPECT_EQ(page.canvas->pen().width, 4);
  EXPECT_EQ(page.canvas->pen().style, PenStyle::Dashed);
  EXPECT_EQ(page.canvas->pen().colour, rgb(255, 0, 0));
  EXPECT_EQ(run({"CC 3 x 3"}), ScriptOutcome::Completed);  // malformed integers count as 0
  EXPECT_EQ(page.canvas->pen().width, 7);
  EXPECT_EQ(page.canvas->pen().style, PenStyle::Solid);
  EXPECT_EQ(page.canvas->pen().colour, rgb(0, 0, 255));
}

TEST_F(Interpreter, FiguresThatDrawNothing) {
  EXPECT_EQ(run({"CI 0 0 -1", "GR 0 0 5 5 0 1", "PO 0 0", "CV 1 1", "PN 2 1 0", "PN 21 1 2 3", "PN -1 5 0 1",
                 "PN x 1 0 1", "HI 0 0 1", "TB 1 1", "TB 1 1 \t ", "EQ raiz(x) para x de -5 a -1", "EQ ln(-x*x)",
                 "EQ x para x de 30 a 40", "CT 1 2 3", "ST 1 1"}),
            ScriptOutcome::Completed);
  EXPECT_TRUE(reports_.empty());
  EXPECT_EQ(inkCount(), 0);
}

// The equation spans the domain unless it gives its interval; a malformed one is a line
// error with its reason.
TEST_F(Interpreter, EquationsDrawTheirFunctionAndTellWhatIsWrong) {
  const auto sine = [](double x) { return 3 * std::sin(x); };
  expectSame({"DM -5 5 -5 5", "EQ y = 3sen(x)"}, [&] {
    setDomain(page, -5, -5, 5, 5);
    drawFunctionCurve(page, sine, -5, 5);
  });
  expectSame({"EQ f(x) = 3SIN(X) para x de -pi a 1,5"}, [&] { drawFunctionCurve(page, sine, -std::numbers::pi, 1.5); });
  EXPECT_EQ(run({"PT 0 0", "EQ y = 3sen(x"}), ScriptOutcome::LineError);
  EXPECT_EQ(reports_, std::vector<std::string>{"erro 1: EQ y = 3sen(x (falta fechar parêntese)"});
}

TEST_F(Interpreter, PolylineIsOpen) {
  expectSame({"PO 0 0 1 0 1 1 0 0"}, [this] {
    drawLine(page, 0, 0, 1, 0);
    drawLine(page, 1, 0, 1, 1);
    drawLine(page, 1, 1, 0, 0);
  });
}

TEST_F(Interpreter, ParabolaSortsItsPoints) {
  const double xs[] = {1, 2, 3}, ys[] = {1, 4, 9};
  expectSame({"PA 3 9 1 1 2 4"}, [&] { drawInterpolatedCurve(page, xs, ys); });
}

TEST_F(Interpreter, CurveTakesAtMost21Pairs) {
  std::string line = "CV";
  std::array<double, 21> xs{}, ys{};
  for (int i = 0; i < 22; ++i) {
    const int x = i - 11, y = (i * 7) % 11 - 5;
    line += " " + std::to_string(x) + " " + std::to_string(y);
    if (i < 21) xs[i] = x, ys[i] = y;
  }
  expectSame({line}, [&] { drawInterpolatedCurve(page, xs, ys); });
}

TEST_F(Interpreter, PolylineAndHistogramTakeAtMost21Values) {
  std::string polyline = "PO", histogram = "HI -20 -15 1";
  for (int i = 0; i < 22; ++i) {
    polyline += " " + std::to_string(i - 11) + " " + std::to_string(i % 2 == 0 ? -5 : 5);
    histogram += " " + std::to_string(i + 1);
  }
  expectSame({polyline}, [this] {
    for (int i = 1; i < 21; ++i) drawLine(page, i - 12, (i - 1) % 2 == 0 ? -5 : 5, i - 11, i % 2 == 0 ? -5 : 5);
  });
  std::array<double, 21> heights{};
  for (int i = 0; i < 21; ++i) heights[i] = i + 1;
  expectSame({histogram}, [&] { drawHistogram(page, heights, -20, -15, 1); });
}

TEST_F(Interpreter, HistogramPolynomialAndAxes) {
  const double heights[] = {3, 5, 2};
  expectSame({"HI 0 0 1 3 5 2"}, [&] { drawHistogram(page, heights, 0, 0, 1); });
  const double coefficients[] = {-1, 0, 1};
  expectSame({"PN 2 1 0 -1 -2 2"}, [&] { drawPolynomial(page, 2, coefficients, -2, 2); });
  expectSame({"EX -10 0 10 0 1"}, [this] { drawAxis(page, -10, 0, 10, 0, 1); });
  expectSame({"EX 0 -10 0 10"}, [this] { drawAxis(page, 0, -10, 0, 10, 0); });
}

TEST_F(Interpreter, AxisWithABadTickStepIsDrawnAndReported) {
  EXPECT_EQ(run({"EX -10 0 10 0 x"}), ScriptOutcome::LineError);
  const Pixels fromScript = pixels();
  EXPECT_EQ(fromScript, drawnDirectly([this] { drawAxis(page, -10, 0, 10, 0, 0); }));
}

TEST_F(Interpreter, ShapesWithTheirArguments) {
  expectSame({"ST 0 0 5 5", "RG 1 1 4 3", "RR 1 1 4 3 30", "CI 0 0 5", "EL 0 0 6 3"}, [this] {
    drawArrow(page, 0, 0, 5, 5);
    drawRectangle(page, 1, 1, 4, 3);
    drawRotatedRectangle(page, 1, 1, 4, 3, 30);
    drawCircle(page, 0, 0, 5);
    drawEllipse(page, 0, 0, 6, 3);
  });
  expectSame({"GR -2 -2 2 2 1 1"}, [this] { drawGrid(page, -2, -2, 2, 2, 1, 1); });
}

TEST_F(Interpreter, InkTextOnlyOffTheEmbosser) {
  expectSame({"TX 0 0 Ab"}, [this] { drawBrailleLabel(page, 0, 0, "Ab"); });
  prepare(OutputMode::Screen);
  expectSame({"TX 0 0 Ab"}, [this] { drawInkText(page, mapX(page, 0), mapY(page, 0), "Ab"); });
}

TEST_F(Interpreter, FigureOutsideTheMappableRangeEndsTheRun) {
  EXPECT_EQ(run({"PT 0 0", "PT 1e300 0", "PT 1 1"}), ScriptOutcome::FigureFault);
  EXPECT_EQ(reports_, std::vector<std::string>{"figura 1: PT 1e300 0"});
  EXPECT_EQ(inkCount(), 1);
  EXPECT_EQ(run({"DM 1 1 0 5", "PT 1 1"}), ScriptOutcome::FigureFault);
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_EQ(run({"PT 0 0"}), ScriptOutcome::Completed);  // a new run starts clean
}

TEST_F(Interpreter, HugeDomainsMapAndInfiniteOnesAreFaults) {
  EXPECT_EQ(run({"DM -1e308 1e308 -1e308 1e308", "PT 0 0"}), ScriptOutcome::Completed);
  EXPECT_EQ(inkCount(), 1);
  EXPECT_NE(canvas().pixel(66, 66), kWhite);
  // The relative pair takes the top of the y range past the largest double.
  EXPECT_EQ(run({"DM 1 1e308 R 1e308 1e308", "PT 0 0"}), ScriptOutcome::FigureFault);
  EXPECT_EQ(reports_, std::vector<std::string>{"figura 0: DM 1 1e308 R 1e308 1e308"});
}

TEST_F(Interpreter, InkTextAtAnUnmappablePositionDrawsNothing) {
  prepare(OutputMode::Screen);
  EXPECT_EQ(run({"TX 0 1e300 Ab"}), ScriptOutcome::FigureFault);
  EXPECT_EQ(inkCount(), 0);
}

class InterpreterWithData : public Interpreter {
 protected:
  void SetUp() override {
    Interpreter::SetUp();
    std::string pattern = (std::filesystem::temp_directory_path() / "px-data-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::filesystem::remove_all(dir_);
    Interpreter::TearDown();
  }
  std::string dataFile(int points) {
    const auto path = dir_ / "pontos.dat";
    std::ofstream out(path);
    for (int i = 0; i < points; ++i) out << i - 12 << " " << (i * 5) % 9 - 4 << "\n";
    return path.string();
  }
  std::filesystem::path dir_;
};

TEST_F(InterpreterWithData, StarFormsDrawTheLoadedPoints) {
  const std::string name = dataFile(25);
  EXPECT_EQ(run({"LD " + name, "PT *", "PO *"}), ScriptOutcome::Completed);
  const Pixels fromScript = pixels();
  EXPECT_EQ(fromScript, drawnDirectly([this] {
              const DataPointList& d = dataPoints();
              for (int i = 0; i < d.count; ++i) drawPoint(page, d.x[i], d.y[i]);
              for (int i = 1; i < d.count; ++i) drawLine(page, d.x[i - 1], d.y[i - 1], d.x[i], d.y[i]);
            }));
  // The curve goes through the first 21 of the 25 points.
  expectSame({"CV *"}, [this] { drawInterpolatedCurve(page, std::span(dataPoints().x, 21), std::span(dataPoints().y, 21)); });
}

// A bad line keeps its place but draws nothing: no point, the polyline breaks there, the
// curve goes through the good points.
TEST_F(InterpreterWithData, BadPlacesAreSkipped) {
  const std::string name = (dir_ / "ruins.dat").string();
  std::ofstream(name) << "-10 -5\n-5 5\nx 1\n5 5\n10 -5\n";
  run({"LD " + name});
  expectSame({"PT *", "PO *"}, [this] {
    for (const auto& [x, y] : {std::pair{-10, -5}, {-5, 5}, {5, 5}, {10, -5}}) drawPoint(page, x, y);
    drawLine(page, -10, -5, -5, 5);
    drawLine(page, 5, 5, 10, -5);
  });
  const double xs[] = {-10, -5, 5, 10}, ys[] = {-5, 5, 5, -5};
  expectSame({"CV *"}, [&] { drawInterpolatedCurve(page, xs, ys); });
}

TEST_F(InterpreterWithData, AMissingFileEmptiesTheList) {
  run({"LD " + dataFile(3)});
  ASSERT_EQ(dataPoints().count, 3);
  EXPECT_EQ(run({"LD   " + (dir_ / "nada.dat").string() + "  ", "PT *", "PO *", "CV *"}), ScriptOutcome::Completed);
  EXPECT_EQ(dataPoints().count, 0);
  EXPECT_EQ(inkCount(), 0);
}

TEST(CommandTable, EveryCommandOnceWithItsLabel) {
  std::vector<std::string> seen;
  for (const CommandEntry& entry : commandTable()) {
    EXPECT_EQ(std::string(entry.labelKey).substr(0, 6), "PXCOM_");
    EXPECT_EQ(std::find(seen.begin(), seen.end(), entry.mnemonic), seen.end()) << entry.mnemonic;
    seen.push_back(entry.mnemonic);
  }
  EXPECT_EQ(seen.size(), 23u);
  EXPECT_STREQ(findCommand("TX")->labelKey, "PXCOM_TT");
  EXPECT_STREQ(findCommand("CD")->labelKey, "PXCOM_CM");
  EXPECT_EQ(findCommand("EY"), nullptr);
  EXPECT_EQ(findCommand("pt"), nullptr);  // the caller upper-cases
}

TEST(SpokenReports, ClicksTheMessageTheIndexTheLineAndAKeyWait) {
  std::vector<std::string> heard;
  transcriptSetListener([&](std::string_view kind, std::string_view text) {
    heard.push_back(std::string(kind) + (text.empty() ? "" : ": " + std::string(text)));
  });
  // The clicks flush the key queue, so the key must come from the frontend when the
  // report waits for it; a second wait would find none and end the test program.
  std::vector<KeyCodes> keys;
  std::string error;
  ASSERT_TRUE(parseKeyScript("xy", keys, error));
  conSetFrontend(makeHeadlessFrontend(std::move(keys)));
  conSetEndHandler([](int) { throw std::runtime_error("a key wait found no key"); });
  EXPECT_NO_THROW(spokenScriptReports().lineError(4, " EQ sen(x", "falta fechar"));
  EXPECT_NO_THROW(spokenScriptReports().figureFault(0, "PT 1e300 0", "fora"));
  EXPECT_THROW(conGetKey(), std::runtime_error);  // both keys were taken by the reports
  transcriptSetListener({});
  conSetEndHandler({});
  conSetFrontend(nullptr);
  const std::vector<std::string> expected = {
      "click", "click", "click", "say: Erro na linha ", "say: 4", "say: falta fechar", "say:  EQ sen(x",
      "click", "click", "click", "say: Imposs\xC3\xADvel desenhar na linha ", "say: 0", "say: fora", "say: PT 1e300 0"};
  EXPECT_EQ(heard, expected);
}

}  // namespace

TEST_F(Interpreter, BrailleCodeChangesTheLabelsThatFollowIt) {
  const std::optional<BrailleCode> contracted = findBrailleCode("en-ueb-g2");
  ASSERT_TRUE(contracted);
  expectSame({"TB 0 0 the", "CB en-ueb-g2", "TB 0 5 the", "cb PT-BR", "TB 0 -5 the"}, [&] {
    drawBrailleLabel(page, 0, 0, "the");
    drawBrailleLabel(page, 0, 5, "the", *contracted);
    drawBrailleLabel(page, 0, -5, "the");
  });
  EXPECT_EQ(run({"TB 0 0 a", "CB ../tabela", "TB 0 5 a"}), ScriptOutcome::LineError);
  EXPECT_EQ(reports_, std::vector<std::string>{"erro 1: CB ../tabela (código braille desconhecido: ../tabela; os códigos "
                                               "estão na referência, em \"Códigos braille\")"});
}

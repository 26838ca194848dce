// The builder in the real program: what reaches the project file, and what is asked
// before built lines could be lost.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "render/image_decode.h"
#include "shell/program_run.h"

namespace {

class BuilderRun : public ProgramRun {
 protected:
  // The picture shown last in a run of the keys on the project; empty when none was.
  std::vector<std::uint32_t> shownPicture(const std::string& keys, const std::string& project) {
    options_ = "--picture=shown.png";
    std::filesystem::remove(dir_.file("shown.png"));
    EXPECT_EQ(run(keys, project), 0);
    int width = 0, height = 0;
    return decodePng(readBytes(dir_.file("shown.png")), width, height);
  }
};

// From the main menu: P, then the domain 0 10 0 5, leaving its form with Esc.
const std::string kBuildDomain = "pdm0<Enter>10<Enter>0<Enter>5<Esc>";
// Leaves the builder and the main menu and confirms the end.
const std::string kLeave = "<Esc><Esc>s";

TEST_F(BuilderRun, SIsEnterSavesTheBuiltLinesAfterTheLoadedOnes) {
  writeBytes(dir_.file("a.pxg"), "PT 1 1\r\n");
  EXPECT_EQ(run(kBuildDomain + "s<Enter>s" + kLeave, "a.pxg"), 0);
  EXPECT_EQ(readBytes(dir_.file("a.pxg")), "PT 1 1\r\nDM 0 10 0 5\r\n");
  EXPECT_TRUE(heardInOrder({"say: Digite o comando: ", "say: Quer salvar o arquivo (S/N)? ",
                            "say: Digite o comando: ", "say: Confirma o fim do pontelix? "}));
  EXPECT_EQ(timesSaid("O projeto ainda não foi salvo."), 0);
}

TEST_F(BuilderRun, LeavingWithBuiltLinesUnsavedAsksFirst) {
  writeBytes(dir_.file("a.pxg"), "PT 1 1\r\n");
  // The first answer is no: the program goes on, and the lines are still there to save.
  EXPECT_EQ(run(kBuildDomain + "<Esc><Esc>s" "n" "Ss" "<Esc>s", "a.pxg"), 0);
  EXPECT_TRUE(heardInOrder({"say: Confirma o fim do pontelix? ", "say: O projeto ainda não foi salvo.",
                            "say: Confirma que não quer gravar? ", "say: Cancelado"}));
  EXPECT_EQ(readBytes(dir_.file("a.pxg")), "PT 1 1\r\nDM 0 10 0 5\r\n");

  // A form that appended nothing leaves nothing to ask about.
  EXPECT_EQ(run("prt<Esc>" + kLeave, "a.pxg"), 0);
  EXPECT_EQ(timesSaid("Dados incompletos"), 1);
  EXPECT_EQ(timesSaid("O projeto ainda não foi salvo."), 0);
}

TEST_F(BuilderRun, EnterOrVAndEnterShowTheDrawingWithTheBuiltLines) {
  writeBytes(dir_.file("a.pxg"), "");
  writeBytes(dir_.file("b.pxg"), "CI 0 0 5\r\n");
  // The same lines viewed from the main menu.
  const auto expected = shownPicture("Vx<Esc>s", "b.pxg");
  ASSERT_FALSE(expected.empty());
  ASSERT_NE(std::count(expected.begin(), expected.end(), 0xFFFFFFu), static_cast<long>(expected.size()));

  EXPECT_EQ(shownPicture("pci0 0<Enter>5<Esc>" "<Enter>x" "<Esc><Esc>ss", "a.pxg"), expected);
  EXPECT_TRUE(heardInOrder({"say: Circunferência", "say: Digite o comando: ", "say: Digite o comando: ",
                            "say: Pontelix - Que deseja? "}));
  EXPECT_EQ(shownPicture("pv<Enter>x" "V<Enter>x" + kLeave, "b.pxg"), expected);
  EXPECT_EQ(timesSaid("Digite o comando: "), 3);
  EXPECT_EQ(timesSaid("Opção inválida"), 0);
}

}  // namespace

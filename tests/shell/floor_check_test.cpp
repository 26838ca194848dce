// The floor check itself, on small trees laid out in the floors' real order: an include
// that runs up a floor is refused with its file and line, one that runs down passes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "scratch.h"

namespace {

struct IncludeCase {
  const char* from;
  const char* to;
  bool refused;
};

TEST(FloorCheck, RefusesOnlyAnIncludeOfAHigherFloor) {
  const IncludeCase cases[] = {
      {"widgets", "render", true},
      {"platform", "messages", true},
      {"messages", "widgets", true},
      {"widgets", "messages", false},
      {"render", "widgets", false},
  };
  for (const IncludeCase& c : cases) {
    SCOPED_TRACE(std::string(c.from) + " includes " + c.to);
    ScratchDir dir;
    std::istringstream floors(PONTELIX_FLOORS);
    for (std::string floor; floors >> floor;) std::filesystem::create_directories(dir.file("src/" + floor));
    writeBytes(dir.file(std::string("src/") + c.from + "/a.cpp"), std::string("#include \"") + c.to + "/b.h\"\n");
    const int raw = std::system((std::string(PONTELIX_SOURCE_DIR) + "/scripts/check-floors.sh '" + dir.file("src") +
                                 "' " + PONTELIX_FLOORS + " >'" + dir.file("out.txt") + "'")
                                    .c_str());
    const std::string out = readBytes(dir.file("out.txt"));
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), c.refused ? 1 : 0) << out;
    EXPECT_EQ(out.find(std::string("src/") + c.from + "/a.cpp:1: ") != std::string::npos, c.refused) << out;
  }
}

}  // namespace

// The command list against the catalogue. That every command has its handler, its
// description and its builder form is checked where those tables compile.
#include "language/command_list.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "language/commands.h"
#include "messages/messages.h"

namespace {

bool inCatalogue(const char* key) { return messageText(key) != "--> Mensagem inv\xe1lida: " + std::string(key); }

TEST(CommandList, EveryCommandOnceWithItsNamesItsHandlerAndItsFigure) {
  std::set<std::string> codes;
  for (const CommandInfo& command : kCommandList) {
    const std::string code = command.code;
    EXPECT_TRUE(codes.insert(code).second) << code << " is listed twice";
    // The popup's item begins with the code the builder is handed when it is chosen.
    EXPECT_TRUE(messageText(command.nameKey).starts_with(code + " - ")) << code << ": " << command.nameKey;
    EXPECT_TRUE(inCatalogue(command.titleKey)) << code << ": " << command.titleKey;
    EXPECT_EQ(command.figure.nounKey == nullptr, command.figure.kind == FigureKind::None) << code;
    if (command.figure.nounKey) {
      EXPECT_TRUE(inCatalogue(command.figure.nounKey)) << code;
    }
    const CommandEntry* entry = findCommand(code);
    ASSERT_NE(entry, nullptr) << code;
    EXPECT_STREQ(entry->labelKey, command.nameKey) << code;
  }
}

}  // namespace

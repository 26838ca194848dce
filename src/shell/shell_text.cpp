#include "shell/shell_text.h"

#include "platform/text/text.h"
#include "messages/messages.h"

std::string shellText(std::string_view key, std::initializer_list<std::string_view> values) {
  return withValues(cp1252ToUtf8(messageText(key)), values);
}

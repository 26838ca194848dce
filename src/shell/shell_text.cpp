#include "shell/shell_text.h"

#include "messages/messages.h"

std::string shellText(std::string_view key, std::initializer_list<std::string_view> values) {
  return withValues(messageText(key), values);
}

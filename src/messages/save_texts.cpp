// The texts that tell what a save found: a link it would not follow, an owner it could
// not keep.
#include <string>

#include "platform/text/file_failure.h"
#include "platform/text/text.h"
#include "messages/messages.h"

std::string withValues(std::string text, std::initializer_list<std::string_view> values) {
  std::string filled;
  for (size_t at = 0; at < text.size(); ++at) {
    const size_t index = at + 1 < text.size() ? static_cast<size_t>(text[at + 1] - '1') : values.size();
    if (text[at] == '%' && index < values.size()) {
      filled += values.begin()[index];
      ++at;
    } else {
      filled += text[at];
    }
  }
  return filled;
}

std::string saveFailureReason(int error, const SaveReport& report) {
  if (report.refusedLink.empty()) return fileFailureReason(error);
  return withValues(messageText("PXLNKALH"),
                    {report.refusedLink, userName(report.linkOwner), report.linkFolder});
}

std::string ownershipNotKeptText(std::string_view name, const SaveReport& report) {
  if (report.ownershipKept) return {};
  return withValues(messageText("PXDONOAN"),
                    {name, userName(report.newOwner), groupName(report.newGroup), userName(report.formerOwner),
                     groupName(report.formerGroup)});
}

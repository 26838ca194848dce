// The platform's sentences in the catalogue's words.
#include <cstdlib>

#include "platform/text/platform_texts.h"
#include "messages/messages.h"

std::string platformWords(PlatformSentence sentence, std::initializer_list<std::string_view> values) {
  switch (sentence) {
    case PlatformSentence::TimeOfDay:
      return withValues(messageText("PXHORA"), values);
    case PlatformSentence::Date: {
      // The month comes as its number and is said by its name.
      static constexpr const char* kMonths[12] = {"PXMES01", "PXMES02", "PXMES03", "PXMES04", "PXMES05", "PXMES06",
                                                  "PXMES07", "PXMES08", "PXMES09", "PXMES10", "PXMES11", "PXMES12"};
      const std::string_view* v = values.begin();
      const int month = values.size() == 3 ? std::atoi(std::string(v[1]).c_str()) : 0;
      if (month < 1 || month > 12) return {};
      return withValues(messageText("PXDATA"), {v[0], messageText(kMonths[month - 1]), v[2]});
    }
    case PlatformSentence::TerminalTooSmall: return withValues(messageText("PXTERMPEQ"), values);
    case PlatformSentence::SpeechDidNotStart: return withValues(messageText("PXFALAERR"), values);
    case PlatformSentence::VoiceData: return withValues(messageText("PXFALAVOZ"), values);
    case PlatformSentence::BadKeyName: return withValues(messageText("PXTECLAINV"), values);
    case PlatformSentence::NotATerminal: return messageText("PXNAOTERM");
    case PlatformSentence::UnknownTerminal: return withValues(messageText("PXTERMDESC"), values);
    case PlatformSentence::NoSdlLibrary: return messageText("PXSEMSDL");
    case PlatformSentence::NoDisplay: return withValues(messageText("PXSEMTELA"), values);
    case PlatformSentence::NoMonospacedFont: return withValues(messageText("PXSEMFONTE"), values);
    case PlatformSentence::TerminalLinuxOnly: return messageText("PXTERMLNX");
  }
  return {};
}

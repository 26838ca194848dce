#include "platform/console.h"
#include "platform/keymap.h"
#include "platform/keys.h"
#include "platform/text/platform_texts.h"
#include "console_fixture.h"

using KeysTest = ConsoleTest;

TEST_F(KeysTest, The65thKeyIsLostAndExtendedKeysNeedTwoBytes) {
  for (int i = 0; i < 63; ++i) EXPECT_TRUE(conQueueKey('a'));
  EXPECT_FALSE(conQueueExtendedKey(key::kF1));  // one byte of room is not enough
  EXPECT_TRUE(conQueueKey('z'));
  EXPECT_FALSE(conQueueKey('!'));
  for (int i = 0; i < 63; ++i) conGetKey();
  EXPECT_EQ(conGetKey(), 'z');
  EXPECT_FALSE(conKeyWaiting());
}

TEST_F(KeysTest, PeekDoesNotRemoveAndFlushEmpties) {
  conQueueExtendedKey(key::kUp);
  EXPECT_EQ(conPeekKey(), (KeyPair{0, 72}));
  EXPECT_TRUE(conKeyWaiting());
  conFlushKeys();
  EXPECT_FALSE(conKeyWaiting());
  conQueueKey('q');
  EXPECT_EQ(conPeekKey(), (KeyPair{'q', 0}));
}

TEST_F(KeysTest, KeyTableOfTheWindow) {
  auto bytes = [](PcKey k, KeyMods m = {}) { return pcKeyCodes(k, m).codes; };
  using namespace std::string_literals;
  EXPECT_EQ(bytes(PcKey::F1), U"\0;"s);
  EXPECT_EQ(bytes(PcKey::F9), U"\0C"s);
  EXPECT_EQ(bytes(PcKey::Up), U"\0H"s);
  EXPECT_EQ(bytes(PcKey::F5, {.ctrl = true}), U"\0b"s);
  EXPECT_EQ(bytes(PcKey::F12, {.ctrl = true}), U"\0i"s);
  EXPECT_EQ(bytes(PcKey::Insert, {.shift = true}), U"\0\xfe"s);
  EXPECT_EQ(bytes(PcKey::Insert, {.ctrl = true}), U"\0\xff"s);
  EXPECT_EQ(bytes(PcKey::Delete, {.ctrl = true}), U"\0S"s);
  EXPECT_EQ(bytes(PcKey::PageUp, {.ctrl = true}), U"\0\x84"s);
  EXPECT_EQ(bytes(PcKey::Left, {.shift = true}), U"\0\x10K"s);
  EXPECT_EQ(bytes(PcKey::Right, {.shift = true, .ctrl = true}), U"\0\x11t"s);
  EXPECT_EQ(bytes(PcKey::Left, {.alt = true}), U"\0K"s);
  EXPECT_EQ(bytes(PcKey::Enter, {.ctrl = true}), U"\n");
  EXPECT_EQ(bytes(PcKey::Backspace, {.ctrl = true}), U"\x7f");
  EXPECT_EQ(pcKeyCodes(PcKey::F10, {}).action, KeyCodes::Action::Nothing);
  EXPECT_EQ(pcKeyCodes(PcKey::F2, {.alt = true}).action, KeyCodes::Action::Nothing);
  EXPECT_EQ(pcKeyCodes(PcKey::F4, {.alt = true}).action, KeyCodes::Action::EndProgram);
  EXPECT_EQ(pcKeyCodes(PcKey::Break, {.ctrl = true}).action, KeyCodes::Action::EndProgram);
  EXPECT_EQ(charKeyCodes('v', {.ctrl = true}).codes, U"\x16");
  EXPECT_EQ(charKeyCodes('x', {.alt = true}).action, KeyCodes::Action::Nothing);
  EXPECT_EQ(charKeyCodes('a', {.shift = true}).codes, U"A");
  EXPECT_EQ(charKeyCodes(U'ç', {.shift = true}).codes, U"Ç");
  EXPECT_EQ(charKeyCodes(U'ŵ', {.shift = true}).codes, U"Ŵ");
  EXPECT_EQ(charKeyCodes('1', {.shift = true}).codes, U"1");
}

TEST_F(KeysTest, KeyPairReadsExtendedAndThreeByteSequences) {
  keys("a<F1><Shift+Left><Ctrl+Shift+End>π");
  EXPECT_EQ(conGetKeyPair(), (KeyPair{'a', 32}));
  EXPECT_EQ(conGetKeyPair(), (KeyPair{0, key::kF1}));
  EXPECT_EQ(conGetKeyPair(), (KeyPair{key::kLeft, key::kShiftPrefix}));
  EXPECT_EQ(conGetKeyPair(), (KeyPair{key::kCtrlEnd, key::kCtrlShiftPrefix}));
  EXPECT_EQ(conGetKeyPair(), (KeyPair{0x3C0, 32}));
  // Only the ordinary keys were echoed on the screen and heard.
  EXPECT_EQ(row(1), "aπ");
  EXPECT_EQ(transcript(), "spell: a\nspell: π\n");
}

TEST_F(KeysTest, F8SpeaksTheTimeAndIsNeverReturned) {
  // The words come from the catalogue, above this floor; here, a stand-in that shows the values.
  setPlatformWords([](PlatformSentence sentence, std::initializer_list<std::string_view> values) {
    return std::string(sentence == PlatformSentence::TimeOfDay && values.size() == 2 ? "time" : "other");
  });
  keys("<F8><F8><Esc>");
  EXPECT_EQ(conGetKeyPair(), (KeyPair{key::kEsc, 32}));
  setPlatformWords(nullptr);
  EXPECT_EQ(transcript(), "say: time\nsay: time\n");
}

TEST_F(KeysTest, EchoSwitchFromConfiguration) {
  writeFile(dir_ + "/config/tramel/Tramel.ini", "[TRAMEL]\nECOAROPCAO=Nao\n");
  conStartServices();
  keys("x");
  EXPECT_EQ(conGetKeyPair(), (KeyPair{'x', 32}));
  EXPECT_EQ(transcript(), "");
  EXPECT_FALSE(conEchoesKeys());
  EXPECT_TRUE(conSpeaksTyping());
  conStartServices();  // leaves the test's state as the services start it
}

TEST_F(KeysTest, ExhaustedScriptEndsTheProgramWhenAKeyIsAwaited) {
  keys("k");
  EXPECT_TRUE(conKeyWaiting());
  EXPECT_EQ(conGetKey(), 'k');
  EXPECT_FALSE(conKeyWaiting());  // polling never ends the program
  try {
    conGetKey();
    FAIL() << "the program should have ended";
  } catch (const ProgramEnded& end) {
    EXPECT_EQ(end.status, 0);
  }
}

TEST_F(KeysTest, ScriptKeysArriveOneAtATime) {
  keys("ab<Alt+x>c");
  EXPECT_EQ(conGetKey(), 'a');
  EXPECT_EQ(conPeekKey(), (KeyPair{0, 0}));  // b is not queued until the program looks
  EXPECT_TRUE(conKeyWaiting());
  EXPECT_EQ(conPeekKey(), (KeyPair{'b', 0}));
  EXPECT_EQ(conGetKey(), 'b');
  EXPECT_EQ(conGetKey(), 'c');  // Alt+X queued nothing
}

TEST_F(KeysTest, AltF4InAScriptEndsTheProgram) {
  keys("<Alt+F4>z");
  EXPECT_THROW(conKeyWaiting(), ProgramEnded);
}

#pragma once
// A print service of the test's own that can fail at any step, and keeps what it got,
// and the console test that prints to it.
#include <string>
#include <string_view>
#include <vector>

#include "platform/popup_fixture.h"
#include "messages/messages.h"
#include "output/printing/spooler.h"
#include "render/page.h"

class FakeSpooler : public PrintSpooler {
 public:
  DeviceList listDevices() override { return devices; }
  InkPageAnswer describeInkPage(const std::string& device) override {
    askedPage = device;
    return page;
  }
  BrailleQueue describeBrailleQueue(const std::string&) override { return brailleQueue; }
  bool openJob(const std::string& device, std::string_view title, JobFormat format) override {
    ++opened;
    openedDevice = device;
    openedTitle = title;
    openedFormat = format;
    return openSucceeds;
  }
  bool write(std::string_view bytes) override {
    if (writesTaken == writesBeforeFailure) return false;
    ++writesTaken;
    sent += bytes;
    return true;
  }
  bool closeJob(bool complete) override {
    closes.push_back(complete);
    return finishAccepted;
  }

  DeviceList devices{true, {"Braille", "Tinta/rascunho"}};
  InkPageAnswer page{true, true, true, true, InkPage{}};
  // Any queue is a raw one unless a test says otherwise.
  BrailleQueue brailleQueue{.answered = true, .brailleDriver = false, .pageKnown = false, .layout = {}};
  bool openSucceeds = true;
  int writesBeforeFailure = -1;
  bool finishAccepted = true;
  int opened = 0, writesTaken = 0;
  std::string openedDevice, openedTitle, sent, askedPage;
  JobFormat openedFormat = JobFormat::Raw;
  std::vector<bool> closes;
};

// A console test whose print service is the fake.
class SpoolerTest : public PopupTest {
 protected:
  void SetUp() override {
    PopupTest::SetUp();
    setPrintSpooler(&fake_);
  }
  void TearDown() override {
    setPrintSpooler(nullptr);
    PopupTest::TearDown();
  }
  // What an output answered, told as the talking program tells it; whether it went well.
  static bool told(const Outcome& outcome) {
    sayOutcome(outcome);
    return outcome.ok;
  }
  FakeSpooler fake_;
};

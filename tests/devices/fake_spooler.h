#pragma once
// A print service of the test's own that can fail at any step, and keeps what it was
// given.
#include <string>
#include <string_view>
#include <vector>

#include "devices/spooler.h"

class FakeSpooler : public RawSpooler {
 public:
  DeviceList listDevices() override { return devices; }
  bool openJob(const std::string& device, std::string_view title) override {
    ++opened;
    openedDevice = device;
    openedTitle = title;
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
  bool openSucceeds = true;
  int writesBeforeFailure = -1;
  bool finishAccepted = true;
  int opened = 0, writesTaken = 0;
  std::string openedDevice, openedTitle, sent;
  std::vector<bool> closes;
};


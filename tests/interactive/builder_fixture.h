#pragma once
// The builder run in the test's own process by a patient user, with an empty project.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/popup_fixture.h"
#include "heard_in_order.h"
#include "interactive/builder.h"
#include "project/project.h"

class BuilderTest : public PopupTest {
 protected:
  void SetUp() override {
    PopupTest::SetUp();
    resetProject();
  }
  void TearDown() override {
    resetProject();
    PopupTest::TearDown();
  }

  // Runs the builder with the keys (headless script syntax, UTF-8). True when it left
  // by Esc at its prompt; false when the keys ran out first, which leaves the screen as
  // it was at that moment.
  bool build(const std::string& keys) {
    user(keys);
    try {
      stepByStepBuilder();
      return true;
    } catch (const ProgramEnded&) {
      return false;
    }
  }

  static const std::vector<std::string>& lines() { return commandLines(); }

  // How many times the text was spoken (UTF-8).
  long timesSaid(const std::string& text) {
    const auto all = said();
    return std::count(all.begin(), all.end(), "say: " + text);
  }

  // True when the transcript holds these events in this order, others between them.
  bool heardInOrder(std::initializer_list<std::string> events) { return eventsInOrder(heard(), events); }
};

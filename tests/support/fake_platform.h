// A recording stand-in for the window system: counts beeps and repaints, answers the dialogs
// with prepared paths, and can run an injected action at a yield (a clock tick, a click).
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "forms/platform.h"

namespace vocari::testing {

class FakePlatform : public Platform {
 public:
  void processEvents() override {
    ++yields;
    if (!atYield.empty()) {
      auto action = std::move(atYield.front());
      atYield.pop_front();
      action();
    }
  }
  void repaint() override { ++repaints; }
  void beep() override { ++beeps; }
  double clock() override { return now; }
  CalendarDate today() override { return date; }
  void copyText(const std::string& text) override { clipboard = text; }
  std::string chooseOpenFile(const FileDialogRequest& r) override {
    dialogs.push_back(r);
    return openAnswer;
  }
  std::string chooseSaveFile(const FileDialogRequest& r) override {
    dialogs.push_back(r);
    if (whileSaveDialogOpen) whileSaveDialogOpen();
    return saveAnswer;
  }
  void messageBox(const std::string& text, const std::string& title, MessageIcon icon) override {
    messages.emplace_back(text, title);
    messageIcons.push_back(icon);
  }
  void showModal(ModalWindow w) override {
    modals.push_back(w);
    if (whileModalOpen) whileModalOpen(w);
  }
  void quit(int status) override { quitStatus = status; }

  int yields = 0, repaints = 0, beeps = 0, quitStatus = -1;
  double now = 0;
  CalendarDate date{2026, 12, 7};
  std::string clipboard;
  std::deque<std::function<void()>> atYield;  // one action per yield, in order
  std::string openAnswer, saveAnswer;
  std::function<void()> whileSaveDialogOpen;
  std::function<void(ModalWindow)> whileModalOpen;
  std::vector<FileDialogRequest> dialogs;
  std::vector<std::pair<std::string, std::string>> messages;
  std::vector<MessageIcon> messageIcons;  // one per message
  std::vector<ModalWindow> modals;
};

}  // namespace vocari::testing

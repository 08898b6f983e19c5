// The Platform of the game on Qt: event processing, repaint, sound, clock, the standard file
// dialogs, message boxes, the modal secondary windows and quitting.
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <string>

#include "forms/platform.h"

class QFileDialog;

namespace vocari {

class MainWindow;

class QtPlatform : public Platform {
 public:
  QtPlatform();

  // The window whose model is rendered before events run and that owns the dialogs.
  void attach(MainWindow* window) { window_ = window; }

  void processEvents() override;
  void repaint() override;
  void beep() override;
  double clock() override;
  CalendarDate today() override;
  void copyText(const std::string& text) override;
  std::string chooseOpenFile(const FileDialogRequest& request) override;
  std::string chooseSaveFile(const FileDialogRequest& request) override;
  void messageBox(const std::string& text, const std::string& title, MessageIcon icon) override;
  void showModal(ModalWindow window) override;
  void quit(int status) override;

  // The filter list of the game-file dialogs, as Qt writes it.
  static QString gameFileFilter();

 private:
  // Runs a file dialog with the filter last chosen; the chosen path, or "".
  std::string runDialog(QFileDialog& dialog);

  MainWindow* window_ = nullptr;
  QElapsedTimer clock_;
  QString selectedFilter_;  // both dialogs start with the filter last chosen in either
};

}  // namespace vocari

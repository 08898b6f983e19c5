// The options window over the Form5 model: season, dealing method and game time.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "game/form1.h"
#include "forms/form5.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vocari {

class OptionsDialog : public QDialog {
 public:
  // The model must have been loaded (Form_Load).
  OptionsDialog(Form5& model, QWidget* parent = nullptr);

  // Copies the model into the widgets.
  void render();

  // Runs after every handler: the model writes the main window's clock label, which must show a
  // confirmed time at once.
  std::function<void()> afterHandler;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  template <class F>
  void handle(F&& handler) {
    handler();
    render();
    if (afterHandler) afterHandler();
    if (model_.unloaded) accept();
  }

  Form5& model_;
  QLabel *label1_ = nullptr, *label5_ = nullptr;
  std::array<QRadioButton*, 4> optAsp_{};
  std::array<QRadioButton*, 3> optMet_{};
  QLineEdit* text1_ = nullptr;
  QPushButton* command1_ = nullptr;
};

// Opens the options window over the main window's model and returns when it has closed.
void runOptions(Form1& form1, QWidget* parent);

}  // namespace vocari

// The options window over the Form5 model: season, dealing method and game time.
#pragma once

#include <array>
#include <span>

#include "game/form1.h"
#include "forms/form5.h"
#include "qt/model_dialog.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vocari {

// After every handler the main window must draw too (afterHandler): the model writes its clock
// label, which must show a confirmed time at once.
class OptionsDialog : public ModelDialog<Form5> {
 public:
  // The model must have been loaded (Form_Load).
  OptionsDialog(Form5& model, QWidget* parent = nullptr);

  void render() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // One group of option buttons on its panel, named `name` with their index; a click selects.
  void addOptions(QFrame* panel, std::span<const OptionButton> models, std::span<QRadioButton*> widgets,
                  const char* name, void (Form5::*select)(int));
  // The game time: its heading, the field and the hint below it.
  void addTimeField();
  // "OK" and the reminder under it.
  void addConfirmation();

  QLabel *label1_ = nullptr, *label5_ = nullptr;
  std::array<QRadioButton*, 4> optAsp_{};
  std::array<QRadioButton*, 3> optMet_{};
  QLineEdit* text1_ = nullptr;
  QPushButton* command1_ = nullptr;
};

// Opens the options window over the main window's model and returns when it has closed.
void runOptions(Form1& form1, QWidget* parent);

}  // namespace vocari

// The information window over the Form4 model: name and version, credits, a close button.
#pragma once

#include "forms/form4.h"
#include "qt/model_dialog.h"

class QPushButton;

namespace vocari {

class InfoDialog : public ModelDialog<Form4> {
 public:
  explicit InfoDialog(Form4& model, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QPushButton* command1_ = nullptr;
};

// Opens the information window and returns when it has closed.
void runInfo(QWidget* parent);

}  // namespace vocari

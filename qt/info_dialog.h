// The information window over the Form4 model: name and version, credits, a close button.
#pragma once

#include <QDialog>

#include "forms/form4.h"

class QPushButton;

namespace vocari {

class InfoDialog : public QDialog {
 public:
  explicit InfoDialog(Form4& model, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Form4& model_;
  QPushButton* command1_ = nullptr;
};

// Opens the information window and returns when it has closed.
void runInfo(QWidget* parent);

}  // namespace vocari

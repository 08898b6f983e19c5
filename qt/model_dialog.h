// The base of the secondary windows, each drawn over a window model (Form2, Form4, Form5): an
// event runs the model's handler, then the window draws the model again; a handler that unloads
// the model closes the window, and a window closed through its frame unloads the model.
#pragma once

#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <functional>

namespace vocari {

template <class Model>
class ModelDialog : public QDialog {
 public:
  // Copies the model into the widgets; a window whose widgets never change has nothing to copy.
  virtual void render() {}

  // Runs after every handler, once the window shows its result.
  std::function<void()> afterHandler;

 protected:
  ModelDialog(Model& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  }

  template <class F>
  void handle(F&& handler) {
    handler();
    render();
    if (afterHandler) afterHandler();
    if (model_.unloaded) accept();
  }

  // Enter presses the focused button, as Space does; the windows have no default button (Enter
  // in the options' time field confirms the time, never "OK").
  void keyPressEvent(QKeyEvent* event) override {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); enter && button && button->isEnabled()) {
      button->click();
      return;
    }
    QDialog::keyPressEvent(event);
  }

  void closeEvent(QCloseEvent* event) override {
    model_.Form_Unload();
    QDialog::closeEvent(event);
  }

  Model& model_;
};

}  // namespace vocari

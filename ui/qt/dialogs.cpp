// Placeholder secondary windows: a bare modal window with a close button, until the viewer,
// options and information windows take their place.
#include "ui/qt/dialogs.h"

#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace vocari {

void runModalWindow(ModalWindow which, Form1& form1, QWidget* parent) {
  (void)form1;
  QDialog dialog(parent);
  switch (which) {
    case ModalWindow::Viewer: dialog.setObjectName("Form2"); break;
    case ModalWindow::Options: dialog.setObjectName("Form5"); break;
    case ModalWindow::Info: dialog.setObjectName("Form4"); break;
  }
  dialog.setWindowTitle(" ");
  auto* layout = new QVBoxLayout(&dialog);
  auto* close = new QPushButton("OK", &dialog);
  close->setObjectName("Command1");
  layout->addWidget(close);
  QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
  dialog.exec();
}

}  // namespace vocari

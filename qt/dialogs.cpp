// The secondary windows: the text viewer, the options window and the information window.
#include "qt/dialogs.h"

#include "qt/info_dialog.h"
#include "qt/options_dialog.h"
#include "qt/viewer_dialog.h"

namespace vocari {

void runModalWindow(ModalWindow which, Form1& form1, QWidget* parent) {
  switch (which) {
    case ModalWindow::Viewer:
      runViewer(form1.settings, parent);
      return;
    case ModalWindow::Options:
      runOptions(form1, parent);
      return;
    case ModalWindow::Info:
      runInfo(parent);
      return;
  }
}

}  // namespace vocari

// The text viewer window over the Form2 model: the document's lines in a list view (fast with the
// whole dictionary), or the advice one entry at a time with "Indietro" and "Avanti".
#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "forms/form2.h"
#include "qt/model_dialog.h"

class QListView;
class QPlainTextEdit;
class QPushButton;

namespace vocari {

// The lines of Listai, decoded from UTF-8 only when a row is drawn.
class ViewerLinesModel : public QAbstractListModel {
 public:
  ViewerLinesModel(const std::vector<std::string>& lines, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  const std::vector<std::string>& lines_;
};

class ViewerDialog : public ModelDialog<Form2> {
 public:
  // The model must have been loaded successfully.
  ViewerDialog(Form2& model, QWidget* parent = nullptr);

  void render() override;

 private:
  void showInFixedPitch();

  ViewerLinesModel* lines_ = nullptr;
  QListView* listai_ = nullptr;
  QPlainTextEdit* unCons_ = nullptr;
  QPushButton* indietro_ = nullptr;
  QPushButton* avanti_ = nullptr;
  QPushButton* command1_ = nullptr;
  std::string shownText_;
};

// Opens the viewer on the document that settings.viewerText names and returns when it has closed.
// A document that cannot be read gives the message box "Richiesta ignorata ..." instead.
void runViewer(const Settings& settings, QWidget* parent);

}  // namespace vocari

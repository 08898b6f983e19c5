#include "qt/viewer_dialog.h"

#include <QApplication>
#include <QEventLoop>
#include <QItemSelectionModel>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "qt/pictures.h"
#include "qt/units.h"

namespace vocari {

namespace {

// Documents are UTF-8 with CR LF; the text box wants plain line feeds, and the line break that
// ends an entry would only add an empty line to scroll to.
QString entryText(const std::string& bytes) {
  QString text = QString::fromUtf8(bytes);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  return text;
}

}  // namespace

ViewerLinesModel::ViewerLinesModel(const std::vector<std::string>& lines, QObject* parent)
    : QAbstractListModel(parent), lines_(lines) {}

int ViewerLinesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(lines_.size());
}

QVariant ViewerLinesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= int(lines_.size())) return {};
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  return QString::fromUtf8(lines_[std::size_t(index.row())]);
}

ViewerDialog::ViewerDialog(Form2& model, QWidget* parent) : ModelDialog(model, parent) {
  setObjectName("Form2");
  setWindowIcon(appIcon());

  listai_ = new QListView(this);
  listai_->setObjectName("Listai");
  listai_->setGeometry(twipsRect(Form2::ListaiRect));
  listai_->setFont(sansSerif(9.75, false));
  listai_->setUniformItemSizes(true);
  listai_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  listai_->setSelectionMode(QAbstractItemView::SingleSelection);
  listai_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  listai_->setAccessibleName(QStringLiteral("Testo"));
  lines_ = new ViewerLinesModel(model_.Listai.items, listai_);
  listai_->setModel(lines_);
  if (model_.fixedPitch()) showInFixedPitch();
  // The keyboard starts on the first line, without a selection drawn over it.
  if (lines_->rowCount() > 0)
    listai_->selectionModel()->setCurrentIndex(lines_->index(0), QItemSelectionModel::NoUpdate);

  unCons_ = new QPlainTextEdit(this);
  unCons_->setObjectName("UnCons");
  unCons_->setGeometry(twipsRect(Form2::UnConsRect));
  unCons_->setFont(sansSerif(9.75, true));
  // The advice is read, not edited; the keyboard still moves through it for a screen reader.
  unCons_->setReadOnly(true);
  unCons_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  unCons_->setAccessibleName(QStringLiteral("Consiglio"));

  const auto makeButton = [this](const char* name, const Button& b, QRect geometry) {
    auto* button = new QPushButton(QString::fromStdString(b.caption), this);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
  };
  indietro_ = makeButton("Indietro", model_.Indietro, twipsRect(Form2::IndietroRect));
  avanti_ = makeButton("Avanti", model_.Avanti, twipsRect(Form2::AvantiRect));
  command1_ = makeButton("Command1", model_.Command1, twipsRect(model_.Command1Rect));
  connect(indietro_, &QPushButton::clicked, this, [this] { handle([this] { model_.Indietro_Click(); }); });
  connect(avanti_, &QPushButton::clicked, this, [this] { handle([this] { model_.Avanti_Click(); }); });
  connect(command1_, &QPushButton::clicked, this, [this] { handle([this] { model_.Command1_Click(); }); });

  render();
  (model_.adviceMode() ? static_cast<QWidget*>(avanti_) : listai_)->setFocus(Qt::OtherFocusReason);
}

// The list's size of the fixed-pitch face: the largest, up to the proportional face's, at which
// the longest line fits the list without scrolling sideways.
void ViewerDialog::showInFixedPitch() {
  const int room = listai_->contentsRect().width() - listai_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) -
                   2 * listai_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) - 4;
  QFont font = controlFont(Face::Courier, 9.75, false);
  for (; font.pointSizeF() > 6; font.setPointSizeF(font.pointSizeF() - 0.25)) {
    const QFontMetrics metrics(font);
    if (std::all_of(model_.Listai.items.begin(), model_.Listai.items.end(), [&](const std::string& line) {
          return metrics.horizontalAdvance(QString::fromUtf8(line)) <= room;
        }))
      break;
  }
  listai_->setFont(font);
}

void ViewerDialog::render() {
  const QString caption = QString::fromStdString(model_.Caption);
  if (windowTitle() != caption) setWindowTitle(caption);
  setFixedSize(px(Form2::kClientWidth), px(model_.Height - Form2::kFrameHeight));

  setShown(listai_, model_.Listai.visible);
  setShown(unCons_, model_.UnCons.visible);
  if (model_.UnCons.text != shownText_) {
    shownText_ = model_.UnCons.text;
    unCons_->setPlainText(entryText(shownText_));
  }
  for (auto [button, b] : {std::pair{indietro_, &model_.Indietro}, std::pair{avanti_, &model_.Avanti},
                           std::pair{command1_, &model_.Command1}}) {
    // A button about to be disabled hands the keyboard focus on, so it is never lost.
    if (!b->enabled && button->hasFocus()) focusNextChild();
    button->setEnabled(b->enabled);
    setShown(button, b->visible);
  }
  const QRect g = twipsRect(model_.Command1Rect);
  if (command1_->geometry() != g) command1_->setGeometry(g);
}

void runViewer(const Settings& settings, QWidget* parent) {
  // The advice scan lets timer ticks through (the game clock keeps counting) but no input, so no
  // second window can be opened before this one is up.
  Form2 model(settings, [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
  if (std::optional<ViewerFailure> failure = model.Form_Load()) {
    QMessageBox box(QMessageBox::Information, QString::fromStdString(failure->title),
                    QString::fromStdString(failure->message), QMessageBox::Ok, parent);
    box.setObjectName("MsgBox");
    box.exec();
    return;
  }
  ViewerDialog dialog(model, parent);
  dialog.exec();
}

}  // namespace vocari

#include "qt/options_dialog.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>

#include "qt/main_window.h"
#include "qt/pictures.h"
#include "qt/units.h"

namespace vocari {

namespace {

// A one-line label; a text that would not fit its box gets a smaller size instead of being cut off.
QLabel* makeLabel(QWidget* parent, const char* name, const Label& model, QRect geometry, QFont font,
                  Qt::Alignment align) {
  auto* label = new QLabel(QString::fromStdString(model.caption), parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(geometry);
  label->setFont(font);
  label->setAlignment(align | Qt::AlignTop);
  fitFont(label, widthFit(font.pointSizeF()));
  return label;
}

QFrame* makePanel(QWidget* parent, const char* name, const Rect& r, Colour colour) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameShape(QFrame::NoFrame);
  panel->setGeometry(twipsRect(r));
  setBackground(panel, toQColor(colour));
  return panel;
}

QRadioButton* makeOption(QWidget* panel, const QString& name, const OptionButton& model, int top) {
  auto* option = new QRadioButton(QString::fromStdString(model.caption), panel);
  option->setObjectName(name);
  option->setGeometry(twipsRect(1800, top, 2175, 255));
  option->setFont(sansSerif(12, true));
  option->setMinimumHeight(option->sizeHint().height());
  option->resize(option->width(), std::max(option->height(), option->sizeHint().height()));
  return option;
}

// Checks the buttons as the model does, without running its handlers again.
void showChecked(std::span<const OptionButton> models, std::span<QRadioButton* const> widgets) {
  for (std::size_t i = 0; i < widgets.size(); ++i) {
    const QSignalBlocker blocker(widgets[i]);
    if (widgets[i]->isChecked() != models[i].value) widgets[i]->setChecked(models[i].value);
  }
}

}  // namespace

OptionsDialog::OptionsDialog(Form5& model, QWidget* parent) : ModelDialog(model, parent) {
  setObjectName("Form5");
  setWindowTitle(QString::fromUtf8(Form5::kCaption));
  setWindowIcon(appIcon());
  setFixedSize(px(Form5::kClientWidth), px(Form5::kClientHeight));
  setBackground(this, toQColor(Form5::kBackColor));

  QFrame* frame1 = makePanel(this, "Frame1", Form5::Frame1, Form5::kFrame1Color);
  makeLabel(frame1, "Label2", model_.Label2, twipsRect(120, 0, 2655, 375), sansSerif(12, true), Qt::AlignLeft);
  addOptions(frame1, model_.OptAsp, optAsp_, "OptAsp_%1", &Form5::selectOptAsp);
  QFrame* frame2 = makePanel(this, "Frame2", Form5::Frame2, Form5::kFrame2Color);
  makeLabel(frame2, "Label4", model_.Label4, twipsRect(120, 0, 2655, 375), sansSerif(12, true), Qt::AlignLeft);
  addOptions(frame2, model_.OptMet, optMet_, "OptMet_%1", &Form5::selectOptMet);
  addTimeField();
  addConfirmation();

  QWidget* order[] = {text1_, optAsp_[0], optAsp_[1], optAsp_[2], optAsp_[3], optMet_[0], optMet_[1], optMet_[2],
                      command1_};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  render();
  (text1_->isEnabled() ? static_cast<QWidget*>(text1_) : command1_)->setFocus(Qt::OtherFocusReason);
}

void OptionsDialog::addOptions(QFrame* panel, std::span<const OptionButton> models, std::span<QRadioButton*> widgets,
                               const char* name, void (Form5::*select)(int)) {
  for (int i = 0; i < int(widgets.size()); ++i) {
    widgets[i] = makeOption(panel, QString::fromLatin1(name).arg(i), models[i], 360 + 360 * i);
    connect(widgets[i], &QRadioButton::toggled, this, [this, i, select](bool checked) {
      if (checked) handle([this, i, select] { (model_.*select)(i); });
    });
  }
}

void OptionsDialog::addTimeField() {
  label1_ = makeLabel(this, "Label1", model_.Label1, twipsRect(360, 600, 3135, 375), sansSerif(12, true),
                      Qt::AlignLeft);
  text1_ = new QLineEdit(this);
  text1_->setObjectName("Text1");
  text1_->setGeometry(twipsRect(3480, 570, 855, 420));
  text1_->setFont(sansSerif(12, true));
  text1_->setAccessibleName(QStringLiteral("Tempo partita in secondi"));
  text1_->setToolTip(QString::fromStdString(Form5::text1ToolTip()));
  text1_->installEventFilter(this);
  connect(text1_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.Text1.text = t.toStdString(); });
  // Under the field, ending with it.
  makeLabel(this, "Label3", model_.Label3, twipsRect(2760, 990, 1575, 255), sansSerif(8.25, false), Qt::AlignRight);
}

void OptionsDialog::addConfirmation() {
  command1_ = new QPushButton(QString::fromStdString(model_.Command1.caption), this);
  command1_->setObjectName("Command1");
  command1_->setGeometry(twipsRect(3360, 5280, 1095, 495));
  command1_->setFont(sansSerif(12, true));
  // Enter in the time field confirms the time; it must never press OK.
  command1_->setAutoDefault(false);
  command1_->setDefault(false);
  connect(command1_, &QPushButton::clicked, this, [this] { handle([this] { model_.Command1_Click(); }); });

  label5_ = makeLabel(this, "Label5", model_.Label5, twipsRect(960, 5805, 3495, 255), sansSerif(8.25, false),
                      Qt::AlignHCenter);
}

void OptionsDialog::render() {
  const QString caption = QString::fromStdString(model_.Label1.caption);
  if (label1_->text() != caption) {
    label1_->setText(caption);
    fitFont(label1_, widthFit(12));
  }
  label1_->setEnabled(model_.Label1.enabled);
  const QString hint = QString::fromStdString(model_.Label5.caption);
  if (label5_->text() != hint) {
    label5_->setText(hint);
    fitFont(label5_, widthFit(8.25));
  }
  QPalette palette = label5_->palette();
  palette.setColor(QPalette::WindowText, toQColor(model_.Label5.foreColor));
  label5_->setPalette(palette);
  setShown(label5_, model_.Label5.visible);
  showChecked(model_.OptAsp, optAsp_);
  showChecked(model_.OptMet, optMet_);
  const QString text = QString::fromStdString(model_.Text1.text);
  if (text1_->text() != text) text1_->setText(text);
  text1_->setEnabled(model_.Text1.enabled);
  command1_->setEnabled(model_.Command1.enabled);
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == text1_ && event->type() == QEvent::KeyRelease) {
    auto* key = static_cast<QKeyEvent*>(event);
    // A held key repeats its presses but is released once.
    if (!key->isAutoRepeat()) {
      const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
      const int code = enter ? Form5::kEnterKey : 0;
      handle([this, code] {
        model_.Text1.text = text1_->text().toStdString();
        model_.Text1_KeyUp(code);
      });
    }
  }
  return QDialog::eventFilter(watched, event);
}

void runOptions(Form1& form1, QWidget* parent) {
  Form5 model(form1.settings, form1.timed(), [&form1] { form1.gameTimeSet(); });
  model.Form_Load();
  OptionsDialog dialog(model, parent);
  if (auto* window = qobject_cast<MainWindow*>(parent)) dialog.afterHandler = [window] { window->render(); };
  dialog.exec();
}

}  // namespace vocari

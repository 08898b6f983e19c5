#include "qt/options_dialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "qt/main_window.h"
#include "qt/pictures.h"
#include "qt/units.h"

namespace vocari {

namespace {



void setBackground(QWidget* w, Colour c) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, MainWindow::colour(c));
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

// The substitute faces run wider than the original one: a one-line label whose text would not
// fit its box gets a smaller size instead of being cut off.
void fitOneLine(QLabel* label) {
  QFont font = label->font();
  while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(label->text()) > label->width())
    font.setPointSizeF(font.pointSizeF() - 0.5);
  label->setFont(font);
}

void setShown(QWidget* w, bool visible) {
  if (w->isHidden() == visible) w->setVisible(visible);
}

}  // namespace

OptionsDialog::OptionsDialog(Form5& model, QWidget* parent) : QDialog(parent), model_(model) {
  setObjectName("Form5");
  setWindowTitle(QString::fromUtf8(Form5::kCaption));
  setWindowIcon(appIcon());
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setFixedSize(px(Form5::kClientWidth), px(Form5::kClientHeight));
  setBackground(this, Form5::kBackColor);

  const auto makeLabel = [](QWidget* parent, const char* name, const Label& model, QRect geometry, QFont font,
                            Qt::Alignment align) {
    auto* label = new QLabel(QString::fromStdString(model.caption), parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(align | Qt::AlignTop);
    fitOneLine(label);
    return label;
  };
  const auto makePanel = [this](const char* name, const Rect& r, Colour colour) {
    auto* panel = new QFrame(this);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::NoFrame);
    panel->setGeometry(twipsRect(r.left, r.top, r.width, r.height));
    setBackground(panel, colour);
    return panel;
  };
  const auto makeOption = [this](QWidget* panel, const QString& name, const OptionButton& model, int top) {
    auto* option = new QRadioButton(QString::fromStdString(model.caption), panel);
    option->setObjectName(name);
    option->setGeometry(twipsRect(1800, top, 2175, 255));
    option->setFont(sansSerif(12, true));
    option->setMinimumHeight(option->sizeHint().height());
    option->resize(option->width(), std::max(option->height(), option->sizeHint().height()));
    return option;
  };

  QFrame* frame1 = makePanel("Frame1", Form5::Frame1, Form5::kFrame1Color);
  makeLabel(frame1, "Label2", model_.Label2, twipsRect(120, 0, 2655, 375), sansSerif(12, true), Qt::AlignLeft);
  for (int i = 0; i < int(optAsp_.size()); ++i) {
    optAsp_[i] = makeOption(frame1, QStringLiteral("OptAsp_%1").arg(i), model_.OptAsp[i], 360 + 360 * i);
    connect(optAsp_[i], &QRadioButton::toggled, this, [this, i](bool checked) {
      if (checked) handle([this, i] { model_.selectOptAsp(i); });
    });
  }
  QFrame* frame2 = makePanel("Frame2", Form5::Frame2, Form5::kFrame2Color);
  makeLabel(frame2, "Label4", model_.Label4, twipsRect(120, 0, 2655, 375), sansSerif(12, true), Qt::AlignLeft);
  for (int i = 0; i < int(optMet_.size()); ++i) {
    optMet_[i] = makeOption(frame2, QStringLiteral("OptMet_%1").arg(i), model_.OptMet[i], 360 + 360 * i);
    connect(optMet_[i], &QRadioButton::toggled, this, [this, i](bool checked) {
      if (checked) handle([this, i] { model_.selectOptMet(i); });
    });
  }

  label1_ = makeLabel(this, "Label1", model_.Label1, twipsRect(360, 600, 3135, 375), sansSerif(12, true), Qt::AlignLeft);
  text1_ = new QLineEdit(this);
  text1_->setObjectName("Text1");
  text1_->setGeometry(twipsRect(3480, 570, 855, 420));
  text1_->setFont(sansSerif(12, true));
  text1_->setAccessibleName(QStringLiteral("Tempo partita in secondi"));
  text1_->setToolTip(QString::fromStdString(Form5::text1ToolTip()));
  text1_->installEventFilter(this);
  connect(text1_, &QLineEdit::textEdited, this, [this](const QString& t) { model_.Text1.text = t.toStdString(); });
  makeLabel(this, "Label3", model_.Label3, twipsRect(3360, 990, 975, 255), sansSerif(8.25, false), Qt::AlignHCenter);

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

  QWidget* order[] = {text1_, optAsp_[0], optAsp_[1], optAsp_[2], optAsp_[3], optMet_[0], optMet_[1], optMet_[2],
                      command1_};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  render();
  (text1_->isEnabled() ? static_cast<QWidget*>(text1_) : command1_)->setFocus(Qt::OtherFocusReason);
}

void OptionsDialog::render() {
  const QString caption = QString::fromStdString(model_.Label1.caption);
  if (label1_->text() != caption) {
    label1_->setText(caption);
    label1_->setFont(sansSerif(12, true));
    fitOneLine(label1_);
  }
  label1_->setEnabled(model_.Label1.enabled);
  setShown(label5_, model_.Label5.visible);
  for (std::size_t i = 0; i < optAsp_.size(); ++i) {
    const QSignalBlocker blocker(optAsp_[i]);
    if (optAsp_[i]->isChecked() != model_.OptAsp[i].value) optAsp_[i]->setChecked(model_.OptAsp[i].value);
  }
  for (std::size_t i = 0; i < optMet_.size(); ++i) {
    const QSignalBlocker blocker(optMet_[i]);
    if (optMet_[i]->isChecked() != model_.OptMet[i].value) optMet_[i]->setChecked(model_.OptMet[i].value);
  }
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

void OptionsDialog::closeEvent(QCloseEvent* event) {
  model_.Form_Unload();
  QDialog::closeEvent(event);
}

void runOptions(Form1& form1, QWidget* parent) {
  Form5 model(form1.settings, form1.timed(), [&form1] { form1.gameTimeSet(); });
  model.Form_Load();
  OptionsDialog dialog(model, parent);
  if (auto* window = qobject_cast<MainWindow*>(parent)) dialog.afterHandler = [window] { window->render(); };
  dialog.exec();
}

}  // namespace vocari

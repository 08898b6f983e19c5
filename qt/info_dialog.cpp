#include "qt/info_dialog.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "qt/pictures.h"
#include "qt/units.h"

namespace vocari {

InfoDialog::InfoDialog(Form4& model, QWidget* parent) : ModelDialog(model, parent) {
  setObjectName("Form4");
  setWindowTitle(QString::fromUtf8(Form4::kCaption));
  // No icon: an explicitly empty one, or the window would show its parent's.
  setWindowIcon(QIcon());
  setFixedSize(px(Form4::kClientWidth), px(Form4::kClientHeight));
  setAccessibleName(QString::fromStdString(model_.Label1.caption));

  const auto makeLabel = [this](const char* name, const Label& model, const Rect& r, bool bold,
                                Qt::Alignment align) {
    auto* label = new QLabel(QString::fromStdString(model.caption), this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(twipsRect(r));
    label->setFont(sansSerif(9.75, bold));
    label->setAlignment(align | Qt::AlignTop);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, toQColor(model.foreColor));
    label->setPalette(p);
    // The longest line shrinks rather than being cut off.
    fitFont(label, widthFit(label->font().pointSizeF()));
    return label;
  };
  makeLabel("Label1", model_.Label1, Form4::Label1Rect, true, Qt::AlignLeft);
  makeLabel("Label2", model_.Label2, Form4::Label2Rect, true, Qt::AlignHCenter);
  makeLabel("Label3", model_.Label3, Form4::Label3Rect, false, Qt::AlignHCenter);

  command1_ = new QPushButton(this);
  command1_->setObjectName("Command1");
  command1_->setGeometry(twipsRect(Form4::Command1Rect));
  command1_->setAutoDefault(false);
  command1_->setAccessibleName(QStringLiteral("Chiudi"));
  command1_->setToolTip(QStringLiteral("Chiudi"));
  QPalette face = command1_->palette();
  face.setColor(QPalette::Button, toQColor(Form4::kCommand1Face));
  command1_->setPalette(face);
  // The picture as large as the button's face allows, keeping its proportions.
  const QSize room = command1_->size() - QSize(4, 4);
  const QSize pictureSize = kCloseButtonSize.scaled(room, Qt::KeepAspectRatio);
  command1_->setIconSize(pictureSize);
  command1_->setIcon(QIcon(closeButtonPicture(pictureSize, devicePixelRatioF())));
  connect(command1_, &QPushButton::clicked, this, [this] { handle([this] { model_.Command1_Click(); }); });
  command1_->setFocus(Qt::OtherFocusReason);
}

void InfoDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Centred on the main window, over its board rather than its menu.
  if (QWidget* owner = parentWidget()) {
    QRect frame = frameGeometry();
    frame.moveCenter(owner->window()->frameGeometry().center());
    move(frame.topLeft());
  }
}

void InfoDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), toQColor(Form4::kBackColor));
  painter.drawPixmap(rect(), infoBackground(size(), devicePixelRatioF()));
}

void runInfo(QWidget* parent) {
  Form4 model;
  InfoDialog dialog(model, parent);
  dialog.exec();
}

}  // namespace vocari

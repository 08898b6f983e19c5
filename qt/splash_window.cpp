#include "qt/splash_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "qt/pictures.h"
#include "qt/units.h"

namespace vocari {

SplashWindow::SplashWindow(std::function<bool()> showMain)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      showMain_(std::move(showMain)),
      model_([this] { handOver(); }) {
  setObjectName("Form0");
  setWindowTitle(QStringLiteral("Vocari"));
  setAttribute(Qt::WA_DeleteOnClose);
  // A screen reader keeps its focus where it is: the splash is never activated.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setFixedSize(px(Form0::kClientWidth), px(Form0::kClientHeight));
  setBackground(this, toQColor(Form0::kBackColor));

  auto* image1 = new QLabel(this);
  image1->setObjectName("Image1");
  image1->setGeometry(twipsRect(Form0::Image1));
  image1->setPixmap(splashTitle(image1->size(), devicePixelRatioF()));

  const auto makeLabel = [this](const char* name, const Label& model, const Rect& r, qreal points) {
    auto* label = new QLabel(QString::fromStdString(model.caption), this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(twipsRect(r));
    label->setFont(sansSerif(points, true));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
  };
  makeLabel("Label1", model_.Label1, Form0::Label1Rect, 13.5);
  makeLabel("Label2", model_.Label2, Form0::Label2Rect, 9.75);

  trottola_ = new QLabel(this);
  trottola_->setObjectName("Trottola");
  trottola_->setGeometry(twipsRect(Form0::TrottolaRect));

  for (QWidget* child : findChildren<QWidget*>()) child->setFocusPolicy(Qt::NoFocus);

  timer1_.setObjectName("Timer1");
  connect(&timer1_, &QTimer::timeout, this, [this] {
    model_.Timer1_Timer();
    if (model_.unloaded) {
      // Close first: the last window closing asks the loop to quit with 0; the status set after
      // that is the one the loop returns.
      close();
      if (!mainShown_) QCoreApplication::exit(1);
      return;
    }
    render();
  });

  model_.Form_Load();
  render();
}

void SplashWindow::render() {
  if (model_.Trottola != framePainted_) {
    framePainted_ = model_.Trottola;
    if (framePainted_ < 0)
      trottola_->clear();
    else
      trottola_->setPixmap(spinningTopFrame(framePainted_, trottola_->size(), devicePixelRatioF()));
  }
  if (timer1_.interval() != model_.Timer1.interval) timer1_.setInterval(model_.Timer1.interval);
  if (model_.Timer1.enabled && !timer1_.isActive())
    timer1_.start();
  else if (!model_.Timer1.enabled && timer1_.isActive())
    timer1_.stop();
}

void SplashWindow::handOver() {
  timer1_.stop();
  mainShown_ = showMain_ ? showMain_() : true;
}

void showSplashThenMain(std::function<bool()> showMain) {
  auto* splash = new SplashWindow(std::move(showMain));
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    splash->move(area.x() + (area.width() - splash->width()) / 2, area.y() + (area.height() - splash->height()) / 2);
  }
  splash->show();
}

}  // namespace vocari

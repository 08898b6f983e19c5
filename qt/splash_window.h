// The splash window over the Form0 model: the title, the spinning top, and the hand-over to the
// main window after about four seconds.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

#include "forms/form0.h"

class QLabel;

namespace vocari {

class SplashWindow : public QWidget {
 public:
  // showMain shows the main window (running its whole start-up) and returns whether it did. The
  // splash stays on the screen until it returns, then closes and deletes itself; when showMain
  // returns false the event loop is then ended with status 1.
  explicit SplashWindow(std::function<bool()> showMain);

  const Form0& model() const { return model_; }
  // The top's timer; the widget tests fire its ticks by hand instead of waiting for them.
  QTimer& timer() { return timer1_; }

  // Copies the model into the widgets.
  void render();

 private:
  void handOver();

  std::function<bool()> showMain_;
  Form0 model_;
  QTimer timer1_;
  QLabel* trottola_ = nullptr;
  int framePainted_ = -1;
  bool mainShown_ = false;
};

// Shows the splash, centred on the screen, and returns at once; the event loop (app.exec()) runs
// the animation and the hand-over.
void showSplashThenMain(std::function<bool()> showMain);

}  // namespace vocari

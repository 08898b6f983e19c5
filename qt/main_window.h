// The main window of the game: the Form1 model drawn with Qt widgets. Every control is a widget
// whose objectName is the control's name (the dice are "imgH_<position>", held by the board
// container "Griglia", the path overlay "Lin", the backgrounds "Sfondo_<scheme>"); events go to
// the model's handlers, and the window renders the whole model after every handler and before
// every yield. What screen readers see of it is set up in accessibility.h.
//
// The whole content scales uniformly (fonts, dice, lines, pictures): Ctrl++, Ctrl+- and Ctrl+0,
// or resizing the window frame, which fits the content into the frame, centred. The game's keys
// reach the game whichever control of the window has the focus.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/form1.h"
#include "qt/units.h"

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;

namespace vocari {

class DieWidget;
class ListBoxWidget;
class PathLinesWidget;
class PictureWidget;
class QtPlatform;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Form1& form, QtPlatform& platform, QWidget* parent = nullptr);
  ~MainWindow() override;

  Form1& form() { return form_; }

  // Runs the model's start-up in `currentDir`; on success draws the window and shows it, on
  // failure returns the message to show before the program ends (the window stays hidden).
  std::optional<std::string> start(const std::string& currentDir);

  // Copies the whole model into the widgets.
  void render();

  // The content's scale (1: the layout's own size, 545 x 541 pixels).
  qreal scale() const { return scale_; }
  // Scales the content and makes the window fit it. Clamped to kMinScale..kMaxScale.
  void setScale(qreal scale);
  // Ctrl++, Ctrl+- and Ctrl+0: a step of kScaleSteps, never above largestScale.
  void zoomIn();
  void zoomOut();
  void zoomNormal();
  // The largest scale at which the whole window, its frame included, fits the screen's available
  // area (the frame counts once the window manager has drawn it).
  qreal largestScale() const;
  // Scales the content down, if need be, so that the window, frame included, fits a screen area
  // of this size.
  void fitToScreen(QSize available);

  // The bounds of any scale; a screen smaller than the window at kScaleSteps' first step is
  // fitted down to kMinScale at most.
  static constexpr qreal kMinScale = 0.5, kMaxScale = 3;
  // The steps of Ctrl++ and Ctrl+-: at the first one every text of the window still shows whole.
  static constexpr qreal kScaleSteps[] = {0.75, 0.875, 1, 1.25, 1.5, 1.75, 2, 2.5, 3};

  // The game clock that follows Timer2.
  const QTimer& gameClock() const { return gameClock_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Runs a handler of the model, then draws the result.
  template <class F>
  void handle(F&& handler) {
    handler();
    render();
  }
  // The game's keys, when no widget with focus took them: letters extend the word, Backspace
  // removes the last letter, Escape clears the word, Return confirms it.
  bool playKey(QKeyEvent* event);
  // The board's focus and keys: the cursor shows while it has the focus; the arrows move it and
  // Space picks the die under it.
  bool boardEvent(QEvent* event);

  // The controls, each kind from its table; then the keyboard's order through them.
  void buildControls(QWidget* client);
  void buildBoard(QWidget* client);
  void buildLabels(QWidget* client);
  void buildCheckBox(QWidget* client);
  void buildLists(QWidget* client);
  void buildButtons(QWidget* client);
  void buildMenu();
  // The parts of render, in the order it draws them.
  void renderLabels();
  void renderControls();
  void renderBoard();
  void renderClock();
  // Places a control at twips geometry with a font of `points` at scale 1 (0: the widget keeps
  // its font); applyScale moves and resizes it with the scale.
  void place(QWidget* widget, QRect twips, qreal points = 0);
  void applyScale(qreal scale);
  // The client area was resized: the content fits it, centred.
  void fitContentToClient();
  // Moves the window, frame included, into the screen's available area.
  void keepOnScreen();
  QRect scaled(const Rect& twips) const { return twipsRect(twips, scale_); }
  // Before a control that holds the focus is disabled or hidden: the client area takes the focus
  // instead of the next control of the chain, which could be "Fine".
  void keepFocusFrom(QWidget* control);
  // Gives the focus back to that control once it can take it, or else to "Nuovo".
  void settleFocus();
  // A label over its model; `fit`, at scale 1, keeps a long text whole.
  struct ShownLabel {
    QLabel* widget;
    Label* model;
    std::optional<FontFit> fit;
  };
  // The label's font at the scale, made smaller when a long text would not fit its place.
  void fitLabel(const ShownLabel& label);
  QLabel* addLabel(QWidget* client, const char* name, Label& model, std::optional<FontFit> fit = std::nullopt);
  QAction* addMenuEntry(QMenu* menu, const char* name, const char* caption, MenuItem& model, void (Form1::*handler)());

  Form1& form_;
  QtPlatform& platform_;
  QTimer gameClock_;
  int clockStarts_ = 0;  // Timer2.starts when gameClock_ was last started
  QWidget* client_ = nullptr;
  QWidget* board_ = nullptr;
  QPushButton* cmdNew_ = nullptr;
  QWidget* focusBeforeDisable_ = nullptr;
  bool focusTakenByFlow_ = false;
  // Set by start until the window manager has framed the window and it has been fitted again.
  bool framePending_ = false;

  struct Placed {
    QWidget* widget;
    QRect twips;
    qreal points;
  };
  std::vector<Placed> placed_;
  qreal scale_ = 1;
  QPoint offset_;  // where the content starts in the client area

  std::vector<ShownLabel> labels_;
  std::vector<std::pair<QPushButton*, Button*>> buttons_;
  std::vector<std::pair<QAction*, MenuItem*>> actions_;
  QCheckBox* labMostra_ = nullptr;
  std::vector<std::pair<ListBoxWidget*, ListBox*>> lists_;
  std::array<DieWidget*, kCells> dice_{};
  PathLinesWidget* lines_ = nullptr;
  PictureWidget* shape1_ = nullptr;
  std::array<PictureWidget*, 4> sfondo_{};
  int sfondoBack_ = -1;
};

}  // namespace vocari

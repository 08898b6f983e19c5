#include "qt/main_window.h"
#include "qt/units.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <functional>

#include "qt/accessibility.h"
#include "qt/die_widget.h"
#include "qt/list_box_widget.h"
#include "qt/path_lines_widget.h"
#include "qt/picture_widget.h"
#include "qt/pictures.h"
#include "qt/qt_platform.h"
#include "qt/window_style.h"

namespace vocari {

namespace {

// The text in this colour while the window is active or not; disabled, it keeps the style's grey.
void setForeground(QWidget* w, const QColor& c) {
  if (w->palette().color(QPalette::Active, QPalette::WindowText) == c) return;
  QPalette p = w->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::WindowText, c);
    p.setColor(group, QPalette::Text, c);
  }
  w->setPalette(p);
}

QString text(const std::string& s) { return QString::fromStdString(s); }

bool usable(const QWidget* w) { return w && w->isEnabled() && !w->isHidden(); }

// The client area: takes whatever size the window frame gives it, asks for the content's size,
// and reports a resize.
class ClientArea : public QWidget {
 public:
  using QWidget::QWidget;
  std::function<QSize()> contentSize;
  std::function<void()> onResize;
  QSize sizeHint() const override { return contentSize ? contentSize() : QWidget::sizeHint(); }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QWidget::resizeEvent(event);
    if (onResize) onResize();
  }
};

QSize contentSize(qreal scale) { return {px(Form1::kClientWidth, scale), px(Form1::kClientHeight, scale)}; }

// How a label keeps a long text whole: not at all, on one line as wide as the label, or with all
// its lines inside the label's box.
enum class Fit { None, Line, Box };

// Layout of the labels: geometry in twips, face, size, weight, alignment, border, fitting.
struct LabelLayout {
  const char* name;
  Label Form1::*model;
  QRect twips;  // left, top, width, height
  qreal points;
  bool bold;
  Qt::Alignment align;
  bool border;
  Fit fit = Fit::None;
};

const LabelLayout kLabels[] = {
    {"LabTempo", &Form1::LabTempo, {5160, 240, 2775, 255}, 9.75, false, Qt::AlignRight, false},
    {"Label1", &Form1::Label1, {5160, 600, 2655, 255}, 9.75, false, Qt::AlignHCenter, false},
    {"Label5", &Form1::Label5, {5160, 1920, 2865, 240}, 9.75, false, Qt::AlignLeft, false},
    {"Label3", &Form1::Label3, {5760, 4920, 2055, 255}, 9.75, false, Qt::AlignLeft, false},
    {"LabSol", &Form1::LabSol, {5880, 5160, 615, 375}, 9.75, true, Qt::AlignHCenter, true},
    {"LabPun", &Form1::LabPun, {6600, 5160, 1215, 375}, 9.75, true, Qt::AlignHCenter, true},
    {"Label2", &Form1::Label2, {5160, 5200, 735, 255}, 9.75, false, Qt::AlignLeft, false},
    {"labGara", &Form1::labGara, {5160, 7800, 2655, 255}, 12, true, Qt::AlignLeft, false, Fit::Line},
    {"Label4", &Form1::Label4, {480, 5070, 2895, 255}, 9.75, false, Qt::AlignHCenter, false},
    {"LabelT", &Form1::LabelT, {480, 5340, 2895, 375}, 9.75, true, Qt::AlignLeft, true},
    {"LabErr", &Form1::LabErr, {2160, 6120, 2655, 375}, 9.75, true, Qt::AlignLeft, false},
    {"Label6", &Form1::Label6, {360, 7800, 2295, 255}, 12, true, Qt::AlignLeft, false},
    // In the free band between "OK" and the buttons below it, as wide as the board and its buttons.
    {"LabEsito", &Form1::LabEsito, {480, 6525, 4620, 420}, 8.25, true, Qt::AlignLeft | Qt::AlignVCenter, false,
     Fit::Box},
};

// The summary and the opponent's result always show whole: their font, scaled with the window,
// shrinks a quarter point at a time (staying above 4 points) until every line of the text fits
// the label's width (the summary's lines its height too; the one-line opponent may overhang its
// label's height as its full-size font does).
std::optional<FontFit> fontFit(const LabelLayout& row) {
  if (row.fit == Fit::None) return std::nullopt;
  return FontFit{row.points, 0.25, 4.25, row.fit == Fit::Box};
}

// Layout of the buttons: the handler a click runs, geometry in twips, tool tip, face colour.
struct ButtonLayout {
  const char* name;
  Button Form1::*model;
  void (Form1::*handler)();
  QRect twips;
  const char* toolTip = nullptr;
  QColor face = {};  // invalid: the style's
};

// In the order they are made, which is also their stacking order; all in the same face and size.
const ButtonLayout kButtons[] = {
    {"levaLast", &Form1::levaLast, &Form1::levaLast_Click, {3480, 5280, 615, 495}, "Leva ultima a dx"},
    {"levaAll", &Form1::levaAll, &Form1::levaAll_Click, {4200, 5280, 615, 495}, "Leva tutto"},
    {"CmdOK", &Form1::CmdOK, &Form1::CmdOK_Click, {480, 6000, 1335, 495}, nullptr, QColor(255, 255, 192)},
    {"cmdNew", &Form1::cmdNew, &Form1::cmdNew_Click, {480, 6960, 1335, 495}},
    {"cmdSave", &Form1::cmdSave, &Form1::cmdSave_Click, {1980, 6960, 1335, 495}},
    {"cmdExit", &Form1::cmdExit, &Form1::cmdExit_Click, {3480, 6960, 1335, 495}},
};
constexpr qreal kButtonPoints = 13.5;

// Layout of the two word lists: a list has no caption of its own, a screen reader names it by
// the heading shown above it.
struct ListLayout {
  const char* name;
  ListBox Form1::*model;
  QRect twips;
  void (Form1::*down)();
  void (Form1::*up)();
  void (Form1::*keyMove)();
  Label Form1::*heading;
};

const ListLayout kLists[] = {
    {"ListS", &Form1::ListS, {5160, 840, 2715, 3360}, &Form1::ListS_MouseDown, &Form1::ListS_MouseUp,
     &Form1::ListS_KeyMove, &Form1::Label1},
    {"LisMie", &Form1::LisMie, {5160, 5640, 2715, 2040}, &Form1::LisMie_MouseDown, &Form1::LisMie_MouseUp,
     &Form1::LisMie_KeyMove, &Form1::Label2},
};
constexpr qreal kListPoints = 14.25;

// Keyboard focus: the buttons below the board as they stand, "Nuovo", "Salva", "Fine"; then the
// rest, the board's cursor last.
const char* const kFocusOrder[] = {"cmdNew", "cmdSave", "cmdExit", "CmdOK", "levaLast",
                                   "levaAll", "labMostra", "ListS", "LisMie", kBoardAccessibleName};

}  // namespace

MainWindow::MainWindow(Form1& form, QtPlatform& platform, QWidget* parent)
    : QMainWindow(parent), form_(form), platform_(platform) {
  installAccessibleInterfaces();
  setObjectName("Form1");
  setWindowTitle(QString::fromUtf8(Form1::kCaption));
  setWindowIcon(appIcon());

  auto* client = new ClientArea(this);
  client->setObjectName("client");
  client->contentSize = [this] { return contentSize(scale_); };
  client->setMinimumSize(contentSize(kMinScale));
  client_ = client;
  setBackground(client, toQColor(Form1::kBackColor));
  setCentralWidget(client);

  buildControls(client);
  buildMenu();
  client->installEventFilter(this);
  client->onResize = [this] { fitContentToClient(); };
  applyScale(1);

  gameClock_.setObjectName("Timer2");
  gameClock_.setTimerType(Qt::PreciseTimer);
  connect(&gameClock_, &QTimer::timeout, this, [this] {
    // A tick queued just before the model stopped the clock is dropped.
    if (!form_.Timer2.enabled) return;
    handle([this] { form_.Timer2_Timer(); });
  });

  platform_.attach(this);
  render();
}

MainWindow::~MainWindow() {
  platform_.attach(nullptr);
  for (auto [list, model] : lists_) list->onFocusOut = nullptr;  // the window is going: nothing to trace
}

std::optional<std::string> MainWindow::start(const std::string& currentDir) {
  if (auto error = form_.Form_Load(currentDir)) return error;
  render();
  setScale(scale_);
  if (const QScreen* s = screen()) fitToScreen(s->availableGeometry().size());
  framePending_ = true;
  show();
  // Where the frame is known at once, fitted with it now; elsewhere when it arrives (moveEvent).
  if (frameGeometry().size() != geometry().size()) {
    framePending_ = false;
    if (const QScreen* s = screen()) fitToScreen(s->availableGeometry().size());
    keepOnScreen();
  }
  cmdNew_->setFocus(Qt::OtherFocusReason);
  return std::nullopt;
}

void MainWindow::place(QWidget* widget, QRect twips, qreal points) {
  placed_.push_back({widget, twips, points});
}

void MainWindow::applyScale(qreal scale) {
  scale_ = scale;
  const QSize content = contentSize(scale);
  offset_ = QPoint(std::max(0, (client_->width() - content.width()) / 2),
                   std::max(0, (client_->height() - content.height()) / 2));
  for (const Placed& p : placed_) {
    const QRect g = scaled(Rect{p.twips.x(), p.twips.y(), p.twips.width(), p.twips.height()}).translated(offset_);
    if (p.widget->geometry() != g) p.widget->setGeometry(g);
    if (p.points > 0 && p.widget->font().pointSizeF() != p.points * scale) {
      QFont font = p.widget->font();
      font.setPointSizeF(p.points * scale);
      p.widget->setFont(font);
    }
    if (p.widget->style() == WindowStyle::instance()) p.widget->setProperty(kScaleProperty, scale);
  }
  for (auto [list, model] : lists_) {
    list->verticalScrollBar()->setProperty(kScaleProperty, scale);
    list->verticalScrollBar()->updateGeometry();
  }
  for (int p : dicePos) dice_[p]->setFrameWidth(DieWidget::kFrameWidth * scale);
  lines_->setLineWidth(PathLinesWidget::kLineWidth * scale);
  shape1_->setOutline(Qt::black, scale);
  client_->updateGeometry();
  render();
  for (const ShownLabel& label : labels_) fitLabel(label);
}

void MainWindow::fitLabel(const ShownLabel& label) {
  if (!label.fit) return;
  FontFit fit = *label.fit;
  fit.points *= scale_;
  fitFont(label.widget, fit);
}

void MainWindow::setScale(qreal scale) {
  applyScale(std::clamp(scale, kMinScale, kMaxScale));
  // The window fits the content exactly; the frame's resize then keeps this scale.
  resize(contentSize(scale_) + QSize(0, menuBar()->sizeHint().height()));
  if (isVisible()) keepOnScreen();
}

qreal MainWindow::largestScale() const {
  const QScreen* s = screen();
  if (!s) return kMaxScale;
  const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
  // A pixel less, so that rounding the content's size up never makes it overflow.
  const QSize room = s->availableGeometry().size() - frame - QSize(1, menuBar()->sizeHint().height() + 1);
  const qreal fit = std::min(qreal(room.width()) / px(Form1::kClientWidth), qreal(room.height()) / px(Form1::kClientHeight));
  return std::clamp(fit, kMinScale, kMaxScale);
}

void MainWindow::zoomIn() {
  const auto* next = std::find_if(std::begin(kScaleSteps), std::end(kScaleSteps), [this](qreal s) { return s > scale_ + 1e-6; });
  if (next == std::end(kScaleSteps)) return;
  const qreal scale = std::min(*next, largestScale());
  if (scale > scale_ + 1e-6) setScale(scale);
}

void MainWindow::zoomOut() {
  const auto* end = std::find_if(std::begin(kScaleSteps), std::end(kScaleSteps), [this](qreal s) { return s >= scale_ - 1e-6; });
  if (end != std::begin(kScaleSteps)) setScale(*(end - 1));
}

void MainWindow::zoomNormal() { setScale(std::min(qreal(1), std::max(kScaleSteps[0], largestScale()))); }

void MainWindow::fitToScreen(QSize available) {
  // The window frame is known once the window is shown; the menu bar keeps its own size.
  const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
  const QSize room = available - frame - QSize(1, menuBar()->sizeHint().height() + 1);
  const qreal fit = std::min(qreal(room.width()) / px(Form1::kClientWidth), qreal(room.height()) / px(Form1::kClientHeight));
  if (fit < scale_) setScale(fit);
}

void MainWindow::keepOnScreen() {
  const QScreen* s = screen();
  if (!s) return;
  const QRect area = s->availableGeometry();
  QRect frame = frameGeometry();
  if (area.contains(frame)) return;
  frame.moveLeft(std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() + 1 - frame.width())));
  frame.moveTop(std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height())));
  move(frame.topLeft());
}

// The window manager frames the window after it is shown: the start-up fit is made again with
// the frame counted.
void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (!framePending_ || frameGeometry().size() == geometry().size()) return;
  framePending_ = false;
  if (const QScreen* s = screen()) fitToScreen(s->availableGeometry().size());
  keepOnScreen();
}

void MainWindow::fitContentToClient() {
  const QSize area = client_->size();
  const qreal fit = std::clamp(std::min(qreal(area.width()) / px(Form1::kClientWidth),
                                        qreal(area.height()) / px(Form1::kClientHeight)),
                               kMinScale, kMaxScale);
  // A frame within a pixel of the content keeps the scale (the window was just fitted to it).
  const QSize current = contentSize(scale_);
  const bool fitted = current.width() <= area.width() && current.height() <= area.height() &&
                      std::abs(fit - scale_) * px(Form1::kClientWidth) < 1;
  applyScale(fitted ? scale_ : fit);
}

void MainWindow::keepFocusFrom(QWidget* control) {
  if (focusWidget() != control) return;
  focusBeforeDisable_ = control;
  focusTakenByFlow_ = form_.flowRunning();
  client_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::settleFocus() {
  if (!focusBeforeDisable_) return;
  if (focusWidget() != client_) {
    focusBeforeDisable_ = nullptr;
    return;
  }
  // Back to the control once it can take the focus again; when a new-game flow has ended or the
  // game is over and the control stays off, to "Nuovo". Otherwise, during a game, the client
  // area keeps it (the keys still play), so that Space never starts a game by surprise.
  const bool toNew = !form_.flowRunning() && (focusTakenByFlow_ || !form_.Timer2.enabled);
  QWidget* target = usable(focusBeforeDisable_) ? focusBeforeDisable_ : toNew && usable(cmdNew_) ? cmdNew_ : nullptr;
  if (!target) return;
  focusBeforeDisable_ = nullptr;
  target->setFocus(Qt::OtherFocusReason);
}

QLabel* MainWindow::addLabel(QWidget* client, const char* name, Label& model, std::optional<FontFit> fit) {
  auto* label = new QLabel(client);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setMargin(0);
  labels_.push_back({label, &model, fit});
  return label;
}

void MainWindow::buildControls(QWidget* client) {
  buildBoard(client);
  buildLabels(client);
  buildCheckBox(client);
  buildLists(client);
  buildButtons(client);
  for (std::size_t i = 1; i < std::size(kFocusOrder); ++i)
    setTabOrder(client->findChild<QWidget*>(kFocusOrder[i - 1]), client->findChild<QWidget*>(kFocusOrder[i]));
  cmdNew_->setFocus(Qt::OtherFocusReason);
}

void MainWindow::buildBoard(QWidget* client) {
  // Stacking order, back to front: the season backgrounds, the board outline, the dice, the path
  // lines over them, then the other controls.
  for (int k = 0; k < int(sfondo_.size()); ++k) {
    auto* picture = new PictureWidget(client);
    picture->setObjectName(QStringLiteral("Sfondo_%1").arg(k));
    picture->setProperty("index", k);
    picture->setSource(k, [k](QSize size, qreal dpr) { return seasonBackground(k, size, dpr); });
    sfondo_[k] = picture;
  }
  const Rect& shape = Form1::Shape1;
  shape1_ = new PictureWidget(client);
  shape1_->setObjectName("Shape1");
  place(shape1_, {shape.left, shape.top, shape.width, shape.height});
  shape1_->setOutline(Qt::black);
  // The dice sit in a transparent container over the whole client area, so their geometry stays
  // in window coordinates; for a screen reader it is the group "Griglia", the dice in reading
  // order.
  // The board takes the focus from the keyboard only (Tab), never from a click on a die: the
  // arrow keys then move the cursor over the dice and Space picks the die under it.
  auto* board = new QWidget(client);
  board->setObjectName(kBoardAccessibleName);
  board->setAccessibleName(kBoardAccessibleName);
  board->setFocusPolicy(Qt::TabFocus);
  board->installEventFilter(this);
  board_ = board;
  place(board, {0, 0, Form1::kClientWidth, Form1::kClientHeight});
  for (int p : dicePos) {
    auto* die = new DieWidget(p, board);
    die->onClick = [this](int pos) { handle([this, pos] { form_.imgh_Click(pos); }); };
    die->onDoubleClick = [this](int pos) { handle([this, pos] { form_.imgH_DblClick(pos); }); };
    die->onDragStart = [this](int pos) { handle([this, pos] { form_.imgH_DragStart(pos); }); };
    die->onDragEnter = [this](int pos) { handle([this, pos] { form_.imgH_DragEnter(pos); }); };
    die->onDragEnd = [this] { handle([this] { form_.imgH_DragEnd(); }); };
    dice_[p] = die;
  }
  lines_ = new PathLinesWidget(client);
  lines_->setObjectName("Lin");
  place(lines_, {0, 0, Form1::kClientWidth, Form1::kClientHeight});
}

void MainWindow::buildLabels(QWidget* client) {
  QLabel* labTem = addLabel(client, "LabTem", form_.LabTem);
  labTem->setFont(controlFont(Face::Tahoma, 14.25, true, true));
  place(labTem, {480, 120, 975, 375}, 14.25);
  labTem->setAlignment(Qt::AlignCenter);  // the substitute face is taller than the original one
  labTem->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setBackground(labTem, QColor(0, 192, 0));
  for (const LabelLayout& row : kLabels) {
    QLabel* label = addLabel(client, row.name, form_.*(row.model), fontFit(row));
    label->setFont(controlFont(Face::SansSerif, row.points, row.bold));
    place(label, row.twips, row.points);
    label->setAlignment(row.align & Qt::AlignVertical_Mask ? row.align : row.align | Qt::AlignTop);
    if (row.fit == Fit::Line) label->setWordWrap(false);
    if (row.border) {
      label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
      label->setIndent(2);
    }
  }
}

// The check box that shows all solutions.
void MainWindow::buildCheckBox(QWidget* client) {
  labMostra_ = new QCheckBox(client);
  labMostra_->setObjectName("labMostra");
  labMostra_->setFont(controlFont(Face::SansSerif, 9.75, false));
  labMostra_->setStyle(WindowStyle::instance());
  labMostra_->installEventFilter(this);
  place(labMostra_, {1920, 240, 2895, 255}, 9.75);
  // toggled, not clicked: a screen reader ticks the box through its toggle action, which does not click.
  connect(labMostra_, &QCheckBox::toggled, this,
          [this](bool checked) { handle([this, checked] { form_.setLabMostraValue(checked ? 1 : 0); }); });
}

void MainWindow::buildLists(QWidget* client) {
  for (const ListLayout& row : kLists) {
    auto* list = new ListBoxWidget(client);
    list->setObjectName(row.name);
    list->setFont(controlFont(Face::Courier, kListPoints, true));
    list->setStyle(WindowStyle::instance());
    list->verticalScrollBar()->setStyle(WindowStyle::instance());
    list->installEventFilter(this);
    place(list, row.twips, kListPoints);
    ListBox* model = &(form_.*row.model);
    list->onSelect = [model](int selected) { model->selected = selected; };
    list->onPress = [this, down = row.down] { handle([this, down] { (form_.*down)(); }); };
    list->onRelease = [this, up = row.up] { handle([this, up] { (form_.*up)(); }); };
    list->onKeyMove = [this, move = row.keyMove] { handle([this, move] { (form_.*move)(); }); };
    list->onFocusOut = [this] {
      if (!form_.round.trace.empty()) handle([this] { form_.list_LostFocus(); });
    };
    list->setAccessibleName(text((form_.*row.heading).caption));
    lists_.emplace_back(list, model);
  }
}

void MainWindow::buildButtons(QWidget* client) {
  for (const ButtonLayout& row : kButtons) {
    auto* button = new QPushButton(client);
    button->setObjectName(row.name);
    button->setFont(controlFont(Face::SansSerif, kButtonPoints, true));
    button->setAutoDefault(false);
    button->setStyle(WindowStyle::instance());
    button->installEventFilter(this);
    const auto handler = row.handler;
    connect(button, &QPushButton::clicked, this, [this, handler] { handle([this, handler] { (form_.*handler)(); }); });
    buttons_.emplace_back(button, &(form_.*row.model));
    place(button, row.twips, kButtonPoints);
    if (row.toolTip) button->setToolTip(row.toolTip);
    if (row.face.isValid()) {
      QPalette palette = button->palette();
      palette.setColor(QPalette::Button, row.face);
      button->setPalette(palette);
    }
  }
  cmdNew_ = findChild<QPushButton*>("cmdNew");
}

QAction* MainWindow::addMenuEntry(QMenu* menu, const char* name, const char* caption, MenuItem& model,
                               void (Form1::*handler)()) {
  QAction* action = menu ? menu->addAction(QString::fromUtf8(caption)) : menuBar()->addAction(QString::fromUtf8(caption));
  action->setObjectName(name);
  connect(action, &QAction::triggered, this, [this, handler] { handle([this, handler] { (form_.*handler)(); }); });
  actions_.emplace_back(action, &model);
  return action;
}

void MainWindow::buildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("menuBar");
  const auto separator = [](QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(name); };

  QMenu* file = bar->addMenu("File");
  file->setObjectName("mFile");
  file->menuAction()->setObjectName("mFile");
  // A shortcut acts only while its entry is enabled, and the entries follow the model.
  const auto shortcut = [](QAction* action, QKeySequence keys) {
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
  };
  shortcut(addMenuEntry(file, "mApri", "Apri un file Vocari", form_.mApri, &Form1::mApri_Click), QKeySequence(Qt::CTRL | Qt::Key_O));
  shortcut(addMenuEntry(file, "mGen", "Genera un nuovo Vocari", form_.mGen, &Form1::mGen_Click), QKeySequence(Qt::CTRL | Qt::Key_N));
  shortcut(addMenuEntry(file, "mSfida", "Sfida del giorno", form_.mSfida, &Form1::mSfida_Click), QKeySequence(Qt::CTRL | Qt::Key_G));
  separator(file, "m1");
  shortcut(addMenuEntry(file, "mSave", "Salva questo Vocari", form_.mSave, &Form1::mSave_Click), QKeySequence(Qt::CTRL | Qt::Key_S));
  addMenuEntry(file, "mCopia", "Copia risultato", form_.mCopia, &Form1::mCopia_Click);
  separator(file, "m3");
  shortcut(addMenuEntry(file, "mfine", "Fine", form_.mfine, &Form1::mfine_Click), QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* view = bar->addMenu("Visualizza");
  view->setObjectName("mVisu");
  view->menuAction()->setObjectName("mVisu");
  addMenuEntry(view, "mDizi", "Dizionario completo", form_.mDizi, &Form1::mDizi_Click);
  addMenuEntry(view, "mAcro", "Acronimi del dizionario", form_.mAcro, &Form1::mAcro_Click);
  // The window's scale belongs to the window alone, not to the game.
  separator(view, "mZoomSep");
  const auto zoom = [&](const char* name, const char* caption, QList<QKeySequence> keys, auto slot) {
    QAction* action = view->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, slot);
  };
  zoom("mIngrandisci", "Ingrandisci", {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
       [this] { zoomIn(); });
  zoom("mRiduci", "Riduci", {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { zoomOut(); });
  zoom("mNormale", "Dimensione normale", {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { zoomNormal(); });

  addMenuEntry(nullptr, "mOpzioni", "Opzioni", form_.mOpzioni, &Form1::mOpzioni_Click);

  QMenu* help = bar->addMenu("Aiuto");
  help->setObjectName("mAiuto");
  help->menuAction()->setObjectName("mAiuto");
  QAction* guide = addMenuEntry(help, "mGuida", "Guida completa", form_.mGuida, &Form1::mGuida_Click);
  guide->setShortcut(QKeySequence(Qt::Key_F1));
  guide->setShortcutContext(Qt::WindowShortcut);
  addMenuEntry(help, "mCons", "Consigli", form_.mCons, &Form1::mCons_Click);
  separator(help, "m2");
  addMenuEntry(help, "mInfo", "Informazioni", form_.mInfo, &Form1::mInfo_Click);
}

void MainWindow::render() {
  renderLabels();
  renderControls();
  renderBoard();
  for (auto [action, model] : actions_)
    if (action->isEnabled() != model->enabled) action->setEnabled(model->enabled);
  settleFocus();
  renderClock();
}

void MainWindow::renderLabels() {
  for (const ShownLabel& shown : labels_) {
    QLabel* label = shown.widget;
    const Label* model = shown.model;
    const QString caption = text(model->caption);
    if (label->text() != caption) {
      label->setText(caption);
      fitLabel(shown);
      announceLabelChange(label);
    }
    setForeground(label, toQColor(model->foreColor));
    if (label->isEnabled() != model->enabled) label->setEnabled(model->enabled);
    setShown(label, model->visible);
  }
}

void MainWindow::renderControls() {
  for (auto [button, model] : buttons_) {
    const QString caption = text(model->caption);
    if (button->text() != caption) button->setText(caption);
    if (!model->enabled || !model->visible) keepFocusFrom(button);
    if (button->isEnabled() != model->enabled) button->setEnabled(model->enabled);
    setShown(button, model->visible);
  }
  {
    const QSignalBlocker blocker(labMostra_);
    const QString caption = text(form_.labMostra.caption);
    if (labMostra_->text() != caption) labMostra_->setText(caption);
    if (labMostra_->isChecked() != (form_.labMostra.value != 0)) labMostra_->setChecked(form_.labMostra.value != 0);
    if (!form_.labMostra.visible) keepFocusFrom(labMostra_);
    setShown(labMostra_, form_.labMostra.visible);
  }
  for (auto [widget, model] : lists_) {
    widget->setEntries(model->items);
    widget->setMarks(model->marked);
    widget->setSelectedRow(model->selected);
    if (!model->visible) keepFocusFrom(widget);
    setShown(widget, model->visible);
  }
}

// The dice, the path over them and the season backgrounds.
void MainWindow::renderBoard() {
  std::vector<PathSegment> segments;
  segments.reserve(dicePos.size());
  for (int p : dicePos) {
    const Die& die = form_.imgH[p];
    if (die.geometry.width > 0) {
      const QRect g = scaled(die.geometry);
      if (dice_[p]->geometry() != g) dice_[p]->setGeometry(g);
    }
    dice_[p]->setState(die.letterIndex, die.borderStyle == 1, die.underCursor);
    const Line& line = form_.Lin[p];
    const qreal k = scale_ / 15;
    segments.push_back({QLineF(line.x1 * k, line.y1 * k, line.x2 * k, line.y2 * k), toQColor(line.borderColor), line.visible});
  }
  lines_->setSegments(std::move(segments));

  for (int k = 0; k < int(sfondo_.size()); ++k) {
    const Rect& r = form_.Sfondo[k];
    const QRect g = scaled(r.width > 0 ? r : Rect{r.left, r.top, Form1::Shape1.width, Form1::Shape1.height}).translated(offset_);
    if (sfondo_[k]->geometry() != g) sfondo_[k]->setGeometry(g);
    // A background moved off the board stays out of sight, also in the margins of a wide frame.
    setShown(sfondo_[k], g.intersects(QRect(offset_, contentSize(scale_))));
  }
  if (form_.sfondoBack != sfondoBack_ && form_.sfondoBack >= 0 && form_.sfondoBack < int(sfondo_.size())) {
    sfondoBack_ = form_.sfondoBack;
    sfondo_[sfondoBack_]->lower();
  }
}

void MainWindow::renderClock() {
  if (gameClock_.interval() != form_.Timer2.interval) gameClock_.setInterval(form_.Timer2.interval);
  // A new game restarts the timer even while it runs: its first tick comes a whole interval later.
  if (form_.Timer2.enabled && (!gameClock_.isActive() || form_.Timer2.starts != clockStarts_))
    gameClock_.start();
  else if (!form_.Timer2.enabled && gameClock_.isActive())
    gameClock_.stop();
  clockStarts_ = form_.Timer2.starts;
}

bool MainWindow::playKey(QKeyEvent* event) {
  const auto usable = [](const Button& b) { return b.enabled && b.visible; };
  switch (event->key()) {
    case Qt::Key_Backspace:
      if (!usable(form_.levaLast)) return false;
      handle([this] { form_.levaLast_Click(); });
      return true;
    case Qt::Key_Escape:
      if (!usable(form_.levaAll)) return false;
      handle([this] { form_.levaAll_Click(); });
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!usable(form_.CmdOK)) return false;
      handle([this] { form_.CmdOK_Click(); });
      return true;
    default:
      break;
  }
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString typed = event->text();
  if (typed.size() != 1 || !form_.Timer2.enabled) return false;
  const QChar c = typed.at(0).toUpper();
  if (c < QLatin1Char('A') || c > QLatin1Char('Z')) return false;
  handle([this, c] { form_.typeLetter(char(c.unicode())); });
  return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // The controls of the window and its client area: the game's keys go to the game first.
  if (event->type() == QEvent::KeyPress && playKey(static_cast<QKeyEvent*>(event))) return true;
  if (watched == board_ && boardEvent(event)) return true;
  return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::boardEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
      const bool focused = event->type() == QEvent::FocusIn;
      handle([this, focused] { form_.Griglia_Focus(focused); });
      return false;
    }
    case QEvent::KeyPress:
      break;
    default:
      return false;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const std::pair<int, int> step = key->key() == Qt::Key_Up     ? std::pair(-1, 0)
                                   : key->key() == Qt::Key_Down  ? std::pair(1, 0)
                                   : key->key() == Qt::Key_Left  ? std::pair(0, -1)
                                   : key->key() == Qt::Key_Right ? std::pair(0, 1)
                                                                 : std::pair(0, 0);
  if (step != std::pair(0, 0)) {
    handle([this, step] { form_.Griglia_MoveCursor(step.first, step.second); });
    return true;
  }
  if (key->key() != Qt::Key_Space) return false;
  handle([this] { form_.Griglia_Space(); });
  return true;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (playKey(event))
    event->accept();
  else
    QMainWindow::keyPressEvent(event);
}

}  // namespace vocari

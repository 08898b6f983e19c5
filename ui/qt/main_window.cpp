#include "ui/qt/main_window.h"
#include "ui/qt/units.h"

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>

#include "ui/qt/accessibility.h"
#include "ui/qt/die_widget.h"
#include "ui/qt/list_box_widget.h"
#include "ui/qt/path_lines_widget.h"
#include "ui/qt/picture_widget.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_platform.h"

namespace vocari {

namespace {

// The faces the window was laid out for come first; the rest are the nearest installed ones.
void setForeground(QWidget* w, const QColor& c) {
  if (w->palette().color(QPalette::Active, QPalette::WindowText) == c) return;
  QPalette p = w->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::WindowText, c);
    p.setColor(group, QPalette::Text, c);
  }
  w->setPalette(p);
}

QColor foreground(Colour c) {
  return c == kWindowTextColour ? QGuiApplication::palette().color(QPalette::WindowText) : MainWindow::colour(c);
}

// A long "Gara con: " line would wrap out of its label: it shrinks until it fits whole.
void fitOneLine(QLabel* label, QFont font) {
  while (font.pointSizeF() > 5 && QFontMetrics(font).horizontalAdvance(label->text()) > label->contentsRect().width())
    font.setPointSizeF(font.pointSizeF() - 0.5);
  if (label->font() != font) label->setFont(font);
}

void setShown(QWidget* w, bool visible) {
  if (w->isHidden() == visible) w->setVisible(visible);
}

QString text(const std::string& s) { return QString::fromStdString(s); }

// Layout of the labels: geometry in twips, face, size, weight, alignment, border.
struct LabelLayout {
  const char* name;
  Label Form1::*model;
  QRect twips;  // left, top, width, height
  qreal points;
  bool bold;
  Qt::Alignment align;
  bool border;
};

const LabelLayout kLabels[] = {
    {"LabTempo", &Form1::LabTempo, {5160, 240, 2775, 255}, 9.75, false, Qt::AlignRight, false},
    {"Label1", &Form1::Label1, {5160, 600, 2655, 255}, 9.75, false, Qt::AlignHCenter, false},
    {"Label5", &Form1::Label5, {5160, 1920, 2865, 240}, 9.75, false, Qt::AlignLeft, false},
    {"Label3", &Form1::Label3, {5760, 4920, 2055, 255}, 9.75, false, Qt::AlignLeft, false},
    {"LabSol", &Form1::LabSol, {5880, 5160, 615, 375}, 9.75, true, Qt::AlignHCenter, true},
    {"LabPun", &Form1::LabPun, {6600, 5160, 1215, 375}, 9.75, true, Qt::AlignHCenter, true},
    {"Label2", &Form1::Label2, {5160, 5200, 735, 255}, 9.75, false, Qt::AlignLeft, false},
    {"labGara", &Form1::labGara, {5160, 7800, 2655, 255}, 12, true, Qt::AlignLeft, false},
    {"Label4", &Form1::Label4, {480, 5070, 2895, 255}, 9.75, false, Qt::AlignHCenter, false},
    {"LabelT", &Form1::LabelT, {480, 5340, 2895, 375}, 9.75, true, Qt::AlignLeft, true},
    {"LabErr", &Form1::LabErr, {2160, 6120, 2655, 375}, 9.75, true, Qt::AlignLeft, false},
    {"Label6", &Form1::Label6, {360, 7800, 2295, 255}, 12, true, Qt::AlignLeft, false},
};

}  // namespace

MainWindow::MainWindow(Form1& form, QtPlatform& platform, QWidget* parent)
    : QMainWindow(parent), form_(form), platform_(platform) {
  installAccessibleInterfaces();
  setObjectName("Form1");
  setWindowTitle(QString::fromUtf8(Form1::kCaption));
  setWindowIcon(appIcon());

  auto* client = new QWidget(this);
  client->setObjectName("client");
  client->setFixedSize(px(Form1::kClientWidth), px(Form1::kClientHeight));
  QPalette pal = client->palette();
  pal.setColor(QPalette::Window, colour(Form1::kBackColor));
  client->setPalette(pal);
  client->setAutoFillBackground(true);
  setCentralWidget(client);

  buildControls(client);
  buildMenu();
  layout()->setSizeConstraint(QLayout::SetFixedSize);

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

MainWindow::~MainWindow() { platform_.attach(nullptr); }

std::optional<std::string> MainWindow::start(const std::string& currentDir) {
  if (auto error = form_.Form_Load(currentDir)) return error;
  render();
  show();
  if (auto* first = findChild<QPushButton*>("cmdNew")) first->setFocus(Qt::OtherFocusReason);
  return std::nullopt;
}

QLabel* MainWindow::addLabel(QWidget* client, const char* name, Label& model) {
  auto* label = new QLabel(client);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setMargin(0);
  labels_.emplace_back(label, &model);
  return label;
}

QPushButton* MainWindow::addButton(QWidget* client, const char* name, Button& model, void (Form1::*handler)()) {
  auto* button = new QPushButton(client);
  button->setObjectName(name);
  button->setFont(controlFont(Face::SansSerif, 13.5, true));
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, handler] { handle([this, handler] { (form_.*handler)(); }); });
  buttons_.emplace_back(button, &model);
  return button;
}

void MainWindow::buildControls(QWidget* client) {
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
  shape1_->setGeometry(twipsRect(shape.left, shape.top, shape.width, shape.height));
  shape1_->setOutline(Qt::black);
  // The dice sit in a transparent container over the whole client area, so their geometry stays
  // in window coordinates; for a screen reader it is the group "Griglia", the dice in reading
  // order.
  auto* board = new QWidget(client);
  board->setObjectName(kBoardAccessibleName);
  board->setAccessibleName(kBoardAccessibleName);
  board->setGeometry(client->rect());
  for (int p : dicePos) {
    auto* die = new DieWidget(p, board);
    die->onClick = [this](int pos) { handle([this, pos] { form_.imgh_Click(pos); }); };
    die->onDoubleClick = [this](int pos) { handle([this, pos] { form_.imgH_DblClick(pos); }); };
    const int row = p / 6, col = p % 6;
    die->setGeometry(twipsRect(600 + 1080 * (col - 1), 720 + 1080 * (row - 1), 855, 855));
    dice_[p] = die;
  }
  lines_ = new PathLinesWidget(client);
  lines_->setObjectName("Lin");
  lines_->setGeometry(client->rect());

  // Labels.
  QLabel* labTem = addLabel(client, "LabTem", form_.LabTem);
  labTem->setGeometry(twipsRect(480, 120, 975, 375));
  labTem->setFont(controlFont(Face::Tahoma, 14.25, true, true));
  labTem->setAlignment(Qt::AlignCenter);  // the substitute face is taller than the original one
  labTem->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  labTem->setAutoFillBackground(true);
  QPalette temPalette = labTem->palette();
  temPalette.setColor(QPalette::Window, QColor(0, 192, 0));
  labTem->setPalette(temPalette);
  for (const LabelLayout& row : kLabels) {
    QLabel* label = addLabel(client, row.name, form_.*(row.model));
    label->setGeometry(twipsRect(row.twips.x(), row.twips.y(), row.twips.width(), row.twips.height()));
    label->setFont(controlFont(Face::SansSerif, row.points, row.bold));
    label->setAlignment(row.align | Qt::AlignTop);
    if (row.model == &Form1::labGara) label->setWordWrap(false);
    if (row.border) {
      label->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
      label->setIndent(2);
    }
  }

  // The check box that shows all solutions.
  labMostra_ = new QCheckBox(client);
  labMostra_->setObjectName("labMostra");
  labMostra_->setGeometry(twipsRect(1920, 240, 2895, 255));
  labMostra_->setFont(controlFont(Face::SansSerif, 9.75, false));
  connect(labMostra_, &QCheckBox::clicked, this,
          [this](bool checked) { handle([this, checked] { form_.setLabMostraValue(checked ? 1 : 0); }); });

  // The two word lists.
  const auto makeList = [&](const char* name, ListBox& model, QRect twips, void (Form1::*down)(),
                            void (Form1::*up)()) {
    auto* list = new ListBoxWidget(client);
    list->setObjectName(name);
    list->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    list->setFont(controlFont(Face::Courier, 14.25, true));
    ListBox* m = &model;
    list->onSelect = [m](int row) { m->selected = row; };
    list->onPress = [this, down] { handle([this, down] { (form_.*down)(); }); };
    list->onRelease = [this, up] { handle([this, up] { (form_.*up)(); }); };
    return list;
  };
  listS_ = makeList("ListS", form_.ListS, {5160, 840, 2715, 3360}, &Form1::ListS_MouseDown, &Form1::ListS_MouseUp);
  lisMie_ = makeList("LisMie", form_.LisMie, {5160, 5640, 2715, 2040}, &Form1::LisMie_MouseDown,
                     &Form1::LisMie_MouseUp);
  // A list has no caption of its own: a screen reader names it by the heading shown above it.
  listS_->setAccessibleName(text(form_.Label1.caption));
  lisMie_->setAccessibleName(text(form_.Label2.caption));

  // Buttons.
  QPushButton* levaLast = addButton(client, "levaLast", form_.levaLast, &Form1::levaLast_Click);
  levaLast->setGeometry(twipsRect(3480, 5280, 615, 495));
  levaLast->setToolTip("Leva ultima a dx");
  QPushButton* levaAll = addButton(client, "levaAll", form_.levaAll, &Form1::levaAll_Click);
  levaAll->setGeometry(twipsRect(4200, 5280, 615, 495));
  levaAll->setToolTip("Leva tutto");
  QPushButton* cmdOK = addButton(client, "CmdOK", form_.CmdOK, &Form1::CmdOK_Click);
  cmdOK->setGeometry(twipsRect(480, 6000, 1335, 495));
  QPalette okPalette = cmdOK->palette();
  okPalette.setColor(QPalette::Button, QColor(255, 255, 192));
  cmdOK->setPalette(okPalette);
  QPushButton* cmdNew = addButton(client, "cmdNew", form_.cmdNew, &Form1::cmdNew_Click);
  cmdNew->setGeometry(twipsRect(480, 6960, 1335, 495));
  QPushButton* cmdSave = addButton(client, "cmdSave", form_.cmdSave, &Form1::cmdSave_Click);
  cmdSave->setGeometry(twipsRect(1980, 6960, 1335, 495));
  QPushButton* cmdExit = addButton(client, "cmdExit", form_.cmdExit, &Form1::cmdExit_Click);
  cmdExit->setGeometry(twipsRect(3480, 6960, 1335, 495));

  // Keyboard focus: "Nuovo", then "Fine", then the rest.
  QWidget* order[] = {cmdNew, cmdExit, cmdSave, cmdOK, levaLast, levaAll, labMostra_, listS_, lisMie_};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  cmdNew->setFocus(Qt::OtherFocusReason);
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
  addMenuEntry(file, "mApri", "Apri un file Vocari", form_.mApri, &Form1::mApri_Click);
  addMenuEntry(file, "mGen", "Genera un nuovo Vocari", form_.mGen, &Form1::mGen_Click);
  separator(file, "m1");
  addMenuEntry(file, "mSave", "Salva questo Vocari", form_.mSave, &Form1::mSave_Click);
  separator(file, "m3");
  addMenuEntry(file, "mfine", "Fine", form_.mfine, &Form1::mfine_Click);

  QMenu* view = bar->addMenu("Visualizza");
  view->setObjectName("mVisu");
  view->menuAction()->setObjectName("mVisu");
  addMenuEntry(view, "mDizi", "Dizionario completo", form_.mDizi, &Form1::mDizi_Click);
  addMenuEntry(view, "mAcro", "Acronimi del dizionario", form_.mAcro, &Form1::mAcro_Click);

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
  for (auto [label, model] : labels_) {
    const QString caption = text(model->caption);
    if (label->text() != caption) {
      label->setText(caption);
      if (model == &form_.labGara) fitOneLine(label, controlFont(Face::SansSerif, 12, true));
      announceLabelChange(label);
    }
    setForeground(label, foreground(model->foreColor));
    if (label->isEnabled() != model->enabled) label->setEnabled(model->enabled);
    setShown(label, model->visible);
  }
  for (auto [button, model] : buttons_) {
    const QString caption = text(model->caption);
    if (button->text() != caption) button->setText(caption);
    if (button->isEnabled() != model->enabled) button->setEnabled(model->enabled);
    setShown(button, model->visible);
  }
  {
    const QSignalBlocker blocker(labMostra_);
    const QString caption = text(form_.labMostra.caption);
    if (labMostra_->text() != caption) labMostra_->setText(caption);
    if (labMostra_->isChecked() != (form_.labMostra.value != 0)) labMostra_->setChecked(form_.labMostra.value != 0);
    setShown(labMostra_, form_.labMostra.visible);
  }
  for (auto [widget, model] : {std::pair{listS_, &form_.ListS}, std::pair{lisMie_, &form_.LisMie}}) {
    widget->setEntries(model->items);
    widget->setSelectedRow(model->selected);
    setShown(widget, model->visible);
  }

  std::vector<PathSegment> segments;
  segments.reserve(dicePos.size());
  for (int p : dicePos) {
    const Die& die = form_.imgH[p];
    if (die.geometry.width > 0) {
      const QRect g = twipsRect(die.geometry.left, die.geometry.top, die.geometry.width, die.geometry.height);
      if (dice_[p]->geometry() != g) dice_[p]->setGeometry(g);
    }
    dice_[p]->setState(die.letterIndex, die.borderStyle == 1);
    const Line& line = form_.Lin[p];
    segments.push_back({QLineF(line.x1 / 15.0, line.y1 / 15.0, line.x2 / 15.0, line.y2 / 15.0), colour(line.borderColor),
                        line.visible});
  }
  lines_->setSegments(std::move(segments));

  for (int k = 0; k < int(sfondo_.size()); ++k) {
    const Rect& r = form_.Sfondo[k];
    const QSize size = r.width > 0 ? QSize(px(r.width), px(r.height)) : kSeasonBackgroundSize;
    const QRect g(QPoint(px(r.left), px(r.top)), size);
    if (sfondo_[k]->geometry() != g) sfondo_[k]->setGeometry(g);
  }
  if (form_.sfondoBack != sfondoBack_ && form_.sfondoBack >= 0 && form_.sfondoBack < int(sfondo_.size())) {
    sfondoBack_ = form_.sfondoBack;
    sfondo_[sfondoBack_]->lower();
  }

  for (auto [action, model] : actions_)
    if (action->isEnabled() != model->enabled) action->setEnabled(model->enabled);

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

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (playKey(event))
    event->accept();
  else
    QMainWindow::keyPressEvent(event);
}

}  // namespace vocari

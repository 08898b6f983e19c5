#include "game/form1.h"

#include "core/number_text.h"
#include "core/startup.h"
#include "game/game_summary.h"

namespace vocari {

namespace {

Label label(std::string caption, bool visible = true, Colour colour = 0) {
  return Label{std::move(caption), colour, visible, true};
}

}  // namespace

Form1::Form1(Settings& s, Platform& platform, RandomSource& random)
    : settings(s), platform_(platform), random_(random) {
  LabTem = label("120", true, rgb(255, 255, 0));
  labMostra = CheckBox{"Visualizza soluzioni (=            )", false, 0};
  LabTempo = label("");
  Label1 = label("Tutte le soluzioni", false);
  ListS.visible = false;
  ListS.sorted = true;
  Label5 = label("Ricerca soluzioni in corso ...", false, kWindowTextColour);
  Label3 = label(" Numero              Punti", false);
  LabSol = label("", false, kRed);
  LabPun = label("", false, kRed);
  Label2 = label("Trovati", false);
  LisMie.visible = false;
  labGara = label("");
  Label4 = label("Tentativo");
  LabelT = label("", true, kRed);
  levaLast = Button{"<", true, false};
  levaAll = Button{"X", true, false};
  CmdOK = Button{"OK", false, false};
  LabErr = label("", true, kRed);
  cmdNew = Button{"Nuovo", true, true};
  cmdSave = Button{"Salva", true, false};
  cmdExit = Button{"Fine", true, true};
  Label6 = label("");
  LabEsito = label("", true, kSummaryColour);
  mSave.enabled = false;

  for (int16_t p : dicePos) {
    const int row = p / 6, col = p % 6;
    imgH[p].geometry = Rect{600 + 1080 * (col - 1), 720 + 1080 * (row - 1), 855, 855};
    const auto [x, y] = dieCentre(p);
    Lin[p] = Line{x, y, x, y, kLineRest, false};
  }
  for (Rect& r : Sfondo) r = Rect{8520, 1200, Shape1.width, Shape1.height};
}

std::optional<std::string> Form1::Form_Load(const std::string& currentDir) {
  if (auto error = startUp(currentDir, settings, state, dict)) return error;
  cmdExit.caption = "Fine";
  placeBackground(0);
  return std::nullopt;
}

std::pair<float, float> Form1::dieCentre(int p) const {
  const Rect& g = imgH[p].geometry;
  return {float(g.left) + float(g.width) / 2, float(g.top) + float(g.height) / 2};
}

void Form1::resetPathLine(int p) {
  const auto [x, y] = dieCentre(p);
  Lin[p].x1 = x;
  Lin[p].y1 = y;
  Lin[p].x2 = x;
  Lin[p].y2 = y;
  Lin[p].visible = false;
}

void Form1::clearBoard() {
  for (int16_t p : dicePos) {
    state.board[p] = kUndealt;
    imgH[p].borderStyle = 0;
    resetPathLine(p);
    Lin[p].borderColor = state.lineColour;
  }
}

void Form1::refuse(const std::string& message) {
  for (int i = 0; i < 5; ++i) platform_.beep();
  LabErr.caption = message;
}

void Form1::placeBackground(int k) {
  Sfondo[k].left = Shape1.left;
  Sfondo[k].top = Shape1.top;
  sfondoBack = k;
}

bool Form1::flowYield(int flow) {
  platform_.processEvents();
  return flow == flowId_;
}

void Form1::setDieLetter(int p, int letterIndex) {
  state.board[p] = letters[letterIndex];
  imgH[p].letterIndex = letterIndex;
}

// ---- Menu ----

void Form1::mDizi_Click() {
  LabErr.foreColor = kRed;
  settings.viewerText = 0;
  platform_.showModal(ModalWindow::Viewer);
}

void Form1::mAcro_Click() {
  LabErr.foreColor = kRed;
  settings.viewerText = 1;
  platform_.showModal(ModalWindow::Viewer);
}

void Form1::mGuida_Click() {
  settings.viewerText = 2;
  platform_.showModal(ModalWindow::Viewer);
}

void Form1::mCons_Click() {
  LabErr.foreColor = kRed;
  settings.viewerText = 3;
  platform_.showModal(ModalWindow::Viewer);
}

void Form1::mInfo_Click() {
  LabErr.foreColor = kRed;
  platform_.showModal(ModalWindow::Info);
}

void Form1::mOpzioni_Click() {
  LabErr.foreColor = kRed;
  const int oldScheme = settings.colourScheme;
  platform_.showModal(ModalWindow::Options);
  if (oldScheme >= 0 && oldScheme < 4) {
    Sfondo[oldScheme].left = 8520;
    Sfondo[oldScheme].top = 1200;
  }
  if (settings.colourScheme >= 0 && settings.colourScheme < 4) placeBackground(settings.colourScheme);
}

}  // namespace vocari

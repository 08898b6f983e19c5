#include "game/form1.h"

#include "core/number_text.h"
#include "core/startup.h"
#include "game/game_summary.h"
#include "game/messages.h"

namespace vocari {

namespace {

Label label(std::string caption, bool visible = true, Colour colour = 0) {
  return Label{std::move(caption), colour, visible, true};
}

// Die pictures are 855 twips square, one every 1080 twips across and down from (600, 720).
Rect dieRect(int p) {
  return Rect{600 + 1080 * (columnOf(p) - 1), 720 + 1080 * (rowOf(p) - 1), 855, 855};
}

}  // namespace

Form1::Form1(Settings& s, Platform& platform, RandomSource& random, Environment& environment)
    : settings(s), platform_(platform), random_(random), environment_(environment) {
  LabTem = label("", true, rgb(255, 255, 0));
  labMostra = CheckBox{"", false, 0};
  LabTempo = label("");
  Label1 = label("Tutte le soluzioni", false);
  ListS.visible = false;
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

  for (int16_t p : dicePos) imgH[p].geometry = dieRect(p);
  for (Rect& r : Sfondo) r = Rect{8520, 1200, Shape1.width, Shape1.height};
  showRound();
}

std::optional<std::string> Form1::Form_Load(const std::string& currentDir) {
  const Shown shown{*this};
  if (auto error = startUp(currentDir, settings, dict, environment_)) return startUpMessage(*error, settings.programDir);
  round.gameTime = settings.gameTime;
  round.pen = kLineRest;
  placeBackground(0);
  return std::nullopt;
}

std::pair<float, float> Form1::dieCentre(int p) const {
  const Rect& g = imgH[p].geometry;
  return {float(g.left) + float(g.width) / 2, float(g.top) + float(g.height) / 2};
}

void Form1::clearBoard() {
  for (int16_t p : dicePos) {
    state.board[p] = kUndealt;
    round.lineColour[p] = round.pen;
  }
  round.path.clear();
  round.trace.clear();
}

void Form1::say(const std::string& message, Colour colour) {
  round.message = message;
  round.messageColour = colour;
}

void Form1::refuse(const std::string& message) {
  for (int i = 0; i < 5; ++i) platform_.beep();
  round.message = message;
}

void Form1::placeBackground(int k) {
  Sfondo[k].left = Shape1.left;
  Sfondo[k].top = Shape1.top;
  sfondoBack = k;
}

bool Form1::flowYield(int flow) {
  platform().processEvents();
  return flow == flowId_;
}

void Form1::setDieLetter(int p, int letterIndex) {
  state.board[p] = letters[letterIndex];
  round.tile[p] = letterIndex;
}

void Form1::gameTimeSet() {
  round.gameTime = settings.gameTime;
  round.ticks = 0;
  showRound();
}

// ---- Menu ----

// "Guida completa" (F1, also during a game) leaves the message's colour; the other entries turn
// it red.
void Form1::viewDocument(ViewerDocument document) {
  const Shown shown{*this};
  if (document != ViewerDocument::Help) round.messageColour = kRed;
  settings.viewerText = document;
  platform().showModal(ModalWindow::Viewer);
}

void Form1::mDizi_Click() { viewDocument(ViewerDocument::Dictionary); }
void Form1::mAcro_Click() { viewDocument(ViewerDocument::Acronyms); }
void Form1::mGuida_Click() { viewDocument(ViewerDocument::Help); }
void Form1::mCons_Click() { viewDocument(ViewerDocument::Advice); }

void Form1::mInfo_Click() {
  const Shown shown{*this};
  round.messageColour = kRed;
  platform().showModal(ModalWindow::Info);
}

void Form1::mOpzioni_Click() {
  const Shown shown{*this};
  round.messageColour = kRed;
  const int oldScheme = int(settings.colourScheme);
  platform().showModal(ModalWindow::Options);
  if (oldScheme >= 0 && oldScheme < kSeasonCount) {
    Sfondo[oldScheme].left = 8520;
    Sfondo[oldScheme].top = 1200;
  }
  if (const int scheme = int(settings.colourScheme); scheme >= 0 && scheme < kSeasonCount) placeBackground(scheme);
}

}  // namespace vocari

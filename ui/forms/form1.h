// The main window as a model: every control of the window as data under its own name, the game
// state, and the event handlers. No window system here; the window layer renders this model
// after every handler and before every yield, and forwards events to the handlers.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "board/random_source.h"
#include "core/dictionary.h"
#include "core/game_state.h"
#include "ui/forms/controls.h"
#include "ui/forms/platform.h"

namespace vocari {

class Form1 {
 public:
  Form1(Settings& settings, Platform& platform, RandomSource& random);

  // Start-up: reads the dictionary from `currentDir` and sets the defaults. On failure returns
  // the message to show before the program ends.
  std::optional<std::string> Form_Load(const std::string& currentDir);

  // ---- Controls (geometry in twips) ----
  static constexpr int kClientWidth = 8175, kClientHeight = 8115;
  static constexpr Colour kBackColor = rgb(192, 255, 255);
  static constexpr const char* kCaption = "   VOCARI";
  static constexpr Rect Shape1{480, 600, 4335, 4335};

  Label LabTem, LabTempo, Label1, Label5, Label3, LabSol, LabPun, Label2, labGara, Label4,
      LabelT, LabErr, Label6;
  CheckBox labMostra;
  ListBox ListS, LisMie;
  Button levaLast, levaAll, CmdOK, cmdNew, cmdSave, cmdExit;
  Timer Timer2;
  std::array<Die, kCells> imgH;   // indexed by board position; only die positions are used
  std::array<Line, kCells> Lin;   // indexed by board position; only die positions are used
  MenuItem mApri, mGen, mSave, mfine, mDizi, mAcro, mOpzioni, mGuida, mCons, mInfo;
  // The four season backgrounds: position (left, top) of each, and the stacking order from the
  // back: sfondoBack is the picture at the very back.
  std::array<Rect, 4> Sfondo;
  int sfondoBack = 0;

  // ---- State ----
  Settings& settings;
  GameState state;
  Dictionary dict;
  std::string selectedWord;  // the word being traced

  // ---- Handlers ----
  void cmdNew_Click();
  void mGen_Click();
  void imgh_Click(int index);
  void imgH_DblClick(int index);
  void levaLast_Click();
  void levaAll_Click();
  void CmdOK_Click();
  void Timer2_Timer();
  void cmdExit_Click();
  void mfine_Click();
  void labMostra_Click();
  void setLabMostraValue(int value);  // a change made by the program raises the click handler
  void ListS_MouseDown();
  void ListS_MouseUp();
  void LisMie_MouseDown();
  void LisMie_MouseUp();
  void mSave_Click();
  void cmdSave_Click();
  void mApri_Click();
  void mDizi_Click();
  void mAcro_Click();
  void mGuida_Click();
  void mCons_Click();
  void mInfo_Click();
  void mOpzioni_Click();

  // Keyboard play: a typed letter extends the word along the first path that spells it.
  void typeLetter(char letter);

  // True while a new-game flow (deal or search) runs.
  bool flowRunning() const { return flowRunning_; }
  // Centre of die p in twips.
  std::pair<float, float> dieCentre(int p) const;

 private:
  void resetPathLine(int p);
  void pressOnList(const ListBox& list);
  void releaseList();
  void showWordPath();
  void clearGridMarks();
  void refuse(const std::string& message);
  void placeBackground(int k);
  bool flowYield(int flow);
  void setDieLetter(int p, int letterIndex);

  Platform& platform_;
  RandomSource& random_;
  int flowId_ = 0;
  bool flowRunning_ = false;
};

}  // namespace vocari

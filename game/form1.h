// The main window as a model: every control of the window as data under its own name, the round
// of play, and the event handlers. No window system here. The handlers change the round; before
// a handler returns and before the window gets control (a yield, a repaint, a dialog) showRound
// derives the controls from it, and the window layer renders the controls.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "board/random_source.h"
#include "core/dictionary.h"
#include "core/game_state.h"
#include "forms/controls.h"
#include "forms/environment.h"
#include "forms/platform.h"
#include "game/round.h"

namespace vocari {

class Form1 {
 public:
  // Files and folders go through `environment`.
  Form1(Settings& settings, Platform& platform, RandomSource& random,
        Environment& environment = systemEnvironment());

  // Start-up: reads the dictionary from `currentDir` and sets the defaults. On failure returns
  // the message to show before the program ends.
  std::optional<std::string> Form_Load(const std::string& currentDir);

  // ---- Controls (geometry in twips) ----
  static constexpr int kClientWidth = 8175, kClientHeight = 8115;
  static constexpr Colour kBackColor = rgb(192, 255, 255);
  static constexpr const char* kCaption = "   VOCARI";
  static constexpr Rect Shape1{480, 600, 4335, 4335};  // the board outline; anchors the background

  // Labels.
  Label LabTem;    // the clock: the game time, then the seconds left (yellow on green, top left)
  Label LabTempo;  // "Ricerca completa in: N sec.": how long the solution search took (top right)
  Label Label1;    // "Tutte le soluzioni": heading of ListS
  Label Label5;    // "Ricerca soluzioni in corso ...": shown while a new board is first drawn
  Label Label3;    // " Numero              Punti": heading of LabSol and LabPun
  Label LabSol;    // how many words the player has found (red, boxed)
  Label LabPun;    // the player's score (red, boxed)
  Label Label2;    // "Trovati": heading of LisMie
  Label labGara;   // "Gara con: 'time'-score#": the result to beat in a game opened from a file
  Label Label4;    // "Tentativo": heading of LabelT
  Label LabelT;    // the word being built on the grid (red, boxed)
  Label LabErr;    // short messages: refusals in red, the length bonus in blue
  Label Label6;    // the deal status: vowel/consonant/rare quotas, then "*" and "**" as play starts
  // How the game went, from the end of the clock to the next game: points and words out of all
  // the solutions, and in a competition the verdict against the stored result (below LabErr).
  Label LabEsito;
  // The check box "Visualizza soluzioni (=N)": offered when the search ends; ticking it shows ListS.
  CheckBox labMostra;
  // Lists.
  ListBox ListS;   // every solution of the grid, sorted
  ListBox LisMie;  // the player's accepted words, in the order found
  // Buttons.
  Button levaLast;  // "<": takes the last letter back
  Button levaAll;   // "X": takes the whole word back
  Button CmdOK;     // "OK": confirms the word (yellow face)
  Button cmdNew;    // "Nuovo": a new game
  Button cmdSave;   // "Salva": saves the grid, and the result once the game is over
  Button cmdExit;   // "Fine": ends the program; during a new game, makes "Nuovo" available again
  // The game clock: one tick a second while a game is timed.
  Timer Timer2;
  // The dice and the path lines drawn over them, indexed by board position (only die positions
  // are used): imgH[p] shows a letter tile and is framed while picked or traced; Lin[p] runs
  // from die p's centre to the next die of the path.
  std::array<Die, kCells> imgH;
  std::array<Line, kCells> Lin;
  // The menu entries.
  // The shortcuts of the Qt window follow these entries' enabled state (Ctrl+O, Ctrl+N, Ctrl+S,
  // Ctrl+Q, F1). "Apri" and "Genera" are disabled while a board is being dealt, as they would
  // be ignored then.
  MenuItem mApri;     // File > "Apri un file Vocari"
  MenuItem mGen;      // File > "Genera un nuovo Vocari": as "Nuovo"
  MenuItem mSave;     // File > "Salva questo Vocari": as "Salva"
  MenuItem mfine;     // File > "Fine": as the "Fine" button
  MenuItem mSfida;    // File > "Sfida del giorno" (Ctrl+G): the grid of today's date
  MenuItem mCopia;    // File > "Copia risultato": the result of a game over, on the clipboard
  MenuItem mDizi;     // Visualizza > "Dizionario completo"
  MenuItem mAcro;     // Visualizza > "Acronimi del dizionario"
  MenuItem mOpzioni;  // "Opzioni": the options window; disabled while a game is timed
  MenuItem mGuida;    // Aiuto > "Guida completa" (F1)
  MenuItem mCons;     // Aiuto > "Consigli"
  MenuItem mInfo;     // Aiuto > "Informazioni"
  // The four season backgrounds: position (left, top) of each, and the stacking order from the
  // back: sfondoBack is the picture at the very back.
  std::array<Rect, 4> Sfondo;
  int sfondoBack = 0;

  // ---- State ----
  Settings& settings;
  GameState state;  // the board and the quotas of its deal
  Round round;      // the round of play
  Dictionary dict;

  // Sets every caption, enabled and visible flag, list, frame and line from the round.
  void showRound();

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
  void ListS_KeyMove();
  void LisMie_KeyMove();
  void list_LostFocus();
  void mSave_Click();
  void cmdSave_Click();
  void mApri_Click();
  void mDizi_Click();
  void mAcro_Click();
  void mGuida_Click();
  void mCons_Click();
  void mInfo_Click();
  void mOpzioni_Click();
  void mSfida_Click();
  void mCopia_Click();

  // Spelling by dragging with the button held: the drag leaves die `from` (a new word starts
  // with it), enters die p (picked as a click; the die before the last takes the last letter
  // back), and ends (two dice or more confirm the word as "OK").
  void imgH_DragStart(int from);
  void imgH_DragEnter(int p);
  void imgH_DragEnd();

  // The keyboard cursor on the grid: shown while the board has the focus, moved a row or a
  // column at a time, stopping at the edges; Space picks the die under it as a click.
  void Griglia_Focus(bool focused);
  void Griglia_MoveCursor(int rows, int columns);
  void Griglia_Space();

  // Keyboard play: a typed letter extends the word along the first path that spells it.
  void typeLetter(char letter);

  // The options window set a game time: the clock shows it.
  void gameTimeSet();

  // The seconds a game lasts: the options' game time, the default for the grid of the day.
  double playTime() const { return round.daily ? kDefaultGameTime : settings.gameTime; }

  // True while a new-game flow (deal or search) runs.
  bool flowRunning() const { return round.flowRunning(); }
  // True while a new game's board is being dealt.
  bool dealing() const { return round.phase == Phase::Dealing; }
  // True while the clock runs.
  bool timed() const { return round.clockRunning; }
  // Centre of die p in twips.
  std::pair<float, float> dieCentre(int p) const;

 private:
  // Derives the controls when a handler returns.
  struct Shown {
    Form1& form;
    ~Shown() { form.showRound(); }
  };
  // The window system, given control with the controls derived.
  Platform& platform() {
    showRound();
    return platform_;
  }

  // Every die undealt and unframed, every path line at rest.
  void clearBoard();
  void pressOnList(const ListBox& list);
  void releaseList();
  void showWordPath(const std::string& word);
  void clearGridMarks();
  void dropTrace();
  void refuse(const std::string& message);
  void say(const std::string& message, Colour colour = kRed);
  void placeBackground(int k);
  bool flowYield(int flow);
  void setDieLetter(int p, int letterIndex);
  void viewDocument(ViewerDocument document);
  // The new-game flow in its steps; `daily` deals the grid of that date.
  void startGame(std::optional<CalendarDate> daily);
  void clearLastGame();
  bool dealBoard(int flow);
  void startPlay();
  void endSearch(std::vector<std::string> solutions);
  // Fills the summary and marks the player's words among the solutions, once the clock has run
  // out and the search has finished (whichever comes last).
  void showSummary();
  // The parts of showRound.
  void showClockAndFlow();
  void showWordAndScore();
  void showSolutions();
  void showGrid();

  // The folder both file dialogs start in, settled on first use.
  void settleLastFolder();
  bool isOwnFile(const std::string& path);

  Platform& platform_;
  RandomSource& random_;
  Environment& environment_;
  int flowId_ = 0;
};

}  // namespace vocari

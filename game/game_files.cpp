// Saving the grid (and a finished game's result) and opening a saved grid to play it again.
#include <filesystem>

#include "forms/form2.h"
#include "savegame/game_file.h"
#include "game/form1.h"
#include "game/game_summary.h"
#include "game/messages.h"

namespace vocari {

namespace {

constexpr const char* kOpenTitle = "Seleziona un file qualsiasi di questa Cartella";
constexpr const char* kSaveTitle = "Seleziona il file in cui salvare";

bool blank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

constexpr ViewerDocument kOwnFiles[] = {ViewerDocument::Dictionary, ViewerDocument::Acronyms, ViewerDocument::Help,
                                        ViewerDocument::Advice};

}  // namespace

// The folder both dialogs start in: the current directory the first time, unless the game may
// not write there (an installed game runs in its read-only data folder): then the home folder.
// The process's own current directory is never changed.
void Form1::settleLastFolder() {
  if (!settings.lastFolder.empty()) return;
  const std::string cwd = environment_.currentFolder();
  settings.lastFolder = cwd.empty() ? settings.programDir : cwd;
  const std::string home = environment_.homeFolder();
  if (!environment_.writable(settings.lastFolder) && !home.empty()) settings.lastFolder = home;
}

void Form1::cmdSave_Click() { mSave_Click(); }

// True when `path` is one of the game's own files in the program folder (the word list and the
// viewer's documents), however it is spelt.
bool Form1::isOwnFile(const std::string& path) {
  for (ViewerDocument document : kOwnFiles)
    if (environment_.sameFile(path, settings.programDir + documentFile(document))) return true;
  return false;
}

void Form1::mSave_Click() {
  const Shown shown{*this};
  round.messageColour = kRed;
  round.message.clear();  // a message of an earlier action is stale now
  settleLastFolder();
  const std::string path = platform().chooseSaveFile({kSaveTitle, settings.lastFolder, false, true, "txt"});
  if (blank(path)) return;
  // Saving over the word list or a document would lose it: the game would start without words.
  if (isOwnFile(path)) {
    platform().messageBox("Impossibile salvare il file " + path + ": " + kOwnFileText + ".", "Salvataggio non riuscito",
                          MessageIcon::Warning);
    return;
  }
  // Whether the game is over is decided now, after the dialog: a game whose time ran out while
  // the dialog was open is saved with its result.
  const std::string bytes =
      writeGameFile(state.board, !round.clockRunning, playTime(), round.score);
  if (auto error = environment_.saveGameFile(path, bytes)) {
    platform().messageBox(
        "Impossibile salvare il file " + path + ": " + fileFailureText(fileFailure(error->code, FileAction::Save)) + ".",
        "Salvataggio non riuscito", MessageIcon::Warning);
  }
}

void Form1::mApri_Click() {
  // Opening a file during a deal would start a second deal inside it; during the solution search
  // the opened game supersedes the running one, as "Nuovo" does.
  const Shown shown{*this};
  if (dealing()) return;
  round.message.clear();  // a message of an earlier action is stale now
  settleLastFolder();
  const std::string path = platform().chooseOpenFile({kOpenTitle, settings.lastFolder, true, false, ""});
  if (blank(path)) return;
  settings.lastFolder = std::filesystem::path(path).parent_path().string();

  const LoadedGameFile loaded = environment_.loadGameFile(path);
  if (loaded.error == GameFileError::CannotRead) {
    platform().messageBox(
        "Impossibile aprire il file " + path + ": " + fileFailureText(fileFailure(loaded.code, FileAction::Read)) + ".",
        "Apertura non riuscita", MessageIcon::Warning);
    return;
  }
  if (!loaded.ok()) {
    // A file that is not a grid changes nothing: not the opponent line, not the save commands,
    // not the game under way.
    round.messageColour = kRed;
    refuse("File non valido !");
    return;
  }
  // A file without a result clears the opponent line: a stale opponent beside another grid
  // would be a false challenge.
  round.opponentLine = loaded.contents.resultText;
  round.opponent = loaded.contents.resultText ? parseStoredResult(*loaded.contents.resultText) : std::nullopt;
  round.inPlay = false;

  clearBoard();
  for (int i = 0; i < kDice; ++i) {
    const int p = gridCharPosition(i);
    const int j = letterIndex(loaded.board[p]);
    if (j >= 0)
      setDieLetter(p, j);
    else
      round.tile[p] = -1;  // a die the file leaves undealt shows empty, not the last grid's letter
  }
  settings.competitionPending = true;
  cmdNew_Click();
}

}  // namespace vocari

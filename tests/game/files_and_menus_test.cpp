#include <map>
#include <tuple>

#include "game/messages.h"
#include "game_fixture.h"

using namespace vocari;
using namespace vocari::testing;

namespace {

TEST_F(GameTest, SaveDuringAndAfterAGame) {
  startKnownGame();
  const auto path = dir / "partita.txt";
  platform.saveAnswer = path.string();
  form.cmdSave_Click();
  EXPECT_EQ(environment.files[path.string()], "CASA\r\nPORT\r\nENTA\r\nLUMI\r\n");
  ASSERT_EQ(platform.dialogs.size(), 1u);
  EXPECT_EQ(platform.dialogs[0].title, "Seleziona il file in cui salvare");
  EXPECT_TRUE(platform.dialogs[0].confirmReplace);
  EXPECT_EQ(platform.dialogs[0].startFolder, environment.current);

  clickAll({7, 8, 9, 10});
  form.CmdOK_Click();
  // The clock runs out while the dialog is open: the result is saved too.
  platform.whileSaveDialogOpen = [&] { runOutTheClock(); };
  form.mSave_Click();
  EXPECT_EQ(environment.files[path.string()], "CASA\r\nPORT\r\nENTA\r\nLUMI\r\n'120'-8#\r\n");
  // A cancelled dialog (no path, or spaces only) writes nothing, not even in the current folder.
  platform.whileSaveDialogOpen = nullptr;
  for (const char* blank : {"", "   "}) {
    platform.saveAnswer = blank;
    form.mSave_Click();
  }
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(environment.files.size(), 2u);  // the word list and the saved game
  // Where the game may not write (an installed game's data folder), the dialogs start at home.
  settings.lastFolder.clear();
  environment.readOnly = environment.current;
  form.mSave_Click();
  EXPECT_EQ(platform.dialogs.back().startFolder, environment.home);
}

// A save or an open that fails says so in Italian, with the file and the cause, under a warning
// icon; the game goes on unchanged.
TEST_F(GameTest, FailingSaveOrOpenNamesTheFileAndTheCause) {
  startKnownGame();
  environment.folders.insert((dir / "cartella").string());
  for (const auto& [path, cause] : {std::pair{dir / "manca" / "partita.txt", "la cartella non esiste"},
                                    {dir / "cartella", "il nome è quello di una cartella"}}) {
    platform.saveAnswer = path.string();
    form.mSave_Click();
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.back(),
              std::pair("Impossibile salvare il file " + path.string() + ": " + cause + ".",
                        std::string("Salvataggio non riuscito")));
  }
  platform.openAnswer = (dir / "sparito.txt").string();
  form.mApri_Click();
  ASSERT_EQ(platform.messages.size(), 3u);
  EXPECT_EQ(platform.messages.back(),
            std::pair("Impossibile aprire il file " + platform.openAnswer + ": il file non esiste.",
                      std::string("Apertura non riuscita")));
  EXPECT_EQ(platform.messageIcons, std::vector<MessageIcon>(3, MessageIcon::Warning));
  EXPECT_EQ(form.state.board, boardOf(kBoard));
  EXPECT_TRUE(form.cmdSave.enabled);
}

TEST_F(GameTest, OpenStartsAGameOnTheStoredGridAgainstItsResult) {
  settings.gameTime = 150;
  const auto path = dir / "gara.txt";
  write(path, "CASA\r\nPORT\r\nENTA\r\nLUMi\r\n'120'-57#\r\n");
  platform.openAnswer = path.string();
  form.mApri_Click();
  ASSERT_EQ(platform.dialogs.size(), 1u);
  EXPECT_EQ(platform.dialogs[0].title, "Seleziona un file qualsiasi di questa Cartella");
  EXPECT_TRUE(platform.dialogs[0].mustExist);
  EXPECT_EQ(settings.lastFolder, dir.string());
  EXPECT_EQ(form.Label6.caption, "***");
  EXPECT_EQ(form.labGara.caption, "Gara con: 120'-57#");
  EXPECT_TRUE(form.labGara.visible);
  EXPECT_EQ(form.LabTem.caption, "150");
  EXPECT_EQ(form.LabPun.caption, "");
  EXPECT_EQ(form.state.board, boardOf(kBoard));  // lower case reads as its capital
  EXPECT_EQ(form.imgH[28].letterIndex, letterIndex('I'));
  EXPECT_TRUE(form.Timer2.enabled);
  EXPECT_TRUE(form.cmdSave.enabled);

  // A file without a result line clears the opponent line, a digit shows an empty die (not the
  // letter of the last grid), LF alone ends a line; the next dialog starts in the file's folder.
  write(dir / "senza.txt", "LUMI\nENTA\nPORT\nCAS4\n");
  platform.openAnswer = (dir / "senza.txt").string();
  form.mApri_Click();
  EXPECT_EQ(platform.dialogs.back().startFolder, dir.string());
  EXPECT_EQ(form.labGara.caption, "");
  EXPECT_EQ(form.state.board, boardOf("LUMIENTAPORTCAS-"));
  EXPECT_EQ(form.imgH[28].letterIndex, -1);

  // A dealt game clears the opponent line too.
  platform.openAnswer = path.string();
  form.mApri_Click();
  form.cmdNew_Click();
  EXPECT_EQ(form.labGara.caption, "");
}

TEST_F(GameTest, ARefusedFileChangesNothing) {
  startKnownGame();
  clickAll({7, 8});
  form.round.opponentLine = "120'-9#";
  for (const char* bytes : {"CASA\r\nPORT\r\nENTA\r\nLUMI\r\nXXXX\r\n'120'-57#\r\n", "CASAPORTENTALUMI\r\n \r\n", ""}) {
    write(dir / "rotto.txt", bytes);
    platform.openAnswer = (dir / "rotto.txt").string();
    const int beeps = platform.beeps;
    form.mApri_Click();
    EXPECT_EQ(platform.beeps - beeps, 5);
    EXPECT_EQ(form.LabErr.caption, "File non valido !");
    EXPECT_EQ(form.labGara.caption, "Gara con: 120'-9#");
    EXPECT_TRUE(form.cmdSave.enabled);
    EXPECT_EQ(form.state.board, boardOf(kBoard));
    EXPECT_EQ(form.round.word, "CA");
  }
  // The refusal is stale once the next file command starts: a cancelled open, a save that fails.
  platform.openAnswer = "";
  form.mApri_Click();
  EXPECT_EQ(form.LabErr.caption, "");
  form.mApri_Click();
  platform.openAnswer = (dir / "rotto.txt").string();
  form.mApri_Click();
  platform.saveAnswer = (dir / "manca" / "partita.txt").string();
  form.mSave_Click();
  EXPECT_EQ(form.LabErr.caption, "");
}

// The game's own files in the program folder, however spelt, are never written by a save: the
// player is told why and the word list stays as it was.
TEST_F(GameTest, TheGamesOwnFilesCannotBeSavedOver) {
  startKnownGame();
  const std::string wordList = environment.files[(dir / "Base3.txt").string()];
  for (const std::string name : {"Base3.txt", "./Base3.txt", "nuova/../Base3.txt", "Acronimi.txt", "VocariAiuto.txt",
                                 "VocariCons.txt"}) {
    platform.saveAnswer = (dir / name).string();
    form.mSave_Click();
    ASSERT_FALSE(platform.messages.empty()) << name;
    EXPECT_EQ(platform.messages.back(), std::pair("Impossibile salvare il file " + platform.saveAnswer +
                                                      ": è un file del gioco, che non si può sostituire.",
                                                  std::string("Salvataggio non riuscito")));
  }
  EXPECT_EQ(environment.files, (std::map<std::string, std::string>{{(dir / "Base3.txt").string(), wordList}}));
  platform.saveAnswer = (dir / "Base3.txt.bak").string();  // another name in the same folder is saved
  form.mSave_Click();
  EXPECT_EQ(environment.files.size(), 2u);
}

// Each menu entry opens its window and turns the message red, but "Guida completa" (F1 during a
// game) leaves its colour; a viewer entry first names its document. "Opzioni" places the chosen
// season board (Estate here) behind the dice and moves the one before out of sight.
TEST_F(GameTest, MenuEntriesOpenTheirWindowAndSetTheMessageColour) {
  platform.whileModalOpen = [&](ModalWindow w) {
    if (w == ModalWindow::Options) settings.colourScheme = Season::Summer;
  };
  struct Entry {
    void (Form1::*handler)();
    ModalWindow window;
    ViewerDocument viewerText;
    bool turnsRed;
  };
  const Entry entries[] = {{&Form1::mDizi_Click, ModalWindow::Viewer, ViewerDocument::Dictionary, true},
                           {&Form1::mAcro_Click, ModalWindow::Viewer, ViewerDocument::Acronyms, true},
                           {&Form1::mGuida_Click, ModalWindow::Viewer, ViewerDocument::Help, false},
                           {&Form1::mCons_Click, ModalWindow::Viewer, ViewerDocument::Advice, true},
                           {&Form1::mInfo_Click, ModalWindow::Info, ViewerDocument::Advice, true},
                           {&Form1::mOpzioni_Click, ModalWindow::Options, ViewerDocument::Advice, true}};
  for (const Entry& e : entries) {
    form.round.messageColour = kBlue;
    (form.*e.handler)();
    EXPECT_EQ(settings.viewerText, e.viewerText);
    EXPECT_EQ(form.LabErr.foreColor, e.turnsRed ? kRed : kBlue);
    EXPECT_EQ(platform.modals.back(), e.window);
  }
  EXPECT_EQ(std::tuple(form.Sfondo[1].left, form.Sfondo[1].top, form.Sfondo[0].left, form.Sfondo[0].top, form.sfondoBack),
            std::tuple(480, 600, 8520, 1200, 1));  // on the board outline, and out of sight
}

// Start-up says which word list it could not read, and where.
TEST_F(GameTest, AStartUpWithoutItsWordListNamesFileAndFolder) {
  write(dir / "Base3.txt", "CASA\r\nPORT\r\nENTA\r\nLUMI\r\n");  // a grid saved over it
  EXPECT_EQ(form.Form_Load(dir.string()), "File Base3.txt non valido nella cartella " + dir.string() +
                                              "/: deve contenere parole maiuscole in ordine alfabetico, una per riga");
  environment.files.clear();
  EXPECT_EQ(form.Form_Load(dir.string()), "File Base3.txt non trovato nella cartella " + dir.string() + "/");
  environment.folders.insert((dir / "Base3.txt").string());  // a folder where the file should be
  EXPECT_EQ(form.Form_Load(dir.string()), "Impossibile leggere il file Base3.txt nella cartella " + dir.string() + "/");
}

// The causes of a failed read or save that the tests above cannot provoke, as the player reads them.
TEST(FileFailureText, NamesEachCauseInItalian) {
  using F = FileFailure;
  const std::pair<F, const char*> cases[] = {{F::PermissionDenied, "permesso negato"},
      {F::ReadOnlyDisk, "il disco è di sola lettura"}, {F::DiskFull, "il disco è pieno"},
      {F::NameTooLong, "il nome è troppo lungo"}, {F::Unexpected, "errore imprevisto del sistema"}};
  for (const auto& [failure, text] : cases) EXPECT_EQ(fileFailureText(failure), text);
}

}  // namespace

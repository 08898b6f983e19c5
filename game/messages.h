// The messages the game words from the codes the layers below report: the start-up failure and
// the cause of a failed read or save, in the player's language.
#pragma once

#include <string>

#include "core/startup.h"
#include "savegame/game_file.h"

namespace vocari {

// "File Base3.txt non trovato nella cartella /x/", "Impossibile leggere il file Base3.txt
// nella cartella /x/" or "File Base3.txt non valido nella cartella /x/: ...": the word list
// missing, there but unreadable, or not a word list, in the program folder.
std::string startUpMessage(StartUpError error, const std::string& programDir);

// The cause of a failed read or save: "permesso negato", "il disco è pieno" ...; anything the
// player cannot act on is "errore imprevisto del sistema".
std::string fileFailureText(FileFailure failure);

// Why a save is refused before anything is written: the chosen file is one of the game's own.
inline constexpr const char* kOwnFileText = "è un file del gioco, che non si può sostituire";

// A typed letter that no die of the grid shows.
inline constexpr const char* kLetterNotOnGrid = "Lettera assente !";

}  // namespace vocari

// The messages the game words from the codes the layers below report: the start-up failure and
// the cause of a failed read or save, in the player's language.
#pragma once

#include <string>

#include "core/startup.h"
#include "savegame/game_file.h"

namespace vocari {

// "File Base3.txt non trovato nella cartella /x/" or "Impossibile leggere il file Base3.txt
// nella cartella /x/": the word list missing, or there but unreadable, in the program folder.
std::string startUpMessage(StartUpError error, const std::string& programDir);

// The cause of a failed read or save: "permesso negato", "il disco è pieno" ...; anything the
// player cannot act on is "errore imprevisto del sistema".
std::string fileFailureText(FileFailure failure);

}  // namespace vocari

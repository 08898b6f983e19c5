#include "game/messages.h"

#include <iterator>

namespace vocari {

std::string startUpMessage(StartUpError error, const std::string& programDir) {
  const std::string name = kDictionaryName;
  switch (error) {
    case StartUpError::DictionaryUnreadable:
      return "Impossibile leggere il file " + name + " nella cartella " + programDir;
    case StartUpError::DictionaryMalformed:
      return "File " + name + " non valido nella cartella " + programDir +
             ": deve contenere parole maiuscole in ordine alfabetico, una per riga";
    case StartUpError::DictionaryMissing:
      break;
  }
  return "File " + name + " non trovato nella cartella " + programDir;
}

std::string fileFailureText(FileFailure failure) {
  // Indexed by FileFailure.
  static constexpr const char* kTexts[] = {"permesso negato",        "il disco è di sola lettura",
                                           "il disco è pieno",       "il file non esiste",
                                           "la cartella non esiste", "il nome è quello di una cartella",
                                           "il nome è troppo lungo", "non è un file ordinario",
                                           "errore imprevisto del sistema"};
  static_assert(std::size(kTexts) == std::size_t(FileFailure::Unexpected) + 1);
  return kTexts[std::size_t(failure)];
}

}  // namespace vocari

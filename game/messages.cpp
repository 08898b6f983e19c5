#include "game/messages.h"

namespace vocari {

std::string startUpMessage(StartUpError error, const std::string& programDir) {
  const std::string name = kDictionaryName;
  return (error == StartUpError::DictionaryUnreadable ? "Impossibile leggere il file " + name
                                                      : "File " + name + " non trovato") +
         " nella cartella " + programDir;
}

std::string fileFailureText(FileFailure failure) {
  switch (failure) {
    case FileFailure::PermissionDenied:
      return "permesso negato";
    case FileFailure::ReadOnlyDisk:
      return "il disco è di sola lettura";
    case FileFailure::DiskFull:
      return "il disco è pieno";
    case FileFailure::MissingFile:
      return "il file non esiste";
    case FileFailure::MissingFolder:
      return "la cartella non esiste";
    case FileFailure::IsAFolder:
      return "il nome è quello di una cartella";
    case FileFailure::NameTooLong:
      return "il nome è troppo lungo";
    case FileFailure::Unexpected:
      break;
  }
  return "errore imprevisto del sistema";
}

}  // namespace vocari

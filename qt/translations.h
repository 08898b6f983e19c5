// Qt's own texts in Italian: the file dialogs, the overwrite question, message-box buttons and the
// context menu of text fields.
#pragma once

#include <QString>

namespace vocari {

// The Qt translation the game loads at start.
inline constexpr const char* kQtTranslation = "qtbase_it";

// Installs Qt's Italian translation (Debian's qt6-translations-l10n, in Qt's translations folder)
// whatever the user's locale, and makes Italian the default locale of Qt's widgets. Returns the
// file loaded, or an empty string when the translation is not installed: the game then runs with
// Qt's English texts. Needs the application object.
QString installQtItalian();

}  // namespace vocari

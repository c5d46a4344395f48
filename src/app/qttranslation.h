#pragma once

class QCoreApplication;

namespace klangtruhe {

// Qt's own texts (file and font dialogs, context menus, standard buttons) in
// German whatever the system language is, so they match the program's texts.
// The translator belongs to the application; a second call adds nothing.
// Returns false when no German catalogue was found (Qt then stays English).
bool installQtTranslations(QCoreApplication &application);

} // namespace klangtruhe

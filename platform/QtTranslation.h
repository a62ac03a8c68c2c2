#pragma once
// Qt's own texts (standard dialogs, button boxes, edit boxes' context menus) in Russian,
// whatever the machine's locale, from Debian's qt6-translations-l10n.
// Call once after the application object exists. Returns whether the translation was
// found; without it the program still runs, with Qt's English texts.
bool InstallQtTranslation();

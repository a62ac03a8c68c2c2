#pragma once
// Qt's own texts (standard dialogs, button boxes, edit boxes' context menus) in Russian,
// whatever the machine's locale, from Debian's qt6-translations-l10n.
class QTranslator;
class QObject;

// Qt's Russian texts loaded, owned by owner, not yet installed; null when the catalogue is
// missing (the program still runs, with Qt's English texts).
QTranslator* LoadQtTranslation(QObject* owner);

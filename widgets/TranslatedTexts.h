#pragma once
// Texts that follow the interface language. A window puts each of its fixed texts once, as its
// Russian source text (a QT_TRANSLATE_NOOP / QT_TR_NOOP literal) with the translation context
// lupdate gives it; the text is shown translated, and RetranslateTexts puts every such text of
// a window again in the language chosen since. Texts a window composes (read-outs, captions
// with numbers) are the window's own to put again.
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QObject;
class QWidget;

enum class TTextRole {
  Text,            // QAction, QAbstractButton, QLabel
  Title,           // QMenu, QGroupBox
  ToolTip,         // QWidget, QAction
  WindowTitle,     // QWidget
  TabText,         // the tab of a QTabWidget's page (the target is the page)
  AccessibleName,  // QWidget: what a screen reader announces
};

// Shows source on target in the current language and keeps it there for RetranslateTexts.
// context and source live as long as the program (string literals, class names).
void PutText(QObject* target, TTextRole role, const char* context, const char* source);

// A menu's item or submenu, or a menu bar's menu, with its text kept.
QAction* AddTranslatedItem(QMenu* menu, const char* context, const char* source);
QMenu* AddTranslatedMenu(QMenu* menu, const char* context, const char* source);
QMenu* AddTranslatedMenu(QMenuBar* bar, const char* context, const char* source);
// A label in parent with its text kept.
QLabel* AddTranslatedLabel(QWidget* parent, const char* context, const char* source);

// Puts again, in the current language, every text kept on root and on the objects it owns. Every
// window does so by itself on a language change (the first PutText sets that up), and then
// renews the accessible names widgets/AccessibleNames gave it.
void RetranslateTexts(QObject* root);

#include "platform/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {
// Qt 6 asks for the kinds of files ("Folder", "Drive", "Shortcut", ...) under the icon
// provider's name; the Russian catalogue still has them only under the file dialog's, where
// Qt 5 asked, so without this the file dialogs' type column stays English.
class TQtTranslator : public QTranslator {
 public:
  using QTranslator::QTranslator;

  QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override {
    const QString text = QTranslator::translate(context, sourceText, disambiguation, n);
    if (!text.isEmpty() || qstrcmp(context, "QAbstractFileIconProvider") != 0) return text;
    return QTranslator::translate("QFileDialog", sourceText, disambiguation, n);
  }
};
}  // namespace

bool InstallQtTranslation() {
  auto* translator = new TQtTranslator(QCoreApplication::instance());
  // The interface is Russian on every machine, so the language is fixed, not the user's.
  if (!translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

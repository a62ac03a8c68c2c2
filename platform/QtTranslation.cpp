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

QTranslator* LoadQtTranslation(QObject* owner) {
  auto* translator = new TQtTranslator(owner);
  // Russian is Qt's language here whatever the user's locale; English needs no catalogue.
  if (!translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return nullptr;
  }
  return translator;
}

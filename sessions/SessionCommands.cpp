#include "sessions/SessionCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "platform/FileExtension.h"
#include "platform/Language.h"
#include "platform/Platform.h"
#include "platform/SafeSave.h"
#include "sessions/SessionFile.h"
#include "sessions/SessionHistory.h"

namespace {
QString Damaged(const QString& fault) {
  return QCoreApplication::translate("SessionCommands", "Файл сеанса повреждён: %1").arg(fault);
}

TFileDialogOptions SessionDialog(bool save) {
  TFileDialogOptions options;
  options.Title = save ? QCoreApplication::translate("SessionCommands", "Сохранить сеанс")
                       : QCoreApplication::translate("SessionCommands", "Открыть сеанс");
  options.Filter = QCoreApplication::translate("SessionCommands", "Сеанс resam (*.resam)|*.resam");
  options.DefaultExt = QStringLiteral("resam");
  options.FileName = save ? QCoreApplication::translate("SessionCommands", "Сеанс.resam") : QString();
  options.OverwritePrompt = save;
  return options;
}
}  // namespace

bool AskSessionToSave(QString& name) {
  if (!Platform().SaveFileName(SessionDialog(true), name)) return false;
  CorrectFileExtension(name, QStringLiteral(".resam"));
  return true;
}

bool AskSessionToOpen(QString& name) { return Platform().OpenFileName(SessionDialog(false), name); }

void WriteSessionFile(const QString& name, const QByteArray& text) {
  const TSaveResult result = SaveFileSafely(name, text);
  if (result == TSaveResult::Saved) {
    RememberSession(name);
    return;
  }
  Platform().Message(
      (result == TSaveResult::CannotCreate
           ? QCoreApplication::translate("SessionCommands", "Сеанс не сохранён: не удаётся создать файл %1")
           : QCoreApplication::translate("SessionCommands", "Сеанс не сохранён: не удаётся записать файл %1"))
          .arg(name));
}

bool ReadSessionFile(const QString& path, QByteArray& text) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    Platform().Message(QCoreApplication::translate("SessionCommands", "Не удаётся открыть файл %1").arg(path));
    return false;
  }
  text = file.read(MaxSessionFileSize + 1);
  return true;
}

bool ReadSessionText(const QByteArray& text, TSession& session) {
  const QString fault = ReadSession(text, session);
  if (!fault.isEmpty()) Platform().Message(Damaged(fault));
  return fault.isEmpty();
}

void ReportDamagedSession(const TMessage& fault) { Platform().Message(Damaged(MessageText(fault))); }

void ListRecentSessions(QMenu* menu, const std::function<bool(const QString&)>& open) {
  menu->clear();
  const QStringList recent = RecentSessions();
  for (int i = 0; i < recent.size(); ++i) {
    const QString path = recent[i];
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* item = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
    // A file gone from its place leaves the list; a damaged one stays, for the user to look at.
    QObject::connect(item, &QAction::triggered, menu, [open, path] {
      if (!open(path) && !QFileInfo::exists(path)) ForgetSession(path);
    });
  }
  menu->menuAction()->setEnabled(!recent.isEmpty());
}

#include "platform/Platform.h"

#include <QFileInfo>
#include <QStringList>

#include "platform/CoreServices.h"
#include "platform/Language.h"

namespace {
TPlatform* Installed = nullptr;

void RouteMessage(const std::string& text) { Installed->Message(QString::fromStdString(text)); }
std::string RouteTranslated(const TMessage& message) { return MessageText(message).toStdString(); }
void RouteBeginWait() { Installed->PushCursor(Qt::WaitCursor); }
void RouteEndWait() { Installed->PopCursor(); }
}  // namespace

TPlatform& Platform() {
  Q_ASSERT(Installed);
  return *Installed;
}

void InstallPlatform(TPlatform* platform) {
  Installed = platform;
  TCoreHooks hooks;
  if (platform) {
    hooks.Message = RouteMessage;
    hooks.Translated = RouteTranslated;
    hooks.BeginWait = RouteBeginWait;
    hooks.EndWait = RouteEndWait;
  }
  SetCoreHooks(hooks);
}

QString QtFilterFromPairs(const QString& pairs) {
  const QStringList parts = pairs.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    // The description often repeats the pattern in parentheses; Qt reads the last ones.
    const int paren = description.lastIndexOf(QLatin1Char('('));
    if (paren > 0 && description.endsWith(QLatin1Char(')'))) description = description.left(paren).trimmed();
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}

QString FilterExtension(const QString& pairs, int index) {
  const QStringList parts = pairs.split(QLatin1Char('|'));
  const int pattern = 2 * index + 1;
  if (index < 0 || pattern >= parts.size()) return {};
  const QString p = parts[pattern].trimmed();
  const bool single = p.size() > 2 && p.startsWith(QStringLiteral("*.")) && p.indexOf(QLatin1Char('*'), 1) < 0 &&
                      !p.contains(QLatin1Char(';')) && !p.contains(QLatin1Char(' '));
  return single ? p.mid(2) : QString();
}

QString WithDefaultExtension(const QString& name, const QString& defaultExt) {
  if (name.isEmpty() || defaultExt.isEmpty()) return name;
  if (!QFileInfo(name).suffix().isEmpty()) return name;
  return name + QLatin1Char('.') + defaultExt;
}

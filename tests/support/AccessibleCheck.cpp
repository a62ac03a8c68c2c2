#include "AccessibleCheck.h"

#include <QAccessible>
#include <QLabel>
#include <QPicture>
#include <QSet>
#include <QWidget>

namespace {
// Exact classes only: a program's own widget derived from one of them is a control.
bool IsPlainContainer(const QWidget* w) {
  static const QSet<QString> containers = {"QWidget",           "QFrame",          "QScrollArea",      "QStackedWidget",
                                           "QSplitter",         "QSplitterHandle", "QToolBar",         "QMenuBar",
                                           "QStatusBar",        "QTabWidget",      "QDialogButtonBox", "QMainWindow",
                                           "QDialog",           "QRubberBand",     "QFocusFrame",      "QSizeGrip",
                                           "QToolBarSeparator", "QMdiArea",        "QDockWidget"};
  return containers.contains(QString::fromLatin1(w->metaObject()->className()));
}

QString AnnouncedName(QWidget* w) {
  if (!w->accessibleName().trimmed().isEmpty()) return w->accessibleName();
  if (w->isWindow() && !w->windowTitle().trimmed().isEmpty()) return w->windowTitle();
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
  return iface ? iface->text(QAccessible::Name).trimmed() : QString();
}

bool Reachable(const QWidget* w, const QWidget* window) {
  return w->isEnabled() && (w == window || w->isVisibleTo(window));
}

// A read-out label that is empty for now shows nothing and is passed over by a screen
// reader too; once it shows a text, that text is its name.
bool ShowsNothing(const QWidget* w) {
  auto* label = qobject_cast<const QLabel*>(w);
  return label && label->text().isEmpty() && label->pixmap().isNull() && label->picture().isNull() && !label->movie();
}

QString Describe(const QWidget* w) {
  return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(w->metaObject()->className()), w->objectName());
}
}  // namespace

QStringList UnnamedWidgets(QWidget* window) {
  QStringList offenders;
  QList<QWidget*> widgets{window};
  widgets += window->findChildren<QWidget*>();
  for (QWidget* w : widgets) {
    if (!Reachable(w, window)) continue;
    if (w != window && (IsPlainContainer(w) || ShowsNothing(w))) continue;
    if (AnnouncedName(w).isEmpty()) offenders << Describe(w);
  }
  return offenders;
}

testing::AssertionResult AllWidgetsNamed(QWidget* window) {
  const QStringList offenders = UnnamedWidgets(window);
  if (offenders.isEmpty()) return testing::AssertionSuccess();
  return testing::AssertionFailure() << Describe(window).toStdString() << " has controls without an accessible name: "
                                     << offenders.join(QStringLiteral(", ")).toStdString();
}

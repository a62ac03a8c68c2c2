#include "widgets/TranslatedTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QVariant>

#include "widgets/AccessibleNames.h"

namespace {
using TSetter = void (*)(QObject* target, const QString& text);

void SetText(QObject* target, const QString& text) {
  if (auto* a = qobject_cast<QAction*>(target))
    a->setText(text);
  else if (auto* b = qobject_cast<QAbstractButton*>(target))
    b->setText(text);
  else if (auto* l = qobject_cast<QLabel*>(target))
    l->setText(text);
}

void SetTitle(QObject* target, const QString& text) {
  if (auto* m = qobject_cast<QMenu*>(target))
    m->setTitle(text);
  else if (auto* g = qobject_cast<QGroupBox*>(target))
    g->setTitle(text);
}

void SetToolTip(QObject* target, const QString& text) {
  if (auto* a = qobject_cast<QAction*>(target))
    a->setToolTip(text);
  else if (auto* w = qobject_cast<QWidget*>(target))
    w->setToolTip(text);
}

void SetWindowTitle(QObject* target, const QString& text) {
  if (auto* w = qobject_cast<QWidget*>(target)) w->setWindowTitle(text);
}

void SetAccessibleName(QObject* target, const QString& text) {
  if (auto* w = qobject_cast<QWidget*>(target)) w->setAccessibleName(text);
}

// A page sits in the tab widget's stack, so the tab widget is found among its ancestors.
void SetTabText(QObject* target, const QString& text) {
  auto* page = qobject_cast<QWidget*>(target);
  for (QWidget* w = page ? page->parentWidget() : nullptr; w; w = w->parentWidget())
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      const int index = tabs->indexOf(page);
      if (index >= 0) tabs->setTabText(index, text);
      return;
    }
}

struct TRoleRow {
  TTextRole Role;
  const char* Property;  // where the context and source are kept on the target
  TSetter Set;
};
constexpr TRoleRow Roles[] = {
    {TTextRole::Text, "resamSourceText", SetText},
    {TTextRole::Title, "resamSourceTitle", SetTitle},
    {TTextRole::ToolTip, "resamSourceToolTip", SetToolTip},
    {TTextRole::WindowTitle, "resamSourceWindowTitle", SetWindowTitle},
    {TTextRole::TabText, "resamSourceTabText", SetTabText},
    {TTextRole::AccessibleName, "resamSourceAccessibleName", SetAccessibleName},
};

const TRoleRow& RowOf(TTextRole role) {
  for (const TRoleRow& row : Roles)
    if (row.Role == role) return row;
  return Roles[0];
}

// Kept as context and source in one list, so that a role is one property.
void Put(QObject* target, const TRoleRow& row, const QStringList& kept) {
  if (kept.size() != 2) return;
  row.Set(target, QCoreApplication::translate(kept[0].toUtf8().constData(), kept[1].toUtf8().constData()));
}

// Qt names some parts of its own controls once, when it makes them, and never again.
struct TQtOwnName {
  const char* ObjectName;
  const char* Context;  // Qt's own, translated by its catalogue
  const char* Source;
};
constexpr TQtOwnName QtOwnNames[] = {
    {"ScrollLeftButton", "QTabBar", "Scroll Left"},
    {"ScrollRightButton", "QTabBar", "Scroll Right"},
};

void RenameQtOwnParts(QWidget* window) {
  for (const TQtOwnName& n : QtOwnNames)
    for (QWidget* part : window->findChildren<QWidget*>(QString::fromLatin1(n.ObjectName)))
      part->setAccessibleName(QCoreApplication::translate(n.Context, n.Source));
}

// Every window's kept texts follow a language change, whether or not the window has texts of
// its own to compose again (those windows do that in their changeEvent, after this).
class TLanguageFollower : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::LanguageChange)
      if (auto* w = qobject_cast<QWidget*>(watched); w && w->isWindow()) {
        RetranslateTexts(w);
        RenameQtOwnParts(w);
        // Names read from the fixed texts; a window that composes texts names again after them.
        RenewAccessibleNames(w);
      }
    return QObject::eventFilter(watched, event);
  }
};

void FollowLanguageChanges() {
  static bool following = false;
  if (following || !QCoreApplication::instance()) return;
  QCoreApplication::instance()->installEventFilter(new TLanguageFollower(QCoreApplication::instance()));
  following = true;
}

void Retranslate(QObject* target) {
  for (const TRoleRow& row : Roles) {
    const QVariant kept = target->property(row.Property);
    if (kept.isValid()) Put(target, row, kept.toStringList());
  }
}
}  // namespace

void PutText(QObject* target, TTextRole role, const char* context, const char* source) {
  FollowLanguageChanges();
  const TRoleRow& row = RowOf(role);
  const QStringList kept{QString::fromUtf8(context), QString::fromUtf8(source)};
  target->setProperty(row.Property, kept);
  Put(target, row, kept);
}

QAction* AddTranslatedItem(QMenu* menu, const char* context, const char* source) {
  QAction* item = menu->addAction(QString());
  PutText(item, TTextRole::Text, context, source);
  return item;
}

QMenu* AddTranslatedMenu(QMenu* menu, const char* context, const char* source) {
  QMenu* sub = menu->addMenu(QString());
  PutText(sub, TTextRole::Title, context, source);
  return sub;
}

QMenu* AddTranslatedMenu(QMenuBar* bar, const char* context, const char* source) {
  QMenu* sub = bar->addMenu(QString());
  PutText(sub, TTextRole::Title, context, source);
  return sub;
}

QLabel* AddTranslatedLabel(QWidget* parent, const char* context, const char* source) {
  auto* label = new QLabel(parent);
  PutText(label, TTextRole::Text, context, source);
  return label;
}

void RetranslateTexts(QObject* root) {
  Retranslate(root);
  for (QObject* child : root->findChildren<QObject*>()) Retranslate(child);
}

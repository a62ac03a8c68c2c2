#include "WindowTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

namespace {
void Add(QStringList& texts, const char* where, const QString& text) {
  if (!text.isEmpty()) texts << QString::fromUtf8(where) + QStringLiteral(": ") + text;
}

void AddOwnTexts(QStringList& texts, const QWidget& w) {
  Add(texts, "hint", w.toolTip());
  Add(texts, "name", w.accessibleName());
  if (const auto* b = qobject_cast<const QAbstractButton*>(&w)) Add(texts, "button", b->text());
  if (const auto* l = qobject_cast<const QLabel*>(&w)) Add(texts, "label", l->text());
  if (const auto* g = qobject_cast<const QGroupBox*>(&w)) Add(texts, "box", g->title());
  if (const auto* m = qobject_cast<const QMenu*>(&w)) Add(texts, "menu", m->title());
  if (const auto* c = qobject_cast<const QComboBox*>(&w))
    for (int i = 0; i < c->count(); ++i) Add(texts, "item", c->itemText(i));
  if (const auto* t = qobject_cast<const QTabWidget*>(&w))
    for (int i = 0; i < t->count(); ++i) Add(texts, "tab", t->tabText(i));
}
}  // namespace

QStringList WindowTexts(const QWidget& window) {
  QStringList texts;
  Add(texts, "title", window.windowTitle());
  AddOwnTexts(texts, window);
  for (const QWidget* w : window.findChildren<QWidget*>()) AddOwnTexts(texts, *w);
  for (const QAction* a : window.findChildren<QAction*>()) {
    Add(texts, "action", a->text());
    if (a->toolTip() != QString(a->text()).remove(QLatin1Char('&'))) Add(texts, "action hint", a->toolTip());
  }
  return texts;
}

const QRegularExpression& CyrillicLetter() {
  static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
  return cyrillic;
}

#include "WindowTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>

namespace {
void Add(QStringList& texts, const char* where, const QString& text) {
  if (!text.trimmed().isEmpty()) texts << QString::fromUtf8(where) + QStringLiteral(": ") + text;
}

void AddHeads(QStringList& texts, const QTableWidget& t) {
  for (int i = 0; i < t.columnCount(); ++i)
    if (const QTableWidgetItem* h = t.horizontalHeaderItem(i)) Add(texts, "head", h->text());
  for (int i = 0; i < t.rowCount(); ++i)
    if (const QTableWidgetItem* h = t.verticalHeaderItem(i)) Add(texts, "row", h->text());
}

void AddOwnTexts(QStringList& texts, const QWidget& w) {
  if (w.isWindow()) Add(texts, "title", w.windowTitle());
  Add(texts, "hint", w.toolTip());
  Add(texts, "status", w.statusTip());
  Add(texts, "name", w.accessibleName());
  Add(texts, "description", w.accessibleDescription());
  if (const auto* b = qobject_cast<const QAbstractButton*>(&w)) Add(texts, "button", b->text());
  if (const auto* l = qobject_cast<const QLabel*>(&w)) Add(texts, "label", l->text());
  if (const auto* g = qobject_cast<const QGroupBox*>(&w)) Add(texts, "box", g->title());
  if (const auto* m = qobject_cast<const QMenu*>(&w)) Add(texts, "menu", m->title());
  if (const auto* e = qobject_cast<const QLineEdit*>(&w)) Add(texts, "placeholder", e->placeholderText());
  if (const auto* t = qobject_cast<const QTableWidget*>(&w)) AddHeads(texts, *t);
  if (const auto* c = qobject_cast<const QComboBox*>(&w))
    for (int i = 0; i < c->count(); ++i) Add(texts, "item", c->itemText(i));
  if (const auto* t = qobject_cast<const QTabWidget*>(&w))
    for (int i = 0; i < t->count(); ++i) Add(texts, "tab", t->tabText(i));
}
}  // namespace

QStringList WindowTexts(const QWidget& window) {
  QStringList texts;
  AddOwnTexts(texts, window);
  for (const QWidget* w : window.findChildren<QWidget*>()) AddOwnTexts(texts, *w);
  for (const QAction* a : window.findChildren<QAction*>()) {
    Add(texts, "action", a->text());
    if (a->toolTip() != QString(a->text()).remove(QLatin1Char('&'))) Add(texts, "action hint", a->toolTip());
    Add(texts, "action status", a->statusTip());
  }
  return texts;
}

const QRegularExpression& CyrillicLetter() {
  static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
  return cyrillic;
}

#include "ShownTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>

#include "plotting/Diagram.h"

namespace {
class TCollector {
 public:
  QStringList Texts;

  void Add(const QString& where, const QString& text) {
    if (!text.trimmed().isEmpty()) Texts << where + QStringLiteral(": ") + text;
  }

  void AddAction(const QString& where, const QAction* a) {
    if (a->isSeparator()) return;
    Add(where + QStringLiteral(" item"), a->text());
    if (a->toolTip() != a->text() && a->toolTip() != QString(a->text()).remove(QLatin1Char('&')))
      Add(where + QStringLiteral(" item hint"), a->toolTip());
    Add(where + QStringLiteral(" item status"), a->statusTip());
  }

  void AddWidget(const QWidget* w) {
    const QString where = QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->objectName();
    if (w->isWindow()) Add(where + QStringLiteral(" title"), w->windowTitle());
    Add(where + QStringLiteral(" hint"), w->toolTip());
    Add(where + QStringLiteral(" status"), w->statusTip());
    Add(where + QStringLiteral(" name"), w->accessibleName());
    Add(where + QStringLiteral(" description"), w->accessibleDescription());
    for (const QAction* a : w->actions()) AddAction(where, a);
    AddOwnText(where, w);
  }

 private:
  void AddOwnText(const QString& where, const QWidget* w) {
    if (const auto* l = qobject_cast<const QLabel*>(w)) Add(where, l->text());
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) Add(where, b->text());
    if (const auto* g = qobject_cast<const QGroupBox*>(w)) Add(where, g->title());
    if (const auto* m = qobject_cast<const QMenu*>(w)) Add(where, m->title());
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) Add(where + QStringLiteral(" placeholder"), e->placeholderText());
    if (const auto* t = qobject_cast<const QTabWidget*>(w))
      for (int i = 0; i < t->count(); ++i) Add(where + QStringLiteral(" tab"), t->tabText(i));
    if (const auto* c = qobject_cast<const QComboBox*>(w))
      for (int i = 0; i < c->count(); ++i) Add(where + QStringLiteral(" choice"), c->itemText(i));
    if (const auto* t = qobject_cast<const QTableWidget*>(w)) AddHeads(where, t);
    if (const auto* d = qobject_cast<const TDiagram*>(w)) AddDiagram(where, d);
  }

  void AddHeads(const QString& where, const QTableWidget* t) {
    for (int i = 0; i < t->columnCount(); ++i)
      if (const QTableWidgetItem* h = t->horizontalHeaderItem(i)) Add(where + QStringLiteral(" head"), h->text());
    for (int i = 0; i < t->rowCount(); ++i)
      if (const QTableWidgetItem* h = t->verticalHeaderItem(i)) Add(where + QStringLiteral(" row"), h->text());
  }

  void AddDiagram(const QString& where, const TDiagram* d) {
    Add(where + QStringLiteral(" title"), d->GetNameDiagram());
    Add(where + QStringLiteral(" abscissa"), d->GetNameX());
    Add(where + QStringLiteral(" ordinate"), d->GetNameY());
    for (const TDiagram::TLegendLine& line : d->GetLegend()) Add(where + QStringLiteral(" legend"), line.Text);
  }
};
}  // namespace

QStringList ShownTexts(QWidget* window) {
  TCollector c;
  c.AddWidget(window);
  for (const QWidget* w : window->findChildren<QWidget*>()) c.AddWidget(w);
  return c.Texts;
}

QStringList WithCyrillic(const QStringList& texts) {
  static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
  return texts.filter(cyrillic);
}

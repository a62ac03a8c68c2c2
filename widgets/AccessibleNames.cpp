#include "widgets/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPicture>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolButton>
#include <limits>

namespace {
// The names and descriptions this helper gave are remembered on the widget, so that a
// later call renews them while a name set by the window itself is never overwritten.
constexpr char GivenNameKey[] = "ResamGivenAccessibleName";
constexpr char GivenDescriptionKey[] = "ResamGivenAccessibleDescription";

// The program's own classes are recognised by name, so that this unit needs none of
// their headers (the plotting windows call it too).
constexpr char DiagramClass[] = "TDiagram";
constexpr char UpDownClass[] = "TUpDown";

// The helper's own words, in the interface language.
QString Tr(const char* source) { return QCoreApplication::translate("TAccessibleNames", source); }

// What a sighted user reads: mnemonic marks and rich-text tags removed, a trailing
// colon dropped ("Число отсчётов:" is announced as "Число отсчётов").
QString ReadableText(QString text) {
  if (Qt::mightBeRichText(text)) text = QTextDocumentFragment::fromHtml(text).toPlainText();
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  text = text.simplified();
  while (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

QString LabelText(const QLabel* label) {
  return label->isVisibleTo(label->window()) ? ReadableText(label->text()) : QString();
}

QLabel* BuddyLabel(const QWidget* w) {
  for (QLabel* label : w->window()->findChildren<QLabel*>())
    if (label->buddy() == w && !LabelText(label).isEmpty()) return label;
  return nullptr;
}

QRect WindowRect(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

enum class TSide { Left, Above };

// The closest label with a text on the same row to the left, or above in the same column;
// with topmost, the farthest above instead: the head of the column.
const QLabel* LabelBeside(const QWidget* w, TSide side, bool topmost = false) {
  const QRect r = WindowRect(w);
  const QLabel* best = nullptr;
  long long bestDistance = 0;
  for (const QLabel* label : w->window()->findChildren<QLabel*>()) {
    // A dialog owned by the window lies in its tree, but is a window of its own.
    if (label == w || label->window() != w->window() || LabelText(label).isEmpty()) continue;
    const QRect l = WindowRect(label);
    const bool placed = side == TSide::Left ? l.bottom() >= r.top() && l.top() <= r.bottom() && l.right() <= r.left()
                                            : l.right() >= r.left() && l.left() <= r.right() && l.bottom() <= r.top();
    if (!placed) continue;
    long long distance = side == TSide::Left ? r.left() - l.right() : r.top() - l.bottom();
    if (topmost) distance = -distance;
    if (!best || distance < bestDistance) best = label, bestDistance = distance;
  }
  return best;
}

// A cell of a grid (a head above every column, the rows labelled at the left) is named
// after its column and its row, "Амплитуда, В, Номер гармоники 3"; any other control
// after the label to its left, else the one above it.
QString PlaceName(const QWidget* w) {
  const QLabel* left = LabelBeside(w, TSide::Left);
  const QLabel* columnHead = LabelBeside(w, TSide::Above, true);
  const QLabel* rowHead = left ? LabelBeside(left, TSide::Above, true) : nullptr;
  if (left && columnHead && rowHead && columnHead != rowHead)
    return LabelText(columnHead) + QStringLiteral(", ") + LabelText(rowHead) + QLatin1Char(' ') + LabelText(left);
  if (left) return LabelText(left);
  const QLabel* above = LabelBeside(w, TSide::Above);
  return above ? LabelText(above) : QString();
}

QString FirstNonEmpty(std::initializer_list<QString> texts) {
  for (const QString& t : texts)
    if (!t.isEmpty()) return t;
  return QString();
}

// An edit box, list, table or slider is named after what stands beside it.
QString EntryName(const QWidget* w, const QString& fallback) {
  const QLabel* buddy = BuddyLabel(w);
  QString placeholder;
  if (auto* edit = qobject_cast<const QLineEdit*>(w)) placeholder = edit->placeholderText();
  if (auto* edit = qobject_cast<const QPlainTextEdit*>(w)) placeholder = edit->placeholderText();
  if (auto* edit = qobject_cast<const QTextEdit*>(w)) placeholder = edit->placeholderText();
  return FirstNonEmpty({buddy ? LabelText(buddy) : QString(), ReadableText(w->toolTip()), ReadableText(placeholder),
                        PlaceName(w), fallback});
}

QString DiagramName(const QWidget* diagram) {
  const QString title = ReadableText(diagram->property("NameDiagram").toString());
  return title.isEmpty() ? Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Диаграмма")) : title;
}

const QWidget* ChildDiagram(const QWidget* w) {
  for (const QWidget* child : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child->inherits(DiagramClass)) return child;
  return nullptr;
}

// The up-down's arrows: the first button steps forward (up, or right when horizontal).
QString UpDownArrowName(const QAbstractButton* button) {
  const QWidget* upDown = button->parentWidget();
  const bool vertical = upDown->property("Orientation").value<Qt::Orientation>() == Qt::Vertical;
  const bool next = upDown->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly).value(0) == button;
  if (vertical)
    return next ? Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Вверх"))
                : Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Вниз"));
  return next ? Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Вправо"))
              : Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Влево"));
}

QString ButtonName(const QAbstractButton* button) {
  if (!ReadableText(button->text()).isEmpty()) return QString();  // its caption is its name
  if (const QString hint = ReadableText(button->toolTip()); !hint.isEmpty()) return hint;
  if (button->parentWidget() && button->parentWidget()->inherits(UpDownClass)) return UpDownArrowName(button);
  // Qt's "»" button of a tool or menu bar too narrow for all its items.
  if (button->objectName().endsWith(QLatin1String("_ext_button")))
    return Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Другие команды"));
  if (auto* tool = qobject_cast<const QToolButton*>(button); tool && tool->defaultAction())
    return ReadableText(tool->defaultAction()->iconText());
  return Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Кнопка"));
}

QString LabelName(const QLabel* label) {
  if (!ReadableText(label->text()).isEmpty()) return QString();
  const bool picture = !label->pixmap().isNull() || !label->picture().isNull() || label->movie();
  if (!picture) return ReadableText(label->toolTip());  // an empty read-out: named by its window when it matters
  return FirstNonEmpty(
      {ReadableText(label->toolTip()), PlaceName(label), Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Рисунок"))});
}

QString ScrollBarName(const QScrollBar* bar) {
  return bar->orientation() == Qt::Vertical ? Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Вертикальная прокрутка"))
                                            : Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Горизонтальная прокрутка"));
}

// The edit box inside a combo or spin box is the same control for the user.
const QWidget* CompositeOwner(const QWidget* w) {
  const QWidget* parent = w->parentWidget();
  if (parent && (qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent)))
    return parent;
  return nullptr;
}

// A window's title is its name; a window without a frame shows no title, and the one
// such window of the program is the welcome card. A widget shown as a window of its
// own (a diagram frame, say) is named as it would be inside one.
bool IsTitledWindow(const QWidget* w) { return w->isWindow() && !w->windowTitle().isEmpty(); }
bool IsFramelessWindow(const QWidget* w) { return w->isWindow() && (w->windowFlags() & Qt::FramelessWindowHint); }

QString NameFor(const QWidget* w) {
  if (IsTitledWindow(w)) return QString();
  if (IsFramelessWindow(w)) return Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Заставка"));
  if (w->inherits(DiagramClass)) return DiagramName(w);
  if (auto* button = qobject_cast<const QAbstractButton*>(w)) return ButtonName(button);
  if (auto* label = qobject_cast<const QLabel*>(w)) return LabelName(label);
  if (auto* bar = qobject_cast<const QScrollBar*>(w)) return ScrollBarName(bar);
  if (qobject_cast<const QTabBar*>(w)) return Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Вкладки"));
  if (qobject_cast<const QGroupBox*>(w)) return ReadableText(w->toolTip());  // its title is its name
  if (const QWidget* owner = CompositeOwner(w))
    return EntryName(owner, Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Поле ввода")));
  if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
      qobject_cast<const QComboBox*>(w) || qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w))
    return EntryName(w, Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Поле ввода")));
  if (qobject_cast<const QAbstractItemView*>(w))
    return EntryName(w, Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Таблица")));
  if (qobject_cast<const QProgressBar*>(w))
    return EntryName(w, Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Ход вычисления")));
  if (qobject_cast<const QAbstractSlider*>(w))
    return EntryName(w, Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Ползунок")));
  if (w->inherits(UpDownClass)) return Tr(QT_TRANSLATE_NOOP("TAccessibleNames", "Сдвиг границы диапазона"));
  if (const QWidget* diagram = ChildDiagram(w)) return DiagramName(diagram);
  return ReadableText(w->toolTip());
}

// Sets a text unless someone other than this helper has set one.
void Give(QWidget* w, const char* key, const QString& current, const QString& text,
          void (QWidget::*set)(const QString&)) {
  const bool ours = w->property(key).isValid() && w->property(key).toString() == current;
  if (text.isEmpty() || (!current.isEmpty() && !ours) || current == text) return;
  (w->*set)(text);
  w->setProperty(key, text);
}

void Name(QWidget* w) {
  Give(w, GivenNameKey, w->accessibleName(), NameFor(w), &QWidget::setAccessibleName);
  Give(w, GivenDescriptionKey, w->accessibleDescription(), ReadableText(w->toolTip()),
       &QWidget::setAccessibleDescription);
}

// Labels are found by their place, so every layout is brought up to date first, top
// down, as showing the window would do.
void ActivateLayouts(QWidget* root) {
  if (root->layout()) root->layout()->activate();
  for (QWidget* w : root->findChildren<QWidget*>())
    if (w->layout()) w->layout()->activate();
}
}  // namespace

void RenewAccessibleNames(QWidget* root) {
  if (!root) return;
  bool named = root->property(GivenNameKey).isValid() || root->property(GivenDescriptionKey).isValid();
  for (const QWidget* w : root->findChildren<QWidget*>())
    named = named || w->property(GivenNameKey).isValid() || w->property(GivenDescriptionKey).isValid();
  if (named) GiveAccessibleNames(root);
}

void GiveAccessibleNames(QWidget* root) {
  if (!root) return;
  ActivateLayouts(root);
  Name(root);
  for (QWidget* w : root->findChildren<QWidget*>()) Name(w);
  // A diagram given a new title renames the frame that is named after it.
  if (root->inherits(DiagramClass) && root->parentWidget() && ChildDiagram(root->parentWidget()) == root)
    Name(root->parentWidget());
}

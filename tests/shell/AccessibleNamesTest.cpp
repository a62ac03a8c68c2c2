#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <functional>
#include <memory>

#include "AccessibleCheck.h"
#include "numerics/SpAnTurnUnit.h"
#include "numerics/SpAnUnit.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "plotting/DiagramIncreaseUnit.h"
#include "shell/HelloUnit.h"
#include "shell/ResamUnit.h"
#include "sources/PolyGarmUnit.h"
#include "widgets/AccessibleNames.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/PicViewerUnit.h"
#include "widgets/YesNoDialogUnit.h"

namespace {
QStringList ActionTexts(const QList<QAction*>& actions) {
  QStringList texts;
  for (const QAction* a : actions) texts << a->text().section(QLatin1Char('\t'), 0, 0);  // shortcut dropped
  return texts;
}

QString ButtonText(QWidget* owner, QDialogButtonBox::StandardButton which) {
  auto* box = owner->findChild<QDialogButtonBox*>();
  return box && box->button(which) ? box->button(which)->text() : QString();
}
}  // namespace

// Qt's own texts come from the Russian translation that the test program, like the
// program itself, installs at start-up.
TEST(QtTranslation, StandardControlsReadRussian) {
  const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ru.qm");
  ASSERT_TRUE(QFile::exists(file)) << "qt6-translations-l10n is missing; scripts/install-deps installs it";

  QLineEdit edit;
  std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
  QFileDialog files(nullptr, QStringLiteral("Открыть"));
  files.setOption(QFileDialog::DontUseNativeDialog);
  QMessageBox question(QMessageBox::Question, QStringLiteral("Вопрос"), QStringLiteral("Сохранить?"),
                       QMessageBox::Yes | QMessageBox::No);

  struct TCase {
    const char* what;
    QStringList shown;
    QString expected;
  };
  const TCase cases[] = {
      {"edit box context menu", ActionTexts(menu->actions()), QStringLiteral("&Копировать")},
      {"edit box context menu", ActionTexts(menu->actions()), QStringLiteral("Выделить всё")},
      {"file dialog", {ButtonText(&files, QDialogButtonBox::Cancel)}, QStringLiteral("Отмена")},
      {"question", {question.button(QMessageBox::Yes)->text()}, QStringLiteral("&Да")},
      {"question", {question.button(QMessageBox::No)->text()}, QStringLiteral("&Нет")},
  };
  for (const TCase& c : cases)
    EXPECT_TRUE(c.shown.contains(c.expected)) << c.what << ": " << c.shown.join(" | ").toStdString();
}

// Where each control's name comes from, and that visible texts stay as they were.
TEST(AccessibleNames, NamesComeFromWhatStandsBesideTheControl) {
  QDialog form;
  form.setWindowTitle(QStringLiteral("Окно"));
  form.resize(700, 400);
  auto* buddyLabel = new QLabel(QStringLiteral("&Число отсчётов:"), &form);
  buddyLabel->setGeometry(10, 10, 100, 20);
  auto* buddyEdit = new TEditFloat(&form);
  buddyEdit->setGeometry(300, 300, 60, 20);  // far away: the buddy link wins over places
  buddyEdit->setToolTip(QStringLiteral("Подсказка"));
  buddyLabel->setBuddy(buddyEdit);
  auto* leftLabel = new QLabel(QStringLiteral("T ="), &form);
  leftLabel->setGeometry(10, 50, 40, 20);
  auto* leftEdit = new QLineEdit(&form);
  leftEdit->setGeometry(60, 50, 60, 20);
  auto* aboveLabel = new QLabel(QStringLiteral("Шаг"), &form);
  aboveLabel->setGeometry(200, 90, 60, 16);
  auto* aboveEdit = new QLineEdit(&form);
  aboveEdit->setGeometry(200, 110, 60, 20);
  auto* hintEdit = new QLineEdit(&form);
  hintEdit->setGeometry(400, 10, 60, 20);
  hintEdit->setToolTip(QStringLiteral("Период дискретизации"));
  auto* placeholderEdit = new QLineEdit(&form);
  placeholderEdit->setGeometry(400, 200, 60, 20);
  placeholderEdit->setPlaceholderText(QStringLiteral("Введите число"));
  auto* tool = new QToolButton(&form);
  tool->setGeometry(400, 250, 20, 20);
  tool->setToolTip(QStringLiteral("Увеличить"));
  auto* ownName = new QToolButton(&form);
  ownName->setToolTip(QStringLiteral("Копировать"));
  ownName->setAccessibleName(QStringLiteral("Своё имя"));
  auto* captioned = new QPushButton(QStringLiteral("Принять"), &form);
  captioned->setGeometry(10, 360, 80, 25);
  auto* frame = new TDiagramFrame(&form);
  frame->setGeometry(10, 150, 180, 150);
  // A grid: heads above the columns, row numbers at the left.
  (new QLabel(QStringLiteral("Номер"), &form))->setGeometry(520, 10, 50, 16);
  (new QLabel(QStringLiteral("Амплитуда"), &form))->setGeometry(580, 10, 80, 16);
  QLineEdit* cell = nullptr;
  for (int row = 0; row < 2; ++row) {
    (new QLabel(QString::number(row), &form))->setGeometry(530, 30 + 25 * row, 20, 20);
    cell = new QLineEdit(&form);
    cell->setGeometry(580, 30 + 25 * row, 80, 20);
  }
  frame->Diagram->SetNameDiagram(QStringLiteral("Сигнал"));

  GiveAccessibleNames(&form);
  GiveAccessibleNames(&form);  // a second call changes nothing

  struct TCase {
    QWidget* widget;
    QString name;
  };
  const TCase cases[] = {
      {buddyEdit, QStringLiteral("Число отсчётов")},
      {leftEdit, QStringLiteral("T =")},
      {aboveEdit, QStringLiteral("Шаг")},
      {hintEdit, QStringLiteral("Период дискретизации")},
      {placeholderEdit, QStringLiteral("Введите число")},
      {tool, QStringLiteral("Увеличить")},
      {ownName, QStringLiteral("Своё имя")},
      {captioned, QString()},
      {frame->Diagram, QStringLiteral("Сигнал")},
      {frame, QStringLiteral("Сигнал")},
      {cell, QStringLiteral("Амплитуда, Номер 1")},
  };
  for (const TCase& c : cases) EXPECT_EQ(c.widget->accessibleName(), c.name) << c.widget->metaObject()->className();

  EXPECT_EQ(tool->toolTip(), QStringLiteral("Увеличить"));
  EXPECT_EQ(tool->accessibleDescription(), QStringLiteral("Увеличить"));
  EXPECT_EQ(buddyLabel->text(), QStringLiteral("&Число отсчётов:"));
  EXPECT_EQ(captioned->text(), QStringLiteral("Принять"));
  EXPECT_EQ(frame->Diagram->GetNameDiagram(), QStringLiteral("Сигнал"));

  // A new title renames the diagram and its frame; a name set by hand stays.
  frame->Diagram->SetNameDiagram(QStringLiteral("Амплитудный спектр"));
  EXPECT_EQ(frame->Diagram->accessibleName(), QStringLiteral("Амплитудный спектр"));
  EXPECT_EQ(frame->accessibleName(), QStringLiteral("Амплитудный спектр"));
  ownName->setToolTip(QStringLiteral("Сохранить"));
  GiveAccessibleNames(&form);
  EXPECT_EQ(ownName->accessibleName(), QStringLiteral("Своё имя"));
  EXPECT_TRUE(AllWidgetsNamed(&form));
}

// The check itself reports a control nobody named, by class and object name.
TEST(AccessibleNames, CheckReportsUnnamedControls) {
  QDialog form;
  form.setWindowTitle(QStringLiteral("Окно"));
  auto* bare = new QToolButton(&form);
  bare->setObjectName(QStringLiteral("SpeedButton7"));
  auto* hidden = new QToolButton(&form);
  hidden->hide();
  auto* disabled = new QLineEdit(&form);
  disabled->setEnabled(false);
  EXPECT_EQ(UnnamedWidgets(&form), QStringList{QStringLiteral("QToolButton 'SpeedButton7'")});
}

// Every window that exists, as a user first meets it.
TEST(AccessibleNames, EveryWindowNamesEveryControl) {
  TFourierAnalyser module;
  TDiagramFrame source;
  source.Diagram->SetNameDiagram(QStringLiteral("Сигнал"));
  struct TWindow {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
  };
  const TWindow windows[] = {
      {"TSpAnForm", [] { return std::make_unique<TSpAnForm>(); }},
      {"TSpAnTurnForm", [&] { return std::make_unique<TSpAnTurnForm>(module); }},
      {"TDiagramIncrease",
       [&] {
         auto w = std::make_unique<TDiagramIncrease>();
         w->TakeOver(source.Diagram);
         return w;
       }},
      {"TYesNoDialogForm",
       [] {
         auto w = std::make_unique<TYesNoDialogForm>();
         w->setWindowTitle(QStringLiteral("Редактор диаграмм"));  // as YesNoDialog shows it
         w->StaticText1->setText(QStringLiteral("Очистить рисунок?"));
         return w;
       }},
      {"TPicViewerForm",
       [] {
         auto w = std::make_unique<TPicViewerForm>();
         QImage picture(40, 30, QImage::Format_RGB32);
         picture.fill(Qt::white);
         w->LoadPicture(picture);
         return w;
       }},
      {"THelloForm", [] { return std::make_unique<THelloForm>(); }},
      {"TResamForm", [] { return std::make_unique<TResamForm>(); }},
      {"TPolyGarmForm", [] { return std::make_unique<TPolyGarmForm>(); }},
      {"TDiagramFrame",
       [] {
         auto w = std::make_unique<TDiagramFrame>();
         w->ShowTools();
         return w;
       }},
  };
  for (const TWindow& w : windows) {
    std::unique_ptr<QWidget> window = w.make();
    EXPECT_TRUE(AllWidgetsNamed(window.get())) << w.name;
  }
}

// Every place a method appears is made from its two rows (the engine's and the main window's):
// walking the rows checks the menu, its radio group, the handlers, the captions, the pictures,
// the count limits, the session names and the comparison's rows against them.
#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QTabWidget>

#include "ResamTestSignals.h"
#include "ScriptedPlatform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "resources/FormulaPictures.h"
#include "sessions/SessionFile.h"
#include "shell/MethodViews.h"
#include "shell/ResamUnit.h"
#include "studies/ComparisonPage.h"
#include "widgets/EditIntUnit.h"

namespace {
constexpr int KernelPage = 2, BasisPage = 3;

// The method menu's items and, for each, whether a separator stands before it.
std::vector<std::pair<QAction*, bool>> MenuItems(const TResamForm& form) {
  std::vector<std::pair<QAction*, bool>> items;
  bool separator = false;
  for (QAction* a : form.N30->actions()) {
    if (a->isSeparator()) {
      separator = true;
      continue;
    }
    items.emplace_back(a, separator);
    separator = false;
  }
  return items;
}
}  // namespace

TEST(MethodTable, EveryConsumerFollowsTheRows) {
  TResamForm form;
  GiveLibrarySignal(form, SlowWave, 1, 0);
  const auto items = MenuItems(form);
  ASSERT_EQ(items.size(), size_t(TResamEngine::MethodCount));
  QSet<QString> sessionNames;
  for (int m = 0; m < TResamEngine::MethodCount; ++m) {
    const auto method = TResamEngine::TMethod(m);
    const TMethodView& view = MethodView(method);
    const TMethodRow& row = MethodRow(method);
    QAction* item = form.MethodActions[m];
    EXPECT_EQ(form.*view.Item, item) << "the named member is the row's item";
    SCOPED_TRACE(QString::fromUtf8(view.ItemText).toStdString());
    EXPECT_EQ(items[m].first, item) << "the menu lists the methods in the rows' order";
    EXPECT_EQ(items[m].second, view.GroupStart);
    EXPECT_EQ(item->text(), QString::fromUtf8(view.ItemText));
    ASSERT_TRUE(item->actionGroup() && item->actionGroup()->isExclusive());
    EXPECT_EQ(item->actionGroup(), form.N31->actionGroup());

    item->trigger();
    EXPECT_EQ(form.Engine.Method(), method);
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8(view.Caption));
    EXPECT_EQ(form.EditN->Max(), row.CountLimit);
    EXPECT_EQ(form.PageControl1->isTabVisible(KernelPage), view.Picture != nullptr);
    EXPECT_EQ(form.PageControl1->isTabVisible(BasisPage), view.Picture == nullptr);
    EXPECT_EQ(row.Kernel == nullptr, view.Picture == nullptr) << "a picture for every generating function";
    EXPECT_EQ(view.Image ? form.*view.Image : nullptr, form.MethodImages[m]);
    if (view.Picture) {
      EXPECT_EQ(form.VisibleImage(), form.MethodImages[m]);
      EXPECT_FALSE(form.MethodImages[m]->pixmap().isNull());
      EXPECT_FALSE(FormulaPictureSize(QString::fromLatin1(view.Picture)).isEmpty());
    }
    const QByteArray session = SessionText(form.CaptureSession());
    EXPECT_TRUE(session.contains(QByteArray("\"method\": \"") + row.SessionName + '"')) << session.toStdString();
    sessionNames << QString::fromLatin1(row.SessionName);
  }
  EXPECT_EQ(sessionNames.size(), TResamEngine::MethodCount) << "session names tell the methods apart";
  // The comparison's rows are the menu's items, in its order.
  form.ComparisonItem->trigger();
  const QStringList lines = form.TabSheetComparison->TableText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), TResamEngine::MethodCount + 1);
  const std::vector<TDiagram::TBarMark>& bars = form.TabSheetComparison->DFC->Diagram->GetBars();
  ASSERT_EQ(bars.size(), size_t(TResamEngine::MethodCount));
  QSet<QString> shortNames;
  for (int m = 0; m < TResamEngine::MethodCount; ++m) {
    const TMethodView& view = MethodView(TResamEngine::TMethod(m));
    EXPECT_TRUE(lines[m + 1].contains(QString::fromUtf8(view.ItemText))) << lines[m + 1].toStdString();
    EXPECT_EQ(bars[m].Label, QString::fromUtf8(view.ShortName)) << "the chart names its bars after the rows";
    shortNames << bars[m].Label;
  }
  EXPECT_EQ(shortNames.size(), TResamEngine::MethodCount) << "short names tell the methods apart";
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

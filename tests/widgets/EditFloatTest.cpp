#include <QLocale>
#include <cfloat>
#include <cmath>

#include "NumericEditHost.h"
#include "ScriptedPlatform.h"
#include "widgets/EditFloatUnit.h"

namespace {
const QString AboveCorrected =
    QStringLiteral("Введённое значение параметра больше максимально-допустимого.\n Произведена коррекция.");
const QString BelowRestored = QStringLiteral(
    "Введённое значение параметра меньше минимально-допустимого.\n Прежнее значение параметра восстановлено.");
const QString UnreadableCorrected =
    QStringLiteral("Строка ввода имеет некорректный формат или пуста. \n Произведена коррекция.");

// The tests run under a locale that writes a decimal comma and under one that writes a point.
class EditFloatLocale : public testing::TestWithParam<QLocale::Language> {
 protected:
  // The text as the locale shows it: its separator in place of the point.
  static QString Shown(QString text) { return text.replace(QLatin1Char('.'), QLocale().decimalPoint()); }

  TLocaleGuard Locale{GetParam() == QLocale::C ? QLocale::c() : QLocale(GetParam(), QLocale::AnyTerritory)};
};

// The other tests compare texts written with a point.
class EditFloatPoint : public testing::Test {
  TLocaleGuard Locale{QLocale::c()};
};
class EditFloatCommit : public EditFloatPoint {};
class EditFloatRange : public EditFloatPoint {};
class EditFloatKeys : public EditFloatPoint {};
}  // namespace

TEST_P(EditFloatLocale, BothSeparatorsCommitToTheSameValue) {
  TEditHost<TEditFloat> host;
  EXPECT_EQ(host.Edit->text(), QStringLiteral("0"));
  host.Retype(QStringLiteral("0,5"));
  EXPECT_TRUE(host.Leave());
  EXPECT_EQ(host.Edit->Val(), 0.5);
  EXPECT_EQ(host.Edit->text(), Shown(QStringLiteral("0.5")));
  host.Retype(QStringLiteral("0.25"));
  EXPECT_TRUE(host.Leave());
  EXPECT_EQ(host.Edit->Val(), 0.25);
  EXPECT_EQ(host.Edit->text(), Shown(QStringLiteral("0.25")));
  host.Retype(QStringLiteral(".25"));
  EXPECT_FALSE(host.Leave());
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST_P(EditFloatLocale, GFormatReadsBackTheShownNumber) {
  TEditFloat edit;
  edit.SetMax(10);
  edit.SetVal(3.14159265);
  EXPECT_EQ(edit.text(), Shown(QStringLiteral("3.14159")));
  EXPECT_EQ(edit.Val(), 3.14159);
  edit.SetVal(0.000012345678);
  EXPECT_EQ(edit.text(), QStringLiteral("1.23457e-05").replace(QLatin1Char('.'), QLocale().decimalPoint()));
  EXPECT_EQ(edit.Val(), 1.23457e-05);

  edit.GFormat = false;
  edit.SetVal(3.14159265);
  EXPECT_EQ(edit.text(), Shown(QStringLiteral("3.14159265")));
  EXPECT_EQ(edit.Val(), 3.14159265);
  edit.SetVal(0.1);
  EXPECT_EQ(edit.text(), Shown(QStringLiteral("0.1")));
  edit.SetVal(2.0 / 3.0);
  EXPECT_EQ(edit.text(), Shown(QStringLiteral("0.666666666666667")));
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST_P(EditFloatLocale, ExponentInputIsRangeChecked) {
  TEditHost<TEditFloat> host;
  host.Edit->ExpInp = true;
  host.Edit->CorrMsg = true;
  host.Retype(QStringLiteral("1e3"));
  EXPECT_TRUE(host.Leave());
  EXPECT_EQ(host.Edit->Val(), 1.0);
  EXPECT_EQ(Scripted().Messages, QStringList{AboveCorrected});

  Scripted().Messages.clear();
  host.Edit->CorrType = false;
  host.Edit->CorrMsg = false;
  host.Retype(QStringLiteral("2,5E-1"));
  EXPECT_TRUE(host.Leave());
  EXPECT_EQ(host.Edit->Val(), 0.25);
  host.Retype(QStringLiteral("1e3"));
  EXPECT_FALSE(host.Leave());
  EXPECT_EQ(host.Edit->Val(), 0.25);
  EXPECT_EQ(host.Edit->text(), Shown(QStringLiteral("0.25")));
  host.Retype(QStringLiteral("-+e.,x"));
  EXPECT_EQ(host.Edit->text(), QStringLiteral("-+e.,")) << "exponent input lets signs and separators through";
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Separators, EditFloatLocale, testing::Values(QLocale::C, QLocale::Russian));

TEST_F(EditFloatCommit, UnreadableAndNonFiniteTextsGiveTheMiddle) {
  TEditFloat edit;
  edit.SetMin(-2);
  edit.SetMax(3);
  edit.CorrMsg = true;
  for (const char* text : {"", "abc", "1,2,3", "nan", "inf", "-inf", "1e400"}) {
    Scripted().Messages.clear();
    edit.SetVal(2);
    edit.setText(QString::fromLatin1(text));
    EXPECT_TRUE(edit.GetModify()) << text;
    EXPECT_EQ(edit.Val(), 0.5) << text;
    EXPECT_EQ(Scripted().Messages, QStringList{UnreadableCorrected}) << text;
  }
  edit.CorrType = false;
  edit.setText(QStringLiteral("nan"));
  EXPECT_FALSE(edit.GetModify());
  EXPECT_EQ(edit.Val(), 0.5);
}

TEST_F(EditFloatCommit, RestorationKeepsTheOldValueBelowTheMinimum) {
  TEditFloat edit;
  edit.SetMin(-1);
  edit.SetVal(0.75);
  edit.CorrType = false;
  edit.CorrMsg = true;
  edit.setText(QStringLiteral("-3"));
  EXPECT_FALSE(edit.GetModify());
  EXPECT_EQ(edit.Val(), 0.75);
  EXPECT_EQ(edit.text(), QStringLiteral("0.75"));
  EXPECT_EQ(Scripted().Messages, QStringList{BelowRestored});
}

TEST_F(EditFloatCommit, HugeBoundsHaveAFiniteMiddle) {
  TEditFloat edit;
  edit.SetMax(DBL_MAX);
  edit.SetMin(DBL_MAX / 2);
  edit.setText(QStringLiteral("?"));
  edit.GetModify();
  EXPECT_TRUE(std::isfinite(edit.Val()));
  EXPECT_GE(edit.Val(), edit.Min());
  EXPECT_LE(edit.Val(), edit.Max());
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST_F(EditFloatRange, SettersRefuseCrossingOrMissingBounds) {
  TEditFloat edit;
  edit.SetMax(-5);  // a stored range wholly below the default one
  edit.SetMin(2);
  edit.SetMax(std::nan(""));
  edit.SetMin(std::nan(""));
  edit.SetMax(INFINITY);
  edit.SetMin(-INFINITY);
  const QString maxRefused = QStringLiteral("TEditFloat: Максимальное значение должно быть больше минимального.");
  const QString minRefused = QStringLiteral("TEditFloat: Минимальное значение должно быть меньше максимального.");
  EXPECT_EQ(Scripted().Messages, (QStringList{maxRefused, minRefused, maxRefused, minRefused, maxRefused, minRefused}));
  EXPECT_EQ(edit.Min(), 0.0);
  EXPECT_EQ(edit.Max(), 1.0);
  // An unreadable text falls back to a finite bound, never to an infinity.
  edit.setText(QStringLiteral("abc"));
  edit.GetModify();
  EXPECT_TRUE(std::isfinite(edit.Val()));
  Scripted().Messages.clear();

  Scripted().Messages.clear();
  edit.SetMax(8);  // a stored range wholly above: Max first, then Min
  edit.SetMin(5);
  EXPECT_EQ(edit.Val(), 5.0);
  EXPECT_EQ(edit.text(), QStringLiteral("5"));
  edit.SetMax(5);  // equal to Min
  EXPECT_EQ(edit.Max(), 5.0);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST_F(EditFloatRange, ValueShownRoundedPastABoundStaysInside) {
  TEditFloat edit;
  edit.SetMax(0.1234567);
  edit.SetVal(0.1234567);
  EXPECT_EQ(edit.text(), QStringLiteral("0.123457"));
  EXPECT_EQ(edit.Val(), 0.1234567);
  edit.CorrMsg = true;
  EXPECT_FALSE(edit.GetModify());
  EXPECT_EQ(edit.Val(), 0.1234567);
  EXPECT_EQ(Scripted().Messages, QStringList{AboveCorrected});
}

TEST_F(EditFloatRange, LoweringMaxPullsTheValueWithoutAMessage) {
  TEditFloat edit;
  edit.CorrMsg = true;
  edit.SetVal(0.75);
  edit.SetMax(0.5);
  EXPECT_EQ(edit.Val(), 0.5);
  EXPECT_EQ(edit.text(), QStringLiteral("0.5"));
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST_F(EditFloatKeys, OneSeparatorAndTheSignRule) {
  TEditHost<TEditFloat> host;
  host.Edit->SetMin(-10);
  host.Retype(QStringLiteral("1,5.,2"));
  EXPECT_EQ(host.Edit->text(), QStringLiteral("1,52"));
  host.Retype(QStringLiteral("1.5,"));
  EXPECT_EQ(host.Edit->text(), QStringLiteral("1.5"));
  host.Select(0);
  host.Type(QStringLiteral("-"));
  EXPECT_EQ(host.Edit->text(), QStringLiteral("-1.5"));
  host.Select(0);
  host.Type(QStringLiteral("-9"));
  EXPECT_EQ(host.Edit->text(), QStringLiteral("-1.5")) << "a second sign, a digit in front of the sign";
  host.Edit->selectAll();
  QTest::keyClick(host.Edit, Qt::Key_Backspace);
  EXPECT_EQ(host.Edit->text(), QStringLiteral("-1.5")) << "backspace in front of the sign";
  host.Select(4);
  QTest::keyClick(host.Edit, Qt::Key_Backspace);
  EXPECT_EQ(host.Edit->text(), QStringLiteral("-1."));
  host.Type(QStringLiteral("e+x7"));
  EXPECT_EQ(host.Edit->text(), QStringLiteral("-1.7"));
  EXPECT_TRUE(host.Leave());
  EXPECT_EQ(host.Edit->Val(), -1.7);

  host.Edit->SetMin(0);
  host.Retype(QStringLiteral("-3"));
  EXPECT_EQ(host.Edit->text(), QStringLiteral("3"));
}

// A six-character field (as the fragment window's amplitudes and phases): the program's
// values keep their digits, while typing stops at six characters.
TEST_F(EditFloatKeys, TypingLimitBindsTypingNotTheValuesShown) {
  TEditHost<TEditFloat> host;
  TEditFloat& edit = *host.Edit;
  edit.SetTypedLengthLimit(6);
  edit.SetMin(-400);
  edit.SetMax(400);
  const struct {
    double Value;
    const char* Shown;
  } shown[] = {{-1.5707963267948966, "-1.5708"}, {3.141592653589793, "3.14159"}, {-2.71234, "-2.71234"}};
  for (const auto& row : shown) {
    edit.SetVal(row.Value);
    EXPECT_EQ(edit.text(), QString::fromLatin1(row.Shown)) << row.Value;
    EXPECT_EQ(edit.Val(), edit.text().toDouble()) << row.Value;
  }
  host.Retype(QStringLiteral("0.00831"));
  EXPECT_EQ(edit.text(), QStringLiteral("0.0083")) << "the seventh typed character";
  QTest::keyClick(host.Edit, Qt::Key_Backspace);
  host.Type(QStringLiteral("5"));
  EXPECT_EQ(edit.text(), QStringLiteral("0.0085")) << "backspace frees a place";
  host.Select(0, 1);
  host.Type(QStringLiteral("7"));
  EXPECT_EQ(edit.text(), QStringLiteral("7.0085")) << "a selection is replaced";
}

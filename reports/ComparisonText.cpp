#include "reports/ComparisonText.h"

#include <charconv>
#include <cmath>

QString ExactNumberText(double value) {
  if (std::isnan(value)) return QStringLiteral("nan");
  if (std::isinf(value)) return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
  char text[32];
  // std::to_chars never consults the C locale that QApplication sets from the environment.
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return QString::fromLatin1(text, end - text);
}

QString ComparisonText(const std::vector<TComparisonPage::TRow>& rows) {
  QString text = ComparisonHeadings().join(QLatin1Char('\t')) + QLatin1Char('\n');
  for (const TComparisonPage::TRow& row : rows) {
    const TErrorFigures& f = row.Figures;
    const QStringList cells = {row.Name, ExactNumberText(f.MaxError), ExactNumberText(f.RmsError),
                               ExactNumberText(f.RelativeRms), ExactNumberText(f.Snr)};
    text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  return text;
}

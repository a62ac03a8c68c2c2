// Contact sheets of every formula picture as the windows get them on an
// ordinary and on a high-density screen, written to the build folder so that a
// person can look at them (the pictures' artwork can only be judged by eye), in
// each interface language.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>

#include "platform/Language.h"
#include "resources/FormulaPictures.h"

namespace {
constexpr int Gap = 12;  // logical pixels between pictures
constexpr int LabelHeight = 16;

QImage ContactSheet(const QStringList& names, qreal ratio) {
  int width = 0, height = Gap;
  for (const QString& name : names) {
    const QSize size = FormulaPictureSize(name);
    width = qMax(width, size.width());
    height += LabelHeight + size.height() + Gap;
  }
  QImage sheet(QSize(width + 2 * Gap, height) * ratio, QImage::Format_RGB32);
  sheet.setDevicePixelRatio(ratio);
  sheet.fill(QColor(220, 220, 220));
  QPainter painter(&sheet);
  int top = Gap;
  for (const QString& name : names) {
    painter.setPen(Qt::darkBlue);
    painter.drawText(QRect(Gap, top, width, LabelHeight), Qt::AlignLeft | Qt::AlignVCenter, name);
    top += LabelHeight;
    const QImage picture = RenderFormulaPicture(name, 1.0, ratio);
    painter.drawImage(QPoint(Gap, top), picture);
    top += FormulaPictureSize(name).height() + Gap;
  }
  return sheet;
}
}  // namespace

TEST(FormulaContactSheet, EveryPictureOnOneSheetPerPixelRatio) {
  const QStringList names = FormulaPictureNames();
  ASSERT_FALSE(names.isEmpty());
  for (const TLanguage language : {TLanguage::Russian, TLanguage::English})
    for (const qreal ratio : {1.0, 2.0}) {
      ApplyLanguage(language);
      const QString suffix = language == TLanguage::Russian ? QString() : QLatin1Char('-') + LanguageCode(language);
      const QString file = QDir(QStringLiteral(RESAM_TEST_OUTPUT))
                               .filePath(QStringLiteral("formula-pictures%1-%2x.png").arg(suffix).arg(ratio));
      const QImage sheet = ContactSheet(names, ratio);
      ASSERT_TRUE(sheet.save(file)) << file.toStdString();
      EXPECT_EQ(QImage(file).size(), sheet.size());
    }
  ApplyLanguage(TLanguage::Russian);
}

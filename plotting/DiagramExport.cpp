#include "plotting/DiagramExport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <iterator>
#include <new>

#include "platform/FileExtension.h"
#include "platform/FileMessages.h"
#include "platform/Platform.h"
#include "platform/SafeSave.h"
#include "plotting/Diagram.h"

namespace {
struct TFormatChoice {
  TFigureFormat Format;
  const char* Filter;  // description|pattern
  const char* Extension;
};
// The dialog's filters in TFigureFormat's order.
constexpr TFormatChoice FormatChoices[] = {
    {TFigureFormat::Bmp, "Bitmaps (*.bmp)|*.bmp", ".bmp"},
    {TFigureFormat::Png, "PNG (*.png)|*.png", ".png"},
    {TFigureFormat::Png2x, QT_TRANSLATE_NOOP("DiagramExport", "PNG, вдвое крупнее (*.png)|*.png"), ".png"},
    {TFigureFormat::Svg, QT_TRANSLATE_NOOP("DiagramExport", "SVG, векторный рисунок (*.svg)|*.svg"), ".svg"},
    {TFigureFormat::Pdf, QT_TRANSLATE_NOOP("DiagramExport", "PDF, лист A4 (*.pdf)|*.pdf"), ".pdf"},
};
constexpr double PdfMarginMm = 10;
constexpr qreal DoubleSize = 2;
// Inches per metre: picture files state their resolution in dots per metre.
constexpr double MetresPerInch = 0.0254;

QString FormatFilters() {
  QString filters;
  for (const TFormatChoice& choice : FormatChoices) {
    if (!filters.isEmpty()) filters += QLatin1Char('|');
    filters += QCoreApplication::translate("DiagramExport", choice.Filter);
  }
  return filters;
}

// Texts keep their size on every device when laid out at the picture's resolution: the
// layout measured them on the picture.
int LayoutDpi(const TDiagram& diagram) {
  const QImage& picture = diagram.Picture();
  return picture.isNull() ? QImage(1, 1, QImage::Format_RGB32).logicalDpiX() : picture.logicalDpiX();
}

QSize LogicalSize(const TDiagram& diagram) {
  return QSize(std::max(1, diagram.width()), std::max(1, diagram.height()));
}

void PaintOnto(const TFigureSource& source, QPainter& p, const TDiagram::TPaintTarget& target) {
  source.Diagram->PaintFigure(p, target);
  if (source.Overlay) {
    p.save();
    source.Overlay(p);
    p.restore();
  }
}

QByteArray PictureBytes(const TFigureSource& source, qreal ratio, const char* format, bool colour) {
  QImage image = source.Diagram->FigureImage(ratio, colour);
  {
    QPainter p(&image);
    if (source.Overlay) source.Overlay(p);
  }
  const int dotsPerMetre = qRound(LayoutDpi(*source.Diagram) * ratio / MetresPerInch);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  return image.save(&buffer, format) ? bytes : QByteArray();
}

// The generator gives the size in millimetres at its resolution, which readers convert back
// at resolutions of their own (Qt's at 90 dots per inch, browsers' at 96); in plain user
// units every reader takes the viewBox's size, the diagram's in logical pixels.
QByteArray WithPixelSize(QByteArray svg, const QSize& size) {
  const qsizetype start = svg.indexOf("<svg"), end = svg.indexOf('>', start);
  if (start < 0 || end < 0) return svg;
  QString element = QString::fromUtf8(svg.mid(start, end - start));
  element.replace(QRegularExpression(QStringLiteral("\\bwidth=\"[^\"]*\"")),
                  QStringLiteral("width=\"%1\"").arg(size.width()));
  element.replace(QRegularExpression(QStringLiteral("\\bheight=\"[^\"]*\"")),
                  QStringLiteral("height=\"%1\"").arg(size.height()));
  return svg.replace(start, end - start, element.toUtf8());
}

QByteArray SvgBytes(const TFigureSource& source) {
  const QSize size = LogicalSize(*source.Diagram);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setResolution(LayoutDpi(*source.Diagram));
  svg.setTitle(source.Diagram->GetNameDiagram());
  QPainter p(&svg);
  PaintOnto(source, p, {1, true, true});
  p.end();
  return WithPixelSize(bytes, size);
}

QByteArray PdfBytes(const TFigureSource& source) {
  const QSize size = LogicalSize(*source.Diagram);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setResolution(LayoutDpi(*source.Diagram));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                QMarginsF(PdfMarginMm, PdfMarginMm, PdfMarginMm, PdfMarginMm),
                                QPageLayout::Millimeter));
  pdf.setTitle(source.Diagram->GetNameDiagram());
  QPainter p(&pdf);
  // The paintable area is the page within its margins, in the writer's pixels.
  const double scale = std::min(double(pdf.width()) / size.width(), double(pdf.height()) / size.height());
  p.translate((pdf.width() - scale * size.width()) / 2, (pdf.height() - scale * size.height()) / 2);
  p.scale(scale, scale);
  PaintOnto(source, p, {1, true, true});
  p.end();
  return bytes;
}

bool WriteBytes(const QString& name, const QByteArray& bytes) {
  // Empty bytes are a figure that could not be made; nothing is written over the old file then.
  if (!bytes.isEmpty() && SaveFileSafely(name, bytes) == TSaveResult::Saved) return true;
  ShowMessage(CannotWriteFileMessage(name.toStdString()));
  return false;
}
}  // namespace

QByteArray FigureBytes(const TFigureSource& source, TFigureFormat format) {
  if (!source.Diagram) return {};
  switch (format) {
    case TFigureFormat::Bmp:
      return PictureBytes(source, 1, "BMP", false);
    case TFigureFormat::Png:
      return PictureBytes(source, 1, "PNG", true);
    case TFigureFormat::Png2x:
      return PictureBytes(source, DoubleSize, "PNG", true);
    case TFigureFormat::Svg:
      return SvgBytes(source);
    case TFigureFormat::Pdf:
      return PdfBytes(source);
  }
  return {};
}

bool WriteFigure(const TFigureSource& source, const QString& name, TFigureFormat format) {
  try {
    return WriteBytes(name, FigureBytes(source, format));
  } catch (const std::bad_alloc&) {
    ShowMessage(NoMemoryToSaveMessage());
    return false;
  }
}

void SaveFigure(const TFigureSource& source, const QString& title) {
  int chosen = 0;
  TFileDialogOptions options;
  options.Title = title;
  options.OverwritePrompt = true;
  options.DefaultExt = QStringLiteral("bmp");
  options.Filter = FormatFilters();
  options.FileName = QCoreApplication::translate("DiagramExport", "Диаграмма.bmp");
  options.ChosenFilter = &chosen;
  QString name;
  if (!Platform().SaveFileName(options, name)) return;
  if (chosen < 0 || chosen >= int(std::size(FormatChoices))) chosen = 0;
  CorrectFileExtension(name, QString::fromUtf8(FormatChoices[chosen].Extension));
  WriteFigure(source, name, FormatChoices[chosen].Format);
}

bool WriteData(const TDataTable& table, const QString& name) {
  try {
    const std::string text = FormatCsv(table);
    return WriteBytes(name, QByteArray(text.data(), qsizetype(text.size())));
  } catch (const std::bad_alloc&) {
    ShowMessage(NoMemoryToSaveMessage());
    return false;
  }
}

void SaveData(const TDataTable& table) {
  TFileDialogOptions options;
  options.Title = QCoreApplication::translate("DiagramExport", "Сохранить данные");
  options.OverwritePrompt = true;
  options.DefaultExt = QStringLiteral("csv");
  options.Filter = QCoreApplication::translate("DiagramExport", "Данные CSV (*.csv)|*.csv");
  options.FileName = QCoreApplication::translate("DiagramExport", "Диаграмма.csv");
  QString name;
  if (!Platform().SaveFileName(options, name)) return;
  CorrectFileExtension(name, QStringLiteral(".csv"));
  WriteData(table, name);
}

void SaveDiagramData(const TDiagram& diagram) {
  try {
    TDataTable table;
    if (!diagram.VisibleData(table)) {
      Platform().Message(QCoreApplication::translate(
                             "DiagramExport",
                             "Не удаётся сохранить данные: в видимом диапазоне больше %1 отсчётов одного графика. "
                             "Сузьте диапазон.")
                             .arg(TDiagram::MaxDataRows));
      return;
    }
    SaveData(table);
  } catch (const std::bad_alloc&) {
    ShowMessage(NoMemoryToSaveMessage());
  }
}

#include "reports/ReportPdf.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <algorithm>

#include "plotting/Diagram.h"
#include "reports/ReportDocument.h"
#include "resources/FormulaPictures.h"

namespace {
// At this resolution a logical pixel of a diagram is a PDF pixel: the figures keep the
// proportions of their texts and lines as on a screen.
constexpr int PdfDpi = 96;
constexpr double MarginMm = 18;
constexpr int FooterHeight = 28;  // reserved at the page's foot for its number
constexpr int TitlePoints = 15, HeadingPoints = 12, TextPoints = 10, TablePoints = 9;
constexpr int BlockGap = 8, HeadingGap = 14, CellPadding = 4;
// Measured and drawn widths of a text differ by a hinted pixel or two; a cell keeps this spare.
constexpr int CellSlack = 6;
constexpr int HeadingRoom = 3;  // a heading needs a third of a page below it
const QString FontFamily = QStringLiteral("Liberation Sans");

QFont Font(int points, bool bold = false) {
  QFont font(FontFamily);
  font.setPointSize(points);
  font.setBold(bold);
  return font;
}

// Places blocks from the top of a page down, turning the page where the next one does not fit.
class TPdfComposer {
 public:
  TPdfComposer(QPdfWriter& writer, QPainter& painter)
      : Writer(writer), P(painter), Width(writer.width()), Bottom(writer.height() - FooterHeight) {}

  void Title(const TReport& report) {
    Text(report.Title, Font(TitlePoints, true), 0);
    Text(report.Stamp, Font(TextPoints), BlockGap);
  }

  void Block(const TReportBlock& block) {
    switch (block.Kind) {
      case TReportBlock::Heading:
        Y += HeadingGap;
        // A heading never stands alone at a page's foot: room for a figure under it, or it turns the page.
        Need(Bottom / HeadingRoom);
        Text(block.Text, Font(HeadingPoints, true), BlockGap);
        break;
      case TReportBlock::Paragraph:
        Text(block.Text, Font(TextPoints), BlockGap);
        break;
      case TReportBlock::Table:
        Table(block.Rows);
        break;
      case TReportBlock::Figure:
        Figure(*block.Diagram);
        break;
      case TReportBlock::Formula:
        Formula(block.Picture);
        break;
    }
  }

  void Finish() { PageNumber(); }

 private:
  void NewPage() {
    PageNumber();
    Writer.newPage();
    ++Page;
    Y = 0;
  }

  void Need(int height) {
    if (Y > 0 && Y + height > Bottom) NewPage();
  }

  void PageNumber() {
    P.setFont(Font(TablePoints));
    P.setPen(Qt::black);
    P.drawText(QRect(0, Bottom, Width, FooterHeight), Qt::AlignHCenter | Qt::AlignBottom, QString::number(Page));
  }

  void Text(const QString& text, const QFont& font, int gap) {
    P.setFont(font);
    P.setPen(Qt::black);
    const QRect bounds = P.boundingRect(QRect(0, 0, Width, Bottom), Qt::TextWordWrap, text);
    Need(bounds.height());
    P.drawText(QRect(0, Y, Width, bounds.height()), Qt::TextWordWrap, text);
    Y += bounds.height() + gap;
  }

  // Columns as wide as their widest cell, narrowed in proportion when the table is wider
  // than the page (a narrowed cell wraps its text).
  std::vector<int> ColumnWidths(const QList<QStringList>& rows, const QFontMetrics& metrics) const {
    std::vector<int> widths;
    for (const QStringList& row : rows)
      for (int c = 0; c < row.size(); ++c) {
        if (int(widths.size()) <= c) widths.push_back(0);
        widths[c] = std::max(widths[c], metrics.horizontalAdvance(row[c]) + 2 * CellPadding + CellSlack);
      }
    int total = 0;
    for (int w : widths) total += w;
    if (total > Width)
      for (int& w : widths) w = w * Width / total;
    return widths;
  }

  void Table(const QList<QStringList>& rows) {
    const QFont plain = Font(TablePoints), bold = Font(TablePoints, true);
    P.setFont(plain);
    const std::vector<int> widths = ColumnWidths(rows, QFontMetrics(bold, &Writer));
    for (int r = 0; r < rows.size(); ++r) {
      P.setFont(r == 0 ? bold : plain);
      int height = 0;
      for (int c = 0; c < rows[r].size(); ++c)
        height = std::max(
            height,
            P.boundingRect(QRect(0, 0, widths[c] - 2 * CellPadding, Bottom), Qt::TextWordWrap, rows[r][c]).height());
      height += 2 * CellPadding;
      Need(height);
      int x = 0;
      for (int c = 0; c < rows[r].size(); ++c) {
        const QRect cell(x, Y, widths[c], height);
        P.setPen(Qt::black);
        P.drawRect(cell);
        P.drawText(cell.adjusted(CellPadding, CellPadding, -CellPadding, -CellPadding),
                   Qt::TextWordWrap | (c == 0 ? Qt::AlignLeft : Qt::AlignRight), rows[r][c]);
        x += widths[c];
      }
      Y += height;
    }
    Y += BlockGap;
  }

  void Figure(TDiagram& diagram) {
    const TReportFigureSize sized(diagram);
    const double scale = std::min(1.0, double(Width) / ReportFigureSize.width());
    const int height = int(ReportFigureSize.height() * scale) + 1;
    Need(height);
    P.save();
    P.translate((Width - scale * ReportFigureSize.width()) / 2, Y);
    P.scale(scale, scale);
    P.setClipRect(QRect(QPoint(0, 0), ReportFigureSize));
    diagram.PaintFigure(P, {1, true, true});
    P.restore();
    Y += height + BlockGap;
  }

  void Formula(const QString& name) {
    if (!HasFormulaPicture(name)) return;
    QSize size = FormulaPictureSize(name);
    if (size.width() > Width) size = size.scaled(Width, Bottom, Qt::KeepAspectRatio);
    Need(size.height());
    QSvgRenderer renderer(FormulaPictureSvg(name));
    renderer.render(&P, QRectF(0, Y, size.width(), size.height()));
    Y += size.height() + BlockGap;
  }

  QPdfWriter& Writer;
  QPainter& P;
  const int Width, Bottom;
  int Y = 0;
  int Page = 1;
};
}  // namespace

QByteArray ReportPdf(const TReport& report) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(PdfDpi);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter));
  writer.setTitle(report.Title);
  writer.setCreator(QStringLiteral("Resam"));
  QPainter painter(&writer);
  TPdfComposer composer(writer, painter);
  composer.Title(report);
  for (const TReportBlock& block : report.Blocks) composer.Block(block);
  composer.Finish();
  painter.end();
  return bytes;
}

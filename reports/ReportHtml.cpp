#include "reports/ReportHtml.h"

#include "platform/Language.h"
#include "plotting/DiagramExport.h"
#include "reports/ReportDocument.h"
#include "resources/FormulaPictures.h"

namespace {
const char* const Style =
    "body{font-family:'Liberation Sans',Arial,sans-serif;max-width:52em;margin:2em auto;padding:0 1em;color:#000}"
    "h1{font-size:1.5em;margin-bottom:0.2em}h2{font-size:1.2em;margin-top:1.6em}"
    "table{border-collapse:collapse;margin:0.5em 0}td,th{border:1px solid #444;padding:0.2em 0.5em}"
    "td+td,th+th{text-align:right}figure{margin:0.8em 0}figure svg{max-width:100%;height:auto}";

// The SVG element alone: the prolog and any document type before it have no place inside HTML.
QByteArray SvgElement(const QByteArray& svg) {
  const qsizetype start = svg.indexOf("<svg");
  return start < 0 ? QByteArray() : svg.mid(start).trimmed();
}

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

// A multi-line paragraph keeps its lines.
QString ParagraphHtml(const QString& text) {
  return QStringLiteral("<p>") + Escaped(text).replace(QLatin1Char('\n'), QStringLiteral("<br/>")) +
         QStringLiteral("</p>\n");
}

QString TableHtml(const QList<QStringList>& rows) {
  QString html = QStringLiteral("<table>\n");
  for (int r = 0; r < rows.size(); ++r) {
    const QString cell = r == 0 ? QStringLiteral("th") : QStringLiteral("td");
    html += QStringLiteral("<tr>");
    for (const QString& text : rows[r]) html += QStringLiteral("<%1>%2</%1>").arg(cell, Escaped(text));
    html += QStringLiteral("</tr>\n");
  }
  return html + QStringLiteral("</table>\n");
}

QByteArray FigureHtml(TDiagram* diagram) {
  const TReportFigureSize sized(*diagram);
  return "<figure>" + SvgElement(FigureBytes({diagram, {}}, TFigureFormat::Svg)) + "</figure>\n";
}

QByteArray FormulaHtml(const TReportBlock& block) {
  const QByteArray svg = SvgElement(FormulaPictureSvg(block.Picture));
  if (svg.isEmpty()) return {};
  return "<figure class=\"formula\" title=\"" + Escaped(block.Text).toUtf8() + "\">" + svg + "</figure>\n";
}

QByteArray BlockHtml(const TReportBlock& block) {
  switch (block.Kind) {
    case TReportBlock::Heading:
      return (QStringLiteral("<h2>") + Escaped(block.Text) + QStringLiteral("</h2>\n")).toUtf8();
    case TReportBlock::Paragraph:
      return ParagraphHtml(block.Text).toUtf8();
    case TReportBlock::Table:
      return TableHtml(block.Rows).toUtf8();
    case TReportBlock::Figure:
      return FigureHtml(block.Diagram);
    case TReportBlock::Formula:
      return FormulaHtml(block);
  }
  return {};
}
}  // namespace

QByteArray ReportHtml(const TReport& report) {
  // The report's words are the interface's.
  QByteArray html = "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"" +
                    LanguageCode(CurrentLanguage()).toLatin1() + "\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>" +
                    Escaped(report.Title).toUtf8() + "</title>\n<style>" + Style + "</style>\n</head>\n<body>\n";
  html += "<h1>" + Escaped(report.Title).toUtf8() + "</h1>\n<p>" + Escaped(report.Stamp).toUtf8() + "</p>\n";
  for (const TReportBlock& block : report.Blocks) html += BlockHtml(block);
  return html + "</body>\n</html>\n";
}

#include "reports/ReportDocument.h"

#include <QFileInfo>
#include <new>

#include "platform/SafeSave.h"
#include "plotting/Diagram.h"
#include "reports/ReportHtml.h"
#include "reports/ReportPdf.h"

TReportFormat ReportFormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("pdf")) return TReportFormat::Pdf;
  if (suffix == QLatin1String("html") || suffix == QLatin1String("htm")) return TReportFormat::Html;
  return TReportFormat::Unknown;
}

TReportFigureSize::TReportFigureSize(TDiagram& diagram) : Diagram(diagram), Saved(diagram.size()) {
  Diagram.resize(ReportFigureSize);
  Diagram.ShowDiagram();
}

TReportFigureSize::~TReportFigureSize() {
  Diagram.resize(Saved);
  Diagram.ShowDiagram();
}

QByteArray ReportBytes(const TReport& report, TReportFormat format) {
  switch (format) {
    case TReportFormat::Pdf:
      return ReportPdf(report);
    case TReportFormat::Html:
      return ReportHtml(report);
    case TReportFormat::Unknown:
      break;
  }
  return {};
}

bool WriteReport(const TReport& report, const QString& path) {
  try {
    const QByteArray bytes = ReportBytes(report, ReportFormatOf(path));
    return !bytes.isEmpty() && SaveFileSafely(path, bytes) == TSaveResult::Saved;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

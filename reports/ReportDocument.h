#pragma once
// A lab report as a list of blocks in reading order (headings, paragraphs, tables, the
// program's diagrams, formula pictures), written as one A4 PDF or one self-contained HTML
// file. The blocks borrow the diagrams: they must outlive the writing.
#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

class TDiagram;

struct TReportBlock {
  enum TKind { Heading, Paragraph, Table, Figure, Formula };
  TKind Kind = Paragraph;
  QString Text;                 // Heading, Paragraph; a Formula's alternative text
  QList<QStringList> Rows;      // Table: the heading row first
  TDiagram* Diagram = nullptr;  // Figure
  QString Picture;              // Formula: the formula picture's name (resources/formulas)
};

struct TReport {
  QString Title;
  QString Stamp;  // the date and time it was made, as the title's second line
  std::vector<TReportBlock> Blocks;

  void AddHeading(const QString& text) { Blocks.push_back({TReportBlock::Heading, text, {}, nullptr, {}}); }
  void AddParagraph(const QString& text) { Blocks.push_back({TReportBlock::Paragraph, text, {}, nullptr, {}}); }
  void AddTable(const QList<QStringList>& rows) { Blocks.push_back({TReportBlock::Table, {}, rows, nullptr, {}}); }
  void AddFigure(TDiagram* diagram) { Blocks.push_back({TReportBlock::Figure, {}, {}, diagram, {}}); }
  void AddFormula(const QString& picture, const QString& text) {
    Blocks.push_back({TReportBlock::Formula, text, {}, nullptr, picture});
  }
};

enum class TReportFormat { Pdf, Html, Unknown };
// By the file name's extension, in any case.
TReportFormat ReportFormatOf(const QString& path);

// A diagram's figures are painted at this size in logical pixels, whatever its size on the
// screen (a lesson opened without a window has never been laid out): the report's figures
// and the files written from the command line look alike on every machine.
constexpr QSize ReportFigureSize(680, 340);

// Lays a diagram out at ReportFigureSize for as long as this lives, then gives it back its
// size and picture.
class TReportFigureSize {
 public:
  explicit TReportFigureSize(TDiagram& diagram);
  ~TReportFigureSize();
  TReportFigureSize(const TReportFigureSize&) = delete;
  TReportFigureSize& operator=(const TReportFigureSize&) = delete;

 private:
  TDiagram& Diagram;
  QSize Saved;
};

// The file's bytes; empty when the format is unknown or it could not be made.
QByteArray ReportBytes(const TReport& report, TReportFormat format);
// Written safely (nothing partial is left, an old file stays whole on failure); false when it
// could not be written.
bool WriteReport(const TReport& report, const QString& path);

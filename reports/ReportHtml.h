#pragma once
// The report as one self-contained HTML file for a course site: no file beside it, every
// diagram and formula an inline SVG (the diagrams painted by their own painting code, as the
// SVG figures the diagrams save), UTF-8. It is also well-formed XML, so that a script can
// read it with any XML reader.
#include <QByteArray>

struct TReport;

QByteArray ReportHtml(const TReport& report);

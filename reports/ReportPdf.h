#pragma once
// The report as a PDF: A4 portrait, texts as text in embedded fonts, the diagrams painted by
// their own painting code as vector figures, the formulas from their typeset pictures as
// vectors too, the page number at the foot of every page.
#include <QByteArray>

struct TReport;

QByteArray ReportPdf(const TReport& report);

#pragma once
// The comparison of the methods for a script: the comparison tab's column headings and one
// line per method in the method menu's order, tab-separated, the figures with a decimal point
// in the shortest form that reads back to the same double ("nan" for a figure the method has
// not). The window's own copy keeps its rounded figures with a comma; this one is exact.
#include <QString>
#include <vector>

#include "studies/ComparisonPage.h"

QString ComparisonText(const std::vector<TComparisonPage::TRow>& rows);
// A double as the shortest text that reads back to it, with a point; "nan", "inf", "-inf".
QString ExactNumberText(double value);

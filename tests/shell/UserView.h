#pragma once
// What a user of the main window sees, read back for the end-to-end roads: the numbers in
// the parameter panel, the series of every diagram on every tab, the caption for a method.
// Each check reports through GoogleTest and names what it looked at.
#include <QString>

class QAction;
class QLabel;
class QWidget;
class TDiagramFrame;
class TResamForm;

// The number a label or an edit box shows ("fд = 12,5000 Гц" gives 12.5); NaN when the text
// holds none. A decimal point instead of the comma counts as none.
double ShownNumber(const QString& text);

// No visible label or edit box of the window shows "nan", "inf" or a number with a decimal
// point.
void ExpectNoBadNumbers(const QWidget* window);

// The panel's figures agree with each other and with the sampling the user asked for: N and
// T in the edit boxes, the sampling frequency and, for an analog signal, the highest
// frequency, the largest period and the least count.
void ExpectPanelConsistent(const TResamForm& form);

// Every shown series of the frame is read at finite values over a finite range, and the
// diagram's visible ranges are finite and not empty. Returns the number of shown series.
int ExpectFrameFinite(TDiagramFrame* frame);

// Activates each visible tab in turn, as a click on it would, and checks every diagram on it;
// the window comes back to the first tab. Returns the number of tabs visited.
int VisitEveryTab(TResamForm& form);

// A method chosen from the menu: its item, the caption it gives the window and whether the
// generating-function tab (rather than the basis-function tab) is offered.
struct TMethodCase {
  QAction* TResamForm::*Item;
  const char* Caption;
  bool Lagrange;
  // How far the curve may pass from a sample top: the spline kernels' coefficients are given
  // to four decimals, so their neighbours' nodes are not exactly zeros.
  double NodeTolerance;
};
extern const TMethodCase MethodCases[4];

// Chooses each method of MethodCases, checks the caption, the tabs offered, that the
// interpolating function passes through the samples and then every tab; ends with the
// Kotelnikov series chosen again.
void ExpectEveryMethod(TResamForm& form);

#pragma once
// A session: the whole state a user set up (the signal with its source's data, the sampling,
// the method, the views), as a session file keeps it, and the checks that tie its values to
// each other and to the signal before any of it is applied. Free of Qt; the file format
// lives in SessionFile.h.
#include <optional>
#include <string>
#include <vector>

#include "engine/ResamEngine.h"
#include "platform/TextMessage.h"
#include "sourcedata/DrawingFile.h"
#include "sourcedata/LibFormulas.h"
#include "sourcedata/PolyGarmSignal.h"
#include "sourcedata/RecordedSignal.h"
#include "studies/SoundRendering.h"

// How the spectrum module finds a spectrum's width (its settings window's choices).
struct TSpectrumModuleSettings {
  int Criterion = 0;  // TWidthCriterion: amplitude, energy, rectangle
  double AmpLevel = 0.1;
  double EnergyPart = 0.99;
};

// The studies of the "Исследование" menu: the engine's, the terms and the comparison tab
// shown, and the listening window's settings.
struct TSessionStudies {
  TResamEngine::TStudies Engine;
  bool Terms = false;
  bool Comparison = false;
  TListeningSettings Listening;
  bool operator==(const TSessionStudies&) const = default;
};

struct TSession {
  TResamEngine::TSettings Engine;
  // The data of the source Engine.Source names; the others are not kept.
  TDrawingRecord Drawing;
  std::vector<double> Table;
  TLibParameters Library;
  TPolyGarmValues Fragment;
  TRecordingFragment Recording;
  TSpectrumModuleSettings SpectrumModule;
  // The three display switches ("Графики для ..."), and the tab shown (0 .. 4).
  bool ShowAnalog = true, ShowDiscrete = true, ShowInterpolated = true;
  int Page = 0;
  // Kept from version 2 on; a version-1 session has none, and opening it leaves the studies
  // as they are.
  std::optional<TSessionStudies> Studies;
};

// Pages of the main window: the generating-function tab goes with every method but
// Lagrange, the basis-function tab with Lagrange only, the comparison tab while it is shown
// (a version-1 session knows the first four only).
constexpr int SessionPageCount = 5;
constexpr int KernelSessionPage = 2, BasisSessionPage = 3, ComparisonSessionPage = 4;

// The longest period a session may hold, in seconds: far beyond any a signal can be given
// (half of the largest admissible period of the widest drawing is some 10^6 s), short enough
// that spectra scaled by it stay finite.
constexpr double MaxSessionPeriod = 1e8;

// What ties the session's values together beyond each field's own range (which the file
// reader checks): the count within the method's limit, the tab the method offers, a drawing
// that fits the editor's store (drawingCapacity samples), the interval within the limits the
// interval edits get for this signal (engine.SignalIntervalOf) and a period the program can
// hold for it. No message when the session fits, else the problem, naming the file's fields.
TMessage SessionFault(const TSession& session, const TResamEngine& engine, int drawingCapacity);

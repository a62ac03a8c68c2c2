#include "numerics/Keeper.h"

#include <cmath>
#include <limits>

#include "platform/CoreServices.h"

namespace {
constexpr int ConstantCount = 10;
constexpr double FlatRange = 1e-6;
constexpr double FlatWidening = 1e-5;

// Faults of the calling code, not of the user's input; shown so that they are not lost.
const TMessage ZeroCountMessage = RESAM_MESSAGE(
    "TKeeper", "Keeper: Hулевое значение числа отсчётов при инициализации графика. Инициализация не выполнена.");
const TMessage EqualBoundsMessage = RESAM_MESSAGE(
    "TKeeper",
    "DiagramKeeper: Неверно заданы минимальное и максимальное \n значения аргумента при инициализации графика.");
const TMessage DiscreteAsContinuousMessage =
    RESAM_MESSAGE("TKeeper", "Keeper:Попытка считать дискретный график как непрерывный");
const TMessage ContinuousAsDiscreteMessage =
    RESAM_MESSAGE("TKeeper", "Keeper:Попытка считать непрерывный график как дискретный");

bool IsDiscreteShape(TKeeperShape shape) { return shape == ShapeDiscrete || shape == ShapePeriodicDiscrete; }
}  // namespace

void TKeeper::Clear() {
  Source = SourceConstant;
  Samples = nullptr;
  Function = nullptr;
  Constant = 0;
  Count = 0;
  Xmin = -1;
  Xmax = 1;
  Ymin = -1;
  Ymax = 1;
  Shape = ShapeContinuous;
  Period = 0;
  Step = 0.1;
  Scale = 1;
}

bool TKeeper::CommonInit(int count, double xmin, double xmax) {
  if (count <= 0) {
    ShowMessage(ZeroCountMessage);
    return false;
  }
  // Equal bounds leave no interval; NaN or infinite bounds leave no step to read by.
  if (!Order(xmin, xmax) || !std::isfinite(xmin) || !std::isfinite(xmax)) {
    ShowMessage(EqualBoundsMessage);
    return false;
  }
  Clear();
  Count = count;
  Xmin = xmin;
  Xmax = xmax;
  // A single sample has no neighbour: it sits at xmin and its step is the whole interval,
  // so linear reading falls off to 0 at xmax.
  Step = count > 1 ? (xmax - xmin) / (count - 1) : (xmax - xmin);
  return true;
}

void TKeeper::TakeData(const TKeeper& source) {
  if (&source == this) return;
  Source = source.Source;
  Samples = source.Samples;
  Function = source.Function;
  Constant = source.Constant;
  Count = source.Count;
  Xmin = source.Xmin;
  Xmax = source.Xmax;
  Ymin = source.Ymin;
  Ymax = source.Ymax;
  Period = source.Period;
  Step = source.Step;
  Scale = source.Scale;
  Shape = source.Shape;
  Symmetry = source.Symmetry;
}

void TKeeper::SetFunction(TRealFunction fn, int count, double xmin, double xmax) {
  if (!fn) return;
  if (!CommonInit(count, xmin, xmax)) return;
  FunctionMinMax(fn, Xmin, Xmax, Count, Ymin, Ymax);
  Source = SourceFunction;
  Function = fn;
  if (Ymax - Ymin < FlatRange) Ymax = Ymin + FlatWidening;
}

void TKeeper::SetArray(double* samples, int count, double xmin, double xmax) {
  if (!samples) return;
  if (!CommonInit(count, xmin, xmax)) return;
  Source = SourceArray;
  Samples = samples;
  ArrayMinMax(Samples, Count, Ymin, Ymax);
  if (Ymax - Ymin < FlatRange) Ymax = Ymin + FlatWidening;
}

void TKeeper::SetConstant(double value, double xmin, double xmax) {
  if (!CommonInit(ConstantCount, xmin, xmax)) return;
  Source = SourceConstant;
  Constant = value;
  Ymin = value - 0.1 * value;
  Ymax = value + 0.1 * value;
}

void TKeeper::SetPeriodic(double period) {
  Shape = ShapePeriodic;
  Period = std::fabs(period);
  if (Xmax - Xmin > Period) Period = Xmax - Xmin;
}

void TKeeper::SetScale(double factor) {
  if (factor == 0) return;
  Scale = factor;
}

// Brings x to where it reads from the data (through the mirror left of the start and the
// period); false when it reads nothing there.
bool TKeeper::Locate(double& x, double& sign) const {
  sign = 1;
  if (Symmetry == SymmetryEven && x <= Xmin) {
    x = 2 * Xmin - x;
  } else if (Symmetry == SymmetryOdd && x <= Xmin) {
    x = 2 * Xmin - x;
    sign = -1;
  }
  if ((Shape == ShapePeriodic || Shape == ShapePeriodicRadio) && Period > 0) {
    const double turns = (x - Xmin) / Period;
    double frac = turns - std::floor(turns);
    if (frac >= 1) frac = 0;  // a tiny negative turn count rounds up to exactly 1
    x = Xmin + Period * frac;
    if (x < Xmin) x = Xmin;
    if (x > Xmax) x = Xmax;
  }
  return x >= Xmin && x <= Xmax;
}

bool TKeeper::Covers(double x) const {
  double sign = 1;
  return Locate(x, sign);
}

double TKeeper::GetValue(double x) const {
  if (IsDiscreteShape(Shape)) {
    ShowMessage(DiscreteAsContinuousMessage);
    return 0;
  }
  double sign = 1;
  if (!Locate(x, sign)) return 0;
  switch (Source) {
    case SourceConstant:
      return Scale * Constant * sign;
    case SourceFunction:
      return Function(x) * Scale * sign;
    case SourceArray: {
      double value = ReadSamples(x);
      if (Scale != 1) value *= Scale;
      return sign < 0 ? -value : value;
    }
    default:
      return 0;
  }
}

// Linear interpolation between the two samples next to x (x already within [Xmin, Xmax]).
double TKeeper::ReadSamples(double x) const {
  const double u = x - Xmin;
  const double j = std::floor(u / Step);
  double sum = 0;
  for (int d = -1; d <= 1; ++d) {
    const double i = j + d;
    // Written so that a NaN position (from an infinite interval) is skipped too.
    if (!(i >= 0 && i < Count)) continue;
    sum += Samples[static_cast<int>(i)] * TriangleWeight(u - i * Step, Step);
  }
  return sum;
}

double TKeeper::GetSample(int k) const {
  if (!IsDiscreteShape(Shape) && Shape != ShapeHistogram) {
    ShowMessage(ContinuousAsDiscreteMessage);
    return 0;
  }
  double sign = 1;
  // -k of the least int does not exist; that index lies outside every series anyway.
  if (k == std::numeric_limits<int>::min()) return 0;
  if (Symmetry == SymmetryEven && k < 0) {
    k = -k;
  } else if (Symmetry == SymmetryOdd && k < 0) {
    k = -k;
    sign = -1;
  }
  if (Shape == ShapePeriodicDiscrete) {
    // A period shorter than one sample cannot fold anything: only sample 0 .. count-1
    // are read as they stand, everything else reads 0.
    const long long p = static_cast<long long>(Period);
    if (p >= 1) {
      long long kk = k;
      if (kk >= Period) kk -= p * static_cast<long long>(std::floor((kk - Period) / p) + 1);
      while (kk >= Period) kk -= p;
      if (kk < 0) kk += p * ((-kk + p - 1) / p);
      k = static_cast<int>(kk);
    }
  }
  if (k < 0 || k > Count - 1) return 0;
  return ValueAtSample(k) * sign;
}

double TKeeper::ValueAtSample(int k) const {
  switch (Source) {
    case SourceConstant:
      return Scale * Constant;
    case SourceFunction:
      return Function(Xmin + k * Step) * Scale;
    case SourceArray:
      return Samples[k] * Scale;
    default:
      return 0;
  }
}

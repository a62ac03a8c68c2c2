#pragma once
// The twelve reconstruction methods, one row each: what the engine needs to rebuild a signal
// with a method. A new method is one enumerator, its generating function and one row here
// (and one row of the main window's table, which gives its menu item, caption and picture).
#include <span>

#include "numerics/RealFunction.h"

// The methods in the method menu's order.
enum TMethod {
  MethodKotelnikov,
  MethodLagrange,
  MethodPol0,
  MethodPol1,
  MethodPol2,
  MethodPol3,
  MethodSpl11,
  MethodSpl21,
  MethodSpl31,
  MethodSpl12,
  MethodSpl22,
  MethodSpl32,
  MethodCount
};

// Sample limits: every method but Lagrange, and Lagrange, whose polynomial of more nodes
// swings too far to teach anything.
constexpr int CommonCountLimit = 500;
constexpr int LagrangeCountLimit = 50;
// The order a method without a kernel of its own leaves as it was.
constexpr int KeepKernelOrder = -1;

struct TMethodRow {
  TRealFunction::TPlain Kernel;  // null: the Lagrange polynomial, which has no generating function
  int Order;                     // of the kernel, or KeepKernelOrder
  int CountLimit;                // the largest sample count the method takes
  const char* SessionName;       // the method's name in session files, never translated
};

// The row of a method (MethodKotelnikov .. MethodSpl32), and all rows in the menu's order.
const TMethodRow& MethodRow(TMethod method);
std::span<const TMethodRow> MethodRows();

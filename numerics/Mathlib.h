#pragma once
// Small pure helpers shared by the series store, the diagram and the signal library.
// None allocates; the out-arguments are the only effects.
#include <numbers>

#include "numerics/RealFunction.h"

// π and a full turn, from the standard library's one constant (doubling a double is exact).
inline constexpr double Pi = std::numbers::pi;
inline constexpr double TwoPi = 2 * std::numbers::pi;

void Swap(double& a, double& b);
// true when [a, b] is a proper interval (swapped into order if needed); false when a == b
// or the comparison is unordered (NaN).
bool Order(double& a, double& b);
bool RaiseTo(double v, double& x);
bool LowerTo(double v, double& x);
bool RaiseToInt(int v, int& x);
bool LowerToInt(int v, int& x);

// Extremes of a[0 .. |n|-1]; n must be at least 1.
void ArrayMinMax(const double* a, int n, double& ymin, double& ymax);
// Extremes of f on |n| equally spaced points of [xmin, xmax] (100 points when n is 0).
void FunctionMinMax(TRealFunction f, double xmin, double xmax, int n, double& ymin, double& ymax);

// Triangle kernel of half-width |h|: 1 - |t|/|h| inside, 0 outside and when h is 0.
double TriangleWeight(double t, double h);

int Binomial(int n, int k);
// n! for |n|; exact up to 20, Stirling's series beyond.
long double Factorial(int n);
// -1 for odd n, 1 for even n.
int MinusOnePower(int n);

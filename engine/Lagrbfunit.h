#pragma once
// The Lagrange polynomial through all samples, and the Lagrange basis functions that
// the basis-function tab plots for a program-wide number of nodes.
#include "engine/SampleSet.h"
#include "numerics/Mathlib.h"

constexpr int MinBasisCount = 2;
constexpr int MaxBasisCount = 50;

// l_k(x) on the nodes 0, 1, ..., n-1: the product of (x - i)/(k - i) over i != k, each
// factor formed and multiplied in extended precision, the product rounded to double after it.
double LagrangeBasis(int n, int k, double x);

// The polynomial through the samples at time t: sum_i LagrangeBasis(N, i, u) * s[i]
// with u = SamplePosition(t), accumulated in extended precision.
double LagrangeValue(const TSampleSet& set, double t);

// Number of nodes of the plotted basis functions, kept within MinBasisCount .. MaxBasisCount.
void SetBasisCount(int count);
int GetBasisCount();

// Basis function k (0 .. MaxBasisCount-1) as a plain function of x in sampling periods,
// reading the basis count at every evaluation; null for any other k.
TRealFunction LagrangeBasisFunction(int k);

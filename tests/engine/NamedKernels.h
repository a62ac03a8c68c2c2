#pragma once
// The ten local kernels with their names and orders, for tests that run over all of them.
#include "engine/Basefunctionsunit.h"

struct TNamedKernel {
  const char* Name;
  TRealFunction Kernel;
  int Order;
};

inline const TNamedKernel LocalKernels[] = {
    {"Pol0", Pol0, 0},   {"Pol1", Pol1, 1},   {"Pol2", Pol2, 2},   {"Pol3", Pol3, 3},   {"Spl11", Spl11, 1},
    {"Spl21", Spl21, 2}, {"Spl31", Spl31, 3}, {"Spl12", Spl12, 1}, {"Spl22", Spl22, 2}, {"Spl32", Spl32, 3},
};

#include "engine/MethodTable.h"

#include "engine/Basefunctionsunit.h"

namespace {
constexpr TMethodRow Rows[] = {
    {Sinc, KeepKernelOrder, CommonCountLimit, "kotelnikov"},
    {nullptr, KeepKernelOrder, LagrangeCountLimit, "lagrange"},
    {Pol0, 0, CommonCountLimit, "polynomial-0"},
    {Pol1, 1, CommonCountLimit, "polynomial-1"},
    {Pol2, 2, CommonCountLimit, "polynomial-2"},
    {Pol3, 3, CommonCountLimit, "polynomial-3"},
    {Spl11, 1, CommonCountLimit, "spline-1-1"},
    {Spl21, 2, CommonCountLimit, "spline-2-1"},
    {Spl31, 3, CommonCountLimit, "spline-3-1"},
    {Spl12, 1, CommonCountLimit, "spline-1-2"},
    {Spl22, 2, CommonCountLimit, "spline-2-2"},
    {Spl32, 3, CommonCountLimit, "spline-3-2"},
};
static_assert(std::size(Rows) == MethodCount, "one row per method");
}  // namespace

const TMethodRow& MethodRow(TMethod method) { return Rows[method]; }

std::span<const TMethodRow> MethodRows() { return Rows; }

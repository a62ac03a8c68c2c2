#pragma once
// The Kotelnikov series on sample positions: sum_i Sinc(u - i) s[i], u in sampling periods
// from s[0]. One sine per point and a quarter of a division per sample; agrees with the
// term-by-term sum within about 1e-14 * sum |s[i]|. u must be finite; count may be 0.
double SincSeries(const double* s, int count, double u);

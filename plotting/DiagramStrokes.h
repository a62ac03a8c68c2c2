#pragma once
// Pixel arithmetic shared by the series strokes.

inline int ClampInt(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

// The centre of a pen of width w laid over pixel x, where the span [x - w/2, x - w/2 + w)
// that a crisp stroke of that width covers has its middle (x for even w, x + 0.5 for odd).
inline double PenCentre(int x, int w) { return x - w / 2 + w / 2.0; }

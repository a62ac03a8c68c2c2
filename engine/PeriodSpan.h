#pragma once
// A range of sampling periods (seconds) laid out on a logarithmic scale of whole steps, as a
// slider offers them: equal steps change the period by equal factors.

struct TPeriodSpan {
  double Lo = 0, Hi = 0;

  // A scale needs two different positive ends.
  bool Usable() const { return Lo > 0 && Hi > Lo; }
  // The period at step `step` of `steps`: Lo at 0, Hi at `steps`, held to [Lo, Hi].
  double At(int step, int steps) const;
  // The step nearest to `period`, held to 0 .. steps.
  int StepOf(double period, int steps) const;
};

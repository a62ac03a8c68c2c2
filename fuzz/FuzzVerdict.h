#pragma once
// A fault the checks report stops the fuzzer with the input that caused it.
#include <cstdio>
#include <cstdlib>
#include <string>

inline int FuzzVerdict(const std::string& fault) {
  if (fault.empty()) return 0;
  std::fprintf(stderr, "fuzz check failed: %s\n", fault.c_str());
  std::abort();
}

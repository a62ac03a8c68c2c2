#include "sourcedata/ByteOrder.h"

#include <bit>

namespace {
template <typename T>
void PutBytes(std::ostream& out, T bits) {
  char bytes[sizeof(T)];
  for (size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
  out.write(bytes, sizeof bytes);
}

template <typename T>
bool GetBytes(std::istream& in, T& bits) {
  unsigned char bytes[sizeof(T)];
  if (!in.read(reinterpret_cast<char*>(bytes), sizeof bytes)) return false;
  bits = 0;
  for (size_t i = 0; i < sizeof(T); ++i) bits |= static_cast<T>(bytes[i]) << (8 * i);
  return true;
}
}  // namespace

void PutInt32(std::ostream& out, int32_t value) { PutBytes(out, static_cast<uint32_t>(value)); }

void PutDouble(std::ostream& out, double value) { PutBytes(out, std::bit_cast<uint64_t>(value)); }

bool GetInt32(std::istream& in, int32_t& value) {
  uint32_t bits;
  if (!GetBytes(in, bits)) return false;
  value = static_cast<int32_t>(bits);
  return true;
}

bool GetDouble(std::istream& in, double& value) {
  uint64_t bits;
  if (!GetBytes(in, bits)) return false;
  value = std::bit_cast<double>(bits);
  return true;
}

#pragma once
// Little-endian fields of the program's own files, independent of the machine's byte order.
#include <cstdint>
#include <istream>
#include <ostream>

void PutInt32(std::ostream& out, int32_t value);
void PutDouble(std::ostream& out, double value);
// false when the stream ends before the whole field (the value is then left unchanged).
bool GetInt32(std::istream& in, int32_t& value);
bool GetDouble(std::istream& in, double& value);

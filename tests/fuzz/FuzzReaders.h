#pragma once
// The readers the program applies to outside data (".dkr", ".tbl"/".inp" and ".resam" files,
// typed number texts), each driven by arbitrary bytes and checked for the properties every
// input must keep. Shared by the libFuzzer targets (fuzz/) and the corpus replay test.
// Each returns "" when all is well, else what went wrong.
#include <cstddef>
#include <cstdint>
#include <string>

std::string FuzzDrawingReader(const uint8_t* data, size_t size);
std::string FuzzTableReader(const uint8_t* data, size_t size);
std::string FuzzSessionReader(const uint8_t* data, size_t size);
// A sound file's bytes (libsndfile's virtual input) and a CSV series (RecordingFuzzReaders.cpp).
std::string FuzzSoundReader(const uint8_t* data, size_t size);
std::string FuzzSeriesReader(const uint8_t* data, size_t size);
// The first byte chooses the number locale (even: Russian, odd: C) and, with the next
// eight read as a double, the decimals FormatFixed is asked for; the rest is the text.
// Needs a QApplication (it drives an entry control).
std::string FuzzNumberTexts(const uint8_t* data, size_t size);

#pragma once
// A sound as the bytes of a WAV or FLAC file (mono, SoundRate, 16-bit), made by libsndfile
// in memory, so that the caller writes it through the safe save and an old file is never
// left half overwritten.
#include <span>
#include <vector>

enum class TSoundFormat { Wav, Flac };

// The file's bytes; empty when libsndfile refuses. Values beyond full scale are clipped.
std::vector<char> EncodeSound(std::span<const float> sound, TSoundFormat format, int rate);

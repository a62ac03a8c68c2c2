#pragma once
// Sound files read through libsndfile: WAV (integer and float samples, extensible headers),
// FLAC, OGG/Vorbis, AIFF and whatever else the installed library knows. The file is only
// read. Every problem comes back as one message naming the file, in the form
// "Не удаётся прочитать звуковой файл «name»: problem".
#include <cstddef>
#include <string>
#include <vector>

#include "sourcedata/Recording.h"

// Reads the file's description and the overviews of its first two channels (every sample is
// read once and checked to be finite). No message with `recording` filled in, or the problem with `recording`
// untouched.
TMessage ReadSoundFile(const std::string& path, const std::string& name, TRecording& recording);
// The same for a file's bytes held in memory (libsndfile's virtual input), the sum's overview
// included; the recording gets no path, so its fragments cannot be read afterwards.
TMessage ReadSoundBytes(const void* bytes, std::size_t size, const std::string& name, TRecording& recording);
// The overview of the channels' sum, read from the file when first asked for (opening takes
// the single channels only); no message when it is there.
TMessage ReadSoundSum(TRecording& recording);
// Frames [first, first + count) of channel c of the sound file at `path`.
TMessage ReadSoundFragment(const std::string& path, const std::string& name, TRecordingChannel channel, long long first,
                           long long count, std::vector<double>& values);
// The sentence every sound file's problem is put in.
TMessage SoundFault(const std::string& name, TMessage problem);

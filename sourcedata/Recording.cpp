#include "sourcedata/Recording.h"

#include <fstream>
#include <iterator>

#include "sourcedata/SeriesCsv.h"
#include "sourcedata/SoundFile.h"

TMessage ReadRecordingFragment(const TRecording& recording, TRecordingChannel channel, long long first, long long count,
                               std::vector<double>& values) {
  if (recording.IsSound()) return ReadSoundFragment(recording.Path, recording.Name, channel, first, count, values);
  if (first < 0 || count < 1 || first + count > static_cast<long long>(recording.Series.size()))
    return SeriesFault(recording.Name, RESAM_MESSAGE("Recording", "фрагмент выходит за пределы ряда."));
  values.assign(recording.Series.begin() + first, recording.Series.begin() + first + count);
  return {};
}

void TakeSeries(TRecording& recording, std::vector<double> values) {
  recording.Series = std::move(values);
  recording.Frames = static_cast<long long>(recording.Series.size());
  recording.Channels = 1;
  recording.Overviews[0].Start(recording.Frames);
  for (double v : recording.Series) recording.Overviews[0].Add(float(v));
}

TMessage ReadSeriesFile(const std::string& path, const std::string& name, double typedRate, TRecording& recording) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return SeriesFault(name, RESAM_MESSAGE("Recording", "файл не открывается (его нет или к нему нет доступа)."));
  in.seekg(0, std::ios::end);
  const long long size = in.tellg();
  in.seekg(0);
  if (size == 0) return SeriesFault(name, RESAM_MESSAGE("Recording", "файл пуст."));
  if (size < 0 || size > MaxSeriesFileBytes)
    return SeriesFault(name, RESAM_MESSAGE("Recording", "файл больше %1 МБ.").Arg(MaxSeriesFileBytes >> 20));
  std::string text(size_t(size), '\0');
  if (!in.read(text.data(), size)) return SeriesFault(name, RESAM_MESSAGE("Recording", "файл не читается."));
  TSeriesCsv series;
  if (TMessage problem = ParseSeriesCsv(text, series); !problem.Empty()) return SeriesFault(name, std::move(problem));
  TRecording r;
  r.Name = name;
  r.RateTyped = !series.HasTime;
  r.Rate = series.HasTime ? series.Rate : typedRate;
  r.Origin = series.Start;
  TakeSeries(r, std::move(series.Values));
  recording = std::move(r);
  return {};
}

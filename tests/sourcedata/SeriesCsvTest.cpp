#include <gtest/gtest.h>

#include "sourcedata/SeriesCsv.h"

// Every form a series comes in reads the same numbers; the time column gives the rate.
TEST(SeriesCsvReading, FormsReadTheSameSeries) {
  struct TCase {
    const char* Text;
    bool HasTime;
    double Start, Rate;
  };
  const TCase cases[] = {
      {"1\n-2.5\n3e-1\n4\n", false, 0, 0},
      {"Значение\r\n1\r\n-2,5\r\n0,3\r\n4\r\n\r\n", false, 0, 0},
      {"0.5,1\n0.51,-2.5\n0.52,0.3\n0.53,4\n", true, 0.5, 100},
      {"t;v\n0,5;1\n0,51;-2,5\n0,52;0,3\n0,53;4\n", true, 0.5, 100},
      {"0.5\t1\n0.51\t-2,5\n0.5201\t0.3\n0.53\t4\n", true, 0.5, 100},
      // the program's own export: mark, quoted headings, further columns ignored
      {"\xEF\xBB\xBF\"t, c\",\"Сигнал, В\",\"t, c\"\n0.5,1,nan\n0.51,-2.5,nan\n0.52,0.3,1\n0.53,4,2\n", true, 0.5, 100},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Text);
    TSeriesCsv s;
    ASSERT_EQ(ParseSeriesCsv(c.Text, s).SourceText(), "");
    EXPECT_EQ(s.Values, (std::vector<double>{1, -2.5, 0.3, 4}));
    EXPECT_EQ(s.HasTime, c.HasTime);
    EXPECT_DOUBLE_EQ(s.Start, c.Start);
    EXPECT_NEAR(s.Rate, c.Rate, 1e-9);
  }
}

TEST(SeriesCsvReading, BadLinesNamedAndNothingTaken) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "нет ни одного числа"},
      {"Время;Значение\n", "только заголовок"},
      {"1\n2\nтри\n4\n", "строка 3: «три» — не число"},
      {"1\n2\nnan\n4\n", "строка 3"},
      {"0;1\n1;2\n2\n3;4\n", "строка 3: «2» — не два числа"},
      {"0;1\n1;2\n0,5;3\n2;4\n", "строка 3: время 0,5 не больше"},
      {"0;1\n1;2\n2;3\n3,5;4\n4,5;5\n", "строка 4: шаг времени 1,5 отличается от обычного"},
      {"1\n2\n3\n", "меньше 4 значений"},
  };
  TSeriesCsv s;
  s.Values = {7};
  for (const auto& [text, problem] : cases) {
    EXPECT_NE(ParseSeriesCsv(text, s).SourceText().find(problem), std::string::npos)
        << text << " -> " << ParseSeriesCsv(text, s).SourceText();
    EXPECT_EQ(s.Values, std::vector<double>{7});
  }
  EXPECT_EQ(SeriesFault("x.csv", TMessage("", "p")).SourceText(), "Не удаётся прочитать файл данных «x.csv»: p");
}

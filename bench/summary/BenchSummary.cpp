// Reads the benchmarks' JSON results and bench/goals.txt and prints one table: every
// counter a goal names, and every other ratio counter, beside its goal and whether it
// was met. Usage: BenchSummary <goals.txt> <result.json>...
// A missed goal is reported in the table, not by the exit status: on a busy machine a
// ratio can miss by noise, and the run itself has still succeeded.
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>
#include <vector>

namespace {
struct TGoal {
  QString Benchmark, Counter, Op, Target, What;
};

struct TResult {
  QString Benchmark;
  QJsonObject Fields;
};

// Fields Google Benchmark writes for every run; everything else is a counter.
const QStringList StandardFields = {"name",
                                    "family_index",
                                    "per_family_instance_index",
                                    "run_name",
                                    "run_type",
                                    "repetitions",
                                    "repetition_index",
                                    "threads",
                                    "iterations",
                                    "real_time",
                                    "cpu_time",
                                    "time_unit",
                                    "aggregate_name",
                                    "aggregate_unit",
                                    "label",
                                    "error_occurred",
                                    "error_message",
                                    "bytes_per_second",
                                    "items_per_second"};

std::vector<TGoal> ReadGoals(const QString& path) {
  std::vector<TGoal> goals;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return goals;
  for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    if (line.trimmed().isEmpty() || line.trimmed().startsWith(QLatin1Char('#'))) continue;
    const QStringList f = line.split(QLatin1Char('|'));
    if (f.size() < 4) continue;
    const QStringList goal = f[2].trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (goal.size() != 2) continue;
    goals.push_back({f[0].trimmed(), f[1].trimmed(), goal[0], goal[1], f[3].trimmed()});
  }
  return goals;
}

std::vector<TResult> ReadResults(const QStringList& paths) {
  std::vector<TResult> results;
  for (const QString& path : paths) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QJsonArray runs = QJsonDocument::fromJson(file.readAll()).object().value("benchmarks").toArray();
    for (const QJsonValue& run : runs) {
      const QJsonObject o = run.toObject();
      if (o.value("run_type").toString() == "aggregate" && o.value("aggregate_name").toString() != "median") continue;
      // "/iterations:1" and the like say how it was run, not what.
      const QString name = o.value("name").toString().remove(QRegularExpression("/iterations:\\d+"));
      results.push_back({name, o});
    }
  }
  return results;
}

bool NameMatches(const QString& pattern, const QString& name) {
  return pattern.endsWith(QLatin1Char('*')) ? name.startsWith(pattern.chopped(1)) : name == pattern;
}

QString Number(double v) { return QString::number(v, 'g', 3); }

struct TRow {
  QString Benchmark, Counter, Measured, Goal, Verdict, What;
};

TRow Judge(const TResult& r, const TGoal* g, const QString& counter) {
  const double value = r.Fields.value(counter).toDouble();
  TRow row{r.Benchmark, counter, Number(value), QStringLiteral("—"), QStringLiteral("no goal"), QString()};
  if (!g) return row;
  bool isNumber = false;
  double target = g->Target.toDouble(&isNumber);
  if (!isNumber) target = r.Fields.value(g->Target).toDouble();
  row.Goal = g->Op + " " + (isNumber ? g->Target : g->Target + " (" + Number(target) + ")");
  const bool met = g->Op == "<=" ? value <= target : value >= target;
  row.Verdict = met ? QStringLiteral("met") : QStringLiteral("MISSED");
  row.What = g->What;
  return row;
}

bool IsRatioCounter(const QString& name) { return name.contains("ratio") || name.contains("_over_"); }

std::vector<TRow> Rows(const std::vector<TGoal>& goals, const std::vector<TResult>& results) {
  std::vector<TRow> rows;
  for (const TGoal& g : goals) {
    bool found = false;
    for (const TResult& r : results)
      if (NameMatches(g.Benchmark, r.Benchmark) && r.Fields.contains(g.Counter)) {
        rows.push_back(Judge(r, &g, g.Counter));
        found = true;
      }
    if (!found) rows.push_back({g.Benchmark, g.Counter, QStringLiteral("—"), g.Op + " " + g.Target, "not run", g.What});
  }
  for (const TResult& r : results)
    for (const QString& key : r.Fields.keys()) {
      if (StandardFields.contains(key) || !IsRatioCounter(key)) continue;
      bool named = false;
      for (const TGoal& g : goals) named = named || (NameMatches(g.Benchmark, r.Benchmark) && g.Counter == key);
      if (!named) rows.push_back(Judge(r, nullptr, key));
    }
  return rows;
}

void Print(const std::vector<TRow>& rows) {
  const QStringList head = {"benchmark", "counter", "measured", "goal", "verdict", "compares"};
  std::vector<int> width(head.size());
  auto fields = [](const TRow& r) {
    return QStringList{r.Benchmark, r.Counter, r.Measured, r.Goal, r.Verdict, r.What};
  };
  for (int i = 0; i < head.size(); ++i) width[i] = head[i].size();
  for (const TRow& r : rows)
    for (int i = 0; i < head.size(); ++i) width[i] = std::max<int>(width[i], fields(r)[i].size());
  QTextStream out(stdout);
  auto line = [&](const QStringList& f) {
    QString text;
    for (int i = 0; i < f.size(); ++i) text += f[i].leftJustified(width[i] + 2);
    out << text.trimmed() << "\n";
  };
  out << "\nSummary: each counter against its goal (ratios are to the reference measured in the same run)\n";
  line(head);
  for (const TRow& r : rows) line(fields(r));
}
}  // namespace

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  QStringList args = QCoreApplication::arguments().mid(1);
  if (args.isEmpty()) return 2;
  const std::vector<TGoal> goals = ReadGoals(args.takeFirst());
  const std::vector<TRow> rows = Rows(goals, ReadResults(args));
  Print(rows);
  return 0;
}

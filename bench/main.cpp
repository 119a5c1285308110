// The benchmark program behind `make bench`: runs every measure in turn and
// prints one table of medians, references, ratios and targets; given words
// (`grotzel_bench cave keys`), only the measures of those names. The windows
// live on the offscreen platform unless QT_QPA_PLATFORM says otherwise; for
// the start-up measure the bench runs itself again under
// tests/support/on-private-x, on an Xvfb of its own. Started with
// --peak-memory or --memory-growth it is a child process of the memory
// measure instead.
#include <unistd.h>
#include <QApplication>
#include <QByteArray>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/measures.h"
#include "screens/fonts.h"
#include "sound/wave_player.h"

namespace {

// Qt's chatter (a missing sound server, a platform without raise()) would
// break up the table.
void Quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg || qEnvironmentVariableIsSet("GROTZEL_DEBUG"))
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

struct Measure {
  const char* name;
  std::vector<bench::Row> (*run)(bench::Notes&);
};

}  // namespace

// Runs the bench again on an Xvfb of its own, as the tests get theirs, when
// the start-up is among the measures chosen; returns only when it could not.
void OnPrivateX(int argc, char* argv[]) {
#ifdef GROTZEL_X11
  if (argc > 1 && std::strcmp(argv[1], "--on-private-x") == 0) return;  // there already
  if (argc > 1 && std::none_of(argv + 1, argv + argc, [](const char* a) { return std::strcmp(a, "start-up") == 0; }))
    return;
  const std::string self = std::filesystem::read_symlink("/proc/self/exe");
  std::vector<char*> args{const_cast<char*>(ON_PRIVATE_X), const_cast<char*>(self.c_str()),
                          const_cast<char*>("--on-private-x")};
  args.insert(args.end(), argv + 1, argv + argc + 1);  // with the closing null
  execv(ON_PRIVATE_X, args.data());
  std::perror(ON_PRIVATE_X);
  std::exit(1);
#endif
}

int main(int argc, char* argv[]) {
  OnPrivateX(argc, argv);
  if (argc > 1 && std::strcmp(argv[1], "--on-private-x") == 0) --argc, ++argv;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(Quiet);
  zupi::PrepareSoundEnvironment();  // as the game does, before any thread
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  zupi::InstallFontSubstitutes();  // as the game does
  for (bool growth : {false, true})
    if (argc > 1 && std::strcmp(argv[1], growth ? "--memory-growth" : "--peak-memory") == 0)
      return bench::RunMemoryChild(growth);

  std::vector<Measure> measures = {{"cave", bench::MeasureMakeCave},   {"candle", bench::MeasureCandleTick},
                                   {"keys", bench::MeasureKeyToPaint}, {"cpu", bench::MeasureWaitCpu},
                                   {"memory", bench::MeasureMemory},   {"sound", bench::MeasureSound}};
  bench::Notes notes;
#ifdef GROTZEL_X11  // the start-up is timed on an X server
  measures.push_back({"start-up", bench::MeasureStartUp});
#else
  notes.push_back("start-up: not measured, the benchmarks were built without Xlib and XTest.");
#endif
  std::vector<std::string> chosen(argv + 1, argv + argc);
  for (const std::string& word : chosen) {
    if (std::none_of(measures.begin(), measures.end(), [&](const Measure& m) { return word == m.name; })) {
      std::string names;
      for (const Measure& m : measures) names += std::string(" ") + m.name;
      std::fprintf(stderr, "usage: grotzel_bench [measure...], measures:%s\n", names.c_str());
      return 2;
    }
  }

  std::printf("Grotzel benchmarks (%s build, %s platform)%s.\n\n", GROTZEL_BUILD_TYPE,
              qPrintable(QApplication::platformName()), chosen.empty() ? "; a few minutes" : "");
  std::fflush(stdout);
  std::vector<bench::Row> rows;
  for (const Measure& measure : measures) {
    if (!chosen.empty() && std::find(chosen.begin(), chosen.end(), measure.name) == chosen.end()) continue;
    for (bench::Row& row : measure.run(notes)) rows.push_back(std::move(row));
  }
  bench::PrintTable(rows, notes);
  return 0;
}

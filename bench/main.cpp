// The benchmark program behind `make bench`: runs every measure in turn and
// prints one table of medians, references, ratios and targets. The windows
// live on the offscreen platform unless QT_QPA_PLATFORM says otherwise; the
// start-up measure brings its own Xvfb. Started with --peak-memory it is the
// child process of the memory measure instead.
#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/measures.h"
#include "screens/fonts.h"

namespace {

// Qt's chatter (a missing sound server, a platform without raise()) would
// break up the table.
void Quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg || qEnvironmentVariableIsSet("GROTZEL_DEBUG"))
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Without a session bus, D-Bus would start one for the bench's X display
  // that outlives it; the programs it launches inherit this too.
  if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/grotzel-bench-bus");
  qInstallMessageHandler(Quiet);
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  zupi::InstallFontSubstitutes();  // as the game does
  if (argc > 1 && std::strcmp(argv[1], "--peak-memory") == 0) return bench::RunPeakMemoryChild();

  std::printf("Grotzel benchmarks (%s build, %s platform); about half a minute.\n\n", GROTZEL_BUILD_TYPE,
              qPrintable(QApplication::platformName()));
  std::fflush(stdout);
  bench::Notes notes;
  std::vector<bench::Row> rows;
  std::vector measures = {bench::MeasureMakeCave, bench::MeasureCandleTick, bench::MeasureKeyToPaint,
                          bench::MeasureWaitCpu, bench::MeasurePeakMemory, bench::MeasureSound};
#ifdef GROTZEL_X11  // the start-up is timed on an X server
  measures.push_back(bench::MeasureStartUp);
#else
  notes.push_back("start-up: not measured, the benchmarks were built without Xlib and XTest.");
#endif
  for (auto measure : measures) {
    for (bench::Row& row : measure(notes)) rows.push_back(std::move(row));
  }
  bench::PrintTable(rows, notes);
  return 0;
}

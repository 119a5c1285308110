// The start-up benchmark's reference: the least a Qt Widgets program does to
// map a window, here an empty one with the title window's caption and size.
#include <QApplication>
#include <QWidget>

#include "tests/support/window_facts.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Grotzel"));
  window.setFixedSize(zupi::test::kTitleSize);
  window.show();
  return app.exec();
}

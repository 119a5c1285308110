// The real program through Qt's Wayland plugin on a headless sway, as a
// player on GNOME or Plasma meets it. Each row plays a game by keyboard as
// far as its phase (Alt+S, a bump, the lit cave read off the screen to its
// goal, 1-B's message, Escape, the title again), in sway's frame or Qt's,
// and closes it there through the compositor: the program must end at once
// with status 0. On the way: the caption and the app id.
#include <QtTest>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>

#include "game/game_screen.h"
#include "tests/e2e/game_process.h"
#include "tests/support/auto_player.h"
#include "tests/support/window_facts.h"

using e2e::Game;
using e2e::WaitFor;
using zupi::kStageMessageRect;
using zupi::test::kFirstLampPixel;
using zupi::test::kGameSize;
using zupi::test::kStartButtonPixel;
using zupi::test::kTitleSize;

namespace {

enum Phase { kTitlePause, kTitle, kStage, kGoalWait, kGameOver, kTitleAgain };

// What a tool prints, within 5 s.
QByteArray Output(const QString& program, const QStringList& args) {
  QProcess tool;
  tool.start(program, args);
  if (!tool.waitForFinished(5000)) tool.kill(), tool.waitForFinished();
  return tool.readAllStandardOutput();
}

// A virtual keyboard's first press can be lost: a Shift that does nothing leads.
void Keys(const QStringList& keys) { Output("wtype", QStringList{"-k", "Shift_L", "-s", "60"} + keys); }

// A window as sway shows it: caption, app id, its client area on the
// screen, and whether the window holds all of that area.
struct View {
  QString name, appId;
  QRect client;
  bool whole;
};

QRect RectOf(const QJsonValue& r) { return {r["x"].toInt(), r["y"].toInt(), r["width"].toInt(), r["height"].toInt()}; }

std::optional<View> Find(QSize client) {
  std::optional<View> found;
  std::function<void(const QJsonObject&)> walk = [&](const QJsonObject& node) {
    const QRect outer = RectOf(node["rect"]), surface = RectOf(node["window_rect"]);
    // Sway's frame lies outside the surface. Qt's own lies inside: as thick
    // left, right and below, with its title bar on top; a window that kept
    // its size when Qt's frame came in cuts the client area short.
    const int side = (surface.width() - client.width()) / 2, top = surface.height() - client.height() - side;
    const bool whole = node["border"].toString() == "csd" ? side >= 0 && top > side : surface.size() == client;
    if (node.contains("app_id") && RectOf(node["geometry"]).size() == client)
      found = View{node["name"].toString(), node["app_id"].toString(),
                   QRect(outer.topLeft() + surface.topLeft() + QPoint(side, top), client), whole};
    for (const char* list : {"nodes", "floating_nodes"})
      for (const QJsonValue& child : node[list].toArray()) walk(child.toObject());
  };
  walk(QJsonDocument::fromJson(Output("swaymsg", {"-t", "get_tree"})).object());
  return found;
}

// What the client area of the window of that size shows now; nothing while
// the window cuts it short.
QImage Shot(QSize client) {
  const std::optional<View> view = Find(client);
  return view && view->whole ? QImage::fromData(Output("grim", {"-t", "ppm", "-"}), "PPM").copy(view->client)
                             : QImage();
}

// Black where there is no picture.
QRgb Pixel(const QImage& shot, QPoint at) { return shot.valid(at) ? shot.pixel(at) : qRgb(0, 0, 0); }

int WhitePixels(const QImage& shot, const QRect& box) {
  int white = 0;
  for (int y = box.top(); y <= box.bottom(); ++y)
    for (int x = box.left(); x <= box.right(); ++x) white += qGray(Pixel(shot, {x, y})) > 200;
  return white;
}

// Keys from the start cell to the goal of the lit cave on the screen.
QStringList KeysToTheGoal(const QImage& shot) {
  const auto passage = [&](int x, int y) {  // sampled off the centre, where the icon never is
    const auto at = [](int edge, int cell) { return edge + (zupi::kCellTwips * cell + 150) / zupi::kTwipsPerPixel; };
    return qGray(Pixel(shot, {at(zupi::kBoardRect.x(), x), at(zupi::kBoardRect.y(), y)})) > 10;
  };
  const std::map<zupi::Integer, QString> names = {
      {zupi::kKeyLeft, "Left"}, {zupi::kKeyRight, "Right"}, {zupi::kKeyUp, "Up"}, {zupi::kKeyDown, "Down"}};
  QStringList keys;
  for (zupi::Integer key : zupi::test::WayToGoal(passage, zupi::kStartX, zupi::kStartY))
    keys += {"-k", names.at(key), "-s", "40"};
  return keys;
}

}  // namespace

class WaylandTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(qEnvironmentVariableIsSet("SWAYSOCK"), "needs sway (run under tests/support/on-private-wayland)");
  }

  void closedByTheCompositorInEveryPhase_data() {
    QTest::addColumn<int>("phase");
    QTest::addColumn<QString>("border");
    // Qt's frame first: sway cannot drop a rule, and a window that gets
    // the two frames one after the other would hide a frame's own faults.
    QTest::newRow("title pause, Qt's frame") << int(kTitlePause) << "csd";
    QTest::newRow("stage, Qt's frame") << int(kStage) << "csd";
    QTest::newRow("GAME OVER, Qt's frame") << int(kGameOver) << "csd";
    QTest::newRow("title, sway's frame") << int(kTitle) << "normal";
    QTest::newRow("goal wait, sway's frame") << int(kGoalWait) << "normal";
    QTest::newRow("title again, sway's frame") << int(kTitleAgain) << "normal";
  }
  void closedByTheCompositorInEveryPhase() {
    QFETCH(int, phase);
    QFETCH(QString, border);
    static QString frame;
    if (border != frame) Output("swaymsg", {"for_window [app_id=grotzel] border " + (frame = border)});
    Game game("wayland");
    QVERIFY2(game.process.waitForStarted(), "the game starts");
    auto title = WaitFor([] { return Find(kTitleSize); });
    QVERIFY2(title, "the title window opens within 10 s");
    QCOMPARE(title->name, QString("Grotzel"));
    QCOMPARE(title->appId, QString("grotzel"));  // the desktop entry's name
    QVERIFY2(WaitFor([] { return Find(kTitleSize).value_or(View{}).whole; }),
             "the title window holds its whole client area within 10 s");
    if (phase > kTitlePause) {
      QVERIFY2(WaitFor([&] { return Pixel(Shot(kTitleSize), kStartButtonPixel) != qRgb(0, 0, 0); }),
               "the start button shows");
      if (phase > kTitle) Stage(phase);
    }
    QElapsedTimer clock;
    clock.start();
    Output("swaymsg", {"[app_id=grotzel] kill"});
    QVERIFY2(game.EndsWithin(5000), "the compositor's close ends the program with status 0 within 5 s");
    qInfo("closed %lld ms after the compositor's close", clock.elapsed());
  }

 private:
  // From the title on, up to `phase`.
  void Stage(int phase) {
    auto board = WaitFor([] {
      Keys({"-M", "alt", "-k", "s", "-m", "alt"});
      return WaitFor([] { return Find(kGameSize); }, 500);
    });
    QVERIFY2(board, "Alt+S starts a game within 10 s");
    QImage shot;
    QVERIFY2(WaitFor([&] { return WhitePixels(shot = Shot(kGameSize), kStageMessageRect) > 30; }),
             "1-A's message shows in the whole client area within 10 s");
    if (phase == kStage) return;
    const int litMessage = WhitePixels(shot, kStageMessageRect);
    QStringList keys;
    QVERIFY2(WaitFor([&] { return !(keys = KeysToTheGoal(Shot(kGameSize))).isEmpty(); }),
             "the cave on the screen leads to the goal");
    Keys({"-k", "Up"});  // rock: 1-A's passage turns up at column 10 at the earliest
    QVERIFY2(WaitFor([&] { return qRed(Pixel(Shot(kGameSize), kFirstLampPixel)) > 200; }, 5000),
             "the bump turned a lamp red");
    Keys(keys);
    if (phase == kGoalWait) return QTest::qWait(300);
    QVERIFY2(WaitFor([&] { return WhitePixels(Shot(kGameSize), kStageMessageRect) > litMessage * 3 / 2; }),
             "the goal leads to 1-B, whose message is longer");
    Keys({"-k", "Escape"});
    if (phase == kGameOver) return QTest::qWait(500);
    QVERIFY2(WaitFor([] { return !Find(kGameSize) && Find(kTitleSize); }), "after GAME OVER the title comes back");
  }
};

QTEST_GUILESS_MAIN(WaylandTest)
#include "test_wayland.moc"

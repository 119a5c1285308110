// What a screen reader finds in the windows, asked in-process.
#include <QAccessible>
#include <QPushButton>
#include <QtTest>

#include "screens/form1.h"
#include "screens/form2.h"
#include "tests/support/cave_text.h"
#include "tests/support/qt_run.h"

using zupi::test::Control;

namespace {

QStringList Children(QAccessibleInterface* parent) {
  QStringList names;
  for (int i = 0; i < parent->childCount(); ++i) names << parent->child(i)->text(QAccessible::Name);
  return names;
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    zupi::test::ResetGameState();
    zupi::test::SetCave(
        zupi::test::Cave({{0, "#..................."}, {4, "..................##"}, {5, "###################."}}));
    run = std::make_unique<zupi::test::QtRun>();
    form = run->StillGame();
  }
  void cleanup() { run.reset(); }

  // Sources, frame and single lamps stay out; the lamps are one group.
  void theGameWindowNamesWhatShows() {
    form->SetLabel2("洞窟 1-A\r\n\r\n 初級マップです。");
    form->StageBegins("洞窟 1-A");
    form->SetSafeLight(0, zupi::kRed);
    form->ShowZupi(zupi::kZupiHurt);
    form->ShowRousoku(1);
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form);
    QCOMPARE(Children(window), (QStringList{"洞窟 1-A", "洞窟 1-A\n\n 初級マップです。", "L I F E", "ライフ 残り 2",
                                            "ろうそく: 火がついている", "霧坂 ズピ: いたい"}));
    QAccessibleInterface* board = window->child(0);
    QCOMPARE(board->role(), QAccessible::Table);
    QVERIFY(board->text(QAccessible::Description).contains("矢印キー"));
    QCOMPARE(board->tableInterface()->rowCount() * 100 + board->tableInterface()->columnCount(), 1020);
  }

  // Zupi's cell tells what is around her, other cells only what they are;
  // in the dark only the goal shows. On the goal the rock that the cave
  // keeps past the last column goes unsaid, as the other edges do.
  void cellsTellWhatCanBeSeen_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<bool>("zupis");  // Zupi stands on it; else on the start
    QTest::addColumn<QString>("name");
    QTest::newRow("lit, Zupi's") << false << QPoint(0, 5) << true << "6行1列、通路: 右、岩: 上 下";
    QTest::newRow("lit, Zupi's goal") << false << QPoint(19, 4) << true << "5行20列、ゴール、通路: 左、岩: 上 下";
    QTest::newRow("lit, passage") << false << QPoint(4, 5) << false << "6行5列、通路";
    QTest::newRow("lit, rock") << false << QPoint(4, 4) << false << "5行5列、岩";
    QTest::newRow("lit, top row") << false << QPoint(0, 0) << false << "1行1列、通路";
    QTest::newRow("lit, goal") << false << QPoint(19, 4) << false << "5行20列、ゴール";
    QTest::newRow("dark, Zupi's") << true << QPoint(0, 5) << true << "6行1列";
    QTest::newRow("dark, rock") << true << QPoint(4, 4) << false << "5行5列";
    QTest::newRow("dark, goal") << true << QPoint(19, 4) << false << "5行20列、ゴール";
  }
  void cellsTellWhatCanBeSeen() {
    QFETCH(bool, dark);
    QFETCH(QPoint, cell);
    QFETCH(bool, zupis);
    QFETCH(QString, name);
    zupi::IsDark = dark;
    zupis ? Place(cell.x(), cell.y()) : Place(0, 5);
    auto* table = QAccessible::queryAccessibleInterface(Control<QWidget>(form, "Picture1"))->tableInterface();
    QCOMPARE(table->cellAt(cell.y(), cell.x())->text(QAccessible::Name), name);
  }

  // Without a screen reader the game's news make nothing: no announcement
  // (those a reader hears are checked through AT-SPI, in test_screen_reader).
  void withoutAReaderNewsChangeNothing() {
    form->Show();
    const auto children = form->findChildren<QObject*>().size();
    form->StageBegins("洞窟 1-A");
    form->KeyAnswered(zupi::KeyAnswer::Bump, 1, 5, 2);
    form->KeyAnswered(zupi::KeyAnswer::Goal, 19, 4, 2);
    form->GameOver();
    QCOMPARE(form->findChildren<QObject*>().size(), children);
  }

  // The OK button reads the certificate text with it, so a reader need not
  // look for it (its focus is the windows' test's).
  void theOkButtonReadsTheCertificate() {
    auto& certificate = dynamic_cast<Form2&>(run->forms.LoadForm2());
    certificate.SetLabel3("あなたは10面まで\r\nおめでとう!");
    QCOMPARE(Control<QPushButton>(&certificate, "Command1")->accessibleDescription(),
             QStringLiteral("あなたは10面まで\nおめでとう!"));
  }

 private:
  void Place(int x, int y) {
    form->SetIconLeft(zupi::kCellTwips * x);
    form->SetIconTop(zupi::kCellTwips * y);
  }

  std::unique_ptr<zupi::test::QtRun> run;
  Form1* form = nullptr;
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"

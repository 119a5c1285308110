// The title and certificate windows: fixed client sizes and a fresh layout
// at every load, labels that let the certificate picture show between their
// letters, text that fits its label, the buttons' access keys and their lack
// of a default role; and the close rule of all three windows (the close box
// asks, an unload does not).
#include <QCloseEvent>
#include <QSpontaneKeyEvent>
#include <QtTest>

#include "game/messages.h"
#include "game/zupi.h"
#include "screens/form1.h"
#include "screens/form2.h"
#include "screens/form3.h"
#include "screens/query_unload.h"
#include "tests/support/recorders.h"

namespace {

std::vector<int> unloadModes;

// The windows by number, as the game names them.
QWidget* Load(int form) {
  if (form == 1) return LoadForm1();
  return form == 2 ? static_cast<QWidget*>(LoadForm2()) : LoadForm3();
}
void Unload(int form) { form == 1 ? UnloadForm1() : form == 2 ? UnloadForm2() : UnloadForm3(); }
QPushButton* Button(int form) { return form == 2 ? LoadForm2()->Command1 : LoadForm3()->Command1; }

}  // namespace

class TitleCertificateTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { zupi::SetQueryUnloadHandler([](int mode) { unloadModes.push_back(mode); }); }
  void init() { unloadModes.clear(); }
  void cleanup() {
    for (int form : {1, 2, 3}) Unload(form);
  }

  // The pictures are laid out to the pixel against a fixed client area with
  // a close box only; a button shown by one round is hidden at the next load.
  void windowsAreFixedAndReloadFromTheLayout_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QSize>("client");
    QTest::newRow("title") << 3 << QSize(402, 196);
    QTest::newRow("certificate") << 2 << QSize(348, 446);
  }
  void windowsAreFixedAndReloadFromTheLayout() {
    QFETCH(int, form);
    QFETCH(QSize, client);
    QWidget* window = Load(form);
    QCOMPARE(window->minimumSize(), client);
    QCOMPARE(window->maximumSize(), client);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    Button(form)->show();
    Unload(form);
    QVERIFY(!Button(form)->isVisibleTo(Load(form)));
  }

  // The heading and title are transparent: the picture shows between the
  // letters. The picture is not scaled, and pink shows below it.
  void certificatePictureShowsAroundAndBetweenTheLetters() {
    Form2* form = LoadForm2();
    form->Label2->show();
    const QImage shot = form->grab().toImage();
    const QImage picture = form->picture().toImage();
    int text = 0, through = 0;
    const QRect letters = form->Label2->geometry();
    for (int y = letters.top(); y <= letters.bottom(); ++y)
      for (int x = letters.left(); x <= letters.right(); ++x) {
        const QRgb seen = shot.pixel(x, y);
        text += seen == qRgb(255, 0, 0);
        through += seen == picture.pixel(x, y);
      }
    QVERIFY(text > 500);
    QVERIFY(through > letters.width() * letters.height() / 2);
    QCOMPARE(shot.pixel(200, 300), picture.pixel(200, 300));  // inside the frame
    QCOMPARE(shot.pixel(347, 200), picture.pixel(347, 200));  // right of it
    QCOMPARE(shot.pixel(100, 420), qRgb(255, 192, 255));      // the strip below
  }

  // Text cut off at a label's edge loses letters: every line must fit.
  void certificateTextFitsItsLabels() {
    Form2* form = LoadForm2();
    form->Label3->setCaption(QString::fromStdString(zupi::CertificateText(123)));
    for (LabelControl* label : {form->Label1, form->Label2, form->Label3, LoadForm3()->Label1}) {
      const QFontMetrics metrics(label->font());
      const QStringList lines = label->text().split('\n');
      for (const QString& line : lines) QVERIFY2(metrics.horizontalAdvance(line) <= label->width(), qPrintable(line));
      if (lines.size() > 1) QVERIFY(metrics.lineSpacing() * lines.size() <= label->height());
    }
  }

  // Alt+S and Alt+O press the buttons once they show, not before; Enter
  // presses a button only when it has the focus.
  void accessKeysPressVisibleButtonsOnly_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("sound");
    QTest::newRow("title") << 3 << Qt::Key_S << "nirorop.wav";
    QTest::newRow("certificate") << 2 << Qt::Key_O << "";
  }
  void accessKeysPressVisibleButtonsOnly() {
    QFETCH(int, form);
    QFETCH(Qt::Key, key);
    QFETCH(QString, sound);
    zupi::test::RecordingSpeaker speaker;
    QWidget* window = Load(form);
    QPushButton* button = Button(form);
    QVERIFY(!button->isDefault() && !button->autoDefault());
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));

    zupi::IsRunning = true;
    QTest::keyClick(window, key, Qt::AltModifier);
    QTest::keyClick(window, Qt::Key_Return);
    QVERIFY(zupi::IsRunning && !button->isDown());  // a shortcut would hold it down

    button->show();
    QTest::keyClick(window, Qt::Key_Return);
    QVERIFY(zupi::IsRunning);
    QTest::keyClick(window, key, Qt::AltModifier);
    QTRY_VERIFY(!zupi::IsRunning);  // the button shows itself pressed first
    QCOMPARE(QString::fromStdString(speaker.Last()), sound);

    zupi::IsRunning = true;
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QVERIFY(!zupi::IsRunning);
  }

  // Every window's close box ends the program (mode 0, a spontaneous
  // event); a close() by code passes mode 1; either way the window goes.
  // The program's own unload raises no close request at all.
  void onlyTheUserCloseAsksToEndTheProgram_data() {
    QTest::addColumn<int>("form");
    QTest::newRow("game") << 1;
    QTest::newRow("certificate") << 2;
    QTest::newRow("title") << 3;
  }
  void onlyTheUserCloseAsksToEndTheProgram() {
    QFETCH(int, form);
    QWidget* window = Load(form);
    window->show();
    QCloseEvent byUser;
    QSpontaneKeyEvent::setSpontaneous(&byUser);
    QApplication::instance()->notify(window, &byUser);  // sendEvent clears the flag
    QVERIFY(byUser.isAccepted());
    window->close();
    QVERIFY(!window->isVisible());
    Unload(form);
    QCOMPARE(unloadModes, (std::vector<int>{zupi::kUnloadByUser, zupi::kUnloadByCode}));
  }
};

QTEST_MAIN(TitleCertificateTest)
#include "test_title_certificate.moc"

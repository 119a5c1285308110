// The windows: fixed client sizes and their title-bar buttons, each reveal
// of the title and certificate showing its own control, labels that let
// the certificate picture show between their letters, text that fits its
// label, the buttons' access keys and their lack of a default role; and
// the close request of all three windows (the close box asks, an unload
// does not).
#include <QCloseEvent>
#include <QSpontaneKeyEvent>
#include <QtTest>

#include "game/messages.h"
#include "game/zupi.h"
#include "screens/form1.h"
#include "screens/form2.h"
#include "screens/form3.h"
#include "screens/forms.h"
#include "tests/support/qt_run.h"
#include "tests/support/recorders.h"

using zupi::test::Control;

namespace {

// Counts the ends of the program that the close rule asks for.
struct Ends : zupi::EventSource {
  void DoEvents() override {}
  void HandleEventsForAPass() override {}
  void WaitForEvents() override {}
  void EndProgram() override { ++count; }
  int count = 0;
};

Ends ends;
zupi::test::RecordingSpeaker speaker;
zupi::Random random;
zupi::Forms forms(ends, speaker, random);

// The windows by number, as the game names them.
QWidget* Load(int form) {
  if (form == 1) return static_cast<Form1*>(&forms.LoadForm1());
  return form == 2 ? static_cast<QWidget*>(static_cast<Form2*>(&forms.LoadForm2()))
                   : static_cast<Form3*>(&forms.LoadForm3());
}
void Unload(int form) { form == 1 ? forms.UnloadForm1() : form == 2 ? forms.UnloadForm2() : forms.UnloadForm3(); }
QPushButton* Button(int form) { return Control<QPushButton>(Load(form), "Command1"); }

}  // namespace

class TitleCertificateTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    ends.count = 0;
    speaker.played.clear();
    speaker.stops = 0;
  }
  void cleanup() {
    for (int form : {1, 2, 3}) Unload(form);
  }

  // Each window has its fixed client area; the game window alone can be
  // minimised, none maximised.
  void windowsAreFixed_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QSize>("client");
    QTest::newRow("game") << 1 << QSize(403, 244);
    QTest::newRow("certificate") << 2 << QSize(348, 446);
    QTest::newRow("title") << 3 << QSize(402, 196);
  }
  void windowsAreFixed() {
    QFETCH(int, form);
    QFETCH(QSize, client);
    QWidget* window = Load(form);
    QCOMPARE(window->minimumSize(), client);
    QCOMPARE(window->maximumSize(), client);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(bool(flags & Qt::WindowMinimizeButtonHint), form == 1);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
  }

  // Each step of a sequence shows its own control and only that one; the
  // title's character comes from the game window's normal face.
  void revealsShowTheirOwnControl_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<int>("part");
    QTest::addColumn<QString>("control");
    QTest::newRow("title lettering") << 3 << int(zupi::TitlePart::Image2) << "Image2";
    QTest::newRow("copyright") << 3 << int(zupi::TitlePart::Label1) << "Label1";
    QTest::newRow("start button") << 3 << int(zupi::TitlePart::Command1) << "Command1";
    QTest::newRow("heading") << 2 << int(zupi::CertificatePart::Label1) << "Label1";
    QTest::newRow("title") << 2 << int(zupi::CertificatePart::Label2) << "Label2";
    QTest::newRow("text") << 2 << int(zupi::CertificatePart::Label3) << "Label3";
    QTest::newRow("OK button") << 2 << int(zupi::CertificatePart::Command1) << "Command1";
  }
  void revealsShowTheirOwnControl() {
    QFETCH(int, form);
    QFETCH(int, part);
    QFETCH(QString, control);
    QWidget* window = Load(form);
    if (form == 3) static_cast<Form3*>(window)->Reveal(zupi::TitlePart(part));
    else static_cast<Form2*>(window)->Reveal(zupi::CertificatePart(part));
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      QCOMPARE(!child->isHidden(), child->objectName() == control || child->objectName() == "Image1" ||
                                       child->objectName() == "Shape1");

    Unload(3);  // the title takes the character of the game window loaded before it
    QWidget* game = Load(1);
    auto* title = static_cast<Form3*>(&forms.LoadForm3());
    title->ShowImage1();
    QCOMPARE(Control<ImageControl>(title, "Image1")->picture().cacheKey(),
             Control<ImageControl>(game, "imgZupiSRC(0)")->picture().cacheKey());
  }

  // The heading and title are transparent: the picture shows between the
  // letters. The picture is not scaled, and pink shows below it.
  void certificatePictureShowsAroundAndBetweenTheLetters() {
    auto* form = static_cast<Form2*>(Load(2));
    form->Reveal(zupi::CertificatePart::Label2);
    const QImage shot = form->grab().toImage();
    const QImage picture = form->picture().toImage();
    int text = 0, through = 0;
    const QRect letters = Control<QWidget>(form, "Label2")->geometry();
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
    auto* form = static_cast<Form2*>(Load(2));
    form->SetLabel3(zupi::CertificateText(123));
    for (LabelControl* label : {Control<LabelControl>(form, "Label1"), Control<LabelControl>(form, "Label2"),
                                Control<LabelControl>(form, "Label3"), Control<LabelControl>(Load(3), "Label1")}) {
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

  // Every window's close box ends the program (a spontaneous event), the
  // sound silenced first; a close() by code does not; either way the
  // window goes. The program's own unload raises no close request at all.
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
    QCOMPARE(ends.count, 1);
    QCOMPARE(speaker.stops, 1);
    window->show();
    window->close();
    QVERIFY(!window->isVisible());
    Unload(form);
    QCOMPARE(ends.count, 1);
  }
};

QTEST_MAIN(TitleCertificateTest)
#include "test_title_certificate.moc"

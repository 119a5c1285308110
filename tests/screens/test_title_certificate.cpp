// The title and certificate windows: their layouts in pixels, what shows at
// load, labels that let the certificate picture show between their letters,
// text that fits its label, the buttons' access keys and their lack of a
// default role, and the close rule (the close box asks, an unload does not).
#include <QCloseEvent>
#include <QSpontaneKeyEvent>
#include <QtTest>

#include "game/messages.h"
#include "game/zupi.h"
#include "screens/form2.h"
#include "screens/form3.h"
#include "screens/query_unload.h"
#include "tests/support/recorders.h"

namespace {

std::vector<int> unloadModes;

// Both windows by number, as the game names them.
QWidget* Load(int form) { return form == 2 ? static_cast<QWidget*>(LoadForm2()) : LoadForm3(); }
void Unload(int form) { form == 2 ? UnloadForm2() : UnloadForm3(); }
QPushButton* Button(int form) { return form == 2 ? LoadForm2()->Command1 : LoadForm3()->Command1; }

QWidget* Control(int form, const QString& name) {
  if (form == 3) {
    Form3* f = LoadForm3();
    const QHash<QString, QWidget*> controls = {
        {"Image1", f->Image1}, {"Image2", f->Image2}, {"Label1", f->Label1}, {"Command1", f->Command1}};
    return controls.value(name);
  }
  Form2* f = LoadForm2();
  const QHash<QString, QWidget*> controls = {{"Shape1", f->Shape1}, {"Label1", f->Label1},
                                             {"Label2", f->Label2}, {"Label3", f->Label3},
                                             {"Command1", f->Command1}};
  return controls.value(name);
}

}  // namespace

class TitleCertificateTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { zupi::SetQueryUnloadHandler([](int mode) { unloadModes.push_back(mode); }); }
  void init() { unloadModes.clear(); }
  void cleanup() {
    UnloadForm2();
    UnloadForm3();
  }

  // Twips become whole pixels, edge by edge; a slip here misplaces a control
  // against the pictures, which are laid out to the pixel.
  void controlsSitWhereTheLayoutPutsThem_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<bool>("visible");
    QTest::newRow("title Image1") << 3 << "Image1" << QRect(0, 0, 100, 200) << true;
    QTest::newRow("title Image2") << 3 << "Image2" << QRect(104, 16, 300, 100) << false;
    QTest::newRow("title Label1") << 3 << "Label1" << QRect(168, 128, 177, 17) << false;
    QTest::newRow("title Command1") << 3 << "Command1" << QRect(272, 160, 113, 25) << false;
    QTest::newRow("cert Shape1") << 2 << "Shape1" << QRect(1, 0, 345, 401) << true;
    QTest::newRow("cert Label1") << 2 << "Label1" << QRect(16, 16, 321, 89) << false;
    QTest::newRow("cert Label2") << 2 << "Label2" << QRect(24, 264, 305, 73) << false;
    QTest::newRow("cert Command1") << 2 << "Command1" << QRect(288, 368, 49, 17) << false;
    QTest::newRow("cert Label3") << 2 << "Label3" << QRect(8, 408, 329, 33) << false;
  }
  void controlsSitWhereTheLayoutPutsThem() {
    QFETCH(int, form);
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(bool, visible);
    QWidget* control = Control(form, name);
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(control->isVisibleTo(Load(form)), visible);
  }

  // Fixed size, close button only, and a fresh layout after every unload.
  void windowsAreFixedAndReloadFromTheLayout_data() {
    QTest::addColumn<int>("form");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QColor>("background");
    QTest::newRow("title") << 3 << QSize(402, 196) << QColor(0, 0, 0);
    QTest::newRow("certificate") << 2 << QSize(348, 446) << QColor(255, 192, 255);
  }
  void windowsAreFixedAndReloadFromTheLayout() {
    QFETCH(int, form);
    QFETCH(QSize, client);
    QFETCH(QColor, background);
    QWidget* window = Load(form);
    QCOMPARE(window->minimumSize(), client);
    QCOMPARE(window->maximumSize(), window->minimumSize());
    QCOMPARE(window->palette().color(QPalette::Window), background);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!window->windowIcon().isNull());

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
    QCOMPARE(shot.pixel(3, 200), qRgb(255, 255, 255));        // the frame itself
    QCOMPARE(shot.pixel(100, 420), qRgb(255, 192, 255));       // the strip
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

  // The close box ends the program (mode 0); the program's own unload
  // raises no close request at all, and a close() by code passes mode 1.
  void onlyTheUserCloseAsksToEndTheProgram_data() {
    QTest::addColumn<int>("form");
    QTest::newRow("title") << 3;
    QTest::newRow("certificate") << 2;
  }
  void onlyTheUserCloseAsksToEndTheProgram() {
    QFETCH(int, form);
    QCloseEvent byUser;
    QSpontaneKeyEvent::setSpontaneous(&byUser);
    QApplication::instance()->notify(Load(form), &byUser);  // sendEvent clears the flag
    Load(form)->close();
    Unload(form);
    QCOMPARE(unloadModes, (std::vector<int>{zupi::kUnloadByUser, zupi::kUnloadByCode}));
  }
};

QTEST_MAIN(TitleCertificateTest)
#include "test_title_certificate.moc"

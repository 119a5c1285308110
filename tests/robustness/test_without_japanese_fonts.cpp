// The windows on a desktop without any Japanese font (CTest's fontconfig
// knows only DejaVu): every label must still draw its caption.
#include <QtTest>

#include <QFontDatabase>
#include <QFontInfo>

#include "game/messages.h"
#include "screens/fonts.h"
#include "tests/support/qt_run.h"

using namespace zupi;

namespace {

// How many pixels of the label change when its caption is taken away.
int PixelsOfText(LabelControl* label) {
  const QImage withText = label->grab().toImage();
  const QString caption = label->caption();
  label->setCaption(QString());
  const QImage blank = label->grab().toImage();
  label->setCaption(caption);
  int differing = 0;
  for (int y = 0; y < withText.height(); ++y)
    for (int x = 0; x < withText.width(); ++x) differing += withText.pixel(x, y) != blank.pixel(x, y);
  return differing;
}

}  // namespace

class WithoutJapaneseFontsTest : public QObject {
  Q_OBJECT

 private slots:
  // Guards the test itself: with a Japanese face in reach it would prove nothing.
  void initTestCase() {
    InstallFontSubstitutes();
    const QStringList families = QFontDatabase::families();
    for (const char* japanese : {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "Droid Sans Fallback"})
      QVERIFY2(!families.contains(japanese), "run through CTest, which hides the Japanese fonts");
    QVERIFY2(families.contains("DejaVu Sans"), "fonts-dejavu-core is installed");
    QVERIFY(!QFontInfo(DesignFont(QStringLiteral("ＭＳ Ｐゴシック"), 9, false)).family().isEmpty());
  }

  void everyLabelShowsItsText() {
    test::QtRun run;
    QList<LabelControl*> labels;
    for (int form : {1, 3, 2}) {
      QWidget* window = run.Load(form);
      window->show();
      labels += window->findChildren<LabelControl*>();
    }
    run.forms.form1()->SetLabel2(StageMessage(1, true));
    run.forms.form2()->SetLabel3(CertificateText(10));
    QCOMPARE(labels.size(), 7);
    for (LabelControl* label : labels) {
      label->show();
      QVERIFY(!label->caption().isEmpty());
      QVERIFY2(PixelsOfText(label) > 20, qPrintable(label->caption()));
    }
  }
};

QTEST_MAIN(WithoutJapaneseFontsTest)
#include "test_without_japanese_fonts.moc"

// The game window's layout, its GameScreen drawing and its load and unload.
#include "screens/form1.h"

#include <utility>

#include "cave/draw_cave.h"
#include "player/move_by_key.h"
#include "screens/fonts.h"
#include "screens/form_window.h"
#include "screens/pictures/picture_files.h"
#include "screens/twips.h"

using zupi::QColorOf;
using zupi::TwipsRect;

namespace {


// Creates a control of type T on `parent` at a layout rectangle (pixels).
template <typename T, typename... Args>
T* Place(QWidget* parent, const QRect& geometry, Args&&... args) {
  auto* control = new T(std::forward<Args>(args)..., parent);
  control->setGeometry(geometry);
  return control;
}

ShapeControl* Lamp(QWidget* parent, int leftTwips) {
  auto* lamp = Place<ShapeControl>(parent, TwipsRect(leftTwips, 3000, 255, 255),
                                   ShapeControl::Kind::Circle);
  lamp->setFillStyle(ShapeControl::FillStyle::Solid);
  lamp->setFillColor(QColorOf(zupi::kGreen));
  lamp->setBackStyle(BackStyle::Opaque);
  return lamp;
}

ImageControl* SourceImage(QWidget* parent, const QRect& geometry, zupi::Picture picture) {
  auto* image = Place<ImageControl>(parent, geometry);
  image->setPicture(zupi::LoadPicture(picture));
  return image;
}

}  // namespace

Form1::Form1(QWidget* parent) : FormWindow(parent) {
  zupi::SetUpForm(this, {QStringLiteral("Grotzel"), 6045, 3660, QColorOf(64),
                         zupi::TitleButtons::MinimiseAndClose});
  // Creation order is stacking order: the brown frame goes first, under
  // the board.
  Shape1 = Place<ShapeControl>(this, TwipsRect(80, 280, 4095, 2130), ShapeControl::Kind::Rectangle);
  Shape1->setBackStyle(BackStyle::Opaque);
  Shape1->setBackColor(QColorOf(16512));
  createBoard();
  createMessageAndLamps();
  createPictures();
  createTimer();
  zupi::SetGameScreen(this);
}

Form1::~Form1() {
  if (zupi::CurrentGameScreen() == this) zupi::SetGameScreen(nullptr);
}

void Form1::createBoard() {
  Picture1 = Place<BoardBox>(this, TwipsRect(120, 360, 4000, 2000));
  connect(Picture1, &BoardBox::keyDown, this,
          [](int keyCode, int) { zupi::MoveByKey(static_cast<zupi::Integer>(keyCode)); });
  Picture1->setFocus();

  imgZupiIcon = Place<ImageControl>(Picture1, TwipsRect(0, 0, 300, 300));
  imgZupiIcon->setPicture(zupi::LoadPicture(zupi::Picture::BoardIcon));

  // Created after the icon, so the message stands above it where they meet.
  lblGameOver = Place<LabelControl>(Picture1, TwipsRect(0, 720, 3975, 735));
  lblGameOver->setCaption(QStringLiteral("GAME OVER"));
  lblGameOver->setTextColor(QColorOf(255));
  lblGameOver->setFont(zupi::DesignFont(QStringLiteral("ＭＳ Ｐゴシック"), 32.25, true));
  lblGameOver->setHorizontalAlignment(Qt::AlignHCenter);
  lblGameOver->hide();
}

void Form1::createMessageAndLamps() {
  Label2 = Place<LabelControl>(this, TwipsRect(120, 2520, 1935, 975));
  Label2->setBackStyle(BackStyle::Opaque);
  Label2->setBackColor(QColorOf(4210752));
  Label2->setTextColor(QColorOf(16777215));
  Label2->setFont(zupi::DesignFont(QStringLiteral("MS UI Gothic"), 9, false));

  Label1 = Place<LabelControl>(this, TwipsRect(2400, 2760, 735, 255));
  Label1->setCaption(QStringLiteral("L I F E"));
  Label1->setTextColor(QColorOf(16777088));
  Label1->setFont(zupi::DesignFont(QStringLiteral("ＭＳ Ｐゴシック"), 9.75, true));
  Label1->setHorizontalAlignment(Qt::AlignHCenter);

  SafeLight = {Lamp(this, 2295), Lamp(this, 2595), Lamp(this, 2895)};
}

void Form1::createPictures() {
  ImgRousoku = Place<ImageControl>(this, TwipsRect(3240, 2640, 810, 810));
  ImgRousoku->setBorder(ImageControl::Border::FixedSingle);

  imgZupi = Place<ImageControl>(this, TwipsRect(4320, 360, 1500, 3000));
  imgZupi->setToolTip(QStringLiteral("霧坂 ズピ"));

  // The sources lie below the client area and are never seen; the game
  // only hands their pictures to imgZupi and ImgRousoku.
  using zupi::Picture;
  imgZupiSRC = {SourceImage(this, TwipsRect(2760, 3960, 1500, 3000), Picture::ZupiNormal),
                SourceImage(this, TwipsRect(3600, 4320, 1500, 3000), Picture::ZupiStartled),
                SourceImage(this, TwipsRect(4440, 3960, 1500, 3000), Picture::ZupiHurt),
                SourceImage(this, TwipsRect(5040, 4440, 1500, 3000), Picture::ZupiWink)};
  ImgRouSRC = {SourceImage(this, TwipsRect(240, 3960, 750, 750), Picture::CandleUnlit),
               SourceImage(this, TwipsRect(1080, 3960, 750, 750), Picture::CandleFlame),
               SourceImage(this, TwipsRect(1920, 3960, 750, 750), Picture::CandleFlameLeft)};
}

void Form1::createTimer() {
  rousokuTimer = new QTimer(this);
  rousokuTimer->setInterval(250);
  rousokuTimer->setTimerType(Qt::PreciseTimer);
  connect(rousokuTimer, &QTimer::timeout, this, [] { zupi::RousokuTimerTick(); });
  rousokuTimer->start();
}

void Form1::ShowWindow() {
  FormWindow::ShowWindow();
  Picture1->setFocus(Qt::ActiveWindowFocusReason);
}

// --- GameScreen ----------------------------------------------------------------

void Form1::SetBoardBackColor(zupi::Colour colour) { Picture1->setBackColor(QColorOf(colour)); }

void Form1::SetBoardForeColor(zupi::Colour colour) { Picture1->setForeColor(QColorOf(colour)); }

void Form1::FillBoardBox(int x1, int y1, int x2, int y2) { Picture1->fillBox(x1, y1, x2, y2); }

void Form1::FillBoardBoxIn(int x1, int y1, int x2, int y2, zupi::Colour colour) {
  Picture1->fillBox(x1, y1, x2, y2, QColorOf(colour));
}

void Form1::SetIconLeft(int twips) {
  imgZupiIcon->move(zupi::TwipsToPixels(twips), imgZupiIcon->y());
}

void Form1::SetIconTop(int twips) {
  imgZupiIcon->move(imgZupiIcon->x(), zupi::TwipsToPixels(twips));
}

void Form1::ShowZupi(int index) { imgZupi->setPicture(imgZupiSRC.at(index)->picture()); }

void Form1::ShowRousoku(int index) { ImgRousoku->setPicture(ImgRouSRC.at(index)->picture()); }

void Form1::SetSafeLight(int index, zupi::Colour colour) {
  SafeLight.at(index)->setFillColor(QColorOf(colour));
}

// --- load and unload -----------------------------------------------------------

Form1* LoadForm1() { return zupi::FormSlot<Form1>::Load(); }

Form1* LoadedForm1() { return zupi::FormSlot<Form1>::loaded; }

void UnloadForm1() { zupi::FormSlot<Form1>::Unload(); }

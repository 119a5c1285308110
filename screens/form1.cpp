// The game window's layout and what it does for the game.
#include "screens/form1.h"

#include <QAccessible>
#include <utility>

#include "cave/draw_cave.h"
#include "game/zupi.h"
#include "player/move_by_key.h"
#include "screens/accessibility.h"
#include "screens/accessible_board.h"
#include "screens/announce.h"
#include "screens/fonts.h"
#include "screens/form_window.h"
#include "screens/layouts.h"
#include "screens/pictures/picture_files.h"
#include "screens/twips.h"

using zupi::QColorOf;
using zupi::TwipsRect;

namespace {

// Creates a control of type T named `name` on `parent` at a layout
// rectangle (pixels).
template <typename T, typename... Args>
T* Place(QWidget* parent, const char* name, const QRect& geometry, Args&&... args) {
  auto* control = new T(std::forward<Args>(args)..., parent);
  control->setObjectName(QString::fromLatin1(name));
  control->setGeometry(geometry);
  return control;
}

// The layout's colours, in the 0x00BBGGRR form.
constexpr zupi::Colour kBackground = 64;         // red 64, green 0, blue 0: dark red
constexpr zupi::Colour kBoardFrame = 16512;      // red 128, green 64, blue 0: brown
constexpr zupi::Colour kGameOverText = 255;      // red 255, green 0, blue 0: red
constexpr zupi::Colour kMessageBack = 4210752;   // red 64, green 64, blue 64: dark grey
constexpr zupi::Colour kMessageText = 16777215;  // red 255, green 255, blue 255: white
constexpr zupi::Colour kLifeText = 16777088;     // red 128, green 255, blue 255: pale cyan

// What a screen reader says of the portrait's faces (imgZupiSRC 0 to 3).
const char16_t* const kFaces[] = {u"ふつう", u"びっくり", u"いたい", u"ウインク"};

ShapeControl* Lamp(QWidget* parent, const char* name, const QRect& geometry) {
  auto* lamp = Place<ShapeControl>(parent, name, geometry, ShapeControl::Kind::Circle);
  lamp->setFillStyle(ShapeControl::FillStyle::Solid);
  lamp->setFillColor(QColorOf(zupi::kGreen));
  lamp->setBackStyle(BackStyle::Opaque);
  return lamp;
}

ImageControl* SourceImage(QWidget* parent, const char* name, const QRect& geometry, zupi::Picture picture) {
  auto* image = Place<ImageControl>(parent, name, geometry);
  image->setPicture(zupi::LoadPicture(picture));
  return image;
}

}  // namespace

Form1::Form1(const zupi::FormHost& host) : FormWindow(host) {
  zupi::SetUpForm(this, {QStringLiteral("Grotzel"), zupi::kGameWindowTwips, QColorOf(kBackground),
                         zupi::TitleButtons::MinimiseAndClose});
  // Creation order is stacking order: the brown frame goes first, under
  // the board.
  Shape1 = Place<ShapeControl>(this, "Shape1", TwipsRect(80, 280, 4095, 2130), ShapeControl::Kind::Rectangle);
  Shape1->setBackStyle(BackStyle::Opaque);
  Shape1->setBackColor(QColorOf(kBoardFrame));
  createBoard();
  createMessageAndLamps();
  createPictures();
  createTimer();
}

void Form1::createBoard() {
  Picture1 = Place<BoardBox>(this, "Picture1", zupi::kBoardRect);
  // Keys count only on the shown window: the hidden one the title and the
  // certificate keep loaded holds the last game's state.
  connect(Picture1, &BoardBox::keyDown, this, [this](int keyCode) {
    if (isVisible()) zupi::MoveByKey(*this, host_.sound, static_cast<zupi::Integer>(keyCode));
  });
  Picture1->setFocus();
  Picture1->setAccessibleDescription(QStringLiteral("矢印キーで移動、Escキーでゲーム終了"));

  imgZupiIcon = Place<ImageControl>(Picture1, "imgZupiIcon", TwipsRect(0, 0, 300, 300));
  imgZupiIcon->setPicture(zupi::LoadPicture(zupi::Picture::BoardIcon));

  // Created after the icon, so the message stands above it where they meet.
  lblGameOver = Place<LabelControl>(Picture1, "lblGameOver", TwipsRect(0, 720, 3975, 735));
  lblGameOver->setCaption(QStringLiteral("GAME OVER"));
  lblGameOver->setTextColor(QColorOf(kGameOverText));
  lblGameOver->setFont(zupi::DesignFont(QStringLiteral("ＭＳ Ｐゴシック"), 32.25, true));
  lblGameOver->setHorizontalAlignment(Qt::AlignHCenter);
  lblGameOver->hide();
}

void Form1::createMessageAndLamps() {
  Label2 = Place<LabelControl>(this, "Label2", zupi::kStageMessageRect);
  Label2->setBackStyle(BackStyle::Opaque);
  Label2->setBackColor(QColorOf(kMessageBack));
  Label2->setTextColor(QColorOf(kMessageText));
  Label2->setFont(zupi::DesignFont(QStringLiteral("MS UI Gothic"), 9, false));

  Label1 = Place<LabelControl>(this, "Label1", TwipsRect(2400, 2760, 735, 255));
  Label1->setCaption(QStringLiteral("L I F E"));
  Label1->setTextColor(QColorOf(kLifeText));
  Label1->setFont(zupi::DesignFont(QStringLiteral("ＭＳ Ｐゴシック"), 9.75, true));
  Label1->setHorizontalAlignment(Qt::AlignHCenter);

  SafeLight = {Lamp(this, "SafeLight(0)", zupi::kLampRects[0]), Lamp(this, "SafeLight(1)", zupi::kLampRects[1]),
               Lamp(this, "SafeLight(2)", zupi::kLampRects[2])};
}

void Form1::createPictures() {
  ImgRousoku = Place<ImageControl>(this, "ImgRousoku", TwipsRect(3240, 2640, 810, 810));
  ImgRousoku->setBorder(ImageControl::Border::FixedSingle);
  ImgRousoku->setAccessibleName(QStringLiteral("ろうそく"));

  imgZupi = Place<ImageControl>(this, "imgZupi", TwipsRect(4320, 360, 1500, 3000));
  imgZupi->setToolTip(QStringLiteral("霧坂 ズピ"));
  imgZupi->setAccessibleName(imgZupi->toolTip());

  // The sources lie below the client area and are never seen; the game
  // only hands their pictures to imgZupi and ImgRousoku.
  using zupi::Picture;
  imgZupiSRC = {SourceImage(this, "imgZupiSRC(0)", TwipsRect(2760, 3960, 1500, 3000), Picture::ZupiNormal),
                SourceImage(this, "imgZupiSRC(1)", TwipsRect(3600, 4320, 1500, 3000), Picture::ZupiStartled),
                SourceImage(this, "imgZupiSRC(2)", TwipsRect(4440, 3960, 1500, 3000), Picture::ZupiHurt),
                SourceImage(this, "imgZupiSRC(3)", TwipsRect(5040, 4440, 1500, 3000), Picture::ZupiWink)};
  ImgRouSRC = {SourceImage(this, "ImgRouSRC(0)", TwipsRect(240, 3960, 750, 750), Picture::CandleUnlit),
               SourceImage(this, "ImgRouSRC(1)", TwipsRect(1080, 3960, 750, 750), Picture::CandleFlame),
               SourceImage(this, "ImgRouSRC(2)", TwipsRect(1920, 3960, 750, 750), Picture::CandleFlameLeft)};
}

void Form1::createTimer() {
  rousokuTimer = new QTimer(this);
  rousokuTimer->setObjectName(QStringLiteral("rousokuTimer"));
  rousokuTimer->setInterval(250);
  rousokuTimer->setTimerType(Qt::PreciseTimer);
  connect(rousokuTimer, &QTimer::timeout, this, [this] { zupi::RousokuTimerTick(*this, host_.random); });
  rousokuTimer->start();
}

const QPixmap& Form1::ZupiSource(int index) const { return imgZupiSRC.at(index)->picture(); }

void Form1::Show() {
  ShowWindow();
  Picture1->setFocus(Qt::ActiveWindowFocusReason);
}

void Form1::CenterForm() { zupi::CenterForm(*this); }

// --- GameWindow ----------------------------------------------------------------

void Form1::SetLabel2(const std::string& caption) { Label2->setCaption(QString::fromStdString(caption)); }

bool Form1::GameOverVisible() const { return !lblGameOver->isHidden(); }

void Form1::SetGameOverVisible(bool visible) { lblGameOver->setHidden(!visible); }

// The board is named by the stage; the message is spoken as one line.
void Form1::StageBegins(const std::string& stage) {
  Picture1->setAccessibleName(QString::fromStdString(stage));
  if (!QAccessible::isActive()) return;
  zupi::RenameCells(Picture1);
  zupi::Announce(this, Label2->caption().simplified());
}

void Form1::GameOver() { zupi::Announce(this, QStringLiteral("GAME OVER")); }

// --- GameScreen ----------------------------------------------------------------

void Form1::SetBoardBackColor(zupi::Colour colour) { Picture1->setBackColor(QColorOf(colour)); }

void Form1::SetBoardForeColor(zupi::Colour colour) { Picture1->setForeColor(QColorOf(colour)); }

void Form1::FillBoardBox(int x1, int y1, int x2, int y2) { Picture1->fillBox(x1, y1, x2, y2); }

void Form1::FillBoardBoxIn(int x1, int y1, int x2, int y2, zupi::Colour colour) {
  Picture1->fillBox(x1, y1, x2, y2, QColorOf(colour));
}

void Form1::SetIconLeft(int twips) { imgZupiIcon->move(zupi::TwipsToPixels(twips), imgZupiIcon->y()); }

void Form1::SetIconTop(int twips) { imgZupiIcon->move(imgZupiIcon->x(), zupi::TwipsToPixels(twips)); }

// These run inside the window's handlers, where an exception would end the
// program: an index past its control array is passed over.
template <typename Array>
static auto* Member(const Array& controls, int index) {
  return index >= 0 && index < int(controls.size()) ? controls[std::size_t(index)] : nullptr;
}

void Form1::ShowZupi(int index) {
  const ImageControl* source = Member(imgZupiSRC, index);
  if (source == nullptr) return;
  imgZupi->setPicture(source->picture());
  if (index == std::exchange(zupiFace_, index)) return;  // most steps keep the face
  imgZupi->setAccessibleName(imgZupi->toolTip() + QStringLiteral(": ") + QString::fromUtf16(kFaces[index]));
}

void Form1::ShowRousoku(int index) {
  const ImageControl* source = Member(ImgRouSRC, index);
  if (source == nullptr) return;
  ImgRousoku->setPicture(source->picture());
  const int lit = index != zupi::kCandleUnlit;
  if (lit == std::exchange(candleLit_, lit)) return;
  ImgRousoku->setAccessibleName(lit ? QStringLiteral("ろうそく: 火がついている")
                                    : QStringLiteral("ろうそく: 消えている"));
}

void Form1::SetSafeLight(int index, zupi::Colour colour) {
  if (ShapeControl* lamp = Member(SafeLight, index)) lamp->setFillColor(QColorOf(colour));
  zupi::LampsChanged(this);
}

// Only while assistive technology listens: a key costs a sighted player
// nothing more.
void Form1::KeyAnswered(zupi::KeyAnswer answer, int x, int y, int lampsLeft) {
  if (!QAccessible::isActive()) return;
  zupi::FocusCell(Picture1, x, y);
  if (answer == zupi::KeyAnswer::Bump)
    zupi::Announce(this, QStringLiteral("ぶつかった! ライフ 残り %1").arg(lampsLeft));
  else if (answer == zupi::KeyAnswer::Goal)
    zupi::Announce(this, QStringLiteral("ゴール!"));
}

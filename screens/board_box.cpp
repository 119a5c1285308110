// The board's backing image, its box filling and its keyboard.
#include "screens/board_box.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "player/move_by_key.h"
#include "screens/controls.h"
#include "screens/twips.h"

namespace {

// The game tells apart Escape and the four arrows, the keypad's arrows too
// (the same keys with the keypad modifier); every other key is kKeyOther.
// Qt's own values must not reach it: Qt::Key_Percent is 37, the left arrow.
zupi::Integer GameKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Escape: return zupi::kKeyEscape;
    case Qt::Key_Left: return zupi::kKeyLeft;
    case Qt::Key_Up: return zupi::kKeyUp;
    case Qt::Key_Right: return zupi::kKeyRight;
    case Qt::Key_Down: return zupi::kKeyDown;
    default: return zupi::kKeyOther;
  }
}

}  // namespace

BoardBox::BoardBox(QWidget* parent)
    : QWidget(parent), back_(zupi::SystemColor(QPalette::Window)), fore_(zupi::SystemColor(QPalette::WindowText)) {
  // The board is the one control of its window that takes the focus, so
  // every key of the game reaches it without a click.
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardBox::setBackColor(const QColor& colour) {
  back_ = colour;
  ensureDrawing();
  drawing_.fill(back_);
  update();
}

void BoardBox::setForeColor(const QColor& colour) { fore_ = colour; }

void BoardBox::fillBox(int x1, int y1, int x2, int y2) { fillBox(x1, y1, x2, y2, fore_); }

void BoardBox::fillBox(int x1, int y1, int x2, int y2, const QColor& colour) {
  ensureDrawing();
  // Half-open in device pixels: [left, right) x [top, bottom).
  const int left = std::clamp(deviceEdge(std::min(x1, x2)), 0, drawing_.width());
  const int right = std::clamp(deviceEdge(std::max(x1, x2)), 0, drawing_.width());
  const int top = std::clamp(deviceEdge(std::min(y1, y2)), 0, drawing_.height());
  const int bottom = std::clamp(deviceEdge(std::max(y1, y2)), 0, drawing_.height());
  const QRgb pixel = colour.rgb();
  for (int y = top; y < bottom; ++y) {
    auto* line = reinterpret_cast<QRgb*>(drawing_.scanLine(y));
    std::fill(line + left, line + right, pixel);
  }
  update();
}

// Twips to a layout pixel first, then to the device: the edge lands where
// the same position does for the board's child controls.
int BoardBox::deviceEdge(int twips) const {
  return static_cast<int>(std::lround(zupi::TwipsToPixels(twips) * devicePixelRatioF()));
}

// Keeps the backing image at the board's size in device pixels. A change of
// screen scale keeps the drawing, rescaled without smoothing.
void BoardBox::ensureDrawing() {
  const qreal ratio = devicePixelRatioF();
  const QSize device(static_cast<int>(std::lround(width() * ratio)), static_cast<int>(std::lround(height() * ratio)));
  if (drawing_.size() == device && drawing_.devicePixelRatio() == ratio) return;
  QImage fresh(device, QImage::Format_RGB32);
  fresh.fill(back_);
  if (!drawing_.isNull()) {
    QPainter painter(&fresh);
    painter.drawImage(fresh.rect(), drawing_, drawing_.rect());
  }
  fresh.setDevicePixelRatio(ratio);
  drawing_ = fresh;
}

bool BoardBox::event(QEvent* event) {
  // Tab and Shift+Tab are keys of the game here, not focus moves.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  return QWidget::event(event);
}

void BoardBox::keyPressEvent(QKeyEvent* event) {
  emit keyDown(GameKey(event->key()));
  event->accept();
}

void BoardBox::paintEvent(QPaintEvent* event) {
  ensureDrawing();
  QPainter painter(this);
  // The image carries the device pixel ratio, so it lands pixel for pixel.
  painter.setClipRegion(event->region());
  painter.drawImage(QPointF(0, 0), drawing_);
}

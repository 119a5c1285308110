// Painting and properties of the image, shape and label controls.
#include "screens/controls.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QPainter>
#include <QPainterPath>

namespace zupi {

QColor QColorOf(Colour bgr) { return QColor(RedOf(bgr), GreenOf(bgr), BlueOf(bgr)); }

QColor SystemColor(QPalette::ColorRole role) { return QApplication::palette().color(role); }

}  // namespace zupi

// --- ImageControl ------------------------------------------------------------

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void ImageControl::setPicture(const QPixmap& picture) {
  // The same picture again is the common case (a step, a dark tick): no repaint.
  if (picture.cacheKey() == picture_.cacheKey()) return;
  picture_ = picture;
  update();
}

void ImageControl::setBorder(Border border) {
  border_ = border;
  update();
}

void ImageControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Pixel art: on a scaled screen each picture pixel becomes a block of
  // screen pixels, never a blend of its neighbours.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  const int frame = borderWidth();
  if (frame > 0) qDrawWinPanel(&painter, rect(), QApplication::palette(), /*sunken=*/true);
  if (picture_.isNull()) return;
  const QRect inside = rect().adjusted(frame, frame, -frame, -frame);
  painter.setClipRect(inside);
  painter.drawPixmap(inside.topLeft(), picture_);
}

// --- ShapeControl ------------------------------------------------------------

ShapeControl::ShapeControl(Kind kind, QWidget* parent)
    : QWidget(parent),
      kind_(kind),
      back_(zupi::SystemColor(QPalette::Window)),
      border_(zupi::SystemColor(QPalette::WindowText)) {
  setFocusPolicy(Qt::NoFocus);
}

void ShapeControl::setFillColor(const QColor& colour) {
  fill_ = colour;
  update();
}

void ShapeControl::setFillStyle(FillStyle style) {
  fillStyle_ = style;
  update();
}

void ShapeControl::setBackColor(const QColor& colour) {
  back_ = colour;
  update();
}

void ShapeControl::setBackStyle(BackStyle style) {
  backStyle_ = style;
  update();
}

void ShapeControl::setBorderColor(const QColor& colour) {
  border_ = colour;
  update();
}

void ShapeControl::setBorderWidth(int pixels) {
  borderWidth_ = qMax(0, pixels);
  update();
}

QRectF ShapeControl::shapeRect() const {
  if (kind_ == Kind::Rectangle) return QRectF(rect());
  const qreal side = qMin(width(), height());
  return QRectF((width() - side) / 2.0, (height() - side) / 2.0, side, side);
}

void ShapeControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Circles are smoothed; rectangles sit on whole pixels and stay sharp.
  painter.setRenderHint(QPainter::Antialiasing, kind_ == Kind::Circle);
  const QRectF outer = shapeRect();
  QPainterPath shape;
  if (kind_ == Kind::Circle)
    shape.addEllipse(outer);
  else
    shape.addRect(outer);
  if (backStyle_ == BackStyle::Opaque) painter.fillPath(shape, back_);
  if (fillStyle_ == FillStyle::Solid) painter.fillPath(shape, fill_);
  if (borderWidth_ == 0) return;

  // The outline lies inside the bounds: the pen runs along a path inset by
  // half its width.
  const qreal half = borderWidth_ / 2.0;
  const QRectF line = outer.adjusted(half, half, -half, -half);
  QPen pen(border_, borderWidth_);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  if (kind_ == Kind::Circle)
    painter.drawEllipse(line);
  else
    painter.drawRect(line);
}

// --- LabelControl ------------------------------------------------------------

LabelControl::LabelControl(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setMargin(0);
  setIndent(0);
  setFocusPolicy(Qt::NoFocus);
  setAutoFillBackground(false);
}

void LabelControl::setCaption(const QString& caption) {
  caption_ = caption;
  QString shown = caption;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  setText(shown);
}

void LabelControl::setTextColor(const QColor& colour) { setPaletteColor(QPalette::WindowText, colour); }

void LabelControl::setBackColor(const QColor& colour) { setPaletteColor(QPalette::Window, colour); }

void LabelControl::setBackStyle(BackStyle style) {
  setAutoFillBackground(style == BackStyle::Opaque);
  update();
}

void LabelControl::setHorizontalAlignment(Qt::Alignment horizontal) {
  setAlignment((horizontal & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
}

void LabelControl::setPaletteColor(QPalette::ColorRole role, const QColor& colour) {
  QPalette colours = palette();
  // Every colour group, so the label looks the same in an inactive window.
  colours.setColor(role, colour);
  setPalette(colours);
}

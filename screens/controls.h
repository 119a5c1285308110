// The small display controls that the three windows are built from: an
// image, a shape and a label, each with the handful of properties the
// layouts set (colours, borders, alignment, transparency). None of them takes
// the keyboard focus or reacts to the mouse; the windows only set them.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

#include "game/game_screen.h"

namespace zupi {

// A colour in the layouts' 0x00BBGGRR form.
QColor QColorOf(Colour bgr);

// A colour of the desktop's scheme (window background, window text, ...).
// Taken from the application, not from a window, because a window that sets
// its own background colour would otherwise hand that to its controls.
QColor SystemColor(QPalette::ColorRole role);

}  // namespace zupi

// Whether a control paints its background or lets what lies behind show.
enum class BackStyle { Transparent, Opaque };

// An image: shows its picture at the picture's own size from the top-left
// corner, never stretched, clipped to the control. One picture pixel is one
// layout pixel, scaled without smoothing so pixel art stays crisp on any
// screen. Transparent pixels show whatever lies behind the control.
class ImageControl : public QWidget {
  Q_OBJECT

 public:
  // FixedSingle is a sunken frame two pixels wide inside the control.
  enum class Border { None, FixedSingle };

  explicit ImageControl(QWidget* parent = nullptr);

  // The picture is shared, not copied: giving one control the picture of
  // another shows the same image.
  const QPixmap& picture() const { return picture_; }
  void setPicture(const QPixmap& picture);

  void setBorder(Border border);
  int borderWidth() const { return border_ == Border::FixedSingle ? 2 : 0; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
  Border border_ = Border::None;
};

// A shape: a rectangle, or a circle centred in the control with the smaller
// side as its diameter. Background and fill are painted inside the shape
// only, then the outline on top of them, inside the control's bounds.
class ShapeControl : public QWidget {
  Q_OBJECT

 public:
  enum class Kind { Rectangle, Circle };
  enum class FillStyle { Transparent, Solid };

  explicit ShapeControl(Kind kind, QWidget* parent = nullptr);

  QColor fillColor() const { return fill_; }
  void setFillColor(const QColor& colour);
  void setFillStyle(FillStyle style);

  void setBackColor(const QColor& colour);
  void setBackStyle(BackStyle style);

  // The outline; width in pixels, 0 for none. Starts one pixel wide in the
  // desktop's window-text colour.
  void setBorderColor(const QColor& colour);
  void setBorderWidth(int pixels);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRectF shapeRect() const;

  Kind kind_;
  QColor fill_{Qt::black};
  FillStyle fillStyle_ = FillStyle::Transparent;
  QColor back_;
  BackStyle backStyle_ = BackStyle::Transparent;
  QColor border_;
  int borderWidth_ = 1;
};

// A label of fixed size. The caption is kept exactly as given, CR LF pairs
// included, and shown with every CR LF (or lone CR or LF) as a line break.
// Text is top-aligned, wraps at the label's width and is cut off at its
// bottom edge; it is always plain text, never markup.
class LabelControl : public QLabel {
  Q_OBJECT

 public:
  explicit LabelControl(QWidget* parent = nullptr);

  const QString& caption() const { return caption_; }
  void setCaption(const QString& caption);

  void setTextColor(const QColor& colour);

  void setBackColor(const QColor& colour);
  void setBackStyle(BackStyle style);

  // Qt::AlignLeft, Qt::AlignHCenter or Qt::AlignRight; the text stays at
  // the top.
  void setHorizontalAlignment(Qt::Alignment horizontal);

 private:
  void setPaletteColor(QPalette::ColorRole role, const QColor& colour);

  QString caption_;
};

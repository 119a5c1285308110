// The board: a picture box that code draws on in twips (filled boxes on a
// background colour) and that passes every key pressed on it on as the
// game's key code. The drawing lives in a backing image, so it survives
// being covered and uncovered, and the board's child controls are real
// child widgets, always painted above it and clipped at its edges.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class BoardBox : public QWidget {
  Q_OBJECT

 public:
  // Starts in the desktop's window-background colour, drawing in its
  // window-text colour, as a fresh picture box does. It has no border: the
  // whole control is drawing area, so twips count from its top-left pixel.
  explicit BoardBox(QWidget* parent = nullptr);

  // Setting the background colour wipes the drawing to that colour.
  void setBackColor(const QColor& colour);

  // The colour of a box filled without a colour of its own.
  void setForeColor(const QColor& colour);

  // Fills the box between two opposite corners, given in twips, outline and
  // inside in one colour. Every edge is rounded to a device pixel in the
  // same way, so boxes that meet in twips meet on screen without a gap and
  // without overlapping.
  void fillBox(int x1, int y1, int x2, int y2);
  void fillBox(int x1, int y1, int x2, int y2, const QColor& colour);

 signals:
  // Every key press on the board, auto-repeat included, as the game's code
  // (player/move_by_key.h): Escape, an arrow, or any other key.
  void keyDown(int keyCode);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int deviceEdge(int twips) const;
  void ensureDrawing();

  QImage drawing_;
  QColor back_;
  QColor fore_;
};

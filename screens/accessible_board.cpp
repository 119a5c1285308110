// The board's accessible table and its cells. The cells have no widgets of
// their own: each is made when assistive technology first asks for it, kept
// for as long as the board lives, and reads the cave and the icon's place
// whenever it is asked, so it never tells an old stage.
#include "screens/accessible_board.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <array>
#include <utility>

#include "cave/draw_cave.h"
#include "game/zupi.h"
#include "screens/board_box.h"
#include "screens/twips.h"

namespace zupi {
namespace {

constexpr int kCells = kBoardColumns * kBoardRows;

// The cell under the icon's top-left corner.
QPoint IconCell(const QWidget* board) {
  const auto* icon = board->findChild<QWidget*>(QStringLiteral("imgZupiIcon"));
  if (icon == nullptr) return {-1, -1};
  const int half = kCellTwips / 2;
  return {(icon->x() * kTwipsPerPixel + half) / kCellTwips, (icon->y() * kTwipsPerPixel + half) / kCellTwips};
}

QRect CellRect(const QWidget* board, int x, int y) {
  const QRect local = TwipsRect(kCellTwips * x, kCellTwips * y, kCellTwips, kCellTwips);
  return QRect(board->mapToGlobal(local.topLeft()), local.size());
}

class Cell : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  Cell(QWidget* board, int x, int y) : board_(board), x_(x), y_(y) {}

  bool isValid() const override { return !board_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board_); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !board_) return {};
    return CellName(x_, y_, IconCell(board_) == QPoint(x_, y_));
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return board_ ? CellRect(board_, x_, y_) : QRect(); }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!board_) return s;
    s.invisible = !board_->isVisible();
    s.focusable = true;
    s.focused = board_->hasFocus() && IconCell(board_) == QPoint(x_, y_);
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return x_; }
  int rowIndex() const override { return y_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<QWidget> board_;
  int x_, y_;
};

// The board: named by the stage and described by the form, children are
// the cells row by row; the board's own child controls are left out.
class Board : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  explicit Board(QWidget* board) : QAccessibleWidget(board, QAccessible::Table) {}
  ~Board() override {
    for (QAccessible::Id id : cells_)
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
  }

  QAccessibleInterface* cell(int x, int y) const {
    if (x < 0 || x >= kBoardColumns || y < 0 || y >= kBoardRows) return nullptr;
    QAccessible::Id& id = cells_[static_cast<std::size_t>(x + kBoardColumns * y)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new Cell(widget(), x, y));
    return QAccessible::accessibleInterface(id);
  }
  void renameCells() {
    for (QAccessible::Id id : cells_)
      if (id != 0) Renamed(QAccessible::accessibleInterface(id));
    focused_ = IconCell(widget());
  }
  // The focus to cell (x, y); it and the cell left say where Zupi stands.
  void focus(int x, int y) {
    QAccessibleInterface* now = cell(x, y);
    if (now == nullptr) return;
    const QPoint before = std::exchange(focused_, QPoint(x, y));
    if (before != focused_) {
      if (QAccessibleInterface* left = cell(before.x(), before.y())) Renamed(left);
      Renamed(now);
    }
    QAccessibleEvent event(now, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  }

  int childCount() const override { return kCells; }
  QAccessibleInterface* child(int i) const override { return cell(i % kBoardColumns, i / kBoardColumns); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    auto* c = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (c == nullptr || c->table() != this) return -1;
    return c->columnIndex() + kBoardColumns * c->rowIndex();
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint p = widget()->mapFromGlobal(QPoint(x, y));
    if (!widget()->rect().contains(p)) return nullptr;
    return cell(p.x() * kTwipsPerPixel / kCellTwips, p.y() * kTwipsPerPixel / kCellTwips);
  }
  QAccessibleInterface* focusChild() const override {
    if (!widget()->hasFocus()) return nullptr;
    const QPoint at = IconCell(widget());
    return cell(at.x(), at.y());
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override { return cell(column, row); }
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  int columnCount() const override { return kBoardColumns; }
  int rowCount() const override { return kBoardRows; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}

 private:
  static void Renamed(QAccessibleInterface* cell) {
    QAccessibleEvent event(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }

  mutable std::array<QAccessible::Id, kCells> cells_{};
  QPoint focused_{-1, -1};
};

Board* BoardOf(QWidget* board) { return dynamic_cast<Board*>(QAccessible::queryAccessibleInterface(board)); }

}  // namespace

QString CellName(int x, int y, bool standing) {
  QString name = QStringLiteral("%1行%2列").arg(y + 1).arg(x + 1);
  switch (SightOf(x, y)) {
    case Sight::Unseen: return name;
    case Sight::Rock: return name + QStringLiteral("、岩");
    case Sight::Goal: name += QStringLiteral("、ゴール"); break;
    case Sight::Passage:
      if (!standing) name += QStringLiteral("、通路");
      break;
  }
  if (!standing || IsDark) return name;
  // What lies beside Zupi; the board's edges go unsaid.
  QString passage, rock;
  const struct {
    int dx, dy;
    const char16_t* word;
  } sides[] = {{0, -1, u" 上"}, {0, 1, u" 下"}, {-1, 0, u" 左"}, {1, 0, u" 右"}};
  for (const auto& side : sides) {
    const int nx = x + side.dx, ny = y + side.dy;
    if (nx < 0 || nx >= kBoardColumns || ny < 0 || ny >= kBoardRows) continue;
    (SightOf(nx, ny) == Sight::Rock ? rock : passage) += QString::fromUtf16(side.word);
  }
  if (!passage.isEmpty()) name += QStringLiteral("、通路:") + passage;
  if (!rock.isEmpty()) name += QStringLiteral("、岩:") + rock;
  return name;
}

QAccessibleInterface* BoardAccessible(QObject* object) {
  auto* board = qobject_cast<BoardBox*>(object);
  return board ? new Board(board) : nullptr;
}

void FocusCell(QWidget* board, int x, int y) {
  if (Board* table = BoardOf(board)) table->focus(x, y);
}

void RenameCells(QWidget* board) {
  if (Board* table = BoardOf(board)) table->renameCells();
}

}  // namespace zupi

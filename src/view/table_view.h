// The table on screen: draws the slots' images from the model and turns the mouse into drags and peeks, and
// the keys into keyboard play (TableKeys).
#pragma once

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QRegion>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "interaction/interaction.h"
#include "interaction/layout.h"
#include "table/table.h"
#include "view/card_pictures.h"
#include "view/table_keys.h"

namespace vantrel {

// The colour of the bare table, behind the cards and around them.
inline constexpr QRgb kTableGreen = qRgb(0, 128, 0);

class TableView : public QWidget {
  Q_OBJECT

 public:
  // How the view runs a handler of the game. The window wraps each one: errors shown, controls brought up
  // to date. The default runs it and then Sync().
  using Runner = std::function<void(const std::function<void()>&)>;

  // A pointer position that is neither a slot image nor the bare table: another control or outside.
  static constexpr int kElsewhere = -2;

  TableView(Table& table, Interaction& interaction, const CardPictures& pictures, QWidget* parent = nullptr);

  void SetRunner(Runner runner) { run_ = std::move(runner); }
  // Called once, at the end of the table's first paint: what the start leaves until the table is on screen.
  void SetOnFirstPaint(std::function<void()> then) { on_first_paint_ = std::move(then); }
  // The window's outer height changed: the reserve row follows its bottom edge.
  void SetWindowHeight(int window_height);
  const Layout& layout() const { return layout_; }

  // Brings the screen up to date with the model: schedules a repaint of exactly the images whose look
  // changed since the last call (their old and new places), and returns that region.
  QRegion Sync();

  // The smallest size that shows every visible image (the scroll range).
  QSize Extent() const;

  bool dragging() const { return drag_source_ >= 0; }
  // Ends a drag under way without a drop, as a release nowhere would. Every command that may change the table
  // calls it first, so a drop never lands on a table that changed under the drag.
  void EndDragWithoutDrop();
  // What lies under the global point: a slot, kBareTable or kElsewhere.
  int TargetAt(const QPoint& global) const;
  // The cursor id the pointer shows at the global point while the current drag is under way.
  int DragCursorAt(const QPoint& global) const;

  const Table& table() const { return table_; }
  const TableKeys& keys() const { return keys_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Keyboard play (TableKeys) takes the play keys; the focus changes draw nothing of their own.
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // What an image looked like when last drawn.
  struct Drawn {
    QRect rect;
    bool shown = false;  // visible with a picture
    int picture = kNoPicture;
    bool transparent = true;
    std::int64_t z = 0;
    bool operator==(const Drawn&) const = default;
  };
  Drawn Look(int slot) const;
  QRect RectOf(int slot) const;

  void Run(const std::function<void()>& handler);
  // Schedules the repaint of `region` (a little more on screens of fractional scales).
  void Repaint(const QRegion& region);
  // The region, grown where the screen's scale is fractional, so that every picture touching its pixels
  // counts as touching it.
  QRegion ScreenRounded(const QRegion& region) const;
  // A left-button press on the card of `slot` begins a drag.
  void StartDrag(int slot, const QMouseEvent& press);
  void EndDrag(const QPoint& global);
  void CancelDrag();
  void MoveGhost(const QPoint& pos);
  QRect GhostRect() const;
  void ShowHoverCursor(const QPoint& pos);

  Table& table_;
  Interaction& interaction_;
  const CardPictures& pictures_;
  Runner run_;
  Layout layout_;
  std::array<Drawn, kSlotCount> drawn_{};

  int drag_source_ = -1;
  QPoint press_pos_;
  // The dragged card and its riders, drawn following the pointer once it has moved a little. It is only a
  // picture: where a drop lands is decided by the model's images under the pointer.
  std::vector<int> ghost_;
  QPoint ghost_offset_;
  QRect ghost_rect_;       // where the group lay when the drag began
  QPixmap ghost_picture_;  // the group drawn once at the start of the drag
  bool ghost_shown_ = false;
  bool painted_ = false;  // the first paint is over
  std::function<void()> on_first_paint_;

  TableKeys keys_;
};

}  // namespace vantrel

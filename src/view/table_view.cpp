// Painting the table in stacking order and feeding mouse input to the player's handlers.
#include "view/table_view.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/startup_marks.h"
#include "platform_qt/cursors.h"
#include "view/accessible_table.h"

namespace vantrel {
namespace {

constexpr double kGhostOpacity = 0.7;

// Whether the slot shows a picture: visible, with a face or the back.
bool ShowsPicture(const Card& card, const Image& image) {
  return image.visible && card.picture >= 0 && card.picture <= kBackPicture;
}

MouseButton ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return MouseButton::kLeft;
    case Qt::RightButton:
      return MouseButton::kRight;
    default:
      return MouseButton::kMiddle;
  }
}

}  // namespace

TableView::TableView(Table& table, Interaction& interaction, const CardPictures& pictures, QWidget* parent)
    : QWidget(parent),
      table_(table),
      interaction_(interaction),
      pictures_(pictures),
      keys_(*this, table, layout_, interaction,
            [this](const std::function<void()>& handler) { Run(handler); }) {
  setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel is painted: the green, then the images
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);  // the keys of keyboard play
  accessible::Install();
  for (int i = 0; i < kSlotCount; ++i) drawn_[static_cast<std::size_t>(i)] = Look(i);
  run_ = [this](const std::function<void()>& handler) {
    handler();
    Sync();
  };
}

void TableView::SetWindowHeight(int window_height) {
  layout_ = Layout(window_height);
  Sync();
}

QRect TableView::RectOf(int slot) const {
  const SlotPlace place = layout_.PlaceOf(table_, slot);
  const Image& image = table_.images[slot];
  return QRect(place.left, place.top, image.width, image.height);
}

TableView::Drawn TableView::Look(int slot) const {
  const Card card = table_.card(slot);
  const Image& image = table_.images[slot];
  Drawn look;
  look.shown = ShowsPicture(card, image);
  if (!look.shown) return look;  // an image that draws nothing looks the same wherever it lies
  look.rect = RectOf(slot);
  look.picture = card.picture;
  look.transparent = image.transparent;
  look.z = image.z;
  return look;
}

QRegion TableView::Sync() {
  QRegion dirty;
  for (int i = 0; i < kSlotCount; ++i) {
    Drawn& before = drawn_[static_cast<std::size_t>(i)];
    const Drawn now = Look(i);
    if (now == before) continue;
    if (before.shown) dirty += before.rect;
    if (now.shown) dirty += now.rect;
    before = now;
  }
  const QSize extent = Extent();
  if (minimumSize() != extent) setMinimumSize(extent);
  if (!dirty.isEmpty()) Repaint(dirty);
  keys_.Synced();
  return dirty;
}

QSize TableView::Extent() const {
  int right = 0;
  int bottom = 0;
  for (int i = 0; i < kSlotCount; ++i) {
    const Image& image = table_.images[i];
    if (!image.visible) continue;
    const SlotPlace place = layout_.PlaceOf(table_, i);
    right = std::max(right, place.left + image.width);
    bottom = std::max(bottom, place.top + image.height);
  }
  return QSize(right, bottom);
}

void TableView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRegion region = ScreenRounded(event->region());
  const double ratio = devicePixelRatioF();
  // Qt's painter never draws less than a screen pixel for a pixel of the table: on a screen scaled below 1
  // the table is scaled down here, the bitmaps smoothly.
  if (ratio < 1) painter.scale(ratio, ratio);
  painter.fillRect(event->rect(), QColor(kTableGreen));
  pictures_.Prepare(PixelRatio{ratio});
  // A screen between the scales the art is drawn at shrinks the next larger pictures smoothly.
  if (ratio != 1 && (ratio < 1 || SharpScaleFor(ratio) != ratio)) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
  }
  // Qt blends a picture in one pass only where the painting is clipped to a rectangle: under a region of many
  // (what a deal repaints) it hands each picture's rows to its worker threads and waits for them, which
  // costs more than the picture. At whole scales a picture's rectangle is whole screen pixels, so clipping
  // each picture to it draws the very same pixels.
  const bool clip_each = ratio >= 1 && ratio == std::floor(ratio);
  for (int slot : table_.StackingOrder()) {
    const Card card = table_.card(slot);
    const Image& image = table_.images[slot];
    if (!ShowsPicture(card, image)) continue;
    const QRect rect = RectOf(slot);
    if (!region.intersects(rect)) continue;
    if (clip_each) painter.setClipRect(rect);
    // Drawn without transparency, the picture shows its transparent colour too.
    if (!image.transparent) painter.fillRect(rect, QColor::fromRgb(kTransparentColour));
    pictures_.Draw(painter, rect.topLeft(), card.picture, PixelRatio{ratio});
  }
  painter.setClipping(false);
  if (ghost_shown_) {
    painter.setOpacity(kGhostOpacity);
    painter.drawPixmap(ghost_rect_.topLeft() + ghost_offset_, ghost_picture_);
  }
  keys_.Paint(painter);
  if (!painted_) {
    painted_ = true;
    platform::StartupMark("first paint");
    if (on_first_paint_) on_first_paint_();
  }
}

void TableView::Run(const std::function<void()>& handler) { run_(handler); }

void TableView::Repaint(const QRegion& region) {
  // Below scale 1 Qt's own rounding of a part of the table to the screen's pixels loses rows: it is all
  // repainted.
  if (devicePixelRatioF() < 1) {
    update();
    return;
  }
  update(ScreenRounded(region));
}

QRegion TableView::ScreenRounded(const QRegion& region) const {
  // On a screen of a fractional scale a picture's edge falls on a pixel it shares with its neighbour, which
  // a region rounded to the screen's pixels may count to one side only: there the region grows by a pixel
  // all round.
  const double ratio = devicePixelRatioF();
  if (ratio == std::floor(ratio)) return region;
  QRegion grown;
  for (const QRect& rect : region) grown += rect.adjusted(-1, -1, 1, 1);
  return grown;
}

int TableView::TargetAt(const QPoint& global) const {
  const QWidget* top = window();
  const QPoint in_window = top->mapFromGlobal(global);
  if (!top->rect().contains(in_window)) return kElsewhere;
  const QWidget* under = top->childAt(in_window);
  if (under == nullptr) under = top;
  if (under != this) return kElsewhere;  // the label, the button, the status bar, the menu
  const int slot = layout_.SlotAt(table_, mapFromGlobal(global).x(), mapFromGlobal(global).y());
  return slot >= 0 ? slot : kBareTable;
}

int TableView::DragCursorAt(const QPoint& global) const {
  const int target = TargetAt(global);
  if (target == kElsewhere) return kCursorNoDrop;
  return interaction_.DragCursor({.moved = drag_source_, .target = target});
}

void TableView::mousePressEvent(QMouseEvent* event) {
  keys_.MousePressed();
  const QPoint pos = event->position().toPoint();
  const int slot = layout_.SlotAt(table_, pos.x(), pos.y());
  if (!IsCardSlot(slot)) return;  // the bare table and the blank spots answer no press
  if (event->button() == Qt::LeftButton) {
    if (!dragging()) StartDrag(slot, *event);
    return;
  }
  if (dragging()) return;
  const MouseButton button = ButtonOf(event->button());
  Run([&] { interaction_.ButtonPressed(slot, button); });
}

void TableView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (!dragging()) {
    ShowHoverCursor(pos);
    return;
  }
  if (!(event->buttons() & Qt::LeftButton)) {
    // The release never reached us (the pointer grab was taken away): the drag ends without a drop.
    CancelDrag();
    ShowHoverCursor(pos);
    return;
  }
  QGuiApplication::changeOverrideCursor(
      platform::CursorTable::Screen().Get(DragCursorAt(event->globalPosition().toPoint())));
  MoveGhost(pos);
}

void TableView::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint global = event->globalPosition().toPoint();
  if (event->button() == Qt::LeftButton) {
    if (dragging()) EndDrag(global);
    ShowHoverCursor(event->position().toPoint());
    return;
  }
  // A release ends a peek over a card image or over the bare table; a blank spot or another control
  // has no release handler.
  const int target = TargetAt(global);
  if (target == kBareTable || IsCardSlot(target)) {
    const MouseButton button = ButtonOf(event->button());
    Run([&] { interaction_.ButtonReleased(button); });
  }
}

void TableView::StartDrag(int slot, const QMouseEvent& press) {
  drag_source_ = slot;
  press_pos_ = press.position().toPoint();
  Run([&] { interaction_.StartDrag(slot); });
  ghost_.assign(1, slot);
  for (int rider : table_.CardsAbove(slot)) ghost_.push_back(rider);
  ghost_offset_ = QPoint();
  ghost_shown_ = false;
  // The group is drawn once, opaque, so the translucent copy that follows the pointer shows each card
  // only once, the way the column shows them.
  ghost_rect_ = QRect();
  for (int s : ghost_) ghost_rect_ |= RectOf(s);
  // Drawn in the screen's own pixels, from the pictures made for them (below scale 1 in the table's, which
  // the painting scales down).
  const double ratio = std::max(1.0, devicePixelRatioF());
  ghost_picture_ = QPixmap(ghost_rect_.size() * ratio);
  ghost_picture_.setDevicePixelRatio(ratio);
  ghost_picture_.fill(Qt::transparent);
  QPainter painter(&ghost_picture_);
  std::vector<int> order = ghost_;
  std::sort(order.begin(), order.end(),
            [this](int a, int b) { return table_.images[a].z < table_.images[b].z; });
  for (int s : order) {
    const Card card = table_.card(s);
    if (!ShowsPicture(card, table_.images[s])) continue;
    pictures_.Draw(painter, RectOf(s).topLeft() - ghost_rect_.topLeft(), card.picture, PixelRatio{ratio});
  }
  QGuiApplication::setOverrideCursor(
      platform::CursorTable::Screen().Get(DragCursorAt(press.globalPosition().toPoint())));
}

void TableView::EndDragWithoutDrop() {
  if (dragging()) CancelDrag();
  keys_.PutBack();
}

void TableView::keyPressEvent(QKeyEvent* event) {
  if (dragging()) {
    // Esc ends a mouse drag without a drop; the release that follows drops nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
      CancelDrag();
      ShowHoverCursor(mapFromGlobal(QCursor::pos()));
      return;
    }
    QWidget::keyPressEvent(event);
    return;
  }
  if (!keys_.KeyPress(*event)) QWidget::keyPressEvent(event);
}

void TableView::focusInEvent(QFocusEvent*) { keys_.FocusIn(); }

void TableView::focusOutEvent(QFocusEvent*) {}

void TableView::CancelDrag() {
  if (ghost_shown_) Repaint(GhostRect());
  ghost_shown_ = false;
  ghost_.clear();
  drag_source_ = -1;
  QGuiApplication::restoreOverrideCursor();
  Run([&] { interaction_.EndDrag(); });
}

void TableView::EndDrag(const QPoint& global) {
  const Drop drop{.moved = drag_source_, .target = TargetAt(global)};
  // The drop is made only where the pointer showed acceptance; the bare table has no drop handler.
  const bool dropped = drop.target >= 0 && interaction_.OffersDrop(drop);
  if (ghost_shown_) Repaint(GhostRect());
  ghost_shown_ = false;
  ghost_.clear();
  drag_source_ = -1;
  QGuiApplication::restoreOverrideCursor();
  if (dropped) Run([&] { interaction_.DropCard(drop); });
  Run([&] { interaction_.EndDrag(); });
}

QRect TableView::GhostRect() const { return ghost_rect_.translated(ghost_offset_); }

void TableView::MoveGhost(const QPoint& pos) {
  const QPoint offset = pos - press_pos_;
  if (!ghost_shown_ && offset.manhattanLength() < QApplication::startDragDistance()) return;
  const QRect before = ghost_shown_ ? GhostRect() : QRect();
  ghost_offset_ = offset;
  ghost_shown_ = true;
  Repaint(QRegion(before) + GhostRect());
}

void TableView::ShowHoverCursor(const QPoint& pos) {
  const int slot = layout_.SlotAt(table_, pos.x(), pos.y());
  const int id = slot >= 0 ? table_.images[slot].cursor : kCursorDefault;
  setCursor(platform::CursorTable::Screen().Get(id));
}

}  // namespace vantrel

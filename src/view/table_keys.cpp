// Keys, the focus frame and the scroll area's following of it.
#include "view/table_keys.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPen>
#include <QScrollArea>
#include <QWidget>

#include "view/accessible_table.h"

namespace vantrel {
namespace {

// The frame lies this far outside the cards it surrounds: within the gap between two columns.
constexpr int kFrameGap = 3;
// What a repaint of the frame covers beyond its line's middle.
constexpr int kFrameReach = kFrameGap + 3;

constexpr std::pair<int, PlayKey> kPlayKeys[] = {
    {Qt::Key_Up, PlayKey::kUp},
    {Qt::Key_Down, PlayKey::kDown},
    {Qt::Key_Left, PlayKey::kLeft},
    {Qt::Key_Right, PlayKey::kRight},
    {Qt::Key_Space, PlayKey::kPickOrDrop},
    {Qt::Key_Return, PlayKey::kPickOrDrop},
    {Qt::Key_Enter, PlayKey::kPickOrDrop},
    {Qt::Key_Escape, PlayKey::kPutBack},
};

bool ToPlayKey(const QKeyEvent& event, PlayKey& key) {
  // The menus' shortcuts and accelerators all carry Ctrl, Alt or a function key: these keys are free.
  if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  for (const auto& [qt_key, play_key] : kPlayKeys) {
    if (event.key() == qt_key) {
      key = play_key;
      return true;
    }
  }
  return false;
}

// A line in the table's colours: white, edged in black so that it shows on the green and on a card alike.
void DrawFrame(QPainter& painter, const QRect& rect, Qt::PenStyle style, qreal width) {
  const QRectF line = QRectF(rect).adjusted(-kFrameGap, -kFrameGap, kFrameGap, kFrameGap);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, width + 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.drawRect(line);
  painter.setPen(QPen(Qt::white, width, style, Qt::FlatCap, Qt::MiterJoin));
  painter.drawRect(line);
}

}  // namespace

TableKeys::TableKeys(QWidget& view, const Table& table, const Layout& layout, Interaction& interaction,
                     Runner run)
    : view_(view), table_(table), layout_(layout), play_(table, interaction), run_(std::move(run)) {}

bool TableKeys::KeyPress(const QKeyEvent& event) {
  PlayKey key{};
  if (!ToPlayKey(event, key)) return false;
  bool used = false;
  run_([&] { used = play_.Press(key); });
  return used;
}

void TableKeys::MousePressed() {
  if (play_.shown()) run_([this] { play_.Hide(); });
}

void TableKeys::PutBack() {
  if (play_.held() >= 0) run_([this] { play_.PutBack(); });
}

void TableKeys::Synced() {
  if (!play_.shown() && drawn_.focus.isNull() && !accessible::Active()) return;
  play_.Resolve();
  const Look now = CurrentLook();
  const bool appeared = drawn_.focus.isNull() && !now.focus.isNull();
  if (!(now == drawn_)) {
    QRegion dirty;
    for (const QRect& rect : {drawn_.focus, drawn_.held, now.focus, now.held}) {
      if (!rect.isNull()) dirty += rect.adjusted(-kFrameReach, -kFrameReach, kFrameReach, kFrameReach);
    }
    drawn_ = now;
    // Below scale 1 Qt loses rows of a partial repaint (see TableView::Repaint): all of it then.
    view_.update(view_.devicePixelRatioF() < 1 ? QRegion(view_.rect()) : dirty);
  }
  const bool moved = play_.focus() != reported_focus_;
  reported_focus_ = play_.focus();
  if ((moved || appeared) && !now.focus.isNull()) FollowFocus(now.focus);
  // A reader hears of the focus from the moment it shows.
  accessible::TableChanged(view_, moved || appeared);
}

void TableKeys::FocusIn() { accessible::FocusIn(view_); }

void TableKeys::FollowFocus(const QRect& group) const {
  // The scroll area shows the whole focused group if it can, and its first card in any case.
  for (QWidget* up = view_.parentWidget(); up != nullptr; up = up->parentWidget()) {
    if (auto* area = qobject_cast<QScrollArea*>(up)) {
      const QRect reach = group.adjusted(-kFrameReach, -kFrameReach, kFrameReach, kFrameReach);
      area->ensureVisible(reach.center().x(), reach.bottom(), reach.width() / 2, 0);
      area->ensureVisible(reach.center().x(), reach.top(), reach.width() / 2, 0);
      return;
    }
  }
}

QRect TableKeys::GroupRect(int slot) const {
  if (slot < 0) return {};
  if (IsBlankSpot(slot)) {
    // An empty column: where a King dropped there lands.
    return QRect(ColumnLeft(slot - kBlankFirst + 1), kHeadTop, kCardWidth, kCardHeight);
  }
  QRect rect;
  for (int s : Group(table_, slot)) {
    const SlotPlace place = layout_.PlaceOf(table_, s);
    const Image& image = table_.images[s];
    rect |= QRect(place.left, place.top, image.width, image.height);
  }
  return rect;
}

TableKeys::Look TableKeys::CurrentLook() const {
  Look look;
  if (!play_.shown() || play_.focus() < 0) return look;
  look.focus = GroupRect(play_.focus());
  if (play_.held() >= 0) {
    look.refused = !play_.FocusTakesDrop();
    look.held = GroupRect(play_.held());
  }
  return look;
}

void TableKeys::Paint(QPainter& painter) const {
  if (drawn_.focus.isNull()) return;
  painter.save();
  painter.setOpacity(1);
  if (!drawn_.held.isNull() && drawn_.held != drawn_.focus) DrawFrame(painter, drawn_.held, Qt::DotLine, 1);
  DrawFrame(painter, drawn_.focus, drawn_.refused ? Qt::DashLine : Qt::SolidLine, 2);
  painter.restore();
}

}  // namespace vantrel

// The accessible interfaces of the table on screen and of its places, and the events they send.
#include "view/accessible_table.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "interaction/table_places.h"
#include "view/table_view.h"

namespace vantrel::accessible {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// One place of the table: a card or an empty column's spot. It has no object of its own; it reads the
// table through the view, and stays valid as long as the view lives.
class AccessiblePlace : public QAccessibleInterface {
 public:
  AccessiblePlace(TableView* view, int slot) : view_(view), slot_(slot) {}

  bool isValid() const override { return !view_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(view_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return QAccessible::ListItem; }

  QString text(QAccessible::Text kind) const override {
    if (!view_) return {};
    const TablePlaces places(view_->table());
    // Only these two: nothing else of a card is ever told, so a face-down card's identity is in neither.
    if (kind == QAccessible::Name) return Text(places.Name(slot_));
    if (kind == QAccessible::Description) return Text(places.Description(slot_));
    return {};
  }

  QRect rect() const override {
    if (!view_) return {};
    const Table& table = view_->table();
    const SlotPlace place = view_->layout().PlaceOf(table, slot_);
    const Image& image = table.images[slot_];
    QRect shown(place.left, place.top, image.width, image.height);
    if (IsBlankSpot(slot_)) shown = QRect(place.left, kHeadTop, kCardWidth, kCardHeight);
    // A covered card shows its strip only.
    else if (!table.CardsAbove(slot_).empty())
      shown.setHeight(kRowStep);
    return QRect(view_->mapToGlobal(shown.topLeft()), shown.size());
  }

  QAccessible::State state() const override {
    QAccessible::State state;
    if (!view_) {
      state.invalid = true;
      return state;
    }
    const Table& table = view_->table();
    const KeyboardPlay& play = view_->keys().play();
    state.focusable = true;
    state.selectable = true;
    state.focused = play.shown() && play.focus() == slot_ && view_->hasFocus();
    if (play.held() >= 0) {
      const std::vector<int> held = Group(table, play.held());
      state.selected = std::find(held.begin(), held.end(), slot_) != held.end();
    }
    if (!TablePlaces(table).Contains(slot_)) state.invisible = true;
    return state;
  }

 private:
  QPointer<TableView> view_;
  int slot_;
};

// The table: a list of its places in reading order (the columns, then the reserve row).
class AccessibleTable : public QAccessibleWidget {
 public:
  explicit AccessibleTable(TableView* view) : QAccessibleWidget(view, QAccessible::List) {}
  ~AccessibleTable() override {
    for (QAccessible::Id id : ids_) {
      if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return QCoreApplication::translate("Screen reader", "Table");
    if (kind == QAccessible::Description) {
      return QCoreApplication::translate("Screen reader",
                                         "Arrow keys choose a card, Space or Enter picks it up and puts it "
                                         "down, Escape puts it back");
    }
    return QAccessibleWidget::text(kind);
  }
  int childCount() const override { return static_cast<int>(Places().size()); }
  QAccessibleInterface* child(int index) const override {
    const std::vector<int> places = Places();
    if (index < 0 || index >= static_cast<int>(places.size())) return nullptr;
    return Place(places[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const std::vector<int> places = Places();
    for (std::size_t i = 0; i < places.size(); ++i) {
      if (Place(places[i]) == child) return static_cast<int>(i);
    }
    return -1;
  }
  QAccessibleInterface* focusChild() const override {
    const int focus = ShownFocus();
    return focus >= 0 ? Place(focus) : nullptr;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = view()->mapFromGlobal(QPoint(x, y));
    const Table& table = view()->table();
    const Layout& layout = view()->layout();
    int slot = layout.SlotAt(table, at.x(), at.y());
    // Over an empty column the blank spot answers, as a drop there would land.
    for (int blank = kBlankFirst; slot < 0 && blank < kSlotCount; ++blank) {
      if (layout.Covers(table, blank, at.x(), at.y())) slot = blank;
    }
    return slot >= 0 && TablePlaces(table).Contains(slot) ? Place(slot) : nullptr;
  }

  // Reports what changed since the last call.
  void Changed(bool focus_moved) {
    const Table& table = view()->table();
    const TablePlaces places(table);
    const KeyboardPlay& play = view()->keys().play();
    const std::vector<int> held = play.held() >= 0 ? Group(table, play.held()) : std::vector<int>();
    bool reordered = false;
    for (int slot = 0; slot < kSlotCount; ++slot) {
      Heard now;
      now.place = places.Contains(slot);
      if (now.place) {
        now.name = places.Name(slot);
        now.description = places.Description(slot);
        now.selected = std::find(held.begin(), held.end(), slot) != held.end();
      }
      Heard& before = heard_[static_cast<std::size_t>(slot)];
      if (now.place != before.place) reordered = true;
      if (now.place && before.place) {
        if (now.name != before.name) Send(slot, QAccessible::NameChanged);
        if (now.description != before.description) Send(slot, QAccessible::DescriptionChanged);
        if (now.selected != before.selected) {
          Send(slot, now.selected ? QAccessible::SelectionAdd : QAccessible::SelectionRemove);
        }
      }
      before = std::move(now);
    }
    if (reordered) {
      QAccessibleEvent event(view(), QAccessible::ObjectReorder);
      QAccessible::updateAccessibility(&event);
    }
    if (focus_moved) SendFocus();
  }

  void SendFocus() const {
    if (const int focus = ShownFocus(); focus >= 0) Send(focus, QAccessible::Focus);
  }

  // The focused place, told only while the table has the keyboard and the frame shows it (until the first
  // arrow no place has the focus: a key that a reader was told would move it always does), or -1.
  int ShownFocus() const {
    const KeyboardPlay& play = view()->keys().play();
    return view()->hasFocus() && play.shown() ? play.focus() : -1;
  }

 private:
  struct Heard {
    bool place = false;
    std::string name;
    std::string description;
    bool selected = false;
  };

  TableView* view() const { return static_cast<TableView*>(widget()); }
  std::vector<int> Places() const { return TablePlaces(view()->table()).All(); }
  // The interface of a slot's place, made when first asked for and kept (Qt's cache owns it, by its id).
  QAccessibleInterface* Place(int slot) const {
    QAccessible::Id& id = ids_[static_cast<std::size_t>(slot)];
    if (id == 0) id = QAccessible::registerAccessibleInterface(new AccessiblePlace(view(), slot));
    return QAccessible::accessibleInterface(id);
  }
  void Send(int slot, QAccessible::Event type) const {
    QAccessibleEvent event(Place(slot), type);
    QAccessible::updateAccessibility(&event);
  }

  mutable std::array<QAccessible::Id, kSlotCount> ids_{};
  std::array<Heard, kSlotCount> heard_{};
};

QAccessibleInterface* TableFactory(const QString& key, QObject* object) {
  auto* view = qobject_cast<TableView*>(object);
  if (view == nullptr || key != QLatin1String(TableView::staticMetaObject.className())) return nullptr;
  return new AccessibleTable(view);
}

AccessibleTable* InterfaceOf(QWidget& view) {
  return dynamic_cast<AccessibleTable*>(QAccessible::queryAccessibleInterface(&view));
}

}  // namespace

bool Active() { return QAccessible::isActive(); }

void Install() {
  static const bool installed = [] {
    QAccessible::installFactory(TableFactory);
    return true;
  }();
  (void)installed;
}

void FocusIn(QWidget& view) {
  if (!Active()) return;
  // Qt announces the table itself once its focus handling is done; the place is told after that.
  QTimer::singleShot(0, &view, [&view] {
    if (AccessibleTable* table = InterfaceOf(view)) table->SendFocus();
  });
}

void TableChanged(QWidget& view, bool focus_moved) {
  if (!Active()) return;
  if (AccessibleTable* table = InterfaceOf(view)) table->Changed(focus_moved);
}

}  // namespace vantrel::accessible

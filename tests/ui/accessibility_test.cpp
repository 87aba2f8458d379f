// The game as assistive technology reads it: every interface of a dealt table walked, no face-down card's
// identity anywhere in it, the cards as the places of keyboard play with their names, column and row, focus
// and selection, and the hidden cheat item nowhere. (The events a reader hears are read through the desktop's
// accessibility bus, tests/e2e/accessibility_bus_test.py: Qt's offscreen platform has no bridge to send
// them.)
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>
#include <set>
#include <vector>

#include "ui_support.h"
#include "view/table_view.h"

namespace vantrel::uitest {
namespace {

// What a card is called, written out here as a reader would say it.
std::string Spoken(const Card& card) {
  static const char* const ranks[] = {"Ace",   "Two",  "Three", "Four", "Five",  "Six", "Seven",
                                      "Eight", "Nine", "Ten",   "Jack", "Queen", "King"};
  static const char* const suits[] = {"Spades", "Clubs", "Diamonds", "Hearts"};
  return std::string(ranks[card.number - 1]) + " of " + suits[card.suit - 1];
}

// Every text of every interface under `iface`, and of whatever its relations name.
void Walk(QAccessibleInterface* iface, std::set<QAccessibleInterface*>& seen, QStringList& texts) {
  if (iface == nullptr || !seen.insert(iface).second) return;
  for (int kind = QAccessible::Name; kind <= QAccessible::DebugDescription; ++kind) {
    texts << iface->text(static_cast<QAccessible::Text>(kind));
  }
  for (const auto& relation : iface->relations()) Walk(relation.first, seen, texts);
  for (int i = 0; i < iface->childCount(); ++i) Walk(iface->child(i), seen, texts);
}

TEST(Accessibility, ADealtTableShowsItsCardsAndNeverAFaceDownCardsIdentity) {
  Window w;
  w.Deal();
  Table& t = w.table();
  TableView& view = *Find<TableView>(*w, "table");
  QTest::keyClick(&view, Qt::Key_Up);  // the focus shows, on slot 40
  FocusOn(w, 43);
  QTest::keyClick(&view, Qt::Key_Space);  // picked up: selected for the move

  std::set<QAccessibleInterface*> seen;
  QStringList texts;
  Walk(QAccessible::queryAccessibleInterface(w.window.get()), seen, texts);
  const QString all = texts.join(u'\n');
  ASSERT_TRUE(all.contains(QStringLiteral("Show Valid Moves"))) << "the walk reaches the menus";
  EXPECT_FALSE(all.contains(QStringLiteral("Cheat"), Qt::CaseInsensitive)) << "the hidden item is listed";
  int face_down = 0;
  for (int slot = 0; slot < kCardSlots; ++slot) {
    const Card card = t.card(slot);
    const QString name = QString::fromStdString(Spoken(card));
    if (card.back_up) {
      ++face_down;
      EXPECT_FALSE(all.contains(name, Qt::CaseInsensitive)) << name.toStdString() << " is face down";
    } else {
      EXPECT_EQ(texts.count(name), 1) << name.toStdString();
    }
  }
  EXPECT_EQ(face_down, 12);

  // The table: a list of the 52 cards, the columns first card to uppermost, then the reserve row.
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->role(), QAccessible::List);
  EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("Table"));
  ASSERT_EQ(table->childCount(), 52);
  const std::vector<int> order = {0, 8, 16, 24, 32, 40};  // column 1
  for (std::size_t i = 0; i < order.size(); ++i) {
    QAccessibleInterface* place = table->child(static_cast<int>(i));
    const Card card = t.card(order[i]);
    EXPECT_EQ(place->text(QAccessible::Name).toStdString(), card.back_up ? "face-down card" : Spoken(card));
    EXPECT_EQ(place->text(QAccessible::Description).toStdString(), "column 1, row " + std::to_string(i + 1));
    EXPECT_EQ(place->role(), QAccessible::ListItem);
    EXPECT_EQ(place->parent(), table);
    EXPECT_EQ(table->indexOfChild(place), static_cast<int>(i));
  }
  EXPECT_EQ(table->child(51)->text(QAccessible::Description), QStringLiteral("reserve row, place 4"));
  // Focused and selected: the 3 of hearts (slot 43, column 4, row 6), picked up with nothing on it.
  for (int i = 0; i < 52; ++i) {
    const QAccessible::State state = table->child(i)->state();
    const bool is_43 = table->child(i)->text(QAccessible::Name) == QString::fromStdString(Spoken(t.card(43)));
    EXPECT_EQ(state.focused, is_43) << i;
    EXPECT_EQ(state.selected, is_43) << i;
  }
  EXPECT_EQ(table->focusChild(), table->child(3 * 6 + 5));
  // The child at a point is the card shown there.
  const QPoint strip = view.mapToGlobal(GrabPoint(t, 27));
  EXPECT_EQ(table->childAt(strip.x(), strip.y())->text(QAccessible::Name),
            QString::fromStdString(Spoken(t.card(27))));
}

}  // namespace
}  // namespace vantrel::uitest

// The menu bar: every item with its caption, shortcut and initial state, and how the keys reach the handlers.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "interaction/interaction.h"
#include "platform_qt/screen_metrics.h"
#include "ui_support.h"

namespace vantrel::uitest {
namespace {

struct Row {
  const char* name;  // the item's object name
  const char* caption;
  QKeySequence shortcut;
  bool enabled;
  bool visible;
  bool checkable;
  bool checked;
};

TEST(CommandTable, EveryItemHasItsCaptionShortcutAndInitialState) {
  Window w;
  const Row rows[] = {
      {"newGame", "&New", QKeySequence(Qt::Key_F2), true, true, false, false},
      {"redeal", "&Redo (no shuffle)", QKeySequence(Qt::Key_F3), true, true, false, false},
      {"selectDeal", "Select &Deal...", QKeySequence(), true, true, false, false},
      {"statistics", "Statistics", QKeySequence(Qt::Key_F4), true, true, false, false},
      {"quit", "&Quit", QKeySequence(Qt::Key_F10), true, true, false, false},
      {"undo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_U), false, true, false, false},
      {"showValidMoves", "Show &Valid Moves", QKeySequence(Qt::CTRL | Qt::Key_V), true, true, true, true},
      {"showNumberOfMoves", "Show &Number of Moves", QKeySequence(Qt::CTRL | Qt::Key_N), true, true, true,
       true},
      {"giveHint", "Give &Hint (3)", QKeySequence(Qt::CTRL | Qt::Key_H), true, true, false, false},
      {"keepGame", "&Keep the Game When Closing", QKeySequence(), true, true, true, false},
      {"tellWinnable", "&Tell Whether the Game Can Still Be Won", QKeySequence(), true, true, true, false},
      {"winnableOnly", "Deal Only &Winnable Games", QKeySequence(), true, true, true, false},
      {"help", "&Help", QKeySequence(Qt::Key_F1), true, true, false, false},
      {"useTransparency", "Use Transparency", QKeySequence(), true, true, true, true},
      {"center", "&Center", QKeySequence(), true, true, false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QAction* action = Find(*w, row.name);
    EXPECT_EQ(action->text(), QString::fromUtf8(row.caption));
    EXPECT_EQ(action->shortcut(), row.shortcut);
    EXPECT_EQ(action->isEnabled(), row.enabled);
    EXPECT_EQ(action->isVisible(), row.visible);
    EXPECT_EQ(action->isCheckable(), row.checkable);
    EXPECT_EQ(action->isChecked(), row.checked);
  }
  // The cheat switch is never shown, nor listed to assistive technology: it is in no drop-down.
  EXPECT_FALSE(Find<QMenu>(*w, "optionsMenu")->actions().contains(Find(*w, "enableCheats")));
  EXPECT_FALSE(Find(*w, "enableCheats")->isVisible());
  EXPECT_EQ(Find(*w, "enableCheats")->text(), QStringLiteral("Enable Cheats"));
  EXPECT_EQ(Find(*w, "enableCheats")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
}

TEST(CommandTable, MenuBarAndDropDownsAreInTheirOrder) {
  Window w;
  QStringList bar;
  for (QAction* action : w->menuBar()->actions()) bar << action->text();
  EXPECT_EQ(bar, (QStringList{"&Game", "&Options", "&Help", "Debug", "&Center"}));
  const QList<QAction*> game = Find<QMenu>(*w, "gameMenu")->actions();
  ASSERT_EQ(game.size(), 6);
  EXPECT_TRUE(game[4]->isSeparator());
  EXPECT_EQ(game, (QList<QAction*>{Find(*w, "newGame"), Find(*w, "redeal"), Find(*w, "selectDeal"),
                                   Find(*w, "statistics"), game[4], Find(*w, "quit")}));
  const QList<QAction*> options = Find<QMenu>(*w, "optionsMenu")->actions();
  ASSERT_EQ(options.size(), 8);
  EXPECT_TRUE(options[4]->isSeparator());
  EXPECT_EQ(options,
            (QList<QAction*>{Find(*w, "undo"), Find(*w, "showValidMoves"), Find(*w, "showNumberOfMoves"),
                             Find(*w, "giveHint"), options[4], Find(*w, "keepGame"), Find(*w, "tellWinnable"),
                             Find(*w, "winnableOnly")}));
  EXPECT_EQ(Find<QMenu>(*w, "debugMenu")->actions(), (QList<QAction*>{Find(*w, "useTransparency")}));
  // Help and Center open no drop-down.
  EXPECT_EQ(Find(*w, "help")->menu(), nullptr);
  EXPECT_EQ(Find(*w, "center")->menu(), nullptr);
}

TEST(CommandTable, ShortcutsReachTheirHandlers) {
  Window w;
  // F2 deals; F1 shows the help; Ctrl+N hides the move label; Ctrl+H spends a hint.
  QTest::keyClick(w.window.get(), Qt::Key_F2);
  EXPECT_EQ(w.table().course.game_state, GameState::kInProgress);
  QTest::keyClick(w.window.get(), Qt::Key_F1);
  ASSERT_FALSE(w.host.messages.empty());
  EXPECT_EQ(w.host.messages.back(), std::string(kQuickHelp.english));
  QTest::keyClick(w.window.get(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_FALSE(Find<QLabel>(*w, "moveCount")->isVisible());
  EXPECT_FALSE(Find(*w, "showNumberOfMoves")->isChecked());
  QTest::keyClick(w.window.get(), Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(Find(*w, "giveHint")->text(), QStringLiteral("Give &Hint (2)"));
  // F3 during a game asks first (the scripted host answers Yes) and deals the same cards again.
  const int first = w.table().position.card_at(20);
  QTest::keyClick(w.window.get(), Qt::Key_F3);
  EXPECT_EQ(w.host.questions.size(), 1u);
  EXPECT_EQ(w.table().position.card_at(20), first);
  EXPECT_EQ(Find(*w, "giveHint")->text(), QStringLiteral("Give &Hint (3)"));
}

TEST(CommandTable, HiddenCheatAnswersCtrlZAndDisabledUndoAnswersNothing) {
  Window w;
  w.Deal();
  EXPECT_FALSE(Find<QPushButton>(*w, "showAllMoves")->isEnabled());
  QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(Find<QPushButton>(*w, "showAllMoves")->isEnabled());
  QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(Find<QPushButton>(*w, "showAllMoves")->isEnabled());

  // Undo is disabled until a move: Ctrl+U then leaves the table alone.
  const Drop move = FindValidMove(w.table());
  ASSERT_GE(move.moved, 0);
  const int top_before = Find<TableView>(*w, "table")->layout().PlaceOf(w.table(), move.moved).top;
  w->interaction().DragAndDrop(move);
  w->Handle([] {});
  const int top_after = Find<TableView>(*w, "table")->layout().PlaceOf(w.table(), move.moved).top;
  ASSERT_NE(top_before, top_after);
  // Only a move that turned no card over can be taken back.
  if (!w.table().course.undo_enabled) GTEST_SKIP() << "the first move of this deal turned a card over";
  EXPECT_TRUE(Find(*w, "undo")->isEnabled());
  QTest::keyClick(w.window.get(), Qt::Key_U, Qt::ControlModifier);
  EXPECT_EQ(Find<TableView>(*w, "table")->layout().PlaceOf(w.table(), move.moved).top, top_before);
  EXPECT_FALSE(Find(*w, "undo")->isEnabled());
  w->interaction().DragAndDrop(move);
  w->interaction().UndoLastDrop();  // the model's own undo, so the next Ctrl+U has nothing to take back
  w->Handle([] {});
  const int before_disabled_undo = Find<TableView>(*w, "table")->layout().PlaceOf(w.table(), move.moved).top;
  QTest::keyClick(w.window.get(), Qt::Key_U, Qt::ControlModifier);
  EXPECT_EQ(Find<TableView>(*w, "table")->layout().PlaceOf(w.table(), move.moved).top, before_disabled_undo);
}

TEST(CommandTable, ShowAllMovesButtonListsTheMovesOnceEnabled) {
  Window w;
  w.Deal();
  QTest::mouseClick(Find<QPushButton>(*w, "showAllMoves"), Qt::LeftButton);
  const std::size_t shown = w.host.messages.size();
  QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier);
  QTest::mouseClick(Find<QPushButton>(*w, "showAllMoves"), Qt::LeftButton);
  ASSERT_EQ(w.host.messages.size(), shown + 1);
  EXPECT_EQ(w.host.messages.back().rfind("Possible Moves:\n\n", 0), 0u);
}

TEST(CommandTable, HelpAndCenterRunAtOnceFromTheMenuBarAndTheirAccelerators) {
  Window w;
  platform::SetPrimaryScreenSizeForTesting(QSize(1024, 768));
  QMenuBar* bar = w->menuBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(Find(*w, "help")).center());
  ASSERT_EQ(w.host.messages.size(), 1u);
  EXPECT_EQ(w.host.messages[0], std::string(kQuickHelp.english));
  QTest::keyClick(w.window.get(), Qt::Key_H, Qt::AltModifier);
  EXPECT_EQ(w.host.messages.size(), 2u);

  w->move(3, 5);
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(Find(*w, "center")).center());
  EXPECT_EQ(w->pos(), QPoint(194, 154));
  w->move(3, 5);
  QTest::keyClick(w.window.get(), Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(w->pos(), QPoint(194, 154));
}

TEST(CommandTable, QuitClosesTheWindow) {
  Window w;
  ASSERT_TRUE(w->isVisible());
  QTest::keyClick(w.window.get(), Qt::Key_F10);
  EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace vantrel::uitest

namespace vantrel::uitest {
namespace {

TEST(CommandTable, ShortcutsWorkWhileADropDownIsOpen) {
  Window w;
  Find<QMenu>(*w, "gameMenu")->popup(w->mapToGlobal(QPoint(0, 20)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Find<QMenu>(*w, "gameMenu")));
  QTest::keyClick(Find<QMenu>(*w, "gameMenu"), Qt::Key_N,
                  Qt::ControlModifier);  // an item of another drop-down
  EXPECT_FALSE(w.table().options.show_number);
  Find<QMenu>(*w, "gameMenu")->close();
  Find<QMenu>(*w, "optionsMenu")->popup(w->mapToGlobal(QPoint(0, 20)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Find<QMenu>(*w, "optionsMenu")));
  QTest::keyClick(Find<QMenu>(*w, "optionsMenu"), Qt::Key_F2);
  EXPECT_EQ(w.table().course.game_state, GameState::kInProgress);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);  // the drop-down closed
  // A disabled item still answers nothing, the hidden cheat switch does.
  Find<QMenu>(*w, "optionsMenu")->popup(w->mapToGlobal(QPoint(0, 20)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Find<QMenu>(*w, "optionsMenu")));
  QTest::keyClick(Find<QMenu>(*w, "optionsMenu"), Qt::Key_U, Qt::ControlModifier);
  EXPECT_EQ(QApplication::activePopupWidget(), Find<QMenu>(*w, "optionsMenu"));
  QTest::keyClick(Find<QMenu>(*w, "optionsMenu"), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(Find<QPushButton>(*w, "showAllMoves")->isEnabled());
}

}  // namespace
}  // namespace vantrel::uitest

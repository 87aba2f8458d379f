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
  const char* name;
  QAction* (*get)(app::TCardTable&);
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
      {"New", [](app::TCardTable& t) { return t.New(); }, "&New", QKeySequence(Qt::Key_F2), true, true, false,
       false},
      {"Redo", [](app::TCardTable& t) { return t.Redo(); }, "&Redo (no shuffle)", QKeySequence(Qt::Key_F3),
       true, true, false, false},
      {"StatsMenu", [](app::TCardTable& t) { return t.StatsMenu(); }, "Statistics", QKeySequence(Qt::Key_F4),
       true, true, false, false},
      {"Quit", [](app::TCardTable& t) { return t.Quit(); }, "&Quit", QKeySequence(Qt::Key_F10), true, true,
       false, false},
      {"Undo", [](app::TCardTable& t) { return t.Undo(); }, "&Undo", QKeySequence(Qt::CTRL | Qt::Key_U),
       false, true, false, false},
      {"ShowValid", [](app::TCardTable& t) { return t.ShowValid(); }, "Show &Valid Moves",
       QKeySequence(Qt::CTRL | Qt::Key_V), true, true, true, true},
      {"ShowNumber", [](app::TCardTable& t) { return t.ShowNumber(); }, "Show &Number of Moves",
       QKeySequence(Qt::CTRL | Qt::Key_N), true, true, true, true},
      {"GiveHint", [](app::TCardTable& t) { return t.GiveHint(); }, "Give &Hint (3)",
       QKeySequence(Qt::CTRL | Qt::Key_H), true, true, false, false},
      {"Help", [](app::TCardTable& t) { return t.Help(); }, "&Help", QKeySequence(Qt::Key_F1), true, true,
       false, false},
      {"UseTransparency", [](app::TCardTable& t) { return t.UseTransparency(); }, "Use Transparency",
       QKeySequence(), true, true, true, true},
      {"Center", [](app::TCardTable& t) { return t.Center(); }, "&Center", QKeySequence(), true, true, false,
       false},
      {"SelectDeal", [](app::TCardTable& t) { return t.SelectDeal(); }, "Select &Deal...", QKeySequence(),
       true, true, false, false},
      {"KeepGame", [](app::TCardTable& t) { return t.KeepGame(); }, "&Keep the Game When Closing",
       QKeySequence(), true, true, true, false},
      {"TellWinnable", [](app::TCardTable& t) { return t.TellWinnable(); },
       "&Tell Whether the Game Can Still Be Won", QKeySequence(), true, true, true, false},
      {"WinnableOnly", [](app::TCardTable& t) { return t.WinnableOnly(); }, "Deal Only &Winnable Games",
       QKeySequence(), true, true, true, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QAction* action = row.get(*w);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QString::fromUtf8(row.caption));
    EXPECT_EQ(action->shortcut(), row.shortcut);
    EXPECT_EQ(action->isEnabled(), row.enabled);
    EXPECT_EQ(action->isVisible(), row.visible);
    EXPECT_EQ(action->isCheckable(), row.checkable);
    EXPECT_EQ(action->isChecked(), row.checked);
  }
  // The cheat switch is never shown, nor listed to assistive technology: it is in no drop-down.
  EXPECT_FALSE(w->Options()->actions().contains(w->EnableCheats()));
  EXPECT_FALSE(w->EnableCheats()->isVisible());
  EXPECT_EQ(w->EnableCheats()->text(), QStringLiteral("Enable Cheats"));
  EXPECT_EQ(w->EnableCheats()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
  EXPECT_TRUE(w->N1()->isSeparator());
  EXPECT_TRUE(w->N2()->isSeparator());
}

TEST(CommandTable, MenuBarAndDropDownsAreInTheirOrder) {
  Window w;
  QStringList bar;
  for (QAction* action : w->menuBar()->actions()) bar << action->text();
  EXPECT_EQ(bar, (QStringList{"&Game", "&Options", "&Help", "Debug", "&Center"}));
  EXPECT_EQ(w->Game()->actions(),
            (QList<QAction*>{w->New(), w->Redo(), w->SelectDeal(), w->StatsMenu(), w->N1(), w->Quit()}));
  EXPECT_EQ(w->Options()->actions(),
            (QList<QAction*>{w->Undo(), w->ShowValid(), w->ShowNumber(), w->GiveHint(), w->N2(),
                             w->KeepGame(), w->TellWinnable(), w->WinnableOnly()}));
  EXPECT_EQ(w->Debug()->actions(), (QList<QAction*>{w->UseTransparency()}));
  // Help and Center open no drop-down.
  EXPECT_EQ(w->Help()->menu(), nullptr);
  EXPECT_EQ(w->Center()->menu(), nullptr);
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
  EXPECT_FALSE(w->NumMoves_lbl()->isVisible());
  EXPECT_FALSE(w->ShowNumber()->isChecked());
  QTest::keyClick(w.window.get(), Qt::Key_H, Qt::ControlModifier);
  EXPECT_EQ(w->GiveHint()->text(), QStringLiteral("Give &Hint (2)"));
  // F3 during a game asks first (the scripted host answers Yes) and deals the same cards again.
  const int first = w.table().position.card_at(20);
  QTest::keyClick(w.window.get(), Qt::Key_F3);
  EXPECT_EQ(w.host.questions.size(), 1u);
  EXPECT_EQ(w.table().position.card_at(20), first);
  EXPECT_EQ(w->GiveHint()->text(), QStringLiteral("Give &Hint (3)"));
}

TEST(CommandTable, HiddenCheatAnswersCtrlZAndDisabledUndoAnswersNothing) {
  Window w;
  w.Deal();
  EXPECT_FALSE(w->ShowMovesBtn()->isEnabled());
  QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(w->ShowMovesBtn()->isEnabled());
  QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(w->ShowMovesBtn()->isEnabled());

  // Undo is disabled until a move: Ctrl+U then leaves the table alone.
  const Move move = FindValidMove(w.table());
  ASSERT_GE(move.moved, 0);
  const int top_before = w->view().layout().PlaceOf(w.table(), move.moved).top;
  w->interaction().DragAndDrop(move.moved, move.target);
  w->Handle([] {});
  const int top_after = w->view().layout().PlaceOf(w.table(), move.moved).top;
  ASSERT_NE(top_before, top_after);
  // Only a move that turned no card over can be taken back.
  if (!w.table().course.undo_enabled) GTEST_SKIP() << "the first move of this deal turned a card over";
  EXPECT_TRUE(w->Undo()->isEnabled());
  QTest::keyClick(w.window.get(), Qt::Key_U, Qt::ControlModifier);
  EXPECT_EQ(w->view().layout().PlaceOf(w.table(), move.moved).top, top_before);
  EXPECT_FALSE(w->Undo()->isEnabled());
  w->interaction().DragAndDrop(move.moved, move.target);
  w->interaction().UndoClick();  // the model's own undo, so the next Ctrl+U has nothing to take back
  w->Handle([] {});
  const int before_disabled_undo = w->view().layout().PlaceOf(w.table(), move.moved).top;
  QTest::keyClick(w.window.get(), Qt::Key_U, Qt::ControlModifier);
  EXPECT_EQ(w->view().layout().PlaceOf(w.table(), move.moved).top, before_disabled_undo);
}

TEST(CommandTable, ShowAllMovesButtonListsTheMovesOnceEnabled) {
  Window w;
  w.Deal();
  QTest::mouseClick(w->ShowMovesBtn(), Qt::LeftButton);
  const std::size_t shown = w.host.messages.size();
  QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier);
  QTest::mouseClick(w->ShowMovesBtn(), Qt::LeftButton);
  ASSERT_EQ(w.host.messages.size(), shown + 1);
  EXPECT_EQ(w.host.messages.back().rfind("Possible Moves:\n\n", 0), 0u);
}

TEST(CommandTable, HelpAndCenterRunAtOnceFromTheMenuBarAndTheirAccelerators) {
  Window w;
  platform::SetPrimaryScreenSizeForTesting(QSize(1024, 768));
  QMenuBar* bar = w->menuBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(w->Help()).center());
  ASSERT_EQ(w.host.messages.size(), 1u);
  EXPECT_EQ(w.host.messages[0], std::string(kQuickHelp.english));
  QTest::keyClick(w.window.get(), Qt::Key_H, Qt::AltModifier);
  EXPECT_EQ(w.host.messages.size(), 2u);

  w->move(3, 5);
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(w->Center()).center());
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
  w->Game()->popup(w->mapToGlobal(QPoint(0, 20)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w->Game()));
  QTest::keyClick(w->Game(), Qt::Key_N, Qt::ControlModifier);  // an item of another drop-down
  EXPECT_FALSE(w.table().options.show_number);
  w->Game()->close();
  w->Options()->popup(w->mapToGlobal(QPoint(0, 20)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w->Options()));
  QTest::keyClick(w->Options(), Qt::Key_F2);
  EXPECT_EQ(w.table().course.game_state, GameState::kInProgress);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);  // the drop-down closed
  // A disabled item still answers nothing, the hidden cheat switch does.
  w->Options()->popup(w->mapToGlobal(QPoint(0, 20)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w->Options()));
  QTest::keyClick(w->Options(), Qt::Key_U, Qt::ControlModifier);
  EXPECT_EQ(QApplication::activePopupWidget(), w->Options());
  QTest::keyClick(w->Options(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(w->ShowMovesBtn()->isEnabled());
}

}  // namespace
}  // namespace vantrel::uitest

// The menu table: every item of the menu bar with its caption, shortcut, handler and the state it shows.
#include "app/menu_table.h"

#include <QCoreApplication>

#include "app/main_window.h"

namespace vantrel::app {

std::span<const MenuEntry> MenuTable() {
  static constexpr MenuEntry kMenu[] = {
      {.place = MenuPlace::kDropDown, .name = "gameMenu", .caption = QT_TRANSLATE_NOOP("Menu", "&Game")},
      {.name = "newGame",
       .caption = QT_TRANSLATE_NOOP("Menu", "&New"),
       .shortcut = Qt::Key_F2,
       .run = [](MainWindow& w) { w.table().Deal(DealKind::kNew); }},
      {.name = "redeal",
       .caption = QT_TRANSLATE_NOOP("Menu", "&Redo (no shuffle)"),
       .shortcut = Qt::Key_F3,
       .run = [](MainWindow& w) { w.table().Deal(DealKind::kRedeal); }},
      {.name = "selectDeal",
       .caption = QT_TRANSLATE_NOOP("Menu", "Select &Deal..."),
       .run = [](MainWindow& w) { w.table().SelectDeal(); }},
      {.name = "statistics",
       .caption = QT_TRANSLATE_NOOP("Menu", "Statistics"),
       .shortcut = Qt::Key_F4,
       .run = [](MainWindow& w) { w.ShowStatistics(); }},
      {.place = MenuPlace::kSeparator},
      {.name = "quit",
       .caption = QT_TRANSLATE_NOOP("Menu", "&Quit"),
       .shortcut = Qt::Key_F10,
       .run = [](MainWindow& w) { w.SaveThenClose(); }},

      {.place = MenuPlace::kDropDown,
       .name = "optionsMenu",
       .caption = QT_TRANSLATE_NOOP("Menu", "&Options")},
      {.name = "undo",
       .caption = QT_TRANSLATE_NOOP("Menu", "&Undo"),
       .shortcut = Qt::CTRL | Qt::Key_U,
       .run = [](MainWindow& w) { w.interaction().UndoLastDrop(); },
       .enabled = &Controls::undo_enabled},
      {.name = "showValidMoves",
       .caption = QT_TRANSLATE_NOOP("Menu", "Show &Valid Moves"),
       .shortcut = Qt::CTRL | Qt::Key_V,
       .run = [](MainWindow& w) { w.interaction().ToggleShowValid(); },
       .checked = &Controls::show_valid_checked},
      {.name = "showNumberOfMoves",
       .caption = QT_TRANSLATE_NOOP("Menu", "Show &Number of Moves"),
       .shortcut = Qt::CTRL | Qt::Key_N,
       .run = [](MainWindow& w) { w.interaction().ToggleShowNumber(); },
       .checked = &Controls::show_number_checked},
      {.name = "giveHint",
       .shortcut = Qt::CTRL | Qt::Key_H,
       .run = [](MainWindow& w) { w.table().GiveHint(); },
       .text = &Controls::give_hint_caption},
      {.place = MenuPlace::kSeparator},
      {.name = "keepGame",
       .caption = QT_TRANSLATE_NOOP("Menu", "&Keep the Game When Closing"),
       .aid = &Switches::keep_game},
      {.name = "tellWinnable",
       .caption = QT_TRANSLATE_NOOP("Menu", "&Tell Whether the Game Can Still Be Won"),
       .aid = &Switches::tell_winnable},
      {.name = "winnableOnly",
       .caption = QT_TRANSLATE_NOOP("Menu", "Deal Only &Winnable Games"),
       .aid = &Switches::winnable_only},
      {.place = MenuPlace::kHidden,
       .name = "enableCheats",
       .caption = "Enable Cheats",
       .shortcut = Qt::CTRL | Qt::Key_Z,
       .run = [](MainWindow& w) { w.interaction().EnableCheats(); }},

      {.place = MenuPlace::kBar,
       .name = "help",
       .caption = QT_TRANSLATE_NOOP("Menu", "&Help"),
       .shortcut = Qt::Key_F1,
       .run = [](MainWindow& w) { w.interaction().ShowHelp(); }},

      {.place = MenuPlace::kDropDown, .name = "debugMenu", .caption = QT_TRANSLATE_NOOP("Menu", "Debug")},
      {.name = "useTransparency",
       .caption = QT_TRANSLATE_NOOP("Menu", "Use Transparency"),
       .run = [](MainWindow& w) { w.interaction().ToggleTransparency(); },
       .checked = &Controls::use_transparency_checked},

      {.place = MenuPlace::kBar,
       .name = "center",
       .caption = QT_TRANSLATE_NOOP("Menu", "&Center"),
       .run = [](MainWindow& w) { w.CenterOnScreen(); }},
  };
  return kMenu;
}

}  // namespace vantrel::app

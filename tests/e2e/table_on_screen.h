// The game's table on a real X server next to the model of the same table: starting the game, finding its
// table on screen, dealing with F2, dragging cards with the mouse, and comparing the screen with the model
// pixel by pixel.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "interaction/interaction.h"
#include "interaction/layout.h"
#include "platform/scripted_host.h"
#include "table/move_text.h"
#include "table/table.h"
#include "x_session.h"

namespace vantrel::e2e {

// The table compared: everything above the move label and the button.
inline constexpr int kTableWidth = 627;
inline constexpr int kComparedHeight = 368;
// The table area above the status bar.
inline constexpr int kTableHeight = 395;

QString GameDir();

// The game's table for the same clock, played by the same rules.
struct Model {
  explicit Model(unsigned clock) : host(clock) {}
  platform::ScriptedHost host;
  Table table{host};
  Interaction player{table};
};

// Where the game's window at its design size shows each slot.
SlotPlace PlaceOf(const Table& table, int slot);

// A deal that can be won and the drops that win it.
struct WinningLine {
  unsigned seed = 0;
  std::vector<Drop> drops;
};
// The lines of a file such as winning_lines.txt, by their seconds.
std::map<unsigned, WinningLine> ReadWinningLines(const QString& file);
// Whether the line wins its deal when the core plays it.
bool WinsInTheCore(const WinningLine& line);

// The table as it must look on a screen of `scale` (1 or 2) pixels per pixel of the table: green, then every
// visible image in stacking order drawn from the pictures of `cards` (the build's CARDS folder unless given),
// its transparent colour left out. At scale 2 the pictures are those drawn for it (the folder 2x), except the
// picture indices in `enlarged`, whose bitmaps are doubled.
QImage Render(const Table& table, int scale = 1, const QString& cards = QString(),
              const std::set<int>& enlarged = {});
// The picture a card shows, as Render draws it: transparent (alpha 0) around the card.
const QImage& CardPicture(const Card& card, int scale = 1, const QString& cards = QString(),
                          const std::set<int>& enlarged = {});
// A point on the part of the slot's image that shows on top (the strip of a covered card): the middle of
// the strip for a covered card, of the whole card otherwise.
QPoint GrabPoint(const Table& table, int slot);
// Which slot's image shows on top at each point of the compared part of the table, as the game's hit test
// finds it.
class TopSlots {
 public:
  explicit TopSlots(const Table& table);
  int At(QPoint p) const {
    return slots_[static_cast<std::size_t>(p.y()) * kTableWidth + static_cast<std::size_t>(p.x())];
  }
  // A point where `slot` shows, as near the middle of what shows of it as there is one; a null point when
  // none of it shows.
  QPoint VisiblePoint(int slot) const;

 private:
  std::vector<int> slots_;
};

// How the game is started, and what its table is drawn from.
struct Launch {
  QString folder;          // the working folder: the build's game folder unless given
  QStringList command;     // the program and its arguments: the built game unless given
  int scale = 1;           // Qt's scale factor
  QString cards;           // the CARDS folder the model's table is drawn from: the build's unless given
  std::set<int> enlarged;  // at scale 2, the pictures shown as their doubled bitmaps
  // A box the start-up shows before the window: handed its place on the screen, then answered with Enter.
  std::function<void(const QRect& box)> start_up_box;
};

class TableOnScreen : public ::testing::Test {
 protected:
  // Starts the game with its clock at `clock` and its settings under `config_home` (a folder of its own when
  // empty), waits for its window and finds the table in it. A fresh model stands for the game's table.
  void StartGame(unsigned clock, const QString& config_home = QString(), const Launch& launch = Launch());
  // Waits for the game to end by itself (after Quit or a close) and checks that it ended with exit code 0.
  void ExpectGameEnds();

  // The table as the screen shows it now, in the screen's pixels.
  QImage TableShot();
  // The model's table as the screen must show it.
  QImage Expected() const;
  // Where a point of the table lies on the screen.
  QPoint OnScreen(QPoint p) const { return origin_ + p * launch_.scale; }
  // Waits until the screen shows `expected` left of x = `width`, outside `ignored` (in the table's pixels);
  // returns the differing pixels of the last look.
  int WaitForScreen(const QImage& expected, const char* what, int width = kTableWidth,
                    const QRegion& ignored = QRegion());
  // Waits until the screen shows the model's table; returns the differing pixels of the last look. A table
  // taller than the window has a scroll bar at the right, which is left out.
  int WaitForModel(const char* what);
  // Presses a key (xdotool's name for it) in `window`, the game's main window by default.
  void Key(const QString& key, unsigned long window = 0);
  // F2 in the game, New in the model; the screen must then show the model's deal.
  void Deal();
  // A drag with the left button from one point of the table to another.
  void Drag(QPoint from, QPoint to);

  std::unique_ptr<Game> game_;
  Launch launch_;
  unsigned long window_ = 0;
  QPoint origin_;
  std::unique_ptr<Model> model_;
};

}  // namespace vantrel::e2e

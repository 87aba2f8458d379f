// The game on a real X server, driven like a player drives it: F2 deals, the mouse drags. Every screenshot
// is checked pixel by pixel against the table the game's rules give for the same second, drawn here from the
// card files themselves.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <memory>

#include "interaction/interaction.h"
#include "platform/scripted_host.h"
#include "table/card_names.h"
#include "table/table.h"
#include "x_session.h"

namespace vantrel::e2e {
namespace {

constexpr unsigned kClock = 1700000000;
const QRgb kGreen = qRgb(0, 128, 0);
// The part of the table compared: everything above the move label and the button.
const QRect kCompared(0, 0, 627, 368);

QString GameDir() { return QStringLiteral(VANTREL_GAME_DIR); }

// The game's table for the same clock, played by the same rules.
struct Model {
  platform::ScriptedHost host{kClock};
  Table table{host};
  Interaction player{table};
};

// The table as it must look: green, then every visible image in stacking order, its transparent colour left out.
QImage Render(const Table& table, QSize size) {
  static const std::vector<QImage> pictures = [] {
    std::vector<QImage> loaded;
    for (int i = 0; i <= kBackPicture; ++i) {
      loaded.push_back(QImage(QDir(GameDir()).filePath(QString::fromStdString(CardFileName(i))))
                           .convertToFormat(QImage::Format_RGB32));
    }
    return loaded;
  }();
  QImage image(size, QImage::Format_RGB32);
  image.fill(kGreen);
  for (int slot : table.StackingOrder()) {
    const Image& im = table.cards[slot].image;
    if (!im.visible || im.picture < 0) continue;
    const QImage& picture = pictures[static_cast<std::size_t>(im.picture)];
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const QRgb pixel = picture.pixel(x, y);
        if (im.transparent && pixel == qRgb(128, 64, 128)) continue;
        if (image.rect().contains(im.left + x, im.top + y)) image.setPixel(im.left + x, im.top + y, pixel);
      }
    }
  }
  return image;
}

int Differences(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < kCompared.height(); ++y) {
    for (int x = 0; x < kCompared.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) ++count;
    }
  }
  return count;
}

QPoint GrabPoint(const Table& table, int slot) {
  const Image& image = table.cards[slot].image;
  const bool covered = !table.CardsAbove(slot).empty();
  return QPoint(image.left + image.width / 2, image.top + (covered ? 7 : image.height / 2));
}

class GameOnScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    game_ = std::make_unique<Game>(GameDir(), kClock);
    window_ = WaitForWindow(QStringLiteral("Vantrel"), 15000);
    ASSERT_NE(window_, 0u) << "the game's window did not appear";
    const QRect frame = WindowGeometry(window_);
    ASSERT_EQ(frame.width(), 627);  // no frame under a bare X server: the window is its client area
    // The table begins below the menu bar: the first green row.
    QImage shot;
    for (int tries = 0; tries < 100 && origin_.isNull(); ++tries) {
      shot = Screenshot();
      for (int y = frame.top(); y < frame.bottom(); ++y) {
        if (shot.pixel(frame.left() + 2, y) == kGreen) {
          origin_ = QPoint(frame.left(), y);
          break;
        }
      }
      if (origin_.isNull()) QThread::msleep(50);
    }
    ASSERT_FALSE(origin_.isNull()) << "no green table in the window";
    XDoTool({QStringLiteral("windowfocus"), QString::number(window_)});
    QThread::msleep(100);
  }

  QImage TableShot() { return Screenshot().copy(QRect(origin_, QSize(627, 414 - 19))); }

  // Waits until the screen shows `expected`; returns the differing pixels of the last look.
  int WaitForScreen(const QImage& expected, const char* what) {
    int differences = -1;
    QImage shot;
    for (int tries = 0; tries < 100; ++tries) {
      shot = TableShot();
      differences = Differences(shot, expected);
      if (differences == 0) break;
      QThread::msleep(50);
    }
    if (differences != 0) {
      const QString base = QDir::temp().filePath(QStringLiteral("vantrel-e2e-%1").arg(QString::fromLatin1(what)));
      shot.save(base + QStringLiteral("-screen.png"));
      expected.save(base + QStringLiteral("-model.png"));
      ADD_FAILURE() << what << ": " << differences << " pixels differ; see " << base.toStdString() << "-*.png";
    }
    return differences;
  }

  void Deal() {
    XDoTool({QStringLiteral("key"), QStringLiteral("F2")});
    model_.table.NewClick(DealCommand::kNew);
    ASSERT_EQ(WaitForScreen(Render(model_.table, QSize(627, 395)), "deal"), 0);
  }

  void Drag(QPoint from, QPoint to) {
    auto at = [this](QPoint p) {
      return QStringList{QString::number(origin_.x() + p.x()), QString::number(origin_.y() + p.y())};
    };
    XDoTool(QStringList{QStringLiteral("mousemove")} + at(from));
    QThread::msleep(60);
    XDoTool({QStringLiteral("mousedown"), QStringLiteral("1")});
    QThread::msleep(60);
    XDoTool(QStringList{QStringLiteral("mousemove")} + at((from + to) / 2));
    QThread::msleep(60);
    XDoTool(QStringList{QStringLiteral("mousemove")} + at(to));
    QThread::msleep(60);
    XDoTool({QStringLiteral("mouseup"), QStringLiteral("1")});
    QThread::msleep(60);
  }

  std::unique_ptr<Game> game_;
  unsigned long window_ = 0;
  QPoint origin_;
  Model model_;
};

TEST_F(GameOnScreen, F2DealsEveryCardWhereTheModelPutsIt) {
  // Before the deal the table is empty.
  ASSERT_EQ(WaitForScreen(Render(model_.table, QSize(627, 395)), "empty"), 0);
  Deal();
  // Spelled out for the faces and backs: each card's uncovered strip shows its own picture.
  const QImage shot = TableShot();
  for (int slot = 0; slot < kCardSlots; ++slot) {
    const Image& im = model_.table.cards[slot].image;
    const QImage picture(QDir(GameDir()).filePath(QString::fromStdString(CardFileName(im.picture))));
    const QPoint probe = GrabPoint(model_.table, slot);
    EXPECT_EQ(shot.pixel(probe), picture.pixel(probe - QPoint(im.left, im.top))) << "slot " << slot;
  }
  if (qEnvironmentVariableIsSet("VANTREL_E2E_SCREENSHOT")) {
    const QRect window = WindowGeometry(window_);
    Screenshot().copy(window).save(qEnvironmentVariable("VANTREL_E2E_SCREENSHOT"));
  }
}

TEST_F(GameOnScreen, AValidDragMovesTheCardWithItsRiders) {
  Deal();
  // The move with the most riders among those that end no game (a dialog would cover the table).
  int best_moved = -1;
  int best_target = -1;
  int best_riders = -1;
  for (int moved = 0; moved < kCardSlots; ++moved) {
    for (int target = 40; target < kCardSlots; ++target) {
      if (!model_.table.cards[moved].image.visible || !model_.table.IsValidMove(target, moved)) continue;
      const int riders = model_.table.CardsAbove(moved).count;
      if (riders > best_riders) {
        Model probe;
        probe.table.NewClick(DealCommand::kNew);
        probe.player.DragAndDrop(moved, target);
        if (!probe.host.messages.empty()) continue;
        best_moved = moved;
        best_target = target;
        best_riders = riders;
      }
    }
  }
  ASSERT_GE(best_moved, 0) << "this deal offers no quiet move";
  const QPoint from = GrabPoint(model_.table, best_moved);
  const QPoint to = GrabPoint(model_.table, best_target);
  Drag(from, to);
  model_.player.DragAndDrop(best_moved, best_target);
  EXPECT_EQ(WaitForScreen(Render(model_.table, QSize(627, 395)), "valid-drag"), 0);
}

TEST_F(GameOnScreen, AnInvalidDragChangesNothing) {
  Deal();
  // A face-up uppermost card dropped on another that does not take it.
  int moved = -1;
  int target = -1;
  for (int m = 40; m < 48 && moved < 0; ++m) {
    for (int t = 40; t < 48; ++t) {
      if (t != m && !model_.table.IsValidMove(t, m)) {
        moved = m;
        target = t;
        break;
      }
    }
  }
  ASSERT_GE(moved, 0);
  const QImage before = Render(model_.table, QSize(627, 395));
  Drag(GrabPoint(model_.table, moved), GrabPoint(model_.table, target));
  QThread::msleep(300);
  EXPECT_EQ(WaitForScreen(before, "invalid-drag"), 0);
  // And onto the bare table.
  Drag(GrabPoint(model_.table, moved), QPoint(620, 250));
  QThread::msleep(300);
  EXPECT_EQ(WaitForScreen(before, "drag-to-bare-table"), 0);
}

TEST(StartUp, AnUnreadablePictureShowsTheErrorAndTheGameEndsWithZero) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QDir(dir.path()).mkdir(QStringLiteral("CARDS"));
  const QDir source(QDir(GameDir()).filePath(QStringLiteral("CARDS")));
  const QDir target(QDir(dir.path()).filePath(QStringLiteral("CARDS")));
  for (const QString& name : source.entryList(QDir::Files)) {
    if (name != QLatin1String("7H.BMP")) QFile::copy(source.filePath(name), target.filePath(name));
  }
  QFile text(target.filePath(QStringLiteral("7H.BMP")));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly));
  text.write("not a picture\n");
  text.close();

  Game game(dir.path(), kClock);
  const unsigned long box = WaitForWindow(QStringLiteral("Vantrel"), 15000);
  ASSERT_NE(box, 0u) << "no error box appeared";
  EXPECT_LT(WindowGeometry(box).width(), 600) << "the table's window must not show";
  XDoTool({QStringLiteral("windowfocus"), QString::number(box)});
  QThread::msleep(100);
  XDoTool({QStringLiteral("key"), QStringLiteral("Return")});
  ASSERT_TRUE(game.process().waitForFinished(10000));
  EXPECT_EQ(game.process().exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(game.process().exitCode(), 0);
  const QString error = QString::fromLocal8Bit(game.process().readAllStandardError());
  EXPECT_NE(error.indexOf(QStringLiteral("\"7H.BMP\"")), -1) << error.toStdString();
  EXPECT_NE(error.indexOf(target.absolutePath()), -1) << error.toStdString();
}

}  // namespace
}  // namespace vantrel::e2e

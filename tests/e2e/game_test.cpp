// The game on a real X server, driven like a player drives it: F2 deals, the mouse drags. Every screenshot
// is checked pixel by pixel against the table the game's rules give for the same second, drawn here from the
// card files themselves.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <vector>

#include "table/card_names.h"
#include "table_on_screen.h"
#include "x_session.h"

namespace vantrel::e2e {
namespace {

constexpr unsigned kClock = 1700000000;

class GameOnScreen : public TableOnScreen {
 protected:
  void SetUp() override { StartGame(kClock); }
};

TEST_F(GameOnScreen, F2DealsEveryCardWhereTheModelPutsIt) {
  // Before the deal the table is empty.
  ASSERT_EQ(WaitForModel("empty"), 0);
  Deal();
  // Spelled out for the faces and backs: each card's uncovered strip shows its own picture.
  const QImage shot = TableShot();
  for (int slot = 0; slot < kCardSlots; ++slot) {
    const Card im = model_->table.card(slot);
    const SlotPlace place = PlaceOf(model_->table, slot);
    const QImage picture(QDir(GameDir()).filePath(QString::fromStdString(CardFileName(im.picture))));
    const QPoint probe = GrabPoint(model_->table, slot);
    EXPECT_EQ(shot.pixel(probe), picture.pixel(probe - QPoint(place.left, place.top))) << "slot " << slot;
  }
  if (qEnvironmentVariableIsSet("VANTREL_E2E_SCREENSHOT")) {
    const QRect window = WindowGeometry(window_);
    Screenshot(window).save(qEnvironmentVariable("VANTREL_E2E_SCREENSHOT"));
  }
}

TEST_F(GameOnScreen, AValidDragMovesTheCardWithItsRiders) {
  Deal();
  // The move with the most riders among those that end no game (a dialog would cover the table).
  int best_moved = -1;
  int best_target = -1;
  int best_riders = -1;
  for (const LegalDrop& drop : model_->table.ListLegalDrops()) {
    if (!model_->table.images[drop.moved].visible) continue;
    const int riders = model_->table.CardsAbove(drop.moved).count;
    // Among equals the lowest moved slot, as when the slots were searched in order.
    if (riders < best_riders || (riders == best_riders && drop.moved > best_moved)) continue;
    Model probe(kClock);
    probe.table.Deal(DealKind::kNew);
    probe.player.DragAndDrop(drop);
    if (!probe.host.messages.empty()) continue;
    best_moved = drop.moved;
    best_target = drop.target;
    best_riders = riders;
  }
  ASSERT_GE(best_moved, 0) << "this deal offers no quiet move";
  const QPoint from = GrabPoint(model_->table, best_moved);
  const QPoint to = GrabPoint(model_->table, best_target);
  Drag(from, to);
  model_->player.DragAndDrop({.moved = best_moved, .target = best_target});
  EXPECT_EQ(WaitForModel("valid-drag"), 0);
}

TEST_F(GameOnScreen, AnInvalidDragChangesNothing) {
  Deal();
  // A face-up uppermost card dropped on another that does not take it.
  int moved = -1;
  int target = -1;
  for (int m = 40; m < 48 && moved < 0; ++m) {
    for (int t = 40; t < 48; ++t) {
      if (t != m && !model_->table.IsValidMove({.moved = m, .target = t})) {
        moved = m;
        target = t;
        break;
      }
    }
  }
  ASSERT_GE(moved, 0);
  const QImage before = Render(model_->table);
  Drag(GrabPoint(model_->table, moved), GrabPoint(model_->table, target));
  QThread::msleep(300);
  EXPECT_EQ(WaitForScreen(before, "invalid-drag"), 0);
  // And onto the bare table.
  Drag(GrabPoint(model_->table, moved), QPoint(620, 250));
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
  const QString error = AnswerStartUpError(game);
  EXPECT_NE(error.indexOf(QStringLiteral("\"7H.BMP\"")), -1) << error.toStdString();
  EXPECT_NE(error.indexOf(target.absolutePath()), -1) << error.toStdString();
}

// Nothing the game opens may block it: a pipe among the sharper pictures or in place of the settings folder's
// organisation file, and a box of the start-up that is open when SIGTERM comes. Each time SIGTERM ends the
// game, with exit code 0.
TEST(StartUp, NoPipeBlocksTheGameAndSigtermEndsItAtEveryStage) {
  struct Case {
    const char* name;
    double scale;
    // Prepares the working folder (a copy of the game's CARDS) and the settings folder; returns the
    // XDG_CONFIG_HOME to start with.
    std::function<QString(const QDir& cards, const QDir& home)> prepare;
    bool table_shows;  // else a box of the start-up is open
  };
  const auto fifo = [](const QString& path) {
    QFile::remove(path);
    EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0) << path.toStdString();
  };
  const std::vector<Case> cases = {
      {"a pipe among the 2x pictures", 2,
       [&](const QDir& cards, const QDir& home) {
         fifo(cards.filePath(QStringLiteral("2x/AS.png")));
         return home.path();
       },
       true},
      {"a pipe as the organisation's settings file", 1,
       [&](const QDir&, const QDir& home) {
         fifo(home.filePath(QStringLiteral("Quorvin Software.conf")));
         return home.path();
       },
       true},
      {"SIGTERM while the box about the settings folder is open", 1,
       [](const QDir&, const QDir& home) {
         QFile file(home.filePath(QStringLiteral("a file")));
         EXPECT_TRUE(file.open(QIODevice::WriteOnly));
         return home.filePath(QStringLiteral("a file/config"));  // a folder that cannot be made
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir folder;
    QTemporaryDir home;
    const QDir source(QDir(GameDir()).filePath(QStringLiteral("CARDS")));
    const QDir cards(QDir(folder.path()).filePath(QStringLiteral("CARDS")));
    ASSERT_EQ(QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), source.path(), cards.path()}),
              0);
    const QString config_home = c.prepare(cards, QDir(home.path()));
    Game game(folder.path(), kClock, config_home, {}, c.scale);
    const unsigned long window = WaitForWindow(QStringLiteral("Vantrel"), std::chrono::seconds(15));
    ASSERT_NE(window, 0u);
    EXPECT_EQ(WindowGeometry(window).width() > 600, c.table_shows);
    if (c.table_shows) {
      XDoTool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window)});
      XDoTool({QStringLiteral("key"), QStringLiteral("F2")});
      QThread::msleep(500);
    }
    game.process().terminate();
    EXPECT_TRUE(game.process().waitForFinished(10000)) << "SIGTERM did not end the game";
    EXPECT_EQ(game.process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.process().exitCode(), 0);
    if (!c.table_shows) {
      EXPECT_FALSE(WindowShown(QStringLiteral("Vantrel"))) << "the table showed after the box";
    }
  }
}

TEST(StartUp, WithoutADisplayTheGameSaysSoAndEndsWithOneWithoutACoreDump) {
  for (const char* display : {"", ":999"}) {
    SCOPED_TRACE(std::string("DISPLAY=") + display);
    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (*display == 0) {
      environment.remove(QStringLiteral("DISPLAY"));
    } else {
      environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
    }
    game.setProcessEnvironment(environment);
    game.setWorkingDirectory(GameDir());
    game.start(QDir(GameDir()).filePath(QStringLiteral("vantrel")), QStringList());
    ASSERT_TRUE(game.waitForFinished(30000));
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit) << "the game crashed";
    EXPECT_EQ(game.exitCode(), 1);
    EXPECT_TRUE(QString::fromLocal8Bit(game.readAllStandardError()).contains(QStringLiteral("no display")));
  }
}

TEST(StartUp, MarksItsStepsInOrderWithTheDialogAndTheIconAfterTheFirstPaint) {
  qputenv("VANTREL_STARTUP_MARKS", "1");
  Game game(GameDir(), kClock);
  qunsetenv("VANTREL_STARTUP_MARKS");
  const unsigned long window = WaitForWindow(QStringLiteral("Vantrel"), std::chrono::seconds(15));
  ASSERT_NE(window, 0u);
  QThread::msleep(500);
  QProcess property;
  property.start(QStringLiteral("xprop"),
                 {QStringLiteral("-id"), QString::number(window), QStringLiteral("_NET_WM_ICON")});
  ASSERT_TRUE(property.waitForFinished(10000));
  EXPECT_TRUE(property.readAllStandardOutput().contains("Icon (32 x 32)"))
      << "the window has the game's icon";
  game.process().terminate();
  ASSERT_TRUE(game.process().waitForFinished(10000));
  // The marks, as the start-up benchmark reads them: each step once, in the order of the start, on a clock
  // that never goes back.
  QStringList steps;
  long long last = 0;
  for (const QByteArray& line : game.process().readAllStandardError().split('\n')) {
    const QList<QByteArray> words = line.split(' ');
    if (words.size() < 3 || words[0] != "vantrel-startup") continue;
    EXPECT_GE(words[1].toLongLong(), last) << line.toStdString();
    last = words[1].toLongLong();
    steps << QString::fromLatin1(line.mid(words[0].size() + words[1].size() + 2));
  }
  EXPECT_EQ(steps, (QStringList{"main", "application", "translations", "menus", "controls", "table",
                                "pictures", "view", "statistics", "aids", "synchronised", "cursors", "window",
                                "show", "shown", "first paint", "statistics dialog"}));
}

}  // namespace
}  // namespace vantrel::e2e

// The additions as a player meets them on a real X server: a game played a few moves with Keep the Game When
// Closing on, closed by the close box, comes back at the next start on the same pixels with the same move
// count and Undo as it was, and only once; damaged and forged kept games are refused with a message naming
// the file, the game starts as usual and the statistics are untouched. Select Deal with a number deals
// exactly the table `vantrel-cli deal` reports for that number, and Redo deals it again.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "store_support.h"
#include "table_on_screen.h"

namespace vantrel::e2e {
namespace {

class AidsOnScreen : public TableOnScreen {
 protected:
  QString Folder() const { return home_.path() + "/Quorvin Software"; }
  QString KeptGame() const { return Folder() + "/Vantrel.game"; }
  QString Statistics() const { return Folder() + "/Vantrel.conf"; }
  void Start(unsigned clock, const Launch& launch = Launch()) { StartGame(clock, home_.path(), launch); }

  // An item of a drop-down, by the access keys of the menu and of the item.
  // NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the keys in the order they are pressed
  void MenuItem(const QString& menu, const QString& item) {
    Key("alt+" + menu);
    QThread::msleep(300);  // the drop-down open
    XDoTool({QStringLiteral("key"), item});
  }
  // The whole window as the screen shows it, once two looks agree.
  QImage Window() {
    QImage shot = Screenshot(WindowGeometry(window_));
    for (int tries = 0; tries < 20; ++tries) {
      QThread::msleep(100);
      const QImage again = Screenshot(WindowGeometry(window_));
      if (again == shot) break;
      shot = again;
    }
    return shot;
  }
  // A drop made with the mouse, the model making it too.
  void Play(const Drop& drop) {
    Drag(GrabPoint(model_->table, drop.moved),
         GrabPoint(model_->table, model_->table.LandingSlot(drop.target)));
    model_->player.DragAndDrop(drop);
  }

  QTemporaryDir home_;
};

TEST_F(AidsOnScreen, AKeptGameComesBackOnceAsItWasLeftAndOneThatCannotIsRefused) {
  const WinningLine line =
      ReadWinningLines(QStringLiteral(VANTREL_E2E_DATA "/winning_lines.txt")).at(1700000008);
  ASSERT_TRUE(WinsInTheCore(line));
  ASSERT_NO_FATAL_FAILURE(Start(line.seed));
  MenuItem(QStringLiteral("o"), QStringLiteral("k"));  // Options > Keep the Game When Closing
  for (int tries = 0; tries < 100 && testing::ReadBytes(Folder() + "/Vantrel.options").find("KeepGame=1") ==
                                         std::string::npos;
       ++tries)
    QThread::msleep(50);
  ASSERT_NE(testing::ReadBytes(Folder() + "/Vantrel.options").find("KeepGame=1"), std::string::npos);
  ASSERT_NO_FATAL_FAILURE(Deal());
  // A few drops of the winning line, up to one that Undo can take back.
  std::size_t played = 0;
  while (played < 3 || !model_->table.course.undo_enabled) {
    ASSERT_LT(played, line.drops.size());
    Play(line.drops[played++]);
    ASSERT_EQ(WaitForModel("played"), 0);
  }
  const QImage left = Window();
  const std::string statistics = testing::ReadBytes(Statistics());
  CloseWindow(window_);
  ASSERT_NO_FATAL_FAILURE(ExpectGameEnds());
  ASSERT_TRUE(QFile::exists(KeptGame()));
  EXPECT_EQ(testing::ReadBytes(Statistics()), statistics) << "the game under way is not counted";
  const std::string kept = testing::ReadBytes(KeptGame());

  // The next start shows it exactly as it was left: the table, the move count, the status bar.
  ASSERT_NO_FATAL_FAILURE(Start(line.seed));
  model_->table.Deal(DealKind::kNew);
  for (std::size_t k = 0; k < played; ++k) model_->player.DragAndDrop(line.drops[k]);
  ASSERT_EQ(WaitForModel("restored"), 0);
  const QImage restored = Window();
  if (restored != left) {
    restored.save(QDir::temp().filePath(QStringLiteral("vantrel-e2e-restored.png")));
    left.save(QDir::temp().filePath(QStringLiteral("vantrel-e2e-left.png")));
    ADD_FAILURE() << "the window differs from the one left; see " << QDir::tempPath().toStdString()
                  << "/vantrel-e2e-{left,restored}.png";
  }
  EXPECT_FALSE(QFile::exists(KeptGame())) << "the kept game is restored once only";
  // A second copy started now finds nothing to restore: it closes without a game to keep.
  {
    Game second(GameDir(), line.seed, home_.path());
    const unsigned long other = WaitForWindow(QStringLiteral("Vantrel"), std::chrono::seconds(15), window_);
    ASSERT_NE(other, 0u);
    CloseWindow(other);
    ASSERT_TRUE(second.process().waitForFinished(10000));
  }
  EXPECT_FALSE(QFile::exists(KeptGame())) << "the second copy restored the game too";
  // Undo as it was: it takes back the last drop.
  Key(QStringLiteral("ctrl+u"));
  model_->player.UndoLastDrop();
  ASSERT_EQ(WaitForModel("undone after the restart"), 0);
  Key(QStringLiteral("F10"));
  ASSERT_NO_FATAL_FAILURE(ExpectGameEnds());
  EXPECT_EQ(testing::ReadBytes(Statistics()), statistics);

  // Damaged and forged kept games: the message names the file, the game starts with its empty table, and
  // the statistics are as they were.
  std::string forged = kept;
  const std::size_t column = forged.find("game column ") + 12;
  forged.insert(column, forged.substr(column, forged.find_first_of(" \n", column) - column) + " ");
  for (const std::string& bad : {kept.substr(0, kept.size() / 2), forged}) {
    testing::WriteBytes(KeptGame(), bad);
    Launch launch;
    bool boxed = false;
    launch.start_up_box = [&boxed](const QRect&) { boxed = true; };
    ASSERT_NO_FATAL_FAILURE(Start(line.seed, launch));
    EXPECT_TRUE(boxed);
    EXPECT_EQ(WaitForModel("refused"), 0);
    CloseWindow(window_);
    ASSERT_NO_FATAL_FAILURE(ExpectGameEnds());
    const QString said = QString::fromLocal8Bit(game_->process().readAllStandardError());
    EXPECT_TRUE(said.contains("The kept game \"" + KeptGame() + "\" cannot be restored"))
        << said.toStdString();
    EXPECT_FALSE(QFile::exists(KeptGame()));
    EXPECT_EQ(testing::ReadBytes(Statistics()), statistics);
  }
}

// The table `vantrel-cli deal SEED` reports: each slot's card, face, column and place.
QJsonArray CliSlots(unsigned seed) {
  QProcess cli;
  cli.start(QStringLiteral(VANTREL_CLI), {QStringLiteral("deal"), QString::number(seed)});
  EXPECT_TRUE(cli.waitForFinished(10000));
  return QJsonDocument::fromJson(cli.readAllStandardOutput())
      .object()
      .value(QStringLiteral("slots"))
      .toArray();
}

TEST_F(AidsOnScreen, SelectDealDealsTheTableTheCommandLineReportsForTheNumber) {
  ASSERT_NO_FATAL_FAILURE(Start(1700000000));
  struct Step {
    const char* typed;
    std::optional<unsigned> dealt;  // nothing: refused in the dialog
  };
  for (const Step& step :
       {Step{"4294967296", std::nullopt}, Step{"1780653674", 1780653674u}, Step{"4294967295", 4294967295u}}) {
    SCOPED_TRACE(step.typed);
    const bool under_way = model_->table.course.game_state == GameState::kInProgress;
    MenuItem(QStringLiteral("g"), QStringLiteral("d"));  // Game > Select Deal...
    const unsigned long dialog = WaitForWindow(QStringLiteral("Select Deal"), std::chrono::seconds(10));
    ASSERT_NE(dialog, 0u) << "no Select Deal dialog";
    XDoTool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(dialog)});
    XDoTool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
    XDoTool({QStringLiteral("type"), QString::fromLatin1(step.typed)});
    Key(QStringLiteral("Return"), dialog);
    if (!step.dealt) {
      QThread::msleep(300);
      EXPECT_TRUE(WindowShown(QStringLiteral("Select Deal"))) << "a number out of range was taken";
      Key(QStringLiteral("Escape"), dialog);
      ASSERT_TRUE(WaitForNoWindow(QStringLiteral("Select Deal"), std::chrono::seconds(10)));
      continue;
    }
    if (under_way) {
      const unsigned long question =
          WaitForWindow(QStringLiteral("Vantrel"), std::chrono::seconds(10), window_);
      ASSERT_NE(question, 0u) << "no new-game question";
      Key(QStringLiteral("y"), question);
    }
    model_->host.QueueDealNumber(*step.dealt);
    model_->table.SelectDeal();  // the model's question is answered Yes
    ASSERT_EQ(WaitForModel("selected"), 0);
    // The model's table is the one the command line reports.
    const QJsonArray slots = CliSlots(*step.dealt);
    ASSERT_EQ(slots.size(), kSlotCount);
    for (int i = 0; i < kSlotCount; ++i) {
      const QJsonObject s = slots[i].toObject();
      const Card c = model_->table.card(i);
      const SlotPlace place = PlaceOf(model_->table, i);
      EXPECT_TRUE(s["suit"].toInt() == c.suit && s["number"].toInt() == c.number &&
                  s["back_up"].toBool() == c.back_up && s["col"].toInt() == c.col &&
                  s["left"].toInt() == place.left && s["top"].toInt() == place.top &&
                  s["visible"].toBool() == model_->table.images[i].visible)
          << "slot " << i;
    }
  }
  // Redo deals the selected deal again.
  Key(QStringLiteral("F3"));
  const unsigned long question = WaitForWindow(QStringLiteral("Vantrel"), std::chrono::seconds(10), window_);
  ASSERT_NE(question, 0u);
  Key(QStringLiteral("y"), question);
  model_->table.Deal(DealKind::kRedeal);
  EXPECT_EQ(model_->table.position, Position::Deal(4294967295u));
  ASSERT_EQ(WaitForModel("redone"), 0);
}

}  // namespace
}  // namespace vantrel::e2e

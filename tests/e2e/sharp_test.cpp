// The game on a screen scaled by two (Qt's scale factor 2): the dealt table, the dragged group and the hand
// cursor come from the art drawn for that scale, pixel for pixel, with sharp edges; and a player's own bitmap
// still shows, enlarged, where the game's sharper art was drawn from another.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdlib>
#include <map>

#include "platform_qt/cursor_art.h"
#include "table/card_names.h"
#include "table_on_screen.h"

// Xlib last: its macros would clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace vantrel::e2e {
namespace {

constexpr unsigned kClock = 1700000000;
constexpr int kScale = 2;

// The cursor the X server shows now, as premultiplied ARGB.
QImage CurrentCursor() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return {};
  XFixesCursorImage* cursor = XFixesGetCursorImage(display);
  QImage image;
  if (cursor != nullptr) {
    image = QImage(cursor->width, cursor->height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < cursor->height; ++y) {
      for (int x = 0; x < cursor->width; ++x) {
        image.setPixel(x, y, static_cast<QRgb>(cursor->pixels[y * cursor->width + x]));
      }
    }
    XFree(cursor);
  }
  XCloseDisplay(display);
  return image;
}

// Copies the folder `from` with everything in it to `to`.
void CopyFolder(const QString& from, const QString& to) {
  QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString file = files.next();
    const QString target = QDir(to).filePath(QDir(from).relativeFilePath(file));
    QDir().mkpath(QFileInfo(target).absolutePath());
    ASSERT_TRUE(QFile::copy(file, target)) << target.toStdString();
  }
}

class SharpOnScreen : public TableOnScreen {
 protected:
  // A face-up number card that shows whole, and its place on the table.
  int WholeNumberCard() const {
    for (int slot = 40; slot < kCardSlots; ++slot) {
      const Card card = model_->table.card(slot);
      if (!card.back_up && card.number >= 2 && card.number <= 10) return slot;
    }
    return -1;
  }
  QRect RectOf(int slot) const {
    const SlotPlace card = e2e::PlaceOf(model_->table, slot);
    const Image& im = model_->table.images[slot];
    return QRect(card.left, card.top, im.width, im.height);
  }
};

TEST_F(SharpOnScreen, TheTableTheDraggedGroupAndTheHandAreDrawnForTheScale) {
  Launch launch;
  launch.scale = kScale;
  StartGame(kClock, QString(), launch);
  Deal();  // every pixel as the 2x pictures draw it

  // Along the pips' curves a card drawn for the scale has pixels of their own; an enlarged one repeats each
  // pixel in blocks of 2 x 2.
  const int slot = WholeNumberCard();
  ASSERT_GE(slot, 0) << "no face-up number card shows whole in this deal";
  const QRect place = RectOf(slot);
  const QImage card = TableShot().copy(QRect(place.topLeft() * kScale, place.size() * kScale));
  std::map<QRgb, int> counts;
  for (int y = 0; y < card.height(); ++y) {
    for (int x = 0; x < card.width(); ++x) ++counts[card.pixel(x, y)];
  }
  const QRgb white = qRgb(255, 255, 255);
  QRgb suit = 0;  // the pips' own colour: the commonest after the white
  for (const auto& [colour, count] : counts) {
    if (colour != white && (suit == 0 || count > counts[suit])) suit = colour;
  }
  int curve_blocks = 0;
  int repeated_blocks = 0;
  // The inside of the card, away from its edge.
  for (int y = 2 * kScale; y + 1 < card.height() - 2 * kScale; y += 2) {
    for (int x = 2 * kScale; x + 1 < card.width() - 2 * kScale; x += 2) {
      const QRgb block[] = {card.pixel(x, y), card.pixel(x + 1, y), card.pixel(x, y + 1),
                            card.pixel(x + 1, y + 1)};
      bool blended = false;
      for (QRgb p : block) blended |= p != white && p != suit;
      if (!blended) continue;
      ++curve_blocks;
      if (block[0] == block[1] && block[0] == block[2] && block[0] == block[3]) ++repeated_blocks;
    }
  }
  EXPECT_GT(curve_blocks, 100) << "the card shows too few curves to judge";
  EXPECT_EQ(repeated_blocks, 0) << "of " << curve_blocks << " blocks along the curves";

  // Over a card the pointer is the pointing hand drawn for the scale: 64 x 64, not the 32 x 32 bitmap.
  const QPoint centre = OnScreen(place.center());
  XDoTool({QStringLiteral("mousemove"), QString::number(centre.x()), QString::number(centre.y())});
  const QImage hand = platform::DrawCursorArt("HANDPOINTER", kScale);
  QImage shown;
  for (int tries = 0; tries < 40 && shown.size() != hand.size(); ++tries) {
    QThread::msleep(50);
    shown = CurrentCursor();
  }
  ASSERT_EQ(shown.size(), hand.size());
  EXPECT_EQ(shown, hand.convertToFormat(QImage::Format_ARGB32_Premultiplied));

  // The group dragged from the card follows the pointer, drawn translucently from the 2x pictures.
  const QPoint grab = OnScreen(GrabPoint(model_->table, slot));
  const QPoint offset(30, 20);  // in pixels of the table
  const QPoint held = grab + offset * kScale;
  XDoTool({QStringLiteral("mousemove"), QString::number(grab.x()), QString::number(grab.y()),
           QStringLiteral("sleep"), QStringLiteral("0.05"), QStringLiteral("mousedown"), QStringLiteral("1"),
           QStringLiteral("sleep"), QStringLiteral("0.05"), QStringLiteral("mousemove"),
           QString::number(held.x() - 10), QString::number(held.y()), QStringLiteral("sleep"),
           QStringLiteral("0.05"), QStringLiteral("mousemove"), QString::number(held.x()),
           QString::number(held.y())});
  QImage expected = Expected();
  {
    // The card lies uppermost, so it is the whole group.
    const QImage group =
        CardPicture(model_->table.card(slot), kScale).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&expected);
    painter.setOpacity(0.7);
    painter.drawImage((place.topLeft() + offset) * kScale, group);
  }
  EXPECT_EQ(WaitForScreen(expected, "sharp-drag"), 0);
  // Let go over the bare table: nothing moves.
  const QPoint bare = OnScreen(QPoint(610, 250));
  XDoTool({QStringLiteral("mousemove"), QString::number(bare.x()), QString::number(bare.y()),
           QStringLiteral("sleep"), QStringLiteral("0.05"), QStringLiteral("mouseup"), QStringLiteral("1")});
  EXPECT_EQ(WaitForModel("sharp-after-drag"), 0);
}

TEST_F(SharpOnScreen, APlayersOwnBitmapShowsEnlargedWhereTheSharpArtWasDrawnFromAnother) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString cards = QDir(folder.path()).filePath(QStringLiteral("CARDS"));
  CopyFolder(QDir(GameDir()).filePath(QStringLiteral("CARDS")), cards);
  // The player's own back: another bitmap of the card's size, next to the game's 2x/BACK.png.
  const QString back = QDir(cards).filePath(QStringLiteral("BACK.BMP"));
  ASSERT_TRUE(QFile::remove(back));
  ASSERT_TRUE(QFile::copy(QDir(cards).filePath(QStringLiteral("AS.BMP")), back));

  Launch launch;
  launch.folder = folder.path();
  launch.scale = kScale;
  launch.cards = cards;
  launch.enlarged = {kBackPicture};
  StartGame(kClock, QString(), launch);
  Deal();  // the backs are the player's, doubled; every other card is the game's 2x art
}

// Below scale 1 (Qt's scale factor 0.5 and 0.75) the table is the model's, shrunk smoothly: every card in its
// place and of its size, nothing of full size, no seams. The shrinking is Qt's, so a pixel may differ a
// little, but hardly any by much.
TEST(SmallScales, TheTableIsDrawnScaledDownInItsPlaces) {
  for (const double scale : {0.5, 0.75}) {
    SCOPED_TRACE(scale);
    Game game(GameDir(), kClock, QString(), {}, scale);
    const unsigned long window = WaitForWindow(QStringLiteral("Vantrel"), std::chrono::seconds(15));
    ASSERT_NE(window, 0u);
    XDoTool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window)});
    XDoTool({QStringLiteral("key"), QStringLiteral("F2")});
    Model model(kClock);
    model.table.Deal(DealKind::kNew);
    const QImage render = Render(model.table).copy(0, 0, kTableWidth, kComparedHeight);
    const QImage expected =
        render.scaled(render.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QRect place = WindowGeometry(window);
    int worst = 0;
    for (int attempt = 0; attempt < 50; ++attempt, QThread::msleep(100)) {
      const QImage shot = Screenshot(place);
      // The table begins at the first row of the table's green below the menu bar.
      int top = 0;
      while (top < shot.height() && shot.pixel(0, top) != qRgb(0, 128, 0)) ++top;
      if (top + expected.height() > shot.height()) continue;
      worst = 0;
      for (int y = 1; y + 1 < expected.height(); ++y) {
        for (int x = 1; x + 1 < expected.width(); ++x) {
          const QRgb a = shot.pixel(x, top + y);
          const QRgb b = expected.pixel(x, y);
          const int differs = std::max(
              {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
          if (differs > 96) ++worst;
        }
      }
      if (worst * 100 < 3 * expected.width() * expected.height()) break;
    }
    EXPECT_LT(worst * 100, 3 * expected.width() * expected.height())
        << worst << " pixels far from the shrunk table";
    if (qEnvironmentVariableIsSet("VANTREL_E2E_SHOTS")) {
      const QString folder = qEnvironmentVariable("VANTREL_E2E_SHOTS");
      Screenshot(place).save(folder + QStringLiteral("/small-%1.png").arg(scale));
      expected.save(folder + QStringLiteral("/small-%1-expected.png").arg(scale));
    }
  }
}

}  // namespace
}  // namespace vantrel::e2e

// The game's table on screen and its model side by side.
#include "table_on_screen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStyle>
#include <QThread>
#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

#include "table/card_names.h"
#include "table/decimal_text.h"

namespace vantrel::e2e {
namespace {

const QRgb kGreen = qRgb(0, 128, 0);
const QRgb kTransparent = qRgb(128, 64, 128);

int Differences(const QImage& a, const QImage& b, QSize compared, const QRegion& ignored, int scale) {
  int count = 0;
  for (int y = 0; y < compared.height(); ++y) {
    for (int x = 0; x < compared.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y) && !ignored.contains(QPoint(x / scale, y / scale))) ++count;
    }
  }
  return count;
}

// A bitmap with its transparent colour made transparent (alpha 0), every other pixel opaque.
QImage CutOut(const QImage& bitmap) {
  QImage image = bitmap.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y) | 0xff000000;
      image.setPixel(x, y, pixel == kTransparent ? 0 : pixel);
    }
  }
  return image;
}

// The 53 pictures as drawn at `scale`, transparent (alpha 0) where the table shows through.
std::vector<QImage> Pictures(int scale, const QString& cards, const std::set<int>& enlarged) {
  std::vector<QImage> pictures;
  for (int i = 0; i <= kBackPicture; ++i) {
    const QString name = QFileInfo(QString::fromStdString(CardFileName(i))).fileName();
    const QImage bitmap = CutOut(QImage(QDir(cards).filePath(name)));
    if (scale == 1 || enlarged.count(i) != 0) {
      pictures.push_back(bitmap.scaled(bitmap.size() * scale));  // each pixel repeated
      continue;
    }
    const QString sharp = QStringLiteral("%1x/%2.png").arg(scale).arg(QFileInfo(name).completeBaseName());
    const QImage picture = QImage(QDir(cards).filePath(sharp)).convertToFormat(QImage::Format_ARGB32);
    EXPECT_FALSE(picture.isNull()) << "no picture " << sharp.toStdString();
    pictures.push_back(picture);
  }
  return pictures;
}

}  // namespace

QString GameDir() { return QStringLiteral(VANTREL_GAME_DIR); }

std::map<unsigned, WinningLine> ReadWinningLines(const QString& path) {
  std::map<unsigned, WinningLine> lines;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    ADD_FAILURE() << "cannot read " << file.fileName().toStdString();
    return lines;
  }
  while (!file.atEnd()) {
    const QString text = QString::fromUtf8(file.readLine()).trimmed();
    if (text.isEmpty() || text.startsWith('#')) continue;
    const QStringList words = text.split(' ', Qt::SkipEmptyParts);
    WinningLine line;
    const auto seed = ParseDecimal(words.first().toStdString(), 0xFFFFFFFFu);
    if (!seed) ADD_FAILURE() << "not a second: " << words.first().toStdString();
    line.seed = static_cast<unsigned>(seed.value_or(0));
    for (qsizetype i = 1; i < words.size(); ++i) {
      const auto drop = ParseDrop(words[i].toStdString());
      if (!drop) ADD_FAILURE() << "not a drop: " << words[i].toStdString();
      line.drops.push_back(drop.value_or(Drop{}));
    }
    lines[line.seed] = line;
  }
  return lines;
}

bool WinsInTheCore(const WinningLine& line) {
  Model check(line.seed);
  check.table.Deal(DealKind::kNew);
  for (const Drop& drop : line.drops) check.player.DragAndDrop(drop);
  return check.host.messages == std::vector<std::string>{"You Win!"};
}

const QImage& CardPicture(const Card& card, int scale, const QString& cards, const std::set<int>& enlarged) {
  const QString folder = cards.isEmpty() ? QDir(GameDir()).filePath(QStringLiteral("CARDS")) : cards;
  static std::map<std::tuple<int, QString, std::set<int>>, std::vector<QImage>> loaded;
  std::vector<QImage>& pictures = loaded[{scale, folder, enlarged}];
  if (pictures.empty()) pictures = Pictures(scale, folder, enlarged);
  return pictures[static_cast<std::size_t>(card.picture)];
}

SlotPlace PlaceOf(const Table& table, int slot) { return Layout().PlaceOf(table, slot); }

QImage Render(const Table& table, int scale, const QString& cards, const std::set<int>& enlarged) {
  QImage image(kTableWidth * scale, kTableHeight * scale, QImage::Format_RGB32);
  image.fill(kGreen);
  for (int slot : table.StackingOrder()) {
    const Card card = table.card(slot);
    const SlotPlace place = PlaceOf(table, slot);
    const Image& im = table.images[slot];
    if (!im.visible || card.picture < 0) continue;
    const QImage& picture = CardPicture(card, scale, cards, enlarged);
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const QRgb pixel = picture.pixel(x, y);
        const QPoint at(place.left * scale + x, place.top * scale + y);
        if (!image.rect().contains(at)) continue;
        if (qAlpha(pixel) == 255) {
          image.setPixel(at, pixel);
        } else if (qAlpha(pixel) == 0) {
          // Drawn without transparency, a picture shows its transparent colour there.
          if (!im.transparent) image.setPixel(at, kTransparent);
        } else {
          ADD_FAILURE() << "picture " << card.picture << " is partly transparent at " << x << ", " << y;
          return image;
        }
      }
    }
  }
  return image;
}

QPoint GrabPoint(const Table& table, int slot) {
  const SlotPlace card = PlaceOf(table, slot);
  const Image& image = table.images[slot];
  const bool covered = !table.CardsAbove(slot).empty();
  return QPoint(card.left + image.width / 2, card.top + (covered ? 7 : image.height / 2));
}

TopSlots::TopSlots(const Table& table) : slots_(static_cast<std::size_t>(kTableWidth * kComparedHeight), -1) {
  // Painted back to front, so each point ends with the topmost visible image, as Table::SlotAt finds it.
  for (int slot : table.StackingOrder()) {
    const SlotPlace card = PlaceOf(table, slot);
    const Image& im = table.images[slot];
    if (!im.visible) continue;
    for (int y = std::max(card.top, 0); y < std::min(card.top + im.height, kComparedHeight); ++y) {
      for (int x = std::max(card.left, 0); x < std::min(card.left + im.width, kTableWidth); ++x) {
        slots_[static_cast<std::size_t>(y) * kTableWidth + static_cast<std::size_t>(x)] = slot;
      }
    }
  }
}

QPoint TopSlots::VisiblePoint(int slot) const {
  std::vector<QPoint> shown;
  for (int y = 0; y < kComparedHeight; ++y) {
    for (int x = 0; x < kTableWidth; ++x) {
      if (At(QPoint(x, y)) == slot) shown.emplace_back(x, y);
    }
  }
  if (shown.empty()) return QPoint();
  QPoint sum;
  for (const QPoint& p : shown) sum += p;
  const QPoint middle = sum / static_cast<int>(shown.size());
  QPoint best = shown.front();
  for (const QPoint& p : shown) {
    if ((p - middle).manhattanLength() < (best - middle).manhattanLength()) best = p;
  }
  return best;
}

void TableOnScreen::StartGame(unsigned clock, const QString& config_home, const Launch& launch) {
  game_.reset();
  origin_ = QPoint();
  launch_ = launch;
  model_ = std::make_unique<Model>(clock);
  const QString folder = launch.folder.isEmpty() ? GameDir() : launch.folder;
  game_ = std::make_unique<Game>(folder, clock, config_home, launch.command, launch.scale);
  unsigned long box = 0;
  if (launch.start_up_box) {
    box = WaitForWindow(QStringLiteral("Vantrel"), std::chrono::seconds(15));
    ASSERT_NE(box, 0u) << "no box at the start";
    const QRect place = WindowGeometry(box);
    ASSERT_LT(place.width(), kTableWidth * launch.scale) << "the window came before the box";
    launch.start_up_box(place);
    Key(QStringLiteral("Return"), box);
  }
  window_ = WaitForWindow(QStringLiteral("Vantrel"), std::chrono::seconds(15), box);
  ASSERT_NE(window_, 0u) << "the game's window did not appear";
  const QRect frame = WindowGeometry(window_);
  // No frame under a bare X server: the window is its client area.
  ASSERT_EQ(frame.width(), kTableWidth * launch.scale);
  // The table begins below the menu bar: the first green row.
  for (int tries = 0; tries < 100 && origin_.isNull(); ++tries) {
    const QImage strip = Screenshot(QRect(frame.left() + 2, frame.top(), 1, frame.height()));
    for (int y = 0; y < strip.height(); ++y) {
      if (strip.pixel(0, y) == kGreen) {
        origin_ = QPoint(frame.left(), frame.top() + y);
        break;
      }
    }
    if (origin_.isNull()) QThread::msleep(50);
  }
  ASSERT_FALSE(origin_.isNull()) << "no green table in the window";
  XDoTool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window_)});
}

void TableOnScreen::ExpectGameEnds() {
  ASSERT_TRUE(game_->process().waitForFinished(10000)) << "the game did not end";
  EXPECT_EQ(game_->process().exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(game_->process().exitCode(), 0);
}

QImage TableOnScreen::TableShot() {
  return Screenshot(QRect(origin_, QSize(kTableWidth, kTableHeight) * launch_.scale));
}

QImage TableOnScreen::Expected() const {
  return Render(model_->table, launch_.scale, launch_.cards, launch_.enlarged);
}

int TableOnScreen::WaitForScreen(const QImage& expected, const char* what, int width,
                                 const QRegion& ignored) {
  int differences = -1;
  QImage shot;
  for (int tries = 0; tries < 100; ++tries) {
    shot = TableShot();
    differences =
        Differences(shot, expected, QSize(width, kComparedHeight) * launch_.scale, ignored, launch_.scale);
    if (differences == 0) break;
    QThread::msleep(50);
  }
  if (differences != 0) {
    const QString base =
        QDir::temp().filePath(QStringLiteral("vantrel-e2e-%1").arg(QString::fromLatin1(what)));
    shot.save(base + QStringLiteral("-screen.png"));
    expected.save(base + QStringLiteral("-model.png"));
    ADD_FAILURE() << what << ": " << differences << " pixels differ; see " << base.toStdString() << "-*.png";
  }
  return differences;
}

int TableOnScreen::WaitForModel(const char* what) {
  const Table& table = model_->table;
  int bottom = 0;
  for (int i = 0; i < kSlotCount; ++i) {
    if (table.images[i].visible) bottom = std::max(bottom, PlaceOf(table, i).top + table.images[i].height);
  }
  const int bar = bottom > kTableHeight ? QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
  return WaitForScreen(Expected(), what, kTableWidth - bar);
}

void TableOnScreen::Key(const QString& key, unsigned long window) {
  if (window == 0) window = window_;
  XDoTool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window)});
  XDoTool({QStringLiteral("key"), key});
}

void TableOnScreen::Deal() {
  Key(QStringLiteral("F2"));
  model_->table.Deal(DealKind::kNew);
  ASSERT_EQ(WaitForModel("deal"), 0);
}

void TableOnScreen::Drag(QPoint from, QPoint to) {
  auto at = [this](QPoint p) {
    const QPoint screen = OnScreen(p);
    return QStringList{QString::number(screen.x()), QString::number(screen.y())};
  };
  // One xdotool run for the whole gesture: press, a step on the way, the target, release, with short pauses
  // so the game sees each step as a player's hand would make it.
  const QString pause = QStringLiteral("0.03");
  XDoTool(QStringList{QStringLiteral("mousemove")} + at(from) +
          QStringList{QStringLiteral("sleep"), pause, QStringLiteral("mousedown"), QStringLiteral("1"),
                      QStringLiteral("sleep"), pause, QStringLiteral("mousemove")} +
          at((from + to) / 2) + QStringList{QStringLiteral("sleep"), pause, QStringLiteral("mousemove")} +
          at(to) +
          QStringList{QStringLiteral("sleep"), pause, QStringLiteral("mouseup"), QStringLiteral("1")});
}

}  // namespace vantrel::e2e

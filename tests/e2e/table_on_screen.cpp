// The game's table on screen and its model side by side.
#include "table_on_screen.h"

#include <QApplication>
#include <QDir>
#include <QStyle>
#include <QThread>
#include <algorithm>
#include <vector>

#include "table/card_names.h"

namespace vantrel::e2e {
namespace {

const QRgb kGreen = qRgb(0, 128, 0);
const QRgb kTransparent = qRgb(128, 64, 128);

int Differences(const QImage& a, const QImage& b, int width) {
  int count = 0;
  for (int y = 0; y < kComparedHeight; ++y) {
    for (int x = 0; x < width; ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) ++count;
    }
  }
  return count;
}

}  // namespace

QString GameDir() { return QStringLiteral(VANTREL_GAME_DIR); }

QImage Render(const Table& table) {
  static const std::vector<QImage> pictures = [] {
    std::vector<QImage> loaded;
    for (int i = 0; i <= kBackPicture; ++i) {
      loaded.push_back(QImage(QDir(GameDir()).filePath(QString::fromStdString(CardFileName(i))))
                           .convertToFormat(QImage::Format_RGB32));
    }
    return loaded;
  }();
  QImage image(kTableWidth, kTableHeight, QImage::Format_RGB32);
  image.fill(kGreen);
  for (int slot : table.StackingOrder()) {
    const Image& im = table.cards[slot].image;
    if (!im.visible || im.picture < 0) continue;
    const QImage& picture = pictures[static_cast<std::size_t>(im.picture)];
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const QRgb pixel = picture.pixel(x, y);
        if (im.transparent && pixel == kTransparent) continue;
        if (image.rect().contains(im.left + x, im.top + y)) image.setPixel(im.left + x, im.top + y, pixel);
      }
    }
  }
  return image;
}

QPoint GrabPoint(const Table& table, int slot) {
  const Image& image = table.cards[slot].image;
  const bool covered = !table.CardsAbove(slot).empty();
  return QPoint(image.left + image.width / 2, image.top + (covered ? 7 : image.height / 2));
}

TopSlots::TopSlots(const Table& table) : slots_(static_cast<std::size_t>(kTableWidth * kComparedHeight), -1) {
  // Painted back to front, so each point ends with the topmost visible image, as Table::SlotAt finds it.
  for (int slot : table.StackingOrder()) {
    const Image& im = table.cards[slot].image;
    if (!im.visible) continue;
    for (int y = std::max(im.top, 0); y < std::min(im.top + im.height, kComparedHeight); ++y) {
      for (int x = std::max(im.left, 0); x < std::min(im.left + im.width, kTableWidth); ++x) {
        slots_[static_cast<std::size_t>(y * kTableWidth + x)] = slot;
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

void TableOnScreen::StartGame(unsigned clock, const QString& config_home) {
  game_.reset();
  origin_ = QPoint();
  model_ = std::make_unique<Model>(clock);
  game_ = std::make_unique<Game>(GameDir(), clock, config_home);
  window_ = WaitForWindow(QStringLiteral("Vantrel"), 15000);
  ASSERT_NE(window_, 0u) << "the game's window did not appear";
  const QRect frame = WindowGeometry(window_);
  ASSERT_EQ(frame.width(), kTableWidth);  // no frame under a bare X server: the window is its client area
  // The table begins below the menu bar: the first green row.
  for (int tries = 0; tries < 100 && origin_.isNull(); ++tries) {
    const QImage shot = Screenshot();
    for (int y = frame.top(); y < frame.bottom(); ++y) {
      if (shot.pixel(frame.left() + 2, y) == kGreen) {
        origin_ = QPoint(frame.left(), y);
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
  return Screenshot().copy(QRect(origin_, QSize(kTableWidth, kTableHeight)));
}

int TableOnScreen::WaitForScreen(const QImage& expected, const char* what, int width) {
  int differences = -1;
  QImage shot;
  for (int tries = 0; tries < 100; ++tries) {
    shot = TableShot();
    differences = Differences(shot, expected, width);
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
  for (const Card& card : table.cards) {
    if (card.image.visible) bottom = std::max(bottom, card.image.top + card.image.height);
  }
  const int bar = bottom > kTableHeight ? QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
  return WaitForScreen(Render(table), what, kTableWidth - bar);
}

void TableOnScreen::Key(const QString& key, unsigned long window) {
  if (window == 0) window = window_;
  XDoTool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), QString::number(window)});
  XDoTool({QStringLiteral("key"), key});
}

void TableOnScreen::Deal() {
  Key(QStringLiteral("F2"));
  model_->table.NewClick(DealCommand::kNew);
  ASSERT_EQ(WaitForModel("deal"), 0);
}

void TableOnScreen::Drag(QPoint from, QPoint to) {
  auto at = [this](QPoint p) {
    return QStringList{QString::number(origin_.x() + p.x()), QString::number(origin_.y() + p.y())};
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

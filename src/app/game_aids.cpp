// The switches, the kept game, the live verdict and the winnable deals.
#include "app/game_aids.h"

#include <QLabel>
#include <QStatusBar>
#include <cstdio>

#include "interaction/kept_game.h"
#include "solver/verdict_worker.h"
#include "solver/winnable_deal.h"

namespace vantrel::app {
namespace {

// The live verdict's search: exact, or unknown at these limits. Every one of the 4,294,967,296 deals was
// decided within 10,000,000 nodes; the table stays within 48 MiB (a 32 MiB array, and the 16 MiB one it grew
// from while it grows).
constexpr solver::Limits kVerdictLimits{
    .max_nodes = 10'000'000, .max_seconds = 60, .max_table_bytes = std::size_t{48} << 20};

QString VerdictText(std::optional<solver::Verdict> verdict) {
  if (!verdict)
    return QCoreApplication::translate("Table", "Finding out whether this game can still be won...");
  switch (*verdict) {
    case solver::Verdict::kWinnable:
      return QCoreApplication::translate("Table", "This game can still be won");
    case solver::Verdict::kUnwinnable:
      return QCoreApplication::translate("Table", "This game can no longer be won");
    case solver::Verdict::kUnknown:
      break;
  }
  return QCoreApplication::translate("Table",
                                     "Not known whether this game can still be won: the search gave up");
}

QString FaultText(KeptGameFault fault) {
  switch (fault) {
    case KeptGameFault::kDamaged:
      return QCoreApplication::translate("Messages", "it is damaged");
    case KeptGameFault::kOtherVersion:
      return QCoreApplication::translate("Messages", "it was kept by another version of the game");
    case KeptGameFault::kForged:
      return QCoreApplication::translate("Messages",
                                         "it holds cards laid out as no game could have left them");
  }
  return {};
}

}  // namespace

GameAids::GameAids(Table& table, Interaction& player, QStatusBar& status_bar, const QString& folder)
    : table_(table), player_(player), status_bar_(status_bar), files_(folder) {}

// The worker ends before the object does: a verdict still on its way is dropped with the object's events.
GameAids::~GameAids() {
  worker_.reset();
  table_.pick_new_deal = nullptr;
}

std::optional<Error> GameAids::Start() {
  switches_ = files_.ReadSwitches();
  Apply();
  if (!switches_.keep_game) return std::nullopt;
  const std::optional<platform::ClaimedGame> claim = files_.ClaimKeptGame();
  if (!claim) return std::nullopt;
  QString reason = QCoreApplication::translate("Messages", "it is not an ordinary file that can be read");
  QString detail = claim->why;
  if (claim->text) {
    try {
      RestoreKeptGame(ReadKeptGame(claim->text->toStdString(), VANTREL_VERSION), table_, player_);
      files_.EndClaim(*claim, true);
      return std::nullopt;
    } catch (const KeptGameRefused& refused) {
      reason = FaultText(refused.fault());
      detail = QString::fromStdString(refused.what());
    }
  }
  const QString aside = files_.EndClaim(*claim, false);
  //: %1: the kept game's file; %2: why it cannot be restored ("it is damaged")
  QString message = QCoreApplication::translate(
                        "Messages", "The kept game \"%1\" cannot be restored: %2. The game starts as usual.")
                        .arg(claim->path, reason);
  //: %1: the file's new name
  if (aside != claim->path)
    message += ' ' + QCoreApplication::translate("Messages", "The file has been moved to \"%1\".").arg(aside);
  std::fprintf(stderr, "vantrel: %s (%s)\n", message.toLocal8Bit().constData(),
               detail.toLocal8Bit().constData());
  return Error(message.toStdString());
}

void GameAids::Toggle(bool Switches::*switched) {
  switches_.*switched = !(switches_.*switched);
  Apply();
  if (const std::optional<QString> why = files_.WriteSwitches(switches_)) {
    //: %1: the file; %2: the reason, as the system gives it
    throw Error(QCoreApplication::translate("Messages", "The options could not be saved to \"%1\": %2.")
                    .arg(files_.SwitchesPath(), *why)
                    .toStdString());
  }
}

void GameAids::Apply() {
  if (switches_.winnable_only) {
    table_.pick_new_deal = [this](std::uint32_t now) {
      if (const std::optional<std::uint32_t> winnable = solver::FirstWinnableDeal(now)) return *winnable;
      table_.host().ShowMessage(
          QCoreApplication::translate(
              "Messages", "No deal that can be won was found in time: this one may not be winnable.")
              .toStdString());
      return now;
    };
  } else {
    table_.pick_new_deal = nullptr;
  }
  if (switches_.tell_winnable == (worker_ != nullptr)) return;
  if (!switches_.tell_winnable) {
    worker_.reset();
    delete verdict_;
    verdict_ = nullptr;
    asked_.reset();
    return;
  }
  verdict_ = new QLabel(&status_bar_);
  verdict_->setObjectName(QStringLiteral("verdict"));
  status_bar_.addPermanentWidget(verdict_);
  worker_ = std::make_unique<solver::VerdictWorker>(
      kVerdictLimits, [this](std::uint64_t job, const solver::Result& result) {
        QMetaObject::invokeMethod(
            this, [this, job, verdict = result.verdict] { Decided(job, verdict); }, Qt::QueuedConnection);
      });
  Follow();
}

void GameAids::Follow() {
  if (!worker_) return;
  if (table_.course.game_state != GameState::kInProgress) {
    if (!asked_) return;
    worker_->Cancel();
    asked_.reset();
    job_ = 0;
    verdict_->clear();
    return;
  }
  if (asked_ && *asked_ == table_.position) return;
  asked_ = table_.position;
  job_ = worker_->Decide(*asked_);
  verdict_->setText(VerdictText(std::nullopt));
}

void GameAids::Decided(std::uint64_t job, solver::Verdict verdict) {
  if (job == job_ && verdict_ != nullptr) verdict_->setText(VerdictText(verdict));
}

void GameAids::KeepGame() {
  if (!switches_.keep_game || table_.course.game_state != GameState::kInProgress) {
    files_.ForgetKeptGame();
    return;
  }
  const std::string text = KeptGameText(table_, VANTREL_VERSION);
  if (const std::optional<QString> why = files_.KeepGame(QByteArray::fromStdString(text))) {
    //: %1: the file; %2: the reason, as the system gives it
    throw Error(QCoreApplication::translate("Messages", "The game could not be kept in \"%1\": %2.")
                    .arg(files_.KeptGamePath(), *why)
                    .toStdString());
  }
}

}  // namespace vantrel::app

// Proofs that a position cannot be won, found without searching it.
#pragma once

#include <array>
#include <cstdint>

#include "table/position.h"

namespace vantrel::solver {

// True only when no sequence of drops from `p` can win. A card that is not yet on its next-higher card
// (nor a King at the head of a column) has to be dropped exactly once more, and some drops must come
// before others: the cards lying on a card's target must leave first. When those demands go round in a
// circle, or a face-down King can never be uncovered, the position is lost whatever is played.
//
// When it proves nothing and `before` is given, (*before)[y] receives the cards found to have to be
// dropped before y (for settled cards, none): the more cards wait for a drop, the more urgent it is.
bool ProvedDead(const Position& p, std::array<std::uint64_t, kDeck>* before = nullptr);
// The same, knowing the demands proved for an earlier position of the same line (they hold for `p`, and
// include every demand `p`'s own layout makes directly): the proof starts from them.
bool ProvedDead(const Position& p, const std::array<std::uint64_t, kDeck>& known,
                std::array<std::uint64_t, kDeck>* before);

// The same proof in two stages, for a search that wants the cheap one first. Constructing it collects the
// direct demands and closes them, which proves most lost deals; Narrow() goes on to narrow the choices and
// follow every card's target down its future column, which proves the rest ProvedDead proves.
class DeadEndProof {
 public:
  DeadEndProof() : before_{}, below_{} {}  // proves nothing yet
  explicit DeadEndProof(const Position& p);
  DeadEndProof(const Position& p, const std::array<std::uint64_t, kDeck>& known);
  // The whole proof of the position that the drop `u` (Position::Apply's) leads to, from `parent`, the
  // whole proof of the position it was made in, not dead: the same as one from the parent's demands, with
  // only what the drop changed looked at again.
  DeadEndProof(const DeadEndProof& parent, const Position& p, const Undo& u);
  bool dead() const { return dead_; }
  // The second stage; true when it proves the position lost. Call it once, on a position not proved dead.
  bool Narrow();
  // Its cheap part alone: one pass narrowing the choices (a second rarely learns more); true when that
  // proves the position lost. Narrow may follow.
  bool NarrowChoices();
  // The cards found to have to be dropped before each card, so far (meaningful while not dead).
  const std::array<std::uint64_t, kDeck>& before() const { return before_; }

 private:
  struct Choice {  // "one of `among` must be dropped before `card`"
    int card;
    std::uint64_t among;
  };
  enum class Way { kReachesY, kElsewhere, kUndecided };

  bool Before(int x, int y) const { return (before_[y] & Bit(x)) != 0; }
  // Collects the direct demands; false when they already prove the position lost.
  bool Collect(const Position& p);
  // Only what the position says beyond the demands of an earlier position of its line: which cards are
  // open, what each lies on, and the choices (an empty one is left for Narrow to find).
  void CollectChoices(const Position& p);
  // Appends the choices of the open cards of column c lying under their own target, among the open cards.
  void AddColumnChoices(const Position& p, int c);
  // Adds the Kings' choices, when no column is empty, among the columns' heads still to be dropped.
  void AddKingChoices(const Position& p);
  // Takes the transitive closure; false if some card must come before itself.
  bool Close();
  bool Add(int x, int y);
  // One pass over the choices: each loses the candidates that wait for its card, and its card waits for what
  // every candidate left waits for. False on a contradiction; *changed tells whether a demand was added.
  bool NarrowChoicesOnce(bool* changed);
  // One choice's share of that pass.
  bool NarrowChoice(Choice& choice, bool* changed);
  // Follows y's target downward as its column will lie when y is dropped (see Narrow); false on a
  // contradiction, *changed when a demand was added.
  bool FollowTarget(int y, bool* changed);
  // Where following the cards downward from `card` leads at the moment `y` is dropped; for kUndecided,
  // *undecided is the card whose turn relative to y decides the way on. The cards passed are added to
  // *passed.
  Way Descend(int card, int y, int* undecided, std::uint64_t* passed) const;

  // Each constructor sets these arrays as it needs them rather than clearing them first: once a line has
  // failed, the search makes a proof at nearly every position.
  std::uint64_t open_ = 0;                   // the cards still to be dropped
  std::array<std::uint64_t, kDeck> before_;  // before_[y]: the cards that must be dropped before y
  std::array<std::uint8_t, kDeck> below_;    // the card each card lies on now, or kNoCard
  std::array<Choice, kDeck> choices_;        // the first choice_count_ of them
  int choice_count_ = 0;
  // After Narrow: the cards each card's target was followed through. Only a card among them could make
  // the way go otherwise in a later position with the same demands.
  std::array<std::uint64_t, kDeck> passed_;  // (set for the open cards but Kings)
  bool dead_ = false;
};

}  // namespace vantrel::solver

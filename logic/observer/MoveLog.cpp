#include "logic/observer/MoveLog.h"

#include <algorithm>

#include "logic/cards/CardNames.h"
#include "logic/play/MeldRules.h"
#include "logic/table/Game.h"

namespace zelvani {

namespace {

std::string Signed(int number) {
  return number > 0 ? "+" + std::to_string(number) : std::to_string(number);
}

}  // namespace

std::vector<std::string> MoveLog::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(entries_.size());
  for (const Entry& entry : entries_)
    lines.push_back(entry.Text);
  return lines;
}

void MoveLog::Add(std::string text) {
  entries_.push_back({deals_, std::move(text)});
  if (Changed)
    Changed(true);
}

std::string MoveLog::Seat(int seat) const {
  return game_.Seats[seat].PlayerName + "：";
}

void MoveLog::AutoPlaySwitched(bool on) {
  if (on)
    Add(std::string("自動プレイを始めました。") + kNotCountedNote);
  else
    Add("自動プレイを終えました。");
}

void MoveLog::GameBegins(int) {
  entries_.clear();
  if (Changed)
    Changed(false);
  Add("新しいゲームを始めました。");
}

void MoveLog::Dealt(int round, std::int64_t, int dealer, const std::array<int, 52>&) {
  ++deals_;
  reshuffles_ = 0;
  // Lines of this deal's lead-in (a new game) stay; those before the last round go.
  const auto old = std::find_if(entries_.begin(), entries_.end(),
                                [this](const Entry& e) { return e.Deal >= deals_ - 1; });
  if (old != entries_.begin()) {
    entries_.erase(entries_.begin(), old);
    if (Changed)
      Changed(false);
  }
  Add("第" + std::to_string(round) + "回戦を配りました。親は" + game_.Seats[dealer].PlayerName +
      "です。");
}

void MoveLog::Drew(int seat, int) {
  // The card drawn is hidden from the other seats, whoever drew it.
  Add(Seat(seat) + "山から引きました");
}

void MoveLog::Reshuffled(std::int64_t, std::span<const int>) {
  ++reshuffles_;
  Add("山がなくなったので、捨て札を切り直して山にしました（" + std::to_string(reshuffles_) +
      "回目）。");
}

void MoveLog::Chii(int seat, int card) {
  Add(Seat(seat) + CardName(card) + "をチーしました");
}

void MoveLog::Pon(int seat, int card) {
  Add(Seat(seat) + CardName(card) + "をポンしました");
}

void MoveLog::Laid(int seat, int, std::span<const int> cards, const MeldRecord& meld) {
  const std::string label = std::string("（") + MeldLabel(meld.Kind) + "）";
  const int count = std::clamp(meld.Count, 0, kMeldSlots);
  if (count <= static_cast<int>(cards.size())) {
    Add(Seat(seat) + CardsName(cards) + "で役を作りました" + label);
    return;
  }
  // The meld as it lay before: its cards without the ones just laid.
  std::vector<int> before;
  for (int i = 0; i < count; ++i)
    if (std::find(cards.begin(), cards.end(), meld.Cards[i]) == cards.end())
      before.push_back(meld.Cards[i]);
  Add(Seat(seat) + CardsName(cards) + "を" + CardsName(before) + "の役に付けました" + label);
}

void MoveLog::Discarded(int seat, int card) {
  Add(Seat(seat) + CardName(card) + "を捨てました");
}

void MoveLog::FalseClaim(int seat, int card) {
  Add(Seat(seat) + "おてつきです。" + CardName(card) + "を捨て札に戻し、次の番を1回休みます");
}

void MoveLog::TurnSkipped(int seat) {
  Add(Seat(seat) + "おてつきのため、この番は休みです");
}

void MoveLog::RoundEnded(int round, int winner) {
  const std::string result =
      winner == kDrawnRound ? "流局です" : game_.Seats[winner].PlayerName + "の勝ちです";
  Add("第" + std::to_string(round) + "回戦の終わり：" + result);
}

void MoveLog::HandsShown(const std::array<HandRecord, kSeatCount>& seats) {
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const HandRecord& hand = seats[seat];
    const int count = std::clamp(hand.Count, 0, kHandSlots);
    if (count == 0)
      continue;
    std::string cards;
    for (int slot = 0; slot < count; ++slot)
      cards += (slot > 0 ? "、" : "") + CardName(hand.Cards[slot]);
    Add(Seat(seat) + "残りの手札は" + cards);
  }
}

void MoveLog::Points(const std::array<int, 4>& points, const std::array<int, 4>& change) {
  std::string text = "得点：";
  for (int seat = 0; seat < kSeatCount; ++seat)
    text += (seat > 0 ? "、" : "") + game_.Seats[seat].PlayerName + " " +
            std::to_string(points[seat]) + "点（" + Signed(change[seat]) + "）";
  Add(text);
}

void MoveLog::GameOver(int, int leader, bool abandoned) {
  if (abandoned)
    Add("ゲームを破棄しました。");
  else
    Add("ゲーム終了：総合優勝は" + game_.Seats[leader].PlayerName + "です。");
  if (game_.AutoPlayUsed)
    Add(kNotCountedNote);
}

}  // namespace zelvani

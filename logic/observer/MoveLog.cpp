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

Text NotCountedNote() {
  return Translatable("MoveLog", "自動プレイを使ったゲームは、積算成績とハイスコアに数えません。");
}

}  // namespace

std::vector<std::string> MoveLog::Lines(const Translator& translate) const {
  std::vector<std::string> lines;
  lines.reserve(entries_.size());
  for (const Entry& entry : entries_)
    lines.push_back(entry.Line.Render(translate));
  return lines;
}

std::string MoveLog::LastLine(const Translator& translate) const {
  return entries_.empty() ? std::string() : entries_.back().Line.Render(translate);
}

void MoveLog::Add(Text text) {
  entries_.push_back({deals_, std::move(text)});
  if (Changed)
    Changed(true);
}

const std::string& MoveLog::Name(int seat) const {
  return game_.Seats[seat].PlayerName;
}

void MoveLog::AutoPlaySwitched(bool on) {
  if (on)
    Add(Translatable("MoveLog", "自動プレイを始めました。%1").Arg(NotCountedNote()));
  else
    Add(Translatable("MoveLog", "自動プレイを終えました。"));
}

void MoveLog::GameBegins(int) {
  entries_.clear();
  if (Changed)
    Changed(false);
  Add(Translatable("MoveLog", "新しいゲームを始めました。"));
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
  Add(Translatable("MoveLog", "第%1回戦を配りました。親は%2です。").Arg(round).Arg(Name(dealer)));
}

void MoveLog::Drew(int seat, int) {
  // The card drawn is hidden from the other seats, whoever drew it.
  Add(Translatable("MoveLog", "%1：山から引きました").Arg(Name(seat)));
}

void MoveLog::Reshuffled(std::int64_t, std::span<const int>) {
  ++reshuffles_;
  Add(Translatable("MoveLog", "山がなくなったので、捨て札を切り直して山にしました（%1回目）。")
          .Arg(reshuffles_));
}

void MoveLog::Chii(int seat, int card) {
  Add(Translatable("MoveLog", "%1：%2をチーしました").Arg(Name(seat)).Arg(CardText(card)));
}

void MoveLog::Pon(int seat, int card) {
  Add(Translatable("MoveLog", "%1：%2をポンしました").Arg(Name(seat)).Arg(CardText(card)));
}

void MoveLog::Laid(int seat, int, std::span<const int> cards, const MeldRecord& meld) {
  const int count = std::clamp(meld.Count, 0, kMeldSlots);
  if (count <= static_cast<int>(cards.size())) {
    Add(Translatable("MoveLog", "%1：%2で役を作りました（%3）")
            .Arg(Name(seat))
            .Arg(CardsText(cards))
            .Arg(MeldLabel(meld.Kind)));
    return;
  }
  // The meld as it lay before: its cards without the ones just laid.
  std::vector<int> before;
  for (int i = 0; i < count; ++i)
    if (std::find(cards.begin(), cards.end(), meld.Cards[i]) == cards.end())
      before.push_back(meld.Cards[i]);
  Add(Translatable("MoveLog", "%1：%2を%3の役に付けました（%4）")
          .Arg(Name(seat))
          .Arg(CardsText(cards))
          .Arg(CardsText(before))
          .Arg(MeldLabel(meld.Kind)));
}

void MoveLog::Discarded(int seat, int card) {
  Add(Translatable("MoveLog", "%1：%2を捨てました").Arg(Name(seat)).Arg(CardText(card)));
}

void MoveLog::FalseClaim(int seat, int card) {
  Add(Translatable("MoveLog", "%1：おてつきです。%2を捨て札に戻し、次の番を1回休みます")
          .Arg(Name(seat))
          .Arg(CardText(card)));
}

void MoveLog::TurnSkipped(int seat) {
  Add(Translatable("MoveLog", "%1：おてつきのため、この番は休みです").Arg(Name(seat)));
}

void MoveLog::RoundEnded(int round, int winner) {
  if (winner == kDrawnRound)
    Add(Translatable("MoveLog", "第%1回戦の終わり：流局です").Arg(round));
  else
    Add(Translatable("MoveLog", "第%1回戦の終わり：%2の勝ちです").Arg(round).Arg(Name(winner)));
}

void MoveLog::HandsShown(const std::array<HandRecord, kSeatCount>& seats) {
  for (int seat = 0; seat < kSeatCount; ++seat) {
    const HandRecord& hand = seats[seat];
    const int count = std::clamp(hand.Count, 0, kHandSlots);
    if (count == 0)
      continue;
    Add(Translatable("MoveLog", "%1：残りの手札は%2")
            .Arg(Name(seat))
            .Arg(CardListText({hand.Cards.data(), static_cast<std::size_t>(count)})));
  }
}

void MoveLog::Points(const std::array<int, 4>& points, const std::array<int, 4>& change) {
  std::vector<Text> seats;
  for (int seat = 0; seat < kSeatCount; ++seat)
    seats.push_back(Translatable("MoveLog", "%1 %2点（%3）")
                        .Arg(Name(seat))
                        .Arg(points[seat])
                        .Arg(Signed(change[seat])));
  Add(Translatable("MoveLog", "得点：%1")
          .Arg(Text::Joined(Translatable("MoveLog", "、"), std::move(seats))));
}

void MoveLog::GameOver(int, int leader, bool abandoned) {
  if (abandoned)
    Add(Translatable("MoveLog", "ゲームを破棄しました。"));
  else
    Add(Translatable("MoveLog", "ゲーム終了：総合優勝は%1です。").Arg(Name(leader)));
  if (game_.AutoPlayUsed)
    Add(NotCountedNote());
}

}  // namespace zelvani

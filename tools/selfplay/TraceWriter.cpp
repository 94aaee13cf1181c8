#include "tools/selfplay/TraceWriter.h"

namespace zelvani {

template <typename Cards>
void TraceWriter::WriteCards(const Cards& cards) {
  for (int card : cards)
    out_ << ' ' << card;
}

void TraceWriter::GameBegins(int game) {
  out_ << "game " << game << '\n';
}

void TraceWriter::Dealt(int round, std::int64_t time, int dealer, const std::array<int, 52>& deck) {
  out_ << "deal " << round << " time " << time << " dealer " << dealer << " deck";
  WriteCards(deck);
  out_ << '\n';
}

void TraceWriter::Drew(int seat, int card) {
  out_ << "draw " << seat << ' ' << card << '\n';
}

void TraceWriter::Reshuffled(std::int64_t time, const std::vector<int>& stock) {
  out_ << "reshuffle time " << time << " stock";
  WriteCards(stock);
  out_ << '\n';
}

void TraceWriter::Chii(int seat, int card) {
  out_ << "chii " << seat << ' ' << card << '\n';
}
void TraceWriter::Pon(int seat, int card) {
  out_ << "pon " << seat << ' ' << card << '\n';
}

void TraceWriter::Laid(int seat, int window, const std::vector<int>& cards) {
  out_ << "lay " << seat << ' ' << window;
  WriteCards(cards);
  out_ << '\n';
}

void TraceWriter::Discarded(int seat, int card) {
  out_ << "discard " << seat << ' ' << card << '\n';
}

void TraceWriter::RoundEnded(int round, int winner) {
  out_ << "end " << round;
  if (winner == kDrawnRound)
    out_ << " drawn\n";
  else
    out_ << " winner " << winner << '\n';
}

void TraceWriter::Points(const std::array<int, 4>& points) {
  out_ << "points";
  for (int p : points)
    out_ << ' ' << p;
  out_ << '\n';
}

void TraceWriter::GameOver(int game, int leader) {
  out_ << "gameover " << game << " leader " << leader << '\n';
}

}  // namespace zelvani

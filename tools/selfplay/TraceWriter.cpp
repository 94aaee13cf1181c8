#include "tools/selfplay/TraceWriter.h"

#include <charconv>

namespace zelvani {

// One line of the trace, put together in place and written in one piece when it goes:
// the stream's own formatting of each number costs more than the rest of a traced run.
class TraceWriter::Line {
 public:
  explicit Line(std::ostream& out) : out_(out) {}
  Line(const Line&) = delete;
  Line& operator=(const Line&) = delete;
  ~Line() {
    text_[length_++] = '\n';
    out_.write(text_, length_);
  }

  Line& operator<<(const char* word) {
    while (*word && length_ < kRoom)
      text_[length_++] = *word++;
    return *this;
  }
  Line& operator<<(std::int64_t number) {
    length_ = static_cast<int>(std::to_chars(text_ + length_, text_ + kRoom, number).ptr - text_);
    return *this;
  }
  // Each card after a space.
  Line& operator<<(std::span<const int> cards) {
    for (int card : cards)
      *this << " " << card;
    return *this;
  }

 private:
  // The longest line, a deal, has 52 cards of at most 3 characters after a few words.
  static constexpr int kRoom = 511;

  std::ostream& out_;
  char text_[kRoom + 1];
  int length_ = 0;
};

void TraceWriter::GameBegins(int game) {
  Line(out_) << "game " << game;
}

void TraceWriter::Dealt(int round, std::int64_t time, int dealer, const std::array<int, 52>& deck) {
  Line(out_) << "deal " << round << " time " << time << " dealer " << dealer << " deck" << deck;
}

void TraceWriter::Drew(int seat, int card) {
  Line(out_) << "draw " << seat << " " << card;
}

void TraceWriter::Reshuffled(std::int64_t time, std::span<const int> stock) {
  Line(out_) << "reshuffle time " << time << " stock" << stock;
}

void TraceWriter::Chii(int seat, int card) {
  Line(out_) << "chii " << seat << " " << card;
}
void TraceWriter::Pon(int seat, int card) {
  Line(out_) << "pon " << seat << " " << card;
}

void TraceWriter::Laid(int seat, int window, std::span<const int> cards) {
  Line(out_) << "lay " << seat << " " << window << cards;
}

void TraceWriter::Discarded(int seat, int card) {
  Line(out_) << "discard " << seat << " " << card;
}

void TraceWriter::RoundEnded(int round, int winner) {
  if (winner == kDrawnRound)
    Line(out_) << "end " << round << " drawn";
  else
    Line(out_) << "end " << round << " winner " << winner;
}

void TraceWriter::Points(const std::array<int, 4>& points) {
  Line(out_) << "points" << points;
}

void TraceWriter::GameOver(int game, int leader) {
  Line(out_) << "gameover " << game << " leader " << leader;
}

}  // namespace zelvani

#include "tools/selfplay/TraceWriter.h"

#include <charconv>

namespace zelvani {

namespace {

constexpr std::size_t kFlushAt = 1 << 16;

}  // namespace

// One line of the trace, put together in place and added in one piece when it goes: the
// stream's own formatting of each number costs more than the rest of a traced run.
class TraceWriter::Line {
 public:
  explicit Line(TraceWriter& writer) : writer_(writer) {}
  Line(const Line&) = delete;
  Line& operator=(const Line&) = delete;
  ~Line() {
    text_[length_++] = '\n';
    writer_.pending_.append(text_, length_);
    if (writer_.pending_.size() >= kFlushAt)
      writer_.Flush();
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

  TraceWriter& writer_;
  char text_[kRoom + 1];
  int length_ = 0;
};

TraceWriter::TraceWriter(std::ostream& out) : out_(out) {
  pending_.reserve(kFlushAt + 1024);
}

TraceWriter::~TraceWriter() {
  Flush();
}

void TraceWriter::Flush() {
  out_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
  pending_.clear();
}

void TraceWriter::GameBegins(int game) {
  Line(*this) << "game " << game;
}

void TraceWriter::Dealt(int round, std::int64_t time, int dealer, const std::array<int, 52>& deck) {
  Line(*this) << "deal " << round << " time " << time << " dealer " << dealer << " deck" << deck;
}

void TraceWriter::Drew(int seat, int card) {
  Line(*this) << "draw " << seat << " " << card;
}

void TraceWriter::Reshuffled(std::int64_t time, std::span<const int> stock) {
  Line(*this) << "reshuffle time " << time << " stock" << stock;
}

void TraceWriter::Chii(int seat, int card) {
  Line(*this) << "chii " << seat << " " << card;
}
void TraceWriter::Pon(int seat, int card) {
  Line(*this) << "pon " << seat << " " << card;
}

void TraceWriter::Laid(int seat, int window, std::span<const int> cards, const MeldRecord&) {
  Line(*this) << "lay " << seat << " " << window << cards;
}

void TraceWriter::Discarded(int seat, int card) {
  Line(*this) << "discard " << seat << " " << card;
}

void TraceWriter::RoundEnded(int round, int winner) {
  if (winner == kDrawnRound)
    Line(*this) << "end " << round << " drawn";
  else
    Line(*this) << "end " << round << " winner " << winner;
}

void TraceWriter::Points(const std::array<int, 4>& points, const std::array<int, 4>&) {
  Line(*this) << "points" << points;
}

void TraceWriter::GameOver(int game, int leader, bool) {
  Line(*this) << "gameover " << game << " leader " << leader;
}

}  // namespace zelvani

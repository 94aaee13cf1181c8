// Writes the events of self-play games as a trace: one line per event, tokens separated
// by single spaces, cards as their codes 0..51 and seats as 0..3.
//
//   game G | deal R time T dealer D deck c0 .. c51 | draw S C | reshuffle time T stock ..
//   chii S C | pon S C | lay S W C1 .. Ck | discard S C | end R winner S | end R drawn
//   points p0 p1 p2 p3 | gameover G leader S
#pragma once

#include <ostream>
#include <string>

#include "logic/observer/TableEvents.h"

namespace zelvani {

// Lines are gathered and handed to the stream some tens of kilobytes at a time, and when
// the writer goes or is flushed.
class TraceWriter : public TableEvents {
 public:
  explicit TraceWriter(std::ostream& out);
  ~TraceWriter() override;
  TraceWriter(const TraceWriter&) = delete;
  TraceWriter& operator=(const TraceWriter&) = delete;

  // Hands every line gathered so far to the stream.
  void Flush();

  void GameBegins(int game) override;
  void Dealt(int round, std::int64_t time, int dealer, const std::array<int, 52>& deck) override;
  void Drew(int seat, int card) override;
  void Reshuffled(std::int64_t time, std::span<const int> stock) override;
  void Chii(int seat, int card) override;
  void Pon(int seat, int card) override;
  void Laid(int seat, int window, std::span<const int> cards, const MeldRecord& meld) override;
  void Discarded(int seat, int card) override;
  void RoundEnded(int round, int winner) override;
  void Points(const std::array<int, 4>& points, const std::array<int, 4>& change) override;
  void GameOver(int game, int leader, bool abandoned) override;

 private:
  class Line;

  std::ostream& out_;
  std::string pending_;
};

}  // namespace zelvani

// The spoken name of a card, as a screen reader reads the table: the suit and the rank in
// Japanese, written as the default card sheet prints them ("ハートの７", "スペードのＡ").
#pragma once

#include <string>

namespace zelvani {

// The name of card code 0..51; empty for anything else.
std::string CardName(int code);

}  // namespace zelvani

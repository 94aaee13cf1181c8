// The comma text that stores one column of the score sheet as a single line: cells joined
// by ",", quoted with doubled inner quotes when they hold a blank, a control character,
// a comma or a quote.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvani {

// A list that is one empty cell is written as two double quotes; other empty cells are
// written as nothing between their commas.
std::string ToCommaText(const std::vector<std::string>& cells);

// Items are separated by commas; blanks (spaces and control characters) around them are
// skipped; a quoted item ends at its closing quote ("" inside stands for one quote), an
// unquoted one at a blank or a comma. An empty item after a final comma is not counted.
std::vector<std::string> ParseCommaText(std::string_view text);

}  // namespace zelvani

// The settings store: every setting that outlives a run is read once at start-up
// (LoadSettings) and written once when the frame closes (SaveSettings), under the key
// "Software\Hollyfen\Zelvani" of the user's store. In between they live in memory only.
#pragma once

#include <optional>
#include <string>

#include "logic/program/Text.h"
#include "logic/settings/Preferences.h"

namespace zelvani {

struct Game;
class Registry;
class SettingsWindows;
struct StoreFailure;

inline constexpr const char* kProgramKey = "Software\\Hollyfen\\Zelvani";
// The outside picture viewer's key; only its value "Path" is read, never written.
inline constexpr const char* kPluginKey = "\\Software\\Morwick\\Susie\\Plug-in";

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Stored window rectangles outside these bounds are taken for damage and ignored.
constexpr int kMaxWindowCoordinate = 30000;
constexpr int kMaxWindowExtent = 10000;

// A decimal integer with an optional sign, blanks around it allowed, within int32;
// nothing for anything else.
std::optional<int> ParseDecimal(const std::string& text);
// "Oya" holds DealerRule × 10 + Dealer. A half out of range (a rule beyond 3, a dealer
// beyond 3, or a negative value) falls back to 0.
void SplitDealerValue(int dealerValue, int& dealerRule, int& dealer);
int JoinDealerValue(int dealerRule, int dealer);
// The folder with the platform's separator at its end ("/" or "\" already there counts).
std::string WithTrailingSeparator(const std::string& folder);

// Reads every setting in its fixed order, giving the windows their places, pictures and
// sounds, resuming an unfinished game, and working out OfficialRule last. Whatever
// cannot be read keeps its default and rule values are kept to the options dialog's
// ranges; nothing is reported except the picture loaders' own messages. A card sheet
// that fails gives way to the shipped one; a card sheet or background whose file is
// missing stays chosen. When anything stored was not taken as it is, the store is asked
// to keep a backup before the close writes over it.
// `translate` gives the seats' default names in the player's language.
void LoadSettings(Game& game, Preferences& prefs, Registry& registry, SettingsWindows& windows,
                  const Translator& translate = {});

// The table scale the player chose ("表示倍率", percent), 0 when none or when what is
// stored is not one offered. Read on its own before any window exists, since the whole
// program is drawn at that scale from its start; LoadSettings reads it again.
int LoadTableScale(Registry& registry);
// The language chosen in the options, read on its own before any window exists for the
// same reason.
LanguageChoice LoadLanguageChoice(Registry& registry);

// Writes every setting in its fixed order. Stops at the first value the store refuses;
// returns false then, or when the store could not keep what was written.
bool SaveSettings(Game& game, const Preferences& prefs, Registry& registry,
                  SettingsWindows& windows);

// Beside those, the play aids: where the "記録" window sits ("Form\Log": Visible, Side,
// Width, Height), whether the unfinished game had the automatic player ("Score":
// AutoPlayed, 1 or 0), so that a resumed game still counts toward nothing, whether
// the score sheet shows its chart ("Form\Score": Chart, 1 or 0; none means the grid), and,
// in "Options", ClaimBoxes (0: a computer's claim told without a box) and TableLook (1 felt),
// each absent while it is the default.
// Read after LoadSettings; AutoPlayUsed is taken up only for a resumed game.
void LoadPlayAids(Game& game, Preferences& prefs, Registry& registry);
// Written before SaveSettings, whose last step makes them lasting.
bool SavePlayAids(const Game& game, const Preferences& prefs, Registry& registry);

// What the player is told when the settings could not be saved: the place and the reason.
Text SaveFailureText(const StoreFailure& failure);

}  // namespace zelvani

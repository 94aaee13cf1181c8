#include "logic/settings/SettingsStore.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

#include "logic/scoring/HiScore.h"
#include "logic/scoring/SavedGame.h"
#include "logic/settings/OptionRules.h"
#include "logic/settings/SettingsWindows.h"
#include "logic/storage/Registry.h"
#include "logic/table/Game.h"
#include "logic/table/SeatNames.h"

namespace zelvani {

namespace {

constexpr int kSeatWindowWidth = 150;
constexpr int kSeatWindowHeight = 132;
constexpr int kCueCount = 3;

const std::array<const char*, kCueCount> kSoundValues = {"Sound1", "Sound2", "Sound3"};
const std::array<const char*, kCueCount> kDefaultSounds = {"Click.wav", "Suteru.wav",
                                                           "YakuDasu.wav"};
constexpr const char* kDefaultCardPicture = "Cards.bmp";
// Lengths past which what is stored is taken for damage: a megabyte of name would make
// every caption and box that shows it crawl.
constexpr std::size_t kMaxNameBytes = 256;
#ifdef _WIN32
constexpr std::size_t kMaxPathBytes = 32767;
#else
constexpr std::size_t kMaxPathBytes = 4095;
#endif
// Beside the values of "Options": the table scale, stored only once the player chose one.
constexpr const char* kTableScaleValue = "TableScale";
// The sound switch, a value of its own beside the three sound files.
constexpr const char* kPlaySoundsValue = "PlaySounds";
// Whether the score sheet shows its chart, a play aid.
constexpr const char* kScoreSheetSection = "Form\\Score";
constexpr const char* kChartValue = "Chart";
// A computer seat's level (0 standard, 1 strong), beside its name in "Form\PlayerN".
constexpr const char* kLevelValue = "Level";
// Play aids beside them, stored only while they differ from the default: 0 when a
// computer's claim is told without a box, and the table's look (1 felt).
constexpr const char* kClaimBoxesValue = "ClaimBoxes";
constexpr const char* kLanguageValue = "Language";
constexpr const char* kTableLookValue = "TableLook";

std::string SubKey(const std::string& section) {
  return std::string(kProgramKey) + "\\" + section;
}
std::string SeatSection(int seat) {
  return "Form\\Player" + std::to_string(seat);
}

// Reads one section with the reading rules: a missing key or value, a value of the wrong
// type and unreadable numbers all give the default. Whatever is stored but not taken as
// it is sets `discarded`, since the next save writes over it.
class SectionReader {
 public:
  SectionReader(Registry& registry, const std::string& section, bool& discarded)
      : key_(registry.OpenKey(SubKey(section), false)), discarded_(discarded) {}

  std::string Text(const std::string& name, const std::string& fallback) const {
    if (!key_)
      return fallback;
    const auto value = key_->ReadString(name);
    if (value.Status == ReadStatus::WrongType)
      discarded_ = true;
    return value.Ok() ? value.Value : fallback;
  }

  // A name longer than any the game shows is cut, at a character's end.
  // A seat's name: cut to a length a caption can show, and never blank.
  std::string Name(const std::string& name, const std::string& fallback) const {
    std::string text = Text(name, fallback);
    if (IsBlankName(text)) {
      discarded_ = true;
      return fallback;
    }
    if (text.size() > kMaxNameBytes) {
      std::size_t end = kMaxNameBytes;
      while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
      text.resize(end);
      discarded_ = true;
    }
    return text;
  }

  // A path longer than the system allows names no file.
  std::string Path(const std::string& name, const std::string& fallback) const {
    const std::string text = Text(name, fallback);
    if (text.size() <= kMaxPathBytes)
      return text;
    discarded_ = true;
    return fallback;
  }

  int Integer(const std::string& name, int fallback, int low = INT_MIN, int high = INT_MAX) const {
    const std::optional<int> number = Stored(name);
    if (!number)
      return fallback;
    if (*number < low || *number > high) {
      discarded_ = true;
      return fallback;
    }
    return *number;
  }

  // A number beyond the range is taken as its nearer end.
  int Clamped(const std::string& name, int fallback, const NumberRange& range) const {
    const std::optional<int> number = Stored(name);
    if (!number)
      return fallback;
    const int kept = std::clamp(*number, range.Minimum, range.Maximum);
    if (kept != *number)
      discarded_ = true;
    return kept;
  }

  bool Boolean(const std::string& name, bool fallback) const {
    return Integer(name, fallback ? 1 : 0) != 0;
  }

 private:
  std::optional<int> Stored(const std::string& name) const {
    if (!key_)
      return std::nullopt;
    const auto value = key_->ReadString(name);
    if (value.Status == ReadStatus::Missing)
      return std::nullopt;
    const std::optional<int> number = value.Ok() ? ParseDecimal(value.Value) : std::nullopt;
    if (!number)
      discarded_ = true;
    return number;
  }

  std::unique_ptr<RegistryKey> key_;
  bool& discarded_;
};

// Writes one section, creating its key at the first write.
class SectionWriter {
 public:
  SectionWriter(Registry& registry, std::string section)
      : registry_(registry), section_(std::move(section)) {}

  bool Text(const std::string& name, const std::string& value) {
    RegistryKey* key = Key();
    return key && key->WriteString(name, value);
  }
  bool Integer(const std::string& name, int value) { return Text(name, std::to_string(value)); }
  bool Boolean(const std::string& name, bool value) { return Text(name, value ? "1" : "0"); }
  // A value written only while it differs from `fallback`, which its absence means; a
  // section that is not there is not made for it.
  bool IntegerUnlessDefault(const std::string& name, int value, int fallback) {
    if (value != fallback)
      return Integer(name, value);
    if (!key_)
      key_ = registry_.OpenKey(SubKey(section_), false);
    return !key_ || !key_->ValueExists(name) || key_->DeleteValue(name);
  }
  bool BooleanUnlessDefault(const std::string& name, bool value, bool fallback) {
    return IntegerUnlessDefault(name, value ? 1 : 0, fallback ? 1 : 0);
  }
  RegistryKey* Key() {
    if (!key_)
      key_ = registry_.OpenKey(SubKey(section_), true);
    return key_.get();
  }

 private:
  Registry& registry_;
  std::string section_;
  std::unique_ptr<RegistryKey> key_;
};

// Reads Left, Top, Width and Height with the window's present values as defaults, setting
// each at once, as a window moved field by field would be.
template <typename Get, typename Set>
void LoadRect(const SectionReader& section, Get get, Set set) {
  WinRect rect = get();
  rect.Left = section.Integer("Left", rect.Left, -kMaxWindowCoordinate, kMaxWindowCoordinate);
  set(rect);
  rect = get();
  rect.Top = section.Integer("Top", rect.Top, -kMaxWindowCoordinate, kMaxWindowCoordinate);
  set(rect);
  rect = get();
  rect.Width = section.Integer("Width", rect.Width, 1, kMaxWindowExtent);
  set(rect);
  rect = get();
  rect.Height = section.Integer("Height", rect.Height, 1, kMaxWindowExtent);
  set(rect);
}

bool SaveRect(SectionWriter& section, const WinRect& rect) {
  return section.Integer("Left", rect.Left) && section.Integer("Top", rect.Top) &&
         section.Integer("Width", rect.Width) && section.Integer("Height", rect.Height);
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::optional<int> ParseDecimal(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin]))
    ++begin;
  while (end > begin && IsBlank(text[end - 1]))
    --end;
  std::size_t digits = begin;
  if (digits < end && (text[digits] == '-' || text[digits] == '+'))
    ++digits;
  if (digits == end)
    return std::nullopt;
  for (std::size_t i = digits; i < end; ++i)
    if (text[i] < '0' || text[i] > '9')
      return std::nullopt;
  // Long enough for any int32 with a few leading zeros; longer is out of range anyway.
  if (end - digits > 18)
    return std::nullopt;
  const long long value = std::strtoll(text.substr(begin, end - begin).c_str(), nullptr, 10);
  if (value < INT_MIN || value > INT_MAX)
    return std::nullopt;
  return static_cast<int>(value);
}

void SplitDealerValue(int dealerValue, int& dealerRule, int& dealer) {
  dealerRule = 0;
  dealer = 0;
  if (dealerValue < 0)
    return;
  if (dealerValue / 10 < kDealerRuleCount)
    dealerRule = dealerValue / 10;
  if (dealerValue % 10 < kSeatCount)
    dealer = dealerValue % 10;
}

int JoinDealerValue(int dealerRule, int dealer) {
  return dealerRule * 10 + dealer;
}

std::string WithTrailingSeparator(const std::string& folder) {
  if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\'))
    return folder;
  return folder + kPathSeparator;
}

namespace {

int ReadTableScale(const SectionReader& options) {
  const int percent = options.Integer(kTableScaleValue, 0);
  return IsTableScale(percent) ? percent : 0;
}

LanguageChoice ReadLanguageChoice(const SectionReader& options) {
  return static_cast<LanguageChoice>(options.Integer(
      kLanguageValue, static_cast<int>(LanguageChoice::Automatic),
      static_cast<int>(LanguageChoice::Automatic), static_cast<int>(LanguageChoice::English)));
}

}  // namespace

int LoadTableScale(Registry& registry) {
  bool discarded = false;
  return ReadTableScale(SectionReader(registry, "Options", discarded));
}

LanguageChoice LoadLanguageChoice(Registry& registry) {
  bool discarded = false;
  return ReadLanguageChoice(SectionReader(registry, "Options", discarded));
}

void LoadSettings(Game& game, Preferences& prefs, Registry& registry, SettingsWindows& windows,
                  const Translator& translate) {
  bool discarded = false;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    WinRect rect = windows.SeatRect(seat);
    rect.Width = kSeatWindowWidth;
    rect.Height = kSeatWindowHeight;
    windows.SetSeatRect(seat, rect);
  }

  if (auto plugin = registry.OpenKey(kPluginKey, false)) {
    const auto path = plugin->ReadString("Path");
    // An empty path names no folder; appending a separator would make it the root.
    if (path.Ok() && !path.Value.empty() && path.Value.size() < kMaxPathBytes)
      prefs.PluginFolder = WithTrailingSeparator(path.Value);
  }

  auto program = registry.OpenKey(kProgramKey, true);

  const SectionReader options(registry, "Options", discarded);
  const std::string cardPicture = options.Path("CardPicture", kDefaultCardPicture);
  const PictureLoad card = windows.LoadCardPicture(cardPicture);
  if (card != PictureLoad::Loaded && cardPicture != kDefaultCardPicture)
    windows.LoadCardPicture(kDefaultCardPicture);  // a table without cards cannot be played
  // A sheet that is only missing stays chosen, for the day its drive is back.
  if (card == PictureLoad::Missing)
    prefs.CardPicturePath = cardPicture;
  if (prefs.CardPicturePath != cardPicture)
    discarded = true;

  windows.TileCounterClockwise();

  LoadRect(
      SectionReader(registry, "Form\\Main", discarded), [&] { return windows.FrameRect(); },
      [&](const WinRect& rect) { windows.SetFrameRect(rect); });

  for (int seat = 0; seat < kSeatCount; ++seat) {
    const SectionReader section(registry, SeatSection(seat), discarded);
    LoadRect(
        section, [&] { return windows.SeatRect(seat); },
        [&](const WinRect& rect) { windows.SetSeatRect(seat, rect); });
    const std::string back = section.Path("Back", "");
    std::string& background = prefs.SeatBackgrounds[seat];
    background = back;
    if (!back.empty() && windows.LoadBackground(seat, back) == PictureLoad::Missing)
      background = back;  // kept, with no background drawn meanwhile
    if (background != back)
      discarded = true;
  }

  for (int seat = 0; seat < kSeatCount; ++seat) {
    const SectionReader section(registry, SeatSection(seat), discarded);
    SetPlayerName(game, seat, section.Name("Name", DefaultPlayerName(seat).Render(translate)));
    // Beside a computer seat's name, how strong it plays: none stored is the standard.
    if (seat != kHumanSeat)
      game.Seats[seat].Level = static_cast<PlayerLevel>(section.Integer(
          kLevelValue, static_cast<int>(PlayerLevel::Standard),
          static_cast<int>(PlayerLevel::Standard), static_cast<int>(PlayerLevel::Strong)));
  }

  // Every rule is kept to the range the options dialog offers.
  const SectionReader rule(registry, "Rule", discarded);
  const RuleSettings defaults;
  RuleSettings& rules = game.Rules;
  rules.StartPoint = rule.Clamped("StartPoint", defaults.StartPoint, kStartPointRange);
  rules.ZeroSum = rule.Boolean("ZeroSum", defaults.ZeroSum);
  rules.UseEndTerm = rule.Boolean("UseEndTerm", defaults.UseEndTerm);
  rules.EndTerm = rule.Clamped("EndTerm", defaults.EndTerm, kEndTermRange);
  rules.RunOutLimit = rule.Clamped("Ryukyoku", defaults.RunOutLimit, kRunOutLimitRange);
  const int dealerValue = rule.Integer("Oya", 0);
  SplitDealerValue(dealerValue, rules.DealerRule, game.Dealer);
  if (JoinDealerValue(rules.DealerRule, game.Dealer) != dealerValue)
    discarded = true;
  rules.PonWaitMs = rule.Clamped("Wait0", defaults.PonWaitMs, kWaitRange);
  rules.ThinkingMs = rule.Clamped("Wait1", defaults.ThinkingMs, kWaitRange);

  std::array<std::string, kCueCount> sounds;
  for (int cue = 0; cue < kCueCount; ++cue)
    sounds[cue] = options.Path(kSoundValues[cue], kDefaultSounds[cue]);
  prefs.TableScale = ReadTableScale(options);
  if (prefs.TableScale == 0 && options.Integer(kTableScaleValue, 0) != 0)
    discarded = true;
  prefs.PlaySounds = options.Boolean(kPlaySoundsValue, true);

  auto score = registry.OpenKey(SubKey("Score"), true);
  if (!LoadScoreValues(game, score.get()))
    discarded = true;

  score.reset();
  program.reset();

  auto hiScores = registry.OpenKey(SubKey("Score"), false);
  for (int table = 0; table < static_cast<int>(game.HiScore.size()); ++table) {
    const std::string value = "Data" + std::to_string(table);
    if (!hiScores)
      game.HiScore[table] = EmptyHiScoreTable();
    else if (!LoadHiScore(*hiScores, game.HiScore[table], value) && hiScores->ValueExists(value))
      discarded = true;
  }

  for (int cue = 0; cue < kCueCount; ++cue) {
    // A sound that cannot be opened stays silent, without a word.
    try {
      windows.OpenSound(cue, sounds[cue]);
    } catch (...) {
    }
  }

  game.OfficialRule = OfficialRuleOf(game.Rules);

  // The next save writes over whatever was not taken up; the backup keeps it.
  if (discarded)
    registry.KeepBackup(kProgramKey);
}

Text SaveFailureText(const StoreFailure& failure) {
  const bool place = !failure.Place.empty();
  const bool reason = !failure.Reason.Empty();
  if (place && reason)
    return Translatable("Storage", "設定と成績を保存できませんでした。\n\n保存先：%1\n理由：%2")
        .Arg(failure.Place)
        .Arg(failure.Reason);
  if (place)
    return Translatable("Storage", "設定と成績を保存できませんでした。\n\n保存先：%1")
        .Arg(failure.Place);
  if (reason)
    return Translatable("Storage", "設定と成績を保存できませんでした。\n理由：%1")
        .Arg(failure.Reason);
  return Translatable("Storage", "設定と成績を保存できませんでした。");
}

bool SaveSettings(Game& game, const Preferences& prefs, Registry& registry,
                  SettingsWindows& windows) {
  auto program = registry.OpenKey(kProgramKey, true);
  if (!program)
    return false;

  SectionWriter frame(registry, "Form\\Main");
  if (!SaveRect(frame, windows.FrameRect()))
    return false;

  for (int seat = 0; seat < kSeatCount; ++seat) {
    SectionWriter section(registry, SeatSection(seat));
    const HandRecord& hand = game.Seats[seat];
    if (!SaveRect(section, windows.SeatRect(seat)) || !section.Text("Name", hand.PlayerName) ||
        !section.Text("Back", prefs.SeatBackgrounds[seat]))
      return false;
    // A file that never had a level keeps none while the seat plays the standard player.
    if (seat != kHumanSeat &&
        !section.IntegerUnlessDefault(kLevelValue, static_cast<int>(hand.Level),
                                      static_cast<int>(PlayerLevel::Standard)))
      return false;
  }

  SectionWriter rule(registry, "Rule");
  const RuleSettings& rules = game.Rules;
  if (!rule.Integer("StartPoint", rules.StartPoint) || !rule.Boolean("ZeroSum", rules.ZeroSum) ||
      !rule.Boolean("UseEndTerm", rules.UseEndTerm) || !rule.Integer("EndTerm", rules.EndTerm) ||
      !rule.Integer("Ryukyoku", rules.RunOutLimit) ||
      !rule.Integer("Oya", JoinDealerValue(rules.DealerRule, game.Dealer)) ||
      !rule.Integer("Wait0", rules.PonWaitMs) || !rule.Integer("Wait1", rules.ThinkingMs))
    return false;

  SectionWriter options(registry, "Options");
  if (!options.Text("CardPicture", prefs.CardPicturePath))
    return false;
  for (int cue = 0; cue < kCueCount; ++cue)
    if (!options.Text(kSoundValues[cue], windows.SoundFile(cue)))
      return false;
  // None stored, for "自動" or a size no longer offered, is the screen's own scale.
  if (!options.IntegerUnlessDefault(kTableScaleValue, prefs.TableScale, 0))
    return false;
  if (!options.Boolean(kPlaySoundsValue, prefs.PlaySounds))
    return false;

  {
    SectionWriter score(registry, "Score");
    if (!score.Key() || !SaveScoreValues(game, *score.Key()))
      return false;
  }

  program.reset();

  SectionWriter hiScores(registry, "Score");
  if (!hiScores.Key())
    return false;
  for (int table = 0; table < static_cast<int>(game.HiScore.size()); ++table)
    if (!SaveHiScore(*hiScores.Key(), game.HiScore[table], "Data" + std::to_string(table)))
      return false;

  return registry.Flush();
}

void LoadPlayAids(Game& game, Preferences& prefs, Registry& registry) {
  bool discarded = false;
  const SectionReader section(registry, "Form\\Log", discarded);
  LogPlace& log = prefs.Log;
  log = LogPlace{};
  log.Visible = section.Boolean("Visible", log.Visible);
  log.Side = section.Integer("Side", log.Side, 0, kLogSides - 1);
  log.Width = section.Integer("Width", log.Width, 1, kMaxWindowExtent);
  log.Height = section.Integer("Height", log.Height, 1, kMaxWindowExtent);
  log.Spoken = section.Boolean("Spoken", log.Spoken);
  prefs.ScoreChart =
      SectionReader(registry, kScoreSheetSection, discarded).Boolean(kChartValue, false);
  prefs.KeepMeldPlaces =
      SectionReader(registry, "Form\\Melds", discarded).Boolean("KeepPlaces", false);
  const bool autoPlayed = SectionReader(registry, "Score", discarded).Boolean("AutoPlayed", false);
  game.AutoPlayUsed = autoPlayed && game.Round > 0;
  const SectionReader options(registry, "Options", discarded);
  prefs.ClaimBoxes = options.Boolean(kClaimBoxesValue, true);
  prefs.Language = ReadLanguageChoice(options);
  prefs.Look = static_cast<TableLook>(
      options.Integer(kTableLookValue, static_cast<int>(TableLook::Plain), 0, kTableLooks - 1));
  if (discarded)
    registry.KeepBackup(kProgramKey);
}

namespace {}  // namespace

bool SavePlayAids(const Game& game, const Preferences& prefs, Registry& registry) {
  const LogPlace& log = prefs.Log;
  SectionWriter section(registry, "Form\\Log");
  SectionWriter score(registry, "Score");
  SectionWriter options(registry, "Options");
  // The values below are kept only while they differ from their default, which their
  // absence means: a file that never had them is written back unchanged.
  return section.Boolean("Visible", log.Visible) && section.Integer("Side", log.Side) &&
         section.Integer("Width", log.Width) && section.Integer("Height", log.Height) &&
         score.Boolean("AutoPlayed", game.Round > 0 && game.AutoPlayUsed) &&
         section.BooleanUnlessDefault("Spoken", log.Spoken, true) &&
         SectionWriter(registry, "Form\\Melds")
             .BooleanUnlessDefault("KeepPlaces", prefs.KeepMeldPlaces, false) &&
         SectionWriter(registry, kScoreSheetSection)
             .BooleanUnlessDefault(kChartValue, prefs.ScoreChart, false) &&
         options.BooleanUnlessDefault(kClaimBoxesValue, prefs.ClaimBoxes, true) &&
         options.IntegerUnlessDefault(kTableLookValue, static_cast<int>(prefs.Look),
                                      static_cast<int>(TableLook::Plain)) &&
         options.IntegerUnlessDefault(kLanguageValue, static_cast<int>(prefs.Language),
                                      static_cast<int>(LanguageChoice::Automatic));
}

}  // namespace zelvani

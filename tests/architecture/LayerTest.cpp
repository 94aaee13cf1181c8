// The layers of the sources, checked on the files themselves: every #include in logic/ and
// desktop/ (and every <header> of a form, which the generated ui_*.h includes) must name a
// file of its own subsystem or of a lower one, and the logic never includes Qt or desktop/.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace zelvani {
namespace {

namespace fs = std::filesystem;

// THE LAYER ORDER, lowest first. A file may include files of its own subsystem and of the
// ones listed before it; desktop stands above all of logic. A new subsystem folder must
// be added here, at its place, before the test accepts it.
struct Side {
  std::string Folder;
  bool MayUseQt;
  std::vector<std::string> Subsystems;
};
const std::vector<Side> kLayers = {
    {"logic",
     false,
     {"program", "cards", "storage", "table", "geometry", "scoring", "play", "computer", "observer",
      "settings"}},
    {"desktop", true, {"platform", "table", "dialogs", "mainwindow", "app"}},
};
// The one folder that is no subsystem: the forms. A form's headers count as includes of
// the file that includes its ui_<form>.h.
const std::string kFormsFolder = "desktop/forms";

struct Place {
  std::size_t Side;
  std::size_t Subsystem;
};

std::optional<std::size_t> IndexOf(const std::vector<std::string>& names, const std::string& name) {
  const auto at = std::find(names.begin(), names.end(), name);
  return at == names.end() ? std::nullopt : std::optional(std::size_t(at - names.begin()));
}

std::optional<std::size_t> SideOf(const std::string& folder) {
  for (std::size_t side = 0; side < kLayers.size(); ++side)
    if (kLayers[side].Folder == folder)
      return side;
  return std::nullopt;
}

std::vector<std::string> PartsOf(const std::string& path) {
  std::vector<std::string> parts;
  for (const fs::path& part : fs::path(path))
    parts.push_back(part.generic_string());
  return parts;
}

// What is wrong with including `name` from a file at `from`; nothing when it is allowed.
// `quoted` tells "name" from <name>.
std::optional<std::string> IncludeFault(const Place& from, const std::string& name, bool quoted) {
  const Side& own = kLayers[from.Side];
  const std::vector<std::string> parts = PartsOf(name);
  const std::optional<std::size_t> side = parts.size() > 2 ? SideOf(parts[0]) : std::nullopt;
  if (!side) {
    const bool qt = (!quoted && name[0] == 'Q') || name.rfind("ui_", 0) == 0;
    if (qt && !own.MayUseQt)
      return "Qt in " + own.Folder;
    if (quoted && !qt)
      return std::string("not written from the repository root");
    return std::nullopt;
  }
  if (*side != from.Side)
    return *side > from.Side ? std::optional(parts[0] + " stands above " + own.Folder)
                             : std::nullopt;
  const std::optional<std::size_t> subsystem = IndexOf(own.Subsystems, parts[1]);
  if (!subsystem)
    return own.Folder + "/" + parts[1] + " is no declared subsystem";
  if (*subsystem > from.Subsystem)
    return own.Folder + "/" + parts[1] + " stands above " + own.Folder + "/" +
           own.Subsystems[from.Subsystem];
  return std::nullopt;
}

struct Include {
  int Line;
  std::string Name;
  bool Quoted;
};

// An #include, and a form's <header>, which uic turns into one. The first group of each
// is a name written in quotes, the second one in angle brackets.
const std::regex kInclude(R"re(^\s*#\s*include\s*(?:"([^"]+)"|<([^>]+)>))re");
const std::regex kFormHeader(R"re(<header(?:>([^<]+)| location="global">([^<]+))</header>)re");

std::vector<Include> IncludesOf(const fs::path& file, const std::regex& pattern) {
  std::vector<Include> includes;
  std::ifstream in(file);
  std::string line;
  std::smatch match;
  for (int number = 1; std::getline(in, line); ++number)
    if (std::regex_search(line, match, pattern))
      includes.push_back({number, match[1].matched ? match[1] : match[2], match[1].matched});
  return includes;
}

// Every fault of the tree under `root`, one line each: "file:line: #include ...: why".
std::vector<std::string> LayerFaults(const fs::path& root) {
  std::vector<std::string> faults;
  const auto report = [&](const std::string& where, const Include& include,
                          const std::string& why) {
    const std::string name = include.Quoted ? '"' + include.Name + '"' : '<' + include.Name + '>';
    faults.push_back(where + ":" + std::to_string(include.Line) + ": #include " + name + ": " +
                     why);
  };
  for (std::size_t side = 0; side < kLayers.size(); ++side) {
    const Side& layer = kLayers[side];
    if (!fs::is_directory(root / layer.Folder)) {
      faults.push_back(layer.Folder + ": no such folder");
      continue;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(root / layer.Folder))
      if (entry.is_directory() && !IndexOf(layer.Subsystems, entry.path().filename().string()) &&
          fs::relative(entry.path(), root).generic_string() != kFormsFolder)
        faults.push_back(fs::relative(entry.path(), root).generic_string() +
                         ": a folder that is no declared subsystem");
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root / layer.Folder)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp" && ext != ".in"))
        continue;
      const std::string file = fs::relative(entry.path(), root).generic_string();
      const std::vector<std::string> parts = PartsOf(file);
      const std::optional<std::size_t> subsystem =
          parts.size() > 2 ? IndexOf(layer.Subsystems, parts[1]) : std::nullopt;
      if (!subsystem) {
        if (parts.size() <= 2)
          faults.push_back(file + ": a source file in no subsystem");
        continue;  // its folder is reported above
      }
      const Place from{side, *subsystem};
      for (const Include& include : IncludesOf(entry.path(), kInclude)) {
        if (const auto why = IncludeFault(from, include.Name, include.Quoted)) {
          report(file, include, *why);
          continue;
        }
        const std::string form = include.Name.rfind("ui_", 0) == 0
                                     ? include.Name.substr(3, include.Name.size() - 5)
                                     : std::string();
        if (form.empty())
          continue;
        const std::string formFile = kFormsFolder + "/" + form + ".ui";
        if (!fs::exists(root / formFile)) {
          report(file, include, "no form " + formFile);
          continue;
        }
        for (const Include& header : IncludesOf(root / formFile, kFormHeader))
          if (const auto why = IncludeFault(from, header.Name, header.Quoted))
            report(formFile + " (the form of " + file + ")", header, *why);
      }
    }
  }
  std::sort(faults.begin(), faults.end());
  return faults;
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\n";
  return text;
}

TEST(Layers, EveryIncludeOfTheSourcesKeepsToTheLayerOrder) {
  const std::vector<std::string> faults = LayerFaults(ZELVANI_SOURCE_DIR);
  EXPECT_TRUE(faults.empty()) << Lines(faults);
}

void Write(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << text;
}

TEST(Layers, PlantedFaultsAreReportedWithFileLineAndInclude) {
  const fs::path root =
      fs::path(::testing::TempDir()) / ("zelvani-layers-" + std::to_string(std::random_device()()));
  Write(root / "logic/cards/Deck.h",
        "#pragma once\n"
        "#include <vector>\n"
        "#include \"logic/program/AppInfo.h\"\n"
        "#include \"logic/settings/Store.h\"\n"
        "#include <QString>\n"
        "#include \"desktop/table/Seat.h\"\n");
  Write(root / "logic/settings/Store.h", "#include \"logic/cards/Deck.h\"\n");
  Write(root / "desktop/table/Seat.cpp",
        "#include <QWidget>\n"
        "#include \"logic/settings/Store.h\"\n"
        "#include \"ui_Seat.h\"\n");
  Write(root / "desktop/forms/Seat.ui",
        "<ui>\n"
        " <customwidget>\n"
        "  <header>desktop/dialogs/Help.h</header>\n"
        " </customwidget>\n"
        "</ui>\n");
  Write(root / "desktop/extras/Extra.h", "#pragma once\n");

  const std::vector<std::string> faults = LayerFaults(root);
  fs::remove_all(root);
  const std::vector<std::string> expected = {
      "desktop/extras: a folder that is no declared subsystem",
      "desktop/forms/Seat.ui (the form of desktop/table/Seat.cpp):3: "
      "#include \"desktop/dialogs/Help.h\": desktop/dialogs stands above desktop/table",
      "logic/cards/Deck.h:4: #include \"logic/settings/Store.h\": logic/settings stands above "
      "logic/cards",
      "logic/cards/Deck.h:5: #include <QString>: Qt in logic",
      "logic/cards/Deck.h:6: #include \"desktop/table/Seat.h\": desktop stands above logic",
  };
  EXPECT_EQ(faults, expected) << Lines(faults);
}

}  // namespace
}  // namespace zelvani

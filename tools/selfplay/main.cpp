// zelvani-selfplay: plays whole games of computer seats and checks every step.
#include <ctime>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "logic/program/AppInfo.h"
#include "tools/selfplay/SelfPlay.h"

int main(int argc, char** argv) {
  using namespace zelvani;
  ParsedArguments parsed = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  if (parsed.HelpWanted) {
    std::cout << UsageText();
    return 0;
  }
  if (parsed.VersionWanted) {
    std::cout << "zelvani-selfplay " << kVersion << '\n';
    return 0;
  }
  if (!parsed.Error.empty()) {
    std::cerr << "zelvani-selfplay: " << parsed.Error << '\n' << UsageText();
    return 2;
  }
  SelfPlayOptions& options = parsed.Options;
  if (!parsed.SeedGiven)
    options.Seed = static_cast<std::int64_t>(std::time(nullptr));

  std::ofstream traceFile;
  std::ostream* trace = nullptr;
  // The trace is the same bytes on every system, so Windows must not put a carriage
  // return before each line feed.
  if (options.TracePath == "-") {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    trace = &std::cout;
  } else if (!options.TracePath.empty()) {
    traceFile.open(options.TracePath, std::ios::binary);
    if (!traceFile) {
      std::cerr << "zelvani-selfplay: cannot write " << options.TracePath << '\n';
      return 2;
    }
    trace = &traceFile;
  }
  // The trace on standard output pushes the summary to standard error.
  std::ostream& summary = trace == &std::cout ? std::cerr : std::cout;

  const SelfPlayResult result = RunSelfPlay(options, trace);
  summary << SummaryDetails(options, result.Tally);
  if (result.Failure) {
    const SelfPlayFailure& f = *result.Failure;
    std::cerr << "zelvani-selfplay: " << f.Problem << " (seed " << options.Seed << ", game "
              << f.Game << ", round " << f.Round << ", step " << f.Step << ")\n";
    return 1;
  }
  summary << SummaryLine(result.Tally, result.Seconds) << '\n';
  summary << DuplicateLines(options, result);
  return 0;
}

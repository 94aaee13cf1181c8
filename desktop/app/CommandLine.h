// The program's command line, read before the application object exists so that "--help"
// and "--version" work with no display. Qt's own options ("-platform", "-style", ...) are
// let through for the application object to take.
#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

namespace zelvani {

struct CommandLineOutcome {
  bool Start = true;   // go on and open the game
  int ExitStatus = 0;  // otherwise: 0 after the help or the version, 2 for a refused line
  QString Text;        // printed on standard output for 0, on standard error otherwise
};

// `arguments` includes the program name first, as argv does; the texts are in the language
// of `translation`, in Japanese when it is null.
CommandLineOutcome ReadCommandLine(const QStringList& arguments, const QTranslator* translation);

// The program's own arguments, in the user's language.
CommandLineOutcome ReadCommandLine(int argc, char** argv);

// Prints the outcome's text where it belongs and gives its exit status.
int Report(const CommandLineOutcome& outcome);

}  // namespace zelvani

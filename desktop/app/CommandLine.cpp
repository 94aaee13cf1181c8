#include "desktop/app/CommandLine.h"

#include <QCommandLineParser>
#include <QTranslator>
#include <cstdio>
#include <memory>

#include "desktop/platform/QtTranslations.h"

#include "logic/program/AppInfo.h"

namespace zelvani {

namespace {

// The options QGuiApplication and QApplication take from the command line themselves.
const QStringList kQtOptionsWithValue = {
    QStringLiteral("platform"),      QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"), QStringLiteral("plugin"),
    QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
    QStringLiteral("geometry"),      QStringLiteral("qwindowicon"),
    QStringLiteral("icon"),          QStringLiteral("qwindowtitle"),
    QStringLiteral("title"),         QStringLiteral("session"),
    QStringLiteral("display"),       QStringLiteral("name"),
    QStringLiteral("style"),         QStringLiteral("stylesheet")};
const QStringList kQtFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                              QStringLiteral("nograb"), QStringLiteral("dograb"),
                              QStringLiteral("sync")};

// The game's words here are looked up in `translation` (null: Japanese, the source).
QString Say(const QTranslator* translation, const char* source) {
  const QString translated =
      translation ? translation->translate("CommandLine", source) : QString();
  return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

const char* const kHelpText =
    QT_TRANSLATE_NOOP("CommandLine",
                      "使い方: zelvani [オプション]\n"
                      "ゼルヴァニ — 一人と三人のコンピュータで遊ぶ、ラミー風のカードゲーム。\n"
                      "\n"
                      "オプション:\n"
                      "  -h, --help     このヘルプを表示して終了します。\n"
                      "  -v, --version  バージョンを表示して終了します。\n"
                      "\n"
                      "Qt のオプション（-platform、-style など）は Qt に渡されます。\n");

// The option as it was typed, dashes included; the parser names it without them.
QString AsTyped(const QStringList& arguments, const QString& name) {
  for (const QString& argument : arguments.mid(1)) {
    const QString option = argument.section(QLatin1Char('='), 0, 0);
    qsizetype dashes = 0;
    while (dashes < option.size() && option[dashes] == QLatin1Char('-'))
      ++dashes;
    if (dashes > 0 && option.mid(dashes) == name)
      return option;
  }
  return name;
}

CommandLineOutcome Refused(const QString& reason, const QTranslator* translation) {
  const QString hint =
      Say(translation,
          QT_TRANSLATE_NOOP("CommandLine", "詳しくは zelvani --help を実行してください。"));
  return {false, 2,
          QStringLiteral("zelvani: ") + reason + QLatin1Char('\n') + hint + QLatin1Char('\n')};
}

}  // namespace

CommandLineOutcome ReadCommandLine(const QStringList& arguments, const QTranslator* translation) {
  QCommandLineParser parser;
  // "-platform" is one option, as Qt reads it, not the letters p, l, a, ...
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  parser.addOption(help);
  parser.addOption(version);
  for (const QString& name : kQtOptionsWithValue)
    parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("value")));
  for (const QString& name : kQtFlags)
    parser.addOption(QCommandLineOption(name));

  const bool parsed = parser.parse(arguments);
  if (!parser.unknownOptionNames().isEmpty()) {
    const QString option = AsTyped(arguments, parser.unknownOptionNames().front());
    return Refused(Say(translation, QT_TRANSLATE_NOOP("CommandLine", "不明なオプション %1 です。"))
                       .arg(option),
                   translation);
  }
  if (!parsed)
    return Refused(parser.errorText(), translation);
  if (parser.isSet(help))
    return {false, 0, Say(translation, kHelpText)};
  if (parser.isSet(version))
    return {false, 0, QStringLiteral("zelvani %1\n").arg(QString::fromUtf8(kVersion))};
  if (!parser.positionalArguments().isEmpty()) {
    const QString argument = parser.positionalArguments().front();
    return Refused(
        Say(translation, QT_TRANSLATE_NOOP("CommandLine", "余分な引数 %1 です。")).arg(argument),
        translation);
  }
  return {};
}

CommandLineOutcome ReadCommandLine(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments.push_back(QString::fromLocal8Bit(argv[i]));
  // The terminal's language: the game's own choice is in its settings, read only when the
  // game opens.
  const std::unique_ptr<QTranslator> translation =
      LoadGameTranslation(TerminalLanguage(ProcessEnvironment));
  return ReadCommandLine(arguments, translation.get());
}

int Report(const CommandLineOutcome& outcome) {
  std::fputs(outcome.Text.toLocal8Bit().constData(), outcome.ExitStatus == 0 ? stdout : stderr);
  return outcome.ExitStatus;
}

}  // namespace zelvani

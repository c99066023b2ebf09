// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminal_answers.h"

#include "ui_helpers/shown_language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

namespace app {
namespace {

struct Answers {
  QCommandLineOption help;
  QCommandLineOption version;
};

Answers Prepare(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      QCoreApplication::translate("app", "Vesperon: the rising and setting of the Sun and the Moon, twilight and the "
                                         "Moon's phases, day by day, in a window. vesperon-cli gives the same as text."));
  // "-stylesheet" is Qt's option, not -s -t -y -l -e -s -h ... (with the "h"
  // of help in it).
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help = parser.addHelpOption();
  return {help, parser.addVersionOption()};
}

} // namespace

void AnswerOnTerminal(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  QCoreApplication::setApplicationName(QStringLiteral("vesperon"));
  QCoreApplication::setApplicationVersion(QStringLiteral(VESPERON_VERSION));
  QCommandLineParser asked;
  const Answers wanted = Prepare(asked);
  (void)asked.parse(arguments); // unknown options are Qt's, for the application object
  const bool helpAll = asked.isSet(QStringLiteral("help-all"));
  if (!asked.isSet(wanted.help) && !helpAll && !asked.isSet(wanted.version)) return;
  // A core application, which needs no display, gives the help the program's
  // name; the help is told in the user's language, Qt's own lines with it.
  const QCoreApplication core(argc, argv);
  ui_helpers::InstallTranslations(QLocale());
  QCommandLineParser parser;
  const Answers answers = Prepare(parser);
  (void)parser.parse(arguments);
  if (helpAll) parser.process(QStringList{arguments.first(), QStringLiteral("--help-all")}); // Qt's options too
  if (parser.isSet(answers.help)) parser.showHelp(0);
  parser.showVersion();
}

} // namespace app

// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminal_answers.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

namespace app {

void AnswerOnTerminal(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  QCoreApplication::setApplicationName(QStringLiteral("vesperon"));
  QCoreApplication::setApplicationVersion(QStringLiteral(VESPERON_VERSION));
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Vesperon: the rising and setting of the Sun and the Moon, twilight and the Moon's phases, "
                     "day by day, in a window. vesperon-cli gives the same as text."));
  // "-stylesheet" is Qt's option, not -s -t -y -l -e -s -h ... (with the "h"
  // of help in it).
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  (void)parser.parse(arguments); // unknown options are Qt's, for the application object
  const bool helpAll = parser.isSet(QStringLiteral("help-all"));
  if (!parser.isSet(help) && !helpAll && !parser.isSet(version)) return;
  // A core application, which needs no display, gives the help the program's
  // name.
  const QCoreApplication core(argc, argv);
  if (helpAll) parser.process(QStringList{arguments.first(), QStringLiteral("--help-all")}); // Qt's options too
  if (parser.isSet(help)) parser.showHelp(0);
  parser.showVersion();
}

} // namespace app

// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds vesperon-cli's argument parser arbitrary words (one per input line).
// Every outcome is a request or one non-empty error line, printed without any
// control character; nothing crashes.

#include "cli/cli_arguments.h"
#include "cli/cli_output.h"

#include <QStringList>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QStringList arguments = text.split(QLatin1Char('\n'));
  const auto result = cli::ParseCliArguments(arguments);
  if (const auto* error = std::get_if<cli::CliError>(&result)) {
    if (error->message.isEmpty() || error->message.contains(QLatin1Char('\n'))) std::abort();
    for (const QChar c : cli::EscapeControlCharacters(error->message)) {
      if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
          c.category() == QChar::Separator_Paragraph)
        std::abort(); // the line printed would break
    }
  } else {
    const cli::CliRequest& request = std::get<cli::CliRequest>(result);
    if (request.count < 1 || request.count > 1000) std::abort();
    if (request.site && (std::abs(request.site->latitude) > 90.0f || std::abs(request.site->longitude) > 180.0f ||
                         std::abs(request.site->zone) > 12.0f))
      std::abort();
  }
  return 0;
}

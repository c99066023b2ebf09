// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_output.h"

#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace cli {
namespace {

TEST(EscapeControlCharacters, ShowsEveryControlCharacterAndLineBreakEscaped) {
  const struct {
    QString text;
    const char* shown;
  } cases[] = {
      {QStringLiteral("plain \"text\" \\ \u00e9"), "plain \"text\" \\ \u00e9"},
      {QStringLiteral("two\nlines\r\n\ttab"), "two\\nlines\\r\\n\\ttab"},
      {QString::fromUtf16(u"nul\u0000bell\u0007del\u007fnext\u0085", 18), "nul\\x00bell\\x07del\\x7fnext\\x85"},
      {QString::fromUtf16(u"line\u2028para\u2029"), "line\\u2028para\\u2029"},
  };
  for (const auto& c : cases) EXPECT_EQ(EscapeControlCharacters(c.text).toStdString(), c.shown);
}

TEST(WriteWhole, WritesPastANulAndReportsAStreamThatRefuses) {
  QTemporaryFile file;
  ASSERT_TRUE(file.open());
  std::FILE* stream = std::fopen(file.fileName().toLocal8Bit().constData(), "w");
  ASSERT_NE(stream, nullptr);
  EXPECT_TRUE(WriteWhole(stream, QString::fromUtf16(u"Ber\u0000lin \u00e9", 9)));
  std::fclose(stream);
  EXPECT_EQ(file.readAll(), QByteArray("Ber\0lin \xC3\xA9", 10));

  std::FILE* full = std::fopen("/dev/full", "w");
  ASSERT_NE(full, nullptr);
  EXPECT_FALSE(WriteWhole(full, QStringLiteral("text")));
  std::fclose(full);
}

} // namespace
} // namespace cli

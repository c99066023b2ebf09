// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads a PDF back through poppler's pdftotext and pdffonts, for the print
// tests: every word with its page and its box in points from the page's
// top-left corner.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

namespace testing_support {

struct PdfWord {
  int page = 0; // from 1
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  QString text;
};

inline QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

inline std::vector<PdfWord> ReadPdfWords(const QString& path) {
  const QString html = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
  static const QRegularExpression token(
      QString::fromLatin1(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
  std::vector<PdfWord> words;
  int page = 0;
  for (auto it = token.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    if (m.captured(0) == QLatin1String("<page ")) {
      ++page;
      continue;
    }
    words.push_back({page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                     m.captured(4).toDouble(), m.captured(5)});
  }
  return words;
}

inline int PageCount(const std::vector<PdfWord>& words) { return words.empty() ? 0 : words.back().page; }

inline std::vector<PdfWord> WordsNamed(const std::vector<PdfWord>& words, const QString& text) {
  std::vector<PdfWord> found;
  for (const PdfWord& w : words) {
    if (w.text == text) found.push_back(w);
  }
  return found;
}

inline QString PdfText(const QString& path) {
  return RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

inline QString PdfFonts(const QString& path) { return RunTool(QStringLiteral("pdffonts"), {path}); }

} // namespace testing_support

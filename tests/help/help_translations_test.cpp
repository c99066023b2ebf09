// SPDX-License-Identifier: GPL-3.0-or-later
// Every language folder of the help holds every English topic, and its links
// stay inside that folder and reach a page and anchor there.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QUrl>
#include <gtest/gtest.h>
#include <string>

namespace help {
namespace {

const QString kHelpRoot = QStringLiteral(":/help/");

QString ReadTopic(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool HasAnchor(const QString& page, const QString& anchor) {
  return page.contains(QStringLiteral("name=\"%1\"").arg(anchor)) ||
         page.contains(QStringLiteral("id=\"%1\"").arg(anchor));
}

TEST(HelpTranslations, EveryTopicIsTranslatedWithLinksThatResolve) {
  const QDir root(kHelpRoot);
  const QStringList english = root.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
  const QStringList languages = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
  ASSERT_GE(english.size(), 13);
  ASSERT_FALSE(languages.isEmpty()) << "no translated help";

  static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
  for (const QString& language : languages) {
    const QString folder = kHelpRoot + language + QLatin1Char('/');
    int links = 0;
    for (const QString& topic : english) {
      const QString path = folder + topic;
      const QString page = ReadTopic(path);
      EXPECT_FALSE(page.isEmpty()) << path.toStdString() << " is missing";
      const QUrl base(QStringLiteral("qrc") + path);
      for (const auto& match : href.globalMatch(page)) {
        const QUrl link(match.captured(1));
        if (!link.isRelative()) continue;
        ++links;
        const QUrl target = base.resolved(link);
        const std::string where = (path + QStringLiteral(" -> ") + match.captured(1)).toStdString();
        const QString targetPath = QLatin1Char(':') + target.path();
        EXPECT_TRUE(targetPath.startsWith(folder)) << where << " leaves " << language.toStdString();
        const QString targetPage = ReadTopic(targetPath);
        EXPECT_FALSE(targetPage.isEmpty()) << where;
        if (target.hasFragment()) EXPECT_TRUE(HasAnchor(targetPage, target.fragment())) << where;
      }
    }
    EXPECT_GT(links, 100) << language.toStdString();
  }
}

} // namespace
} // namespace help

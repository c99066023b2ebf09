// SPDX-License-Identifier: GPL-3.0-or-later
// A list's words follow the installed translation and its numbers the
// user's country; its JSON and CSV, which scripts read, never change.

#include "scoped_locale.h"
#include "sky_events/sky_event_formats.h"
#include "sky_events/sky_event_list.h"
#include "sky_events/sky_event_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>
#include <gtest/gtest.h>

namespace sky_events {
namespace {

// Brackets every text asked of it, so that a text gone through translation
// shows it.
class BracketingTranslator : public QTranslator {
public:
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char* = nullptr, int = -1) const override {
    return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
  }
};

struct Lists {
  QString json;
  QStringList csv, text;
};

// The events of 2025 seen from London: seasons, two total lunar eclipses, a
// partial solar one, perigees and apogees.
const std::vector<SkyEvent>& Events2025() {
  static const std::vector<SkyEvent> events = SkyEventsBetween(2460676.5, 2461041.5, {51.5, 0.12, 0.0});
  return events;
}

Lists ListsOf(const std::vector<SkyEvent>& events) {
  const EventListContext context{QStringLiteral("London"), 51.5, 0.12, 0.0, QStringLiteral("Universal Time"),
                                 QDate(2025, 1, 1), QDate(2025, 12, 31), astro::ShownClock()};
  return {EventsJson(events, context), EventCsvLines(events, context), EventTextLines(events, context)};
}

TEST(SkyEventWords, JsonAndCsvStayTheSameUnderATranslationAndAGermanLocale) {
  ASSERT_FALSE(Events2025().empty());
  const Lists english = ListsOf(Events2025());
  BracketingTranslator translator;
  ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
  const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
  const Lists translated = ListsOf(Events2025());
  QCoreApplication::removeTranslator(&translator);

  EXPECT_EQ(translated.json, english.json);
  EXPECT_EQ(translated.csv, english.csv);
  EXPECT_EQ(translated.text.first(), QStringLiteral("[Sky events from %1 to %2]")
                                         .replace(QStringLiteral("%1"), QStringLiteral("2025-01-01"))
                                         .replace(QStringLiteral("%2"), QStringLiteral("2025-12-31")));
  EXPECT_TRUE(translated.text.join(QLatin1Char('\n')).contains(QStringLiteral("[Total lunar eclipse]")));
  EXPECT_TRUE(english.json.contains(QStringLiteral("\"kind\": \"lunar-eclipse\"")));
  EXPECT_TRUE(english.json.contains(QStringLiteral("\"type\": \"total\"")));
}

TEST(SkyEventWords, DistancesAreGroupedAsTheCountryGroupsThem) {
  const auto perigee = std::find_if(Events2025().begin(), Events2025().end(),
                                    [](const SkyEvent& e) { return e.kind == SkyEventKind::Perigee; });
  ASSERT_NE(perigee, Events2025().end());
  const struct {
    QLocale locale;
    const char* pattern;
  } cases[] = {
      {QLocale(QLocale::English, QLocale::UnitedStates), "^Perigee 3\\d{2},\\d{3} km"},
      {QLocale::c(), "^Perigee 3\\d{2},\\d{3} km"},
      {QLocale(QLocale::German, QLocale::Germany), "^Perigee 3\\d{2}\\.\\d{3} km"},
      {QLocale(QLocale::French, QLocale::France), "^Perigee 3\\d{2}[\\x{A0}\\x{202F}]\\d{3} km"},
  };
  for (const auto& c : cases) {
    const ScopedLocale locale(c.locale);
    EXPECT_TRUE(EventSummary(*perigee).contains(QRegularExpression(QString::fromLatin1(c.pattern))))
        << c.locale.name().toStdString() << ": " << EventSummary(*perigee).toStdString();
  }
}

} // namespace
} // namespace sky_events

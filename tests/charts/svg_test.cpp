// SPDX-License-Identifier: GPL-3.0-or-later
// The charts' SVG files as other programs read them: QtCore's XML reader and
// librsvg's rsvg-convert, which makes the PNG images of the documentation.

#include "astro/display.h"
#include "charts/altitude_scene.h"
#include "charts/chart_colours.h"
#include "charts/daylight_scene.h"
#include "charts/svg_writer.h"
#include "scoped_locale.h"
#include "test_site.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace charts {
namespace {

struct Parsed {
  QString title, description;
  std::map<QString, int> elements; // element name: how many
  std::set<QString> fills;
  QString error;
};

Parsed Parse(const QByteArray& svg) {
  Parsed p;
  QXmlStreamReader xml(svg);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QString name = xml.name().toString();
    ++p.elements[name];
    if (xml.attributes().hasAttribute("fill")) p.fills.insert(xml.attributes().value("fill").toString());
    if (name == "title") p.title = xml.readElementText();
    if (name == "desc") p.description = xml.readElementText();
  }
  if (xml.hasError()) p.error = xml.errorString();
  return p;
}

QString Hex(Rgb rgb) { return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')); }

Scene DaylightAtTromso(QSizeF size) {
  const astro::AstroState base = testing_support::DayViewAt(QDate(2026, 1, 1), 69.65f, -18.96f, -1.0f);
  const ChartClock clock{{QStringLiteral("Troms\u00f8 & <Norway>"), -1.0f, 69.65f, -18.96f}, 0, 0};
  return DaylightScene(ComputeDaylightChart(base, clock, 2026, QDate(2026, 12, 9)), size);
}

TEST(ChartSvg, ParsesWithTitleBandsAndSummary) {
  const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedKingdom));
  Parsed daylight = Parse(SvgOf(DaylightAtTromso({1000, 640})));
  ASSERT_TRUE(daylight.error.isEmpty()) << daylight.error.toStdString();
  EXPECT_EQ(daylight.elements["svg"], 1);
  EXPECT_EQ(daylight.title, QStringLiteral("Daylight at Troms\u00f8 & <Norway> in 2026"));
  EXPECT_TRUE(daylight.description.contains("Midnight sun from 18 May to 24 July.")) << daylight.description.toStdString();
  EXPECT_GT(daylight.elements["rect"], 365 * 3); // a rectangle a day for most bands
  for (const Rgb colour : kSkyColours) EXPECT_TRUE(daylight.fills.count(Hex(colour))) << Hex(colour).toStdString();

  astro::AstroState base = testing_support::DayViewAt(QDate(2026, 12, 9), 51.51f, 0.13f, 0.0f);
  const ChartClock london{{QStringLiteral("London"), 0.0f, 51.51f, 0.13f}, 1, 0};
  Parsed altitude = Parse(SvgOf(AltitudeScene(ComputeAltitudeChart(base, london, QDate(2026, 12, 9)), {900, 600})));
  ASSERT_TRUE(altitude.error.isEmpty()) << altitude.error.toStdString();
  EXPECT_EQ(altitude.title, "Sun and Moon altitude at London, night of 9 December 2026");
  EXPECT_GE(altitude.elements["polyline"], 4); // two curves over their halos
  EXPECT_TRUE(altitude.description.contains("Moon: new moon, 0% illuminated.")) << altitude.description.toStdString();
}

TEST(ChartSvg, RsvgConvertDrawsItAtItsSize) {
  const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
  ASSERT_FALSE(rsvg.isEmpty()) << "rsvg-convert (librsvg2-bin) is a build dependency";
  const QTemporaryDir dir;
  const QString svgPath = dir.filePath("chart.svg"), pngPath = dir.filePath("chart.png");
  QFile svg(svgPath);
  ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
  svg.write(SvgOf(DaylightAtTromso({800, 500})));
  svg.close();
  QProcess process;
  process.start(rsvg, {svgPath, "--output", pngPath});
  ASSERT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  QFile png(pngPath);
  ASSERT_TRUE(png.open(QIODevice::ReadOnly));
  const QByteArray header = png.read(24);
  ASSERT_TRUE(header.startsWith("\x89PNG")) << "a PNG file";
  // The IHDR chunk: width and height, big-endian.
  const auto word = [&](int at) {
    return (uchar(header[at]) << 24) | (uchar(header[at + 1]) << 16) | (uchar(header[at + 2]) << 8) | uchar(header[at + 3]);
  };
  EXPECT_EQ(word(16), 800);
  EXPECT_EQ(word(20), 500);
}

} // namespace
} // namespace charts

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../support/scoped_locale.h"

// Temporary INI stores and locale pinning for the settings tests.

#include <QByteArray>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

#include "settings/settings_values.h"

namespace testing_support {

// Readable failure messages for whole settings.
inline void PrintTo(const settings::SiteLocation& l, std::ostream* out) {
  *out << "{" << l.SiteName.toStdString() << ", zone " << l.SiteTimeZone << ", lat " << l.SiteLatitude << ", long "
       << l.SiteLongitude << "}";
}

inline void PrintTo(const settings::Settings& s, std::ostream* out) {
  *out << "{Top " << s.Top << ", Left " << s.Left << ", colours " << std::hex << s.Background << "/" << s.Text << "/"
       << s.Moon << std::dec << ", ";
  PrintTo(s.Location, out);
  *out << ", Az " << s.WantAzimuth << ", Transit " << s.WantTransit << ", Twilight " << s.Twilight << ", LD " << s.LD
       << ", SunStart " << s.SunStart << ", Phase " << s.Phase << ", Automode " << s.Automode << ", Time "
       << s.TimeType << ", TFormat " << s.TFormat << ", NH " << s.NH << ", Status " << s.Status << ", BigMoon "
       << s.BigMoon << ", FormLength " << s.FormLength << ", DC " << s.DC << ", Hints " << s.Hints << ", custom ["
       << s.CustomColors.join(QLatin1Char(' ')).toStdString() << "]}";
}

inline void PrintTo(const settings::ListWindowSettings& s, std::ostream* out) {
  *out << "{" << s.ListTop << "," << s.ListLeft << " height " << s.ListHeight << ", Group5 " << s.Group5
       << ", Group7 " << s.Group7 << ", GridLines " << s.GridLines << ", CMode " << s.CMode << ", "
       << s.SName.toStdString() << " " << s.SSize << (s.SBold ? " bold" : "") << (s.SItalic ? " italic" : "") << "}";
}

} // namespace testing_support

namespace testing_support {

// A store on an INI file in a fresh temporary folder.
class TempStore {
public:
  TempStore() : path_(dir_.filePath(QStringLiteral("Vesperon.ini"))) {}

  const QString& Path() const { return path_; }

  std::unique_ptr<QSettings> Open() const { return std::make_unique<QSettings>(path_, QSettings::IniFormat); }

  // Replaces the file with these bytes, as a user or a damaged disk might.
  void WriteRaw(const QByteArray& bytes) const {
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
  }

private:
  QTemporaryDir dir_;
  QString path_;
};

inline QLocale German() { return QLocale(QLocale::German, QLocale::Germany); }
// Arabic digits and the Arabic decimal separator "٫".
inline QLocale Arabic() { return QLocale(QLocale::Arabic, QLocale::Egypt); }

} // namespace testing_support

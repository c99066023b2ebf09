// SPDX-License-Identifier: GPL-3.0-or-later
#include "closing_questions.h"

#include "locale_number.h"
#include "stored_location.h"
#include "stored_values.h"

#include <QCoreApplication>

namespace settings {
namespace {

const QString kHemisphereKey = QStringLiteral("Flags/NH");

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(settings)
};

} // namespace

bool LocationQuestionDue(const QSettings& store, const SiteLocation& loaded, const SiteLocation& current) {
  return !(loaded == current) && !(ReadStoredLocation(store) == current);
}

bool HemisphereQuestionDue(const QSettings& store, bool loadedNorthern, bool northern) {
  return loadedNorthern != northern && ReadStoredFlag(store, kHemisphereKey, true) != northern;
}

QString LocationQuestion(const SiteLocation& current) {
  return Texts::tr("Save current Vesperon settings?\n"
                   "Location  : %1\n"
                   "Longitude : %2\n"
                   "Latitude   : %3\n"
                   "TimeZone : %4")
      .arg(current.SiteName, FormatShownNumber(current.SiteLongitude), FormatShownNumber(current.SiteLatitude),
           FormatShownNumber(current.SiteTimeZone));
}

QString HemisphereQuestion(bool northern) {
  return northern ? Texts::tr("Would you like the moon graphic to show the view\nfrom our northern hemisphere next time?")
                  : Texts::tr("Would you like the moon graphic to show the view\nfrom our southern hemisphere next time?");
}

QString LocationListQuestion() {
  return Texts::tr("Would you like to save the changes\nyou have made to the Vesperon\nlocation file?");
}

void KeepHemisphere(QSettings& store, bool northern) { WriteStoredFlag(store, kHemisphereKey, northern); }

} // namespace settings

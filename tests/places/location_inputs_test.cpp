// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/location_inputs.h"

#include "places/location_record.h"

#include "test_support.h"

namespace places {
namespace {

using testing_support::German;

struct InputCase {
  LocationInputs inputs;
  std::optional<LocationInputField> refused; // empty: accepted
  const char* note;
};

TEST(CheckLocationInputs, RefusesTheFirstBadFieldInTheEditorsOrder) {
  const std::optional<int> zone5 = ZoneIndexOfHours(5.0f);
  const InputCase cases[] = {
      {{"Ends", "180", "90", zone5}, {}, "both ends accepted"},
      {{"Ends", "-180", "-90", zone5}, {}, "both negative ends accepted"},
      {{"Comma", "85,6", "42,97", zone5}, {}, "a comma as separator"},
      {{"  ", "0", "0", zone5}, LocationInputField::Name, "a name of blanks only"},
      {{"", "x", "x", {}}, LocationInputField::Name, "the name is checked first"},
      {{"Far", "180.01", "0", zone5}, LocationInputField::Longitude, "longitude just beyond 180"},
      {{"Far", "-180.01", "999", {}}, LocationInputField::Longitude, "longitude before latitude"},
      {{"Word", "abc", "0", zone5}, LocationInputField::Longitude, "longitude not a number"},
      {{"Empty", "", "0", zone5}, LocationInputField::Longitude, "longitude empty"},
      {{"Far", "0", "90.01", zone5}, LocationInputField::Latitude, "latitude just beyond 90"},
      {{"Word", "0", "nan", zone5}, LocationInputField::Latitude, "latitude not a number"},
      {{"Far", "0", "1e400", {}}, LocationInputField::Latitude, "latitude before the zone"},
      {{"Zoneless", "0", "0", {}}, LocationInputField::Zone, "no zone chosen"},
      {{"Zoneless", "0", "0", -1}, LocationInputField::Zone, "the choice's 'nothing chosen'"},
      {{"Zoneless", "0", "0", kZoneEntries}, LocationInputField::Zone, "past the last entry"},
      {{"Kiritimati", "-157.47", "1.87", 0}, {}, "the first entry, 14 hours East"},
  };
  for (const InputCase& c : cases) {
    const auto checked = CheckLocationInputs(c.inputs);
    const auto* error = std::get_if<LocationInputError>(&checked);
    if (!c.refused) {
      EXPECT_EQ(error, nullptr) << c.note << ": " << (error ? error->message.toStdString() : "");
    } else {
      ASSERT_NE(error, nullptr) << c.note;
      EXPECT_EQ(error->field, *c.refused) << c.note << ": " << error->message.toStdString();
    }
  }
}

TEST(CheckLocationInputs, GivesTheMessagesAndTitlesOfTheEditor) {
  const auto message = [](const LocationInputs& inputs) {
    const auto error = std::get<LocationInputError>(CheckLocationInputs(inputs));
    return (error.title + QStringLiteral(": ") + error.message).toStdString();
  };
  EXPECT_EQ(message({" ", "0", "0", 0}), "Vesperon: You must make an entry in the Current Location box.");
  EXPECT_EQ(message({"x", "181", "0", 0}),
            "Longitude Error: Longitude must be a number between 180 (West) and -180 (East).");
  EXPECT_EQ(message({"x", "0", "-91", 0}), "Latitude Error: Latitude must be a number between 90 and -90.");
  EXPECT_EQ(message({"x", "0", "0", {}}), "Vesperon: You must select a time zone.");
}

TEST(CheckLocationInputs, GivesTheNameAsTypedAndTheNumbersConverted) {
  const ScopedLocale german(German());
  const auto site = std::get<settings::SiteLocation>(CheckLocationInputs({" Köln ", " -6.96 ", "50,94", ZoneIndexOfHours(-1.0f)}));
  EXPECT_EQ(site, (settings::SiteLocation{QString::fromUtf8(" Köln "), -1.0f, 50.94f, -6.96f}));
}

struct RecordCheckCase {
  const char* record;
  std::optional<LocationInputField> refused;
  float zoneHours; // when accepted
  const char* note;
};

TEST(CheckLocationRecord, RoundsTheZoneAsTheEditorShowsItAndRefusesBadFields) {
  const RecordCheckCase cases[] = {
      {"Quarter                  | 42.97 |   85.6 |5.25", {}, 5.25f, "5.25 h: a quarter hour kept"},
      {"Nepal                    | 27.71 | -85.32 |-5.75", {}, -5.75f, "-5.75 h: not rounded to -6"},
      {"Odd                      | 42.97 |   85.6 |5.3", {}, 5.5f, "5.3 h: to the nearest half hour"},
      {"Half                     | 42.97 |   85.6 |-3.5", {}, -3.5f, "half hours kept"},
      {"Apia                     |-13.83 | 171.76 |-13", {}, -13.0f, "13 hours East"},
      {"Edge                     | 42.97 |   85.6 |-14.1", {}, -14.0f, "rounds onto the first entry"},
      {"Far                      | 42.97 |   85.6 |-14.25", LocationInputField::Zone, 0, "beyond 14 hours East"},
      {"Far                      | 42.97 |   85.6 |12.3", LocationInputField::Zone, 0, "beyond 12 hours"},
      {"Word                     | 42.97 |   85.6 | abc", LocationInputField::Zone, 0, "zone not a number"},
      {"Cut                      | 42.97 |   85.6", LocationInputField::Zone, 0, "no zone field"},
      {"Word                     |   abc |   85.6 |  5", LocationInputField::Latitude, 0, "latitude not a number"},
      {"Far                      |   999 |   85.6 |  5", LocationInputField::Latitude, 0, "latitude 999"},
      {"Far                      | 42.97 |    999 |  x", LocationInputField::Longitude, 0, "longitude first"},
      {"                         | 42.97 |   85.6 |  5", LocationInputField::Name, 0, "no name"},
  };
  for (const RecordCheckCase& c : cases) {
    const auto checked = CheckLocationRecord(QString::fromUtf8(c.record));
    if (!c.refused) {
      ASSERT_TRUE(std::holds_alternative<settings::SiteLocation>(checked)) << c.note;
      EXPECT_EQ(std::get<settings::SiteLocation>(checked).SiteTimeZone, c.zoneHours) << c.note;
    } else {
      ASSERT_TRUE(std::holds_alternative<LocationInputError>(checked)) << c.note;
      EXPECT_EQ(std::get<LocationInputError>(checked).field, *c.refused) << c.note;
    }
  }
}

TEST(CheckLocationRecord, SaysWhatAZoneMustBe) {
  const auto error = std::get<LocationInputError>(CheckLocationRecord(QStringLiteral("x|1|2|13")));
  EXPECT_EQ(error.message.toStdString(), "The time zone must be a number of hours between -14 and 12.");
}

} // namespace
} // namespace places

// SPDX-License-Identifier: GPL-3.0-or-later
// The list of places shipped with the program, read with the program's own
// reader: every record must be one the location editor can show and apply.

#include "places/former_place_names.h"
#include "places/location_file.h"
#include "places/location_inputs.h"
#include "places/location_record.h"
#include "places/place_details.h"
#include "places/place_search.h"
#include "settings/locale_number.h"

#include "test_support.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTimeZone>
#include <cmath>

namespace places {
namespace {

const QString kShippedList = QStringLiteral(VESPERON_SHIPPED_LOCATION_FILE);

LocationList ShippedList() {
  const LocationFileRead read = ReadLocationFile(kShippedList);
  EXPECT_TRUE(read.ok) << read.error.toStdString();
  return read.list;
}

// Whether the editor's zone choice holds every standard time on Earth:
// quarter hours from -14 to 12 hours (Nepal's -5.75, Samoa's -13).
bool ZoneChoiceHoldsEveryZone() {
  const std::optional<int> nepal = ZoneIndexOfHours(-5.75f);
  return nepal && ZoneHoursOfIndex(*nepal) == -5.75f && ZoneIndexOfHours(-14.0f);
}

TEST(ShippedLocationList, EveryRecordIsOneTheEditorCanApply) {
  const LocationList list = ShippedList();
  EXPECT_GE(list.Size(), 5000);
  EXPECT_LE(list.Size(), 8000);
  const QRegularExpression twoDecimals(QStringLiteral("^-?\\d{1,3}\\.\\d\\d$"));
  QSet<QString> names;
  for (const QString& record : list.Records()) {
    const QString name = LocationRecordName(record);
    const LocationFields fields = ExtractLocationFields(record);
    SCOPED_TRACE(record.toStdString());
    const bool halfHours = fields.zoneHours >= -12.0f && std::fmod(fields.zoneHours * 2.0f, 1.0f) == 0.0f;
    if (!halfHours && !ZoneChoiceHoldsEveryZone()) continue; // shipped for the wider zone choice
    EXPECT_TRUE(std::holds_alternative<settings::SiteLocation>(CheckLocationRecord(record)));
    EXPECT_FALSE(name.trimmed().isEmpty());
    EXPECT_LE(name.size(), 25);
    EXPECT_FALSE(name.section(QLatin1Char(','), 0, 0).trimmed().endsWith(QLatin1Char('.'))) << "no name is cut short";
    EXPECT_FALSE(names.contains(name.toCaseFolded())) << "names are unique, ignoring letter case";
    names.insert(name.toCaseFolded());
    EXPECT_TRUE(twoDecimals.match(fields.latitude).hasMatch());
    EXPECT_TRUE(twoDecimals.match(fields.longitude).hasMatch());
    ASSERT_TRUE(fields.zoneIndex.has_value()) << "the zone is within -14..12 hours";
    EXPECT_EQ(ZoneHoursOfIndex(*fields.zoneIndex), fields.zoneHours) << "the zone is a whole quarter hour";
    EXPECT_EQ(FormatLocationRecord(name, fields.latitude, fields.longitude, *fields.zoneIndex), record)
        << "the record is as the program writes it";
  }
}

qsizetype IndexOfName(const LocationList& list, const char* name) { return list.Names().indexOf(QString::fromUtf8(name)); }

// Places checked against sources independent of the list's own: their
// coordinates (degrees, North and West positive) and standard time (hours,
// West positive), each chosen for a sign, a half hour, a rule or a past fault.
TEST(ShippedLocationList, SpotChecksOfPlacesAndZones) {
  struct Place {
    const char* name;
    float latitude, longitude, zone;
  };
  const Place places[] = {
      {"Paris, France", 48.86f, -2.35f, -1.0f},            // north, east
      {"Los Angeles, USA", 34.05f, 118.24f, 8.0f},          // north, west
      {"Sydney, Australia", -33.87f, -151.21f, -10.0f},     // south, east
      {"Buenos Aires, Argentina", -34.60f, 58.38f, 3.0f},   // south, west
      {"Mumbai, India", 19.08f, -72.88f, -5.5f},            // a half hour east
      {"St. John's, Canada", 47.56f, 52.71f, 3.5f},         // a half hour west
      {"Adelaide, Australia", -34.93f, -138.60f, -9.5f},
      {"Zhanjiang, China", 21.27f, -110.36f, -8.0f},        // Guangdong keeps Beijing time
      {"Ürümqi, China", 43.80f, -87.60f, -8.0f},            // so does Xinjiang, officially
      {"Juárez, Mexico", 31.72f, 106.46f, 7.0f},            // UTC-7 since 2022
      {"Mazatlán, SIN, Mexico", 23.22f, 106.42f, 7.0f},     // the port, not its Sonoran namesake
      {"Dublin, Ireland", 53.35f, 6.26f, 0.0f},             // winter time is the standard
      {"Casablanca, Morocco", 33.59f, 7.62f, -1.0f},        // UTC+1 but for Ramadan
      {"Honolulu, USA", 21.31f, 157.86f, 10.0f},
      {"Anchorage, USA", 61.22f, 149.90f, 9.0f},
      {"Longyearbyen, Svalbard", 78.22f, -15.65f, -1.0f},   // far north
      {"Tromsø, Norway", 69.65f, -18.96f, -1.0f},
      {"Norilsk, Russia", 69.35f, -88.20f, -7.0f},
      {"Iqaluit, Canada", 63.75f, 68.52f, 5.0f},
      {"Nuuk, Greenland", 64.18f, 51.72f, 2.0f},
      {"Hobart, Australia", -42.88f, -147.33f, -10.0f},     // far south
      {"Ushuaia, Argentina", -54.80f, 68.30f, 3.0f},
      {"Yangon, Myanmar", 16.80f, -96.16f, -6.5f},
      {"Kabul, Afghanistan", 34.53f, -69.17f, -4.5f},
      {"Caracas, Venezuela", 10.49f, 66.88f, 4.0f},
      // Names once at the wrong place, and cities GeoNames gives no population
      // or the population of one district.
      {"Zhongshan, China", 22.52f, -113.38f, -8.0f},
      {"Puyang, China", 35.76f, -115.02f, -8.0f},          // in Henan, not Zhejiang
      {"Masan, South Korea", 35.18f, -128.55f, -9.0f},
      {"Changzhi, China", 36.18f, -113.11f, -8.0f},
      {"São José, Brazil", -27.60f, 48.63f, 3.0f},
      {"Huanggang, Hubei, China", 30.45f, -114.87f, -8.0f},
      {"Storvik, Sweden", 60.58f, -16.53f, -1.0f},          // not its copy at 65 N
      {"Pyhäjärvi, Finland", 63.67f, -25.90f, -2.0f},
      {"Xuzhou, China", 34.18f, -117.16f, -8.0f},           // GeoNames' "Tongshan"
      {"Kāshān, Iran", 34.00f, -51.44f, -3.5f},
      {"Ogbomoso, Nigeria", 8.13f, -4.24f, -1.0f},
      {"Jinhua, China", 29.11f, -119.64f, -8.0f},
      {"Sanya, China", 18.24f, -109.50f, -8.0f},
      // Standard times of quarter hours and past 12 hours East.
      {"Kathmandu, Nepal", 27.70f, -85.32f, -5.75f},
      {"Waitangi, New Zealand", -43.95f, 176.56f, -12.75f}, // Chatham Islands
      {"Eucla, Australia", -31.68f, -128.88f, -8.75f},
      {"Apia, Samoa", -13.83f, 171.77f, -13.0f},
      {"Nuku'alofa, Tonga", -21.14f, 175.20f, -13.0f},
      {"Tabwakea Village, KI", 2.02f, 157.49f, -14.0f},     // Kiritimati
      // Namesakes in two states, each under its own.
      {"Portland, ME, USA", 43.66f, 70.26f, 5.0f},
      {"Portland, OR, USA", 45.52f, 122.68f, 8.0f},
      {"Charleston, SC, USA", 32.78f, 79.93f, 5.0f},
      {"Perth, WA, Australia", -31.95f, -115.86f, -8.0f},
      // Once a village of Hengyang with the city's population.
      {"Yiyang, China", 28.59f, -112.33f, -8.0f},
      // Renamed: the current name at the place of the former one.
      {"Astana, Kazakhstan", 51.18f, -71.45f, -5.0f},
      {"Kochi, India", 9.94f, -76.26f, -5.5f},
      {"Utqiaġvik, USA", 71.29f, 156.79f, 9.0f},
  };
  const LocationList list = ShippedList();
  for (const Place& place : places) {
    SCOPED_TRACE(place.name);
    const qsizetype i = IndexOfName(list, place.name);
    ASSERT_GE(i, 0);
    const LocationFields fields = ExtractLocationFields(list.Records().at(i));
    EXPECT_NEAR(settings::ParseLocaleNumber(fields.latitude).value, place.latitude, 0.1f);
    EXPECT_NEAR(settings::ParseLocaleNumber(fields.longitude).value, place.longitude, 0.1f);
    EXPECT_EQ(fields.zoneHours, place.zone);
  }
}

TEST(ShippedLocationList, SpellsPlacesAsTheyAreSpeltTodayAndHoldsNoPhantoms) {
  const LocationList list = ShippedList();
  for (const char* name : {"Shenyang, China", "Shijiazhuang, China", "Mudanjiang, China", "Yingkou, China",
                           "Xingtai, China", "Liupanshui, China", "Łódź, Poland", "Mersin, Türkiye", "Yangon, Myanmar",
                           "Makassar, Indonesia", "São Paulo, Brazil", "Bogotá, Colombia", "Port Moresby, PNG",
                           "Vila Velha, Brazil", "Natal, Brazil", "Ulaanbaatar, Mongolia", "Odesa, Ukraine",
                           "Prayagraj, India", "Gurugram, India", "Gqeberha, South Africa", "Mbombela, South Africa",
                           "Chattogram, Bangladesh", "Wanzhou, China", "Aarhus, Denmark", "Öskemen, Kazakhstan",
                           "Bengaluru, India", "Mysuru, India", "Maoming, China", "Ganzhou, China", "Liuzhou, China",
                           "Ma'anshan, China", "Lu'an, China", "Baoji, China"})
    EXPECT_GE(IndexOfName(list, name), 0) << name;
  // Names the list once held: old spellings, a province for a country, and
  // duplicates of real cities.
  for (const char* gone : {"Shenyeng, China", "Shijianzhuang, China", "Mudangiang, China", "Yingkow, China",
                           "Xiangtai, China", "Zhaotang, China", "Lupanshui, China", "Lódz, Poland", "Icel, Türkiye",
                           "Rangoon, Myanmar", "Ujungpandang, Indonesia", "Sao Paulo, Brazil", "Bogota, Colombia",
                           "General Santos", "Pietermaritzburg", "Port Moresby, Central", "Natal, Amazonas, Brazil",
                           "Vila Velha, Amapá, Brazil",
                           // Copies: far north with a southern namesake's population, or one place twice.
                           "Storvik, Västerbotten, SE", "Forsbacka, Västerbotten", "Insjön, Västerbotten, SE",
                           "Söderfors, Västerbotten", "Långsele, Västerbotten", "Pyhäjärvi, Lapland, FI",
                           "Ulsteinvik weather p., NO",
                           "Zawiya, Libya", "Gadag-Betageri, India", "Katsuta, Japan", "Yono, Japan", "Santol, Philippines",
                           "Mansilingan, Philippines", "Camayenne, Guinea", "Minato, Japan", "Tempe Junction, USA",
                           "Reykjanesbær, Iceland", "Lungtenzampa, Bhutan", "Āzādshahr, Iran", "Väståboland, Finland",
                           "Meads, USA", "Shiqi, China", "Tongshan, China", "Puyang Chengguanzhen, CN", "Huanggang, China",
                           // Neighbourhoods and districts of listed cities, and doubles.
                           "East Flatbush, USA", "Washington Heights, USA", "Jamaica, USA", "Astoria, USA",
                           "Archway, UK", "City of Westminster, UK", "Central, Hong Kong", "Pendik, Türkiye",
                           "Iztapalapa, Mexico", "Ezhou, China", "Ramagundam, India", "City of Balikpapan, ID",
                           "Ciudad Nezahualcoyotl, MX", "Takoradi, Ghana", "Xiaoxita, China", "Portland, USA",
                           "Brooklyn, USA", "Manhattan, NY, USA", "Queens, USA", "Croydon, UK", "Islington, UK",
                           // Former names, found through the search instead.
                           "Nur-Sultan, Kazakhstan", "Ulan Bator, Mongolia", "Barrow, USA", "Odessa, Ukraine",
                           "Allahābād, India", "Cochin, India", "Mysore, India", "Århus, Denmark"})
    EXPECT_LT(IndexOfName(list, gone), 0) << gone;
  for (const QString& name : list.Names()) {
    EXPECT_FALSE(name.contains(QStringLiteral("weather"), Qt::CaseInsensitive)) << name.toStdString();
    for (const QChar c : name) EXPECT_TRUE(c.script() == QChar::Script_Latin || c.script() == QChar::Script_Common ||
                                           c.script() == QChar::Script_Inherited) << name.toStdString();
  }
}

TEST(ShippedLocationList, OtherNamesBuiltIntoTheProgramLeadToListedPlaces) {
  const QStringList names = ShippedList().Names();
  const QSet<QString> listed(names.cbegin(), names.cend());
  const OtherPlaceNames& other = FormerPlaceNames();
  EXPECT_GE(other.size(), 10000);
  for (auto pair = other.cbegin(); pair != other.cend(); ++pair) {
    SCOPED_TRACE(pair.value().toStdString());
    EXPECT_TRUE(listed.contains(pair.key())) << "the current name is listed";
    EXPECT_FALSE(listed.contains(pair.value())) << "the other name is not a listed place of its own";
    EXPECT_EQ(pair.value(), pair.value().normalized(QString::NormalizationForm_C));
    for (const QChar c : pair.value())
      EXPECT_TRUE(c.script() == QChar::Script_Latin || c.script() == QChar::Script_Common ||
                  c.script() == QChar::Script_Inherited) << "in Latin letters";
  }
}

// What people type, as they say it, and the place they mean: English,
// local, former, unaccented and abbreviated names, and namesakes.
TEST(ShippedLocationList, EverydayQueriesFindTheExpectedPlaceFirst) {
  const QStringList names = ShippedList().Names();
  const PlaceSearch search = ShippedPlaceSearch(names);
  const struct {
    const char* typed;
    const char* found;
  } cases[] = {
      {"london", "London, UK"},                      {"perth", "Perth, WA, Australia"},
      {"birmingham", "Birmingham, UK"},              {"washington", "Washington, D.C., USA"},
      {"munchen", "Munich, Germany"},                {"München", "Munich, Germany"},
      {"cologne", "Köln, Germany"},                  {"geneva", "Genève, Switzerland"},
      {"kiev", "Kyiv, Ukraine"},                     {"kyiv", "Kyiv, Ukraine"},
      {"bombay", "Mumbai, India"},                   {"peking", "Beijing, China"},
      {"saigon", "Ho Chi Minh City, Vietnam"},       {"calcutta", "Kolkata, India"},
      {"madras", "Chennai, India"},                  {"rangoon", "Yangon, Myanmar"},
      {"st petersburg", "Saint Petersburg, Russia"}, {"St. Petersburg", "Saint Petersburg, Russia"},
      {"saint-petersburg", "Saint Petersburg, Russia"}, {"st. petersburg, usa", "St. Petersburg, USA"},
      {"zurich", "Zürich, Switzerland"},             {"zurich, switzerland", "Zürich, Switzerland"},
      {"sao paulo", "São Paulo, Brazil"},            {"bogota", "Bogotá, Colombia"},
      {"lodz", "Łódź, Poland"},                      {"cochin", "Kochi, India"},
      {"Nur-Sultan", "Astana, Kazakhstan"},          {"Ulan Bator", "Ulaanbaatar, Mongolia"},
      {"Barrow, USA", "Utqiaġvik, USA"},             {"Port Elizabeth, S", "Gqeberha, South Africa"},
      {"bangalore", "Bengaluru, India"},             {"bogota, colombia", "Bogotá, Colombia"},
      {"Zawiya", "Az Zāwīyah, Libya"},               {"new york", "New York City, USA"},
      {"wien", "Vienna, Austria"},                   {"praha", "Prague, Czechia"},
      {"mexico city", "Mexico City, Mexico"},        {"ho chi minh", "Ho Chi Minh City, Vietnam"},
      {"springfield, il", "Springfield, IL, USA"},   {"alexandria", "Alexandria, Egypt"},
      {"santiago", "Santiago, Chile"},               {"hyderabad", "Hyderabad, India"},
      {"portland", "Portland, OR, USA"},             {"portland, me", "Portland, ME, USA"},
      {"Charleston SC", "Charleston, SC, USA"},      {"peoria, il", "Peoria, IL, USA"},
      {"kathmandu", "Kathmandu, Nepal"},             {"nukualofa", "Nuku'alofa, Tonga"},
      {"kiritimati", "Tabwakea Village, KI"},        {"apia", "Apia, Samoa"},
      {"bogra", "Bogura, Bangladesh"},               {"legaspi", "Legazpi, Philippines"},
      {"uzhgorod", "Uzhhorod, Ukraine"},             {"takoradi", "Sekondi-Takoradi, Ghana"},
      {"banqiao", "New Taipei, Taiwan"},             {"santa cruz de la sierra", "Santa Cruz de la Sierra"},
      {"chiayi", "Chiayi, Taiwan"},                  {"al ain", "Al Ain, UAE"},
      {"esenyurt", "Istanbul, Türkiye"},              {"iztapalapa", "Mexico City, Mexico"}, // districts
      {"las palmas de gran canaria", "Las Palmas, Spain"}, {"santiago de los caballeros", "Santiago, Dom. Rep."},
      {"palikir", "Palikir, Micronesia"},            {"xuanhua", "Xuanhua, China"}, // names too long, short
      {"brooklyn", "New York City, USA"},            {"manhattan", "New York City, USA"}, // districts, sections
      {"queens", "New York City, USA"},              {"the bronx", "New York City, USA"},
      {"harlem", "New York City, USA"},              {"manhattan ks", "Manhattan, KS, USA"}, // its namesake town
      {"westminster", "London, UK"},
      {"camden", "London, UK"},                      {"croydon", "London, UK"},
      {"kadikoy", "Istanbul, Türkiye"},              {"coyoacan", "Mexico City, Mexico"},
      {"kreuzberg", "Berlin, Germany"},              {"van nuys", "Los Angeles, USA"},
  };
  for (const auto& c : cases) {
    const std::vector<qsizetype> ranked = search.Rank(QString::fromUtf8(c.typed));
    ASSERT_FALSE(ranked.empty()) << c.typed;
    EXPECT_EQ(names.at(ranked.front()), QString::fromUtf8(c.found)) << c.typed;
  }
  EXPECT_EQ(names.value(BestPlace(names, QStringLiteral("KIEV"))), QStringLiteral("Kyiv, Ukraine"));
  EXPECT_EQ(BestPlace(names, QStringLiteral("qqqzzz")), -1);
}

// Standard time as the list counts it: the smaller UTC offset of mid-January
// and mid-July, outside the summer of either hemisphere (seconds East).
int StandardOffsetSeconds(const QTimeZone& zone) {
  const auto at = [&zone](int month) {
    return zone.offsetFromUtc(QDateTime(QDate(2025, month, 15), QTime(12, 0), Qt::UTC));
  };
  return std::min(at(1), at(7));
}

TEST(ShippedLocationList, EveryRecordHasItsTimeZoneAndPopulationAndTheZoneKeepsTheRecordsStandardTime) {
  const LocationList list = ShippedList();
  const PlaceDetailsByName& details = ShippedPlaceDetails();
  EXPECT_EQ(details.size(), list.Size()) << "one line of details a record, no more";
  qsizetype counted = 0;
  for (const QString& record : list.Records()) {
    const QString name = LocationRecordName(record).trimmed();
    SCOPED_TRACE(record.toStdString());
    const auto found = details.constFind(name);
    ASSERT_NE(found, details.cend());
    const QTimeZone zone(found->timeZoneId);
    ASSERT_TRUE(zone.isValid()) << found->timeZoneId.toStdString();
    // The column is hours West, the database's offsets seconds East.
    EXPECT_EQ(-StandardOffsetSeconds(zone), qRound(ExtractLocationFields(record).zoneHours * 3600.0f));
    EXPECT_GE(found->population, 0);
    if (found->population > 0) ++counted;
  }
  EXPECT_GT(counted, list.Size() * 95 / 100) << "nearly every place has its population";
  EXPECT_EQ(details.value(QStringLiteral("London, UK")).timeZoneId, "Europe/London");
  EXPECT_GT(details.value(QStringLiteral("London, UK")).population, 5'000'000);
}

TEST(ShippedLocationList, IsInTheOrderTheProgramKeepsSoSavingItUnchangedChangesNothing) {
  QFile file(kShippedList);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(LocationFileText(ShippedList()), file.readAll());
}

} // namespace
} // namespace places

// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/location_list.h"

#include "places/location_record.h"

#include "test_support.h"

namespace places {
namespace {

QString Record(const char* name, float zoneHours = 5.0f) {
  return FormatLocationRecord(QString::fromUtf8(name), QStringLiteral("42.97"), QStringLiteral("85.6"),
                              *ZoneIndexOfHours(zoneHours));
}

TEST(LocationList, SortsByNameIgnoringLetterCase) {
  const LocationList list(QStringList{Record("Boston"), Record("zurich"), Record("berlin"), Record("Amsterdam")});
  EXPECT_EQ(list.Names(), (QStringList{QStringLiteral("Amsterdam"), QStringLiteral("berlin"), QStringLiteral("Boston"),
                                       QStringLiteral("zurich")}));
}

TEST(LocationList, SortsByTheLocalesRules) {
  // Letters with accents sit beside their base letters, not after "z".
  const LocationList list(QStringList{Record("Zagreb"), Record("\xC3\x89vora"), Record("Edinburgh"), Record("Faro")});
  EXPECT_EQ(list.Names(), (QStringList{QStringLiteral("Edinburgh"), QString::fromUtf8("\xC3\x89vora"),
                                       QStringLiteral("Faro"), QStringLiteral("Zagreb")}));
}

TEST(LocationList, FollowsAChangeOfTheDefaultLocale) {
  // Swedish puts "Å" after "z"; English beside "A". Letter case stays ignored.
  const QStringList records{Record("Zagreb"), Record("\xC3\x85re"), Record("Boston"), Record("berlin")};
  const QString are = QString::fromUtf8("\xC3\x85re");
  const QStringList english{are, QStringLiteral("berlin"), QStringLiteral("Boston"), QStringLiteral("Zagreb")};
  EXPECT_EQ(LocationList(records).Names(), english);
  {
    const ScopedLocale swedish(QLocale(QLocale::Swedish, QLocale::Sweden));
    EXPECT_EQ(LocationList(records).Names(),
              (QStringList{QStringLiteral("berlin"), QStringLiteral("Boston"), QStringLiteral("Zagreb"), are}));
    LocationList list(QStringList{Record("Zagreb")});
    EXPECT_TRUE(list.Add(Record("\xC3\x85re")));
    EXPECT_FALSE(list.Add(Record("ZAGREB")));
    EXPECT_EQ(list.Names(), (QStringList{QStringLiteral("Zagreb"), are}));
  }
  EXPECT_EQ(LocationList(records).Names(), english);
}

TEST(LocationList, SortsAsPeopleReadUnderTheCLocaleToo) {
  // LANG=C.UTF-8: code point order would put both accented names after "Zyryanka".
  const ScopedLocale c(QLocale::c());
  const LocationList list(QStringList{Record("Zyryanka, Russia"), Record("\xC5\x81\xC3\xB3\x64\xC5\xBA, Poland"),
                                      Record("\xC3\x81lftanes, Iceland"), Record("Lyon, France"), Record("aachen, Germany"),
                                      Record("Bergen, Norway")});
  EXPECT_EQ(list.Names(),
            (QStringList{QStringLiteral("aachen, Germany"), QString::fromUtf8("\xC3\x81lftanes, Iceland"),
                         QStringLiteral("Bergen, Norway"), QString::fromUtf8("\xC5\x81\xC3\xB3\x64\xC5\xBA, Poland"),
                         QStringLiteral("Lyon, France"), QStringLiteral("Zyryanka, Russia")}));
}

TEST(LocationList, KeepsDuplicatesAlreadyInTheFile) {
  const LocationList list(QStringList{Record("Lima"), Record("lima"), Record("Lima")});
  EXPECT_EQ(list.Size(), 3);
}

TEST(LocationList, AddsInPlace) {
  LocationList list(QStringList{Record("Boston"), Record("Zagreb")});
  EXPECT_TRUE(list.Add(Record("berlin")));
  EXPECT_TRUE(list.Add(Record("Cairo")));
  EXPECT_TRUE(list.Add(Record("Zzyzx")));
  EXPECT_EQ(list.Names(), (QStringList{QStringLiteral("berlin"), QStringLiteral("Boston"), QStringLiteral("Cairo"),
                                       QStringLiteral("Zagreb"), QStringLiteral("Zzyzx")}));
}

TEST(LocationList, AddingAnEqualLineAddsNothing) {
  LocationList list(QStringList{Record("Boston"), Record("Zagreb")});
  const LocationList before = list;
  EXPECT_FALSE(list.Add(Record("Boston"))) << "identical";
  EXPECT_FALSE(list.Add(Record("BOSTON"))) << "differs only in letter case";
  EXPECT_EQ(list, before);
  EXPECT_TRUE(list.Add(Record("Boston", 5.5f))) << "same name, another zone: another line";
  EXPECT_EQ(list.Size(), 3);
}

TEST(LocationList, RemovesByPosition) {
  LocationList list(QStringList{Record("A"), Record("B"), Record("C")});
  EXPECT_TRUE(list.RemoveAt(1));
  EXPECT_EQ(list.Names(), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
  EXPECT_FALSE(list.RemoveAt(2));
  EXPECT_FALSE(list.RemoveAt(-1));
  EXPECT_TRUE(list.RemoveAt(1));
  EXPECT_TRUE(list.RemoveAt(0));
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_FALSE(list.RemoveAt(0));
}

TEST(LocationList, NamesFollowTheRecordsOneForOne) {
  const LocationList list(QStringList{Record("A name much longer than twenty-five"), QStringLiteral("no bar"),
                                      QString()});
  ASSERT_EQ(list.Names().size(), list.Size());
  EXPECT_TRUE(list.Names().contains(QStringLiteral("A name much longer than t")));
  EXPECT_EQ(list.Names().count(QString()), 2) << "lines without a bar show an empty name";
}

// The merge of Save List: the file as it is now, less what this session
// removed from the list it read, plus what it added.
TEST(MergeLocationLists, KeepsTheOtherCopysChangesAndAddsAndRemovesOurs) {
  const auto names = [](std::initializer_list<const char*> list) {
    QStringList records;
    for (const char* name : list) records.append(Record(name));
    return LocationList(records);
  };
  const struct {
    LocationList base, ours, theirs, expected;
    const char* note;
  } cases[] = {
      {names({"Bonn", "Paris"}), names({"Bonn", "Paris", "Oslo"}), names({"Bonn", "Paris", "Lima"}),
       names({"Bonn", "Lima", "Oslo", "Paris"}), "both added one"},
      {names({"Bonn", "Paris"}), names({"Paris"}), names({"Bonn", "Lima", "Paris"}), names({"Lima", "Paris"}),
       "ours removed, theirs added"},
      {names({"Bonn", "Bonn"}), names({"Bonn"}), names({"Bonn", "Bonn"}), names({"Bonn", "Bonn"}),
       "a duplicate still in ours stays"},
      {names({"Bonn"}), names({}), names({"Bonn", "Bonn"}), names({"Bonn"}), "one copy removed, the other theirs"},
      {names({}), names({"OSLO", "Zug"}), names({"Oslo"}), names({"Oslo", "Zug"}),
       "an added record equal but for letter case is left out"},
      {names({}), names({"Zug", "Aachen", "Lima"}), names({"Bonn", "Oslo"}), names({"Aachen", "Bonn", "Lima", "Oslo", "Zug"}),
       "added at the start, the middle and the end"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MergeLocationLists(c.base, c.ours, c.theirs).Records(), c.expected.Records()) << c.note;
  }
}

} // namespace
} // namespace places

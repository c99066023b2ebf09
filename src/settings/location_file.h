#pragma once

// The location file "Location.txt": 8-bit text in the system's encoding (read
// as Latin-1 when it is not valid in that encoding), a
// header line, a rule of 46 hyphens, then one record per line. Lines are
// written with CR LF; on reading CR, LF or the pair ends a line.

#include "location_list.h"

#include <QByteArray>
#include <QString>

namespace settings {

inline constexpr char kLocationFileName[] = "Location.txt";
inline constexpr char kLocationHeader[] = "      Location           |  Lat  |  Long  | TZ";
inline constexpr char kLocationRule[] = "----------------------------------------------";

struct LocationFilePaths {
  QString readPath;  // the file to read, when it exists
  QString writePath; // where the list is saved
};

// The file lives beside the program. When the program's folder cannot be
// written (an installed program), the list is saved in the user's data folder
// and read from there once it exists; until then the file beside the program,
// if any, is read.
LocationFilePaths ChooseLocationFilePaths(const QString& programFolder, const QString& dataFolder);

// ChooseLocationFilePaths for this program: its own folder and the user's
// application data folder. Needs the application object.
LocationFilePaths DefaultLocationFilePaths();

// The records of a file's contents: its lines without the first two, whatever
// they hold, sorted. A text of fewer than three lines gives an empty list.
LocationList LocationListOfText(const QByteArray& fileText);

// The file's contents for a list: header, rule and records, each line ended
// by CR LF.
QByteArray LocationFileText(const LocationList& list);

struct LocationFileRead {
  bool ok = false;
  LocationList list;
  QString error; // when !ok: a sentence for the user naming the file and the cause
};

[[nodiscard]] LocationFileRead ReadLocationFile(const QString& path);

struct LocationFileWrite {
  bool ok = false;
  QString error; // when !ok: a sentence for the user naming the file and the cause
};

// Replaces the file as a whole: the new contents go to a temporary file that
// takes the old one's place only when completely written, so a failure or a
// crash on the way leaves the old file as it was. Creates the folder if needed.
[[nodiscard]] LocationFileWrite WriteLocationFile(const QString& path, const LocationList& list);

} // namespace settings

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The location file "Location.txt": a header line, a rule of 46 hyphens, then
// one record per line. Lines are written in UTF-8 and ended with CR LF; on
// reading CR, LF or the pair ends a line, and each line is read as UTF-8 when
// it is valid UTF-8, else as Latin-1 (a file kept in an 8-bit encoding).

#include "location_list.h"

#include <QByteArray>
#include <QString>

namespace places {

inline constexpr char kLocationFileName[] = "Location.txt";
inline constexpr char kLocationHeader[] = "      Location           |  Lat  |  Long  | TZ";
inline constexpr char kLocationRule[] = "----------------------------------------------";

struct LocationFilePaths {
  QString readPath;  // the file to read; may not exist (then there is no list)
  QString writePath; // where "Save List" writes the list
};

// The folders a location file may be in.
struct LocationFileFolders {
  QString program;   // the folder of the program file
  QString userData;  // the user's own data folder; may not exist yet
  QString installed; // an installed program's data folder, <program>/../share/vesperon
};

// Whether the program may write files into a folder.
using FolderWritable = bool (*)(const QString& folder);
bool IsWritableFolder(const QString& folder);

// Where the location list is read from and saved to.
// Saving: beside the program when that folder is writable and the program is
// not an installed one (its installed data folder exists), else in the user's
// data folder; never into a system folder.
// Reading: the file saved to, once it exists; else the first that exists of
// beside the program, the user's data folder and the installed data folder
// (the list shipped with the program). So after a first save the user's own
// copy is the one read.
LocationFilePaths ChooseLocationFilePaths(const LocationFileFolders& folders,
                                          FolderWritable writable = IsWritableFolder);

// The folders of this program: its own, the user's application data folder
// and the installed data folder. Needs the application object.
LocationFileFolders DefaultLocationFileFolders();

// ChooseLocationFilePaths for this program's folders.
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

// The largest file read: a list of places is far smaller.
inline constexpr qint64 kMaxLocationFileBytes = 16 * 1024 * 1024;

// Reads a regular file of at most kMaxLocationFileBytes. A missing file, a
// folder, a device, a FIFO or a larger file gives !ok and a reason: the
// location list then counts as unreadable.
[[nodiscard]] LocationFileRead ReadLocationFile(const QString& path);

struct LocationFileWrite {
  bool ok = false;
  QString error; // when !ok: a sentence for the user naming the file and the cause
};

// Replaces the file as a whole: the new contents go to a temporary file that
// takes the old one's place only when completely written, so a failure or a
// crash on the way leaves the old file as it was. Creates the folder if needed.
[[nodiscard]] LocationFileWrite WriteLocationFile(const QString& path, const LocationList& list);

struct LocationFileMerge {
  bool ok = false;
  LocationList list; // when ok: the list as saved
  QString error;     // when !ok: a sentence for the user naming the file and the cause
};

// Saves this session's list `ours`, which was `asRead` when read, keeping what
// another copy of the program saved to the file meanwhile (MergeLocationLists).
// The read, the merge and the write hold the file's lock, so two copies saving
// at once keep both their changes. A file there that cannot be read (a FIFO,
// a device, a file over kMaxLocationFileBytes) is refused and left as it is.
[[nodiscard]] LocationFileMerge SaveMergedLocationFile(const QString& path, const LocationList& asRead,
                                                       const LocationList& ours);

} // namespace places

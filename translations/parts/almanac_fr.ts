<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>astro</name>
    <message>
        <source>First Quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine Lune</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle Lune</translation>
    </message>
</context>
<context>
    <name>day</name>
    <message>
        <source>Moonrise :</source>
        <translation>Lever :</translation>
    </message>
    <message>
        <source>Moonset :</source>
        <translation>Coucher :</translation>
    </message>
    <message>
        <source>Twilight :</source>
        <translation>Crép. :</translation>
    </message>
    <message>
        <source>Sunrise :</source>
        <translation>Lever :</translation>
    </message>
    <message>
        <source>Sunset :</source>
        <translation>Coucher :</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no such event on the day</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>%1 %2, %3   Julian</source>
        <comment>abbreviated month, day, year of the Julian calendar</comment>
        <translation>%2 %1 %3   julien</translation>
    </message>
    <message>
        <source>Transit :</source>
        <comment>the Moon&apos;s meridian passage</comment>
        <translation>Passage :</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 pour cent</translation>
    </message>
    <message>
        <source>azimuth %1 degrees</source>
        <translation>azimut %1 degrés</translation>
    </message>
    <message>
        <source>%1: none</source>
        <translation>%1 : néant</translation>
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
        <translation>décroissante</translation>
    </message>
    <message>
        <source>waxing</source>
        <translation>croissante</translation>
    </message>
    <message>
        <source>Moon %1 percent illuminated, %2</source>
        <translation>Lune éclairée à %1 pour cent, %2</translation>
    </message>
    <message>
        <source>Dawn twilight</source>
        <translation>Aube</translation>
    </message>
    <message>
        <source>Dusk twilight</source>
        <translation>Crépuscule du soir</translation>
    </message>
    <message>
        <source>ST</source>
        <comment>Standard Time, short</comment>
        <translation>HN</translation>
    </message>
    <message>
        <source>DT</source>
        <comment>Daylight Time, short</comment>
        <translation>HE</translation>
    </message>
    <message>
        <source>UT</source>
        <comment>Universal Time, short</comment>
        <translation>UT</translation>
    </message>
    <message>
        <source>%1 keeps %2 on this date; times are shown in %3</source>
        <translation>%1 est en %2 à cette date ; les heures sont données en %3</translation>
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
        <translation>Civ.</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de la Lune</translation>
    </message>
    <message>
        <source>Transit</source>
        <comment>the Moon&apos;s meridian passage</comment>
        <translation>Passage de la Lune au méridien</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher de la Lune</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du Soleil</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du Soleil</translation>
    </message>
</context>
<context>
    <name>month</name>
    <message>
        <source>                 Sun                         Moon</source>
        <extracomment>Fixed-width text: &quot;Sun&quot; over the third 7-character time column (the Sun&apos;s transit), &quot;Moon&quot; over the seventh.</extracomment>
        <translation>                Soleil                       Lune</translation>
    </message>
    <message>
        <source>Date </source>
        <extracomment>Fixed-width text, ending in the blank before the first time column.</extracomment>
        <translation>Date </translation>
    </message>
    <message>
        <source>   Twi.  Rise  Transit  Set    Twi.  Rise  Transit  Set    %</source>
        <extracomment>Fixed-width text: eight time columns of 7 characters, then the Moon&apos;s illuminated percent in 4.</extracomment>
        <translation>  Crép.  Lever  Pass. Couch.  Crép.  Lever  Pass. Couch.   %</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Dawn twilight</source>
        <translation>Aube</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du Soleil</translation>
    </message>
    <message>
        <source>Sun transit</source>
        <translation>Passage du Soleil au méridien</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du Soleil</translation>
    </message>
    <message>
        <source>Dusk twilight</source>
        <translation>Crépuscule du soir</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de la Lune</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Passage de la Lune au méridien</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher de la Lune</translation>
    </message>
    <message>
        <source>Moon illuminated</source>
        <translation>Lune éclairée</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source> Date</source>
        <translation> Date</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crépuscule</translation>
    </message>
    <message>
        <source>  Rise</source>
        <translation>  Lever</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Passage</translation>
    </message>
    <message>
        <source>  Set</source>
        <translation>  Coucher</translation>
    </message>
    <message>
        <source>no dawn twilight</source>
        <translation>pas d&apos;aube</translation>
    </message>
    <message>
        <source>no sunrise</source>
        <translation>pas de lever du Soleil</translation>
    </message>
    <message>
        <source>no sun transit</source>
        <translation>pas de passage du Soleil au méridien</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>pas de coucher du Soleil</translation>
    </message>
    <message>
        <source>no dusk twilight</source>
        <translation>pas de crépuscule du soir</translation>
    </message>
    <message>
        <source>no moonrise</source>
        <translation>pas de lever de la Lune</translation>
    </message>
    <message>
        <source>no moon transit</source>
        <translation>pas de passage de la Lune au méridien</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>pas de coucher de la Lune</translation>
    </message>
    <message>
        <source>Sun above the horizon all day</source>
        <translation>Soleil au-dessus de l&apos;horizon toute la journée</translation>
    </message>
    <message>
        <source>Sun below the horizon all day</source>
        <translation>Soleil sous l&apos;horizon toute la journée</translation>
    </message>
    <message>
        <source>Sun above the twilight altitude all day</source>
        <translation>Soleil au-dessus de la hauteur du crépuscule toute la journée</translation>
    </message>
    <message>
        <source>Sun below the twilight altitude all day</source>
        <translation>Soleil sous la hauteur du crépuscule toute la journée</translation>
    </message>
    <message>
        <source>Moon above the horizon all day</source>
        <translation>Lune au-dessus de l&apos;horizon toute la journée</translation>
    </message>
    <message>
        <source>Moon below the horizon all day</source>
        <translation>Lune sous l&apos;horizon toute la journée</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day of the month, name of the month</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <comment>column, date: value</comment>
        <translation>%1, %2 : %3</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 pour cent</translation>
    </message>
    <message>
        <source>Blank row between weeks</source>
        <translation>Ligne vide entre les semaines</translation>
    </message>
    <message>
        <source>Blank row after five days</source>
        <translation>Ligne vide après cinq jours</translation>
    </message>
    <message>
        <source>%1, grouped by 5 days</source>
        <translation>%1, par groupes de 5 jours</translation>
    </message>
    <message>
        <source>%1, grouped by week</source>
        <translation>%1, groupé par semaine</translation>
    </message>
    <message>
        <source>Sun and Moon Data for %1 %2</source>
        <comment>month, year</comment>
        <translation>Données du Soleil et de la Lune pour %1 %2</translation>
    </message>
    <message>
        <source>Standard Time</source>
        <translation>Heure normale</translation>
    </message>
    <message>
        <source>Daylight Time</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Heure locale</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>Temps universel</translation>
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
        <translation>O</translation>
    </message>
    <message>
        <source>E</source>
        <comment>east, after a longitude or time zone</comment>
        <translation>E</translation>
    </message>
    <message>
        <source>hr</source>
        <comment>hours of a time zone: 5hrW</comment>
        <translation>h</translation>
    </message>
    <message>
        <source>%1  Astronomical Twilight</source>
        <translation>%1  Crépuscule astronomique</translation>
    </message>
    <message>
        <source>%1  Nautical Twilight</source>
        <translation>%1  Crépuscule nautique</translation>
    </message>
    <message>
        <source>%1  Civil Twilight</source>
        <translation>%1  Crépuscule civil</translation>
    </message>
</context>
</TS>

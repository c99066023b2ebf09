<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
</TS>

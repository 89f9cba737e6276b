<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: vemarill [COMMAND] [ARGUMENTS]
Without a command, opens the window.

Commands:
  search DIR [-o FILE]                 list the images under DIR
  export-html LIST --root DIR -o PAGE  write LIST&apos;s rows as an HTML page
  convert IN OUT                       convert between list file, CSV,
                                       TSV and XLIFF (2.0 or 1.2)
  ocr LIST --root DIR [-l LANGS] [-o FILE]
                                       read the images&apos; text into
                                       LIST&apos;s Source Texts

&quot;vemarill COMMAND --help&quot; describes a command&apos;s options.
Exit codes: 0 done, 1 bad input, 2 wrong usage.
</source>
        <translation>Uso: vemarill [ORDEN] [ARGUMENTOS]
Sin orden, abre la ventana.

Órdenes:
  search DIR [-o FILE]                 listar las imágenes bajo DIR
  export-html LIST --root DIR -o PAGE  escribir las filas de LIST como página HTML
  convert IN OUT                       convertir entre archivo de lista, CSV,
                                       TSV y XLIFF (2.0 o 1.2)
  ocr LIST --root DIR [-l LANGS] [-o FILE]
                                       leer el texto de las imágenes en
                                       los textos de origen de LIST

&quot;vemarill ORDEN --help&quot; describe las opciones de una orden.
Códigos de salida: 0 hecho, 1 entrada incorrecta, 2 uso incorrecto.
</translation>
    </message>
    <message>
        <source>
Try &quot;vemarill %1 --help&quot;.</source>
        <translation>
Pruebe &quot;vemarill %1 --help&quot;.</translation>
    </message>
    <message>
        <source>%1 takes %2 argument(s).
</source>
        <translation>%1 admite %2 argumento(s).
</translation>
    </message>
    <message>
        <source>Unknown format &quot;%1&quot;: use list, csv, tsv, xliff or xliff12</source>
        <translation>Formato desconocido &quot;%1&quot;: use list, csv, tsv, xliff o xliff12</translation>
    </message>
    <message>
        <source>standard output: </source>
        <translation>salida estándar: </translation>
    </message>
    <message>
        <source>The command.</source>
        <translation>La orden.</translation>
    </message>
    <message>
        <source>The file to read.</source>
        <translation>El archivo que se lee.</translation>
    </message>
    <message>
        <source>The file to write.</source>
        <translation>El archivo que se escribe.</translation>
    </message>
    <message>
        <source>What a .csv IN or OUT is: list or csv.</source>
        <translation>Qué es un IN u OUT .csv: list o csv.</translation>
    </message>
    <message>
        <source>IN&apos;s format: list, csv, tsv, xliff.</source>
        <translation>Formato de IN: list, csv, tsv, xliff.</translation>
    </message>
    <message>
        <source>OUT&apos;s format: list, csv, tsv, xliff, xliff12.</source>
        <translation>Formato de OUT: list, csv, tsv, xliff, xliff12.</translation>
    </message>
    <message>
        <source>XLIFF to write: 2.0 (default) or 1.2.</source>
        <translation>XLIFF que se escribe: 2.0 (predeterminado) o 1.2.</translation>
    </message>
    <message>
        <source>XLIFF source language (en).</source>
        <translation>Idioma de origen de XLIFF (en).</translation>
    </message>
    <message>
        <source>XLIFF target language (the system&apos;s).</source>
        <translation>Idioma de destino de XLIFF (el del sistema).</translation>
    </message>
    <message>
        <source>Start a CSV or TSV file with a UTF-8 BOM.</source>
        <translation>Empezar un archivo CSV o TSV con una BOM de UTF-8.</translation>
    </message>
    <message>
        <source>%1: Unknown file type; name its format with --%2</source>
        <translation>%1: tipo de archivo desconocido; indique su formato con --%2</translation>
    </message>
    <message>
        <source>--xliff-version is 2.0 or 1.2</source>
        <translation>--xliff-version es 2.0 o 1.2</translation>
    </message>
    <message>
        <source>Writes the rows of LIST as the HTML page Export to HTML writes.</source>
        <translation>Escribe las filas de LIST como la página HTML que escribe «Exportar a HTML».</translation>
    </message>
    <message>
        <source>A list file (or CSV, TSV, XLIFF file).</source>
        <translation>Un archivo de lista (o un archivo CSV, TSV o XLIFF).</translation>
    </message>
    <message>
        <source>The image root folder the Names are under.</source>
        <translation>La carpeta raíz de imágenes bajo la que están los nombres.</translation>
    </message>
    <message>
        <source>The page to write.</source>
        <translation>La página que se escribe.</translation>
    </message>
    <message>
        <source>export-html needs --root DIR and -o PAGE.
</source>
        <translation>export-html necesita --root DIR y -o PAGE.
</translation>
    </message>
    <message>
        <source>Reads the text off the images of LIST&apos;s rows into their Source Texts.</source>
        <translation>Lee el texto de las imágenes de las filas de LIST en sus textos de origen.</translation>
    </message>
    <message>
        <source>Recognition languages, as eng+deu (default: the window&apos;s choice).</source>
        <translation>Idiomas de reconocimiento, como eng+deu (predeterminado: lo elegido en la ventana).</translation>
    </message>
    <message>
        <source>Where to write the rows (default: stdout), in the format its extension names.</source>
        <translation>Dónde escribir las filas (predeterminado: stdout), en el formato que indica su extensión.</translation>
    </message>
    <message>
        <source>Replace Source Texts that are not empty.</source>
        <translation>Reemplazar los textos de origen que no están vacíos.</translation>
    </message>
    <message>
        <source>Give each recognised line a row.</source>
        <translation>Dar una fila a cada línea reconocida.</translation>
    </message>
    <message>
        <source>ocr needs --root DIR.
</source>
        <translation>ocr necesita --root DIR.
</translation>
    </message>
    <message>
        <source>recognition could not start</source>
        <translation>el reconocimiento no pudo empezar</translation>
    </message>
    <message>
        <source>Lists the images under DIR, as Search Images does, as a list file of
&quot;Name;;;&quot; lines (or in the format -o&apos;s extension or --to names).</source>
        <translation>Lista las imágenes bajo DIR, como hace «Buscar imágenes», como archivo de lista de
líneas &quot;Name;;;&quot; (o en el formato que indica la extensión de -o o --to).</translation>
    </message>
    <message>
        <source>The image root folder.</source>
        <translation>La carpeta raíz de imágenes.</translation>
    </message>
    <message>
        <source>Write to FILE, not to standard output.</source>
        <translation>Escribir en FILE, no en la salida estándar.</translation>
    </message>
    <message>
        <source>Output format: list, csv, tsv, xliff, xliff12.</source>
        <translation>Formato de salida: list, csv, tsv, xliff, xliff12.</translation>
    </message>
    <message>
        <source>: No such folder</source>
        <translation>: no existe la carpeta</translation>
    </message>
    <message>
        <source>: The folder cannot be read</source>
        <translation>: no se puede leer la carpeta</translation>
    </message>
    <message>
        <source>: Skipped, the folder cannot be read</source>
        <translation>: omitida, no se puede leer la carpeta</translation>
    </message>
</context>
<context>
    <name>DocumentGuard</name>
    <message>
        <source>Save changes to the image list?</source>
        <translation>¿Guardar los cambios en la lista de imágenes?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>1 unchecked row holds a text. Only checked rows are written.</source>
        <translation>1 fila sin marcar contiene texto. Solo se guardan las filas marcadas.</translation>
    </message>
    <message>
        <source>%1 unchecked rows hold texts. Only checked rows are written.</source>
        <translation>%1 filas sin marcar contienen texto. Solo se guardan las filas marcadas.</translation>
    </message>
    <message>
        <source>Check them and save</source>
        <translation>Marcarlas y guardar</translation>
    </message>
    <message>
        <source>Save checked rows only</source>
        <translation>Guardar solo las filas marcadas</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Uncheck</source>
        <translation>Desmarcar</translation>
    </message>
    <message>
        <source>Change Checks</source>
        <translation>Cambiar marcas</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>Image list files (*.csv)|*.csv</source>
        <translation>Archivos de lista de imágenes (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Spreadsheet CSV files (*.csv)|*.csv</source>
        <translation>Archivos CSV de hoja de cálculo (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Tab-separated files (*.tsv)|*.tsv</source>
        <translation>Archivos separados por tabulaciones (*.tsv)|*.tsv</translation>
    </message>
    <message>
        <source>XLIFF 2.0 files (*.xlf *.xliff)|*.xlf *.xliff</source>
        <translation>Archivos XLIFF 2.0 (*.xlf *.xliff)|*.xlf *.xliff</translation>
    </message>
    <message>
        <source>XLIFF 1.2 files (*.xlf *.xliff)|*.xlf *.xliff</source>
        <translation>Archivos XLIFF 1.2 (*.xlf *.xliff)|*.xlf *.xliff</translation>
    </message>
    <message>
        <source>Translation files (*.xlf *.xliff *.csv *.tsv)|*.xlf *.xliff *.csv *.tsv</source>
        <translation>Archivos de traducción (*.xlf *.xliff *.csv *.tsv)|*.xlf *.xliff *.csv *.tsv</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>Formato de archivo desconocido</translation>
    </message>
    <message>
        <source>: Not a file</source>
        <translation>: No es un archivo</translation>
    </message>
</context>
<context>
    <name>Exchange::CsvReader</name>
    <message>
        <source>This quoted field is never closed</source>
        <translation>Este campo entre comillas no se cierra nunca</translation>
    </message>
    <message>
        <source>A closing quote must end its field (a quote inside a quoted field is written twice)</source>
        <translation>Una comilla de cierre debe terminar su campo (dentro de un campo entre comillas, una comilla se escribe dos veces)</translation>
    </message>
    <message>
        <source>A quote inside a field that does not start with one (such a field must be quoted)</source>
        <translation>Una comilla dentro de un campo que no empieza por comilla (ese campo debe ir entre comillas)</translation>
    </message>
    <message>
        <source>This is not UTF-8 text</source>
        <translation>Esto no es texto UTF-8</translation>
    </message>
    <message>
        <source>The file is empty; it needs at least the header</source>
        <translation>El archivo está vacío; necesita al menos la línea de encabezado</translation>
    </message>
    <message>
        <source>The first line must be the header &quot;%1&quot;</source>
        <translation>La primera línea debe ser el encabezado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <translation>%1 campos, pero el encabezado tiene %2</translation>
    </message>
    <message>
        <source>Checked is &quot;%1&quot;; it must be 1 or 0</source>
        <translation>La marca (Checked) es &quot;%1&quot;; debe ser 1 o 0</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
</context>
<context>
    <name>Exchange::XliffReader</name>
    <message>
        <source>The file has a DOCTYPE, which XLIFF does not use; it is refused, and nothing it declares is read</source>
        <translation>El archivo tiene un DOCTYPE, que XLIFF no usa; se rechaza y no se lee nada de lo que declara</translation>
    </message>
    <message>
        <source>The file holds no XML element</source>
        <translation>El archivo no contiene ningún elemento XML</translation>
    </message>
    <message>
        <source>The document is &lt;%1&gt;, not &lt;xliff&gt;</source>
        <translation>El documento es &lt;%1&gt;, no &lt;xliff&gt;</translation>
    </message>
    <message>
        <source>The &lt;xliff&gt; element is in the namespace &quot;%1&quot;, not in XLIFF 2.0&apos;s (%2) or 1.2&apos;s (%3)</source>
        <translation>El elemento &lt;xliff&gt; está en el espacio de nombres &quot;%1&quot;, no en el de XLIFF 2.0 (%2) ni en el de 1.2 (%3)</translation>
    </message>
    <message>
        <source>Elements nested more than %1 deep</source>
        <translation>Elementos anidados a más de %1 niveles de profundidad</translation>
    </message>
    <message>
        <source>The unit holds U+%1, which XML cannot carry</source>
        <translation>La unidad contiene U+%1, que XML no puede representar</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>The document ends before its elements are closed (a cut-off file?)</source>
        <translation>El documento termina antes de que se cierren sus elementos (¿un archivo truncado?)</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Export the image list as...</source>
        <translation>Exportar la lista de imágenes como...</translation>
    </message>
    <message>
        <source>The list could not be exported to %1:
%2</source>
        <translation>No se pudo exportar la lista a %1:
%2</translation>
    </message>
    <message>
        <source>Import texts from...</source>
        <translation>Importar textos desde...</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leyendo %1...</translation>
    </message>
    <message>
        <source>%L1 rows of the file are not in the list. Append them at its end?</source>
        <translation>%L1 filas del archivo no están en la lista. ¿Añadirlas al final?</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Omitir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Imported %1: %L2 rows matched, %L3 changed, %L4 appended.</source>
        <translation>%1 importado: %L2 filas coincidentes, %L3 modificadas, %L4 añadidas.</translation>
    </message>
</context>
<context>
    <name>ExportHTML</name>
    <message>
        <source>Specify an HTML file...</source>
        <translation>Especificar un archivo HTML...</translation>
    </message>
    <message>
        <source>HTML files (*.htm)|*.htm</source>
        <translation>Archivos HTML (*.htm)|*.htm</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>Untranslated only</source>
        <translation>Solo sin traducir</translation>
    </message>
    <message>
        <source>Checked only</source>
        <translation>Solo marcadas</translation>
    </message>
    <message>
        <source>Name, Source or Target Text contains...</source>
        <translation>Nombre, texto de origen o de destino contiene...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the filter and show every row (Esc)</source>
        <translation>Cerrar el filtro y mostrar todas las filas (Esc)</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Filter text</source>
        <translation>Texto del filtro</translation>
    </message>
    <message>
        <source>Shows only the rows whose Name, Source or Target Text contains it</source>
        <translation>Muestra solo las filas cuyo nombre, texto de origen o de destino lo contiene</translation>
    </message>
    <message>
        <source>Shows only rows without a Target Text</source>
        <translation>Muestra solo las filas sin texto de destino</translation>
    </message>
    <message>
        <source>Shows only checked rows</source>
        <translation>Muestra solo las filas marcadas</translation>
    </message>
    <message>
        <source>Close filter</source>
        <translation>Cerrar el filtro</translation>
    </message>
    <message>
        <source>Shows every row again (Esc)</source>
        <translation>Vuelve a mostrar todas las filas (Esc)</translation>
    </message>
</context>
<context>
    <name>Fit</name>
    <message>
        <source>No text boxes: no recognised text to measure against</source>
        <translation>No hay cuadros de texto: no hay texto reconocido con el que medir</translation>
    </message>
    <message>
        <source>No Target Text to measure</source>
        <translation>No hay texto de destino que medir</translation>
    </message>
    <message>
        <source>Fits: the widest line takes %1% of its box</source>
        <translation>Cabe: la línea más ancha ocupa el %1 % de su cuadro</translation>
    </message>
    <message>
        <source>Tight: the widest line takes %1% of its box</source>
        <translation>Ajustado: la línea más ancha ocupa el %1 % de su cuadro</translation>
    </message>
    <message>
        <source>Overflows: %1 lines for %2 text boxes; the widest takes %3% of its box</source>
        <translation>Desborda: %1 líneas para %2 cuadros de texto; la más ancha ocupa el %3 % de su cuadro</translation>
    </message>
    <message>
        <source>Overflows: the widest line takes %1% of its box</source>
        <translation>Desborda: la línea más ancha ocupa el %1 % de su cuadro</translation>
    </message>
    <message>
        <source>Mock-ups</source>
        <translation>Maquetas</translation>
    </message>
    <message>
        <source>the PNG could not be encoded</source>
        <translation>no se pudo codificar el PNG</translation>
    </message>
    <message>
        <source>Choose an output folder for the mock-ups.</source>
        <translation>Elija una carpeta de salida para las maquetas.</translation>
    </message>
    <message>
        <source>The mock-up of &quot;%1&quot; would replace a source image. Choose another output folder, such as a new one outside the image folder.</source>
        <translation>La maqueta de &quot;%1&quot; reemplazaría una imagen de origen. Elija otra carpeta de salida, por ejemplo una nueva fuera de la carpeta de imágenes.</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 images.</source>
        <translation>Cancelado tras %1 de %2 imágenes.</translation>
    </message>
    <message>
        <source>Can&apos;t create the folder &quot;%1&quot;.</source>
        <translation>No se puede crear la carpeta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Can&apos;t write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Right click to edit an image in your default image editor. Press spacebar to check/uncheck an item. Put &quot; | &quot; to create a new row for the same image.</source>
        <translation>Clic derecho: editar la imagen en el editor de imágenes predeterminado. Barra espaciadora: marcar/desmarcar un elemento. &quot; | &quot;: crear una fila nueva para la misma imagen.</translation>
    </message>
    <message>
        <source>Image Root Folder</source>
        <translation>Carpeta de imágenes</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Image List</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Marcar todo</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Invertir selección</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Desmarcar todo</translation>
    </message>
    <message>
        <source>Image Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>Load Image List</source>
        <translation>Cargar lista</translation>
    </message>
    <message>
        <source>Export to HTML</source>
        <translation>Exportar a HTML</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>Search Images</source>
        <translation>Buscar imágenes</translation>
    </message>
    <message>
        <source>Save Image List</source>
        <translation>Guardar lista</translation>
    </message>
    <message>
        <source>Image root folder</source>
        <translation>Carpeta de imágenes</translation>
    </message>
    <message>
        <source>The folder whose images are listed</source>
        <translation>La carpeta cuyas imágenes se listan</translation>
    </message>
    <message>
        <source>Choose the image root folder and search it</source>
        <translation>Elegir la carpeta de imágenes y buscar en ella</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>Lista de imágenes</translation>
    </message>
    <message>
        <source>One row per image: check box, Name, Source Text and Target Text</source>
        <translation>Una fila por imagen: casilla, nombre, texto de origen y texto de destino</translation>
    </message>
    <message>
        <source>Check every row shown</source>
        <translation>Marcar todas las filas visibles</translation>
    </message>
    <message>
        <source>Check the unchecked rows shown and uncheck the checked ones</source>
        <translation>Marcar las filas visibles sin marcar y desmarcar las marcadas</translation>
    </message>
    <message>
        <source>Uncheck every row shown</source>
        <translation>Desmarcar todas las filas visibles</translation>
    </message>
    <message>
        <source>Replace the rows with those of a list file</source>
        <translation>Sustituir las filas por las de un archivo de lista</translation>
    </message>
    <message>
        <source>Write the checked rows to a web page</source>
        <translation>Escribir las filas marcadas en una página web</translation>
    </message>
    <message>
        <source>Show the program&apos;s version</source>
        <translation>Mostrar la versión del programa</translation>
    </message>
    <message>
        <source>List every image below the image root folder</source>
        <translation>Listar todas las imágenes de la carpeta de imágenes</translation>
    </message>
    <message>
        <source>Write the checked rows to a list file</source>
        <translation>Escribir las filas marcadas en un archivo de lista</translation>
    </message>
</context>
<context>
    <name>ImageListCommands</name>
    <message>
        <source>CSV Delimited files (*.csv)|*.csv</source>
        <translation>Archivos CSV delimitados (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>1 folder could not be read and was skipped:</source>
        <translation>1 carpeta no se pudo leer y se omitió:</translation>
    </message>
    <message>
        <source>%1 folders could not be read and were skipped:</source>
        <translation>%1 carpetas no se pudieron leer y se omitieron:</translation>
    </message>
    <message>
        <source>
and %1 more</source>
        <translation>
y %1 más</translation>
    </message>
    <message>
        <source>Please, specify an existing folder.</source>
        <translation>Especifique una carpeta existente.</translation>
    </message>
    <message>
        <source>This folder could not be read:
</source>
        <translation>No se pudo leer esta carpeta:
</translation>
    </message>
    <message>
        <source>Select a CSV file...</source>
        <translation>Seleccionar un archivo CSV...</translation>
    </message>
    <message>
        <source>The file was not UTF-8 and was read as Windows-1252.</source>
        <translation>El archivo no estaba en UTF-8 y se leyó como Windows-1252.</translation>
    </message>
    <message>
        <source>Specify a CSV file...</source>
        <translation>Especificar un archivo CSV...</translation>
    </message>
</context>
<context>
    <name>ImageListDocument</name>
    <message>
        <source>untitled</source>
        <translation>sin título</translation>
    </message>
</context>
<context>
    <name>ImageListFile</name>
    <message>
        <source>Not a file</source>
        <translation>No es un archivo</translation>
    </message>
    <message>
        <source>The file changed while it was read</source>
        <translation>El archivo cambió mientras se leía</translation>
    </message>
</context>
<context>
    <name>ImageListModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Source Text</source>
        <translation>Texto de origen</translation>
    </message>
    <message>
        <source>Target Text</source>
        <translation>Texto de destino</translation>
    </message>
    <message>
        <source>Recognised with %1% confidence: please check it.</source>
        <translation>Reconocido con un %1 % de confianza: compruébelo.</translation>
    </message>
    <message>
        <source>Filled from the translation memory: please review it.</source>
        <translation>Rellenado desde la memoria de traducción: revíselo.</translation>
    </message>
</context>
<context>
    <name>JournalFormat</name>
    <message>
        <source>The rows are too large for a journal</source>
        <translation>Las filas son demasiado grandes para un registro</translation>
    </message>
    <message>
        <source>Not a recovery journal</source>
        <translation>No es un registro de recuperación</translation>
    </message>
    <message>
        <source>The journal is truncated</source>
        <translation>El registro está truncado</translation>
    </message>
    <message>
        <source>The journal was written by a newer version (format %1)</source>
        <translation>El registro lo escribió una versión más reciente (formato %1)</translation>
    </message>
    <message>
        <source>The journal is damaged</source>
        <translation>El registro está dañado</translation>
    </message>
    <message>
        <source>The journal is damaged (checksum mismatch)</source>
        <translation>El registro está dañado (la suma de comprobación no coincide)</translation>
    </message>
    <message>
        <source>The journal is damaged (malformed rows)</source>
        <translation>El registro está dañado (filas mal formadas)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Searching: %L1 folders, %L2 files</source>
        <translation>Buscando: %L1 carpetas, %L2 archivos</translation>
    </message>
    <message>
        <source>%L1 images · %L2 checked · %L3 translated</source>
        <translation>%L1 imágenes · %L2 marcadas · %L3 traducidas</translation>
    </message>
    <message>
        <source> · %L1 overflow</source>
        <translation> · %L1 con desbordamiento</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Choose &amp;Folder...</source>
        <translation>Elegir &amp;carpeta...</translation>
    </message>
    <message>
        <source>&amp;Search Images</source>
        <translation>&amp;Buscar imágenes</translation>
    </message>
    <message>
        <source>&amp;Load Image List...</source>
        <translation>Cargar &amp;lista de imágenes...</translation>
    </message>
    <message>
        <source>Sa&amp;ve Image List</source>
        <translation>&amp;Guardar lista de imágenes</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>&amp;Export to HTML...</source>
        <translation>Exportar a &amp;HTML...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>E&amp;xport As...</source>
        <translation>&amp;Exportar como...</translation>
    </message>
    <message>
        <source>&amp;Recent Lists</source>
        <translation>Listas &amp;recientes</translation>
    </message>
    <message>
        <source>Recent F&amp;olders</source>
        <translation>Carpe&amp;tas recientes</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>Edit &amp;Cell</source>
        <translation>Editar &amp;celda</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Deselect All</source>
        <translation>&amp;Deseleccionar todo</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>&amp;Invertir selección</translation>
    </message>
    <message>
        <source>&amp;Find/Filter...</source>
        <translation>&amp;Buscar/filtrar...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Fit to Pane</source>
        <translation>Ajustar al &amp;panel</translation>
    </message>
    <message>
        <source>&amp;Next Untranslated</source>
        <translation>&amp;Siguiente sin traducir</translation>
    </message>
    <message>
        <source>&amp;Previous Untranslated</source>
        <translation>A&amp;nterior sin traducir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Recognise Text...</source>
        <translation>&amp;Reconocer texto...</translation>
    </message>
    <message>
        <source>Recognition &amp;Languages</source>
        <translation>&amp;Idiomas de reconocimiento</translation>
    </message>
    <message>
        <source>(no language data installed)</source>
        <translation>(no hay datos de idioma instalados)</translation>
    </message>
    <message>
        <source>Read the text off the images</source>
        <translation>Leer el texto de las imágenes</translation>
    </message>
    <message>
        <source>Interface Lan&amp;guage</source>
        <translation>Idioma de la i&amp;nterfaz</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Vemarill speaks the chosen language from its next start.</source>
        <translation>Vemarill usará el idioma elegido a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>Translation Memory</source>
        <translation>Memoria de traducción</translation>
    </message>
    <message>
        <source>&amp;Fill from Memory</source>
        <translation>Rellenar desde la &amp;memoria</translation>
    </message>
    <message>
        <source>%L1 Target Texts filled from the memory.</source>
        <translation>%L1 textos de destino rellenados desde la memoria.</translation>
    </message>
    <message>
        <source>Export Memory as &amp;TMX...</source>
        <translation>Exportar memoria como &amp;TMX...</translation>
    </message>
    <message>
        <source>Export the translation memory as...</source>
        <translation>Exportar la memoria de traducción como...</translation>
    </message>
    <message>
        <source>TMX files (*.tmx)|*.tmx</source>
        <translation>Archivos TMX (*.tmx)|*.tmx</translation>
    </message>
    <message>
        <source>Memory exported to %1.</source>
        <translation>Memoria exportada a %1.</translation>
    </message>
    <message>
        <source>&amp;Import into Memory...</source>
        <translation>Im&amp;portar a la memoria...</translation>
    </message>
    <message>
        <source>Import translations into the memory from...</source>
        <translation>Importar traducciones a la memoria desde...</translation>
    </message>
    <message>
        <source>%L1 translations go into the memory.</source>
        <translation>%L1 traducciones se incorporan a la memoria.</translation>
    </message>
    <message>
        <source>In&amp;consistent Translations</source>
        <translation>Traducciones &amp;incoherentes</translation>
    </message>
    <message>
        <source>Every Source Text has one translation.</source>
        <translation>Cada texto de origen tiene una sola traducción.</translation>
    </message>
    <message>
        <source>Source Texts translated in more than one way:
</source>
        <translation>Textos de origen traducidos de más de una forma:
</translation>
    </message>
    <message>
        <source>
...</source>
        <translation>
...</translation>
    </message>
    <message>
        <source>Next O&amp;verflow</source>
        <translation>Siguiente &amp;desbordamiento</translation>
    </message>
    <message>
        <source>No translation overflows its image.</source>
        <translation>Ninguna traducción desborda su imagen.</translation>
    </message>
    <message>
        <source>Show &amp;Translation</source>
        <translation>&amp;Mostrar traducción</translation>
    </message>
    <message>
        <source>Export &amp;Mock-ups...</source>
        <translation>E&amp;xportar maquetas...</translation>
    </message>
    <message>
        <source>Writing mock-ups...</source>
        <translation>Escribiendo maquetas...</translation>
    </message>
    <message>
        <source>%L1 mock-ups written to %2.</source>
        <translation>%L1 maquetas escritas en %2.</translation>
    </message>
    <message>
        <source> Skipped, could not be read: </source>
        <translation> Omitidas, no se pudieron leer: </translation>
    </message>
    <message>
        <source>Check the rows to read, or select one.</source>
        <translation>Marque las filas que desea leer o seleccione una.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Every shown row is translated.</source>
        <translation>Todas las filas mostradas están traducidas.</translation>
    </message>
    <message>
        <source>Open Image in &amp;Default Application</source>
        <translation>Abrir imagen en la &amp;aplicación predeterminada</translation>
    </message>
    <message>
        <source>Recognise Text</source>
        <translation>Reconocer texto</translation>
    </message>
    <message>
        <source>Read the text off the checked or selected images</source>
        <translation>Leer el texto de las imágenes marcadas o seleccionadas</translation>
    </message>
    <message>
        <source>Translation memory</source>
        <translation>Memoria de traducción</translation>
    </message>
    <message>
        <source>Earlier translations of the selected row&apos;s Source Text</source>
        <translation>Traducciones anteriores del texto de origen de la fila seleccionada</translation>
    </message>
    <message>
        <source>Translation &amp;Memory</source>
        <translation>M&amp;emoria de traducción</translation>
    </message>
</context>
<context>
    <name>MemoryAssistant</name>
    <message>
        <source>The translation memory is switched off until Vemarill restarts: %1</source>
        <translation>La memoria de traducción está desactivada hasta que Vemarill se reinicie: %1</translation>
    </message>
    <message>
        <source>Fill from Memory</source>
        <translation>Rellenar desde la memoria</translation>
    </message>
</context>
<context>
    <name>MemoryLocation</name>
    <message>
        <source>Not a PostgreSQL address: %1</source>
        <translation>No es una dirección de PostgreSQL: %1</translation>
    </message>
    <message>
        <source>Leave the password out of the memory&apos;s address; put it in PGPASSWORD or ~/.pgpass instead.</source>
        <translation>No incluya la contraseña en la dirección de la memoria; póngala en PGPASSWORD o en ~/.pgpass.</translation>
    </message>
</context>
<context>
    <name>MemoryPanel</name>
    <message>
        <source>Select a row to see earlier translations.</source>
        <translation>Seleccione una fila para ver las traducciones anteriores.</translation>
    </message>
    <message>
        <source>No earlier translation of this Source Text.</source>
        <translation>No hay traducciones anteriores de este texto de origen.</translation>
    </message>
    <message>
        <source>Earlier translations (Ctrl+1 to Ctrl+%1 takes one):</source>
        <translation>Traducciones anteriores (Ctrl+1 a Ctrl+%1 para usar una):</translation>
    </message>
    <message>
        <source>%1. %2%  %3
     %4</source>
        <translation>%1. %2%  %3
     %4</translation>
    </message>
    <message>
        <source>Source: %1
Used %2 time(s); %3</source>
        <translation>Origen: %1
Usos: %2; %3</translation>
    </message>
    <message>
        <source>Earlier translations</source>
        <translation>Traducciones anteriores</translation>
    </message>
    <message>
        <source>Matches of the selected row&apos;s Source Text; Enter or Ctrl+number takes one</source>
        <translation>Coincidencias del texto de origen de la fila seleccionada; Intro o Ctrl+número toma una</translation>
    </message>
</context>
<context>
    <name>MemoryWorker</name>
    <message>
        <source>The translation memory is switched off.</source>
        <translation>La memoria de traducción está desactivada.</translation>
    </message>
</context>
<context>
    <name>OcrApply</name>
    <message>
        <source>Recognise Text</source>
        <translation>Reconocer texto</translation>
    </message>
</context>
<context>
    <name>OcrCache</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The cache entry is too large.</source>
        <translation>La entrada de la caché es demasiado grande.</translation>
    </message>
    <message>
        <source>The cache entry is damaged at byte %1: %2.</source>
        <translation>La entrada de la caché está dañada en el byte %1: %2.</translation>
    </message>
    <message>
        <source>The cache entry belongs to another image or engine.</source>
        <translation>La entrada de la caché pertenece a otra imagen o a otro motor.</translation>
    </message>
    <message>
        <source>The cache entry has no lines.</source>
        <translation>La entrada de la caché no tiene líneas.</translation>
    </message>
    <message>
        <source>The cache entry holds a damaged line.</source>
        <translation>La entrada de la caché contiene una línea dañada.</translation>
    </message>
</context>
<context>
    <name>OcrEngine</name>
    <message>
        <source>Text recognition is unavailable: this build has no Tesseract.</source>
        <translation>El reconocimiento de texto no está disponible: esta compilación no incluye Tesseract.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no list of recognition languages.</source>
        <translation>&quot;%1&quot; no es una lista de idiomas de reconocimiento.</translation>
    </message>
    <message>
        <source>Text recognition is unavailable: the language data for %1 is not installed.</source>
        <translation>El reconocimiento de texto no está disponible: los datos de idioma de %1 no están instalados.</translation>
    </message>
    <message>
        <source>Tesseract could not load the languages %1 from %2.</source>
        <translation>Tesseract no pudo cargar los idiomas %1 desde %2.</translation>
    </message>
    <message>
        <source>The text recognition module %1 could not be loaded: %2</source>
        <translation>No se pudo cargar el módulo de reconocimiento de texto %1: %2</translation>
    </message>
    <message>
        <source>it belongs to another version.</source>
        <translation>pertenece a otra versión.</translation>
    </message>
</context>
<context>
    <name>OcrSummary</name>
    <message>
        <source>%n recognised</source>
        <translation>%n reconocida(s)</translation>
    </message>
    <message>
        <source>%1 of %n, cancelled</source>
        <translation>%1 de %n, cancelado</translation>
    </message>
    <message>
        <source>%n more</source>
        <translation>%n más</translation>
    </message>
    <message>
        <source>%1, %2 skipped: %3</source>
        <translation>%1, %2 omitida(s): %3</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Can&apos;t access file!</source>
        <translation>¡No se puede acceder al archivo!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Image preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>The selected row&apos;s image; Ctrl+wheel zooms</source>
        <translation>La imagen de la fila seleccionada; Ctrl+rueda amplía o reduce</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>The selected row&apos;s image at the chosen zoom</source>
        <translation>La imagen de la fila seleccionada con el zoom elegido</translation>
    </message>
    <message>
        <source>Pan up and down</source>
        <translation>Desplazar arriba y abajo</translation>
    </message>
    <message>
        <source>Moves the image preview vertically</source>
        <translation>Desplaza la vista previa en vertical</translation>
    </message>
    <message>
        <source>Pan left and right</source>
        <translation>Desplazar a izquierda y derecha</translation>
    </message>
    <message>
        <source>Moves the image preview horizontally</source>
        <translation>Desplaza la vista previa en horizontal</translation>
    </message>
</context>
<context>
    <name>RecognitionCommand</name>
    <message>
        <source>Recognise Text</source>
        <translation>Reconocer texto</translation>
    </message>
    <message>
        <source>Read the text of %1 image(s) into Source Text (languages: %2).</source>
        <translation>Leer el texto de %1 imagen(es) en el texto de origen (idiomas: %2).</translation>
    </message>
    <message>
        <source>Replace existing texts</source>
        <translation>Reemplazar los textos existentes</translation>
    </message>
    <message>
        <source>One row per recognised line</source>
        <translation>Una fila por cada línea reconocida</translation>
    </message>
    <message>
        <source>Recognise</source>
        <translation>Reconocer</translation>
    </message>
    <message>
        <source>Recognising text...</source>
        <translation>Reconociendo texto...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>RecognitionPool</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>RecoveryJournal</name>
    <message>
        <source>The rows are too large for a journal</source>
        <translation>Las filas son demasiado grandes para un registro</translation>
    </message>
    <message>
        <source>The recovery journal cannot be written to %1: %2</source>
        <translation>No se puede escribir el registro de recuperación en %1: %2</translation>
    </message>
    <message>
        <source>Not an orphaned journal: %1</source>
        <translation>No es un registro huérfano: %1</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>Unsaved work cannot be kept for recovery after a crash:
</source>
        <translation>El trabajo no guardado no se puede conservar para recuperarlo tras un bloqueo:
</translation>
    </message>
    <message>
        <source>The unsaved work from %1 cannot be restored (%2). Its file was kept as %3.bad.</source>
        <translation>No se puede restaurar el trabajo no guardado de %1 (%2). Su archivo se conservó como %3.bad.</translation>
    </message>
    <message>
        <source>Restore the unsaved work from %1?</source>
        <translation>¿Restaurar el trabajo no guardado de %1?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
</context>
<context>
    <name>SearchProgress</name>
    <message>
        <source>Searching for images...</source>
        <translation>Buscando imágenes...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Searching for images... %L1 folders, %L2 files</source>
        <translation>Buscando imágenes... %L1 carpetas, %L2 archivos</translation>
    </message>
</context>
<context>
    <name>TranslationMemory</name>
    <message>
        <source>no database is set</source>
        <translation>no se ha configurado ninguna base de datos</translation>
    </message>
    <message>
        <source>The translation memory (%1) is switched off until Vemarill restarts: %2.</source>
        <translation>La memoria de traducción (%1) está desactivada hasta que Vemarill se reinicie: %2.</translation>
    </message>
</context>
<context>
    <name>cSubclassListView</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Cell text</source>
        <translation>Texto de la celda</translation>
    </message>
    <message>
        <source>Enter keeps the text, Esc drops it, Tab moves to the next text cell</source>
        <translation>Intro conserva el texto, Esc lo descarta, Tab pasa a la siguiente celda de texto</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Vemarill lists every image below a folder, so that the text each image shows and its translation can be noted side by side. The checked rows are saved as a list file or exported as an HTML page that links to the images.</source>
        <translation>Vemarill enumera todas las imágenes que hay bajo una carpeta para que el texto de cada imagen y su traducción puedan anotarse uno al lado del otro. Las filas marcadas se guardan como archivo de lista o se exportan como página HTML con enlaces a las imágenes.</translation>
    </message>
    <message>
        <source>Written by the Vemarill project.</source>
        <translation>Desarrollado por el proyecto Vemarill.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
</TS>

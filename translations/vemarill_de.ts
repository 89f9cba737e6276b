<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Aufruf: vemarill [BEFEHL] [ARGUMENTE]
Ohne Befehl öffnet sich das Fenster.

Befehle:
  search DIR [-o FILE]                 die Bilder unter DIR auflisten
  export-html LIST --root DIR -o PAGE  die Zeilen von LIST als HTML-Seite schreiben
  convert IN OUT                       zwischen Listendatei, CSV, TSV und
                                       XLIFF (2.0 oder 1.2) umwandeln
  ocr LIST --root DIR [-l LANGS] [-o FILE]
                                       den Text der Bilder in die
                                       Ausgangstexte von LIST lesen

&quot;vemarill BEFEHL --help&quot; beschreibt die Optionen eines Befehls.
Exit-Codes: 0 erledigt, 1 fehlerhafte Eingabe, 2 falscher Aufruf.
</translation>
    </message>
    <message>
        <source>
Try &quot;vemarill %1 --help&quot;.</source>
        <translation>
Siehe &quot;vemarill %1 --help&quot;.</translation>
    </message>
    <message>
        <source>%1 takes %2 argument(s).
</source>
        <translation>%1 erwartet %2 Argument(e).
</translation>
    </message>
    <message>
        <source>Unknown format &quot;%1&quot;: use list, csv, tsv, xliff or xliff12</source>
        <translation>Unbekanntes Format &quot;%1&quot;: list, csv, tsv, xliff oder xliff12 verwenden</translation>
    </message>
    <message>
        <source>standard output: </source>
        <translation>Standardausgabe: </translation>
    </message>
    <message>
        <source>The command.</source>
        <translation>Der Befehl.</translation>
    </message>
    <message>
        <source>The file to read.</source>
        <translation>Die zu lesende Datei.</translation>
    </message>
    <message>
        <source>The file to write.</source>
        <translation>Die zu schreibende Datei.</translation>
    </message>
    <message>
        <source>What a .csv IN or OUT is: list or csv.</source>
        <translation>Was eine .csv-Datei IN oder OUT ist: list oder csv.</translation>
    </message>
    <message>
        <source>IN&apos;s format: list, csv, tsv, xliff.</source>
        <translation>Format von IN: list, csv, tsv, xliff.</translation>
    </message>
    <message>
        <source>OUT&apos;s format: list, csv, tsv, xliff, xliff12.</source>
        <translation>Format von OUT: list, csv, tsv, xliff, xliff12.</translation>
    </message>
    <message>
        <source>XLIFF to write: 2.0 (default) or 1.2.</source>
        <translation>Zu schreibendes XLIFF: 2.0 (Vorgabe) oder 1.2.</translation>
    </message>
    <message>
        <source>XLIFF source language (en).</source>
        <translation>XLIFF-Ausgangssprache (en).</translation>
    </message>
    <message>
        <source>XLIFF target language (the system&apos;s).</source>
        <translation>XLIFF-Zielsprache (die des Systems).</translation>
    </message>
    <message>
        <source>Start a CSV or TSV file with a UTF-8 BOM.</source>
        <translation>Eine CSV- oder TSV-Datei mit UTF-8-BOM beginnen.</translation>
    </message>
    <message>
        <source>%1: Unknown file type; name its format with --%2</source>
        <translation>%1: Unbekannter Dateityp; das Format mit --%2 angeben</translation>
    </message>
    <message>
        <source>--xliff-version is 2.0 or 1.2</source>
        <translation>--xliff-version ist 2.0 oder 1.2</translation>
    </message>
    <message>
        <source>Writes the rows of LIST as the HTML page Export to HTML writes.</source>
        <translation>Schreibt die Zeilen von LIST als die HTML-Seite, die „Nach HTML exportieren“ schreibt.</translation>
    </message>
    <message>
        <source>A list file (or CSV, TSV, XLIFF file).</source>
        <translation>Eine Listendatei (oder CSV-, TSV-, XLIFF-Datei).</translation>
    </message>
    <message>
        <source>The image root folder the Names are under.</source>
        <translation>Der Bilder-Stammordner, unter dem die Namen liegen.</translation>
    </message>
    <message>
        <source>The page to write.</source>
        <translation>Die zu schreibende Seite.</translation>
    </message>
    <message>
        <source>export-html needs --root DIR and -o PAGE.
</source>
        <translation>export-html braucht --root DIR und -o PAGE.
</translation>
    </message>
    <message>
        <source>Reads the text off the images of LIST&apos;s rows into their Source Texts.</source>
        <translation>Liest den Text der Bilder der Zeilen von LIST in deren Ausgangstexte.</translation>
    </message>
    <message>
        <source>Recognition languages, as eng+deu (default: the window&apos;s choice).</source>
        <translation>Erkennungssprachen, etwa eng+deu (Vorgabe: die Wahl im Fenster).</translation>
    </message>
    <message>
        <source>Where to write the rows (default: stdout), in the format its extension names.</source>
        <translation>Wohin die Zeilen geschrieben werden (Vorgabe: stdout), im Format, das die Endung nennt.</translation>
    </message>
    <message>
        <source>Replace Source Texts that are not empty.</source>
        <translation>Nicht leere Ausgangstexte ersetzen.</translation>
    </message>
    <message>
        <source>Give each recognised line a row.</source>
        <translation>Jeder erkannten Zeile eine eigene Zeile geben.</translation>
    </message>
    <message>
        <source>ocr needs --root DIR.
</source>
        <translation>ocr braucht --root DIR.
</translation>
    </message>
    <message>
        <source>recognition could not start</source>
        <translation>die Texterkennung konnte nicht starten</translation>
    </message>
    <message>
        <source>Lists the images under DIR, as Search Images does, as a list file of
&quot;Name;;;&quot; lines (or in the format -o&apos;s extension or --to names).</source>
        <translation>Listet die Bilder unter DIR wie „Bilder suchen“ auf, als Listendatei aus
&quot;Name;;;&quot;-Zeilen (oder im Format, das die Endung von -o oder --to nennt).</translation>
    </message>
    <message>
        <source>The image root folder.</source>
        <translation>Der Bilder-Stammordner.</translation>
    </message>
    <message>
        <source>Write to FILE, not to standard output.</source>
        <translation>In FILE statt in die Standardausgabe schreiben.</translation>
    </message>
    <message>
        <source>Output format: list, csv, tsv, xliff, xliff12.</source>
        <translation>Ausgabeformat: list, csv, tsv, xliff, xliff12.</translation>
    </message>
    <message>
        <source>: No such folder</source>
        <translation>: Ordner nicht vorhanden</translation>
    </message>
    <message>
        <source>: The folder cannot be read</source>
        <translation>: Der Ordner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>: Skipped, the folder cannot be read</source>
        <translation>: Übersprungen, der Ordner kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>DocumentGuard</name>
    <message>
        <source>Save changes to the image list?</source>
        <translation>Änderungen an der Bildliste speichern?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>1 unchecked row holds a text. Only checked rows are written.</source>
        <translation>1 nicht markierte Zeile enthält Text. Nur markierte Zeilen werden gespeichert.</translation>
    </message>
    <message>
        <source>%1 unchecked rows hold texts. Only checked rows are written.</source>
        <translation>%1 nicht markierte Zeilen enthalten Text. Nur markierte Zeilen werden gespeichert.</translation>
    </message>
    <message>
        <source>Check them and save</source>
        <translation>Markieren und speichern</translation>
    </message>
    <message>
        <source>Save checked rows only</source>
        <translation>Nur markierte Zeilen speichern</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <source>Uncheck</source>
        <translation>Markierung aufheben</translation>
    </message>
    <message>
        <source>Change Checks</source>
        <translation>Markierungen ändern</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Teilen</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>Image list files (*.csv)|*.csv</source>
        <translation>Bildlistendateien (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Spreadsheet CSV files (*.csv)|*.csv</source>
        <translation>CSV-Dateien für Tabellenkalkulationen (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>Tab-separated files (*.tsv)|*.tsv</source>
        <translation>Tabulatorgetrennte Dateien (*.tsv)|*.tsv</translation>
    </message>
    <message>
        <source>XLIFF 2.0 files (*.xlf *.xliff)|*.xlf *.xliff</source>
        <translation>XLIFF-2.0-Dateien (*.xlf *.xliff)|*.xlf *.xliff</translation>
    </message>
    <message>
        <source>XLIFF 1.2 files (*.xlf *.xliff)|*.xlf *.xliff</source>
        <translation>XLIFF-1.2-Dateien (*.xlf *.xliff)|*.xlf *.xliff</translation>
    </message>
    <message>
        <source>Translation files (*.xlf *.xliff *.csv *.tsv)|*.xlf *.xliff *.csv *.tsv</source>
        <translation>Übersetzungsdateien (*.xlf *.xliff *.csv *.tsv)|*.xlf *.xliff *.csv *.tsv</translation>
    </message>
    <message>
        <source>Unknown file format</source>
        <translation>Unbekanntes Dateiformat</translation>
    </message>
    <message>
        <source>: Not a file</source>
        <translation>: Keine Datei</translation>
    </message>
</context>
<context>
    <name>Exchange::CsvReader</name>
    <message>
        <source>This quoted field is never closed</source>
        <translation>Dieses Feld in Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>A closing quote must end its field (a quote inside a quoted field is written twice)</source>
        <translation>Ein schließendes Anführungszeichen muss sein Feld beenden (ein Anführungszeichen innerhalb eines Feldes in Anführungszeichen wird doppelt geschrieben)</translation>
    </message>
    <message>
        <source>A quote inside a field that does not start with one (such a field must be quoted)</source>
        <translation>Ein Anführungszeichen in einem Feld, das nicht mit einem beginnt (ein solches Feld muss in Anführungszeichen stehen)</translation>
    </message>
    <message>
        <source>This is not UTF-8 text</source>
        <translation>Dies ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>The file is empty; it needs at least the header</source>
        <translation>Die Datei ist leer; sie benötigt mindestens die Kopfzeile</translation>
    </message>
    <message>
        <source>The first line must be the header &quot;%1&quot;</source>
        <translation>Die erste Zeile muss die Kopfzeile &quot;%1&quot; sein</translation>
    </message>
    <message>
        <source>%1 fields where the header has %2</source>
        <translation>%1 Felder, die Kopfzeile hat aber %2</translation>
    </message>
    <message>
        <source>Checked is &quot;%1&quot;; it must be 1 or 0</source>
        <translation>Die Markierung (Checked) ist &quot;%1&quot;; sie muss 1 oder 0 sein</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
</context>
<context>
    <name>Exchange::XliffReader</name>
    <message>
        <source>The file has a DOCTYPE, which XLIFF does not use; it is refused, and nothing it declares is read</source>
        <translation>Die Datei enthält einen DOCTYPE, den XLIFF nicht verwendet; sie wird abgelehnt, und nichts von dem, was er deklariert, wird gelesen</translation>
    </message>
    <message>
        <source>The file holds no XML element</source>
        <translation>Die Datei enthält kein XML-Element</translation>
    </message>
    <message>
        <source>The document is &lt;%1&gt;, not &lt;xliff&gt;</source>
        <translation>Das Dokument ist &lt;%1&gt;, nicht &lt;xliff&gt;</translation>
    </message>
    <message>
        <source>The &lt;xliff&gt; element is in the namespace &quot;%1&quot;, not in XLIFF 2.0&apos;s (%2) or 1.2&apos;s (%3)</source>
        <translation>Das Element &lt;xliff&gt; liegt im Namensraum &quot;%1&quot;, nicht in dem von XLIFF 2.0 (%2) oder 1.2 (%3)</translation>
    </message>
    <message>
        <source>Elements nested more than %1 deep</source>
        <translation>Elemente sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>The unit holds U+%1, which XML cannot carry</source>
        <translation>Die Einheit enthält U+%1, das in XML nicht darstellbar ist</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>The document ends before its elements are closed (a cut-off file?)</source>
        <translation>Das Dokument endet, bevor seine Elemente geschlossen sind (eine abgeschnittene Datei?)</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Export the image list as...</source>
        <translation>Bildliste exportieren als...</translation>
    </message>
    <message>
        <source>The list could not be exported to %1:
%2</source>
        <translation>Die Liste konnte nicht nach %1 exportiert werden:
%2</translation>
    </message>
    <message>
        <source>Import texts from...</source>
        <translation>Texte importieren aus...</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>%L1 rows of the file are not in the list. Append them at its end?</source>
        <translation>%L1 Zeilen der Datei sind nicht in der Liste. Am Ende der Liste anhängen?</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Imported %1: %L2 rows matched, %L3 changed, %L4 appended.</source>
        <translation>%1 importiert: %L2 Zeilen zugeordnet, %L3 geändert, %L4 angehängt.</translation>
    </message>
</context>
<context>
    <name>ExportHTML</name>
    <message>
        <source>Specify an HTML file...</source>
        <translation>HTML-Datei angeben...</translation>
    </message>
    <message>
        <source>HTML files (*.htm)|*.htm</source>
        <translation>HTML-Dateien (*.htm)|*.htm</translation>
    </message>
</context>
<context>
    <name>FilterBar</name>
    <message>
        <source>Untranslated only</source>
        <translation>Nur unübersetzte</translation>
    </message>
    <message>
        <source>Checked only</source>
        <translation>Nur markierte</translation>
    </message>
    <message>
        <source>Name, Source or Target Text contains...</source>
        <translation>Name, Ausgangs- oder Zieltext enthält...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the filter and show every row (Esc)</source>
        <translation>Filter schließen und alle Zeilen anzeigen (Esc)</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Filter text</source>
        <translation>Filtertext</translation>
    </message>
    <message>
        <source>Shows only the rows whose Name, Source or Target Text contains it</source>
        <translation>Zeigt nur die Zeilen, deren Name, Ausgangs- oder Zieltext ihn enthält</translation>
    </message>
    <message>
        <source>Shows only rows without a Target Text</source>
        <translation>Zeigt nur Zeilen ohne Zieltext</translation>
    </message>
    <message>
        <source>Shows only checked rows</source>
        <translation>Zeigt nur markierte Zeilen</translation>
    </message>
    <message>
        <source>Close filter</source>
        <translation>Filter schließen</translation>
    </message>
    <message>
        <source>Shows every row again (Esc)</source>
        <translation>Zeigt wieder alle Zeilen (Esc)</translation>
    </message>
</context>
<context>
    <name>Fit</name>
    <message>
        <source>No text boxes: no recognised text to measure against</source>
        <translation>Keine Textfelder: kein erkannter Text als Maßstab</translation>
    </message>
    <message>
        <source>No Target Text to measure</source>
        <translation>Kein Zieltext zum Messen</translation>
    </message>
    <message>
        <source>Fits: the widest line takes %1% of its box</source>
        <translation>Passt: Die breiteste Zeile nimmt %1 % ihres Feldes ein</translation>
    </message>
    <message>
        <source>Tight: the widest line takes %1% of its box</source>
        <translation>Knapp: Die breiteste Zeile nimmt %1 % ihres Feldes ein</translation>
    </message>
    <message>
        <source>Overflows: %1 lines for %2 text boxes; the widest takes %3% of its box</source>
        <translation>Überlauf: %1 Zeilen für %2 Textfelder; die breiteste nimmt %3 % ihres Feldes ein</translation>
    </message>
    <message>
        <source>Overflows: the widest line takes %1% of its box</source>
        <translation>Überlauf: Die breiteste Zeile nimmt %1 % ihres Feldes ein</translation>
    </message>
    <message>
        <source>Mock-ups</source>
        <translation>Mock-ups</translation>
    </message>
    <message>
        <source>the PNG could not be encoded</source>
        <translation>das PNG konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>Choose an output folder for the mock-ups.</source>
        <translation>Wählen Sie einen Ausgabeordner für die Mock-ups.</translation>
    </message>
    <message>
        <source>The mock-up of &quot;%1&quot; would replace a source image. Choose another output folder, such as a new one outside the image folder.</source>
        <translation>Das Mock-up von &quot;%1&quot; würde ein Ausgangsbild ersetzen. Wählen Sie einen anderen Ausgabeordner, etwa einen neuen außerhalb des Bildordners.</translation>
    </message>
    <message>
        <source>Cancelled after %1 of %2 images.</source>
        <translation>Abgebrochen nach %1 von %2 Bildern.</translation>
    </message>
    <message>
        <source>Can&apos;t create the folder &quot;%1&quot;.</source>
        <translation>Der Ordner &quot;%1&quot; kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Can&apos;t write &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Right click to edit an image in your default image editor. Press spacebar to check/uncheck an item. Put &quot; | &quot; to create a new row for the same image.</source>
        <translation>Rechtsklick: Bild im Standard-Bildeditor bearbeiten. Leertaste: Eintrag markieren/Markierung aufheben. &quot; | &quot; eingeben: neue Zeile für dasselbe Bild anlegen.</translation>
    </message>
    <message>
        <source>Image Root Folder</source>
        <translation>Bild-Stammordner</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Image List</source>
        <translation>Bildliste</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>Auswahl umkehren</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Image Preview</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Load Image List</source>
        <translation>Bildliste laden</translation>
    </message>
    <message>
        <source>Export to HTML</source>
        <translation>HTML exportieren</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Search Images</source>
        <translation>Bilder suchen</translation>
    </message>
    <message>
        <source>Save Image List</source>
        <translation>Bildliste speichern</translation>
    </message>
    <message>
        <source>Image root folder</source>
        <translation>Bild-Stammordner</translation>
    </message>
    <message>
        <source>The folder whose images are listed</source>
        <translation>Der Ordner, dessen Bilder aufgelistet werden</translation>
    </message>
    <message>
        <source>Choose the image root folder and search it</source>
        <translation>Bild-Stammordner wählen und durchsuchen</translation>
    </message>
    <message>
        <source>Image list</source>
        <translation>Bildliste</translation>
    </message>
    <message>
        <source>One row per image: check box, Name, Source Text and Target Text</source>
        <translation>Eine Zeile je Bild: Kontrollkästchen, Name, Ausgangstext und Zieltext</translation>
    </message>
    <message>
        <source>Check every row shown</source>
        <translation>Alle angezeigten Zeilen markieren</translation>
    </message>
    <message>
        <source>Check the unchecked rows shown and uncheck the checked ones</source>
        <translation>Die angezeigten unmarkierten Zeilen markieren und die markierten demarkieren</translation>
    </message>
    <message>
        <source>Uncheck every row shown</source>
        <translation>Markierung aller angezeigten Zeilen aufheben</translation>
    </message>
    <message>
        <source>Replace the rows with those of a list file</source>
        <translation>Die Zeilen durch die einer Listendatei ersetzen</translation>
    </message>
    <message>
        <source>Write the checked rows to a web page</source>
        <translation>Die markierten Zeilen in eine Webseite schreiben</translation>
    </message>
    <message>
        <source>Show the program&apos;s version</source>
        <translation>Die Version des Programms anzeigen</translation>
    </message>
    <message>
        <source>List every image below the image root folder</source>
        <translation>Alle Bilder unter dem Bild-Stammordner auflisten</translation>
    </message>
    <message>
        <source>Write the checked rows to a list file</source>
        <translation>Die markierten Zeilen in eine Listendatei schreiben</translation>
    </message>
</context>
<context>
    <name>ImageListCommands</name>
    <message>
        <source>CSV Delimited files (*.csv)|*.csv</source>
        <translation>CSV-Dateien mit Trennzeichen (*.csv)|*.csv</translation>
    </message>
    <message>
        <source>1 folder could not be read and was skipped:</source>
        <translation>1 Ordner konnte nicht gelesen werden und wurde übersprungen:</translation>
    </message>
    <message>
        <source>%1 folders could not be read and were skipped:</source>
        <translation>%1 Ordner konnten nicht gelesen werden und wurden übersprungen:</translation>
    </message>
    <message>
        <source>
and %1 more</source>
        <translation>
und %1 weitere</translation>
    </message>
    <message>
        <source>Please, specify an existing folder.</source>
        <translation>Bitte geben Sie einen vorhandenen Ordner an.</translation>
    </message>
    <message>
        <source>This folder could not be read:
</source>
        <translation>Dieser Ordner konnte nicht gelesen werden:
</translation>
    </message>
    <message>
        <source>Select a CSV file...</source>
        <translation>CSV-Datei auswählen...</translation>
    </message>
    <message>
        <source>The file was not UTF-8 and was read as Windows-1252.</source>
        <translation>Die Datei war nicht in UTF-8 kodiert und wurde als Windows-1252 gelesen.</translation>
    </message>
    <message>
        <source>Specify a CSV file...</source>
        <translation>CSV-Datei angeben...</translation>
    </message>
</context>
<context>
    <name>ImageListDocument</name>
    <message>
        <source>untitled</source>
        <translation>unbenannt</translation>
    </message>
</context>
<context>
    <name>ImageListFile</name>
    <message>
        <source>Not a file</source>
        <translation>Keine Datei</translation>
    </message>
    <message>
        <source>The file changed while it was read</source>
        <translation>Die Datei wurde während des Lesens geändert</translation>
    </message>
</context>
<context>
    <name>ImageListModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Source Text</source>
        <translation>Ausgangstext</translation>
    </message>
    <message>
        <source>Target Text</source>
        <translation>Zieltext</translation>
    </message>
    <message>
        <source>Recognised with %1% confidence: please check it.</source>
        <translation>Mit %1 % Sicherheit erkannt: Bitte prüfen Sie den Text.</translation>
    </message>
    <message>
        <source>Filled from the translation memory: please review it.</source>
        <translation>Aus dem Translation Memory übernommen: Bitte prüfen Sie den Text.</translation>
    </message>
</context>
<context>
    <name>JournalFormat</name>
    <message>
        <source>The rows are too large for a journal</source>
        <translation>Die Zeilen sind zu groß für ein Journal</translation>
    </message>
    <message>
        <source>Not a recovery journal</source>
        <translation>Kein Wiederherstellungsjournal</translation>
    </message>
    <message>
        <source>The journal is truncated</source>
        <translation>Das Journal ist abgeschnitten</translation>
    </message>
    <message>
        <source>The journal was written by a newer version (format %1)</source>
        <translation>Das Journal wurde von einer neueren Version geschrieben (Format %1)</translation>
    </message>
    <message>
        <source>The journal is damaged</source>
        <translation>Das Journal ist beschädigt</translation>
    </message>
    <message>
        <source>The journal is damaged (checksum mismatch)</source>
        <translation>Das Journal ist beschädigt (Prüfsumme stimmt nicht überein)</translation>
    </message>
    <message>
        <source>The journal is damaged (malformed rows)</source>
        <translation>Das Journal ist beschädigt (fehlerhafte Zeilen)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Searching: %L1 folders, %L2 files</source>
        <translation>Suche: %L1 Ordner, %L2 Dateien</translation>
    </message>
    <message>
        <source>%L1 images · %L2 checked · %L3 translated</source>
        <translation>%L1 Bilder · %L2 markiert · %L3 übersetzt</translation>
    </message>
    <message>
        <source> · %L1 overflow</source>
        <translation> · %L1 mit Überlauf</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Choose &amp;Folder...</source>
        <translation>Ordner &amp;wählen...</translation>
    </message>
    <message>
        <source>&amp;Search Images</source>
        <translation>Bilder &amp;suchen</translation>
    </message>
    <message>
        <source>&amp;Load Image List...</source>
        <translation>Bildliste &amp;laden...</translation>
    </message>
    <message>
        <source>Sa&amp;ve Image List</source>
        <translation>Bildliste s&amp;peichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Export to HTML...</source>
        <translation>Als &amp;HTML exportieren...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>E&amp;xport As...</source>
        <translation>&amp;Exportieren als...</translation>
    </message>
    <message>
        <source>&amp;Recent Lists</source>
        <translation>&amp;Zuletzt geöffnete Listen</translation>
    </message>
    <message>
        <source>Recent F&amp;olders</source>
        <translation>Zuletzt geöffnete &amp;Ordner</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit &amp;Cell</source>
        <translation>&amp;Zelle bearbeiten</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>&amp;Deselect All</source>
        <translation>Auswahl auf&amp;heben</translation>
    </message>
    <message>
        <source>&amp;Invert Selection</source>
        <translation>Auswahl &amp;umkehren</translation>
    </message>
    <message>
        <source>&amp;Find/Filter...</source>
        <translation>&amp;Suchen/Filtern...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Fit to Pane</source>
        <translation>An Bereich an&amp;passen</translation>
    </message>
    <message>
        <source>&amp;Next Untranslated</source>
        <translation>&amp;Nächste unübersetzte Zeile</translation>
    </message>
    <message>
        <source>&amp;Previous Untranslated</source>
        <translation>&amp;Vorherige unübersetzte Zeile</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Recognise Text...</source>
        <translation>Text &amp;erkennen...</translation>
    </message>
    <message>
        <source>Recognition &amp;Languages</source>
        <translation>Erkennungs&amp;sprachen</translation>
    </message>
    <message>
        <source>(no language data installed)</source>
        <translation>(keine Sprachdaten installiert)</translation>
    </message>
    <message>
        <source>Read the text off the images</source>
        <translation>Text aus den Bildern lesen</translation>
    </message>
    <message>
        <source>Interface Lan&amp;guage</source>
        <translation>&amp;Oberflächensprache</translation>
    </message>
    <message>
        <source>System Default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Vemarill speaks the chosen language from its next start.</source>
        <translation>Vemarill verwendet die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Translation Memory</source>
        <translation>Translation Memory</translation>
    </message>
    <message>
        <source>&amp;Fill from Memory</source>
        <translation>Aus Translation Memory &amp;füllen</translation>
    </message>
    <message>
        <source>%L1 Target Texts filled from the memory.</source>
        <translation>%L1 Zieltexte aus dem Translation Memory gefüllt.</translation>
    </message>
    <message>
        <source>Export Memory as &amp;TMX...</source>
        <translation>Translation Memory als &amp;TMX exportieren...</translation>
    </message>
    <message>
        <source>Export the translation memory as...</source>
        <translation>Translation Memory exportieren als...</translation>
    </message>
    <message>
        <source>TMX files (*.tmx)|*.tmx</source>
        <translation>TMX-Dateien (*.tmx)|*.tmx</translation>
    </message>
    <message>
        <source>Memory exported to %1.</source>
        <translation>Translation Memory nach %1 exportiert.</translation>
    </message>
    <message>
        <source>&amp;Import into Memory...</source>
        <translation>In Translation Memory &amp;importieren...</translation>
    </message>
    <message>
        <source>Import translations into the memory from...</source>
        <translation>Übersetzungen in das Translation Memory importieren aus...</translation>
    </message>
    <message>
        <source>%L1 translations go into the memory.</source>
        <translation>%L1 Übersetzungen werden in das Translation Memory übernommen.</translation>
    </message>
    <message>
        <source>In&amp;consistent Translations</source>
        <translation>&amp;Inkonsistente Übersetzungen</translation>
    </message>
    <message>
        <source>Every Source Text has one translation.</source>
        <translation>Jeder Ausgangstext hat genau eine Übersetzung.</translation>
    </message>
    <message>
        <source>Source Texts translated in more than one way:
</source>
        <translation>Ausgangstexte mit mehr als einer Übersetzung:
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
        <translation>Nächster Ü&amp;berlauf</translation>
    </message>
    <message>
        <source>No translation overflows its image.</source>
        <translation>Alle Übersetzungen passen in ihre Bilder.</translation>
    </message>
    <message>
        <source>Show &amp;Translation</source>
        <translation>Übersetzung &amp;anzeigen</translation>
    </message>
    <message>
        <source>Export &amp;Mock-ups...</source>
        <translation>&amp;Mock-ups exportieren...</translation>
    </message>
    <message>
        <source>Writing mock-ups...</source>
        <translation>Mock-ups werden geschrieben...</translation>
    </message>
    <message>
        <source>%L1 mock-ups written to %2.</source>
        <translation>%L1 Mock-ups nach %2 geschrieben.</translation>
    </message>
    <message>
        <source> Skipped, could not be read: </source>
        <translation> Übersprungen, nicht lesbar: </translation>
    </message>
    <message>
        <source>Check the rows to read, or select one.</source>
        <translation>Markieren Sie die zu lesenden Zeilen oder wählen Sie eine aus.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Every shown row is translated.</source>
        <translation>Alle angezeigten Zeilen sind übersetzt.</translation>
    </message>
    <message>
        <source>Open Image in &amp;Default Application</source>
        <translation>Bild in Standard&amp;anwendung öffnen</translation>
    </message>
    <message>
        <source>Recognise Text</source>
        <translation>Text erkennen</translation>
    </message>
    <message>
        <source>Read the text off the checked or selected images</source>
        <translation>Den Text der markierten oder ausgewählten Bilder lesen</translation>
    </message>
    <message>
        <source>Translation memory</source>
        <translation>Translation Memory</translation>
    </message>
    <message>
        <source>Earlier translations of the selected row&apos;s Source Text</source>
        <translation>Frühere Übersetzungen des Ausgangstexts der ausgewählten Zeile</translation>
    </message>
    <message>
        <source>Translation &amp;Memory</source>
        <translation>Translation &amp;Memory</translation>
    </message>
</context>
<context>
    <name>MemoryAssistant</name>
    <message>
        <source>The translation memory is switched off until Vemarill restarts: %1</source>
        <translation>Das Translation Memory ist bis zum Neustart von Vemarill deaktiviert: %1</translation>
    </message>
    <message>
        <source>Fill from Memory</source>
        <translation>Aus Translation Memory füllen</translation>
    </message>
</context>
<context>
    <name>MemoryLocation</name>
    <message>
        <source>Not a PostgreSQL address: %1</source>
        <translation>Keine PostgreSQL-Adresse: %1</translation>
    </message>
    <message>
        <source>Leave the password out of the memory&apos;s address; put it in PGPASSWORD or ~/.pgpass instead.</source>
        <translation>Geben Sie das Passwort nicht in der Adresse des Translation Memorys an, sondern in PGPASSWORD oder ~/.pgpass.</translation>
    </message>
</context>
<context>
    <name>MemoryPanel</name>
    <message>
        <source>Select a row to see earlier translations.</source>
        <translation>Wählen Sie eine Zeile aus, um frühere Übersetzungen zu sehen.</translation>
    </message>
    <message>
        <source>No earlier translation of this Source Text.</source>
        <translation>Keine frühere Übersetzung dieses Ausgangstexts.</translation>
    </message>
    <message>
        <source>Earlier translations (Ctrl+1 to Ctrl+%1 takes one):</source>
        <translation>Frühere Übersetzungen (Strg+1 bis Strg+%1 übernimmt eine):</translation>
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
        <translation>Quelle: %1
%2-mal verwendet; %3</translation>
    </message>
    <message>
        <source>Earlier translations</source>
        <translation>Frühere Übersetzungen</translation>
    </message>
    <message>
        <source>Matches of the selected row&apos;s Source Text; Enter or Ctrl+number takes one</source>
        <translation>Treffer für den Ausgangstext der ausgewählten Zeile; Eingabe oder Strg+Zahl übernimmt einen</translation>
    </message>
</context>
<context>
    <name>MemoryWorker</name>
    <message>
        <source>The translation memory is switched off.</source>
        <translation>Das Translation Memory ist deaktiviert.</translation>
    </message>
</context>
<context>
    <name>OcrApply</name>
    <message>
        <source>Recognise Text</source>
        <translation>Text erkennen</translation>
    </message>
</context>
<context>
    <name>OcrCache</name>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The cache entry is too large.</source>
        <translation>Der Cache-Eintrag ist zu groß.</translation>
    </message>
    <message>
        <source>The cache entry is damaged at byte %1: %2.</source>
        <translation>Der Cache-Eintrag ist bei Byte %1 beschädigt: %2.</translation>
    </message>
    <message>
        <source>The cache entry belongs to another image or engine.</source>
        <translation>Der Cache-Eintrag gehört zu einem anderen Bild oder einer anderen Engine.</translation>
    </message>
    <message>
        <source>The cache entry has no lines.</source>
        <translation>Der Cache-Eintrag enthält keine Zeilen.</translation>
    </message>
    <message>
        <source>The cache entry holds a damaged line.</source>
        <translation>Der Cache-Eintrag enthält eine beschädigte Zeile.</translation>
    </message>
</context>
<context>
    <name>OcrEngine</name>
    <message>
        <source>Text recognition is unavailable: this build has no Tesseract.</source>
        <translation>Die Texterkennung ist nicht verfügbar: Dieser Build enthält kein Tesseract.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no list of recognition languages.</source>
        <translation>&quot;%1&quot; ist keine Liste von Erkennungssprachen.</translation>
    </message>
    <message>
        <source>Text recognition is unavailable: the language data for %1 is not installed.</source>
        <translation>Die Texterkennung ist nicht verfügbar: Die Sprachdaten für %1 sind nicht installiert.</translation>
    </message>
    <message>
        <source>Tesseract could not load the languages %1 from %2.</source>
        <translation>Tesseract konnte die Sprachen %1 nicht aus %2 laden.</translation>
    </message>
    <message>
        <source>The text recognition module %1 could not be loaded: %2</source>
        <translation>Das Texterkennungsmodul %1 konnte nicht geladen werden: %2</translation>
    </message>
    <message>
        <source>it belongs to another version.</source>
        <translation>es gehört zu einer anderen Version.</translation>
    </message>
</context>
<context>
    <name>OcrSummary</name>
    <message>
        <source>%n recognised</source>
        <translation>%n erkannt</translation>
    </message>
    <message>
        <source>%1 of %n, cancelled</source>
        <translation>%1 von %n, abgebrochen</translation>
    </message>
    <message>
        <source>%n more</source>
        <translation>%n weitere</translation>
    </message>
    <message>
        <source>%1, %2 skipped: %3</source>
        <translation>%1, %2 übersprungen: %3</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Can&apos;t access file!</source>
        <translation>Zugriff auf die Datei nicht möglich!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>PreviewPane</name>
    <message>
        <source>Image preview</source>
        <translation>Bildvorschau</translation>
    </message>
    <message>
        <source>The selected row&apos;s image; Ctrl+wheel zooms</source>
        <translation>Das Bild der ausgewählten Zeile; Strg+Mausrad zoomt</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>The selected row&apos;s image at the chosen zoom</source>
        <translation>Das Bild der ausgewählten Zeile im gewählten Zoom</translation>
    </message>
    <message>
        <source>Pan up and down</source>
        <translation>Nach oben und unten verschieben</translation>
    </message>
    <message>
        <source>Moves the image preview vertically</source>
        <translation>Verschiebt die Bildvorschau senkrecht</translation>
    </message>
    <message>
        <source>Pan left and right</source>
        <translation>Nach links und rechts verschieben</translation>
    </message>
    <message>
        <source>Moves the image preview horizontally</source>
        <translation>Verschiebt die Bildvorschau waagerecht</translation>
    </message>
</context>
<context>
    <name>RecognitionCommand</name>
    <message>
        <source>Recognise Text</source>
        <translation>Text erkennen</translation>
    </message>
    <message>
        <source>Read the text of %1 image(s) into Source Text (languages: %2).</source>
        <translation>Den Text von %1 Bild(ern) in den Ausgangstext einlesen (Sprachen: %2).</translation>
    </message>
    <message>
        <source>Replace existing texts</source>
        <translation>Vorhandene Texte ersetzen</translation>
    </message>
    <message>
        <source>One row per recognised line</source>
        <translation>Eine Listenzeile pro erkannter Textzeile</translation>
    </message>
    <message>
        <source>Recognise</source>
        <translation>Erkennen</translation>
    </message>
    <message>
        <source>Recognising text...</source>
        <translation>Text wird erkannt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Die Zeilen sind zu groß für ein Journal</translation>
    </message>
    <message>
        <source>The recovery journal cannot be written to %1: %2</source>
        <translation>Das Wiederherstellungsjournal kann nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Not an orphaned journal: %1</source>
        <translation>Kein verwaistes Journal: %1</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>Unsaved work cannot be kept for recovery after a crash:
</source>
        <translation>Nicht gespeicherte Arbeit kann nicht für eine Wiederherstellung nach einem Absturz gesichert werden:
</translation>
    </message>
    <message>
        <source>The unsaved work from %1 cannot be restored (%2). Its file was kept as %3.bad.</source>
        <translation>Die nicht gespeicherte Arbeit von %1 kann nicht wiederhergestellt werden (%2). Die zugehörige Datei wurde als %3.bad aufbewahrt.</translation>
    </message>
    <message>
        <source>Restore the unsaved work from %1?</source>
        <translation>Nicht gespeicherte Arbeit von %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
</context>
<context>
    <name>SearchProgress</name>
    <message>
        <source>Searching for images...</source>
        <translation>Bilder werden gesucht...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Searching for images... %L1 folders, %L2 files</source>
        <translation>Bilder werden gesucht... %L1 Ordner, %L2 Dateien</translation>
    </message>
</context>
<context>
    <name>TranslationMemory</name>
    <message>
        <source>no database is set</source>
        <translation>keine Datenbank festgelegt</translation>
    </message>
    <message>
        <source>The translation memory (%1) is switched off until Vemarill restarts: %2.</source>
        <translation>Das Translation Memory (%1) ist bis zum Neustart von Vemarill deaktiviert: %2.</translation>
    </message>
</context>
<context>
    <name>cSubclassListView</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Cell text</source>
        <translation>Zellentext</translation>
    </message>
    <message>
        <source>Enter keeps the text, Esc drops it, Tab moves to the next text cell</source>
        <translation>Eingabe übernimmt den Text, Esc verwirft ihn, Tab geht zur nächsten Textzelle</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Vemarill lists every image below a folder, so that the text each image shows and its translation can be noted side by side. The checked rows are saved as a list file or exported as an HTML page that links to the images.</source>
        <translation>Vemarill listet alle Bilder unterhalb eines Ordners auf, sodass der Text jedes Bildes und seine Übersetzung nebeneinander erfasst werden können. Die markierten Zeilen werden als Listendatei gespeichert oder als HTML-Seite mit Links zu den Bildern exportiert.</translation>
    </message>
    <message>
        <source>Written by the Vemarill project.</source>
        <translation>Entwickelt vom Projekt Vemarill.</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
</TS>

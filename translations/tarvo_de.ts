<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CConverterApp</name>
    <message>
        <source>This application only runs under Windows 95 and Windows NT.</source>
        <translation>Diese Anwendung läuft nur unter Windows 95 und Windows NT.</translation>
    </message>
    <message>
        <source>The application could not start due to an unknown error.</source>
        <translation>Die Anwendung konnte wegen eines unbekannten Fehlers nicht starten.</translation>
    </message>
    <message>
        <source>Your units could not be saved.

%1

Choose Retry to save them again, or Cancel to end without saving them.</source>
        <translation>Ihre Einheiten konnten nicht gespeichert werden.

%1

Wählen Sie „Wiederholen“, um sie erneut zu speichern, oder „Abbrechen“, um ohne Speichern zu beenden.</translation>
    </message>
</context>
<context>
    <name>CDlgAbout</name>
    <message>
        <source>Nov 30 1996</source>
        <translation>30. Nov. 1996</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Tarvo developers.
Free software; see the disclaimer below.</source>
        <translation>Copyright © 2026 die Tarvo-Entwickler.
Freie Software; siehe den Haftungsausschluss unten.</translation>
    </message>
    <message>
        <source>%1
Built on %2</source>
        <translation>%1
Erstellt am %2</translation>
    </message>
</context>
<context>
    <name>CDlgHelp</name>
    <message>
        <source>%1 Help</source>
        <translation>%1-Hilfe</translation>
    </message>
</context>
<context>
    <name>CDlgOptionsGeneral</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>This desktop decides which windows stay on top.</source>
        <translation>Welche Fenster im Vordergrund bleiben, entscheidet diese Arbeitsumgebung.</translation>
    </message>
</context>
<context>
    <name>CDlgOptionsUnits</name>
    <message>
        <source>A type must be selected or entered.</source>
        <translation>Ein Typ muss ausgewählt oder eingegeben werden.</translation>
    </message>
    <message>
        <source>A unit must be selected or entered.</source>
        <translation>Eine Einheit muss ausgewählt oder eingegeben werden.</translation>
    </message>
    <message>
        <source>A coeficient must be entered.  It should equal the number of units found in 1 base.  A base is established by entering a coeficient of 1.</source>
        <translation>Bitte geben Sie einen Koeffizienten ein. Er gibt an, wie viele dieser Einheiten eine Basiseinheit ergeben. Eine Basiseinheit legen Sie mit dem Koeffizienten 1 fest.</translation>
    </message>
    <message>
        <source>The specified unit doesn&apos;t exist.  Would you like to add it?</source>
        <translation>Die angegebene Einheit gibt es nicht. Möchten Sie sie hinzufügen?</translation>
    </message>
    <message>
        <source>The specified unit is already in the database.  Would you like to update it?</source>
        <translation>Die angegebene Einheit ist bereits vorhanden. Möchten Sie sie aktualisieren?</translation>
    </message>
    <message>
        <source>This operation will wipe out all manual edits.  Do you wish to continue?</source>
        <translation>Dabei gehen alle eigenen Änderungen verloren. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Unit tables (*.tsv *.txt)</source>
        <translation>Einheitentabellen (*.tsv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import Units</source>
        <translation>Einheiten importieren</translation>
    </message>
    <message>
        <source>The units in %1 could not be imported.

%2

Your units are unchanged.</source>
        <translation>Die Einheiten aus %1 konnten nicht importiert werden.

%2

Ihre Einheiten bleiben unverändert.</translation>
    </message>
    <message>
        <source>Added %1 units and updated %2 units from %3.</source>
        <translation>Aus %3 wurden %1 Einheiten hinzugefügt und %2 Einheiten aktualisiert.</translation>
    </message>
    <message>
        <source>Export Units</source>
        <translation>Einheiten exportieren</translation>
    </message>
    <message>
        <source>Your units could not be exported to %1.

%2.</source>
        <translation>Ihre Einheiten konnten nicht in die Datei %1 exportiert werden.

%2.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is not a file but a pipe, a device or a socket.</source>
        <translation>Das ist keine Datei, sondern eine Pipe, ein Gerät oder ein Socket.</translation>
    </message>
    <message>
        <source>It cannot be opened: %1.</source>
        <translation>Die Datei kann nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Die Datei kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB, too large for a unit table.</source>
        <translation>Die Datei ist größer als %1 MiB und damit zu groß für eine Einheitentabelle.</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <translation>Das ist keine Textdatei.</translation>
    </message>
    <message>
        <source>Line %1 is not UTF-8 text.</source>
        <translation>Zeile %1 ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message>
        <source>%1 more bad lines.</source>
        <translation>%1 weitere fehlerhafte Zeilen.</translation>
    </message>
    <message>
        <source>The unit set %1 was not added: %2.</source>
        <translation>Der Einheitensatz %1 wurde nicht hinzugefügt: %2.</translation>
    </message>
    <message>
        <source>Added %1 units and updated %2 units from %3 unit sets.</source>
        <translation>Aus %3 Einheitensätzen wurden %1 Einheiten hinzugefügt und %2 Einheiten aktualisiert.</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Zum Lesen ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>The unit sets could not be added: there is not enough memory.

Your units are unchanged.</source>
        <translation>Die Einheitensätze konnten nicht hinzugefügt werden: Es ist nicht genug Speicher frei.

Ihre Einheiten sind unverändert.</translation>
    </message>
    <message>
        <source>the file is not a unit set: units of one type, the first with coefficient 1 and offset 0</source>
        <translation>die Datei ist kein Einheitensatz: Einheiten eines Typs, die erste mit Koeffizient 1 und Verschiebung 0</translation>
    </message>
    <message>
        <source>the type &apos;%1&apos; has no unit &apos;%2&apos;, which the set&apos;s units are measured against</source>
        <translation>der Typ &apos;%1&apos; hat keine Einheit &apos;%2&apos;, an der die Einheiten des Satzes gemessen werden</translation>
    </message>
    <message>
        <source>the first line must be the header &apos;type&lt;TAB&gt;unit&lt;TAB&gt;coefficient&lt;TAB&gt;offset&apos;</source>
        <translation>die erste Zeile muss die Kopfzeile &apos;type&lt;TAB&gt;unit&lt;TAB&gt;coefficient&lt;TAB&gt;offset&apos; sein</translation>
    </message>
    <message>
        <source>the line is longer than %1 KiB</source>
        <translation>die Zeile ist länger als %1 KiB</translation>
    </message>
    <message>
        <source>the %1 ends in a lone backslash (write \\)</source>
        <translation>der %1 endet mit einem einzelnen Backslash (schreiben Sie \\)</translation>
    </message>
    <message>
        <source>the %1 holds the bad escape &apos;\%2&apos; (use \t, \n, \r or \\)</source>
        <translation>der %1 enthält die ungültige Escape-Folge &apos;\%2&apos; (verwenden Sie \t, \n, \r oder \\)</translation>
    </message>
    <message>
        <source>the %1 is not valid UTF-8</source>
        <translation>der %1 ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>the %1 is empty</source>
        <translation>der %1 ist leer</translation>
    </message>
    <message>
        <source>the %1 %2 is longer than %3 characters (%4)</source>
        <translation>der %1 %2 ist länger als %3 Zeichen (%4)</translation>
    </message>
    <message>
        <source>the %1 %2 starts or ends with a space, is only spaces or holds a NUL byte</source>
        <translation>der %1 %2 beginnt oder endet mit einem Leerzeichen, besteht nur aus Leerzeichen oder enthält ein NUL-Byte</translation>
    </message>
    <message>
        <source>the %1 %2 is out of range</source>
        <translation>der %1 %2 liegt außerhalb des Wertebereichs</translation>
    </message>
    <message>
        <source>the %1 %2 is not a number</source>
        <translation>der %1 %2 ist keine Zahl</translation>
    </message>
    <message>
        <source>the coefficient %1 is not a positive number of normal size (zero, negative, infinite, NaN and denormal coefficients break conversions)</source>
        <translation>der Koeffizient %1 ist keine positive Zahl normaler Größe (null, negative, unendliche, NaN- und denormalisierte Koeffizienten machen Umrechnungen unmöglich)</translation>
    </message>
    <message>
        <source>the offset %1 is not a finite number</source>
        <translation>der Offset %1 ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>missing column &apos;%1&apos;</source>
        <translation>die Spalte &apos;%1&apos; fehlt</translation>
    </message>
    <message>
        <source>too many columns (%1, expected %2)</source>
        <translation>zu viele Spalten (%1, erwartet %2)</translation>
    </message>
    <message>
        <source>the unit %1 of type %2 is already on line %3</source>
        <translation>die Einheit %1 vom Typ %2 steht schon in Zeile %3</translation>
    </message>
    <message>
        <source>type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>unit name</source>
        <translation>Einheitenname</translation>
    </message>
    <message>
        <source>coefficient</source>
        <translation>Koeffizient</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>Offset</translation>
    </message>
</context>
<context>
    <name>CDlgRates</name>
    <message>
        <source>Downloading the rates from %1...</source>
        <translation>Die Kurse werden von %1 heruntergeladen...</translation>
    </message>
    <message>
        <source>Open Rates File</source>
        <translation>Kursdatei öffnen</translation>
    </message>
    <message>
        <source>Rates files (*.xml *.csv);;All files (*)</source>
        <translation>Kursdateien (*.xml *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 is a folder, not a rates file.</source>
        <translation>%1 ist ein Ordner, keine Kursdatei.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, too large for a rates file.</source>
        <translation>%1 ist größer als %2 MiB und damit zu groß für eine Kursdatei.</translation>
    </message>
    <message>
        <source>%1 holds no rates that can be used: %2.</source>
        <translation>%1 enthält keine verwendbaren Kurse: %2.</translation>
    </message>
    <message>
        <source>The rates of %1 cannot be used: %2.</source>
        <translation>Die Kurse vom %1 sind nicht verwendbar: %2.</translation>
    </message>
    <message>
        <source>Rates of %1</source>
        <translation>Kurse vom %1</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>The catalogue has these rates already; nothing would change.</source>
        <translation>Diese Kurse sind bereits eingetragen; es würde sich nichts ändern.</translation>
    </message>
    <message>
        <source>Apply changes the currencies listed; units without a rate stay as they are.</source>
        <translation>„Übernehmen“ ändert die aufgeführten Währungen; Einheiten ohne Kurs bleiben unverändert.</translation>
    </message>
    <message>
        <source>No unit name is known for %1; left out.</source>
        <translation>Für %1 ist kein Einheitenname bekannt; nicht übernommen.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 is a pipe or a device, not a rates file.</source>
        <translation>%1 ist eine Pipe oder ein Gerät, keine Kursdatei.</translation>
    </message>
    <message>
        <source>%1 could not be read: there is not enough memory.</source>
        <translation>%1 konnte nicht gelesen werden: Es ist nicht genug Speicher frei.</translation>
    </message>
    <message>
        <source>the rates file is empty</source>
        <translation>die Kursdatei ist leer</translation>
    </message>
    <message>
        <source>the rates file gives no date for its rates</source>
        <translation>die Kursdatei nennt kein Datum für ihre Kurse</translation>
    </message>
    <message>
        <source>not a reference-rate file: the first field must be &apos;Date&apos;</source>
        <translation>keine Referenzkursdatei: das erste Feld muss &apos;Date&apos; sein</translation>
    </message>
    <message>
        <source>the currency code &apos;%1&apos; is empty or repeated</source>
        <translation>der Währungscode &apos;%1&apos; ist leer oder kommt doppelt vor</translation>
    </message>
    <message>
        <source>the rates file has a header but no line of rates</source>
        <translation>die Kursdatei hat eine Kopfzeile, aber keine Zeile mit Kursen</translation>
    </message>
    <message>
        <source>%1 fields for %2 columns of the header</source>
        <translation>%1 Felder für %2 Spalten der Kopfzeile</translation>
    </message>
    <message>
        <source>the rate of %1 &apos;%2&apos; is not a positive number</source>
        <translation>der Kurs von %1 &apos;%2&apos; ist keine positive Zahl</translation>
    </message>
    <message>
        <source>the XML is not well-formed: %1 at byte %2</source>
        <translation>das XML ist nicht wohlgeformt: %1 bei Byte %2</translation>
    </message>
    <message>
        <source>not a reference-rate file: the XML holds &lt;%1&gt;, not an &lt;Envelope&gt; of rates</source>
        <translation>keine Referenzkursdatei: das XML enthält &lt;%1&gt; statt eines &lt;Envelope&gt; mit Kursen</translation>
    </message>
    <message>
        <source>not a reference-rate file: the XML holds no &lt;Cube&gt; of a day&apos;s rates</source>
        <translation>keine Referenzkursdatei: das XML enthält keinen &lt;Cube&gt; mit den Kursen eines Tages</translation>
    </message>
    <message>
        <source>the catalogue has no unit &apos;%1&apos; of type &apos;%2&apos; to base the rates on</source>
        <translation>der Katalog hat keine Einheit &apos;%1&apos; vom Typ &apos;%2&apos;, auf die sich die Kurse beziehen könnten</translation>
    </message>
    <message>
        <source>the rates file has no rate for %1</source>
        <translation>die Kursdatei enthält keinen Kurs für %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the line is longer than %1 KiB</source>
        <translation>die Zeile ist länger als %1 KiB</translation>
    </message>
    <message>
        <source>the rate of %1 per %2 is %3, too large or too small for a unit</source>
        <translation>der Kurs von %1 je %2 ist %3, zu groß oder zu klein für eine Einheit</translation>
    </message>
</context>
<context>
    <name>CDlgUnitSets</name>
    <message>
        <source>Absorbed dose</source>
        <translation>Energiedosis</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>Amount of substance</source>
        <translation>Stoffmenge</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Elektrische Kapazität</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Hohlmaß</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datenmenge</translation>
    </message>
    <message>
        <source>Data rate</source>
        <translation>Datenrate</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <source>Dose equivalent</source>
        <translation>Äquivalentdosis</translation>
    </message>
    <message>
        <source>Dynamic viscosity</source>
        <translation>Dynamische Viskosität</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Elektrische Ladung</translation>
    </message>
    <message>
        <source>Electric current</source>
        <translation>Elektrische Stromstärke</translation>
    </message>
    <message>
        <source>Electrical conductance</source>
        <translation>Elektrischer Leitwert</translation>
    </message>
    <message>
        <source>Electrical resistance</source>
        <translation>Elektrischer Widerstand</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation>Kraftstoffverbrauch</translation>
    </message>
    <message>
        <source>Fuel economy</source>
        <translation>Reichweite je Kraftstoffmenge</translation>
    </message>
    <message>
        <source>Grammage</source>
        <translation>Grammatur</translation>
    </message>
    <message>
        <source>Heat flux density</source>
        <translation>Wärmestromdichte</translation>
    </message>
    <message>
        <source>Illuminance</source>
        <translation>Beleuchtungsstärke</translation>
    </message>
    <message>
        <source>Inductance</source>
        <translation>Induktivität</translation>
    </message>
    <message>
        <source>Kinematic viscosity</source>
        <translation>Kinematische Viskosität</translation>
    </message>
    <message>
        <source>Linear density</source>
        <translation>Längenbezogene Masse</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Leuchtdichte</translation>
    </message>
    <message>
        <source>Magnetic flux</source>
        <translation>Magnetischer Fluss</translation>
    </message>
    <message>
        <source>Magnetic flux density</source>
        <translation>Magnetische Flussdichte</translation>
    </message>
    <message>
        <source>Mass flow</source>
        <translation>Massenstrom</translation>
    </message>
    <message>
        <source>Molar concentration</source>
        <translation>Stoffmengenkonzentration</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Radioactivity</source>
        <translation>Radioaktivität</translation>
    </message>
    <message>
        <source>Rotational speed</source>
        <translation>Drehzahl</translation>
    </message>
    <message>
        <source>Energy per mass</source>
        <translation>Spezifische Energie</translation>
    </message>
    <message>
        <source>Heat capacity per mass</source>
        <translation>Spezifische Wärmekapazität</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Surface tension</source>
        <translation>Oberflächenspannung</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Temperaturdifferenz</translation>
    </message>
    <message>
        <source>Thermal conductivity</source>
        <translation>Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Elektrische Spannung</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Volume flow</source>
        <translation>Volumenstrom</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>%1 (%2 units, all added)</source>
        <translation>%1 (%2 Einheiten, alle hinzugefügt)</translation>
    </message>
    <message>
        <source>%1 (%2 units)</source>
        <translation>%1 (%2 Einheiten)</translation>
    </message>
</context>
<context>
    <name>CHttpRatesTransfer</name>
    <message>
        <source>The server did not answer within %1 seconds.</source>
        <translation>Der Server hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; is not an http or https address.</source>
        <translation>Die Adresse „%1“ ist keine http- oder https-Adresse.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Das Herunterladen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The answer is larger than %1 KiB, too large for a rates file.</source>
        <translation>Die Antwort ist größer als %1 KiB und damit zu groß für eine Kursdatei.</translation>
    </message>
    <message>
        <source>The server sent the download on to %1, which is not a secure (https) address.</source>
        <translation>Der Server hat den Download nach %1 umgeleitet; das ist keine sichere (https-)Adresse.</translation>
    </message>
    <message>
        <source>The server %1 answered &quot;%2 %3&quot; instead of sending the rates.</source>
        <translation>Der Server %1 hat mit „%2 %3“ geantwortet, statt die Kurse zu senden.</translation>
    </message>
    <message>
        <source>The server %1 could not be found: there is no network connection, or its name does not resolve.</source>
        <translation>Der Server %1 wurde nicht gefunden: Es besteht keine Netzwerkverbindung, oder sein Name lässt sich nicht auflösen.</translation>
    </message>
    <message>
        <source>The server %1 refused the connection.</source>
        <translation>Der Server %1 hat die Verbindung abgelehnt.</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2.</source>
        <translation>Die sichere Verbindung zu %1 ist fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>The server sent the download on more than %1 times.</source>
        <translation>Der Server hat den Download mehr als %1-mal umgeleitet.</translation>
    </message>
    <message>
        <source>The server %1 closed the connection before the answer was complete.</source>
        <translation>Der Server %1 hat die Verbindung geschlossen, bevor die Antwort vollständig war.</translation>
    </message>
    <message>
        <source>The download from %1 failed: %2.</source>
        <translation>Das Herunterladen von %1 ist fehlgeschlagen: %2.</translation>
    </message>
    <message>
        <source>The download did not finish within %1 seconds.</source>
        <translation>Der Download wurde nicht innerhalb von %1 Sekunden fertig.</translation>
    </message>
</context>
<context>
    <name>CKRunnerProvider</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
</context>
<context>
    <name>CRatesDownload</name>
    <message>
        <source>it does not fit this version of Tarvo</source>
        <translation>es passt nicht zu dieser Tarvo-Version</translation>
    </message>
    <message>
        <source>The download module %1 could not be loaded: %2.</source>
        <translation>Das Download-Modul %1 konnte nicht geladen werden: %2.</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
</context>
<context>
    <name>DlgAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DlgHelp</name>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>DlgMain</name>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Einheiten:</translation>
    </message>
    <message>
        <source>&amp;Numbers:</source>
        <translation>&amp;Zahlen:</translation>
    </message>
    <message>
        <source>To unit</source>
        <translation>Zieleinheit</translation>
    </message>
    <message>
        <source>To number</source>
        <translation>Zielzahl</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit!</source>
        <translation>&amp;Beenden!</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;DAVORU Units Solver...</source>
        <translation>&amp;DAVORU-Einheitenlöser...</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Rechner</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>&amp;About Tarvo...</source>
        <translation>Ü&amp;ber Tarvo...</translation>
    </message>
    <message>
        <source>Update Currency &amp;Rates...</source>
        <translation>&amp;Wechselkurse aktualisieren...</translation>
    </message>
    <message>
        <source>&amp;Quick Conversion...</source>
        <translation>&amp;Schnellumrechnung...</translation>
    </message>
</context>
<context>
    <name>DlgOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Options pages</source>
        <translation>Optionsseiten</translation>
    </message>
</context>
<context>
    <name>DlgOptionsGeneral</name>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Programmstart</translation>
    </message>
    <message>
        <source>&amp;Reload last units</source>
        <translation>&amp;Letzte Einheiten wieder laden</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Fensterposition</translation>
    </message>
    <message>
        <source>&amp;Always on top</source>
        <translation>&amp;Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Number format</source>
        <translation>Zahlenformat</translation>
    </message>
    <message>
        <source>&amp;Decimal precision:</source>
        <translation>&amp;Nachkommastellen:</translation>
    </message>
    <message>
        <source>Increase decimal precision</source>
        <translation>Mehr Nachkommastellen</translation>
    </message>
    <message>
        <source>Decrease decimal precision</source>
        <translation>Weniger Nachkommastellen</translation>
    </message>
</context>
<context>
    <name>DlgOptionsUnits</name>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Einheit:</translation>
    </message>
    <message>
        <source>&amp;Coefficient (amount in 1 base):</source>
        <translation>&amp;Koeffizient (Anzahl in 1 Basis):</translation>
    </message>
    <message>
        <source>Base (coefficient = 1):</source>
        <translation>Basis (Koeffizient = 1):</translation>
    </message>
    <message>
        <source>Re&amp;move Type</source>
        <translation>Typ ent&amp;fernen</translation>
    </message>
    <message>
        <source>U&amp;pdate Unit</source>
        <translation>Einheit &amp;aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Add Unit</source>
        <translation>Einheit &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove Unit</source>
        <translation>Einheit entfe&amp;rnen</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>&amp;Standardwerte</translation>
    </message>
    <message>
        <source>Add the units of a unit table file, or update the units it shares with the catalogue</source>
        <translation>Fügt die Einheiten aus einer Einheitentabelle hinzu oder aktualisiert die bereits vorhandenen</translation>
    </message>
    <message>
        <source>Import units</source>
        <translation>Einheiten importieren</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Write every unit of the catalogue to a unit table file</source>
        <translation>Schreibt alle Ihre Einheiten in eine Einheitentabelle</translation>
    </message>
    <message>
        <source>Export units</source>
        <translation>Einheiten exportieren</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Add the units of the unit sets that come with the program, one type to a set</source>
        <translation>Fügt die Einheiten der Einheitensätze hinzu, die das Programm mitbringt, einen Typ je Satz</translation>
    </message>
    <message>
        <source>Unit sets</source>
        <translation>Einheitensätze</translation>
    </message>
    <message>
        <source>Unit &amp;Sets...</source>
        <translation>Einheite&amp;nsätze...</translation>
    </message>
</context>
<context>
    <name>DlgQuickConversion</name>
    <message>
        <source>Quick Conversion</source>
        <translation>Schnellumrechnung</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Umrechnung</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Treffer</translation>
    </message>
</context>
<context>
    <name>DlgRates</name>
    <message>
        <source>Currency Rates</source>
        <translation>Wechselkurse</translation>
    </message>
    <message>
        <source>European Central Bank reference rates</source>
        <translation>Referenzkurse der Europäischen Zentralbank</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Old coefficient</source>
        <translation>Alter Koeffizient</translation>
    </message>
    <message>
        <source>New coefficient</source>
        <translation>Neuer Koeffizient</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Herunterladen</translation>
    </message>
    <message>
        <source>&amp;From File...</source>
        <translation>Aus &amp;Datei...</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DlgSolver</name>
    <message>
        <source>DAVORU Units Solver</source>
        <translation>DAVORU-Einheitenlöser</translation>
    </message>
    <message>
        <source>Unit &amp;A:</source>
        <translation>Einheit &amp;A:</translation>
    </message>
    <message>
        <source>Unit &amp;B:</source>
        <translation>Einheit &amp;B:</translation>
    </message>
    <message>
        <source>Unit &amp;C:</source>
        <translation>Einheit &amp;C:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>A amount of the first relation</source>
        <translation>A-Menge der ersten Beziehung</translation>
    </message>
    <message>
        <source>B amount of the first relation</source>
        <translation>B-Menge der ersten Beziehung</translation>
    </message>
    <message>
        <source>B amount of the second relation</source>
        <translation>B-Menge der zweiten Beziehung</translation>
    </message>
    <message>
        <source>C amount of the second relation</source>
        <translation>C-Menge der zweiten Beziehung</translation>
    </message>
    <message>
        <source>A amount asked</source>
        <translation>Gefragte A-Menge</translation>
    </message>
    <message>
        <source>C amount answered</source>
        <translation>Ergebnis: C-Menge</translation>
    </message>
    <message>
        <source>E.g.:
     Q: Knowing that 1 yard (A) &lt;=&gt; 3 feet (B) and 1 foot &lt;=&gt; 12 inches (C), how many inches are there in 2 yards?
     A: There are 72 inches in 2 yards.</source>
        <translation>Beispiel:
     F: Wenn 1 Yard (A) &lt;=&gt; 3 Fuß (B) und 1 Fuß &lt;=&gt; 12 Zoll (C), wie viele Zoll sind dann 2 Yards?
     A: 2 Yards sind 72 Zoll.</translation>
    </message>
</context>
<context>
    <name>DlgUnitSets</name>
    <message>
        <source>Unit Sets</source>
        <translation>Einheitensätze</translation>
    </message>
    <message>
        <source>Check the unit sets to add to your units:</source>
        <translation>Kreuzen Sie die Einheitensätze an, die Ihren Einheiten hinzugefügt werden sollen:</translation>
    </message>
    <message>
        <source>Unit sets</source>
        <translation>Einheitensätze</translation>
    </message>
    <message>
        <source>No unit sets are installed.</source>
        <translation>Es sind keine Einheitensätze installiert.</translation>
    </message>
</context>
</TS>

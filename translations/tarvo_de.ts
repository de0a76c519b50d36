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
</TS>

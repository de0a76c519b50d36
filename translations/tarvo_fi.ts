<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>CConverterApp</name>
    <message>
        <source>This application only runs under Windows 95 and Windows NT.</source>
        <translation>Tämä sovellus toimii vain Windows 95:ssä ja Windows NT:ssä.</translation>
    </message>
    <message>
        <source>The application could not start due to an unknown error.</source>
        <translation>Sovellus ei voinut käynnistyä tuntemattoman virheen vuoksi.</translation>
    </message>
    <message>
        <source>Your units could not be saved.

%1

Choose Retry to save them again, or Cancel to end without saving them.</source>
        <translation>Yksiköitäsi ei voitu tallentaa.

%1

Valitse ”Yritä uudelleen” tallentaaksesi ne uudelleen tai ”Peru” lopettaaksesi tallentamatta.</translation>
    </message>
</context>
<context>
    <name>CDlgAbout</name>
    <message>
        <source>Nov 30 1996</source>
        <translation>30.11.1996</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Tietoja ohjelmasta %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Tarvo developers.
Free software; see the disclaimer below.</source>
        <translation>Copyright © 2026 Tarvon kehittäjät.
Vapaa ohjelma; katso vastuuvapauslauseke alla.</translation>
    </message>
    <message>
        <source>%1
Built on %2</source>
        <translation>%1
Koostettu %2</translation>
    </message>
</context>
<context>
    <name>CDlgHelp</name>
    <message>
        <source>%1 Help</source>
        <translation>%1-ohje</translation>
    </message>
</context>
<context>
    <name>CDlgOptionsGeneral</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Anna kokonaisluku.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Anna kokonaisluku väliltä %1–%2.</translation>
    </message>
    <message>
        <source>This desktop decides which windows stay on top.</source>
        <translation>Tämä työpöytäympäristö päättää, mitkä ikkunat pysyvät päällimmäisinä.</translation>
    </message>
</context>
<context>
    <name>CDlgOptionsUnits</name>
    <message>
        <source>A type must be selected or entered.</source>
        <translation>Valitse tai kirjoita tyyppi.</translation>
    </message>
    <message>
        <source>A unit must be selected or entered.</source>
        <translation>Valitse tai kirjoita yksikkö.</translation>
    </message>
    <message>
        <source>A coeficient must be entered.  It should equal the number of units found in 1 base.  A base is established by entering a coeficient of 1.</source>
        <translation>Anna kerroin. Sen tulee olla yksiköiden määrä yhdessä perusyksikössä. Perusyksikkö määritetään antamalla kertoimeksi 1.</translation>
    </message>
    <message>
        <source>The specified unit doesn&apos;t exist.  Would you like to add it?</source>
        <translation>Annettua yksikköä ei ole. Haluatko lisätä sen?</translation>
    </message>
    <message>
        <source>The specified unit is already in the database.  Would you like to update it?</source>
        <translation>Annettu yksikkö on jo olemassa. Haluatko päivittää sen?</translation>
    </message>
    <message>
        <source>This operation will wipe out all manual edits.  Do you wish to continue?</source>
        <translation>Tämä poistaa kaikki itse tehdyt muutokset. Haluatko jatkaa?</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Kirjoita enintään %1 merkkiä.</translation>
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
        <translation>Ohjeteksti</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sulje</translation>
    </message>
</context>
<context>
    <name>DlgMain</name>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tyyppi:</translation>
    </message>
    <message>
        <source>&amp;Units:</source>
        <translation>&amp;Yksiköt:</translation>
    </message>
    <message>
        <source>&amp;Numbers:</source>
        <translation>&amp;Luvut:</translation>
    </message>
    <message>
        <source>To unit</source>
        <translation>Kohdeyksikkö</translation>
    </message>
    <message>
        <source>To number</source>
        <translation>Kohdeluku</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Työkalut</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>E&amp;xit!</source>
        <translation>Lo&amp;peta!</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Asetukset...</translation>
    </message>
    <message>
        <source>&amp;DAVORU Units Solver...</source>
        <translation>&amp;DAVORU-yksikköratkaisin...</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Laskin</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Sisältö...</translation>
    </message>
    <message>
        <source>&amp;About Tarvo...</source>
        <translation>&amp;Tietoja Tarvosta...</translation>
    </message>
</context>
<context>
    <name>DlgOptions</name>
    <message>
        <source>Options</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>Options pages</source>
        <translation>Asetussivut</translation>
    </message>
</context>
<context>
    <name>DlgOptionsGeneral</name>
    <message>
        <source>View</source>
        <translation>Näkymä</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Käynnistys</translation>
    </message>
    <message>
        <source>&amp;Reload last units</source>
        <translation>&amp;Lataa viimeksi käytetyt yksiköt</translation>
    </message>
    <message>
        <source>Window position</source>
        <translation>Ikkunan sijainti</translation>
    </message>
    <message>
        <source>&amp;Always on top</source>
        <translation>&amp;Aina päällimmäisenä</translation>
    </message>
    <message>
        <source>Number format</source>
        <translation>Lukumuoto</translation>
    </message>
    <message>
        <source>&amp;Decimal precision:</source>
        <translation>&amp;Desimaaleja:</translation>
    </message>
    <message>
        <source>Increase decimal precision</source>
        <translation>Lisää desimaaleja</translation>
    </message>
    <message>
        <source>Decrease decimal precision</source>
        <translation>Vähemmän desimaaleja</translation>
    </message>
</context>
<context>
    <name>DlgOptionsUnits</name>
    <message>
        <source>Units</source>
        <translation>Yksiköt</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tyyppi:</translation>
    </message>
    <message>
        <source>&amp;Unit:</source>
        <translation>&amp;Yksikkö:</translation>
    </message>
    <message>
        <source>&amp;Coefficient (amount in 1 base):</source>
        <translation>&amp;Kerroin (määrä 1 perusyksikössä):</translation>
    </message>
    <message>
        <source>Base (coefficient = 1):</source>
        <translation>Perusyksikkö (kerroin = 1):</translation>
    </message>
    <message>
        <source>Re&amp;move Type</source>
        <translation>&amp;Poista tyyppi</translation>
    </message>
    <message>
        <source>U&amp;pdate Unit</source>
        <translation>P&amp;äivitä yksikkö</translation>
    </message>
    <message>
        <source>&amp;Add Unit</source>
        <translation>&amp;Lisää yksikkö</translation>
    </message>
    <message>
        <source>&amp;Remove Unit</source>
        <translation>Poi&amp;sta yksikkö</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>&amp;Oletukset</translation>
    </message>
</context>
<context>
    <name>DlgSolver</name>
    <message>
        <source>DAVORU Units Solver</source>
        <translation>DAVORU-yksikköratkaisin</translation>
    </message>
    <message>
        <source>Unit &amp;A:</source>
        <translation>Yksikkö &amp;A:</translation>
    </message>
    <message>
        <source>Unit &amp;B:</source>
        <translation>Yksikkö &amp;B:</translation>
    </message>
    <message>
        <source>Unit &amp;C:</source>
        <translation>Yksikkö &amp;C:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
    </message>
    <message>
        <source>A amount of the first relation</source>
        <translation>Ensimmäisen suhteen A-määrä</translation>
    </message>
    <message>
        <source>B amount of the first relation</source>
        <translation>Ensimmäisen suhteen B-määrä</translation>
    </message>
    <message>
        <source>B amount of the second relation</source>
        <translation>Toisen suhteen B-määrä</translation>
    </message>
    <message>
        <source>C amount of the second relation</source>
        <translation>Toisen suhteen C-määrä</translation>
    </message>
    <message>
        <source>A amount asked</source>
        <translation>Kysytty A-määrä</translation>
    </message>
    <message>
        <source>C amount answered</source>
        <translation>Vastaus: C-määrä</translation>
    </message>
    <message>
        <source>E.g.:
     Q: Knowing that 1 yard (A) &lt;=&gt; 3 feet (B) and 1 foot &lt;=&gt; 12 inches (C), how many inches are there in 2 yards?
     A: There are 72 inches in 2 yards.</source>
        <translation>Esimerkki:
     K: Kun 1 jaardi (A) &lt;=&gt; 3 jalkaa (B) ja 1 jalka &lt;=&gt; 12 tuumaa (C), montako tuumaa on 2 jaardissa?
     V: 2 jaardissa on 72 tuumaa.</translation>
    </message>
</context>
</TS>

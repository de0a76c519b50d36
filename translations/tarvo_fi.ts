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
    <message>
        <source>Unit tables (*.tsv *.txt)</source>
        <translation>Yksikkötaulukot (*.tsv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Kaikki tiedostot (*)</translation>
    </message>
    <message>
        <source>Import Units</source>
        <translation>Tuo yksiköt</translation>
    </message>
    <message>
        <source>The units in %1 could not be imported.

%2

Your units are unchanged.</source>
        <translation>Tiedoston %1 yksiköitä ei voitu tuoda.

%2

Yksikkösi ovat ennallaan.</translation>
    </message>
    <message>
        <source>Added %1 units and updated %2 units from %3.</source>
        <translation>Tiedostosta %3 lisättiin %1 yksikköä ja päivitettiin %2 yksikköä.</translation>
    </message>
    <message>
        <source>Export Units</source>
        <translation>Vie yksiköt</translation>
    </message>
    <message>
        <source>Your units could not be exported to %1.

%2.</source>
        <translation>Yksiköitäsi ei voitu viedä tiedostoon %1.

%2.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Se on kansio eikä tiedosto.</translation>
    </message>
    <message>
        <source>It is not a file but a pipe, a device or a socket.</source>
        <translation>Se ei ole tiedosto vaan putki, laite tai pistoke.</translation>
    </message>
    <message>
        <source>It cannot be opened: %1.</source>
        <translation>Tiedostoa ei voi avata: %1.</translation>
    </message>
    <message>
        <source>It cannot be read: %1.</source>
        <translation>Tiedostoa ei voi lukea: %1.</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB, too large for a unit table.</source>
        <translation>Tiedosto on suurempi kuin %1 MiB eli liian suuri yksikkötaulukoksi.</translation>
    </message>
    <message>
        <source>It is empty.</source>
        <translation>Tiedosto on tyhjä.</translation>
    </message>
    <message>
        <source>It is not a text file.</source>
        <translation>Se ei ole tekstitiedosto.</translation>
    </message>
    <message>
        <source>Line %1 is not UTF-8 text.</source>
        <translation>Rivi %1 ei ole UTF-8-tekstiä.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Rivi %1: %2.</translation>
    </message>
    <message>
        <source>%1 more bad lines.</source>
        <translation>Lisäksi %1 virheellistä riviä.</translation>
    </message>
    <message>
        <source>The unit set %1 was not added: %2.</source>
        <translation>Yksikkösarjaa %1 ei lisätty: %2.</translation>
    </message>
    <message>
        <source>Added %1 units and updated %2 units from %3 unit sets.</source>
        <translation>%3 yksikkösarjasta lisättiin %1 yksikköä ja päivitettiin %2 yksikköä.</translation>
    </message>
    <message>
        <source>There is not enough memory to read it.</source>
        <translation>Sen lukemiseen ei ole tarpeeksi muistia.</translation>
    </message>
    <message>
        <source>The unit sets could not be added: there is not enough memory.

Your units are unchanged.</source>
        <translation>Yksikkösarjoja ei voitu lisätä: muistia ei ole tarpeeksi.

Yksikkösi ovat ennallaan.</translation>
    </message>
    <message>
        <source>the file is not a unit set: units of one type, the first with coefficient 1 and offset 0</source>
        <translation>tiedosto ei ole yksikkösarja: yhden tyypin yksiköitä, joista ensimmäisen kerroin on 1 ja siirtymä 0</translation>
    </message>
    <message>
        <source>the type &apos;%1&apos; has no unit &apos;%2&apos;, which the set&apos;s units are measured against</source>
        <translation>tyypillä &apos;%1&apos; ei ole yksikköä &apos;%2&apos;, johon sarjan yksiköt suhteutetaan</translation>
    </message>
    <message>
        <source>the first line must be the header &apos;type&lt;TAB&gt;unit&lt;TAB&gt;coefficient&lt;TAB&gt;offset&apos;</source>
        <translation>ensimmäisen rivin on oltava otsikkorivi &apos;type&lt;TAB&gt;unit&lt;TAB&gt;coefficient&lt;TAB&gt;offset&apos;</translation>
    </message>
    <message>
        <source>the line is longer than %1 KiB</source>
        <translation>rivi on pidempi kuin %1 KiB</translation>
    </message>
    <message>
        <source>the %1 ends in a lone backslash (write \\)</source>
        <translation>%1 päättyy yksinäiseen kenoviivaan (kirjoita \\)</translation>
    </message>
    <message>
        <source>the %1 holds the bad escape &apos;\%2&apos; (use \t, \n, \r or \\)</source>
        <translation>%1 sisältää virheellisen koodinvaihtomerkinnän &apos;\%2&apos; (käytä merkintöjä \t, \n, \r tai \\)</translation>
    </message>
    <message>
        <source>the %1 is not valid UTF-8</source>
        <translation>%1 ei ole kelvollista UTF-8:aa</translation>
    </message>
    <message>
        <source>the %1 is empty</source>
        <translation>%1 on tyhjä</translation>
    </message>
    <message>
        <source>the %1 %2 is longer than %3 characters (%4)</source>
        <translation>%1 %2 on pidempi kuin %3 merkkiä (%4)</translation>
    </message>
    <message>
        <source>the %1 %2 starts or ends with a space, is only spaces or holds a NUL byte</source>
        <translation>%1 %2 alkaa tai päättyy välilyöntiin, on pelkkiä välilyöntejä tai sisältää NUL-tavun</translation>
    </message>
    <message>
        <source>the %1 %2 is out of range</source>
        <translation>%1 %2 on sallitun alueen ulkopuolella</translation>
    </message>
    <message>
        <source>the %1 %2 is not a number</source>
        <translation>%1 %2 ei ole luku</translation>
    </message>
    <message>
        <source>the coefficient %1 is not a positive number of normal size (zero, negative, infinite, NaN and denormal coefficients break conversions)</source>
        <translation>kerroin %1 ei ole normaalikokoinen positiivinen luku (nolla, negatiiviset, äärettömät, NaN- ja denormaalit kertoimet rikkovat muunnokset)</translation>
    </message>
    <message>
        <source>the offset %1 is not a finite number</source>
        <translation>siirtymä %1 ei ole äärellinen luku</translation>
    </message>
    <message>
        <source>missing column &apos;%1&apos;</source>
        <translation>sarake &apos;%1&apos; puuttuu</translation>
    </message>
    <message>
        <source>too many columns (%1, expected %2)</source>
        <translation>liikaa sarakkeita (%1, odotettiin %2)</translation>
    </message>
    <message>
        <source>the unit %1 of type %2 is already on line %3</source>
        <translation>tyypin %2 yksikkö %1 on jo rivillä %3</translation>
    </message>
    <message>
        <source>type</source>
        <translation>tyyppi</translation>
    </message>
    <message>
        <source>unit name</source>
        <translation>yksikön nimi</translation>
    </message>
    <message>
        <source>coefficient</source>
        <translation>kerroin</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>siirtymä</translation>
    </message>
</context>
<context>
    <name>CDlgRates</name>
    <message>
        <source>Downloading the rates from %1...</source>
        <translation>Ladataan kursseja palvelimelta %1...</translation>
    </message>
    <message>
        <source>Open Rates File</source>
        <translation>Avaa kurssitiedosto</translation>
    </message>
    <message>
        <source>Rates files (*.xml *.csv);;All files (*)</source>
        <translation>Kurssitiedostot (*.xml *.csv);;Kaikki tiedostot (*)</translation>
    </message>
    <message>
        <source>%1 is a folder, not a rates file.</source>
        <translation>%1 on kansio eikä kurssitiedosto.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Tiedostoa %1 ei voi lukea: %2.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB, too large for a rates file.</source>
        <translation>%1 on suurempi kuin %2 MiB eli liian suuri kurssitiedostoksi.</translation>
    </message>
    <message>
        <source>%1 holds no rates that can be used: %2.</source>
        <translation>%1 ei sisällä käyttökelpoisia kursseja: %2.</translation>
    </message>
    <message>
        <source>The rates of %1 cannot be used: %2.</source>
        <translation>Päivän %1 kursseja ei voi käyttää: %2.</translation>
    </message>
    <message>
        <source>Rates of %1</source>
        <translation>Päivän %1 kurssit</translation>
    </message>
    <message>
        <source>new</source>
        <translation>uusi</translation>
    </message>
    <message>
        <source>The catalogue has these rates already; nothing would change.</source>
        <translation>Nämä kurssit ovat jo käytössä; mikään ei muuttuisi.</translation>
    </message>
    <message>
        <source>Apply changes the currencies listed; units without a rate stay as they are.</source>
        <translation>”Käytä” muuttaa luetellut valuutat; yksiköt, joille ei ole kurssia, pysyvät ennallaan.</translation>
    </message>
    <message>
        <source>No unit name is known for %1; left out.</source>
        <translation>Yksikön nimeä ei tunneta: %1; jätetty pois.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Mitään ei muutettu.</translation>
    </message>
    <message>
        <source>%1 is a pipe or a device, not a rates file.</source>
        <translation>%1 on putki tai laite eikä kurssitiedosto.</translation>
    </message>
    <message>
        <source>%1 could not be read: there is not enough memory.</source>
        <translation>%1 ei ole luettavissa: muistia ei ole tarpeeksi.</translation>
    </message>
    <message>
        <source>the rates file is empty</source>
        <translation>kurssitiedosto on tyhjä</translation>
    </message>
    <message>
        <source>the rates file gives no date for its rates</source>
        <translation>kurssitiedosto ei kerro kurssiensa päivämäärää</translation>
    </message>
    <message>
        <source>not a reference-rate file: the first field must be &apos;Date&apos;</source>
        <translation>ei viitekurssitiedosto: ensimmäisen kentän on oltava &apos;Date&apos;</translation>
    </message>
    <message>
        <source>the currency code &apos;%1&apos; is empty or repeated</source>
        <translation>valuuttakoodi &apos;%1&apos; on tyhjä tai toistuu</translation>
    </message>
    <message>
        <source>the rates file has a header but no line of rates</source>
        <translation>kurssitiedostossa on otsikkorivi mutta ei kurssiriviä</translation>
    </message>
    <message>
        <source>%1 fields for %2 columns of the header</source>
        <translation>%1 kenttää otsikkorivin %2 sarakkeelle</translation>
    </message>
    <message>
        <source>the rate of %1 &apos;%2&apos; is not a positive number</source>
        <translation>valuutan %1 kurssi &apos;%2&apos; ei ole positiivinen luku</translation>
    </message>
    <message>
        <source>the XML is not well-formed: %1 at byte %2</source>
        <translation>XML ei ole hyvin muodostettua: %1 tavussa %2</translation>
    </message>
    <message>
        <source>not a reference-rate file: the XML holds &lt;%1&gt;, not an &lt;Envelope&gt; of rates</source>
        <translation>ei viitekurssitiedosto: XML sisältää elementin &lt;%1&gt; eikä kurssien &lt;Envelope&gt;-elementtiä</translation>
    </message>
    <message>
        <source>not a reference-rate file: the XML holds no &lt;Cube&gt; of a day&apos;s rates</source>
        <translation>ei viitekurssitiedosto: XML ei sisällä päivän kurssien &lt;Cube&gt;-elementtiä</translation>
    </message>
    <message>
        <source>the catalogue has no unit &apos;%1&apos; of type &apos;%2&apos; to base the rates on</source>
        <translation>luettelossa ei ole tyypin &apos;%2&apos; yksikköä &apos;%1&apos;, johon kurssit voisi perustaa</translation>
    </message>
    <message>
        <source>the rates file has no rate for %1</source>
        <translation>kurssitiedostossa ei ole kurssia valuutalle %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>rivi %1: %2</translation>
    </message>
    <message>
        <source>the line is longer than %1 KiB</source>
        <translation>rivi on pidempi kuin %1 KiB</translation>
    </message>
    <message>
        <source>the rate of %1 per %2 is %3, too large or too small for a unit</source>
        <translation>valuutan %1 kurssi suhteessa valuuttaan %2 on %3, liian suuri tai pieni yksikölle</translation>
    </message>
</context>
<context>
    <name>CDlgUnitSets</name>
    <message>
        <source>Absorbed dose</source>
        <translation>Absorboitunut annos</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Kiihtyvyys</translation>
    </message>
    <message>
        <source>Amount of substance</source>
        <translation>Ainemäärä</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Kulma</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Kapasitanssi</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Vetomitta</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Tietomäärä</translation>
    </message>
    <message>
        <source>Data rate</source>
        <translation>Tiedonsiirtonopeus</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Tiheys</translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Etäisyys</translation>
    </message>
    <message>
        <source>Dose equivalent</source>
        <translation>Annosekvivalentti</translation>
    </message>
    <message>
        <source>Dynamic viscosity</source>
        <translation>Dynaaminen viskositeetti</translation>
    </message>
    <message>
        <source>Electric charge</source>
        <translation>Sähkövaraus</translation>
    </message>
    <message>
        <source>Electric current</source>
        <translation>Sähkövirta</translation>
    </message>
    <message>
        <source>Electrical conductance</source>
        <translation>Konduktanssi</translation>
    </message>
    <message>
        <source>Electrical resistance</source>
        <translation>Sähkövastus</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Voima</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Taajuus</translation>
    </message>
    <message>
        <source>Fuel consumption</source>
        <translation>Polttoaineenkulutus</translation>
    </message>
    <message>
        <source>Fuel economy</source>
        <translation>Ajomatka polttoainemäärää kohden</translation>
    </message>
    <message>
        <source>Grammage</source>
        <translation>Neliömassa</translation>
    </message>
    <message>
        <source>Heat flux density</source>
        <translation>Lämpövuon tiheys</translation>
    </message>
    <message>
        <source>Illuminance</source>
        <translation>Valaistusvoimakkuus</translation>
    </message>
    <message>
        <source>Inductance</source>
        <translation>Induktanssi</translation>
    </message>
    <message>
        <source>Kinematic viscosity</source>
        <translation>Kinemaattinen viskositeetti</translation>
    </message>
    <message>
        <source>Linear density</source>
        <translation>Pituusmassa</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>Luminanssi</translation>
    </message>
    <message>
        <source>Magnetic flux</source>
        <translation>Magneettivuo</translation>
    </message>
    <message>
        <source>Magnetic flux density</source>
        <translation>Magneettivuon tiheys</translation>
    </message>
    <message>
        <source>Mass flow</source>
        <translation>Massavirta</translation>
    </message>
    <message>
        <source>Molar concentration</source>
        <translation>Moolikonsentraatio</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Teho</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Paine</translation>
    </message>
    <message>
        <source>Radioactivity</source>
        <translation>Radioaktiivisuus</translation>
    </message>
    <message>
        <source>Rotational speed</source>
        <translation>Pyörimisnopeus</translation>
    </message>
    <message>
        <source>Energy per mass</source>
        <translation>Ominaisenergia</translation>
    </message>
    <message>
        <source>Heat capacity per mass</source>
        <translation>Ominaislämpökapasiteetti</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Nopeus</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>Pinta-ala</translation>
    </message>
    <message>
        <source>Surface tension</source>
        <translation>Pintajännitys</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Lämpötila</translation>
    </message>
    <message>
        <source>Temperature difference</source>
        <translation>Lämpötilaero</translation>
    </message>
    <message>
        <source>Thermal conductivity</source>
        <translation>Lämmönjohtavuus</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Aika</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Vääntömomentti</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Jännite</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Tilavuus</translation>
    </message>
    <message>
        <source>Volume flow</source>
        <translation>Tilavuusvirta</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Paino</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Lisää</translation>
    </message>
    <message>
        <source>%1 (%2 units, all added)</source>
        <translation>%1 (%2 yksikköä, kaikki lisätty)</translation>
    </message>
    <message>
        <source>%1 (%2 units)</source>
        <translation>%1 (%2 yksikköä)</translation>
    </message>
</context>
<context>
    <name>CHttpRatesTransfer</name>
    <message>
        <source>The server did not answer within %1 seconds.</source>
        <translation>Palvelin ei vastannut %1 sekunnin kuluessa.</translation>
    </message>
    <message>
        <source>The address &quot;%1&quot; is not an http or https address.</source>
        <translation>Osoite ”%1” ei ole http- tai https-osoite.</translation>
    </message>
    <message>
        <source>The download was cancelled.</source>
        <translation>Lataus peruttiin.</translation>
    </message>
    <message>
        <source>The answer is larger than %1 KiB, too large for a rates file.</source>
        <translation>Vastaus on suurempi kuin %1 KiB eli liian suuri kurssitiedostoksi.</translation>
    </message>
    <message>
        <source>The server sent the download on to %1, which is not a secure (https) address.</source>
        <translation>Palvelin ohjasi latauksen osoitteeseen %1, joka ei ole suojattu (https-)osoite.</translation>
    </message>
    <message>
        <source>The server %1 answered &quot;%2 %3&quot; instead of sending the rates.</source>
        <translation>Palvelin %1 vastasi ”%2 %3” eikä lähettänyt kursseja.</translation>
    </message>
    <message>
        <source>The server %1 could not be found: there is no network connection, or its name does not resolve.</source>
        <translation>Palvelinta %1 ei löytynyt: verkkoyhteyttä ei ole, tai palvelimen nimeä ei voi selvittää.</translation>
    </message>
    <message>
        <source>The server %1 refused the connection.</source>
        <translation>Palvelin %1 kieltäytyi yhteydestä.</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2.</source>
        <translation>Suojattu yhteys palvelimeen %1 epäonnistui: %2.</translation>
    </message>
    <message>
        <source>The server sent the download on more than %1 times.</source>
        <translation>Palvelin ohjasi latauksen uudelleen yli %1 kertaa.</translation>
    </message>
    <message>
        <source>The server %1 closed the connection before the answer was complete.</source>
        <translation>Palvelin %1 sulki yhteyden ennen kuin koko vastaus oli saapunut.</translation>
    </message>
    <message>
        <source>The download from %1 failed: %2.</source>
        <translation>Lataus palvelimelta %1 epäonnistui: %2.</translation>
    </message>
    <message>
        <source>The download did not finish within %1 seconds.</source>
        <translation>Lataus ei valmistunut %1 sekunnissa.</translation>
    </message>
</context>
<context>
    <name>CKRunnerProvider</name>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Kopioi leikepöydälle</translation>
    </message>
</context>
<context>
    <name>CRatesDownload</name>
    <message>
        <source>it does not fit this version of Tarvo</source>
        <translation>se ei sovi tähän Tarvon versioon</translation>
    </message>
    <message>
        <source>The download module %1 could not be loaded: %2.</source>
        <translation>Latausmoduulia %1 ei voitu ladata: %2.</translation>
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
    <message>
        <source>Update Currency &amp;Rates...</source>
        <translation>Päivitä &amp;valuuttakurssit...</translation>
    </message>
    <message>
        <source>&amp;Quick Conversion...</source>
        <translation>&amp;Pikamuunnos...</translation>
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
    <message>
        <source>Add the units of a unit table file, or update the units it shares with the catalogue</source>
        <translation>Lisää yksikkötaulukkotiedoston yksiköt tai päivittää jo olemassa olevat</translation>
    </message>
    <message>
        <source>Import units</source>
        <translation>Tuo yksiköt</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>T&amp;uo...</translation>
    </message>
    <message>
        <source>Write every unit of the catalogue to a unit table file</source>
        <translation>Kirjoittaa kaikki yksiköt yksikkötaulukkotiedostoon</translation>
    </message>
    <message>
        <source>Export units</source>
        <translation>Vie yksiköt</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Vie...</translation>
    </message>
    <message>
        <source>Add the units of the unit sets that come with the program, one type to a set</source>
        <translation>Lisää ohjelman mukana tulevien yksikkösarjojen yksiköt, yksi tyyppi sarjaa kohden</translation>
    </message>
    <message>
        <source>Unit sets</source>
        <translation>Yksikkösarjat</translation>
    </message>
    <message>
        <source>Unit &amp;Sets...</source>
        <translation>Yksikkösa&amp;rjat...</translation>
    </message>
</context>
<context>
    <name>DlgQuickConversion</name>
    <message>
        <source>Quick Conversion</source>
        <translation>Pikamuunnos</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Muunnos</translation>
    </message>
    <message>
        <source>Matches</source>
        <translation>Osumat</translation>
    </message>
</context>
<context>
    <name>DlgRates</name>
    <message>
        <source>Currency Rates</source>
        <translation>Valuuttakurssit</translation>
    </message>
    <message>
        <source>European Central Bank reference rates</source>
        <translation>Euroopan keskuspankin viitekurssit</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Muutokset</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Valuutta</translation>
    </message>
    <message>
        <source>Old coefficient</source>
        <translation>Vanha kerroin</translation>
    </message>
    <message>
        <source>New coefficient</source>
        <translation>Uusi kerroin</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Lataa</translation>
    </message>
    <message>
        <source>&amp;From File...</source>
        <translation>&amp;Tiedostosta...</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Käytä</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Peru</translation>
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
<context>
    <name>DlgUnitSets</name>
    <message>
        <source>Unit Sets</source>
        <translation>Yksikkösarjat</translation>
    </message>
    <message>
        <source>Check the unit sets to add to your units:</source>
        <translation>Valitse yksikkösarjat, jotka lisätään yksiköihisi:</translation>
    </message>
    <message>
        <source>Unit sets</source>
        <translation>Yksikkösarjat</translation>
    </message>
    <message>
        <source>No unit sets are installed.</source>
        <translation>Yksikkösarjoja ei ole asennettu.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sv">
<context>
    <name>Ordlistor</name>
    <message>
        <location filename="Operations.cpp" line="78"/>
        <source>tabb</source>
        <translation>tab</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="80"/>
        <source>komma</source>
        <translation>comma</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="82"/>
        <source>semikolon</source>
        <translation>semicolon</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="84"/>
        <source>mellanslag</source>
        <translation>space</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="36"/>
        <source>UTF-8 med BOM</source>
        <translation>UTF-8 with BOM</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="72"/>
        <source>Ordlykta är öppet. Stäng det för att importera eller återställa.</source>
        <translation>Ordlykta is open. Close it to import or restore.</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="244"/>
        <source>Mappen %1 har inga ord att spara ännu.</source>
        <translation>The folder %1 holds no words to save yet.</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="283"/>
        <source>par %1–%2: %3</source>
        <translation>pairs %1–%2: %3</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="284"/>
        <source>par %1: %2</source>
        <translation>pair %1: %2</translation>
    </message>
    <message>
        <location filename="Asker.cpp" line="17"/>
        <location filename="Asker.cpp" line="23"/>
        <location filename="Window.cpp" line="67"/>
        <source>Ordlykta ordlistor</source>
        <translation>Ordlykta word lists</translation>
    </message>
    <message>
        <location filename="Asker.cpp" line="25"/>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <location filename="Asker.cpp" line="26"/>
        <source>&amp;Nej</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <location filename="Window.cpp" line="74"/>
        <source>Sidor</source>
        <translation>Pages</translation>
    </message>
    <message>
        <location filename="Window.cpp" line="40"/>
        <source>&amp;Importera</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <location filename="Window.cpp" line="41"/>
        <source>&amp;Exportera och skriv ut</source>
        <translation>&amp;Export and print</translation>
    </message>
    <message>
        <location filename="Window.cpp" line="42"/>
        <source>&amp;Säkerhetskopior</source>
        <translation>&amp;Backups</translation>
    </message>
    <message>
        <location filename="Window.cpp" line="43"/>
        <source>&amp;Kontroll</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="67"/>
        <source>&amp;Välj fil…</source>
        <translation>C&amp;hoose file…</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="67"/>
        <source>Välj fil</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="76"/>
        <location filename="ImportPage.cpp" line="132"/>
        <location filename="ImportPage.cpp" line="138"/>
        <location filename="ImportPage.cpp" line="142"/>
        <location filename="ImportPage.cpp" line="146"/>
        <location filename="ImportPage.cpp" line="254"/>
        <source>som filen säger</source>
        <translation>as the file says</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="79"/>
        <source>Ko&amp;rta ord längre än 30 tecken</source>
        <translation>C&amp;ut words longer than 30 characters</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="80"/>
        <source>Korta ord längre än 30 tecken</source>
        <translation>Cut words longer than 30 characters</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="81"/>
        <source>&amp;Hoppa över par med tecken som en ordlista inte kan ha</source>
        <translation>S&amp;kip pairs with characters a word list cannot hold</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="82"/>
        <source>Hoppa över par med tecken som en ordlista inte kan ha</source>
        <translation>Skip pairs with characters a word list cannot hold</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="85"/>
        <source>Lista</source>
        <translation>List</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="85"/>
        <source>Namn</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="85"/>
        <source>Nya par</source>
        <translation>New pairs</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="85"/>
        <source>Par i allt</source>
        <translation>Pairs in all</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="86"/>
        <source>Listor som importen fyller</source>
        <translation>Lists the import fills</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="87"/>
        <source>Rad</source>
        <translation>Line</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="87"/>
        <location filename="CheckPage.cpp" line="20"/>
        <source>Vad</source>
        <translation>What</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="87"/>
        <source>Skäl</source>
        <translation>Reason</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="88"/>
        <source>Par som lämnas utanför eller stoppar importen</source>
        <translation>Pairs left out or stopping the import</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="92"/>
        <source>I&amp;mportera</source>
        <translation>I&amp;mport</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="92"/>
        <source>Importera</source>
        <translation>Import</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="93"/>
        <source>Ån&amp;gra importen</source>
        <translation>U&amp;ndo the import</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="93"/>
        <source>Ångra importen</source>
        <translation>Undo the import</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="101"/>
        <source>&amp;Fil:</source>
        <translation>&amp;File:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="102"/>
        <location filename="ExportPage.cpp" line="59"/>
        <source>S&amp;pråk:</source>
        <translation>L&amp;anguage:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="103"/>
        <source>Första &amp;listan:</source>
        <translation>First &amp;list:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="105"/>
        <source>Det som lästes ur filen</source>
        <translation>What was read from the file</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="107"/>
        <source>Forma&amp;t:</source>
        <translation>Forma&amp;t:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="108"/>
        <source>Teckenkod&amp;ning:</source>
        <translation>Enco&amp;ding:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="111"/>
        <source>Svenska orden i kol&amp;umn:</source>
        <translation>S&amp;wedish words in column:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="125"/>
        <source>Det här gör importen:</source>
        <translation>What the import does:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="153"/>
        <source>Välj en ordlista</source>
        <translation>Choose a word list</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="154"/>
        <source>Ordlistor (%1);;Alla filer (*)</source>
        <translation>Word lists (%1);;All files (*)</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="190"/>
        <location filename="ExportPage.cpp" line="97"/>
        <source>%1  %2 (%3 par)</source>
        <translation>%1  %2 (%3 pairs)</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="236"/>
        <source>Välj en fil att importera.</source>
        <translation>Choose a file to import.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="244"/>
        <source>Format: %1. Teckenkodning: %2.</source>
        <translation>Format: %1. Encoding: %2.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="246"/>
        <source> Avgränsare: %1.</source>
        <translation> Separator: %1.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="248"/>
        <source> Rubrikrad: ja.</source>
        <translation> Header row: yes.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="248"/>
        <source> Rubrikrad: nej.</source>
        <translation> Header row: no.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="249"/>
        <source> Svenska orden: kolumn %1.</source>
        <translation> Swedish words: column %1.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="251"/>
        <location filename="ImportPage.cpp" line="252"/>
        <location filename="ImportPage.cpp" line="255"/>
        <location filename="ImportPage.cpp" line="257"/>
        <source>som filen säger (%1)</source>
        <translation>as the file says (%1)</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="275"/>
        <source>stoppar</source>
        <translation>stops</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="276"/>
        <source>kortas</source>
        <translation>cut</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="277"/>
        <source>lämnas utanför</source>
        <translation>left out</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="296"/>
        <source>Ingenting importerades: %1</source>
        <translation>Nothing was imported: %1</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="303"/>
        <source>Lista %1 &quot;%2&quot;: %3 par tillagda, %4 i allt.</source>
        <translation>List %1 &quot;%2&quot;: %3 pairs added, %4 in all.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="314"/>
        <source>Importen kunde inte ångras: %1</source>
        <translation>The import could not be undone: %1</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="317"/>
        <source>Importen är ångrad: filerna är som de var före den.</source>
        <translation>The import is undone: the files are as they were before it.</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="44"/>
        <source>Provet frågar efter</source>
        <translation>The exam asks for</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="45"/>
        <source>de s&amp;venska orden</source>
        <translation>the S&amp;wedish words</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="45"/>
        <source>de svenska orden</source>
        <translation>the Swedish words</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="47"/>
        <source>i &amp;blandad ordning</source>
        <translation>in a &amp;random order</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="47"/>
        <source>i blandad ordning</source>
        <translation>in a shuffled order</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="54"/>
        <source>Spar&amp;a…</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="54"/>
        <source>Spara</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="55"/>
        <source>Skriv &amp;ut…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="55"/>
        <source>Skriv ut</source>
        <translation>Print</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="56"/>
        <source>Förhandsgranska (&amp;h)…</source>
        <translation>Pre&amp;view…</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="56"/>
        <source>Förhandsgranska</source>
        <translation>Preview</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="60"/>
        <source>&amp;Lista:</source>
        <translation>&amp;List:</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="61"/>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="93"/>
        <source>alla listor</source>
        <translation>all lists</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="110"/>
        <source>orden på %1 (&amp;d)</source>
        <translation>the words in %1 (&amp;o)</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="111"/>
        <source>orden på %1</source>
        <translation>the words in %1</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="144"/>
        <source>-prov</source>
        <translation>-exam</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="152"/>
        <source>Spara ordlistan</source>
        <translation>Save the word list</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="159"/>
        <source>Filen sparades inte: %1
Välj en annan mapp eller ett annat namn.</source>
        <translation>The file was not saved: %1
Choose another folder or another name.</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="22"/>
        <source>Säkerhetskopior, nyast först</source>
        <translation>Backups, newest first</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="23"/>
        <source>Tagen</source>
        <translation>Taken</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="23"/>
        <source>Slag</source>
        <translation>Kind</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="24"/>
        <source>Skiljer sig från filerna nu</source>
        <translation>Differs from the files now</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="24"/>
        <source>Storlek</source>
        <translation>Size</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="31"/>
        <source>Å&amp;terställ</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="31"/>
        <source>Återställ</source>
        <translation>Restore</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="32"/>
        <source>Spara en säker&amp;hetskopia…</source>
        <translation>Save a bac&amp;kup…</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="33"/>
        <location filename="BackupsPage.cpp" line="74"/>
        <source>Spara en säkerhetskopia</source>
        <translation>Save a backup</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="35"/>
        <source>Återställ från &amp;fil…</source>
        <translation>Restore from &amp;file…</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="35"/>
        <location filename="BackupsPage.cpp" line="65"/>
        <source>Återställ från fil</source>
        <translation>Restore from file</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="37"/>
        <source>Ån&amp;gra återställningen</source>
        <translation>U&amp;ndo the restore</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="37"/>
        <source>Ångra återställningen</source>
        <translation>Undo the restore</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="48"/>
        <source>&amp;Ögonblicksbilder från före varje ändring, och säkerhetskopior du har sparat:</source>
        <translation>Snapshots from before each change, and backups you have sa&amp;ved:</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="60"/>
        <source>säkerhetskopian från %1</source>
        <translation>the backup of %1</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="66"/>
        <source>Säkerhetskopior (*.tar.gz);;Alla filer (*)</source>
        <translation>Backups (*.tar.gz);;All files (*)</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="75"/>
        <source>Säkerhetskopior (*.tar.gz)</source>
        <translation>Backups (*.tar.gz)</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="87"/>
        <source>Säkerhetskopian är sparad i %1.</source>
        <translation>The backup is saved in %1.</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="90"/>
        <source>Säkerhetskopian sparades inte: %1
Välj en annan mapp.</source>
        <translation>The backup was not saved: %1
Choose another folder.</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="110"/>
        <source>inga: samma som nu</source>
        <translation>none: the same as now</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="113"/>
        <source>ögonblicksbild</source>
        <translation>snapshot</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="113"/>
        <source>säkerhetskopia</source>
        <translation>backup</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="138"/>
        <source>Det går inte att återställa från %1: %2</source>
        <translation>Cannot restore from %1: %2</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="142"/>
        <source>%1 är samma som filerna nu: det finns inget att återställa.</source>
        <translation>%1 is the same as the files now: there is nothing to restore.</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="146"/>
        <source>Återställa %1?

Det här ändras: %2.
Filerna som de är nu sparas först, så att du kan ångra.</source>
        <translation>Restore %1?

This changes: %2.
The files as they are now are kept first, so that you can undo it.</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="154"/>
        <source>Ingenting återställdes: %1</source>
        <translation>Nothing was restored: %1</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="157"/>
        <source>Återställt: %1.</source>
        <translation>Restored: %1.</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="162"/>
        <source>Återställningen kunde inte ångras: %1</source>
        <translation>The restore could not be undone: %1</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="165"/>
        <source>Återställningen är ångrad: filerna är som de var före den.</source>
        <translation>The restore is undone: the files are as they were before it.</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="19"/>
        <source>Det som kontrollen hittade</source>
        <translation>What the check found</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="20"/>
        <source>Var</source>
        <translation>Where</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="20"/>
        <source>Lagas</source>
        <translation>Mended</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="25"/>
        <source>Kontroller&amp;a igen</source>
        <oldsource>Kontrollera i&amp;gen</oldsource>
        <translation>Check a&amp;gain</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="25"/>
        <source>Kontrollera igen</source>
        <translation>Check again</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="26"/>
        <source>&amp;Laga</source>
        <translation>&amp;Mend</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="26"/>
        <source>Laga</source>
        <translation>Mend</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="27"/>
        <source>Ån&amp;gra lagningen</source>
        <translation>U&amp;ndo the mending</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="27"/>
        <source>Ångra lagningen</source>
        <translation>Undo the mending</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="40"/>
        <source>Lagningen kunde inte ångras: %1</source>
        <translation>The mending could not be undone: %1</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="88"/>
        <source>%1; en hel kopia finns i ögonblicksbilden från %2 (Säkerhetskopior)</source>
        <translation>%1; a sound copy is in the snapshot of %2 (Backups)</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="45"/>
        <source>Laga det som kan lagas?

Filerna som de är nu sparas först bland säkerhetskopiorna.</source>
        <translation>Mend what can be mended?

The files as they are now are kept among the backups first.</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="52"/>
        <source>Ingenting lagades: %1</source>
        <translation>Nothing was mended: %1</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="79"/>
        <source>lista %1</source>
        <translation>list %1</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="257"/>
        <location filename="CheckPage.cpp" line="91"/>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="257"/>
        <location filename="CheckPage.cpp" line="91"/>
        <source>nej</source>
        <translation>no</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="98"/>
        <source>Allt är i ordning i %1.</source>
        <translation>All is well in %1.</translation>
    </message>
    <message numerus="yes">
        <location filename="CheckPage.cpp" line="99"/>
        <source>Kontrollen hittade %n fel.</source>
        <translation>
            <numerusform>The check found %n fault.</numerusform>
            <numerusform>The check found %n faults.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="Start.cpp" line="40"/>
        <source>Ge högst en fil att importera.</source>
        <translation>Give at most one file to import.</translation>
    </message>
    <message>
        <location filename="Start.cpp" line="46"/>
        <source>Okänd sida %1: ge import, export, backups eller check</source>
        <translation>Unknown page %1: give import, export, backups or check</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="109"/>
        <source>&amp;Avgränsare:</source>
        <translation>Se&amp;parator:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="110"/>
        <source>Ru&amp;brikrad:</source>
        <translation>Heade&amp;r row:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="83"/>
        <source>Hoppa över ra&amp;der som inte är par</source>
        <translation>Skip r&amp;ows that are not pairs</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="65"/>
        <source>En ordlista: %1</source>
        <translation>A word list: %1</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="84"/>
        <source>Hoppa över rader som inte är par</source>
        <translation>Skip rows that are not pairs</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="147"/>
        <source>ja, den första raden hoppas över</source>
        <translation>yes, the first row is skipped</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="148"/>
        <source>nej, den första raden är ett par</source>
        <translation>no, the first row is a pair</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="141"/>
        <source>Några rader är inga par eller har ord som inte får plats i en ordlista. Välj vad som ska göras med dem här ovanför, eller rätta filen.</source>
        <translation>Some rows are not pairs or have words that do not fit a word list. Choose above what to do with them, or correct the file.</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="109"/>
        <source>kan inte återställas: %1</source>
        <translation>cannot be restored: %1</translation>
    </message>
</context>
</TS>

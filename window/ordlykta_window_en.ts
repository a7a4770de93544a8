<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="sv">
<context>
    <name>Ordlistor</name>
    <message>
        <location filename="Operations.cpp" line="85"/>
        <source>tabb</source>
        <translation>tab</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="87"/>
        <source>komma</source>
        <translation>comma</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="89"/>
        <source>semikolon</source>
        <translation>semicolon</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="91"/>
        <source>mellanslag</source>
        <translation>space</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="43"/>
        <source>UTF-8 med BOM</source>
        <translation>UTF-8 with BOM</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="79"/>
        <source>Ordlykta är öppet. Stäng det för att importera eller återställa.</source>
        <translation>Ordlykta is open. Close it to import or restore.</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="162"/>
        <source>Välj vilket språk orden ska till.</source>
        <translation>Choose the language the words go to.</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="168"/>
        <source>%1 &quot;%2&quot;</source>
        <translation>%1 &quot;%2&quot;</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="172"/>
        <source>Alla par i filen finns redan i lista %1.</source>
        <translation>Every pair of the file is in list %1 already.</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="241"/>
        <source>Orden kunde inte lämnas till Ordlykta: %1</source>
        <translation>The words could not be handed to Ordlykta: %1</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="268"/>
        <source>Ordlykta kunde inte startas.</source>
        <translation>Ordlykta could not be started.</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="361"/>
        <source>Mappen %1 har inga ord att spara ännu.</source>
        <translation>The folder %1 holds no words to save yet.</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="400"/>
        <source>par %1–%2: %3</source>
        <translation>pairs %1–%2: %3</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="401"/>
        <source>par %1: %2</source>
        <translation>pair %1: %2</translation>
    </message>
    <message>
        <location filename="Asker.cpp" line="17"/>
        <location filename="Asker.cpp" line="23"/>
        <location filename="Window.cpp" line="75"/>
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
        <location filename="Window.cpp" line="82"/>
        <source>Sidor</source>
        <translation>Pages</translation>
    </message>
    <message>
        <location filename="Window.cpp" line="45"/>
        <source>&amp;Importera</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <location filename="Window.cpp" line="46"/>
        <source>&amp;Exportera och skriv ut</source>
        <translation>&amp;Export and print</translation>
    </message>
    <message>
        <location filename="Window.cpp" line="47"/>
        <source>&amp;Säkerhetskopior</source>
        <translation>&amp;Backups</translation>
    </message>
    <message>
        <location filename="Window.cpp" line="48"/>
        <source>&amp;Kontroll</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <location filename="Window.cpp" line="49"/>
        <source>F&amp;ramsteg</source>
        <translation>Pro&amp;gress</translation>
    </message>
    <message>
        <location filename="ProgressReport.cpp" line="115"/>
        <source>Framsteg</source>
        <translation>Progress</translation>
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
        <location filename="ImportPage.cpp" line="142"/>
        <location filename="ImportPage.cpp" line="148"/>
        <location filename="ImportPage.cpp" line="152"/>
        <location filename="ImportPage.cpp" line="156"/>
        <location filename="ImportPage.cpp" line="279"/>
        <source>som filen säger</source>
        <translation>as the file says</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="79"/>
        <source>K&amp;orta ord längre än 30 tecken</source>
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
        <location filename="ProgressPage.cpp" line="101"/>
        <location filename="ProgressPage.cpp" line="146"/>
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
        <location filename="ProgressPage.cpp" line="146"/>
        <location filename="ProgressReport.cpp" line="84"/>
        <source>Svenska</source>
        <translation>Swedish</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="87"/>
        <location filename="ImportPage.cpp" line="325"/>
        <location filename="ProgressPage.cpp" line="146"/>
        <location filename="ProgressReport.cpp" line="84"/>
        <source>Andra språket</source>
        <translation>Other language</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="87"/>
        <source>Lämnas utanför</source>
        <translation>Left out</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="88"/>
        <source>Paren som de sparas</source>
        <translation>The pairs as they are stored</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="91"/>
        <source>Rad</source>
        <translation>Line</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="91"/>
        <location filename="CheckPage.cpp" line="21"/>
        <source>Vad</source>
        <translation>What</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="91"/>
        <source>Skäl</source>
        <translation>Reason</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="92"/>
        <source>Par som lämnas utanför eller stoppar importen</source>
        <translation>Pairs left out or stopping the import</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="96"/>
        <source>I&amp;mportera</source>
        <translation>I&amp;mport</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="96"/>
        <source>Importera</source>
        <translation>Import</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="97"/>
        <source>Ån&amp;gra importen</source>
        <translation>U&amp;ndo the import</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="97"/>
        <source>Ångra importen</source>
        <translation>Undo the import</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="98"/>
        <source>L&amp;är in listan</source>
        <translation>Practi&amp;se the list</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="98"/>
        <source>Lär in listan</source>
        <translation>Practise the list</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="99"/>
        <source>F&amp;örhör listan</source>
        <translation>&amp;Quiz the list</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="99"/>
        <source>Förhör listan</source>
        <translation>Quiz the list</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="107"/>
        <source>&amp;Fil:</source>
        <translation>&amp;File:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="108"/>
        <location filename="ExportPage.cpp" line="68"/>
        <source>S&amp;pråk:</source>
        <translation>L&amp;anguage:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="431"/>
        <source>Importen är ångrad.</source>
        <translation>The import is undone.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="111"/>
        <source>Det som lästes ur filen</source>
        <translation>What was read from the file</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="113"/>
        <source>Forma&amp;t:</source>
        <translation>Forma&amp;t:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="114"/>
        <source>Teckenkod&amp;ning:</source>
        <translation>Enco&amp;ding:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="117"/>
        <source>Svenska orden i kol&amp;umn:</source>
        <translation>S&amp;wedish words in column:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="133"/>
        <source>Det här gör importen:</source>
        <translation>What the import does:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="165"/>
        <source>Välj en ordlista</source>
        <translation>Choose a word list</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="166"/>
        <source>Ordlistor (%1);;Alla filer (*)</source>
        <translation>Word lists (%1);;All files (*)</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="210"/>
        <source>en ny lista med filens namn</source>
        <translation>a new list named after the file</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="213"/>
        <location filename="ExportPage.cpp" line="112"/>
        <source>%1  %2 (%3 par)</source>
        <translation>%1  %2 (%3 pairs)</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="261"/>
        <source>Välj en fil att importera.</source>
        <translation>Choose a file to import.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="269"/>
        <source>Format: %1. Teckenkodning: %2.</source>
        <translation>Format: %1. Encoding: %2.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="271"/>
        <source> Avgränsare: %1.</source>
        <translation> Separator: %1.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="273"/>
        <source> Rubrikrad: ja.</source>
        <translation> Header row: yes.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="273"/>
        <source> Rubrikrad: nej.</source>
        <translation> Header row: no.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="274"/>
        <source> Svenska orden: kolumn %1.</source>
        <translation> Swedish words: column %1.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="276"/>
        <location filename="ImportPage.cpp" line="277"/>
        <location filename="ImportPage.cpp" line="280"/>
        <location filename="ImportPage.cpp" line="282"/>
        <source>som filen säger (%1)</source>
        <translation>as the file says (%1)</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="300"/>
        <source>stoppar</source>
        <translation>stops</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="301"/>
        <source>kortas</source>
        <translation>cut</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="302"/>
        <source>lämnas utanför</source>
        <translation>left out</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="342"/>
        <source>och %1 rader till.</source>
        <translation>and %1 more rows.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="345"/>
        <source>%1 tomma rader hoppas över.</source>
        <translation>%1 empty rows are passed over.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="348"/>
        <source>%1 par fanns redan och lämnas utanför.</source>
        <translation>%1 pairs were there already and are left out.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="351"/>
        <source>Språket &quot;%1&quot; får namnet &quot;%2&quot;.</source>
        <translation>The language &quot;%1&quot; is named &quot;%2&quot;.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="367"/>
        <source>Filen %1 importerades nyss. Ångra importen först för att importera den igen.</source>
        <translation>The file %1 was just imported. Undo the import first to import it again.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="376"/>
        <source>Ingenting importerades: %1</source>
        <translation>Nothing was imported: %1</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="386"/>
        <source>Lista %1 &quot;%2&quot;: %3 par tillagda, %4 i allt.</source>
        <translation>List %1 &quot;%2&quot;: %3 pairs added, %4 in all.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="408"/>
        <source>Importen kan inte ångras, för sedan den har det här ändrats:
  %1</source>
        <translation>The import cannot be undone, for since it this has changed:
  %1</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="413"/>
        <source>inga ord</source>
        <translation>no words</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="416"/>
        <source>Importen kan inte ångras ensam, för sedan den har det här ändrats:
  %1

Vill du i stället lägga tillbaka ögonblicksbilden från före importen? Då går det här förlorat:
  %2</source>
        <translation>The import cannot be undone alone, for since it this has changed:
  %1

Do you want to put back the snapshot from before the import instead? Then this is lost:
  %2</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="425"/>
        <source>Importen kunde inte ångras: %1</source>
        <translation>The import could not be undone: %1</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="49"/>
        <source>Provet frågar efter</source>
        <translation>The exam asks for</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="50"/>
        <source>de s&amp;venska orden</source>
        <translation>the S&amp;wedish words</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="50"/>
        <source>de svenska orden</source>
        <translation>the Swedish words</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="52"/>
        <source>i &amp;blandad ordning</source>
        <translation>in a &amp;random order</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="52"/>
        <source>i blandad ordning</source>
        <translation>in a shuffled order</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="59"/>
        <source>Spar&amp;a…</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="59"/>
        <source>Spara</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="60"/>
        <source>Skriv &amp;ut…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="60"/>
        <source>Skriv ut</source>
        <translation>Print</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="61"/>
        <source>Förhandsgranska (&amp;h)…</source>
        <translation>Pre&amp;view…</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="61"/>
        <source>Förhandsgranska</source>
        <translation>Preview</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="64"/>
        <source>Öppna &amp;mappen</source>
        <translation>Open the fol&amp;der</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="64"/>
        <source>Öppna mappen</source>
        <translation>Open the folder</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="180"/>
        <source>Sparad som %1 i mappen %2.</source>
        <translation>Saved as %1 in the folder %2.</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="109"/>
        <location filename="ExportPage.cpp" line="69"/>
        <source>&amp;Lista:</source>
        <translation>&amp;List:</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="70"/>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="108"/>
        <source>alla listor</source>
        <translation>all lists</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="125"/>
        <source>orden på %1 (&amp;d)</source>
        <translation>the words in %1 (&amp;o)</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="126"/>
        <source>orden på %1</source>
        <translation>the words in %1</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="159"/>
        <source>-prov</source>
        <translation>-exam</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="167"/>
        <source>Spara ordlistan</source>
        <translation>Save the word list</translation>
    </message>
    <message>
        <location filename="ExportPage.cpp" line="174"/>
        <source>Filen sparades inte: %1
Välj en annan mapp eller ett annat namn.</source>
        <translation>The file was not saved: %1
Choose another folder or another name.</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="24"/>
        <source>Säkerhetskopior, nyast först</source>
        <translation>Backups, newest first</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="25"/>
        <source>Tagen</source>
        <translation>Taken</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="25"/>
        <source>Slag</source>
        <translation>Kind</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="26"/>
        <source>Skiljer sig från filerna nu</source>
        <translation>Differs from the files now</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="26"/>
        <source>Storlek</source>
        <translation>Size</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="33"/>
        <source>Å&amp;terställ</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="33"/>
        <source>Återställ</source>
        <translation>Restore</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="36"/>
        <source>Spara en säker&amp;hetskopia…</source>
        <translation>Save a bac&amp;kup…</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="37"/>
        <location filename="BackupsPage.cpp" line="97"/>
        <source>Spara en säkerhetskopia</source>
        <translation>Save a backup</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="39"/>
        <source>Återställ från &amp;fil…</source>
        <translation>Restore from &amp;file…</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="39"/>
        <location filename="BackupsPage.cpp" line="88"/>
        <source>Återställ från fil</source>
        <translation>Restore from file</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="41"/>
        <source>Ån&amp;gra återställningen</source>
        <translation>U&amp;ndo the restore</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="41"/>
        <source>Ångra återställningen</source>
        <translation>Undo the restore</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="47"/>
        <source>&amp;Vilka filer:</source>
        <translation>&amp;Which files:</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="57"/>
        <source>&amp;Ögonblicksbilder från före varje ändring, och säkerhetskopior du har sparat:</source>
        <translation>Snapshots from before each change, and backups you have sa&amp;ved:</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="75"/>
        <source>säkerhetskopian från %1</source>
        <translation>the backup of %1</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="89"/>
        <source>Säkerhetskopior (*.tar.gz);;Alla filer (*)</source>
        <translation>Backups (*.tar.gz);;All files (*)</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="98"/>
        <source>Säkerhetskopior (*.tar.gz)</source>
        <translation>Backups (*.tar.gz)</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="110"/>
        <source>Säkerhetskopian är sparad i %1.</source>
        <translation>The backup is saved in %1.</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="113"/>
        <source>Säkerhetskopian sparades inte: %1
Välj en annan mapp.</source>
        <translation>The backup was not saved: %1
Choose another folder.</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="133"/>
        <source>inga: samma som nu</source>
        <translation>none: the same as now</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="137"/>
        <source>ögonblicksbild</source>
        <translation>snapshot</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="138"/>
        <source>ögonblicksbild, %1</source>
        <translation>snapshot, %1</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="139"/>
        <source>säkerhetskopia</source>
        <translation>backup</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="166"/>
        <source>alla som skiljer sig</source>
        <translation>all that differ</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="176"/>
        <source>bara den skadade filen, %1</source>
        <translation>only the damaged file, %1</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="181"/>
        <source>bara %1</source>
        <translation>only %1</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="197"/>
        <source>Det går inte att återställa från %1: %2</source>
        <translation>Cannot restore from %1: %2</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="201"/>
        <source>%1 är samma som filerna nu: det finns inget att återställa.</source>
        <translation>%1 is the same as the files now: there is nothing to restore.</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="205"/>
        <source>Återställa %1?

Det här ändras: %2.
Filerna som de är nu sparas först, så att du kan ångra.</source>
        <translation>Restore %1?

This changes: %2.
The files as they are now are kept first, so that you can undo it.</translation>
    </message>
    <message>
        <location filename="RestoreAlone.h" line="29"/>
        <source>Återställa bara %1 från %2?

De andra filerna lämnas som de är. Filerna som de är nu sparas först, så att du kan ångra.</source>
        <translation>Restore only %1 from %2?

The other files are left as they are. The files as they are now are kept first, so that you can undo it.</translation>
    </message>
    <message>
        <location filename="RestoreAlone.h" line="43"/>
        <location filename="BackupsPage.cpp" line="213"/>
        <source>Ingenting återställdes: %1</source>
        <translation>Nothing was restored: %1</translation>
    </message>
    <message>
        <location filename="RestoreAlone.h" line="43"/>
        <source>Bara en del av filerna återställdes: %1</source>
        <translation>Only some of the files were restored: %1</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="83"/>
        <location filename="BackupsPage.cpp" line="216"/>
        <source>Återställt: %1.</source>
        <translation>Restored: %1.</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="221"/>
        <source>Återställningen kunde inte ångras: %1</source>
        <translation>The restore could not be undone: %1</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="224"/>
        <source>Återställningen är ångrad: filerna är som de var före den.</source>
        <translation>The restore is undone: the files are as they were before it.</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="20"/>
        <source>Det som kontrollen hittade</source>
        <translation>What the check found</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="21"/>
        <source>Var</source>
        <translation>Where</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="21"/>
        <source>Lagas</source>
        <translation>Mended</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="26"/>
        <source>Kontroller&amp;a igen</source>
        <oldsource>Kontrollera i&amp;gen</oldsource>
        <translation>Check &amp;again</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="26"/>
        <source>Kontrollera igen</source>
        <translation>Check again</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="27"/>
        <source>&amp;Laga</source>
        <translation>&amp;Mend</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="27"/>
        <source>Laga</source>
        <translation>Mend</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="28"/>
        <source>Å&amp;terställ den skadade filen</source>
        <translation>&amp;Restore the damaged file</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="29"/>
        <source>Återställ den skadade filen</source>
        <translation>Restore the damaged file</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="30"/>
        <source>Ån&amp;gra lagningen</source>
        <translation>U&amp;ndo the mending</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="30"/>
        <source>Ångra lagningen</source>
        <translation>Undo the mending</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="45"/>
        <source>Lagningen kunde inte ångras: %1</source>
        <translation>The mending could not be undone: %1</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="94"/>
        <source>%1; en hel kopia finns i ögonblicksbilden från %2 (Säkerhetskopior)</source>
        <translation>%1; a sound copy is in the snapshot of %2 (Backups)</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="120"/>
        <source>ögonblicksbilden som nämns</source>
        <translation>the snapshot named</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="50"/>
        <source>Laga det som kan lagas?

Filerna som de är nu sparas först bland säkerhetskopiorna.</source>
        <translation>Mend what can be mended?

The files as they are now are kept among the backups first.</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="57"/>
        <source>Ingenting lagades: %1</source>
        <translation>Nothing was mended: %1</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="85"/>
        <source>lista %1</source>
        <translation>list %1</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="282"/>
        <location filename="CheckPage.cpp" line="97"/>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="282"/>
        <location filename="CheckPage.cpp" line="97"/>
        <source>nej</source>
        <translation>no</translation>
    </message>
    <message>
        <location filename="CheckPage.cpp" line="107"/>
        <source>Allt är i ordning i %1.</source>
        <translation>All is well in %1.</translation>
    </message>
    <message numerus="yes">
        <location filename="CheckPage.cpp" line="108"/>
        <source>Kontrollen hittade %n fel.</source>
        <translation>
            <numerusform>The check found %n fault.</numerusform>
            <numerusform>The check found %n faults.</numerusform>
        </translation>
    </message>
    <message>
        <location filename="Start.cpp" line="73"/>
        <source>Ge högst en fil att importera.</source>
        <translation>Give at most one file to import.</translation>
    </message>
    <message>
        <location filename="Start.cpp" line="79"/>
        <source>Okänd sida %1: ge import, export, backups, check eller progress</source>
        <translation>Unknown page %1: give import, export, backups, check or progress</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="115"/>
        <source>&amp;Avgränsare:</source>
        <translation>Se&amp;parator:</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="116"/>
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
        <location filename="ImportPage.cpp" line="157"/>
        <source>ja, den första raden hoppas över</source>
        <translation>yes, the first row is skipped</translation>
    </message>
    <message>
        <location filename="ImportPage.cpp" line="158"/>
        <source>nej, den första raden är ett par</source>
        <translation>no, the first row is a pair</translation>
    </message>
    <message>
        <location filename="Operations.cpp" line="158"/>
        <source>Några rader är inga par eller har ord som inte får plats i en ordlista. Välj vad som ska göras med dem här ovanför, eller rätta filen.</source>
        <translation>Some rows are not pairs or have words that do not fit a word list. Choose above what to do with them, or correct the file.</translation>
    </message>
    <message>
        <location filename="BackupsPage.cpp" line="132"/>
        <source>kan inte återställas: %1</source>
        <translation>cannot be restored: %1</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="52"/>
        <source>%1 (%2 gånger)</source>
        <translation>%1 (%2 times)</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="61"/>
        <source>Välj en provdag så planeras övningen fram till provet.</source>
        <translation>Choose a test day and the practice up to the test is planned.</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="64"/>
        <source>Provet är idag. Lycka till!</source>
        <translation>The test is today. Good luck!</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="67"/>
        <source>Provdagen har varit; listan övas som vanligt.</source>
        <translation>The test day has passed; the list is practised as usual.</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="70"/>
        <source>Idag: inget att öva för provet.</source>
        <translation>Today: nothing to practise for the test.</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="72"/>
        <source>Idag: repetera %1 ord och börja på %2 nya (Repetera dagens ord).</source>
        <translation>Today: review %1 words and start on %2 new ones (Review today&apos;s words).</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="90"/>
        <source>Skriv &amp;ut rapport…</source>
        <translation>&amp;Print report…</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="90"/>
        <source>Skriv ut rapport</source>
        <translation>Print report</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="91"/>
        <source>Repe&amp;tera dagens ord</source>
        <translation>Review &amp;today&apos;s words</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="91"/>
        <source>Repetera dagens ord</source>
        <translation>Review today&apos;s words</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="93"/>
        <source>Spr&amp;åk:</source>
        <translation>&amp;Language:</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="95"/>
        <source>Elevens &amp;namn:</source>
        <translation>Pupil&apos;s &amp;name:</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="100"/>
        <source>Listorna</source>
        <translation>The lists</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="101"/>
        <source>Par</source>
        <translation>Pairs</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="101"/>
        <source>Nya</source>
        <translation>New</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="102"/>
        <location filename="ProgressReport.cpp" line="66"/>
        <source>Lär sig</source>
        <translation>Learning</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="102"/>
        <location filename="ProgressReport.cpp" line="65"/>
        <source>Kan</source>
        <translation>Known</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="102"/>
        <source>Idag</source>
        <translation>Today</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="103"/>
        <location filename="ProgressReport.cpp" line="68"/>
        <source>Svåra</source>
        <translation>Hard</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="103"/>
        <location filename="ProgressReport.cpp" line="71"/>
        <source>Provdag</source>
        <translation>Test day</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="103"/>
        <source>Redo</source>
        <translation>Ready</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="114"/>
        <source>Sätt &amp;provdag</source>
        <translation>Set test &amp;day</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="114"/>
        <source>Sätt provdag</source>
        <translation>Set test day</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="115"/>
        <source>Ta bort provda&amp;g</source>
        <translation>Remove test da&amp;y</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="115"/>
        <source>Ta bort provdag</source>
        <translation>Remove test day</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="120"/>
        <source>Pro&amp;vdag för listan:</source>
        <translation>Test day &amp;for the list:</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="130"/>
        <source>Dagar som övats</source>
        <translation>Days practised</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="131"/>
        <source>Mån</source>
        <translation>Mon</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="131"/>
        <source>Tis</source>
        <translation>Tue</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="131"/>
        <source>Ons</source>
        <translation>Wed</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="131"/>
        <source>Tor</source>
        <translation>Thu</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="132"/>
        <source>Fre</source>
        <translation>Fri</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="132"/>
        <source>Lör</source>
        <translation>Sat</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="132"/>
        <source>Sön</source>
        <translation>Sun</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="140"/>
        <source>Dagar som övats:</source>
        <translation>Days practised:</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="145"/>
        <location filename="ProgressReport.cpp" line="77"/>
        <source>Svåra ord</source>
        <translation>Hard words</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="147"/>
        <location filename="ProgressCharts.cpp" line="49"/>
        <source>Fel</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="147"/>
        <location filename="ProgressReport.cpp" line="84"/>
        <source>Vanliga fel svar</source>
        <translation>Usual wrong answers</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="150"/>
        <source>Öva på &amp;dessa</source>
        <translation>Practise t&amp;hese</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="150"/>
        <source>Öva på dessa</source>
        <translation>Practise these</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="161"/>
        <source>Svåra ord:</source>
        <translation>Hard words:</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="195"/>
        <source>Framstegen kunde inte läsas: %1</source>
        <translation>The progress could not be read: %1</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="260"/>
        <source>Dagar i rad: %1</source>
        <translation>Days in a row: %1</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="293"/>
        <source>Redo för provet: %1</source>
        <translation>Ready for the test: %1</translation>
    </message>
    <message>
        <location filename="ProgressPage.cpp" line="308"/>
        <source>Provdagen kunde inte sparas: %1</source>
        <translation>The test day could not be saved: %1</translation>
    </message>
    <message>
        <location filename="ProgressCharts.cpp" line="48"/>
        <source>Rätt</source>
        <translation>Right</translation>
    </message>
    <message>
        <location filename="ProgressCharts.cpp" line="64"/>
        <source>Svar per dag, de senaste åtta veckorna</source>
        <translation>Answers per day, the last eight weeks</translation>
    </message>
    <message>
        <location filename="ProgressCharts.cpp" line="71"/>
        <source>Svar per dag, %1 – %2</source>
        <translation>Answers per day, %1 – %2</translation>
    </message>
    <message>
        <location filename="ProgressCharts.cpp" line="85"/>
        <source>Ord som kan</source>
        <translation>Words known</translation>
    </message>
    <message>
        <location filename="ProgressCharts.cpp" line="91"/>
        <source>Ord som kan, dag för dag</source>
        <translation>Words known, day by day</translation>
    </message>
    <message>
        <location filename="ProgressReport.cpp" line="57"/>
        <source>Framsteg i glosorna</source>
        <translation>Progress in the vocabulary</translation>
    </message>
    <message>
        <location filename="ProgressReport.cpp" line="59"/>
        <source>Elev:</source>
        <translation>Pupil:</translation>
    </message>
    <message>
        <location filename="ProgressReport.cpp" line="59"/>
        <source>Period:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <location filename="ProgressReport.cpp" line="60"/>
        <source>Lista:</source>
        <translation>List:</translation>
    </message>
    <message>
        <location filename="ProgressReport.cpp" line="64"/>
        <source>Ord i listan</source>
        <translation>Words in the list</translation>
    </message>
    <message>
        <location filename="ProgressReport.cpp" line="67"/>
        <source>Inte övade än</source>
        <translation>Not practised yet</translation>
    </message>
    <message>
        <location filename="ProgressReport.cpp" line="69"/>
        <source>Dagar övade</source>
        <translation>Days practised</translation>
    </message>
    <message>
        <location filename="ProgressReport.cpp" line="75"/>
        <source>Redo för provet</source>
        <translation>Ready for the test</translation>
    </message>
    <message>
        <location filename="ProgressReport.cpp" line="79"/>
        <source>Inga svåra ord.</source>
        <translation>No hard words.</translation>
    </message>
    <message>
        <location filename="ProgressReport.cpp" line="96"/>
        <source>Svar per dag</source>
        <translation>Answers per day</translation>
    </message>
    <message>
        <location filename="main.cpp" line="26"/>
        <source>Användning: ordlykta-ordlistor [--data MAPP] [--page SIDA] [FIL]</source>
        <translation>Usage: ordlykta-ordlistor [--data DIR] [--page PAGE] [FILE]</translation>
    </message>
</context>
</TS>

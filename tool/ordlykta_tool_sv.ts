<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>Tr</name>
    <message>
        <location filename="Tool.cpp" line="+19"/>
        <source>print the data folder</source>
        <translation>skriv ut datamappen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>list the languages; with --language its 98 lists, with --list that list&apos;s pairs</source>
        <translation>visa språken; med --language dess 98 listor, med --list listans par</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>write a language&apos;s lists (or one list) for another trainer, a spreadsheet or print; --exam makes a written test of the Swedish (or with --ask other the other) words, --shuffle in a random order</source>
        <translation>skriv ut ett språks listor (eller en lista) till ett annat övningsprogram, ett kalkylark eller för utskrift; --exam gör ett skriftligt prov på de svenska orden (eller med --ask other på de andra), --shuffle i slumpvis ordning</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>add the pairs of a KVTML, Anki text or CSV file, by default into the language the file names and a new list named after it; with --list N one list is appended to list N, several go to the empty lists from N on; pairs already there are left out</source>
        <translation>lägg till paren i en KVTML-, Anki-text- eller CSV-fil, som standard i det språk filen anger och en ny lista med filens namn; med --list N läggs en lista sist i lista N, flera hamnar i de tomma listorna från N och framåt; par som redan finns utelämnas</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>bring the data files back from a backup or the newest snapshot that can be restored; the files replaced go into a snapshot first</source>
        <translation>hämta tillbaka datafilerna från en säkerhetskopia eller den nyaste ögonblicksbild som kan återställas; filerna som ersätts sparas först i en ögonblicksbild</translation>
    </message>
    <message>
        <location line="+102"/>
        <source>Usage: ordlykta [--data DIR] | ordlykta COMMAND [options] | ordlykta --help</source>
        <translation>Användning: ordlykta [--data MAPP] | ordlykta KOMMANDO [flaggor] | ordlykta --help</translation>
    </message>
    <message>
        <location filename="commands/Options.cpp" line="+20"/>
        <source>Unknown option: %1</source>
        <translation>Okänd flagga: %1</translation>
    </message>
    <message>
        <location filename="Tool.cpp" line="+3"/>
        <source>Usage: ordlykta %1 %2</source>
        <translation>Användning: ordlykta %1 %2</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>ordlykta: a vocabulary trainer for Swedish-speaking learners.

  ordlykta [--data DIR]   start the program
  ordlykta --help | --version

Commands:
</source>
        <translation>ordlykta: en glosövare för svensktalande elever.

  ordlykta [--data MAPP]  starta programmet
  ordlykta --help | --version

Kommandon:
</translation>
    </message>
    <message>
        <location line="-56"/>
        <source>list the snapshots, newest first, with why each was taken</source>
        <translation>visa ögonblicksbilderna, den nyaste först, och varför var och en togs</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>start the program on today&apos;s words: the pairs due for review, asked as a quiz</source>
        <translation>starta programmet på dagens ord: paren som ska repeteras, förhörda som ett förhör</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>list the pairs due for review today, the least retrievable first; --json as a JSON array</source>
        <translation>visa paren som ska repeteras i dag, de mest glömda först; --json som en JSON-array</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>every answered pair with its schedule and every answer typed; --json as a JSON array, --format csv one row per answer</source>
        <translation>varje besvarat par med sitt schema och varje svar som skrivits; --json som en JSON-array, --format csv en rad per svar</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>per list: pairs, new, learning, known, due today and hard, the test day and how ready the list is, the hard words with the wrong answers typed most often</source>
        <translation>per lista: par, nya, som lärs in, kända, att repetera i dag och svåra, provdagen och hur redo listan är, de svåra orden med de felsvar som skrivits oftast</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>set a list&apos;s test day: until then the list is practised so that it is known on that day; --clear takes it away</source>
        <translation>sätt en listas provdag: fram till dess övas listan så att den kan den dagen; --clear tar bort den</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="commands/Options.cpp" line="+11"/>
        <source>for example</source>
        <translation>till exempel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>
The words are kept in the data folder: --data DIR, else %1.
Removing the package keeps them; to remove them too, delete that folder.
</source>
        <translation>
Orden sparas i datamappen: --data MAPP, annars %1.
De finns kvar när paketet tas bort; ta bort den mappen om du vill bli av med dem också.
</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Unknown command: %1</source>
        <translation>Okänt kommando: %1</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>ordlykta: out of memory
</source>
        <translation>ordlykta: minnet räcker inte
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ordlykta: internal error: %1
</source>
        <translation>ordlykta: internt fel: %1
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ordlykta: internal error
</source>
        <translation>ordlykta: internt fel
</translation>
    </message>
    <message>
        <location filename="commands/Options.cpp" line="+5"/>
        <source>Unexpected argument: %1</source>
        <translation>Oväntat argument: %1</translation>
    </message>
    <message>
        <location filename="commands/Start.cpp" line="+92"/>
        <source>ordlykta: cannot use the data folder %1
</source>
        <translation>ordlykta: kan inte använda datamappen %1
</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>ordlykta: cannot start %1: %2
</source>
        <translation>ordlykta: kan inte starta %1: %2
</translation>
    </message>
    <message>
        <location filename="formats/Delimited.cpp" line="+34"/>
        <source>line %1: more than %2 fields in a row</source>
        <translation>rad %1: fler än %2 fält på en rad</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>line %1: a quoted field is not closed</source>
        <translation>rad %1: ett fält inom citattecken avslutas aldrig</translation>
    </message>
    <message>
        <location filename="formats/TextRows.cpp" line="+187"/>
        <source>the separator cannot be told: neither comma, semicolon nor tab gives two fields on most rows; give --separator , or ; or tab</source>
        <translation>avgränsaren går inte att avgöra: varken komma, semikolon eller tabb ger två fält på de flesta rader; ange --separator , eller ; eller tab</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the separator cannot be told: %1 split the rows equally well; give --separator , or ; or tab</source>
        <translation>avgränsaren går inte att avgöra: %1 delar raderna lika bra; ange --separator , eller ; eller tab</translation>
    </message>
    <message>
        <location line="+42"/>
        <location filename="formats/Delimited.cpp" line="+55"/>
        <source>line %1: more rows than a language has room for</source>
        <translation>rad %1: fler rader än ett språk har plats för</translation>
    </message>
    <message>
        <location filename="commands/Export.cpp" line="+25"/>
        <source>export needs --language and --format</source>
        <translation>export behöver --language och --format</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Unknown format %1: give kvtml, anki, csv or html</source>
        <translation>Okänt format %1: ange kvtml, anki, csv eller html</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--exam goes with --format html</source>
        <translation>--exam hör ihop med --format html</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--ask swedish|other goes with --exam</source>
        <translation>--ask swedish|other hör ihop med --exam</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--shuffle goes with --exam</source>
        <translation>--shuffle hör ihop med --exam</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>the output could not be written</source>
        <translation>utdata kunde inte skrivas</translation>
    </message>
    <message>
        <location filename="Base.cpp" line="+18"/>
        <source>%1: no such file</source>
        <translation>%1: filen finns inte</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="DataFiles.cpp" line="+36"/>
        <source>%1: not a regular file</source>
        <translation>%1: inte en vanlig fil</translation>
    </message>
    <message>
        <location filename="import/Importing.cpp" line="+24"/>
        <source>%1: larger than 16 MB, too large for word lists</source>
        <translation>%1: större än 16 MB, för stor för ordlistor</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is a spreadsheet, not text: save it as CSV from your spreadsheet program (File &gt; Save as, file type CSV), then import that file</source>
        <translation>%1 är ett kalkylark, inte text: spara det som CSV i ditt kalkylprogram (Arkiv &gt; Spara som, filtyp CSV) och importera sedan den filen</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>nothing was imported: the plan leaves rows that are not pairs or words that do not fit</source>
        <translation>ingenting importerades: planen lämnar kvar rader som inte är par eller ord som inte får plats</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>nothing was imported: the words of language %1 changed since the import was planned; import again</source>
        <translation>ingenting importerades: orden i språk %1 har ändrats sedan importen planerades; importera igen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>nothing was imported: the files as they are cannot be kept in a snapshot first: %1</source>
        <translation>ingenting importerades: filerna kan inte först sparas i en ögonblicksbild: %1</translation>
    </message>
    <message>
        <location filename="Base.cpp" line="+6"/>
        <location filename="DataFiles.cpp" line="+7"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan inte läsas: %2</translation>
    </message>
    <message>
        <location filename="formats/Formats.cpp" line="+28"/>
        <source>KVTML (KWordQuiz, Parley)</source>
        <translation>KVTML (KWordQuiz, Parley)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>KVTML (*.kvtml)</source>
        <translation>KVTML (*.kvtml)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Anki text</source>
        <translation>Anki-text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Anki text (*.txt)</source>
        <translation>Anki-text (*.txt)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>CSV (spreadsheet)</source>
        <translation>CSV (kalkylblad)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>List to print</source>
        <translation>Lista att skriva ut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Web page (*.html)</source>
        <translation>Webbsida (*.html)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Exam sheet</source>
        <translation>Prov</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>html is written, never read</source>
        <translation>html kan bara skrivas, aldrig läsas</translation>
    </message>
    <message>
        <location filename="commands/Import.cpp" line="+21"/>
        <source>format: %1, encoding: %2</source>
        <translation>format: %1, teckenkodning: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, separator: %1</source>
        <translation>, avgränsare: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Swedish words: translation %1, other words: translation %2
</source>
        <translation>svenska ord: översättning %1, andra ord: översättning %2
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Swedish words: column %1, other words: column %2</source>
        <translation>svenska ord: kolumn %1, andra ord: kolumn %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>, list: column %1</source>
        <translation>, lista: kolumn %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>, no list column</source>
        <translation>, ingen listkolumn</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the first row is a header and was skipped
</source>
        <translation>första raden är en rubrikrad och hoppades över
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no header row
</source>
        <translation>ingen rubrikrad
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>fields read as HTML
</source>
        <translation>fälten lästes som HTML
</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>language %1 &quot;%2&quot; to be named &quot;%3&quot;</source>
        <translation>språk %1 &quot;%2&quot; får namnet &quot;%3&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>language %1 &quot;%2&quot; named &quot;%3&quot;</source>
        <translation>språk %1 &quot;%2&quot; fick namnet &quot;%3&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>language %1 &quot;%2&quot;</source>
        <translation>språk %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>list %2 &quot;%3&quot;: %1 to add, %4 in all</source>
        <translation>lista %2 &quot;%3&quot;: %1 att lägga till, %4 totalt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>list %2 &quot;%3&quot;: %1 added, %4 in all</source>
        <translation>lista %2 &quot;%3&quot;: %1 tillagda, %4 totalt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Words cut to 30 characters:</source>
        <translation>Ord som kortats till 30 tecken:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left out:</source>
        <translation>Utelämnat:</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n pair(s) already there, left out</source>
        <translation>
            <numerusform>%n par fanns redan, utelämnat</numerusform>
            <numerusform>%n par fanns redan, utelämnade</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n empty row(s) passed over</source>
        <translation>
            <numerusform>%n tom rad hoppades över</numerusform>
            <numerusform>%n tomma rader hoppades över</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>nothing to import: every pair of %1 is in list %2 already
</source>
        <translation>inget att importera: alla par i %1 finns redan i lista %2
</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>import needs FILE</source>
        <translation>import behöver FIL</translation>
    </message>
    <message>
        <location filename="formats/TextRows.cpp" line="+30"/>
        <location filename="commands/Import.cpp" line="-22"/>
        <source>unknown separator: %1; give , or ; or tab</source>
        <translation>okänd avgränsare: %1; ange , eller ; eller tab</translation>
    </message>
    <message>
        <location filename="commands/Import.cpp" line="+43"/>
        <source>give --header or --no-header, not both</source>
        <translation>ange --header eller --no-header, inte båda</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the file names no language of the folder and none is free; give --language 1, 2, 3 or one of %1, %2, %3</source>
        <translation>filen namnger inget av mappens språk och inget språk är ledigt; ange --language 1, 2, 3 eller ett av %1, %2, %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>nothing was imported: these rows are not pairs or hold words that do not fit a word list (--skip-bad-rows leaves rows that are not pairs out, --skip-unsupported pairs with characters a word list cannot hold, --cut cuts long words to 30 characters)</source>
        <translation>ingenting importerades: de här raderna är inte par eller innehåller ord som inte passar i en ordlista (--skip-bad-rows utelämnar rader som inte är par, --skip-unsupported par med tecken som en ordlista inte kan lagra, --cut kortar långa ord till 30 tecken)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the files as they were are in %1; to undo the import: ordlykta restore --latest --data %2
</source>
        <translation>filerna som de var finns i %1; för att ångra importen: ordlykta restore --latest --data %2
</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>Unknown format %1: give kvtml, anki or csv</source>
        <translation>Okänt format %1: ange kvtml, anki eller csv</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--swedish-column needs a column number from 1</source>
        <translation>--swedish-column behöver ett kolumnnummer från 1</translation>
    </message>
    <message>
        <location filename="import/Importing.cpp" line="-61"/>
        <source>%1 holds no pairs to import</source>
        <translation>%1 innehåller inga par att importera</translation>
    </message>
    <message>
        <location filename="formats/Encodings.cpp" line="+99"/>
        <source>line %1 is not %2 text</source>
        <translation>rad %1 är inte %2-text</translation>
    </message>
    <message>
        <location filename="import/ImportPlan.cpp" line="+45"/>
        <source>one field, not a pair</source>
        <translation>ett fält, inget par</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>a side is empty</source>
        <translation>en sida är tom</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>&quot;%1&quot; holds %2, which a word list cannot hold</source>
        <translation>&quot;%1&quot; innehåller %2, som en ordlista inte kan lagra</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (if tabs part the fields, give --separator tab)</source>
        <translation> (om tabbar skiljer fälten åt, ange --separator tab)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&quot;%1&quot; is %2 characters long; 30 fit</source>
        <translation>&quot;%1&quot; är %2 tecken långt; 30 får plats</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&quot;%1&quot; was cut to &quot;%2&quot;</source>
        <translation>&quot;%1&quot; kortades till &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>already in list %1</source>
        <translation>fanns redan i lista %1</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>list name &quot;%1&quot; is written as &quot;%2&quot;</source>
        <translation>listnamnet &quot;%1&quot; skrivs som &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>no list is empty; choose a list to add the pairs to</source>
        <translation>ingen lista är tom; välj en lista att lägga till paren i</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>not enough empty lists: %1 needed from list %2 on, %3 there</source>
        <translation>för få tomma listor: %1 behövs från lista %2 och framåt, där finns %3</translation>
    </message>
    <message>
        <location filename="formats/Kvtml.cpp" line="+66"/>
        <source>not a KVTML file</source>
        <translation>inte en KVTML-fil</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>KVTML 1 is not read; save the file as KVTML 2</source>
        <translation>KVTML 1 läses inte; spara filen som KVTML 2</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>the lesson &quot;%1&quot; names the entry &quot;%2&quot;, which the file does not hold</source>
        <translation>lektionen &quot;%1&quot; nämner posten &quot;%2&quot;, som inte finns i filen</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>elements nested too deeply</source>
        <translation>elementen ligger i för många nivåer</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>more than %1 languages</source>
        <translation>fler än %1 språk</translation>
    </message>
    <message>
        <location line="-49"/>
        <location filename="formats/Anki.cpp" line="+63"/>
        <location filename="import/ImportPlan.cpp" line="-102"/>
        <source>line %1: %2</source>
        <translation>rad %1: %2</translation>
    </message>
    <message>
        <location line="+66"/>
        <location line="+18"/>
        <source>more entries than a language has room for</source>
        <translation>fler poster än ett språk har plats för</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>lessons nested too deeply</source>
        <translation>lektionerna ligger i för många nivåer</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>a second entry with the id &quot;%1&quot;</source>
        <translation>en andra post med id &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="Output.cpp" line="+14"/>
        <location filename="backup/Recovery.cpp" line="+77"/>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kan inte skrivas: %2</translation>
    </message>
    <message>
        <location filename="commands/Show.cpp" line="+28"/>
        <location filename="commands/History.cpp" line="+43"/>
        <source>--list needs --language</source>
        <translation>--list behöver --language</translation>
    </message>
    <message>
        <location filename="Words.cpp" line="+32"/>
        <source>%1; &quot;ordlykta check&quot; tells how to mend it</source>
        <translation>%1; &quot;ordlykta check&quot; talar om hur den lagas</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No language %1: give 1, 2, 3 or one of %2, %3, %4</source>
        <translation>Inget språk %1: ange 1, 2, 3 eller något av %2, %3, %4</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>No list %1: give 1 to 98 or a list&apos;s name</source>
        <translation>Ingen lista %1: ange 1 till 98 eller en listas namn</translation>
    </message>
    <message>
        <location filename="backup/Archive.cpp" line="+100"/>
        <source>%1: its manifest %2 is damaged</source>
        <translation>%1: dess innehållsförteckning %2 är skadad</translation>
    </message>
    <message>
        <location filename="DataFiles.cpp" line="+3"/>
        <source>%1 has %2 bytes, far more than a data file of ordlykta</source>
        <translation>%1 har %2 byte, långt mer än en datafil för ordlykta</translation>
    </message>
    <message>
        <location filename="backup/Archive.cpp" line="+72"/>
        <source>%1 is not a gzip-compressed tar archive</source>
        <translation>%1 är inte ett gzip-komprimerat tar-arkiv</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is damaged: its compressed data is cut short, altered or too large (the gzip checksum or length does not match)</source>
        <translation>%1 är skadad: dess komprimerade data är avkortade, ändrade eller för stora (gzip-kontrollsumman eller längden stämmer inte)</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>%1: larger than %2 MB, too large for a backup</source>
        <translation>%1: större än %2 MB, för stor för en säkerhetskopia</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 holds %2, which is not a data file of ordlykta (agen.dat, bu1.dat, bu2.dat, bu3.dat, ordlykta.db, without folders)</source>
        <translation>%1 innehåller %2, som inte är någon datafil för ordlykta (agen.dat, bu1.dat, bu2.dat, bu3.dat, ordlykta.db, utan mappar)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2 is a link or a device, not a plain file</source>
        <translation>%1: %2 är en länk eller en enhet, ingen vanlig fil</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 holds %2 twice</source>
        <translation>%1 innehåller %2 två gånger</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2 has %3 bytes, not %4</source>
        <translation>%1: %2 har %3 byte, inte %4</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 has %2 bytes, not %3</source>
        <translation>%1 har %2 byte, inte %3</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 is named in the manifest but missing</source>
        <translation>%1 står i innehållsförteckningen men saknas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not what was backed up (its SHA-256 differs from the manifest)</source>
        <translation>%1 är inte det som säkerhetskopierades (dess SHA-256 skiljer sig från innehållsförteckningen)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is not in the manifest</source>
        <translation>%1 står inte i innehållsförteckningen</translation>
    </message>
    <message>
        <location line="-16"/>
        <source>%1 holds no data files</source>
        <translation>%1 innehåller inga datafiler</translation>
    </message>
    <message>
        <location filename="backup/Snapshots.cpp" line="+105"/>
        <source>the folder %1 cannot be made</source>
        <translation>mappen %1 kan inte skapas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>another snapshot is being taken in %1</source>
        <translation>en annan ögonblicksbild tas just nu i %1</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>at start</source>
        <translation>vid start</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>before import of %1</source>
        <translation>före import av %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>before restore</source>
        <translation>före återställning</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>before repair</source>
        <translation>före lagning</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>before undoing the import of %1</source>
        <translation>före ångrad import av %1</translation>
    </message>
    <message>
        <location filename="backup/Locking.cpp" line="+16"/>
        <source>something else than a folder is there</source>
        <translation>där finns något annat än en mapp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the folder %1 cannot be made: %2</source>
        <translation>mappen %1 kan inte skapas: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ordlykta is running in %1; end it first, then %2</source>
        <translation>ordlykta körs i %1; avsluta programmet först och kör sedan %2</translation>
    </message>
    <message>
        <location filename="commands/Backup.cpp" line="+34"/>
        <source>%1 exists already; name another file with --output</source>
        <translation>%1 finns redan; ange en annan fil med --output</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>%1 holds no data files to back up</source>
        <translation>%1 innehåller inga datafiler att säkerhetskopiera</translation>
    </message>
    <message>
        <location filename="commands/Backups.cpp" line="+16"/>
        <source>cannot be restored: %1</source>
        <translation>kan inte återställas: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>as the folder is now</source>
        <translation>som mappen är nu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>differs in %1</source>
        <translation>skiljer sig i %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <location filename="commands/Restore.cpp" line="+20"/>
        <source>give either an archive or --latest</source>
        <translation>ange antingen ett arkiv eller --latest</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>passed over %1
</source>
        <translation>hoppade över %1
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 are as in %2 already; nothing was written
</source>
        <translation>%1 är redan som i %2; ingenting skrevs
</translation>
    </message>
    <message>
        <location filename="backup/Recovery.cpp" line="-51"/>
        <source>it holds no %1</source>
        <translation>den innehåller ingen %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 is damaged (%2); --force restores it all the same</source>
        <translation>%1 är skadad (%2); --force återställer den ändå</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1: an interrupted change cannot be undone or finished: %2</source>
        <translation>%1: en avbruten ändring kan inte ångras eller slutföras: %2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1 cannot be removed: %2</source>
        <translation>%1 kan inte tas bort: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not a data file of ordlykta (agen.dat, bu1.dat, bu2.dat, bu3.dat, ordlykta.db)</source>
        <translation>%1 är ingen datafil för ordlykta (agen.dat, bu1.dat, bu2.dat, bu3.dat, ordlykta.db)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 holds no snapshots</source>
        <translation>%1 innehåller inga ögonblicksbilder</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 cannot be restored: %2</source>
        <translation>%1 kan inte återställas: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>no snapshot can be restored:
%1</source>
        <translation>ingen ögonblicksbild kan återställas:
%1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>nothing was restored: the files as they are cannot be kept in a snapshot first: %1</source>
        <translation>ingenting återställdes: filerna kan inte först sparas i en ögonblicksbild: %1</translation>
    </message>
    <message>
        <location filename="commands/Restore.cpp" line="+7"/>
        <source>the files as they were are in %1
</source>
        <translation>filerna som de var finns i %1
</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>restored %1 from %2
</source>
        <translation>återställde %1 från %2
</translation>
    </message>
    <message>
        <location filename="backup/Repair.cpp" line="+141"/>
        <source>, language %1</source>
        <translation>, språk %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, list %1</source>
        <translation>, lista %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, pair %1</source>
        <translation>, par %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the Swedish word</source>
        <translation>det svenska ordet</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the other word</source>
        <translation>det andra ordet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the list&apos;s name</source>
        <translation>listans namn</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the list&apos;s second text</source>
        <translation>listans andra text</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the language&apos;s name</source>
        <translation>språkets namn</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 bytes instead of %2</source>
        <translation>%1 byte i stället för %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the list counts %1 pairs, outside 0 to 99</source>
        <translation>listan räknar %1 par, utanför 0 till 99</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the length byte of %1 is %2, above 30</source>
        <translation>längdbyten för %1 är %2, över 30</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the current language is %1, outside 1 to 3</source>
        <translation>valt språk är %1, utanför 1 till 3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the current list is %1, outside 1 to 98</source>
        <translation>vald lista är %1, utanför 1 till 98</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 begins or ends with a space, so that a right answer counts as wrong</source>
        <translation>%1 börjar eller slutar med ett mellanslag, så att ett rätt svar räknas som fel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the same Swedish word as pair %1</source>
        <translation>samma svenska ord som par %1</translation>
    </message>
    <message>
        <location filename="commands/Check.cpp" line="+33"/>
        <source>%1 cannot be mended, and no snapshot holds a sound copy of it; restore it from a backup of your own with: ordlykta restore BACKUP --only %1 --data %2
</source>
        <translation>%1 kan inte lagas, och ingen ögonblicksbild har en hel kopia av den; återställ den från en egen säkerhetskopia med: ordlykta restore KOPIA --only %1 --data %2
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 cannot be mended; the newest sound copy is in %2. Restore it with: ordlykta restore %2 --only %1 --data %3
</source>
        <translation>%1 kan inte lagas; den nyaste hela kopian finns i %2. Återställ den med: ordlykta restore %2 --only %1 --data %3
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1: a rollback journal that does not fit its file (another file, size or place), left alone
</source>
        <translation>%1: en återställningsjournal som inte passar sin fil (en annan fil, storlek eller plats), lämnas orörd
</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1: answers the program set aside as damaged; kept for you to look at, no longer counted
</source>
        <translation>%1: svar som programmet lagt undan som skadade; sparas så att du kan titta på dem, räknas inte längre
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: all is well
</source>
        <translation>%1: allt är i ordning
</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mended %1; the files as they were are in %2
</source>
        <translation>lagade %1; filerna som de var finns i %2
</translation>
    </message>
    <message>
        <location filename="commands/Start.cpp" line="-88"/>
        <source>ordlykta: no snapshot was taken (%1); starting all the same
</source>
        <translation>ordlykta: ingen ögonblicksbild togs (%1); programmet startar ändå
</translation>
    </message>
    <message>
        <location filename="Tool.cpp" line="-156"/>
        <source>write the data files into one .tar.gz (by default ordlykta-DATE-TIME.tar.gz in the current folder)</source>
        <translation>skriv datafilerna till en .tar.gz (som standard ordlykta-DATUM-TID.tar.gz i aktuell mapp)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>look for damage in the data files; --fix mends what can be mended without changing what the program shows</source>
        <translation>leta efter skador i datafilerna; --fix lagar det som går att laga utan att ändra det programmet visar</translation>
    </message>
    <message>
        <location filename="formats/TextRows.cpp" line="-70"/>
        <source> and </source>
        <translation> och </translation>
    </message>
    <message>
        <location filename="formats/Encodings.cpp" line="-24"/>
        <source>the encoding %1 is not known</source>
        <translation>teckenkodningen %1 är okänd</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>line %1 is not %2 text, as the file says it is</source>
        <translation>rad %1 är inte %2-text, som filen säger att den är</translation>
    </message>
    <message>
        <location filename="Tool.cpp" line="+5"/>
        <source>open the word lists&apos; window: import (FILE, when given), export and print, backups, check, progress</source>
        <oldsource>open the word lists&apos; window: import (FILE, when given), export and print, backups, check</oldsource>
        <translation>öppna Ordlykta ordlistor: import (FILE, om den ges), export och utskrift, säkerhetskopior, kontroll, framsteg</translation>
    </message>
    <message>
        <location filename="commands/Window.cpp" line="+58"/>
        <source>cannot start %1: %2</source>
        <translation>kan inte starta %1: %2</translation>
    </message>
    <message>
        <location filename="import/Undo.cpp" line="+83"/>
        <source>%1 is named &quot;%2&quot;, was &quot;%3&quot;</source>
        <translation>%1 heter &quot;%2&quot;, hette &quot;%3&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: &quot;%2&quot; added</source>
        <translation>%1: &quot;%2&quot; tillagt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: &quot;%2&quot; removed</source>
        <translation>%1: &quot;%2&quot; borttaget</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: the order of the pairs changed</source>
        <translation>%1: parens ordning har ändrats</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>list %1 &quot;%2&quot;</source>
        <translation>lista %1 &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>the word list of language %1 is missing or damaged</source>
        <translation>ordlistan för språk %1 saknas eller är skadad</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>language %1 is named &quot;%2&quot;, was &quot;%3&quot;</source>
        <translation>språk %1 heter &quot;%2&quot;, hette &quot;%3&quot;</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the import cannot be taken back alone; since it:
  %1</source>
        <translation>importen kan inte ångras ensam; sedan den:
  %1</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>language %1 is named &quot;%2&quot;, would be &quot;%3&quot;</source>
        <translation>språk %1 heter &quot;%2&quot;, skulle heta &quot;%3&quot;</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 would be named &quot;%2&quot;</source>
        <translation>%1 skulle heta &quot;%2&quot;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: &quot;%2&quot; would be lost</source>
        <translation>%1: &quot;%2&quot; skulle gå förlorat</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the answers and test days recorded since the snapshot (%1) would be lost</source>
        <translation>svaren och provdagarna som sparats sedan ögonblicksbilden (%1) skulle gå förlorade</translation>
    </message>
    <message>
        <location filename="commands/Learned.cpp" line="+27"/>
        <location filename="commands/Progress.cpp" line="+22"/>
        <source>ordlykta: the answers database %1 cannot be read: %2</source>
        <translation>ordlykta: svarsdatabasen %1 kan inte läsas: %2</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>%1 cannot be read (%2); the program sets it aside and begins a new one at the next answer</source>
        <translation>%1 kan inte läsas (%2); programmet lägger den åt sidan och börjar en ny vid nästa svar</translation>
    </message>
    <message>
        <location filename="commands/Due.cpp" line="+32"/>
        <source>Nothing is due: no pair has been answered yet.
</source>
        <translation>Inget att repetera: inget par har besvarats än.
</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing is due today; the next pair is due on %1.
</source>
        <translation>Inget att repetera i dag; nästa par ska repeteras %1.
</translation>
    </message>
    <message>
        <location filename="commands/History.cpp" line="-6"/>
        <source>--format takes csv</source>
        <translation>--format tar csv</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>--json and --format csv exclude each other</source>
        <translation>--json och --format csv utesluter varandra</translation>
    </message>
    <message>
        <location filename="commands/Progress.cpp" line="+38"/>
        <source>%1, list %2 (%3): %4 pairs, %5 new, %6 learning, %7 known, %8 due, %9 hard</source>
        <translation>%1, lista %2 (%3): %4 par, %5 nya, %6 lärs in, %7 kända, %8 att repetera, %9 svåra</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>; test on %1</source>
        <translation>; prov %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, ready %1 %</source>
        <translation>, redo %1 %</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>No list holds pairs.
</source>
        <translation>Ingen lista har några par.
</translation>
    </message>
    <message>
        <location filename="commands/TestDay.cpp" line="+17"/>
        <source>The test day cannot be kept: %1</source>
        <translation>Provdagen kan inte sparas: %1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Give --language, --list and either --date or --clear</source>
        <translation>Ange --language, --list och antingen --date eller --clear</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Not a date: %1 (give YYYY-MM-DD)</source>
        <translation>Inte ett datum: %1 (ange ÅÅÅÅ-MM-DD)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 has passed; a test day is today or later</source>
        <translation>%1 har varit; en provdag är i dag eller senare</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>List %1 (%2) of %3 has no test day.
</source>
        <translation>Lista %1 (%2) i %3 har ingen provdag.
</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>List %1 (%2) of %3: test on %4.
</source>
        <translation>Lista %1 (%2) i %3: prov %4.
</translation>
    </message>
    <message>
        <location filename="backup/Answers.cpp" line="+59"/>
        <source>%1 cannot be checked: no room for a copy</source>
        <translation>%1 kan inte kontrolleras: ingen plats för en kopia</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>%1 cannot be removed</source>
        <translation>%1 kan inte tas bort</translation>
    </message>
</context>
</TS>

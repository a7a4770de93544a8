<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>Tr</name>
    <message>
        <location filename="Tool.cpp" line="17" />
        <source>print the data folder</source>
        <translation>skriv ut datamappen</translation>
    </message>
    <message>
        <location filename="Tool.cpp" line="32" />
        <source>Usage: ordlykta [--data DIR] | ordlykta COMMAND [options] | ordlykta --help</source>
        <translation>Användning: ordlykta [--data MAPP] | ordlykta KOMMANDO [flaggor] | ordlykta --help</translation>
    </message>
    <message>
        <location filename="Tool.cpp" line="34" />
        <location filename="Options.cpp" line="19" />
        <source>Usage: ordlykta %1 %2</source>
        <translation>Användning: ordlykta %1 %2</translation>
    </message>
    <message>
        <location filename="Tool.cpp" line="39" />
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
        <location filename="Tool.cpp" line="46" />
        <location filename="Options.cpp" line="22" />
        <source>for example</source>
        <translation>till exempel</translation>
    </message>
    <message>
        <location filename="Tool.cpp" line="49" />
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
        <location filename="Tool.cpp" line="65" />
        <source>Unknown command: %1</source>
        <translation>Okänt kommando: %1</translation>
    </message>
    <message>
        <location filename="Tool.cpp" line="110" />
        <source>ordlykta: out of memory
</source>
        <translation>ordlykta: minnet räcker inte
</translation>
    </message>
    <message>
        <location filename="Options.cpp" line="28" />
        <source>Unexpected argument: %1</source>
        <translation>Oväntat argument: %1</translation>
    </message>
    <message>
        <location filename="Start.cpp" line="31" />
        <source>ordlykta: cannot use the data folder %1
</source>
        <translation>ordlykta: kan inte använda datamappen %1
</translation>
    </message>
    <message>
        <location filename="Start.cpp" line="38" />
        <source>ordlykta: cannot start %1: %2
</source>
        <translation>ordlykta: kan inte starta %1: %2
</translation>
    </message>
    <message>
        <location filename="Archive.cpp" line="54" />
        <source>%1 cannot be read: %2</source>
        <translation>%1 kan inte läsas: %2</translation>
    </message>
    <message>
        <location filename="Archive.cpp" line="57" />
        <source>%1 has %2 bytes, far more than a data file of ordlykta</source>
        <translation>%1 har %2 byte, långt mer än en datafil för ordlykta</translation>
    </message>
    <message>
        <location filename="Archive.cpp" line="98" />
        <source>%1: no such file</source>
        <translation>%1: filen finns inte</translation>
    </message>
    <message>
        <location filename="Archive.cpp" line="101" />
        <source>%1: not a regular file</source>
        <translation>%1: ingen vanlig fil</translation>
    </message>
    <message>
        <location filename="Archive.cpp" line="104" />
        <source>%1: larger than 4 MB, too large for a backup</source>
        <translation>%1: större än 4 MB, för stor för en säkerhetskopia</translation>
    </message>
    <message>
        <location filename="Archive.cpp" line="107" />
        <source>%1 is not a gzip-compressed tar archive</source>
        <translation>%1 är inte ett gzip-komprimerat tar-arkiv</translation>
    </message>
    <message>
        <location filename="Archive.cpp" line="126" />
        <source>%1 holds %2, which is not a data file of ordlykta (agen.dat, bu1.dat, bu2.dat, bu3.dat, without folders)</source>
        <translation>%1 innehåller %2, som inte är någon datafil för ordlykta (agen.dat, bu1.dat, bu2.dat, bu3.dat, utan mappar)</translation>
    </message>
    <message>
        <location filename="Archive.cpp" line="131" />
        <source>%1: %2 is a link or a device, not a plain file</source>
        <translation>%1: %2 är en länk eller en enhet, ingen vanlig fil</translation>
    </message>
    <message>
        <location filename="Archive.cpp" line="134" />
        <source>%1 holds %2 twice</source>
        <translation>%1 innehåller %2 två gånger</translation>
    </message>
    <message>
        <location filename="Archive.cpp" line="139" />
        <source>%1: %2 has %3 bytes, not %4</source>
        <translation>%1: %2 har %3 byte, inte %4</translation>
    </message>
    <message>
        <location filename="Archive.cpp" line="143" />
        <source>%1 holds more than 4 MB</source>
        <translation>%1 innehåller mer än 4 MB</translation>
    </message>
    <message>
        <location filename="Archive.cpp" line="155" />
        <source>%1 holds no data files</source>
        <translation>%1 innehåller inga datafiler</translation>
    </message>
    <message>
        <location filename="Snapshots.cpp" line="77" />
        <location filename="Locking.cpp" line="11" />
        <source>the folder %1 cannot be made</source>
        <translation>mappen %1 kan inte skapas</translation>
    </message>
    <message>
        <location filename="Locking.cpp" line="16" />
        <source>ordlykta is running in %1; end it first, then %2</source>
        <translation>ordlykta körs i %1; avsluta programmet först och kör sedan %2</translation>
    </message>
    <message>
        <location filename="Backup.cpp" line="22" />
        <source>%1 exists already; name another file with --output</source>
        <translation>%1 finns redan; ange en annan fil med --output</translation>
    </message>
    <message>
        <location filename="Backup.cpp" line="25" />
        <source>%1 holds no data files to back up</source>
        <translation>%1 innehåller inga datafiler att säkerhetskopiera</translation>
    </message>
    <message>
        <location filename="Backups.cpp" line="22" />
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <location filename="Restore.cpp" line="23" />
        <source>give either an archive or --latest</source>
        <translation>ange antingen ett arkiv eller --latest</translation>
    </message>
    <message>
        <location filename="Restore.cpp" line="32" />
        <source>%1 holds no snapshots</source>
        <translation>%1 innehåller inga ögonblicksbilder</translation>
    </message>
    <message>
        <location filename="Restore.cpp" line="44" />
        <source>nothing was restored: the files as they are cannot be kept in a snapshot first: %1</source>
        <translation>ingenting återställdes: filerna kan inte först sparas i en ögonblicksbild: %1</translation>
    </message>
    <message>
        <location filename="Restore.cpp" line="49" />
        <source>the files as they were are in %1
</source>
        <translation>filerna som de var finns i %1
</translation>
    </message>
    <message>
        <location filename="Restore.cpp" line="60" />
        <source>restored %1 from %2
</source>
        <translation>återställde %1 från %2
</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="15" />
        <source>, language %1</source>
        <translation>, språk %1</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="18" />
        <source>, list %1</source>
        <translation>, lista %1</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="21" />
        <source>, pair %1</source>
        <translation>, ordpar %1</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="27" />
        <source>the Swedish word</source>
        <translation>det svenska ordet</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="27" />
        <source>the other word</source>
        <translation>det andra ordet</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="30" />
        <source>the list's name</source>
        <translation>listans namn</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="30" />
        <source>the list's second text</source>
        <translation>listans andra text</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="31" />
        <source>the language's name</source>
        <translation>språkets namn</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="34" />
        <source>%1 bytes instead of %2</source>
        <translation>%1 byte i stället för %2</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="38" />
        <source>the list counts %1 pairs, outside 0 to 99</source>
        <translation>listan räknar %1 ordpar, utanför 0 till 99</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="40" />
        <source>the length byte of %1 is %2, above 30</source>
        <translation>längdbyten för %1 är %2, över 30</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="42" />
        <source>the current language is %1, outside 1 to 3</source>
        <translation>valt språk är %1, utanför 1 till 3</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="44" />
        <source>the current list is %1, outside 1 to 98</source>
        <translation>vald lista är %1, utanför 1 till 98</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="46" />
        <source>%1 begins or ends with a space, so that a right answer counts as wrong</source>
        <translation>%1 börjar eller slutar med ett mellanslag, så att ett rätt svar räknas som fel</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="51" />
        <source>the same Swedish word as pair %1</source>
        <translation>samma svenska ord som ordpar %1</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="83" />
        <source>%1: all is well
</source>
        <translation>%1: allt är i ordning
</translation>
    </message>
    <message>
        <location filename="Check.cpp" line="99" />
        <source>mended %1; the files as they were are in %2
</source>
        <translation>lagade %1; filerna som de var finns i %2
</translation>
    </message>
    <message>
        <location filename="Start.cpp" line="28" />
        <source>ordlykta: no snapshot was taken (%1); starting all the same
</source>
        <translation>ordlykta: ingen ögonblicksbild togs (%1); programmet startar ändå
</translation>
    </message>
    <message>
        <location filename="Tool.cpp" line="40" />
        <source>write the data files into one .tar.gz (by default ordlykta-DATE-TIME.tar.gz in the current folder)</source>
        <translation>skriv datafilerna till en .tar.gz (som standard ordlykta-DATUM-TID.tar.gz i aktuell mapp)</translation>
    </message>
    <message>
        <location filename="Tool.cpp" line="45" />
        <source>list the snapshots taken at each start, newest first</source>
        <translation>visa ögonblicksbilderna från varje start, den nyaste först</translation>
    </message>
    <message>
        <location filename="Tool.cpp" line="48" />
        <source>bring the data files back from a backup or the newest snapshot; the files replaced go into a snapshot first</source>
        <translation>hämta tillbaka datafilerna från en säkerhetskopia eller den nyaste ögonblicksbilden; filerna som ersätts sparas först i en ögonblicksbild</translation>
    </message>
    <message>
        <location filename="Tool.cpp" line="53" />
        <source>look for damage in the data files; --fix mends what can be mended without changing what the program shows</source>
        <translation>leta efter skador i datafilerna; --fix lagar det som går att laga utan att ändra det programmet visar</translation>
    </message>
</context>
</TS>

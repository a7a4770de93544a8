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
</context>
</TS>

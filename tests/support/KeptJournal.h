#pragma once
// The journal kept beside a data file (".bu1.dat.journal") stays once made, holding what the
// last change left, marked empty once that change stood. A test that lists a folder leaves out
// such a journal, as if it were not there; a live one, or one that cannot be read, shows.

#include <QString>

#include "store/Journal.h"

inline bool isEmptyJournal(const QString& path) {
    if (!path.endsWith(QStringLiteral(".journal"))) {
        return false;
    }
    try {
        store::RecordFile journal(path.toStdString());
        return !store::readJournal(journal).live;
    } catch (const store::IoError&) {
        return false;
    }
}

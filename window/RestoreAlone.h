#pragma once
// Data files restored alone, each from its own snapshot or backup, the other files left byte for
// byte: Kontroll's "Återställ den skadade filen" and "bara …" on the backups page.

#include <optional>
#include <vector>

#include "window/Asker.h"
#include "window/Operations.h"
#include "window/Text.h"

namespace window {

// A data file and the archive it comes back from.
struct FileFrom {
    QString file;
    QString archive;
};

// Asks whether to restore only these files from `source` ("ögonblicksbilden som nämns"), then
// restores each. The undo of them all is the first one's: the files as they were before any.
// Nothing when the user says no or the first restore fails; an error box says what failed.
inline std::optional<Undo> restoreAlone(Operations& operations, Asker& asker,
                                        const std::vector<FileFrom>& files, const QString& source) {
    QStringList names;
    for (const FileFrom& f : files) {
        names += f.file;
    }
    if (!asker.confirm(Tr::tr("Återställa bara %1 från %2?\n\nDe andra filerna lämnas som de är. "
                              "Filerna som de är nu sparas först, så att du kan ångra.")
                           .arg(names.join(QStringLiteral(", ")), source))) {
        return std::nullopt;
    }
    std::optional<Undo> undo;
    try {
        for (const FileFrom& f : files) {
            const Undo done = operations.restore(f.archive, f.file);
            if (!undo) {
                undo = done;
            }
        }
    } catch (const Failure& e) {
        // The files restored before the failure stay restored, and "Ångra" takes them back.
        asker.error((undo ? Tr::tr("Bara en del av filerna återställdes: %1")
                          : Tr::tr("Ingenting återställdes: %1"))
                        .arg(e.message()));
    }
    return undo;
}

}  // namespace window

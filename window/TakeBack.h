#pragma once
// "Ångra" on every page: the change an import, a restore or a repair made, taken back once.

#include <optional>

#include "window/Asker.h"
#include "window/Operations.h"

namespace window {

// Takes back the change `undo` names and forgets it; true when done. When that fails, an error
// box says `failure` with the reason in place of %1, and the change stays for another try.
inline bool takeBack(Operations& operations, Asker& asker, std::optional<Undo>& undo,
                     const QString& failure) {
    if (!undo) {
        return false;
    }
    try {
        operations.undo(*undo);
    } catch (const Failure& e) {
        asker.error(failure.arg(e.message()));
        return false;
    }
    undo.reset();
    return true;
}

}  // namespace window

#pragma once
// The window's texts are Swedish in the code and translated in one context.

#include <QCoreApplication>

namespace window {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Ordlistor)
};

}  // namespace window

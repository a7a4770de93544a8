#include "window/Page.h"

namespace window {

Page::Page(Operations& operations, Asker& asker, QWidget* parent)
    : QWidget(parent), operations_(operations), asker_(asker) {}

void Page::setBusy(bool busy) {
    busy_ = busy;
    busyChanged();
}

void Page::folderChanged() {
    reload();
    emit changed();
}

}  // namespace window

#include "window/CheckPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "window/Asker.h"
#include "window/Controls.h"
#include "window/RestoreAlone.h"
#include "window/TakeBack.h"
#include "window/Text.h"

namespace window {

CheckPage::CheckPage(Operations& operations, Asker& asker, QWidget* parent)
    : Page(operations, asker, parent) {
    tree = named(new QTreeWidget, Tr::tr("Det som kontrollen hittade"));
    tree->setHeaderLabels({Tr::tr("Var"), Tr::tr("Vad"), Tr::tr("Lagas")});
    tree->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    tree->header()->setStretchLastSection(false);
    summary = new QLabel;
    summary->setWordWrap(true);
    again = named(new QPushButton(Tr::tr("Kontroller&a igen")), Tr::tr("Kontrollera igen"));
    mend = named(new QPushButton(Tr::tr("&Laga")), Tr::tr("Laga"));
    restoreDamaged = named(new QPushButton(Tr::tr("Å&terställ den skadade filen")),
                           Tr::tr("Återställ den skadade filen"));
    undoButton = named(new QPushButton(Tr::tr("Ån&gra lagningen")), Tr::tr("Ångra lagningen"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(again);
    buttons->addWidget(mend);
    buttons->addWidget(restoreDamaged);
    buttons->addWidget(undoButton);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(tree, 1);
    layout->addLayout(buttons);

    connect(again, &QPushButton::clicked, this, &CheckPage::reload);
    connect(restoreDamaged, &QPushButton::clicked, this, &CheckPage::restoreNow);
    connect(undoButton, &QPushButton::clicked, this, [this] {
        if (takeBack(operations_, asker_, undo_, Tr::tr("Lagningen kunde inte ångras: %1"))) {
            folderChanged();
        }
    });
    connect(mend, &QPushButton::clicked, this, [this] {
        if (!asker_.confirm(Tr::tr("Laga det som kan lagas?\n\nFilerna som de är nu sparas "
                                   "först bland säkerhetskopiorna."))) {
            return;
        }
        try {
            undo_ = operations_.mend();
        } catch (const Failure& e) {
            asker_.error(Tr::tr("Ingenting lagades: %1").arg(e.message()));
            return;
        }
        folderChanged();
    });
}

void CheckPage::reload() {
    tree->clear();
    mendable_ = false;
    soundCopies_.clear();
    std::vector<CheckRow> rows;
    try {
        rows = operations_.check();
    } catch (const Failure& e) {
        summary->setText(e.message());
        updateButtons();
        return;
    }
    QTreeWidgetItem* fileItem = nullptr;
    QTreeWidgetItem* listItem = nullptr;
    for (const CheckRow& row : rows) {
        if (fileItem == nullptr || fileItem->text(0) != row.file) {
            fileItem = new QTreeWidgetItem(tree, {row.file});
            listItem = nullptr;
        }
        QTreeWidgetItem* parent = fileItem;
        if (row.list > 0) {
            const QString list = Tr::tr("lista %1").arg(row.list);
            if (listItem == nullptr || listItem->text(0) != list) {
                listItem = new QTreeWidgetItem(fileItem, {list});
            }
            parent = listItem;
        }
        const QString text =
            row.soundCopy.isEmpty()
                ? row.text
                : Tr::tr("%1; en hel kopia finns i ögonblicksbilden från %2 (Säkerhetskopior)")
                      .arg(row.text, shownTime(row.soundCopyTaken));
        auto* item = new QTreeWidgetItem(
            parent, {QString(), text, row.mendable ? Tr::tr("ja") : Tr::tr("nej")});
        item->setToolTip(1, row.soundCopy);
        mendable_ = mendable_ || row.mendable;
        if (!row.soundCopy.isEmpty()) {
            soundCopies_.emplace_back(row.file, row.soundCopy);
        }
    }
    tree->expandAll();
    tree->resizeColumnToContents(0);
    tree->resizeColumnToContents(2);
    summary->setText(rows.empty() ? Tr::tr("Allt är i ordning i %1.").arg(operations_.dataFolder())
                                  : Tr::tr("Kontrollen hittade %n fel.", nullptr,
                                           static_cast<int>(rows.size())));
    updateButtons();
}

// Only the damaged files, each from the snapshot named beside it; the others stay byte for byte.
void CheckPage::restoreNow() {
    std::vector<FileFrom> files;
    for (const auto& [file, snapshot] : soundCopies_) {
        files.push_back({file, snapshot});
    }
    if (std::optional<Undo> done =
            restoreAlone(operations_, asker_, files, Tr::tr("ögonblicksbilden som nämns"))) {
        undo_ = std::move(done);
        folderChanged();
    }
}

void CheckPage::updateButtons() {
    restoreDamaged->setEnabled(!busy() && !soundCopies_.empty());
    mend->setEnabled(!busy() && mendable_);
    undoButton->setEnabled(!busy() && undo_.has_value());
}

}  // namespace window

#include "window/BackupsPage.h"

#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

#include "window/Asker.h"
#include "window/Controls.h"
#include "window/RestoreAlone.h"
#include "window/TakeBack.h"
#include "window/Text.h"

namespace window {

BackupsPage::BackupsPage(Operations& operations, Asker& asker, QWidget* parent)
    : Page(operations, asker, parent) {
    table = named(new QTableWidget(0, 4), Tr::tr("Säkerhetskopior, nyast först"));
    table->setHorizontalHeaderLabels({Tr::tr("Tagen"), Tr::tr("Slag"),
                                      Tr::tr("Skiljer sig från filerna nu"), Tr::tr("Storlek")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    table->setTabKeyNavigation(false);
    restore = named(new QPushButton(Tr::tr("Å&terställ")), Tr::tr("Återställ"));
    files = new QComboBox;
    files->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    saveBackup = named(new QPushButton(Tr::tr("Spara en säker&hetskopia…")),
                       Tr::tr("Spara en säkerhetskopia"));
    restoreFile =
        named(new QPushButton(Tr::tr("Återställ från &fil…")), Tr::tr("Återställ från fil"));
    undoButton =
        named(new QPushButton(Tr::tr("Ån&gra återställningen")), Tr::tr("Ångra återställningen"));
    result = new QLabel;
    result->setWordWrap(true);

    auto* restoreRow = new QHBoxLayout;
    restoreRow->addWidget(restore);
    restoreRow->addWidget(labelFor(files, Tr::tr("&Vilka filer:")));
    restoreRow->addWidget(files);
    restoreRow->addStretch(1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {saveBackup, restoreFile, undoButton}) {
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(
        Tr::tr("&Ögonblicksbilder från före varje ändring, och säkerhetskopior du har sparat:"));
    heading->setBuddy(table);
    layout->addWidget(heading);
    layout->addWidget(table, 1);
    layout->addLayout(restoreRow);
    layout->addLayout(buttons);
    layout->addWidget(result);

    connect(table, &QTableWidget::itemSelectionChanged, this, [this] {
        fillFiles();
        updateButtons();
    });
    connect(restore, &QPushButton::clicked, this, [this] {
        const int row = table->currentRow();
        if (row < 0 || row >= std::ssize(rows_)) {
            return;
        }
        const BackupRow& r = rows_[static_cast<std::size_t>(row)];
        const QString what = Tr::tr("säkerhetskopian från %1")
                                 .arg(QLocale().toString(r.taken, QLocale::ShortFormat));
        const QString only = files->currentData().toString();
        if (only.isEmpty()) {
            restoreFrom(r.path, what);
        } else if (std::optional<Undo> done =
                       restoreAlone(operations_, asker_, {{only, r.path}}, what)) {
            undo_ = std::move(done);
            result->setText(Tr::tr("Återställt: %1.").arg(only));
            folderChanged();
        }
    });
    connect(restoreFile, &QPushButton::clicked, this, [this] {
        const QString path = asker_.openFile(Tr::tr("Återställ från fil"),
                                             Tr::tr("Säkerhetskopior (*.tar.gz);;Alla filer (*)"));
        if (!path.isEmpty()) {
            restoreFrom(path, path);
        }
    });
    connect(saveBackup, &QPushButton::clicked, this, [this] {
        const QString name = QDateTime::currentDateTime().toString(
            QStringLiteral("'ordlykta-'yyyyMMdd-HHmmss'.tar.gz'"));
        const QString path = asker_.saveFile(Tr::tr("Spara en säkerhetskopia"), name,
                                             Tr::tr("Säkerhetskopior (*.tar.gz)"));
        if (path.isEmpty()) {
            return;
        }
        try {
            operations_.saveBackup(path);
            QSettings settings;
            QStringList saved = settings.value(QStringLiteral("backups/saved")).toStringList();
            saved.removeAll(path);
            settings.setValue(QStringLiteral("backups/saved"),
                              QStringList{path} + saved.mid(0, 19));
            reload();
            result->setText(Tr::tr("Säkerhetskopian är sparad i %1.").arg(path));
        } catch (const Failure& e) {
            asker_.error(
                Tr::tr("Säkerhetskopian sparades inte: %1\nVälj en annan mapp.").arg(e.message()));
        }
    });
    connect(undoButton, &QPushButton::clicked, this, &BackupsPage::undo);
}

void BackupsPage::reload() {
    try {
        rows_ =
            operations_.backups(QSettings().value(QStringLiteral("backups/saved")).toStringList());
    } catch (const Failure& e) {
        rows_.clear();
        result->setText(e.message());
    }
    table->setRowCount(static_cast<int>(rows_.size()));
    const QLocale locale;
    for (int r = 0; r < table->rowCount(); ++r) {
        const BackupRow& row = rows_[static_cast<std::size_t>(r)];
        const QString differ = !row.problem.isEmpty()
                                   ? Tr::tr("kan inte återställas: %1").arg(row.problem)
                               : row.differ.isEmpty() ? Tr::tr("inga: samma som nu")
                                                      : row.differ.join(QStringLiteral(", "));
        const QStringList cells{
            shownTime(row.taken),
            row.snapshot ? (row.reason.isEmpty() ? Tr::tr("ögonblicksbild")
                                                 : Tr::tr("ögonblicksbild, %1").arg(row.reason))
                         : Tr::tr("säkerhetskopia"),
            differ, locale.formattedDataSize(row.size)};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(row.path);
            table->setItem(r, c, item);
        }
    }
    for (const int c : {0, 1, 3}) {
        table->resizeColumnToContents(c);
    }
    damaged_.clear();
    try {
        for (const CheckRow& row : operations_.check()) {
            if (!row.soundCopy.isEmpty()) {
                damaged_.emplace_back(row.file, row.soundCopy);
            }
        }
    } catch (const Failure&) {
        // The check page says why the files cannot be checked.
    }
    fillFiles();
    updateButtons();
}

void BackupsPage::fillFiles() {
    files->clear();
    files->addItem(Tr::tr("alla som skiljer sig"), QString());
    const int r = table->currentRow();
    if (r < 0 || r >= std::ssize(rows_) || table->selectedItems().isEmpty()) {
        return;
    }
    const BackupRow& row = rows_[static_cast<std::size_t>(r)];
    QStringList others = row.differ;
    for (const auto& [file, soundCopy] : damaged_) {
        if (soundCopy == row.path && others.removeAll(file) > 0) {
            // Kontroll's advice: the damaged file alone unless the user chooses otherwise.
            files->addItem(Tr::tr("bara den skadade filen, %1").arg(file), file);
            files->setCurrentIndex(1);
        }
    }
    for (const QString& file : others) {
        files->addItem(Tr::tr("bara %1").arg(file), file);
    }
}

void BackupsPage::updateButtons() {
    restore->setEnabled(!busy() && table->currentRow() >= 0 && !table->selectedItems().isEmpty());
    files->setEnabled(restore->isEnabled() && files->count() > 1);
    restoreFile->setEnabled(!busy());
    undoButton->setEnabled(!busy() && undo_.has_value());
}

void BackupsPage::restoreFrom(const QString& archive, const QString& what) {
    QStringList changes;
    try {
        changes = operations_.changesOf(archive);
    } catch (const Failure& e) {
        asker_.error(Tr::tr("Det går inte att återställa från %1: %2").arg(what, e.message()));
        return;
    }
    if (changes.isEmpty()) {
        asker_.error(Tr::tr("%1 är samma som filerna nu: det finns inget att återställa.")
                         .arg(what.left(1).toUpper() + what.mid(1)));
        return;
    }
    if (!asker_.confirm(Tr::tr("Återställa %1?\n\nDet här ändras: %2.\nFilerna som de är nu "
                               "sparas först, så att du kan ångra.")
                            .arg(what, changes.join(QStringLiteral(", "))))) {
        return;
    }
    try {
        undo_ = operations_.restore(archive);
    } catch (const Failure& e) {
        asker_.error(Tr::tr("Ingenting återställdes: %1").arg(e.message()));
        return;
    }
    result->setText(Tr::tr("Återställt: %1.").arg(changes.join(QStringLiteral(", "))));
    folderChanged();
}

void BackupsPage::undo() {
    if (!takeBack(operations_, asker_, undo_, Tr::tr("Återställningen kunde inte ångras: %1"))) {
        return;
    }
    result->setText(Tr::tr("Återställningen är ångrad: filerna är som de var före den."));
    folderChanged();
}

}  // namespace window

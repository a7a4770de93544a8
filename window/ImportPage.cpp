#include "window/ImportPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "window/Asker.h"
#include "window/Controls.h"
#include "window/Text.h"

namespace window {
namespace {

// The suffixes of the files the formats read, each as `pattern` makes it: "*.%1", ".%1".
QStringList readSuffixes(const QString& pattern) {
    QStringList suffixes;
    for (const tool::FormatInfo& info : tool::formats()) {
        for (const char* suffix : info.suffixes) {
            if (info.read && suffix) {
                suffixes += pattern.arg(QLatin1String(suffix));
            }
        }
    }
    return suffixes;
}

QString shownName(tool::Format format) {
    return tool::formatInfo(format).shownTitle();
}

QTableWidget* table(const QStringList& headings, const QString& name) {
    auto* t = named(new QTableWidget(0, static_cast<int>(headings.size())), name);
    t->setHorizontalHeaderLabels(headings);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    t->setTabKeyNavigation(false);
    return t;
}

void setRow(QTableWidget* t, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c) {
        t->setItem(row, c, new QTableWidgetItem(cells[c]));
    }
}

}  // namespace

ImportPage::ImportPage(Operations& operations, Asker& asker, QWidget* parent)
    : Page(operations, asker, parent) {
    file = new QLineEdit;
    file->setPlaceholderText(
        Tr::tr("En ordlista: %1")
            .arg(readSuffixes(QStringLiteral(".%1")).join(QLatin1String(", "))));
    choose = named(new QPushButton(Tr::tr("&Välj fil…")), Tr::tr("Välj fil"));
    language = new QComboBox;
    firstList = new QComboBox;
    format = new QComboBox;
    encoding = new QComboBox;
    separator = new QComboBox;
    header = new QComboBox;
    swedishColumn = new QSpinBox;
    swedishColumn->setRange(0, 99);
    swedishColumn->setSpecialValueText(Tr::tr("som filen säger"));
    detected = new QLabel;
    detected->setWordWrap(true);
    cut = named(new QCheckBox(Tr::tr("Ko&rta ord längre än 30 tecken")),
                Tr::tr("Korta ord längre än 30 tecken"));
    skip = named(new QCheckBox(Tr::tr("&Hoppa över par med tecken som en ordlista inte kan ha")),
                 Tr::tr("Hoppa över par med tecken som en ordlista inte kan ha"));
    skipBadRows = named(new QCheckBox(Tr::tr("Hoppa över ra&der som inte är par")),
                        Tr::tr("Hoppa över rader som inte är par"));
    targets = table({Tr::tr("Lista"), Tr::tr("Namn"), Tr::tr("Nya par"), Tr::tr("Par i allt")},
                    Tr::tr("Listor som importen fyller"));
    pairs = table({Tr::tr("Svenska"), Tr::tr("Andra språket"), Tr::tr("Lämnas utanför")},
                  Tr::tr("Paren som de sparas"));
    morePairs = new QLabel;
    morePairs->setWordWrap(true);
    notes = table({Tr::tr("Rad"), Tr::tr("Vad"), Tr::tr("Skäl")},
                  Tr::tr("Par som lämnas utanför eller stoppar importen"));
    problem = new QLabel;
    problem->setWordWrap(true);
    coloured(problem, QColor(0xa0, 0x00, 0x00));
    importButton = named(new QPushButton(Tr::tr("I&mportera")), Tr::tr("Importera"));
    undoButton = named(new QPushButton(Tr::tr("Ån&gra importen")), Tr::tr("Ångra importen"));
    learnButton = named(new QPushButton(Tr::tr("L&är in listan")), Tr::tr("Lär in listan"));
    quizButton = named(new QPushButton(Tr::tr("F&örhör listan")), Tr::tr("Förhör listan"));
    result = new QLabel;
    result->setWordWrap(true);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file, 1);
    fileRow->addWidget(choose);
    auto* form = new QFormLayout;
    form->addRow(labelFor(file, Tr::tr("&Fil:")), fileRow);
    form->addRow(labelFor(language, Tr::tr("S&pråk:")), language);
    form->addRow(labelFor(firstList, Tr::tr("&Lista:")), firstList);

    auto* read = new QGroupBox(Tr::tr("Det som lästes ur filen"));
    auto* readForm = new QFormLayout(read);
    readForm->addRow(labelFor(format, Tr::tr("Forma&t:")), format);
    readForm->addRow(labelFor(encoding, Tr::tr("Teckenkod&ning:")), encoding);
    readForm->addRow(labelFor(separator, Tr::tr("&Avgränsare:")), separator);
    readForm->addRow(labelFor(header, Tr::tr("Ru&brikrad:")), header);
    readForm->addRow(labelFor(swedishColumn, Tr::tr("Svenska orden i kol&umn:")), swedishColumn);
    readForm->addRow(detected);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(importButton);
    buttons->addWidget(undoButton);
    buttons->addStretch(1);
    buttons->addWidget(learnButton);
    buttons->addWidget(quizButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(read);
    layout->addWidget(cut);
    layout->addWidget(skip);
    layout->addWidget(skipBadRows);
    layout->addWidget(new QLabel(Tr::tr("Det här gör importen:")));
    layout->addWidget(targets, 1);
    layout->addWidget(pairs, 2);
    layout->addWidget(morePairs);
    layout->addWidget(notes, 1);
    layout->addWidget(problem);
    layout->addLayout(buttons);
    layout->addWidget(result);

    format->addItem(Tr::tr("som filen säger"));
    for (const tool::FormatInfo& info : tool::formats()) {
        if (info.read) {
            format->addItem(info.shownTitle(), QLatin1String(info.name));
        }
    }
    encoding->addItem(Tr::tr("som filen säger"));
    for (const QString& name : {QStringLiteral("UTF-8"), QStringLiteral("Windows-1252")}) {
        encoding->addItem(name, name);
    }
    separator->addItem(Tr::tr("som filen säger"));
    for (const char c : {'\t', ',', ';', ' ', '|', ':'}) {
        separator->addItem(separatorName(QLatin1Char(c)), QChar(QLatin1Char(c)));
    }
    header->addItem(Tr::tr("som filen säger"));
    header->addItem(Tr::tr("ja, den första raden hoppas över"), true);
    header->addItem(Tr::tr("nej, den första raden är ett par"), false);
    undoButton->setEnabled(false);
    learnButton->setEnabled(false);
    quizButton->setEnabled(false);

    connect(choose, &QPushButton::clicked, this, [this] {
        const QString path =
            asker_.openFile(Tr::tr("Välj en ordlista"),
                            Tr::tr("Ordlistor (%1);;Alla filer (*)")
                                .arg(readSuffixes(QStringLiteral("*.%1")).join(QLatin1Char(' '))));
        if (!path.isEmpty()) {
            openFile(path);
        }
    });
    connect(file, &QLineEdit::editingFinished, this, &ImportPage::preview);
    connect(language, &QComboBox::activated, this, [this] {
        languageChosen_ = true;
        fillLists();
        preview();
    });
    connect(firstList, &QComboBox::activated, this, &ImportPage::preview);
    connect(format, &QComboBox::activated, this, &ImportPage::preview);
    connect(encoding, &QComboBox::activated, this, &ImportPage::preview);
    connect(separator, &QComboBox::activated, this, &ImportPage::preview);
    connect(header, &QComboBox::activated, this, &ImportPage::preview);
    connect(swedishColumn, &QSpinBox::valueChanged, this, &ImportPage::preview);
    connect(cut, &QCheckBox::toggled, this, &ImportPage::preview);
    connect(skip, &QCheckBox::toggled, this, &ImportPage::preview);
    connect(skipBadRows, &QCheckBox::toggled, this, &ImportPage::preview);
    connect(importButton, &QPushButton::clicked, this, &ImportPage::importNow);
    connect(undoButton, &QPushButton::clicked, this, &ImportPage::undo);
    connect(learnButton, &QPushButton::clicked, this,
            [this] { emit practise(importedLanguage_, importedList_, false); });
    connect(quizButton, &QPushButton::clicked, this,
            [this] { emit practise(importedLanguage_, importedList_, true); });
}

void ImportPage::reload() {
    const int chosen = language->currentIndex();
    {
        const QSignalBlocker blocker(language);
        refill(language, operations_.languageNames());
        language->setCurrentIndex(languageChosen_ ? chosen : -1);
    }
    fillLists();
    preview();
}

void ImportPage::fillLists() {
    const int current = std::max(0, firstList->currentIndex());
    const QSignalBlocker blocker(firstList);
    firstList->clear();
    firstList->addItem(Tr::tr("en ny lista med filens namn"), 0);
    try {
        for (const ListInfo& l : operations_.lists(std::max(1, language->currentIndex() + 1))) {
            firstList->addItem(Tr::tr("%1  %2 (%3 par)").arg(l.number).arg(l.name).arg(l.count),
                               l.number);
        }
    } catch (const Failure& e) {
        problem->setText(e.message());
    }
    firstList->setCurrentIndex(current);
}

void ImportPage::openFile(const QString& path) {
    file->setText(path);
    languageChosen_ = false;
    firstList->setCurrentIndex(0);
    preview();
}

ImportChoice ImportPage::choice() const {
    ImportChoice c;
    c.path = file->text().trimmed();
    c.language = languageChosen_ ? language->currentIndex() + 1 : 0;
    c.firstList = firstList->currentData().toInt();
    if (format->currentIndex() > 0) {
        c.format = tool::formatNamed(format->currentData().toString());
    }
    if (encoding->currentIndex() > 0) {
        c.encoding = encoding->currentData().toString();
    }
    if (separator->currentIndex() > 0) {
        c.separator = separator->currentData().value<QChar>();
    }
    if (header->currentIndex() > 0) {
        c.header = header->currentData().toBool();
    }
    if (swedishColumn->value() > 0) {
        c.swedishColumn = swedishColumn->value();
    }
    c.cut = cut->isChecked();
    c.skipUnsupported = skip->isChecked();
    c.skipBadRows = skipBadRows->isChecked();
    return c;
}

void ImportPage::preview() {
    targets->setRowCount(0);
    notes->setRowCount(0);
    detected->clear();
    if (file->text().trimmed().isEmpty()) {
        preview_ = {};
        preview_.problem = Tr::tr("Välj en fil att importera.");
        problem->setText(preview_.problem);
        updateButtons();
        return;
    }
    preview_ = operations_.previewImport(choice());
    if (const std::optional<Detected>& d = preview_.detected) {
        QString text =
            Tr::tr("Format: %1. Teckenkodning: %2.").arg(shownName(d->format), d->encoding);
        if (!d->separator.isEmpty()) {
            text += Tr::tr(" Avgränsare: %1.").arg(d->separator);
        }
        text += d->header ? Tr::tr(" Rubrikrad: ja.") : Tr::tr(" Rubrikrad: nej.");
        text += Tr::tr(" Svenska orden: kolumn %1.").arg(d->swedishColumn);
        detected->setText(text);
        format->setItemText(0, Tr::tr("som filen säger (%1)").arg(shownName(d->format)));
        encoding->setItemText(0, Tr::tr("som filen säger (%1)").arg(d->encoding));
        separator->setItemText(0, d->separator.isEmpty()
                                      ? Tr::tr("som filen säger")
                                      : Tr::tr("som filen säger (%1)").arg(d->separator));
        header->setItemText(
            0, Tr::tr("som filen säger (%1)").arg(d->header ? Tr::tr("ja") : Tr::tr("nej")));
    }
    // A file that is not text (KVTML) says its own encoding and has no rows; a file not read
    // may be any.
    const bool text = !preview_.detected || tool::formatInfo(preview_.detected->format).text;
    for (QComboBox* box : {encoding, separator, header}) {
        box->setEnabled(text);
    }
    targets->setRowCount(static_cast<int>(preview_.targets.size()));
    for (int r = 0; r < targets->rowCount(); ++r) {
        const TargetList& t = preview_.targets[static_cast<std::size_t>(r)];
        setRow(
            targets, r,
            {QString::number(t.list), t.name, QString::number(t.added), QString::number(t.total)});
    }
    notes->setRowCount(static_cast<int>(preview_.notes.size()));
    for (int r = 0; r < notes->rowCount(); ++r) {
        const RowNote& n = preview_.notes[static_cast<std::size_t>(r)];
        const QString kind = n.kind == RowNote::Refused ? Tr::tr("stoppar")
                             : n.kind == RowNote::Cut   ? Tr::tr("kortas")
                                                        : Tr::tr("lämnas utanför");
        setRow(notes, r, {n.line > 0 ? QString::number(n.line) : QString(), kind, n.reason});
    }
    targets->resizeColumnsToContents();
    notes->resizeColumnsToContents();
    showPairs();
    problem->setText(preview_.problem);
    if (!languageChosen_) {
        // The language the file names; when none, the list open for the user to choose from.
        const QSignalBlocker blocker(language);
        language->setCurrentIndex(preview_.language - 1);
        if (preview_.language == 0 && preview_.detected && isVisible()) {
            language->showPopup();
        }
    }
    updateButtons();
}

void ImportPage::showPairs() {
    const int shown = std::min(static_cast<int>(preview_.pairs.size()), kShownPairs);
    const QString other = preview_.language > 0 ? (preview_.renameLanguage.isEmpty()
                                                       ? language->itemText(preview_.language - 1)
                                                       : preview_.renameLanguage)
                                                : Tr::tr("Andra språket");
    pairs->setHorizontalHeaderItem(1, new QTableWidgetItem(other));
    pairs->setRowCount(shown);
    for (int r = 0; r < shown; ++r) {
        const PreviewPair& p = preview_.pairs[static_cast<std::size_t>(r)];
        setRow(pairs, r, {p.swedish, p.other, p.reason});
        if (!p.reason.isEmpty()) {
            for (int c = 0; c < 2; ++c) {
                QFont font = pairs->item(r, c)->font();
                font.setStrikeOut(true);
                pairs->item(r, c)->setFont(font);
            }
        }
    }
    pairs->resizeColumnsToContents();
    QStringList more;
    if (preview_.pairs.size() > static_cast<std::size_t>(shown)) {
        more += Tr::tr("och %1 rader till.").arg(preview_.pairs.size() - std::size_t(shown));
    }
    if (preview_.emptyRows > 0) {
        more += Tr::tr("%1 tomma rader hoppas över.").arg(preview_.emptyRows);
    }
    if (preview_.alreadyThere > 0) {
        more += Tr::tr("%1 par fanns redan och lämnas utanför.").arg(preview_.alreadyThere);
    }
    if (!preview_.renameLanguage.isEmpty() && preview_.language > 0) {
        more += Tr::tr("Språket \"%1\" får namnet \"%2\".")
                    .arg(language->itemText(preview_.language - 1), preview_.renameLanguage);
    }
    morePairs->setText(more.join(QLatin1Char(' ')));
}

void ImportPage::updateButtons() {
    const bool again = !imported_.isEmpty() && imported_ == file->text().trimmed();
    importButton->setEnabled(!busy() && (preview_.whole() || again));
    undoButton->setEnabled(!busy() && record_ != nullptr);
    learnButton->setEnabled(!busy() && importedList_ > 0);
    quizButton->setEnabled(!busy() && importedList_ > 0);
}

void ImportPage::importNow() {
    if (!imported_.isEmpty() && imported_ == file->text().trimmed()) {
        result->setText(Tr::tr("Filen %1 importerades nyss. Ångra importen först för att "
                               "importera den igen.")
                            .arg(QFileInfo(imported_).fileName()));
        return;
    }
    ImportDone done;
    try {
        done = operations_.import(preview_);
    } catch (const Failure& e) {
        asker_.error(Tr::tr("Ingenting importerades: %1").arg(e.message()));
        preview();
        return;
    }
    record_ = done.record;
    imported_ = file->text().trimmed();
    importedLanguage_ = done.language;
    importedList_ = done.targets.empty() ? 0 : done.targets.front().list;
    QStringList lines;
    for (const TargetList& t : done.targets) {
        lines += Tr::tr("Lista %1 \"%2\": %3 par tillagda, %4 i allt.")
                     .arg(t.list)
                     .arg(t.name)
                     .arg(t.added)
                     .arg(t.total);
    }
    result->setText(lines.join(QLatin1Char('\n')));
    folderChanged();
    // The way on is to practise: Enter (or Alt+Ö) starts the quiz of the list.
    updateButtons();
    quizButton->setFocus();
}

void ImportPage::undo() {
    if (!record_) {
        return;
    }
    try {
        const ImportUndone undone = operations_.undoImport(*record_);
        if (!undone.done) {
            const QString changes = undone.changes.join(QStringLiteral("\n  "));
            if (undone.back.snapshot.isEmpty()) {
                asker_.error(Tr::tr("Importen kan inte ångras, för sedan den har det här "
                                    "ändrats:\n  %1")
                                 .arg(changes));
                return;
            }
            const QString lost = undone.lost.isEmpty() ? Tr::tr("inga ord")
                                                       : undone.lost.join(QStringLiteral("\n  "));
            if (!asker_.confirm(
                    Tr::tr("Importen kan inte ångras ensam, för sedan den har det här "
                           "ändrats:\n  %1\n\nVill du i stället lägga tillbaka "
                           "ögonblicksbilden från före importen? Då går det här förlorat:\n  %2")
                        .arg(changes, lost))) {
                return;
            }
            operations_.undo(undone.back);
        }
    } catch (const Failure& e) {
        asker_.error(Tr::tr("Importen kunde inte ångras: %1").arg(e.message()));
        return;
    }
    record_.reset();
    imported_.clear();
    importedList_ = 0;
    result->setText(Tr::tr("Importen är ångrad."));
    folderChanged();
}

}  // namespace window

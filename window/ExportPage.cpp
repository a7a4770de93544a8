#include "window/ExportPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "window/Asker.h"
#include "window/Controls.h"
#include "window/Text.h"

namespace window {
namespace {

// A name fit for a file: lower case, no folder separators or other awkward characters.
QString fileWord(const QString& text) {
    QString word;
    for (const QChar c : text.toLower()) {
        word += c.isLetterOrNumber() ? c : QChar(u'-');
    }
    while (word.contains(QLatin1String("--"))) {
        word.replace(QLatin1String("--"), QLatin1String("-"));
    }
    return word.remove(QRegularExpression(QStringLiteral("^-|-$")));
}

}  // namespace

ExportPage::ExportPage(Operations& operations, Asker& asker, QWidget* parent)
    : Page(operations, asker, parent) {
    language = new QComboBox;
    list = new QComboBox;
    format = new QComboBox;
    for (const tool::ExportChoice& c : choices_) {
        format->addItem(c.shownTitle());
    }
    exam = new QGroupBox(Tr::tr("Provet frågar efter"));
    askSwedish = named(new QRadioButton(Tr::tr("de s&venska orden")), Tr::tr("de svenska orden"));
    askOther = new QRadioButton;
    shuffle = named(new QCheckBox(Tr::tr("i &blandad ordning")), Tr::tr("i blandad ordning"));
    askSwedish->setChecked(true);
    auto* examLayout = new QVBoxLayout(exam);
    examLayout->addWidget(askSwedish);
    examLayout->addWidget(askOther);
    examLayout->addWidget(shuffle);

    save = named(new QPushButton(Tr::tr("Spar&a…")), Tr::tr("Spara"));
    print = named(new QPushButton(Tr::tr("Skriv &ut…")), Tr::tr("Skriv ut"));
    preview = named(new QPushButton(Tr::tr("Förhandsgranska (&h)…")), Tr::tr("Förhandsgranska"));

    auto* form = new QFormLayout;
    form->addRow(labelFor(language, Tr::tr("S&pråk:")), language);
    form->addRow(labelFor(list, Tr::tr("&Lista:")), list);
    form->addRow(labelFor(format, Tr::tr("&Format:")), format);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(print);
    buttons->addWidget(preview);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(exam);
    layout->addLayout(buttons);
    layout->addStretch(1);

    connect(language, &QComboBox::activated, this, [this] {
        fillLists();
        updateControls();
    });
    connect(format, &QComboBox::activated, this, &ExportPage::updateControls);
    connect(save, &QPushButton::clicked, this, &ExportPage::saveFile);
    connect(print, &QPushButton::clicked, this, [this] { printPage(false); });
    connect(preview, &QPushButton::clicked, this, [this] { printPage(true); });
}

void ExportPage::reload() {
    refill(language, operations_.languageNames());
    fillLists();
    updateControls();
}

void ExportPage::fillLists() {
    const QVariant current = list->currentData();
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItem(Tr::tr("alla listor"), 0);
    try {
        for (const ListInfo& l : operations_.lists(language->currentIndex() + 1)) {
            if (l.count > 0) {
                list->addItem(Tr::tr("%1  %2 (%3 par)").arg(l.number).arg(l.name).arg(l.count),
                              l.number);
            }
        }
    } catch (const Failure& e) {
        asker_.error(e.message());
    }
    list->setCurrentIndex(std::max(0, list->findData(current)));
}

void ExportPage::updateControls() {
    const tool::ExportChoice& f = chosen();
    const QString other = language->currentText();
    askOther->setText(Tr::tr("orden på %1 (&d)").arg(other.toLower()));
    askOther->setAccessibleName(Tr::tr("orden på %1").arg(other.toLower()));
    exam->setEnabled(f.exam);
    print->setEnabled(f.info->printed);
    preview->setEnabled(f.info->printed);
}

const tool::ExportChoice& ExportPage::chosen() const {
    return choices_[static_cast<std::size_t>(std::max(0, format->currentIndex()))];
}

std::optional<int> ExportPage::chosenList() const {
    const int l = list->currentData().toInt();
    return l > 0 ? std::optional<int>(l) : std::nullopt;
}

QByteArray ExportPage::bytes() const {
    std::optional<unsigned> seed;
    if (shuffle->isChecked()) {
        seed = QRandomGenerator::global()->generate();
    }
    return operations_.exportBytes(language->currentIndex() + 1, chosenList(), chosen(),
                                   askOther->isChecked(), seed);
}

QString ExportPage::suggestedName() const {
    const tool::ExportChoice& f = chosen();
    QString name = fileWord(language->currentText());
    if (const std::optional<int> l = chosenList()) {
        const QString listName = fileWord(
            list->currentText().section(QLatin1String("  "), 1).section(QLatin1String(" ("), 0, 0));
        name += QLatin1Char('-') + (listName.isEmpty() ? QString::number(*l) : listName);
    }
    if (f.exam) {
        name += Tr::tr("-prov");
    }
    return (name.isEmpty() ? QStringLiteral("ordlista") : name) + QLatin1Char('.') +
           QLatin1String(f.info->suffixes[0]);
}

void ExportPage::saveFile() {
    const QString path =
        asker_.saveFile(Tr::tr("Spara ordlistan"), suggestedName(), chosen().info->shownFilter());
    if (path.isEmpty()) {
        return;
    }
    try {
        Operations::save(path, bytes());
    } catch (const Failure& e) {
        asker_.error(Tr::tr("Filen sparades inte: %1\nVälj en annan mapp eller ett annat namn.")
                         .arg(e.message()));
    }
}

void ExportPage::printPage(bool preview) {
    try {
        asker_.print(QString::fromUtf8(bytes()), preview);
    } catch (const Failure& e) {
        asker_.error(e.message());
    }
}

}  // namespace window

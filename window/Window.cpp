#include "window/Window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QSettings>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "window/BackupsPage.h"
#include "window/CheckPage.h"
#include "window/Controls.h"
#include "window/ExportPage.h"
#include "window/ImportPage.h"
#include "window/Text.h"

namespace window {

Window::Window(const QString& dataFolder, Asker& asker, QWidget* parent)
    : QWidget(parent), operations_(dataFolder), lockTimer_(new QTimer(this)) {
    setWindowTitle(Tr::tr("Ordlykta ordlistor"));
    banner = new QLabel(Tr::tr("Ordlykta är öppet. Stäng det för att importera eller återställa."));
    banner->setWordWrap(true);
    banner->setAutoFillBackground(true);
    banner->setStyleSheet(QStringLiteral(
        "QLabel{background:#fff3b0;color:#000;padding:.5em;border:1px solid #c9a400}"));
    banner->setAccessibleName(banner->text());
    banner->hide();

    importPage = new ImportPage(operations_, asker);
    exportPage = new ExportPage(operations_, asker);
    backupsPage = new BackupsPage(operations_, asker);
    checkPage = new CheckPage(operations_, asker);
    tabs = named(new QTabWidget, Tr::tr("Sidor"));
    tabs->addTab(importPage, Tr::tr("&Importera"));
    tabs->addTab(exportPage, Tr::tr("&Exportera och skriv ut"));
    tabs->addTab(backupsPage, Tr::tr("&Säkerhetskopior"));
    tabs->addTab(checkPage, Tr::tr("&Kontroll"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addWidget(tabs, 1);

    connect(importPage, &ImportPage::changed, this, &Window::reloadAll);
    connect(backupsPage, &BackupsPage::changed, this, &Window::reloadAll);
    connect(checkPage, &CheckPage::changed, this, &Window::reloadAll);
    // A page reads the folder when it is shown, so that the window opens without waiting for
    // the pages behind it; the snapshots are read again each time, as the program takes them.
    stale_.assign(static_cast<std::size_t>(tabs->count()), true);
    connect(tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (tabs->widget(index) == backupsPage) {
            stale_[static_cast<std::size_t>(index)] = true;
        }
        showing(index);
    });
    showing(tabs->currentIndex());

    // Closed from the keyboard too where no window manager offers Alt+F4.
    for (const auto key : {QKeySequence::Close, QKeySequence::Quit}) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
    }

    // A lock gives no sign when it is let go, so it is looked at once a second.
    connect(lockTimer_, &QTimer::timeout, this, &Window::checkLock);
    lockTimer_->start(kLockCheckMs);
    checkLock();

    const QSettings settings;
    resize(settings.value(QStringLiteral("window/size"), QSize(760, 620)).toSize());
}

Window::~Window() = default;

void Window::openFile(const QString& path) {
    tabs->setCurrentWidget(importPage);
    importPage->openFile(path);
}

bool Window::showPage(const QString& name) {
    const std::pair<const char*, QWidget*> pages[] = {{"import", importPage},
                                                      {"export", exportPage},
                                                      {"backups", backupsPage},
                                                      {"check", checkPage}};
    for (const auto& [word, page] : pages) {
        if (name == QLatin1String(word)) {
            tabs->setCurrentWidget(page);
            return true;
        }
    }
    return false;
}

void Window::checkLock() {
    const bool busy = operations_.folderBusy();
    if (busy == busy_) {
        return;
    }
    const bool ended = busy_ && !busy;
    busy_ = busy;
    banner->setVisible(busy);
    importPage->setBusy(busy);
    backupsPage->setBusy(busy);
    checkPage->setBusy(busy);
    if (ended) {
        reloadAll();  // the trainer may have changed the words
    }
}

void Window::reloadAll() {
    std::fill(stale_.begin(), stale_.end(), true);
    showing(tabs->currentIndex());
}

void Window::showing(int index) {
    if (index < 0 || !stale_[static_cast<std::size_t>(index)]) {
        return;
    }
    stale_[static_cast<std::size_t>(index)] = false;
    QWidget* page = tabs->widget(index);
    if (page == importPage) {
        importPage->reload();
    } else if (page == exportPage) {
        exportPage->reload();
    } else if (page == backupsPage) {
        backupsPage->reload();
    } else if (page == checkPage) {
        checkPage->reload();
    }
}

void Window::closeEvent(QCloseEvent* event) {
    QSettings settings;
    settings.setValue(QStringLiteral("window/size"), size());
    event->accept();
}

}  // namespace window

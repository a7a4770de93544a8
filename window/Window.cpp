#include "window/Window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QSettings>
#include <QShortcut>
#include <QShowEvent>
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
    : QWidget(parent), operations_(dataFolder), asker_(asker), lockTimer_(new QTimer(this)) {
    setWindowTitle(Tr::tr("Ordlykta ordlistor"));
    banner = coloured(new QLabel(folderBusyText()), Qt::black, QColor(0xff, 0xf3, 0xb0));
    banner->setWordWrap(true);
    banner->setAccessibleName(banner->text());
    banner->hide();

    // A tab holds its page once it is built.
    tabs = named(new QTabWidget, Tr::tr("Sidor"));
    for (const QString& title : {Tr::tr("&Importera"), Tr::tr("&Exportera och skriv ut"),
                                 Tr::tr("&Säkerhetskopior"), Tr::tr("&Kontroll")}) {
        auto* holder = new QWidget;
        (new QVBoxLayout(holder))->setContentsMargins(QMargins());
        tabs->addTab(holder, title);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addWidget(tabs, 1);

    // The snapshots are read again each time the page is shown, as the program takes them.
    connect(tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == kBackups) {
            stale_[kBackups] = true;
        }
        showing(tab);
    });

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

ImportPage& Window::importPage() {
    build(kImport);
    return *import_;
}

ExportPage& Window::exportPage() {
    build(kExport);
    return *export_;
}

BackupsPage& Window::backupsPage() {
    build(kBackups);
    return *backups_;
}

CheckPage& Window::checkPage() {
    build(kCheck);
    return *check_;
}

void Window::build(int tab) {
    QLayout* holder = tabs->widget(tab)->layout();
    if (holder->count() > 0) {
        return;
    }
    QWidget* page = nullptr;
    switch (tab) {
        case kImport:
            page = import_ = new ImportPage(operations_, asker_);
            import_->setBusy(busy_);
            connect(import_, &ImportPage::changed, this, &Window::reloadAll);
            break;
        case kExport:
            page = export_ = new ExportPage(operations_, asker_);
            break;
        case kBackups:
            page = backups_ = new BackupsPage(operations_, asker_);
            backups_->setBusy(busy_);
            connect(backups_, &BackupsPage::changed, this, &Window::reloadAll);
            break;
        default:
            page = check_ = new CheckPage(operations_, asker_);
            check_->setBusy(busy_);
            connect(check_, &CheckPage::changed, this, &Window::reloadAll);
            break;
    }
    holder->addWidget(page);
    page->show();  // a layout shows a new child of a shown widget only on the next event loop turn
}

void Window::openFile(const QString& path) {
    tabs->setCurrentIndex(kImport);
    showing(kImport);
    importPage().openFile(path);
}

bool Window::showPage(const QString& name) {
    const char* const names[kTabs] = {"import", "export", "backups", "check"};
    for (int tab = 0; tab < kTabs; ++tab) {
        if (name == QLatin1String(names[tab])) {
            tabs->setCurrentIndex(tab);
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
    if (import_ != nullptr) {
        import_->setBusy(busy);
    }
    if (backups_ != nullptr) {
        backups_->setBusy(busy);
    }
    if (check_ != nullptr) {
        check_->setBusy(busy);
    }
    if (ended) {
        reloadAll();  // the trainer may have changed the words
    }
}

void Window::reloadAll() {
    std::fill(stale_.begin(), stale_.end(), true);
    showing(tabs->currentIndex());
}

// Reads the folder into the page of this tab, building it first, if it is not up to date.
void Window::showing(int tab) {
    if (tab < 0 || !stale_[static_cast<std::size_t>(tab)]) {
        return;
    }
    stale_[static_cast<std::size_t>(tab)] = false;
    switch (tab) {
        case kImport:
            importPage().reload();
            break;
        case kExport:
            exportPage().reload();
            break;
        case kBackups:
            backupsPage().reload();
            break;
        default:
            checkPage().reload();
            break;
    }
}

// The window goes on the screen first, as the trainer's start screen does: the page on show is
// built and read as soon as the event loop runs, which is before the window's first paint and
// before anything the user does reaches it.
void Window::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, [this] { showing(tabs->currentIndex()); });
}

void Window::closeEvent(QCloseEvent* event) {
    QSettings settings;
    settings.setValue(QStringLiteral("window/size"), size());
    event->accept();
}

}  // namespace window

#include "window/Window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QSettings>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <stdexcept>

#include "store/DataFiles.h"
#include "window/Asker.h"
#include "window/BackupsPage.h"
#include "window/CheckPage.h"
#include "window/Controls.h"
#include "window/ExportPage.h"
#include "window/ImportPage.h"
#include "window/Page.h"
#include "window/ProgressPage.h"
#include "window/Text.h"

namespace window {
namespace {

// A row of the table of pages: a tab, and how to build the page it holds.
struct PageRow {
    const char* name;   // as --page takes it
    const char* title;  // the tab's, translated
    const QMetaObject* type;
    Page* (*build)(Operations& operations, Asker& asker);
};

template <typename P>
constexpr PageRow row(const char* name, const char* title) {
    return {name, title, &P::staticMetaObject,
            [](Operations& operations, Asker& asker) -> Page* { return new P(operations, asker); }};
}

// The pages, in the order of their tabs; the first is on show when the window opens.
const PageRow kPages[] = {
    row<ImportPage>("import", QT_TRANSLATE_NOOP("Ordlistor", "&Importera")),
    row<ExportPage>("export", QT_TRANSLATE_NOOP("Ordlistor", "&Exportera och skriv ut")),
    row<BackupsPage>("backups", QT_TRANSLATE_NOOP("Ordlistor", "&Säkerhetskopior")),
    row<CheckPage>("check", QT_TRANSLATE_NOOP("Ordlistor", "&Kontroll")),
    row<ProgressPage>("progress", QT_TRANSLATE_NOOP("Ordlistor", "F&ramsteg")),
};

constexpr int kTabs = static_cast<int>(std::size(kPages));

// The tab of the page of this class.
int tabOf(const QMetaObject& type) {
    for (int tab = 0; tab < kTabs; ++tab) {
        if (kPages[tab].type == &type) {
            return tab;
        }
    }
    throw std::logic_error("a page that is not in the table of pages");
}

}  // namespace

Window::Window(const QString& dataFolder, Asker& asker, QWidget* parent)
    : QWidget(parent),
      operations_(dataFolder),
      asker_(asker),
      pages_(kTabs, nullptr),
      lockTimer_(new QTimer(this)),
      watcher_(new QFileSystemWatcher(this)),
      settle_(new QTimer(this)),
      stale_(kTabs, true) {
    setWindowTitle(Tr::tr("Ordlykta ordlistor"));
    banner = coloured(new QLabel(folderBusyText()), Qt::black, QColor(0xff, 0xf3, 0xb0));
    banner->setWordWrap(true);
    banner->setAccessibleName(banner->text());
    banner->hide();

    // A tab holds its page once it is built.
    tabs = named(new QTabWidget, Tr::tr("Sidor"));
    for (const PageRow& row : kPages) {
        auto* holder = new QWidget;
        (new QVBoxLayout(holder))->setContentsMargins(QMargins());
        tabs->addTab(holder, Tr::tr(row.title));
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(banner);
    layout->addWidget(tabs, 1);

    connect(tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab >= 0 && pages_[static_cast<std::size_t>(tab)] != nullptr &&
            pages_[static_cast<std::size_t>(tab)]->readWhenShown()) {
            stale_[static_cast<std::size_t>(tab)] = true;
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

    // Another process (the trainer, the command line) changing a data file: every page is
    // read again.
    settle_->setSingleShot(true);
    settle_->setInterval(kSettleMs);
    connect(settle_, &QTimer::timeout, this, [this] {
        watchFolder();
        reloadAll();
    });
    connect(watcher_, &QFileSystemWatcher::directoryChanged, settle_, qOverload<>(&QTimer::start));
    connect(watcher_, &QFileSystemWatcher::fileChanged, settle_, qOverload<>(&QTimer::start));
    watchFolder();

    const QSettings settings;
    resize(settings.value(QStringLiteral("window/size"), QSize(760, 620)).toSize());
}

Window::~Window() = default;

template <typename P>
P& Window::page() {
    return static_cast<P&>(page(tabOf(P::staticMetaObject)));
}

ImportPage& Window::importPage() {
    return page<ImportPage>();
}

ExportPage& Window::exportPage() {
    return page<ExportPage>();
}

BackupsPage& Window::backupsPage() {
    return page<BackupsPage>();
}

CheckPage& Window::checkPage() {
    return page<CheckPage>();
}

ProgressPage& Window::progressPage() {
    return page<ProgressPage>();
}

Page& Window::page(int tab) {
    Page*& built = pages_[static_cast<std::size_t>(tab)];
    if (built == nullptr) {
        built = kPages[tab].build(operations_, asker_);
        built->setBusy(busy_);
        connect(built, &Page::changed, this, [this, changed = built] { reloadAll(changed); });
        connectRequests(built);
        tabs->widget(tab)->layout()->addWidget(built);
        // A layout shows a new child of a shown widget only on the next event loop turn.
        built->show();
    }
    return *built;
}

// The pages' ways on to the trainer.
void Window::connectRequests(Page* built) {
    const auto reported = [this](auto work) {
        try {
            work();
        } catch (const Failure& e) {
            asker_.error(e.message());
        }
    };
    if (auto* import = qobject_cast<ImportPage*>(built)) {
        connect(import, &ImportPage::practise, this,
                [this, reported](int language, int list, bool quiz) {
                    reported([&] {
                        operations_.makeCurrent(language, list);
                        operations_.startTrainer(quiz);
                    });
                });
    }
    if (auto* progress = qobject_cast<ProgressPage*>(built)) {
        connect(progress, &ProgressPage::practiseRequested, this,
                [this, reported](int language, const std::vector<memory::PairKey>& pairs) {
                    reported([&] { operations_.startReview(language, pairs); });
                });
        connect(progress, &ProgressPage::reviewRequested, this, [this, reported](int language) {
            reported([&] { operations_.startReview(language); });
        });
    }
}

void Window::openFile(const QString& path) {
    const int tab = tabOf(ImportPage::staticMetaObject);
    tabs->setCurrentIndex(tab);
    showing(tab);
    importPage().openFile(path);
}

bool Window::showPage(const QString& name) {
    for (int tab = 0; tab < kTabs; ++tab) {
        if (name == QLatin1String(kPages[tab].name)) {
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
    for (Page* page : pages_) {
        if (page != nullptr) {
            page->setBusy(busy);
        }
    }
    if (ended) {
        reloadAll();  // the trainer may have changed the words
    }
}

// The page that changed the folder has read it already.
void Window::reloadAll(const Page* fresh) {
    for (std::size_t tab = 0; tab < pages_.size(); ++tab) {
        stale_[tab] = fresh == nullptr || pages_[tab] != fresh;
    }
    showing(tabs->currentIndex());
}

// Reads the folder into the page of this tab, building it first, if it is not up to date.
void Window::showing(int tab) {
    if (tab < 0 || !stale_[static_cast<std::size_t>(tab)]) {
        return;
    }
    stale_[static_cast<std::size_t>(tab)] = false;
    page(tab).reload();
}

// The window goes on the screen first, as the trainer's start screen does: the page on show is
// built and read as soon as the event loop runs, which is before the window's first paint and
// before anything the user does reaches it.
void Window::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    QTimer::singleShot(0, this, [this] { showing(tabs->currentIndex()); });
}

// Coming back to the window from elsewhere, the pages show the folder as it is now.
void Window::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        reloadAll();
    }
}

void Window::watchFolder() {
    const QString folder = operations_.dataFolder();
    if (!QFileInfo(folder).isDir()) {
        return;
    }
    QStringList paths{folder};
    for (const std::string& name : store::kDataFileNames) {
        const QString path = folder + QLatin1Char('/') + QString::fromStdString(name);
        if (QFileInfo::exists(path)) {
            paths += path;
        }
    }
    for (const QString& path : paths) {
        if (!watcher_->files().contains(path) && !watcher_->directories().contains(path)) {
            watcher_->addPath(path);
        }
    }
}

void Window::closeEvent(QCloseEvent* event) {
    QSettings settings;
    settings.setValue(QStringLiteral("window/size"), size());
    event->accept();
}

}  // namespace window

#pragma once
// "Ordlykta ordlistor": the words' own window, five pages on one data folder, and a banner
// that disables every writing button while the trainer holds the folder. A page is built when
// it is first shown or asked for, and read once the window is on the screen, so that the window
// opens as fast as the trainer does.

#include <QWidget>
#include <vector>

#include "window/Operations.h"

class QFileSystemWatcher;
class QLabel;
class QTabWidget;
class QTimer;

namespace window {

class Asker;
class BackupsPage;
class CheckPage;
class ExportPage;
class ImportPage;
class Page;
class ProgressPage;

class Window : public QWidget {
    Q_OBJECT
  public:
    // How often the folder's lock is looked at.
    static constexpr int kLockCheckMs = 1000;
    // How long after a data file changed the pages are read again: a change of several files
    // is read once.
    static constexpr int kSettleMs = 200;

    Window(const QString& dataFolder, Asker& asker, QWidget* parent = nullptr);
    ~Window() override;

    // Opens the import page on this file and shows its preview.
    void openFile(const QString& path);
    // Shows the page named import, export, backups, check or progress; false for another name.
    bool showPage(const QString& name);
    // Looks at the folder's lock now, as the timer does every second.
    void checkLock();

    // The page of this tab, built on first asking.
    Page& page(int tab);
    ImportPage& importPage();
    ExportPage& exportPage();
    BackupsPage& backupsPage();
    CheckPage& checkPage();
    ProgressPage& progressPage();

    QLabel* banner;
    QTabWidget* tabs;

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // The page of this class, built on first asking.
    template <typename P>
    P& page();
    // Every page but `fresh` is read again when next shown; the one on show at once.
    void reloadAll(const Page* fresh = nullptr);
    void showing(int tab);
    void connectRequests(Page* built);
    // Watches the data folder and its files, which a rename takes out of the watch.
    void watchFolder();

    Operations operations_;
    Asker& asker_;
    std::vector<Page*> pages_;  // by tab; nullptr until built
    QTimer* lockTimer_;
    QFileSystemWatcher* watcher_;
    QTimer* settle_;
    bool busy_ = false;
    std::vector<bool> stale_;  // by tab: read before shown
};

}  // namespace window

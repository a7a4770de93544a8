#pragma once
// "Ordlykta ordlistor": the words' own window, four pages on one data folder, and a banner
// that disables every writing button while the trainer holds the folder. A page is built when
// it is first shown or asked for, and read once the window is on the screen, so that the window
// opens as fast as the trainer does.

#include <QWidget>
#include <vector>

#include "window/Operations.h"

class QLabel;
class QTabWidget;
class QTimer;

namespace window {

class Asker;
class BackupsPage;
class CheckPage;
class ExportPage;
class ImportPage;

class Window : public QWidget {
    Q_OBJECT
  public:
    // How often the folder's lock is looked at.
    static constexpr int kLockCheckMs = 1000;

    Window(const QString& dataFolder, Asker& asker, QWidget* parent = nullptr);
    ~Window() override;

    // Opens the import page on this file and shows its preview.
    void openFile(const QString& path);
    // Shows the page named import, export, backups or check; false for another name.
    bool showPage(const QString& name);
    // Looks at the folder's lock now, as the timer does every second.
    void checkLock();

    ImportPage& importPage();
    ExportPage& exportPage();
    BackupsPage& backupsPage();
    CheckPage& checkPage();

    QLabel* banner;
    QTabWidget* tabs;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    enum Tab { kImport, kExport, kBackups, kCheck, kTabs };

    // Builds the page of this tab unless it is there.
    void build(int tab);
    // Every page is read again when next shown; the one on show at once.
    void reloadAll();
    void showing(int tab);

    Operations operations_;
    Asker& asker_;
    ImportPage* import_ = nullptr;
    ExportPage* export_ = nullptr;
    BackupsPage* backups_ = nullptr;
    CheckPage* check_ = nullptr;
    QTimer* lockTimer_;
    bool busy_ = false;
    std::vector<bool> stale_ = std::vector<bool>(kTabs, true);  // by tab: read before shown
};

}  // namespace window

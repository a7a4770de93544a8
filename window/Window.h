#pragma once
// "Ordlykta ordlistor": the words' own window, four pages on one data folder, and a banner
// that disables every writing button while the trainer holds the folder.

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

    QLabel* banner;
    QTabWidget* tabs;
    ImportPage* importPage;
    ExportPage* exportPage;
    BackupsPage* backupsPage;
    CheckPage* checkPage;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Every page is read again when next shown; the one on show at once.
    void reloadAll();
    void showing(int index);

    Operations operations_;
    QTimer* lockTimer_;
    bool busy_ = false;
    std::vector<bool> stale_;  // by tab: to be read before it is shown
};

}  // namespace window

#pragma once
// The main window: shows a TMainForm and forwards menu choices, clicks and timer ticks to its handlers. The
// form holds every value; after each handler the window shows the form again.
#include "app/MainForm.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTimer;

namespace renoka {

class MainMenus;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // The form has been created (FormCreate): its geometry, lists and menu checks are ready to show.
    explicit MainWindow(TMainForm& form, QWidget* parent = nullptr);
    ~MainWindow() override;

    const MainMenus& menus() const { return *m_menus; }
    // Shows the form's lists, labels, checks and visibility as they are now.
    void showForm();
    // The window's position and size as the settings keep them.
    WindowGeometry currentGeometry() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Runs a handler through the form's error wrapper, then shows what it changed.
    void run(const std::function<void()>& handler, bool unattended = false);
    void placeWindow();
    QWidget* buildButtonRow();
    QWidget* buildListPanel();
    QWidget* buildPages();
    void buildStatusBar();
    void wireMenus();
    void openGetDataDialog();

    TMainForm& m_form;
    std::unique_ptr<MainMenus> m_menus;
    QWidget* m_listPanel = nullptr;
    QComboBox* m_dateCombo = nullptr;
    QListWidget* m_datList = nullptr;
    QTabWidget* m_pages = nullptr;
    QLabel* m_statusLabel = nullptr;
    QLabel* m_clockLabel = nullptr;
    QTimer* m_clockTimer = nullptr;
};

} // namespace renoka

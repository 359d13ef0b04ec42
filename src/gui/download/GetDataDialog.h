#pragma once
// The stored-data download dialog ("ＪＶデータ取込"): shows a TGetDataForm, forwards its buttons and its status
// timer to the form's handlers, and follows the progress while the read loop runs inside a handler. The form
// lives as long as the dialog: created when the dialog opens, freed when it closes.
#include "jv/download/GetDataForm.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>

#include <functional>
#include <memory>

class QCheckBox;
class QDateTimeEdit;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

namespace renoka {

class TMainForm;

class GetDataDialog : public QDialog {
    Q_OBJECT

public:
    // Creates the form (FormCreate) and shows it.
    explicit GetDataDialog(TMainForm& main, QWidget* parent = nullptr);
    ~GetDataDialog() override;

    TGetDataForm& form() { return m_form; }
    // A download is waiting for the service or reading its files: nothing may start, close or change it now.
    bool downloading() const;
    // Shows every control of the form as it is now.
    void showForm();

    // Every way of closing ends here (Esc, the window's close button, reject, accept).
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Runs a handler through the main form's error wrapper, then shows what it changed.
    void run(const std::function<void()>& handler);
    QWidget* buildOptions();
    QWidget* buildProgress();
    QWidget* buildButtons();
    void bindInputs();
    // Bars and labels; unless forced, at most once per repaint interval, so a fast read does not spend its
    // time drawing.
    void showProgress(bool force);
    void showButtons();
    void followTimers();
    void followCursor();

    TMainForm& m_main;
    std::unique_ptr<TGetDataForm> m_ownedForm;
    TGetDataForm& m_form;

    QDateTimeEdit* m_picker = nullptr;
    QGroupBox* m_kindGroup = nullptr;
    QRadioButton* m_normal = nullptr;
    QRadioButton* m_setup = nullptr;
    QCheckBox* m_odds = nullptr;
    QProgressBar* m_downloadBar = nullptr;
    QProgressBar* m_readBar = nullptr;
    QLabel* m_progressLabel = nullptr;
    QLabel* m_recordLabel = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_settings = nullptr;
    QTimer* m_statusTimer = nullptr;
    QTimer* m_repaintTimer = nullptr;

    QElapsedTimer m_lastPaint;
    int m_handlerDepth = 0;
    bool m_cursorOverridden = false;
    bool m_closeWhenIdle = false;
    // Message boxes of the download belong over this dialog, not over the main window behind it.
};

} // namespace renoka

#pragma once
// The data-service simulator's own settings dialog, what "JV-Link設定" opens on this platform: the provider folder,
// the download speed and a note of the clock the simulator serves real-time data by. OK saves the folder to the
// settings file and hands both values to the simulator; Cancel leaves everything as it was.
#include <QDialog>

#include <cstdint>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace renoka {

class SimJvLink;
class TMainForm;

class SimSettingsDialog : public QDialog {
    Q_OBJECT

public:
    // JVSetUIProperties' answer when the folder could not be written to the settings file.
    static constexpr int32_t kSaveFailed = -100;
    // The speed box's lowest value: the speed then comes from the provider's provider.ini.
    static constexpr int kProviderSpeed = -1;

    SimSettingsDialog(TMainForm& form, SimJvLink& sim, QWidget* parent = nullptr);

    // Shows the dialog modally and answers as the control's JVSetUIProperties does (0, or kSaveFailed).
    static int32_t showModal(TMainForm& form, SimJvLink& sim, QWidget* parent);
    // Makes the simulator's JVSetUIProperties open this dialog over the active window.
    static void install(TMainForm& form, SimJvLink& sim);

    // Whether the last OK could not save the folder.
    bool saveFailed() const { return m_saveFailed; }

    void accept() override;

private:
    void browse();
    void showFolderState();
    QString clockNote() const;

    TMainForm& m_form;
    SimJvLink& m_sim;
    QLineEdit* m_folder = nullptr;
    QLabel* m_folderState = nullptr;
    QSpinBox* m_speed = nullptr;
    QLabel* m_clockNote = nullptr;
    bool m_saveFailed = false;
};

} // namespace renoka

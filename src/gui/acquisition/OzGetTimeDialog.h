#pragma once
// "データﾞ自動取得時刻指定": how many minutes before each post the odds are fetched, and how often the results,
// weights and mining forecasts are. The values live in TOzGetTimeForm; OK writes them to the settings file.
#include "jv/acquisition/OzGetTimeForm.h"

#include <QDialog>

class QSpinBox;

namespace renoka {

class TMainForm;

class OzGetTimeDialog : public QDialog {
    Q_OBJECT

public:
    OzGetTimeDialog(TOzGetTimeForm& form, QWidget* parent = nullptr);

    // "データ自動取得時刻設定": the dialog over the window, modal; its form lives while it is open.
    static void showModal(TMainForm& main, QWidget* parent);

    void accept() override;

private:
    QWidget* buildGroup(const TOzGetTimeForm::Group& group, SpinEdit& spin, QSpinBox*& box, const char* name);

    TOzGetTimeForm& m_form;
    QSpinBox* m_ozGet = nullptr;
    QSpinBox* m_rdataGet = nullptr;
    QSpinBox* m_bataijuGet = nullptr;
};

} // namespace renoka

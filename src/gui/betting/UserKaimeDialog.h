#pragma once
// The axis-and-partner window ("(軸・ヒモ馬ユーザー設定)"): made with the main window, shown on top of it when
// opened (it does not hold the main window up), and kept until the program ends. Its controls are the choices the
// marks of the next race read as they stand; the set chooser, 追加 and 削除 keep named sets of them.
#include "main/HandlerRunner.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace renoka {

class TUserKaimeForm;

class UserKaimeDialog : public QDialog {
    Q_OBJECT

public:
    // `run` runs the user's handlers; `runQuietly` the dialog's own upkeep (its place), which may come while a
    // handler of this window waits for an answer and must neither be refused nor open a dialog.
    UserKaimeDialog(TUserKaimeForm& form, HandlerRunner run, HandlerRunner runQuietly, QWidget* parent = nullptr);

    // Shows the form's controls and sets as they are now.
    void showForm();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildSelection(const char* caption, const char* name, QSpinBox*& count, QComboBox*& order,
                            QCheckBox** fill);
    // The controls as the user left them into the form.
    void takeControls();

    TUserKaimeForm& m_form;
    HandlerRunner m_run;
    HandlerRunner m_runQuietly;
    QSpinBox* m_axisCount = nullptr;
    QSpinBox* m_partner1Count = nullptr;
    QSpinBox* m_partner2Count = nullptr;
    QComboBox* m_axisOrder = nullptr;
    QComboBox* m_partner1Order = nullptr;
    QComboBox* m_partner2Order = nullptr;
    QCheckBox* m_partner1Fill = nullptr;
    QCheckBox* m_partner2Fill = nullptr;
    QComboBox* m_sets = nullptr;
    QLineEdit* m_name = nullptr;
};

} // namespace renoka

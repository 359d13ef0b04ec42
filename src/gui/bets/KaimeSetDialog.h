#pragma once
// "投資金設定": the stake per race that every day load gives each race. The chase settings under it (the increase
// rate and the target profit) are part of the dialog but hidden. The values live in TKaimeSetForm; OK writes them
// to the settings file and shows the race on screen again.
#include <QDialog>

#include <cstdint>

class QLineEdit;

namespace renoka {

class BetBoard;
class TKaimeSetForm;

class KaimeSetDialog : public QDialog {
    Q_OBJECT

public:
    KaimeSetDialog(TKaimeSetForm& form, QWidget* parent = nullptr);

    // 投資金設定(&T): the dialog over the window, modal; its form lives while it is open.
    static void showModal(BetBoard& board, QWidget* parent);

    QLineEdit& amountEdit() const { return *m_amount; }

    void accept() override;

private:
    QLineEdit* addField(const char* name, const QString& caption, const char* unit, const char* help, int64_t value,
                        bool shown);

    TKaimeSetForm& m_form;
    QLineEdit* m_amount = nullptr;
    QLineEdit* m_zogaku = nullptr;
    QLineEdit* m_tarProfit = nullptr;
};

} // namespace renoka

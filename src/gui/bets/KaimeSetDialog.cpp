#include "bets/KaimeSetDialog.h"

#include "QtText.h"
#include "betting/BetBoard.h"
#include "betting/KaimeSetForm.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace renoka {

namespace {

// Whole yen or percent of up to six digits, as the form keeps them.
QValidator* sixDigits(QObject* parent) {
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), parent);
}

} // namespace

KaimeSetDialog::KaimeSetDialog(TKaimeSetForm& form, QWidget* parent) : QDialog(parent), m_form(form) {
    setObjectName(QStringLiteral("KaimeSetForm"));
    setWindowTitle(uiText(TKaimeSetForm::Caption));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(uiText(TKaimeSetForm::Intro), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    m_amount = addField("AmountEdit", uiText(TKaimeSetForm::AmountCaption) + QStringLiteral("(&A)"), "円", nullptr,
                        m_form.Amount, true);

    auto* heading = new QLabel(uiText(TKaimeSetForm::ChaseHeading), this);
    heading->setObjectName(QStringLiteral("ChaseHeading"));
    heading->setVisible(m_form.chaseFieldsVisible);
    layout->addWidget(heading);
    m_zogaku = addField("ZogakuEdit", uiText(TKaimeSetForm::ZogakuCaption), "%", TKaimeSetForm::ZogakuHelp,
                        m_form.Zogaku, m_form.chaseFieldsVisible);
    m_tarProfit = addField("TarProfitEdit", uiText(TKaimeSetForm::TarProfitCaption), "円", TKaimeSetForm::TarProfitHelp,
                           m_form.TarProfit, m_form.chaseFieldsVisible);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    m_amount->setFocus();
    m_amount->selectAll();
}

QLineEdit* KaimeSetDialog::addField(const char* name, const QString& caption, const char* unit, const char* help,
                                    int64_t value, bool shown) {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* edit = new QLineEdit(QString::number(value), box);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setValidator(sixDigits(edit));
    edit->setMaxLength(6);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    auto* captionLabel = new QLabel(caption, box);
    captionLabel->setBuddy(edit);
    grid->addWidget(captionLabel, 0, 0);
    grid->addWidget(edit, 0, 1);
    grid->addWidget(new QLabel(uiText(unit), box), 0, 2);
    grid->setColumnStretch(3, 1);
    if (help) {
        auto* explanation = new QLabel(uiText(help), box);
        explanation->setWordWrap(true);
        grid->addWidget(explanation, 1, 0, 1, 4);
    }
    box->setVisible(shown);
    layout()->addWidget(box);
    return edit;
}

void KaimeSetDialog::accept() {
    m_form.Amount = m_amount->text().toLongLong();
    m_form.Zogaku = m_zogaku->text().toLongLong();
    m_form.TarProfit = m_tarProfit->text().toLongLong();
    m_form.BitBtn1Click();
    QDialog::accept();
}

void KaimeSetDialog::showModal(BetBoard& board, QWidget* parent) {
    const std::unique_ptr<TKaimeSetForm> form = board.N18Click();
    KaimeSetDialog dialog(*form, parent);
    dialog.exec();
}

} // namespace renoka

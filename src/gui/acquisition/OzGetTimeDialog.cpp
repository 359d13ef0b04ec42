#include "acquisition/OzGetTimeDialog.h"

#include "QtText.h"
#include "app/MainForm.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace renoka {

OzGetTimeDialog::OzGetTimeDialog(TOzGetTimeForm& form, QWidget* parent) : QDialog(parent), m_form(form) {
    setObjectName(QStringLiteral("OzGetTimeForm"));
    setWindowTitle(uiText(TOzGetTimeForm::Caption));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildGroup(TOzGetTimeForm::OzGroup, m_form.OzGetSpin, m_ozGet, "OzGetSpin"));
    layout->addWidget(buildGroup(TOzGetTimeForm::RdataGroup, m_form.RdataGetSpin, m_rdataGet, "RdataGetSpin"));
    layout->addWidget(buildGroup(TOzGetTimeForm::BataijuGroup, m_form.BataijuGetSpin, m_bataijuGet, "BataijuGetSpin"));
    auto* note = new QLabel(uiText("変更した時刻は、次に開催日を読み込んだときから使われます。"), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKBtn"));
    buttons->button(QDialogButtonBox::Cancel)->setText(uiText("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget* OzGetTimeDialog::buildGroup(const TOzGetTimeForm::Group& group, SpinEdit& spin, QSpinBox*& box,
                                     const char* name) {
    auto* frame = new QGroupBox(uiText(group.captionUtf8), this);
    auto* layout = new QVBoxLayout(frame);
    if (*group.explanationUtf8) {
        auto* explanation = new QLabel(uiText(group.explanationUtf8), frame);
        explanation->setWordWrap(true);
        layout->addWidget(explanation);
    }
    auto* row = new QHBoxLayout;
    if (*group.beforeUtf8) row->addWidget(new QLabel(uiText(group.beforeUtf8), frame));
    box = new QSpinBox(frame);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(spin.minValue, spin.maxValue);
    box->setValue(spin.value);
    row->addWidget(box);
    auto* after = new QLabel(uiText(group.afterUtf8), frame);
    after->setBuddy(box);
    row->addWidget(after);
    row->addStretch(1);
    layout->addLayout(row);
    frame->setVisible(spin.visible);
    return frame;
}

void OzGetTimeDialog::accept() {
    m_form.OzGetSpin.value = m_ozGet->value();
    m_form.RdataGetSpin.value = m_rdataGet->value();
    m_form.BataijuGetSpin.value = m_bataijuGet->value();
    m_form.OKBtnClick();
    QDialog::accept();
}

void OzGetTimeDialog::showModal(TMainForm& main, QWidget* parent) {
    const std::unique_ptr<TOzGetTimeForm> form = main.N8Click();
    OzGetTimeDialog dialog(*form, parent);
    dialog.exec();
}

} // namespace renoka

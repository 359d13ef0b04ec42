#include "betting/UserKaimeDialog.h"

#include "QtText.h"
#include "betting/UserKaimeForm.h"
#include "widgets/Buttons.h"
#include "widgets/ListView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace renoka {

namespace {

constexpr const char* kFillCaption = "候補馬が点数に満たない場合は上記順位を基準に頭数を補充する";

void showValue(QSpinBox& box, int value) {
    const QSignalBlocker blocker(box);
    if (box.value() != value) box.setValue(value);
}

void showIndex(QComboBox& box, int index) {
    const QSignalBlocker blocker(box);
    if (box.currentIndex() != index) box.setCurrentIndex(index);
}

void showCheck(QCheckBox& box, bool on) {
    const QSignalBlocker blocker(box);
    if (box.isChecked() != on) box.setChecked(on);
}

} // namespace

UserKaimeDialog::UserKaimeDialog(TUserKaimeForm& form, HandlerRunner run, HandlerRunner runQuietly, QWidget* parent)
    : QDialog(parent), m_form(form), m_run(std::move(run)), m_runQuietly(std::move(runQuietly)) {
    setObjectName(QStringLiteral("UserKaimeForm"));
    setWindowTitle(uiText(TUserKaimeForm::Caption));
    // It stays above the main window while the punter goes on choosing races there.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSelection("軸馬", "Jiku", m_axisCount, m_axisOrder, nullptr));
    layout->addWidget(buildSelection("ヒモ1（2着・相手）", "Himo1", m_partner1Count, m_partner1Order, &m_partner1Fill));
    layout->addWidget(buildSelection("ヒモ2（3着）", "Himo2", m_partner2Count, m_partner2Order, &m_partner2Fill));
    m_axisCount->setObjectName(QStringLiteral("JikuTosuEdit1"));
    m_partner1Count->setObjectName(QStringLiteral("HimoTosuEdit1"));
    m_partner2Count->setObjectName(QStringLiteral("HimoTosuEdit2"));
    m_axisOrder->setObjectName(QStringLiteral("JikuCombo1"));
    m_partner1Order->setObjectName(QStringLiteral("HimoCombo1"));
    m_partner2Order->setObjectName(QStringLiteral("HimoCombo2"));
    m_partner1Fill->setObjectName(QStringLiteral("Himo1plsCheckBox"));
    m_partner2Fill->setObjectName(QStringLiteral("Himo2plsCheckBox"));
    // The partner-1 order is remembered in the settings whenever it changes.
    connect(m_partner1Order, &QComboBox::activated, this, [this] { m_run([this] { m_form.HimoCombo1Change(); }); });

    auto* sets = new QGroupBox(uiText("ユーザー設定"), this);
    auto* grid = new QGridLayout(sets);
    m_sets = new QComboBox(sets);
    m_sets->setObjectName(QStringLiteral("SetCombo"));
    auto* setsCaption = new QLabel(uiText("設定選択(&S)"), sets);
    setsCaption->setBuddy(m_sets);
    connect(m_sets, &QComboBox::activated, this, [this](int index) {
        m_run([this, index] {
            m_form.SetCombo.itemIndex = index;
            m_form.SetComboChange();
        });
    });
    QPushButton* del =
        makeButton("DelBtn", "削除(&D)", "左に選択されている設定を削除します。", sets, HintShown::AsToolTip);
    connect(del, &QPushButton::clicked, this, [this] { m_run([this] { m_form.DelBtnClick(); }); });

    m_name = new QLineEdit(qs(m_form.Edit1), sets);
    m_name->setObjectName(QStringLiteral("Edit1"));
    auto* nameCaption = new QLabel(uiText("設定追加(&N)"), sets);
    nameCaption->setBuddy(m_name);
    QPushButton* add = makeButton("AddSetBtn", "追加(&A)", "左の設定名で現在の画面の設定内容を保存します。", sets,
                                  HintShown::AsToolTip);
    connect(add, &QPushButton::clicked, this, [this] {
        m_run([this] {
            m_form.Edit1 = fromQs(m_name->text());
            m_form.AddSetBtnClick();
        });
    });
    connect(m_name, &QLineEdit::returnPressed, add, &QPushButton::click);
    grid->addWidget(setsCaption, 0, 0);
    grid->addWidget(m_sets, 0, 1);
    grid->addWidget(del, 0, 2);
    grid->addWidget(nameCaption, 1, 0);
    grid->addWidget(m_name, 1, 1);
    grid->addWidget(add, 1, 2);
    grid->setColumnStretch(1, 1);
    layout->addWidget(sets);

    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    QPushButton* close = makeButton("CloseBtn", "閉じる(&C)", "この画面を閉じます。", this, HintShown::AsToolTip);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    closeRow->addWidget(close);
    layout->addLayout(closeRow);
    showForm();
}

QWidget* UserKaimeDialog::buildSelection(const char* caption, const char* name, QSpinBox*& count, QComboBox*& order,
                                         QCheckBox** fill) {
    auto* group = new QGroupBox(uiText(caption), this);
    group->setObjectName(QString::fromLatin1(name) + QStringLiteral("Group"));
    auto* layout = new QGridLayout(group);
    order = new QComboBox(group);
    for (const std::string& item : TUserKaimeForm::orderItems())
        order->addItem(qs(item));
    order->setStatusTip(uiText("どの順で馬を選ぶか"));
    count = new QSpinBox(group);
    count->setRange(AxisPartnerSet::kMinCount, AxisPartnerSet::kMaxCount);
    count->setAlignment(Qt::AlignRight);
    auto* countCaption = new QLabel(uiText("頭選定"), group);
    countCaption->setBuddy(count);
    layout->addWidget(order, 0, 0);
    layout->addWidget(count, 0, 1);
    layout->addWidget(countCaption, 0, 2);
    layout->setColumnStretch(0, 1);
    connect(order, &QComboBox::currentIndexChanged, this, [this] { takeControls(); });
    connect(count, &QSpinBox::valueChanged, this, [this] { takeControls(); });
    if (fill) {
        *fill = new QCheckBox(uiText(kFillCaption), group);
        layout->addWidget(*fill, 1, 0, 1, 3);
        connect(*fill, &QCheckBox::toggled, this, [this] { takeControls(); });
    }
    return group;
}

void UserKaimeDialog::takeControls() {
    AxisPartnerSet& c = m_form.Controls;
    c.axisCount = m_axisCount->value();
    c.partner1Count = m_partner1Count->value();
    c.partner2Count = m_partner2Count->value();
    c.axisOrder = AxisPartnerSet::keepOrder(m_axisOrder->currentIndex());
    c.partner1Order = AxisPartnerSet::keepOrder(m_partner1Order->currentIndex());
    c.partner2Order = AxisPartnerSet::keepOrder(m_partner2Order->currentIndex());
    c.partner1Fill = m_partner1Fill->isChecked();
    c.partner2Fill = m_partner2Fill->isChecked();
}

void UserKaimeDialog::showForm() {
    const AxisPartnerSet& c = m_form.Controls;
    showValue(*m_axisCount, AxisPartnerSet::keepCount(c.axisCount));
    showValue(*m_partner1Count, AxisPartnerSet::keepCount(c.partner1Count));
    showValue(*m_partner2Count, AxisPartnerSet::keepCount(c.partner2Count));
    showIndex(*m_axisOrder, AxisPartnerSet::keepOrder(c.axisOrder));
    showIndex(*m_partner1Order, AxisPartnerSet::keepOrder(c.partner1Order));
    showIndex(*m_partner2Order, AxisPartnerSet::keepOrder(c.partner2Order));
    showCheck(*m_partner1Fill, c.partner1Fill);
    showCheck(*m_partner2Fill, c.partner2Fill);
    showList(*m_sets, m_form.SetCombo);
}

void UserKaimeDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const WindowGeometry place = m_form.FormActivate();
    move(place.left, place.top);
}

void UserKaimeDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // The place is written whenever the window loses the focus, also to the question of its own 追加 or 削除.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        m_runQuietly([this, top = y(), left = x()] { m_form.FormDeactivate(top, left); });
}

} // namespace renoka

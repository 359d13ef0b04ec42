#include "results/LossRegDialog.h"

#include "QtText.h"
#include "grid/GridView.h"
#include "grid/TextGridModel.h"
#include "results/LossRegForm.h"
#include "widgets/Buttons.h"
#include "widgets/LabelView.h"
#include "widgets/ListView.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace renoka {

LossRegDialog::LossRegDialog(TLossRegForm& form, HandlerRunner run, HandlerRunner runQuietly, QWidget* parent)
    : QDialog(parent), m_form(form), m_run(std::move(run)), m_runQuietly(std::move(runQuietly)) {
    setObjectName(QStringLiteral("LossRegForm"));
    setWindowTitle(uiText(TLossRegForm::Caption));
    // It stays above the main window while the punter goes on choosing races there.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);

    m_races = new QListWidget(this);
    m_races->setObjectName(QStringLiteral("DatList"));
    m_races->setStatusTip(uiText("損失を記録するレースを選びます"));
    connect(m_races, &QListWidget::currentRowChanged, this,
            [this](int row) { m_run([this, row] { m_form.DatList.itemIndex = row; }); });
    auto* racesCaption = new QLabel(uiText("レース(&R)"), this);
    racesCaption->setBuddy(m_races);

    m_amount = new QLineEdit(this);
    m_amount->setObjectName(QStringLiteral("SaNumEditExC3"));
    m_amount->setValidator(new QIntValidator(static_cast<int>(-TLossRegForm::kMaxAmount),
                                             static_cast<int>(TLossRegForm::kMaxAmount), m_amount));
    m_amount->setMaxLength(8);
    m_amount->setAlignment(Qt::AlignRight);
    m_amount->setText(QStringLiteral("0"));
    auto* amountCaption = new QLabel(uiText("登録する損失金額(&M)"), this);
    amountCaption->setBuddy(m_amount);
    auto* note = new QLabel(uiText("※損失金の一部回収があった場合はマイナスで入力してください。"), this);
    note->setWordWrap(true);

    QPushButton* record =
        makeButton("TanLossBtn", "損失記録(&S)", "選んだレースの損失金を記録します", this, HintShown::AsToolTip);
    connect(record, &QPushButton::clicked, this, [this] {
        if (!takeAmount()) return;
        m_run([this] { m_form.TanLossBtnClick(); });
    });
    connect(m_amount, &QLineEdit::returnPressed, record, &QPushButton::click);

    auto* entry = new QGridLayout;
    entry->addWidget(racesCaption, 0, 0);
    entry->addWidget(m_races, 1, 0, 3, 1);
    entry->addWidget(amountCaption, 1, 1);
    entry->addWidget(m_amount, 2, 1);
    entry->addWidget(record, 3, 1, Qt::AlignTop);
    entry->addWidget(note, 4, 0, 1, 2);

    auto* table = new QGroupBox(uiText("累積損失表"), this);
    m_grid = new GridView(
        m_form.StringGrid4, [this](int row, int col) { return m_form.paint(row, col); }, table);
    m_grid->setObjectName(QStringLiteral("StringGrid4"));
    connect(m_grid, &GridView::clicked, this, [this](const QModelIndex& index) {
        const int row = TextGridModel::gridRow(index.row());
        const int col = index.column();
        m_run([this, row, col] { m_form.StringGrid4MouseDown(row, col); });
    });
    connect(m_grid, &GridView::contextMenuAt, this, [this](const QModelIndex& index, const QPoint& globalPos) {
        if (index.isValid()) {
            const int row = TextGridModel::gridRow(index.row());
            const int col = index.column();
            m_run([this, row, col] { m_form.StringGrid4MouseDown(row, col); });
        }
        showMenu(globalPos);
    });
    auto* tableLayout = new QVBoxLayout(table);
    tableLayout->addWidget(m_grid);

    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("RuisonLabel"));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_total->setMinimumWidth(m_total->fontMetrics().horizontalAdvance(QStringLiteral("00000000")) + 8);
    auto* totalRow = new QHBoxLayout;
    totalRow->addStretch(1);
    totalRow->addWidget(new QLabel(uiText("累積損失額："), this));
    totalRow->addWidget(m_total);
    totalRow->addWidget(new QLabel(uiText("円"), this));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entry);
    layout->addWidget(table, 1);
    layout->addLayout(totalRow);
    resize(360, 480);
    showForm();
}

bool LossRegDialog::takeAmount() {
    bool ok = false;
    const QString text = m_amount->text().trimmed();
    const long long value = text.isEmpty() ? 0 : text.toLongLong(&ok);
    if (!text.isEmpty() && (!ok || value < -TLossRegForm::kMaxAmount || value > TLossRegForm::kMaxAmount)) {
        m_amount->selectAll();
        m_amount->setFocus();
        return false;
    }
    m_form.SaNumEditExC3 = value;
    return true;
}

void LossRegDialog::showMenu(const QPoint& globalPos) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PopupMenu1"));
    QAction* one = menu.addAction(uiText("削除(&D)"));
    one->setObjectName(QStringLiteral("Delete1"));
    connect(one, &QAction::triggered, this, [this] { m_run([this] { m_form.Delete1Click(); }); });
    QAction* all = menu.addAction(uiText("全削除(&A)"));
    all->setObjectName(QStringLiteral("A1"));
    connect(all, &QAction::triggered, this, [this] { m_run([this] { m_form.A1Click(); }); });
    menu.exec(globalPos);
}

void LossRegDialog::showForm() {
    showList(*m_races, m_form.DatList);
    m_grid->refresh();
    showLabel(*m_total, m_form.RuisonLabel);
}

void LossRegDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const WindowGeometry place = m_form.FormActivate();
    move(place.left, place.top);
}

void LossRegDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // The place is written whenever the window loses the focus, also to the question of its own buttons.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        m_runQuietly([this, top = y(), left = x()] { m_form.FormDeactivate(top, left); });
}

} // namespace renoka

#include "main/EntriesPage.h"

#include "QtText.h"
#include "analysis/EntriesTable.h"
#include "app/MainForm.h"
#include "betting/AxisPartnerMarks.h"
#include "grid/GridView.h"
#include "grid/TextGridModel.h"
#include "widgets/LabelView.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace renoka {

EntriesPage::EntriesPage(TMainForm& form, HandlerRunner run, QWidget* parent)
    : QWidget(parent), m_form(form), m_run(std::move(run)) {
    EntriesTable& entries = m_form.entries();
    m_check = new GridView(
        entries.StringGrid8, [&entries](int row, int col) { return entries.paintCheck(row, col); }, this);
    m_check->setObjectName(QStringLiteral("StringGrid8"));
    // The marks are the cells: a click, or the space key on the current cell, sets or clears one, and every
    // press on the grid builds the bets again.
    m_check->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_check->setStatusTip(uiText("軸・ヒモ1・ヒモ2・消の欄をクリック（またはスペースキー）で印を付け外しします"));
    AxisPartnerMarks& marks = m_form.marks();
    m_check->setCellPresses([&marks](int row, int col) { return marks.handCursorAt(row, col); });
    connect(m_check, &GridView::cellPressed, this,
            [this](int row, int col) { m_run([this, row, col] { m_form.marks().StringGrid8MouseDown(row, col); }); });
    m_table = new GridView(
        entries.StringGrid26, [&entries](int row, int col) { return entries.paint(row, col); }, this);
    m_table->setObjectName(QStringLiteral("StringGrid26"));
    m_table->setSortableHeader(&EntriesTable::sortableHeader);
    connect(m_table, &GridView::headerClicked, this,
            [this](int col) { m_run([this, col] { m_form.entries().StringGrid26MouseDown(0, col); }); });
    connect(m_table, &GridView::contextMenuAt, this, &EntriesPage::showTableMenu);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_check);
    splitter->addWidget(m_table);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    // The check grid is narrow and wants its whole width; the table scrolls.
    m_check->setMaximumWidth(m_check->fullWidth());
    splitter->setSizes({m_check->fullWidth(), 800});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildButtons());
    layout->addWidget(splitter, 1);
}

QWidget* EntriesPage::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    // The race's pattern letter and the axis-and-partner set that chose the marks.
    m_pattern = new QLabel(row);
    m_pattern->setObjectName(QStringLiteral("PatternLabel"));
    m_pattern->setStatusTip(uiText("このレースのパターン（軸馬の自動選定に使います）"));
    layout->addWidget(m_pattern);
    layout->addSpacing(12);
    m_setName = new QLabel(row);
    m_setName->setObjectName(QStringLiteral("SetNameLabel"));
    m_setName->setStatusTip(uiText("軸・ヒモ馬を選んだユーザー設定"));
    auto* setCaption = new QLabel(uiText("軸・ヒモ設定:"), row);
    layout->addWidget(setCaption);
    layout->addWidget(m_setName);
    layout->addSpacing(12);
    layout->addWidget(new QLabel(uiText("並べ替え:"), row));
    m_sortButtons = new QButtonGroup(this);
    m_sortButtons->setExclusive(true);
    for (int i = 0; i < EntriesTable::kSortButtonCount; ++i) {
        auto* button = new QPushButton(qs(EntriesTable::sortButtonCaption(i)), row);
        button->setObjectName(QStringLiteral("SortButton%1").arg(i));
        button->setCheckable(true);
        button->setAutoDefault(false);
        m_sortButtons->addButton(button, i);
        layout->addWidget(button);
    }
    connect(m_sortButtons, &QButtonGroup::idClicked, this, [this](int id) {
        m_run([this, id] {
            EntriesTable& entries = m_form.entries();
            entries.SortButtonDown = id;
            entries.SpeedButton14Click();
        });
    });
    layout->addStretch(1);
    auto* copy = new QPushButton(uiText("クリップボードへコピー(&C)"), row);
    copy->setObjectName(QStringLiteral("Clip1"));
    copy->setStatusTip(uiText("レース名と出走馬一覧をタブ区切りでクリップボードへコピーします"));
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, [this] { m_run([this] { m_form.entries().Clip1Click(); }); });
    layout->addWidget(copy);
    return row;
}

void EntriesPage::showTableMenu(const QModelIndex& index, const QPoint& globalPos) {
    const int col = index.isValid() ? index.column() : m_table->currentIndex().column();
    if (col < 0 || !EntriesTable::sortableHeader(col)) return;
    const EntriesTable& entries = m_form.entries();
    const QString header = qs(entries.StringGrid26.cell(col, 0));
    // The keyboard's way to a header click: the same handler, for the column of the current cell.
    QMenu menu(this);
    QAction* sort = menu.addAction(uiText("「%1」で並べ替え(&S) %2")
                                       .arg(header, entries.nextSortAscending(col) ? uiText("昇順") : uiText("降順")));
    sort->setObjectName(QStringLiteral("SortByColumn"));
    connect(sort, &QAction::triggered, this,
            [this, col] { m_run([this, col] { m_form.entries().StringGrid26MouseDown(0, col); }); });
    menu.exec(globalPos);
}

void EntriesPage::showLabels() {
    showLabel(*m_pattern, m_form.marks().PatternLabel);
    showLabel(*m_setName, m_form.SetNameLabel);
}

void EntriesPage::showForm() {
    showLabels();
    m_check->refresh();
    m_table->refresh();
    const int down = m_form.entries().SortButtonDown;
    if (QAbstractButton* button = m_sortButtons->button(down)) {
        if (!button->isChecked()) button->setChecked(true);
    } else if (QAbstractButton* checked = m_sortButtons->checkedButton()) {
        // No button is down in the form: an exclusive group cannot uncheck its last button by itself.
        m_sortButtons->setExclusive(false);
        checked->setChecked(false);
        m_sortButtons->setExclusive(true);
    }
}

} // namespace renoka

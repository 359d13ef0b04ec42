#include "main/ResultsPage.h"

#include "QtText.h"
#include "grid/GridView.h"
#include "results/ResultsPanel.h"
#include "widgets/LabelView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace renoka {

namespace {

constexpr int kBoxesPerRow = 4;

} // namespace

ResultsPage::ResultsPage(const ResultsPanel& panel, QWidget* parent) : QWidget(parent), m_panel(panel) {
    setObjectName(QStringLiteral("KekkaPanel"));
    auto* boxes = new QGridLayout;
    boxes->setSpacing(8);
    const QFont font = GridView::gridFont();
    // The payouts are what the page is for: larger than the grids, the amounts in bold.
    QFont value = font;
    value.setPixelSize(16);
    QFont amount = value;
    amount.setBold(true);
    QFont bold = value;
    bold.setBold(true);
    int at = 0;
    for (PayoutType type : kPayoutTypes) {
        auto* box = new QGroupBox(qs(payoutTypeName(type)), this);
        box->setFont(bold);
        auto* grid = new QGridLayout(box);
        grid->setHorizontalSpacing(14);
        grid->setVerticalSpacing(2);
        int col = 0;
        for (const char* caption : {"結果", "人気", "配当"}) {
            auto* head = new QLabel(uiText(caption), box);
            head->setFont(font);
            head->setAlignment(Qt::AlignCenter);
            grid->addWidget(head, 0, col++);
        }
        for (int i = 0; i < payoutLayout(type).entries; ++i) {
            const ResultLabels& entry = m_panel.entry(type, i);
            col = 0;
            for (const Label* label : {&entry.Kekka, &entry.Ninki, &entry.Haito}) {
                auto* view = new QLabel(box);
                view->setFont(label == &entry.Haito ? amount : value);
                // Fixed-width numbers, right-aligned by their own padding; the font keeps the digits in columns.
                view->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                view->setTextInteractionFlags(Qt::TextSelectableByMouse);
                grid->addWidget(view, i + 1, col++);
                m_labels.push_back({view, label});
            }
        }
        grid->setRowStretch(payoutLayout(type).entries + 1, 1);
        boxes->addWidget(box, at / kBoxesPerRow, at % kBoxesPerRow, Qt::AlignTop);
        ++at;
    }
    auto* inner = new QWidget(this);
    auto* innerLayout = new QVBoxLayout(inner);
    innerLayout->addLayout(boxes);
    innerLayout->addStretch(1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(inner);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

void ResultsPage::showForm() {
    for (const Shown& shown : m_labels)
        showLabel(*shown.view, *shown.label);
}

} // namespace renoka

#include "main/RaceHeader.h"
#include "QtText.h"

#include "grid/GridView.h"
#include "raceday/RaceCard.h"
#include "widgets/LabelView.h"
#include "widgets/QtColor.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace renoka {

RaceHeader::RaceHeader(const RaceCard& card, QWidget* parent) : QWidget(parent), m_card(card) {
    setObjectName(QStringLiteral("Panel8"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);

    m_panel3 = new QFrame(this);
    m_panel3->setObjectName(QStringLiteral("Panel3"));
    m_panel3->setAutoFillBackground(true);
    m_panel3->setFrameShape(QFrame::StyledPanel);
    auto* panelLayout = new QVBoxLayout(m_panel3);
    panelLayout->setContentsMargins(10, 4, 10, 4);
    m_basho = addLabel("BashoLabel", m_panel3);
    m_race = addLabel("RaceLabel", m_panel3);
    // The racecourse and race number are what a punter looks for first across the room.
    QFont big = font();
    big.setPixelSize(22);
    big.setBold(true);
    for (QLabel* label : {m_basho, m_race}) {
        label->setFont(big);
        label->setAlignment(Qt::AlignCenter);
        label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        panelLayout->addWidget(label);
    }
    m_panel3->setMinimumWidth(QFontMetrics(big).horizontalAdvance(uiText("東京")) + 24);
    layout->addWidget(m_panel3);

    auto* details = new QVBoxLayout;
    details->setSpacing(1);
    m_label1 = addLabel("Label1", this);
    m_label2 = addLabel("Label2", this);
    m_label3 = addLabel("Label3", this);
    m_label4 = addLabel("Label4", this);
    m_label6 = addLabel("Label6", this);
    m_label7 = addLabel("Label7", this);
    QFont title = m_label2->font();
    title.setPixelSize(16);
    title.setBold(true);
    m_label2->setFont(title);
    for (QLabel* label : {m_label1, m_label2, m_label3, m_label4, m_label6, m_label7})
        details->addWidget(label);
    layout->addLayout(details, 1);

    auto* odds = new QVBoxLayout;
    auto* caption = new QLabel(uiText("オッズ発表"), this);
    caption->setAlignment(Qt::AlignCenter);
    m_oddsTime = addLabel("TFWtimeLabel", this);
    QFont time = m_oddsTime->font();
    time.setPixelSize(18);
    time.setBold(true);
    m_oddsTime->setFont(time);
    m_oddsTime->setAlignment(Qt::AlignCenter);
    m_oddsTime->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    odds->addWidget(caption);
    odds->addWidget(m_oddsTime);
    odds->addStretch(1);
    layout->addLayout(odds);
}

QLabel* RaceHeader::addLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    // The texts are built of byte-padded fields: a fixed-pitch font keeps their columns.
    label->setFont(GridView::gridFont());
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long heading is cut at the window's edge instead of holding the window wide.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

void RaceHeader::showForm() {
    QPalette palette = m_panel3->palette();
    palette.setColor(QPalette::Window, qcolor(m_card.Panel3Color));
    // The panel's colours are dark: its texts are white unless core says otherwise.
    palette.setColor(QPalette::WindowText, Qt::white);
    if (m_panel3->palette() != palette) m_panel3->setPalette(palette);
    for (const auto& [view, label] :
         {std::pair{m_basho, &m_card.BashoLabel}, std::pair{m_race, &m_card.RaceLabel},
          std::pair{m_label1, &m_card.Label1}, std::pair{m_label2, &m_card.Label2}, std::pair{m_label3, &m_card.Label3},
          std::pair{m_label4, &m_card.Label4}, std::pair{m_label6, &m_card.Label6}, std::pair{m_label7, &m_card.Label7},
          std::pair{m_oddsTime, &m_card.TFWtimeLabel}})
        showLabel(*view, *label);
}

} // namespace renoka

#include "main/RaceCardPage.h"

#include "QtText.h"
#include "app/MainForm.h"
#include "grid/GridView.h"
#include "grid/TextGridModel.h"
#include "raceday/RaceCard.h"

#include <QItemSelectionModel>
#include <QMenu>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace renoka {

RaceCardPage::RaceCardPage(TMainForm& form, HandlerRunner run, QWidget* parent)
    : QWidget(parent), m_form(form), m_run(std::move(run)) {
    RaceCard& card = m_form.raceCard();
    m_grid = new GridView(
        card.StringGrid6, [&card](int row, int col) { return card.paint(row, col); }, this);
    m_grid->setObjectName(QStringLiteral("StringGrid6"));
    m_grid->setRowLines(2, RaceCard::kRowHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);

    // Moving to a row by mouse or keys makes it the current horse, as a click on the card did.
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
        if (!current.isValid()) return;
        const int row = TextGridModel::gridRow(current.row());
        const int col = current.column();
        m_run([this, row, col] { m_form.raceCard().StringGrid6MouseDown(row, col); });
    });
    connect(m_grid, &GridView::contextMenuAt, this, &RaceCardPage::showMenu);
}

void RaceCardPage::showMenu(const QModelIndex& index, const QPoint& globalPos) {
    if (!index.isValid()) return;
    RaceCard& card = m_form.raceCard();
    const int row = TextGridModel::gridRow(index.row());
    const int col = index.column();
    m_run([&card, row, col] { card.StringGrid6MouseDown(row, col); });

    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PopupMenu1"));
    QAction* track = menu.addAction(qs(card.menu.R1));
    track->setObjectName(QStringLiteral("R1"));
    connect(track, &QAction::triggered, this, [this] { m_run([this] { m_form.raceCard().R1Click(); }); });
    menu.addSeparator();
    // The information items name the horse, its jockey and its trainer; they have nothing to open.
    for (const auto& [name, caption] :
         {std::pair{"UmaMenu", &card.menu.UmaMenu}, std::pair{"KishuMenu", &card.menu.KishuMenu},
          std::pair{"ChokMenu", &card.menu.ChokMenu}}) {
        QAction* item = menu.addAction(qs(*caption));
        item->setObjectName(QString::fromLatin1(name));
        item->setEnabled(false);
    }
    menu.exec(globalPos);
    m_run([&card] { card.StringGrid6MouseUp(); });
}

void RaceCardPage::showForm() {
    m_grid->refresh();
    m_grid->setVisible(m_form.visibility.StringGrid6);
}

} // namespace renoka

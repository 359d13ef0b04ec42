#include "raceday/RaceSelection.h"

#include "analysis/EntriesTable.h"
#include "base/Cp932.h"
#include "frame/FrameState.h"
#include "platform/Desktop.h"
#include "raceday/RaceCard.h"
#include "results/PayoutIntake.h"
#include "store/RaceDayStore.h"
#include "text/Controls.h"
#include "text/Fields.h"
#include "text/ViewChanges.h"

#include <algorithm>

namespace renoka {

void RaceSelection::DatListClick() {
    RaceDayStore& store = m_store;
    const int slot = m_datList.itemIndex;
    const std::string_view ra = store.ra(slot);
    // A race whose runners were never delivered would show an empty card; say so and keep the card shown.
    if (fieldInt(store.se(slot, 0), 29, 2) <= 0) {
        static const std::string insufficient = sj("レースはデータが不十分です。");
        m_desktop.information(std::to_string(fieldInt(ra, 26, 2)) + insufficient);
        return;
    }
    // A race has at most 18 horses; a damaged count must not address runners that cannot exist.
    const int horses = std::clamp(fieldInt(ra, 882, 2), 0, kHorseCount);

    m_entries.prepareRows(horses + 1);
    store.CurrentRace = slot;
    m_card.show(slot, horses);

    // The results of the race come first: the bets are marked against its payout table.
    m_payouts.CalcBtnClick();
    m_payouts.KekkaPanelClear();
    m_payouts.KekkaPanelFill();

    // The views that follow the shown race, in the order each one needs the one before: the entries-check
    // sort, the stake editors, the marks, the bets built from the marks, and the entries table with the marks.
    m_entries.SpeedButton14Click();
    for (const auto* step : {&setStakeEditors, &JikuHimoBtnClick, &KaimeMakeBtnClick})
        if (*step) (*step)();
    m_entries.sisushutubaBtnClick();

    if (clearBetLabels) clearBetLabels();

    m_visibility.PageControl1 = true;
    m_visibility.StringGrid6 = true;
    m_visibility.PageControl3 = true;
    m_visibility.Panel8 = true;
    for (TextGrid* grid : {&m_card.StringGrid6, &m_entries.StringGrid26, &m_entries.StringGrid8}) {
        grid->selectedRow = -1;
        grid->selectedCol = -1;
    }
    m_changes.markRace();
    m_changes.mark(View::Frame);
}

} // namespace renoka

#include "results/PayoutIntake.h"

#include "frame/ProgramFolder.h"
#include "platform/RecordFile.h"
#include "store/DayFiles.h"
#include "store/RaceDayStore.h"
#include "store/RecordSizes.h"
#include "text/Controls.h"
#include "text/Fields.h"
#include "text/Format.h"
#include "text/ViewChanges.h"

#include <algorithm>

namespace renoka {

namespace {

constexpr int kPlacing = 335; // SE official placing, two digits
constexpr int kFukuStart = 142;
constexpr int kFukuStride = 13;
constexpr int kFukuEntries = 5;

int positive(std::string_view record, int pos, int len) {
    const int v = fieldInt(record, pos, len);
    return v > 0 ? v : 0;
}

} // namespace

void PayoutIntake::HrReadBtnClick() {
    RaceDayStore& store = m_store;
    // The race on screen is known by racecourse and race number, taken before the race records are read again.
    const std::string_view shown = store.ra(store.CurrentRace);
    const std::string course(field(shown, 20, 2));
    const std::string race(field(shown, 26, 2));

    readResults();
    const bool newPayout = readPayouts(course, race);
    writePlacings();
    CalcBtnClick();
    m_changes.markRace();
    if (m_datList.itemIndex >= 0 && newPayout && DatListClick) DatListClick();
}

void PayoutIntake::readResults() {
    RaceDayStore& store = m_store;
    const RecordFile raFile(m_folder.pathOf(store.dayFile(".jvRA")), records::RA);
    if (!raFile.exists()) return;
    const auto races = raFile.records(kSlotCount);
    for (size_t n = 0; n < races.size(); ++n) {
        const int slot = static_cast<int>(n);
        const std::string_view ra = races[n];
        store.setRa(slot, ra);
        if (trimView(field(ra, 12, 4)).empty()) continue;
        // Only the ten JRA racecourses have runner files; any other code names no file.
        const std::string venue = jraVenueName(field(ra, 20, 2));
        if (venue.empty()) continue;
        const RecordFile seFile(m_folder.pathOf(runnerFile(store.DayName, venue)), records::SE);
        if (!seFile.exists()) continue;
        const int raceNo = fieldInt(ra, 26, 2);
        if (raceNo < 1) continue;
        // A field never has more than 18 horses; a larger count would read the next race's runners.
        const int registered = std::clamp(fieldInt(ra, 882, 2), 0, kHorseCount);
        for (int h = 1; h <= registered; ++h) {
            const size_t index = static_cast<size_t>(raceNo - 1) * kHorseCount + static_cast<size_t>(h - 1);
            // A runner file cut short keeps what the store had for the horses it lacks.
            if (index < seFile.count()) store.setSe(slot, h - 1, seFile.record(index));
        }
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        RaceWork& w = store.work(slot);
        for (int h = 0; h < kHorseCount; ++h) {
            const std::string_view se = store.se(slot, h);
            const auto i = static_cast<size_t>(h);
            w.Chakujun[i] = positive(se, kPlacing, 2);
            w.KakuteiNinki[i] = positive(se, 364, 2);
            w.KakuteiTanOz[i] = positive(se, 360, 4) / 10.0;
        }
    }
}

bool PayoutIntake::readPayouts(const std::string& course, const std::string& race) {
    RaceDayStore& store = m_store;
    const RecordFile hrFile(m_folder.pathOf(store.dayFile(".jvHR")), records::HR);
    // Without a file the images keep what they had; with one, a race whose record has gone shows blanks.
    if (!hrFile.exists()) return false;
    const std::string blank(records::HR, ' ');
    for (int slot = 0; slot < kSlotCount; ++slot)
        store.setHr(slot, blank);
    bool newPayout = false;
    for (std::string_view record : hrFile.records(kSlotCount)) {
        const std::string_view key = field(record, 12, 16);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            // Slots without a race are blank too; a record with a blank key must not land in one of them.
            if (!store.slotInUse(slot) || field(store.ra(slot), 12, 16) != key) continue;
            store.setHr(slot, record);
            RaceWork& w = store.work(slot);
            const std::string_view ra = store.ra(slot);
            if (field(ra, 20, 2) == course && field(ra, 26, 2) == race && !w.PayoutTaken) newPayout = true;
            w.PayoutTaken = true;
            break;
        }
    }
    return newPayout;
}

void PayoutIntake::writePlacings() {
    // The place payouts decide the placing the race view and the verifications show, also before the final
    // results arrive: the horse of place entry i gets placing i, so horses in a dead heat are numbered by
    // their entry order.
    RaceDayStore& store = m_store;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const std::string_view hr = store.hr(slot);
        for (int i = 1; i <= kFukuEntries; ++i) {
            const int horse = positive(hr, kFukuStart + kFukuStride * (i - 1), 2);
            if (horse < 1 || horse > kHorseCount) continue;
            std::string se(store.se(slot, horse - 1));
            se.replace(static_cast<size_t>(kPlacing - 1), 2, fmt("%02d", i));
            store.setSe(slot, horse - 1, se);
        }
    }
}

void PayoutIntake::CalcBtnClick() {
    RaceDayStore& store = m_store;
    for (int slot = 0; slot < kSlotCount; ++slot)
        store.work(slot).HrTable = HrTableOf(store.hr(slot));
    m_changes.mark(View::Results);
}

void PayoutIntake::KekkaPanelClear() {
    KekkaPanel.clear();
    m_changes.mark(View::Results);
}

void PayoutIntake::KekkaPanelFill() {
    const RaceDayStore& store = m_store;
    KekkaPanel.fill(store.work(store.CurrentRace).HrTable);
    m_changes.mark(View::Results);
}

} // namespace renoka

#include "analysis/HorseWeights.h"

#include "frame/ProgramFolder.h"
#include "platform/RecordFile.h"
#include "store/DayFiles.h"
#include "store/RaceDayStore.h"
#include "store/RecordSizes.h"
#include "store/SlotRecords.h"
#include "text/Controls.h"
#include "text/Fields.h"
#include "text/SortedStringList.h"
#include "text/ViewChanges.h"

#include <algorithm>
#include <map>

namespace renoka {

namespace {

constexpr int kWhWeight = 74; // entry 1; entries are 45 bytes apart, the sign and the change follow the weight
constexpr int kWhStride = 45;
constexpr int kSeWeight = 325; // then the sign at 328 and the change at 329

// A weight or change field: digits only. "999" (could not be weighed) is no figure at all; reading it as
// 999 kg would make every unweighed horse the heaviest of the race.
int weightField(std::string_view record, int pos) {
    const int v = fieldInt(record, pos, 3);
    return (v > 0 && v != HorseWeights::kNotWeighed) ? v : 0;
}

int signedChange(std::string_view record, int signPos) {
    const int change = weightField(record, signPos + 1);
    return field(record, signPos, 1) == "-" ? -change : change;
}

} // namespace

void HorseWeights::BataijuReadBtnClick() {
    readWh();
    RaceDayStore& store = m_store;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        RaceWork& w = store.work(slot);
        const std::string_view wh = store.wh(slot);
        for (int j = 1; j <= kHorseCount; ++j) {
            const auto h = static_cast<size_t>(j - 1);
            const int pos = kWhWeight + kWhStride * (j - 1);
            w.Bataiju[h] = weightField(wh, pos);
            w.BataijuZogen[h] = signedChange(wh, pos + 3);
            // The runner record is written with the results; once it has a weight, that is the official one.
            const std::string_view se = store.se(slot, j - 1);
            if (weightField(se, kSeWeight) >= 1) {
                w.Bataiju[h] = weightField(se, kSeWeight);
                w.BataijuZogen[h] = signedChange(se, kSeWeight + 3);
            }
        }
    }
    m_changes.mark(View::RaceCard);
    m_changes.mark(View::Entries);
}

void HorseWeights::readWh() {
    RaceDayStore& store = m_store;
    refillSlots(store, m_folder.pathOf(store.dayFile(".jvWH")), records::WH,
                [&](int slot, std::string_view record) { store.setWh(slot, record); });
}

void HorseWeights::ZensoF3BtnClick() {
    RaceDayStore& store = m_store;
    // Race list entry k is race slot k.
    const int races = std::min(static_cast<int>(m_datList.items.size()), kSlotCount);
    // Many horses of the day ran their previous race on the same day and course: each file is read once.
    std::map<std::string, RecordFile> files;
    for (int slot = 0; slot < races; ++slot) {
        const int registered = std::clamp(fieldInt(store.ra(slot), 882, 2), 0, kHorseCount);
        for (int horse = 0; horse < registered; ++horse)
            zensoF3(slot, horse, files);
    }
    m_changes.mark(View::RaceCard);
    m_changes.mark(View::Entries);
}

void HorseWeights::zensoF3(int slot, int horse, std::map<std::string, RecordFile>& files) {
    RaceDayStore& store = m_store;
    const std::string_view prev = store.prevSe(slot, horse, 1);
    // The previous race's day and racecourse name the file; a blank or malformed previous run names none.
    const std::string day = dayNameOf(prev);
    const std::string venue = jraVenueName(field(prev, 20, 2));
    if (day.empty() || venue.empty()) return;
    const std::string name = runnerFile(day, venue);
    auto it = files.find(name);
    if (it == files.end()) it = files.emplace(name, RecordFile(m_folder.pathOf(name), records::SE)).first;
    const RecordFile& file = it->second;
    if (!file.exists()) return;

    const int self = fieldInt(prev, 29, 2);
    SortedStringList& order = m_workList;
    order.clear();
    for (std::string_view rec : file.records()) {
        if (!sameRace(rec, prev)) continue;
        if (fieldInt(rec, 335, 2) < 1 || fieldInt(rec, 391, 3) < 1) continue;
        // 3F time, running time and horse number as stored, then whether it is this horse: ties of the last
        // three furlongs go to the faster overall time, then to the lower horse number.
        std::string key(field(rec, 391, 3));
        key.append(field(rec, 339, 4)).append(field(rec, 29, 2));
        key += fieldInt(rec, 29, 2) == self ? '1' : '0';
        order.add(std::move(key));
    }
    for (int p = 0; p < order.count(); ++p) {
        if (order[p].size() >= 10 && order[p][9] == '1') {
            store.work(slot).ZensoF3Rank[static_cast<size_t>(horse)] = p + 1;
            return;
        }
    }
}

} // namespace renoka

#include "analysis/MiningIntake.h"

#include "frame/ProgramFolder.h"
#include "platform/RecordFile.h"
#include "store/RaceDayStore.h"
#include "store/RecordSizes.h"
#include "store/SlotRecords.h"
#include "text/Fields.h"
#include "text/Format.h"
#include "text/ViewChanges.h"

namespace renoka {

namespace {

constexpr int kDmEntryStart = 34; // predicted time of entry 1; entries are 15 bytes apart
constexpr int kDmEntryStride = 15;
constexpr int kTmEntryStart = 34; // score of entry 1; entries are 6 bytes apart
constexpr int kTmEntryStride = 6;
constexpr int kSeMiningTime = 538;
constexpr int kNoTime = 99999; // the five-digit field's ceiling: no forecast is that slow

// A count or measure that a record holds as digits: blanks, other text and a stray sign read as 0.
int measure(std::string_view record, int pos, int len) {
    const int v = fieldInt(record, pos, len);
    return v > 0 ? v : 0;
}

// Fixed-width rank key: value "%5d" then horse number "%2d", so byte order is value order, then horse order.
std::string rankKey(int value, int horse) {
    return fmt("%5d%2d", value, horse);
}
int horseOfKey(const std::string& key) {
    return toInt(std::string_view(key).substr(5, 2));
}

} // namespace

void MiningIntake::DMReadBtnClick() {
    readDm();
    for (int slot = 0; slot < kSlotCount; ++slot)
        rankTimes(slot);
    readTm();
    for (int slot = 0; slot < kSlotCount; ++slot)
        rankScores(slot);
    m_changes.mark(View::Entries);
    if (JikuBtnClick) JikuBtnClick();
}

void MiningIntake::readDm() {
    RaceDayStore& store = m_store;
    refillSlots(store, m_folder.pathOf(store.dayFile(".jvDM")), records::DM,
                [&](int slot, std::string_view record) { store.setDm(slot, record); });
}

void MiningIntake::readTm() {
    RaceDayStore& store = m_store;
    refillSlots(store, m_folder.pathOf(store.dayFile(".jvTM")), records::TM,
                [&](int slot, std::string_view record) { store.setTm(slot, record); });
}

void MiningIntake::rankTimes(int slot) {
    RaceDayStore& store = m_store;
    RaceWork& w = store.work(slot);
    const std::string_view dm = store.dm(slot);
    m_order.clear();
    for (int j = 1; j <= kHorseCount; ++j) {
        const auto h = static_cast<size_t>(j - 1);
        w.TimeMining[h] = measure(dm, kDmEntryStart + kDmEntryStride * (j - 1), 5);
        w.TimeMiningRank[h] = 0;
        // The runner record carries the forecast too (results keep the one made just before the race); when it
        // has one it is the later word and wins over the DM record.
        const int seTime = measure(store.se(slot, j - 1), kSeMiningTime, 5);
        if (seTime > 0 && seTime < kNoTime) w.TimeMining[h] = seTime;
        if (w.TimeMining[h] > 0) m_order.add(rankKey(w.TimeMining[h], j));
    }
    // Ascending: the fastest time first, and of equal times the lower horse number.
    for (int p = 0; p < m_order.count(); ++p)
        w.TimeMiningRank[static_cast<size_t>(horseOfKey(m_order[p]) - 1)] = p + 1;
}

void MiningIntake::rankScores(int slot) {
    RaceDayStore& store = m_store;
    RaceWork& w = store.work(slot);
    const std::string_view tm = store.tm(slot);
    m_order.clear();
    for (int j = 1; j <= kHorseCount; ++j) {
        const auto h = static_cast<size_t>(j - 1);
        w.TaisenMining[h] = 0;
        w.TaisenMiningRank[h] = 0;
        const int v = measure(tm, kTmEntryStart + kTmEntryStride * (j - 1), 4);
        if (v > kMaxScore) continue;
        w.TaisenMining[h] = v;
        if (v > 0) m_order.add(rankKey(v, j));
    }
    // Walked from the end: the highest score gets rank 1, and of equal scores the higher horse number.
    const int n = m_order.count();
    for (int p = 0; p < n; ++p)
        w.TaisenMiningRank[static_cast<size_t>(horseOfKey(m_order[p]) - 1)] = n - p;
}

} // namespace renoka

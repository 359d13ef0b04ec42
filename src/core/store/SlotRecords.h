#pragma once
// The records of a day file that belong to the races of the loaded day. Payouts, weights and mining forecasts come
// without a slot: each goes to the first slot whose race has the same match key (year, month-day, racecourse, race
// number). Records of other races, and records with a blank race key, have nowhere to go and are skipped.
#include "platform/RecordFile.h"
#include "store/RaceDayStore.h"
#include "text/Fields.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace renoka {

// Calls put(slot, record) for each of the file's first 36 records that names a race of the day.
template <class Put> void forEachSlotRecord(const RaceDayStore& store, const RecordFile& file, Put&& put) {
    for (std::string_view record : file.records(kSlotCount)) {
        if (trimView(field(record, 12, 16)).empty()) continue;
        const int slot = store.slotByMatchKey(record);
        if (slot >= 0) put(slot, record);
    }
}

// Blanks the image of every slot, then puts each record of the day file into its race's slot: set(slot, image).
template <class Set>
void refillSlots(const RaceDayStore& store, const std::filesystem::path& file, size_t recordLength, Set&& set) {
    const std::string blank(recordLength, ' ');
    for (int slot = 0; slot < kSlotCount; ++slot)
        set(slot, std::string_view(blank));
    forEachSlotRecord(store, RecordFile(file, recordLength), set);
}

} // namespace renoka

#include "analysis/OddsIntake.h"

#include "frame/ProgramFolder.h"
#include "store/RaceDayStore.h"
#include "store/RecordSizes.h"
#include "text/Fields.h"
#include "text/ViewChanges.h"

namespace renoka {

namespace {

const char* const kOddsExtensions[] = {".jvO1", ".jvO2", ".jvO3", ".jvO4", ".jvO5", ".jvO6"};

} // namespace

void OddsIntake::OzReadBtnClick() {
    RaceDayStore& store = m_store;
    const int slot = store.OddsSlot;
    RaceWork& work = store.work(slot); // checks the slot before anything changes
    const std::string_view ra = store.ra(slot);
    const int horses = fieldInt(ra, 882, 2);
    const std::string_view course = field(ra, 20, 2);
    const std::string_view race = field(ra, 26, 2);

    clearOddsTables(work);

    // Only a slot with a race number looks into the files: the blank key of an empty slot would match the blank
    // placeholder records of the O1 file.
    if (fieldInt(ra, 26, 2) >= 1) {
        for (int kind = 1; kind <= 6; ++kind) {
            const auto path = m_folder.pathOf(store.dayFile(kOddsExtensions[kind - 1]));
            if (m_reader.find(path, records::odds(kind), course, race) == OddsFileReader::Result::Found)
                store.setOdds(kind, slot, m_reader.record());
        }
    }

    const std::string_view o1 = store.odds(1, slot);
    readWinPlace(o1, horses, work, m_ranks);
    readCombinations(o1, kWakurenLayout, work.WakuOz.data(), work.WakuNinki.data());
    work.OzHappyoTime.assign(field(o1, 32, 4));
    readCombinations(store.odds(2, slot), kUmarenLayout, work.UmarenOz.data(), work.UmarenNinki.data());
    readCombinations(store.odds(3, slot), kWideLayout, work.WideOz.data(), work.WideNinki.data());
    readCombinations(store.odds(4, slot), kUmatanLayout, work.UmatanOz.data(), work.UmatanNinki.data());
    readCombinations(store.odds(5, slot), kSanpukuLayout, work.SanpukuOz.data(), work.SanpukuNinki.data());
    readCombinations(store.odds(6, slot), kSantanLayout, work.SantanOz.data(), work.SantanNinki.data());
    m_changes.mark(View::Odds);
}

} // namespace renoka

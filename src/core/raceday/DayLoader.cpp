#include "raceday/DayLoader.h"

#include "analysis/HorseWeights.h"
#include "analysis/MiningIntake.h"
#include "analysis/OddsIntake.h"
#include "base/Cp932.h"
#include "codes/KeibaFunc.h"
#include "frame/FrameState.h"
#include "frame/IniFile.h"
#include "frame/ProgramFolder.h"
#include "jv/acquisition/AutoAcquisition.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/FileIo.h"
#include "platform/RecordFile.h"
#include "results/PayoutIntake.h"
#include "store/DayFiles.h"
#include "store/RaceDayStore.h"
#include "store/RecordSizes.h"
#include "store/SlotRecords.h"
#include "text/Controls.h"
#include "text/Fields.h"
#include "text/Format.h"
#include "text/Label.h"
#include "text/SortedStringList.h"
#include "text/ViewChanges.h"

#include <system_error>

namespace renoka {

namespace fs = std::filesystem;

namespace {

// What the settings may ask for: fetch times and intervals within one day, a stake of at most a hundred million yen.
constexpr int kMinutesInADay = 24 * 60;
constexpr int kMaxAmountPerRace = 100000000;

bool blankYear(std::string_view record) {
    const std::string_view year = field(record, 12, 4);
    return trimView(year).empty() || year.find('\0') != std::string_view::npos;
}

} // namespace

bool DayLoader::automaticDay(std::string_view dayName, const QDateTime& now) {
    return AutoAcquisition::liveDay(std::string(dayName), now);
}

void DayLoader::DateComboChange() {
    DayControls& m = m_c;
    struct LoadingScope {
        bool& flag;
        explicit LoadingScope(bool& f) : flag(f) { flag = true; }
        ~LoadingScope() { flag = false; }
    } loadingScope(m_loading);
    RaceDayStore& store = m_store;
    const int index = m.DateCombo.itemIndex;
    if (index < 0 || index >= static_cast<int>(m.DateCombo.items.size())) return;
    const std::string day = m.DateCombo.items[static_cast<size_t>(index)];

    // 1. Hide the race view until the new day is in.
    const std::string today = dayNameOfDate(m_clock.now().toString(QStringLiteral("yyyyMMdd")).toStdString());
    m.RestTimeLabel.visible = day == today;
    m.RestTimeLabel.text.clear();
    m.visibility.StringGrid6 = false;
    m.visibility.PageControl3 = false;
    m.visibility.Panel8 = false;
    m.visibility.PageControl1 = false;
    m.DatList.clear();
    if (raceListChanged) raceListChanged();
    m.Timer4.enabled = false;
    m_resultsState = true;
    m_changes.mark(View::RaceList);
    m_changes.mark(View::Frame);
    m_changes.mark(View::Timers);
    m_changes.markRace();

    // 2.-4. Clear the work records, name the day's files, and stop when there is no race file.
    store.IniBtnClick();
    store.DayName = day;
    const fs::path raceFile = m_folder.pathOf(store.dayFile(".jvRA"));
    std::error_code ec;
    if (!fs::exists(raceFile, ec)) {
        m_desktop.beep();
        m_desktop.information(sj("データ作成が未完了のようです。"));
        return;
    }

    // 5.-8. Race details, runners, previous runs and payouts.
    m_desktop.processEvents();
    store.blank();
    if (!loadRaces(raceFile.native())) return;
    loadPayouts();

    // 9. Odds slot by slot, then the mining forecasts.
    for (int slot = 0; slot < kSlotCount; ++slot) {
        store.OddsSlot = slot;
        m_intakes.odds.OzReadBtnClick();
    }
    m_intakes.mining.DMReadBtnClick();

    // 10. The results state.
    m.SeiRecLabel.color = m_resultsState ? colors::Aqua : colors::Yellow;
    m.SeiRecLabel.text = sj(m_resultsState ? "成績記録済" : "成績未記録");

    // 11. The race list and the race details of every previous run.
    for (int slot = 0; slot < kSlotCount; ++slot)
        if (store.slotInUse(slot))
            m.DatList.items.push_back(JyoName(field(store.ra(slot), 20, 2), 2) + NumText(field(store.ra(slot), 26, 2)) +
                                      "R");
    if (raceListChanged) raceListChanged();
    loadPreviousRaces();

    // 12.-15. Weights and previous-run ranks, venues and fetch times, payout tables, stakes.
    m_intakes.weights.BataijuReadBtnClick();
    m_intakes.weights.ZensoF3BtnClick();
    buildVenues();
    m_intakes.payouts.CalcBtnClick();
    const std::string amount =
        std::to_string(m_ini.readInteger("KaimeSet", "DefaultAmount", 3000, 0, kMaxAmountPerRace));
    m.RaceAmounts.assign(kSlotCount, amount);

    // 16.-17. The automatic acquisition of this day, then the first race.
    if (armAutomaticAcquisition) armAutomaticAcquisition();
    if (!m.DatList.items.empty()) {
        m.DatList.itemIndex = 0;
        if (DatListClick) DatListClick();
    }
}

bool DayLoader::loadRaces(const std::string& raceFilePath) {
    DayControls& m = m_c;
    RaceDayStore& store = m_store;
    const RecordFile races(fs::path(raceFilePath), records::RA);
    m.SharedLines = splitLines(races.bytes());

    // A placeholder odds file, one blank win/place record per race, so that the odds steps find a file.
    const fs::path o1 = m_folder.pathOf(store.dayFile(".jvO1"));
    std::error_code ec;
    if (m.SharedLines.size() > 6 && !fs::exists(o1, ec))
        saveLines(o1, std::vector<std::string>(m.SharedLines.size(), std::string(records::O1 - 2, ' ')));

    // Previous runs are not blanked with the day; clear run 1 so no horse shows another day's runner.
    for (int slot = 0; slot < kSlotCount; ++slot)
        for (int horse = 0; horse < kHorseCount; ++horse) {
            store.setPrevSe(slot, horse, 1, {});
            store.setPrevRa(slot, horse, 1, {});
        }

    int count = 0;
    for (std::string_view race : races.records(kSlotCount)) {
        store.setRa(count, race);
        loadRunners(count, store.ra(count));
        ++count;
    }
    store.LoadedRaceCount = count;
    return true;
}

void DayLoader::loadRunners(int slot, std::string_view race) {
    RaceDayStore& store = m_store;
    const std::string venue = jraVenueName(field(race, 20, 2));
    if (venue.empty()) return;
    if (!m_runners.load(m_folder.pathOf(runnerFile(store.DayName, venue)))) return;
    const int raceNumber = fieldInt(race, 26, 2);
    const int registered = std::min(fieldInt(race, 882, 2), kHorseCount);
    if (raceNumber < 1) return;
    for (int q = 0; q < registered; ++q) {
        const std::string_view runner =
            m_runners.record(static_cast<size_t>(raceNumber - 1) * kHorseCount + static_cast<size_t>(q));
        if (runner.empty()) break;
        store.setSe(slot, q, runner);
        if (field(runner, 3, 1) != "7") m_resultsState = false;
        loadPreviousRun(slot, q, store.se(slot, q));
    }
}

void DayLoader::loadPreviousRun(int slot, int horse, std::string_view runner) {
    const std::string_view registration = field(runner, 31, 10);
    if (registration.size() != 10 || !isDigits(registration)) return;
    if (!m_history.load(m_folder.pathOf(horseArchiveFile(registration)))) return;
    const int raceDate = fieldInt(runner, 12, 8);
    for (size_t n = m_history.count(); n-- > 0;) {
        const std::string_view run = m_history.record(n);
        const int date = fieldInt(run, 12, 8);
        if (date > 0 && date < raceDate) {
            m_store.setPrevSe(slot, horse, 1, run);
            m_store.setPrevRaKey(slot, horse, 1, field(run, 12, 16));
            return;
        }
    }
}

void DayLoader::loadPayouts() {
    RaceDayStore& store = m_store;
    forEachSlotRecord(store, RecordFile(m_folder.pathOf(store.dayFile(".jvHR")), records::HR),
                      [&](int slot, std::string_view payout) { store.setHr(slot, payout); });
}

void DayLoader::loadPreviousRaces() {
    DayControls& m = m_c;
    RaceDayStore& store = m_store;
    // Many horses ran their previous race on the same day: read each race file once per load.
    std::unordered_map<std::string, RecordFile> files;
    const auto raceFile = [&](const std::string& relative) -> const RecordFile& {
        auto it = files.find(relative);
        if (it != files.end()) return it->second;
        return files.emplace(relative, RecordFile(m_folder.pathOf(relative), records::RA)).first->second;
    };
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const int registered = std::min(fieldInt(store.ra(slot), 882, 2), kHorseCount);
        for (int horse = 0; horse < registered; ++horse) {
            m_desktop.processEvents();
            const std::string_view prev = store.prevSe(slot, horse, 1);
            if (blankYear(prev)) continue;
            m.PrgrsText.text = fmt("%2d", 1) + sj("走:") + CircledNumber(field(store.se(slot, horse), 29, 2)) + ":" +
                               leftBytes(field(store.se(slot, horse), 41, 36), 18);
            const std::string_view course = field(prev, 20, 2);
            const std::string_view raceNumber = field(prev, 26, 2);
            const int code = isDigits(course) ? toInt(course) : 0;
            const bool jra = code >= 1 && code <= 10;
            std::string relative;
            if (jra) {
                const std::string day = dayNameOf(prev);
                if (day.empty()) continue;
                relative = dayFile(day, ".jvRA");
            } else {
                if (dayNameOf(prev).empty() || !knownCourseCode(course)) continue;
                relative = foreignRaceFile(prev);
            }
            const RecordFile& races = raceFile(relative);
            for (size_t n = 0; n < races.count(); ++n) {
                const std::string_view race = races.record(n);
                if (field(race, 26, 2) == raceNumber && (!jra || field(race, 20, 2) == course)) {
                    store.setPrevRa(slot, horse, 1, race);
                    break;
                }
            }
        }
    }
}

void DayLoader::buildVenues() {
    DayControls& m = m_c;
    RaceDayStore& store = m_store;
    const int before = m_ini.readInteger("Time", "AutoOzGet", 10, 0, kMinutesInADay - 1);
    m.VenueList.clear();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!store.slotInUse(slot)) continue;
        const std::string_view course = field(store.ra(slot), 20, 2);
        m.VenueList.add(std::string(course) + JyoName(course, 2));
        store.setOzGetTimes(slot, before);
    }
}

void DayLoader::DirectReadBtnClick() {
    DayControls& m = m_c;
    m.BatchMode = true;
    m_changes.mark(View::DayList);
    for (int i = static_cast<int>(m.DateCombo.items.size()) - 1; i >= 0; --i) {
        const std::string& day = m.DateCombo.items[static_cast<size_t>(i)];
        std::error_code ec;
        if (fs::exists(m_folder.pathOf("STAT/" + day + ".stat1"), ec)) continue;
        m.DateCombo.itemIndex = i;
        DateComboChange();
    }
    m.BatchMode = false;
}

} // namespace renoka

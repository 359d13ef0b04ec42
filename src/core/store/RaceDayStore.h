#pragma once
// One race day in memory: the record images of every race slot (0..35) and horse index (0..17), the previous
// run of each runner, and one work record per slot. Everything is allocated once for the whole run (about
// 31 MB) and only overwritten afterwards; every index is checked, and an index out of range is a RangeError
// that changes nothing.
#include "store/RaceWork.h"
#include "store/RecordSizes.h"

#include <memory>
#include <string>
#include <string_view>

namespace renoka {

inline constexpr int kSlotCount = 36;
inline constexpr int kPrevRunCount = 20;

class RaceDayStore {
public:
    RaceDayStore();
    ~RaceDayStore();
    RaceDayStore(const RaceDayStore&) = delete;
    RaceDayStore& operator=(const RaceDayStore&) = delete;

    // Record images. An element that holds no record is all blanks after a day load, all zero bytes before.
    std::string_view ra(int slot) const;
    std::string_view se(int slot, int horse) const;
    std::string_view prevSe(int slot, int horse, int run) const; // run 1..20, 1 = latest
    std::string_view prevRa(int slot, int horse, int run) const;
    std::string_view hr(int slot) const;
    std::string_view wh(int slot) const;
    std::string_view dm(int slot) const;
    std::string_view tm(int slot) const;
    std::string_view odds(int kind, int slot) const; // kind 1..6 = O1..O6
    std::string_view rc(int slot) const;

    // Writers store whole images: a longer image is cut to the element size, a shorter one padded with blanks.
    void setRa(int slot, std::string_view image);
    void setSe(int slot, int horse, std::string_view image);
    void setPrevSe(int slot, int horse, int run, std::string_view image);
    void setPrevRa(int slot, int horse, int run, std::string_view image);
    // Only the race key (positions 12-27) of a previous run's race record, from its runner record.
    void setPrevRaKey(int slot, int horse, int run, std::string_view raceKey16);
    void setHr(int slot, std::string_view image);
    void setWh(int slot, std::string_view image);
    void setDm(int slot, std::string_view image);
    void setTm(int slot, std::string_view image);
    void setOdds(int kind, int slot, std::string_view image);
    void setRc(int slot, std::string_view image);

    RaceWork& work(int slot);
    const RaceWork& work(int slot) const;

    // Sets every member of the 36 work records to zero; the record images stay.
    void IniBtnClick();
    // Fills race, runner, payout, odds, weight and mining images of all slots with blanks. Previous runs and
    // course records are not blanked.
    void blank();

    // A slot is in use when the year of its race record is neither blank nor "0000".
    bool slotInUse(int slot) const;
    // The first slot whose race record has the record's match key (year, month-day, racecourse, race number),
    // or -1.
    int slotByMatchKey(std::string_view record) const;

    // Sets the three automatic odds times of a slot from its post time and `autoOzGet` minutes before it.
    void setOzGetTimes(int slot, int autoOzGet);

    // The loaded day ("yyyy年mm月dd日", CP932); its files are "Data/" + DayName + ".jvRA", ".jvHR", ...
    std::string DayName;
    // The relative path (CP932) of one of the loaded day's files, for example dayFile(".jvO1").
    std::string dayFile(std::string_view extension) const { return "Data/" + DayName + std::string(extension); }

    int CurrentRace = 0;
    int CurrentHorse = 0;
    int OddsSlot = 0;
    int LoadedRaceCount = 0;

private:
    struct Table;
    Table& table(int id) const;
    std::unique_ptr<Table[]> m_tables;
    std::unique_ptr<RaceWork[]> m_work;
};

// Whether two records (RA, SE, HR, odds...) describe the same race: positions 12-19, 20-21 and 26-27 agree.
bool sameRace(std::string_view a, std::string_view b);

} // namespace renoka

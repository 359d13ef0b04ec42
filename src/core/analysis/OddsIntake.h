#pragma once
// Odds intake: the odds records of a race into its odds and popularity tables, and the time-series import.
#include "analysis/OddsFile.h"
#include "analysis/OddsRecords.h"

#include <functional>

namespace renoka {

class TMainForm;

class OddsIntake {
public:
    explicit OddsIntake(TMainForm& main) : m_main(main) {}

    // "オッズ取込": reads the first record of the race in slot store().OddsSlot from each of the day's six odds
    // files into the slot's record images, then rebuilds the slot's odds and popularity tables from the images.
    // A missing file or race leaves that image as it was, and it is read again. Called for every slot at a day
    // load and after every real-time odds fetch. An OddsSlot out of range is a RangeError that changes nothing.
    void OzReadBtnClick();

    // "時系列オッズより取得(&T)": for every race of the loaded day takes, from the time-series odds folder
    // ([Dir] jikeiretu), the record of each odds type announced nearest to the race's first automatic odds
    // time, puts it into the day's odds files, tells how many races were taken (not in a batch load), and
    // reloads the day.
    void T1Click();
    // "時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定(&T)": picks the time-series odds folder.
    void N12Click();

    // How T1Click reloads the day: the main form points it at DayLoader::DateComboChange. Left empty (tests that
    // only look at the files), the import ends without a reload.
    void setReloadDay(std::function<void()> reload) { m_reloadDay = std::move(reload); }

private:
    TMainForm& m_main;
    OddsFileReader m_reader;
    HorseRankLists m_ranks;
    std::function<void()> m_reloadDay;
};

} // namespace renoka

#include "app/MainForm.h"

#include "analysis/EntriesTable.h"
#include "analysis/HorseWeights.h"
#include "analysis/MiningIntake.h"
#include "analysis/OddsBoard.h"
#include "analysis/OddsIntake.h"
#include "analysis/OddsTimeSeries.h"
#include "base/Cp932.h"
#include "base/Errors.h"
#include "betting/AxisPartnerMarks.h"
#include "betting/BetBoard.h"
#include "betting/BetVotes.h"
#include "betting/PopularityRateTable.h"
#include "betting/UserKaimeForm.h"
#include "betting/VoteFiles.h"
#include "jv/JvErrorText.h"
#include "jv/JvLink.h"
#include "jv/SoftwareId.h"
#include "jv/acquisition/AutoAcquisition.h"
#include "jv/acquisition/OzGetTimeForm.h"
#include "jv/changes/ChangeNotices.h"
#include "jv/download/GetDataForm.h"
#include "platform/FileIo.h"
#include "raceday/DayLoader.h"
#include "raceday/RaceCard.h"
#include "raceday/RaceSelection.h"
#include "results/LossRegForm.h"
#include "results/PayoutIntake.h"
#include "store/DayList.h"
#include "text/Fields.h"

#include <algorithm>

namespace renoka {

namespace fs = std::filesystem;

namespace {

constexpr int kMinWindowSize = 100;

} // namespace

fs::path settingsFileOf(const fs::path& programDir) {
    return programDir / "renoka.ini";
}

TMainForm::TMainForm(fs::path programDir, MainFormPorts ports)
    : m_folder(std::move(programDir)), m_ports(ports), m_ini(settingsFileOf(m_folder.dir())),
      m_errorLog(m_folder.dir() / "ErrorLog.txt", ports.clock), m_store(std::make_unique<RaceDayStore>()) {
    RaceDayStore& store = *m_store;
    Desktop& desktop = m_ports.desktop;
    m_odds = std::make_unique<OddsIntake>(store, m_folder, m_changes);
    m_mining = std::make_unique<MiningIntake>(store, m_folder, m_changes);
    m_weights = std::make_unique<HorseWeights>(store, m_folder, DatList, VenueList, m_changes);
    m_entries = std::make_unique<EntriesTable>(store, desktop, JockeyCheckList, m_changes);
    m_payouts = std::make_unique<PayoutIntake>(store, m_folder, DatList, m_changes);
    m_oddsBoard = std::make_unique<OddsBoard>(store, m_changes);
    m_rates = std::make_unique<PopularityRateTable>();
    m_bets = std::make_unique<BetBoard>(store, m_ini, *m_rates,
                                        BetControls{m_entries->StringGrid8, DatList, RaceAmounts, menus, DeliverTimer},
                                        m_changes);
    m_raceCard = std::make_unique<RaceCard>(store, m_folder, desktop, DatList, TrackedHorses, m_changes);
    // The marks read the dialog's controls as they stand.
    m_userKaime = std::make_unique<TUserKaimeForm>(m_folder, m_ini, desktop, SetNameLabel, m_changes);
    m_marks = std::make_unique<AxisPartnerMarks>(store, m_entries->StringGrid8, m_userKaime->Controls, m_changes);
    m_raceSelection = std::make_unique<RaceSelection>(store, desktop, DatList, *m_raceCard, *m_entries, *m_payouts,
                                                      visibility, m_changes);
    m_dayLoader =
        std::make_unique<DayLoader>(store, m_folder, m_ini, desktop, m_ports.clock,
                                    DayControls{DateCombo, DatList, RestTimeLabel, SeiRecLabel, PrgrsText, visibility,
                                                Timer4, SharedLines, VenueList, RaceAmounts, BatchMode},
                                    DayIntakes{*m_odds, *m_mining, *m_weights, *m_payouts}, m_changes);
    m_lossReg = std::make_unique<TLossRegForm>(store, m_folder, m_ini, desktop, m_errorLog, DateCombo, m_changes);
    m_voteFiles = std::make_unique<VoteFiles>(store, m_folder, m_ini, desktop, DateCombo, DatList);
    m_votes = std::make_unique<BetVotes>(*m_bets, *m_voteFiles, desktop, m_ini);
    // The time-series import ends by loading its day again.
    m_oddsTimeSeries = std::make_unique<OddsTimeSeries>(store, m_folder, m_ini, desktop, DateCombo, BatchMode,
                                                        [this] { m_dayLoader->DateComboChange(); });

    // The calls between the subsystems. A loaded day shows its first race; a registration shows the race again;
    // a race that receives its first payout is shown again with its results.
    const auto showRace = [this] { m_raceSelection->DatListClick(); };
    // The popularity rates take in the results on disk once per day load, never at a race selection.
    m_dayLoader->DatListClick = [this] {
        m_rates->update(pathOf("Data"));
        m_raceSelection->DatListClick();
    };
    m_raceCard->DatListClick = showRace;
    m_payouts->DatListClick = showRace;
    m_entries->raceHeading = [this] { return m_raceCard->heading(); };
    // A shown race gets its marks before its bets; a click on a mark rebuilds the bets. New forecasts or odds
    // give every race its pattern letter and its pattern axis.
    m_raceSelection->JikuHimoBtnClick = [this] { m_marks->JikuHimoBtnClick(); };
    m_marks->KaimeMakeBtnClick = [this] {
        if (m_raceSelection->KaimeMakeBtnClick) m_raceSelection->KaimeMakeBtnClick();
    };
    m_mining->JikuBtnClick = [this] {
        m_marks->assignPatternLetters();
        m_marks->JikuBtnClick();
    };
    // The bets of the shown race: the stake editors, the bets from the marks, the labels at the end.
    m_raceSelection->setStakeEditors = [this] { m_bets->setStakeEditors(); };
    m_raceSelection->KaimeMakeBtnClick = [this] { m_bets->KaimeMakeBtnClick(); };
    m_raceSelection->clearBetLabels = [this] { m_bets->clearBetLabels(); };
    m_bets->DatListClick = showRace;
    m_bets->lossTotal = [this] { return static_cast<int64_t>(m_lossReg->cumulativeLoss()); };
    m_lossReg->setChaseLoss = [this](long long loss) {
        m_bets->SaNumEditExC3 = loss;
        m_bets->SaNumEditExC1Change();
    };
    // The loss register chooses among the races of the loaded day.
    // An emptied race list (a day load begins) takes the shown race's bets with it.
    m_dayLoader->raceListChanged = [this] {
        m_lossReg->fillRaceList(DatList.items);
        if (DatList.items.empty()) m_bets->clearBets();
    };

    // What an unattended handler would have shown goes to the status line (and on to the front end's listener).
    m_previousUnattendedListener = desktop.onUnattendedMessage;
    desktop.onUnattendedMessage = [this](const std::string& message) {
        StatusLabel.text = message;
        m_changes.mark(View::Status);
        if (m_previousUnattendedListener) m_previousUnattendedListener(message);
    };

    // The live race day: the fetches run the intakes of what they brought, the timers run the fetches.
    m_fetches = std::make_unique<RealtimeFetches>(
        store, m_files, m_folder, FetchPorts{m_ports.jvLink, desktop, m_errorLog, m_ports.clock},
        FetchControls{DateCombo, DatList, DLlabel, OzFetchList, quiet}, m_changes);
    m_changeNotices = std::make_unique<ChangeNotices>(store, m_files, m_folder, m_ini, StatusLabel, m_changes);
    m_acquisition = std::make_unique<AutoAcquisition>(store, m_ini, desktop, m_ports.clock,
                                                      AcquisitionControls{DateCombo, DatList, RestTimeLabel,
                                                                          AutoOzCheck, AutoOddsBusy, quiet, OzFetchList,
                                                                          Timer1, Timer4, HenkoJohoTimer},
                                                      *m_fetches, *m_changeNotices, m_changes);
    RealtimeFetches& fetches = *m_fetches;
    fetches.OzReadBtnClick = [this] { m_odds->OzReadBtnClick(); };
    fetches.HrReadBtnClick = [this] { m_payouts->HrReadBtnClick(); };
    fetches.BataijuReadBtnClick = [this] { m_weights->BataijuReadBtnClick(); };
    fetches.DMReadBtnClick = [this] { m_mining->DMReadBtnClick(); };
    fetches.DatListClick = showRace;
    fetches.KaisaiReadBtnClick = [this] { m_changeNotices->KaisaiReadBtnClick(); };
    // The race on screen shows a changed post time at once.
    m_changeNotices->postTimesChanged = [this] {
        const int slot = m_store->CurrentRace;
        if (DatList.itemIndex >= 0 && slot >= 0 && slot < kSlotCount) m_raceCard->refreshHeader(slot);
    };
    fetches.JikuBtnClick = [this] {
        if (m_mining->JikuBtnClick) m_mining->JikuBtnClick();
    };
    // New odds of the race on screen: its bets follow them.
    fetches.oddsRead = [this](int slot) {
        if (DatList.itemIndex >= 0 && slot == m_store->CurrentRace) m_bets->KaimeMakeBtnClick();
    };
    m_acquisition->DatListClick = showRace;
    m_acquisition->dayLoading = [this] { return m_dayLoader->loading(); };
    m_dayLoader->armAutomaticAcquisition = [this] { m_acquisition->armAtDayLoad(); };
}

TMainForm::~TMainForm() {
    m_ports.desktop.onUnattendedMessage = m_previousUnattendedListener;
}

std::unique_ptr<TGetDataForm> TMainForm::createGetDataForm() {
    return std::make_unique<TGetDataForm>(m_files, m_folder, m_ports.jvLink, m_ini, m_ports.desktop, m_ports.clock,
                                          m_errorLog, [this] { downloadClosed(); });
}

void TMainForm::downloadClosed() {
    DateCombo.clear();
    visibility.PageControl1 = false;
    MakeDataListBtnClick();
    // The race list and the heading still show the day that is loaded: the chooser names it too, so that the three
    // never disagree. Choosing it again reads what the download added.
    const auto& days = DateCombo.items;
    const auto loaded = std::find(days.begin(), days.end(), m_store->DayName);
    if (!m_store->DayName.empty() && loaded != days.end())
        DateCombo.itemIndex = static_cast<int>(loaded - days.begin());
    m_changes.mark(View::Frame);
}

void TMainForm::restoreFolderSettings() {
    struct Lookup {
        const char* key;
        const char* uninstallKey; // UTF-8
        const char* suffix;
    };
    static constexpr Lookup lookups[] = {
        {"QRVTohyo2", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QRV投票プラグイン２_is1", ""},
        {"QRVTohyo", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\QRV投票プラグイン_is1", ""},
        {"jikeiretu", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ODRAVI２ for JRA-VAN Data Lab._is1",
         "\\Data"},
    };
    for (const auto& l : lookups) {
        if (!trimView(m_ini.readString("Dir", l.key, "")).empty()) continue;
        std::string path = trim(m_ports.registry.appPath(sj(l.uninstallKey)));
        if (!path.empty()) m_ini.writeString("Dir", l.key, path + l.suffix);
    }
}

void TMainForm::restoreMenuChecks() {
    // -1 selects neither of the two methods.
    m_bets->RadioGroup1ItemIndex = m_ini.readInteger("KaimeSet", "HaibunSet", 0, -1, 1);
    menus.hidelist = m_ini.readBool("datalist", "close", false);
    const int option = m_ini.readInteger("Kaime", "Option", 1);
    menus.N32 = option == 1;
    menus.N33 = option == 2;
    const int race = m_ini.readInteger("SendInfo", "Race", 0);
    menus.SelHaiR1 = race == 0;
    menus.SelHaiR2 = race == 1;
    menus.SelHaiR3 = race == 2;
    const int exKaime = m_ini.readInteger("KaimeSet", "ExKaime", 0);
    menus.DefaultKaime = exKaime == 0;
    menus.Kaime3Include = exKaime == 1;
    menus.NagasiKaime = exKaime == 2;
    menus.StdDev13 = exKaime == 3;
    const int priority = m_ini.readInteger("IniKaime", "Priority", 0);
    menus.KaimeJoi = priority == 0;
    menus.KaimeKai = priority == 1;
    menus.PC1 = m_ini.readBool("alarm", "bell", false);
    menus.N30 = m_ini.readBool("alarm", "mail", false);
}

void TMainForm::FormCreate() {
    // The folders come first: the settings file and the log live in the program folder.
    prepareProgramFolders(ProgramDir());
    // A run killed while it wrote leaves temporaries behind; no other step ever looks at them.
    removeProgramTemporaries(ProgramDir());
    // Settings hold passwords: a file that others could read is closed to them now, not at its first write.
    m_ini.restrictToOwner();
    restoreFolderSettings();

    // Window coordinates are 16-bit on the desktop's side; a size must leave a window to see.
    geometry.top = m_ini.readInteger("locate", "top", 10, kMinWindowCoordinate, kMaxWindowCoordinate);
    geometry.left = m_ini.readInteger("locate", "left", 10, kMinWindowCoordinate, kMaxWindowCoordinate);
    geometry.width = m_ini.readInteger("locate", "width", 900, kMinWindowSize, kMaxWindowCoordinate);
    geometry.height = m_ini.readInteger("locate", "height", 600, kMinWindowSize, kMaxWindowCoordinate);

    visibility.StringGrid6 = false;
    visibility.PageControl3 = false;
    visibility.Panel8 = false;

    TrackedHorses.clear();
    JockeyCheckList.clear();
    for (auto& line : loadLines(pathOf("KishuCKList.txt")))
        JockeyCheckList.add(std::move(line));

    m_errorLog.writeStartEntry(programDirText());
    restoreMenuChecks();
    MakeDataListBtnClick();
    // The long-lived loss register is made with the window. A register file that cannot be read must not keep
    // the program from starting: it says why and starts with an empty register.
    runHandler([this] { m_lossReg->FormCreate(); });
    // So is the axis-and-partner dialog; a set file that cannot be read leaves the built-in sets in use.
    runHandler([this] { m_userKaime->FormCreate(); });

    visibility.TekiAnaBtn = true;
    visibility.TekiAnaBtn2 = true;
    visibility.DirectReadBtn = true;
    visibility.MenuMaster = true;
    visibility.TabSheet1 = false;
    visibility.TabSheet8 = false;
    visibility.TabSheet15 = false;
    visibility.TabSheet37 = false;
    visibility.TabSheet7 = false;
    Timer2Timer();
}

void TMainForm::FormShow() {
    // A first start without any data service configured gets the demo provider, so both front ends work at once.
    if (ensureDemoProvider) {
        try {
            if (ensureDemoProvider())
                StatusLabel.text =
                    sj("デモ用のデータ提供フォルダを作成しました: ") + displayPath(ProgramDir() / "provider");
        } catch (const RenokaError& e) {
            StatusLabel.text = e.what();
            logError(e.what());
        }
        m_changes.mark(View::Status);
    }
    const int32_t rc = m_ports.jvLink.JVInit(softwareIdentifier());
    if (rc != 0) m_ports.desktop.information(sj("JVInitエラー：") + JVErrorText("JVInit", rc));
}

bool TMainForm::FormCloseQuery(const WindowGeometry& current) {
    geometry = current;
    m_ini.writeInteger("locate", "top", current.top);
    m_ini.writeInteger("locate", "left", current.left);
    m_ini.writeInteger("locate", "width", current.width);
    m_ini.writeInteger("locate", "height", current.height);
    return true;
}

void TMainForm::QuitButtonClick() {
    closeRequested = true;
}

void TMainForm::HelpButtonClick() {
    const fs::path manual = pathOf("RENOKA.pdf");
    std::error_code ec;
    if (!fs::is_regular_file(manual, ec)) {
        m_ports.desktop.beep();
        m_ports.desktop.information(sj("使用解説書[RENOKA.pdf]が見つかりません。"));
        return;
    }
    if (!m_ports.desktop.openFile(manual)) {
        m_ports.desktop.beep();
        m_ports.desktop.information(sj("使用解説書[RENOKA.pdf]を開けません。"));
    }
}

void TMainForm::hidelistClick() {
    menus.hidelist = !menus.hidelist;
    m_changes.mark(View::Frame);
    m_ini.writeBool("datalist", "close", menus.hidelist);
}

void TMainForm::SpeedButton1Click() {
    visibility.Panel6 = !visibility.Panel6;
    m_changes.mark(View::Frame);
}

void TMainForm::MakeDataListBtnClick() {
    DateCombo.clear();
    DateCombo.items = listDays(pathOf("Data"));
    m_changes.mark(View::DayList);
}

void TMainForm::IniBtnClick() {
    m_store->IniBtnClick();
}

std::string TMainForm::emptyViewHint() const {
    if (DateCombo.items.empty())
        return sj("「JVデータ取得」でデータを取り込むと、開催日を選んでレースを表示できます。");
    return sj("開催日とレースを選ぶと、ここに出馬表が表示されます。");
}

std::string TMainForm::clockText() const {
    return sj(m_ports.clock.now().toString(QStringLiteral("hh'時'mm'分'ss'秒'")).toStdString());
}

void TMainForm::Timer2Timer() {
    ClockLabel.text = clockText();
}

std::unique_ptr<TOzGetTimeForm> TMainForm::N8Click() {
    auto dialog = std::make_unique<TOzGetTimeForm>(m_ini);
    dialog->FormCreate();
    return dialog;
}

std::vector<TMainForm::TimerHandler> TMainForm::timers() {
    AutoAcquisition& a = *m_acquisition;
    return {
        {"Timer1", &Timer1, [&a] { a.Timer1Timer(); }},
        {"Timer4", &Timer4, [&a] { a.Timer4Timer(); }},
        {"HenkoJohoTimer", &HenkoJohoTimer, [&a] { a.HenkoJohoTimerTimer(); }},
        {"Timer3", &Timer3, [&a] { a.Timer3Timer(); }},
        {"Timer2", &Timer2, [this] { Timer2Timer(); }},
    };
}

void TMainForm::logError(const std::string& message) {
    m_errorLog.record(message);
}

bool TMainForm::runHandler(const std::function<void()>& handler, bool unattended) {
    std::string message;
    {
        const Desktop::UnattendedScope unattendedScope(m_ports.desktop, unattended);
        const Clock::WorkScope work(m_ports.clock);
        try {
            handler();
            return true;
        } catch (...) {
            message = messageOfCurrentException();
        }
    }
    if (!unattended) {
        m_ports.desktop.beep();
        m_ports.desktop.information(message);
    } else {
        StatusLabel.text = message;
        m_changes.mark(View::Status);
    }
    logError(message);
    return false;
}

} // namespace renoka

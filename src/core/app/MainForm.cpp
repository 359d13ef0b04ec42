#include "app/MainForm.h"

#include "analysis/EntriesTable.h"
#include "analysis/HorseWeights.h"
#include "analysis/MiningIntake.h"
#include "analysis/OddsBoard.h"
#include "analysis/OddsIntake.h"
#include "app/Errors.h"
#include "app/ProgramFolder.h"
#include "app/Startup.h"
#include "jv/JvErrorText.h"
#include "jv/JvLink.h"
#include "jv/SoftwareId.h"
#include "jv/sim/SimJvLink.h"
#include "platform/FileIo.h"
#include "results/PayoutIntake.h"
#include "store/DayList.h"
#include "store/DayLoader.h"
#include "store/RaceCard.h"
#include "text/Cp932.h"
#include "text/Fields.h"

namespace renoka {

namespace fs = std::filesystem;

fs::path settingsFileOf(const fs::path& programDir) {
    return programDir / "renoka.ini";
}

TMainForm::TMainForm(fs::path programDir, MainFormPorts ports)
    : m_programDir(std::move(programDir)), m_ports(ports), m_ini(settingsFileOf(m_programDir)),
      m_errorLog(m_programDir / "ErrorLog.txt", ports.clock), m_store(std::make_unique<RaceDayStore>()),
      m_dayLoader(std::make_unique<DayLoader>(*this)), m_raceCard(std::make_unique<RaceCard>(*this)),
      m_odds(std::make_unique<OddsIntake>(*this)), m_mining(std::make_unique<MiningIntake>(*this)),
      m_weights(std::make_unique<HorseWeights>(*this)), m_entries(std::make_unique<EntriesTable>(*this)),
      m_payouts(std::make_unique<PayoutIntake>(*this)), m_oddsBoard(std::make_unique<OddsBoard>(*this)) {
    // A race that receives its first payout is shown again with its results.
    m_payouts->DatListClick = [this] { m_raceCard->DatListClick(); };
    // The time-series import ends by loading its day again.
    m_odds->setReloadDay([this] { m_dayLoader->DateComboChange(); });
}

TMainForm::~TMainForm() = default;

std::string TMainForm::programDirText() const {
    return displayPath(m_programDir);
}

fs::path TMainForm::pathOf(std::string_view cp932Relative) const {
    return pathUnder(m_programDir, cp932Relative);
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
    RadioGroup1ItemIndex = m_ini.readInteger("KaimeSet", "HaibunSet", 0);
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
    prepareProgramFolders(m_programDir);
    restoreFolderSettings();

    geometry.top = m_ini.readInteger("locate", "top", 10);
    geometry.left = m_ini.readInteger("locate", "left", 10);
    geometry.width = m_ini.readInteger("locate", "width", 900);
    geometry.height = m_ini.readInteger("locate", "height", 600);

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
    if (dynamic_cast<SimJvLink*>(&m_ports.jvLink)) {
        try {
            if (ensureDemoProvider(m_programDir, m_ports.clock))
                StatusLabel.text =
                    sj("デモ用のデータ提供フォルダを作成しました: ") + displayPath(m_programDir / "provider");
        } catch (const RenokaError& e) {
            StatusLabel.text = e.what();
            logError(e.what());
        }
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
    m_ini.writeBool("datalist", "close", menus.hidelist);
}

void TMainForm::SpeedButton1Click() {
    visibility.Panel6 = !visibility.Panel6;
}

void TMainForm::MakeDataListBtnClick() {
    DateCombo.clear();
    DateCombo.items = listDays(pathOf("Data"));
}

void TMainForm::IniBtnClick() {
    m_store->IniBtnClick();
}

std::string TMainForm::clockText() const {
    return sj(m_ports.clock.now().toString(QStringLiteral("hh'時'mm'分'ss'秒'")).toStdString());
}

void TMainForm::Timer2Timer() {
    ClockLabel.text = clockText();
}

void TMainForm::logError(const std::string& message) {
    try {
        m_errorLog.append(message);
    } catch (const std::exception&) {
        // A log that cannot be written must not turn one failure into two dialogs.
    }
}

bool TMainForm::runHandler(const std::function<void()>& handler, bool unattended) {
    std::string message;
    try {
        handler();
        return true;
    } catch (const RenokaError& e) {
        message = e.what();
    } catch (const std::bad_alloc&) {
        message = sj("メモリが不足しています。");
    } catch (const std::exception& e) {
        message = sj(e.what());
    }
    if (!unattended) {
        m_ports.desktop.beep();
        m_ports.desktop.information(message);
    } else {
        StatusLabel.text = message;
    }
    logError(message);
    return false;
}

} // namespace renoka

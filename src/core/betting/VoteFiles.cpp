#include "betting/VoteFiles.h"

#include "base/Cp932.h"
#include "base/Errors.h"
#include "frame/IniFile.h"
#include "frame/ProgramFolder.h"
#include "platform/Desktop.h"
#include "platform/FileIo.h"
#include "store/RaceDayStore.h"
#include "text/Controls.h"
#include "text/Fields.h"

#include <algorithm>
#include <system_error>

namespace renoka {

namespace {

constexpr const char* kVoteFolderSection = "Dir";
constexpr const char* kBetFolderKey = "kaime";
constexpr const char* kPluginFolderKey = "QRVTohyo2";
constexpr const char* kPluginProgram = "QRVTohyoPlugIn2";

bool isFolder(const std::filesystem::path& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(path, ec);
}

void tell(Desktop& desktop, const std::string& cp932) {
    desktop.beep();
    desktop.information(cp932);
}

} // namespace

VoteFiles::VoteFiles(const RaceDayStore& store, const ProgramFolder& folder, IniFile& ini, Desktop& desktop,
                     const ListControl& dateCombo, const ListControl& datList)
    : m_store(store), m_folder(folder), m_ini(ini), m_desktop(desktop), m_dateCombo(dateCombo), m_datList(datList) {}

bool VoteFiles::ready(const std::vector<VoteRow>& rows) {
    const int day = m_dateCombo.itemIndex;
    if (day < 0 || day >= static_cast<int>(m_dateCombo.items.size()) || trimView(m_dateCombo.items[day]).empty()) {
        tell(m_desktop, sj("開催日ﾃﾞｰﾀを読み込んでください。"));
        return false;
    }
    if (m_datList.itemIndex < 0 || m_datList.itemIndex >= static_cast<int>(m_datList.items.size())) {
        tell(m_desktop, sj("レースデータを読み込んでください。"));
        return false;
    }
    // Excluded bets count here: a grid of excluded bets is asked about and writes no bet.
    if (std::none_of(rows.begin(), rows.end(), hasBet)) {
        tell(m_desktop, sj("買い目が作成されていません。"));
        return false;
    }
    return true;
}

std::string VoteFiles::question(const VoteKind& kind, const char* askUtf8) const {
    return "[" + m_datList.items[static_cast<size_t>(m_datList.itemIndex)] + ":" + kind.id + sj("]に投票します。") +
           sj(askUtf8);
}

std::filesystem::path VoteFiles::betFolder() const {
    const std::string programDir = m_folder.text();
    const std::string folder = trim(m_ini.readString(kVoteFolderSection, kBetFolderKey, programDir));
    if (folder == programDir) return m_folder.pathOf("kaime");
    return folderSettingPath(folder);
}

std::filesystem::path VoteFiles::orderFolder() const {
    const std::string folder = trim(m_ini.readString(kVoteFolderSection, kPluginFolderKey, ""));
    if (folder.empty()) return {};
    return folderSettingPath(folder) / "kaime";
}

std::filesystem::path VoteFiles::pluginProgram(const std::filesystem::path& pluginFolder) {
    const std::filesystem::path windows = pluginFolder / (std::string(kPluginProgram) + ".exe");
#ifndef _WIN32
    std::error_code ec;
    const std::filesystem::path bare = pluginFolder / kPluginProgram;
    if (!std::filesystem::is_regular_file(windows, ec) && std::filesystem::is_regular_file(bare, ec)) return bare;
#endif
    return windows;
}

void VoteFiles::writeBetFile(const VoteKind& kind, const std::vector<VoteRow>& rows) {
    if (!ready(rows)) return;
    const std::string_view ra = m_store.ra(m_store.CurrentRace);
    const std::vector<std::string> lines = betFileLines(ra, kind, rows);
    if (!m_desktop.confirm(question(kind, "投票ファイルを出力しますか？"))) return;
    const std::filesystem::path file = betFolder() / (voteFileStem(ra) + ".BET");
    saveLines(file, lines);
    lastBetFile = file;
}

void VoteFiles::writeOrderFile(const VoteKind& kind, const std::vector<VoteRow>& rows) {
    pluginStarted = false;
    if (!ready(rows)) return;
    const std::filesystem::path kaime = orderFolder();
    // A plug-in folder that is not there is no installed plug-in either.
    if (kaime.empty() || !isFolder(kaime.parent_path())) {
        tell(m_desktop, sj("「QRV投票プラグイン２」が正常にインストールされていません。再インストールしてください。"));
        return;
    }
    const std::string_view ra = m_store.ra(m_store.CurrentRace);
    const std::vector<std::string> lines = orderFileLines(ra, kind, rows);
    if (!m_desktop.confirm(question(kind, "実行してよろしいですか？"))) return;

    // The plug-in's own folder for the orders is made when it is missing (one level, in the plug-in folder).
    if (!isFolder(kaime)) {
        std::error_code ec;
        std::filesystem::create_directory(kaime, ec);
        if (ec || !isFolder(kaime))
            throw FileError(sj("フォルダを作成できません: ") + displayPath(kaime) +
                            (ec ? sj("（") + systemErrorText(ec.value()) + sj("）") : std::string()));
    }
    const std::filesystem::path file = kaime / (voteFileStem(ra) + ".csv");
    saveLines(file, lines);
    lastOrderFile = file;

    const std::filesystem::path pluginFolder = kaime.parent_path();
    pluginStarted = m_desktop.startProgram(pluginProgram(pluginFolder), displayPath(file), pluginFolder);
    if (!pluginStarted)
        tell(m_desktop, sj("投票プラグイン２の呼び出しでエラーが発生しました。") + "\r\n" +
                            sj("投票プラグイン２が正しくインストールされているか確認してください。"));
}

// The folder a picker starts from: the setting, or the program folder while it is blank.
std::string VoteFiles::pickerStart(const char* key) const {
    const std::string current = trim(m_ini.readString(kVoteFolderSection, key, m_folder.text()));
    return current.empty() ? m_folder.text() : current;
}

void VoteFiles::QRV1Click() {
    const std::string current = pickerStart(kPluginFolderKey);
    if (auto chosen = m_desktop.pickFolder(sj("QRV投票プラグイン２フォルダの指定"), current))
        m_ini.writeString(kVoteFolderSection, kPluginFolderKey, *chosen);
}

void VoteFiles::N28Click() {
    const std::string current = pickerStart(kBetFolderKey);
    if (auto chosen = m_desktop.pickFolder(sj("買い目ﾌｧｲﾙﾌｫﾙﾀﾞの指定"), current))
        m_ini.writeString(kVoteFolderSection, kBetFolderKey, *chosen);
}

} // namespace renoka

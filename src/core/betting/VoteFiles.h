#pragma once
// The vote files of the shown race: the bet list "yymmdd.BET" in the bet folder, and the order file
// "yymmdd.csv" that the voting plug-in ("QRV投票プラグイン２") is started with. Each is written whole for one
// bet type after a question, replacing the file of the same day; the plug-in is started as a program with the
// file as its one argument, in its own folder, and nothing is read back.
#include "betting/VoteLines.h"

#include <filesystem>
#include <string>
#include <vector>

namespace renoka {

class Desktop;
class IniFile;
class ProgramFolder;
class RaceDayStore;
struct ListControl;

class VoteFiles {
public:
    // `dateCombo` is the day chooser, `datList` the race list of the loaded day.
    VoteFiles(const RaceDayStore& store, const ProgramFolder& folder, IniFile& ini, Desktop& desktop,
              const ListControl& dateCombo, const ListControl& datList);

    // The ".BET" file of one bet type's rows for the shown race (CurrentRace): the checks, the question, the file.
    void writeBetFile(const VoteKind& kind, const std::vector<VoteRow>& rows);
    // The order file of one bet type's rows, then the plug-in started with it.
    void writeOrderFile(const VoteKind& kind, const std::vector<VoteRow>& rows);

    // QRV投票プラグイン２フォルダ指定: the plug-in folder ("Dir"/"QRVTohyo2") chosen with the folder picker.
    void QRV1Click();
    // 買い目ﾌｧｲﾙﾌｫﾙﾀﾞ指定: the bet folder ("Dir"/"kaime") chosen with the folder picker.
    void N28Click();

    // Where the ".BET" files go: "Dir"/"kaime", and the program's "kaime" folder while that is the program folder.
    std::filesystem::path betFolder() const;
    // The plug-in folder's "kaime" folder, where the order files go; empty while no plug-in folder is set.
    std::filesystem::path orderFolder() const;
    // The plug-in's program in `pluginFolder`: "QRVTohyoPlugIn2.exe", or on a system whose programs have no
    // suffix "QRVTohyoPlugIn2" when only that one is there.
    static std::filesystem::path pluginProgram(const std::filesystem::path& pluginFolder);

    // The file each write wrote last (empty until one is written).
    std::filesystem::path lastBetFile;
    std::filesystem::path lastOrderFile;
    // Whether the plug-in started on the last order file.
    bool pluginStarted = false;

private:
    // The three checks both writes begin with (day, race, bets); false after the message.
    bool ready(const std::vector<VoteRow>& rows);
    std::string question(const VoteKind& kind, const char* askUtf8) const;
    std::string pickerStart(const char* key) const;

    const RaceDayStore& m_store;
    const ProgramFolder& m_folder;
    IniFile& m_ini;
    Desktop& m_desktop;
    const ListControl& m_dateCombo;
    const ListControl& m_datList;
};

} // namespace renoka

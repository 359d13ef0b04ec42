#pragma once
// The stored-data download dialog as data ("ＪＶデータ取込"): it opens the provider's stored data from a chosen
// time, follows the download, reads every record and sorts it into the data files through the main window's
// file store, which keeps the merged files in memory and writes each once at the end, on cancel or on error.
#include "jv/download/StoredRecordRouter.h"
#include "text/Controls.h"
#include "text/Label.h"

#include <QDateTime>

#include <cstdint>
#include <functional>
#include <string>

namespace renoka {

class Clock;
class DayFileStore;
class Desktop;
class ErrorLog;
class IniFile;
class JvLink;
class ProgramFolder;

struct ProgressBar {
    int min = 0;
    int max = 100;
    int position = 0;
};

class TGetDataForm {
public:
    static constexpr const char* Caption = "ＪＶデータ取込"; // UTF-8

    // `closeSteps` is what closing the dialog does to the main window: empty the day chooser, hide the race
    // pages and rebuild the day list (the main form connects it).
    TGetDataForm(DayFileStore& files, const ProgramFolder& folder, JvLink& jvLink, IniFile& ini, Desktop& desktop,
                 const Clock& clock, ErrorLog& errorLog, std::function<void()> closeSteps);

    void FormCreate();
    void SpeedButton1Click();
    void ButtonStartClick();
    void TimerJVStatusTimer();
    void ButtonCancelClick();
    // The cancel itself, once confirmed (or asked for by a signal of the command line): stops the download or the
    // read at its next turn; what was merged is written whole and "LastTime" keeps its old value.
    void cancelDownload();
    // Always allows closing; runs the close steps of the main window.
    bool FormCloseQuery();

    // Controls.
    QDateTime DateTimePicker1;
    bool rbtNormal = true;
    bool rbtSetup = false;
    bool CheckBox2 = false;
    ProgressBar ProgressBar1;
    ProgressBar ProgressBar2;
    Label ProgressLabel;
    Label MkDataLabel;
    Label Label5; // the picker's time, hidden
    TimerState TimerJVStatus{false, 10};
    bool busyCursor = false;
    bool reading = false; // the read loop is running

    // State of one download.
    int FromDateNumber = 0;
    std::string ArchiveFloorYear;
    bool CancelRequested = false;
    int32_t ReadCount = 0;
    int32_t DownloadCount = 0;
    std::string LastFileTimestamp;
    // Every answer of JVStatus and JVRead that moved the download on; a front end that sees it stand still for
    // too long knows the data service has stalled.
    long long Progress = 0;

    // Called after every label or bar change, so a front end can show progress as it happens.
    std::function<void()> onProgress;

private:
    void ReadJVData();
    void CloseJVData();
    void setProgressLabel(std::string text);
    void error(const std::string& message);
    void finishFiles();

    DayFileStore& m_files;
    const ProgramFolder& m_folder;
    JvLink& m_jvLink;
    IniFile& m_ini;
    Desktop& m_desktop;
    const Clock& m_clock;
    ErrorLog& m_errorLog;
    std::function<void()> m_closeSteps;
    StoredRecordRouter m_router;
    RouteConditions m_conditions;
    int m_rejectedLogged = 0;
};

} // namespace renoka

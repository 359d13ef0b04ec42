#pragma once
// The stored-data download dialog as data ("ＪＶデータ取込"): it opens the provider's stored data from a chosen
// time, follows the download, reads every record and sorts it into the data files through the main window's
// file store, which keeps the merged files in memory and writes each once at the end, on cancel or on error.
#include "app/Controls.h"
#include "jv/download/StoredRecordRouter.h"
#include "text/Label.h"

#include <QDateTime>

#include <cstdint>
#include <string>

namespace renoka {

class TMainForm;
class DayFileStore;

struct ProgressBar {
    int min = 0;
    int max = 100;
    int position = 0;
};

class TGetDataForm {
public:
    static constexpr const char* Caption = "ＪＶデータ取込"; // UTF-8

    explicit TGetDataForm(TMainForm& main);

    void FormCreate();
    void SpeedButton1Click();
    void ButtonStartClick();
    void TimerJVStatusTimer();
    void ButtonCancelClick();
    // Always allows closing; rebuilds the main window's day list.
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

    // Called after every label or bar change, so a front end can show progress as it happens.
    std::function<void()> onProgress;

private:
    void ReadJVData();
    void CloseJVData();
    void setProgressLabel(std::string text);
    void error(const std::string& message);
    void finishFiles();

    TMainForm& m_main;
    DayFileStore& m_files;
    StoredRecordRouter m_router;
    RouteConditions m_conditions;
    int m_rejectedLogged = 0;
};

} // namespace renoka

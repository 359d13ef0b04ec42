#include "jv/download/GetDataForm.h"

#include "base/Cp932.h"
#include "base/Errors.h"
#include "frame/ErrorLog.h"
#include "frame/IniFile.h"
#include "frame/ProgramFolder.h"
#include "jv/JvErrorText.h"
#include "jv/JvLink.h"
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "store/DayFileStore.h"
#include "text/Fields.h"
#include "text/Format.h"

namespace renoka {

namespace {

constexpr int kRejectsLoggedOneByOne = 20;
const char* const kTimeFormat = "yyyy/MM/dd hh:mm:ss";

std::string narrow(const std::u16string& ascii) {
    std::string out;
    out.reserve(ascii.size());
    for (char16_t c : ascii)
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

} // namespace

TGetDataForm::TGetDataForm(DayFileStore& files, const ProgramFolder& folder, JvLink& jvLink, IniFile& ini,
                           Desktop& desktop, const Clock& clock, ErrorLog& errorLog, std::function<void()> closeSteps)
    : m_files(files), m_folder(folder), m_jvLink(jvLink), m_ini(ini), m_desktop(desktop), m_clock(clock),
      m_errorLog(errorLog), m_closeSteps(std::move(closeSteps)),
      m_router(files, folder.dir(), [this](const std::string& reason) {
          if (m_rejectedLogged++ < kRejectsLoggedOneByOne) m_errorLog.record(reason);
      }) {}

void TGetDataForm::FormCreate() {
    IniFile& ini = m_ini;
    if (ini.readString("JvDataGet", "LastTime", "").empty()) {
        rbtSetup = true;
        rbtNormal = false;
    }
    const QDateTime now = m_clock.now();
    const std::string fallback = now.addDays(-365).toString(QString::fromLatin1(kTimeFormat)).toStdString();
    const std::string last = ini.readString("JvDataGet", "LastTime", fallback);
    QDateTime picked = QDateTime::fromString(QString::fromStdString(last), QString::fromLatin1(kTimeFormat));
    // A hand-edited time that does not parse must not stop the dialog from opening.
    if (!picked.isValid())
        picked = QDateTime::fromString(QString::fromStdString(fallback), QString::fromLatin1(kTimeFormat));
    DateTimePicker1 = picked;
    Label5.text = picked.toString(QString::fromLatin1(kTimeFormat)).toStdString();
    Label5.visible = false;
}

void TGetDataForm::SpeedButton1Click() {
    const int32_t rc = m_jvLink.JVSetUIProperties();
    if (rc != 0) {
        m_desktop.beep();
        m_desktop.information(sj("JVSetUIPropertiesエラー：") + JVErrorText("JVSetUIProperties", rc));
    }
}

void TGetDataForm::setProgressLabel(std::string text) {
    ProgressLabel.text = std::move(text);
    if (onProgress) onProgress();
}

void TGetDataForm::error(const std::string& message) {
    m_desktop.beep();
    m_desktop.information(message);
}

void TGetDataForm::ButtonStartClick() {
    m_desktop.information(
        sj(DateTimePicker1.toString(QStringLiteral("yyyy'年'MM'月'dd'日'hh'時'mm'分'ss'秒'")).toStdString()) +
        sj("以降のデータ取込を開始します。データ作成が終了するまで本ソフトを操作したり他のアプリケーションを操作するこ"
           "とは極力避けてください。"));
    ArchiveFloorYear = fmt("%4d", m_clock.now().date().year() - 15);
    TimerJVStatus.enabled = false;
    CancelRequested = false;
    ProgressBar1.position = 0;
    ProgressBar2.position = 0;

    const std::string fromTime = DateTimePicker1.toString(QStringLiteral("yyyyMMddhhmmss")).toStdString();
    FromDateNumber = toInt(fromTime.substr(0, 8));
    const int32_t option = rbtNormal ? 1 : (rbtSetup ? 3 : 1);
    busyCursor = true;
    if (onProgress) onProgress();
    m_rejectedLogged = 0;

    std::u16string last;
    ReadCount = 0;
    DownloadCount = 0;
    const int32_t rc = m_jvLink.JVOpen(u"RACEMING", widenAscii(fromTime), option, ReadCount, DownloadCount, last);
    LastFileTimestamp = narrow(last);
    if (rc == -1 || (rc == 0 && ReadCount == 0)) {
        error(sj("最新のデータがありません。"));
        CloseJVData();
        return;
    }
    if (rc != 0) {
        error(sj("JVOpenエラー:") + JVErrorText("JVOpen", rc));
        CloseJVData();
        return;
    }
    setProgressLabel(sj("JVOpen正常:") + JVErrorText("JVOpen", rc));
    setProgressLabel("ReadCount:" + std::to_string(ReadCount) + ", DownloadCount:" + std::to_string(DownloadCount));
    if (DownloadCount > 0) {
        setProgressLabel(sj("ダウンロード中・・・"));
        ProgressBar1.max = DownloadCount;
        TimerJVStatus.enabled = true;
        return;
    }
    ProgressBar1.max = 100;
    ProgressBar1.position = 100;
    ReadJVData();
    CloseJVData();
}

void TGetDataForm::TimerJVStatusTimer() {
    if (!TimerJVStatus.enabled) return;
    const int32_t n = m_jvLink.JVStatus();
    if (n < 0) {
        TimerJVStatus.enabled = false;
        error(sj("JVStatusエラー:") + JVErrorText("JVStatus", n));
        CloseJVData();
        return;
    }
    if (n > DownloadCount) return;
    if (n != ProgressBar1.position) ++Progress;
    ProgressBar1.position = n;
    setProgressLabel(sj("ダウンロード中．．．(") + std::to_string(n) + "/" + std::to_string(DownloadCount) + ")");
    if (n == DownloadCount) {
        TimerJVStatus.enabled = false;
        ReadJVData();
        CloseJVData();
    }
}

void TGetDataForm::ButtonCancelClick() {
    if (!m_desktop.confirm(sj("データ取込を中止します。実行しますか？"))) return;
    cancelDownload();
}

void TGetDataForm::cancelDownload() {
    const bool downloading = TimerJVStatus.enabled || !reading;
    TimerJVStatus.enabled = false;
    m_jvLink.JVCancel();
    CancelRequested = true;
    const std::string text = sj("JVCancel:キャンセルされました");
    error(text);
    setProgressLabel(text);
    // While reading, the loop stops at its next turn and its caller closes the stream.
    if (downloading && !reading) CloseJVData();
}

void TGetDataForm::CloseJVData() {
    const int32_t rc = m_jvLink.JVClose();
    busyCursor = false;
    if (rc != 0) {
        error(sj("JVCloseエラー:") + JVErrorText("JVClose", rc));
    } else {
        m_desktop.beep();
    }
}

void TGetDataForm::finishFiles() {
    m_files.endBatch();
    const int rejected = m_router.rejectedCount();
    if (rejected > kRejectsLoggedOneByOne)
        m_errorLog.record(sj("不正なレコードを合わせて") + std::to_string(rejected) + sj("件読み飛ばしました。"));
}

void TGetDataForm::ReadJVData() {
    const std::string total = std::to_string(ReadCount);
    setProgressLabel(sj("データ読込み中．．．(0/") + total + ")");
    ProgressBar2.min = 0;
    ProgressBar2.max = ReadCount;
    ProgressBar2.position = 0;
    int32_t size = 100000;
    int fileCounter = 0;
    std::u16string buffer;
    std::u16string fileName;
    std::string record;
    m_conditions = RouteConditions{FromDateNumber, ArchiveFloorYear, CheckBox2};
    reading = true;
    // Whatever ends the loop, the dialog must not stay "reading".
    struct ReadingGuard {
        bool& flag;
        ~ReadingGuard() { flag = false; }
    } guard{reading};
    // What an earlier run left when it was killed while writing goes before this run writes its own.
    removeProgramTemporaries(m_folder.dir());
    m_files.beginBatch();
    bool finished = false;
    try {
        while (true) {
            m_desktop.processEvents();
            if (CancelRequested) break;
            const int32_t rc = m_jvLink.JVRead(buffer, size, fileName);
            if (rc > -2) ++Progress;
            if (rc > 0) {
                fromUtf16Into(buffer, record);
                if (record.size() >= 2 && record.compare(record.size() - 2, 2, "\r\n") == 0)
                    record.resize(record.size() - 2);
                m_router.route(record, m_conditions, MkDataLabel.text);
            } else if (rc == -1) {
                ++fileCounter;
                ProgressBar2.position = fileCounter;
                MkDataLabel.text.clear();
                setProgressLabel(sj("データ読込み中．．．(") + std::to_string(fileCounter) + "/" + total + ")");
            } else if (rc == 0) {
                finished = true;
                setProgressLabel("JVRead EndOfFile :0");
                setProgressLabel(sj("データ読込み完了(") + std::to_string(fileCounter) + "/" + total + ")");
                ProgressBar1.position = 0;
                ProgressBar2.position = 0;
                break;
            } else if (rc < -3) {
                error(sj("JVReadエラー:") + JVErrorText("JVRead", rc));
                break;
            }
        }
    } catch (const RenokaError& e) {
        reading = false;
        // What was merged so far is still written; the error ends the read like a failed JVRead.
        try {
            finishFiles();
        } catch (const RenokaError&) {
        }
        m_errorLog.record(e.what());
        error(e.what());
        return;
    }
    reading = false;
    try {
        finishFiles();
    } catch (const RenokaError& e) {
        // The files of this run are not all on disk: keep the old "LastTime" so the next start repeats it.
        m_errorLog.record(e.what());
        error(e.what());
        return;
    }
    if (!finished) return;
    const std::string stamp = trim(LastFileTimestamp);
    if (!stamp.empty() && stamp != "00000000000000" && stamp.size() == 14 && isDigits(stamp)) {
        const std::string text = stamp.substr(0, 4) + "/" + stamp.substr(4, 2) + "/" + stamp.substr(6, 2) + " " +
                                 stamp.substr(8, 2) + ":" + stamp.substr(10, 2) + ":" + stamp.substr(12, 2);
        const QDateTime parsed = QDateTime::fromString(QString::fromStdString(text), QString::fromLatin1(kTimeFormat));
        if (parsed.isValid()) DateTimePicker1 = parsed;
        m_ini.writeString("JvDataGet", "LastTime", text);
    }
    setProgressLabel(sj("データ作成が完了しました。"));
}

bool TGetDataForm::FormCloseQuery() {
    if (m_closeSteps) m_closeSteps();
    return true;
}

} // namespace renoka

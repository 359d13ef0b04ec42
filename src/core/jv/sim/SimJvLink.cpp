#include "jv/sim/SimJvLink.h"

#include "base/Cp932.h"
#include "jv/JvResultCodes.h"
#include "jv/SoftwareId.h"
#include "jv/sim/ProviderIni.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace renoka {

using namespace jvcode;

namespace {

constexpr int kDefaultFilesPerSecond = 40;

constexpr std::string_view kRaceOddsSpec = "0B30";
// Real-time specs keyed by the day: results, horse weights, the two mining forecasts, change notices.
constexpr std::array<std::string_view, 5> kDaySpecs{"0B12", "0B11", "0B13", "0B17", "0B14"};

bool isRaceKey(std::string_view key) {
    return key.size() == 16 && std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::u16string asciiToUtf16(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

} // namespace

SimJvLink::SimJvLink(std::filesystem::path providerFolder)
    : m_provider(std::move(providerFolder)), m_clock(&m_systemClock) {}

SimJvLink::SimJvLink(std::filesystem::path providerFolder, const Clock& clock)
    : m_provider(std::move(providerFolder)), m_clock(&clock) {}

void SimJvLink::setProviderFolder(std::filesystem::path folder) {
    m_provider = ProviderFolder(std::move(folder));
}

int32_t SimJvLink::JVInit(const std::u16string& softwareId) {
    m_faults.reload(m_provider.faultsIni());
    if (const int32_t refused = checkSoftwareId(softwareId)) return refused;
    if (const int32_t fault = m_faults.due(SimCall::JVInit)) return fault;
    m_initialised = true;
    m_faults.succeeded(SimCall::JVInit);
    return 0;
}

// There is no dialog inside the simulator: the GUI hands in its own settings dialog, which calls the setters, and
// the CLI has none. The control's JVSet calls have no "not initialised" answer.
int32_t SimJvLink::JVSetUIProperties() {
    return uiProperties ? uiProperties() : 0;
}

int32_t SimJvLink::JVOpen(const std::u16string& dataSpec, const std::u16string& fromTime, int32_t option,
                          int32_t& readCount, int32_t& downloadCount, std::u16string& lastFileTimestamp) {
    m_faults.reload(m_provider.faultsIni());
    readCount = 0;
    downloadCount = 0;
    lastFileTimestamp.clear();
    if (!m_initialised) return NotInitialised;
    if (m_stream != Stream::None) return StreamAlreadyOpen;
    // The program asks for nothing but the race data set.
    if (dataSpec != u"RACEMING") return DataSpecWrong;
    const std::string from = fromUtf16(fromTime);
    if (!isTimeStamp(from)) return FromTimeWrong;
    if (option < 1 || option > 4) return OptionWrong;
    // The argument checks are the control's own; a server fault can only come after them.
    if (const int32_t fault = m_faults.due(SimCall::JVOpen)) return fault;

    std::vector<ProviderFile> files = m_provider.storedFiles();
    // Nothing is served before the provider published it: the clock's now is the latest a file may carry.
    const std::string now = toJapanTime(m_clock->now()).toString(QStringLiteral("yyyyMMddHHmmss")).toStdString();
    std::erase_if(files, [&now](const ProviderFile& f) { return f.stamp > now; });
    // A set-up (option 3) takes every stored file whatever the from-time; the others only what is newer.
    if (option != 3) std::erase_if(files, [&from](const ProviderFile& f) { return f.stamp <= from; });
    if (files.empty()) return NoNewerData;

    std::vector<bool> needsDownload(files.size());
    for (size_t i = 0; i < files.size(); ++i)
        needsDownload[i] = !m_cache.contains(files[i].path);
    m_download.start(needsDownload, filesPerSecond(), m_faults.streamFault(SimCall::JVStatus), *m_clock);
    m_readFault = m_faults.streamFault(SimCall::JVRead);

    readCount = static_cast<int32_t>(files.size());
    downloadCount = m_download.downloadCount();
    lastFileTimestamp = asciiToUtf16(files.back().stamp);
    // The control answers -1 when it moves on from a file. We give it after the last record of every file, the
    // last one included, and none before the first file: the -1s then number exactly the read count, which is
    // what the download dialog's file counter runs up to. An empty file still gives its -1.
    m_records.open(std::move(files), true);
    m_stream = Stream::Stored;
    m_faults.succeeded(SimCall::JVOpen);
    return 0;
}

int32_t SimJvLink::JVRTOpen(const std::u16string& dataSpec, const std::u16string& key) {
    m_faults.reload(m_provider.faultsIni());
    if (!m_initialised) return NotInitialised;
    if (m_stream != Stream::None) return StreamAlreadyOpen;
    const std::string spec = fromUtf16(dataSpec);
    const std::string keyText = fromUtf16(key);
    const bool raceOdds = spec == kRaceOddsSpec;
    if (raceOdds) {
        if (!isRaceKey(keyText)) return KeyWrong;
    } else if (std::find(kDaySpecs.begin(), kDaySpecs.end(), spec) != kDaySpecs.end()) {
        if (!isDayKey(keyText)) return KeyWrong;
    } else {
        return DataSpecWrong;
    }
    if (const int32_t fault = m_faults.due(SimCall::JVRTOpen)) return fault;

    const std::string now = toJapanTime(m_clock->now()).toString(QStringLiteral("yyyyMMddHHmmss")).toStdString();
    std::vector<ProviderFile> files = m_provider.realtimeFiles(spec, keyText, now);
    // Odds snapshots each hold the whole market of the race: only the latest one announced counts. The day
    // specs announce race by race, so every file so far belongs to the answer.
    if (raceOdds && files.size() > 1) files.erase(files.begin(), files.end() - 1);
    // A real-time answer is one data set: no -1 between its files, and nothing to download.
    m_records.open(std::move(files), false);
    m_download.clear();
    m_readFault = m_faults.streamFault(SimCall::JVRead);
    m_stream = Stream::RealTime;
    m_faults.succeeded(SimCall::JVRTOpen);
    return 0;
}

int32_t SimJvLink::JVStatus() {
    if (!m_initialised) return NotInitialised;
    if (m_stream == Stream::None) return NoStreamOpen;
    if (m_stream == Stream::RealTime) return 0;
    return m_download.status();
}

int32_t SimJvLink::JVRead(std::u16string& buffer, int32_t& size, std::u16string& fileName) {
    if (!m_initialised) return NotInitialised;
    if (m_stream == Stream::None) return NoStreamOpen;
    if (m_readFault && m_records.recordsDelivered() >= m_readFault->after)
        return m_readFault->stall ? StillDownloading : m_readFault->code;
    return m_records.read(buffer, size, fileName, m_stream == Stream::Stored ? &m_download : nullptr);
}

// The download stops where it is. The files that arrived stay readable, and the stream then ends (JVRead 0) where
// the first missing file would begin; the program's read loop has stopped on its own cancel flag before that.
void SimJvLink::JVCancel() {
    if (m_stream == Stream::Stored) m_download.cancel();
}

// Handlers close once more after their last step, and after a failed open, so closing without a stream is fine.
// An injected close failure still ends the stream: the program reports the error and must be able to open again.
int32_t SimJvLink::JVClose() {
    if (m_stream == Stream::Stored) keepDownloadedFiles();
    m_records.close();
    m_download.clear();
    m_readFault.reset();
    m_stream = Stream::None;
    if (!m_initialised) return 0;
    if (const int32_t fault = m_faults.due(SimCall::JVClose)) return fault;
    m_faults.succeeded(SimCall::JVClose);
    return 0;
}

int SimJvLink::filesPerSecond() const {
    if (m_filesPerSecond) return *m_filesPerSecond;
    return ProviderIni::load(m_provider.providerIni()).integer("download", "filesPerSecond", kDefaultFilesPerSecond);
}

void SimJvLink::keepDownloadedFiles() {
    const auto& files = m_records.files();
    for (size_t i = 0; i < files.size(); ++i)
        if (m_download.fileState(i) == SimDownload::FileState::Present) m_cache.insert(files[i].path);
}

} // namespace renoka

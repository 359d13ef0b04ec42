#pragma once
// The data-service simulator: the JvLink port over a provider folder (docs/provider-format.md). Stored data comes
// from stored/ through JVOpen with a download that takes real time, real-time data from realtime/ through
// JVRTOpen as the clock's now has announced it, and every result code the program handles can be provoked
// through faults.ini.
#include "jv/JvLink.h"
#include "jv/sim/FaultPlan.h"
#include "jv/sim/ProviderFolder.h"
#include "jv/sim/RecordStream.h"
#include "jv/sim/SimDownload.h"
#include "platform/Clock.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>

namespace renoka {

class SimJvLink : public JvLink {
public:
    // Over the provider folder, with the machine's clock for the real-time data.
    explicit SimJvLink(std::filesystem::path providerFolder);
    // With the program's clock, which must outlive the simulator.
    SimJvLink(std::filesystem::path providerFolder, const Clock& clock);
    SimJvLink(const SimJvLink&) = delete;
    SimJvLink& operator=(const SimJvLink&) = delete;

    int32_t JVInit(const std::u16string& softwareId) override;
    int32_t JVSetUIProperties() override;
    int32_t JVOpen(const std::u16string& dataSpec, const std::u16string& fromTime, int32_t option, int32_t& readCount,
                   int32_t& downloadCount, std::u16string& lastFileTimestamp) override;
    int32_t JVRTOpen(const std::u16string& dataSpec, const std::u16string& key) override;
    int32_t JVStatus() override;
    int32_t JVRead(std::u16string& buffer, int32_t& size, std::u16string& fileName) override;
    void JVCancel() override;
    int32_t JVClose() override;

    // The simulator's own settings dialog, which only a front end with windows can show. JVSetUIProperties calls it
    // and answers what it returns: 0 when the user closed it, whether with OK or with Cancel (the control says
    // nothing about a cancelled dialog either), -100 when the settings could not be saved. Unset, the call does
    // nothing and answers 0, as the CLI needs.
    std::function<int32_t()> uiProperties;

    // The settings that the simulator's own dialog changes. A new folder applies from the next open.
    const std::filesystem::path& providerFolder() const { return m_provider.root(); }
    void setProviderFolder(std::filesystem::path folder);
    void setClock(const Clock& clock) { m_clock = &clock; }
    const Clock& clock() const { return *m_clock; }
    // Download speed in files per second, over provider.ini's [download] filesPerSecond; 0 = every file at once.
    // Nothing = as provider.ini says.
    void setFilesPerSecond(std::optional<int> filesPerSecond) { m_filesPerSecond = filesPerSecond; }
    const std::optional<int>& filesPerSecondSetting() const { return m_filesPerSecond; }
    // The speed the next download runs at: the setting, else provider.ini's, else 40.
    int filesPerSecond() const;

private:
    enum class Stream { None, Stored, RealTime };

    // Adds the files the download brought to the cache, so a later open finds them here.
    void keepDownloadedFiles();

    ProviderFolder m_provider;
    SystemClock m_systemClock;
    const Clock* m_clock;
    std::optional<int> m_filesPerSecond;
    FaultPlan m_faults;
    bool m_initialised = false;
    Stream m_stream = Stream::None;
    RecordStream m_records;
    SimDownload m_download;
    std::optional<SimFault> m_readFault;
    std::set<std::filesystem::path> m_cache;
};

} // namespace renoka

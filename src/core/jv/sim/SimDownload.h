#pragma once
// The download that JVOpen starts: the files of the open that this instance has not fetched before arrive one by
// one as time passes, at a set number of files per second. Timed on the clock's steady time, so a change of the
// machine's time never makes a download jump, and a test's clock decides when the files arrive.
#include "jv/sim/FaultPlan.h"

#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace renoka {

class Clock;

class SimDownload {
public:
    enum class FileState {
        Present,     // in the cache or downloaded: it can be read
        Downloading, // not yet arrived
        Failed,      // the download broke down before it (an injected JVStatus fault)
        Cancelled,   // JVCancel stopped the download before it
    };

    // Starts a download: `needsDownload[i]` tells whether file i of the stream is missing from the cache.
    // `filesPerSecond` 0 or less brings every file at once. `fault` is the JVStatus fault, if any.
    void start(const std::vector<bool>& needsDownload, int filesPerSecond, std::optional<SimFault> fault,
               const Clock& clock);
    void clear();

    // The JVStatus answer: files downloaded so far, or the injected code once the download has failed.
    int32_t status() const;
    // Number of files the open had to download.
    int32_t downloadCount() const { return static_cast<int32_t>(m_total); }
    FileState fileState(size_t fileIndex) const;
    // Stops the download where it is; the files already here stay readable.
    void cancel();

private:
    // Files arrived by the time alone, before any fault.
    int arrivedByTime() const;
    // Files really downloaded: the time's count, held at a fault's `after`.
    int downloaded() const;
    bool failed() const;

    std::vector<int> m_ordinal; // per file of the stream: its place in the download, -1 when cached
    int m_total = 0;
    int m_filesPerSecond = 0;
    std::optional<SimFault> m_fault;
    std::optional<int> m_cancelledAt;
    const Clock* m_clock = nullptr; // while a download runs
    qint64 m_startedMs = 0;
};

} // namespace renoka

#include "jv/sim/SimDownload.h"

#include "platform/Clock.h"

#include <algorithm>

namespace renoka {

void SimDownload::start(const std::vector<bool>& needsDownload, int filesPerSecond, std::optional<SimFault> fault,
                        const Clock& clock) {
    m_ordinal.assign(needsDownload.size(), -1);
    m_total = 0;
    for (size_t i = 0; i < needsDownload.size(); ++i)
        if (needsDownload[i]) m_ordinal[i] = m_total++;
    m_filesPerSecond = filesPerSecond;
    m_fault = fault;
    m_cancelledAt.reset();
    m_clock = &clock;
    m_startedMs = clock.steadyMs();
}

void SimDownload::clear() {
    m_ordinal.clear();
    m_total = 0;
    m_fault.reset();
    m_cancelledAt.reset();
    m_clock = nullptr;
}

int SimDownload::arrivedByTime() const {
    if (m_cancelledAt) return *m_cancelledAt;
    if (m_filesPerSecond <= 0 || !m_clock) return m_total;
    const qint64 arrived = (m_clock->steadyMs() - m_startedMs) * m_filesPerSecond / 1000;
    return static_cast<int>(std::min<qint64>(arrived, m_total));
}

int SimDownload::downloaded() const {
    const int arrived = arrivedByTime();
    return m_fault ? std::min(arrived, m_fault->after) : arrived;
}

// The download breaks down on the file after the fault's `after` files, once time has brought that file; a
// stall holds it there instead and never fails.
bool SimDownload::failed() const {
    return m_fault && !m_fault->stall && arrivedByTime() > m_fault->after;
}

int32_t SimDownload::status() const {
    if (failed()) return m_fault->code;
    return downloaded();
}

SimDownload::FileState SimDownload::fileState(size_t fileIndex) const {
    const int ordinal = fileIndex < m_ordinal.size() ? m_ordinal[fileIndex] : -1;
    if (ordinal < 0 || ordinal < downloaded()) return FileState::Present;
    if (failed()) return FileState::Failed;
    if (m_cancelledAt) return FileState::Cancelled;
    return FileState::Downloading;
}

void SimDownload::cancel() {
    if (!m_cancelledAt) m_cancelledAt = arrivedByTime();
}

} // namespace renoka

#include "jv/NullJvLink.h"

#include "base/Cp932.h"
#include "jv/JvResultCodes.h"
#include "jv/SoftwareId.h"

namespace renoka {

using namespace jvcode;

int32_t NullJvLink::JVInit(const std::u16string& softwareId) {
    if (const int32_t refused = checkSoftwareId(softwareId)) return refused;
    m_initialised = true;
    return 0;
}

// The control's JVSet calls have no "not initialised" answer, and there is nothing to set here.
int32_t NullJvLink::JVSetUIProperties() {
    return 0;
}

int32_t NullJvLink::JVOpen(const std::u16string& /*dataSpec*/, const std::u16string& /*fromTime*/, int32_t /*option*/,
                           int32_t& readCount, int32_t& downloadCount, std::u16string& lastFileTimestamp) {
    if (!m_initialised) return NotInitialised;
    if (m_streamOpen) return StreamAlreadyOpen;
    // Nothing is ever newer than the caller's from-time; -1 leaves no stream open, as with the control.
    readCount = 0;
    downloadCount = 0;
    lastFileTimestamp.clear();
    return NoNewerData;
}

// The control opens a real-time stream even when the provider has nothing for the key, and the first read
// then ends it; callers see "no data" on the path they take every time.
int32_t NullJvLink::JVRTOpen(const std::u16string& /*dataSpec*/, const std::u16string& /*key*/) {
    if (!m_initialised) return NotInitialised;
    if (m_streamOpen) return StreamAlreadyOpen;
    m_streamOpen = true;
    return 0;
}

int32_t NullJvLink::JVStatus() {
    if (!m_initialised) return NotInitialised;
    return 0;
}

int32_t NullJvLink::JVRead(std::u16string& /*buffer*/, int32_t& /*size*/, std::u16string& /*fileName*/) {
    if (!m_initialised) return NotInitialised;
    if (!m_streamOpen) return NoStreamOpen;
    return 0;
}

void NullJvLink::JVCancel() {}

// Handlers close once more after their last step, and after a failed open, so closing without a stream is fine.
int32_t NullJvLink::JVClose() {
    m_streamOpen = false;
    return 0;
}

} // namespace renoka

#pragma once
// A data-access control with no data behind it. It keeps the control's rules for the calling order (JVInit
// first, one stream at a time, a read needs an open stream) so the download and fetch handlers run their real
// paths and simply find nothing, until the data-service simulator takes its place.
#include "jv/JvLink.h"

namespace renoka {

class NullJvLink : public JvLink {
public:
    int32_t JVInit(const std::u16string& softwareId) override;
    int32_t JVSetUIProperties() override;
    int32_t JVOpen(const std::u16string& dataSpec, const std::u16string& fromTime, int32_t option, int32_t& readCount,
                   int32_t& downloadCount, std::u16string& lastFileTimestamp) override;
    int32_t JVRTOpen(const std::u16string& dataSpec, const std::u16string& key) override;
    int32_t JVStatus() override;
    int32_t JVRead(std::u16string& buffer, int32_t& size, std::u16string& fileName) override;
    void JVCancel() override;
    int32_t JVClose() override;

private:
    bool m_initialised = false;
    bool m_streamOpen = false;
};

} // namespace renoka

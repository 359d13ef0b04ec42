#pragma once
// The data-access control's operations, with the results the program relies on. Text arguments and records
// are wide (UTF-16) text as the control passes them; the program converts records to CP932 itself.
#include <cstdint>
#include <string>

namespace renoka {

class JvLink {
public:
    virtual ~JvLink() = default;

    // 0 = ready; -101 empty identifier, -102 64 bytes or more, -103 first character a blank.
    virtual int32_t JVInit(const std::u16string& softwareId) = 0;
    // The control's own settings dialog; 0 = done.
    virtual int32_t JVSetUIProperties() = 0;
    // 0 = stream open; -1 = nothing newer than fromTime; other non-zero = error. The outputs: number of files
    // to read, number of those still to download, time stamp "yyyymmddhhnnss" of the newest file.
    virtual int32_t JVOpen(const std::u16string& dataSpec, const std::u16string& fromTime, int32_t option,
                           int32_t& readCount, int32_t& downloadCount, std::u16string& lastFileTimestamp) = 0;
    // 0 = stream open on real-time data of the key; non-zero = error.
    virtual int32_t JVRTOpen(const std::u16string& dataSpec, const std::u16string& key) = 0;
    // Files downloaded so far (0 up to the download count); negative = error.
    virtual int32_t JVStatus() = 0;
    // > 0: one record (ending in CR LF) in `buffer`; 0: end; -1: next file; -3: still downloading;
    // below -3: error. `size` is passed by reference as the control takes it; `fileName` is not used.
    virtual int32_t JVRead(std::u16string& buffer, int32_t& size, std::u16string& fileName) = 0;
    // Stops the download in progress.
    virtual void JVCancel() = 0;
    // 0 = closed; also without an open stream.
    virtual int32_t JVClose() = 0;
};

} // namespace renoka

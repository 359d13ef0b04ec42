#include "support/ScriptedJvLink.h"

#include "base/Cp932.h"

namespace renoka::test {

namespace {
std::string ascii(const std::u16string& s) {
    return std::string(s.begin(), s.end());
}
} // namespace

int32_t ScriptedJvLink::JVInit(const std::u16string&) {
    calls.push_back("JVInit");
    return initResult;
}

int32_t ScriptedJvLink::JVSetUIProperties() {
    calls.push_back("JVSetUIProperties");
    return 0;
}

int32_t ScriptedJvLink::JVOpen(const std::u16string& dataSpec, const std::u16string& fromTime, int32_t option,
                               int32_t& readCountOut, int32_t& downloadCountOut, std::u16string& lastFileTimestampOut) {
    calls.push_back("JVOpen " + ascii(dataSpec) + " " + ascii(fromTime) + " " + std::to_string(option));
    readCountOut = readCount;
    downloadCountOut = downloadCount;
    lastFileTimestampOut.assign(lastFileTimestamp.begin(), lastFileTimestamp.end());
    return openResult;
}

int32_t ScriptedJvLink::JVRTOpen(const std::u16string& dataSpec, const std::u16string& key) {
    calls.push_back("JVRTOpen " + ascii(dataSpec) + " " + ascii(key));
    if (rtOpenResults.empty()) return rtOpenResult;
    const int32_t rc = rtOpenResults.front();
    rtOpenResults.pop_front();
    return rc;
}

int32_t ScriptedJvLink::JVStatus() {
    if (statusResults.empty()) return downloadCount;
    const int32_t n = statusResults.front();
    if (statusResults.size() > 1) statusResults.pop_front();
    return n;
}

int32_t ScriptedJvLink::JVRead(std::u16string& buffer, int32_t& size, std::u16string& fileName) {
    ++reads_;
    fileName.clear();
    if (reads.empty()) return 0;
    ReadStep step = std::move(reads.front());
    reads.pop_front();
    if (step.code <= 0) return step.code;
    buffer = toUtf16(step.record + "\r\n");
    size = static_cast<int32_t>(step.record.size() + 2);
    return size;
}

int32_t ScriptedJvLink::JVClose() {
    calls.push_back("JVClose");
    ++closes;
    return closeResult;
}

} // namespace renoka::test

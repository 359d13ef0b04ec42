#pragma once
// A data-service double that replays a script: the result of the open with its three outputs, then one step per
// JVRead (a record in CP932, or a bare result code) and the JVStatus counts. Calls are recorded so that tests
// can check, for example, that every error path closes the stream.
#include "jv/JvLink.h"

#include <deque>
#include <string>
#include <vector>

namespace renoka::test {

class ScriptedJvLink : public JvLink {
public:
    struct ReadStep {
        int32_t code;       // > 0: deliver `record`; otherwise returned as it is
        std::string record; // CP932, without CR LF
    };

    // Script.
    int32_t initResult = 0;
    int32_t openResult = 0;
    int32_t readCount = 0;
    int32_t downloadCount = 0;
    std::string lastFileTimestamp = "20261207170000";
    std::deque<int32_t> statusResults; // JVStatus answers in order; the last one repeats
    std::deque<ReadStep> reads;        // JVRead answers in order; 0 when used up
    int32_t closeResult = 0;
    int32_t rtOpenResult = 0;
    std::deque<int32_t> rtOpenResults; // JVRTOpen answers in order, before rtOpenResult

    // Adds a record (CP932 line without CR LF) to the read script.
    void addRecord(std::string record) { reads.push_back({1, std::move(record)}); }
    void addCode(int32_t code) { reads.push_back({code, {}}); }

    int32_t JVInit(const std::u16string& softwareId) override;
    int32_t JVSetUIProperties() override;
    int32_t JVOpen(const std::u16string& dataSpec, const std::u16string& fromTime, int32_t option,
                   int32_t& readCountOut, int32_t& downloadCountOut, std::u16string& lastFileTimestampOut) override;
    int32_t JVRTOpen(const std::u16string& dataSpec, const std::u16string& key) override;
    int32_t JVStatus() override;
    int32_t JVRead(std::u16string& buffer, int32_t& size, std::u16string& fileName) override;
    void JVCancel() override { ++cancels; }
    int32_t JVClose() override;

    // What was called.
    std::vector<std::string> calls; // "JVOpen RACEMING 20261201000000 3", "JVClose", ...
    int cancels = 0;
    int closes = 0;
    int reads_ = 0;
};

} // namespace renoka::test

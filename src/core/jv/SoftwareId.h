#pragma once
// The identifier this program gives the data-access control at start-up, and the version shown to the user.
#include <cstdint>
#include <string>
#include <string_view>

namespace renoka {

inline constexpr const char* ProgramVersion = "Ver.1.04";

// Two eight-character codes and the product word, each ended by "/"; the version is appended when it is sent.
inline constexpr std::string_view SoftwareIdBase = "RKA10000/RKV10400/RENOKA/";

// The control refuses an identifier of 64 bytes or more, or one that begins with a blank; catch that here
// rather than as a JVInit error on a user's machine.
static_assert(!SoftwareIdBase.empty() && SoftwareIdBase.front() != ' ');
static_assert(SoftwareIdBase.size() + std::string_view(ProgramVersion).size() < 64);

// The identifier as the control takes it: wide text. It is ASCII, so each byte widens to one character.
inline std::u16string softwareIdentifier() {
    std::u16string id;
    for (char c : SoftwareIdBase)
        id.push_back(static_cast<char16_t>(c));
    for (char c : std::string_view(ProgramVersion))
        id.push_back(static_cast<char16_t>(c));
    return id;
}

// How the control judges an identifier passed to JVInit: 0 when acceptable, else -101 (empty), -102 (64 bytes or
// more in the 8-bit code page) or -103 (begins with a blank). Every implementation of the port answers alike.
int32_t checkSoftwareId(const std::u16string& softwareId);

} // namespace renoka

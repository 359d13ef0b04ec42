#pragma once
// The data-access control's result codes that the program's own implementations of the port return by name.
#include <cstdint>

namespace renoka::jvcode {

inline constexpr int32_t NoNewerData = -1; // JVOpen: nothing newer than the from-time
inline constexpr int32_t FileChanged = -1; // JVRead: the stream moved to its next file
inline constexpr int32_t StillDownloading = -3;
inline constexpr int32_t DataSpecWrong = -111;
inline constexpr int32_t FromTimeWrong = -112;
inline constexpr int32_t KeyWrong = -114;
inline constexpr int32_t OptionWrong = -115;
inline constexpr int32_t NotInitialised = -201;
inline constexpr int32_t StreamAlreadyOpen = -202;
inline constexpr int32_t NoStreamOpen = -203;
inline constexpr int32_t FileSizeWrong = -402;
inline constexpr int32_t FileContentWrong = -403;
inline constexpr int32_t DownloadFailed = -502;
inline constexpr int32_t FileMissing = -503;

} // namespace renoka::jvcode

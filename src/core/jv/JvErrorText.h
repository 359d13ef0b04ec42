#pragma once
// Puts a result code of the data-access control into words, as the user sees it after "JVOpenエラー:" and the
// like in dialogs, the status label and the error log.
#include <cstdint>
#include <string>
#include <string_view>

namespace renoka {

// The message that the operation's result code means, then "(" code ")" in half-width characters; CP932 text.
// A code the operation does not know gives only "(code)". `operation` is the control's method name
// ("JVOpen", "JVRead", ...); every name that begins with "JVSet" shares one set of messages.
std::string JVErrorText(std::string_view operation, int32_t code);

} // namespace renoka

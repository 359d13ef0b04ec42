#pragma once
// The one crossing between the program's CP932 text and Qt's QString. Every cell, label and message that core
// hands to a widget passes through qs(), and every text a user types reaches core through fromQs().
#include "base/Cp932.h"

#include <QString>

#include <filesystem>
#include <string>

namespace renoka {

// A UTF-8 literal of the source (captions, hints) as the widgets take it.
inline QString uiText(const char* utf8) {
    return QString::fromUtf8(utf8);
}

inline QString qs(const std::string& cp932) {
    return QString::fromStdString(toUtf8(cp932));
}

inline std::string fromQs(const QString& text) {
    return sj(text.toStdString());
}

// File system paths are not CP932 text: they keep the file system's own names.
inline QString qpath(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

} // namespace renoka

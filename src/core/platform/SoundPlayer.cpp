#include "platform/SoundPlayer.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace renoka {

void ProcessSoundPlayer::play(const std::filesystem::path& waveFile) {
    const QString file = QString::fromStdString(waveFile.string());
    for (const char* player : {"aplay", "paplay"}) {
        const QString exe = QStandardPaths::findExecutable(QString::fromLatin1(player));
        if (exe.isEmpty()) continue;
        QStringList args;
        if (QString::fromLatin1(player) == QLatin1String("aplay")) args << QStringLiteral("-q");
        args << file;
        if (QProcess::startDetached(exe, args)) return;
    }
}

} // namespace renoka

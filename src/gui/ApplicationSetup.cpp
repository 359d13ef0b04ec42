#include "ApplicationSetup.h"

#include "app/MainForm.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace renoka {

void nameApplication() {
    QCoreApplication::setApplicationName(QString::fromUtf8(TMainForm::ApplicationTitle));
}

bool installQtTranslations(QCoreApplication& app) {
    // The program speaks Japanese whatever the machine's locale says, dates in Qt's dialogs included; the
    // translator lives as long as the application that holds it.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace renoka

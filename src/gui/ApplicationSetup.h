#pragma once
// What the GUI's application object is told before the first window opens: its name, and Qt's own texts (the
// buttons and captions of the folder picker and of the standard dialog buttons) in Japanese like every other
// text of the program.
class QCoreApplication;

namespace renoka {

// Names the application "RENOKA" and sets no display name: the desktop would add one to every window title.
void nameApplication();

// Loads Qt's Japanese translations from Qt's translations folder and installs them on the application; false
// when they are not installed there (the Debian package qt6-translations-l10n brings them).
bool installQtTranslations(QCoreApplication& app);

} // namespace renoka

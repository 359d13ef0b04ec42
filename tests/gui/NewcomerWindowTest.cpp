// The main window as a newcomer first meets it, on an empty program folder: its caption alone in the title bar,
// Qt's own dialogs in Japanese, the next step named in the empty race view with its button beside it, and one
// text at a time in the status bar.
#include "ApplicationSetup.h"
#include "app/MainForm.h"
#include "frame/Registry.h"
#include "jv/NullJvLink.h"
#include "main/MainWindow.h"
#include "platform/UiThread.h"
#include "support/ScriptedPorts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace renoka {
namespace {

namespace fs = std::filesystem;

class NewcomerWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_home.isValid());
        m_form = std::make_unique<TMainForm>(fs::path(m_home.path().toStdU16String()),
                                             MainFormPorts{desktop, clock, sound, jvLink, registry, uiThread});
        m_form->FormCreate();
        m_window = std::make_unique<MainWindow>(*m_form);
        m_window->resize(1280, 800);
        m_window->show();
        QApplication::processEvents();
    }
    void TearDown() override { EXPECT_TRUE(desktop.scriptUsedUp()); }

    template <typename T> T& child(const char* name) {
        T* found = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!found) throw std::runtime_error(std::string("no child ") + name);
        return *found;
    }

    test::ScriptedDesktop desktop;
    test::FakeClock clock{"2026-12-08 09:15:30"};
    test::FakeSoundPlayer sound;
    NullJvLink jvLink;
    NoRegistry registry;
    PostedTasks uiThread;
    std::unique_ptr<TMainForm> m_form;
    std::unique_ptr<MainWindow> m_window;

private:
    QTemporaryDir m_home;
};

TEST_F(NewcomerWindowTest, TheTitleIsTheCaptionAlone) {
    nameApplication();
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("RENOKA - レノカ"));
    // The desktop adds a display name to every title when one was set; without one it follows the application's
    // name instead.
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("probe"));
    nameApplication();
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("RENOKA"));
}

TEST_F(NewcomerWindowTest, QtsOwnDialogsSpeakJapanese) {
    ASSERT_TRUE(installQtTranslations(*QCoreApplication::instance()));
    QFileDialog picker(m_window.get());
    picker.setOption(QFileDialog::DontUseNativeDialog);
    picker.setFileMode(QFileDialog::Directory);
    picker.setOption(QFileDialog::ShowDirsOnly);
    QStringList texts;
    for (const QAbstractButton* button : picker.findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QLabel* label : picker.findChildren<QLabel*>())
        texts << label->text();
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    texts << buttons.button(QDialogButtonBox::Cancel)->text();
    for (const char* english : {"Cancel", "&Cancel", "Choose", "&Choose", "Look in:", "Directory:"})
        EXPECT_FALSE(texts.contains(QString::fromLatin1(english))) << english;
    EXPECT_TRUE(texts.contains(QStringLiteral("キャンセル"))) << texts.join(QLatin1Char('|')).toStdString();
    // Other tests read Qt's own texts as they are.
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

TEST_F(NewcomerWindowTest, TheEmptyRaceViewNamesTheNextStepAndItsButtonOpensTheDownload) {
    const auto& hint = child<QLabel>("EmptyHint");
    EXPECT_TRUE(hint.isVisible());
    EXPECT_TRUE(hint.text().startsWith(QStringLiteral("「JVデータ取得」で"))) << hint.text().toStdString();
    auto& button = child<QPushButton>("EmptyJVBtn");
    ASSERT_TRUE(button.isVisible());

    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            opened = dialog->objectName();
            dialog->close();
        }
    });
    button.click();
    EXPECT_EQ(opened, QStringLiteral("GetDataForm"));
}

TEST_F(NewcomerWindowTest, AStatusTipHidesTheStatusLabelUntilItGoes) {
    m_form->StatusLabel.text = "status";
    m_window->showForm();
    auto& label = child<QLabel>("StatusLabel");
    ASSERT_TRUE(label.isVisible());

    QStatusTipEvent tip(QStringLiteral("読み込む開催日を選びます"));
    QApplication::sendEvent(m_window.get(), &tip);
    ASSERT_EQ(m_window->statusBar()->currentMessage(), QStringLiteral("読み込む開催日を選びます"));
    // The clock's tick shows the form's labels again, but not over the tip.
    QTimer& clockTimer = *m_window->findChild<QTimer*>(QStringLiteral("Timer2"));
    QMetaObject::invokeMethod(&clockTimer, "timeout", Qt::DirectConnection);
    EXPECT_FALSE(label.isVisible());

    QStatusTipEvent gone{QString()};
    QApplication::sendEvent(m_window.get(), &gone);
    EXPECT_TRUE(label.isVisible());
    EXPECT_EQ(label.text(), QStringLiteral("status"));
}

} // namespace
} // namespace renoka

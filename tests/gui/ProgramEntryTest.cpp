// The program itself, started as the user starts it: with --screenshot it draws the main window into a PNG, and
// a program folder that cannot be prepared ends it with the reason and exit code 1.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

// The build passes the path of the program under test.
QString programPath() {
    return QStringLiteral(RENOKA_EXECUTABLE);
}

struct Outcome {
    int exitCode = -1;
    QString errors;
};

Outcome runProgram(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(programPath(), arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardError())};
}

class ProgramEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        if (!QFile::exists(programPath())) GTEST_SKIP() << "program not built: " << programPath().toStdString();
    }
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    // A program folder whose settings name a provider folder, so that the first showing has no demo to make.
    void settleHome() const {
        ASSERT_TRUE(QDir().mkpath(path("home")));
        QFile ini(path("home/renoka.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Sim]\r\nProvider=provider\r\n");
    }

private:
    QTemporaryDir m_dir;
};

TEST_F(ProgramEntryTest, ScreenshotDrawsTheWindowAtItsDefaultSize) {
    settleHome();
    const Outcome run =
        runProgram({QStringLiteral("--home"), path("home"), QStringLiteral("--screenshot"), path("shot.png")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QImage shot(path("shot.png"));
    ASSERT_FALSE(shot.isNull());
    EXPECT_EQ(shot.size(), QSize(900, 600));
    EXPECT_TRUE(QFile::exists(path("home/ErrorLog.txt")));
}

TEST_F(ProgramEntryTest, ScreenshotThatCannotBeSavedFails) {
    settleHome();
    const Outcome run = runProgram(
        {QStringLiteral("--home"), path("home"), QStringLiteral("--screenshot"), path("no-such-folder/shot.png")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFile::exists(path("no-such-folder/shot.png")));
}

TEST_F(ProgramEntryTest, ProgramFolderThatIsAFileEndsWithTheReason) {
    QFile blocker(path("home"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const Outcome run =
        runProgram({QStringLiteral("--home"), path("home"), QStringLiteral("--screenshot"), path("shot.png")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(QStringLiteral("フォルダを作成できません"))) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(path("shot.png")));
}

} // namespace

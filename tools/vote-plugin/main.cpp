// QRVTohyoPlugIn2: a stand-in for the outside voting plug-in. It takes the order file the program writes, checks
// every line, and shows (in a window, when there is a display) or prints the bets with the total stake of each
// bet type and of the whole file. It places no bet. Exit status: 0 the file is right, 1 a line is wrong or the
// file cannot be read, 2 usage.
#include "OrderFile.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

using renoka::plugin::OrderCheck;

QString u8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString yen(long long amount) {
    return QStringLiteral("%L1円").arg(amount);
}

int printCheck(const OrderCheck& check, const QString& file) {
    if (!check.error.empty()) {
        std::fprintf(stderr, "%s: %s\n", file.toLocal8Bit().constData(), check.error.c_str());
        return 1;
    }
    std::printf("投票内容（この代行プログラムは投票しません）: %s\n", file.toLocal8Bit().constData());
    for (const auto& o : check.orders)
        std::printf("%s %s場 %2dR %s %s %lld円\n", o.date.c_str(), o.course.c_str(), o.race,
                    renoka::plugin::betTypeName(o.type).c_str(), o.bet.c_str(), o.stake);
    for (const auto& [type, total] : check.totals)
        std::printf("%s 合計 %lld円\n", renoka::plugin::betTypeName(type).c_str(), total);
    std::printf("総合計 %lld円（%zu点）\n", check.grandTotal, check.orders.size());
    return 0;
}

// Shows the bets in a window; with `screenshot` the window is drawn into that PNG file instead of waiting for
// the user.
int showCheck(const OrderCheck& check, const QString& file, const QString& screenshot) {
    if (!check.error.empty()) {
        if (!screenshot.isEmpty()) return printCheck(check, file);
        QMessageBox::warning(nullptr, QStringLiteral("投票プラグイン（代行）"), u8(check.error));
        return 1;
    }
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("投票プラグイン（代行）"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("この代行プログラムは投票しません。注文ファイル: %1").arg(file)));
    auto* table = new QTableWidget(static_cast<int>(check.orders.size()), 5);
    table->setHorizontalHeaderLabels({QStringLiteral("日付"), QStringLiteral("レース"), QStringLiteral("券種"),
                                      QStringLiteral("買い目"), QStringLiteral("金額")});
    for (int r = 0; r < table->rowCount(); ++r) {
        const auto& o = check.orders[static_cast<size_t>(r)];
        const QStringList cells = {u8(o.date), QStringLiteral("%1場 %2R").arg(u8(o.course)).arg(o.race),
                                   u8(renoka::plugin::betTypeName(o.type)), u8(o.bet), yen(o.stake)};
        for (int c = 0; c < cells.size(); ++c)
            table->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table, 1);
    QString totals;
    for (const auto& [type, total] : check.totals)
        totals += QStringLiteral("%1 合計 %2\n").arg(u8(renoka::plugin::betTypeName(type)), yen(total));
    totals += QStringLiteral("総合計 %1（%2点）").arg(yen(check.grandTotal)).arg(check.orders.size());
    layout->addWidget(new QLabel(totals));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("閉じる"));
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(560, 420);
    if (!screenshot.isEmpty()) {
        dialog.show();
        QApplication::processEvents();
        return dialog.grab().save(screenshot) ? 0 : 1;
    }
    dialog.exec();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Without a screen to show a window on, the bets are printed: an offscreen window would wait for ever.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    bool console = (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) || platform == "offscreen" ||
                   platform == "minimal";
    const char* path = nullptr;
    const char* screenshot = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--console") == 0)
            console = true;
        else if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc)
            screenshot = argv[++i];
        else
            path = argv[i];
    }
    if (!path) {
        std::fprintf(stderr, "使い方: QRVTohyoPlugIn2 [--console | --screenshot 画像.png] 注文ファイル\n");
        return 2;
    }
    // A picture of the window is drawn offscreen.
    if (screenshot) console = false;
    if ((console || screenshot) && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString file = QString::fromLocal8Bit(path);
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "注文ファイルを読み込めません: %s\n", path);
        return 1;
    }
    const QByteArray bytes = in.readAll();
    const OrderCheck check = renoka::plugin::checkOrderFile(std::string_view(bytes.constData(), bytes.size()));
    return console ? printCheck(check, file)
                   : showCheck(check, file, screenshot ? QString::fromLocal8Bit(screenshot) : QString());
}

#include "CliApp.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("RENOKA"));
    std::vector<std::string> args(argv + 1, argv + argc);
    return renoka::cli::runCli(args, stdout, stderr);
}

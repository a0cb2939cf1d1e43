#include <QApplication>

#include "app/module1.h"
#include "engine/version.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(tarvelle::kApplicationTitle);
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(tarvelle::kVersionMajor)
                                            .arg(tarvelle::kVersionMinor)
                                            .arg(tarvelle::kVersionRevision));
    Module1::Main();
    return QApplication::exec();
}

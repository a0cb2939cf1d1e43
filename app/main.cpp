#include <QApplication>

#include "app/module1.h"
#include "app/resources/version.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(Module1::kApplicationTitle);
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(Module1::kVersionMajor)
                                            .arg(Module1::kVersionMinor)
                                            .arg(Module1::kVersionRevision));
    Module1::Main();
    return QApplication::exec();
}

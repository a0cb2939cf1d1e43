#include <QApplication>

#include "app/module1.h"
#include "app/resources/version.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(tarvelle::resources::kApplicationTitle);
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(tarvelle::resources::kVersionMajor)
                                            .arg(tarvelle::resources::kVersionMinor)
                                            .arg(tarvelle::resources::kVersionRevision));
    Module1::Main();
    return QApplication::exec();
}

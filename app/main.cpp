#include <QApplication>

#include "app/module1.h"
#include "engine/version.h"

int main(int argc, char* argv[]) {
    // The program takes no arguments, and the toolkit is given none of them:
    // its own options (-reverse, -style, -platform, ...) would change the
    // window. The platform still comes from QT_QPA_PLATFORM.
    char name[] = "tarvelle";
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argc > 0 ? argv[0] : name, nullptr};
    QApplication application(toolkitArgc, toolkitArgv);
    QApplication::setApplicationName(tarvelle::kApplicationTitle);
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(tarvelle::kVersionMajor)
                                            .arg(tarvelle::kVersionMinor)
                                            .arg(tarvelle::kVersionRevision));
    Module1::Main();
    return QApplication::exec();
}

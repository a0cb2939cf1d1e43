#include <QApplication>
#include <QCommandLineParser>

#include "engine/version.h"
#include "ui/planner/planner_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Settings and recovery files under Tarvelle/tarvelle-planner; the
    // version printed as tarvelle-cli prints its own.
    QApplication::setOrganizationName(tarvelle::kApplicationTitle);
    QApplication::setApplicationName(QStringLiteral("tarvelle-planner"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tarvelle Planner"));
    QApplication::setApplicationVersion(QString::fromLatin1(tarvelle::kVersionText));
    QApplication::setDesktopFileName(QStringLiteral("com.example.Tarvelle.Planner"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Plan a building's cable-TV runs over twisted-pair cable."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A runs file (CSV) to open."),
                                 QStringLiteral("[FILE]"));
    parser.process(application);

    tarvelle::planner::PlannerWindow window;
    window.show();
    window.offerRecovery();
    if (!parser.positionalArguments().isEmpty()) {
        window.openGiven(parser.positionalArguments().front());
    }
    return QApplication::exec();
}

// Grabs the main window as it opens and after GO!, and the About window, and
// either records the pictures or compares them pixel for pixel with those
// recorded.
//   window_pictures --record DIR | --compare DIR

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <utility>
#include <vector>

#include "tests/ui/offscreen_fixture.h"
#include "ui/about/frm_about.h"
#include "ui/widgets/status_bar.h"

using namespace tarvelle::ui::testing;

namespace {

// The status bar's clock shows a fixed day and time, so that the pictures
// do not change with it.
QImage grabStopped(QMainWindow& window) {
    auto* bar = window.findChild<tarvelle::widgets::StatusBar*>();
    bar->datePanel()->setText("1 Jan 2000");
    bar->timePanel()->setText("00:00:00");
    return window.grab().toImage();
}

std::vector<std::pair<QString, QImage>> grabWindows() {
    std::vector<std::pair<QString, QImage>> pictures;
    MainWindowHarness main;
    QApplication::processEvents();
    pictures.emplace_back("main-window.png", grabStopped(main.window));
    QTest::mouseClick(main.ui().Calculate, Qt::LeftButton);
    pictures.emplace_back("main-window-after-go.png", grabStopped(main.window));
    QTimer::singleShot(0, [&] {
        if (auto* about =
                qobject_cast<tarvelle::ui::frmAbout*>(QApplication::activeModalWidget())) {
            pictures.emplace_back("about-window.png", about->grab().toImage());
            about->reject();
        }
    });
    main.ui().mnuHelpAbout->trigger();
    return pictures;
}

}  // namespace

int main(int argc, char* argv[]) {
    useOffscreenPlatform();
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 3 || (args[1] != "--record" && args[1] != "--compare")) {
        std::fputs("usage: window_pictures --record DIR | --compare DIR\n", stderr);
        return 2;
    }
    const auto pictures = grabWindows();
    if (pictures.size() != 3) {
        std::fputs("window_pictures: the About window did not open\n", stderr);
        return 1;
    }
    int status = 0;
    for (const auto& [name, image] : pictures) {
        const QString path = args[2] + "/" + name;
        if (args[1] == "--record") {
            status |= image.save(path) ? 0 : 1;
            continue;
        }
        const QImage recorded = QImage(path).convertToFormat(QImage::Format_ARGB32);
        if (recorded != image.convertToFormat(QImage::Format_ARGB32)) {
            std::fprintf(stderr, "%s: differs from the recorded picture\n", qPrintable(name));
            status = 1;
        }
    }
    return status;
}

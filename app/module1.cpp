#include "app/module1.h"

#include <QPointer>

#include "ui/main/frm_main.h"

namespace Module1 {

namespace {

// The main window, for the life of the program; it deletes itself on close,
// before the application object goes.
QPointer<tarvelle::ui::frmMain> mainWindow;

}  // namespace

void Main() {
    mainWindow = new tarvelle::ui::frmMain;
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow->show();
}

}  // namespace Module1

#include "ui/about/frm_about.h"

#include <QLabel>
#include <QPushButton>

#include "app/resources/pictures.h"
#include "app/resources/qt_resource_controls.h"
#include "app/resources/version.h"
#include "ui/about/about_layout.h"
#include "ui/about/version_line.h"

namespace Module1 {

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("frmAbout");
    setProperty(kTagProperty, QStringLiteral("1002"));
    setWindowTitle(QStringLiteral("About %1").arg(kApplicationTitle));
    setWindowIcon(QIcon());  // none of its own, and not the main window's
    setWindowModality(Qt::ApplicationModal);
    setFont(controlFont(kDefaultFont));
    setFixedSize(twipsToPixels(kAboutClientWidthTwips), twipsToPixels(kAboutClientHeightTwips));
    buildControls(*this, aboutWindowControls());

    auto* title = findChild<QLabel*>("lblTitle");
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    title->setPalette(palette);

    auto* ok = findChild<QPushButton*>("cmdOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void frmAbout::showEvent(QShowEvent* event) {
    Form_Load();
    QDialog::showEvent(event);
}

void frmAbout::Form_Load() {
    ApplyResourceCaptions(*this, lookup_);
    findChild<QLabel*>("lblVersion")
        ->setText(
            QString::fromStdString(versionLine(kVersionMajor, kVersionMinor, kVersionRevision)));
    findChild<QLabel*>("lblTitle")->setText(kApplicationTitle);
    findChild<QPushButton*>("cmdOK")->setFocus(Qt::OtherFocusReason);
}

}  // namespace Module1

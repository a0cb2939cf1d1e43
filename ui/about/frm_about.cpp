#include "ui/about/frm_about.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/resources/pictures.h"
#include "app/resources/qt_resource_controls.h"
#include "engine/version.h"
#include "ui/about/about_layout.h"
#include "ui/about/version_line.h"

using namespace tarvelle::resources;

using namespace tarvelle::widgets;

namespace tarvelle::ui {

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
    controls_ = resolveAboutControls(*this);

    QPalette palette = controls_.lblTitle->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    controls_.lblTitle->setPalette(palette);

    controls_.cmdOK->setDefault(true);
    connect(controls_.cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    // On the owner as a whole, wherever it stands at each showing; without
    // one, on the screen.
    QWidget* ownerWindow = owner != nullptr ? owner->window() : nullptr;
    const auto area = [this, ownerWindow] {
        return ownerWindow != nullptr ? ownerWindow->frameGeometry()
                                      : screen()->availableGeometry();
    };
    placement_ = new CentredPlacement(*this, area, ownerWindow);
}

void frmAbout::showEvent(QShowEvent* event) {
    Form_Load();
    placement_->place();
    QDialog::showEvent(event);
}

void frmAbout::Form_Load() {
    Module1::ApplyResourceCaptions(*this, lookup_);
    controls_.lblVersion->setText(
        QString::fromStdString(versionLine(kVersionMajor, kVersionMinor, kVersionRevision)));
    controls_.lblTitle->setText(kApplicationTitle);
    controls_.cmdOK->setFocus(Qt::OtherFocusReason);
}

}  // namespace tarvelle::ui

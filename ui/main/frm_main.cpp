#include "ui/main/frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <exception>

#include "app/resources/pictures.h"
#include "app/resources/qt_resource_controls.h"
#include "app/resources/qt_text.h"
#include "engine/version.h"
#include "engine/cable_table.h"
#include "engine/calculation_run.h"
#include "engine/product_table.h"
#include "ui/about/frm_about.h"
#include "ui/main/main_layout.h"
#include "ui/widgets/list_font.h"
#include "ui/widgets/option_group.h"

using namespace tarvelle::resources;
using namespace tarvelle::widgets;

namespace tarvelle::ui {

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent),
      present_(modalMessageBoxes(this)),
      operations_(controls_, [this](const QString& text) { present_(text); }),
      placement_(new CentredPlacement(*this, [this] { return screen()->availableGeometry(); })) {
    setObjectName("frmMain");
    setProperty(kTagProperty, QString());
    setWindowTitle(kApplicationTitle);
    setWindowIcon(applicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(controlFont(kDefaultFont));

    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setFixedSize(twipsToPixels(kMainClientWidthTwips),
                         twipsToPixels(kMainClientHeightTwips));
    setCentralWidget(client);
    buildControls(*client, mainWindowControls());
    applyAccessibleTexts(*client, mainWindowAccessibleTexts());
    buildMenu();
    controls_ = resolveMainControls(*this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    groupOptions();
    connectReactions();
}

void frmMain::buildMenu() {
    QMenu* help = menuBar()->addMenu("1000");
    help->setObjectName("mnuHelp");
    markControl(*help, "Menu");
    QAction* about = help->addAction("1001");
    about->setObjectName("mnuHelpAbout");
    markControl(*about, "Menu");
}

// The minimum-level options sit on the window itself, beside the other
// groups' frames; without groups of their own the toolkit would make every
// option of the window one group with them.
void frmMain::groupOptions() {
    const MainControls& c = controls_;
    new OptionGroup({c.OptionDocsysMin, c.OptionCustomMin}, this);
    new OptionGroup({c.OptionDocsysMax, c.OptionCustomMax}, this);
    new OptionGroup({c.OptionFrequency1, c.OptionFrequency2}, this);
}

void frmMain::connectReactions() {
    const auto onClick = [this](QAbstractButton* button, void (frmMain::*reaction)()) {
        connect(button, &QAbstractButton::clicked, this,
                [this, reaction] { guarded([this, reaction] { (this->*reaction)(); }); });
    };
    onClick(controls_.OptionDocsysMin, &frmMain::OptionDocsysMin_Click);
    onClick(controls_.OptionCustomMin, &frmMain::OptionCustomMin_Click);
    onClick(controls_.OptionDocsysMax, &frmMain::OptionDocsysMax_Click);
    onClick(controls_.OptionCustomMax, &frmMain::OptionCustomMax_Click);
    onClick(controls_.Calculate, &frmMain::Calculate_Click);
    connect(controls_.mnuHelpAbout, &QAction::triggered, this,
            [this] { guarded([this] { mnuHelpAbout_Click(); }); });
}

void frmMain::showEvent(QShowEvent* event) {
    if (!loaded_) {
        loaded_ = true;
        placement_->place();
        guarded([this] { Form_Load(); });
    }
    QMainWindow::showEvent(event);
}

// Tab and Shift+Tab stop at each option group's selected option only.
bool frmMain::focusNextPrevChild(bool next) {
    QWidget* from = focusWidget();
    QWidget* target = from != nullptr ? nextTabStop(*from, next) : nullptr;
    if (target == nullptr) {
        return QMainWindow::focusNextPrevChild(next);
    }
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void frmMain::Form_Load() {
    Module1::ApplyResourceCaptions(*this);

    QComboBox* products = controls_.Combo_ProductConfig;
    for (const auto& product : tarvelle::kProductConfigurations) {
        products->addItem(toQString(product.listText));
    }
    fitEntries(*products);
    products->setCurrentIndex(0);
    QComboBox* cables = controls_.Combo_CableType;
    for (const auto& cable : tarvelle::kCableCategories) {
        cables->addItem(toQString(cable.listText));
    }
    fitEntries(*cables);
    cables->setCurrentIndex(0);

    controls_.OptionDocsysMin->setChecked(true);
    applyPreset(tarvelle::kMinimumLevels);
    controls_.OptionDocsysMax->setChecked(true);
    applyPreset(tarvelle::kMaximumLevels);
    controls_.OptionFrequency2->setChecked(true);
    field(tarvelle::TextBox::Pin).setText("0");
    products->setFocus(Qt::OtherFocusReason);
}

void frmMain::applyPreset(const tarvelle::LevelPresetGroup& group) {
    field(group.analogField).setText(toQString(group.analogPreset));
    field(group.digitalField).setText(toQString(group.digitalPreset));
    field(group.analogField).setEnabled(false);
    field(group.digitalField).setEnabled(false);
}

void frmMain::releasePreset(const tarvelle::LevelPresetGroup& group) {
    field(group.analogField).setEnabled(true);
    field(group.digitalField).setEnabled(true);
}

void frmMain::Calculate_Click() {
    tarvelle::runCalculation(operations_, localeDecimalSeparator());
}

void frmMain::mnuHelpAbout_Click() {
    if (about_ == nullptr) {
        about_ = new frmAbout(this);
    }
    about_->exec();
}

void frmMain::closeEvent(QCloseEvent* event) {
    guarded([this] { Form_Unload(); });
    event->accept();
}

void frmMain::Form_Unload() {
    unloadOtherWindows();
    if (!isMinimized()) {
        saveGeometry();
    }
}

void frmMain::unloadOtherWindows() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        QWidget* window = *it;
        if (window != this && window->isVisible() && window->windowType() != Qt::Popup) {
            window->close();
        }
    }
}

void frmMain::saveGeometry() {
    // The outer frame in twips, as plain decimal text.
    QSettings settings(kApplicationTitle);
    settings.beginGroup("Settings");
    const auto twips = [](int pixels) { return QString::number(pixels * kTwipsPerPixel); };
    settings.setValue("MainLeft", twips(frameGeometry().left()));
    settings.setValue("MainTop", twips(frameGeometry().top()));
    settings.setValue("MainWidth", twips(frameGeometry().width()));
    settings.setValue("MainHeight", twips(frameGeometry().height()));
}

void frmMain::guarded(const std::function<void()>& reaction) {
    try {
        reaction();
    } catch (const std::exception& error) {
        present_(QStringLiteral("Run-time error: %1").arg(QString::fromUtf8(error.what())));
    }
}

}  // namespace tarvelle::ui

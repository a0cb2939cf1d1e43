#pragma once

#include <QMainWindow>
#include <functional>

#include "engine/level_presets.h"
#include "ui/main/main_controls.h"
#include "ui/main/message_box.h"
#include "ui/main/qt_window_operations.h"
#include "ui/widgets/centred_placement.h"

class QLineEdit;

namespace tarvelle::ui {

class frmAbout;

class frmMain : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmMain(QWidget* parent = nullptr);

    // Where user messages go; a modal message box unless a test says otherwise.
    void setMessagePresenter(MessagePresenter present) { present_ = std::move(present); }

    const MainControls& controls() const { return controls_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void Form_Load();
    void Form_Unload();
    void OptionDocsysMin_Click() { applyPreset(tarvelle::kMinimumLevels); }
    void OptionCustomMin_Click() { releasePreset(tarvelle::kMinimumLevels); }
    void OptionDocsysMax_Click() { applyPreset(tarvelle::kMaximumLevels); }
    void OptionCustomMax_Click() { releasePreset(tarvelle::kMaximumLevels); }
    void Calculate_Click();
    void mnuHelpAbout_Click();

    void buildMenu();
    void groupOptions();
    void connectReactions();
    void applyPreset(const tarvelle::LevelPresetGroup& group);
    void releasePreset(const tarvelle::LevelPresetGroup& group);
    void unloadOtherWindows();
    void saveGeometry();
    // Runs a reaction; an error that escapes it is shown, and the program goes on.
    void guarded(const std::function<void()>& reaction);
    QLineEdit& field(tarvelle::TextBox box) const { return controls_.field(box); }

    MessagePresenter present_;
    MainControls controls_;
    QtWindowOperations operations_;
    widgets::CentredPlacement* placement_;
    frmAbout* about_ = nullptr;  // created on first use, then kept
    bool loaded_ = false;
};

}  // namespace tarvelle::ui

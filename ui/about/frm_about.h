#pragma once

#include <QDialog>

#include "app/resources/resource_captions.h"
#include "ui/about/about_controls.h"
#include "ui/widgets/centred_placement.h"

namespace tarvelle::ui {

// The modal About box: title, version line, description and the maker's
// copyright and support lines. OK, Enter, Esc and the close box unload it; each
// showing loads it afresh.
class frmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit frmAbout(QWidget* owner);

    // Where the captioning routine finds its texts; tests take strings away.
    void setStringLookup(resources::StringLookup lookup) { lookup_ = std::move(lookup); }

    const AboutControls& controls() const { return controls_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Form_Load();

    resources::StringLookup lookup_ = resources::LoadResString;
    AboutControls controls_;
    widgets::CentredPlacement* placement_;
};

}  // namespace tarvelle::ui

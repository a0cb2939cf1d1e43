#include "ui/widgets/fonts.h"

#include <QStringList>

#include "app/resources/qt_text.h"

using namespace tarvelle::resources;

namespace tarvelle::widgets {

namespace {

void installSubstitutes() {
    static const bool installed = [] {
        const QStringList sansFaces{"Liberation Sans", "Arimo", "Helvetica", "DejaVu Sans"};
        QFont::insertSubstitutions("MS Sans Serif",
                                   QStringList{"Microsoft Sans Serif"} + sansFaces);
        QFont::insertSubstitutions("Arial", sansFaces);
        return true;
    }();
    (void)installed;
}

}  // namespace

QFont controlFont(const FontSpec& face) {
    installSubstitutes();
    QFont font(toQString(face.family));
    font.setPointSizeF(face.points);
    font.setBold(face.bold);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

}  // namespace tarvelle::widgets

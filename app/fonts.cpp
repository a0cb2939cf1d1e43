#include "fonts.h"

#include <QStringList>

namespace Module1 {

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

QFont controlFont(const FontSpec& spec) {
    installSubstitutes();
    QFont font(QString::fromUtf8(spec.family.data(), static_cast<qsizetype>(spec.family.size())));
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

}  // namespace Module1

#include "platform/fonts.h"

#include <QApplication>
#include <QFont>

namespace orv {

// Every face of both stand-ins comes from packages the Debian package depends on:
// fonts-dejavu-core, fonts-dejavu-extra (DejaVu Sans' slanted faces) and fonts-liberation.
// "Arial" keeps its metric twin; "MS Sans Serif" and the menus are drawn in the face the
// windows' captions were fitted to.
QString ApplicationFontFamily() { return QStringLiteral("DejaVu Sans"); }

const std::vector<FontStandIn>& FontStandIns() {
    static const std::vector<FontStandIn> standIns = {
        {QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
    };
    return standIns;
}

void UseOrvalenFonts() {
    for (const FontStandIn& s : FontStandIns()) QFont::insertSubstitutions(s.family, {s.standIn});
    QFont font = QApplication::font();
    font.setFamilies({ApplicationFontFamily()});
    // Without a widget class, this also drops the window system's own fonts for menus
    // and the like, so they too use this one.
    QApplication::setFont(font);
}

}  // namespace orv

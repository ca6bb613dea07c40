// The fonts Orvalen is set in, on every machine: the windows name families that Linux
// machines rarely have, and the font configuration's own fallback differs from one
// machine to the next (on a minimal system it is a typewriter face).
#pragma once

#include <QString>
#include <vector>

namespace orv {

struct FontStandIn {
    QString family;   // as the windows name it
    QString standIn;  // the installed family drawn in its place
};

// The family of the menus, the message boxes, the file dialogs and every control that
// names no family of its own.
QString ApplicationFontFamily();

// The stand-in for each family the windows name.
const std::vector<FontStandIn>& FontStandIns();

// Makes the application draw every named family in its stand-in, and the rest in
// ApplicationFontFamily(), at the size the window system gives. Call once the
// application object exists and before any window is built.
void UseOrvalenFonts();

}  // namespace orv

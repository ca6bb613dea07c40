// Window geometry is given in twips: 1440 per inch, at the screen's logical DPI.
#pragma once

#include <QRect>

class QWidget;

namespace orv {

constexpr int kTwipsPerInch = 1440;

double LogicalDpi();
int TwipsToPixels(int twips);
int PixelsToTwips(int pixels);
QRect TwipsRect(int left, int top, int width, int height);

// Places a widget by twips within its parent.
void PlaceTwips(QWidget* w, int left, int top, int width, int height);

}  // namespace orv

#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace orv {

double LogicalDpi() {
    if (auto* screen = QGuiApplication::primaryScreen()) return screen->logicalDotsPerInchX();
    return 96.0;
}

int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips * LogicalDpi() / kTwipsPerInch));
}

int PixelsToTwips(int pixels) {
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / LogicalDpi()));
}

QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
                 TwipsToPixels(height));
}

void PlaceTwips(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(TwipsRect(left, top, width, height));
}

}  // namespace orv

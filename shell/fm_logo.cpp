#include "shell/fm_logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <cmath>

#include "platform/twips.h"
#include "shell/mdi_main.h"

namespace orv {
namespace {

constexpr int kWidth = 760;
constexpr int kHeight = 540;
constexpr double kHorizon = 215;
constexpr double kVanishX = 380;

// A ridge line across the picture, filled down to the bottom.
void drawRidge(QPainter& p, double base, double amplitude, double phase, double wave,
               const QColor& top, const QColor& bottom) {
    QPainterPath path;
    path.moveTo(0, kHeight);
    for (int x = 0; x <= kWidth; x += 4) {
        double y = base - amplitude * (0.6 * std::sin(x / wave + phase) +
                                       0.4 * std::sin(x / (wave * 0.37) + phase * 2.1));
        path.lineTo(x, y);
    }
    path.lineTo(kWidth, kHeight);
    path.closeSubpath();
    QLinearGradient g(0, base - amplitude, 0, base + 80);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillPath(path, g);
}

// A point on the road at depth t (0 at the bottom edge, 1 at the horizon) and lateral
// offset u (road half-widths from the centre line of the median).
QPointF roadPoint(double t, double u) {
    const double y = kHeight - (kHeight - kHorizon) * t;
    const double scale = 1.0 - t;
    return QPointF(kVanishX + u * 330.0 * scale, y);
}

QPolygonF strip(double t0, double t1, double u0, double u1) {
    return QPolygonF({roadPoint(t0, u0), roadPoint(t0, u1), roadPoint(t1, u1), roadPoint(t1, u0)});
}

void drawCar(QPainter& p, double t, double u, const QColor& body) {
    const QPointF at = roadPoint(t, u);
    const double s = 1.0 - t;
    const double w = 46 * s, h = 24 * s;
    QRectF car(at.x() - w / 2, at.y() - h, w, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QRectF(car.left() - 2 * s, car.bottom() - 4 * s, w + 4 * s, 7 * s));
    p.setBrush(body);
    p.drawRoundedRect(car, 3 * s, 3 * s);
    p.setBrush(body.darker(140));
    p.drawRect(QRectF(car.left() + w * 0.15, car.top() - h * 0.45, w * 0.7, h * 0.5));
    p.setBrush(QColor(170, 200, 230));
    p.drawRect(QRectF(car.left() + w * 0.2, car.top() - h * 0.38, w * 0.6, h * 0.32));
    p.setBrush(QColor(255, 60, 40));
    p.drawRect(QRectF(car.left() + 2 * s, car.top() + h * 0.25, 6 * s, 4 * s));
    p.drawRect(QRectF(car.right() - 8 * s, car.top() + h * 0.25, 6 * s, 4 * s));
}

}  // namespace

QImage SplashPicture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0, QColor(70, 120, 200));
    sky.setColorAt(1, QColor(200, 220, 240));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    for (auto c : {QPointF(120, 60), QPointF(520, 45), QPointF(640, 95)}) {
        p.drawEllipse(c, 48, 14);
        p.drawEllipse(c + QPointF(30, -8), 34, 14);
        p.drawEllipse(c + QPointF(-28, -4), 28, 11);
    }

    drawRidge(p, 175, 35, 0.4, 90, QColor(110, 130, 150), QColor(120, 145, 140));
    drawRidge(p, 200, 28, 2.0, 70, QColor(70, 120, 70), QColor(90, 140, 80));
    drawRidge(p, 222, 14, 4.1, 55, QColor(80, 140, 60), QColor(110, 160, 70));
    p.fillRect(QRectF(0, kHorizon, kWidth, kHeight - kHorizon), QColor(105, 160, 70));

    // Shoulders, the two carriageways and the grass median between them.
    p.setBrush(QColor(150, 140, 120));
    p.drawPolygon(strip(0, 1, -1.12, 1.12));
    p.setBrush(QColor(80, 80, 85));
    p.drawPolygon(strip(0, 1, -1.05, -0.12));
    p.drawPolygon(strip(0, 1, 0.12, 1.05));
    p.setBrush(QColor(95, 150, 60));
    p.drawPolygon(strip(0, 1, -0.12, 0.12));

    // Edge lines and dashed lane lines.
    p.setBrush(QColor(240, 240, 230));
    for (double u : {-1.0, -0.17, 0.17, 1.0}) p.drawPolygon(strip(0, 1, u - 0.012, u + 0.012));
    for (double u : {-0.585, 0.585}) {
        for (double t = 0.0; t < 0.97; t += 0.09) {
            p.drawPolygon(strip(t, t + 0.04, u - 0.01, u + 0.01));
        }
    }

    // Traffic, far cars first so near ones stand over them.
    struct Car {
        double t, u;
        QColor c;
    };
    const Car cars[] = {{0.86, -0.35, QColor(200, 200, 40)}, {0.8, 0.8, QColor(40, 90, 200)},
                        {0.7, -0.8, QColor(230, 230, 230)},  {0.55, 0.35, QColor(200, 40, 40)},
                        {0.42, -0.35, QColor(30, 140, 90)},  {0.2, 0.8, QColor(240, 150, 30)},
                        {0.12, -0.8, QColor(60, 60, 70)}};
    for (const auto& car : cars) drawCar(p, car.t, car.u, car.c);
    return image;
}

FmLogo::FmLogo(MDIMain& main)
    : Form(QStringLiteral("FmLogo"), Kind::MdiChild, main.area()),
      picture_(main.TakeSplashPicture()) {
    SetClientSizeTwips(11070, 7815);
    const QString font = QStringLiteral("MS Sans Serif");

    // The white title stands 30 twips right of and 15 twips below the red one, beneath it.
    Label2 =
        new Label(this, QStringLiteral("Label2"), QStringLiteral("ORVALEN"), 3150, 375, 4575, 1125);
    Label3 =
        new Label(this, QStringLiteral("Label3"), QStringLiteral("ORVALEN"), 3120, 360, 4575, 1125);
    Label1 = new Label(this, QStringLiteral("Label1"), QStringLiteral("QUILLMERE"), 8295, 1425,
                       2235, 1410);
    for (auto* l : {Label1, Label2, Label3}) l->setAttribute(Qt::WA_TranslucentBackground);
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label1->setWordWrap(true);
    SetFont(Label3, font, 24, true, true);
    SetFont(Label2, font, 24, true, true);
    SetFont(Label1, font, 13.5, true);
    SetColors(Label3, QColor(255, 0, 0));
    SetColors(Label2, QColor(255, 255, 255));
    SetColors(Label1, QColor(255, 255, 128));

    CmdOK = new Button(this, QStringLiteral("CmdOK"), QStringLiteral("OK"), 9480, 5640, 960, 345);
    SetFont(CmdOK, font, 9.75);
    CmdOK->Click = [this] { CmdOK_Click(); };
    CmdOK->setFocus();
}

void FmLogo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    // The picture from the top left corner, cut off at the window's edges.
    p.drawImage(QPoint(0, 0), picture_);
}

}  // namespace orv

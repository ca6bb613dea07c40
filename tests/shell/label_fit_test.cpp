// Every caption of every window fits its label at the label's font: no text is cut at the
// right or the bottom. The walk covers every window the application has, so a new window
// is checked as soon as it is listed in MDIMain::AllWindows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>

#include "platform/form.h"
#include "support/app_fixture.h"

using namespace orv;
using namespace orv::test;

namespace {

// Why `label`'s text does not fit it; empty when it fits.
QString Misfit(const QLabel& label) {
    const QString text = label.text();
    if (text.isEmpty() || !label.pixmap().isNull()) return {};
    QRect room = label.contentsRect();
    const int margin = label.margin();
    room.adjust(margin, margin, -margin, -margin);
    if (label.indent() > 0) room.adjust(label.indent(), 0, 0, 0);
    const QFontMetrics metrics(label.font());
    int flags = Qt::TextExpandTabs;
    if (label.wordWrap()) flags |= Qt::TextWordWrap;
    // The widest line wins; a wrapping label must hold all its lines.
    const QRect needed =
        metrics.boundingRect(QRect(QPoint(0, 0), QSize(room.width(), 100000)), flags, text);
    int width = needed.width();
    if (!label.wordWrap()) {
        // Blanks at a line's end count: the label's text is its fixed caption as given.
        for (const QString& line : text.split(QLatin1Char('\n')))
            width = std::max(width, metrics.horizontalAdvance(line));
    }
    if (width > room.width() || needed.height() > room.height()) {
        return QStringLiteral("needs %1 x %2 px, has %3 x %4 px at %5 %6 pt")
            .arg(width)
            .arg(needed.height())
            .arg(room.width())
            .arg(room.height())
            .arg(QFontInfo(label.font()).family())
            .arg(label.font().pointSizeF());
    }
    return {};
}

class LabelFitTest : public AppTest {};

TEST_F(LabelFitTest, EveryCaptionOfEveryWindowFitsItsLabel) {
    QList<Form*> windows;
    for (Form* w : main().AllWindows()) windows << w;
    // Any other window that exists by now is walked too.
    for (QWidget* w : QApplication::allWidgets()) {
        if (auto* form = qobject_cast<Form*>(w); form && !windows.contains(form)) windows << form;
    }
    ASSERT_GE(windows.size(), 9);
    int walked = 0;
    for (Form* window : windows) {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            ++walked;
            const QString why = Misfit(*label);
            EXPECT_TRUE(why.isEmpty())
                << window->objectName().toStdString() << "." << label->objectName().toStdString()
                << " \"" << label->text().toStdString() << "\": " << why.toStdString();
        }
    }
    EXPECT_GT(walked, 0);
}

}  // namespace

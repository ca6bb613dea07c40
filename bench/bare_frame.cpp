// The reference for the start-up comparison: a bare MDI frame with one child window and one
// hidden chart window, linked with the application's Qt modules, ended at its first idle.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinterInfo>
#include <QValueAxis>

#include "bench/first_idle.h"

int main(int argc, char** argv) {
    // Qt Print Support is loaded as the application loads it, though nothing here prints;
    // without a use of it the linker would leave it out.
    [[maybe_unused]] static void (*volatile keepPrintSupport)() = [] {
        QPrinterInfo::defaultPrinterName();
    };

    QApplication app(argc, argv);
    orv::bench::QuitAtFirstIdle();

    QMainWindow frame;
    auto* area = new QMdiArea(&frame);
    frame.setCentralWidget(area);
    area->addSubWindow(new QWidget)->show();

    auto* chart = new QChart;
    auto* series = new QLineSeries;
    series->append(0, 0);
    series->append(1, 1);
    chart->addSeries(series);
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    QChartView chartWindow(chart);
    chartWindow.resize(640, 480);

    frame.show();
    return QApplication::exec();
}

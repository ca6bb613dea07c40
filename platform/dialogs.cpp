#include "platform/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPluginLoader>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <future>

namespace orv {
namespace {

class QtBackend : public PlatformBackend {
  public:
    MsgAnswer messageBox(const QString& text, MsgStyle style, const QString& title) override {
        QMessageBox box(style == MsgStyle::Ok ? QMessageBox::NoIcon : QMessageBox::Warning, title,
                        text, QMessageBox::NoButton, QApplication::activeWindow());
        if (style == MsgStyle::YesNoExclamation) {
            box.addButton(QMessageBox::Yes);
            box.addButton(QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            return box.exec() == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
        }
        box.addButton(QMessageBox::Ok);
        box.exec();
        return MsgAnswer::Ok;
    }
    std::optional<QString> openFileName(const QString& title, const QString& filter,
                                        int filterIndex, const QString& fileName) override {
        return run(QFileDialog::AcceptOpen, title, filter, filterIndex, fileName);
    }
    std::optional<QString> saveFileName(const QString& title, const QString& filter,
                                        int filterIndex, const QString& fileName) override {
        return run(QFileDialog::AcceptSave, title, filter, filterIndex, fileName);
    }
    bool printerSetup() override {
        QPrinter printer;
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        return dialog.exec() == QDialog::Accepted;
    }
    QStringList installedPrinters() override {
        if (loading_.valid()) loading_.get();
        return QPrinterInfo::availablePrinterNames();
    }
    // Loading the print system's plugins and the libraries they need is the slow part of
    // the first printer query: a worker thread loads them meanwhile. Only the loading is
    // done there; the plugins are made and used on this thread.
    void preparePrinters() override {
        if (loading_.valid()) return;
        QStringList files;
        for (const QString& folder : QCoreApplication::libraryPaths()) {
            const QDir plugins(folder + QStringLiteral("/printsupport"));
            for (const QFileInfo& file : plugins.entryInfoList(QDir::Files))
                files << file.absoluteFilePath();
        }
        loading_ = std::async(std::launch::async, [files] {
            for (const QString& file : files) QPluginLoader(file).load();
        });
    }
    void printImage(const QImage& image) override {
        QPrinter printer;
        QPainter painter(&printer);
        QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
        QSizeF size = image.size();
        size.scale(page.size(), Qt::KeepAspectRatio);
        if (size.width() > image.width() * printer.resolution() / 96.0)
            size = QSizeF(image.size()) * (printer.resolution() / 96.0);
        painter.drawImage(QRectF(QPointF(0, 0), size), image);
    }
    void printPages(int pageCount, const PagePainter& paint) override {
        QPrinter printer;
        QPainter painter(&printer);
        QRectF page(QPointF(0, 0),
                    printer.pageLayout().paintRectPixels(printer.resolution()).size());
        for (int i = 0; i < pageCount; ++i) {
            if (i > 0) printer.newPage();
            paint(painter, i, page);
        }
    }

    void printDocument(const PageSetup& setup, int pageCount, const PagePainter& paint) override {
        QPrinter printer(QPrinter::HighResolution);
        PrintOnPrinter(printer, setup, pageCount, paint);
    }

  private:
    std::future<void> loading_;

    std::optional<QString> run(QFileDialog::AcceptMode mode, const QString& title,
                               const QString& filter, int filterIndex, const QString& fileName) {
        QFileDialog dialog(QApplication::activeWindow(), title);
        PrepareFileDialog(dialog, mode == QFileDialog::AcceptSave, filter, filterIndex, fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first();
    }
};

// The area inside the margins of a paper `paper` twips in size, in device pixels.
QRectF AreaInsideMargins(const QSizeF& paper, const QMarginsF& m, double perTwip) {
    return QRectF(0, 0, (paper.width() - m.left() - m.right()) * perTwip,
                  (paper.height() - m.top() - m.bottom()) * perTwip);
}

std::unique_ptr<PlatformBackend>& backendSlot() {
    static std::unique_ptr<PlatformBackend> slot;
    return slot;
}

}  // namespace

PlatformBackend& Backend() {
    auto& slot = backendSlot();
    if (!slot) slot = std::make_unique<QtBackend>();
    return *slot;
}

std::unique_ptr<PlatformBackend> SetBackend(std::unique_ptr<PlatformBackend> backend) {
    auto old = std::move(backendSlot());
    backendSlot() = std::move(backend);
    return old;
}

MsgAnswer MsgBox(const QString& text, MsgStyle style, const QString& title) {
    return Backend().messageBox(text, style, title);
}

QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == QStringLiteral("*.*")) p = QStringLiteral("*");
        }
        out << QStringLiteral("%1 (%2)").arg(parts.at(i), patterns.join(QLatin1Char(' ')));
    }
    return out;
}

void PrepareFileDialog(QFileDialog& dialog, bool save, const QString& filter, int filterIndex,
                       const QString& fileName) {
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks its own question before overwriting.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    // An entry reads as its description alone; set before the entries are.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    const QStringList filters = QtNameFilters(filter);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(filterIndex - 1));
    if (!fileName.isEmpty()) dialog.selectFile(fileName);
}

bool PrintOnPrinter(QPrinter& printer, const PageSetup& setup, int pageCount,
                    const PagePainter& paint) {
    // The margins stand on the printer's layout; the painting places them itself, so a
    // printer whose least margins are wider moves nothing.
    printer.setPageLayout(QPageLayout(QPageSize(setup.paper), setup.orientation,
                                      setup.marginsTwips / 20.0, QPageLayout::Point));
    printer.setFullPage(true);
    printer.setDocName(setup.documentName);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double perTwip = printer.resolution() / 1440.0;
    const QSizeF paper = printer.pageLayout().fullRect(QPageLayout::Point).size() * 20.0;
    const QMarginsF& m = setup.marginsTwips;
    const QRectF area = AreaInsideMargins(paper, m, perTwip);
    for (int i = 0; i < pageCount; ++i) {
        if (i > 0) printer.newPage();
        painter.save();
        painter.translate(m.left() * perTwip, m.top() * perTwip);
        paint(painter, i, area);
        painter.restore();
    }
    return painter.end();
}

bool CommonDialog::ShowOpen() {
    auto name = Backend().openFileName(DialogTitle, Filter, FilterIndex, FileName);
    if (!name) return false;
    FileName = *name;
    return true;
}

bool CommonDialog::ShowSave() {
    auto name = Backend().saveFileName(DialogTitle, Filter, FilterIndex, FileName);
    if (!name) return false;
    FileName = *name;
    return true;
}

bool CommonDialog::ShowPrinter() { return Backend().printerSetup(); }

void PrintWindowImage(QWidget* window) { Backend().printImage(window->grab().toImage()); }

// ---- ScriptedBackend

MsgAnswer ScriptedBackend::messageBox(const QString& text, MsgStyle style, const QString& title) {
    messages.push_back({text, style, title});
    const MsgAnswer fallback = style == MsgStyle::YesNoExclamation ? MsgAnswer::Yes : MsgAnswer::Ok;
    if (answers.empty()) return fallback;
    MsgAnswer a = answers.front();
    answers.pop_front();
    if (style == MsgStyle::YesNoExclamation)
        return a == MsgAnswer::No ? MsgAnswer::No : MsgAnswer::Yes;
    return MsgAnswer::Ok;
}

std::optional<QString> ScriptedBackend::nextFileName(const FileRequest& request) {
    fileRequests.push_back(request);
    if (fileNames.empty()) return std::nullopt;
    // An entry without a name is a cancelled dialog.
    const bool named = fileNames.front().has_value();
    const QString name = fileNames.front().value_or(QString());
    fileNames.pop_front();
    if (!named) return std::nullopt;
    return name;
}

std::optional<QString> ScriptedBackend::openFileName(const QString& title, const QString& filter,
                                                     int filterIndex, const QString& fileName) {
    return nextFileName({false, title, filter, filterIndex, fileName});
}

std::optional<QString> ScriptedBackend::saveFileName(const QString& title, const QString& filter,
                                                     int filterIndex, const QString& fileName) {
    return nextFileName({true, title, filter, filterIndex, fileName});
}

bool ScriptedBackend::printerSetup() {
    ++printerSetups;
    if (printerSetupAnswers.empty()) return true;
    bool a = printerSetupAnswers.front();
    printerSetupAnswers.pop_front();
    return a;
}

void ScriptedBackend::printImage(const QImage& image) {
    ++printJobs;
    printed.push_back(image);
}

void ScriptedBackend::printPages(int pageCount, const PagePainter& paint) {
    ++printJobs;
    // A letter page at 96 dots per inch.
    const QRectF page(0, 0, 816, 1056);
    for (int i = 0; i < pageCount; ++i) {
        QImage image(page.size().toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        paint(painter, i, page);
        painter.end();
        printed.push_back(image);
    }
}

void ScriptedBackend::printDocument(const PageSetup& setup, int pageCount,
                                    const PagePainter& paint) {
    ++printJobs;
    pageSetups.push_back(setup);
    // Each page at 96 dots per inch.
    const double perTwip = 96.0 / 1440.0;
    const QSizeF paper = QPageLayout(QPageSize(setup.paper), setup.orientation, QMarginsF())
                             .fullRect(QPageLayout::Point)
                             .size() *
                         20.0;
    const QMarginsF& m = setup.marginsTwips;
    const QRectF area = AreaInsideMargins(paper, m, perTwip);
    for (int i = 0; i < pageCount; ++i) {
        QImage image((paper * perTwip).toSize(), QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(m.left() * perTwip, m.top() * perTwip);
        paint(painter, i, area);
        painter.end();
        printed.push_back(image);
    }
    if (!pdfFiles.empty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFiles.front());
        pdfFiles.pop_front();
        // A PDF printer's own default paper, which the set-up must override.
        printer.setPageSize(QPageSize(QPageSize::A4));
        PrintOnPrinter(printer, setup, pageCount, paint);
    }
}

}  // namespace orv

// Message boxes, the common file and printer dialog, and printing. Each goes through a
// backend the application binds to Qt's own dialogs and that tests replace with a script.
#pragma once

#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QFileDialog;
class QPainter;
class QPrinter;
class QWidget;

namespace orv {

enum class MsgStyle { Ok, OkExclamation, YesNoExclamation };
enum class MsgAnswer { Ok, Yes, No };

// A modal message box with `text` under `title`; a Yes/No box has Yes as its default.
MsgAnswer MsgBox(const QString& text, MsgStyle style, const QString& title);

// A one-page-at-a-time painter of a printed document.
using PagePainter = std::function<void(QPainter& painter, int page, const QRectF& pageRect)>;

// The paper of a printed document: size, orientation and margins in twips (1/1440 inch).
struct PageSetup {
    QPageSize::PageSizeId paper = QPageSize::Letter;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsTwips;
    // The print job's title.
    QString documentName;
};

class PlatformBackend {
  public:
    virtual ~PlatformBackend() = default;
    virtual MsgAnswer messageBox(const QString& text, MsgStyle style, const QString& title) = 0;
    // A file dialog; none when the user cancels.
    virtual std::optional<QString> openFileName(const QString& title, const QString& filter,
                                                int filterIndex, const QString& fileName) = 0;
    virtual std::optional<QString> saveFileName(const QString& title, const QString& filter,
                                                int filterIndex, const QString& fileName) = 0;
    // The printer set-up dialog; false when the user cancels.
    virtual bool printerSetup() = 0;
    // The names of the installed printers.
    virtual QStringList installedPrinters() = 0;
    // Called at start-up once the frame is built: gets ready for the first installedPrinters,
    // which follows.
    virtual void preparePrinters() {}
    // Prints on the default printer.
    virtual void printImage(const QImage& image) = 0;
    virtual void printPages(int pageCount, const PagePainter& paint) = 0;
    // Prints on the default printer set up as `setup` says, whatever its default paper.
    // The painter's origin is the top left corner inside the margins, and `pageRect` the
    // area inside the margins, in device pixels.
    virtual void printDocument(const PageSetup& setup, int pageCount, const PagePainter& paint) = 0;
};

// Sets `printer` up as `setup` says and prints the pages on it; false when the printer
// cannot be opened.
bool PrintOnPrinter(QPrinter& printer, const PageSetup& setup, int pageCount,
                    const PagePainter& paint);

// The backend in use; Qt's dialogs and printers unless a test installed another.
PlatformBackend& Backend();
// Installs a backend (tests); returns the one it replaces.
std::unique_ptr<PlatformBackend> SetBackend(std::unique_ptr<PlatformBackend> backend);

// The common dialog of the main window: keeps its settings between uses.
class CommonDialog {
  public:
    // Flags of the file dialogs kept as set; the dialogs of this platform confirm nothing
    // themselves.
    enum : int {
        OFNOverwritePrompt = 0x2,
        OFNHideReadOnly = 0x4,
        OFNPathMustExist = 0x800,
        OFNFileMustExist = 0x1000
    };

    bool CancelError = false;
    int Flags = 0;
    // "description|pattern|description|pattern..."
    QString Filter;
    int FilterIndex = 1;
    QString FileName;
    QString DialogTitle;

    // Each gives false when the user cancels; the file name is then unchanged.
    bool ShowOpen();
    bool ShowSave();
    bool ShowPrinter();
};

// Qt's name filters of a "description|pattern|..." filter, one for each entry: the
// description, which the dialog shows alone, then the patterns it matches. "*.*" matches
// every file, names without a dot included.
QStringList QtNameFilters(const QString& filter);

// Sets up a file dialog to open (`save` false) or save a file: its filter entries as
// QtNameFilters gives them, shown by their descriptions, the entry numbered `filterIndex`
// (from 1) selected, and `fileName` proposed.
void PrepareFileDialog(QFileDialog& dialog, bool save, const QString& filter, int filterIndex,
                       const QString& fileName);

// Prints an image of a window on the default printer.
void PrintWindowImage(QWidget* window);

// A backend whose answers are scripted and whose output is captured.
class ScriptedBackend : public PlatformBackend {
  public:
    struct Message {
        QString text;
        MsgStyle style;
        QString title;
    };
    struct FileRequest {
        bool save;
        QString title;
        QString filter;
        int filterIndex;
        QString fileName;
    };

    // Answers for the coming message boxes, in order; a box with no answer left gets Ok
    // or its default Yes.
    std::deque<MsgAnswer> answers;
    // File names for the coming file dialogs; none is a cancel. Running out cancels.
    std::deque<std::optional<QString>> fileNames;
    std::deque<bool> printerSetupAnswers;
    QStringList printers;

    std::vector<Message> messages;
    std::vector<FileRequest> fileRequests;
    int printerSetups = 0;
    // What was printed: each image, and each page of a document, as an image.
    std::vector<QImage> printed;
    int printJobs = 0;
    // The set-up of each document printed with printDocument.
    std::vector<PageSetup> pageSetups;
    // While names are left, each document printed with printDocument is also printed, on a
    // printer set up as the default one is, to the next of these files as a PDF.
    std::deque<QString> pdfFiles;

    MsgAnswer messageBox(const QString& text, MsgStyle style, const QString& title) override;
    std::optional<QString> openFileName(const QString& title, const QString& filter,
                                        int filterIndex, const QString& fileName) override;
    std::optional<QString> saveFileName(const QString& title, const QString& filter,
                                        int filterIndex, const QString& fileName) override;
    bool printerSetup() override;
    QStringList installedPrinters() override { return printers; }
    void printImage(const QImage& image) override;
    void printPages(int pageCount, const PagePainter& paint) override;
    void printDocument(const PageSetup& setup, int pageCount, const PagePainter& paint) override;

  private:
    std::optional<QString> nextFileName(const FileRequest& request);
};

}  // namespace orv

// The application's frame: the MDI frame with its menus, the state that every window
// shares, start-up and the project file commands.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "output/data_env.h"
#include "platform/database.h"
#include "platform/dialogs.h"
#include "store/project_store.h"

class QAction;
class QMdiArea;
class QMenu;

namespace orv {

class FmDataEntry;
class FmCosts;
class FmDefineOptions;
class FmLogo;
class FmPlotResults;
class FmDefaultACAG;
class FmDefaultACAC;
class FmCustomACAG;
class FmCustomACAC;
class FmDefaultACPC;
class FmCustomACPC;
class Form;

// Start-up cannot go on: the message says why.
class StartupError : public std::runtime_error {
  public:
    explicit StartupError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

class MDIMain : public QMainWindow {
    Q_OBJECT
  public:
    // Builds the frame on `appFolder`, where the template lies; the working file lies there
    // too when this user can write into it, else in the user's data folder.
    explicit MDIMain(const QString& appFolder);
    ~MDIMain() override;

    QMdiArea* area() const { return area_; }

    // Start-up; throws StartupError when the template is missing or damaged, no folder can
    // take the working file, or another running copy holds it.
    void MDIForm_Load();

    // Shared state, public to every window.
    Database dbVORN;
    Recordset rstVORN;
    Recordset rstDefaultACPC;
    Recordset rstCustomACPC;
    Recordset rstDefaultACAC;
    Recordset rstCustomACAC;
    Recordset rstDefaultACAG;
    Recordset rstCustomACAG;
    bool bStateChanged = false;
    bool PrinterOK = false;
    // The data source of the printed reports.
    DataEnvironment DataEnv;

    // Copies the six user-defined item names of the project record into the windows
    // that show them.
    void ResetOptionLabels();

    // Stores an input window's entries as it is left for another window, so the reload at
    // its next activation gives them back; `loadedProject` is projectGeneration() as of the
    // window's last complete reload (-1 for none). Fields of another project or of an
    // unfinished reload are not stored. Checks nothing, shows nothing, and leaves
    // bStateChanged; a failure is written to the standard error stream.
    void StoreLeftEntries(int loadedProject, const std::function<void()>& saveEntries);

    // The windows, each loaded on its first use.
    FmDataEntry& fmDataEntry();
    FmCosts& fmCosts();
    FmDefineOptions& fmDefineOptions();
    FmLogo& fmLogo();
    FmPlotResults& fmPlotResults();
    FmDefaultACAG& fmDefaultACAG();
    FmDefaultACAC& fmDefaultACAC();
    FmCustomACAG& fmCustomACAG();
    FmCustomACAC& fmCustomACAC();
    // The concrete comparison windows; no command of the system shows them.
    FmDefaultACPC& fmDefaultACPC();
    FmCustomACPC& fmCustomACPC();
    // Every window of the application, each loaded (hidden) if it was not yet. A new window
    // belongs in this list, so the checks that walk every window cover it.
    std::vector<Form*> AllWindows();

    CommonDialog CommonFileDialog;

    // Menu commands.
    void MenuFileNew_Click();
    void MenuFileOpen_Click();
    void MenuFileSave_Click();
    void MenuFileSaveAs_Click();
    void MenuFilePrintSetup_Click();
    void MenuFilePrint_Click();
    void MenuFileExit_Click();
    void MenuEditDefineOptions_Click();
    void MenuEditSetCosts_Click();
    void MenuEditPlotResults_Click();

    const QString& templateFile() const { return strTemplateFile; }
    const QString& workFile() const { return strWorkFile; }
    const QString& projectFile() const { return strProjectFile; }
    // Counts the replacements of the project's tables (start-up, New, Open): fields
    // loaded at an earlier count show another project.
    int projectGeneration() const { return projectGeneration_; }
    // Exit or the closing of the frame has ended the run.
    bool ended() const { return ended_; }
    // The splash picture; start-up paints it on a worker thread.
    QImage TakeSplashPicture();

    // How project files are written (tests simulate a full disk through it).
    WriteProjectOptions writeOptions;

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void buildMenus();
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption,
                     void (MDIMain::*handler)());
    void ResetProjectTables();
    // After the project tables were reset: a new project, on the first rows, with its labels.
    void BeginNewProject();
    void MoveAllFirst();
    // Writes the working copy to strProjectFile; false when it was refused or failed.
    bool SaveProjectFile();
    // The save offered by New and Open.
    void OfferSave();
    // Sets up the common dialog for a project file and shows it; none on a cancel.
    std::optional<QString> ChooseFile(const QString& filter, bool (CommonDialog::*show)());
    // The stored path of the reserved file that `path` names, if any.
    std::optional<QString> ReservedPath(const QString& path) const;

    std::future<QImage> splash_;
    QMdiArea* area_;
    QString appFolder_;
    QString strTemplateFile;
    QString strWorkFile;
    QString strProjectFile;
    std::unique_ptr<WorkingCopyLock> lock_;
    bool ended_ = false;
    int projectGeneration_ = 0;

    std::unique_ptr<FmDataEntry> dataEntry_;
    std::unique_ptr<FmCosts> costs_;
    std::unique_ptr<FmDefineOptions> defineOptions_;
    std::unique_ptr<FmLogo> logo_;
    std::unique_ptr<FmPlotResults> plotResults_;
    std::unique_ptr<FmDefaultACAG> defaultACAG_;
    std::unique_ptr<FmDefaultACAC> defaultACAC_;
    std::unique_ptr<FmCustomACAG> customACAG_;
    std::unique_ptr<FmCustomACAC> customACAC_;
    std::unique_ptr<FmDefaultACPC> defaultACPC_;
    std::unique_ptr<FmCustomACPC> customACPC_;
};

}  // namespace orv

#include "shell/mdi_main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QStandardPaths>
#include <iostream>

#include "analysis/concrete/fm_custom_acpc.h"
#include "analysis/concrete/fm_default_acpc.h"
#include "analysis/custom_aggregate/fm_custom_acag.h"
#include "analysis/custom_asphalt/fm_custom_acac.h"
#include "analysis/default/fm_default_acac.h"
#include "analysis/default/fm_default_acag.h"
#include "inputs/entry_rules.h"
#include "inputs/fm_costs.h"
#include "inputs/fm_data_entry.h"
#include "inputs/fm_define_options.h"
#include "output/fm_plot_results.h"
#include "output/print_report.h"
#include "platform/activation.h"
#include "shell/fm_logo.h"
#include "shell/work_folder.h"
#include "store/project_store.h"

namespace orv {
namespace {

const QString kSavePrompt = QStringLiteral(" Save Existing Analysis Information To File ?? ");
const QString kSpecialCharacters = QStringLiteral(
    " Please Select A Filename That Does Not Contain Apostrophies Or Other Special Characters");
const QString kReserved =
    QStringLiteral(" Is Reserved For VORN, Please Select A Different Filename");
const QString kOpenFilter = QStringLiteral("All Files (*.*)|*.*|VORN Files(*.mdb)|*.mdb");
const QString kSaveFilter = QStringLiteral("All Files (*.*)|*.*|VORN Database Files(*.mdb)|*.mdb");

// The reason of a failed file command in the user's words; the technical detail goes to
// the standard error stream for a bug report.
QString UserReason(const std::exception& e, const QString& otherwise) {
    std::cerr << "Orvalen: " << e.what() << std::endl;
    if (const auto* file = dynamic_cast<const ProjectFileError*>(&e)) return file->Reason();
    return otherwise;
}

// The working copy as start-up opens it, and its seven table recordsets.
struct OpenedWorkingCopy {
    Database db;
    Recordset vorn, defaultACAG, customACAG, defaultACAC, customACAC, defaultACPC, customACPC;
};

// Loads a window on its first use.
template <class T>
T& use(std::unique_ptr<T>& slot, MDIMain& main) {
    if (!slot) {
        slot = std::make_unique<T>(main);
        slot->Load();
    }
    return *slot;
}

}  // namespace

MDIMain::MDIMain(const QString& appFolder) : appFolder_(QDir::fromNativeSeparators(appFolder)) {
    setObjectName(QStringLiteral("MDIMain"));
    setWindowTitle(QStringLiteral("Orvalen"));
    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("MDIClient"));
    setCentralWidget(area_);
    ActivationTracker::instance().watchMdiArea(area_);
    resize(1024, 768);
    buildMenus();
}

MDIMain::~MDIMain() {
    // Windows go before the frame that holds the child windows.
    customACPC_.reset();
    defaultACPC_.reset();
    customACAC_.reset();
    customACAG_.reset();
    defaultACAC_.reset();
    defaultACAG_.reset();
    plotResults_.reset();
    logo_.reset();
    defineOptions_.reset();
    costs_.reset();
    dataEntry_.reset();
}

FmDataEntry& MDIMain::fmDataEntry() { return use(dataEntry_, *this); }
FmCosts& MDIMain::fmCosts() { return use(costs_, *this); }
FmDefineOptions& MDIMain::fmDefineOptions() { return use(defineOptions_, *this); }
FmLogo& MDIMain::fmLogo() { return use(logo_, *this); }
FmPlotResults& MDIMain::fmPlotResults() { return use(plotResults_, *this); }
FmDefaultACAG& MDIMain::fmDefaultACAG() { return use(defaultACAG_, *this); }
FmDefaultACAC& MDIMain::fmDefaultACAC() { return use(defaultACAC_, *this); }
FmCustomACAG& MDIMain::fmCustomACAG() { return use(customACAG_, *this); }
FmCustomACAC& MDIMain::fmCustomACAC() { return use(customACAC_, *this); }
FmDefaultACPC& MDIMain::fmDefaultACPC() { return use(defaultACPC_, *this); }
FmCustomACPC& MDIMain::fmCustomACPC() { return use(customACPC_, *this); }

QImage MDIMain::TakeSplashPicture() { return splash_.valid() ? splash_.get() : SplashPicture(); }

std::vector<Form*> MDIMain::AllWindows() {
    return {&fmDataEntry(),   &fmCosts(),       &fmDefineOptions(), &fmLogo(),
            &fmPlotResults(), &fmDefaultACAG(), &fmDefaultACAC(),   &fmCustomACAG(),
            &fmCustomACAC(),  &fmDefaultACPC(), &fmCustomACPC()};
}

QAction* MDIMain::addItem(QMenu* menu, const QString& name, const QString& caption,
                          void (MDIMain::*handler)()) {
    auto* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return action;
}

void MDIMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("MenuFile"));
    addItem(file, QStringLiteral("MenuFileNew"), QStringLiteral("New"),
            &MDIMain::MenuFileNew_Click);
    addItem(file, QStringLiteral("MenuFileOpen"), QStringLiteral("Open"),
            &MDIMain::MenuFileOpen_Click);
    addItem(file, QStringLiteral("MenuFileSave"), QStringLiteral("Save"),
            &MDIMain::MenuFileSave_Click);
    addItem(file, QStringLiteral("MenuFileSaveAs"), QStringLiteral("Save As"),
            &MDIMain::MenuFileSaveAs_Click);
    addItem(file, QStringLiteral("MenuFilePrintSetup"), QStringLiteral("Print Setup"),
            &MDIMain::MenuFilePrintSetup_Click);
    addItem(file, QStringLiteral("MenuFilePrint"), QStringLiteral("Print Report"),
            &MDIMain::MenuFilePrint_Click);
    addItem(file, QStringLiteral("MenuFileExit"), QStringLiteral("Exit"),
            &MDIMain::MenuFileExit_Click);
    QMenu* edit = menuBar()->addMenu(QStringLiteral("Edit"));
    edit->setObjectName(QStringLiteral("Edit"));
    addItem(edit, QStringLiteral("MenuEditDefineOptions"), QStringLiteral("Define Options"),
            &MDIMain::MenuEditDefineOptions_Click);
    addItem(edit, QStringLiteral("MenuEditSetCosts"), QStringLiteral("Set Cost Coefficients"),
            &MDIMain::MenuEditSetCosts_Click);
    addItem(edit, QStringLiteral("MenuEditPlotResults"), QStringLiteral("Plot Results"),
            &MDIMain::MenuEditPlotResults_Click);
}

// ---- Start-up

void MDIMain::MDIForm_Load() {
    strTemplateFile = appFolder_ + QStringLiteral("/") + kTemplateFileName;
    // The working copy stays beside the template unless Orvalen is installed or this user
    // cannot write there.
    const QString dataFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    const std::optional<QString> workFolder = WorkingCopyFolder(appFolder_, dataFolder);
    if (!workFolder) throw StartupError(NoWorkingCopyFolderMessage(appFolder_, dataFolder));
    strWorkFile = *workFolder + QStringLiteral("/") + kWorkFileName;
    DataEnv.Connection1.ConnectionString = WorkingFileConnectionText(strWorkFile);

    // A second running copy must not touch the first one's working file, and a missing
    // or damaged template must be said, not crashed on.
    lock_ = std::make_unique<WorkingCopyLock>();
    if (!lock_->Acquire(strWorkFile)) {
        throw StartupError(QStringLiteral("Orvalen is already running from ") + appFolder_ +
                           QStringLiteral(". Only one copy can run at a time. (") +
                           lock_->ErrorText() + QStringLiteral(")"));
    }
    // The template is checked and copied, and the working copy opened with its seven
    // recordsets and its project tables reset, on a worker thread while the first windows
    // are built; a failure is taken up where the working copy is first used. The splash
    // picture is painted on another one meanwhile.
    splash_ = std::async(std::launch::async, SplashPicture);
    std::future<OpenedWorkingCopy> copying =
        std::async(std::launch::async, [from = strTemplateFile, to = strWorkFile] {
            MakeWorkingCopy(from, to);
            OpenedWorkingCopy opened;
            opened.db = OpenWorkingCopy(to);
            opened.vorn = Recordset(opened.db, QStringLiteral("VORN"));
            opened.defaultACAG = Recordset(opened.db, QStringLiteral("DefaultACAG"));
            opened.customACAG = Recordset(opened.db, QStringLiteral("CustomACAG"));
            opened.defaultACAC = Recordset(opened.db, QStringLiteral("DefaultACAC"));
            opened.customACAC = Recordset(opened.db, QStringLiteral("CustomACAC"));
            opened.defaultACPC = Recordset(opened.db, QStringLiteral("DefaultACPC"));
            opened.customACPC = Recordset(opened.db, QStringLiteral("CustomACPC"));
            orv::ResetProjectTables(opened.db);
            return opened;
        });

    fmDataEntry().Move(0, 0);
    fmPlotResults().Move(0, 0);
    PrinterOK = !Backend().installedPrinters().isEmpty();
    try {
        // The template is checked first; a missing or damaged one is named in the reason.
        OpenedWorkingCopy opened = copying.get();
        dbVORN = opened.db;
        rstVORN = std::move(opened.vorn);
        rstDefaultACAG = std::move(opened.defaultACAG);
        rstCustomACAG = std::move(opened.customACAG);
        rstDefaultACAC = std::move(opened.defaultACAC);
        rstCustomACAC = std::move(opened.customACAC);
        rstDefaultACPC = std::move(opened.defaultACPC);
        rstCustomACPC = std::move(opened.customACPC);
        BeginNewProject();
    } catch (const DbError& e) {
        throw StartupError(e.Message());
    }

    fmCosts().ShowAndHide();
    fmPlotResults().ShowAndHide();
    fmLogo().Move(0, 0);
    fmLogo().Show();
    // The data entry window reloads when it is first activated; until then a save must
    // not write its empty fields over the new project.
    fmDataEntry().ResetEntries();
    bStateChanged = false;
}

void MDIMain::MoveAllFirst() {
    rstVORN.MoveFirst();
    rstDefaultACAG.MoveFirst();
    rstDefaultACAC.MoveFirst();
    rstDefaultACPC.MoveFirst();
    rstCustomACAG.MoveFirst();
    rstCustomACAC.MoveFirst();
    rstCustomACPC.MoveFirst();
}

void MDIMain::ResetProjectTables() {
    orv::ResetProjectTables(dbVORN);
    BeginNewProject();
}

void MDIMain::BeginNewProject() {
    ++projectGeneration_;
    MoveAllFirst();
    strProjectFile.clear();
    ResetOptionLabels();
}

void MDIMain::ResetOptionLabels() {
    auto text = [this](const char* field) { return rstVORN.Text(QString::fromLatin1(field)); };
    FmDataEntry& entry = fmDataEntry();
    entry.CbxSurfaceTwo->Clear();
    entry.CbxSurfaceTwo->AddItem(QStringLiteral("Aggregate"));
    entry.CbxSurfaceTwo->AddItem(QStringLiteral("Hot Mix Asphalt #2"));
    entry.CbxSurfaceTwo->AddItem(text("SurfaceOptionTwoLabel"));
    entry.CbxSurfaceTwo->SelectEqualEntries(text("SurfaceTwo"), 3);
    entry.LblConstOptionOne->SetCaption(text("ConstOptionOneLabel"));
    entry.LblConstOptionTwo->SetCaption(text("ConstOptionTwoLabel"));

    FmCosts& costs = fmCosts();
    costs.LblSurfaceOptionTwo->SetCaption(text("SurfaceOptionTwoLabel"));
    costs.LblMaintOptionOneLabel->SetCaption(text("MaintOptionOneLabel"));
    costs.LblMaintOptionTwoLabel->SetCaption(text("MaintOptionTwoLabel"));
    costs.LblMaintOptionThreeLabel->SetCaption(text("MaintOptionThreeLabel"));

    FmDefineOptions& names = fmDefineOptions();
    names.TbxSurfaceOptionTwo->SetText(text("SurfaceOptionTwoLabel"));
    names.TbxConstOptionOne->SetText(text("ConstOptionOneLabel"));
    names.TbxConstOptionTwo->SetText(text("ConstOptionTwoLabel"));
    names.TbxMaintOptionOne->SetText(text("MaintOptionOneLabel"));
    names.TbxMaintOptionTwo->SetText(text("MaintOptionTwoLabel"));
    names.TbxMaintOptionThree->SetText(text("MaintOptionThreeLabel"));

    fmCustomACAC().LblOption->SetCaption(
        AsphaltWindowHeading(entry.CbxSurfaceTwo->Text(), text("SurfaceOptionTwoLabel")));
}

void MDIMain::StoreLeftEntries(int loadedProject, const std::function<void()>& saveEntries) {
    if (loadedProject != projectGeneration_) return;
    try {
        saveEntries();
    } catch (const std::exception& e) {
        std::cerr << "Orvalen: the entries of a window that was left were not stored: " << e.what()
                  << std::endl;
    }
}

// ---- Edit menu and Exit

void MDIMain::MenuEditDefineOptions_Click() {
    // Every window is read, in this order, which loads the ones not loaded yet.
    const bool costs = fmCosts().Visible();
    const bool customACAC = fmCustomACAC().Visible();
    const bool customACAG = fmCustomACAG().Visible();
    const bool defaultACAC = fmDefaultACAC().Visible();
    const bool defaultACAG = fmDefaultACAG().Visible();
    if (costs || customACAC || customACAG || defaultACAC || defaultACAG) {
        MsgBox(QStringLiteral(
                   "Option Definitions Cannot Be Updated While Cost or Analysis Screens Are Open"),
               MsgStyle::OkExclamation, QStringLiteral("System Status"));
        return;
    }
    fmDefineOptions().Show();
}

void MDIMain::MenuEditSetCosts_Click() {
    FmCosts& costs = fmCosts();
    costs.Move(0, 0);
    costs.Show();
    costs.TbxAsphaltCost->setFocus();
}

void MDIMain::MenuEditPlotResults_Click() { fmPlotResults().Show(); }

void MDIMain::MenuFileExit_Click() {
    // At once: no question, no other window's handler, the working file stays on disk.
    ActivationTracker::instance().setEnabled(false);
    ended_ = true;
    QCoreApplication::exit(0);
}

void MDIMain::closeEvent(QCloseEvent* e) {
    e->accept();
    MenuFileExit_Click();
}

// ---- File menu

void MDIMain::OfferSave() {
    if (!bStateChanged) return;
    if (MsgBox(kSavePrompt, MsgStyle::YesNoExclamation, QStringLiteral("SAVE ??")) ==
        MsgAnswer::Yes)
        MenuFileSave_Click();
}

void MDIMain::MenuFileNew_Click() {
    OfferSave();
    try {
        ResetProjectTables();
        fmCosts().ResetEntries();
        fmDataEntry().ResetEntries();
    } catch (const std::exception& e) {
        MsgBox(QStringLiteral(" Cannot Start A New Project: ") +
                   UserReason(e, QStringLiteral("the new project could not be loaded")),
               MsgStyle::OkExclamation, QStringLiteral("New File Error"));
        return;
    }
    bStateChanged = true;
}

std::optional<QString> MDIMain::ReservedPath(const QString& path) const {
    switch (ReservedProjectFile(path, strTemplateFile, strWorkFile)) {
        case ReservedFile::Template:
            return strTemplateFile;
        case ReservedFile::WorkingCopy:
            return strWorkFile;
        case ReservedFile::None:
            break;
    }
    return std::nullopt;
}

std::optional<QString> MDIMain::ChooseFile(const QString& filter, bool (CommonDialog::*show)()) {
    // A cancel is a failure that ends the command; so is an empty name.
    CommonFileDialog.CancelError = true;
    CommonFileDialog.Flags = CommonDialog::OFNHideReadOnly;
    CommonFileDialog.Filter = filter;
    CommonFileDialog.FilterIndex = 2;
    if (!(CommonFileDialog.*show)() || CommonFileDialog.FileName.isEmpty()) return std::nullopt;
    return CommonFileDialog.FileName;
}

void MDIMain::MenuFileOpen_Click() {
    OfferSave();
    const std::optional<QString> chosen = ChooseFile(kOpenFilter, &CommonDialog::ShowOpen);
    if (!chosen) return;
    const QString& name = *chosen;
    if (name.contains(QLatin1Char('\''))) {
        MsgBox(QStringLiteral(" Cannot Open File Name ") + name + kSpecialCharacters,
               MsgStyle::OkExclamation, QStringLiteral("Open File Error"));
        return;
    }
    // A refused file never becomes the current one: a later Save does what it would have
    // done before the Open.
    if (auto reserved = ReservedPath(name)) {
        MsgBox(*reserved + kReserved, MsgStyle::OkExclamation, QStringLiteral("Open File Error"));
        return;
    }
    // The file is checked and copied in one transaction before anything of the working
    // project is given up.
    try {
        CopyProjectIn(dbVORN, name);
        ++projectGeneration_;
    } catch (const DbError& e) {
        MsgBox(QStringLiteral(" Cannot Open File ") + name +
                   QStringLiteral(" As A VORN Project: ") +
                   UserReason(e, QStringLiteral("it could not be read")),
               MsgStyle::OkExclamation, QStringLiteral("Open File Error"));
        MoveAllFirst();
        return;
    }
    strProjectFile = name;
    bStateChanged = false;
    try {
        MoveAllFirst();
        fmCosts().ResetEntries();
        fmDataEntry().ResetEntries();
        fmDefineOptions().Reset();
    } catch (const std::exception&) {
        // As the command's other failures after the dialog: it ends here.
    }
}

void MDIMain::MenuFileSave_Click() {
    if (!strProjectFile.isEmpty())
        SaveProjectFile();
    else
        MenuFileSaveAs_Click();
}

void MDIMain::MenuFileSaveAs_Click() {
    const std::optional<QString> chosen = ChooseFile(kSaveFilter, &CommonDialog::ShowSave);
    if (!chosen) return;
    const QString& name = *chosen;
    if (name.contains(QLatin1Char('\''))) {
        MsgBox(QStringLiteral(" Cannot Save File Name ") + name + kSpecialCharacters, MsgStyle::Ok,
               QStringLiteral("Save File Error"));
        return;
    }
    // A save that writes nothing leaves no current file that a later Save would replace
    // without asking.
    auto declined = [&] {
        if (!strProjectFile.isEmpty() &&
            QFileInfo(strProjectFile)
                    .absoluteFilePath()
                    .compare(QFileInfo(name).absoluteFilePath(), Qt::CaseInsensitive) == 0)
            strProjectFile.clear();
    };
    if (name.size() <= 4) {
        declined();
        return;
    }
    if (QFileInfo::exists(name)) {
        if (MsgBox(name + QStringLiteral(" Already Exists. Overwrite ?? "),
                   MsgStyle::YesNoExclamation, QStringLiteral("Save As")) != MsgAnswer::Yes) {
            declined();
            return;
        }
    }
    strProjectFile = name;
    SaveProjectFile();
}

bool MDIMain::SaveProjectFile() {
    if (auto reserved = ReservedPath(strProjectFile)) {
        MsgBox(*reserved + kReserved, MsgStyle::OkExclamation, QStringLiteral("New File Error"));
        return false;
    }
    try {
        try {
            fmDataEntry().SaveEntries();
            fmCosts().SaveEntries();
        } catch (const DbError& e) {
            // Only the working copy was written so far: the target file is not the cause.
            throw WorkingCopyWriteError(e, strWorkFile);
        }
        WriteProjectFile(dbVORN, strProjectFile, writeOptions);
    } catch (const std::exception& e) {
        // The old file stays as it was; the project stays marked as changed.
        MsgBox(QStringLiteral(" Cannot Save File ") + strProjectFile + QStringLiteral(": ") +
                   UserReason(e, QStringLiteral("it could not be written")),
               MsgStyle::OkExclamation, QStringLiteral("Save File Error"));
        return false;
    }
    bStateChanged = false;
    return true;
}

void MDIMain::MenuFilePrintSetup_Click() {
    if (!PrinterOK) {
        MsgBox(QStringLiteral("Cannot Find An Installed Printer"), MsgStyle::Ok,
               QStringLiteral("Printer Setup"));
        return;
    }
    // A cancelled printer dialog ends the command.
    CommonFileDialog.ShowPrinter();
}

void MDIMain::MenuFilePrint_Click() { PrintReport(*this); }

}  // namespace orv

// Start-up to a ready frame, and Open and Save of a project, beside a bare Qt MDI frame.
// Each benchmark also reports its disk syncs per iteration ("syncs"): every fsync and
// fdatasync of the process, SQLite's included, passes through the counters below.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <atomic>

#include "analysis/custom_aggregate/fm_custom_acag.h"
#include "analysis/custom_asphalt/fm_custom_acac.h"
#include "analysis/default/fm_default_acac.h"
#include "analysis/default/fm_default_acag.h"
#include "platform/dialogs.h"
#include "shell/application.h"
#include "shell/fm_logo.h"
#include "shell/mdi_main.h"
#include "store/project_store.h"
#include "store/schema.h"

namespace {

std::atomic<int64_t> syncs{0};

template <class F>
int CountedSync(const char* name, int fd) {
    static const auto real = reinterpret_cast<F*>(dlsym(RTLD_NEXT, name));
    ++syncs;
    return real(fd);
}

}  // namespace

extern "C" int fsync(int fd) { return CountedSync<int(int)>("fsync", fd); }
extern "C" int fdatasync(int fd) { return CountedSync<int(int)>("fdatasync", fd); }

namespace {

// Reports the syncs from here to the end of the scope, per iteration.
class SyncCounter {
  public:
    explicit SyncCounter(benchmark::State& state) : state_(state), start_(syncs) {}
    ~SyncCounter() {
        state_.counters["syncs"] =
            benchmark::Counter(double(syncs - start_), benchmark::Counter::kAvgIterations);
    }

  private:
    benchmark::State& state_;
    int64_t start_;
};

void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

struct Folder {
    QTemporaryDir tmp;
    Folder() {
#ifdef ORVALEN_TEMPLATE_FILE
        QFile::copy(QStringLiteral(ORVALEN_TEMPLATE_FILE), tmp.path() + "/VORN.mdb");
#else
        orv::schema::WriteTemplate(tmp.path() + "/VORN.mdb");
#endif
    }
};

orv::ScriptedBackend& scripted() {
    static orv::ScriptedBackend* backend = [] {
        auto b = std::make_unique<orv::ScriptedBackend>();
        auto* raw = b.get();
        orv::SetBackend(std::move(b));
        return raw;
    }();
    return *backend;
}

void BM_BareMdiFrame(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow frame;
        auto* area = new QMdiArea(&frame);
        frame.setCentralWidget(area);
        auto* child = new QWidget;
        area->addSubWindow(child)->show();
        frame.show();
        settle();
    }
}
BENCHMARK(BM_BareMdiFrame)->Unit(benchmark::kMillisecond);

void BM_StartUp(benchmark::State& state) {
    scripted();
    Folder folder;
    SyncCounter counter(state);
    for (auto _ : state) {
        orv::Application app(folder.tmp.path());
        settle();
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

// Steps of start-up on their own, to see where its time goes.
void BM_StartUpSplashPicture(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(orv::SplashPicture());
}
BENCHMARK(BM_StartUpSplashPicture)->Unit(benchmark::kMillisecond);

void BM_StartUpPrinterList(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(QPrinterInfo::availablePrinterNames());
}
BENCHMARK(BM_StartUpPrinterList)->Unit(benchmark::kMillisecond);

void BM_StartUpWorkingCopy(benchmark::State& state) {
    Folder folder;
    const QString templatePath = folder.tmp.path() + "/VORN.mdb";
    const QString workPath = folder.tmp.path() + "/VORNTMP.mdb";
    SyncCounter counter(state);
    for (auto _ : state) orv::MakeWorkingCopy(templatePath, workPath);
}
BENCHMARK(BM_StartUpWorkingCopy)->Unit(benchmark::kMillisecond);

// A running application whose project has been saved once as `file`.
struct SavedProject {
    Folder folder;
    orv::Application app{folder.tmp.path()};
    QString file = folder.tmp.path() + "/bench.mdb";
    SavedProject() {
        scripted().fileNames.push_back(file);
        app.main().MenuFileSaveAs_Click();
    }
};

void BM_SaveProject(benchmark::State& state) {
    scripted();
    SavedProject p;
    SyncCounter counter(state);
    for (auto _ : state) p.app.main().MenuFileSave_Click();
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

void BM_OpenProject(benchmark::State& state) {
    auto& backend = scripted();
    SavedProject p;
    SyncCounter counter(state);
    for (auto _ : state) {
        p.app.main().bStateChanged = false;
        backend.fileNames.push_back(p.file);
        p.app.main().MenuFileOpen_Click();
    }
}
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond);

// One activation of each default results window on a whole project.
template <class Window, Window& (orv::MDIMain::*Get)()>
void BM_ActivateDefaultWindow(benchmark::State& state) {
    scripted();
    Folder folder;
    orv::Application app(folder.tmp.path());
    orv::Recordset& r = app.main().rstVORN;
    r.Edit();
    for (auto [f, v] : std::initializer_list<std::pair<const char*, double>>{{"Area", 126720},
                                                                             {"SurfaceDepthOne", 4},
                                                                             {"BaseCourseOne", 8},
                                                                             {"SurfaceDepthTwo", 6},
                                                                             {"BaseCourseTwo", 6},
                                                                             {"InflationRate", 3.5},
                                                                             {"InterestRate", 6},
                                                                             {"ModMaintenance", 1}})
        r.SetField(QString::fromLatin1(f), v);
    r.Update();
    Window& window = (app.main().*Get)();
    SyncCounter counter(state);
    for (auto _ : state) window.Form_Activate();
}
BENCHMARK(BM_ActivateDefaultWindow<orv::FmDefaultACAG, &orv::MDIMain::fmDefaultACAG>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ActivateDefaultWindow<orv::FmDefaultACAC, &orv::MDIMain::fmDefaultACAC>)
    ->Unit(benchmark::kMillisecond);

// One activation of a custom-schedule window whose stored schedule fills all nine rows of
// both options.
template <class Window, Window& (orv::MDIMain::*Get)(), orv::Recordset orv::MDIMain::*Table>
void BM_ActivateCustomWindow(benchmark::State& state) {
    scripted();
    Folder folder;
    orv::Application app(folder.tmp.path());
    orv::MDIMain& main = app.main();
    orv::Recordset& r = main.rstVORN;
    r.Edit();
    for (auto [f, v] :
         std::initializer_list<std::pair<const char*, double>>{{"Area", 126720},
                                                               {"SurfaceDepthOne", 4},
                                                               {"BaseCourseOne", 8},
                                                               {"SurfaceDepthTwo", 6},
                                                               {"BaseCourseTwo", 6},
                                                               {"InflationRate", 3.5},
                                                               {"InterestRate", 6},
                                                               {"CustomMaintenance", 1}})
        r.SetField(QString::fromLatin1(f), v);
    r.Update();
    Window& window = (main.*Get)();
    orv::Recordset& schedule = main.*Table;
    schedule.Edit();
    for (int o = 0; o < 2; ++o) {
        for (int i = 0; i < orv::kCustomRows; ++i) {
            const QString& word = orv::kRowWords[i];
            const QStringList entries =
                orv::ActivityEntries(*window.traits().activities[static_cast<size_t>(o)],
                                     {"Other Type One", "Other Type Two", "Other Type Three"});
            schedule.SetField(orv::ScheduleColumn(o, word, QString()), entries[i % entries.size()]);
            schedule.SetField(orv::ScheduleColumn(o, word, "Year"), 3 * i + 2);
            schedule.SetField(orv::ScheduleColumn(o, word, "Depth"), 1.5 + i);
        }
    }
    schedule.Update();
    SyncCounter counter(state);
    for (auto _ : state) window.Form_Activate();
}
BENCHMARK(BM_ActivateCustomWindow<orv::FmCustomACAG, &orv::MDIMain::fmCustomACAG,
                                  &orv::MDIMain::rstCustomACAG>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ActivateCustomWindow<orv::FmCustomACAC, &orv::MDIMain::fmCustomACAC,
                                  &orv::MDIMain::rstCustomACAC>)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

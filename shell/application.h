// Starting the application: main() and the tests start it the same way.
#pragma once

#include <QString>
#include <memory>

namespace orv {

class MDIMain;

class Application {
public:
    // Starts on `appFolder`, the folder of the template and the working file.
    explicit Application(const QString& appFolder);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    const QString& folder() const { return folder_; }
    MDIMain& main() { return *main_; }

private:
    QString folder_;
    std::unique_ptr<MDIMain> main_;
};

// The executable's folder, with "/" as separator.
QString ExecutableFolder();

// Runs the application until the frame closes; the exit status.
int RunOrvalen();

}  // namespace orv

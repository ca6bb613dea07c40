// The application's frame: an MDI frame holding the borderless child windows.
#pragma once

#include <QMainWindow>

class QMdiArea;

namespace orv {

class MDIMain : public QMainWindow {
    Q_OBJECT
public:
    MDIMain();
    QMdiArea* area() const { return area_; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QMdiArea* area_;
};

}  // namespace orv

// A window of the application: loaded on first use, shown modeless, with load,
// activation and deactivation handlers.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

class QMdiArea;
class QMdiSubWindow;

namespace orv {

class Form : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { TopLevel, MdiChild };

    // A top-level window has no parent; an MDI child lives in `area`, borderless.
    Form(const QString& name, Kind kind = Kind::TopLevel, QMdiArea* area = nullptr);
    ~Form() override;

    Kind kind() const { return kind_; }
    // The widget that is moved, shown and hidden: the sub-window of an MDI child, else this.
    QWidget* outer() const;

    // Runs the load handler once. An MDI child shows with its frame as it loads.
    void Load();
    bool IsLoaded() const { return loaded_; }

    // Puts the window's top left corner, a top-level window's frame, at (left, top) twips of the
    // frame's client area (an MDI child) or of the screen (a top-level window); the size stays.
    void Move(int leftTwips, int topTwips);
    // Modeless: visible and active; the activation handler runs before Show returns.
    void Show();
    void Hide();
    // Show and at once Hide, their handlers run as for the two. It serves windows not yet
    // shown at start-up: a top-level window that was hidden never reaches the screen, so the
    // window manager neither frames nor focuses it. Its window-system window is dropped after
    // and the window moved back to its place: moved without one, a window's frame is placed
    // there at its first showing. Only a real window manager shows either; the desktop tests
    // guard both.
    void ShowAndHide();
    bool Visible() const;

    void SetCaption(const QString& caption);
    // The client area's size in twips.
    void SetClientSizeTwips(int width, int height);

    // Whether this is the window the activation tracker holds as active.
    bool IsActiveForm() const;

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}

    // The control that last held the focus within this window.
    QWidget* activeControl() const { return activeControl_; }

  protected:
    // The window's close box hides it, as "Close" does.
    void closeEvent(QCloseEvent* e) override;

  private:
    friend class FocusTracker;
    Kind kind_;
    QPointer<QMdiArea> area_;
    QPointer<QMdiSubWindow> sub_;
    bool loaded_ = false;
    QPointer<QWidget> activeControl_;
    // Where Move last put a top-level window's frame, in screen pixels.
    std::optional<QPoint> placedAt_;
};

// The Form a widget belongs to, if any (walks up the parents within one window).
Form* FormOf(QWidget* w);

}  // namespace orv

#include "platform/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

#include "platform/activation.h"
#include "platform/focus.h"
#include "platform/twips.h"

namespace orv {

Form::Form(const QString& name, Kind kind, QMdiArea* area) : kind_(kind), area_(area) {
    setObjectName(name);
    FocusTracker::instance();  // the focus rules hold from the first window on
    if (kind_ == Kind::MdiChild) {
        Q_ASSERT(area);
        sub_ = new QMdiSubWindow(nullptr, Qt::FramelessWindowHint);
        sub_->setObjectName(name + QStringLiteral("_Frame"));
        sub_->setWidget(this);
        sub_->setAttribute(Qt::WA_DeleteOnClose, false);
        sub_->hide();
        area->addSubWindow(sub_);
        sub_->hide();
    } else {
        setWindowFlag(Qt::Window, true);
        setAttribute(Qt::WA_DeleteOnClose, false);
    }
}

Form::~Form() { ActivationTracker::instance().forget(this); }

QWidget* Form::outer() const {
    if (sub_) return sub_;
    return const_cast<Form*>(this);
}

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    if (kind_ == Kind::MdiChild) sub_->show();
    Form_Load();
}

void Form::Move(int leftTwips, int topTwips) {
    Load();
    QPoint at(TwipsToPixels(leftTwips), TwipsToPixels(topTwips));
    if (kind_ == Kind::TopLevel) {
        if (auto* s = screen() ? screen() : QGuiApplication::primaryScreen())
            at += s->geometry().topLeft();
        placedAt_ = at;
    }
    outer()->move(at);
}

void Form::Show() {
    Load();
    QWidget* w = outer();
    w->show();
    w->raise();
    ActivationTracker::instance().activate(this);
}

void Form::Hide() {
    Load();
    QWidget* w = outer();
    if (w->isHidden()) return;
    bool wasActiveChild = sub_ && area_ && area_->activeSubWindow() == sub_;
    w->hide();
    ActivationTracker::instance().hidden(this);
    if (wasActiveChild) {
        // The frame's next visible child becomes its active one.
        const auto list = area_->subWindowList(QMdiArea::StackingOrder);
        for (auto it = list.rbegin(); it != list.rend(); ++it) {
            if (*it != sub_ && !(*it)->isHidden()) {
                area_->setActiveSubWindow(*it);
                break;
            }
        }
    }
}

void Form::ShowAndHide() {
    Load();
    QWidget* w = outer();
    const bool unseen = kind_ == Kind::TopLevel && w->isHidden();
    if (unseen) w->setAttribute(Qt::WA_DontShowOnScreen, true);
    Show();
    Hide();
    if (!unseen) return;
    w->setAttribute(Qt::WA_DontShowOnScreen, false);
    ActivationTracker::instance().unseen(w);
    // No window-system window is left behind, and the place Move gave is asked for again:
    // the first real showing frames and places the window as that of a window never shown.
    destroy(true, true);
    if (placedAt_) move(*placedAt_);
}

bool Form::Visible() const {
    const_cast<Form*>(this)->Load();
    return !outer()->isHidden();
}

void Form::SetCaption(const QString& caption) { outer()->setWindowTitle(caption); }

void Form::SetClientSizeTwips(int width, int height) {
    QSize size(TwipsToPixels(width), TwipsToPixels(height));
    setFixedSize(size);
    if (sub_) sub_->resize(size);
}

void Form::closeEvent(QCloseEvent* e) {
    e->ignore();
    Hide();
}

bool Form::IsActiveForm() const { return ActivationTracker::instance().current() == this; }

Form* FormOf(QWidget* w) {
    for (; w; w = w->parentWidget()) {
        if (auto* f = qobject_cast<Form*>(w)) return f;
        if (w->isWindow() && !qobject_cast<QMdiSubWindow*>(w)) {
            // Another window (a popup, a message box): it belongs to no form.
            return nullptr;
        }
    }
    return nullptr;
}

}  // namespace orv

#include "platform/activation.h"

#include <QApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "platform/form.h"

namespace orv {

ActivationTracker& ActivationTracker::instance() {
    static ActivationTracker* tracker = new ActivationTracker();
    return *tracker;
}

ActivationTracker::ActivationTracker() { qApp->installEventFilter(this); }

void ActivationTracker::switchTo(Form* form) {
    if (!enabled_ || form == current_) return;
    Form* previous = current_;
    current_ = form;
    ++changes_;
    if (previous) previous->Form_Deactivate();
    // A deactivation handler that activated yet another window has superseded this one.
    if (form && current_ == form) form->Form_Activate();
}

void ActivationTracker::activate(Form* form) {
    QWidget* window = form->kind() == Form::Kind::MdiChild ? form->outer()->window() : form;
    if (form->kind() == Form::Kind::MdiChild) {
        auto* sub = qobject_cast<QMdiSubWindow*>(form->outer());
        if (auto* area = sub ? sub->mdiArea() : nullptr) area->setActiveSubWindow(sub);
        // A child of a frame not shown yet becomes active when the frame does.
        if (!window->isVisible()) return;
    }
    if (QApplication::activeWindow() != window) {
        pending_ = window;
        window->activateWindow();
    }
    switchTo(form);
}

void ActivationTracker::hidden(Form* form) {
    if (!enabled_ || form != current_) return;
    current_ = nullptr;
    ++changes_;
    form->Form_Deactivate();
}

void ActivationTracker::forget(Form* form) {
    if (current_ == form) current_ = nullptr;
}

void ActivationTracker::watchMdiArea(QMdiArea* area) {
    connect(area, &QMdiArea::subWindowActivated, this,
            [this, area](QMdiSubWindow* sub) { onSubWindowActivated(area, sub); });
}

Form* ActivationTracker::formForWindow(QWidget* window) const {
    if (auto* form = qobject_cast<Form*>(window)) return form;
    if (auto* area = window->findChild<QMdiArea*>()) {
        if (auto* sub = area->activeSubWindow(); sub && !sub->isHidden())
            return qobject_cast<Form*>(sub->widget());
    }
    return nullptr;
}

void ActivationTracker::onWindowActivated(QWidget* window) {
    if (pending_ && window != pending_) return;  // stale: the program has moved on
    pending_ = nullptr;
    if (Form* form = formForWindow(window)) switchTo(form);
}

void ActivationTracker::onSubWindowActivated(QMdiArea* area, QMdiSubWindow* sub) {
    if (!sub || sub->isHidden()) return;
    QWidget* frame = area->window();
    if (pending_ && pending_ != frame) return;
    if (QApplication::activeWindow() != frame && pending_ != frame) return;
    if (auto* form = qobject_cast<Form*>(sub->widget())) switchTo(form);
}

bool ActivationTracker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowActivate:
            if (watched->isWidgetType()) {
                auto* w = static_cast<QWidget*>(watched);
                if (w->isWindow()) onWindowActivated(w);
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
            // The user acts: from here on the window system's activations are the user's.
            if (event->spontaneous()) pending_ = nullptr;
            break;
        default:
            break;
    }
    return false;
}

}  // namespace orv

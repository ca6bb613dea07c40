#include "platform/focus.h"

#include <QApplication>
#include <QHash>
#include <QWidget>

#include "platform/form.h"

namespace orv {
namespace {

struct Handlers {
    std::function<void()> gotFocus;
    std::function<void()> lostFocus;
};

const char* const kHandlersProperty = "orvFocusHandlers";

Handlers* handlersOf(QWidget* w) {
    return static_cast<Handlers*>(w->property(kHandlersProperty).value<void*>());
}

}  // namespace

FocusTracker& FocusTracker::instance() {
    static FocusTracker* tracker = new FocusTracker();
    return *tracker;
}

FocusTracker::FocusTracker() {
    connect(qApp, &QApplication::focusChanged, this, &FocusTracker::onFocusChanged);
}

void FocusTracker::watch(QWidget* control, std::function<void()> gotFocus,
                         std::function<void()> lostFocus) {
    Handlers* h = handlersOf(control);
    if (!h) {
        h = new Handlers;
        control->setProperty(kHandlersProperty, QVariant::fromValue<void*>(h));
        connect(control, &QObject::destroyed, [h] { delete h; });
    }
    if (gotFocus) h->gotFocus = std::move(gotFocus);
    if (lostFocus) h->lostFocus = std::move(lostFocus);
}

QWidget* FocusTracker::controlOf(QWidget* w) const {
    // The inner line edit of a combo box stands for the combo box.
    for (; w; w = w->parentWidget()) {
        if (w->isWindow()) return nullptr;
        if (handlersOf(w) || qobject_cast<Form*>(w->parentWidget())) return w;
    }
    return nullptr;
}

void FocusTracker::onFocusChanged(QWidget*, QWidget* now) {
    if (!now) return;                                      // another application
    if (now->window()->windowType() == Qt::Popup) return;  // a list's popup
    Form* form = FormOf(now);
    if (!form) return;  // a message box, a dialog, or no form of ours
    QWidget* control = controlOf(now);
    if (!control) return;
    QPointer<QWidget> previous = form->activeControl_;
    if (previous == control) return;
    form->activeControl_ = control;
    if (previous) {
        if (Handlers* h = handlersOf(previous); h && h->lostFocus) h->lostFocus();
    }
    if (Handlers* h = handlersOf(control); h && h->gotFocus && form->activeControl_ == control)
        h->gotFocus();
}

}  // namespace orv

#include "platform/controls.h"

#include <QCompleter>
#include <QCoreApplication>
#include <QFont>
#include <QKeyEvent>
#include <QPalette>
#include <QPointer>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QValidator>
#include <cmath>

#include "platform/focus.h"
#include "platform/twips.h"

namespace orv {
namespace {

QCompleter* PlaceholderCompleter() {
    static QPointer<QCompleter> placeholder;
    if (!placeholder) placeholder = new QCompleter(QCoreApplication::instance());
    return placeholder;
}

void placeIfGiven(QWidget* w, int l, int t, int wd, int h) {
    if (wd > 0 && h > 0) PlaceTwips(w, l, t, wd, h);
}

// Refuses typing that makes the text longer than the box's limit; text the program
// set stays, however long, and the user may still shorten it.
class LengthLimit : public QValidator {
  public:
    LengthLimit(TextBox* box, const int* limit, const QString* committed, const int* programSet)
        : QValidator(box), limit_(limit), committed_(committed), programSet_(programSet) {}
    State validate(QString& input, int&) const override {
        if (*programSet_ || *limit_ <= 0) return Acceptable;
        if (input.size() > *limit_ && input.size() > committed_->size()) return Invalid;
        return Acceptable;
    }

  private:
    const int* limit_;
    const QString* committed_;
    const int* programSet_;
};

}  // namespace

void SetFont(QWidget* w, const QString& family, double pointSize, bool bold, bool italic,
             bool underline) {
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    w->setFont(f);
}

void SetColors(QWidget* w, const QColor& fore, const QColor& back) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, fore);
    p.setColor(QPalette::Text, fore);
    p.setColor(QPalette::ButtonText, fore);
    if (back.isValid()) {
        p.setColor(QPalette::Window, back);
        p.setColor(QPalette::Base, back);
        p.setColor(QPalette::Button, back);
        w->setAutoFillBackground(true);
    }
    w->setPalette(p);
}

// ---- TextBox

TextBox::TextBox(QWidget* parent, const QString& name, int l, int t, int wd, int h)
    : QLineEdit(parent) {
    setObjectName(name);
    placeIfGiven(this, l, t, wd, h);
    setValidator(new LengthLimit(this, &maxLength_, &committed_, &programSet_));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        committed_ = text;
        if (Change) Change();
    });
    FocusTracker::instance().watch(
        this,
        [this] {
            if (GotFocus) GotFocus();
        },
        [this] {
            if (LostFocus) LostFocus();
        });
}

void TextBox::SetText(const QString& t) {
    if (t == text()) return;
    // setText goes through the validator too; the limit must not apply to it. A Change
    // handler may set the text again, nested.
    ++programSet_;
    setText(t);
    --programSet_;
}

void TextBox::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    if (!selectOnFocus_) return;
    selectAll();
    selectOnRelease_ = e->reason() == Qt::MouseFocusReason;
}

void TextBox::mouseReleaseEvent(QMouseEvent* e) {
    QLineEdit::mouseReleaseEvent(e);
    if (selectOnRelease_) {
        selectOnRelease_ = false;
        selectAll();
    }
}

// ---- Label

Label::Label(QWidget* parent, const QString& name, const QString& caption, int l, int t, int wd,
             int h)
    : QLabel(parent) {
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    setText(caption);
    placeIfGiven(this, l, t, wd, h);
}

// ---- Button

Button::Button(QWidget* parent, const QString& name, const QString& caption, int l, int t, int wd,
               int h)
    : QPushButton(caption, parent) {
    setObjectName(name);
    setAutoDefault(false);
    placeIfGiven(this, l, t, wd, h);
    connect(this, &QPushButton::clicked, this, [this] {
        if (Click) Click();
    });
    FocusTracker::instance().watch(this, {}, [this] {
        if (LostFocus) LostFocus();
    });
}

void Button::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void Button::SetWordWrap(bool wrap) {
    wordWrap_ = wrap;
    update();
}

void Button::paintEvent(QPaintEvent* e) {
    if (!wordWrap_) {
        QPushButton::paintEvent(e);
        return;
    }
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    p.drawItemText(room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                   isEnabled(), caption, QPalette::ButtonText);
}

Button* ButtonRow::Add(const QString& name, const QString& caption) {
    auto* b = new Button(parent_, name, caption, x_, top_, width_, height_);
    x_ += width_ + gap_;
    if (previous_) QWidget::setTabOrder(previous_, b);
    previous_ = b;
    return b;
}

// ---- CheckBox

CheckBox::CheckBox(QWidget* parent, const QString& name, const QString& caption, int l, int t,
                   int wd, int h)
    : QCheckBox(caption, parent) {
    setObjectName(name);
    placeIfGiven(this, l, t, wd, h);
    connect(this, &QCheckBox::toggled, this, [this] {
        if (Click) Click();
    });
    FocusTracker::instance().watch(this, {}, [this] {
        if (LostFocus) LostFocus();
    });
}

void CheckBox::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        toggle();
        return;
    }
    QCheckBox::keyPressEvent(e);
}

// ---- ComboBox

ComboBox::ComboBox(QWidget* parent, const QString& name, int l, int t, int wd, int h)
    : QComboBox(parent) {
    setObjectName(name);
    // Editable through a line edit of its own: setEditable would also build the list's
    // popup, which is built on the first use instead.
    auto* edit = new QLineEdit(this);
    // setLineEdit builds a completer of its own for a line edit that has none; the box
    // uses no completer, so a shared placeholder stands in until it is taken off below.
    edit->setCompleter(PlaceholderCompleter());
    setLineEdit(edit);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    placeIfGiven(this, l, t, wd, h);
    if (!testAttribute(Qt::WA_Resized)) adjustSize();
    lineEdit()->setObjectName(name + QStringLiteral("_Edit"));
    // Leaving the box with an entry's text typed selects nothing: only a pick is a Click.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    // Enter neither inserts nor selects an entry.
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this](int index) {
        // The user picked an entry from the list (the same one again included).
        QSignalBlocker block(this);
        setEditText(itemText(index));
        block.unblock();
        if (Click) Click();
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (currentIndex() >= 0 && itemText(currentIndex()) != text) {
            // The typed text is no longer the selected entry: nothing is selected.
            int cursor = lineEdit()->cursorPosition();
            QSignalBlocker block(this);
            setCurrentIndex(-1);
            setEditText(text);
            lineEdit()->setCursorPosition(cursor);
        }
        if (Change) Change();
    });
    FocusTracker::instance().watch(
        this,
        [this] {
            if (GotFocus) GotFocus();
        },
        [this] {
            if (LostFocus) LostFocus();
        });
}

QSize ComboBox::sizeHint() const {
    sizeHintTaken_ = true;
    return QComboBox::sizeHint();
}

QSize ComboBox::minimumSizeHint() const {
    sizeHintTaken_ = true;
    return QComboBox::minimumSizeHint();
}

// The list's popup is the box's one child window.
bool ComboBox::ListBuilt() const {
    for (const QObject* child : children()) {
        if (child->isWidgetType() && static_cast<const QWidget*>(child)->isWindow()) return true;
    }
    return false;
}

void ComboBox::changeEvent(QEvent* event) {
    // A font set before the box has measured itself or built its list needs no more than
    // a repaint: the list, built on first use, takes the box's font then. The combo box's
    // own handling would build the list now, which is most of the cost of a box.
    if (event->type() == QEvent::FontChange && !sizeHintTaken_ && !ListBuilt()) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

bool ComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void ComboBox::AddItem(const QString& entry) {
    QSignalBlocker block(this);
    const int index = currentIndex();
    const QString text = currentText();
    addItem(entry);
    if (currentIndex() != index) {
        setCurrentIndex(index);
        setEditText(text);
    }
}

void ComboBox::Clear() {
    QSignalBlocker block(this);
    clear();
    setEditText(QString());
}

void ComboBox::SetListIndex(int i) {
    {
        QSignalBlocker block(this);
        setCurrentIndex(i);
        setEditText(i >= 0 && i < count() ? itemText(i) : QString());
    }
    if (i >= 0 && i < count() && Click) Click();
}

QStringList ComboBox::Entries() const {
    QStringList entries;
    for (int i = 0; i < count(); ++i) entries << itemText(i);
    return entries;
}

void ComboBox::SelectEqualEntries(const QString& text, int entries) {
    for (int i = 0; i < entries && i < count(); ++i)
        if (itemText(i) == text) SetListIndex(i);
}

void ComboBox::SetText(const QString& t) {
    QSignalBlocker block(this);
    if (currentIndex() < 0 || itemText(currentIndex()) != t) setCurrentIndex(Entries().indexOf(t));
    setEditText(t);
}

void ComboBox::SetMaxLength(int length) { lineEdit()->setMaxLength(length > 0 ? length : 32767); }

// ---- Line

Line::Line(QWidget* parent, const QString& name, int x1, int y1, int x2, int y2) : QFrame(parent) {
    setObjectName(name);
    const bool horizontal = std::abs(y2 - y1) < std::abs(x2 - x1);
    setFrameShape(horizontal ? QFrame::HLine : QFrame::VLine);
    setFrameShadow(QFrame::Plain);
    if (horizontal)
        PlaceTwips(this, std::min(x1, x2), y1, std::abs(x2 - x1), 15);
    else
        PlaceTwips(this, x1, std::min(y1, y2), 15, std::abs(y2 - y1));
}

}  // namespace orv

// The controls of the application's windows, with the event semantics the windows rely on.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <vector>

namespace orv {

// Sets a control's font: family, point size (fractions allowed), bold, italic.
void SetFont(QWidget* w, const QString& family, double pointSize, bool bold = false,
             bool italic = false, bool underline = false);
// Sets the text colour, and the background unless it is invalid.
void SetColors(QWidget* w, const QColor& fore, const QColor& back = QColor());

class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    TextBox(QWidget* parent, const QString& name, int leftTw = 0, int topTw = 0, int widthTw = 0,
            int heightTw = 0);

    QString Text() const { return text(); }
    // Sets the text; when it differs from the box's text, runs the Change handler at once,
    // nested inside the caller, as typing does. The length limit does not apply.
    void SetText(const QString& t);
    // Whether the change being handled was made by SetText rather than by the user.
    bool ProgramChange() const { return programSet_ > 0; }
    // Limits what the user types (0: no limit); text set by the program may be longer.
    void SetMaxLength(int length) { maxLength_ = length; }
    int MaxLength() const { return maxLength_; }
    // Whether the whole text is selected when the box receives the focus (default on).
    void SetSelectOnFocus(bool on) { selectOnFocus_ = on; }

    std::function<void()> Change;     // every change of the text, by the user or the program
    std::function<void()> LostFocus;  // see FocusTracker
    std::function<void()> GotFocus;

  protected:
    void focusInEvent(QFocusEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    int maxLength_ = 0;
    QString committed_;
    int programSet_ = 0;
    bool selectOnFocus_ = true;
    bool selectOnRelease_ = false;
};

class Label : public QLabel {
    Q_OBJECT
  public:
    Label(QWidget* parent, const QString& name, const QString& caption = QString(), int leftTw = 0,
          int topTw = 0, int widthTw = 0, int heightTw = 0);
    QString Caption() const { return text(); }
    void SetCaption(const QString& c) { setText(c); }
};

class Button : public QPushButton {
    Q_OBJECT
  public:
    Button(QWidget* parent, const QString& name, const QString& caption, int leftTw = 0,
           int topTw = 0, int widthTw = 0, int heightTw = 0);
    std::function<void()> Click;
    std::function<void()> LostFocus;
    // A caption too wide for one line breaks between words; the caption itself is unchanged.
    void SetWordWrap(bool wrap);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

  private:
    bool wordWrap_ = false;
};

// Click runs whenever the value changes, by the user or by code; Enter toggles it, and so
// does a mouse click anywhere inside the control.
class CheckBox : public QCheckBox {
    Q_OBJECT
  public:
    CheckBox(QWidget* parent, const QString& name, const QString& caption, int leftTw = 0,
             int topTw = 0, int widthTw = 0, int heightTw = 0);
    int Value() const { return isChecked() ? 1 : 0; }
    void SetValue(int v) { setChecked(v != 0); }
    std::function<void()> Click;
    std::function<void()> LostFocus;

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// An editable list: its text may be none of its entries. Click runs synchronously when an
// entry is selected by the user or by code (SetListIndex, even of the current entry);
// Change runs on the user's edits of the text. Adding entries selects none.
class ComboBox : public QComboBox {
    Q_OBJECT
  public:
    ComboBox(QWidget* parent, const QString& name, int leftTw = 0, int topTw = 0, int widthTw = 0,
             int heightTw = 0);

    void AddItem(const QString& entry);
    void Clear();
    int ListCount() const { return count(); }
    QString List(int i) const { return itemText(i); }
    QStringList Entries() const;
    // Selects, in turn, every one of the first `count` entries whose text equals `text`
    // (each running Click), so the last equal one stays selected.
    void SelectEqualEntries(const QString& text, int count);
    int ListIndex() const { return currentIndex(); }
    // Selects entry i (its text becomes the box's text) and runs Click; -1 clears the
    // selection and runs nothing.
    void SetListIndex(int i);
    QString Text() const { return currentText(); }
    // Sets the text and makes the entry equal to it the current one (the current entry if
    // it is equal, else the first equal one; none when no entry is), so the list opens on it
    // and the arrow keys move on from it; runs no handler.
    void SetText(const QString& t);
    void SetMaxLength(int length);

    std::function<void()> Click;
    std::function<void()> Change;
    std::function<void()> LostFocus;
    std::function<void()> GotFocus;

    // As the combo box's; noted, since a later font change must then measure again.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    bool ListBuilt() const;
    mutable bool sizeHintTaken_ = false;
};

// Buttons placed left to right at `top`, `gap` twips apart, each following the previous
// control in the tab order.
class ButtonRow {
  public:
    ButtonRow(QWidget* parent, QWidget* previous, int left, int top, int width, int height, int gap)
        : parent_(parent),
          previous_(previous),
          x_(left),
          top_(top),
          width_(width),
          height_(height),
          gap_(gap) {}
    Button* Add(const QString& name, const QString& caption);

  private:
    QWidget* parent_;
    QWidget* previous_;
    int x_, top_, width_, height_, gap_;
};

// A line or shape drawn on a window.
class Line : public QFrame {
    Q_OBJECT
  public:
    Line(QWidget* parent, const QString& name, int x1Tw, int y1Tw, int x2Tw, int y2Tw);
};

// Elements 0 to n-1, each named Name_<index>.
template <class T>
class ControlArray {
  public:
    template <class Make>
    void create(int count, Make make) {
        for (int i = 0; i < count; ++i) items_.push_back(make(i));
    }
    T* operator[](int i) const { return items_.at(static_cast<size_t>(i)); }
    T* at(int i) const { return items_.at(static_cast<size_t>(i)); }
    int size() const { return static_cast<int>(items_.size()); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

  private:
    std::vector<T*> items_;
};

inline QString ElementName(const QString& name, int index) {
    return name + QLatin1Char('_') + QString::number(index);
}

}  // namespace orv

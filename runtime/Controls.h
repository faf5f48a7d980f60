#pragma once

#include <QLabel>
#include <QPixmap>
#include <QSize>
#include <QString>

class QLineEdit;
class QPushButton;

namespace runtime {

// Handles on the controls of a loaded window. A handle is only good until the
// window is unloaded; handlers take a fresh one from their form each time.

class CommandButton {
public:
    explicit CommandButton(QPushButton *widget) : widget_(widget) {}

    void setCaption(const QString &caption);
    QString caption() const;
    // A disabled button takes no click, access key or focus.
    void setEnabled(bool enabled);
    bool isEnabled() const;

    QPushButton *widget() const { return widget_; }

private:
    QPushButton *widget_;
};

// The widget of a label control, with what its stored layout says of its
// size, for the captions that code gives it later.
class LabelWidget final : public QLabel {
    Q_OBJECT

public:
    explicit LabelWidget(QWidget *parent) : QLabel(parent) {}

    bool autoSize = false; // it takes the size of each caption
    QSize storedSize;
    bool oneLine = false;  // too low for a second line of its font
    int roomOnRow = 0;     // how wide a one-line label may run on its row
    // Besides its text's advance: its frame, margins and indent, and a
    // character's width for the rounding of its size hint.
    int padding = 0;
};

class Label {
public:
    explicit Label(LabelWidget *widget) : widget_(widget) {}

    // Shown exactly as given: plain text, blanks kept.
    void setCaption(const QString &caption);
    QString caption() const;

    QLabel *widget() const { return widget_; }

private:
    LabelWidget *widget_;
};

class TextBox {
public:
    explicit TextBox(QLineEdit *widget) : widget_(widget) {}

    void setText(const QString &text);
    QString text() const;

    QLineEdit *widget() const { return widget_; }

private:
    QLineEdit *widget_;
};

// Pictures are shared, not copied: an image given another image's picture
// shows that very picture.
using Picture = QPixmap;

class Image {
public:
    explicit Image(QLabel *widget) : widget_(widget) {}

    Picture picture() const;
    // An empty Picture clears the image.
    void setPicture(const Picture &picture);

    QLabel *widget() const { return widget_; }

private:
    QLabel *widget_;
};

} // namespace runtime

#pragma once

#include <QPixmap>
#include <QString>

class QLabel;
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

class Label {
public:
    explicit Label(QLabel *widget) : widget_(widget) {}

    // Shown exactly as given: plain text, blanks kept.
    void setCaption(const QString &caption);
    QString caption() const;

    QLabel *widget() const { return widget_; }

private:
    QLabel *widget_;
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

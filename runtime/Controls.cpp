#include "runtime/Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace runtime {

void CommandButton::setCaption(const QString &caption)
{
    widget_->setText(caption);
}

QString CommandButton::caption() const
{
    return widget_->text();
}

void CommandButton::setEnabled(bool enabled)
{
    widget_->setEnabled(enabled);
}

bool CommandButton::isEnabled() const
{
    return widget_->isEnabled();
}

namespace {

// How wide a label may grow on its row: up to the nearest control to its
// right that shares the row, or else its container's inner edge.
int roomOnItsRow(const QLabel *label)
{
    QWidget *window = label->window();
    const QWidget *container = label->parentWidget();
    const QRect own(label->mapTo(window, QPoint()), label->size());
    int right = container->mapTo(window, container->contentsRect().topRight()).x() + 1;
    for (const QWidget *other : window->findChildren<QWidget *>()) {
        if (other == label || other->isAncestorOf(label) || !other->isVisibleTo(window))
            continue;
        const QRect theirs(other->mapTo(window, QPoint()), other->size());
        if (theirs.left() > own.left() && theirs.top() <= own.bottom() && theirs.bottom() >= own.top())
            right = std::min(right, theirs.left());
    }
    return right - own.left();
}

} // namespace

void Label::setCaption(const QString &caption)
{
    widget_->setText(caption);
    if (widget_->property("autoSize").toBool()) {
        widget_->resize(widget_->sizeHint());
        return;
    }
    const QSize stored = widget_->property("storedSize").toSize();
    if (stored.height() >= 2 * widget_->fontMetrics().lineSpacing())
        return; // it wraps within its own size
    // A one-line label shows all of its text: a text wider than the label
    // runs on to the right as far as the next control on its row, and past
    // that wraps, growing downwards.
    if (widget_->wordWrap() || widget_->size() != stored) { // grown by an earlier text
        widget_->setWordWrap(false);
        widget_->resize(stored);
    }
    const int wanted = widget_->sizeHint().width();
    if (wanted <= stored.width())
        return;
    const int room = std::max(stored.width(), roomOnItsRow(widget_));
    if (wanted <= room) {
        widget_->resize(wanted, stored.height());
        return;
    }
    widget_->setWordWrap(true);
    widget_->resize(room, std::max(stored.height(), widget_->heightForWidth(room)));
}

QString Label::caption() const
{
    return widget_->text();
}

void TextBox::setText(const QString &text)
{
    widget_->setText(text);
    // Show the start of a text that is longer than the box, not its end.
    widget_->setCursorPosition(0);
}

QString TextBox::text() const
{
    return widget_->text();
}

Picture Image::picture() const
{
    return widget_->pixmap();
}

void Image::setPicture(const Picture &picture)
{
    widget_->setPixmap(picture);
}

} // namespace runtime

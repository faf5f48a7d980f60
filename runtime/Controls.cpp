#include "runtime/Controls.h"

#include <QFontMetrics>
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

void Label::setCaption(const QString &caption)
{
    widget_->setText(caption);
    if (widget_->property("autoSize").toBool()) {
        widget_->resize(widget_->sizeHint());
        return;
    }
    const QSize stored = widget_->property("storedSize").toSize();
    const QFontMetrics metrics = widget_->fontMetrics();
    if (stored.height() >= 2 * metrics.lineSpacing())
        return; // it wraps within its own size
    // A one-line label shows all of its text: a text wider than the label
    // runs on to the right as far as the next control on its row, and past
    // that wraps, growing downwards.
    if (widget_->wordWrap() || widget_->size() != stored) { // grown by an earlier text
        widget_->setWordWrap(false);
        widget_->resize(stored);
    }
    // Most texts fit with room to spare, and their advance, with the frame,
    // margins and indent and a character's width for rounding, tells so at a
    // fraction of the cost of the label's size hint.
    const QMargins frame = widget_->contentsMargins();
    const int extra = frame.left() + frame.right() + 2 * widget_->margin() + metrics.horizontalAdvance(QLatin1Char('x'));
    if (metrics.horizontalAdvance(caption) + extra < stored.width())
        return;
    const int wanted = widget_->sizeHint().width();
    if (wanted <= stored.width())
        return;
    const int room = std::max(stored.width(), widget_->property("roomOnRow").toInt());
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

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

void Label::setCaption(const QString &caption)
{
    LabelWidget &label = *widget_;
    label.setText(caption);
    if (label.autoSize) {
        label.resize(label.sizeHint());
        return;
    }
    if (!label.oneLine)
        return; // it wraps within its own size
    // A one-line label shows all of its text: a text wider than the label
    // runs on to the right as far as the next control on its row, and past
    // that wraps, growing downwards.
    const QSize stored = label.storedSize;
    if (label.wordWrap() || label.size() != stored) { // grown by an earlier text
        label.setWordWrap(false);
        label.resize(stored);
    }
    // Most texts fit with room to spare: a short one would fit even in the
    // font's widest characters, and a longer one's advance tells so at a
    // fraction of the cost of the label's size hint.
    const QFontMetrics metrics = label.fontMetrics();
    if (caption.size() * metrics.maxWidth() + label.padding < stored.width()
        || metrics.horizontalAdvance(caption) + label.padding < stored.width())
        return;
    const int wanted = label.sizeHint().width();
    if (wanted <= stored.width())
        return;
    const int room = std::max(stored.width(), label.roomOnRow);
    if (wanted <= room) {
        label.resize(wanted, stored.height());
        return;
    }
    label.setWordWrap(true);
    label.resize(room, std::max(stored.height(), label.heightForWidth(room)));
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

#include "runtime/Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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
    if (widget_->property("autoSize").toBool())
        widget_->resize(widget_->sizeHint());
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

#include "runtime/Form.h"

#include "runtime/Checked.h"
#include "runtime/Program.h"
#include "runtime/Twips.h"

#include <QCloseEvent>
#include <QFont>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>
#include <utility>
#include <cassert>
#include <vector>

namespace runtime {

namespace {

int loadedForms = 0;

// Controls whose layout names no font.
constexpr FontSpec kDefaultFont{"MS Sans Serif", 8.25};

QColor colourOf(Colour bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QFont fontOf(const FontSpec *spec)
{
    const FontSpec &f = spec ? *spec : kDefaultFont;
    QFont font(QString::fromLatin1(f.family));
    font.setPixelSize(PointsToPixels(f.points));
    font.setWeight(QFont::Weight(f.weight));
    font.setItalic(f.italic);
    return font;
}

QRect pixelRect(const ControlLayout &c)
{
    return QRect(TwipsToPixels(c.left), TwipsToPixels(c.top), TwipsToPixels(c.width), TwipsToPixels(c.height));
}

void setColours(QWidget *widget, const ControlLayout &c)
{
    QPalette palette = widget->palette();
    if (c.foreColour) {
        palette.setColor(QPalette::WindowText, colourOf(*c.foreColour));
        palette.setColor(QPalette::Text, colourOf(*c.foreColour));
    }
    if (c.backColour) {
        palette.setColor(QPalette::Window, colourOf(*c.backColour));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

Qt::Alignment alignmentOf(const ControlLayout &c)
{
    return c.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

QWidget *makeWidget(const ControlLayout &c, QWidget *parent)
{
    switch (c.kind) {
    case ControlKind::CommandButton: {
        auto *button = new QPushButton(QString::fromLatin1(c.caption), parent);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    }
    case ControlKind::Label: {
        auto *label = new LabelWidget(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(alignmentOf(c) | Qt::AlignTop);
        label->setText(QString::fromLatin1(c.caption));
        if (c.border) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setAutoFillBackground(true);
        }
        return label;
    }
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(QString::fromLatin1(c.caption), parent);
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setAlignment(alignmentOf(c) | Qt::AlignVCenter);
        box->setCursorPosition(0);
        return box;
    }
    case ControlKind::Frame:
        return new QGroupBox(QString::fromLatin1(c.caption), parent);
    case ControlKind::PictureBox: {
        auto *panel = new QFrame(parent);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setLineWidth(2);
        return panel;
    }
    case ControlKind::Image: {
        auto *image = new QLabel(parent);
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (c.picture)
            image->setPixmap(QPixmap(QString::fromLatin1(c.picture)));
        return image;
    }
    }
    return nullptr;
}

// How wide a one-line label may grow on its row: up to the nearest control
// to its right that shares the row, or else its container's inner edge.
// The layout is fixed once loaded, so this is worked out at the load.
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

// Where a container's children measure their Left and Top from: a frame's
// outer corner, a picture box's inside edge.
QPoint originIn(QWidget *container)
{
    if (qobject_cast<QGroupBox *>(container))
        return {};
    return container->contentsRect().topLeft();
}

} // namespace

// The top-level widget of a loaded form.
class FormWindow final : public QWidget {
public:
    FormWindow(Form &form, const FormLayout &layout)
        : QWidget(nullptr, windowFlagsOf(layout.border)), form_(form)
    {
        if (layout.picture)
            background_ = QPixmap(QString::fromLatin1(layout.picture));
        if (layout.icon)
            setWindowIcon(QIcon(QString::fromLatin1(layout.icon)));
        setWindowTitle(QString::fromLatin1(layout.caption));
        setFixedSize(TwipsToPixels(layout.clientWidth), TwipsToPixels(layout.clientHeight));
    }

protected:
    // The window manager tells the frame only after the window is mapped;
    // the first event that shows it framed places the window again.
    bool event(QEvent *event) override
    {
        if (form_.window_ == this && form_.placeWhenFramed_ && frameGeometry().size() != size())
            std::exchange(form_.placeWhenFramed_, nullptr)();
        return QWidget::event(event);
    }

    void paintEvent(QPaintEvent *) override
    {
        if (!background_.isNull())
            QPainter(this).drawPixmap(0, 0, background_);
    }

    // The window manager's close button or Alt+F4: an unload, no handler.
    void closeEvent(QCloseEvent *event) override
    {
        event->ignore();
        RunHandler([this] { form_.unload(); });
    }

private:
    static Qt::WindowFlags windowFlagsOf(BorderStyle border)
    {
        if (border == BorderStyle::None)
            return Qt::Window | Qt::FramelessWindowHint;
        return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    }

    Form &form_;
    QPixmap background_;
};

Form::Form(const FormLayout &layout) : layout_(layout) {}

int Form::loadedCount()
{
    return loadedForms;
}

bool Form::isLoaded() const
{
    return !window_.isNull();
}

void Form::load()
{
    if (isLoaded())
        return;
    build();
    ++loadedForms;
    Form_Load();
}

void Form::show()
{
    load();
    if (!isLoaded()) // Form_Load may unload its own window
        return;
    window_->show();
    window_->raise();
    window_->activateWindow();
    if (!window_->focusWidget()) {
        const auto first = std::ranges::find_if(tabOrder_, [](const QWidget *w) {
            return w->isEnabled() && w->isVisible() && (w->focusPolicy() & Qt::TabFocus);
        });
        if (first != tabOrder_.end())
            (*first)->setFocus(Qt::TabFocusReason);
    }
}

void Form::unload()
{
    if (!isLoaded())
        return;
    // The window may be the one whose button is being pressed: hide it now,
    // destroy it once that press is over.
    QWidget *window = window_;
    window_ = nullptr;
    controls_.clear();
    tabOrder_.clear();
    placeWhenFramed_ = nullptr;
    --loadedForms;
    window->hide();
    window->deleteLater();
}

void Form::build()
{
    auto *window = new FormWindow(*this, layout_);
    window_ = window;
    window->setAttribute(Qt::WA_DeleteOnClose, false);

    std::vector<const ControlLayout *> tabOrder;
    for (const ControlLayout &c : layout_.controls) {
        QWidget *container = c.container ? control(c.container) : window;
        assert(container && "a container comes before what it holds");
        QWidget *widget = makeWidget(c, container);
        widget->setObjectName(QString::fromLatin1(c.name));
        widget->setFont(fontOf(c.font));
        setColours(widget, c);
        widget->setGeometry(pixelRect(c).translated(originIn(container)));
        if (auto *label = qobject_cast<LabelWidget *>(widget)) {
            // A label wraps its text only where it has room for a second line.
            label->autoSize = c.autoSize;
            label->storedSize = label->size();
            label->oneLine = !c.autoSize && label->height() < 2 * label->fontMetrics().lineSpacing();
            label->setWordWrap(!c.autoSize && !label->oneLine);
            if (c.autoSize)
                label->resize(label->sizeHint());
        }
        widget->setEnabled(c.enabled);
        widget->setVisible(c.visible);
        controls_.emplace(c.name, widget);

        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            QObject::connect(button, &QPushButton::clicked, window,
                             [this, button, name = std::string(c.name)] { click(name, button); });
            if (c.cancel) {
                auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), window);
                QObject::connect(esc, &QShortcut::activated, button, &QPushButton::click);
            }
        }
        if (c.tabIndex >= 0)
            tabOrder.push_back(&c);
    }

    for (auto &[name, widget] : controls_)
        if (auto *label = qobject_cast<LabelWidget *>(widget); label && label->oneLine) {
            label->roomOnRow = roomOnItsRow(label);
            const QMargins frame = label->contentsMargins();
            label->padding = frame.left() + frame.right() + 2 * label->margin()
                             + label->fontMetrics().horizontalAdvance(QLatin1Char('x'));
        }

    std::ranges::stable_sort(tabOrder, {}, &ControlLayout::tabIndex);
    for (const ControlLayout *c : tabOrder)
        tabOrder_.push_back(control(c->name));
    for (std::size_t i = 1; i < tabOrder_.size(); ++i)
        QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
}

// A click can reach us after its button stopped taking clicks: an access key
// or Esc presses the button at once but clicks it a moment later, and a
// handler run in between may have disabled it or unloaded its window. Such a
// click is dropped; only a live, enabled, visible button runs its handler.
void Form::click(const std::string &name, const QWidget *button)
{
    const QWidget *live = control(name);
    if (!live || live != button || !live->isEnabled() || !live->isVisibleTo(window_))
        return;
    const auto handler = clickHandlers_.find(name);
    if (handler != clickHandlers_.end())
        RunHandler(handler->second);
}

float Form::width() const
{
    return window_ ? PixelsToTwips(window_->frameGeometry().width()) : 0.0f;
}

float Form::height() const
{
    return window_ ? PixelsToTwips(window_->frameGeometry().height()) : 0.0f;
}

void Form::setLeft(float twips)
{
    window_->move(TwipsToPixels(twips), window_->y());
}

void Form::setTop(float twips)
{
    window_->move(window_->x(), TwipsToPixels(twips));
}

void Form::setCaption(const QString &caption)
{
    window_->setWindowTitle(caption);
}

void Form::placeAgainWhenFramed(std::function<void()> place)
{
    // A borderless window never gets a frame: nothing to wait for, and no
    // check on each of its events.
    if (layout_.border != BorderStyle::None)
        placeWhenFramed_ = std::move(place);
}

QWidget *Form::window() const
{
    return window_;
}

QWidget *Form::control(std::string_view name) const
{
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

template <class W>
W *Form::widgetOf(std::string_view name) const
{
    auto *widget = qobject_cast<W *>(control(name));
    if (!widget) // not in the loaded layout, or the window is not loaded
        RaiseRuntimeError(RuntimeError::ObjectRequired);
    return widget;
}

CommandButton Form::button(std::string_view name) const
{
    return CommandButton(widgetOf<QPushButton>(name));
}

Label Form::label(std::string_view name) const
{
    return Label(widgetOf<LabelWidget>(name));
}

TextBox Form::textBox(std::string_view name) const
{
    return TextBox(widgetOf<QLineEdit>(name));
}

Image Form::image(std::string_view name) const
{
    return Image(widgetOf<QLabel>(name));
}

} // namespace runtime

#pragma once

#include "runtime/Controls.h"
#include "runtime/Layout.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace runtime {

class FormWindow;

// A window built from a stored layout. An instance lives for the whole
// program; its window and controls exist only while it is loaded:
//   not loaded --load()--> loaded, hidden --show()--> loaded, shown
//   either loaded state --unload()--> not loaded
class Form {
public:
    explicit Form(const FormLayout &layout = {});
    virtual ~Form() = default;
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    // Builds the window and its controls from the stored layout, then runs
    // Form_Load; the window stays hidden. Does nothing if already loaded.
    void load();
    // Makes the window visible, in front and active. Loads it first if needed.
    void show();
    // Destroys the window and its controls; no handler runs.
    void unload();
    bool isLoaded() const;

    // The window's outer size, border and title bar included, in twips.
    float width() const;
    float height() const;
    // Moves the window; twips.
    void setLeft(float twips);
    void setTop(float twips);
    void setCaption(const QString &caption);
    // Runs `place` once more as soon as the window manager has put its frame
    // round the window, for a placement that depends on the outer size: until
    // the window is first shown, that size is the client size alone. Where
    // nothing frames the window (no window manager, a borderless window),
    // `place` never runs. Forgotten on unload.
    void placeAgainWhenFramed(std::function<void()> place);

    CommandButton button(std::string_view name) const;
    Label label(std::string_view name) const;
    TextBox textBox(std::string_view name) const;
    Image image(std::string_view name) const;

    // The live window and its controls by name, for the runtime and tests;
    // nullptr while the window is not loaded.
    QWidget *window() const;
    QWidget *control(std::string_view name) const;

    // How many windows of the program are loaded.
    static int loadedCount();

protected:
    // The window's load step; runs inside load(), before it returns.
    virtual void Form_Load() {}

    // Runs `handler` when the named button is pressed (click, access key, Esc).
    template <class F>
    void onClick(const char *button, void (F::*handler)())
    {
        clickHandlers_[button] = [this, handler] { (static_cast<F *>(this)->*handler)(); };
    }

    // For windows whose layout is made when the instance is.
    void setStoredLayout(const FormLayout &layout) { layout_ = layout; }

private:
    friend class FormWindow;

    void build();
    void click(const std::string &name, const QWidget *button);
    template <class W>
    W *widgetOf(std::string_view name) const;

    FormLayout layout_;
    QPointer<QWidget> window_;
    std::map<std::string, QWidget *, std::less<>> controls_;
    std::vector<QWidget *> tabOrder_; // the loaded controls by tab index
    std::map<std::string, std::function<void()>, std::less<>> clickHandlers_;
    std::function<void()> placeWhenFramed_;
};

} // namespace runtime

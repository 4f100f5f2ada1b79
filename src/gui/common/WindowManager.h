// Every window of the program exists at most once: it is created on first use
// (which runs its own start-up) and only shown again afterwards. Windows are
// registered by name ("MiniV1", "Form1", "WavT", ...) with a factory; the
// program registers the real ones at start, tests register what they need.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <string>

namespace vornax {

class WindowManager {
public:
    using Factory = std::function<QWidget*()>;

    static WindowManager& instance();

    void registerWindow(const std::string& name, Factory factory);
    bool isRegistered(const std::string& name) const;

    // Creates the window when it does not exist yet, then shows and raises it.
    // A name without a factory shows a message and gives nullptr.
    QWidget* show(const std::string& name);

    // Records a window created elsewhere (the main window) under a name.
    void adopt(const std::string& name, QWidget* window) { windows_[name] = window; }

    // The window when it exists, else nullptr.
    QWidget* find(const std::string& name) const;

    // Closes the window when it exists; a window never opened is left alone.
    void close(const std::string& name);

    // Forgets every window and factory (tests).
    void reset();

private:
    std::map<std::string, Factory> factories_;
    std::map<std::string, QPointer<QWidget>> windows_;
};

}  // namespace vornax

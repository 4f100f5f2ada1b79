#include "gui/common/WindowManager.h"

#include "common/PlatformServices.h"
#include "common/Translation.h"

#include <QGuiApplication>
#include <QScreen>

namespace vornax {

WindowManager& WindowManager::instance()
{
    static WindowManager manager;
    return manager;
}

void WindowManager::registerWindow(const std::string& name, Factory factory) { factories_[name] = std::move(factory); }

bool WindowManager::isRegistered(const std::string& name) const { return factories_.count(name) != 0; }

QWidget* WindowManager::show(const std::string& name)
{
    QWidget* window = find(name);
    if (!window) {
        const auto factory = factories_.find(name);
        if (factory == factories_.end() || !factory->second) {
            platform().message(tx("WindowManager", "This window is not available in this version of the program."),
                               name, MessageIcon::Information);
            return nullptr;
        }
        window = factory->second();
        if (!window)
            return nullptr;
        window->setObjectName(QString::fromStdString(name));
        windows_[name] = window;
        // A new window opens in the middle of the screen, where the eye is,
        // at the size it chose for itself (within the screen), or else at
        // the size its contents ask for.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            if (window->testAttribute(Qt::WA_Resized))
                window->resize(window->size().boundedTo(area.size()));
            else
                window->adjustSize();
            QRect frame(QPoint(0, 0), window->size());
            frame.moveCenter(area.center());
            window->move(frame.topLeft().x() > area.left() ? frame.topLeft().x() : area.left(),
                         frame.topLeft().y() > area.top() ? frame.topLeft().y() : area.top());
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* WindowManager::find(const std::string& name) const
{
    const auto it = windows_.find(name);
    return it == windows_.end() ? nullptr : it->second.data();
}

void WindowManager::close(const std::string& name)
{
    if (QWidget* window = find(name))
        window->close();
}

void WindowManager::reset()
{
    for (auto& [name, window] : windows_)
        if (window)
            delete window.data();
    windows_.clear();
    factories_.clear();
}

}  // namespace vornax

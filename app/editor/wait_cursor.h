#pragma once
// The wait cursor for the length of a scope, shown only when a GUI application runs (tests and
// tools without one skip it).
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace lw {

class WaitCursor {
public:
    WaitCursor()
    {
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            active_ = true;
        }
    }
    ~WaitCursor()
    {
        if (active_)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool active_ = false;
};

} // namespace lw

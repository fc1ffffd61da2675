#include "app/application.h"

#include "app/errorreport.h"
#include "app/screenwindow.h"

namespace sakana {

namespace {

// Whether the object belongs to a screen: its window or anything in it.
bool belongsToScreen(const QObject *object)
{
    for (; object; object = object->parent()) {
        if (qobject_cast<const ScreenWindow *>(object))
            return true;
    }
    return false;
}

} // namespace

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {}

bool Application::notify(QObject *receiver, QEvent *event)
{
    // Once a step has failed no handler of a screen runs again: no tick,
    // no click. The report itself goes on working.
    if (failure_ && belongsToScreen(receiver))
        return false;
    try {
        return QApplication::notify(receiver, event);
    } catch (const RuntimeError &error) {
        fail(error);
    }
    return false;
}

void Application::fail(const RuntimeError &error)
{
    if (failure_)
        return;
    failure_ = error;
    for (QWidget *widget : topLevelWidgets()) {
        if (qobject_cast<ScreenWindow *>(widget))
            widget->hide();
    }
    if (reporter_)
        reporter_->report(error);
    exit(kFailureExitCode);
}

} // namespace sakana

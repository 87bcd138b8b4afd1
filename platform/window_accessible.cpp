#include "platform/window_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace spanwright::platform {
namespace {

// A child of a marked window. It stops vouching for the window once the
// window's destruction has begun (Qt announces it with destroyed() before
// the children go), so no interface is made for a window on its way out.
class FrameMark : public QObject {
public:
    explicit FrameMark(QWidget* window) : QObject(window) {
        connect(window, &QObject::destroyed, this, [this] { windowAlive_ = false; });
    }
    bool WindowAlive() const { return windowAlive_; }

private:
    bool windowAlive_ = true;
};

bool Marked(const QObject* window) {
    for (const QObject* child : window->children())
        if (const auto* mark = dynamic_cast<const FrameMark*>(child)) return mark->WindowAlive();
    return false;
}

// Qt asks once per class of an object's ancestry, most derived first, and
// the installed factories before its own: "QWidget" is reached for a window
// whose own classes have no interface of their own.
QAccessibleInterface* FrameFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QWidget") || !object || !object->isWidgetType() || !Marked(object))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

void ReportAsFrame(QWidget* window) {
    static const bool installed = (QAccessible::installFactory(FrameFactory), true);
    (void)installed;
    if (!Marked(window)) new FrameMark(window);
}

}  // namespace spanwright::platform

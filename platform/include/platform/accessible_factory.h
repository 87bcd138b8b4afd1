#pragma once
// Gives every widget of one class its own accessible interface, once per
// run: InstallAccessible<DisplayLabel, DisplayAccessible>() in the widget's
// constructor, and a screen reader asking for a DisplayLabel gets a
// DisplayAccessible (constructed from the widget).
#include <QAccessible>
#include <QString>

namespace spanwright::platform {

template <class Widget, class Interface>
QAccessibleInterface* AccessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String(Widget::staticMetaObject.className()) && object && object->isWidgetType())
        return new Interface(static_cast<Widget*>(object));
    return nullptr;
}

template <class Widget, class Interface>
void InstallAccessible() {
    static const bool installed = (QAccessible::installFactory(&AccessibleFor<Widget, Interface>), true);
    (void)installed;
}

}  // namespace spanwright::platform

// Finding the form's objects by their objectName.
#pragma once

#include <QObject>
#include <QString>

#include <stdexcept>
#include <string>

// The child of `window` named `name`; throws std::runtime_error naming what
// the form lacks, since a form without one of its objects is a broken build.
template <class Object> Object* findInWindow(const QObject* window, const char* name) {
    auto* object = window->findChild<Object*>(QLatin1String(name));
    if (object == nullptr)
        throw std::runtime_error(std::string("the window has no ") +
                                 Object::staticMetaObject.className() + " named " + name);
    return object;
}

// Connects a designer-named handler to a signal. An exception escaping the handler is
// caught here and shown by the default exception handler: exceptions must never cross
// Qt's event dispatch.
#pragma once

#include "Application.h"

#include <QObject>

#include <exception>
#include <utility>

template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, Receiver* receiver,
                                       Handler handler)
{
    return QObject::connect(sender, signal, receiver, [receiver, handler](auto&&... args) {
        try {
            if constexpr (std::is_member_function_pointer_v<Handler>)
                (receiver->*handler)();
            else
                handler(std::forward<decltype(args)>(args)...);
        } catch (const std::exception& error) {
            Application::showException(error);
        }
    });
}

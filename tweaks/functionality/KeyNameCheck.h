// Names the user types that become one registry key name under a fixed parent (a
// context-menu entry, a program's sound events, a file extension). A backslash in such a
// name would reach other keys: "a\b" writes below another entry, and removing a name
// that ends in or is a backslash would name the parent key itself and delete it with
// everything below. Such names are refused before anything is written or deleted.
#pragma once

#include <QString>

class KeyNameCheck {
public:
    static QString backslashMessage()
    {
        return QStringLiteral("A name can not contain a backslash (\\)");
    }

    // True when name is acceptable. Otherwise shows the information message and returns
    // false; the caller then writes and deletes nothing.
    static bool accept(const QString& name);
};

// Registry places of the desktop's Recycle Bin (class {645FF040-5081-101B-9F08-00AA002F954E}),
// shared by its three panels.
#pragma once

struct RecycleBin {
    // Under HKEY_CLASSES_ROOT: the default value is the display name.
    static constexpr const char* ClassKey = "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}";
    // Under HKEY_CLASSES_ROOT: "Full", "Empty" and the icon shown now (the default value).
    static constexpr const char* IconKey =
        "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon";
    // Under HKEY_LOCAL_MACHINE: while this key exists the bin is on the desktop.
    static constexpr const char* DesktopKey =
        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace\\"
        "{645FF040-5081-101B-9F08-00AA002F954E}";
};

// Finds the program's data files (the About picture "Korrelin.bmp"): first in the
// current directory, as the file is named without a path, then in the data folder, so
// that a program started from a desktop menu finds its picture too.
//
// The data folder is $KORRELIN_DATA_DIR when that is set (tests point it at a folder
// without the picture), else the folder of the executable (the build tree), then the
// installed data folder.
#pragma once

#include <QString>
#include <QStringList>

class DataFiles {
public:
    static QStringList searchFolders();
    // The path of the first file of that name in the search folders, or an empty string.
    static QString find(const QString& name);
};

#pragma once

#include <QString>

// The folder that holds the program, its banks, its archive and its save folders.
// TAVRI_HOME replaces the folder of the executable (tests, installations).
QString programFolder();

// A path written the Windows way relative to the program folder ("\TMP\STAMPA.HTM")
// becomes the program folder followed by the same path with "/" separators.
QString programPath(const QString &windowsPath);

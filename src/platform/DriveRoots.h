#pragma once

#include <QStringList>

// The ordered roots that stand for the drives C: to Z:: "/", the user's home folder,
// then the other mounted file systems in alphabetical order of their paths.
// TAVRI_DRIVES (roots separated by ":") replaces the list.
QStringList driveRoots();

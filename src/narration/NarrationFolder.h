#pragma once

#include <QString>
#include <QStringList>

// The narration folder: "Tavri_Audio" at the first of the roots that has it, as
// root + "/Tavri_Audio/". Empty when no root has it; roots that fail are skipped.
QString findNarrationRoot(const QStringList &roots);

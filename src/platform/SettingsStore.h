#pragma once

#include <QString>

// The per-user switches: application "MDS", section "TAVRI2", string values.
namespace SettingsStore {

// The stored string; the empty string for a key never written.
QString read(const QString &key);
// The numeric value of the stored string: 0 when missing or not a whole number.
int number(const QString &key);
void write(const QString &key, const QString &value);

} // namespace SettingsStore

#include "platform/SettingsStore.h"

#include <QSettings>

namespace {

QString groupKey(const QString &key)
{
    return QStringLiteral("TAVRI2/") + key;
}

QSettings store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("MDS"), QStringLiteral("MDS"));
}

} // namespace

namespace SettingsStore {

QString read(const QString &key)
{
    return store().value(groupKey(key)).toString();
}

int number(const QString &key)
{
    bool ok = false;
    const int v = read(key).trimmed().toInt(&ok);
    return ok ? v : 0;
}

void write(const QString &key, const QString &value)
{
    QSettings s = store();
    s.setValue(groupKey(key), value);
    s.sync();
}

} // namespace SettingsStore

#include "widgets/Design.h"

namespace Design {

QFont font(const QString &designFamily, qreal pointSize, bool bold)
{
    QString family = designFamily;
    if (designFamily == QLatin1String("Arial"))
        family = QStringLiteral("Liberation Sans");
    else if (designFamily == QLatin1String("Arial Narrow"))
        family = QStringLiteral("Liberation Sans Narrow");
    else if (designFamily == QLatin1String("Comic Sans MS"))
        family = QStringLiteral("Comic Neue");
    else if (designFamily == QLatin1String("Verdana") || designFamily == QLatin1String("MS Sans Serif"))
        family = QStringLiteral("DejaVu Sans");
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

} // namespace Design

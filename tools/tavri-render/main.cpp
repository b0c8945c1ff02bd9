// tavri-render: turns drawings into pictures for the figure archive.
//   tavri-render SVG_FOLDER PNG_FOLDER [WIDTH]
// Every NAME.svg of the first folder becomes NAME.png in the second, WIDTH pixels wide
// (400 unless given), its height following the drawing's proportions, on white.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "tavri-render: %s\n", message.toUtf8().constData());
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // Rendering needs fonts but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    bool widthOk = true;
    const int width = args.size() == 3 ? args[2].toInt(&widthOk) : 400;
    if (args.size() < 2 || args.size() > 3 || !widthOk || width < 16 || width > 4000) {
        std::fprintf(stderr, "Uso: tavri-render CARTELLA_SVG CARTELLA_PNG [LARGHEZZA]\n");
        return 2;
    }
    const QDir in(args[0]);
    QDir out(args[1]);
    if (!in.exists())
        return fail(QStringLiteral("la cartella \"%1\" non esiste.").arg(args[0]));
    if (!out.mkpath(QStringLiteral(".")))
        return fail(QStringLiteral("impossibile creare la cartella \"%1\".").arg(args[1]));

    const QStringList names = in.entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        QSvgRenderer renderer(in.filePath(name));
        const QSizeF size = renderer.viewBoxF().size();
        if (!renderer.isValid() || size.isEmpty())
            return fail(QStringLiteral("il disegno \"%1\" non è un SVG valido.").arg(name));
        const int height = qMax(1, qRound(width * size.height() / size.width()));
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            renderer.render(&painter, QRectF(0, 0, width, height));
        }
        const QString target = out.filePath(QFileInfo(name).completeBaseName() + QStringLiteral(".png"));
        if (!image.save(target, "PNG"))
            return fail(QStringLiteral("impossibile scrivere \"%1\".").arg(target));
    }
    return 0;
}

#include "core/AppState.h"
#include "core/MainForm.h"
#include "platform/RealServices.h"
#include "platform/SingleInstance.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Qt 6.4's FFmpeg media backend crashes without a sound card; GStreamer plays into a silent sink.
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TAVRI"));

    SingleInstance instance;
    if (!instance.acquire())
        return 0;

    RealServices real;
    AppState state;
    state.services = real.services();

    MainForm menu(state);
    menu.show();
    return app.exec();
}

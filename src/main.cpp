#include "app/AppException.h"
#include "app/GuardedApplication.h"
#include "app/QtPromptPort.h"
#include "app/TForm1.h"

#include <QTimer>

int main(int argc, char *argv[])
{
    GuardedApplication app(argc, argv);
    QtPromptPort port;
    AppExceptionHandler handler(port);
    app.setErrorHandler([&](std::exception_ptr e) { handler.AppException(e); });

    TForm1 form(port, QCoreApplication::applicationDirPath() + u'/');
    if (form.isEnding())
        return 0;
    port.setParentWidget(&form);
    QObject::connect(&form, &TForm1::programEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    form.show();
    // The first activation starts the work; a desktop without a window
    // manager may never activate the window, so it is also asked for here.
    QTimer::singleShot(0, &form, &TForm1::FormActivate);
    return app.exec();
}

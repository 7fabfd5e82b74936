#pragma once

#include <QApplication>

#include <exception>
#include <functional>

// The program's QApplication: an exception that escapes an event handler (a
// slot, a timer, a paint) would otherwise cross Qt's event loop, which Qt does
// not allow. It stops here and goes to the error handler instead, so a failed
// action is abandoned and the program runs on.
//
//     GuardedApplication app(argc, argv);
//     AppExceptionHandler handler(port);
//     app.setErrorHandler([&](std::exception_ptr e) { handler.AppException(e); });
class GuardedApplication : public QApplication
{
public:
    using ErrorHandler = std::function<void(std::exception_ptr)>;

    GuardedApplication(int &argc, char **argv);

    void setErrorHandler(ErrorHandler handler) { m_handler = std::move(handler); }

    bool notify(QObject *receiver, QEvent *event) override;

private:
    ErrorHandler m_handler;
};

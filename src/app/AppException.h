#pragma once

#include "app/PromptPort.h"
#include "db/Dataset.h"
#include "db/DbSession.h"
#include "db/ErrorGuard.h"

#include <QString>

#include <exception>

// The server's and the dataset layer's texts for the usual failures mean
// nothing to the user; these are replaced by catalog messages (a18..a23).
// The tests run in a fixed order, each on the text the previous one left.
QString replaceKnownErrorText(const QString &text);

// The application-wide error handler: an error that no operation handled is
// shown, its text replaced as above, in a standard error box. It neither logs
// nor ends the program; the failed operation is simply abandoned.
class AppExceptionHandler
{
public:
    explicit AppExceptionHandler(PromptPort &port) : m_port(port) {}

    void AppException(const std::exception &error) const;
    void AppException(const QString &errorText) const;
    // For a catch (...) that does not know what it caught: Abort is ignored,
    // any std::exception is shown, anything else is rethrown.
    void AppException(std::exception_ptr error) const;

private:
    PromptPort &m_port;
};

// Runs one user action (a menu command, a button) the way every window runs
// them: a rule's Abort ends it silently, any other error goes to the
// application error handler. Returns true when the action ran to its end.
//
//     guarded(port, [&] { dataset.post(); });
template <typename Action>
bool guarded(PromptPort &port, Action &&action)
{
    return runReporting(std::forward<Action>(action),
                        [&port](const std::exception &e) { AppExceptionHandler(port).AppException(e); });
}

#include "app/StartupLogin.h"

#include "app/AppException.h"
#include "app/Catalog.h"
#include "app/IniSettings.h"
#include "app/LogManager.h"
#include "app/LoginCheck.h"
#include "app/PromptPort.h"
#include "app/TFlogin.h"
#include "app/WorkContext.h"

#include <QDialog>

using namespace Qt::StringLiterals;

bool StartupLogin::run()
{
    m_dialog.setLogin(m_context.UserLogin);
    m_dialog.clearPassword();
    m_context.FailedLogins = 0;

    LoginCheck check(m_fdm, m_context, m_port);
    TLogManager &log = TLogManager::GetInstance();
    for (;;) {
        if (m_port.exec(m_dialog) != QDialog::Accepted)
            return false;
        const QString login = m_dialog.login();
        if (check.checklogin(login, m_dialog.password())) {
            m_context.UserLogin = login;
            return true;
        }
        if (m_context.FailedLogins == CountedFailures) {
            saveIniErr(m_context);
            const QString locked = catalog(u"lock_login"_s);
            m_port.warning(locked);
            log.WriteToLog(locked, lmtError);
            return false;
        }
        ++m_context.FailedLogins;
        const QString failed = catalog(u"login_failed"_s);
        m_port.showMessage(failed);
        log.WriteToLog(u"Пользователь "_s + login + u' ' + failed, lmtError);
        saveIniErr(m_context); // at the third failure this writes the lock
    }
}

void lockProgram(PromptPort &port, TFDM &fdm, WorkContext &context, TFlogin &dialog)
{
    LoginCheck check(fdm, context, port);
    for (;;) {
        dialog.clearPassword(); // the login keeps its text
        if (port.exec(dialog) != QDialog::Accepted)
            continue;
        // A failed password update is shown by the error handler and does
        // not unlock: the dialog comes back.
        bool accepted = false;
        guarded(port, [&] { accepted = check.checklogin(dialog.login(), dialog.password()); });
        if (accepted)
            return;
    }
}

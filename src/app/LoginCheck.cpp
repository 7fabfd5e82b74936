#include "app/LoginCheck.h"

#include "app/Catalog.h"
#include "app/DerivedPassword.h"
#include "app/IniSettings.h"
#include "app/LogManager.h"
#include "app/PromptPort.h"
#include "db/TFDM.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int MinimumLength = 3;

// The moments are shown in the same fixed date and time form the settings
// file uses; a moment never recorded shows as nothing.
QString moment(const QDateTime &value)
{
    return formatIniDateTime(value);
}

} // namespace

void updatePwd(TFDM &fdm, const QString &value)
{
    fdm.runScript({SqlStatement{u"update ver set pwd = ?"_s, {value}}});
}

QString storedPassword(TFDM &fdm)
{
    Dataset &ver = fdm.TVer;
    ver.close();
    ver.open();
    return ver.isEmpty() ? QString() : ver.value(u"PWD"_s).toString();
}

bool LoginCheck::checklogin(const QString &login, const QString &password)
{
    const QString stored = storedPassword(m_fdm);
    if (login.size() < MinimumLength || password.size() < MinimumLength)
        return false;

    TLogManager &log = TLogManager::GetInstance();
    if (password == DerivedPassword::of(login)) {
        updatePwd(m_fdm, password);
        reportLastLogins();
        log.WriteToLog(u"Пользователь авторизован в системе! "_s + login, lmtInfo);
        return true;
    }
    if (password == stored) {
        reportLastLogins();
        log.WriteToLog(u"Пользователь авторизован в системе по измененному паролю! "_s + login, lmtInfo);
        return true;
    }
    return false;
}

void LoginCheck::reportLastLogins()
{
    if (!m_context.LastLogin.isValid())
        return; // the first login on this installation
    const QString success = catalog(u"login_success"_s);
    m_port.showMessage(success + u' ' + moment(m_context.LastLogin) + u'\n' + catalog(u"login_unsuccess"_s)
                       + u' ' + moment(m_context.LastFailedLogin));
    TLogManager::GetInstance().WriteToLog(success + u' ' + moment(m_context.LastLogin), lmtInfo);
    saveIni(m_context, LanguageId::Russian);
}

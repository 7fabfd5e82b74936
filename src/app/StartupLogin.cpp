#include "app/StartupLogin.h"

#include "app/WorkContext.h"

bool StartupLogin::run()
{
    m_context.FailedLogins = 0;
    return true;
}

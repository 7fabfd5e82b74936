#include "app/TfrmResetPassword.h"

#include "app/AppException.h"
#include "app/IniSettings.h"
#include "app/LogManager.h"
#include "app/LoginCheck.h"
#include "app/PasswordPolicy.h"
#include "app/PromptPort.h"
#include "app/TFlogin.h"
#include "app/WorkContext.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLineEdit *maskedEdit(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

} // namespace

TfrmResetPassword::TfrmResetPassword(TFDM &fdm, WorkContext &context, PromptPort &port, TFlogin &loginDialog,
                                     QWidget *parent)
    : QDialog(parent)
    , m_fdm(fdm)
    , m_context(context)
    , m_port(port)
    , m_loginDialog(loginDialog)
{
    setWindowTitle(tr("Смена пароля"));
    m_old = maskedEdit(this);
    m_new = maskedEdit(this);
    m_confirm = maskedEdit(this);
    m_change = new QPushButton(tr("Изменить"), this);
    m_change->setDefault(true);
    connect(m_change, &QPushButton::clicked, this, [this] {
        bool changed = false;
        guarded(m_port, [&] { changed = change(); });
        done(changed ? QDialog::Accepted : QDialog::Rejected);
    });

    auto *fields = new QFormLayout;
    fields->addRow(tr("Старый пароль"), m_old);
    fields->addRow(tr("Новый пароль"), m_new);
    fields->addRow(tr("Подтверждение пароля"), m_confirm);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_change);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
}

void TfrmResetPassword::showEvent(QShowEvent *event)
{
    m_old->clear();
    m_new->clear();
    m_confirm->clear();
    m_old->setFocus();
    QDialog::showEvent(event);
}

bool TfrmResetPassword::change()
{
    const QString newPassword = m_new->text();
    const QString policyBreak = PasswordPolicy::firstBreak(newPassword);
    if (!policyBreak.isEmpty()) {
        m_port.showMessage(policyBreak);
        return false;
    }

    TLogManager &log = TLogManager::GetInstance();
    const QString login = m_loginDialog.login();
    const QString stored = storedPassword(m_fdm);
    // One message for every cause, so that it tells nothing about which one.
    if (newPassword != m_confirm->text() || newPassword == stored || m_old->text() != stored || stored.isEmpty()) {
        const QString refused = u"Неверно введен старый пароль или пароли не совподают!"_s;
        m_port.showMessage(refused);
        log.WriteToLog(refused + u' ' + login, lmtInfo);
        return false;
    }

    updatePwd(m_fdm, newPassword);
    m_port.showMessage(u"Пароль успешно изменен!"_s);
    log.WriteToLog(u"Пользователь сменил пароль в системе! "_s + login, lmtInfo);
    m_context.PasswordChangeDue = QDateTime(); // saveIni then writes the next due date
    saveIni(m_context, LanguageId::Russian);
    return true;
}

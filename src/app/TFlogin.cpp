#include "app/TFlogin.h"

#include "app/Catalog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TFlogin::TFlogin(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Вход в систему"));
    m_login = new QLineEdit(this);
    m_password = new QLineEdit(this);
    m_password->setEchoMode(QLineEdit::Password);

    m_information = new QLabel(this);
    m_information->setWordWrap(true);
    m_information->setMinimumWidth(420);

    m_changePassword = new QLabel(u"<a href=\"#\">"_s + tr("Изменить пароль") + u"</a>"_s, this);
    m_changePassword->setVisible(false);

    m_ok = new QPushButton(tr("Ok"), this);
    m_cancel = new QPushButton(tr("Отмена"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *fields = new QFormLayout;
    fields->addRow(tr("Логин"), m_login);
    fields->addRow(tr("Пароль"), m_password);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_changePassword);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_information);
    layout->addLayout(buttons);
}

QString TFlogin::login() const
{
    return m_login->text();
}

QString TFlogin::password() const
{
    return m_password->text();
}

void TFlogin::setLogin(const QString &login)
{
    m_login->setText(login);
}

void TFlogin::clearPassword()
{
    m_password->clear();
}

void TFlogin::showEvent(QShowEvent *event)
{
    m_information->setText(catalog(u"gtc_warrning"_s));
    // A remembered login leaves only the password to type.
    (m_login->text().isEmpty() ? m_login : m_password)->setFocus();
    QDialog::showEvent(event);
}

#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

// The login dialog: "Логин", "Пароль" (masked), "Ok" (default) and "Отмена",
// with the legal warning about personal data, set anew at each opening so it
// follows the interface language. The "Изменить пароль" link exists but is
// never shown: the password is changed from the main menu.
class TFlogin : public QDialog
{
    Q_OBJECT

public:
    explicit TFlogin(QWidget *parent = nullptr);

    QString login() const;
    QString password() const;
    void setLogin(const QString &login);
    void clearPassword();

    QLineEdit *loginEdit() const { return m_login; }
    QLineEdit *passwordEdit() const { return m_password; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    QLabel *informationLabel() const { return m_information; }
    QLabel *changePasswordLink() const { return m_changePassword; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *m_login;
    QLineEdit *m_password;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QLabel *m_information;
    QLabel *m_changePassword;
};

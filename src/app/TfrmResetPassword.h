#pragma once

#include <QDialog>

class PromptPort;
class QLineEdit;
class QPushButton;
class TFDM;
class TFlogin;
struct WorkContext;

// "Смена пароля": old password, new password and its confirmation (all
// masked), button "Изменить". The fields are emptied at each opening; the
// button runs the change and closes the dialog whatever came of it.
class TfrmResetPassword : public QDialog
{
    Q_OBJECT

public:
    // loginDialog: the log lines name the text of its login field.
    TfrmResetPassword(TFDM &fdm, WorkContext &context, PromptPort &port, TFlogin &loginDialog,
                      QWidget *parent = nullptr);

    // The change: the password rules, then the check against the stored
    // password; on success the new one is stored, and the due date of the
    // next change is set three months ahead. True when the password changed.
    bool change();

    QLineEdit *oldPasswordEdit() const { return m_old; }
    QLineEdit *newPasswordEdit() const { return m_new; }
    QLineEdit *confirmationEdit() const { return m_confirm; }
    QPushButton *changeButton() const { return m_change; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    TFDM &m_fdm;
    WorkContext &m_context;
    PromptPort &m_port;
    TFlogin &m_loginDialog;
    QLineEdit *m_old;
    QLineEdit *m_new;
    QLineEdit *m_confirm;
    QPushButton *m_change;
};

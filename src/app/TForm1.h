#pragma once

#include <QMainWindow>
#include <QString>

class QLabel;

// The program's main window.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(const QString &connectionName, QWidget *parent = nullptr);

    QString okrugName() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QString m_connectionName;
    QLabel *m_okrug = nullptr;
};

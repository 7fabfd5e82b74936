#include "app/TForm1.h"
#include "db/Connection.h"
#include "db/DatabaseLocation.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    const QString exeDir = QCoreApplication::applicationDirPath() + u'/';
    QString error;
    if (!Connection::open(QString::fromLatin1(Connection::Main),
                          DatabaseLocation::forExeDir(exeDir), &error)
             .isOpen()) {
        QMessageBox::critical(nullptr, QStringLiteral("RUVO"), error);
        return 1;
    }

    int rc = 0;
    {
        TForm1 form(QString::fromLatin1(Connection::Main));
        form.show();
        rc = app.exec();
    }
    Connection::close(QString::fromLatin1(Connection::Main));
    return rc;
}

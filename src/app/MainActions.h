#pragma once

#include <QList>
#include <QObject>

class QAction;
class QActionGroup;
class QLabel;
class QMainWindow;
class QMenu;
class QToolBar;

// Every command of the main window, with its menu and tool bar places. The
// main window connects the commands it handles; the others stay disabled
// until their function is built.
struct MainActions
{
    // "Данные": record actions on the card list of the open book.
    QAction *AFirst, *APrior, *ANext, *ALast, *APost, *ACancel, *AInsert, *ADelete, *ARefresh;
    QAction *AEdit; // neither menu nor tool button: editing starts by typing

    // "Функции"
    QAction *AFind, *AChangePeriod, *ATableView, *AHistory, *AFlk, *AExcel, *AArh, *AExport, *AImport;
    QList<QAction *> themes; // "Standart", "XPBlue", "XPOlive", "XPSilver"
    QAction *ASettings, *ASortAddress, *ASortLs, *ALockProgram, *AChangePassword, *ALogging, *AImportData;

    // "Отчеты"
    QAction *ARepLand, *ARepLivestock, *ARepBuildings, *ARepWater;
    QList<QAction *> otherReports;

    // "Книги"
    QAction *AKpu, *AKfh;

    // "Справка", "Язык", "Версия"
    QAction *AHelp, *AKaz, *ARus, *AVersion;

    // tool bar only
    QAction *AChangeKato, *AMembersRegister;

    QLabel *statusField; // top right of the tool bar

    // Builds the actions, the main menu and the tool bar of `window`.
    static MainActions build(QMainWindow *window);
};

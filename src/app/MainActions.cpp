#include "app/MainActions.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QSizePolicy>
#include <QToolBar>

namespace {

// Marks a text for translation in the context of the main window's commands.
#define N(text) QT_TRANSLATE_NOOP("MainActions", text)

QString tr(const char *text)
{
    return QCoreApplication::translate("MainActions", text);
}

QAction *action(QMainWindow *window, const char *text, const QKeySequence &shortcut = {})
{
    auto *a = new QAction(tr(text), window);
    a->setShortcut(shortcut);
    a->setToolTip(a->text());
    return a;
}

QAction *checkable(QMainWindow *window, const char *text, QActionGroup *group)
{
    QAction *a = action(window, text);
    a->setCheckable(true);
    group->addAction(a);
    return a;
}

} // namespace

MainActions MainActions::build(QMainWindow *w)
{
    MainActions a{};
    a.AFirst = action(w, N("Начало"));
    a.APrior = action(w, N("Предыдущая"), QKeySequence(Qt::CTRL | Qt::Key_P));
    a.ANext = action(w, N("Следующая"), QKeySequence(Qt::CTRL | Qt::Key_N));
    a.ALast = action(w, N("Конец"));
    a.APost = action(w, N("Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S));
    a.ACancel = action(w, N("Отменить"));
    a.AInsert = action(w, N("Добавить"));
    a.ADelete = action(w, N("Удалить"));
    a.ARefresh = action(w, N("Обновить"));
    a.AEdit = action(w, N("Редактировать"));

    a.AFind = action(w, N("Поиск"), QKeySequence(Qt::CTRL | Qt::Key_F));
    a.AChangePeriod = action(w, N("Сменить период/като"));
    a.ATableView = action(w, N("Реестр записей"));
    a.AHistory = action(w, N("История значений"));
    a.AFlk = action(w, N("Проверка ФЛК"));
    a.AExcel = action(w, N("Экспорт в Excel"));
    a.AArh = action(w, N("Создание среза"));
    a.AExport = action(w, N("Экспорт"));
    a.AImport = action(w, N("Импорт справочников"));
    auto *themeGroup = new QActionGroup(w);
    for (const char *theme : {N("Standart"), N("XPBlue"), N("XPOlive"), N("XPSilver")})
        a.themes << checkable(w, theme, themeGroup);
    a.ASettings = action(w, N("Настройки"));
    auto *sortGroup = new QActionGroup(w);
    a.ASortAddress = checkable(w, N("Сортировка по адресу"), sortGroup);
    a.ASortLs = checkable(w, N("Сортировка по лицевому счету"), sortGroup);
    a.ALockProgram = action(w, N("Блокировка программы"));
    a.AChangePassword = action(w, N("Смена пароля"));
    a.ALogging = action(w, N("Логирование"));
    a.AImportData = action(w, N("Импорт данных"));

    a.ARepLand = action(w, N("Сельхозугодья (7р)"));
    a.ARepLivestock = action(w, N("Животноводство (7ж)"));
    a.ARepBuildings = action(w, N("Постройки и сооружения (7ж)"));
    a.ARepWater = action(w, N("Водоемы (7ж)"));
    for (const char *report : {N("национальный состав (чел.)"), N("национальный состав (%)"), N("уровень образования"),
                               N("положение в занятости-1"), N("положение в занятости-2"),
                               N("источники средств к существованию"), N("жилищные условия-1"),
                               N("жилищные условия-2"), N("благоустройство жилых помещений"),
                               N("Отчет о выбывших домах"),
                               N("Информация по половозрастному составу населения ")})
        a.otherReports << action(w, report);

    auto *bookGroup = new QActionGroup(w);
    a.AKpu = checkable(w, N("Книга домашних хозяйств"), bookGroup);
    a.AKfh = checkable(w, N("Книга крестьянских хозяйств"), bookGroup);
    a.AKfh->setChecked(true); // start-up switches to the household book

    a.AHelp = action(w, N("Справка"));
    auto *languageGroup = new QActionGroup(w);
    a.AKaz = checkable(w, N("Казахский"), languageGroup);
    a.ARus = checkable(w, N("Русский"), languageGroup);
    a.ARus->setChecked(true);
    a.AVersion = action(w, N("Версия"));

    a.AChangeKato = action(w, N("Сменить като"));
    a.AMembersRegister = action(w, N("Реестр членов домохозяйства"));

    QMenuBar *bar = w->menuBar();
    QMenu *data = bar->addMenu(tr(N("Данные")));
    data->addActions({a.AFirst, a.APrior, a.ANext, a.ALast, a.APost, a.ACancel, a.AInsert, a.ADelete,
                      a.ARefresh});
    w->addAction(a.AEdit);

    QMenu *functions = bar->addMenu(tr(N("Функции")));
    functions->addActions({a.AFind, a.AChangePeriod});
    functions->addSeparator();
    functions->addActions({a.ATableView, a.AHistory, a.AFlk, a.AExcel});
    functions->addSeparator();
    functions->addActions({a.AArh, a.AExport, a.AImport});
    functions->addSeparator();
    functions->addMenu(tr(N("Тема")))->addActions(a.themes);
    functions->addAction(a.ASettings);
    QMenu *sort = functions->addMenu(tr(N("Сортировка")));
    sort->addActions({a.ASortAddress, a.ASortLs});
    functions->addActions({a.ALockProgram, a.AChangePassword, a.ALogging});
    functions->addSeparator();
    functions->addAction(a.AImportData);

    QMenu *reports = bar->addMenu(tr(N("Отчеты")));
    reports->addActions({a.ARepLand, a.ARepLivestock, a.ARepBuildings, a.ARepWater});
    reports->addSeparator();
    reports->addMenu(tr(N("Прочие отчеты")))->addActions(a.otherReports);

    QMenu *books = bar->addMenu(tr(N("Книги")));
    books->addActions({a.AKpu, a.AKfh});

    bar->addAction(a.AHelp);
    bar->addMenu(tr(N("Язык")))->addActions({a.AKaz, a.ARus});
    bar->addAction(a.AVersion);

    QToolBar *tools = w->addToolBar(tr(N("Панель инструментов")));
    tools->setObjectName(QStringLiteral("mainToolBar"));
    tools->setMovable(false);
    tools->addActions({a.AFirst, a.APrior, a.ANext, a.ALast, a.AInsert, a.APost, a.ACancel, a.ADelete,
                       a.ARefresh});
    tools->addSeparator();
    tools->addAction(a.AFind);
    tools->addSeparator();
    tools->addActions({a.ATableView, a.AHistory, a.AFlk, a.AExcel, a.AChangeKato, a.AMembersRegister});
    auto *spacer = new QWidget(tools);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    tools->addWidget(spacer);
    a.statusField = new QLabel(tools);
    a.statusField->setObjectName(QStringLiteral("statusField"));
    tools->addWidget(a.statusField);

    // Commands whose function comes later stay visible and disabled.
    for (QAction *later : {a.AFind, a.ATableView, a.AHistory, a.AFlk, a.AExcel, a.AArh, a.AExport, a.AImport,
                           a.ALockProgram, a.AChangePassword, a.AImportData, a.ARepLand,
                           a.ARepLivestock, a.ARepBuildings, a.ARepWater, a.AHelp, a.AKaz, a.ARus,
                           a.AVersion, a.AChangeKato, a.AMembersRegister})
        later->setEnabled(false);
    for (QAction *later : a.themes + a.otherReports)
        later->setEnabled(false);
    return a;
}

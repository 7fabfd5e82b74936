#include "app/TForm1.h"

#include "app/AppException.h"
#include "app/BookNavigation.h"
#include "app/BookPages.h"
#include "app/Catalog.h"
#include "app/HeaderStrip.h"
#include "app/IniSettings.h"
#include "app/LogManager.h"
#include "app/PeriodList.h"
#include "app/PromptPort.h"
#include "app/StartupLogin.h"
#include "app/StartupSequence.h"
#include "app/TFSelPeriod.h"
#include "app/TFlogin.h"
#include "app/TFproper.h"
#include "app/TFselkato.h"
#include "app/TfrmLogs.h"
#include "books/SectionLink.h"
#include "books/household/HouseholdCard.h"
#include "books/household/HouseholdCardPage.h"
#include "books/household/Housing.h"
#include "books/household/Members.h"
#include "app/TfrmResetPassword.h"
#include "db/DatasetTableModel.h"
#include "db/TFDM.h"

#include <QAction>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TForm1::TForm1(PromptPort &port, const QString &exeDir, const QString &lockFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_port(port)
    , m_instance(lockFolder)
{
    m_context.ExeDir = exeDir.endsWith(u'/') ? exeDir : exeDir + u'/';
    create();
    if (m_ending)
        return;

    // Created after the main window, so nothing above touches the database.
    m_fdm = new TFDM(m_context, this);
    m_selPeriod = new TFSelPeriod(m_fdm->TKnigaKato, this);
    m_selkato = new TFselkato(m_fdm->session(), this);
    m_proper = new TFproper(*m_fdm, m_context, *m_selkato, m_port, this);
    m_login = new TFlogin(this);
    m_resetPassword = new TfrmResetPassword(*m_fdm, m_context, m_port, *m_login, this);
    m_selPeriod->onSettings = [this] {
        m_proper->prepare();
        m_port.exec(*m_proper);
    };

    m_actions = MainActions::build(this);
    m_header = new HeaderStrip(this);
    m_cardList = new QTableView(this);
    m_cardList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_cardList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_cardList->verticalHeader()->hide();
    m_household = new HouseholdCard(*m_fdm, m_context, m_port, this);
    m_pages = new BookPages(*m_fdm, *m_household, m_port, this);
    m_pages->showBook(Book::Farm); // the farm item is the ticked one until start-up opens the household book
    m_navigation = new BookNavigation(*this);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_cardList);
    splitter->addWidget(m_pages);
    splitter->setStretchFactor(1, 3);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_header);
    layout->addWidget(splitter, 1);
    setCentralWidget(central);
    resize(1100, 750);

    m_household->install();
    installCardDeletion(*m_fdm, m_port);
    SectionLink::installDefaults(*m_fdm, m_port, [this] { return m_book; });
    auto *housing = new Housing(*m_fdm, *m_household, m_port, this);
    housing->install(); // in place of the housing section's default save
    QLineEdit *cardFlat = static_cast<HouseholdCardPage *>(m_pages->page(BookPages::HouseholdCard))->edit(u"FLAT"_s);
    connect(housing, &Housing::flatEditLocked, cardFlat, [cardFlat] { cardFlat->setEnabled(false); });
    connect(housing, &Housing::flatEditReleased, cardFlat, [cardFlat] { cardFlat->setEnabled(true); });
    connect(housing, &Housing::pagesChanged, this, [this] { TabSheetsReset(); });
    auto *members = new Members(*m_fdm, m_port, this);
    members->install();
    connect(members, &Members::flatEditLocked, cardFlat, [cardFlat] { cardFlat->setEnabled(false); });
    connect(m_household, &HouseholdCard::cardShown, this, [this](const HouseholdCardState &state) {
        m_header->showCard(m_fdm->TKPUCatal);
        m_header->setDeletedVisible(state.deleted);
        m_header->setHeadOfHousehold(state.headOfHousehold);
        m_header->setHouseStatus(state.houseStatus);
        updateRecordActions();
    });
    connect(m_household, &HouseholdCard::pagesChanged, this, [this] { TabSheetsReset(); });
    m_fdm->TKFHCatal.afterScroll = [this](Dataset &) { farmCardScrolled(); };
    connectActions();
    updateRecordActions();
}

TForm1::~TForm1() = default;

// Main window creation: the log folder and file, the single-instance guard.
void TForm1::create()
{
    const QString logs = m_context.ExeDir + u"logs"_s;
    if (!QDir().mkpath(logs))
        m_port.showMessage(u"Could not create "_s + logs);
    TLogManager &log = TLogManager::GetInstance();
    log.FileName = TLogManager::LogFileName(m_context.ExeDir, QDate::currentDate());
    // The viewer is the listener's receiver: once it is gone, nothing calls it.
    m_logs = new TfrmLogs(this);
    log.SetOnLogEventObj(m_logs, [logs = m_logs](const QString &line, TLogMsgType kind) {
        logs->appendLine(line, kind);
    });
    log.LogEvent = true;

    if (!m_instance.acquire()) {
        const QString running = u"Приложение уже работает!"_s;
        m_port.showMessage(running);
        log.WriteToLog(running, lmtInfo);
        m_ending = true;
        return;
    }
    m_context.FirstActivation = true;
    m_context.OkrugKatoPrefix.clear();
}

void TForm1::endProgram()
{
    m_ending = true;
    hide();
    emit programEnded();
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QMainWindow::event(event);
}

void TForm1::FormActivate()
{
    // A modal dialog of the start-up reactivates the window while the
    // sequence still runs; that activation has nothing to do.
    if (m_ending || m_activating)
        return;
    m_activating = true;
    StartupSequence sequence(*this);
    bool go = true;
    if (m_context.FirstActivation)
        go = sequence.run();
    if (go)
        guarded(m_port, [&] { sequence.refresh(); });
    m_activating = false;
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (m_fdm)
        m_fdm->disconnectDatabase(); // commits what is pending
    if (!m_ending) {
        TLogManager::GetInstance().WriteToLog(
            u"Пользователь "_s + m_context.UserLogin + u" Приложение было закрыто! "_s, lmtInfo);
    }
    event->accept();
}

Dataset &TForm1::bookList()
{
    return m_book == Book::Household ? m_fdm->TKPUCatal : m_fdm->TKFHCatal;
}

QString TForm1::captionFor(Book book, const QString &periodName, const QString &settlementName)
{
    return catalog(book == Book::Household ? u"a25"_s : u"a26"_s) + u" ("_s + catalog(u"versionpr"_s)
           + QLatin1String(ProgramVersion) + u")"_s + u" : "_s + periodName + u"/ "_s + settlementName;
}

void TForm1::updateCaption()
{
    setWindowTitle(captionFor(m_book, m_context.PeriodName, m_context.SettlementName));
}

void TForm1::updateStatusField()
{
    m_actions.statusField->setText(m_context.SettlementKato + u" "_s + m_context.OkrugName);
}

void TForm1::tickSortItem()
{
    (m_context.SortOrder == 0 ? m_actions.ASortAddress : m_actions.ASortLs)->setChecked(true);
}

void TForm1::setSortOrder(int sortOrder)
{
    (sortOrder == 0 ? m_actions.ASortAddress : m_actions.ASortLs)->setChecked(true);
    if (m_context.SortOrder == sortOrder)
        return;
    m_context.SortOrder = sortOrder;
    m_fdm->ChangeKato(m_context.SettlementId);
    saveIni(m_context, LanguageId::Russian);
}

void TForm1::showBook(Book book)
{
    m_book = book;
    const bool household = book == Book::Household;
    m_actions.AChangeKato->setVisible(!household);
    m_header->showBook(book);
    m_header->setHeadVisible(household);
    m_pages->showBook(book);
    (household ? m_actions.AKpu : m_actions.AKfh)->setChecked(true);
    m_navigation->bookOpened();

    Dataset &list = bookList();
    const QList<DatasetTableModel::Column> columns = household
        ? QList<DatasetTableModel::Column>{{u"LS"_s, tr("Лицевой счет")}, {u"STREET"_s, tr("Улица")},
                                           {u"HOUSE"_s, tr("Дом")}, {u"FLAT"_s, tr("Квартира")}}
        : QList<DatasetTableModel::Column>{{u"FIO"_s, tr("ФИО главы хозяйства")}, {u"NAME"_s, tr("Наименование")}};
    auto *model = new DatasetTableModel(list, columns, m_cardList);
    model->setErrorHandler([this](const std::exception &e) { AppExceptionHandler(m_port).AppException(e); });
    QAbstractItemModel *old = m_cardList->model();
    model->attach(m_cardList);
    delete old;
    QObject::disconnect(m_listConnection);
    m_listConnection = connect(&list, &Dataset::stateChanged, this, [this] { updateRecordActions(); });

    updateCaption();
    updateRecordActions();
    m_household->setBookOpen(household);
    list.runAfterScroll();
}

void TForm1::IsKPUClick()
{
    if (m_book != Book::Household)
        showBook(Book::Household);
}

void TForm1::IsKFHClick()
{
    if (m_book != Book::Farm)
        showBook(Book::Farm);
}

// The move to another farm card: the header strip and the farm book's sections.
void TForm1::farmCardScrolled()
{
    if (m_ending || m_book != Book::Farm)
        return;
    Dataset &list = m_fdm->TKFHCatal;
    m_header->showCard(list);
    const bool hasCard = list.isActive() && !list.isEmpty();
    m_header->setDeletedVisible(hasCard && list.value(u"IS_DELETED"_s).toInt() == 1);
    const QVariant cardId = hasCard ? list.value(u"ID"_s) : QVariant();
    for (const SectionInfo &section : SectionRegistry::all()) {
        if (!section.servesBook(Book::Farm))
            continue;
        Dataset &ds = m_fdm->section(section.dataset);
        ds.close();
        ds.setParam(SectionRegistry::cardParameter(section), cardId);
        ds.open();
    }
    updateRecordActions();
}

void TForm1::updateRecordActions()
{
    if (m_navigation)
        m_navigation->updateRecordActions();
}

void TForm1::connectActions()
{
    const MainActions &a = m_actions;
    using R = BookNavigation::RecordAction;
    const std::pair<QAction *, R> recordActions[] = {
        {a.AFirst, R::First},   {a.APrior, R::Prior},   {a.ANext, R::Next},     {a.ALast, R::Last},
        {a.AInsert, R::Insert}, {a.APost, R::Post},     {a.ADelete, R::Delete}, {a.AEdit, R::Edit},
        {a.ACancel, R::Cancel}, {a.ARefresh, R::Refresh},
    };
    for (const auto &[action, record] : recordActions)
        connect(action, &QAction::triggered, this, [this, record] { m_navigation->runRecordAction(record); });
    connect(a.AKpu, &QAction::triggered, this, [this] { guarded(m_port, [this] { IsKPUClick(); }); });
    connect(a.AKfh, &QAction::triggered, this, [this] { guarded(m_port, [this] { IsKFHClick(); }); });
    connect(a.AChangePeriod, &QAction::triggered, this,
            [this] { guarded(m_port, [this] { AChangePeriodExecute(); }); });
    connect(a.ASortAddress, &QAction::triggered, this, [this] { guarded(m_port, [this] { setSortOrder(0); }); });
    connect(a.ASortLs, &QAction::triggered, this, [this] { guarded(m_port, [this] { setSortOrder(1); }); });
    a.ALockProgram->setEnabled(true);
    a.AChangePassword->setEnabled(true);
    connect(a.ALockProgram, &QAction::triggered, this, [this] { ALockProgramExecute(); });
    connect(a.AChangePassword, &QAction::triggered, this,
            [this] { guarded(m_port, [this] { AChangePasswordExecute(); }); });
    connect(a.ALogging, &QAction::triggered, this, [this] { guarded(m_port, [this] { ALoggingExecute(); }); });
    connect(a.ASettings, &QAction::triggered, this, [this] {
        guarded(m_port, [this] {
            m_proper->prepare();
            m_port.exec(*m_proper);
        });
    });
}

// "Логирование"
void TForm1::ALoggingExecute()
{
    m_port.exec(*m_logs);
    TabSheetsReset();
}

void TForm1::TabSheetsReset()
{
    m_navigation->TabSheetsReset();
}

void TForm1::disableFLK()
{
    m_navigation->disableFLK();
}

// "Сменить период/като"
void TForm1::AChangePeriodExecute()
{
    m_selPeriod->prepare(m_context.PeriodIndex);
    const bool confirmed = m_port.exec(*m_selPeriod) == QDialog::Accepted;
    if (confirmed && (m_selPeriod->periodIndex() < 0 || !m_selPeriod->hasSettlement()))
        return;
    if (confirmed) {
        const int index = m_selPeriod->periodIndex();
        m_context.PeriodIndex = index;
        m_context.PeriodName = m_selPeriod->periodName();
        m_context.PeriodHalf = PeriodList::half(index);
        m_context.PeriodYear = PeriodList::yearOf(m_context.PeriodName);
        const SettlementChoice settlement = m_selPeriod->settlement();
        m_context.SettlementKato = settlement.kato;
        m_context.SettlementName = settlement.name;
        m_context.SettlementId = settlement.id;
        updateCaption();
        m_fdm->ChangeKato(m_context.SettlementId);
        saveIni(m_context, LanguageId::Russian);
        disableFLK();
    }
    updateStatusField();
    TabSheetsReset();
}

// "Блокировка программы"
void TForm1::ALockProgramExecute()
{
    lockProgram(m_port, *m_fdm, m_context, *m_login);
}

// "Смена пароля"
void TForm1::AChangePasswordExecute()
{
    m_port.exec(*m_resetPassword);
}

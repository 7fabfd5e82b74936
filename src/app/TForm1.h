#pragma once

#include "app/MainActions.h"
#include "app/SingleInstance.h"
#include "app/WorkContext.h"
#include "books/SectionRegistry.h"

#include <QMainWindow>
#include <QString>

class BookNavigation;
class BookPages;
class Dataset;
class HeaderStrip;
class HouseholdCard;
class PromptPort;
class QTableView;
class TFDM;
class TFlogin;
class TFproper;
class TfrmResetPassword;
class TFSelPeriod;
class TFselkato;
class TfrmLogs;

// The main window: it owns the work context, the data module, the dialogs and
// every command of the menus and the tool bar, and hands the work to the
// module of each subsystem.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // exeDir: the program folder, ending in "/"; lockFolder: where the
    // single-instance guard lives (the temporary folder when empty).
    TForm1(PromptPort &port, const QString &exeDir, const QString &lockFolder = {},
           QWidget *parent = nullptr);
    ~TForm1() override;

    // True once the program has been told to end (a refused start, a second copy).
    bool isEnding() const { return m_ending; }

    // First activation: the start-up sequence; every activation: the refresh steps.
    void FormActivate();

    // --- what the subsystems work with
    WorkContext &context() { return m_context; }
    TFDM &fdm() { return *m_fdm; }
    PromptPort &port() { return m_port; }
    const MainActions &actions() const { return m_actions; }
    TFSelPeriod &selPeriod() { return *m_selPeriod; }
    TFproper &proper() { return *m_proper; }
    TFselkato &selkato() { return *m_selkato; }
    TfrmLogs &logs() { return *m_logs; }
    TFlogin &loginDialog() { return *m_login; }
    TfrmResetPassword &resetPassword() { return *m_resetPassword; }
    HeaderStrip &header() { return *m_header; }
    BookPages &pages() { return *m_pages; }
    BookNavigation &navigation() { return *m_navigation; }
    Book openBook() const { return m_book; }
    Dataset &bookList();

    // Ends the program: nothing further is shown.
    void endProgram();

    // --- commands
    void IsKPUClick();
    void IsKFHClick();
    void AChangePeriodExecute();
    void ALockProgramExecute();
    void AChangePasswordExecute();
    void setSortOrder(int sortOrder);
    void tickSortItem();
    void updateCaption();
    void updateStatusField();
    void ALoggingExecute();
    // Enables or disables the household section pages for the current card.
    void TabSheetsReset();
    // Applies the period-half settings of the open book.
    void disableFLK();

    // Book title + " (" + "Версия" + "3.21" + ")" + " : " + period + "/ " + settlement.
    static QString captionFor(Book book, const QString &periodName, const QString &settlementName);
    static constexpr char ProgramVersion[] = "3.21";

signals:
    // The program ends: the entry quits its event loop.
    void programEnded();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void create();
    void showBook(Book book);
    void connectActions();
    void updateRecordActions();
    void farmCardScrolled();

    PromptPort &m_port;
    WorkContext m_context;
    SingleInstance m_instance;
    MainActions m_actions;
    HeaderStrip *m_header = nullptr;
    QTableView *m_cardList = nullptr;
    BookPages *m_pages = nullptr;
    BookNavigation *m_navigation = nullptr;
    HouseholdCard *m_household = nullptr;
    TFDM *m_fdm = nullptr;
    TFSelPeriod *m_selPeriod = nullptr;
    TFproper *m_proper = nullptr;
    TFselkato *m_selkato = nullptr;
    TfrmLogs *m_logs = nullptr;
    TFlogin *m_login = nullptr;
    TfrmResetPassword *m_resetPassword = nullptr;
    Book m_book = Book::Farm;
    bool m_ending = false;
    bool m_activating = false;
    QMetaObject::Connection m_listConnection;
};

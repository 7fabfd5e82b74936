#include "app/StartupSequence.h"

#include "app/AppException.h"
#include "app/BookPages.h"
#include "app/Catalog.h"
#include "app/IniSettings.h"
#include "app/LogManager.h"
#include "app/PeriodList.h"
#include "app/PromptPort.h"
#include "app/StartupLogin.h"
#include "app/TFSelPeriod.h"
#include "app/TForm1.h"
#include "app/TFproper.h"
#include "books/household/HousingPage.h"
#include "db/DatabaseLocation.h"
#include "db/TFDM.h"

using namespace Qt::StringLiterals;

namespace {

void logInfo(const QString &text)
{
    TLogManager::GetInstance().WriteToLog(text, lmtInfo);
}

void logError(const QString &text)
{
    TLogManager::GetInstance().WriteToLog(text, lmtError);
}

} // namespace

bool StartupSequence::refuse(const QString &message, bool warningBox)
{
    if (warningBox)
        m_form.port().warning(message);
    else
        m_form.port().showMessage(message);
    logError(message);
    saveIniErr(m_form.context());
    m_form.endProgram();
    return false;
}

bool StartupSequence::run()
{
    WorkContext &ctx = m_form.context();
    TFDM &fdm = m_form.fdm();

    if (!connect())
        return false;
    fdm.TKnigaProperty.open();
    fdm.TKnigaKato.open();
    openIni(ctx); // the language switch comes with the Kazakh interface
    if (!lockCheck())
        return false;
    m_form.tickSortItem();
    if (!versionCheck() || !login() || !okrug() || !periodAndSettlement())
        return false;

    m_form.updateCaption();
    m_form.updateStatusField();
    saveIni(ctx, LanguageId::Russian);
    fdm.reference(u"KFH_SPR_OKED"_s).open();
    fdm.reference(u"KPU_SPR_SPP"_s).open();
    fdm.ChangeKato(ctx.SettlementId);
    m_form.IsKPUClick(); // also runs the household card's after-scroll handling
    return true;
}

bool StartupSequence::connect()
{
    // A missing or locked file is shown by the error handler; without a
    // database there is nothing to start, so the program ends.
    const bool connected = guarded(m_form.port(), [this] {
        m_form.fdm().connectDatabase(DatabaseLocation::forExeDir(m_form.context().ExeDir));
    });
    if (!connected)
        m_form.endProgram();
    return connected;
}

bool StartupSequence::lockCheck()
{
    if (lockInForce(m_form.context()))
        return refuse(u"Система заблокированна на 5 минут."_s, true);
    return true;
}

bool StartupSequence::versionCheck()
{
    Dataset &ver = m_form.fdm().TVer;
    try {
        ver.close();
        ver.open();
    } catch (const std::exception &) {
        return refuse(u"Неопределена версия базы. Возможно база не была обновлена"_s);
    }
    if (ver.isEmpty() || ver.value(u"BVERSION"_s).toString() != QLatin1String(TForm1::ProgramVersion))
        return refuse(u"Несоответствие версии базы с версией исполняемого файла"_s);
    return true;
}

bool StartupSequence::login()
{
    // A failure to store the password is shown by the error handler and
    // ends the start like a cancelled login.
    bool accepted = false;
    guarded(m_form.port(), [&] {
        accepted = StartupLogin(m_form.port(), m_form.fdm(), m_form.context(), m_form.loginDialog()).run();
    });
    if (!accepted)
        m_form.endProgram();
    return accepted;
}

bool StartupSequence::okrug()
{
    WorkContext &ctx = m_form.context();
    TFDM &fdm = m_form.fdm();
    Dataset &property = fdm.TKnigaProperty;
    property.close();
    property.open();
    if (property.isEmpty()) {
        TFproper &proper = m_form.proper();
        proper.prepare();
        if (m_form.port().exec(proper) != QDialog::Accepted) {
            m_form.endProgram();
            return false;
        }
        if (!guarded(m_form.port(), [&] { proper.savePendingEdit(); })) {
            m_form.endProgram();
            return false;
        }
        if (property.isEmpty()) {
            m_form.port().showMessage(catalog(u"a24"_s));
            m_form.endProgram();
            return false;
        }
    }
    fdm.RefreshKato(property.value(u"KATO"_s).toString().left(6));
    ctx.OkrugName = property.value(u"NAME_SO"_s).toString();
    return true;
}

bool StartupSequence::periodAndSettlement()
{
    WorkContext &ctx = m_form.context();
    TFSelPeriod &dialog = m_form.selPeriod();
    dialog.prepare(ctx.PeriodIndex);
    if (m_form.port().exec(dialog) != QDialog::Accepted) {
        m_form.endProgram();
        return false;
    }
    const int index = dialog.periodIndex();
    ctx.PeriodIndex = index;
    logInfo(u"Период: "_s + QString::number(index));
    if (index < 0) {
        m_form.endProgram();
        return false;
    }
    ctx.PeriodName = dialog.periodName();
    ctx.PeriodHalf = PeriodList::half(index);
    ctx.PeriodYear = PeriodList::yearOf(ctx.PeriodName);
    logInfo(u"Период год: "_s + ctx.PeriodYear);
    if (!dialog.hasSettlement()) {
        m_form.endProgram();
        return false;
    }
    const SettlementChoice settlement = dialog.settlement();
    ctx.SettlementKato = settlement.kato;
    ctx.SettlementName = settlement.name;
    ctx.SettlementId = settlement.id;
    logInfo(u"КАТО код: "_s + ctx.SettlementKato);
    logInfo(u"КАТО наименование: "_s + ctx.SettlementName);
    logInfo(u"КАТО айди: "_s + QString::number(ctx.SettlementId));
    return true;
}

void StartupSequence::refresh()
{
    m_form.context().FirstActivation = false;
    m_form.fdm().openListsAndSections();
    m_form.disableFLK();
    // The housing page's dependent fields follow the situation of the current row.
    if (auto *housing = qobject_cast<HousingPage *>(m_form.pages().page(BookPages::Housing)))
        housing->situationChanged();
}

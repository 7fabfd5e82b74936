#include "books/SectionLink.h"

#include "app/Catalog.h"
#include "app/LogManager.h"
#include "app/PromptPort.h"
#include "db/Dataset.h"
#include "db/TFDM.h"

using namespace Qt::StringLiterals;

namespace SectionLink {

void linkToCard(Dataset &row, const SectionInfo &section, Book book, TFDM &fdm, PromptPort &port, bool always)
{
    Dataset &card = book == Book::Household ? fdm.TKPUCatal : fdm.TKFHCatal;
    const QVariant cardId = card.isActive() && !card.isEmpty() ? card.value(u"ID"_s) : QVariant();
    if (!cardId.isValid() || cardId.isNull()) {
        port.showMessage(catalog(u"a51"_s));
        row.cancel();
        throw Abort{};
    }
    if (always || row.isNull(section.linkColumn))
        row.setValue(section.linkColumn, cardId);
}

void rereadAfterSave(Dataset &row)
{
    try {
        const int position = row.recNo();
        row.close();
        row.open();
        if (position >= 0 && position < row.recordCount())
            row.moveTo(position);
        TLogManager::GetInstance().WriteToLog(u"Сохранение данных в базе данных."_s, lmtInfo);
    } catch (const std::exception &) {
        // The row is saved; a failed reread leaves the section as far as it got.
    }
}

void deleteSectionsOfCard(TFDM &fdm, Book book, const QVariant &cardId)
{
    for (const SectionInfo &section : SectionRegistry::all()) {
        if (!section.servesBook(book))
            continue;
        fdm.execSql({u"delete from %1 where %2 = ?"_s.arg(section.table, section.linkColumn), {cardId}});
    }
}

void installDefaults(TFDM &fdm, PromptPort &port, std::function<Book()> openBook)
{
    // Members, temporary residents, housing and trade premises always belong
    // to the current household.
    static const QStringList alwaysLinked = {u"KPU_SRN"_s, u"KPU_SRN2"_s, u"KPU_RZHF"_s, u"KPU_VTT"_s};
    for (const SectionInfo &section : SectionRegistry::all()) {
        Dataset &ds = fdm.section(section.dataset);
        const bool always = alwaysLinked.contains(section.table);
        ds.beforePost = [&fdm, &port, openBook, &section, always](Dataset &row) {
            linkToCard(row, section, openBook(), fdm, port, always);
        };
        ds.afterPost = [](Dataset &row) { rereadAfterSave(row); };
    }
}

} // namespace SectionLink

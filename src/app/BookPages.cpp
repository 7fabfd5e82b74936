#include "app/BookPages.h"

#include "app/AppException.h"
#include "app/Catalog.h"
#include "books/household/HouseholdCardPage.h"
#include "books/household/HousingPage.h"
#include "books/household/MembersPage.h"
#include "db/DatasetTableModel.h"
#include "db/TFDM.h"

#include <QHeaderView>
#include <QTableView>

using namespace Qt::StringLiterals;

BookPages::BookPages(TFDM &fdm, ::HouseholdCard &household, PromptPort &port, QWidget *parent)
    : QTabWidget(parent)
    , m_port(port)
{
    addPage(HouseholdCard, new HouseholdCardPage(fdm, household, port, this), tr("Карточка"));
    addPage(FarmCard, grid(fdm.TKFHCatal), tr("Карточка"));
    addPage(Members, new MembersPage(fdm, port, this), tr("1.Список членов домох-ва"));
    addPage(FarmComposition, grid(fdm.section(u"TSostav"_s)), tr("1.Сведения о составе КФХ"));
    addPage(Housing, new HousingPage(fdm, port, this), tr("2.Жилищные условия"));
    addPage(FarmMoney, grid(fdm.section(u"TMoney"_s)), tr("2.Стоимость осн.фондов"));
    addPage(Land, grid(fdm.section(u"TZEM"_s)), QString());
    addPage(Livestock, grid(fdm.section(u"TZHIV"_s)), QString());
    addPage(Machinery,
            subPages({{tr("Сельскохозяйственная техника по видам"), &fdm.section(u"TTeh"_s)},
                      {tr("Оборудование для переработки"), &fdm.section(u"TObor"_s)}}),
            QString());
    m_buildings = subPages({{tr("Постр.для хранения с/х продукции"), &fdm.section(u"tPostrRast"_s)},
                            {tr("Постр.для содер. с/х жив-х"), &fdm.section(u"TPostrZhiv"_s)},
                            {tr("Емкости для нефтепрод-в"), &fdm.section(u"TPostrOil"_s)},
                            {tr("Теплицы"), &fdm.section(u"TTepl"_s)},
                            {tr("Пом-я для с/х техники"), &fdm.section(u"TPostrTeh"_s)}});
    m_oilTanks = m_buildings->widget(2);
    m_machinerySheds = m_buildings->widget(4);
    addPage(Buildings, m_buildings, QString());
    addPage(Trade, grid(fdm.section(u"TVTT"_s)), tr("7.Наличие торговых точек"));
    addPage(Purchase, grid(fdm.section(u"TZakup"_s)), tr("8.Закупочные центры"));
    addPage(Additional, grid(fdm.section(u"tDopol"_s)), QString());
}

QWidget *BookPages::grid(Dataset &dataset)
{
    auto *view = new QTableView(this);
    DatasetTableModel *model = DatasetTableModel::allFields(dataset, view);
    model->setErrorHandler([this](const std::exception &e) { AppExceptionHandler(m_port).AppException(e); });
    model->attach(view);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->verticalHeader()->hide();
    return view;
}

QTabWidget *BookPages::subPages(const QList<std::pair<QString, Dataset *>> &pages)
{
    auto *tabs = new QTabWidget(this);
    for (const auto &[caption, dataset] : pages)
        tabs->addTab(grid(*dataset), caption);
    return tabs;
}

void BookPages::addPage(Page page, QWidget *widget, const QString &caption)
{
    m_pages.insert(page, widget);
    addTab(widget, caption);
}

bool BookPages::isPageShown(Page page) const
{
    return isTabVisible(indexOf(m_pages.value(page)));
}

void BookPages::setPageEnabled(Page page, bool enabled)
{
    setTabEnabled(indexOf(m_pages.value(page)), enabled);
}

void BookPages::showBook(Book book)
{
    const bool household = book == Book::Household;
    const QHash<Page, bool> shown = {
        {HouseholdCard, household}, {FarmCard, !household}, {Members, household},
        {FarmComposition, false},   {Housing, household},   {FarmMoney, false},
        {Land, true},               {Livestock, true},      {Machinery, false},
        {Buildings, true},          {Trade, false},         {Purchase, false},
        {Additional, false},
    };
    // A page the book does not show is left for its counterpart.
    static const QHash<Page, Page> counterpart = {
        {FarmCard, HouseholdCard}, {HouseholdCard, FarmCard}, {FarmComposition, Members},
        {Members, FarmComposition}, {FarmMoney, Housing}, {Housing, Land},
    };
    QWidget *current = currentWidget();
    const Page currentPage = m_pages.key(current, HouseholdCard);
    for (auto it = shown.cbegin(); it != shown.cend(); ++it)
        setTabVisible(indexOf(m_pages.value(it.key())), it.value());
    if (!shown.value(currentPage)) {
        Page target = counterpart.value(currentPage, household ? HouseholdCard : FarmCard);
        if (!shown.value(target))
            target = household ? HouseholdCard : FarmCard;
        setCurrentWidget(m_pages.value(target));
    }
    // Oil tanks and machinery sheds are never shown as sub-pages.
    m_buildings->setTabVisible(m_buildings->indexOf(m_oilTanks), false);
    m_buildings->setTabVisible(m_buildings->indexOf(m_machinerySheds), false);
    if (m_buildings->currentWidget() == m_oilTanks || m_buildings->currentWidget() == m_machinerySheds)
        m_buildings->setCurrentIndex(0);

    setTabText(indexOf(m_pages.value(Land)), (household ? u"3."_s : u"1."_s) + catalog(household ? u"zem_kpu"_s : u"zem_kfh"_s));
    setTabText(indexOf(m_pages.value(Livestock)),
               (household ? u"4."_s : u"2."_s) + catalog(household ? u"zhiv_kpu"_s : u"zhiv_kfh"_s));
    setTabText(indexOf(m_pages.value(Machinery)), (household ? u"5."_s : u"4."_s) + catalog(u"teh_obor"_s));
    setTabText(indexOf(m_pages.value(Buildings)), (household ? u"5."_s : u"3."_s) + catalog(u"postr_all"_s));
    if (!household) // the household book leaves this caption as it is
        setTabText(indexOf(m_pages.value(Purchase)), u"6."_s + catalog(u"a27"_s));
    setTabText(indexOf(m_pages.value(Additional)), u"7."_s + catalog(u"a28"_s));
}

-- Reference books of a new database. A real okrug later refreshes them with the
-- reference-book import, which replaces rows by ID, so the IDs below are the
-- ones the program, the FLK checks and the reports rely on.
-- DATE_BEGIN/DATE_END empty = open-ended; the few rows with a DATE_END in the
-- past are withdrawn kinds that lists filtered by validity must no longer offer.

-- Relation to the member recorded first; 1 = head of the household.
INSERT INTO KPU_SPR_SROGD (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '1', 'Глава домохозяйства', 'Үй шаруашылығының басшысы');
INSERT INTO KPU_SPR_SROGD (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '2', 'Жена (муж)', 'Әйелі (күйеуі)');
INSERT INTO KPU_SPR_SROGD (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (3, '3', 'Сын (дочь)', 'Ұлы (қызы)');
INSERT INTO KPU_SPR_SROGD (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '4', 'Зять (невестка)', 'Күйеу баласы (келіні)');
INSERT INTO KPU_SPR_SROGD (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (5, '5', 'Внук (внучка)', 'Немересі');
INSERT INTO KPU_SPR_SROGD (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (6, '6', 'Отец (мать)', 'Әкесі (анасы)');
INSERT INTO KPU_SPR_SROGD (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (7, '7', 'Свекор (свекровь), тесть (теща)', 'Қайын атасы (қайын енесі)');
INSERT INTO KPU_SPR_SROGD (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (8, '8', 'Брат (сестра)', 'Ағасы, інісі (әпкесі, сіңлісі)');
INSERT INTO KPU_SPR_SROGD (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (9, '9', 'Правнук (правнучка)', 'Шөбересі');
INSERT INTO KPU_SPR_SROGD (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (10, '10', 'Другая степень родства', 'Туыстықтың басқа дәрежесі');
INSERT INTO KPU_SPR_SROGD (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (11, '11', 'Не родственник', 'Туысы емес');

-- Sex.
INSERT INTO KPU_SPR_SPP (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '1', 'Мужской', 'Ер');
INSERT INTO KPU_SPR_SPP (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '2', 'Женский', 'Әйел');

-- Nationality. The 24 IDs counted one by one by the population report keep
-- exactly these IDs; code '000' ("not stated") is never offered in a list.
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39360, '000', 'Не указана', 'Көрсетілмеген', 0);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39365, '005', 'Казах', 'Қазақ', 1);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39361, '001', 'Русский', 'Орыс', 2);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39364, '004', 'Узбек', 'Өзбек', 3);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39362, '002', 'Украинец', 'Украин', 4);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39482, '115', 'Уйгур', 'Ұйғыр', 5);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39475, '108', 'Немец', 'Неміс', 6);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39399, '032', 'Татарин', 'Татар', 7);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39367, '007', 'Азербайджанец', 'Әзірбайжан', 8);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39472, '105', 'Кореец', 'Кәріс', 9);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39481, '114', 'Турок', 'Түрік', 10);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39363, '003', 'Белорус', 'Беларусь', 11);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39371, '011', 'Кыргыз', 'Қырғыз', 12);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39372, '012', 'Таджик', 'Тәжік', 13);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39402, '035', 'Чеченец', 'Шешен', 14);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39390, '023', 'Ингуш', 'Ингуш', 15);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39378, '018', 'Башкир', 'Башқұрт', 16);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39477, '110', 'Поляк', 'Поляк', 17);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39369, '009', 'Молдаванин', 'Молдаван', 18);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39373, '013', 'Армянин', 'Армян', 19);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39474, '107', 'Курд', 'Күрд', 20);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39401, '034', 'Удмурт', 'Удмурт', 21);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39396, '029', 'Мариец', 'Мари', 22);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39397, '030', 'Мордвин', 'Мордва', 23);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39476, '109', 'Перс', 'Парсы', 24);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39479, '112', 'Дунганин', 'Дүнген', 25);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39473, '106', 'Грек', 'Грек', 26);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39398, '031', 'Чуваш', 'Шуваш', 27);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39368, '008', 'Литовец', 'Литван', 28);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39370, '010', 'Латыш', 'Латыш', 29);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39374, '014', 'Туркмен', 'Түрікмен', 30);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39483, '116', 'Болгарин', 'Болгар', 31);
INSERT INTO KPU_SPR_KN (ID, CODE, NAME_RUS, NAME_KAZ, ORDERBY) VALUES (39499, '199', 'Другие национальности', 'Басқа ұлттар', 99);

-- Level of education. The FLK age bands expect 3 and up from the age of 16,
-- 4 and 7 from 17, 8 (higher) from 21 and 9 (postgraduate) from 24.
INSERT INTO KPU_SPR_SUODH (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '1', 'Не имеет начального образования', 'Бастауыш білімі жоқ');
INSERT INTO KPU_SPR_SUODH (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '2', 'Начальное', 'Бастауыш');
INSERT INTO KPU_SPR_SUODH (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (3, '3', 'Основное среднее', 'Негізгі орта');
INSERT INTO KPU_SPR_SUODH (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '4', 'Общее среднее', 'Жалпы орта');
INSERT INTO KPU_SPR_SUODH (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (5, '5', 'Начальное профессиональное', 'Бастапқы кәсіптік');
INSERT INTO KPU_SPR_SUODH (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (6, '6', 'Техническое и профессиональное', 'Техникалық және кәсіптік');
INSERT INTO KPU_SPR_SUODH (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (7, '7', 'Послесреднее', 'Орта білімнен кейінгі');
INSERT INTO KPU_SPR_SUODH (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (8, '8', 'Высшее', 'Жоғары');
INSERT INTO KPU_SPR_SUODH (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (9, '9', 'Послевузовское', 'Жоғары оқу орнынан кейінгі');

-- Studying in an educational organisation; empty = not studying. 3 and 4 are
-- full-time students, who the FLK expects outside the labour force.
INSERT INTO KPU_SPR_SOOO (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '1', 'Дошкольная организация', 'Мектепке дейінгі ұйым');
INSERT INTO KPU_SPR_SOOO (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '2', 'Общеобразовательная школа', 'Жалпы білім беретін мектеп');
INSERT INTO KPU_SPR_SOOO (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (3, '3', 'Колледж, очная форма', 'Колледж, күндізгі оқу нысаны');
INSERT INTO KPU_SPR_SOOO (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '4', 'Вуз, очная форма', 'ЖОО, күндізгі оқу нысаны');
INSERT INTO KPU_SPR_SOOO (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (5, '5', 'Вуз, заочная или вечерняя форма', 'ЖОО, сырттай немесе кешкі оқу нысаны');
INSERT INTO KPU_SPR_SOOO (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (6, '6', 'Магистратура, докторантура', 'Магистратура, докторантура');

-- Position in employment: 1-6 employed, 7 unemployed, 8 outside the labour
-- force (the two employment reports split at 6/7). An employee (1) lives on
-- wages (source 1), 2, 3 and 5 on business income (2), 4 on the household plot (3).
INSERT INTO KPU_SPR_PZ (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '1', 'Наемный работник', 'Жалдамалы қызметкер');
INSERT INTO KPU_SPR_PZ (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '2', 'Работодатель', 'Жұмыс беруші');
INSERT INTO KPU_SPR_PZ (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (3, '3', 'Индивидуальный предприниматель без наемных работников', 'Жалдамалы қызметкерлері жоқ жеке кәсіпкер');
INSERT INTO KPU_SPR_PZ (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '4', 'Работник личного подсобного хозяйства', 'Жеке қосалқы шаруашылық қызметкері');
INSERT INTO KPU_SPR_PZ (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (5, '5', 'Член крестьянского (фермерского) хозяйства', 'Шаруа (фермер) қожалығының мүшесі');
INSERT INTO KPU_SPR_PZ (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (6, '6', 'Помогающий (неоплачиваемый) член семьи', 'Көмектесетін (ақы төленбейтін) отбасы мүшесі');
INSERT INTO KPU_SPR_PZ (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (7, '7', 'Безработный', 'Жұмыссыз');
INSERT INTO KPU_SPR_PZ (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (8, '8', 'Лицо, не входящее в состав рабочей силы', 'Жұмыс күшінің құрамына кірмейтін адам');

-- Source of means of subsistence; 1 = wages, 5 = pension; 4, 7, 9 and 10 are
-- the sources the FLK accepts for full-time students.
INSERT INTO KPU_SPR_SID (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '1', 'Заработная плата', 'Жалақы');
INSERT INTO KPU_SPR_SID (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '2', 'Доход от предпринимательской деятельности', 'Кәсіпкерлік қызметтен түсетін табыс');
INSERT INTO KPU_SPR_SID (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (3, '3', 'Доход от личного подсобного хозяйства', 'Жеке қосалқы шаруашылықтан түсетін табыс');
INSERT INTO KPU_SPR_SID (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '4', 'Стипендия', 'Шәкіртақы');
INSERT INTO KPU_SPR_SID (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (5, '5', 'Пенсия', 'Зейнетақы');
INSERT INTO KPU_SPR_SID (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (6, '6', 'Пособие (кроме пособия по безработице)', 'Жәрдемақы (жұмыссыздық бойынша жәрдемақыдан басқа)');
INSERT INTO KPU_SPR_SID (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (7, '7', 'На иждивении', 'Асырауында');
INSERT INTO KPU_SPR_SID (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (8, '8', 'Пособие по безработице', 'Жұмыссыздық бойынша жәрдемақы');
INSERT INTO KPU_SPR_SID (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (9, '9', 'Адресная социальная помощь', 'Атаулы әлеуметтік көмек');
INSERT INTO KPU_SPR_SID (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (10, '10', 'Иной источник', 'Басқа көз');

-- Marital status.
INSERT INTO KPU_SPR_SOSTBR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '1', 'Никогда не состоял(а) в браке', 'Ешқашан некеде болмаған');
INSERT INTO KPU_SPR_SOSTBR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '2', 'Состоит в зарегистрированном браке', 'Тіркелген некеде тұрады');
INSERT INTO KPU_SPR_SOSTBR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (3, '3', 'Состоит в незарегистрированном браке', 'Тіркелмеген некеде тұрады');
INSERT INTO KPU_SPR_SOSTBR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '4', 'Вдовец (вдова)', 'Жесір');
INSERT INTO KPU_SPR_SOSTBR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (5, '5', 'Разведен(а)', 'Ажырасқан');
INSERT INTO KPU_SPR_SOSTBR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (6, '6', 'Разошелся (разошлась)', 'Бөлек тұрады');

-- Type of dwelling. 1 is the one-flat house of the flat rule; 2 and 3 are
-- withdrawn types that the FLK asks to replace by 1, 4 or 5; 6-10 are the
-- house sizes the housing reports count. Listed by CODE, hence two digits.
INSERT INTO KPU_SPR_SPVOB (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '01', 'Одноквартирный (индивидуальный) жилой дом', 'Бір пәтерлі (жеке) тұрғын үй');
INSERT INTO KPU_SPR_SPVOB (ID, CODE, NAME_RUS, NAME_KAZ, DATE_BEGIN, DATE_END) VALUES (2, '02', 'Квартира в многоквартирном доме', 'Көп пәтерлі үйдегі пәтер', '2012-01-01 00:00:00', '2016-12-31 23:59:59');
INSERT INTO KPU_SPR_SPVOB (ID, CODE, NAME_RUS, NAME_KAZ, DATE_BEGIN, DATE_END) VALUES (3, '03', 'Прочее жилое помещение (общежитие, барак)', 'Басқа тұрғын үй-жай (жатақхана, барак)', '2012-01-01 00:00:00', '2016-12-31 23:59:59');
INSERT INTO KPU_SPR_SPVOB (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '04', 'Двухквартирный жилой дом', 'Екі пәтерлі тұрғын үй');
INSERT INTO KPU_SPR_SPVOB (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (5, '05', 'Трех и более квартирный жилой дом', 'Үш және одан да көп пәтерлі тұрғын үй');
INSERT INTO KPU_SPR_SPVOB (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (6, '06', 'Индивидуальный жилой дом (коттедж)', 'Жеке тұрғын үй (коттедж)');
INSERT INTO KPU_SPR_SPVOB (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (7, '07', 'Трехквартирный жилой дом', 'Үш пәтерлі тұрғын үй');
INSERT INTO KPU_SPR_SPVOB (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (8, '08', 'Четырехквартирный жилой дом', 'Төрт пәтерлі тұрғын үй');
INSERT INTO KPU_SPR_SPVOB (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (9, '09', 'Пятиквартирный жилой дом', 'Бес пәтерлі тұрғын үй');
INSERT INTO KPU_SPR_SPVOB (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (10, '10', 'Шести и более квартирный жилой дом', 'Алты және одан да көп пәтерлі тұрғын үй');

-- Form of ownership of the dwelling; the FLK accepts exactly these five.
-- The housing reports count 19142 as state and 19145 as private.
INSERT INTO KPU_SPR_VSZHP (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (19142, '1', 'Государственная', 'Мемлекеттік');
INSERT INTO KPU_SPR_VSZHP (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (19145, '2', 'Частная', 'Жеке');
INSERT INTO KPU_SPR_VSZHP (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (19148, '3', 'Общая долевая', 'Ортақ үлестік');
INSERT INTO KPU_SPR_VSZHP (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (19151, '4', 'Общая совместная', 'Ортақ бірлескен');
INSERT INTO KPU_SPR_VSZHP (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (19154, '5', 'Иная', 'Өзге');

-- Material of outer walls.
INSERT INTO KPU_SPR_HW (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '1', 'Кирпич', 'Кірпіш');
INSERT INTO KPU_SPR_HW (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '2', 'Камень', 'Тас');
INSERT INTO KPU_SPR_HW (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (3, '3', 'Панели', 'Панельдер');
INSERT INTO KPU_SPR_HW (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '4', 'Блоки (шлакоблок, пеноблок)', 'Блоктар (шлакоблок, көбікблок)');
INSERT INTO KPU_SPR_HW (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (5, '5', 'Монолитный бетон', 'Монолитті бетон');
INSERT INTO KPU_SPR_HW (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (6, '6', 'Дерево', 'Ағаш');
INSERT INTO KPU_SPR_HW (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (7, '7', 'Саман, глина', 'Саман, балшық');
INSERT INTO KPU_SPR_HW (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (8, '8', 'Смешанный материал', 'Аралас материал');
INSERT INTO KPU_SPR_HW (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (9, '9', 'Прочий материал', 'Басқа материал');

-- Situation of a lived-in house. 580, 560, 590 and 18120912 are the four
-- situations of the household register export; 18120912 makes a household
-- inactive.
INSERT INTO KPU_SPR_HS (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (580, '1', 'Используется для постоянного проживания', 'Тұрақты тұру үшін пайдаланылады');
INSERT INTO KPU_SPR_HS (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (560, '2', 'Используется для сезонного проживания', 'Маусымдық тұру үшін пайдаланылады');
INSERT INTO KPU_SPR_HS (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (590, '3', 'На капитальном ремонте (реконструкции)', 'Күрделі жөндеуде (қайта жаңартуда)');
INSERT INTO KPU_SPR_HS (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (18120912, '4', 'пустующий или бесхозный', 'бос тұрған немесе иесіз');
INSERT INTO KPU_SPR_HS (ID, CODE, NAME_RUS, NAME_KAZ, DATE_BEGIN, DATE_END) VALUES (570, '5', 'Аварийный', 'Апатты жағдайдағы', '2012-01-01 00:00:00', '2017-12-31 23:59:59');

-- Reason a dwelling left the register.
INSERT INTO KPU_SPR_HR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '01', 'Снос', 'Бұзылуы');
INSERT INTO KPU_SPR_HR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '02', 'Стихийное бедствие (пожар, наводнение)', 'Табиғи апат (өрт, су тасқыны)');
INSERT INTO KPU_SPR_HR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (3, '03', 'Ветхость, непригодность для проживания', 'Тозуы, тұруға жарамсыздығы');
INSERT INTO KPU_SPR_HR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '04', 'Перевод в нежилой фонд', 'Тұрғын емес қорға ауыстырылуы');
INSERT INTO KPU_SPR_HR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (5, '05', 'Прочие причины', 'Басқа себептер');
INSERT INTO KPU_SPR_HR (ID, CODE, NAME_RUS, NAME_KAZ, DATE_BEGIN, DATE_END) VALUES (6, '06', 'Передача в другой сельский округ', 'Басқа ауылдық округке берілуі', '2012-01-01 00:00:00', '2015-12-31 23:59:59');

-- Kind of trade premises.
INSERT INTO KPU_SPR_SVTT (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '1', 'Магазин', 'Дүкен');
INSERT INTO KPU_SPR_SVTT (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '2', 'Павильон', 'Павильон');
INSERT INTO KPU_SPR_SVTT (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (3, '3', 'Киоск', 'Дүңгіршек');
INSERT INTO KPU_SPR_SVTT (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '4', 'Торговое место на рынке', 'Базардағы сауда орны');
INSERT INTO KPU_SPR_SVTT (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (5, '5', 'Аптека', 'Дәріхана');
INSERT INTO KPU_SPR_SVTT (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (6, '6', 'Кафе, столовая', 'Кафе, асхана');
INSERT INTO KPU_SPR_SVTT (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (7, '7', 'Прочие торговые точки', 'Басқа сауда нүктелері');

-- Agricultural machinery.
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '01', 'Тракторы колесные', 'Дөңгелекті тракторлар');
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '02', 'Тракторы гусеничные', 'Шынжыр табанды тракторлар');
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (3, '03', 'Мини-тракторы и мотоблоки', 'Шағын тракторлар мен мотоблоктар');
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '04', 'Комбайны зерноуборочные', 'Астық жинайтын комбайндар');
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (5, '05', 'Комбайны кормоуборочные', 'Жем-шөп жинайтын комбайндар');
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (6, '06', 'Сеялки', 'Тұқым сепкіштер');
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (7, '07', 'Плуги', 'Соқалар');
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (8, '08', 'Культиваторы', 'Культиваторлар');
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (9, '09', 'Бороны', 'Тырмалар');
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (10, '10', 'Косилки', 'Шөп шапқыштар');
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (11, '11', 'Грабли тракторные', 'Тракторлық шөп жинағыштар');
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (12, '12', 'Пресс-подборщики', 'Пресс-жинағыштар');
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (13, '13', 'Автомобили грузовые', 'Жүк автомобильдері');
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (14, '14', 'Прицепы тракторные', 'Тракторлық тіркемелер');
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (15, '15', 'Опрыскиватели', 'Бүріккіштер');
INSERT INTO SPR_TEHNIKA (ID, CODE, NAME_RUS, NAME_KAZ, DATE_BEGIN, DATE_END) VALUES (16, '16', 'Жатки валковые', 'Дестелі орақтар', '2012-01-01 00:00:00', '2018-12-31 23:59:59');

-- Processing equipment.
INSERT INTO SPR_OBOR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '01', 'Мельницы', 'Диірмендер');
INSERT INTO SPR_OBOR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '02', 'Крупорушки', 'Жарма жарғыштар');
INSERT INTO SPR_OBOR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (3, '03', 'Маслобойки', 'Май шайқағыштар');
INSERT INTO SPR_OBOR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '04', 'Сепараторы молочные', 'Сүт сепараторлары');
INSERT INTO SPR_OBOR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (5, '05', 'Прессы для растительного масла', 'Өсімдік майын сығатын престер');
INSERT INTO SPR_OBOR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (6, '06', 'Оборудование для производства колбас', 'Шұжық өндіруге арналған жабдықтар');
INSERT INTO SPR_OBOR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (7, '07', 'Коптильни', 'Ыстау камералары');
INSERT INTO SPR_OBOR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (8, '08', 'Холодильные камеры', 'Тоңазытқыш камералар');
INSERT INTO SPR_OBOR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (9, '09', 'Сушилки для фруктов и овощей', 'Жеміс пен көкөніс кептіргіштер');
INSERT INTO SPR_OBOR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (10, '10', 'Хлебопекарное оборудование', 'Нан пісіретін жабдықтар');
INSERT INTO SPR_OBOR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (11, '11', 'Доильные аппараты', 'Сауу аппараттары');
INSERT INTO SPR_OBOR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (12, '12', 'Зернодробилки', 'Астық ұсақтағыштар');
INSERT INTO SPR_OBOR (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (13, '13', 'Прочее оборудование для переработки', 'Өңдеуге арналған басқа жабдықтар');
INSERT INTO SPR_OBOR (ID, CODE, NAME_RUS, NAME_KAZ, DATE_BEGIN, DATE_END) VALUES (14, '14', 'Шерстобитные машины', 'Жүн сабайтын машиналар', '2012-01-01 00:00:00', '2015-12-31 23:59:59');

-- Buildings for crop produce. 1, 2 and 4 are the totals the FLK compares with
-- their parts (455815, 18070143, 18070144 of 1; 18070136, 18070137 of 2;
-- 18070140 of 4). Greenhouses 9 and 10 were moved to their own section, so
-- they are withdrawn here and the FLK reports rows that still use them.
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '01', 'Зерносеменохранилища (включая зернофуражные)', 'Астық-тұқым қоймалары (астық-жемдік қоймаларын қоса алғанда)');
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (455815, '0101', 'зернохранилища', 'астық қоймалары');
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (18070143, '0102', 'семенохранилища', 'тұқым қоймалары');
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (18070144, '0103', 'зернофуражные хранилища', 'астық-жемдік қоймалары');
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '02', 'Овощекартофелехранилища', 'Көкөніс-картоп қоймалары');
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (18070136, '0201', 'овощехранилища', 'көкөніс қоймалары');
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (18070137, '0202', 'картофелехранилища', 'картоп қоймалары');
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (3, '03', 'Сенохранилища и навесы для грубых кормов', 'Шөп қоймалары және дөрекі азыққа арналған қалқалар');
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '04', 'Фруктохранилища (включая плодово-ягодные хранилища)', 'Жеміс қоймалары (жеміс-жидек қоймаларын қоса алғанда)');
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (18070140, '0401', 'плодово-ягодные хранилища', 'жеміс-жидек қоймалары');
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (5, '05', 'Склады минеральных удобрений', 'Минералдық тыңайтқыштар қоймалары');
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (6, '06', 'Силосные и сенажные траншеи', 'Сүрлем және сенаж траншеялары');
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (7, '07', 'Зерносушилки', 'Астық кептіргіштер');
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (8, '08', 'Прочие постройки для хранения продукции', 'Өнімді сақтауға арналған басқа құрылыстар');
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ, DATE_BEGIN, DATE_END) VALUES (9, '09', 'Теплицы для выращивания овощей', 'Көкөніс өсіруге арналған жылыжайлар', '2012-01-01 00:00:00', '2016-12-31 23:59:59');
INSERT INTO SPR_POSTR_RAST (ID, CODE, NAME_RUS, NAME_KAZ, DATE_BEGIN, DATE_END) VALUES (10, '10', 'Теплицы для выращивания цветов', 'Гүл өсіруге арналған жылыжайлар', '2012-01-01 00:00:00', '2016-12-31 23:59:59');

-- Buildings for livestock. 78 and 79 (several kinds, other kinds of livestock)
-- need no number of places.
INSERT INTO SPR_POSTR_ZHIV (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (70, '01', 'Коровники', 'Сиыр қоралары');
INSERT INTO SPR_POSTR_ZHIV (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (71, '02', 'Телятники', 'Бұзау қоралары');
INSERT INTO SPR_POSTR_ZHIV (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (72, '03', 'Кошары (овчарни)', 'Қой қоралары');
INSERT INTO SPR_POSTR_ZHIV (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (73, '04', 'Конюшни', 'Жылқы қоралары');
INSERT INTO SPR_POSTR_ZHIV (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (74, '05', 'Свинарники', 'Шошқа қоралары');
INSERT INTO SPR_POSTR_ZHIV (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (75, '06', 'Птичники', 'Құс қоралары');
INSERT INTO SPR_POSTR_ZHIV (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (76, '07', 'Верблюжатники', 'Түйе қоралары');
INSERT INTO SPR_POSTR_ZHIV (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (77, '08', 'Крольчатники', 'Үй қояндарына арналған қоралар');
INSERT INTO SPR_POSTR_ZHIV (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (78, '09', 'Помещения для нескольких видов скота', 'Малдың бірнеше түріне арналған үй-жайлар');
INSERT INTO SPR_POSTR_ZHIV (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (79, '10', 'Помещения для прочих видов скота', 'Малдың басқа түрлеріне арналған үй-жайлар');
INSERT INTO SPR_POSTR_ZHIV (ID, CODE, NAME_RUS, NAME_KAZ, DATE_BEGIN, DATE_END) VALUES (80, '11', 'Козлятники', 'Ешкі қоралары', '2012-01-01 00:00:00', '2016-12-31 23:59:59');

-- Premises for farm machinery.
INSERT INTO KFH_SPR_POSTR_TEH (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '01', 'Гаражи', 'Гараждар');
INSERT INTO KFH_SPR_POSTR_TEH (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '02', 'Машинно-тракторные мастерские', 'Машина-трактор шеберханалары');
INSERT INTO KFH_SPR_POSTR_TEH (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (3, '03', 'Навесы для техники', 'Техникаға арналған қалқалар');
INSERT INTO KFH_SPR_POSTR_TEH (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '04', 'Ангары', 'Ангарлар');
INSERT INTO KFH_SPR_POSTR_TEH (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (5, '05', 'Прочие помещения для техники', 'Техникаға арналған басқа үй-жайлар');
INSERT INTO KFH_SPR_POSTR_TEH (ID, CODE, NAME_RUS, NAME_KAZ, DATE_BEGIN, DATE_END) VALUES (6, '06', 'Машинные дворы', 'Машина аулалары', '2012-01-01 00:00:00', '2016-12-31 23:59:59');

-- Tanks for oil products.
INSERT INTO KFH_SPR_POSTR_OIL (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, '01', 'Резервуары наземные', 'Жерүсті резервуарлары');
INSERT INTO KFH_SPR_POSTR_OIL (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '02', 'Резервуары подземные', 'Жерасты резервуарлары');
INSERT INTO KFH_SPR_POSTR_OIL (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (3, '03', 'Цистерны', 'Цистерналар');
INSERT INTO KFH_SPR_POSTR_OIL (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '04', 'Бочки и прочие емкости', 'Бөшкелер және басқа сыйымдылықтар');
INSERT INTO KFH_SPR_POSTR_OIL (ID, CODE, NAME_RUS, NAME_KAZ, DATE_BEGIN, DATE_END) VALUES (5, '05', 'Топливозаправочные пункты', 'Жанармай құю пункттері', '2012-01-01 00:00:00', '2016-12-31 23:59:59');

-- OKED activities of farms. Only five-character codes may be chosen; the
-- section, division and group rows above them are there to be refused.
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (1, 'A', 'Сельское, лесное и рыбное хозяйство', 'Ауыл, орман және балық шаруашылығы');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (2, '01', 'Растениеводство и животноводство, охота и предоставление услуг в этих областях', 'Өсімдік және мал шаруашылығы, аңшылық және осы салалардағы қызметтер');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (3, '011', 'Выращивание одно- или двухлетних культур', 'Бір жылдық немесе екі жылдық дақылдарды өсіру');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (4, '01111', 'Выращивание зерновых и зернобобовых культур, включая семеноводство', 'Дәнді және дәнді-бұршақты дақылдарды өсіру, тұқым шаруашылығын қоса алғанда');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (5, '01112', 'Выращивание масличных культур и их семян', 'Майлы дақылдарды және олардың тұқымдарын өсіру');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (6, '01130', 'Выращивание овощей, бахчевых, корнеплодов и клубнеплодов', 'Көкөністерді, бақша дақылдарын, тамыржемістілер мен түйнекжемістілерді өсіру');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (7, '01190', 'Выращивание прочих одно- или двухлетних культур', 'Басқа да бір жылдық немесе екі жылдық дақылдарды өсіру');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (8, '01240', 'Выращивание семечковых и косточковых культур', 'Дәнді және сүйекті жеміс дақылдарын өсіру');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (9, '01410', 'Разведение молочного крупного рогатого скота', 'Сүтті ірі қара мал өсіру');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (10, '01420', 'Разведение прочих пород крупного рогатого скота и буйволов', 'Ірі қара малдың басқа тұқымдарын және буйволдарды өсіру');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (11, '01430', 'Разведение лошадей и прочих животных семейства лошадиных', 'Жылқы және жылқы тұқымдас басқа жануарларды өсіру');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (12, '01440', 'Разведение верблюдов и прочих животных семейства верблюжьих', 'Түйе және түйе тұқымдас басқа жануарларды өсіру');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (13, '01450', 'Разведение овец и коз', 'Қой мен ешкі өсіру');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (14, '01460', 'Разведение свиней', 'Шошқа өсіру');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (15, '01470', 'Разведение сельскохозяйственной птицы', 'Ауыл шаруашылығы құстарын өсіру');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (16, '01490', 'Разведение прочих животных', 'Басқа да жануарларды өсіру');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (17, '01500', 'Смешанное сельское хозяйство', 'Аралас ауыл шаруашылығы');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (18, '01610', 'Вспомогательная деятельность в области растениеводства', 'Өсімдік шаруашылығы саласындағы қосалқы қызмет');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (19, '01620', 'Вспомогательная деятельность в области животноводства', 'Мал шаруашылығы саласындағы қосалқы қызмет');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (20, '10511', 'Переработка молока, кроме консервирования, и производство сыра', 'Сүтті өңдеу (консервілеуден басқа) және ірімшік өндіру');
INSERT INTO KFH_SPR_OKED (ID, CODE, NAME_RUS, NAME_KAZ) VALUES (21, '10611', 'Производство муки', 'Ұн өндіру');

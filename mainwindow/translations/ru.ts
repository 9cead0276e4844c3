<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>AccessControl</name>
    <message>
        <source>%1 was signed out: no input for %2 minutes.</source>
        <translation>%1 вышел из системы: нет действий %2 мин.</translation>
    </message>
    <message>
        <source>&lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation>&lt;a href="users"&gt;Пользователи&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Nobody can sign in: see the event log</source>
        <translation>Никто не может войти: см. журнал событий</translation>
    </message>
    <message>
        <source>Nobody signed in · &lt;a href="signin"&gt;Sign in&lt;/a&gt;</source>
        <translation>Никто не вошёл · &lt;a href="signin"&gt;Войти&lt;/a&gt;</translation>
    </message>
    <message>
        <source>%1 (%2) · &lt;a href="signout"&gt;Sign out&lt;/a&gt;</source>
        <translation>%1 (%2) · &lt;a href="signout"&gt;Выйти&lt;/a&gt;</translation>
    </message>
    <message>
        <source> · &lt;a href="users"&gt;Users&lt;/a&gt;</source>
        <translation> · &lt;a href="users"&gt;Пользователи&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>BarcodeSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Содержимое</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Edit the content line by line</source>
        <translation>Изменить содержимое построчно</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Tenths: 20 is scale 2.0</source>
        <translation>Десятые доли: 20 — масштаб 2.0</translation>
    </message>
    <message>
        <source>Show Text</source>
        <translation>Показать текст</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Data Mode</source>
        <translation>Режим данных</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <source>GS1</source>
        <translation>GS1</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>Внешние данные</translation>
    </message>
    <message>
        <source>EAN14</source>
        <translation>EAN14</translation>
    </message>
    <message>
        <source>EAN13</source>
        <translation>EAN13</translation>
    </message>
    <message>
        <source>QR Code (ISO 18004)</source>
        <translation>QR-код (ISO 18004)</translation>
    </message>
    <message>
        <source>Data Matrix (ISO 16022)</source>
        <translation>Data Matrix (ISO 16022)</translation>
    </message>
    <message>
        <source>Code_39</source>
        <translation>Code_39</translation>
    </message>
    <message>
        <source>Code_93</source>
        <translation>Code_93</translation>
    </message>
    <message>
        <source>UPC-A</source>
        <translation>UPC-A</translation>
    </message>
    <message>
        <source>UPC-E</source>
        <translation>UPC-E</translation>
    </message>
    <message>
        <source>Code_128</source>
        <translation>Code_128</translation>
    </message>
    <message>
        <source>ITF14</source>
        <translation>ITF14</translation>
    </message>
    <message>
        <source>PDF417</source>
        <translation>PDF417</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>Вставить поле</translation>
    </message>
</context>
<context>
    <name>BatchRecordPdf</name>
    <message>
        <source>the message is too large to draw</source>
        <translation>сообщение слишком велико для рисунка</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 не записывается (%2)</translation>
    </message>
    <message>
        <source>Batch record of job %1</source>
        <translation>Протокол партии задания %1</translation>
    </message>
    <message>
        <source>Batch record: job %1</source>
        <translation>Протокол партии: задание %1</translation>
    </message>
    <message>
        <source>Product: %1 %2</source>
        <translation>Продукт: %1 %2</translation>
    </message>
    <message>
        <source>Order: %1    Lot: %2</source>
        <translation>Заказ: %1    Партия: %2</translation>
    </message>
    <message>
        <source>Started: %1 by %2</source>
        <translation>Начато: %1, %2</translation>
    </message>
    <message>
        <source>Ended: not yet</source>
        <translation>Завершено: ещё нет</translation>
    </message>
    <message>
        <source>Ended: %1 by %2</source>
        <translation>Завершено: %1, %2</translation>
    </message>
    <message>
        <source>Field values</source>
        <translation>Значения полей</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Шаблон</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2</source>
        <translation>%1, SHA-256 %2</translation>
    </message>
    <message>
        <source>Signature: %1</source>
        <translation>Подпись: %1</translation>
    </message>
    <message>
        <source>Message sent</source>
        <translation>Отправленное сообщение</translation>
    </message>
    <message>
        <source>SHA-256 %1</source>
        <translation>SHA-256 %1</translation>
    </message>
    <message>
        <source>(no picture: the message sent is no longer in the folder of jobs)</source>
        <translation>(нет картинки: отправленного сообщения уже нет в папке заданий)</translation>
    </message>
    <message>
        <source>(no picture: %1)</source>
        <translation>(нет картинки: %1)</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Маркираторы</translation>
    </message>
    <message>
        <source>%1 %2: %3 at %4; read back %5</source>
        <translation>%1 %2: %3 в %4; считано %5</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>ничего</translation>
    </message>
    <message>
        <source>    started %1, stopped %2</source>
        <translation>    пуск %1, стоп %2</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 не записывается</translation>
    </message>
    <message>
        <source>Code readers</source>
        <translation>Сканеры кодов</translation>
    </message>
    <message>
        <source>%1, reader %2: %3 good, %4 bad, %5 no read, %6 not compared</source>
        <translation>%1, сканер %2: %3 верных, %4 неверных, %5 не прочитано, %6 не сравнено</translation>
    </message>
    <message>
        <source>Challenge test of %1, reader %2, %3 at %4 by %5 after %6 reads%7</source>
        <translation>Контрольная проверка %1, сканер %2, %3 в %4, %5, после %6 чтений%7</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>пройдена</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>не пройдена</translation>
    </message>
</context>
<context>
    <name>BatchRecordsDialog</name>
    <message>
        <source>Batch records</source>
        <translation>Протоколы партий</translation>
    </message>
    <message>
        <source>From</source>
        <translation>С</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>To</source>
        <translation>По</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>Партия</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Задание</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Начато</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Продукт</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Заказ</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Экспорт CSV...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Экспорт PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message numerus="yes">
        <source>%n jobs</source>
        <translation>
            <numerusform>%n задание</numerusform>
            <numerusform>%n задания</numerusform>
            <numerusform>%n заданий</numerusform>
        </translation>
    </message>
    <message>
        <source>The batch records cannot be read: %1</source>
        <translation>Протоколы партий не читаются: %1</translation>
    </message>
    <message>
        <source>Template %1: %2
Message sent: SHA-256 %3</source>
        <translation>Шаблон %1: %2
Отправленное сообщение: SHA-256 %3</translation>
    </message>
    <message>
        <source>run without an approval</source>
        <translation>запущено без утверждения</translation>
    </message>
    <message>
        <source>Export the batch record</source>
        <translation>Экспорт протокола партии</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Файлы CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 не записывается (%2)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf);;All files (*)</source>
        <translation>Файлы PDF (*.pdf);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>ChangeMyDeviceBtnRemarkNameDialog</name>
    <message>
        <source>Remark Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>Изменить имя</translation>
    </message>
</context>
<context>
    <name>CoderListModel</name>
    <message>
        <source>printing</source>
        <translation>печать</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>готов</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>остановлен</translation>
    </message>
    <message>
        <source>IP: %1</source>
        <translation>IP: %1</translation>
    </message>
    <message>
        <source>Remark name: %1</source>
        <translation>Имя: %1</translation>
    </message>
    <message>
        <source>State: %1</source>
        <translation>Состояние: %1</translation>
    </message>
    <message>
        <source>Current file: %1</source>
        <translation>Текущий файл: %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>Job: %1</source>
        <translation>Задание: %1</translation>
    </message>
    <message>
        <source>Lot: %1</source>
        <translation>Партия: %1</translation>
    </message>
    <message>
        <source>Job state: %1</source>
        <translation>Этап задания: %1</translation>
    </message>
    <message>
        <source>Line: %1</source>
        <translation>Линия: %1</translation>
    </message>
    <message>
        <source>Not heard of: the last values known</source>
        <translation>Нет связи: последние известные значения</translation>
    </message>
</context>
<context>
    <name>CommandJournal</name>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>%1 is not saved: the journal cannot be written (%2).</source>
        <translation>%1 не сохранён: журнал не записывается (%2).</translation>
    </message>
    <message>
        <source>%1 was saved, but: %2</source>
        <translation>%1 сохранён, но: %2</translation>
    </message>
    <message>
        <source>The journal cannot be used: %1</source>
        <translation>Журнал недоступен: %1</translation>
    </message>
    <message>
        <source>Not done: its journal line cannot be written (%1)</source>
        <translation>Не выполнено: запись в журнал невозможна (%1)</translation>
    </message>
    <message>
        <source>Not in the journal (%1): %2</source>
        <translation>Нет в журнале (%1): %2</translation>
    </message>
    <message>
        <source>%1, %2 bytes, SHA-256 %3</source>
        <translation>%1, %2 байт, SHA-256 %3</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>без изменений</translation>
    </message>
    <message>
        <source>%1, SHA-256 %2 → %3</source>
        <translation>%1, SHA-256 %2 → %3</translation>
    </message>
    <message>
        <source>%1 cut-off line(s) recorded</source>
        <translation>записано обрезанных строк: %1</translation>
    </message>
    <message>
        <source>%1 line(s) that are no journal lines recorded</source>
        <translation>записано строк, которые не являются строками журнала: %1</translation>
    </message>
    <message>
        <source>line %1 changed after its head named it</source>
        <translation>строка %1 изменена после того, как её назвал заголовок</translation>
    </message>
    <message>
        <source>lines %1 to %2 never named by the head</source>
        <translation>строки с %1 по %2 не названы заголовком</translation>
    </message>
    <message>
        <source>head %1</source>
        <translation>заголовок %1</translation>
    </message>
    <message>
        <source>first administrator %1</source>
        <translation>первый администратор %1</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>over %1, broker account %2, user as claimed</source>
        <translation>через %1, учётная запись брокера %2, пользователь со слов</translation>
    </message>
    <message>
        <source>over %1, broker account %2</source>
        <translation>через %1, учётная запись брокера %2</translation>
    </message>
</context>
<context>
    <name>CommandText</name>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Print parameters</source>
        <translation>Параметры печати</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Remark name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>over MQTT</source>
        <translation>через MQTT</translation>
    </message>
    <message>
        <source>claimed user %1</source>
        <translation>со слов: пользователь %1</translation>
    </message>
    <message>
        <source>sent unchanged</source>
        <translation>отправлены без изменений</translation>
    </message>
    <message>
        <source>no coder</source>
        <translation>ни одного маркиратора</translation>
    </message>
    <message>
        <source>%1 coders</source>
        <translation>маркираторов: %1</translation>
    </message>
    <message>
        <source>%1 sent to %2</source>
        <translation>%1 отправлен: %2</translation>
    </message>
    <message>
        <source>Print parameters sent to %1 (its own were not reported before)</source>
        <translation>Параметры печати отправлены: %1 (прежние не были известны)</translation>
    </message>
    <message>
        <source>Print parameters of %1: %2</source>
        <translation>Параметры печати %1: %2</translation>
    </message>
    <message>
        <source>Port changed from %1 to %2</source>
        <translation>Порт изменён с %1 на %2</translation>
    </message>
    <message>
        <source>Remark name of %1 removed (was %2)</source>
        <translation>Имя %1 удалено (было %2)</translation>
    </message>
    <message>
        <source>%1 named %2</source>
        <translation>%1 назван %2</translation>
    </message>
    <message>
        <source>%1 renamed from %2 to %3</source>
        <translation>%1 переименован: %2 → %3</translation>
    </message>
</context>
<context>
    <name>ControlStatusBar</name>
    <message>
        <source>Listening on port %1</source>
        <translation>Ожидание на порту %1</translation>
    </message>
    <message>
        <source>Not listening</source>
        <translation>Порт не открыт</translation>
    </message>
    <message numerus="yes">
        <source>%n coder(s) connected</source>
        <translation>
            <numerusform>%n маркиратор подключён</numerusform>
            <numerusform>%n маркиратора подключено</numerusform>
            <numerusform>%n маркираторов подключено</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DesignHistory</name>
    <message>
        <source>content</source>
        <translation>содержимое</translation>
    </message>
    <message>
        <source>external data</source>
        <translation>внешние данные</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>поворот</translation>
    </message>
    <message>
        <source>font</source>
        <translation>шрифт</translation>
    </message>
    <message>
        <source>font size</source>
        <translation>размер шрифта</translation>
    </message>
    <message>
        <source>letter spacing</source>
        <translation>интервал</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>жирный</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>курсив</translation>
    </message>
    <message>
        <source>underline</source>
        <translation>подчёркивание</translation>
    </message>
    <message>
        <source>format</source>
        <translation>формат</translation>
    </message>
    <message>
        <source>valid days</source>
        <translation>срок годности</translation>
    </message>
    <message>
        <source>counter</source>
        <translation>счётчик</translation>
    </message>
    <message>
        <source>base</source>
        <translation>система счисления</translation>
    </message>
    <message>
        <source>digits</source>
        <translation>разряды</translation>
    </message>
    <message>
        <source>fill character</source>
        <translation>символ заполнения</translation>
    </message>
    <message>
        <source>symbology</source>
        <translation>тип кода</translation>
    </message>
    <message>
        <source>height</source>
        <translation>высота</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>масштаб</translation>
    </message>
    <message>
        <source>text line</source>
        <translation>строка текста</translation>
    </message>
    <message>
        <source>size</source>
        <translation>размер</translation>
    </message>
    <message>
        <source>data mode</source>
        <translation>режим данных</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>картинка</translation>
    </message>
    <message>
        <source>shift table</source>
        <translation>таблица смен</translation>
    </message>
    <message>
        <source>properties</source>
        <translation>свойства</translation>
    </message>
    <message>
        <source>best before of the product</source>
        <translation>срок годности продукта</translation>
    </message>
</context>
<context>
    <name>DesignTemplate</name>
    <message>
        <source>the catalogue is not open</source>
        <translation>каталог не открыт</translation>
    </message>
    <message>
        <source>%1: %2 by %3 (unsigned: users are off), %4</source>
        <translation>%1: %2, %3 (без подписи: пользователи отключены), %4</translation>
    </message>
    <message>
        <source>%1: %2, signed by %3, %4</source>
        <translation>%1: %2, подписал %3, %4</translation>
    </message>
    <message>
        <source>%1: not approved</source>
        <translation>%1: не утверждён</translation>
    </message>
    <message>
        <source>%1: approval unknown (%2)</source>
        <translation>%1: утверждение неизвестно (%2)</translation>
    </message>
    <message>
        <source>The template of %1. The version a save writes must be signed before a job may run it.</source>
        <translation>Шаблон продукта %1. Версию, которую записывает сохранение, нужно подписать, прежде чем задание сможет её использовать.</translation>
    </message>
</context>
<context>
    <name>DesignUndo</name>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Счётчик</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Штрихкод</translation>
    </message>
    <message>
        <source>Shift code</source>
        <translation>Код смены</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Добавить: %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n item(s)</source>
        <translation>
            <numerusform>Добавить: %n элемент</numerusform>
            <numerusform>Добавить: %n элемента</numerusform>
            <numerusform>Добавить: %n элементов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n item(s)</source>
        <translation>
            <numerusform>Удалить: %n элемент</numerusform>
            <numerusform>Удалить: %n элемента</numerusform>
            <numerusform>Удалить: %n элементов</numerusform>
        </translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>Переместить: %1</translation>
    </message>
    <message numerus="yes">
        <source>Move %n item(s)</source>
        <translation>
            <numerusform>Переместить: %n элемент</numerusform>
            <numerusform>Переместить: %n элемента</numerusform>
            <numerusform>Переместить: %n элементов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>DeviceFolder</name>
    <message>
        <source>no folder for a coder named "%1"</source>
        <translation>нет папки для маркиратора с именем «%1»</translation>
    </message>
    <message>
        <source>%1 leads through a link; no folder is made</source>
        <translation>%1 ведёт через ссылку; папка не создаётся</translation>
    </message>
    <message>
        <source>cannot create folder %1</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>unsafe file name "%1" refused</source>
        <translation>небезопасное имя файла «%1» отклонено</translation>
    </message>
    <message>
        <source>file name of %1 bytes refused, at most %2</source>
        <translation>имя файла длиной %1 байт отклонено, не более %2</translation>
    </message>
    <message>
        <source>%1 leads through a link; nothing is written</source>
        <translation>%1 ведёт через ссылку; ничего не записано</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
</context>
<context>
    <name>DeviceListPanel</name>
    <message>
        <source>Filter: name, IP, state</source>
        <translation>Поиск: имя, IP, статус</translation>
    </message>
    <message>
        <source>Compact rows</source>
        <translation>Компактные строки</translation>
    </message>
    <message>
        <source>%1 %2: click to show only them</source>
        <translation>%1 %2: нажмите, чтобы показать только их</translation>
    </message>
    <message>
        <source>Remark Name</source>
        <translation>Имя</translation>
    </message>
</context>
<context>
    <name>EditWidget</name>
    <message>
        <source>Editor</source>
        <translation>Редактор</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>SN</source>
        <translation>Счётчик</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Barcode</source>
        <translation>Штрихкод</translation>
    </message>
    <message>
        <source>Shiftcode</source>
        <translation>Код смены</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Крупнее</translation>
    </message>
    <message>
        <source>Zoom in (Ctrl+wheel up)</source>
        <translation>Крупнее (Ctrl + колесо вверх)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Мельче</translation>
    </message>
    <message>
        <source>Zoom out (Ctrl+wheel down)</source>
        <translation>Мельче (Ctrl + колесо вниз)</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>По размеру</translation>
    </message>
    <message>
        <source>Fit the message to the window</source>
        <translation>Вписать сообщение в окно</translation>
    </message>
    <message>
        <source>1:1</source>
        <translation>1:1</translation>
    </message>
    <message>
        <source>One screen pixel per dot</source>
        <translation>Одна точка — один пиксель экрана</translation>
    </message>
    <message>
        <source>Preview at</source>
        <translation>Просмотр на</translation>
    </message>
    <message>
        <source>What the message prints at a chosen date, time and shift</source>
        <translation>Что напечатается в выбранные дату, время и смену</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Основное</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Нечего отменять</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>Нечего повторять</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>Spray Files (*.spr)</source>
        <translation>Файлы Spray (*.spr)</translation>
    </message>
    <message>
        <source>the new message</source>
        <translation>новое сообщение</translation>
    </message>
    <message>
        <source>The message has been changed.
Do you want to save your changes?</source>
        <translation>Сообщение изменено.
Сохранить изменения?</translation>
    </message>
</context>
<context>
    <name>FieldMenu</name>
    <message>
        <source>Insert field</source>
        <translation>Вставить поле</translation>
    </message>
    <message>
        <source>Insert a placeholder that a job fills</source>
        <translation>Вставить подстановку, которую заполняет задание</translation>
    </message>
</context>
<context>
    <name>Fleet</name>
    <message>
        <source>Copy for coder %1 failed: %2</source>
        <translation>Копия для маркиратора %1 не сохранена: %2</translation>
    </message>
    <message>
        <source>Listening for coders on port %1</source>
        <translation>Ожидание маркираторов на порту %1</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2. No coder can connect; choose another port and press "Built".</source>
        <translation>Порт %1 не открыть: %2. Маркираторы не могут подключиться; выберите другой порт и нажмите «Открыть порт».</translation>
    </message>
    <message>
        <source>Cannot listen on port %1: %2.</source>
        <translation>Порт %1 не открыть: %2.</translation>
    </message>
    <message>
        <source>Back to port %1.</source>
        <translation>Снова порт %1.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2. Nothing was sent.</source>
        <translation>Не удаётся прочитать %1: %2. Ничего не отправлено.</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>Это не обычный файл</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>Файл больше %1 MiB</translation>
    </message>
    <message>
        <source>Cannot send %1: %2. Nothing was sent.</source>
        <translation>Не удаётся отправить %1: %2. Ничего не отправлено.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took %2.</source>
        <translation>Маркиратор %1 отключился, не приняв %2.</translation>
    </message>
    <message>
        <source>Coder %1 did not report its message after %2 was sent: not verified.</source>
        <translation>Маркиратор %1 не сообщил своё сообщение после отправки %2: не проверено.</translation>
    </message>
    <message>
        <source>A remark name cannot hold control characters. The name stays as it was.</source>
        <translation>Имя не может содержать управляющие символы. Имя не изменено.</translation>
    </message>
    <message>
        <source>%1: no coder chosen; nothing was sent.</source>
        <translation>%1: маркиратор не выбран; ничего не отправлено.</translation>
    </message>
    <message>
        <source>Not started: %1 Nothing was sent.</source>
        <translation>Не запущено: %1 Ничего не отправлено.</translation>
    </message>
    <message>
        <source>%1. The port stays as it was.</source>
        <translation>%1. Порт не изменён.</translation>
    </message>
    <message>
        <source>%1. The name stays as it was.</source>
        <translation>%1. Имя не изменено.</translation>
    </message>
    <message>
        <source>%1. Nothing was sent.</source>
        <translation>%1. Ничего не отправлено.</translation>
    </message>
    <message>
        <source>Coder %1 was dropped before it took the command.</source>
        <translation>Маркиратор %1 отключился, не приняв команду.</translation>
    </message>
    <message>
        <source>Coder %1 connected</source>
        <translation>Маркиратор %1 подключён</translation>
    </message>
    <message>
        <source>Coder %1 disconnected</source>
        <translation>Маркиратор %1 отключён</translation>
    </message>
    <message>
        <source>Current file of coder %1 not stored: %2</source>
        <translation>Текущий файл маркиратора %1 не сохранён: %2</translation>
    </message>
    <message>
        <source>Coder %1 holds another message than was sent: sent %2 (SHA-256 %3), holds %4 (SHA-256 %5).</source>
        <translation>В маркираторе %1 другое сообщение: отправлено %2 (SHA-256 %3), в нём %4 (SHA-256 %5).</translation>
    </message>
</context>
<context>
    <name>GeneralSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Text Space</source>
        <translation>Интервал</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>_</source>
        <translation>_</translation>
    </message>
</context>
<context>
    <name>HelpButton</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Operator's Manual</source>
        <translation>Руководство оператора</translation>
    </message>
    <message>
        <source>The operator's manual is not installed (looked in %1).</source>
        <translation>Руководство оператора не установлено (искали в %1).</translation>
    </message>
    <message>
        <source>The operator's manual could not be opened: no browser took %1.</source>
        <translation>Не удалось открыть руководство оператора: ни один браузер не открыл %1.</translation>
    </message>
</context>
<context>
    <name>ImageSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Select Image</source>
        <translation>Выбрать картинку</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Images (%1)</source>
        <translation>Изображения (%1)</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>[window] language "%1" is none of %2; the desktop's language is used.</source>
        <translation>[window] language «%1» не из списка %2; используется язык рабочего стола.</translation>
    </message>
</context>
<context>
    <name>JobScan</name>
    <message>
        <source>Scan the packaging on the line: a job of %1 starts only when it shows GTIN %2.</source>
        <translation>Отсканируйте упаковку на линии: задание %1 начнётся, только если на ней GTIN %2.</translation>
    </message>
    <message>
        <source>%1 (character %2)</source>
        <translation>%1 (символ %2)</translation>
    </message>
    <message>
        <source>The scan holds no GTIN (01): %1</source>
        <translation>В скане нет GTIN (01): %1</translation>
    </message>
    <message>
        <source>No product has the GTIN %1.</source>
        <translation>Нет продукта с GTIN %1.</translation>
    </message>
    <message>
        <source>Lot %1 from the scan.</source>
        <translation>Партия %1 из скана.</translation>
    </message>
    <message>
        <source>Production date %1 from the scan.</source>
        <translation>Дата производства %1 из скана.</translation>
    </message>
    <message>
        <source>the best-before date (15) %1</source>
        <translation>срок годности (15) %1</translation>
    </message>
    <message>
        <source>the expiry date (17) %1</source>
        <translation>дата истечения срока (17) %1</translation>
    </message>
    <message>
        <source>Check the packaging: %1 is not %2, which the shelf life of %3 (%4) gives.</source>
        <translation>Проверьте упаковку: %1 — не %2, как следует из срока хранения %3 (%4).</translation>
    </message>
    <message>
        <source>Packaging confirmed: GTIN %1.</source>
        <translation>Упаковка подтверждена: GTIN %1.</translation>
    </message>
    <message>
        <source>The packaging scanned (GTIN %1) is not that of %2 (GTIN %3): the job does not start.</source>
        <translation>Отсканированная упаковка (GTIN %1) не от %2 (GTIN %3): задание не начнётся.</translation>
    </message>
</context>
<context>
    <name>JobsPanel</name>
    <message>
        <source>Jobs</source>
        <translation>Задания</translation>
    </message>
    <message>
        <source>Search products by code, GTIN or name</source>
        <translation>Поиск продукта: код, GTIN или название</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Type or scan the GTIN, then Enter</source>
        <translation>Введите или отсканируйте GTIN, затем Enter</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Продукт</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Заказ</translation>
    </message>
    <message>
        <source>Lot</source>
        <translation>Партия</translation>
    </message>
    <message>
        <source>Start job</source>
        <translation>Начать задание</translation>
    </message>
    <message>
        <source>Start printing</source>
        <translation>Начать печать</translation>
    </message>
    <message>
        <source>End job</source>
        <translation>Завершить задание</translation>
    </message>
    <message>
        <source>This window runs no jobs: it has no catalogue.</source>
        <translation>В этом окне нет заданий: нет каталога.</translation>
    </message>
    <message>
        <source>The catalogue (%1) is not open; no job starts until it is.</source>
        <translation>Каталог (%1) не открыт; задания не начнутся, пока он закрыт.</translation>
    </message>
    <message>
        <source>Products cannot be listed: %1</source>
        <translation>Не удалось показать продукты: %1</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>не выбран</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>ГГГГ-ММ-ДД</translation>
    </message>
    <message>
        <source>Coders: none checked in the device list</source>
        <translation>Маркираторы: в списке устройств не отмечены</translation>
    </message>
    <message>
        <source>Coders: %1</source>
        <translation>Маркираторы: %1</translation>
    </message>
    <message>
        <source>Not allowed for this product: %1</source>
        <translation>Не разрешены для этого продукта: %1</translation>
    </message>
    <message>
        <source>Choose a product first.</source>
        <translation>Сначала выберите продукт.</translation>
    </message>
    <message>
        <source>Check the coders of the job in the device list first.</source>
        <translation>Сначала отметьте маркираторы задания в списке устройств.</translation>
    </message>
    <message>
        <source>The job was not started: %1</source>
        <translation>Задание не начато: %1</translation>
    </message>
    <message>
        <source>Job %1 started: %2, order %3, lot %4.</source>
        <translation>Задание %1 начато: %2, заказ %3, партия %4.</translation>
    </message>
    <message>
        <source>No job is running in this view.</source>
        <translation>В этом окне нет текущего задания.</translation>
    </message>
    <message>
        <source>Not started: no coder of job %1 is verified.</source>
        <translation>Не запущено: ни один маркиратор задания %1 не проверен.</translation>
    </message>
    <message>
        <source>Job %1 was not ended: %2</source>
        <translation>Задание %1 не завершено: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Job %1 ended.</source>
        <translation>Задание %1 завершено.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>маркиратор отключён</translation>
    </message>
    <message>
        <source>not in the job</source>
        <translation>не в задании</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>отправка</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>проверено</translation>
    </message>
    <message>
        <source>running</source>
        <translation>работает</translation>
    </message>
    <message>
        <source>mismatch</source>
        <translation>не совпадает</translation>
    </message>
    <message>
        <source>not verified</source>
        <translation>не проверено</translation>
    </message>
    <message>
        <source>Packaging</source>
        <translation>Упаковка</translation>
    </message>
    <message>
        <source>Scan the packaging on the line, then Enter</source>
        <translation>Отсканируйте упаковку на линии, затем Enter</translation>
    </message>
    <message numerus="yes">
        <source>%n batch-record write(s) wait for the catalogue; they are written in order when it is back.</source>
        <translation>
            <numerusform>%n запись протокола партии ждёт каталог; записи будут внесены по порядку, когда он вернётся.</numerusform>
            <numerusform>%n записи протокола партии ждут каталог; они будут внесены по порядку, когда он вернётся.</numerusform>
            <numerusform>%n записей протокола партии ждут каталог; они будут внесены по порядку, когда он вернётся.</numerusform>
        </translation>
    </message>
    <message>
        <source>The job was not started: no line took it; the event log says why.</source>
        <translation>Задание не запущено: ни одна линия его не приняла; причина — в журнале событий.</translation>
    </message>
</context>
<context>
    <name>JournalDock</name>
    <message>
        <source>Journal</source>
        <translation>Журнал</translation>
    </message>
    <message>
        <source>Show or hide the journal of what was done</source>
        <translation>Показать или скрыть журнал действий</translation>
    </message>
</context>
<context>
    <name>JournalView</name>
    <message>
        <source>message sent</source>
        <translation>сообщение отправлено</translation>
    </message>
    <message>
        <source>print parameters</source>
        <translation>параметры печати</translation>
    </message>
    <message>
        <source>start</source>
        <translation>пуск</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>стоп</translation>
    </message>
    <message>
        <source>port</source>
        <translation>порт</translation>
    </message>
    <message>
        <source>remark name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>message saved</source>
        <translation>сообщение сохранено</translation>
    </message>
    <message>
        <source>command failed</source>
        <translation>команда не выполнена</translation>
    </message>
    <message>
        <source>journal recovered</source>
        <translation>журнал восстановлен</translation>
    </message>
    <message>
        <source>sign-in</source>
        <translation>вход</translation>
    </message>
    <message>
        <source>sign-in refused</source>
        <translation>вход отклонён</translation>
    </message>
    <message>
        <source>sign-out</source>
        <translation>выход</translation>
    </message>
    <message>
        <source>users on</source>
        <translation>пользователи включены</translation>
    </message>
    <message>
        <source>users off</source>
        <translation>пользователи выключены</translation>
    </message>
    <message>
        <source>user set</source>
        <translation>пользователь задан</translation>
    </message>
    <message>
        <source>user removed</source>
        <translation>пользователь удалён</translation>
    </message>
    <message>
        <source>idle time</source>
        <translation>время простоя</translation>
    </message>
    <message>
        <source>administrator created</source>
        <translation>создан администратор</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>ПК</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Маркираторы</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>%1 (claimed)</source>
        <translation>%1 (со слов)</translation>
    </message>
    <message>
        <source>Coder: IP or name</source>
        <translation>Маркиратор: IP или имя</translation>
    </message>
    <message>
        <source>All users</source>
        <translation>Все пользователи</translation>
    </message>
    <message>
        <source>All actions</source>
        <translation>Все действия</translation>
    </message>
    <message>
        <source>From</source>
        <translation>С</translation>
    </message>
    <message>
        <source>to</source>
        <translation>по</translation>
    </message>
</context>
<context>
    <name>KorvexMainWindow</name>
    <message>
        <source>KorvexMainWindow</source>
        <translation>Korvex Control</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Главная</translation>
    </message>
    <message>
        <source>Apply Print Parameter</source>
        <translation>Применить параметры печати</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Multi Select</source>
        <translation>Выбрать несколько</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>Порт сервера</translation>
    </message>
    <message>
        <source>Built</source>
        <translation>Открыть порт</translation>
    </message>
    <message>
        <source>File Manage</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>Список файлов</translation>
    </message>
    <message>
        <source>Print parameters not loaded: %1</source>
        <translation>Параметры печати не загружены: %1</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>You must select a file! </source>
        <translation>Выберите файл!</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found problems.</source>
        <translation>%1 не отправлен: предварительная проверка нашла ошибки.</translation>
    </message>
    <message>
        <source>"%1" is not a port: enter a number from 1 to 65535. The server keeps running as it was.</source>
        <translation>«%1» — не порт: введите число от 1 до 65535. Сервер работает как прежде.</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Задания</translation>
    </message>
    <message>
        <source>Show or hide the jobs view</source>
        <translation>Показать или скрыть задания</translation>
    </message>
</context>
<context>
    <name>MessageFile</name>
    <message>
        <source>Can not find the extern data file!</source>
        <translation>Файл внешних данных не найден!</translation>
    </message>
    <message>
        <source>The columns in the file don't match the extern items you create!</source>
        <translation>Столбцы файла не совпадают с созданными полями внешних данных!</translation>
    </message>
    <message>
        <source>Unknown Error!</source>
        <translation>Неизвестная ошибка!</translation>
    </message>
    <message>
        <source>The extern data file is a device or a pipe, not a plain file!</source>
        <translation>Файл внешних данных — устройство или канал, а не обычный файл!</translation>
    </message>
    <message>
        <source>The extern data file is larger than %1 MiB!</source>
        <translation>Файл внешних данных больше %1 MiB!</translation>
    </message>
    <message>
        <source>The extern data file has a line longer than %1 bytes!</source>
        <translation>В файле внешних данных есть строка длиннее %1 байт!</translation>
    </message>
    <message>
        <source>Qt Drawing</source>
        <translation>Файл сообщения</translation>
    </message>
    <message>
        <source>t</source>
        <translation>Файл данных</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Не удаётся записать файл %1:
%2.</translation>
    </message>
    <message>
        <source>Cannot read print file %1:
%2.</source>
        <translation>Не удаётся прочитать файл печати %1:
%2.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MiB</source>
        <translation>Файл больше %1 MiB</translation>
    </message>
    <message>
        <source>Not a plain file</source>
        <translation>Это не обычный файл</translation>
    </message>
    <message>
        <source>File %1 is empty.</source>
        <translation>Файл %1 пуст.</translation>
    </message>
</context>
<context>
    <name>MessagePreview</name>
    <message>
        <source>Current message of %1</source>
        <translation>Текущее сообщение %1</translation>
    </message>
    <message>
        <source>Current message of %1 (%2)</source>
        <translation>Текущее сообщение %1 (%2)</translation>
    </message>
    <message>
        <source>Current message of coder %1: %2</source>
        <translation>Текущее сообщение маркиратора %1: %2</translation>
    </message>
    <message>
        <source>%1, read back %2</source>
        <translation>%1, проверено в %2</translation>
    </message>
    <message>
        <source>%1, read back %2: not the message sent
sent SHA-256 %3
held SHA-256 %4</source>
        <translation>%1, проверено в %2: не то сообщение, что отправлено
отправлено SHA-256 %3
в маркираторе SHA-256 %4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>%1: no read-back since %2 (sent SHA-256 %3)</source>
        <translation>%1: нет ответа для проверки с %2 (отправлено SHA-256 %3)</translation>
    </message>
    <message>
        <source>%1, waiting for the read-back</source>
        <translation>%1, ожидание проверки</translation>
    </message>
</context>
<context>
    <name>MyTextEditor</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Preflight</name>
    <message>
        <source>left</source>
        <translation>левый</translation>
    </message>
    <message>
        <source>top</source>
        <translation>верхний</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>нижний</translation>
    </message>
    <message>
        <source>Reaches past the %1 edge of the print area: that part is not printed.</source>
        <translation>Выходит за %1 край области печати: эта часть не печатается.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>Lies on the band of head %1, which the head mask leaves out: that part is not printed.</source>
        <translation>Попадает на полосу головки %1, отключённой в маске головок: эта часть не печатается.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>The content is more than the symbol holds at its size: %1</source>
        <translation>Содержимое не помещается в код этого размера: %1</translation>
    </message>
    <message>
        <source>The GS1 data is refused: %1</source>
        <translation>Данные GS1 отклонены: %1</translation>
    </message>
    <message>
        <source>The content cannot be encoded: %1</source>
        <translation>Содержимое нельзя закодировать: %1</translation>
    </message>
    <message>
        <source>A module is %1 dots wide, not a whole number of dots: the coder prints bars of uneven width. Choose a scale whose module is whole dots.</source>
        <translation>Модуль шириной %1 точки — не целое число точек: маркиратор напечатает штрихи разной ширины. Выберите масштаб с целым числом точек в модуле.</translation>
    </message>
    <message>
        <source>The font "%1" is neither installed nor in the fonts folder.</source>
        <translation>Шрифт «%1» не установлен и не лежит в папке шрифтов.</translation>
    </message>
    <message>
        <source>No picture was chosen: the placeholder would print.</source>
        <translation>Картинка не выбрана: напечатается заглушка.</translation>
    </message>
    <message>
        <source>The picture %1 is not in the picture folder.</source>
        <translation>Картинки %1 нет в папке изображений.</translation>
    </message>
    <message>
        <source>Text "%1"</source>
        <translation>Текст «%1»</translation>
    </message>
    <message>
        <source>Date "%1"</source>
        <translation>Дата «%1»</translation>
    </message>
    <message>
        <source>Serial number "%1"</source>
        <translation>Счётчик «%1»</translation>
    </message>
    <message>
        <source>Shift code "%1"</source>
        <translation>Код смены «%1»</translation>
    </message>
    <message>
        <source>Barcode "%1"</source>
        <translation>Штрихкод «%1»</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Picture %1</source>
        <translation>Картинка %1</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Data file</source>
        <translation>Файл данных</translation>
    </message>
    <message>
        <source>The data file "%1" is not there: the data fields print nothing.</source>
        <translation>Файла данных «%1» нет: поля данных ничего не напечатают.</translation>
    </message>
    <message>
        <source>{{%1}} is neither a standard placeholder nor a field of the product: a job of it cannot fill it.</source>
        <translation>{{%1}} — не стандартная подстановка и не поле продукта: задание не сможет её заполнить.</translation>
    </message>
    <message>
        <source>{{%1}} is no standard placeholder: only a product with a field of that name can fill it.</source>
        <translation>{{%1}} — не стандартная подстановка: её заполнит только продукт с полем этого имени.</translation>
    </message>
    <message>
        <source>The field %1 ({{%2}}): %3.</source>
        <translation>Поле %1 ({{%2}}): %3.</translation>
    </message>
    <message>
        <source>Filled with %1: %2</source>
        <translation>С подстановкой %1: %2</translation>
    </message>
</context>
<context>
    <name>PreflightDialog</name>
    <message>
        <source>Pre-flight check</source>
        <translation>Предварительная проверка</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 ошибку</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>несколько ошибок (%1)</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is sent:</source>
        <translation>Проверка перед отправкой %2 нашла %1:</translation>
    </message>
    <message>
        <source>The pre-flight check found %1 in %2 before it is saved:</source>
        <translation>Проверка перед сохранением %2 нашла %1:</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <source>Finding</source>
        <translation>Замечание</translation>
    </message>
    <message>
        <source>Send anyway</source>
        <translation>Всё равно отправить</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Всё равно сохранить</translation>
    </message>
</context>
<context>
    <name>PrintParameterWidget</name>
    <message>
        <source>Print Parameters</source>
        <translation>Параметры печати</translation>
    </message>
    <message>
        <source>Print Head Offset(mm)</source>
        <translation>Смещение головки (mm)</translation>
    </message>
    <message>
        <source>font-weight: bold;</source>
        <translation>font-weight: bold;</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>Trigger Mode</source>
        <translation>Режим запуска</translation>
    </message>
    <message>
        <source>Spray Mode</source>
        <translation>Режим печати</translation>
    </message>
    <message>
        <source>Dpi</source>
        <translation>Разрешение (dpi)</translation>
    </message>
    <message>
        <source>Singal Interval</source>
        <translation>Интервал сигнала</translation>
    </message>
    <message>
        <source>Print Head Set</source>
        <translation>Головки</translation>
    </message>
    <message>
        <source>Splice</source>
        <translation>Стык</translation>
    </message>
    <message>
        <source>Single Head Print Direct</source>
        <translation>Направление одной головки</translation>
    </message>
    <message>
        <source>Print Direct</source>
        <translation>Направление печати</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Прямое</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Обратное</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Перевёрнутое</translation>
    </message>
    <message>
        <source>Rev/Inv</source>
        <translation>Обр./Перев.</translation>
    </message>
    <message>
        <source>Encoder</source>
        <translation>Энкодер</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>Production Line Speed(m/min)</source>
        <translation>Скорость линии (m/min)</translation>
    </message>
    <message>
        <source>PPR</source>
        <translation>PPR</translation>
    </message>
    <message>
        <source>Diameter(mm)</source>
        <translation>Диаметр (mm)</translation>
    </message>
    <message>
        <source>Unknown (%1)</source>
        <translation>Неизвестно (%1)</translation>
    </message>
    <message>
        <source>Internal Singal</source>
        <translation>Внутренний сигнал</translation>
    </message>
    <message>
        <source>External Singal</source>
        <translation>Внешний сигнал</translation>
    </message>
    <message>
        <source>Left Spary</source>
        <translation>Печать слева</translation>
    </message>
    <message>
        <source>Right Spary</source>
        <translation>Печать справа</translation>
    </message>
    <message>
        <source>Hight Quanlity</source>
        <translation>Высокое качество</translation>
    </message>
    <message>
        <source>Hight Speed</source>
        <translation>Высокая скорость</translation>
    </message>
    <message>
        <source>150</source>
        <translation>150</translation>
    </message>
    <message>
        <source>200</source>
        <translation>200</translation>
    </message>
    <message>
        <source>300</source>
        <translation>300</translation>
    </message>
    <message>
        <source>600</source>
        <translation>600</translation>
    </message>
    <message>
        <source>Parameter reply ignored: %1 bytes received, a parameter block has %2.</source>
        <translation>Ответ с параметрами пропущен: получено байт: %1, в блоке параметров их %2.</translation>
    </message>
</context>
<context>
    <name>PrintPreviewDialog</name>
    <message>
        <source>Preview at</source>
        <translation>Просмотр на</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Смена</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>as now</source>
        <translation>как сейчас</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Copy the designer's message again</source>
        <translation>Снова взять сообщение из редактора</translation>
    </message>
    <message>
        <source>Next changes of the printed text</source>
        <translation>Ближайшие изменения печатаемого текста</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Когда</translation>
    </message>
    <message>
        <source>Boundary</source>
        <translation>Граница</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>До</translation>
    </message>
    <message>
        <source>After</source>
        <translation>После</translation>
    </message>
    <message>
        <source>(by the time)</source>
        <translation>(по времени)</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 с %2</translation>
    </message>
    <message>
        <source>Changes every hour: %1</source>
        <translation>Меняется каждый час: %1</translation>
    </message>
    <message>
        <source>Changes every minute: %1</source>
        <translation>Меняется каждую минуту: %1</translation>
    </message>
    <message>
        <source>Changes every second: %1</source>
        <translation>Меняется каждую секунду: %1</translation>
    </message>
    <message numerus="yes">
        <source>Nothing in the message changes with the date within %n year(s).</source>
        <translation>
            <numerusform>Ничто в сообщении не меняется с датой в течение %n года.</numerusform>
            <numerusform>Ничто в сообщении не меняется с датой в течение %n лет.</numerusform>
            <numerusform>Ничто в сообщении не меняется с датой в течение %n лет.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrintTimeline</name>
    <message>
        <source>Date %1 (%2)</source>
        <translation>Дата %1 (%2)</translation>
    </message>
    <message>
        <source>Shift code %1</source>
        <translation>Код смены %1</translation>
    </message>
    <message>
        <source>midnight</source>
        <translation>полночь</translation>
    </message>
    <message>
        <source>month end</source>
        <translation>конец месяца</translation>
    </message>
    <message>
        <source>29 February</source>
        <translation>29 февраля</translation>
    </message>
    <message>
        <source>shift change</source>
        <translation>пересменка</translation>
    </message>
</context>
<context>
    <name>ProductsDialog</name>
    <message>
        <source>Products</source>
        <translation>Продукты</translation>
    </message>
    <message>
        <source>Search code, GTIN or name</source>
        <translation>Поиск по коду, GTIN или названию</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Шаблон</translation>
    </message>
    <message>
        <source>Approve...</source>
        <translation>Утвердить...</translation>
    </message>
    <message>
        <source>Shelf life</source>
        <translation>Срок годности</translation>
    </message>
    <message>
        <source>30 days, 18 months, 18 months, end of month</source>
        <translation>30 days, 18 months, 18 months, end of month</translation>
    </message>
    <message>
        <source>Coders</source>
        <translation>Маркираторы</translation>
    </message>
    <message>
        <source>Line *; 127.0.0.*</source>
        <translation>Line *; 127.0.0.*</translation>
    </message>
    <message>
        <source>Job fields</source>
        <translation>Поля задания</translation>
    </message>
    <message>
        <source>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</source>
        <translation>[{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}","required":true}]</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Импорт CSV...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Экспорт CSV...</translation>
    </message>
    <message>
        <source>Batch records...</source>
        <translation>Протоколы партий...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Файлы CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The products cannot be read: %1</source>
        <translation>Продукты не читаются: %1</translation>
    </message>
    <message>
        <source>no products</source>
        <translation>нет продуктов</translation>
    </message>
    <message>
        <source>%1-%2 of %3</source>
        <translation>%1-%2 из %3</translation>
    </message>
    <message>
        <source>new product</source>
        <translation>новый продукт</translation>
    </message>
    <message>
        <source>saved by %1, %2 (revision %3)</source>
        <translation>сохранил %1, %2 (версия %3)</translation>
    </message>
    <message>
        <source>check digit good: %1</source>
        <translation>контрольная цифра верна: %1</translation>
    </message>
    <message>
        <source>%1 is not saved: %2</source>
        <translation>%1 не сохранён: %2</translation>
    </message>
    <message>
        <source>%1 saved.</source>
        <translation>%1 сохранён.</translation>
    </message>
    <message>
        <source>Approve a template</source>
        <translation>Утвердить шаблон</translation>
    </message>
    <message>
        <source>%1 approved.</source>
        <translation>%1 утверждён.</translation>
    </message>
    <message>
        <source>Import products</source>
        <translation>Импорт продуктов</translation>
    </message>
    <message>
        <source>Nothing imported: %1</source>
        <translation>Ничего не импортировано: %1</translation>
    </message>
    <message>
        <source>%1 products imported, %2 rows refused.</source>
        <translation>Импортировано продуктов: %1, отклонено строк: %2.</translation>
    </message>
    <message>
        <source>line %1 (%2): %3</source>
        <translation>строка %1 (%2): %3</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>и ещё %1</translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation>Пропущены столбцы: %1</translation>
    </message>
    <message>
        <source>Export products</source>
        <translation>Экспорт продуктов</translation>
    </message>
    <message>
        <source>Not exported: %1</source>
        <translation>Не экспортировано: %1</translation>
    </message>
    <message>
        <source>Products exported to %1.</source>
        <translation>Продукты экспортированы в %1.</translation>
    </message>
    <message>
        <source>Confirming scan of the packaging required</source>
        <translation>Требуется подтверждающий скан упаковки</translation>
    </message>
    <message>
        <source>A job of this product starts only after a scan of the packaging on the line shows the product's GTIN.</source>
        <translation>Задание этого продукта начнётся только после того, как скан упаковки на линии покажет его GTIN.</translation>
    </message>
</context>
<context>
    <name>ProductsLink</name>
    <message>
        <source>Products</source>
        <translation>Продукты</translation>
    </message>
    <message>
        <source>Products, template approvals and batch records</source>
        <translation>Продукты, утверждение шаблонов и протоколы партий</translation>
    </message>
    <message>
        <source>The catalogue is not open (%1); it is tried again.</source>
        <translation>Каталог не открыт (%1); будет новая попытка.</translation>
    </message>
    <message>
        <source>the catalogue is not open</source>
        <translation>каталог не открыт</translation>
    </message>
    <message>
        <source>The save of %1 is not in the catalogue (%2): anyone may sign this version.</source>
        <translation>Сохранение %1 не записано в каталог (%2): эту версию может подписать любой.</translation>
    </message>
</context>
<context>
    <name>ReaderAlarmBar</name>
    <message>
        <source>Sign in as a Supervisor to handle the code readers.</source>
        <translation>Войдите как Supervisor, чтобы управлять сканерами кодов.</translation>
    </message>
    <message>
        <source>Only a Supervisor or Administrator may acknowledge a reader alarm or start a challenge test; %1 is signed in as %2.</source>
        <translation>Подтвердить тревогу сканера или начать контрольную проверку может только Supervisor или Administrator; %1 вошёл как %2.</translation>
    </message>
    <message>
        <source>Reader alarm: %1</source>
        <translation>Тревога сканера: %1</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>%1: challenge test running; let up to %2 wrong or missing codes pass</source>
        <translation>%1: идёт контрольная проверка; пропустите до %2 неверных или отсутствующих кодов</translation>
    </message>
    <message>
        <source>%1: No passed challenge test today</source>
        <translation>%1: сегодня нет пройденной контрольной проверки</translation>
    </message>
    <message>
        <source>Start challenge test</source>
        <translation>Начать контрольную проверку</translation>
    </message>
</context>
<context>
    <name>RemoteJobs</name>
    <message>
        <source>%1 on %2</source>
        <translation>%1 на %2</translation>
    </message>
    <message>
        <source>a coder gone</source>
        <translation>маркиратор отключён</translation>
    </message>
    <message>
        <source>%1: its line is not heard of</source>
        <translation>%1: нет связи с его линией</translation>
    </message>
    <message>
        <source>%1: sent, its line has not taken it up</source>
        <translation>%1: отправлено, линия ещё не приняла его</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Lot %1: job %2 runs on this PC's coders; sent to their lines for %3.</source>
        <translation>Партия %1: задание %2 выполняется на маркираторах этого ПК; отправлено на их линии для %3.</translation>
    </message>
    <message>
        <source>Lot %1: no coder of this PC; sent to their lines for %2.</source>
        <translation>Партия %1: ни одного маркиратора этого ПК; отправлено на их линии для %2.</translation>
    </message>
    <message>
        <source>Not started: no line says a coder of the job is verified.</source>
        <translation>Не запущено: ни одна линия не сообщает, что маркиратор задания проверен.</translation>
    </message>
    <message>
        <source>The job of the lines' coders was not ended: %1</source>
        <translation>Задание маркираторов линий не завершено: %1</translation>
    </message>
</context>
<context>
    <name>RemoteLines</name>
    <message>
        <source>%1 for %2 on %3 not sent: %4</source>
        <translation>%1 для %2 на %3 не отправлено: %4</translation>
    </message>
    <message>
        <source>its line is not heard of</source>
        <translation>нет связи с его линией</translation>
    </message>
    <message>
        <source>this window follows no line</source>
        <translation>это окно не следит ни за одной линией</translation>
    </message>
    <message>
        <source>%1 sent to %2 on %3</source>
        <translation>%1 отправлено на %2 (%3)</translation>
    </message>
    <message>
        <source>%1 for %2 on %3: %4</source>
        <translation>%1 для %2 на %3: %4</translation>
    </message>
    <message>
        <source>Job start</source>
        <translation>Запуск задания</translation>
    </message>
    <message>
        <source>Job end</source>
        <translation>Завершение задания</translation>
    </message>
</context>
<context>
    <name>Roles</name>
    <message>
        <source>Operator</source>
        <translation>Оператор</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Мастер</translation>
    </message>
    <message>
        <source>Administrator</source>
        <translation>Администратор</translation>
    </message>
    <message>
        <source>start</source>
        <translation>запускать</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>останавливать</translation>
    </message>
    <message>
        <source>send messages</source>
        <translation>отправлять сообщения</translation>
    </message>
    <message>
        <source>send a message despite its pre-flight findings</source>
        <translation>отправлять сообщение вопреки замечаниям проверки</translation>
    </message>
    <message>
        <source>edit messages</source>
        <translation>изменять сообщения</translation>
    </message>
    <message>
        <source>change print parameters</source>
        <translation>изменять параметры печати</translation>
    </message>
    <message>
        <source>name coders</source>
        <translation>давать имена маркираторам</translation>
    </message>
    <message>
        <source>change the port</source>
        <translation>менять порт</translation>
    </message>
    <message>
        <source>manage users</source>
        <translation>управлять пользователями</translation>
    </message>
    <message>
        <source>change the journal's settings</source>
        <translation>менять настройки журнала</translation>
    </message>
    <message>
        <source>run jobs</source>
        <translation>выполнять задания</translation>
    </message>
    <message>
        <source>edit products</source>
        <translation>изменять продукты</translation>
    </message>
    <message>
        <source>sign templates</source>
        <translation>подписывать шаблоны</translation>
    </message>
</context>
<context>
    <name>SerialNumSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Counter ID</source>
        <translation>Номер счётчика</translation>
    </message>
    <message>
        <source>System Base</source>
        <translation>Система счисления</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>34</source>
        <translation>34</translation>
    </message>
    <message>
        <source>Digits</source>
        <translation>Разрядов</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Префикс</translation>
    </message>
    <message>
        <source>Counter%1</source>
        <translation>Счётчик %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Sign in to %1.</source>
        <translation>Войдите, чтобы %1.</translation>
    </message>
    <message>
        <source>Only a %1 may %2; %3 is signed in as %4.</source>
        <translation>Только %1 может %2; %3 вошёл как %4.</translation>
    </message>
    <message>
        <source>Users are on already.</source>
        <translation>Пользователи уже включены.</translation>
    </message>
    <message>
        <source>send messages outside a job</source>
        <translation>отправлять сообщения вне задания</translation>
    </message>
</context>
<context>
    <name>ShiftCodeSet</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Shift code</source>
        <translation>Код смены</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Содержимое</translation>
    </message>
    <message>
        <source>Time (24 hours)</source>
        <translation>Время (24 часа)</translation>
    </message>
    <message>
        <source>HH:mm</source>
        <translation>HH:mm</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
</context>
<context>
    <name>SignInDialog</name>
    <message>
        <source>Sign in</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Users are on: sign in to work with the coders.</source>
        <translation>Пользователи включены: войдите, чтобы работать с маркираторами.</translation>
    </message>
</context>
<context>
    <name>SignatureDialog</name>
    <message>
        <source>Approve a template</source>
        <translation>Утвердить шаблон</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Значение подписи</translation>
    </message>
    <message>
        <source>You sign %1, SHA-256 %2: give your name and password again.</source>
        <translation>Вы подписываете %1, SHA-256 %2: введите имя и пароль ещё раз.</translation>
    </message>
    <message>
        <source>Users are off: the approval of %1, SHA-256 %2, is recorded under the system login and marked unsigned.</source>
        <translation>Пользователи выключены: утверждение %1, SHA-256 %2, записывается под системной учётной записью и помечается как неподписанное.</translation>
    </message>
</context>
<context>
    <name>Station</name>
    <message>
        <source>Cannot create the folder %1 in %2.</source>
        <translation>Не удаётся создать папку %1 в %2.</translation>
    </message>
    <message>
        <source>%1 was not sent: it does not load as a message (%2).</source>
        <translation>%1 не отправлен: файл не открывается как сообщение (%2).</translation>
    </message>
    <message>
        <source>%1 was not sent: the pre-flight check found: %2</source>
        <translation>%1 не отправлен: предварительная проверка нашла: %2</translation>
    </message>
    <message>
        <source>%1 was not sent despite its findings: %2</source>
        <translation>%1 не отправлен, несмотря на разрешение: %2</translation>
    </message>
</context>
<context>
    <name>StationSettings</name>
    <message>
        <source>not a plain file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>larger than %1 KiB</source>
        <translation>больше %1 KiB</translation>
    </message>
    <message>
        <source>no such settings file</source>
        <translation>нет такого файла настроек</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>не читается (%1)</translation>
    </message>
    <message>
        <source>[server] port must be a number from 1 to 65535, not "%1"</source>
        <translation>[server] port должен быть числом от 1 до 65535, а не «%1»</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 не читается (%2)</translation>
    </message>
    <message>
        <source>%1 is a link; change the file it names</source>
        <translation>%1 — ссылка; измените файл, на который она указывает</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 не записывается (%2)</translation>
    </message>
    <message>
        <source>The port holds until the program ends: %1.</source>
        <translation>Порт действует до закрытия программы: %1.</translation>
    </message>
    <message>
        <source>The name holds until the program ends: %1.</source>
        <translation>Имя действует до закрытия программы: %1.</translation>
    </message>
    <message>
        <source>The remark names of this account are used, but not yet kept in the settings: %1.</source>
        <translation>Используются имена этой учётной записи, но в настройках они ещё не сохранены: %1.</translation>
    </message>
    <message>
        <source>[jobs] enabled must be true or false, not "%1"</source>
        <translation>[jobs] enabled должно быть true или false, а не «%1»</translation>
    </message>
</context>
<context>
    <name>TemplateSamples</name>
    <message>
        <source>Lot</source>
        <translation>Партия</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Заказ</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Продукт</translation>
    </message>
    <message>
        <source>GTIN</source>
        <translation>GTIN</translation>
    </message>
    <message>
        <source>Production date</source>
        <translation>Дата производства</translation>
    </message>
    <message>
        <source>Best before</source>
        <translation>Годен до</translation>
    </message>
    <message>
        <source>no sample could be made that matches its pattern %1, so it is checked with "A1"</source>
        <translation>не удалось составить образец по его шаблону %1, поэтому проверка идёт с «A1»</translation>
    </message>
</context>
<context>
    <name>TemplateSigning</name>
    <message>
        <source>Approved for production</source>
        <translation>Утверждено для производства</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 не читается (%2)</translation>
    </message>
    <message>
        <source>A signature needs its meaning.</source>
        <translation>Укажите значение подписи.</translation>
    </message>
    <message>
        <source>Only the user signed in (%1) may sign here.</source>
        <translation>Здесь может подписать только вошедший пользователь (%1).</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>никто</translation>
    </message>
    <message>
        <source>Not signed: %1</source>
        <translation>Не подписано: %1</translation>
    </message>
    <message>
        <source>Not signed: only a Supervisor or an Administrator may approve templates.</source>
        <translation>Не подписано: утверждать шаблоны может только мастер или администратор.</translation>
    </message>
    <message>
        <source>The approval is stored, but not in the journal: %1</source>
        <translation>Утверждение сохранено, но не записано в журнал: %1</translation>
    </message>
    <message>
        <source>%1 by %2 (unsigned: users are off), %3, SHA-256 %4</source>
        <translation>%1: %2 (без подписи: пользователи выключены), %3, SHA-256 %4</translation>
    </message>
    <message>
        <source>%1, signed by %2, %3, SHA-256 %4</source>
        <translation>%1, подписал %2, %3, SHA-256 %4</translation>
    </message>
    <message>
        <source>not approved: %1</source>
        <translation>не утверждён: %1</translation>
    </message>
    <message>
        <source>not approved (SHA-256 %1)</source>
        <translation>не утверждён (SHA-256 %1)</translation>
    </message>
    <message>
        <source>approval unknown: %1</source>
        <translation>утверждение неизвестно: %1</translation>
    </message>
</context>
<context>
    <name>TextSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Содержимое</translation>
    </message>
    <message>
        <source>External Data</source>
        <translation>Внешние данные</translation>
    </message>
    <message>
        <source>Insert field</source>
        <translation>Вставить поле</translation>
    </message>
</context>
<context>
    <name>TimeSetWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Time Format</source>
        <translation>Формат даты</translation>
    </message>
    <message>
        <source>"yyyy" means year ,"MM" means month,"dd" means days.
e.g. "yyyy/MM/dd"  -&gt; "2021/05/20"

"hh" means hours ,"mm" means minutes,"ss" measn seconds.
e.g. ''hh:mm:ss" -&gt; "08:08:08"

Coustom date and other date format please see the instructions.</source>
        <translation>"yyyy" — год, "MM" — месяц, "dd" — день.
Например, "yyyy/MM/dd" -&gt; "2021/05/20"

"hh" — часы, "mm" — минуты, "ss" — секунды.
Например, "hh:mm:ss" -&gt; "08:08:08"

Другие форматы даты см. в инструкции.</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>yyyy</source>
        <translation>yyyy</translation>
    </message>
    <message>
        <source>MM</source>
        <translation>MM</translation>
    </message>
    <message>
        <source>dd</source>
        <translation>dd</translation>
    </message>
    <message>
        <source>hh</source>
        <translation>hh</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>ss</source>
        <translation>ss</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Vaild Days</source>
        <translation>Срок годности (дни)</translation>
    </message>
    <message>
        <source>Best before of the product</source>
        <translation>Срок годности продукта</translation>
    </message>
    <message>
        <source>In a product's template: a job gives this date the product's shelf life; the days above are what the designer shows meanwhile.</source>
        <translation>В шаблоне продукта: задание задаёт этой дате срок годности продукта; дни выше — то, что показывает редактор до тех пор.</translation>
    </message>
</context>
<context>
    <name>UserStore</name>
    <message>
        <source>Nobody can sign in until an administrator runs "KorvexControl --create-admin NAME" in this folder.</source>
        <translation>Никто не сможет войти, пока администратор не выполнит в этой папке "KorvexControl --create-admin NAME".</translation>
    </message>
    <message>
        <source>The users file %1 %2. %3</source>
        <translation>Файл пользователей %1 %2. %3</translation>
    </message>
    <message>
        <source>is not a plain file</source>
        <translation>не является обычным файлом</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>не читается</translation>
    </message>
    <message>
        <source>belongs to another account</source>
        <translation>принадлежит другой учётной записи</translation>
    </message>
    <message>
        <source>may be read or written by other accounts</source>
        <translation>доступен другим учётным записям для чтения или записи</translation>
    </message>
    <message>
        <source>is too large</source>
        <translation>слишком велик</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>не читается (%1)</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>повреждён</translation>
    </message>
    <message>
        <source>names no administrator</source>
        <translation>не называет ни одного администратора</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a link, which is not followed</source>
        <translation>Не удаётся записать %1: это ссылка, по ссылкам запись не идёт</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: its permissions cannot be set</source>
        <translation>Не удаётся записать %1: нельзя задать права доступа</translation>
    </message>
    <message>
        <source>A user name cannot be empty.</source>
        <translation>Имя пользователя не может быть пустым.</translation>
    </message>
    <message>
        <source>A user name has at most %1 characters.</source>
        <translation>Имя пользователя — не более %1 символов.</translation>
    </message>
    <message>
        <source>A user name cannot begin or end with a space.</source>
        <translation>Имя пользователя не может начинаться или заканчиваться пробелом.</translation>
    </message>
    <message>
        <source>A user name cannot hold control characters.</source>
        <translation>Имя пользователя не может содержать управляющие символы.</translation>
    </message>
    <message>
        <source>A user name cannot hold / or \.</source>
        <translation>Имя пользователя не может содержать / или \.</translation>
    </message>
    <message>
        <source>A password cannot be empty.</source>
        <translation>Пароль не может быть пустым.</translation>
    </message>
    <message>
        <source>%1 is the last administrator.</source>
        <translation>%1 — последний администратор.</translation>
    </message>
    <message>
        <source>There is no user %1.</source>
        <translation>Пользователя %1 нет.</translation>
    </message>
    <message>
        <source>%1 is locked for %2 more seconds after %3 wrong passwords.</source>
        <translation>%1 заблокирован ещё на %2 с после %3 неверных паролей.</translation>
    </message>
    <message>
        <source>Wrong name or password. %1 is locked for a minute.</source>
        <translation>Неверное имя или пароль. %1 заблокирован на минуту.</translation>
    </message>
    <message>
        <source>Wrong name or password.</source>
        <translation>Неверное имя или пароль.</translation>
    </message>
    <message>
        <source>%1 is a link to %2 that cannot be removed; nothing changed.</source>
        <translation>%1 — ссылка на %2, её нельзя удалить; ничего не изменено.</translation>
    </message>
    <message>
        <source>%1 was a link to %2: the link is removed and %1 written anew; %2 is left as it was.</source>
        <translation>%1 был ссылкой на %2: ссылка удалена, %1 записан заново; %2 не тронут.</translation>
    </message>
    <message>
        <source>%1 is not a plain file; nothing changed.</source>
        <translation>%1 — не обычный файл; ничего не изменено.</translation>
    </message>
    <message>
        <source>%1 cannot be read; nothing changed.</source>
        <translation>%1 не читается; ничего не изменено.</translation>
    </message>
    <message>
        <source>%1 belonged to another account, who could have put any user there: it is written anew without its users.</source>
        <translation>%1 принадлежал другой учётной записи, которая могла внести любого пользователя: он записан заново без пользователей.</translation>
    </message>
    <message>
        <source>%1 could be written by other accounts, who could have put any user there: it is written anew without its users.</source>
        <translation>%1 могли изменять другие учётные записи и внести любого пользователя: он записан заново без пользователей.</translation>
    </message>
    <message>
        <source>%1 was damaged: it is written anew without its users.</source>
        <translation>%1 был повреждён: он записан заново без пользователей.</translation>
    </message>
    <message>
        <source>%1 could be read by other accounts: it is now readable by its owner only. The users kept should change their passwords, whose hashes could be read.</source>
        <translation>%1 могли читать другие учётные записи: теперь его читает только владелец. Оставшимся пользователям следует сменить пароли: их хэши могли быть прочитаны.</translation>
    </message>
    <message>
        <source>The other users are kept: %1.</source>
        <translation>Остальные пользователи сохранены: %1.</translation>
    </message>
</context>
<context>
    <name>UsersDialog</name>
    <message>
        <source>Switch users on</source>
        <translation>Включить пользователей</translation>
    </message>
    <message>
        <source>Add or change</source>
        <translation>Добавить или изменить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Задать</translation>
    </message>
    <message>
        <source>Switch users off</source>
        <translation>Выключить пользователей</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Пользователи</translation>
    </message>
    <message>
        <source> min</source>
        <translation> мин</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Роль</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Повтор</translation>
    </message>
    <message>
        <source>Sign out after</source>
        <translation>Выход через</translation>
    </message>
    <message>
        <source>without input</source>
        <translation>без действий</translation>
    </message>
    <message>
        <source>Whoever is signed in is signed out after %1 minutes without input.</source>
        <translation>Вошедший пользователь выходит из системы после %1 мин без действий.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything, as one operator.</source>
        <translation>Пользователи выключены: всем разрешено всё, как одному оператору.</translation>
    </message>
    <message>
        <source>Users are on. Operators start, stop and send messages; supervisors also edit messages, print parameters and coder names; administrators also the port, the users and the journal.</source>
        <translation>Пользователи включены. Операторы запускают, останавливают и отправляют сообщения; мастера также изменяют сообщения, параметры печати и имена маркираторов; администраторы — ещё и порт, пользователей и журнал.</translation>
    </message>
    <message>
        <source>Users are off: everyone may do everything. Switching them on creates the first administrator, who is signed in at once.</source>
        <translation>Пользователи выключены: всем разрешено всё. При включении создаётся первый администратор, он сразу входит в систему.</translation>
    </message>
    <message>
        <source>The two passwords differ or are empty.</source>
        <translation>Пароли не совпадают или пусты.</translation>
    </message>
    <message>
        <source>Users are on; %1 is signed in as administrator.</source>
        <translation>Пользователи включены; %1 вошёл как администратор.</translation>
    </message>
    <message>
        <source>%1 is a %2.</source>
        <translation>%1 — %2.</translation>
    </message>
    <message>
        <source>%1 is removed.</source>
        <translation>%1 удалён.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>%1; the defaults are used.</source>
        <translation>%1; используются значения по умолчанию.</translation>
    </message>
</context>
<context>
    <name>ParameterChange</name>
    <message>
        <source>spray mode</source>
        <translation>режим печати</translation>
    </message>
    <message>
        <source>device value 1</source>
        <translation>значение устройства 1</translation>
    </message>
    <message>
        <source>device value 2</source>
        <translation>значение устройства 2</translation>
    </message>
    <message>
        <source>resolution</source>
        <translation>разрешение</translation>
    </message>
    <message>
        <source>trigger</source>
        <translation>запуск</translation>
    </message>
    <message>
        <source>head range</source>
        <translation>диапазон головок</translation>
    </message>
    <message>
        <source>splice</source>
        <translation>стык</translation>
    </message>
    <message>
        <source>heads</source>
        <translation>головки</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>направление</translation>
    </message>
    <message>
        <source>head 1 offset</source>
        <translation>смещение головки 1</translation>
    </message>
    <message>
        <source>head 2 offset</source>
        <translation>смещение головки 2</translation>
    </message>
    <message>
        <source>head 3 offset</source>
        <translation>смещение головки 3</translation>
    </message>
    <message>
        <source>head 4 offset</source>
        <translation>смещение головки 4</translation>
    </message>
    <message>
        <source>head 1 direction</source>
        <translation>направление головки 1</translation>
    </message>
    <message>
        <source>head 2 direction</source>
        <translation>направление головки 2</translation>
    </message>
    <message>
        <source>head 3 direction</source>
        <translation>направление головки 3</translation>
    </message>
    <message>
        <source>head 4 direction</source>
        <translation>направление головки 4</translation>
    </message>
    <message>
        <source>encoder</source>
        <translation>энкодер</translation>
    </message>
    <message>
        <source>beep</source>
        <translation>звук</translation>
    </message>
    <message>
        <source>encoder pulses</source>
        <translation>импульсы энкодера</translation>
    </message>
    <message>
        <source>encoder diameter</source>
        <translation>диаметр энкодера</translation>
    </message>
    <message>
        <source>line speed</source>
        <translation>скорость линии</translation>
    </message>
    <message>
        <source>signal interval</source>
        <translation>интервал сигнала</translation>
    </message>
    <message>
        <source>device value 3</source>
        <translation>значение устройства 3</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>per revolution</source>
        <translation>на оборот</translation>
    </message>
    <message>
        <source>m/min</source>
        <translation>m/min</translation>
    </message>
    <message>
        <source>dpi</source>
        <translation>dpi</translation>
    </message>
    <message>
        <source>forward</source>
        <translation>прямое</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>обратное</translation>
    </message>
    <message>
        <source>inverse</source>
        <translation>перевёрнутое</translation>
    </message>
    <message>
        <source>rev/inv</source>
        <translation>обр./перев.</translation>
    </message>
    <message>
        <source>code %1</source>
        <translation>код %1</translation>
    </message>
    <message>
        <source>left</source>
        <translation>слева</translation>
    </message>
    <message>
        <source>right</source>
        <translation>справа</translation>
    </message>
    <message>
        <source>high quality</source>
        <translation>высокое качество</translation>
    </message>
    <message>
        <source>high speed</source>
        <translation>высокая скорость</translation>
    </message>
    <message>
        <source>external signal</source>
        <translation>внешний сигнал</translation>
    </message>
    <message>
        <source>internal signal</source>
        <translation>внутренний сигнал</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>on</source>
        <translation>вкл.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Не сохранять</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Пропустить</translation>
    </message>
</context>
</TS>

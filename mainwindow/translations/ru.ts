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
    <name>DeviceListPanel</name>
    <message>
        <source>Filter: name, IP, state</source>
        <translation>Фильтр: имя, IP, состояние</translation>
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
    <name>InterfaceLanguage</name>
    <message>
        <source>[window] language "%1" is none of %2; the desktop's language is used.</source>
        <translation>[window] language «%1» не из списка %2; используется язык рабочего стола.</translation>
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
</TS>

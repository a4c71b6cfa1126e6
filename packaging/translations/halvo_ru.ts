<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Activity</name>
    <message>
        <location filename="../../platform/linux/LinuxActivity.cpp" line="+46"/>
        <source>Neither the X server nor the desktop (GNOME or KDE) tells how long the user has been idle</source>
        <translation>Ни X-сервер, ни рабочий стол (GNOME или KDE) не сообщают, как долго бездействует пользователь</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../platform/win32/Win32Activity.cpp" line="+97"/>
        <source>This computer has no battery</source>
        <translation>У этого компьютера нет батареи</translation>
    </message>
    <message>
        <location line="+249"/>
        <source>%1 has a line that cannot be read: %2</source>
        <translation>В %1 есть строка, которую не удаётся разобрать: %2</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>UPower is not running, so the battery cannot be read</source>
        <translation>Служба UPower не запущена, поэтому состояние батареи узнать невозможно</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPower did not answer: %1</source>
        <translation>Служба UPower не ответила: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UPower does not tell the battery&apos;s charge</source>
        <translation>Служба UPower не сообщает заряд батареи</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+9"/>
        <source>No process with id %1 is running</source>
        <translation>Процесс с идентификатором %1 не запущен</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Process %1 belongs to another user</source>
        <translation>Процесс %1 принадлежит другому пользователю</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Process %1 cannot be watched: %2</source>
        <translation>Невозможно отслеживать процесс %1: %2</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Activity.cpp" line="-2"/>
        <source>The system does not know the battery&apos;s state</source>
        <translation>Системе неизвестно состояние батареи</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The system does not know the battery&apos;s charge</source>
        <translation>Системе неизвестен заряд батареи</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The system does not know whether the computer runs on battery</source>
        <translation>Системе неизвестно, работает ли компьютер от батареи</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>There is no process with the id %1</source>
        <translation>Процесса с идентификатором %1 не существует</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The process %1 belongs to another user</source>
        <translation>Процесс %1 принадлежит другому пользователю</translation>
    </message>
</context>
<context>
    <name>Agenda</name>
    <message>
        <location filename="../../model/Agenda.cpp" line="+44"/>
        <source>in its reminder</source>
        <translation>(открыто напоминание)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in its reminder, due at %1</source>
        <translation>(открыто напоминание, срок: %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Missed while the computer was asleep: %1 at %2</source>
        <translation>Пропущено во время спящего режима: %1 в %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed while the clock changed: %1 at %2</source>
        <translation>Пропущено из-за перевода часов: %1 в %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(due at %1)</source>
        <translation>(назначено на %1)</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>&apos;%1&apos;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <location filename="../../model/NextRun.cpp" line="+140"/>
        <source>in %1 s</source>
        <translation>через %1 с</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 min</source>
        <translation>через %1 мин</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 h %2 min</source>
        <translation>через %1 ч %2 мин</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 h</source>
        <translation>через %1 ч</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in %1 d %2 h</source>
        <translation>через %1 дн. %2 ч</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 d</source>
        <translation>через %1 дн.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>at %1 (%2)</source>
        <translation>в %1 (%2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 at %2, in %3 minutes</source>
        <translation>%1 в %2, через %3 мин</translation>
    </message>
</context>
<context>
    <name>AwakeKeeper</name>
    <message>
        <location filename="../../core/AwakeKeeper.cpp" line="+78"/>
        <source>Keeping the computer awake until: %1</source>
        <translation>Спящий режим заблокирован до: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../model/CommandLine.cpp" line="+210"/>
        <source>the password is given once (see --help)</source>
        <translation>пароль можно указать только один раз (см. --help)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>missing FILE after --password-file</source>
        <translation>после --password-file отсутствует FILE</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the password is never taken as an argument: give --password - (read from standard input) or --password-file FILE</source>
        <translation>пароль не принимается в виде аргумента: укажите --password - (чтение со стандартного ввода) или --password-file FILE</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the password goes with a request to the running copy (see --help)</source>
        <translation>пароль указывается только вместе с запросом к запущенной копии (см. --help)</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+96"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>лишний аргумент «%1» (см. --help)</translation>
    </message>
    <message>
        <location line="-87"/>
        <source>missing TASK after %1 (one of %2)</source>
        <translation>после %1 отсутствует TASK (допустимо: %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--when goes with a TASK alone, not with %1 (see --help)</source>
        <translation>--when указывается только с TASK, но не с %1 (см. --help)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown task &apos;%1&apos; (one of %2)</source>
        <translation>неизвестное действие «%1» (допустимо: %2)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>missing NAME after --quick (see --status for the saved quick actions)</source>
        <translation>после --quick отсутствует NAME (сохранённые быстрые действия выводит --status)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bad NAME after --quick: a name holds no line breaks</source>
        <translation>неверное NAME после --quick: название не может содержать переводов строк</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>missing DURATION after --in (e.g. 90s, 45m, 1h30m)</source>
        <translation>после --in отсутствует DURATION (например, 90s, 45m, 1h30m)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad duration &apos;%1&apos; (e.g. 90s, 45m, 1h30m)</source>
        <translation>неверная длительность «%1» (например, 90s, 45m, 1h30m)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>missing time after --at (HH:MM or HH:MM:SS)</source>
        <translation>после --at не указано время (HH:MM или HH:MM:SS)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad time &apos;%1&apos; (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>неверное время «%1» (HH:MM или HH:MM:SS, от 00:00 до 23:59:59)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>missing CONDITION after --when (one of %1)</source>
        <translation>после --when отсутствует CONDITION (допустимо: %1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>неизвестный параметр «%1» (см. --help)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Usage: halvo-shutdown [OPTION]
Without an option, starts Halvo Shutdown in the notification area (or shows the running copy).

  --now TASK            run TASK at once
  --in DURATION TASK    run TASK after DURATION (90s, 45m, 1h30m), announced by the reminder
  --at HH:MM[:SS] TASK  run TASK at that time of day, announced by the reminder
  --when CONDITION TASK run TASK when CONDITION holds, announced by the reminder; several
                        --when CONDITION before TASK must all hold. CONDITION is one of:
%1                        (minutes as 30m, 2h or 1h30m, up to 24h)
  --cancel              cancel the timed action and any postponed action, and close their
                        reminders
  --quick NAME          arm the saved quick action NAME as the General page&apos;s Set would
  --status              print what is armed, postponed or announced by an open reminder, the
                        schedule&apos;s next runs and the saved quick actions
  --show                show the window
  --tray                start in the notification area, or leave the running copy as it is
  --password-file FILE  with a request the password guards, the password from FILE&apos;s first line
  --password -          the same, read from standard input
  --help                print this text
  --version             print the version

TASK is one of: %2
The running copy carries the request out; one is started in the notification area when none
runs. Exit status: 0 done, 1 the running copy could not be reached or refused, 2 bad arguments.
</source>
        <translation>Использование: halvo-shutdown [OPTION]
Без параметров запускает Halvo Shutdown в области уведомлений (или показывает уже запущенную копию).

  --now TASK            выполнить TASK немедленно
  --in DURATION TASK    выполнить TASK через DURATION (90s, 45m, 1h30m), с напоминанием перед запуском
  --at HH:MM[:SS] TASK  выполнить TASK в указанное время суток, с напоминанием перед запуском
  --when CONDITION TASK выполнить TASK, когда соблюдено CONDITION, с напоминанием; если перед TASK
                        указано несколько --when CONDITION, соблюдаться должны все. Варианты CONDITION:
%1                        (минуты в виде 30m, 2h или 1h30m, не более 24h)
  --cancel              отменить запланированное действие и все отложенные действия и закрыть их
                        напоминания
  --quick NAME          запланировать сохранённое быстрое действие NAME, как «Установить» на странице «Общие»
  --status              вывести, что запланировано, отложено или ожидает в открытом напоминании,
                        ближайшие запуски по расписанию и сохранённые быстрые действия
  --show                показать окно
  --tray                запустить в области уведомлений или оставить запущенную копию как есть
  --password-file FILE  для запроса, защищённого паролем: взять пароль из первой строки файла FILE
  --password -          то же, но пароль читается со стандартного ввода
  --help                вывести эту справку
  --version             вывести версию

TASK — одно из: %2
Запрос выполняет запущенная копия; если её нет, она запускается в области уведомлений.
Код возврата: 0 — выполнено, 1 — запущенная копия недоступна или отказала, 2 — неверные аргументы.
</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <location filename="../../core/Commands.cpp" line="+107"/>
        <location line="+4"/>
        <location line="+22"/>
        <location filename="../../core/Planner.cpp" line="+99"/>
        <source>not an action that can be armed</source>
        <translation>это действие нельзя запланировать</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>the conditions could not be read in time</source>
        <translation>не удалось вовремя проверить условия</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>not a request for the running copy</source>
        <translation>это не запрос к запущенной копии</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>no quick action named &apos;%1&apos;</source>
        <translation>нет быстрого действия с названием «%1»</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>General: nothing armed</source>
        <translation>Общие: ничего не запланировано</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>General: %1</source>
        <translation>Общие: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Postponed: %1</source>
        <translation>Отложено: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no task</source>
        <translation>нет действия</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2 %3</source>
        <translation>Задание «%1»: %2 %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2, no further run</source>
        <translation>Задание «%1»: %2, больше не запускается</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Schedule: no items</source>
        <translation>Расписание: заданий нет</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quick action &apos;%1&apos;: %2</source>
        <translation>Быстрое действие «%1»: %2</translation>
    </message>
    <message>
        <location filename="../../core/Commands.h" line="+35"/>
        <source>a password protects this; give it with --password-file FILE or --password - (read from standard input)</source>
        <translation>действие защищено паролем; укажите его с помощью --password-file FILE или --password - (чтение со стандартного ввода)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong password</source>
        <translation>неверный пароль</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>too many wrong passwords; try again in %1 s</source>
        <translation>слишком много попыток ввода неверного пароля; повторите через %1 с</translation>
    </message>
</context>
<context>
    <name>Conditions</name>
    <message>
        <location filename="../../model/ConditionRule.cpp" line="+28"/>
        <source>reading failed: %1</source>
        <translation>ошибка измерения: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../model/ConditionWatch.cpp" line="+128"/>
        <source>no reason given</source>
        <translation>причина не указана</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>measuring</source>
        <translation>идёт измерение</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>now %1%</source>
        <translation>сейчас %1%</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>now %1 KB/s</source>
        <translation>сейчас %1 КБ/с</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>idle %1 s</source>
        <translation>простой %1 с</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>idle %1 min</source>
        <translation>простой %1 мин</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the battery&apos;s charge is unknown</source>
        <translation>заряд батареи неизвестен</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>battery %1%</source>
        <translation>батарея %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery %1%, charging</source>
        <translation>батарея %1%, заряжается</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ended</source>
        <translation>работа завершена</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>running</source>
        <translation>работает</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 running</source>
        <translation>работает процессов: %1</translation>
    </message>
    <message>
        <location filename="../../model/Conditions.cpp" line="+17"/>
        <source>minutes must be 1m to 24h, like 30m or 2h</source>
        <translation>минуты: от 1m до 24h, например 30m или 2h</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>min</source>
        <translation>мин</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>the program&apos;s name or process id is missing (exit:NAME or exit:PID)</source>
        <translation>не указано имя программы или идентификатор процесса (exit:NAME или exit:PID)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>every process running the program NAME, or the
process PID, has ended</source>
        <translation>завершились все процессы программы NAME
или процесс PID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program exits</source>
        <translation>завершится программа</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when {1} exits</source>
        <translation>после завершения {1}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>idle:MINUTES, like idle:30m</source>
        <translation>idle:MINUTES, например idle:30m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no keyboard or mouse input for 30 minutes</source>
        <translation>нет ввода с клавиатуры и мыши в течение 30 минут</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the user is idle for</source>
        <translation>пользователь бездействует</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the user is idle for {1} min</source>
        <translation>после {1} мин бездействия пользователя</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the processor&apos;s percent must be 1% to 100%</source>
        <translation>загрузка процессора должна быть от 1% до 100%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cpu:PERCENT%:MINUTES, like cpu:10%:5m</source>
        <translation>cpu:PERCENT%:MINUTES, например cpu:10%:5m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the processor below 10% for 5 minutes</source>
        <translation>загрузка процессора ниже 10% в течение 5 минут</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the processor is below</source>
        <translation>загрузка ЦП ниже</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the processor is below {1}% for {2} min</source>
        <translation>при загрузке ЦП ниже {1}% в течение {2} мин</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KB/s</source>
        <translation>КБ/с</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M</source>
        <translation>скорость задаётся в КБ/с, например 50k, или в МБ/с, например 2M, от 1k до 10240M</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>net:RATE:MINUTES, like net:50k:5m or net:2M:5m</source>
        <translation>net:RATE:MINUTES, например net:50k:5m или net:2M:5m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network below 50 KB/s or 2 MB/s for 5 minutes</source>
        <translation>сетевой трафик ниже 50 КБ/с или 2 МБ/с в течение 5 минут</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network is below</source>
        <translation>трафик сети ниже</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the network is below {1} KB/s for {2} min</source>
        <translation>при трафике сети ниже {1} КБ/с в течение {2} мин</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the battery&apos;s percent must be 1% to 99%</source>
        <translation>заряд батареи должен быть от 1% до 99%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery:PERCENT%, like battery:15%</source>
        <translation>battery:PERCENT%, например battery:15%</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>on battery, at 15% or less</source>
        <translation>работа от батареи, заряд 15% или меньше</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the battery is below</source>
        <translation>заряд батареи ниже</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the battery is below {1}%</source>
        <translation>при заряде батареи ниже {1}%</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>the process id must be 1 to 4294967295</source>
        <translation>идентификатор процесса должен быть от 1 до 4294967295</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the program&apos;s name goes without its folder</source>
        <translation>имя программы указывается без папки</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the program&apos;s name holds a control character</source>
        <translation>имя программы содержит управляющий символ</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>bad condition &apos;%1&apos;: %2</source>
        <translation>неверное условие «%1»: %2</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>unknown condition &apos;%1&apos; (one of %2)</source>
        <translation>неизвестное условие «%1» (допустимо: %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>expected %1</source>
        <translation>ожидается %1</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>the process %1</source>
        <translation>процесса %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program %1</source>
        <translation>программы %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <location filename="../../model/ConditionWatch.cpp" line="-71"/>
        <source>%1 is not running</source>
        <translation>программа %1 не запущена</translation>
    </message>
    <message>
        <location line="+46"/>
        <location filename="../../pages/FormGen.cpp" line="+652"/>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>process %1 cannot be watched</source>
        <translation>невозможно отслеживать процесс %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../pages/FormGen.cpp" line="-20"/>
        <source>cannot tell %1: %2</source>
        <translation>не удаётся проверить условие «%1»: %2</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <location filename="../../platform/linux/DesktopSession.cpp" line="+70"/>
        <source>blocked by %1: %2</source>
        <translation>заблокировано программой %1: %2</translation>
    </message>
    <message>
        <location line="+91"/>
        <location line="+9"/>
        <source>no login session of this user is known</source>
        <translation>не найден сеанс входа этого пользователя</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../../platform/linux/Files.cpp" line="+84"/>
        <source>not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>It is a symbolic link made by another user</source>
        <translation>Это символическая ссылка, созданная другим пользователем</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link that leads to no file (%1)</source>
        <translation>Это символическая ссылка, не указывающая на существующий файл (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>It is a symbolic link to %1, which is not a regular file</source>
        <translation>Это символическая ссылка на %1, но это не обычный файл</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link to %1, which belongs to another user</source>
        <translation>Это символическая ссылка на %1, но владелец этого файла — другой пользователь</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It is not a regular file</source>
        <translation>Это не обычный файл</translation>
    </message>
</context>
<context>
    <name>FormSchWizard</name>
    <message>
        <location filename="../../pages/FormSchWizard.cpp" line="+204"/>
        <source>Sunday</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Monday</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tuesday</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wednesday</source>
        <translation>Среда</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thursday</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Friday</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturday</source>
        <translation>Суббота</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <location filename="../../model/Tasks.cpp" line="+156"/>
        <location filename="../../platform/linux/Launcher.cpp" line="+297"/>
        <source>the quote is not closed</source>
        <translation>не закрыта кавычка</translation>
    </message>
    <message>
        <location filename="../../platform/linux/Launcher.cpp" line="-211"/>
        <location line="+216"/>
        <location line="+20"/>
        <source>cannot run %1: %2</source>
        <translation>не удаётся запустить %1: %2</translation>
    </message>
    <message>
        <location line="-229"/>
        <source>not executable: %1</source>
        <translation>файл не является исполняемым: %1</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>no program given</source>
        <translation>не указана программа</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>folder not found: %1</source>
        <translation>папка не найдена: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>program not found on PATH: %1</source>
        <translation>программа не найдена в PATH: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>program not found: %1</source>
        <translation>программа не найдена: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no application to open %1 (xdg-open is missing)</source>
        <translation>нет приложения, чтобы открыть %1 (отсутствует xdg-open)</translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <location filename="../../platform/linux/LinuxPlatform.cpp" line="+150"/>
        <source>KWin did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>KWin не предоставил список окон: видны только окна программ X11.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>sway did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>sway не предоставил список окон: видны только окна программ X11.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The windows of this desktop cannot be listed: install the &quot;Window Calls&quot; extension of GNOME Shell and switch it on. Until then only the windows of X11 programs are seen.</source>
        <translation>Не удаётся получить список окон этого рабочего стола: установите и включите расширение GNOME Shell «Window Calls». До тех пор видны только окна программ X11.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This desktop lists its windows to no other program: only the windows of X11 programs are seen.</source>
        <translation>Этот рабочий стол не предоставляет список своих окон другим программам: видны только окна программ X11.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>1 window is left out: the desktop does not say which program shows it.</source>
        <translation>Одно окно пропущено: рабочий стол не сообщает, какой программе оно принадлежит.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 windows are left out: the desktop does not say which programs show them.</source>
        <translation>Пропущено окон: %1 — рабочий стол не сообщает, каким программам они принадлежат.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <location filename="../../pages/PasswordDialog.cpp" line="+28"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>PasswordGuard</name>
    <message>
        <location filename="../../core/PasswordGuard.cpp" line="+75"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>Пароль должен содержать не менее %1 символов.</translation>
    </message>
</context>
<context>
    <name>PowerHolds</name>
    <message>
        <location filename="../../platform/linux/PowerHolds.cpp" line="+191"/>
        <source>The wake helper %1 is not installed with the program.</source>
        <translation>Вспомогательная программа пробуждения %1 не установлена вместе с программой.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The wake helper cannot set an alarm: %1. It needs the capability CAP_WAKE_ALARM, which the program&apos;s package gives it.</source>
        <translation>Вспомогательной программе пробуждения не удаётся установить таймер пробуждения: %1. Ей нужна привилегия CAP_WAKE_ALARM, которую выдаёт пакет программы.</translation>
    </message>
</context>
<context>
    <name>QuickActions</name>
    <message>
        <location filename="../../model/QuickActions.cpp" line="+87"/>
        <source>The name must not be empty</source>
        <translation>Название не может быть пустым</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name must be at most %1 characters long</source>
        <translation>Название должно содержать не более %1 символов</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The name must not hold quotes or line breaks</source>
        <translation>Название не должно содержать кавычек и переводов строк</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <location filename="../../core/Reminders.cpp" line="+73"/>
        <source>Reminder: %1 in %2 s</source>
        <translation>Напоминание: %1 через %2 с</translation>
    </message>
</context>
<context>
    <name>RunValue</name>
    <message>
        <location filename="../../model/RunValue.cpp" line="+19"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Недопустимый тип данных для «%1»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Не удалось записать данные для «%1»</translation>
    </message>
</context>
<context>
    <name>Schedule</name>
    <message>
        <location filename="../../model/AppSettings.cpp" line="+41"/>
        <location line="+9"/>
        <location filename="../../model/QuickActions.cpp" line="+38"/>
        <location filename="../../model/Schedule.cpp" line="+278"/>
        <location filename="../../core/PasswordGuard.cpp" line="+7"/>
        <location line="+11"/>
        <location line="+12"/>
        <source>Unable to write to %1</source>
        <translation>Не удаётся выполнить запись в %1</translation>
    </message>
    <message>
        <location filename="../../model/DataFolder.cpp" line="+47"/>
        <source>The program folder %1 cannot be written to, so the settings and the schedule are kept in %2 instead.</source>
        <translation>Папка программы %1 недоступна для записи, поэтому настройки и расписание хранятся в %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The settings file %1 cannot be read: %2. The settings start from their defaults.</source>
        <translation>Не удаётся прочитать файл настроек %1: %2. Используются настройки по умолчанию.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The settings file %1 cannot be written: %2. Changes to the settings will not be kept.</source>
        <translation>Не удаётся записать файл настроек %1: %2. Изменения настроек не будут сохранены.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The schedule file %1 cannot be written: %2. Changes to the schedule will not be kept.</source>
        <translation>Не удаётся записать файл расписания %1: %2. Изменения расписания не будут сохранены.</translation>
    </message>
    <message>
        <location filename="../../model/Schedule.cpp" line="-151"/>
        <source>%1 item</source>
        <translation>%1 запись</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 items</source>
        <translation>записей: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot be read (%1)</source>
        <translation>не читается (%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 and a part that cannot be read</source>
        <translation>%1, а также нечитаемая часть</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Copies of the stored schedule, newest first:</source>
        <translation>Копии сохранённого расписания, начиная с самой новой:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2, the file as this run found it</source>
        <translation>%1 — %2; файл в том виде, в каком он был при этом запуске</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2, an earlier copy</source>
        <translation>%1 — %2; более ранняя копия</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удаётся открыть файл «%1». %2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The schedule file %1 holds %2, but %3 counted %4. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>Файл расписания %1 (%2): в %3 указано число записей %4. Загружены все записи; число будет исправлено при следующем сохранении расписания.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The schedule file %1 holds %2, but %3 held no count. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>Файл расписания %1 (%2): в %3 не указано число записей. Загружены все записи; число будет исправлено при следующем сохранении расписания.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cannot create file &quot;%1&quot;. It would hold %2, fewer than the %3 loaded and not deleted since; the stored file is left as it was.</source>
        <translation>Не удаётся создать файл «%1». В нём осталось бы меньше записей (%2), чем было загружено и с тех пор не удалено (%3); сохранённый файл оставлен без изменений.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2</source>
        <translation>Не удаётся создать файл «%1». Не удалось сохранить прежний файл как %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2: %3</source>
        <translation>Не удаётся создать файл «%1». Не удалось сохранить прежний файл как %2: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Не удаётся создать файл «%1». %2</translation>
    </message>
</context>
<context>
    <name>ScheduleFile</name>
    <message>
        <location filename="../../model/ScheduleFile.cpp" line="+37"/>
        <source>Stream read error</source>
        <translation>Ошибка чтения потока</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid stream format</source>
        <translation>Недопустимый формат потока</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid property value</source>
        <translation>Недопустимое значение свойства</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Error reading %1.%2: %3</source>
        <translation>Ошибка чтения %1.%2: %3</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>Property %1 does not exist</source>
        <translation>Свойство %1 не существует</translation>
    </message>
</context>
<context>
    <name>Tasks</name>
    <message>
        <location filename="../../model/ProcessRoutines.cpp" line="+40"/>
        <source>Close all programs could not see every window.
%1</source>
        <translation>При закрытии всех программ не удалось обнаружить все окна.
%1</translation>
    </message>
    <message>
        <location filename="../../model/Tasks.cpp" line="-136"/>
        <source>%1 failed</source>
        <translation>Не удалось выполнить действие «%1»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 failed: %2</source>
        <translation>Не удалось выполнить действие «%1»: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>not available on this computer</source>
        <translation>недоступно на этом компьютере</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>shutdown the computer</source>
        <translation>завершение работы компьютера</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shutdown the Computer</source>
        <translation>Завершить работу компьютера</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the system</source>
        <translation>Завершить работу</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the computer</source>
        <translation>Завершить работу компьютера</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turn off the computer</source>
        <translation>выключение компьютера</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trun off the computer</source>
        <translation>Выключить компьютер</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Power off the computer</source>
        <translation>Выключить компьютер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close the program</source>
        <translation>закрытие программы</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close program</source>
        <translation>Закрыть программу</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close the program</source>
        <translation>Закрыть программу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>start the screensaver</source>
        <translation>запуск заставки</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start the screensaver</source>
        <translation>Запустить заставку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>log off  user</source>
        <translation>выход из системы</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Logoff user...</source>
        <translation>Выйти из системы...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off ...</source>
        <translation>Выйти из системы...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off</source>
        <translation>Выйти из системы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>disconnect the network</source>
        <translation>отключение от сети</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Disconnect the network</source>
        <translation>Отключиться от сети</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close all the program</source>
        <translation>закрытие всех программ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all the program</source>
        <translation>Закрыть все программы</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all programs</source>
        <translation>Закрыть все программы</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>execute the program</source>
        <translation>запуск программы</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Execute</source>
        <translation>Выполнить</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Run a command line</source>
        <translation>Выполнить команду</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>restart the computer</source>
        <translation>перезагрузка компьютера</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restart the computer</source>
        <translation>Перезагрузить компьютер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>alarm message</source>
        <translation>показ сообщения</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the message</source>
        <translation>Показать сообщение</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lock the workstation</source>
        <translation>блокировка компьютера</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the workstation</source>
        <translation>Заблокировать компьютер</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the computer</source>
        <translation>Заблокировать компьютер</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sleep the computer</source>
        <translation>переход в спящий режим</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep the computer</source>
        <translation>Перевести в спящий режим</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep</source>
        <translation>Спящий режим</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hibernate the computer</source>
        <translation>переход в режим гибернации</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hibernate the computer</source>
        <translation>Перевести в режим гибернации</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hibernate</source>
        <translation>Гибернация</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <location filename="../../app/TrayMenu.cpp" line="+115"/>
        <source>The quick action &quot;%1&quot; was not armed: %2</source>
        <translation>Быстрое действие «%1» не запланировано: %2</translation>
    </message>
</context>
<context>
    <name>Win32</name>
    <message>
        <location filename="../../platform/win32/RealWin32Api.cpp" line="+800"/>
        <source>System error %1</source>
        <translation>Системная ошибка %1</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>It is a symbolic link or junction, which this program does not replace</source>
        <translation>Это символическая ссылка или точка соединения, а их программа не заменяет</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Platform.cpp" line="+50"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows: the computer will not wake for the schedule until it is turned on.</source>
        <translation>Параметр «Разрешить таймеры пробуждения» отключён в настройках электропитания Windows: пока он не включён, компьютер не будет выходить из спящего режима для заданий расписания.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows when plugged in: the computer will not wake for the schedule until it is turned on.</source>
        <translation>Параметр «Разрешить таймеры пробуждения» отключён в настройках электропитания Windows для работы от сети: пока он не включён, компьютер не будет выходить из спящего режима для заданий расписания.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows on battery: the computer will not wake for the schedule until it is turned on.</source>
        <translation>Параметр «Разрешить таймеры пробуждения» отключён в настройках электропитания Windows для работы от батареи: пока он не включён, компьютер не будет выходить из спящего режима для заданий расписания.</translation>
    </message>
</context>
<context>
    <name>halvo::CountdownBar</name>
    <message>
        <location filename="../../app/CountdownBar.cpp" line="+25"/>
        <source>Halvo Shutdown countdown</source>
        <translation>Обратный отсчёт Halvo Shutdown</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Halvo Shutdown: %1</source>
        <translation>Halvo Shutdown: %1</translation>
    </message>
</context>
<context>
    <name>halvo::Engine</name>
    <message>
        <location filename="../../core/Engine.cpp" line="+57"/>
        <source>The quick actions numbered %1 in %2 cannot be read and are left out; the others are loaded.</source>
        <translation>Не удаётся прочитать быстрые действия с номерами %1 в %2, они пропущены; остальные загружены.</translation>
    </message>
</context>
<context>
    <name>halvo::NewPasswordDialog</name>
    <message>
        <location filename="../../pages/PasswordDialog.cpp" line="+95"/>
        <source>Protect with a password</source>
        <translation>Защита паролем</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New password:</source>
        <translation>Новый пароль:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Once more:</source>
        <translation>Ещё раз:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>Пароль должен содержать не менее %1 символов.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The two passwords differ.</source>
        <translation>Пароли не совпадают.</translation>
    </message>
</context>
<context>
    <name>halvo::PasswordDialog</name>
    <message>
        <location line="-97"/>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the password to %1.</source>
        <translation>Введите пароль, чтобы %1.</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+15"/>
        <source>Wrong password.</source>
        <translation>Неверный пароль.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Wrong password. Try again in %n s.</source>
        <translation>
            <numerusform>Неверный пароль. Повторите попытку через %n с.</numerusform>
            <numerusform>Неверный пароль. Повторите попытку через %n с.</numerusform>
            <numerusform>Неверный пароль. Повторите попытку через %n с.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>halvo::Planner</name>
    <message>
        <location filename="../../core/Planner.cpp" line="+226"/>
        <source>Halvo Shutdown</source>
        <translation>Halvo Shutdown</translation>
    </message>
</context>
<context>
    <name>halvo::QtDialogs</name>
    <message>
        <location filename="../../toolkit/Dialogs.cpp" line="+13"/>
        <source>Halvo Shutdown</source>
        <translation>Halvo Shutdown</translation>
    </message>
</context>
<context>
    <name>halvo::QuickActionsDialog</name>
    <message>
        <location filename="../../app/QuickActionsDialog.cpp" line="+19"/>
        <source>Quick actions</source>
        <translation>Быстрые действия</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The name &quot;%1&quot; is given twice</source>
        <translation>Название «%1» указано дважды</translation>
    </message>
</context>
<context>
    <name>halvo::SingleInstance</name>
    <message>
        <location filename="../../app/SingleInstance.cpp" line="+141"/>
        <source>cannot set up %1 (%2)</source>
        <translation>не удаётся подготовить %1 (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot create %1 (%2)</source>
        <translation>не удаётся создать %1 (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read %1 (%2)</source>
        <translation>не удаётся прочитать %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is a symbolic link</source>
        <translation>это символическая ссылка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a folder</source>
        <translation>это не папка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it belongs to user %1</source>
        <translation>её владелец — пользователь %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its mode is %1, not 0700</source>
        <translation>её права доступа — %1, а не 0700</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not this user&apos;s own folder (%2); the lock and the socket are not kept there</source>
        <translation>%1 не является собственной папкой этого пользователя (%2); файл блокировки и сокет там не хранятся</translation>
    </message>
</context>
<context>
    <name>halvo::SlidingPopup</name>
    <message>
        <location filename="../../toolkit/SlidingPopup.cpp" line="+33"/>
        <source>Halvo Shutdown notification</source>
        <translation>Уведомление Halvo Shutdown</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Halvo Shutdown</source>
        <translation>Halvo Shutdown</translation>
    </message>
</context>
<context>
    <name>halvo::TFormAbout</name>
    <message>
        <location filename="../../app/FormAbout.cpp" line="+20"/>
        <source>Halvo Shutdown
Version %1
Shuts the computer down on a schedule.
</source>
        <translation>Halvo Shutdown
Версия %1
Выключает компьютер по расписанию.
</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Visit Homepage</source>
        <translation>Перейти на сайт</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>halvo::TFormCtrl</name>
    <message>
        <location filename="../../app/FormCtrl.cpp" line="+148"/>
        <source>Halvo ShutDown</source>
        <translation>Halvo Shutdown</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+12"/>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+11"/>
        <source>Schedule</source>
        <translation>Расписание</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+10"/>
        <source>Option</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>help</source>
        <translation>Показать справку</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>about</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+2"/>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <location line="+197"/>
        <source>The help file %1 is missing</source>
        <translation>Файл справки %1 не найден</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>exit Halvo Shutdown</source>
        <translation>выйти из Halvo Shutdown</translation>
    </message>
</context>
<context>
    <name>halvo::TFormExecuteTip</name>
    <message>
        <location filename="../../pages/FormExecuteTip.cpp" line="+66"/>
        <source>Halvo Shutdown</source>
        <translation>Halvo Shutdown</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the shutdown to will make your computer to do this action 
after 1 minute :</source>
        <translation>Halvo Shutdown выполнит на компьютере следующее действие 
через 1 минуту :</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Execute It!</source>
        <translation>Выполнить!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Postpone %1 min</source>
        <translation>Отложить на %1 мин</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>cancel the action</source>
        <translation>отменить действие</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>postpone the action</source>
        <translation>отложить действие</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cancel(%1)</source>
        <translation>Отмена (%1)</translation>
    </message>
</context>
<context>
    <name>halvo::TFormGen</name>
    <message>
        <location filename="../../pages/FormGen.cpp" line="-564"/>
        <source>Do It Now!</source>
        <translation>Выполнить немедленно!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do It Now</source>
        <translation>Выполнить</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Do It at specific time</source>
        <translation>Выполнить в заданное время</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+6"/>
        <source>At</source>
        <translation>Время</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After</source>
        <translation>Через</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>When</source>
        <translation>Когда</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+384"/>
        <source>for</source>
        <translation>в теч.</translation>
    </message>
    <message>
        <location line="-379"/>
        <location line="+384"/>
        <source>min</source>
        <translation>мин</translation>
    </message>
    <message>
        <location line="-379"/>
        <source>Choose a program by one of its windows</source>
        <translation>Выбрать программу по одному из её окон</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add a condition that must hold as well</source>
        <translation>Добавить ещё одно условие, которое тоже должно соблюдаться</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+538"/>
        <location line="+251"/>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <location line="-766"/>
        <location line="+3"/>
        <source>Hour</source>
        <translation>ч</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>Min</source>
        <translation>мин</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>Sec</source>
        <translation>с</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Set</source>
        <translation>Установить</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+582"/>
        <location line="+26"/>
        <source>Save as quick action</source>
        <translation>В быстрые действия</translation>
    </message>
    <message>
        <location line="-550"/>
        <source>change the armed action</source>
        <translation>изменить запланированное действие</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>and</source>
        <translation>и</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Remove this condition</source>
        <translation>Удалить это условие</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>not offered: %1</source>
        <translation>недоступно: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+54"/>
        <location line="+197"/>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <location line="-242"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» не является допустимым целым числом</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The delay must not be negative</source>
        <translation>Задержка не может быть отрицательной</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The delay is too long</source>
        <translation>Слишком большая задержка</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A quick action waits at least one second</source>
        <translation>Задержка быстрого действия должна быть не менее одной секунды</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Choose an action and After, At or When first</source>
        <translation>Сначала выберите действие и вариант «Через», «Время» или «Когда»</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Name in the tray&apos;s &quot;Quick actions&quot;:</source>
        <translation>Название в меню «Быстрые действия» в области уведомлений:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Replace the quick action &quot;%1&quot;?</source>
        <translation>Заменить быстрое действие «%1»?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There are already %1 quick actions; delete one on the Option page first</source>
        <translation>Быстрых действий уже %1; сначала удалите одно из них на странице «Параметры»</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Saved as quick action &quot;%1&quot;</source>
        <translation>Сохранено как быстрое действие «%1»</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+9"/>
        <location line="+6"/>
        <source>replace the armed action</source>
        <translation>заменить запланированное действие</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+9"/>
        <location line="+12"/>
        <source>set successfully</source>
        <translation>Успешно установлено</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cancel the armed action</source>
        <translation>отменить запланированное действие</translation>
    </message>
    <message>
        <location line="-135"/>
        <source>The time of day must lie between 12:00:00 AM and 11:59:59 PM</source>
        <translation>Время суток должно быть в пределах от 12:00:00 AM до 11:59:59 PM</translation>
    </message>
</context>
<context>
    <name>halvo::TFormOption</name>
    <message>
        <location filename="../../app/FormOption.cpp" line="+40"/>
        <source>start</source>
        <translation>Запуск</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>auto startup when windows startup</source>
        <translation>Автоматически запускать при входе в систему</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>auto save the schedule setting</source>
        <translation>Автоматически сохранять расписание</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shutdown</source>
        <translation>Завершение работы</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>remind me before shutdown/restart/log off</source>
        <translation>Напоминать перед выключением/перезагрузкой/выходом</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>wake the computer from sleep for scheduled actions</source>
        <translation>Выводить компьютер из спящего режима для заданий</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Only from sleep or hibernation: a computer that is powered off is not turned on.</source>
        <translation>Только из спящего режима или гибернации: выключенный компьютер не включается.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not available: %1</source>
        <translation>Недоступно: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>keep the computer awake while an action waits</source>
        <translation>Не допускать спящего режима, пока действие ожидает</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>countdown</source>
        <translation>Обратный отсчёт</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>show a countdown bar at the</source>
        <translation>Показывать полосу отсчёта</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>top of the screen</source>
        <translation>вверху экрана</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom of the screen</source>
        <translation>внизу экрана</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wayland lets no program place a bar on the screen</source>
        <translation>Wayland не даёт программам размещать полосу на экране</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Quick actions...</source>
        <translation>Быстрые действия...</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Set</source>
        <translation>Применить</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel Setting</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Protect with a password</source>
        <translation>Защищать паролем</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change password...</source>
        <translation>Сменить пароль...</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>change the options</source>
        <translation>изменить параметры</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>remove the password</source>
        <translation>удалить пароль</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>change the password</source>
        <translation>сменить пароль</translation>
    </message>
</context>
<context>
    <name>halvo::TFormProcessList</name>
    <message>
        <location filename="../../pages/FormProcessList.cpp" line="+21"/>
        <source>select the program</source>
        <translation>Выбор программы</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>window</source>
        <translation>Окно</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>processId</source>
        <translation>ID процесса</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>please select item first</source>
        <translation>Сначала выберите элемент списка</translation>
    </message>
</context>
<context>
    <name>halvo::TFormSch</name>
    <message>
        <location filename="../../pages/FormSch.cpp" line="+45"/>
        <source>schedule name</source>
        <translation>Название задания</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Task</source>
        <translation>Действие</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next run</source>
        <translation>Следующий запуск</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>modify</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>add a schedule item</source>
        <translation>добавить задание</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>please select item</source>
        <translation>Выберите задание</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>change a schedule item</source>
        <translation>изменить задание</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>please select a item</source>
        <translation>Выберите задание</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>do you want to delete it?</source>
        <translation>Удалить это задание?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>information</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>delete a schedule item</source>
        <translation>удалить задание</translation>
    </message>
</context>
<context>
    <name>halvo::TFormSchWizard</name>
    <message>
        <location filename="../../model/ScheduleItemDraft.cpp" line="+13"/>
        <source>Schedule item name is null</source>
        <translation>Не указано название задания</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>select a task</source>
        <translation>Выберите действие</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please  select the parameter of the task</source>
        <translation>Укажите параметр действия</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please inpute the content of message</source>
        <translation>Введите текст сообщения</translation>
    </message>
    <message>
        <location filename="../../pages/FormSchWizard.cpp" line="-173"/>
        <source>modify the scheduleItem,but _ScheduleItem=nil</source>
        <translation>Изменение задания невозможно: задание не задано (_ScheduleItem=nil)</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Wizard</source>
        <translation>Мастер</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Schedule Name:</source>
        <translation>Название задания:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Select the task:</source>
        <translation>Выберите действие:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select the Time for schedule</source>
        <translation>Выберите время запуска задания</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Once</source>
        <translation>Однократно</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>everyday</source>
        <translation>Ежедневно</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Everyweek</source>
        <translation>Еженедельно</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Everymonth</source>
        <translation>Ежемесячно</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>complete.</source>
        <translation>Готово.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&lt;&lt;Prev</source>
        <translation>&lt;&lt;Назад</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next&gt;&gt;</source>
        <translation>Далее&gt;&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>new schedule item</source>
        <translation>Новое задание</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>modify the schedule item</source>
        <translation>Изменение задания</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+185"/>
        <source>Complete</source>
        <translation>Готово</translation>
    </message>
    <message>
        <location line="-125"/>
        <source>select program</source>
        <translation>Выберите программу</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>message content:</source>
        <translation>Текст сообщения:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
</context>
<context>
    <name>halvo::TrayMenu</name>
    <message>
        <location filename="../../app/TrayMenu.cpp" line="-94"/>
        <location line="+118"/>
        <source>Halvo Shutdown</source>
        <translation>Halvo Shutdown</translation>
    </message>
    <message>
        <location line="-100"/>
        <source>Quick actions</source>
        <translation>Быстрые действия</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cancel postponed action</source>
        <translation>Отменить отложенное действие</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>cancel the postponed action</source>
        <translation>отменить отложенное действие</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>replace the armed action</source>
        <translation>заменить запланированное действие</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>postponed: %1</source>
        <translation>отложено: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../app/main.cpp" line="+45"/>
        <source>cannot start without a display (%1)</source>
        <translation>запуск невозможен без дисплея (%1)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>standard input</source>
        <translation>стандартного ввода</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot read the password from %1 (%2)</source>
        <translation>не удаётся прочитать пароль из %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no password in %1</source>
        <translation>пароль из %1 пуст</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot start the program</source>
        <translation>не удаётся запустить программу</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no running copy could be reached</source>
        <translation>не удалось связаться с запущенной копией</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the running copy did not answer</source>
        <translation>запущенная копия не ответила</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>refused: %1</source>
        <translation>отказано: %1</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>another copy is running but does not answer</source>
        <translation>уже запущена другая копия, но она не отвечает</translation>
    </message>
</context>
</TS>

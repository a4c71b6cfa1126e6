<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Activity</name>
    <message>
        <location filename="../../platform/linux/LinuxActivity.cpp" line="+46"/>
        <source>Neither the X server nor the desktop (GNOME or KDE) tells how long the user has been idle</source>
        <translation>Ani serwer X, ani środowisko graficzne (GNOME lub KDE) nie podaje, jak długo użytkownik jest bezczynny</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../platform/win32/Win32Activity.cpp" line="+97"/>
        <source>This computer has no battery</source>
        <translation>Ten komputer nie ma baterii</translation>
    </message>
    <message>
        <location line="+249"/>
        <source>%1 has a line that cannot be read: %2</source>
        <translation>%1 zawiera wiersz, którego nie można odczytać: %2</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>UPower is not running, so the battery cannot be read</source>
        <translation>Usługa UPower nie działa, więc nie można odczytać stanu baterii</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPower did not answer: %1</source>
        <translation>Usługa UPower nie odpowiedziała: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UPower does not tell the battery&apos;s charge</source>
        <translation>Usługa UPower nie podaje poziomu naładowania baterii</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+9"/>
        <source>No process with id %1 is running</source>
        <translation>Nie działa żaden proces o identyfikatorze %1</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Process %1 belongs to another user</source>
        <translation>Proces %1 należy do innego użytkownika</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Process %1 cannot be watched: %2</source>
        <translation>Nie można monitorować procesu %1: %2</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Activity.cpp" line="-2"/>
        <source>The system does not know the battery&apos;s state</source>
        <translation>System nie podaje stanu baterii</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The system does not know the battery&apos;s charge</source>
        <translation>System nie podaje poziomu naładowania baterii</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The system does not know whether the computer runs on battery</source>
        <translation>System nie podaje, czy komputer jest zasilany z baterii</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>There is no process with the id %1</source>
        <translation>Nie ma procesu o identyfikatorze %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The process %1 belongs to another user</source>
        <translation>Proces %1 należy do innego użytkownika</translation>
    </message>
</context>
<context>
    <name>Agenda</name>
    <message>
        <location filename="../../model/Agenda.cpp" line="+44"/>
        <source>in its reminder</source>
        <translation>oczekuje w przypomnieniu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in its reminder, due at %1</source>
        <translation>oczekuje w przypomnieniu, termin: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Missed while the computer was asleep: %1 at %2</source>
        <translation>Pominięto, gdy komputer był uśpiony: %1 o %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed while the clock changed: %1 at %2</source>
        <translation>Pominięto z powodu zmiany zegara: %1 o %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(due at %1)</source>
        <translation>(termin: %1)</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>&apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../../model/NextRun.cpp" line="+140"/>
        <source>in %1 s</source>
        <translation>za %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 min</source>
        <translation>za %1 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 h %2 min</source>
        <translation>za %1 h %2 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 h</source>
        <translation>za %1 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in %1 d %2 h</source>
        <translation>za %1 d %2 h</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 d</source>
        <translation>za %1 d</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>at %1 (%2)</source>
        <translation>o %1 (%2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 at %2, in %3 minutes</source>
        <translation>%1 o %2, za %3 min</translation>
    </message>
</context>
<context>
    <name>AwakeKeeper</name>
    <message>
        <location filename="../../core/AwakeKeeper.cpp" line="+78"/>
        <source>Keeping the computer awake until: %1</source>
        <translation>Utrzymywanie komputera w stanie aktywnym do: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../model/CommandLine.cpp" line="+210"/>
        <source>the password is given once (see --help)</source>
        <translation>hasło można podać tylko raz (zobacz --help)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>missing FILE after --password-file</source>
        <translation>brak FILE po --password-file</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the password is never taken as an argument: give --password - (read from standard input) or --password-file FILE</source>
        <translation>hasło nigdy nie jest przyjmowane jako argument: użyj --password - (odczyt ze standardowego wejścia) lub --password-file FILE</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the password goes with a request to the running copy (see --help)</source>
        <translation>hasło podaje się tylko wraz z żądaniem do działającej kopii (zobacz --help)</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+96"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>nieoczekiwany argument &apos;%1&apos; (zobacz --help)</translation>
    </message>
    <message>
        <location line="-87"/>
        <source>missing TASK after %1 (one of %2)</source>
        <translation>brak TASK po %1 (jedno z: %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--when goes with a TASK alone, not with %1 (see --help)</source>
        <translation>--when łączy się tylko z TASK, nie z %1 (zobacz --help)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown task &apos;%1&apos; (one of %2)</source>
        <translation>nieznane zadanie &apos;%1&apos; (jedno z: %2)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>missing NAME after --quick (see --status for the saved quick actions)</source>
        <translation>brak NAME po --quick (zapisane szybkie akcje pokazuje --status)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bad NAME after --quick: a name holds no line breaks</source>
        <translation>nieprawidłowa wartość NAME po --quick: nazwa nie może zawierać znaków nowego wiersza</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>missing DURATION after --in (e.g. 90s, 45m, 1h30m)</source>
        <translation>brak DURATION po --in (np. 90s, 45m, 1h30m)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad duration &apos;%1&apos; (e.g. 90s, 45m, 1h30m)</source>
        <translation>nieprawidłowy czas trwania &apos;%1&apos; (np. 90s, 45m, 1h30m)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>missing time after --at (HH:MM or HH:MM:SS)</source>
        <translation>brak godziny po --at (HH:MM lub HH:MM:SS)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad time &apos;%1&apos; (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>nieprawidłowa godzina &apos;%1&apos; (HH:MM lub HH:MM:SS, od 00:00 do 23:59:59)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>missing CONDITION after --when (one of %1)</source>
        <translation>brak CONDITION po --when (jeden z: %1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>nieznana opcja &apos;%1&apos; (zobacz --help)</translation>
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
        <translation>Użycie: halvo-shutdown [OPTION]
Bez opcji uruchamia Halvo Shutdown w obszarze powiadomień (lub pokazuje działającą kopię).

  --now TASK            wykonuje TASK natychmiast
  --in DURATION TASK    wykonuje TASK po upływie DURATION (90s, 45m, 1h30m), poprzedzone przypomnieniem
  --at HH:MM[:SS] TASK  wykonuje TASK o podanej godzinie, poprzedzone przypomnieniem
  --when CONDITION TASK wykonuje TASK, gdy CONDITION jest spełniony, poprzedzone przypomnieniem; przy kilku
                        --when CONDITION przed TASK wszystkie muszą być spełnione. CONDITION to jeden z:
%1                        (minuty w postaci 30m, 2h lub 1h30m, maksymalnie 24h)
  --cancel              anuluje akcję ustawioną na czas i wszystkie akcje odłożone oraz zamyka ich
                        przypomnienia
  --quick NAME          ustawia zapisaną szybką akcję NAME tak jak przycisk Ustaw na stronie Ogólne
  --status              wypisuje, co jest ustawione, odłożone lub zapowiedziane otwartym przypomnieniem,
                        najbliższe uruchomienia z harmonogramu oraz zapisane szybkie akcje
  --show                pokazuje okno
  --tray                uruchamia w obszarze powiadomień albo pozostawia działającą kopię bez zmian
  --password-file FILE  przy żądaniu chronionym hasłem odczytuje hasło z pierwszego wiersza FILE
  --password -          to samo, ale hasło jest odczytywane ze standardowego wejścia
  --help                wypisuje ten tekst
  --version             wypisuje wersję

TASK to jedno z: %2
Żądanie wykonuje działająca kopia; jeśli żadna nie działa, zostaje uruchomiona w obszarze
powiadomień. Kod wyjścia: 0 wykonano, 1 brak połączenia z działającą kopią lub odmowa, 2 błędne argumenty.
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
        <translation>to nie jest akcja, którą można ustawić</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>the conditions could not be read in time</source>
        <translation>nie udało się odczytać warunków w wyznaczonym czasie</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>not a request for the running copy</source>
        <translation>to nie jest żądanie dla działającej kopii</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>no quick action named &apos;%1&apos;</source>
        <translation>brak szybkiej akcji o nazwie &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>General: nothing armed</source>
        <translation>Ogólne: nic nie ustawiono</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>General: %1</source>
        <translation>Ogólne: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Postponed: %1</source>
        <translation>Odłożone: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no task</source>
        <translation>brak zadania</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2 %3</source>
        <translation>Harmonogram &apos;%1&apos;: %2 %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2, no further run</source>
        <translation>Harmonogram &apos;%1&apos;: %2, brak kolejnych uruchomień</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Schedule: no items</source>
        <translation>Harmonogram: brak pozycji</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quick action &apos;%1&apos;: %2</source>
        <translation>Szybka akcja &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../../core/Commands.h" line="+35"/>
        <source>a password protects this; give it with --password-file FILE or --password - (read from standard input)</source>
        <translation>ta operacja jest chroniona hasłem; podaj je za pomocą --password-file FILE lub --password - (odczyt ze standardowego wejścia)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong password</source>
        <translation>nieprawidłowe hasło</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>too many wrong passwords; try again in %1 s</source>
        <translation>zbyt wiele nieprawidłowych haseł; spróbuj ponownie za %1 s</translation>
    </message>
</context>
<context>
    <name>Conditions</name>
    <message>
        <location filename="../../model/ConditionRule.cpp" line="+28"/>
        <source>reading failed: %1</source>
        <translation>błąd odczytu: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../model/ConditionWatch.cpp" line="+128"/>
        <source>no reason given</source>
        <translation>nie podano przyczyny</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>measuring</source>
        <translation>trwa pomiar</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>now %1%</source>
        <translation>teraz %1%</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>now %1 KB/s</source>
        <translation>teraz %1 KB/s</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>idle %1 s</source>
        <translation>bezczynność: %1 s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>idle %1 min</source>
        <translation>bezczynność: %1 min</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the battery&apos;s charge is unknown</source>
        <translation>poziom naładowania baterii jest nieznany</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>battery %1%</source>
        <translation>bateria %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery %1%, charging</source>
        <translation>bateria %1%, ładowanie</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ended</source>
        <translation>zakończony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>running</source>
        <translation>działa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 running</source>
        <translation>działające procesy: %1</translation>
    </message>
    <message>
        <location filename="../../model/Conditions.cpp" line="+17"/>
        <source>minutes must be 1m to 24h, like 30m or 2h</source>
        <translation>czas musi wynosić od 1m do 24h, np. 30m lub 2h</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>the program&apos;s name or process id is missing (exit:NAME or exit:PID)</source>
        <translation>brak nazwy programu lub identyfikatora procesu (exit:NAME lub exit:PID)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>every process running the program NAME, or the
process PID, has ended</source>
        <translation>zakończyły się wszystkie procesy programu NAME lub
proces PID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program exits</source>
        <translation>program kończy działanie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when {1} exits</source>
        <translation>po zakończeniu {1}</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>idle:MINUTES, like idle:30m</source>
        <translation>idle:MINUTES, np. idle:30m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no keyboard or mouse input for 30 minutes</source>
        <translation>brak użycia klawiatury i myszy przez 30 minut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the user is idle for</source>
        <translation>użytkownik bezczynny przez</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the user is idle for {1} min</source>
        <translation>po {1} min bezczynności użytkownika</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the processor&apos;s percent must be 1% to 100%</source>
        <translation>procent użycia procesora musi wynosić od 1% do 100%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cpu:PERCENT%:MINUTES, like cpu:10%:5m</source>
        <translation>cpu:PERCENT%:MINUTES, np. cpu:10%:5m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the processor below 10% for 5 minutes</source>
        <translation>użycie procesora poniżej 10% przez 5 minut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the processor is below</source>
        <translation>użycie procesora poniżej</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the processor is below {1}% for {2} min</source>
        <translation>przy użyciu procesora poniżej {1}% przez {2} min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M</source>
        <translation>przepływność należy podać w KB/s, np. 50k, lub w MB/s, np. 2M, od 1k do 10240M</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>net:RATE:MINUTES, like net:50k:5m or net:2M:5m</source>
        <translation>net:RATE:MINUTES, np. net:50k:5m lub net:2M:5m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network below 50 KB/s or 2 MB/s for 5 minutes</source>
        <translation>ruch sieciowy poniżej 50 KB/s lub 2 MB/s przez 5 minut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network is below</source>
        <translation>ruch sieciowy poniżej</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the network is below {1} KB/s for {2} min</source>
        <translation>przy ruchu sieciowym poniżej {1} KB/s przez {2} min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the battery&apos;s percent must be 1% to 99%</source>
        <translation>procent naładowania baterii musi wynosić od 1% do 99%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery:PERCENT%, like battery:15%</source>
        <translation>battery:PERCENT%, np. battery:15%</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>on battery, at 15% or less</source>
        <translation>zasilanie z baterii, naładowanej w 15% lub mniej</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the battery is below</source>
        <translation>poziom baterii poniżej</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the battery is below {1}%</source>
        <translation>przy poziomie baterii poniżej {1}%</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>the process id must be 1 to 4294967295</source>
        <translation>identyfikator procesu musi wynosić od 1 do 4294967295</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the program&apos;s name goes without its folder</source>
        <translation>nazwę programu należy podać bez folderu</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the program&apos;s name holds a control character</source>
        <translation>nazwa programu zawiera znak sterujący</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>bad condition &apos;%1&apos;: %2</source>
        <translation>nieprawidłowy warunek &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>unknown condition &apos;%1&apos; (one of %2)</source>
        <translation>nieznany warunek &apos;%1&apos; (jeden z: %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>expected %1</source>
        <translation>oczekiwano: %1</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>the process %1</source>
        <translation>procesu %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program %1</source>
        <translation>programu %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <location filename="../../model/ConditionWatch.cpp" line="-71"/>
        <source>%1 is not running</source>
        <translation>program %1 nie jest uruchomiony</translation>
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
        <translation>nie można monitorować procesu %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../pages/FormGen.cpp" line="-20"/>
        <source>cannot tell %1: %2</source>
        <translation>nie można sprawdzić warunku „%1”: %2</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <location filename="../../platform/linux/DesktopSession.cpp" line="+70"/>
        <source>blocked by %1: %2</source>
        <translation>zablokowane przez %1: %2</translation>
    </message>
    <message>
        <location line="+91"/>
        <location line="+9"/>
        <source>no login session of this user is known</source>
        <translation>nie znaleziono sesji logowania tego użytkownika</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../../platform/linux/Files.cpp" line="+84"/>
        <source>not a regular file</source>
        <translation>nie jest to zwykły plik</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>It is a symbolic link made by another user</source>
        <translation>Jest to dowiązanie symboliczne utworzone przez innego użytkownika</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link that leads to no file (%1)</source>
        <translation>Jest to dowiązanie symboliczne, które nie prowadzi do żadnego pliku (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>It is a symbolic link to %1, which is not a regular file</source>
        <translation>Jest to dowiązanie symboliczne do %1, a to nie jest zwykły plik</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link to %1, which belongs to another user</source>
        <translation>Jest to dowiązanie symboliczne do %1, a ten plik należy do innego użytkownika</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It is not a regular file</source>
        <translation>Nie jest to zwykły plik</translation>
    </message>
</context>
<context>
    <name>FormSchWizard</name>
    <message>
        <location filename="../../pages/FormSchWizard.cpp" line="+204"/>
        <source>Sunday</source>
        <translation>Niedziela</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Monday</source>
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tuesday</source>
        <translation>Wtorek</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wednesday</source>
        <translation>Środa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thursday</source>
        <translation>Czwartek</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Friday</source>
        <translation>Piątek</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <location filename="../../model/Tasks.cpp" line="+156"/>
        <location filename="../../platform/linux/Launcher.cpp" line="+297"/>
        <source>the quote is not closed</source>
        <translation>cudzysłów nie został zamknięty</translation>
    </message>
    <message>
        <location filename="../../platform/linux/Launcher.cpp" line="-211"/>
        <location line="+216"/>
        <location line="+20"/>
        <source>cannot run %1: %2</source>
        <translation>nie można uruchomić %1: %2</translation>
    </message>
    <message>
        <location line="-229"/>
        <source>not executable: %1</source>
        <translation>nie jest plikiem wykonywalnym: %1</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>no program given</source>
        <translation>nie podano programu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>folder not found: %1</source>
        <translation>nie znaleziono folderu: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>program not found on PATH: %1</source>
        <translation>nie znaleziono programu w PATH: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>program not found: %1</source>
        <translation>nie znaleziono programu: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no application to open %1 (xdg-open is missing)</source>
        <translation>brak aplikacji, która otworzy %1 (brak programu xdg-open)</translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <location filename="../../platform/linux/LinuxPlatform.cpp" line="+150"/>
        <source>KWin did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>KWin nie podał listy swoich okien: widoczne są tylko okna programów X11.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>sway did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>sway nie podał listy swoich okien: widoczne są tylko okna programów X11.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The windows of this desktop cannot be listed: install the &quot;Window Calls&quot; extension of GNOME Shell and switch it on. Until then only the windows of X11 programs are seen.</source>
        <translation>Nie można pobrać listy okien tego środowiska graficznego: zainstaluj rozszerzenie „Window Calls” dla GNOME Shell i włącz je. Do tego czasu widoczne są tylko okna programów X11.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This desktop lists its windows to no other program: only the windows of X11 programs are seen.</source>
        <translation>To środowisko graficzne nie udostępnia listy swoich okien innym programom: widoczne są tylko okna programów X11.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>1 window is left out: the desktop does not say which program shows it.</source>
        <translation>Pominięto 1 okno: środowisko graficzne nie podaje, który program je wyświetla.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 windows are left out: the desktop does not say which programs show them.</source>
        <translation>Pominięto okna (%1): środowisko graficzne nie podaje, które programy je wyświetlają.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <location filename="../../pages/PasswordDialog.cpp" line="+28"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>PasswordGuard</name>
    <message>
        <location filename="../../core/PasswordGuard.cpp" line="+75"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>Hasło musi składać się z co najmniej %1 znaków.</translation>
    </message>
</context>
<context>
    <name>PowerHolds</name>
    <message>
        <location filename="../../platform/linux/PowerHolds.cpp" line="+191"/>
        <source>The wake helper %1 is not installed with the program.</source>
        <translation>Program pomocniczy do wybudzania %1 nie został zainstalowany razem z programem.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The wake helper cannot set an alarm: %1. It needs the capability CAP_WAKE_ALARM, which the program&apos;s package gives it.</source>
        <translation>Program pomocniczy do wybudzania nie może ustawić alarmu: %1. Wymaga uprawnienia CAP_WAKE_ALARM, które nadaje mu pakiet programu.</translation>
    </message>
</context>
<context>
    <name>QuickActions</name>
    <message>
        <location filename="../../model/QuickActions.cpp" line="+87"/>
        <source>The name must not be empty</source>
        <translation>Nazwa nie może być pusta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name must be at most %1 characters long</source>
        <translation>Nazwa może składać się z najwyżej %1 znaków</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The name must not hold quotes or line breaks</source>
        <translation>Nazwa nie może zawierać cudzysłowów ani znaków nowego wiersza</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <location filename="../../core/Reminders.cpp" line="+73"/>
        <source>Reminder: %1 in %2 s</source>
        <translation>Przypomnienie: %1 za %2 s</translation>
    </message>
</context>
<context>
    <name>RunValue</name>
    <message>
        <location filename="../../model/RunValue.cpp" line="+19"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Nieprawidłowy typ danych dla &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Nie udało się ustawić danych dla &apos;%1&apos;</translation>
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
        <translation>Nie można zapisać pliku %1</translation>
    </message>
    <message>
        <location filename="../../model/DataFolder.cpp" line="+47"/>
        <source>The program folder %1 cannot be written to, so the settings and the schedule are kept in %2 instead.</source>
        <translation>Nie można zapisywać w folderze programu %1, dlatego ustawienia i harmonogram są przechowywane w %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The settings file %1 cannot be read: %2. The settings start from their defaults.</source>
        <translation>Nie można odczytać pliku ustawień %1: %2. Używane są ustawienia domyślne.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The settings file %1 cannot be written: %2. Changes to the settings will not be kept.</source>
        <translation>Nie można zapisać pliku ustawień %1: %2. Zmiany ustawień nie zostaną zachowane.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The schedule file %1 cannot be written: %2. Changes to the schedule will not be kept.</source>
        <translation>Nie można zapisać pliku harmonogramu %1: %2. Zmiany w harmonogramie nie zostaną zachowane.</translation>
    </message>
    <message>
        <location filename="../../model/Schedule.cpp" line="-151"/>
        <source>%1 item</source>
        <translation>%1 element</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 items</source>
        <translation>%1 elem.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot be read (%1)</source>
        <translation>nie można odczytać (%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 and a part that cannot be read</source>
        <translation>%1 i fragment, którego nie można odczytać</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Copies of the stored schedule, newest first:</source>
        <translation>Kopie zapisanego harmonogramu, od najnowszej:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2, the file as this run found it</source>
        <translation>%1: %2, plik w stanie zastanym przy tym uruchomieniu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2, an earlier copy</source>
        <translation>%1: %2, wcześniejsza kopia</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku „%1”. %2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The schedule file %1 holds %2, but %3 counted %4. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>Plik harmonogramu %1 zawiera %2, ale w %3 zapisano liczbę %4. Wczytano wszystkie, a liczba zostanie poprawiona przy następnym zapisie harmonogramu.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The schedule file %1 holds %2, but %3 held no count. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>Plik harmonogramu %1 zawiera %2, ale w %3 nie zapisano liczby. Wczytano wszystkie, a liczba zostanie poprawiona przy następnym zapisie harmonogramu.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cannot create file &quot;%1&quot;. It would hold %2, fewer than the %3 loaded and not deleted since; the stored file is left as it was.</source>
        <translation>Nie można utworzyć pliku „%1”. Zawierałby %2, czyli mniej niż liczba wczytanych i od tamtej pory nieusuniętych (%3); zapisany plik pozostaje bez zmian.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2</source>
        <translation>Nie można utworzyć pliku „%1”. Nie udało się zachować wcześniejszego pliku jako %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2: %3</source>
        <translation>Nie można utworzyć pliku „%1”. Nie udało się zachować wcześniejszego pliku jako %2: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Nie można utworzyć pliku „%1”. %2</translation>
    </message>
</context>
<context>
    <name>ScheduleFile</name>
    <message>
        <location filename="../../model/ScheduleFile.cpp" line="+37"/>
        <source>Stream read error</source>
        <translation>Błąd odczytu strumienia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid stream format</source>
        <translation>Nieprawidłowy format strumienia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid property value</source>
        <translation>Nieprawidłowa wartość właściwości</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Error reading %1.%2: %3</source>
        <translation>Błąd odczytu %1.%2: %3</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>Property %1 does not exist</source>
        <translation>Właściwość %1 nie istnieje</translation>
    </message>
</context>
<context>
    <name>Tasks</name>
    <message>
        <location filename="../../model/ProcessRoutines.cpp" line="+40"/>
        <source>Close all programs could not see every window.
%1</source>
        <translation>Akcja „Zamknij wszystkie programy” nie wykryła wszystkich okien.
%1</translation>
    </message>
    <message>
        <location filename="../../model/Tasks.cpp" line="-136"/>
        <source>%1 failed</source>
        <translation>Nie udało się wykonać akcji „%1”</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 failed: %2</source>
        <translation>Nie udało się wykonać akcji „%1”: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>not available on this computer</source>
        <translation>niedostępne na tym komputerze</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>shutdown the computer</source>
        <translation>zamknięcie systemu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shutdown the Computer</source>
        <translation>Zamknij system</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the system</source>
        <translation>Zamknij system</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the computer</source>
        <translation>Zamknij system</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turn off the computer</source>
        <translation>wyłączenie komputera</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trun off the computer</source>
        <translation>Wyłącz komputer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Power off the computer</source>
        <translation>Wyłącz komputer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close the program</source>
        <translation>zamknięcie programu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close program</source>
        <translation>Zamknij program</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close the program</source>
        <translation>Zamknij program</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>start the screensaver</source>
        <translation>uruchomienie wygaszacza ekranu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start the screensaver</source>
        <translation>Uruchom wygaszacz ekranu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>log off  user</source>
        <translation>wylogowanie użytkownika</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Logoff user...</source>
        <translation>Wyloguj użytkownika...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off ...</source>
        <translation>Wyloguj ...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off</source>
        <translation>Wyloguj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>disconnect the network</source>
        <translation>rozłączenie sieci</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Disconnect the network</source>
        <translation>Rozłącz sieć</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close all the program</source>
        <translation>zamknięcie wszystkich programów</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all the program</source>
        <translation>Zamknij wszystkie programy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all programs</source>
        <translation>Zamknij wszystkie programy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>execute the program</source>
        <translation>uruchomienie programu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Execute</source>
        <translation>Uruchom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Run a command line</source>
        <translation>Uruchom polecenie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>restart the computer</source>
        <translation>ponowne uruchomienie komputera</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restart the computer</source>
        <translation>Uruchom ponownie komputer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>alarm message</source>
        <translation>komunikat alarmowy</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the message</source>
        <translation>Pokaż komunikat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lock the workstation</source>
        <translation>zablokowanie stacji roboczej</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the workstation</source>
        <translation>Zablokuj stację roboczą</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the computer</source>
        <translation>Zablokuj komputer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sleep the computer</source>
        <translation>uśpienie komputera</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep the computer</source>
        <translation>Uśpij komputer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep</source>
        <translation>Uśpij</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hibernate the computer</source>
        <translation>hibernacja komputera</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hibernate the computer</source>
        <translation>Hibernuj komputer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hibernate</source>
        <translation>Hibernuj</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <location filename="../../app/TrayMenu.cpp" line="+115"/>
        <source>The quick action &quot;%1&quot; was not armed: %2</source>
        <translation>Szybka akcja „%1” nie została ustawiona: %2</translation>
    </message>
</context>
<context>
    <name>Win32</name>
    <message>
        <location filename="../../platform/win32/RealWin32Api.cpp" line="+800"/>
        <source>System error %1</source>
        <translation>Błąd systemowy %1</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>It is a symbolic link or junction, which this program does not replace</source>
        <translation>Jest to dowiązanie symboliczne lub punkt połączenia, którego ten program nie zastępuje</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Platform.cpp" line="+50"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows: the computer will not wake for the schedule until it is turned on.</source>
        <translation>Opcja „Zezwalaj na czasomierze wznawiania” jest wyłączona w opcjach zasilania systemu Windows: komputer nie będzie wybudzany na potrzeby harmonogramu, dopóki nie zostanie ona włączona.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows when plugged in: the computer will not wake for the schedule until it is turned on.</source>
        <translation>Opcja „Zezwalaj na czasomierze wznawiania” jest wyłączona w opcjach zasilania systemu Windows dla zasilania sieciowego: komputer nie będzie wybudzany na potrzeby harmonogramu, dopóki nie zostanie ona włączona.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows on battery: the computer will not wake for the schedule until it is turned on.</source>
        <translation>Opcja „Zezwalaj na czasomierze wznawiania” jest wyłączona w opcjach zasilania systemu Windows dla zasilania z baterii: komputer nie będzie wybudzany na potrzeby harmonogramu, dopóki nie zostanie ona włączona.</translation>
    </message>
</context>
<context>
    <name>halvo::CountdownBar</name>
    <message>
        <location filename="../../app/CountdownBar.cpp" line="+25"/>
        <source>Halvo Shutdown countdown</source>
        <translation>Halvo Shutdown – odliczanie</translation>
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
        <translation>Nie można odczytać szybkich akcji o numerach %1 w %2, dlatego zostały pominięte; pozostałe wczytano.</translation>
    </message>
</context>
<context>
    <name>halvo::NewPasswordDialog</name>
    <message>
        <location filename="../../pages/PasswordDialog.cpp" line="+95"/>
        <source>Protect with a password</source>
        <translation>Chroń hasłem</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New password:</source>
        <translation>Nowe hasło:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Once more:</source>
        <translation>Powtórz hasło:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>Hasło musi składać się z co najmniej %1 znaków.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The two passwords differ.</source>
        <translation>Hasła nie są zgodne.</translation>
    </message>
</context>
<context>
    <name>halvo::PasswordDialog</name>
    <message>
        <location line="-97"/>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the password to %1.</source>
        <translation>Wpisz hasło, aby %1.</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+15"/>
        <source>Wrong password.</source>
        <translation>Nieprawidłowe hasło.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Wrong password. Try again in %n s.</source>
        <translation>
            <numerusform>Nieprawidłowe hasło. Spróbuj ponownie za %n s.</numerusform>
            <numerusform>Nieprawidłowe hasło. Spróbuj ponownie za %n s.</numerusform>
            <numerusform>Nieprawidłowe hasło. Spróbuj ponownie za %n s.</numerusform>
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
        <translation>Szybkie akcje</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The name &quot;%1&quot; is given twice</source>
        <translation>Nazwa „%1” występuje dwukrotnie</translation>
    </message>
</context>
<context>
    <name>halvo::SingleInstance</name>
    <message>
        <location filename="../../app/SingleInstance.cpp" line="+141"/>
        <source>cannot set up %1 (%2)</source>
        <translation>nie można przygotować %1 (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot create %1 (%2)</source>
        <translation>nie można utworzyć %1 (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read %1 (%2)</source>
        <translation>nie można odczytać %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is a symbolic link</source>
        <translation>jest to dowiązanie symboliczne</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a folder</source>
        <translation>nie jest to folder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it belongs to user %1</source>
        <translation>należy do użytkownika %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its mode is %1, not 0700</source>
        <translation>ma uprawnienia %1 zamiast 0700</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not this user&apos;s own folder (%2); the lock and the socket are not kept there</source>
        <translation>%1 nie jest własnym folderem tego użytkownika (%2); blokada i gniazdo nie są w nim przechowywane</translation>
    </message>
</context>
<context>
    <name>halvo::SlidingPopup</name>
    <message>
        <location filename="../../toolkit/SlidingPopup.cpp" line="+33"/>
        <source>Halvo Shutdown notification</source>
        <translation>Powiadomienie Halvo Shutdown</translation>
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
Wersja %1
Wyłącza komputer według harmonogramu.
</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Visit Homepage</source>
        <translation>Odwiedź stronę</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Plik</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+12"/>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+11"/>
        <source>Schedule</source>
        <translation>Harmonogram</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+10"/>
        <source>Option</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>about</source>
        <translation>O programie</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+2"/>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <location line="+197"/>
        <source>The help file %1 is missing</source>
        <translation>Brak pliku pomocy %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>exit Halvo Shutdown</source>
        <translation>zakończyć Halvo Shutdown</translation>
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
        <translation>Komputer wykona następującą akcję 
za 1 minutę :</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Execute It!</source>
        <translation>Wykonaj!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Postpone %1 min</source>
        <translation>Odłóż o %1 min</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>cancel the action</source>
        <translation>anulować akcję</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>postpone the action</source>
        <translation>odłożyć akcję</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cancel(%1)</source>
        <translation>Anuluj (%1)</translation>
    </message>
</context>
<context>
    <name>halvo::TFormGen</name>
    <message>
        <location filename="../../pages/FormGen.cpp" line="-564"/>
        <source>Do It Now!</source>
        <translation>Wykonaj teraz!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do It Now</source>
        <translation>Wykonaj teraz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Do It at specific time</source>
        <translation>Wykonaj w określonym czasie</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+6"/>
        <source>At</source>
        <translation>O godzinie</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After</source>
        <translation>Po upływie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>When</source>
        <translation>Gdy</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+384"/>
        <source>for</source>
        <translation>od</translation>
    </message>
    <message>
        <location line="-379"/>
        <location line="+384"/>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="-379"/>
        <source>Choose a program by one of its windows</source>
        <translation>Wybierz program, wskazując jedno z jego okien</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add a condition that must hold as well</source>
        <translation>Dodaj kolejny warunek, który również musi być spełniony</translation>
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
        <translation>h</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>Min</source>
        <translation>min</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>Sec</source>
        <translation>s</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+582"/>
        <location line="+26"/>
        <source>Save as quick action</source>
        <translation>Zapisz jako szybką akcję</translation>
    </message>
    <message>
        <location line="-550"/>
        <source>change the armed action</source>
        <translation>zmienić ustawioną akcję</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>and</source>
        <translation>i</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Remove this condition</source>
        <translation>Usuń ten warunek</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>not offered: %1</source>
        <translation>niedostępne: %1</translation>
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
        <translation>&apos;%1&apos; nie jest prawidłową liczbą całkowitą</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The delay must not be negative</source>
        <translation>Opóźnienie nie może być ujemne</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The delay is too long</source>
        <translation>Opóźnienie jest za długie</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A quick action waits at least one second</source>
        <translation>Szybka akcja musi czekać co najmniej jedną sekundę</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Choose an action and After, At or When first</source>
        <translation>Najpierw wybierz akcję oraz „Po upływie”, „O godzinie” lub „Gdy”</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Name in the tray&apos;s &quot;Quick actions&quot;:</source>
        <translation>Nazwa w menu „Szybkie akcje” zasobnika:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Replace the quick action &quot;%1&quot;?</source>
        <translation>Zastąpić szybką akcję „%1”?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There are already %1 quick actions; delete one on the Option page first</source>
        <translation>Osiągnięto limit szybkich akcji (%1); najpierw usuń jedną na stronie Opcje</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Saved as quick action &quot;%1&quot;</source>
        <translation>Zapisano jako szybką akcję „%1”</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+9"/>
        <location line="+6"/>
        <source>replace the armed action</source>
        <translation>zastąpić ustawioną akcję</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+9"/>
        <location line="+12"/>
        <source>set successfully</source>
        <translation>Ustawiono pomyślnie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cancel the armed action</source>
        <translation>anulować ustawioną akcję</translation>
    </message>
    <message>
        <location line="-135"/>
        <source>The time of day must lie between 12:00:00 AM and 11:59:59 PM</source>
        <translation>Godzina musi mieścić się w przedziale od 12:00:00 AM do 11:59:59 PM</translation>
    </message>
</context>
<context>
    <name>halvo::TFormOption</name>
    <message>
        <location filename="../../app/FormOption.cpp" line="+40"/>
        <source>start</source>
        <translation>Uruchamianie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>auto startup when windows startup</source>
        <translation>Uruchamiaj automatycznie wraz z systemem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>auto save the schedule setting</source>
        <translation>Automatycznie zapisuj harmonogram</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shutdown</source>
        <translation>Zamykanie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>remind me before shutdown/restart/log off</source>
        <translation>Przypominaj przed zamknięciem/restartem/wylogowaniem</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>wake the computer from sleep for scheduled actions</source>
        <translation>Wybudzaj komputer z uśpienia, aby wykonać zaplanowane akcje</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Only from sleep or hibernation: a computer that is powered off is not turned on.</source>
        <translation>Tylko z uśpienia lub hibernacji: wyłączony komputer nie zostanie włączony.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not available: %1</source>
        <translation>Niedostępne: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>keep the computer awake while an action waits</source>
        <translation>Nie usypiaj komputera, gdy akcja oczekuje</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>countdown</source>
        <translation>Odliczanie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>show a countdown bar at the</source>
        <translation>Pokazuj pasek odliczania</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>top of the screen</source>
        <translation>u góry ekranu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom of the screen</source>
        <translation>u dołu ekranu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wayland lets no program place a bar on the screen</source>
        <translation>Wayland nie pozwala programom umieszczać paska na ekranie</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Quick actions...</source>
        <translation>Szybkie akcje...</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Set</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel Setting</source>
        <translation>Cofnij zmiany</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Protect with a password</source>
        <translation>Chroń hasłem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change password...</source>
        <translation>Zmień hasło...</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>change the options</source>
        <translation>zmienić opcje</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>remove the password</source>
        <translation>usunąć hasło</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>change the password</source>
        <translation>zmienić hasło</translation>
    </message>
</context>
<context>
    <name>halvo::TFormProcessList</name>
    <message>
        <location filename="../../pages/FormProcessList.cpp" line="+21"/>
        <source>select the program</source>
        <translation>Wybierz program</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>window</source>
        <translation>Okno</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>processId</source>
        <translation>ID procesu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>please select item first</source>
        <translation>Najpierw wybierz element</translation>
    </message>
</context>
<context>
    <name>halvo::TFormSch</name>
    <message>
        <location filename="../../pages/FormSch.cpp" line="+45"/>
        <source>schedule name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Task</source>
        <translation>Zadanie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next run</source>
        <translation>Następne uruchomienie</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>modify</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>add a schedule item</source>
        <translation>dodać pozycję harmonogramu</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>please select item</source>
        <translation>Wybierz element</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>change a schedule item</source>
        <translation>zmienić pozycję harmonogramu</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>please select a item</source>
        <translation>Wybierz element</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>do you want to delete it?</source>
        <translation>Czy usunąć ten element?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>information</source>
        <translation>Informacja</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>delete a schedule item</source>
        <translation>usunąć pozycję harmonogramu</translation>
    </message>
</context>
<context>
    <name>halvo::TFormSchWizard</name>
    <message>
        <location filename="../../model/ScheduleItemDraft.cpp" line="+13"/>
        <source>Schedule item name is null</source>
        <translation>Nie podano nazwy pozycji harmonogramu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>select a task</source>
        <translation>Wybierz zadanie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please  select the parameter of the task</source>
        <translation>Wybierz parametr zadania</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please inpute the content of message</source>
        <translation>Wpisz treść komunikatu</translation>
    </message>
    <message>
        <location filename="../../pages/FormSchWizard.cpp" line="-173"/>
        <source>modify the scheduleItem,but _ScheduleItem=nil</source>
        <translation>Brak pozycji harmonogramu do zmiany</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Wizard</source>
        <translation>Kreator</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Schedule Name:</source>
        <translation>Nazwa pozycji:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Select the task:</source>
        <translation>Wybierz zadanie:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select the Time for schedule</source>
        <translation>Wybierz godzinę wykonania</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Once</source>
        <translation>Jednorazowo</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>everyday</source>
        <translation>Codziennie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Everyweek</source>
        <translation>Co tydzień</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Everymonth</source>
        <translation>Co miesiąc</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>complete.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&lt;&lt;Prev</source>
        <translation>&lt;&lt;Wstecz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next&gt;&gt;</source>
        <translation>Dalej&gt;&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>new schedule item</source>
        <translation>Nowa pozycja harmonogramu</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>modify the schedule item</source>
        <translation>Zmiana pozycji harmonogramu</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+185"/>
        <source>Complete</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location line="-125"/>
        <source>select program</source>
        <translation>Wybierz program</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>message content:</source>
        <translation>Treść komunikatu:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
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
        <translation>Szybkie akcje</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cancel postponed action</source>
        <translation>Anuluj odłożoną akcję</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>cancel the postponed action</source>
        <translation>anulować odłożoną akcję</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>replace the armed action</source>
        <translation>zastąpić ustawioną akcję</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>postponed: %1</source>
        <translation>odłożone: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../app/main.cpp" line="+45"/>
        <source>cannot start without a display (%1)</source>
        <translation>nie można uruchomić bez ekranu (%1)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>standard input</source>
        <translation>standardowe wejście</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot read the password from %1 (%2)</source>
        <translation>nie można odczytać hasła: %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no password in %1</source>
        <translation>%1 nie zawiera hasła</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot start the program</source>
        <translation>nie można uruchomić programu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no running copy could be reached</source>
        <translation>nie udało się połączyć z żadną działającą kopią</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the running copy did not answer</source>
        <translation>działająca kopia nie odpowiedziała</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>refused: %1</source>
        <translation>odrzucono: %1</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>another copy is running but does not answer</source>
        <translation>inna kopia jest uruchomiona, ale nie odpowiada</translation>
    </message>
</context>
</TS>

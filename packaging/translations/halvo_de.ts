<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Activity</name>
    <message>
        <location filename="../../platform/linux/LinuxActivity.cpp" line="+46"/>
        <source>Neither the X server nor the desktop (GNOME or KDE) tells how long the user has been idle</source>
        <translation>Weder der X-Server noch die Arbeitsumgebung (GNOME oder KDE) gibt an, wie lange der Benutzer schon inaktiv ist</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../platform/win32/Win32Activity.cpp" line="+97"/>
        <source>This computer has no battery</source>
        <translation>Dieser Computer hat keinen Akku</translation>
    </message>
    <message>
        <location line="+249"/>
        <source>%1 has a line that cannot be read: %2</source>
        <translation>%1 enthält eine nicht lesbare Zeile: %2</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>UPower is not running, so the battery cannot be read</source>
        <translation>UPower läuft nicht, daher kann der Akku nicht abgefragt werden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPower did not answer: %1</source>
        <translation>UPower hat nicht geantwortet: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UPower does not tell the battery&apos;s charge</source>
        <translation>UPower liefert keinen Ladestand des Akkus</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+9"/>
        <source>No process with id %1 is running</source>
        <translation>Es läuft kein Prozess mit der ID %1</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Process %1 belongs to another user</source>
        <translation>Prozess %1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Process %1 cannot be watched: %2</source>
        <translation>Prozess %1 kann nicht überwacht werden: %2</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Activity.cpp" line="-2"/>
        <source>The system does not know the battery&apos;s state</source>
        <translation>Das System kennt den Zustand des Akkus nicht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The system does not know the battery&apos;s charge</source>
        <translation>Das System kennt den Ladestand des Akkus nicht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The system does not know whether the computer runs on battery</source>
        <translation>Das System weiß nicht, ob der Computer im Akkubetrieb läuft</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>There is no process with the id %1</source>
        <translation>Es gibt keinen Prozess mit der ID %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The process %1 belongs to another user</source>
        <translation>Der Prozess %1 gehört einem anderen Benutzer</translation>
    </message>
</context>
<context>
    <name>Agenda</name>
    <message>
        <location filename="../../model/Agenda.cpp" line="+44"/>
        <source>in its reminder</source>
        <translation>Erinnerung wird angezeigt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in its reminder, due at %1</source>
        <translation>Erinnerung wird angezeigt, fällig um %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Missed while the computer was asleep: %1 at %2</source>
        <translation>Verpasst, während der Computer im Energiesparmodus war: %1 um %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed while the clock changed: %1 at %2</source>
        <translation>Verpasst, weil die Uhr umgestellt wurde: %1 um %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(due at %1)</source>
        <translation>(fällig um %1)</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>&apos;%1&apos;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <location filename="../../model/NextRun.cpp" line="+140"/>
        <source>in %1 s</source>
        <translation>in %1 Sek.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 min</source>
        <translation>in %1 Min.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 h %2 min</source>
        <translation>in %1 Std. %2 Min.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 h</source>
        <translation>in %1 Std.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in %1 d %2 h</source>
        <translation>in %1 Tg. %2 Std.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 d</source>
        <translation>in %1 Tg.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>at %1 (%2)</source>
        <translation>um %1 (%2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 at %2, in %3 minutes</source>
        <translation>%1 um %2, in %3 Minuten</translation>
    </message>
</context>
<context>
    <name>AwakeKeeper</name>
    <message>
        <location filename="../../core/AwakeKeeper.cpp" line="+78"/>
        <source>Keeping the computer awake until: %1</source>
        <translation>Energiesparmodus wird verhindert bis: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../model/CommandLine.cpp" line="+210"/>
        <source>the password is given once (see --help)</source>
        <translation>das Passwort darf nur einmal angegeben werden (siehe --help)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>missing FILE after --password-file</source>
        <translation>FILE fehlt nach --password-file</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the password is never taken as an argument: give --password - (read from standard input) or --password-file FILE</source>
        <translation>das Passwort wird nie als Argument angenommen: verwenden Sie --password - (von der Standardeingabe gelesen) oder --password-file FILE</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the password goes with a request to the running copy (see --help)</source>
        <translation>ein Passwort ist nur zusammen mit einer Anfrage an die laufende Instanz möglich (siehe --help)</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+96"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>unerwartetes Argument „%1“ (siehe --help)</translation>
    </message>
    <message>
        <location line="-87"/>
        <source>missing TASK after %1 (one of %2)</source>
        <translation>TASK fehlt nach %1 (möglich: %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--when goes with a TASK alone, not with %1 (see --help)</source>
        <translation>--when lässt sich nur mit einem TASK kombinieren, nicht mit %1 (siehe --help)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown task &apos;%1&apos; (one of %2)</source>
        <translation>unbekannte Aufgabe „%1“ (möglich: %2)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>missing NAME after --quick (see --status for the saved quick actions)</source>
        <translation>NAME fehlt nach --quick (die gespeicherten Schnellaktionen zeigt --status)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bad NAME after --quick: a name holds no line breaks</source>
        <translation>ungültiger NAME nach --quick: ein Name darf keine Zeilenumbrüche enthalten</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>missing DURATION after --in (e.g. 90s, 45m, 1h30m)</source>
        <translation>DURATION fehlt nach --in (z. B. 90s, 45m, 1h30m)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad duration &apos;%1&apos; (e.g. 90s, 45m, 1h30m)</source>
        <translation>ungültige Dauer „%1“ (z. B. 90s, 45m, 1h30m)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>missing time after --at (HH:MM or HH:MM:SS)</source>
        <translation>Uhrzeit fehlt nach --at (HH:MM oder HH:MM:SS)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad time &apos;%1&apos; (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>ungültige Uhrzeit „%1“ (HH:MM oder HH:MM:SS, 00:00 bis 23:59:59)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>missing CONDITION after --when (one of %1)</source>
        <translation>CONDITION fehlt nach --when (möglich: %1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>unbekannte Option „%1“ (siehe --help)</translation>
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
        <translation>Aufruf: halvo-shutdown [OPTION]
Ohne Option wird Halvo Shutdown im Infobereich gestartet (oder die laufende Instanz angezeigt).

  --now TASK            TASK sofort ausführen
  --in DURATION TASK    TASK nach DURATION (90s, 45m, 1h30m) ausführen, mit Erinnerung vorab
  --at HH:MM[:SS] TASK  TASK zu dieser Uhrzeit ausführen, mit Erinnerung vorab
  --when CONDITION TASK TASK ausführen, wenn CONDITION gilt, mit Erinnerung vorab; mehrere
                        --when CONDITION vor TASK müssen alle gelten. Mögliche Werte für CONDITION:
%1                        (Minuten als 30m, 2h oder 1h30m, höchstens 24h)
  --cancel              die zeitgesteuerte Aktion und alle verschobenen Aktionen abbrechen
                        und ihre Erinnerungen schließen
  --quick NAME          die gespeicherte Schnellaktion NAME planen wie „Festlegen“ auf „Allgemein“
  --status              ausgeben, was geplant, verschoben oder in einer offenen Erinnerung
                        angekündigt ist, nächste Ausführungen des Zeitplans und Schnellaktionen
  --show                das Fenster anzeigen
  --tray                im Infobereich starten bzw. die laufende Instanz unverändert lassen
  --password-file FILE  bei passwortgeschützten Anfragen das Passwort aus der ersten Zeile von FILE
  --password -          ebenso, aber von der Standardeingabe gelesen
  --help                diesen Text ausgeben
  --version             die Version ausgeben

Mögliche Werte für TASK: %2
Die laufende Instanz führt die Anfrage aus; läuft keine, wird eine im Infobereich gestartet.
Exit-Status: 0 erledigt, 1 laufende Instanz nicht erreichbar oder abgelehnt, 2 ungültige Argumente.
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
        <translation>keine Aktion, die geplant werden kann</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>the conditions could not be read in time</source>
        <translation>die Bedingungen konnten nicht rechtzeitig ermittelt werden</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>not a request for the running copy</source>
        <translation>keine Anfrage für die laufende Instanz</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>no quick action named &apos;%1&apos;</source>
        <translation>keine Schnellaktion namens „%1“</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>General: nothing armed</source>
        <translation>Allgemein: nichts geplant</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>General: %1</source>
        <translation>Allgemein: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Postponed: %1</source>
        <translation>Verschoben: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no task</source>
        <translation>keine Aufgabe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2 %3</source>
        <translation>Zeitplan „%1“: %2 %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2, no further run</source>
        <translation>Zeitplan „%1“: %2, keine weitere Ausführung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Schedule: no items</source>
        <translation>Zeitplan: keine Einträge</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quick action &apos;%1&apos;: %2</source>
        <translation>Schnellaktion „%1“: %2</translation>
    </message>
    <message>
        <location filename="../../core/Commands.h" line="+35"/>
        <source>a password protects this; give it with --password-file FILE or --password - (read from standard input)</source>
        <translation>dies ist durch ein Passwort geschützt; geben Sie es mit --password-file FILE oder --password - (von der Standardeingabe gelesen) an</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong password</source>
        <translation>falsches Passwort</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>too many wrong passwords; try again in %1 s</source>
        <translation>zu viele falsche Passwörter; bitte in %1 Sek. erneut versuchen</translation>
    </message>
</context>
<context>
    <name>Conditions</name>
    <message>
        <location filename="../../model/ConditionRule.cpp" line="+28"/>
        <source>reading failed: %1</source>
        <translation>Abfrage fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../model/ConditionWatch.cpp" line="+128"/>
        <source>no reason given</source>
        <translation>kein Grund angegeben</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>measuring</source>
        <translation>wird gemessen</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>now %1%</source>
        <translation>jetzt %1 %</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>now %1 KB/s</source>
        <translation>jetzt %1 KB/s</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>idle %1 s</source>
        <translation>inaktiv seit %1 Sek.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>idle %1 min</source>
        <translation>inaktiv seit %1 Min.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the battery&apos;s charge is unknown</source>
        <translation>der Ladestand des Akkus ist unbekannt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>battery %1%</source>
        <translation>Akku %1 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery %1%, charging</source>
        <translation>Akku %1 %, wird geladen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ended</source>
        <translation>beendet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>running</source>
        <translation>läuft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 running</source>
        <translation>%1 Prozesse laufen</translation>
    </message>
    <message>
        <location filename="../../model/Conditions.cpp" line="+17"/>
        <source>minutes must be 1m to 24h, like 30m or 2h</source>
        <translation>die Minuten müssen zwischen 1m und 24h liegen, z. B. 30m oder 2h</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>the program&apos;s name or process id is missing (exit:NAME or exit:PID)</source>
        <translation>Programmname oder Prozess-ID fehlt (exit:NAME oder exit:PID)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>every process running the program NAME, or the
process PID, has ended</source>
        <translation>jeder Prozess des Programms NAME bzw. der
Prozess PID ist beendet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program exits</source>
        <translation>Programm beendet</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when {1} exits</source>
        <translation>wenn {1} endet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>idle:MINUTES, like idle:30m</source>
        <translation>idle:MINUTES, z. B. idle:30m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no keyboard or mouse input for 30 minutes</source>
        <translation>30 Minuten lang keine Tastatur- oder Mauseingabe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the user is idle for</source>
        <translation>Benutzer inaktiv seit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the user is idle for {1} min</source>
        <translation>wenn der Benutzer seit {1} Min. inaktiv ist</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the processor&apos;s percent must be 1% to 100%</source>
        <translation>die Prozessorlast muss zwischen 1 % und 100 % liegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cpu:PERCENT%:MINUTES, like cpu:10%:5m</source>
        <translation>cpu:PERCENT%:MINUTES, z. B. cpu:10%:5m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the processor below 10% for 5 minutes</source>
        <translation>Prozessorlast 5 Minuten lang unter 10 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the processor is below</source>
        <translation>Prozessorlast unter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the processor is below {1}% for {2} min</source>
        <translation>wenn die Prozessorlast seit {2} Min. unter {1} % liegt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M</source>
        <translation>die Datenrate muss in KB/s (z. B. 50k) oder MB/s (z. B. 2M) angegeben werden, von 1k bis 10240M</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>net:RATE:MINUTES, like net:50k:5m or net:2M:5m</source>
        <translation>net:RATE:MINUTES, z. B. net:50k:5m oder net:2M:5m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network below 50 KB/s or 2 MB/s for 5 minutes</source>
        <translation>Netzwerk 5 Minuten lang unter 50 KB/s bzw. 2 MB/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network is below</source>
        <translation>Netzwerkverkehr unter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the network is below {1} KB/s for {2} min</source>
        <translation>wenn der Netzwerkverkehr seit {2} Min. unter {1} KB/s liegt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the battery&apos;s percent must be 1% to 99%</source>
        <translation>die Akkuladung muss zwischen 1 % und 99 % liegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery:PERCENT%, like battery:15%</source>
        <translation>battery:PERCENT%, z. B. battery:15%</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>on battery, at 15% or less</source>
        <translation>im Akkubetrieb, bei 15 % oder weniger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the battery is below</source>
        <translation>Akkuladung unter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the battery is below {1}%</source>
        <translation>wenn die Akkuladung unter {1} % liegt</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>the process id must be 1 to 4294967295</source>
        <translation>die Prozess-ID muss zwischen 1 und 4294967295 liegen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the program&apos;s name goes without its folder</source>
        <translation>der Programmname ist ohne Ordner anzugeben</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the program&apos;s name holds a control character</source>
        <translation>der Programmname enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>bad condition &apos;%1&apos;: %2</source>
        <translation>ungültige Bedingung „%1“: %2</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>unknown condition &apos;%1&apos; (one of %2)</source>
        <translation>unbekannte Bedingung „%1“ (möglich: %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>expected %1</source>
        <translation>erwartet: %1</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>the process %1</source>
        <translation>der Prozess %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program %1</source>
        <translation>das Programm %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location filename="../../model/ConditionWatch.cpp" line="-71"/>
        <source>%1 is not running</source>
        <translation>%1 läuft nicht</translation>
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
        <translation>Prozess %1 kann nicht überwacht werden</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../pages/FormGen.cpp" line="-20"/>
        <source>cannot tell %1: %2</source>
        <translation>Bedingung nicht prüfbar (%1): %2</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <location filename="../../platform/linux/DesktopSession.cpp" line="+70"/>
        <source>blocked by %1: %2</source>
        <translation>blockiert durch %1: %2</translation>
    </message>
    <message>
        <location line="+91"/>
        <location line="+9"/>
        <source>no login session of this user is known</source>
        <translation>keine Anmeldesitzung dieses Benutzers bekannt</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../../platform/linux/Files.cpp" line="+84"/>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>It is a symbolic link made by another user</source>
        <translation>Es handelt sich um einen symbolischen Link, den ein anderer Benutzer angelegt hat</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link that leads to no file (%1)</source>
        <translation>Es handelt sich um einen symbolischen Link, der auf keine Datei verweist (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>It is a symbolic link to %1, which is not a regular file</source>
        <translation>Es handelt sich um einen symbolischen Link auf %1; das Ziel ist keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link to %1, which belongs to another user</source>
        <translation>Es handelt sich um einen symbolischen Link auf %1; das Ziel gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It is not a regular file</source>
        <translation>Es handelt sich nicht um eine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>FormSchWizard</name>
    <message>
        <location filename="../../pages/FormSchWizard.cpp" line="+204"/>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <location filename="../../model/Tasks.cpp" line="+156"/>
        <location filename="../../platform/linux/Launcher.cpp" line="+297"/>
        <source>the quote is not closed</source>
        <translation>ein Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <location filename="../../platform/linux/Launcher.cpp" line="-211"/>
        <location line="+216"/>
        <location line="+20"/>
        <source>cannot run %1: %2</source>
        <translation>%1 kann nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <location line="-229"/>
        <source>not executable: %1</source>
        <translation>nicht ausführbar: %1</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>no program given</source>
        <translation>kein Programm angegeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>folder not found: %1</source>
        <translation>Ordner nicht gefunden: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>program not found on PATH: %1</source>
        <translation>Programm nicht im PATH gefunden: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>program not found: %1</source>
        <translation>Programm nicht gefunden: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no application to open %1 (xdg-open is missing)</source>
        <translation>keine Anwendung zum Öffnen von %1 (xdg-open fehlt)</translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <location filename="../../platform/linux/LinuxPlatform.cpp" line="+150"/>
        <source>KWin did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>KWin hat seine Fenster nicht aufgelistet: Nur die Fenster von X11-Programmen werden erkannt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>sway did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>sway hat seine Fenster nicht aufgelistet: Nur die Fenster von X11-Programmen werden erkannt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The windows of this desktop cannot be listed: install the &quot;Window Calls&quot; extension of GNOME Shell and switch it on. Until then only the windows of X11 programs are seen.</source>
        <translation>Die Fenster dieser Arbeitsumgebung können nicht aufgelistet werden: Installieren und aktivieren Sie die GNOME-Shell-Erweiterung „Window Calls“. Bis dahin werden nur die Fenster von X11-Programmen erkannt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This desktop lists its windows to no other program: only the windows of X11 programs are seen.</source>
        <translation>Diese Arbeitsumgebung gibt ihre Fensterliste an kein anderes Programm weiter: Nur die Fenster von X11-Programmen werden erkannt.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>1 window is left out: the desktop does not say which program shows it.</source>
        <translation>1 Fenster wird ausgelassen: Die Arbeitsumgebung gibt nicht an, zu welchem Programm es gehört.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 windows are left out: the desktop does not say which programs show them.</source>
        <translation>%1 Fenster werden ausgelassen: Die Arbeitsumgebung gibt nicht an, zu welchen Programmen sie gehören.</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PasswordGuard</name>
    <message>
        <location filename="../../core/PasswordGuard.cpp" line="+75"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>Das Passwort muss mindestens %1 Zeichen lang sein.</translation>
    </message>
</context>
<context>
    <name>PowerHolds</name>
    <message>
        <location filename="../../platform/linux/PowerHolds.cpp" line="+191"/>
        <source>The wake helper %1 is not installed with the program.</source>
        <translation>Das Hilfsprogramm zum Aufwecken (%1) wurde nicht mit dem Programm installiert.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The wake helper cannot set an alarm: %1. It needs the capability CAP_WAKE_ALARM, which the program&apos;s package gives it.</source>
        <translation>Das Hilfsprogramm zum Aufwecken kann keine Weckzeit setzen: %1. Es benötigt die Berechtigung CAP_WAKE_ALARM, die es über das Installationspaket des Programms erhält.</translation>
    </message>
</context>
<context>
    <name>QuickActions</name>
    <message>
        <location filename="../../model/QuickActions.cpp" line="+87"/>
        <source>The name must not be empty</source>
        <translation>Der Name darf nicht leer sein</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name must be at most %1 characters long</source>
        <translation>Der Name darf höchstens %1 Zeichen lang sein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The name must not hold quotes or line breaks</source>
        <translation>Der Name darf keine Anführungszeichen oder Zeilenumbrüche enthalten</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <location filename="../../core/Reminders.cpp" line="+73"/>
        <source>Reminder: %1 in %2 s</source>
        <translation>Erinnerung: %1 in %2 Sek.</translation>
    </message>
</context>
<context>
    <name>RunValue</name>
    <message>
        <location filename="../../model/RunValue.cpp" line="+19"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für „%1“</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Daten für „%1“ konnten nicht gespeichert werden</translation>
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
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <location filename="../../model/DataFolder.cpp" line="+47"/>
        <source>The program folder %1 cannot be written to, so the settings and the schedule are kept in %2 instead.</source>
        <translation>In den Programmordner %1 kann nicht geschrieben werden; die Einstellungen und der Zeitplan werden daher stattdessen in %2 gespeichert.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The settings file %1 cannot be read: %2. The settings start from their defaults.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: %2. Es werden die Standardeinstellungen verwendet.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The settings file %1 cannot be written: %2. Changes to the settings will not be kept.</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden: %2. Änderungen an den Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The schedule file %1 cannot be written: %2. Changes to the schedule will not be kept.</source>
        <translation>Die Zeitplandatei %1 kann nicht geschrieben werden: %2. Änderungen am Zeitplan werden nicht gespeichert.</translation>
    </message>
    <message>
        <location filename="../../model/Schedule.cpp" line="-151"/>
        <source>%1 item</source>
        <translation>%1 Eintrag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 items</source>
        <translation>%1 Einträge</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot be read (%1)</source>
        <translation>nicht lesbar (%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 and a part that cannot be read</source>
        <translation>%1 und ein nicht lesbarer Teil</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Copies of the stored schedule, newest first:</source>
        <translation>Kopien des gespeicherten Zeitplans, neueste zuerst:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2, the file as this run found it</source>
        <translation>%1: %2, die Datei, wie sie beim jetzigen Programmstart vorlag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2, an earlier copy</source>
        <translation>%1: %2, eine frühere Kopie</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The schedule file %1 holds %2, but %3 counted %4. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>Die Zeitplandatei %1 enthält %2, laut %3 sind es aber %4. Alle wurden geladen; die Anzahl wird beim nächsten Speichern des Zeitplans berichtigt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The schedule file %1 holds %2, but %3 held no count. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>Die Zeitplandatei %1 enthält %2, %3 enthielt aber keine Anzahl. Alle wurden geladen; die Anzahl wird beim nächsten Speichern des Zeitplans berichtigt.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cannot create file &quot;%1&quot;. It would hold %2, fewer than the %3 loaded and not deleted since; the stored file is left as it was.</source>
        <translation>Die Datei „%1“ kann nicht erstellt werden. Sie würde %2 enthalten, weniger als die %3 geladenen und seither nicht gelöschten; die gespeicherte Datei bleibt unverändert.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2</source>
        <translation>Die Datei „%1“ kann nicht erstellt werden. Die bisherige Datei konnte nicht als %2 gesichert werden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2: %3</source>
        <translation>Die Datei „%1“ kann nicht erstellt werden. Die bisherige Datei konnte nicht als %2 gesichert werden: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht erstellt werden. %2</translation>
    </message>
</context>
<context>
    <name>ScheduleFile</name>
    <message>
        <location filename="../../model/ScheduleFile.cpp" line="+37"/>
        <source>Stream read error</source>
        <translation>Fehler beim Lesen des Datenstroms</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid stream format</source>
        <translation>Ungültiges Datenstromformat</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Error reading %1.%2: %3</source>
        <translation>Fehler beim Lesen von %1.%2: %3</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>Property %1 does not exist</source>
        <translation>Eigenschaft %1 existiert nicht</translation>
    </message>
</context>
<context>
    <name>Tasks</name>
    <message>
        <location filename="../../model/ProcessRoutines.cpp" line="+40"/>
        <source>Close all programs could not see every window.
%1</source>
        <translation>„Alle Programme schließen“ konnte nicht alle Fenster erfassen.
%1</translation>
    </message>
    <message>
        <location filename="../../model/Tasks.cpp" line="-136"/>
        <source>%1 failed</source>
        <translation>„%1“ ist fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 failed: %2</source>
        <translation>„%1“ ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>not available on this computer</source>
        <translation>auf diesem Computer nicht verfügbar</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>shutdown the computer</source>
        <translation>Computer herunterfahren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shutdown the Computer</source>
        <translation>Computer herunterfahren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the system</source>
        <translation>System herunterfahren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the computer</source>
        <translation>Computer herunterfahren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turn off the computer</source>
        <translation>Computer ausschalten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trun off the computer</source>
        <translation>Computer ausschalten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Power off the computer</source>
        <translation>Computer ausschalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close the program</source>
        <translation>Programm schließen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close program</source>
        <translation>Programm schließen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close the program</source>
        <translation>Programm schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>start the screensaver</source>
        <translation>Bildschirmschoner starten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start the screensaver</source>
        <translation>Bildschirmschoner starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>log off  user</source>
        <translation>Benutzer abmelden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Logoff user...</source>
        <translation>Benutzer abmelden...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off ...</source>
        <translation>Abmelden ...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off</source>
        <translation>Abmelden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>disconnect the network</source>
        <translation>Netzwerkverbindung trennen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Disconnect the network</source>
        <translation>Netzwerkverbindung trennen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close all the program</source>
        <translation>Alle Programme schließen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all the program</source>
        <translation>Alle Programme schließen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all programs</source>
        <translation>Alle Programme schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>execute the program</source>
        <translation>Programm ausführen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Execute</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Run a command line</source>
        <translation>Befehlszeile ausführen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>restart the computer</source>
        <translation>Computer neu starten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restart the computer</source>
        <translation>Computer neu starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>alarm message</source>
        <translation>Alarmmeldung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the message</source>
        <translation>Meldung anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lock the workstation</source>
        <translation>Computer sperren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the workstation</source>
        <translation>Computer sperren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the computer</source>
        <translation>Computer sperren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sleep the computer</source>
        <translation>Energie sparen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep the computer</source>
        <translation>Energie sparen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep</source>
        <translation>Energie sparen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hibernate the computer</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hibernate the computer</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hibernate</source>
        <translation>Ruhezustand</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <location filename="../../app/TrayMenu.cpp" line="+115"/>
        <source>The quick action &quot;%1&quot; was not armed: %2</source>
        <translation>Die Schnellaktion „%1“ wurde nicht geplant: %2</translation>
    </message>
</context>
<context>
    <name>Win32</name>
    <message>
        <location filename="../../platform/win32/RealWin32Api.cpp" line="+800"/>
        <source>System error %1</source>
        <translation>Systemfehler %1</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>It is a symbolic link or junction, which this program does not replace</source>
        <translation>Es handelt sich um einen symbolischen Link oder eine Verzeichnisverbindung; solche ersetzt dieses Programm nicht</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Platform.cpp" line="+50"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows: the computer will not wake for the schedule until it is turned on.</source>
        <translation>„Zeitgeber zur Aktivierung zulassen“ ist in den Energieoptionen von Windows deaktiviert: Der Computer wird für den Zeitplan erst aufgeweckt, wenn diese Einstellung aktiviert ist.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows when plugged in: the computer will not wake for the schedule until it is turned on.</source>
        <translation>„Zeitgeber zur Aktivierung zulassen“ ist in den Energieoptionen von Windows für den Netzbetrieb deaktiviert: Der Computer wird für den Zeitplan erst aufgeweckt, wenn diese Einstellung aktiviert ist.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows on battery: the computer will not wake for the schedule until it is turned on.</source>
        <translation>„Zeitgeber zur Aktivierung zulassen“ ist in den Energieoptionen von Windows für den Akkubetrieb deaktiviert: Der Computer wird für den Zeitplan erst aufgeweckt, wenn diese Einstellung aktiviert ist.</translation>
    </message>
</context>
<context>
    <name>halvo::CountdownBar</name>
    <message>
        <location filename="../../app/CountdownBar.cpp" line="+25"/>
        <source>Halvo Shutdown countdown</source>
        <translation>Countdown von Halvo Shutdown</translation>
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
        <translation>Die Schnellaktionen mit den Nummern %1 in %2 können nicht gelesen werden und werden ausgelassen; die übrigen wurden geladen.</translation>
    </message>
</context>
<context>
    <name>halvo::NewPasswordDialog</name>
    <message>
        <location filename="../../pages/PasswordDialog.cpp" line="+95"/>
        <source>Protect with a password</source>
        <translation>Mit Passwort schützen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New password:</source>
        <translation>Neues Passwort:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Once more:</source>
        <translation>Bestätigen:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>Das Passwort muss mindestens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The two passwords differ.</source>
        <translation>Die Passwörter stimmen nicht überein.</translation>
    </message>
</context>
<context>
    <name>halvo::PasswordDialog</name>
    <message>
        <location line="-97"/>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the password to %1.</source>
        <translation>Geben Sie das Passwort ein, um %1.</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+15"/>
        <source>Wrong password.</source>
        <translation>Falsches Passwort.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Wrong password. Try again in %n s.</source>
        <translation>
            <numerusform>Falsches Passwort. Bitte in %n Sekunde erneut versuchen.</numerusform>
            <numerusform>Falsches Passwort. Bitte in %n Sekunden erneut versuchen.</numerusform>
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
        <translation>Schnellaktionen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The name &quot;%1&quot; is given twice</source>
        <translation>Der Name „%1“ kommt doppelt vor</translation>
    </message>
</context>
<context>
    <name>halvo::SingleInstance</name>
    <message>
        <location filename="../../app/SingleInstance.cpp" line="+141"/>
        <source>cannot set up %1 (%2)</source>
        <translation>%1 kann nicht eingerichtet werden (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot create %1 (%2)</source>
        <translation>%1 kann nicht erstellt werden (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read %1 (%2)</source>
        <translation>%1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is a symbolic link</source>
        <translation>ist ein symbolischer Link</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a folder</source>
        <translation>ist kein Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it belongs to user %1</source>
        <translation>gehört Benutzer %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its mode is %1, not 0700</source>
        <translation>Zugriffsrechte %1 statt 0700</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not this user&apos;s own folder (%2); the lock and the socket are not kept there</source>
        <translation>%1 ist kein eigener Ordner dieses Benutzers (%2); Sperrdatei und Socket werden dort nicht abgelegt</translation>
    </message>
</context>
<context>
    <name>halvo::SlidingPopup</name>
    <message>
        <location filename="../../toolkit/SlidingPopup.cpp" line="+33"/>
        <source>Halvo Shutdown notification</source>
        <translation>Benachrichtigung von Halvo Shutdown</translation>
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
Version %1
Fährt den Computer nach Zeitplan herunter.
</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Visit Homepage</source>
        <translation>Website besuchen</translation>
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
        <translation>Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+12"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+11"/>
        <source>Schedule</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+10"/>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>about</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+2"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location line="+197"/>
        <source>The help file %1 is missing</source>
        <translation>Die Hilfedatei %1 fehlt</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>exit Halvo Shutdown</source>
        <translation>Halvo Shutdown zu beenden</translation>
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
        <translation>Halvo Shutdown lässt Ihren Computer diese Aktion 
in 1 Minute ausführen :</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Execute It!</source>
        <translation>Jetzt ausführen!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Postpone %1 min</source>
        <translation>%1 Min. später</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>cancel the action</source>
        <translation>die Aktion abzubrechen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>postpone the action</source>
        <translation>die Aktion zu verschieben</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cancel(%1)</source>
        <translation>Abbrechen (%1)</translation>
    </message>
</context>
<context>
    <name>halvo::TFormGen</name>
    <message>
        <location filename="../../pages/FormGen.cpp" line="-564"/>
        <source>Do It Now!</source>
        <translation>Sofort ausführen!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do It Now</source>
        <translation>Jetzt ausführen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Do It at specific time</source>
        <translation>Zu bestimmter Zeit ausführen</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+6"/>
        <source>At</source>
        <translation>Um</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After</source>
        <translation>Nach</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>When</source>
        <translation>Wenn</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+384"/>
        <source>for</source>
        <translation>seit</translation>
    </message>
    <message>
        <location line="-379"/>
        <location line="+384"/>
        <source>min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <location line="-379"/>
        <source>Choose a program by one of its windows</source>
        <translation>Programm anhand eines seiner Fenster auswählen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add a condition that must hold as well</source>
        <translation>Weitere Bedingung hinzufügen, die ebenfalls erfüllt sein muss</translation>
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
        <translation>Std.</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>Min</source>
        <translation>Min.</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>Sec</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Set</source>
        <translation>Festlegen</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+582"/>
        <location line="+26"/>
        <source>Save as quick action</source>
        <translation>Als Schnellaktion speichern</translation>
    </message>
    <message>
        <location line="-550"/>
        <source>change the armed action</source>
        <translation>die geplante Aktion zu ändern</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Remove this condition</source>
        <translation>Diese Bedingung entfernen</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>not offered: %1</source>
        <translation>nicht verfügbar: %1</translation>
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
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The delay must not be negative</source>
        <translation>Die Verzögerung darf nicht negativ sein</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The delay is too long</source>
        <translation>Die Verzögerung ist zu lang</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A quick action waits at least one second</source>
        <translation>Eine Schnellaktion muss mindestens eine Sekunde warten</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Choose an action and After, At or When first</source>
        <translation>Bitte zuerst eine Aktion und „Nach“, „Um“ oder „Wenn“ auswählen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Name in the tray&apos;s &quot;Quick actions&quot;:</source>
        <translation>Name im Menü „Schnellaktionen“ des Infobereichs:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Replace the quick action &quot;%1&quot;?</source>
        <translation>Schnellaktion „%1“ ersetzen?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There are already %1 quick actions; delete one on the Option page first</source>
        <translation>Es gibt bereits %1 Schnellaktionen; löschen Sie zuerst eine auf der Seite „Optionen“</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Saved as quick action &quot;%1&quot;</source>
        <translation>Als Schnellaktion „%1“ gespeichert</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+9"/>
        <location line="+6"/>
        <source>replace the armed action</source>
        <translation>die geplante Aktion zu ersetzen</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+9"/>
        <location line="+12"/>
        <source>set successfully</source>
        <translation>Erfolgreich festgelegt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cancel the armed action</source>
        <translation>die geplante Aktion abzubrechen</translation>
    </message>
    <message>
        <location line="-135"/>
        <source>The time of day must lie between 12:00:00 AM and 11:59:59 PM</source>
        <translation>Die Uhrzeit muss zwischen 12:00:00 AM und 11:59:59 PM liegen</translation>
    </message>
</context>
<context>
    <name>halvo::TFormOption</name>
    <message>
        <location filename="../../app/FormOption.cpp" line="+40"/>
        <source>start</source>
        <translation>Programmstart</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>auto startup when windows startup</source>
        <translation>Beim Systemstart automatisch starten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>auto save the schedule setting</source>
        <translation>Zeitplan automatisch speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shutdown</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>remind me before shutdown/restart/log off</source>
        <translation>Vor Herunterfahren/Neustart/Abmelden erinnern</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>wake the computer from sleep for scheduled actions</source>
        <translation>Computer für geplante Aktionen aufwecken</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Only from sleep or hibernation: a computer that is powered off is not turned on.</source>
        <translation>Nur aus dem Energiesparmodus oder Ruhezustand: Ein ausgeschalteter Computer wird nicht eingeschaltet.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not available: %1</source>
        <translation>Nicht verfügbar: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>keep the computer awake while an action waits</source>
        <translation>Energiesparmodus verhindern, solange eine Aktion wartet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>countdown</source>
        <translation>Countdown</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>show a countdown bar at the</source>
        <translation>Countdown-Leiste anzeigen am</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>top of the screen</source>
        <translation>oberen Bildschirmrand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom of the screen</source>
        <translation>unteren Bildschirmrand</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wayland lets no program place a bar on the screen</source>
        <translation>Wayland lässt keine Leiste auf dem Bildschirm zu</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Quick actions...</source>
        <translation>Schnellaktionen...</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Set</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel Setting</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Protect with a password</source>
        <translation>Mit Passwort schützen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change password...</source>
        <translation>Passwort ändern...</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>change the options</source>
        <translation>die Optionen zu ändern</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>remove the password</source>
        <translation>das Passwort zu entfernen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>change the password</source>
        <translation>das Passwort zu ändern</translation>
    </message>
</context>
<context>
    <name>halvo::TFormProcessList</name>
    <message>
        <location filename="../../pages/FormProcessList.cpp" line="+21"/>
        <source>select the program</source>
        <translation>Programm auswählen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>window</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>processId</source>
        <translation>Prozess-ID</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>please select item first</source>
        <translation>Bitte zuerst einen Eintrag auswählen</translation>
    </message>
</context>
<context>
    <name>halvo::TFormSch</name>
    <message>
        <location filename="../../pages/FormSch.cpp" line="+45"/>
        <source>schedule name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next run</source>
        <translation>Nächste Ausführung</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>modify</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>add a schedule item</source>
        <translation>einen Zeitplaneintrag hinzuzufügen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>please select item</source>
        <translation>Bitte einen Eintrag auswählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>change a schedule item</source>
        <translation>einen Zeitplaneintrag zu bearbeiten</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>please select a item</source>
        <translation>Bitte einen Eintrag auswählen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>do you want to delete it?</source>
        <translation>Möchten Sie diesen Eintrag löschen?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>delete a schedule item</source>
        <translation>einen Zeitplaneintrag zu löschen</translation>
    </message>
</context>
<context>
    <name>halvo::TFormSchWizard</name>
    <message>
        <location filename="../../model/ScheduleItemDraft.cpp" line="+13"/>
        <source>Schedule item name is null</source>
        <translation>Bitte einen Namen für den Eintrag eingeben</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>select a task</source>
        <translation>Bitte eine Aufgabe auswählen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please  select the parameter of the task</source>
        <translation>Bitte den Parameter der Aufgabe angeben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please inpute the content of message</source>
        <translation>Bitte den Text der Meldung eingeben</translation>
    </message>
    <message>
        <location filename="../../pages/FormSchWizard.cpp" line="-173"/>
        <source>modify the scheduleItem,but _ScheduleItem=nil</source>
        <translation>Der Zeitplaneintrag soll bearbeitet werden, ist aber nicht vorhanden</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Wizard</source>
        <translation>Assistent</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Schedule Name:</source>
        <translation>Name des Eintrags:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Select the task:</source>
        <translation>Aufgabe auswählen:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select the Time for schedule</source>
        <translation>Uhrzeit auswählen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Once</source>
        <translation>Einmalig</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>everyday</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Everyweek</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Everymonth</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>complete.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&lt;&lt;Prev</source>
        <translation>&lt;&lt;Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next&gt;&gt;</source>
        <translation>Weiter&gt;&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>new schedule item</source>
        <translation>Neuer Zeitplaneintrag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>modify the schedule item</source>
        <translation>Zeitplaneintrag bearbeiten</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+185"/>
        <source>Complete</source>
        <translation>Fertigstellen</translation>
    </message>
    <message>
        <location line="-125"/>
        <source>select program</source>
        <translation>Programm auswählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>message content:</source>
        <translation>Text der Meldung:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
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
        <translation>Schnellaktionen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cancel postponed action</source>
        <translation>Verschobene Aktion abbrechen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>cancel the postponed action</source>
        <translation>die verschobene Aktion abzubrechen</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>replace the armed action</source>
        <translation>die geplante Aktion zu ersetzen</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>postponed: %1</source>
        <translation>verschoben: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../app/main.cpp" line="+45"/>
        <source>cannot start without a display (%1)</source>
        <translation>Start ohne grafische Anzeige nicht möglich (%1)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot read the password from %1 (%2)</source>
        <translation>das Passwort kann nicht gelesen werden (%1: %2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no password in %1</source>
        <translation>kein Passwort gefunden (%1)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot start the program</source>
        <translation>Programm kann nicht gestartet werden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no running copy could be reached</source>
        <translation>keine laufende Instanz erreichbar</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the running copy did not answer</source>
        <translation>die laufende Instanz hat nicht geantwortet</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>refused: %1</source>
        <translation>abgelehnt: %1</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>another copy is running but does not answer</source>
        <translation>eine andere Instanz läuft, antwortet aber nicht</translation>
    </message>
</context>
</TS>

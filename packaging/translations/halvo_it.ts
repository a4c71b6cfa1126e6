<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Activity</name>
    <message>
        <location filename="../../platform/linux/LinuxActivity.cpp" line="+46"/>
        <source>Neither the X server nor the desktop (GNOME or KDE) tells how long the user has been idle</source>
        <translation>Né il server X né il desktop (GNOME o KDE) indicano da quanto tempo l&apos;utente è inattivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../platform/win32/Win32Activity.cpp" line="+97"/>
        <source>This computer has no battery</source>
        <translation>Questo computer non ha una batteria</translation>
    </message>
    <message>
        <location line="+249"/>
        <source>%1 has a line that cannot be read: %2</source>
        <translation>%1 contiene una riga illeggibile: %2</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>UPower is not running, so the battery cannot be read</source>
        <translation>UPower non è in esecuzione, perciò è impossibile leggere lo stato della batteria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPower did not answer: %1</source>
        <translation>UPower non ha risposto: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UPower does not tell the battery&apos;s charge</source>
        <translation>UPower non indica la carica della batteria</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+9"/>
        <source>No process with id %1 is running</source>
        <translation>Nessun processo con ID %1 in esecuzione</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Process %1 belongs to another user</source>
        <translation>Il processo %1 appartiene a un altro utente</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Process %1 cannot be watched: %2</source>
        <translation>Impossibile monitorare il processo %1: %2</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Activity.cpp" line="-2"/>
        <source>The system does not know the battery&apos;s state</source>
        <translation>Il sistema non conosce lo stato della batteria</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The system does not know the battery&apos;s charge</source>
        <translation>Il sistema non conosce la carica della batteria</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The system does not know whether the computer runs on battery</source>
        <translation>Il sistema non sa se il computer è alimentato a batteria</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>There is no process with the id %1</source>
        <translation>Non esiste alcun processo con ID %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The process %1 belongs to another user</source>
        <translation>Il processo %1 appartiene a un altro utente</translation>
    </message>
</context>
<context>
    <name>Agenda</name>
    <message>
        <location filename="../../model/Agenda.cpp" line="+44"/>
        <source>in its reminder</source>
        <translation>con il promemoria aperto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in its reminder, due at %1</source>
        <translation>con il promemoria aperto, alle %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Missed while the computer was asleep: %1 at %2</source>
        <translation>Azione non eseguita mentre il computer era in sospensione: %1 alle %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed while the clock changed: %1 at %2</source>
        <translation>Azione non eseguita per un cambio dell&apos;ora: %1 alle %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(due at %1)</source>
        <translation>(esecuzione alle %1)</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>&apos;%1&apos;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <location filename="../../model/NextRun.cpp" line="+140"/>
        <source>in %1 s</source>
        <translation>tra %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 min</source>
        <translation>tra %1 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 h %2 min</source>
        <translation>tra %1 h %2 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 h</source>
        <translation>tra %1 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in %1 d %2 h</source>
        <translation>tra %1 g %2 h</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 d</source>
        <translation>tra %1 g</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>at %1 (%2)</source>
        <translation>alle %1 (%2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 at %2, in %3 minutes</source>
        <translation>%1 alle %2, tra %3 minuti</translation>
    </message>
</context>
<context>
    <name>AwakeKeeper</name>
    <message>
        <location filename="../../core/AwakeKeeper.cpp" line="+78"/>
        <source>Keeping the computer awake until: %1</source>
        <translation>Il computer resta attivo fino a: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../model/CommandLine.cpp" line="+210"/>
        <source>the password is given once (see --help)</source>
        <translation>la password può essere indicata una sola volta (vedere --help)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>missing FILE after --password-file</source>
        <translation>manca FILE dopo --password-file</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the password is never taken as an argument: give --password - (read from standard input) or --password-file FILE</source>
        <translation>la password non viene mai accettata come argomento: usare --password - (lettura dallo standard input) o --password-file FILE</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the password goes with a request to the running copy (see --help)</source>
        <translation>la password si usa solo con una richiesta all&apos;istanza in esecuzione (vedere --help)</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+96"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>argomento imprevisto &apos;%1&apos; (vedere --help)</translation>
    </message>
    <message>
        <location line="-87"/>
        <source>missing TASK after %1 (one of %2)</source>
        <translation>manca TASK dopo %1 (uno tra: %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--when goes with a TASK alone, not with %1 (see --help)</source>
        <translation>--when va usato solo con un TASK, non con %1 (vedere --help)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown task &apos;%1&apos; (one of %2)</source>
        <translation>task sconosciuto &apos;%1&apos; (uno tra: %2)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>missing NAME after --quick (see --status for the saved quick actions)</source>
        <translation>manca NAME dopo --quick (vedere --status per le azioni rapide salvate)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bad NAME after --quick: a name holds no line breaks</source>
        <translation>NAME non valido dopo --quick: un nome non può contenere interruzioni di riga</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>missing DURATION after --in (e.g. 90s, 45m, 1h30m)</source>
        <translation>manca DURATION dopo --in (ad es. 90s, 45m, 1h30m)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad duration &apos;%1&apos; (e.g. 90s, 45m, 1h30m)</source>
        <translation>durata non valida &apos;%1&apos; (ad es. 90s, 45m, 1h30m)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>missing time after --at (HH:MM or HH:MM:SS)</source>
        <translation>manca l&apos;ora dopo --at (HH:MM o HH:MM:SS)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad time &apos;%1&apos; (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>ora non valida &apos;%1&apos; (HH:MM o HH:MM:SS, da 00:00 a 23:59:59)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>missing CONDITION after --when (one of %1)</source>
        <translation>manca CONDITION dopo --when (una tra: %1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>opzione sconosciuta &apos;%1&apos; (vedere --help)</translation>
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
        <translation>Uso: halvo-shutdown [OPTION]
Senza opzioni, avvia Halvo Shutdown nell&apos;area di notifica (o mostra l&apos;istanza in esecuzione).

  --now TASK            esegue TASK subito
  --in DURATION TASK    esegue TASK dopo DURATION (90s, 45m, 1h30m), preannunciato dal promemoria
  --at HH:MM[:SS] TASK  esegue TASK a quell&apos;ora del giorno, preannunciato dal promemoria
  --when CONDITION TASK esegue TASK quando CONDITION è soddisfatta, preannunciato dal promemoria; se
                        ci sono più --when CONDITION prima di TASK, devono valere tutte. CONDITION è una tra:
%1                        (minuti come 30m, 2h o 1h30m, fino a 24h)
  --cancel              annulla l&apos;azione temporizzata e ogni azione rimandata, e chiude i relativi
                        promemoria
  --quick NAME          imposta l&apos;azione rapida salvata NAME come farebbe «Imposta» nella pagina Generale
  --status              mostra cosa è impostato, rimandato o preannunciato da un promemoria aperto, le
                        prossime esecuzioni della pianificazione e le azioni rapide salvate
  --show                mostra la finestra
  --tray                si avvia nell&apos;area di notifica, o lascia com&apos;è l&apos;istanza in esecuzione
  --password-file FILE  per una richiesta protetta dalla password, legge la password dalla prima riga di FILE
  --password -          come sopra, ma legge la password dallo standard input
  --help                mostra questo testo
  --version             mostra la versione

TASK è uno tra: %2
L&apos;istanza in esecuzione esegue la richiesta; se non ce n&apos;è nessuna, ne viene avviata una nell&apos;area di notifica.
Stato di uscita: 0 eseguito, 1 istanza in esecuzione non raggiungibile o richiesta rifiutata, 2 argomenti errati.
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
        <translation>non è un&apos;azione che si possa impostare</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>the conditions could not be read in time</source>
        <translation>impossibile leggere le condizioni in tempo</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>not a request for the running copy</source>
        <translation>non è una richiesta per l&apos;istanza in esecuzione</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>no quick action named &apos;%1&apos;</source>
        <translation>nessuna azione rapida di nome «%1»</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>General: nothing armed</source>
        <translation>Generale: nulla di impostato</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>General: %1</source>
        <translation>Generale: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Postponed: %1</source>
        <translation>Azione rimandata: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no task</source>
        <translation>nessuna attività</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2 %3</source>
        <translation>Pianificazione «%1»: %2 %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2, no further run</source>
        <translation>Pianificazione «%1»: %2, nessuna esecuzione successiva</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Schedule: no items</source>
        <translation>Pianificazione: nessuna voce</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quick action &apos;%1&apos;: %2</source>
        <translation>Azione rapida «%1»: %2</translation>
    </message>
    <message>
        <location filename="../../core/Commands.h" line="+35"/>
        <source>a password protects this; give it with --password-file FILE or --password - (read from standard input)</source>
        <translation>operazione protetta da password; indicarla con --password-file FILE o --password - (lettura dallo standard input)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong password</source>
        <translation>password errata</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>too many wrong passwords; try again in %1 s</source>
        <translation>troppe password errate; riprovare tra %1 s</translation>
    </message>
</context>
<context>
    <name>Conditions</name>
    <message>
        <location filename="../../model/ConditionRule.cpp" line="+28"/>
        <source>reading failed: %1</source>
        <translation>lettura non riuscita: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../model/ConditionWatch.cpp" line="+128"/>
        <source>no reason given</source>
        <translation>nessun motivo indicato</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>measuring</source>
        <translation>misurazione in corso</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>now %1%</source>
        <translation>ora %1%</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>now %1 KB/s</source>
        <translation>ora %1 KB/s</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>idle %1 s</source>
        <translation>inattivo da %1 s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>idle %1 min</source>
        <translation>inattivo da %1 min</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the battery&apos;s charge is unknown</source>
        <translation>carica della batteria sconosciuta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>battery %1%</source>
        <translation>batteria %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery %1%, charging</source>
        <translation>batteria %1%, in carica</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ended</source>
        <translation>terminato</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>running</source>
        <translation>in esecuzione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 running</source>
        <translation>%1 in esecuzione</translation>
    </message>
    <message>
        <location filename="../../model/Conditions.cpp" line="+17"/>
        <source>minutes must be 1m to 24h, like 30m or 2h</source>
        <translation>i minuti devono essere tra 1m e 24h, ad es. 30m o 2h</translation>
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
        <translation>manca il nome del programma o l&apos;ID del processo (exit:NAME o exit:PID)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>every process running the program NAME, or the
process PID, has ended</source>
        <translation>sono terminati tutti i processi del programma NAME,
o il processo PID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program exits</source>
        <translation>il programma termina</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when {1} exits</source>
        <translation>quando {1} termina</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>idle:MINUTES, like idle:30m</source>
        <translation>idle:MINUTES, ad es. idle:30m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no keyboard or mouse input for 30 minutes</source>
        <translation>nessun uso di tastiera o mouse per 30 minuti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the user is idle for</source>
        <translation>l&apos;utente è inattivo da</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the user is idle for {1} min</source>
        <translation>quando l&apos;utente è inattivo da {1} min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the processor&apos;s percent must be 1% to 100%</source>
        <translation>la percentuale del processore deve essere tra 1% e 100%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cpu:PERCENT%:MINUTES, like cpu:10%:5m</source>
        <translation>cpu:PERCENT%:MINUTES, ad es. cpu:10%:5m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the processor below 10% for 5 minutes</source>
        <translation>il processore sotto il 10% per 5 minuti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the processor is below</source>
        <translation>il processore è sotto il</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the processor is below {1}% for {2} min</source>
        <translation>quando il processore è sotto il {1}% per {2} min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M</source>
        <translation>la velocità va indicata in KB/s, come 50k, o in MB/s, come 2M, da 1k a 10240M</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>net:RATE:MINUTES, like net:50k:5m or net:2M:5m</source>
        <translation>net:RATE:MINUTES, ad es. net:50k:5m o net:2M:5m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network below 50 KB/s or 2 MB/s for 5 minutes</source>
        <translation>la rete sotto 50 KB/s o 2 MB/s per 5 minuti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network is below</source>
        <translation>la rete è sotto</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the network is below {1} KB/s for {2} min</source>
        <translation>quando la rete è sotto {1} KB/s per {2} min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the battery&apos;s percent must be 1% to 99%</source>
        <translation>la percentuale della batteria deve essere tra 1% e 99%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery:PERCENT%, like battery:15%</source>
        <translation>battery:PERCENT%, ad es. battery:15%</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>on battery, at 15% or less</source>
        <translation>a batteria, al 15% o meno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the battery is below</source>
        <translation>la batteria è sotto il</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the battery is below {1}%</source>
        <translation>quando la batteria è sotto il {1}%</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>the process id must be 1 to 4294967295</source>
        <translation>l&apos;ID del processo deve essere tra 1 e 4294967295</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the program&apos;s name goes without its folder</source>
        <translation>il nome del programma va indicato senza la cartella</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the program&apos;s name holds a control character</source>
        <translation>il nome del programma contiene un carattere di controllo</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>bad condition &apos;%1&apos;: %2</source>
        <translation>condizione non valida &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>unknown condition &apos;%1&apos; (one of %2)</source>
        <translation>condizione sconosciuta &apos;%1&apos; (una tra: %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>expected %1</source>
        <translation>previsto %1</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>the process %1</source>
        <translation>il processo %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program %1</source>
        <translation>il programma %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <location filename="../../model/ConditionWatch.cpp" line="-71"/>
        <source>%1 is not running</source>
        <translation>%1 non è in esecuzione</translation>
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
        <translation>impossibile monitorare il processo %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../pages/FormGen.cpp" line="-20"/>
        <source>cannot tell %1: %2</source>
        <translation>impossibile rilevare %1: %2</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <location filename="../../platform/linux/DesktopSession.cpp" line="+70"/>
        <source>blocked by %1: %2</source>
        <translation>impedito da %1: %2</translation>
    </message>
    <message>
        <location line="+91"/>
        <location line="+9"/>
        <source>no login session of this user is known</source>
        <translation>nessuna sessione nota per questo utente</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../../platform/linux/Files.cpp" line="+84"/>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>It is a symbolic link made by another user</source>
        <translation>È un collegamento simbolico creato da un altro utente</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link that leads to no file (%1)</source>
        <translation>È un collegamento simbolico che non porta ad alcun file (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>It is a symbolic link to %1, which is not a regular file</source>
        <translation>È un collegamento simbolico a %1, che non è un file regolare</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link to %1, which belongs to another user</source>
        <translation>È un collegamento simbolico a %1, che appartiene a un altro utente</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It is not a regular file</source>
        <translation>Non è un file regolare</translation>
    </message>
</context>
<context>
    <name>FormSchWizard</name>
    <message>
        <location filename="../../pages/FormSchWizard.cpp" line="+204"/>
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <location filename="../../model/Tasks.cpp" line="+156"/>
        <location filename="../../platform/linux/Launcher.cpp" line="+297"/>
        <source>the quote is not closed</source>
        <translation>mancano le virgolette di chiusura</translation>
    </message>
    <message>
        <location filename="../../platform/linux/Launcher.cpp" line="-211"/>
        <location line="+216"/>
        <location line="+20"/>
        <source>cannot run %1: %2</source>
        <translation>impossibile eseguire %1: %2</translation>
    </message>
    <message>
        <location line="-229"/>
        <source>not executable: %1</source>
        <translation>non eseguibile: %1</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>no program given</source>
        <translation>nessun programma indicato</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>folder not found: %1</source>
        <translation>cartella non trovata: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>program not found on PATH: %1</source>
        <translation>programma non trovato nel PATH: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>program not found: %1</source>
        <translation>programma non trovato: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no application to open %1 (xdg-open is missing)</source>
        <translation>nessuna applicazione per aprire %1 (manca xdg-open)</translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <location filename="../../platform/linux/LinuxPlatform.cpp" line="+150"/>
        <source>KWin did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>KWin non ha fornito l&apos;elenco delle sue finestre: sono visibili solo le finestre dei programmi X11.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>sway did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>sway non ha fornito l&apos;elenco delle sue finestre: sono visibili solo le finestre dei programmi X11.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The windows of this desktop cannot be listed: install the &quot;Window Calls&quot; extension of GNOME Shell and switch it on. Until then only the windows of X11 programs are seen.</source>
        <translation>Impossibile elencare le finestre di questo desktop: installare l&apos;estensione «Window Calls» di GNOME Shell e attivarla. Fino ad allora sono visibili solo le finestre dei programmi X11.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This desktop lists its windows to no other program: only the windows of X11 programs are seen.</source>
        <translation>Questo desktop non fornisce l&apos;elenco delle sue finestre ad altri programmi: sono visibili solo le finestre dei programmi X11.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>1 window is left out: the desktop does not say which program shows it.</source>
        <translation>1 finestra esclusa: il desktop non indica quale programma la mostra.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 windows are left out: the desktop does not say which programs show them.</source>
        <translation>%1 finestre escluse: il desktop non indica quali programmi le mostrano.</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>PasswordGuard</name>
    <message>
        <location filename="../../core/PasswordGuard.cpp" line="+75"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>La password deve contenere almeno %1 caratteri.</translation>
    </message>
</context>
<context>
    <name>PowerHolds</name>
    <message>
        <location filename="../../platform/linux/PowerHolds.cpp" line="+191"/>
        <source>The wake helper %1 is not installed with the program.</source>
        <translation>Il programma ausiliario di risveglio %1 non è installato insieme al programma.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The wake helper cannot set an alarm: %1. It needs the capability CAP_WAKE_ALARM, which the program&apos;s package gives it.</source>
        <translation>Il programma ausiliario di risveglio non può impostare una sveglia: %1. Richiede la capacità CAP_WAKE_ALARM, che gli viene assegnata dal pacchetto del programma.</translation>
    </message>
</context>
<context>
    <name>QuickActions</name>
    <message>
        <location filename="../../model/QuickActions.cpp" line="+87"/>
        <source>The name must not be empty</source>
        <translation>Il nome non può essere vuoto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name must be at most %1 characters long</source>
        <translation>Il nome non può superare i %1 caratteri</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The name must not hold quotes or line breaks</source>
        <translation>Il nome non può contenere virgolette o interruzioni di riga</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <location filename="../../core/Reminders.cpp" line="+73"/>
        <source>Reminder: %1 in %2 s</source>
        <translation>Promemoria: %1 tra %2 s</translation>
    </message>
</context>
<context>
    <name>RunValue</name>
    <message>
        <location filename="../../model/RunValue.cpp" line="+19"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo di dati non valido per «%1»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossibile impostare i dati per «%1»</translation>
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
        <translation>Impossibile scrivere in %1</translation>
    </message>
    <message>
        <location filename="../../model/DataFolder.cpp" line="+47"/>
        <source>The program folder %1 cannot be written to, so the settings and the schedule are kept in %2 instead.</source>
        <translation>Impossibile scrivere nella cartella del programma %1, perciò le impostazioni e la pianificazione vengono salvate in %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The settings file %1 cannot be read: %2. The settings start from their defaults.</source>
        <translation>Impossibile leggere il file delle impostazioni %1: %2. Verranno usate le impostazioni predefinite.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The settings file %1 cannot be written: %2. Changes to the settings will not be kept.</source>
        <translation>Impossibile scrivere il file delle impostazioni %1: %2. Le modifiche alle impostazioni non verranno conservate.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The schedule file %1 cannot be written: %2. Changes to the schedule will not be kept.</source>
        <translation>Impossibile scrivere il file della pianificazione %1: %2. Le modifiche alla pianificazione non verranno conservate.</translation>
    </message>
    <message>
        <location filename="../../model/Schedule.cpp" line="-151"/>
        <source>%1 item</source>
        <translation>%1 voce</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 items</source>
        <translation>%1 voci</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot be read (%1)</source>
        <translation>illeggibile (%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 and a part that cannot be read</source>
        <translation>%1 e una parte illeggibile</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Copies of the stored schedule, newest first:</source>
        <translation>Copie della pianificazione salvata, dalla più recente:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2, the file as this run found it</source>
        <translation>%1: %2, il file com&apos;era all&apos;avvio di questa esecuzione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2, an earlier copy</source>
        <translation>%1: %2, una copia precedente</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The schedule file %1 holds %2, but %3 counted %4. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>Il file della pianificazione %1 contiene %2, ma %3 ne indicava %4. Sono state caricate tutte e il conteggio verrà corretto al prossimo salvataggio della pianificazione.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The schedule file %1 holds %2, but %3 held no count. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>Il file della pianificazione %1 contiene %2, ma %3 non indicava alcun conteggio. Sono state caricate tutte e il conteggio verrà corretto al prossimo salvataggio della pianificazione.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cannot create file &quot;%1&quot;. It would hold %2, fewer than the %3 loaded and not deleted since; the stored file is left as it was.</source>
        <translation>Impossibile creare il file &quot;%1&quot;. Conterrebbe %2, meno delle %3 caricate e non eliminate da allora; il file salvato resta invariato.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2</source>
        <translation>Impossibile creare il file &quot;%1&quot;. Impossibile conservare il file precedente come %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2: %3</source>
        <translation>Impossibile creare il file &quot;%1&quot;. Impossibile conservare il file precedente come %2: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossibile creare il file &quot;%1&quot;. %2</translation>
    </message>
</context>
<context>
    <name>ScheduleFile</name>
    <message>
        <location filename="../../model/ScheduleFile.cpp" line="+37"/>
        <source>Stream read error</source>
        <translation>Errore di lettura del flusso di dati</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid stream format</source>
        <translation>Formato del flusso di dati non valido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid property value</source>
        <translation>Valore della proprietà non valido</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Error reading %1.%2: %3</source>
        <translation>Errore durante la lettura di %1.%2: %3</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>Property %1 does not exist</source>
        <translation>La proprietà %1 non esiste</translation>
    </message>
</context>
<context>
    <name>Tasks</name>
    <message>
        <location filename="../../model/ProcessRoutines.cpp" line="+40"/>
        <source>Close all programs could not see every window.
%1</source>
        <translation>«Chiudi tutti i programmi» non ha potuto vedere tutte le finestre.
%1</translation>
    </message>
    <message>
        <location filename="../../model/Tasks.cpp" line="-136"/>
        <source>%1 failed</source>
        <translation>Impossibile eseguire «%1»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 failed: %2</source>
        <translation>Impossibile eseguire «%1»: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>not available on this computer</source>
        <translation>non disponibile su questo computer</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>shutdown the computer</source>
        <translation>arresto del sistema</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shutdown the Computer</source>
        <translation>Arresta il sistema</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the system</source>
        <translation>Arresta il sistema</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the computer</source>
        <translation>Arresta il sistema</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turn off the computer</source>
        <translation>spegnimento del computer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trun off the computer</source>
        <translation>Spegni il computer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Power off the computer</source>
        <translation>Spegni il computer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close the program</source>
        <translation>chiusura del programma</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close program</source>
        <translation>Chiudi programma</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close the program</source>
        <translation>Chiudi il programma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>start the screensaver</source>
        <translation>avvio dello screen saver</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start the screensaver</source>
        <translation>Avvia lo screen saver</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>log off  user</source>
        <translation>chiusura della sessione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Logoff user...</source>
        <translation>Termina sessione...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off ...</source>
        <translation>Termina sessione...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off</source>
        <translation>Termina sessione</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>disconnect the network</source>
        <translation>disconnessione dalla rete</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Disconnect the network</source>
        <translation>Disconnetti dalla rete</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close all the program</source>
        <translation>chiusura di tutti i programmi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all the program</source>
        <translation>Chiudi tutti i programmi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all programs</source>
        <translation>Chiudi tutti i programmi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>execute the program</source>
        <translation>esecuzione di un programma</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Execute</source>
        <translation>Esegui</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Run a command line</source>
        <translation>Esegui una riga di comando</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>restart the computer</source>
        <translation>riavvio del computer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restart the computer</source>
        <translation>Riavvia il computer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>alarm message</source>
        <translation>messaggio di avviso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the message</source>
        <translation>Mostra il messaggio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lock the workstation</source>
        <translation>blocco del computer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the workstation</source>
        <translation>Blocca il computer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the computer</source>
        <translation>Blocca il computer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sleep the computer</source>
        <translation>sospensione del computer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep the computer</source>
        <translation>Sospendi il computer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep</source>
        <translation>Sospendi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hibernate the computer</source>
        <translation>ibernazione del computer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hibernate the computer</source>
        <translation>Iberna il computer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hibernate</source>
        <translation>Iberna</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <location filename="../../app/TrayMenu.cpp" line="+115"/>
        <source>The quick action &quot;%1&quot; was not armed: %2</source>
        <translation>L&apos;azione rapida «%1» non è stata impostata: %2</translation>
    </message>
</context>
<context>
    <name>Win32</name>
    <message>
        <location filename="../../platform/win32/RealWin32Api.cpp" line="+800"/>
        <source>System error %1</source>
        <translation>Errore di sistema %1</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>It is a symbolic link or junction, which this program does not replace</source>
        <translation>È un collegamento simbolico o una giunzione, che questo programma non sostituisce</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Platform.cpp" line="+50"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows: the computer will not wake for the schedule until it is turned on.</source>
        <translation>«Consenti timer di riattivazione» è disattivato nelle opzioni risparmio energia di Windows: il computer non si riattiverà per la pianificazione finché l&apos;opzione non verrà attivata.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows when plugged in: the computer will not wake for the schedule until it is turned on.</source>
        <translation>«Consenti timer di riattivazione» è disattivato nelle opzioni risparmio energia di Windows per l&apos;alimentazione da rete elettrica: il computer non si riattiverà per la pianificazione finché l&apos;opzione non verrà attivata.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows on battery: the computer will not wake for the schedule until it is turned on.</source>
        <translation>«Consenti timer di riattivazione» è disattivato nelle opzioni risparmio energia di Windows per l&apos;alimentazione a batteria: il computer non si riattiverà per la pianificazione finché l&apos;opzione non verrà attivata.</translation>
    </message>
</context>
<context>
    <name>halvo::CountdownBar</name>
    <message>
        <location filename="../../app/CountdownBar.cpp" line="+25"/>
        <source>Halvo Shutdown countdown</source>
        <translation>Conto alla rovescia di Halvo Shutdown</translation>
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
        <translation>Le azioni rapide numero %1 in %2 non sono leggibili e vengono escluse; le altre sono state caricate.</translation>
    </message>
</context>
<context>
    <name>halvo::NewPasswordDialog</name>
    <message>
        <location filename="../../pages/PasswordDialog.cpp" line="+95"/>
        <source>Protect with a password</source>
        <translation>Proteggi con password</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New password:</source>
        <translation>Nuova password:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Once more:</source>
        <translation>Conferma:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>La password deve contenere almeno %1 caratteri.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The two passwords differ.</source>
        <translation>Le password non corrispondono.</translation>
    </message>
</context>
<context>
    <name>halvo::PasswordDialog</name>
    <message>
        <location line="-97"/>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the password to %1.</source>
        <translation>Inserire la password per %1.</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+15"/>
        <source>Wrong password.</source>
        <translation>Password errata.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Wrong password. Try again in %n s.</source>
        <translation>
            <numerusform>Password errata. Riprovare tra %n s.</numerusform>
            <numerusform>Password errata. Riprovare tra %n s.</numerusform>
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
        <translation>Azioni rapide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>Azione</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The name &quot;%1&quot; is given twice</source>
        <translation>Il nome «%1» è ripetuto</translation>
    </message>
</context>
<context>
    <name>halvo::SingleInstance</name>
    <message>
        <location filename="../../app/SingleInstance.cpp" line="+141"/>
        <source>cannot set up %1 (%2)</source>
        <translation>impossibile predisporre %1 (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot create %1 (%2)</source>
        <translation>impossibile creare %1 (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read %1 (%2)</source>
        <translation>impossibile leggere %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is a symbolic link</source>
        <translation>è un collegamento simbolico</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it belongs to user %1</source>
        <translation>appartiene all&apos;utente %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its mode is %1, not 0700</source>
        <translation>i suoi permessi sono %1, non 0700</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not this user&apos;s own folder (%2); the lock and the socket are not kept there</source>
        <translation>%1 non è una cartella propria di questo utente (%2); il file di blocco e il socket non vengono tenuti lì</translation>
    </message>
</context>
<context>
    <name>halvo::SlidingPopup</name>
    <message>
        <location filename="../../toolkit/SlidingPopup.cpp" line="+33"/>
        <source>Halvo Shutdown notification</source>
        <translation>Notifica di Halvo Shutdown</translation>
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
Versione %1
Spegne il computer secondo una pianificazione.
</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Visit Homepage</source>
        <translation>Visita il sito web</translation>
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
        <translation>File</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+12"/>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+11"/>
        <source>Schedule</source>
        <translation>Pianificazione</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+10"/>
        <source>Option</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>about</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+2"/>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <location line="+197"/>
        <source>The help file %1 is missing</source>
        <translation>Il file della guida %1 non è presente</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>exit Halvo Shutdown</source>
        <translation>uscire da Halvo Shutdown</translation>
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
        <translation>Halvo Shutdown farà eseguire al computer questa azione 
tra 1 minuto :</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Execute It!</source>
        <translation>Esegui subito!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Postpone %1 min</source>
        <translation>Rimanda di %1 min</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>cancel the action</source>
        <translation>annullare l&apos;azione</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>postpone the action</source>
        <translation>rimandare l&apos;azione</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cancel(%1)</source>
        <translation>Annulla (%1)</translation>
    </message>
</context>
<context>
    <name>halvo::TFormGen</name>
    <message>
        <location filename="../../pages/FormGen.cpp" line="-564"/>
        <source>Do It Now!</source>
        <translation>Subito!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do It Now</source>
        <translation>Esegui ora</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Do It at specific time</source>
        <translation>Esegui in un momento preciso</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+6"/>
        <source>At</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After</source>
        <translation>Tra</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+384"/>
        <source>for</source>
        <translation>per</translation>
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
        <translation>Scegli un programma da una delle sue finestre</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add a condition that must hold as well</source>
        <translation>Aggiungi un&apos;altra condizione che deve valere</translation>
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
        <translation>Ore</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>Sec</source>
        <translation>Sec</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+582"/>
        <location line="+26"/>
        <source>Save as quick action</source>
        <translation>Salva come azione rapida</translation>
    </message>
    <message>
        <location line="-550"/>
        <source>change the armed action</source>
        <translation>modificare l&apos;azione impostata</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>and</source>
        <translation>e</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Remove this condition</source>
        <translation>Rimuovi questa condizione</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>not offered: %1</source>
        <translation>non disponibile: %1</translation>
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
        <translation>&apos;%1&apos; non è un numero intero valido</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The delay must not be negative</source>
        <translation>Il ritardo non può essere negativo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The delay is too long</source>
        <translation>Il ritardo è troppo lungo</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A quick action waits at least one second</source>
        <translation>Un&apos;azione rapida deve attendere almeno un secondo</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Choose an action and After, At or When first</source>
        <translation>Scegliere prima un&apos;azione e «Tra», «Alle» o «Quando»</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Name in the tray&apos;s &quot;Quick actions&quot;:</source>
        <translation>Nome in «Azioni rapide» dell&apos;area di notifica:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Replace the quick action &quot;%1&quot;?</source>
        <translation>Sostituire l&apos;azione rapida «%1»?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There are already %1 quick actions; delete one on the Option page first</source>
        <translation>Ci sono già %1 azioni rapide; eliminarne prima una nella pagina Opzioni</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Saved as quick action &quot;%1&quot;</source>
        <translation>Salvata come azione rapida «%1»</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+9"/>
        <location line="+6"/>
        <source>replace the armed action</source>
        <translation>sostituire l&apos;azione impostata</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+9"/>
        <location line="+12"/>
        <source>set successfully</source>
        <translation>Impostato correttamente</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cancel the armed action</source>
        <translation>annullare l&apos;azione impostata</translation>
    </message>
    <message>
        <location line="-135"/>
        <source>The time of day must lie between 12:00:00 AM and 11:59:59 PM</source>
        <translation>L&apos;ora deve essere compresa tra 12:00:00 AM e 11:59:59 PM</translation>
    </message>
</context>
<context>
    <name>halvo::TFormOption</name>
    <message>
        <location filename="../../app/FormOption.cpp" line="+40"/>
        <source>start</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>auto startup when windows startup</source>
        <translation>Avvia automaticamente all&apos;accesso</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>auto save the schedule setting</source>
        <translation>Salva automaticamente la pianificazione</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shutdown</source>
        <translation>Arresto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>remind me before shutdown/restart/log off</source>
        <translation>Avvisami prima di arresto/riavvio/chiusura sessione</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>wake the computer from sleep for scheduled actions</source>
        <translation>Riattiva il computer dalla sospensione per le azioni pianificate</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Only from sleep or hibernation: a computer that is powered off is not turned on.</source>
        <translation>Solo dalla sospensione o dall&apos;ibernazione: un computer spento non viene acceso.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not available: %1</source>
        <translation>Non disponibile: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>keep the computer awake while an action waits</source>
        <translation>Mantieni attivo il computer mentre un&apos;azione è in attesa</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>countdown</source>
        <translation>Conto alla rovescia</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>show a countdown bar at the</source>
        <translation>Barra del conto alla rovescia in</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>top of the screen</source>
        <translation>alto sullo schermo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom of the screen</source>
        <translation>basso sullo schermo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wayland lets no program place a bar on the screen</source>
        <translation>Wayland non consente ai programmi di posizionare una barra sullo schermo</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Quick actions...</source>
        <translation>Azioni rapide...</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Set</source>
        <translation>Applica</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel Setting</source>
        <translation>Annulla modifiche</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Protect with a password</source>
        <translation>Proteggi con password</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change password...</source>
        <translation>Cambia password...</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>change the options</source>
        <translation>modificare le opzioni</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>remove the password</source>
        <translation>rimuovere la password</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>change the password</source>
        <translation>cambiare la password</translation>
    </message>
</context>
<context>
    <name>halvo::TFormProcessList</name>
    <message>
        <location filename="../../pages/FormProcessList.cpp" line="+21"/>
        <source>select the program</source>
        <translation>Seleziona il programma</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>window</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>processId</source>
        <translation>ID processo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>please select item first</source>
        <translation>Selezionare prima un elemento</translation>
    </message>
</context>
<context>
    <name>halvo::TFormSch</name>
    <message>
        <location filename="../../pages/FormSch.cpp" line="+45"/>
        <source>schedule name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Task</source>
        <translation>Attività</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next run</source>
        <translation>Prossima esecuzione</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>modify</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>add a schedule item</source>
        <translation>aggiungere una voce di pianificazione</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>please select item</source>
        <translation>Selezionare una voce</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>change a schedule item</source>
        <translation>modificare una voce di pianificazione</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>please select a item</source>
        <translation>Selezionare una voce</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>do you want to delete it?</source>
        <translation>Eliminare questa voce?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>delete a schedule item</source>
        <translation>eliminare una voce di pianificazione</translation>
    </message>
</context>
<context>
    <name>halvo::TFormSchWizard</name>
    <message>
        <location filename="../../model/ScheduleItemDraft.cpp" line="+13"/>
        <source>Schedule item name is null</source>
        <translation>Il nome della voce è vuoto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>select a task</source>
        <translation>Selezionare un&apos;attività</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please  select the parameter of the task</source>
        <translation>Selezionare il parametro dell&apos;attività</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please inpute the content of message</source>
        <translation>Inserire il testo del messaggio</translation>
    </message>
    <message>
        <location filename="../../pages/FormSchWizard.cpp" line="-173"/>
        <source>modify the scheduleItem,but _ScheduleItem=nil</source>
        <translation>Richiesta la modifica di una voce, ma nessuna voce è presente</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Wizard</source>
        <translation>Procedura guidata</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Schedule Name:</source>
        <translation>Nome della voce:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Select the task:</source>
        <translation>Selezionare l&apos;attività:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select the Time for schedule</source>
        <translation>Selezionare l&apos;ora di esecuzione</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Once</source>
        <translation>Una volta</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>everyday</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Everyweek</source>
        <translation>Ogni settimana</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Everymonth</source>
        <translation>Ogni mese</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>complete.</source>
        <translation>Completato.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&lt;&lt;Prev</source>
        <translation>&lt;&lt;Indietro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next&gt;&gt;</source>
        <translation>Avanti&gt;&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>new schedule item</source>
        <translation>Nuova voce di pianificazione</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>modify the schedule item</source>
        <translation>Modifica la voce di pianificazione</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+185"/>
        <source>Complete</source>
        <translation>Fine</translation>
    </message>
    <message>
        <location line="-125"/>
        <source>select program</source>
        <translation>Seleziona il programma</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>message content:</source>
        <translation>Testo del messaggio:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Browse</source>
        <translation>Sfoglia</translation>
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
        <translation>Azioni rapide</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cancel postponed action</source>
        <translation>Annulla l&apos;azione rimandata</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>Informazioni...</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>cancel the postponed action</source>
        <translation>annullare l&apos;azione rimandata</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>replace the armed action</source>
        <translation>sostituire l&apos;azione impostata</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>postponed: %1</source>
        <translation>azione rimandata: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../app/main.cpp" line="+45"/>
        <source>cannot start without a display (%1)</source>
        <translation>impossibile avviare senza uno schermo (%1)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>standard input</source>
        <translation>standard input</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot read the password from %1 (%2)</source>
        <translation>impossibile leggere la password da %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no password in %1</source>
        <translation>nessuna password in %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot start the program</source>
        <translation>impossibile avviare il programma</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no running copy could be reached</source>
        <translation>impossibile contattare un&apos;istanza in esecuzione</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the running copy did not answer</source>
        <translation>l&apos;istanza in esecuzione non ha risposto</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>refused: %1</source>
        <translation>richiesta rifiutata: %1</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>another copy is running but does not answer</source>
        <translation>un&apos;altra istanza è in esecuzione ma non risponde</translation>
    </message>
</context>
</TS>

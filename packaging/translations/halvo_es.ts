<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Activity</name>
    <message>
        <location filename="../../platform/linux/LinuxActivity.cpp" line="+46"/>
        <source>Neither the X server nor the desktop (GNOME or KDE) tells how long the user has been idle</source>
        <translation>Ni el servidor X ni el escritorio (GNOME o KDE) indican cuánto tiempo lleva inactivo el usuario</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../platform/win32/Win32Activity.cpp" line="+97"/>
        <source>This computer has no battery</source>
        <translation>Este equipo no tiene batería</translation>
    </message>
    <message>
        <location line="+249"/>
        <source>%1 has a line that cannot be read: %2</source>
        <translation>%1 contiene una línea ilegible: %2</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>UPower is not running, so the battery cannot be read</source>
        <translation>UPower no se está ejecutando, así que no se puede leer el estado de la batería</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPower did not answer: %1</source>
        <translation>UPower no respondió: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UPower does not tell the battery&apos;s charge</source>
        <translation>UPower no indica la carga de la batería</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+9"/>
        <source>No process with id %1 is running</source>
        <translation>No se está ejecutando ningún proceso con el id. %1</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Process %1 belongs to another user</source>
        <translation>El proceso %1 pertenece a otro usuario</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Process %1 cannot be watched: %2</source>
        <translation>No se puede vigilar el proceso %1: %2</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Activity.cpp" line="-2"/>
        <source>The system does not know the battery&apos;s state</source>
        <translation>El sistema no conoce el estado de la batería</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The system does not know the battery&apos;s charge</source>
        <translation>El sistema no conoce la carga de la batería</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The system does not know whether the computer runs on battery</source>
        <translation>El sistema no sabe si el equipo funciona con batería</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>There is no process with the id %1</source>
        <translation>No hay ningún proceso con el id. %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The process %1 belongs to another user</source>
        <translation>El proceso %1 pertenece a otro usuario</translation>
    </message>
</context>
<context>
    <name>Agenda</name>
    <message>
        <location filename="../../model/Agenda.cpp" line="+44"/>
        <source>in its reminder</source>
        <translation>con el recordatorio abierto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in its reminder, due at %1</source>
        <translation>con el recordatorio abierto, a las %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Missed while the computer was asleep: %1 at %2</source>
        <translation>No ejecutada mientras el equipo estaba suspendido: %1 a las %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed while the clock changed: %1 at %2</source>
        <translation>No ejecutada por un cambio de hora del reloj: %1 a las %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(due at %1)</source>
        <translation>(prevista a las %1)</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>&apos;%1&apos;: %2</source>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <location filename="../../model/NextRun.cpp" line="+140"/>
        <source>in %1 s</source>
        <translation>dentro de %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 min</source>
        <translation>dentro de %1 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 h %2 min</source>
        <translation>dentro de %1 h %2 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 h</source>
        <translation>dentro de %1 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in %1 d %2 h</source>
        <translation>dentro de %1 d %2 h</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 d</source>
        <translation>dentro de %1 d</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>at %1 (%2)</source>
        <translation>a las %1 (%2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 at %2, in %3 minutes</source>
        <translation>%1 a las %2, dentro de %3 minutos</translation>
    </message>
</context>
<context>
    <name>AwakeKeeper</name>
    <message>
        <location filename="../../core/AwakeKeeper.cpp" line="+78"/>
        <source>Keeping the computer awake until: %1</source>
        <translation>Manteniendo el equipo activo hasta: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../model/CommandLine.cpp" line="+210"/>
        <source>the password is given once (see --help)</source>
        <translation>la contraseña solo se puede indicar una vez (consulte --help)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>missing FILE after --password-file</source>
        <translation>falta la RUTA después de --password-file</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the password is never taken as an argument: give --password - (read from standard input) or --password-file FILE</source>
        <translation>la contraseña nunca se acepta como argumento: use --password - (leída de la entrada estándar) o --password-file RUTA</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the password goes with a request to the running copy (see --help)</source>
        <translation>la contraseña solo se usa con una petición a la instancia en ejecución (consulte --help)</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+96"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>argumento inesperado &apos;%1&apos; (consulte --help)</translation>
    </message>
    <message>
        <location line="-87"/>
        <source>missing TASK after %1 (one of %2)</source>
        <translation>falta la TAREA después de %1 (una de: %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--when goes with a TASK alone, not with %1 (see --help)</source>
        <translation>--when solo se usa con una TAREA, no con %1 (consulte --help)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown task &apos;%1&apos; (one of %2)</source>
        <translation>tarea desconocida &apos;%1&apos; (una de: %2)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>missing NAME after --quick (see --status for the saved quick actions)</source>
        <translation>falta el NOMBRE después de --quick (consulte --status para ver las acciones rápidas guardadas)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bad NAME after --quick: a name holds no line breaks</source>
        <translation>NOMBRE incorrecto después de --quick: un nombre no puede contener saltos de línea</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>missing DURATION after --in (e.g. 90s, 45m, 1h30m)</source>
        <translation>falta la DURACIÓN después de --in (p. ej., 90s, 45m, 1h30m)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad duration &apos;%1&apos; (e.g. 90s, 45m, 1h30m)</source>
        <translation>duración incorrecta &apos;%1&apos; (p. ej., 90s, 45m, 1h30m)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>missing time after --at (HH:MM or HH:MM:SS)</source>
        <translation>falta la hora después de --at (HH:MM o HH:MM:SS)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad time &apos;%1&apos; (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>hora incorrecta &apos;%1&apos; (HH:MM o HH:MM:SS, de 00:00 a 23:59:59)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>missing CONDITION after --when (one of %1)</source>
        <translation>falta la CONDICIÓN después de --when (una de: %1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>opción desconocida &apos;%1&apos; (consulte --help)</translation>
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
        <translation>Uso: halvo-shutdown [OPCIÓN]
Sin opciones, inicia Halvo Shutdown en el área de notificación (o muestra la instancia en ejecución).

  --now TAREA            ejecuta la TAREA de inmediato
  --in DURACIÓN TAREA    ejecuta la TAREA pasada la DURACIÓN (90s, 45m, 1h30m), anunciada por el recordatorio
  --at HH:MM[:SS] TAREA  ejecuta la TAREA a esa hora del día, anunciada por el recordatorio
  --when CONDICIÓN TAREA ejecuta la TAREA cuando se cumpla la CONDICIÓN, anunciada por el recordatorio; si hay
                         varias --when CONDICIÓN antes de TAREA, deben cumplirse todas. CONDICIÓN es una de:
%1                         (minutos como 30m, 2h o 1h30m, hasta 24h)
  --cancel               cancela la acción temporizada y cualquier acción pospuesta, y cierra sus
                         recordatorios
  --quick NOMBRE         programa la acción rápida guardada NOMBRE como lo haría «Programar» en la página General
  --status               muestra lo que está programado, pospuesto o anunciado por un recordatorio abierto, las
                         próximas ejecuciones de la programación y las acciones rápidas guardadas
  --show                 muestra la ventana
  --tray                 inicia en el área de notificación, o deja la instancia en ejecución tal como está
  --password-file RUTA   para una petición protegida por la contraseña, lee la contraseña de la primera línea de RUTA
  --password -           lo mismo, pero leyendo la contraseña de la entrada estándar
  --help                 muestra este texto
  --version              muestra la versión

TAREA es una de: %2
La instancia en ejecución atiende la petición; si no hay ninguna, se inicia una en el área de notificación.
Estado de salida: 0 hecho, 1 no se pudo contactar con la instancia en ejecución o esta la rechazó, 2 argumentos incorrectos.
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
        <translation>no es una acción que se pueda programar</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>the conditions could not be read in time</source>
        <translation>no se pudieron leer las condiciones a tiempo</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>not a request for the running copy</source>
        <translation>no es una petición para la instancia en ejecución</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>no quick action named &apos;%1&apos;</source>
        <translation>no hay ninguna acción rápida llamada «%1»</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>General: nothing armed</source>
        <translation>General: nada programado</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>General: %1</source>
        <translation>General: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Postponed: %1</source>
        <translation>Pospuesta: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no task</source>
        <translation>sin tarea</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2 %3</source>
        <translation>Programación «%1»: %2 %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2, no further run</source>
        <translation>Programación «%1»: %2, sin más ejecuciones</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Schedule: no items</source>
        <translation>Programación: sin entradas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quick action &apos;%1&apos;: %2</source>
        <translation>Acción rápida «%1»: %2</translation>
    </message>
    <message>
        <location filename="../../core/Commands.h" line="+35"/>
        <source>a password protects this; give it with --password-file FILE or --password - (read from standard input)</source>
        <translation>esta operación está protegida con contraseña; indíquela con --password-file RUTA o --password - (leída de la entrada estándar)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong password</source>
        <translation>contraseña incorrecta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>too many wrong passwords; try again in %1 s</source>
        <translation>demasiadas contraseñas incorrectas; vuelva a intentarlo dentro de %1 s</translation>
    </message>
</context>
<context>
    <name>Conditions</name>
    <message>
        <location filename="../../model/ConditionRule.cpp" line="+28"/>
        <source>reading failed: %1</source>
        <translation>error de lectura: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../model/ConditionWatch.cpp" line="+128"/>
        <source>no reason given</source>
        <translation>sin motivo indicado</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>measuring</source>
        <translation>midiendo</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>now %1%</source>
        <translation>ahora %1%</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>now %1 KB/s</source>
        <translation>ahora %1 KB/s</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>idle %1 s</source>
        <translation>inactivo %1 s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>idle %1 min</source>
        <translation>inactivo %1 min</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the battery&apos;s charge is unknown</source>
        <translation>se desconoce la carga de la batería</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>battery %1%</source>
        <translation>batería %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery %1%, charging</source>
        <translation>batería %1%, cargando</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ended</source>
        <translation>terminado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>running</source>
        <translation>en ejecución</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 running</source>
        <translation>%1 en ejecución</translation>
    </message>
    <message>
        <location filename="../../model/Conditions.cpp" line="+17"/>
        <source>minutes must be 1m to 24h, like 30m or 2h</source>
        <translation>los minutos deben estar entre 1m y 24h, p. ej., 30m o 2h</translation>
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
        <translation>falta el nombre del programa o el id. de proceso (exit:NAME o exit:PID)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>every process running the program NAME, or the
process PID, has ended</source>
        <translation>han terminado todos los procesos del programa NAME,
o el proceso PID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program exits</source>
        <translation>el programa termina</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when {1} exits</source>
        <translation>cuando {1} termine</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>idle:MINUTES, like idle:30m</source>
        <translation>idle:MINUTOS, p. ej., idle:30m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no keyboard or mouse input for 30 minutes</source>
        <translation>sin uso del teclado ni del ratón durante 30 minutos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the user is idle for</source>
        <translation>el usuario está inactivo durante</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the user is idle for {1} min</source>
        <translation>cuando el usuario esté inactivo durante {1} min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the processor&apos;s percent must be 1% to 100%</source>
        <translation>el porcentaje del procesador debe estar entre 1% y 100%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cpu:PERCENT%:MINUTES, like cpu:10%:5m</source>
        <translation>cpu:PORCENTAJE%:MINUTOS, p. ej., cpu:10%:5m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the processor below 10% for 5 minutes</source>
        <translation>el procesador por debajo del 10% durante 5 minutos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the processor is below</source>
        <translation>el procesador está por debajo del</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the processor is below {1}% for {2} min</source>
        <translation>cuando el procesador esté por debajo del {1}% durante {2} min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M</source>
        <translation>la velocidad debe indicarse en KB/s, como 50k, o en MB/s, como 2M, de 1k a 10240M</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>net:RATE:MINUTES, like net:50k:5m or net:2M:5m</source>
        <translation>net:VELOCIDAD:MINUTOS, p. ej., net:50k:5m o net:2M:5m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network below 50 KB/s or 2 MB/s for 5 minutes</source>
        <translation>la red por debajo de 50 KB/s o 2 MB/s durante 5 minutos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network is below</source>
        <translation>la red está por debajo de</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the network is below {1} KB/s for {2} min</source>
        <translation>cuando la red esté por debajo de {1} KB/s durante {2} min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the battery&apos;s percent must be 1% to 99%</source>
        <translation>el porcentaje de la batería debe estar entre 1% y 99%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery:PERCENT%, like battery:15%</source>
        <translation>battery:PORCENTAJE%, p. ej., battery:15%</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>on battery, at 15% or less</source>
        <translation>con batería, al 15% o menos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the battery is below</source>
        <translation>la batería está por debajo del</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the battery is below {1}%</source>
        <translation>cuando la batería esté por debajo del {1}%</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>the process id must be 1 to 4294967295</source>
        <translation>el id. de proceso debe estar entre 1 y 4294967295</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the program&apos;s name goes without its folder</source>
        <translation>el nombre del programa se indica sin su carpeta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the program&apos;s name holds a control character</source>
        <translation>el nombre del programa contiene un carácter de control</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>bad condition &apos;%1&apos;: %2</source>
        <translation>condición incorrecta &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>unknown condition &apos;%1&apos; (one of %2)</source>
        <translation>condición desconocida &apos;%1&apos; (una de: %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>expected %1</source>
        <translation>se esperaba %1</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>the process %1</source>
        <translation>el proceso %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program %1</source>
        <translation>el programa %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <location filename="../../model/ConditionWatch.cpp" line="-71"/>
        <source>%1 is not running</source>
        <translation>%1 no se está ejecutando</translation>
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
        <translation>no se puede vigilar el proceso %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../pages/FormGen.cpp" line="-20"/>
        <source>cannot tell %1: %2</source>
        <translation>no se puede comprobar %1: %2</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <location filename="../../platform/linux/DesktopSession.cpp" line="+70"/>
        <source>blocked by %1: %2</source>
        <translation>impedido por %1: %2</translation>
    </message>
    <message>
        <location line="+91"/>
        <location line="+9"/>
        <source>no login session of this user is known</source>
        <translation>no se conoce ninguna sesión iniciada por este usuario</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../../platform/linux/Files.cpp" line="+84"/>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>It is a symbolic link made by another user</source>
        <translation>Es un enlace simbólico creado por otro usuario</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link that leads to no file (%1)</source>
        <translation>Es un enlace simbólico que no lleva a ningún archivo (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>It is a symbolic link to %1, which is not a regular file</source>
        <translation>Es un enlace simbólico a %1, que no es un archivo normal</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link to %1, which belongs to another user</source>
        <translation>Es un enlace simbólico a %1, que pertenece a otro usuario</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It is not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
</context>
<context>
    <name>FormSchWizard</name>
    <message>
        <location filename="../../pages/FormSchWizard.cpp" line="+204"/>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tuesday</source>
        <translation>Martes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wednesday</source>
        <translation>Miércoles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thursday</source>
        <translation>Jueves</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Friday</source>
        <translation>Viernes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <location filename="../../model/Tasks.cpp" line="+156"/>
        <location filename="../../platform/linux/Launcher.cpp" line="+297"/>
        <source>the quote is not closed</source>
        <translation>faltan las comillas de cierre</translation>
    </message>
    <message>
        <location filename="../../platform/linux/Launcher.cpp" line="-211"/>
        <location line="+216"/>
        <location line="+20"/>
        <source>cannot run %1: %2</source>
        <translation>no se puede ejecutar %1: %2</translation>
    </message>
    <message>
        <location line="-229"/>
        <source>not executable: %1</source>
        <translation>no es ejecutable: %1</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>no program given</source>
        <translation>no se ha indicado ningún programa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>folder not found: %1</source>
        <translation>no se encuentra la carpeta: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>program not found on PATH: %1</source>
        <translation>no se encuentra el programa en PATH: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>program not found: %1</source>
        <translation>no se encuentra el programa: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no application to open %1 (xdg-open is missing)</source>
        <translation>no hay ninguna aplicación para abrir %1 (falta xdg-open)</translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <location filename="../../platform/linux/LinuxPlatform.cpp" line="+150"/>
        <source>KWin did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>KWin no ha facilitado la lista de sus ventanas: solo se ven las ventanas de los programas X11.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>sway did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>sway no ha facilitado la lista de sus ventanas: solo se ven las ventanas de los programas X11.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The windows of this desktop cannot be listed: install the &quot;Window Calls&quot; extension of GNOME Shell and switch it on. Until then only the windows of X11 programs are seen.</source>
        <translation>No se pueden enumerar las ventanas de este escritorio: instale la extensión «Window Calls» de GNOME Shell y actívela. Hasta entonces, solo se ven las ventanas de los programas X11.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This desktop lists its windows to no other program: only the windows of X11 programs are seen.</source>
        <translation>Este escritorio no facilita la lista de sus ventanas a otros programas: solo se ven las ventanas de los programas X11.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>1 window is left out: the desktop does not say which program shows it.</source>
        <translation>Se omite 1 ventana: el escritorio no indica qué programa la muestra.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 windows are left out: the desktop does not say which programs show them.</source>
        <translation>Se omiten %1 ventanas: el escritorio no indica qué programas las muestran.</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <location filename="../../pages/PasswordDialog.cpp" line="+28"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PasswordGuard</name>
    <message>
        <location filename="../../core/PasswordGuard.cpp" line="+75"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>La contraseña debe tener al menos %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>PowerHolds</name>
    <message>
        <location filename="../../platform/linux/PowerHolds.cpp" line="+191"/>
        <source>The wake helper %1 is not installed with the program.</source>
        <translation>El programa auxiliar de reactivación %1 no se ha instalado junto con el programa.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The wake helper cannot set an alarm: %1. It needs the capability CAP_WAKE_ALARM, which the program&apos;s package gives it.</source>
        <translation>El programa auxiliar de reactivación no puede programar una alarma: %1. Necesita la capacidad CAP_WAKE_ALARM, que le otorga el paquete del programa.</translation>
    </message>
</context>
<context>
    <name>QuickActions</name>
    <message>
        <location filename="../../model/QuickActions.cpp" line="+87"/>
        <source>The name must not be empty</source>
        <translation>El nombre no puede estar vacío</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name must be at most %1 characters long</source>
        <translation>El nombre no puede tener más de %1 caracteres</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The name must not hold quotes or line breaks</source>
        <translation>El nombre no puede contener comillas ni saltos de línea</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <location filename="../../core/Reminders.cpp" line="+73"/>
        <source>Reminder: %1 in %2 s</source>
        <translation>Recordatorio: %1 dentro de %2 s</translation>
    </message>
</context>
<context>
    <name>RunValue</name>
    <message>
        <location filename="../../model/RunValue.cpp" line="+19"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de datos no válido para «%1»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se pudieron establecer los datos de «%1»</translation>
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
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <location filename="../../model/DataFolder.cpp" line="+47"/>
        <source>The program folder %1 cannot be written to, so the settings and the schedule are kept in %2 instead.</source>
        <translation>No se puede escribir en la carpeta del programa %1, así que la configuración y la programación se guardan en %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The settings file %1 cannot be read: %2. The settings start from their defaults.</source>
        <translation>No se puede leer el archivo de configuración %1: %2. Se usará la configuración predeterminada.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The settings file %1 cannot be written: %2. Changes to the settings will not be kept.</source>
        <translation>No se puede escribir el archivo de configuración %1: %2. Los cambios en la configuración no se conservarán.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The schedule file %1 cannot be written: %2. Changes to the schedule will not be kept.</source>
        <translation>No se puede escribir el archivo de programación %1: %2. Los cambios en la programación no se conservarán.</translation>
    </message>
    <message>
        <location filename="../../model/Schedule.cpp" line="-151"/>
        <source>%1 item</source>
        <translation>%1 entrada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 items</source>
        <translation>%1 entradas</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 and a part that cannot be read</source>
        <translation>%1 y una parte ilegible</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Copies of the stored schedule, newest first:</source>
        <translation>Copias de la programación guardada, de la más reciente a la más antigua:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2, the file as this run found it</source>
        <translation>%1: %2, el archivo tal como estaba al iniciar esta ejecución</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2, an earlier copy</source>
        <translation>%1: %2, una copia anterior</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The schedule file %1 holds %2, but %3 counted %4. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>El archivo de programación %1 contiene %2, pero %3 indicaba %4. Se han cargado todas y el recuento se corregirá la próxima vez que se guarde la programación.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The schedule file %1 holds %2, but %3 held no count. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>El archivo de programación %1 contiene %2, pero %3 no indicaba ningún recuento. Se han cargado todas y el recuento se corregirá la próxima vez que se guarde la programación.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cannot create file &quot;%1&quot;. It would hold %2, fewer than the %3 loaded and not deleted since; the stored file is left as it was.</source>
        <translation>No se puede crear el archivo &quot;%1&quot;. Contendría %2, menos que las %3 cargadas y no eliminadas desde entonces; el archivo guardado se deja como estaba.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2</source>
        <translation>No se puede crear el archivo &quot;%1&quot;. No se pudo conservar el archivo anterior como %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2: %3</source>
        <translation>No se puede crear el archivo &quot;%1&quot;. No se pudo conservar el archivo anterior como %2: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo &quot;%1&quot;. %2</translation>
    </message>
</context>
<context>
    <name>ScheduleFile</name>
    <message>
        <location filename="../../model/ScheduleFile.cpp" line="+37"/>
        <source>Stream read error</source>
        <translation>Error de lectura del flujo de datos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid stream format</source>
        <translation>Formato del flujo de datos no válido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Error reading %1.%2: %3</source>
        <translation>Error al leer %1.%2: %3</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>Property %1 does not exist</source>
        <translation>La propiedad %1 no existe</translation>
    </message>
</context>
<context>
    <name>Tasks</name>
    <message>
        <location filename="../../model/ProcessRoutines.cpp" line="+40"/>
        <source>Close all programs could not see every window.
%1</source>
        <translation>«Cerrar todos los programas» no pudo ver todas las ventanas.
%1</translation>
    </message>
    <message>
        <location filename="../../model/Tasks.cpp" line="-136"/>
        <source>%1 failed</source>
        <translation>No se pudo realizar «%1»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 failed: %2</source>
        <translation>No se pudo realizar «%1»: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>not available on this computer</source>
        <translation>no disponible en este equipo</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>shutdown the computer</source>
        <translation>apagar el sistema</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shutdown the Computer</source>
        <translation>Apagar el sistema</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the system</source>
        <translation>Apagar el sistema</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the computer</source>
        <translation>Apagar el sistema</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turn off the computer</source>
        <translation>apagar el equipo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trun off the computer</source>
        <translation>Apagar el equipo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Power off the computer</source>
        <translation>Apagar el equipo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close the program</source>
        <translation>cerrar el programa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close program</source>
        <translation>Cerrar programa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close the program</source>
        <translation>Cerrar el programa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>start the screensaver</source>
        <translation>iniciar el protector de pantalla</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start the screensaver</source>
        <translation>Iniciar el protector de pantalla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>log off  user</source>
        <translation>cerrar la sesión</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Logoff user...</source>
        <translation>Cerrar sesión...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off ...</source>
        <translation>Cerrar sesión...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off</source>
        <translation>Cerrar sesión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>disconnect the network</source>
        <translation>desconectar la red</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Disconnect the network</source>
        <translation>Desconectar la red</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close all the program</source>
        <translation>cerrar todos los programas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all the program</source>
        <translation>Cerrar todos los programas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all programs</source>
        <translation>Cerrar todos los programas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>execute the program</source>
        <translation>ejecutar un programa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Execute</source>
        <translation>Ejecutar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Run a command line</source>
        <translation>Ejecutar una línea de comandos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>restart the computer</source>
        <translation>reiniciar el equipo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restart the computer</source>
        <translation>Reiniciar el equipo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>alarm message</source>
        <translation>mensaje de aviso</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the message</source>
        <translation>Mostrar el mensaje</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lock the workstation</source>
        <translation>bloquear el equipo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the workstation</source>
        <translation>Bloquear el equipo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the computer</source>
        <translation>Bloquear el equipo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sleep the computer</source>
        <translation>suspender el equipo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep the computer</source>
        <translation>Suspender el equipo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hibernate the computer</source>
        <translation>hibernar el equipo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hibernate the computer</source>
        <translation>Hibernar el equipo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hibernate</source>
        <translation>Hibernar</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <location filename="../../app/TrayMenu.cpp" line="+115"/>
        <source>The quick action &quot;%1&quot; was not armed: %2</source>
        <translation>No se ha programado la acción rápida «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Win32</name>
    <message>
        <location filename="../../platform/win32/RealWin32Api.cpp" line="+800"/>
        <source>System error %1</source>
        <translation>Error del sistema %1</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>It is a symbolic link or junction, which this program does not replace</source>
        <translation>Es un enlace simbólico o un punto de unión, que este programa no reemplaza</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Platform.cpp" line="+50"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows: the computer will not wake for the schedule until it is turned on.</source>
        <translation>«Permitir temporizadores de reactivación» está desactivado en las opciones de energía de Windows: el equipo no se reactivará para la programación hasta que se active esta opción.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows when plugged in: the computer will not wake for the schedule until it is turned on.</source>
        <translation>«Permitir temporizadores de reactivación» está desactivado en las opciones de energía de Windows cuando el equipo está conectado a la corriente: el equipo no se reactivará para la programación hasta que se active esta opción.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows on battery: the computer will not wake for the schedule until it is turned on.</source>
        <translation>«Permitir temporizadores de reactivación» está desactivado en las opciones de energía de Windows cuando el equipo funciona con batería: el equipo no se reactivará para la programación hasta que se active esta opción.</translation>
    </message>
</context>
<context>
    <name>halvo::CountdownBar</name>
    <message>
        <location filename="../../app/CountdownBar.cpp" line="+25"/>
        <source>Halvo Shutdown countdown</source>
        <translation>Cuenta atrás de Halvo Shutdown</translation>
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
        <translation>Las acciones rápidas con número %1 en %2 no se pueden leer y se omiten; las demás se han cargado.</translation>
    </message>
</context>
<context>
    <name>halvo::NewPasswordDialog</name>
    <message>
        <location filename="../../pages/PasswordDialog.cpp" line="+95"/>
        <source>Protect with a password</source>
        <translation>Proteger con contraseña</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New password:</source>
        <translation>Nueva contraseña:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Once more:</source>
        <translation>Confirmar:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>La contraseña debe tener al menos %1 caracteres.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The two passwords differ.</source>
        <translation>Las contraseñas no coinciden.</translation>
    </message>
</context>
<context>
    <name>halvo::PasswordDialog</name>
    <message>
        <location line="-97"/>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the password to %1.</source>
        <translation>Introduzca la contraseña para %1.</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+15"/>
        <source>Wrong password.</source>
        <translation>Contraseña incorrecta.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Wrong password. Try again in %n s.</source>
        <translation>
            <numerusform>Contraseña incorrecta. Vuelva a intentarlo dentro de %n s.</numerusform>
            <numerusform>Contraseña incorrecta. Vuelva a intentarlo dentro de %n s.</numerusform>
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
        <translation>Acciones rápidas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>Acción</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The name &quot;%1&quot; is given twice</source>
        <translation>El nombre «%1» está repetido</translation>
    </message>
</context>
<context>
    <name>halvo::SingleInstance</name>
    <message>
        <location filename="../../app/SingleInstance.cpp" line="+141"/>
        <source>cannot set up %1 (%2)</source>
        <translation>no se puede preparar %1 (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot create %1 (%2)</source>
        <translation>no se puede crear %1 (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read %1 (%2)</source>
        <translation>no se puede leer %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is a symbolic link</source>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it belongs to user %1</source>
        <translation>pertenece al usuario %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its mode is %1, not 0700</source>
        <translation>sus permisos son %1, no 0700</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not this user&apos;s own folder (%2); the lock and the socket are not kept there</source>
        <translation>%1 no es una carpeta propia de este usuario (%2); el archivo de bloqueo y el socket no se guardan allí</translation>
    </message>
</context>
<context>
    <name>halvo::SlidingPopup</name>
    <message>
        <location filename="../../toolkit/SlidingPopup.cpp" line="+33"/>
        <source>Halvo Shutdown notification</source>
        <translation>Notificación de Halvo Shutdown</translation>
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
Versión %1
Apaga el equipo según una programación.
</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Visit Homepage</source>
        <translation>Visitar la página web</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+12"/>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+11"/>
        <source>Schedule</source>
        <translation>Programación</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+10"/>
        <source>Option</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>about</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+2"/>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <location line="+197"/>
        <source>The help file %1 is missing</source>
        <translation>No se encuentra el archivo de ayuda %1</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>exit Halvo Shutdown</source>
        <translation>salir de Halvo Shutdown</translation>
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
        <translation>Halvo Shutdown hará que el equipo realice esta acción 
dentro de 1 minuto :</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Execute It!</source>
        <translation>¡Ejecutar ya!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Postpone %1 min</source>
        <translation>Posponer %1 min</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>cancel the action</source>
        <translation>cancelar la acción</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>postpone the action</source>
        <translation>posponer la acción</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cancel(%1)</source>
        <translation>Cancelar (%1)</translation>
    </message>
</context>
<context>
    <name>halvo::TFormGen</name>
    <message>
        <location filename="../../pages/FormGen.cpp" line="-564"/>
        <source>Do It Now!</source>
        <translation>¡Ahora mismo!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do It Now</source>
        <translation>Ejecutar ahora</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Do It at specific time</source>
        <translation>Ejecutar en un momento determinado</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+6"/>
        <source>At</source>
        <translation>A las</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After</source>
        <translation>Dentro de</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>When</source>
        <translation>Cuando</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+384"/>
        <source>for</source>
        <translation>por</translation>
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
        <translation>Elegir un programa por una de sus ventanas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add a condition that must hold as well</source>
        <translation>Añadir otra condición que también deba cumplirse</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+538"/>
        <location line="+251"/>
        <source>AM</source>
        <translation>a. m.</translation>
    </message>
    <message>
        <location line="-766"/>
        <location line="+3"/>
        <source>Hour</source>
        <translation>Hora</translation>
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
        <translation>Seg</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Set</source>
        <translation>Programar</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+582"/>
        <location line="+26"/>
        <source>Save as quick action</source>
        <translation>Guardar como acción rápida</translation>
    </message>
    <message>
        <location line="-550"/>
        <source>change the armed action</source>
        <translation>cambiar la acción programada</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Remove this condition</source>
        <translation>Quitar esta condición</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>not offered: %1</source>
        <translation>no disponible: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+54"/>
        <location line="+197"/>
        <source>PM</source>
        <translation>p. m.</translation>
    </message>
    <message>
        <location line="-242"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The delay must not be negative</source>
        <translation>El retraso no puede ser negativo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The delay is too long</source>
        <translation>El retraso es demasiado largo</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A quick action waits at least one second</source>
        <translation>Una acción rápida debe esperar al menos un segundo</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Choose an action and After, At or When first</source>
        <translation>Elija primero una acción y «Dentro de», «A las» o «Cuando»</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Name in the tray&apos;s &quot;Quick actions&quot;:</source>
        <translation>Nombre en «Acciones rápidas» del área de notificación:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Replace the quick action &quot;%1&quot;?</source>
        <translation>¿Reemplazar la acción rápida «%1»?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There are already %1 quick actions; delete one on the Option page first</source>
        <translation>Ya hay %1 acciones rápidas; elimine primero una en la página Opciones</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Saved as quick action &quot;%1&quot;</source>
        <translation>Guardada como acción rápida «%1»</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+9"/>
        <location line="+6"/>
        <source>replace the armed action</source>
        <translation>reemplazar la acción programada</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+9"/>
        <location line="+12"/>
        <source>set successfully</source>
        <translation>Programado correctamente</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cancel the armed action</source>
        <translation>cancelar la acción programada</translation>
    </message>
    <message>
        <location line="-135"/>
        <source>The time of day must lie between 12:00:00 AM and 11:59:59 PM</source>
        <translation>La hora debe estar entre las 12:00:00 a. m. y las 11:59:59 p. m.</translation>
    </message>
</context>
<context>
    <name>halvo::TFormOption</name>
    <message>
        <location filename="../../app/FormOption.cpp" line="+40"/>
        <source>start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>auto startup when windows startup</source>
        <translation>Iniciar automáticamente al iniciar la sesión</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>auto save the schedule setting</source>
        <translation>Guardar automáticamente la programación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shutdown</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>remind me before shutdown/restart/log off</source>
        <translation>Avisarme antes de apagar/reiniciar/cerrar sesión</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>wake the computer from sleep for scheduled actions</source>
        <translation>Reactivar el equipo de la suspensión para las acciones programadas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Only from sleep or hibernation: a computer that is powered off is not turned on.</source>
        <translation>Solo desde la suspensión o la hibernación: un equipo apagado no se enciende.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not available: %1</source>
        <translation>No disponible: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>keep the computer awake while an action waits</source>
        <translation>Mantener el equipo activo mientras una acción espera</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>countdown</source>
        <translation>Cuenta atrás</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>show a countdown bar at the</source>
        <translation>Barra de cuenta atrás en la</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>top of the screen</source>
        <translation>parte superior de la pantalla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom of the screen</source>
        <translation>parte inferior de la pantalla</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wayland lets no program place a bar on the screen</source>
        <translation>Wayland no permite a ningún programa colocar una barra en la pantalla</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Quick actions...</source>
        <translation>Acciones rápidas...</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel Setting</source>
        <translation>Descartar cambios</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Protect with a password</source>
        <translation>Proteger con contraseña</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change password...</source>
        <translation>Cambiar...</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>change the options</source>
        <translation>cambiar las opciones</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>remove the password</source>
        <translation>quitar la contraseña</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>change the password</source>
        <translation>cambiar la contraseña</translation>
    </message>
</context>
<context>
    <name>halvo::TFormProcessList</name>
    <message>
        <location filename="../../pages/FormProcessList.cpp" line="+21"/>
        <source>select the program</source>
        <translation>Seleccionar el programa</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>processId</source>
        <translation>Id. de proceso</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>please select item first</source>
        <translation>Seleccione primero un elemento</translation>
    </message>
</context>
<context>
    <name>halvo::TFormSch</name>
    <message>
        <location filename="../../pages/FormSch.cpp" line="+45"/>
        <source>schedule name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next run</source>
        <translation>Próxima ejecución</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>add a schedule item</source>
        <translation>añadir una entrada de programación</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>please select item</source>
        <translation>Seleccione una entrada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>change a schedule item</source>
        <translation>modificar una entrada de programación</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>please select a item</source>
        <translation>Seleccione una entrada</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>do you want to delete it?</source>
        <translation>¿Desea eliminar esta entrada?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>information</source>
        <translation>Información</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>delete a schedule item</source>
        <translation>eliminar una entrada de programación</translation>
    </message>
</context>
<context>
    <name>halvo::TFormSchWizard</name>
    <message>
        <location filename="../../model/ScheduleItemDraft.cpp" line="+13"/>
        <source>Schedule item name is null</source>
        <translation>El nombre de la entrada está vacío</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>select a task</source>
        <translation>Seleccione una tarea</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please  select the parameter of the task</source>
        <translation>Seleccione el parámetro de la tarea</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please inpute the content of message</source>
        <translation>Escriba el contenido del mensaje</translation>
    </message>
    <message>
        <location filename="../../pages/FormSchWizard.cpp" line="-173"/>
        <source>modify the scheduleItem,but _ScheduleItem=nil</source>
        <translation>Se pidió modificar una entrada, pero no hay ninguna entrada</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Wizard</source>
        <translation>Asistente</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Schedule Name:</source>
        <translation>Nombre de la entrada:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Select the task:</source>
        <translation>Seleccione la tarea:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select the Time for schedule</source>
        <translation>Seleccione la hora de ejecución</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Once</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>everyday</source>
        <translation>Cada día</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Everyweek</source>
        <translation>Cada semana</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Everymonth</source>
        <translation>Cada mes</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>complete.</source>
        <translation>Completado.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&lt;&lt;Prev</source>
        <translation>&lt;&lt;Anterior</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next&gt;&gt;</source>
        <translation>Siguiente&gt;&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>new schedule item</source>
        <translation>Nueva entrada de programación</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>modify the schedule item</source>
        <translation>Modificar la entrada de programación</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+185"/>
        <source>Complete</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <location line="-125"/>
        <source>select program</source>
        <translation>Seleccione el programa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>message content:</source>
        <translation>Contenido del mensaje:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Browse</source>
        <translation>Examinar</translation>
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
        <translation>Acciones rápidas</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cancel postponed action</source>
        <translation>Cancelar la acción pospuesta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>cancel the postponed action</source>
        <translation>cancelar la acción pospuesta</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>replace the armed action</source>
        <translation>reemplazar la acción programada</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>postponed: %1</source>
        <translation>pospuesta: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../app/main.cpp" line="+45"/>
        <source>cannot start without a display (%1)</source>
        <translation>no se puede iniciar sin una pantalla (%1)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>standard input</source>
        <translation>la entrada estándar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot read the password from %1 (%2)</source>
        <translation>no se puede leer la contraseña de %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no password in %1</source>
        <translation>no hay ninguna contraseña en %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot start the program</source>
        <translation>no se puede iniciar el programa</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no running copy could be reached</source>
        <translation>no se pudo contactar con ninguna instancia en ejecución</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the running copy did not answer</source>
        <translation>la instancia en ejecución no respondió</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>refused: %1</source>
        <translation>petición rechazada: %1</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>another copy is running but does not answer</source>
        <translation>hay otra instancia en ejecución, pero no responde</translation>
    </message>
</context>
</TS>

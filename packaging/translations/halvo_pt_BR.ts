<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Activity</name>
    <message>
        <location filename="../../platform/linux/LinuxActivity.cpp" line="+46"/>
        <source>Neither the X server nor the desktop (GNOME or KDE) tells how long the user has been idle</source>
        <translation>Nem o servidor X nem o ambiente de trabalho (GNOME ou KDE) informam há quanto tempo o usuário está inativo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../platform/win32/Win32Activity.cpp" line="+97"/>
        <source>This computer has no battery</source>
        <translation>Este computador não tem bateria</translation>
    </message>
    <message>
        <location line="+249"/>
        <source>%1 has a line that cannot be read: %2</source>
        <translation>%1 contém uma linha que não pode ser lida: %2</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>UPower is not running, so the battery cannot be read</source>
        <translation>O UPower não está em execução; por isso, não é possível ler a bateria</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPower did not answer: %1</source>
        <translation>O UPower não respondeu: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UPower does not tell the battery&apos;s charge</source>
        <translation>O UPower não informa a carga da bateria</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+9"/>
        <source>No process with id %1 is running</source>
        <translation>Nenhum processo com o ID %1 está em execução</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Process %1 belongs to another user</source>
        <translation>O processo %1 pertence a outro usuário</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Process %1 cannot be watched: %2</source>
        <translation>Não é possível monitorar o processo %1: %2</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Activity.cpp" line="-2"/>
        <source>The system does not know the battery&apos;s state</source>
        <translation>O sistema não informa o estado da bateria</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The system does not know the battery&apos;s charge</source>
        <translation>O sistema não informa a carga da bateria</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The system does not know whether the computer runs on battery</source>
        <translation>O sistema não informa se o computador está funcionando na bateria</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>There is no process with the id %1</source>
        <translation>Não há nenhum processo com o ID %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The process %1 belongs to another user</source>
        <translation>O processo %1 pertence a outro usuário</translation>
    </message>
</context>
<context>
    <name>Agenda</name>
    <message>
        <location filename="../../model/Agenda.cpp" line="+44"/>
        <source>in its reminder</source>
        <translation>com o lembrete aberto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in its reminder, due at %1</source>
        <translation>com o lembrete aberto, previsto para %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Missed while the computer was asleep: %1 at %2</source>
        <translation>Não executado porque o computador estava suspenso: %1 às %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed while the clock changed: %1 at %2</source>
        <translation>Não executado porque o relógio foi alterado: %1 às %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(due at %1)</source>
        <translation>(previsto para %1)</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>&apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../../model/NextRun.cpp" line="+140"/>
        <source>in %1 s</source>
        <translation>em %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 min</source>
        <translation>em %1 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 h %2 min</source>
        <translation>em %1 h %2 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 h</source>
        <translation>em %1 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in %1 d %2 h</source>
        <translation>em %1 d %2 h</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 d</source>
        <translation>em %1 d</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>at %1 (%2)</source>
        <translation>às %1 (%2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 at %2, in %3 minutes</source>
        <translation>%1 às %2, daqui a %3 minutos</translation>
    </message>
</context>
<context>
    <name>AwakeKeeper</name>
    <message>
        <location filename="../../core/AwakeKeeper.cpp" line="+78"/>
        <source>Keeping the computer awake until: %1</source>
        <translation>Mantendo o computador ativo até: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../model/CommandLine.cpp" line="+210"/>
        <source>the password is given once (see --help)</source>
        <translation>a senha só pode ser informada uma vez (veja --help)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>missing FILE after --password-file</source>
        <translation>falta FILE após --password-file</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the password is never taken as an argument: give --password - (read from standard input) or --password-file FILE</source>
        <translation>a senha nunca é aceita como argumento: use --password - (leitura da entrada padrão) ou --password-file FILE</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the password goes with a request to the running copy (see --help)</source>
        <translation>a senha só acompanha um pedido para a instância em execução (veja --help)</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+96"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>argumento inesperado &apos;%1&apos; (veja --help)</translation>
    </message>
    <message>
        <location line="-87"/>
        <source>missing TASK after %1 (one of %2)</source>
        <translation>falta TASK após %1 (uma de: %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--when goes with a TASK alone, not with %1 (see --help)</source>
        <translation>--when só pode ser usado com uma TASK, não com %1 (veja --help)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown task &apos;%1&apos; (one of %2)</source>
        <translation>tarefa desconhecida &apos;%1&apos; (uma de: %2)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>missing NAME after --quick (see --status for the saved quick actions)</source>
        <translation>falta NAME após --quick (veja --status para as ações rápidas salvas)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bad NAME after --quick: a name holds no line breaks</source>
        <translation>NAME inválido após --quick: um nome não pode conter quebras de linha</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>missing DURATION after --in (e.g. 90s, 45m, 1h30m)</source>
        <translation>falta DURATION após --in (ex.: 90s, 45m, 1h30m)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad duration &apos;%1&apos; (e.g. 90s, 45m, 1h30m)</source>
        <translation>duração inválida &apos;%1&apos; (ex.: 90s, 45m, 1h30m)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>missing time after --at (HH:MM or HH:MM:SS)</source>
        <translation>falta o horário após --at (HH:MM ou HH:MM:SS)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad time &apos;%1&apos; (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>horário inválido &apos;%1&apos; (HH:MM ou HH:MM:SS, de 00:00 a 23:59:59)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>missing CONDITION after --when (one of %1)</source>
        <translation>falta CONDITION após --when (uma de: %1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>opção desconhecida &apos;%1&apos; (veja --help)</translation>
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
Sem uma opção, inicia o Halvo Shutdown na área de notificação (ou mostra a instância em execução).

  --now TASK            executa TASK imediatamente
  --in DURATION TASK    executa TASK após DURATION (90s, 45m, 1h30m), anunciada pelo lembrete
  --at HH:MM[:SS] TASK  executa TASK nesse horário do dia, anunciada pelo lembrete
  --when CONDITION TASK executa TASK quando CONDITION for satisfeita, anunciada pelo lembrete; com vários
                        --when CONDITION antes de TASK, todas devem ser satisfeitas. CONDITION é uma de:
%1                        (minutos como 30m, 2h ou 1h30m, até 24h)
  --cancel              cancela a ação programada e qualquer ação adiada, e fecha os seus
                        lembretes
  --quick NAME          programa a ação rápida salva NAME, como faria o botão Definir da página Geral
  --status              mostra o que está programado, adiado ou anunciado por um lembrete aberto, as
                        próximas execuções do agendamento e as ações rápidas salvas
  --show                mostra a janela
  --tray                inicia na área de notificação, ou deixa a instância em execução como está
  --password-file FILE  para um pedido protegido pela senha, lê a senha da primeira linha de FILE
  --password -          o mesmo, lendo a senha da entrada padrão
  --help                mostra este texto
  --version             mostra a versão

TASK é uma de: %2
A instância em execução atende ao pedido; se não houver nenhuma, uma é iniciada na área de
notificação. Status de saída: 0 concluído, 1 instância inacessível ou pedido recusado, 2 argumentos inválidos.
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
        <translation>não é uma ação que possa ser programada</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>the conditions could not be read in time</source>
        <translation>não foi possível ler as condições a tempo</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>not a request for the running copy</source>
        <translation>não é um pedido para a instância em execução</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>no quick action named &apos;%1&apos;</source>
        <translation>nenhuma ação rápida chamada &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>General: nothing armed</source>
        <translation>Geral: nenhuma ação programada</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>General: %1</source>
        <translation>Geral: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Postponed: %1</source>
        <translation>Adiada: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no task</source>
        <translation>nenhuma tarefa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2 %3</source>
        <translation>Agendamento &apos;%1&apos;: %2 %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2, no further run</source>
        <translation>Agendamento &apos;%1&apos;: %2, sem próximas execuções</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Schedule: no items</source>
        <translation>Agendamento: nenhum item</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quick action &apos;%1&apos;: %2</source>
        <translation>Ação rápida &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location filename="../../core/Commands.h" line="+35"/>
        <source>a password protects this; give it with --password-file FILE or --password - (read from standard input)</source>
        <translation>isto é protegido por senha; informe-a com --password-file FILE ou --password - (leitura da entrada padrão)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong password</source>
        <translation>senha incorreta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>too many wrong passwords; try again in %1 s</source>
        <translation>muitas senhas incorretas; tente novamente em %1 s</translation>
    </message>
</context>
<context>
    <name>Conditions</name>
    <message>
        <location filename="../../model/ConditionRule.cpp" line="+28"/>
        <source>reading failed: %1</source>
        <translation>falha na leitura: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../model/ConditionWatch.cpp" line="+128"/>
        <source>no reason given</source>
        <translation>nenhum motivo informado</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>measuring</source>
        <translation>medindo</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>now %1%</source>
        <translation>agora %1%</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>now %1 KB/s</source>
        <translation>agora %1 KB/s</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>idle %1 s</source>
        <translation>inativo há %1 s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>idle %1 min</source>
        <translation>inativo há %1 min</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the battery&apos;s charge is unknown</source>
        <translation>a carga da bateria é desconhecida</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>battery %1%</source>
        <translation>bateria %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery %1%, charging</source>
        <translation>bateria %1%, carregando</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ended</source>
        <translation>encerrado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>running</source>
        <translation>em execução</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 running</source>
        <translation>%1 em execução</translation>
    </message>
    <message>
        <location filename="../../model/Conditions.cpp" line="+17"/>
        <source>minutes must be 1m to 24h, like 30m or 2h</source>
        <translation>os minutos devem ficar entre 1m e 24h, como 30m ou 2h</translation>
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
        <translation>falta o nome do programa ou o ID do processo (exit:NAME ou exit:PID)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>every process running the program NAME, or the
process PID, has ended</source>
        <translation>todos os processos do programa NAME, ou o
processo PID, terminaram</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program exits</source>
        <translation>o programa termina</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when {1} exits</source>
        <translation>quando {1} terminar</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>idle:MINUTES, like idle:30m</source>
        <translation>idle:MINUTES, como idle:30m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no keyboard or mouse input for 30 minutes</source>
        <translation>nenhuma ação no teclado ou no mouse por 30 minutos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the user is idle for</source>
        <translation>o usuário está inativo por</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the user is idle for {1} min</source>
        <translation>quando o usuário ficar inativo por {1} min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the processor&apos;s percent must be 1% to 100%</source>
        <translation>a porcentagem do processador deve ficar entre 1% e 100%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cpu:PERCENT%:MINUTES, like cpu:10%:5m</source>
        <translation>cpu:PERCENT%:MINUTES, como cpu:10%:5m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the processor below 10% for 5 minutes</source>
        <translation>o processador abaixo de 10% por 5 minutos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the processor is below</source>
        <translation>o processador está abaixo de</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the processor is below {1}% for {2} min</source>
        <translation>quando o processador ficar abaixo de {1}% por {2} min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M</source>
        <translation>a taxa deve ser em KB/s, como 50k, ou em MB/s, como 2M, de 1k a 10240M</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>net:RATE:MINUTES, like net:50k:5m or net:2M:5m</source>
        <translation>net:RATE:MINUTES, como net:50k:5m ou net:2M:5m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network below 50 KB/s or 2 MB/s for 5 minutes</source>
        <translation>a rede abaixo de 50 KB/s ou 2 MB/s por 5 minutos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network is below</source>
        <translation>a rede está abaixo de</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the network is below {1} KB/s for {2} min</source>
        <translation>quando a rede ficar abaixo de {1} KB/s por {2} min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the battery&apos;s percent must be 1% to 99%</source>
        <translation>a porcentagem da bateria deve ficar entre 1% e 99%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery:PERCENT%, like battery:15%</source>
        <translation>battery:PERCENT%, como battery:15%</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>on battery, at 15% or less</source>
        <translation>na bateria, com 15% ou menos</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the battery is below</source>
        <translation>a bateria está abaixo de</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the battery is below {1}%</source>
        <translation>quando a bateria ficar abaixo de {1}%</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>the process id must be 1 to 4294967295</source>
        <translation>o ID do processo deve ficar entre 1 e 4294967295</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the program&apos;s name goes without its folder</source>
        <translation>o nome do programa deve ser informado sem a pasta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the program&apos;s name holds a control character</source>
        <translation>o nome do programa contém um caractere de controle</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>bad condition &apos;%1&apos;: %2</source>
        <translation>condição inválida &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>unknown condition &apos;%1&apos; (one of %2)</source>
        <translation>condição desconhecida &apos;%1&apos; (uma de: %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>expected %1</source>
        <translation>esperado: %1</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>the process %1</source>
        <translation>o processo %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program %1</source>
        <translation>o programa %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <location filename="../../model/ConditionWatch.cpp" line="-71"/>
        <source>%1 is not running</source>
        <translation>%1 não está em execução</translation>
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
        <translation>não é possível monitorar o processo %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../pages/FormGen.cpp" line="-20"/>
        <source>cannot tell %1: %2</source>
        <translation>não é possível detectar %1: %2</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <location filename="../../platform/linux/DesktopSession.cpp" line="+70"/>
        <source>blocked by %1: %2</source>
        <translation>bloqueado por %1: %2</translation>
    </message>
    <message>
        <location line="+91"/>
        <location line="+9"/>
        <source>no login session of this user is known</source>
        <translation>não foi encontrada nenhuma sessão de login deste usuário</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../../platform/linux/Files.cpp" line="+84"/>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>It is a symbolic link made by another user</source>
        <translation>É um link simbólico criado por outro usuário</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link that leads to no file (%1)</source>
        <translation>É um link simbólico que não aponta para nenhum arquivo (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>It is a symbolic link to %1, which is not a regular file</source>
        <translation>É um link simbólico para %1, que não é um arquivo comum</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link to %1, which belongs to another user</source>
        <translation>É um link simbólico para %1, que pertence a outro usuário</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It is not a regular file</source>
        <translation>Não é um arquivo comum</translation>
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
        <translation>Segunda-feira</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Friday</source>
        <translation>Sexta-feira</translation>
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
        <translation>as aspas não foram fechadas</translation>
    </message>
    <message>
        <location filename="../../platform/linux/Launcher.cpp" line="-211"/>
        <location line="+216"/>
        <location line="+20"/>
        <source>cannot run %1: %2</source>
        <translation>não é possível executar %1: %2</translation>
    </message>
    <message>
        <location line="-229"/>
        <source>not executable: %1</source>
        <translation>não é executável: %1</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>no program given</source>
        <translation>nenhum programa informado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>folder not found: %1</source>
        <translation>pasta não encontrada: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>program not found on PATH: %1</source>
        <translation>programa não encontrado no PATH: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>program not found: %1</source>
        <translation>programa não encontrado: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no application to open %1 (xdg-open is missing)</source>
        <translation>nenhum aplicativo para abrir %1 (xdg-open não foi encontrado)</translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <location filename="../../platform/linux/LinuxPlatform.cpp" line="+150"/>
        <source>KWin did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>O KWin não listou suas janelas: só são detectadas as janelas de programas X11.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>sway did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>O sway não listou suas janelas: só são detectadas as janelas de programas X11.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The windows of this desktop cannot be listed: install the &quot;Window Calls&quot; extension of GNOME Shell and switch it on. Until then only the windows of X11 programs are seen.</source>
        <translation>Não é possível listar as janelas deste ambiente de trabalho: instale a extensão &quot;Window Calls&quot; do GNOME Shell e ative-a. Até lá, só são detectadas as janelas de programas X11.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This desktop lists its windows to no other program: only the windows of X11 programs are seen.</source>
        <translation>Este ambiente de trabalho não fornece a lista de suas janelas a outros programas: só são detectadas as janelas de programas X11.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>1 window is left out: the desktop does not say which program shows it.</source>
        <translation>1 janela foi deixada de fora: o ambiente de trabalho não informa qual programa a exibe.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 windows are left out: the desktop does not say which programs show them.</source>
        <translation>%1 janelas foram deixadas de fora: o ambiente de trabalho não informa quais programas as exibem.</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PasswordGuard</name>
    <message>
        <location filename="../../core/PasswordGuard.cpp" line="+75"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>A senha deve ter pelo menos %1 caracteres.</translation>
    </message>
</context>
<context>
    <name>PowerHolds</name>
    <message>
        <location filename="../../platform/linux/PowerHolds.cpp" line="+191"/>
        <source>The wake helper %1 is not installed with the program.</source>
        <translation>O auxiliar de despertar %1 não está instalado com o programa.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The wake helper cannot set an alarm: %1. It needs the capability CAP_WAKE_ALARM, which the program&apos;s package gives it.</source>
        <translation>O auxiliar de despertar não consegue definir um alarme: %1. Ele precisa da capacidade CAP_WAKE_ALARM, que o pacote do programa lhe concede.</translation>
    </message>
</context>
<context>
    <name>QuickActions</name>
    <message>
        <location filename="../../model/QuickActions.cpp" line="+87"/>
        <source>The name must not be empty</source>
        <translation>O nome não pode ficar vazio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name must be at most %1 characters long</source>
        <translation>O nome deve ter no máximo %1 caracteres</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The name must not hold quotes or line breaks</source>
        <translation>O nome não pode conter aspas nem quebras de linha</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <location filename="../../core/Reminders.cpp" line="+73"/>
        <source>Reminder: %1 in %2 s</source>
        <translation>Lembrete: %1 em %2 s</translation>
    </message>
</context>
<context>
    <name>RunValue</name>
    <message>
        <location filename="../../model/RunValue.cpp" line="+19"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de dados inválido para &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Falha ao definir os dados de &apos;%1&apos;</translation>
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
        <translation>Não é possível gravar em %1</translation>
    </message>
    <message>
        <location filename="../../model/DataFolder.cpp" line="+47"/>
        <source>The program folder %1 cannot be written to, so the settings and the schedule are kept in %2 instead.</source>
        <translation>Não é possível gravar na pasta do programa %1; por isso, as configurações e o agendamento são mantidos em %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The settings file %1 cannot be read: %2. The settings start from their defaults.</source>
        <translation>Não é possível ler o arquivo de configurações %1: %2. As configurações voltam aos valores padrão.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The settings file %1 cannot be written: %2. Changes to the settings will not be kept.</source>
        <translation>Não é possível gravar o arquivo de configurações %1: %2. As alterações nas configurações não serão mantidas.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The schedule file %1 cannot be written: %2. Changes to the schedule will not be kept.</source>
        <translation>Não é possível gravar o arquivo de agendamento %1: %2. As alterações no agendamento não serão mantidas.</translation>
    </message>
    <message>
        <location filename="../../model/Schedule.cpp" line="-151"/>
        <source>%1 item</source>
        <translation>%1 item</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 items</source>
        <translation>%1 itens</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot be read (%1)</source>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 and a part that cannot be read</source>
        <translation>%1 e uma parte que não pode ser lida</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Copies of the stored schedule, newest first:</source>
        <translation>Cópias do agendamento armazenado, da mais recente para a mais antiga:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2, the file as this run found it</source>
        <translation>%1: %2, o arquivo como esta execução o encontrou</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2, an earlier copy</source>
        <translation>%1: %2, uma cópia anterior</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não é possível abrir o arquivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The schedule file %1 holds %2, but %3 counted %4. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>O arquivo de agendamento %1 contém %2, mas %3 registrava %4. Todos foram carregados, e a contagem será corrigida na próxima vez que o agendamento for salvo.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The schedule file %1 holds %2, but %3 held no count. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>O arquivo de agendamento %1 contém %2, mas %3 não registrava nenhuma contagem. Todos foram carregados, e a contagem será corrigida na próxima vez que o agendamento for salvo.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cannot create file &quot;%1&quot;. It would hold %2, fewer than the %3 loaded and not deleted since; the stored file is left as it was.</source>
        <translation>Não é possível criar o arquivo &quot;%1&quot;. Ele conteria %2, menos que os %3 carregados e não excluídos desde então; o arquivo armazenado foi mantido como estava.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2</source>
        <translation>Não é possível criar o arquivo &quot;%1&quot;. Não foi possível manter o arquivo anterior como %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2: %3</source>
        <translation>Não é possível criar o arquivo &quot;%1&quot;. Não foi possível manter o arquivo anterior como %2: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Não é possível criar o arquivo &quot;%1&quot;. %2</translation>
    </message>
</context>
<context>
    <name>ScheduleFile</name>
    <message>
        <location filename="../../model/ScheduleFile.cpp" line="+37"/>
        <source>Stream read error</source>
        <translation>Erro de leitura do fluxo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid stream format</source>
        <translation>Formato de fluxo inválido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Error reading %1.%2: %3</source>
        <translation>Erro ao ler %1.%2: %3</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>Property %1 does not exist</source>
        <translation>A propriedade %1 não existe</translation>
    </message>
</context>
<context>
    <name>Tasks</name>
    <message>
        <location filename="../../model/ProcessRoutines.cpp" line="+40"/>
        <source>Close all programs could not see every window.
%1</source>
        <translation>&quot;Fechar todos os programas&quot; não conseguiu ver todas as janelas.
%1</translation>
    </message>
    <message>
        <location filename="../../model/Tasks.cpp" line="-136"/>
        <source>%1 failed</source>
        <translation>Falha ao executar &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 failed: %2</source>
        <translation>Falha ao executar &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>not available on this computer</source>
        <translation>indisponível neste computador</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>shutdown the computer</source>
        <translation>desligar o computador</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shutdown the Computer</source>
        <translation>Desligar o computador</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the system</source>
        <translation>Desligar o sistema</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the computer</source>
        <translation>Desligar o computador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turn off the computer</source>
        <translation>desligar a energia do computador</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trun off the computer</source>
        <translation>Desligar a energia do computador</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Power off the computer</source>
        <translation>Desligar a energia do computador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close the program</source>
        <translation>fechar o programa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close program</source>
        <translation>Fechar programa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close the program</source>
        <translation>Fechar o programa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>start the screensaver</source>
        <translation>iniciar a proteção de tela</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start the screensaver</source>
        <translation>Iniciar a proteção de tela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>log off  user</source>
        <translation>encerrar a sessão do usuário</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Logoff user...</source>
        <translation>Encerrar sessão do usuário...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off ...</source>
        <translation>Encerrar sessão ...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off</source>
        <translation>Encerrar sessão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>disconnect the network</source>
        <translation>desconectar a rede</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Disconnect the network</source>
        <translation>Desconectar a rede</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close all the program</source>
        <translation>fechar todos os programas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all the program</source>
        <translation>Fechar todos os programas</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all programs</source>
        <translation>Fechar todos os programas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>execute the program</source>
        <translation>executar o programa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Execute</source>
        <translation>Executar</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Run a command line</source>
        <translation>Executar uma linha de comando</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>restart the computer</source>
        <translation>reiniciar o computador</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restart the computer</source>
        <translation>Reiniciar o computador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>alarm message</source>
        <translation>mensagem de alarme</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the message</source>
        <translation>Mostrar a mensagem</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lock the workstation</source>
        <translation>bloquear a estação de trabalho</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the workstation</source>
        <translation>Bloquear a estação de trabalho</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the computer</source>
        <translation>Bloquear o computador</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sleep the computer</source>
        <translation>suspender o computador</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep the computer</source>
        <translation>Suspender o computador</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep</source>
        <translation>Suspender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hibernate the computer</source>
        <translation>hibernar o computador</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hibernate the computer</source>
        <translation>Hibernar o computador</translation>
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
        <translation>A ação rápida &quot;%1&quot; não foi programada: %2</translation>
    </message>
</context>
<context>
    <name>Win32</name>
    <message>
        <location filename="../../platform/win32/RealWin32Api.cpp" line="+800"/>
        <source>System error %1</source>
        <translation>Erro do sistema %1</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>It is a symbolic link or junction, which this program does not replace</source>
        <translation>É um link simbólico ou uma junção, que este programa não substitui</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Platform.cpp" line="+50"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows: the computer will not wake for the schedule until it is turned on.</source>
        <translation>A opção &quot;Permitir temporizadores de ativação&quot; está desativada nas Opções de Energia do Windows: o computador não despertará para o agendamento enquanto ela não for ativada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows when plugged in: the computer will not wake for the schedule until it is turned on.</source>
        <translation>A opção &quot;Permitir temporizadores de ativação&quot; está desativada nas Opções de Energia do Windows para quando o computador está conectado à tomada: o computador não despertará para o agendamento enquanto ela não for ativada.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows on battery: the computer will not wake for the schedule until it is turned on.</source>
        <translation>A opção &quot;Permitir temporizadores de ativação&quot; está desativada nas Opções de Energia do Windows para quando o computador está na bateria: o computador não despertará para o agendamento enquanto ela não for ativada.</translation>
    </message>
</context>
<context>
    <name>halvo::CountdownBar</name>
    <message>
        <location filename="../../app/CountdownBar.cpp" line="+25"/>
        <source>Halvo Shutdown countdown</source>
        <translation>Contagem regressiva do Halvo Shutdown</translation>
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
        <translation>Não é possível ler as ações rápidas de número %1 em %2; elas foram ignoradas e as demais foram carregadas.</translation>
    </message>
</context>
<context>
    <name>halvo::NewPasswordDialog</name>
    <message>
        <location filename="../../pages/PasswordDialog.cpp" line="+95"/>
        <source>Protect with a password</source>
        <translation>Proteger com senha</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New password:</source>
        <translation>Nova senha:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Once more:</source>
        <translation>Confirmar senha:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>A senha deve ter pelo menos %1 caracteres.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The two passwords differ.</source>
        <translation>As senhas não coincidem.</translation>
    </message>
</context>
<context>
    <name>halvo::PasswordDialog</name>
    <message>
        <location line="-97"/>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the password to %1.</source>
        <translation>Digite a senha para %1.</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+15"/>
        <source>Wrong password.</source>
        <translation>Senha incorreta.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Wrong password. Try again in %n s.</source>
        <translation>
            <numerusform>Senha incorreta. Tente novamente em %n s.</numerusform>
            <numerusform>Senha incorreta. Tente novamente em %n s.</numerusform>
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
        <translation>Ações rápidas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>Ação</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The name &quot;%1&quot; is given twice</source>
        <translation>O nome &quot;%1&quot; aparece duas vezes</translation>
    </message>
</context>
<context>
    <name>halvo::SingleInstance</name>
    <message>
        <location filename="../../app/SingleInstance.cpp" line="+141"/>
        <source>cannot set up %1 (%2)</source>
        <translation>não é possível configurar %1 (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot create %1 (%2)</source>
        <translation>não é possível criar %1 (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read %1 (%2)</source>
        <translation>não é possível ler %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is a symbolic link</source>
        <translation>é um link simbólico</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it belongs to user %1</source>
        <translation>pertence ao usuário %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its mode is %1, not 0700</source>
        <translation>suas permissões são %1, não 0700</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not this user&apos;s own folder (%2); the lock and the socket are not kept there</source>
        <translation>%1 não é uma pasta exclusiva deste usuário (%2); o bloqueio e o socket não são mantidos nela</translation>
    </message>
</context>
<context>
    <name>halvo::SlidingPopup</name>
    <message>
        <location filename="../../toolkit/SlidingPopup.cpp" line="+33"/>
        <source>Halvo Shutdown notification</source>
        <translation>Notificação do Halvo Shutdown</translation>
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
Versão %1
Desliga o computador conforme um agendamento.
</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Visit Homepage</source>
        <translation>Visitar o site</translation>
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
        <translation>Arquivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+12"/>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+11"/>
        <source>Schedule</source>
        <translation>Agendamento</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+10"/>
        <source>Option</source>
        <translation>Opções</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>about</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>About</source>
        <translation>Sobre</translation>
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
        <translation>O arquivo de ajuda %1 não foi encontrado</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>exit Halvo Shutdown</source>
        <translation>sair do Halvo Shutdown</translation>
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
        <translation>O computador executará esta ação 
daqui a 1 minuto :</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Execute It!</source>
        <translation>Executar!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Postpone %1 min</source>
        <translation>Adiar %1 min</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>cancel the action</source>
        <translation>cancelar a ação</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>postpone the action</source>
        <translation>adiar a ação</translation>
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
        <translation>Executar agora!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do It Now</source>
        <translation>Executar agora</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Do It at specific time</source>
        <translation>Executar em um momento definido</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+6"/>
        <source>At</source>
        <translation>Às</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After</source>
        <translation>Após</translation>
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
        <translation>Escolher um programa por uma de suas janelas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add a condition that must hold as well</source>
        <translation>Adicionar outra condição que também deve ser satisfeita</translation>
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
        <translation>Definir</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+582"/>
        <location line="+26"/>
        <source>Save as quick action</source>
        <translation>Salvar como ação rápida</translation>
    </message>
    <message>
        <location line="-550"/>
        <source>change the armed action</source>
        <translation>alterar a ação programada</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>and</source>
        <translation>e</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Remove this condition</source>
        <translation>Remover esta condição</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>not offered: %1</source>
        <translation>indisponível: %1</translation>
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
        <translation>&apos;%1&apos; não é um número inteiro válido</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The delay must not be negative</source>
        <translation>O atraso não pode ser negativo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The delay is too long</source>
        <translation>O atraso é longo demais</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A quick action waits at least one second</source>
        <translation>Uma ação rápida deve aguardar pelo menos um segundo</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Choose an action and After, At or When first</source>
        <translation>Escolha primeiro uma ação e Após, Às ou Quando</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Name in the tray&apos;s &quot;Quick actions&quot;:</source>
        <translation>Nome em &quot;Ações rápidas&quot; na bandeja:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Replace the quick action &quot;%1&quot;?</source>
        <translation>Substituir a ação rápida &quot;%1&quot;?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There are already %1 quick actions; delete one on the Option page first</source>
        <translation>Já existem %1 ações rápidas; exclua uma na página Opções primeiro</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Saved as quick action &quot;%1&quot;</source>
        <translation>Salva como ação rápida &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+9"/>
        <location line="+6"/>
        <source>replace the armed action</source>
        <translation>substituir a ação programada</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+9"/>
        <location line="+12"/>
        <source>set successfully</source>
        <translation>Definido com sucesso</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cancel the armed action</source>
        <translation>cancelar a ação programada</translation>
    </message>
    <message>
        <location line="-135"/>
        <source>The time of day must lie between 12:00:00 AM and 11:59:59 PM</source>
        <translation>A hora do dia deve estar entre 12:00:00 AM e 11:59:59 PM</translation>
    </message>
</context>
<context>
    <name>halvo::TFormOption</name>
    <message>
        <location filename="../../app/FormOption.cpp" line="+40"/>
        <source>start</source>
        <translation>Inicialização</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>auto startup when windows startup</source>
        <translation>Iniciar automaticamente com o sistema</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>auto save the schedule setting</source>
        <translation>Salvar o agendamento automaticamente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shutdown</source>
        <translation>Desligamento</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>remind me before shutdown/restart/log off</source>
        <translation>Avisar antes de desligar/reiniciar/encerrar a sessão</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>wake the computer from sleep for scheduled actions</source>
        <translation>Despertar o computador da suspensão para ações agendadas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Only from sleep or hibernation: a computer that is powered off is not turned on.</source>
        <translation>Somente da suspensão ou hibernação: um computador desligado não é ligado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not available: %1</source>
        <translation>Indisponível: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>keep the computer awake while an action waits</source>
        <translation>Manter o computador ativo enquanto uma ação aguarda</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>countdown</source>
        <translation>Contagem regressiva</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>show a countdown bar at the</source>
        <translation>Barra de contagem regressiva na</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>top of the screen</source>
        <translation>parte superior da tela</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom of the screen</source>
        <translation>parte inferior da tela</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wayland lets no program place a bar on the screen</source>
        <translation>O Wayland não permite que programas posicionem uma barra na tela</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Quick actions...</source>
        <translation>Ações rápidas...</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel Setting</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Protect with a password</source>
        <translation>Proteger com senha</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change password...</source>
        <translation>Alterar senha...</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>change the options</source>
        <translation>alterar as opções</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>remove the password</source>
        <translation>remover a senha</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>change the password</source>
        <translation>alterar a senha</translation>
    </message>
</context>
<context>
    <name>halvo::TFormProcessList</name>
    <message>
        <location filename="../../pages/FormProcessList.cpp" line="+21"/>
        <source>select the program</source>
        <translation>Selecionar o programa</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>window</source>
        <translation>Janela</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>processId</source>
        <translation>ID do processo</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>please select item first</source>
        <translation>Selecione um item primeiro</translation>
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
        <translation>Tarefa</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next run</source>
        <translation>Próxima execução</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>modify</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>add a schedule item</source>
        <translation>adicionar um item de agendamento</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>please select item</source>
        <translation>Selecione um item</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>change a schedule item</source>
        <translation>alterar um item de agendamento</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>please select a item</source>
        <translation>Selecione um item</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>do you want to delete it?</source>
        <translation>Deseja excluir este item?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>delete a schedule item</source>
        <translation>excluir um item de agendamento</translation>
    </message>
</context>
<context>
    <name>halvo::TFormSchWizard</name>
    <message>
        <location filename="../../model/ScheduleItemDraft.cpp" line="+13"/>
        <source>Schedule item name is null</source>
        <translation>O nome do item de agendamento está vazio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>select a task</source>
        <translation>Selecione uma tarefa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please  select the parameter of the task</source>
        <translation>Selecione o parâmetro da tarefa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please inpute the content of message</source>
        <translation>Digite o conteúdo da mensagem</translation>
    </message>
    <message>
        <location filename="../../pages/FormSchWizard.cpp" line="-173"/>
        <source>modify the scheduleItem,but _ScheduleItem=nil</source>
        <translation>Não há nenhum item de agendamento para modificar</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Wizard</source>
        <translation>Assistente</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Schedule Name:</source>
        <translation>Nome do agendamento:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Select the task:</source>
        <translation>Selecione a tarefa:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select the Time for schedule</source>
        <translation>Selecione o horário do agendamento</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Once</source>
        <translation>Uma vez</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>everyday</source>
        <translation>Todos os dias</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Everyweek</source>
        <translation>Toda semana</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Everymonth</source>
        <translation>Todo mês</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>complete.</source>
        <translation>Concluído.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&lt;&lt;Prev</source>
        <translation>&lt;&lt;Voltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next&gt;&gt;</source>
        <translation>Avançar&gt;&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>new schedule item</source>
        <translation>Novo item de agendamento</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>modify the schedule item</source>
        <translation>Modificar item de agendamento</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+185"/>
        <source>Complete</source>
        <translation>Concluir</translation>
    </message>
    <message>
        <location line="-125"/>
        <source>select program</source>
        <translation>Selecione o programa</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>message content:</source>
        <translation>Conteúdo da mensagem:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Browse</source>
        <translation>Procurar</translation>
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
        <translation>Ações rápidas</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cancel postponed action</source>
        <translation>Cancelar ação adiada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>cancel the postponed action</source>
        <translation>cancelar a ação adiada</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>replace the armed action</source>
        <translation>substituir a ação programada</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>postponed: %1</source>
        <translation>adiada: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../app/main.cpp" line="+45"/>
        <source>cannot start without a display (%1)</source>
        <translation>não é possível iniciar sem uma tela (%1)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>standard input</source>
        <translation>entrada padrão</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot read the password from %1 (%2)</source>
        <translation>não é possível ler a senha de %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no password in %1</source>
        <translation>não há senha em %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot start the program</source>
        <translation>não é possível iniciar o programa</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no running copy could be reached</source>
        <translation>não foi possível contatar nenhuma instância em execução</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the running copy did not answer</source>
        <translation>a instância em execução não respondeu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>refused: %1</source>
        <translation>recusado: %1</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>another copy is running but does not answer</source>
        <translation>outra instância está em execução, mas não responde</translation>
    </message>
</context>
</TS>

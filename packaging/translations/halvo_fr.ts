<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Activity</name>
    <message>
        <location filename="../../platform/linux/LinuxActivity.cpp" line="+46"/>
        <source>Neither the X server nor the desktop (GNOME or KDE) tells how long the user has been idle</source>
        <translation>Ni le serveur X ni l&apos;environnement de bureau (GNOME ou KDE) n&apos;indiquent depuis combien de temps l&apos;utilisateur est inactif</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../platform/win32/Win32Activity.cpp" line="+97"/>
        <source>This computer has no battery</source>
        <translation>Cet ordinateur n&apos;a pas de batterie</translation>
    </message>
    <message>
        <location line="+249"/>
        <source>%1 has a line that cannot be read: %2</source>
        <translation>%1 contient une ligne illisible&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>UPower is not running, so the battery cannot be read</source>
        <translation>UPower n&apos;est pas lancé, la batterie ne peut donc pas être lue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPower did not answer: %1</source>
        <translation>UPower n&apos;a pas répondu&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UPower does not tell the battery&apos;s charge</source>
        <translation>UPower n&apos;indique pas la charge de la batterie</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+9"/>
        <source>No process with id %1 is running</source>
        <translation>Aucun processus avec l&apos;identifiant %1 n&apos;est en cours d&apos;exécution</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Process %1 belongs to another user</source>
        <translation>Le processus %1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Process %1 cannot be watched: %2</source>
        <translation>Impossible de surveiller le processus %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Activity.cpp" line="-2"/>
        <source>The system does not know the battery&apos;s state</source>
        <translation>Le système ne connaît pas l&apos;état de la batterie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The system does not know the battery&apos;s charge</source>
        <translation>Le système ne connaît pas la charge de la batterie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The system does not know whether the computer runs on battery</source>
        <translation>Le système ne sait pas si l&apos;ordinateur fonctionne sur batterie</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>There is no process with the id %1</source>
        <translation>Il n&apos;existe aucun processus avec l&apos;identifiant %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The process %1 belongs to another user</source>
        <translation>Le processus %1 appartient à un autre utilisateur</translation>
    </message>
</context>
<context>
    <name>Agenda</name>
    <message>
        <location filename="../../model/Agenda.cpp" line="+44"/>
        <source>in its reminder</source>
        <translation>(rappel en cours)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in its reminder, due at %1</source>
        <translation>(rappel en cours, prévu à %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Missed while the computer was asleep: %1 at %2</source>
        <translation>Manqué pendant la mise en veille de l&apos;ordinateur&#xa0;: %1 à %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed while the clock changed: %1 at %2</source>
        <translation>Manqué à cause d&apos;un changement d&apos;heure&#xa0;: %1 à %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(due at %1)</source>
        <translation>(prévu à %1)</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>&apos;%1&apos;: %2</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../../model/NextRun.cpp" line="+140"/>
        <source>in %1 s</source>
        <translation>dans %1 s</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 min</source>
        <translation>dans %1 min</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 h %2 min</source>
        <translation>dans %1 h %2 min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 h</source>
        <translation>dans %1 h</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in %1 d %2 h</source>
        <translation>dans %1 j %2 h</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 d</source>
        <translation>dans %1 j</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>at %1 (%2)</source>
        <translation>à %1 (%2)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 at %2, in %3 minutes</source>
        <translation>%1 à %2, dans %3 minutes</translation>
    </message>
</context>
<context>
    <name>AwakeKeeper</name>
    <message>
        <location filename="../../core/AwakeKeeper.cpp" line="+78"/>
        <source>Keeping the computer awake until: %1</source>
        <translation>Ordinateur maintenu éveillé jusqu&apos;à&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../model/CommandLine.cpp" line="+210"/>
        <source>the password is given once (see --help)</source>
        <translation>le mot de passe ne peut être indiqué qu&apos;une seule fois (voir --help)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>missing FILE after --password-file</source>
        <translation>FILE manquant après --password-file</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the password is never taken as an argument: give --password - (read from standard input) or --password-file FILE</source>
        <translation>le mot de passe n&apos;est jamais accepté en argument&#xa0;: utilisez --password - (lecture depuis l&apos;entrée standard) ou --password-file FILE</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the password goes with a request to the running copy (see --help)</source>
        <translation>le mot de passe ne s&apos;emploie qu&apos;avec une requête adressée à l&apos;instance en cours (voir --help)</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+96"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;» (voir --help)</translation>
    </message>
    <message>
        <location line="-87"/>
        <source>missing TASK after %1 (one of %2)</source>
        <translation>TASK manquant après %1 (valeurs possibles&#xa0;: %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--when goes with a TASK alone, not with %1 (see --help)</source>
        <translation>--when ne s&apos;emploie qu&apos;avec un TASK seul, pas avec %1 (voir --help)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown task &apos;%1&apos; (one of %2)</source>
        <translation>tâche inconnue «&#xa0;%1&#xa0;» (valeurs possibles&#xa0;: %2)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>missing NAME after --quick (see --status for the saved quick actions)</source>
        <translation>NAME manquant après --quick (voir --status pour les actions rapides enregistrées)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bad NAME after --quick: a name holds no line breaks</source>
        <translation>NAME incorrect après --quick&#xa0;: un nom ne peut pas contenir de saut de ligne</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>missing DURATION after --in (e.g. 90s, 45m, 1h30m)</source>
        <translation>DURATION manquante après --in (p. ex. 90s, 45m, 1h30m)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad duration &apos;%1&apos; (e.g. 90s, 45m, 1h30m)</source>
        <translation>durée incorrecte «&#xa0;%1&#xa0;» (p. ex. 90s, 45m, 1h30m)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>missing time after --at (HH:MM or HH:MM:SS)</source>
        <translation>heure manquante après --at (HH:MM ou HH:MM:SS)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad time &apos;%1&apos; (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>heure incorrecte «&#xa0;%1&#xa0;» (HH:MM ou HH:MM:SS, de 00:00 à 23:59:59)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>missing CONDITION after --when (one of %1)</source>
        <translation>CONDITION manquante après --when (valeurs possibles&#xa0;: %1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>option inconnue «&#xa0;%1&#xa0;» (voir --help)</translation>
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
        <translation>Utilisation&#xa0;: halvo-shutdown [OPTION]
Sans option, lance Halvo Shutdown dans la zone de notification (ou affiche l&apos;instance en cours).

  --now TASK            exécuter TASK immédiatement
  --in DURATION TASK    exécuter TASK après DURATION (90s, 45m, 1h30m), annoncé par le rappel
  --at HH:MM[:SS] TASK  exécuter TASK à cette heure de la journée, annoncé par le rappel
  --when CONDITION TASK exécuter TASK quand CONDITION est remplie, annoncé par le rappel&#xa0;; plusieurs
                        --when CONDITION avant TASK doivent toutes être remplies. Valeurs de CONDITION&#xa0;:
%1                        (minutes sous la forme 30m, 2h ou 1h30m, jusqu&apos;à 24h)
  --cancel              annuler l&apos;action programmée et toute action reportée, et fermer leurs
                        rappels
  --quick NAME          programmer l&apos;action rapide NAME comme Appliquer dans l&apos;onglet Général
  --status              afficher ce qui est programmé, reporté ou annoncé par un rappel ouvert,
                        les prochaines exécutions planifiées et les actions rapides enregistrées
  --show                afficher la fenêtre
  --tray                démarrer dans la zone de notification, sans changer l&apos;instance en cours
  --password-file FILE  pour une requête protégée, le mot de passe lu sur la première ligne de FILE
  --password -          idem, mais lu sur l&apos;entrée standard
  --help                afficher ce texte
  --version             afficher la version

Valeurs possibles de TASK&#xa0;: %2
L&apos;instance en cours traite la demande&#xa0;; sinon, une instance est lancée dans la zone de notification.
Code de retour&#xa0;: 0 effectué, 1 instance injoignable ou demande refusée, 2 arguments incorrects.
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
        <translation>cette action ne peut pas être programmée</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>the conditions could not be read in time</source>
        <translation>les conditions n&apos;ont pas pu être lues à temps</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>not a request for the running copy</source>
        <translation>requête non destinée à l&apos;instance en cours</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>no quick action named &apos;%1&apos;</source>
        <translation>aucune action rapide nommée «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>General: nothing armed</source>
        <translation>Général&#xa0;: rien de programmé</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>General: %1</source>
        <translation>Général&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Postponed: %1</source>
        <translation>Reportée&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no task</source>
        <translation>aucune tâche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2 %3</source>
        <translation>Planification «&#xa0;%1&#xa0;»&#xa0;: %2 %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2, no further run</source>
        <translation>Planification «&#xa0;%1&#xa0;»&#xa0;: %2, plus d&apos;exécution prévue</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Schedule: no items</source>
        <translation>Planification&#xa0;: aucun élément</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quick action &apos;%1&apos;: %2</source>
        <translation>Action rapide «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../../core/Commands.h" line="+35"/>
        <source>a password protects this; give it with --password-file FILE or --password - (read from standard input)</source>
        <translation>cette action est protégée par un mot de passe&#xa0;; indiquez-le avec --password-file FILE ou --password - (lecture depuis l&apos;entrée standard)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong password</source>
        <translation>mot de passe incorrect</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>too many wrong passwords; try again in %1 s</source>
        <translation>trop de mots de passe incorrects&#xa0;; réessayez dans %1 s</translation>
    </message>
</context>
<context>
    <name>Conditions</name>
    <message>
        <location filename="../../model/ConditionRule.cpp" line="+28"/>
        <source>reading failed: %1</source>
        <translation>échec de la lecture&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../model/ConditionWatch.cpp" line="+128"/>
        <source>no reason given</source>
        <translation>aucune raison indiquée</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>measuring</source>
        <translation>mesure en cours</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>now %1%</source>
        <translation>actuellement %1&#xa0;%</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>now %1 KB/s</source>
        <translation>actuellement %1 Ko/s</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>idle %1 s</source>
        <translation>inactif depuis %1 s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>idle %1 min</source>
        <translation>inactif depuis %1 min</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the battery&apos;s charge is unknown</source>
        <translation>la charge de la batterie est inconnue</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>battery %1%</source>
        <translation>batterie %1&#xa0;%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery %1%, charging</source>
        <translation>batterie %1&#xa0;%, en charge</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ended</source>
        <translation>terminé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>running</source>
        <translation>en cours d&apos;exécution</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 running</source>
        <translation>%1 processus en cours</translation>
    </message>
    <message>
        <location filename="../../model/Conditions.cpp" line="+17"/>
        <source>minutes must be 1m to 24h, like 30m or 2h</source>
        <translation>les minutes doivent aller de 1m à 24h, p. ex. 30m ou 2h</translation>
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
        <translation>nom du programme ou identifiant de processus manquant (exit:NAME ou exit:PID)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>every process running the program NAME, or the
process PID, has ended</source>
        <translation>tous les processus du programme NAME, ou le
processus PID, sont terminés</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program exits</source>
        <translation>le programme se termine</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when {1} exits</source>
        <translation>quand {1} se termine</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>idle:MINUTES, like idle:30m</source>
        <translation>idle:MINUTES, p. ex. idle:30m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no keyboard or mouse input for 30 minutes</source>
        <translation>aucune saisie au clavier ni à la souris pendant 30 minutes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the user is idle for</source>
        <translation>l&apos;utilisateur est inactif depuis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the user is idle for {1} min</source>
        <translation>quand l&apos;utilisateur est inactif depuis {1} min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the processor&apos;s percent must be 1% to 100%</source>
        <translation>le pourcentage du processeur doit aller de 1&#xa0;% à 100&#xa0;%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cpu:PERCENT%:MINUTES, like cpu:10%:5m</source>
        <translation>cpu:PERCENT%:MINUTES, p. ex. cpu:10%:5m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the processor below 10% for 5 minutes</source>
        <translation>processeur sous 10&#xa0;% pendant 5 minutes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the processor is below</source>
        <translation>le processeur est sous</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the processor is below {1}% for {2} min</source>
        <translation>quand le processeur est sous {1}&#xa0;% depuis {2} min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KB/s</source>
        <translation>Ko/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M</source>
        <translation>le débit doit être en Ko/s comme 50k ou en Mo/s comme 2M, de 1k à 10240M</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>net:RATE:MINUTES, like net:50k:5m or net:2M:5m</source>
        <translation>net:RATE:MINUTES, p. ex. net:50k:5m ou net:2M:5m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network below 50 KB/s or 2 MB/s for 5 minutes</source>
        <translation>réseau sous 50 Ko/s ou 2 Mo/s pendant 5 minutes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network is below</source>
        <translation>le réseau est sous</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the network is below {1} KB/s for {2} min</source>
        <translation>quand le réseau est sous {1} Ko/s depuis {2} min</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the battery&apos;s percent must be 1% to 99%</source>
        <translation>le pourcentage de la batterie doit aller de 1&#xa0;% à 99&#xa0;%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery:PERCENT%, like battery:15%</source>
        <translation>battery:PERCENT%, p. ex. battery:15%</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>on battery, at 15% or less</source>
        <translation>sur batterie, à 15&#xa0;% ou moins</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the battery is below</source>
        <translation>la batterie est sous</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the battery is below {1}%</source>
        <translation>quand la batterie est sous {1}&#xa0;%</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>the process id must be 1 to 4294967295</source>
        <translation>l&apos;identifiant de processus doit aller de 1 à 4294967295</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the program&apos;s name goes without its folder</source>
        <translation>le nom du programme s&apos;indique sans son dossier</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the program&apos;s name holds a control character</source>
        <translation>le nom du programme contient un caractère de contrôle</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>bad condition &apos;%1&apos;: %2</source>
        <translation>condition incorrecte «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>unknown condition &apos;%1&apos; (one of %2)</source>
        <translation>condition inconnue «&#xa0;%1&#xa0;» (valeurs possibles&#xa0;: %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>expected %1</source>
        <translation>attendu&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>the process %1</source>
        <translation>le processus %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program %1</source>
        <translation>le programme %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <location filename="../../model/ConditionWatch.cpp" line="-71"/>
        <source>%1 is not running</source>
        <translation>%1 n&apos;est pas en cours d&apos;exécution</translation>
    </message>
    <message>
        <location line="+46"/>
        <location filename="../../pages/FormGen.cpp" line="+652"/>
        <source>%1; %2</source>
        <translation>%1&#xa0;; %2</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>process %1 cannot be watched</source>
        <translation>impossible de surveiller le processus %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../pages/FormGen.cpp" line="-20"/>
        <source>cannot tell %1: %2</source>
        <translation>impossible de vérifier la condition «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <location filename="../../platform/linux/DesktopSession.cpp" line="+70"/>
        <source>blocked by %1: %2</source>
        <translation>bloqué par %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+91"/>
        <location line="+9"/>
        <source>no login session of this user is known</source>
        <translation>aucune session ouverte n&apos;est connue pour cet utilisateur</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../../platform/linux/Files.cpp" line="+84"/>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>It is a symbolic link made by another user</source>
        <translation>Il s&apos;agit d&apos;un lien symbolique créé par un autre utilisateur</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link that leads to no file (%1)</source>
        <translation>Il s&apos;agit d&apos;un lien symbolique qui ne mène à aucun fichier (%1)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>It is a symbolic link to %1, which is not a regular file</source>
        <translation>Il s&apos;agit d&apos;un lien symbolique vers %1, qui n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link to %1, which belongs to another user</source>
        <translation>Il s&apos;agit d&apos;un lien symbolique vers %1, qui appartient à un autre utilisateur</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It is not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>FormSchWizard</name>
    <message>
        <location filename="../../pages/FormSchWizard.cpp" line="+204"/>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <location filename="../../model/Tasks.cpp" line="+156"/>
        <location filename="../../platform/linux/Launcher.cpp" line="+297"/>
        <source>the quote is not closed</source>
        <translation>un guillemet n&apos;est pas fermé</translation>
    </message>
    <message>
        <location filename="../../platform/linux/Launcher.cpp" line="-211"/>
        <location line="+216"/>
        <location line="+20"/>
        <source>cannot run %1: %2</source>
        <translation>impossible d&apos;exécuter %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-229"/>
        <source>not executable: %1</source>
        <translation>non exécutable&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>no program given</source>
        <translation>aucun programme indiqué</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>folder not found: %1</source>
        <translation>dossier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>program not found on PATH: %1</source>
        <translation>programme introuvable dans le PATH&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>program not found: %1</source>
        <translation>programme introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no application to open %1 (xdg-open is missing)</source>
        <translation>aucune application pour ouvrir %1 (xdg-open est absent)</translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <location filename="../../platform/linux/LinuxPlatform.cpp" line="+150"/>
        <source>KWin did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>KWin n&apos;a pas fourni la liste de ses fenêtres&#xa0;: seules les fenêtres des programmes X11 sont visibles.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>sway did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>sway n&apos;a pas fourni la liste de ses fenêtres&#xa0;: seules les fenêtres des programmes X11 sont visibles.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The windows of this desktop cannot be listed: install the &quot;Window Calls&quot; extension of GNOME Shell and switch it on. Until then only the windows of X11 programs are seen.</source>
        <translation>Les fenêtres de cet environnement de bureau ne peuvent pas être listées&#xa0;: installez l&apos;extension «&#xa0;Window Calls&#xa0;» de GNOME Shell et activez-la. D&apos;ici là, seules les fenêtres des programmes X11 sont visibles.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This desktop lists its windows to no other program: only the windows of X11 programs are seen.</source>
        <translation>Cet environnement de bureau ne communique la liste de ses fenêtres à aucun autre programme&#xa0;: seules les fenêtres des programmes X11 sont visibles.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>1 window is left out: the desktop does not say which program shows it.</source>
        <translation>1 fenêtre est ignorée&#xa0;: l&apos;environnement de bureau n&apos;indique pas quel programme l&apos;affiche.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 windows are left out: the desktop does not say which programs show them.</source>
        <translation>%1 fenêtres sont ignorées&#xa0;: l&apos;environnement de bureau n&apos;indique pas quels programmes les affichent.</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PasswordGuard</name>
    <message>
        <location filename="../../core/PasswordGuard.cpp" line="+75"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>Le mot de passe doit comporter au moins %1 caractères.</translation>
    </message>
</context>
<context>
    <name>PowerHolds</name>
    <message>
        <location filename="../../platform/linux/PowerHolds.cpp" line="+191"/>
        <source>The wake helper %1 is not installed with the program.</source>
        <translation>L&apos;outil de réveil %1 n&apos;est pas installé avec le programme.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The wake helper cannot set an alarm: %1. It needs the capability CAP_WAKE_ALARM, which the program&apos;s package gives it.</source>
        <translation>L&apos;outil de réveil ne peut pas programmer d&apos;alarme&#xa0;: %1. Il a besoin de la capacité CAP_WAKE_ALARM, que lui accorde le paquet du programme.</translation>
    </message>
</context>
<context>
    <name>QuickActions</name>
    <message>
        <location filename="../../model/QuickActions.cpp" line="+87"/>
        <source>The name must not be empty</source>
        <translation>Le nom ne doit pas être vide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name must be at most %1 characters long</source>
        <translation>Le nom doit comporter au plus %1 caractères</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The name must not hold quotes or line breaks</source>
        <translation>Le nom ne doit contenir ni guillemets ni sauts de ligne</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <location filename="../../core/Reminders.cpp" line="+73"/>
        <source>Reminder: %1 in %2 s</source>
        <translation>Rappel&#xa0;: %1 dans %2 s</translation>
    </message>
</context>
<context>
    <name>RunValue</name>
    <message>
        <location filename="../../model/RunValue.cpp" line="+19"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d&apos;enregistrer les données de «&#xa0;%1&#xa0;»</translation>
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
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <location filename="../../model/DataFolder.cpp" line="+47"/>
        <source>The program folder %1 cannot be written to, so the settings and the schedule are kept in %2 instead.</source>
        <translation>Le dossier du programme %1 n&apos;est pas accessible en écriture&#xa0;; les paramètres et la planification sont donc enregistrés dans %2.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The settings file %1 cannot be read: %2. The settings start from their defaults.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être lu&#xa0;: %2. Les paramètres par défaut sont utilisés.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The settings file %1 cannot be written: %2. Changes to the settings will not be kept.</source>
        <translation>Le fichier de paramètres %1 ne peut pas être écrit&#xa0;: %2. Les modifications des paramètres ne seront pas conservées.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The schedule file %1 cannot be written: %2. Changes to the schedule will not be kept.</source>
        <translation>Le fichier de planification %1 ne peut pas être écrit&#xa0;: %2. Les modifications de la planification ne seront pas conservées.</translation>
    </message>
    <message>
        <location filename="../../model/Schedule.cpp" line="-151"/>
        <source>%1 item</source>
        <translation>%1 élément</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 items</source>
        <translation>%1 éléments</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot be read (%1)</source>
        <translation>illisible (%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 and a part that cannot be read</source>
        <translation>%1 et une partie illisible</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Copies of the stored schedule, newest first:</source>
        <translation>Copies de la planification enregistrée, de la plus récente à la plus ancienne&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2, the file as this run found it</source>
        <translation>%1&#xa0;: %2, le fichier tel que ce lancement l&apos;a trouvé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2, an earlier copy</source>
        <translation>%1&#xa0;: %2, une copie antérieure</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The schedule file %1 holds %2, but %3 counted %4. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>Le fichier de planification %1 contient %2, mais %3 en indiquait %4. Tous ont été chargés, et le nombre sera corrigé au prochain enregistrement de la planification.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The schedule file %1 holds %2, but %3 held no count. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>Le fichier de planification %1 contient %2, mais %3 n&apos;indiquait aucun nombre. Tous ont été chargés, et le nombre sera corrigé au prochain enregistrement de la planification.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cannot create file &quot;%1&quot;. It would hold %2, fewer than the %3 loaded and not deleted since; the stored file is left as it was.</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». Il contiendrait %2, soit moins que les %3 chargés et non supprimés depuis&#xa0;; le fichier enregistré reste inchangé.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». L&apos;ancien fichier n&apos;a pas pu être conservé sous %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2: %3</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». L&apos;ancien fichier n&apos;a pas pu être conservé sous %2&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
</context>
<context>
    <name>ScheduleFile</name>
    <message>
        <location filename="../../model/ScheduleFile.cpp" line="+37"/>
        <source>Stream read error</source>
        <translation>Erreur de lecture du flux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid stream format</source>
        <translation>Format de flux non valide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Error reading %1.%2: %3</source>
        <translation>Erreur lors de la lecture de %1.%2&#xa0;: %3</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>Property %1 does not exist</source>
        <translation>La propriété %1 n&apos;existe pas</translation>
    </message>
</context>
<context>
    <name>Tasks</name>
    <message>
        <location filename="../../model/ProcessRoutines.cpp" line="+40"/>
        <source>Close all programs could not see every window.
%1</source>
        <translation>«&#xa0;Fermer tous les programmes&#xa0;» n&apos;a pas pu voir toutes les fenêtres.
%1</translation>
    </message>
    <message>
        <location filename="../../model/Tasks.cpp" line="-136"/>
        <source>%1 failed</source>
        <translation>Échec de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 failed: %2</source>
        <translation>Échec de «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>not available on this computer</source>
        <translation>non disponible sur cet ordinateur</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>shutdown the computer</source>
        <translation>Arrêter l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shutdown the Computer</source>
        <translation>Arrêter l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the system</source>
        <translation>Arrêter le système</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the computer</source>
        <translation>Arrêter l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turn off the computer</source>
        <translation>Éteindre l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trun off the computer</source>
        <translation>Éteindre l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Power off the computer</source>
        <translation>Éteindre l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close the program</source>
        <translation>Fermer le programme</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close program</source>
        <translation>Fermer le programme</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close the program</source>
        <translation>Fermer le programme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>start the screensaver</source>
        <translation>Lancer l&apos;économiseur d&apos;écran</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start the screensaver</source>
        <translation>Lancer l&apos;économiseur d&apos;écran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>log off  user</source>
        <translation>Déconnecter l&apos;utilisateur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Logoff user...</source>
        <translation>Déconnecter l&apos;utilisateur...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off ...</source>
        <translation>Se déconnecter ...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off</source>
        <translation>Se déconnecter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>disconnect the network</source>
        <translation>Déconnecter le réseau</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Disconnect the network</source>
        <translation>Déconnecter le réseau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close all the program</source>
        <translation>Fermer tous les programmes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all the program</source>
        <translation>Fermer tous les programmes</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all programs</source>
        <translation>Fermer tous les programmes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>execute the program</source>
        <translation>Exécuter le programme</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Execute</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Run a command line</source>
        <translation>Exécuter une ligne de commande</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>restart the computer</source>
        <translation>Redémarrer l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restart the computer</source>
        <translation>Redémarrer l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>alarm message</source>
        <translation>Message d&apos;alerte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the message</source>
        <translation>Afficher le message</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lock the workstation</source>
        <translation>Verrouiller l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the workstation</source>
        <translation>Verrouiller l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the computer</source>
        <translation>Verrouiller l&apos;ordinateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sleep the computer</source>
        <translation>Mettre en veille</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep the computer</source>
        <translation>Mettre en veille</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep</source>
        <translation>Veille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hibernate the computer</source>
        <translation>Mettre en veille prolongée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hibernate the computer</source>
        <translation>Mettre en veille prolongée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hibernate</source>
        <translation>Veille prolongée</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <location filename="../../app/TrayMenu.cpp" line="+115"/>
        <source>The quick action &quot;%1&quot; was not armed: %2</source>
        <translation>L&apos;action rapide «&#xa0;%1&#xa0;» n&apos;a pas été programmée&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Win32</name>
    <message>
        <location filename="../../platform/win32/RealWin32Api.cpp" line="+800"/>
        <source>System error %1</source>
        <translation>Erreur système %1</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>It is a symbolic link or junction, which this program does not replace</source>
        <translation>Il s&apos;agit d&apos;un lien symbolique ou d&apos;une jonction, que ce programme ne remplace pas</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Platform.cpp" line="+50"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows: the computer will not wake for the schedule until it is turned on.</source>
        <translation>«&#xa0;Autoriser les minuteurs de sortie de veille&#xa0;» est désactivé dans les options d&apos;alimentation de Windows&#xa0;: l&apos;ordinateur ne sera pas réveillé pour la planification tant que ce paramètre ne sera pas activé.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows when plugged in: the computer will not wake for the schedule until it is turned on.</source>
        <translation>«&#xa0;Autoriser les minuteurs de sortie de veille&#xa0;» est désactivé dans les options d&apos;alimentation de Windows pour le fonctionnement sur secteur&#xa0;: l&apos;ordinateur ne sera pas réveillé pour la planification tant que ce paramètre ne sera pas activé.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows on battery: the computer will not wake for the schedule until it is turned on.</source>
        <translation>«&#xa0;Autoriser les minuteurs de sortie de veille&#xa0;» est désactivé dans les options d&apos;alimentation de Windows pour le fonctionnement sur batterie&#xa0;: l&apos;ordinateur ne sera pas réveillé pour la planification tant que ce paramètre ne sera pas activé.</translation>
    </message>
</context>
<context>
    <name>halvo::CountdownBar</name>
    <message>
        <location filename="../../app/CountdownBar.cpp" line="+25"/>
        <source>Halvo Shutdown countdown</source>
        <translation>Compte à rebours de Halvo Shutdown</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Halvo Shutdown: %1</source>
        <translation>Halvo Shutdown&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>halvo::Engine</name>
    <message>
        <location filename="../../core/Engine.cpp" line="+57"/>
        <source>The quick actions numbered %1 in %2 cannot be read and are left out; the others are loaded.</source>
        <translation>Les actions rapides numéro %1 de %2 sont illisibles et ont été ignorées&#xa0;; les autres ont été chargées.</translation>
    </message>
</context>
<context>
    <name>halvo::NewPasswordDialog</name>
    <message>
        <location filename="../../pages/PasswordDialog.cpp" line="+95"/>
        <source>Protect with a password</source>
        <translation>Protéger par mot de passe</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New password:</source>
        <translation>Nouveau mot de passe&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Once more:</source>
        <translation>Confirmation&#xa0;:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>Le mot de passe doit comporter au moins %1 caractères.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The two passwords differ.</source>
        <translation>Les deux mots de passe ne correspondent pas.</translation>
    </message>
</context>
<context>
    <name>halvo::PasswordDialog</name>
    <message>
        <location line="-97"/>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the password to %1.</source>
        <translation>Saisissez le mot de passe pour %1.</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+15"/>
        <source>Wrong password.</source>
        <translation>Mot de passe incorrect.</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Wrong password. Try again in %n s.</source>
        <translation>
            <numerusform>Mot de passe incorrect. Réessayez dans %n seconde.</numerusform>
            <numerusform>Mot de passe incorrect. Réessayez dans %n secondes.</numerusform>
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
        <translation>Actions rapides</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The name &quot;%1&quot; is given twice</source>
        <translation>Le nom «&#xa0;%1&#xa0;» est utilisé deux fois</translation>
    </message>
</context>
<context>
    <name>halvo::SingleInstance</name>
    <message>
        <location filename="../../app/SingleInstance.cpp" line="+141"/>
        <source>cannot set up %1 (%2)</source>
        <translation>impossible de configurer %1 (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot create %1 (%2)</source>
        <translation>impossible de créer %1 (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read %1 (%2)</source>
        <translation>impossible de lire %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is a symbolic link</source>
        <translation>c&apos;est un lien symbolique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it belongs to user %1</source>
        <translation>il appartient à l&apos;utilisateur %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its mode is %1, not 0700</source>
        <translation>ses droits sont %1 et non 0700</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not this user&apos;s own folder (%2); the lock and the socket are not kept there</source>
        <translation>%1 n&apos;est pas un dossier propre à cet utilisateur (%2)&#xa0;; le verrou et le socket n&apos;y sont pas placés</translation>
    </message>
</context>
<context>
    <name>halvo::SlidingPopup</name>
    <message>
        <location filename="../../toolkit/SlidingPopup.cpp" line="+33"/>
        <source>Halvo Shutdown notification</source>
        <translation>Notification de Halvo Shutdown</translation>
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
Arrête l&apos;ordinateur selon une planification.
</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Visit Homepage</source>
        <translation>Visiter le site web</translation>
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
        <translation>Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+12"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+11"/>
        <source>Schedule</source>
        <translation>Planification</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+10"/>
        <source>Option</source>
        <translation>Options</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>about</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+2"/>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location line="+197"/>
        <source>The help file %1 is missing</source>
        <translation>Le fichier d&apos;aide %1 est introuvable</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>exit Halvo Shutdown</source>
        <translation>quitter Halvo Shutdown</translation>
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
        <translation>Halvo Shutdown va exécuter cette action sur votre ordinateur 
dans 1 minute :</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Execute It!</source>
        <translation>Exécuter&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Postpone %1 min</source>
        <translation>Reporter de %1 min</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>cancel the action</source>
        <translation>annuler l&apos;action</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>postpone the action</source>
        <translation>reporter l&apos;action</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cancel(%1)</source>
        <translation>Annuler (%1)</translation>
    </message>
</context>
<context>
    <name>halvo::TFormGen</name>
    <message>
        <location filename="../../pages/FormGen.cpp" line="-564"/>
        <source>Do It Now!</source>
        <translation>Exécuter immédiatement&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do It Now</source>
        <translation>Exécuter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Do It at specific time</source>
        <translation>Exécuter à un moment donné</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+6"/>
        <source>At</source>
        <translation>À</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+384"/>
        <source>for</source>
        <translation>depuis</translation>
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
        <translation>Choisir un programme d&apos;après l&apos;une de ses fenêtres</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add a condition that must hold as well</source>
        <translation>Ajouter une autre condition qui doit aussi être remplie</translation>
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
        <translation>Appliquer</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+582"/>
        <location line="+26"/>
        <source>Save as quick action</source>
        <translation>Enregistrer en action rapide</translation>
    </message>
    <message>
        <location line="-550"/>
        <source>change the armed action</source>
        <translation>modifier l&apos;action programmée</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Remove this condition</source>
        <translation>Supprimer cette condition</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>not offered: %1</source>
        <translation>non disponible&#xa0;: %1</translation>
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
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The delay must not be negative</source>
        <translation>Le délai ne doit pas être négatif</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The delay is too long</source>
        <translation>Le délai est trop long</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A quick action waits at least one second</source>
        <translation>Une action rapide doit attendre au moins une seconde</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Choose an action and After, At or When first</source>
        <translation>Choisissez d&apos;abord une action et «&#xa0;Après&#xa0;», «&#xa0;À&#xa0;» ou «&#xa0;Quand&#xa0;»</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Name in the tray&apos;s &quot;Quick actions&quot;:</source>
        <translation>Nom dans le menu «&#xa0;Actions rapides&#xa0;» de la zone de notification&#xa0;:</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Replace the quick action &quot;%1&quot;?</source>
        <translation>Remplacer l&apos;action rapide «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There are already %1 quick actions; delete one on the Option page first</source>
        <translation>Il existe déjà %1 actions rapides&#xa0;; supprimez-en d&apos;abord une dans l&apos;onglet Options</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Saved as quick action &quot;%1&quot;</source>
        <translation>Action rapide «&#xa0;%1&#xa0;» enregistrée</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+9"/>
        <location line="+6"/>
        <source>replace the armed action</source>
        <translation>remplacer l&apos;action programmée</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+9"/>
        <location line="+12"/>
        <source>set successfully</source>
        <translation>Programmation effectuée</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cancel the armed action</source>
        <translation>annuler l&apos;action programmée</translation>
    </message>
    <message>
        <location line="-135"/>
        <source>The time of day must lie between 12:00:00 AM and 11:59:59 PM</source>
        <translation>L&apos;heure doit être comprise entre 12:00:00 AM et 11:59:59 PM</translation>
    </message>
</context>
<context>
    <name>halvo::TFormOption</name>
    <message>
        <location filename="../../app/FormOption.cpp" line="+40"/>
        <source>start</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>auto startup when windows startup</source>
        <translation>Lancer automatiquement au démarrage du système</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>auto save the schedule setting</source>
        <translation>Enregistrer automatiquement la planification</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shutdown</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>remind me before shutdown/restart/log off</source>
        <translation>Me prévenir avant l&apos;arrêt, le redémarrage ou la déconnexion</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>wake the computer from sleep for scheduled actions</source>
        <translation>Réveiller l&apos;ordinateur pour les actions programmées</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Only from sleep or hibernation: a computer that is powered off is not turned on.</source>
        <translation>Uniquement depuis la veille ou la veille prolongée&#xa0;: un ordinateur éteint n&apos;est pas allumé.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not available: %1</source>
        <translation>Non disponible&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>keep the computer awake while an action waits</source>
        <translation>Empêcher la mise en veille tant qu&apos;une action attend</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>countdown</source>
        <translation>Compte à rebours</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>show a countdown bar at the</source>
        <translation>Afficher une barre en</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>top of the screen</source>
        <translation>haut de l&apos;écran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom of the screen</source>
        <translation>bas de l&apos;écran</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wayland lets no program place a bar on the screen</source>
        <translation>Wayland interdit aux programmes d&apos;afficher une barre</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Quick actions...</source>
        <translation>Actions rapides...</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Set</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel Setting</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Protect with a password</source>
        <translation>Protéger par mot de passe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change password...</source>
        <translation>Mot de passe...</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>change the options</source>
        <translation>modifier les options</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>remove the password</source>
        <translation>supprimer le mot de passe</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>change the password</source>
        <translation>changer le mot de passe</translation>
    </message>
</context>
<context>
    <name>halvo::TFormProcessList</name>
    <message>
        <location filename="../../pages/FormProcessList.cpp" line="+21"/>
        <source>select the program</source>
        <translation>Sélectionner le programme</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>window</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>processId</source>
        <translation>ID du processus</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>please select item first</source>
        <translation>Veuillez d&apos;abord sélectionner un élément</translation>
    </message>
</context>
<context>
    <name>halvo::TFormSch</name>
    <message>
        <location filename="../../pages/FormSch.cpp" line="+45"/>
        <source>schedule name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Task</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next run</source>
        <translation>Prochaine exécution</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>modify</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>add a schedule item</source>
        <translation>ajouter un élément de planification</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>please select item</source>
        <translation>Veuillez sélectionner un élément</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>change a schedule item</source>
        <translation>modifier un élément de planification</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>please select a item</source>
        <translation>Veuillez sélectionner un élément</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>do you want to delete it?</source>
        <translation>Voulez-vous supprimer cet élément&#xa0;?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>information</source>
        <translation>Information</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>delete a schedule item</source>
        <translation>supprimer un élément de planification</translation>
    </message>
</context>
<context>
    <name>halvo::TFormSchWizard</name>
    <message>
        <location filename="../../model/ScheduleItemDraft.cpp" line="+13"/>
        <source>Schedule item name is null</source>
        <translation>Veuillez saisir un nom pour l&apos;élément</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>select a task</source>
        <translation>Veuillez sélectionner une tâche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please  select the parameter of the task</source>
        <translation>Veuillez indiquer le paramètre de la tâche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please inpute the content of message</source>
        <translation>Veuillez saisir le texte du message</translation>
    </message>
    <message>
        <location filename="../../pages/FormSchWizard.cpp" line="-173"/>
        <source>modify the scheduleItem,but _ScheduleItem=nil</source>
        <translation>Impossible de modifier l&apos;élément de planification&#xa0;: élément introuvable</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Wizard</source>
        <translation>Assistant</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Schedule Name:</source>
        <translation>Nom de l&apos;élément&#xa0;:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Select the task:</source>
        <translation>Sélectionnez la tâche&#xa0;:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select the Time for schedule</source>
        <translation>Choisissez l&apos;heure</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Once</source>
        <translation>Une fois</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>everyday</source>
        <translation>Chaque jour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Everyweek</source>
        <translation>Chaque semaine</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Everymonth</source>
        <translation>Chaque mois</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>complete.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&lt;&lt;Prev</source>
        <translation>&lt;&lt;Précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next&gt;&gt;</source>
        <translation>Suivant&gt;&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>new schedule item</source>
        <translation>Nouvel élément de planification</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>modify the schedule item</source>
        <translation>Modifier l&apos;élément de planification</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+185"/>
        <source>Complete</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <location line="-125"/>
        <source>select program</source>
        <translation>Sélectionner le programme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>message content:</source>
        <translation>Texte du message&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Browse</source>
        <translation>Parcourir</translation>
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
        <translation>Actions rapides</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cancel postponed action</source>
        <translation>Annuler l&apos;action reportée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>cancel the postponed action</source>
        <translation>annuler l&apos;action reportée</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>replace the armed action</source>
        <translation>remplacer l&apos;action programmée</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>postponed: %1</source>
        <translation>reportée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../app/main.cpp" line="+45"/>
        <source>cannot start without a display (%1)</source>
        <translation>impossible de démarrer sans affichage (%1)</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>standard input</source>
        <translation>l&apos;entrée standard</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot read the password from %1 (%2)</source>
        <translation>impossible de lire le mot de passe depuis %1 (%2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no password in %1</source>
        <translation>aucun mot de passe dans %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot start the program</source>
        <translation>impossible de lancer le programme</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no running copy could be reached</source>
        <translation>aucune instance en cours n&apos;a pu être jointe</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the running copy did not answer</source>
        <translation>l&apos;instance en cours n&apos;a pas répondu</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>refused: %1</source>
        <translation>refusé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>another copy is running but does not answer</source>
        <translation>une autre instance est en cours mais ne répond pas</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Activity</name>
    <message>
        <location filename="../../platform/linux/LinuxActivity.cpp" line="+46"/>
        <source>Neither the X server nor the desktop (GNOME or KDE) tells how long the user has been idle</source>
        <translation>X 服务器和桌面环境（GNOME 或 KDE）均未提供用户的空闲时长</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../platform/win32/Win32Activity.cpp" line="+97"/>
        <source>This computer has no battery</source>
        <translation>此计算机没有电池</translation>
    </message>
    <message>
        <location line="+249"/>
        <source>%1 has a line that cannot be read: %2</source>
        <translation>%1 中有一行无法解析：%2</translation>
    </message>
    <message>
        <location line="+117"/>
        <source>UPower is not running, so the battery cannot be read</source>
        <translation>UPower 未运行，因此无法读取电池状态</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>UPower did not answer: %1</source>
        <translation>UPower 没有响应：%1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>UPower does not tell the battery&apos;s charge</source>
        <translation>UPower 未提供电池电量</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+9"/>
        <source>No process with id %1 is running</source>
        <translation>没有正在运行的 ID 为 %1 的进程</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>Process %1 belongs to another user</source>
        <translation>进程 %1 属于其他用户</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Process %1 cannot be watched: %2</source>
        <translation>无法监视进程 %1：%2</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Activity.cpp" line="-2"/>
        <source>The system does not know the battery&apos;s state</source>
        <translation>系统无法获知电池状态</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The system does not know the battery&apos;s charge</source>
        <translation>系统无法获知电池电量</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The system does not know whether the computer runs on battery</source>
        <translation>系统无法获知计算机是否正在使用电池供电</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>There is no process with the id %1</source>
        <translation>不存在 ID 为 %1 的进程</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The process %1 belongs to another user</source>
        <translation>进程 %1 属于其他用户</translation>
    </message>
</context>
<context>
    <name>Agenda</name>
    <message>
        <location filename="../../model/Agenda.cpp" line="+44"/>
        <source>in its reminder</source>
        <translation>（正在提醒）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in its reminder, due at %1</source>
        <translation>（正在提醒，原定于 %1）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Missed while the computer was asleep: %1 at %2</source>
        <translation>计算机睡眠期间错过：%1，原定于 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missed while the clock changed: %1 at %2</source>
        <translation>时钟更改期间错过：%1，原定于 %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>(due at %1)</source>
        <translation>（原定于 %1）</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>&apos;%1&apos;: %2</source>
        <translation>“%1”：%2</translation>
    </message>
    <message>
        <location filename="../../model/NextRun.cpp" line="+140"/>
        <source>in %1 s</source>
        <translation>%1 秒后</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 min</source>
        <translation>%1 分钟后</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>in %1 h %2 min</source>
        <translation>%1 小时 %2 分钟后</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 h</source>
        <translation>%1 小时后</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>in %1 d %2 h</source>
        <translation>%1 天 %2 小时后</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>in %1 d</source>
        <translation>%1 天后</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>at %1 (%2)</source>
        <translation>于 %1（%2）</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 at %2, in %3 minutes</source>
        <translation>%1 将于 %2 执行（%3 分钟后）</translation>
    </message>
</context>
<context>
    <name>AwakeKeeper</name>
    <message>
        <location filename="../../core/AwakeKeeper.cpp" line="+78"/>
        <source>Keeping the computer awake until: %1</source>
        <translation>正在阻止计算机睡眠，直到：%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../../model/CommandLine.cpp" line="+210"/>
        <source>the password is given once (see --help)</source>
        <translation>密码只能指定一次（参见 --help）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>missing FILE after --password-file</source>
        <translation>--password-file 之后缺少 FILE</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the password is never taken as an argument: give --password - (read from standard input) or --password-file FILE</source>
        <translation>密码不能直接作为参数提供：请使用 --password -（从标准输入读取）或 --password-file FILE</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the password goes with a request to the running copy (see --help)</source>
        <translation>密码只能与发给正在运行实例的请求一起使用（参见 --help）</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+96"/>
        <source>unexpected argument &apos;%1&apos; (see --help)</source>
        <translation>意外的参数“%1”（参见 --help）</translation>
    </message>
    <message>
        <location line="-87"/>
        <source>missing TASK after %1 (one of %2)</source>
        <translation>%1 之后缺少 TASK（可选值：%2）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--when goes with a TASK alone, not with %1 (see --help)</source>
        <translation>--when 只能与单独的 TASK 一起使用，不能与 %1 一起使用（参见 --help）</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>unknown task &apos;%1&apos; (one of %2)</source>
        <translation>未知操作“%1”（可选值：%2）</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>missing NAME after --quick (see --status for the saved quick actions)</source>
        <translation>--quick 之后缺少 NAME（已保存的快速操作可通过 --status 查看）</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>bad NAME after --quick: a name holds no line breaks</source>
        <translation>--quick 之后的 NAME 无效：名称不能包含换行符</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>missing DURATION after --in (e.g. 90s, 45m, 1h30m)</source>
        <translation>--in 之后缺少 DURATION（例如 90s、45m、1h30m）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad duration &apos;%1&apos; (e.g. 90s, 45m, 1h30m)</source>
        <translation>无效的时长“%1”（例如 90s、45m、1h30m）</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>missing time after --at (HH:MM or HH:MM:SS)</source>
        <translation>--at 之后缺少时间（HH:MM 或 HH:MM:SS）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>bad time &apos;%1&apos; (HH:MM or HH:MM:SS, 00:00 to 23:59:59)</source>
        <translation>无效的时间“%1”（HH:MM 或 HH:MM:SS，00:00 至 23:59:59）</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>missing CONDITION after --when (one of %1)</source>
        <translation>--when 之后缺少 CONDITION（可选值：%1）</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>unknown option &apos;%1&apos; (see --help)</source>
        <translation>未知选项“%1”（参见 --help）</translation>
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
        <translation>用法：halvo-shutdown [OPTION]
不带选项时，在通知区域中启动 Halvo Shutdown（或显示正在运行的实例）。

  --now TASK            立即执行 TASK
  --in DURATION TASK    在 DURATION（90s、45m、1h30m）后执行 TASK，执行前显示提醒
  --at HH:MM[:SS] TASK  在一天中的指定时刻执行 TASK，执行前显示提醒
  --when CONDITION TASK 在 CONDITION 满足时执行 TASK，执行前显示提醒；若在 TASK 之前
                        指定多个 --when CONDITION，则必须全部满足。CONDITION 为以下之一：
%1                        （分钟数写作 30m、2h 或 1h30m，最多 24h）
  --cancel              取消定时操作和所有已推迟的操作，并关闭相应的
                        提醒
  --quick NAME          设定已保存的快速操作 NAME，效果与“常规”页中的“设置”相同
  --status              输出已设定、已推迟或正在提醒的操作，以及
                        计划的下次运行时间和已保存的快速操作
  --show                显示窗口
  --tray                在通知区域中启动；若已有实例在运行，则保持其不变
  --password-file FILE  用于受密码保护的请求：从 FILE 的第一行读取密码
  --password -          同上，但从标准输入读取密码
  --help                输出此帮助文本
  --version             输出版本信息

TASK 为以下之一：%2
请求由正在运行的实例执行；若没有实例在运行，则在通知区域中启动一个。
退出状态：0 成功，1 无法连接正在运行的实例或请求被拒绝，2 参数错误。
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
        <translation>不是可以设定的操作</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>the conditions could not be read in time</source>
        <translation>未能及时读取条件</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>not a request for the running copy</source>
        <translation>不是发给正在运行实例的请求</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>no quick action named &apos;%1&apos;</source>
        <translation>没有名为“%1”的快速操作</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>General: nothing armed</source>
        <translation>常规：未设定任何操作</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>General: %1</source>
        <translation>常规：%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Postponed: %1</source>
        <translation>已推迟：%1</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>no task</source>
        <translation>无操作</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2 %3</source>
        <translation>计划“%1”：%2 %3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schedule &apos;%1&apos;: %2, no further run</source>
        <translation>计划“%1”：%2，不会再运行</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Schedule: no items</source>
        <translation>计划：无计划项</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Quick action &apos;%1&apos;: %2</source>
        <translation>快速操作“%1”：%2</translation>
    </message>
    <message>
        <location filename="../../core/Commands.h" line="+35"/>
        <source>a password protects this; give it with --password-file FILE or --password - (read from standard input)</source>
        <translation>此操作受密码保护；请通过 --password-file FILE 或 --password -（从标准输入读取）提供密码</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>wrong password</source>
        <translation>密码错误</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>too many wrong passwords; try again in %1 s</source>
        <translation>密码错误次数过多；请在 %1 秒后重试</translation>
    </message>
</context>
<context>
    <name>Conditions</name>
    <message>
        <location filename="../../model/ConditionRule.cpp" line="+28"/>
        <source>reading failed: %1</source>
        <translation>读取失败：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../../model/ConditionWatch.cpp" line="+128"/>
        <source>no reason given</source>
        <translation>未给出原因</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>measuring</source>
        <translation>正在测量</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>now %1%</source>
        <translation>当前 %1%</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>now %1 KB/s</source>
        <translation>当前 %1 KB/s</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>idle %1 s</source>
        <translation>已空闲 %1 秒</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>idle %1 min</source>
        <translation>已空闲 %1 分钟</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the battery&apos;s charge is unknown</source>
        <translation>电池电量未知</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>battery %1%</source>
        <translation>电池 %1%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery %1%, charging</source>
        <translation>电池 %1%，正在充电</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ended</source>
        <translation>已结束</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>running</source>
        <translation>正在运行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 running</source>
        <translation>%1 个进程正在运行</translation>
    </message>
    <message>
        <location filename="../../model/Conditions.cpp" line="+17"/>
        <source>minutes must be 1m to 24h, like 30m or 2h</source>
        <translation>分钟数必须在 1m 到 24h 之间，例如 30m 或 2h</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>the program&apos;s name or process id is missing (exit:NAME or exit:PID)</source>
        <translation>缺少程序名称或进程 ID（exit:NAME 或 exit:PID）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>every process running the program NAME, or the
process PID, has ended</source>
        <translation>运行程序 NAME 的所有进程或
进程 PID 已结束</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program exits</source>
        <translation>程序退出</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when {1} exits</source>
        <translation>在{1} 退出时</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>idle:MINUTES, like idle:30m</source>
        <translation>idle:MINUTES，例如 idle:30m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no keyboard or mouse input for 30 minutes</source>
        <translation>30 分钟内无键盘或鼠标输入</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the user is idle for</source>
        <translation>用户空闲</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the user is idle for {1} min</source>
        <translation>在用户空闲 {1} 分钟后</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the processor&apos;s percent must be 1% to 100%</source>
        <translation>处理器百分比必须在 1% 到 100% 之间</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cpu:PERCENT%:MINUTES, like cpu:10%:5m</source>
        <translation>cpu:PERCENT%:MINUTES，例如 cpu:10%:5m</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the processor below 10% for 5 minutes</source>
        <translation>处理器使用率低于 10% 持续 5 分钟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the processor is below</source>
        <translation>处理器使用率低于</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the processor is below {1}% for {2} min</source>
        <translation>在处理器使用率低于 {1}% 持续 {2} 分钟时</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the rate must be KB/s like 50k or MB/s like 2M, from 1k to 10240M</source>
        <translation>速率必须以 KB/s（如 50k）或 MB/s（如 2M）表示，范围为 1k 到 10240M</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>net:RATE:MINUTES, like net:50k:5m or net:2M:5m</source>
        <translation>net:RATE:MINUTES，例如 net:50k:5m 或 net:2M:5m</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network below 50 KB/s or 2 MB/s for 5 minutes</source>
        <translation>网络速率低于 50 KB/s 或 2 MB/s 持续 5 分钟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the network is below</source>
        <translation>网络速率低于</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the network is below {1} KB/s for {2} min</source>
        <translation>在网络速率低于 {1} KB/s 持续 {2} 分钟时</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the battery&apos;s percent must be 1% to 99%</source>
        <translation>电池百分比必须在 1% 到 99% 之间</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>battery:PERCENT%, like battery:15%</source>
        <translation>battery:PERCENT%，例如 battery:15%</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>on battery, at 15% or less</source>
        <translation>使用电池供电，且电量不高于 15%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the battery is below</source>
        <translation>电池电量低于</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>when the battery is below {1}%</source>
        <translation>在电池电量低于 {1}% 时</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>the process id must be 1 to 4294967295</source>
        <translation>进程 ID 必须在 1 到 4294967295 之间</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the program&apos;s name goes without its folder</source>
        <translation>程序名称不能包含文件夹路径</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the program&apos;s name holds a control character</source>
        <translation>程序名称包含控制字符</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>bad condition &apos;%1&apos;: %2</source>
        <translation>无效的条件“%1”：%2</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>unknown condition &apos;%1&apos; (one of %2)</source>
        <translation>未知条件“%1”（可选值：%2）</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>expected %1</source>
        <translation>应为 %1</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>the process %1</source>
        <translation>进程 %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the program %1</source>
        <translation>程序 %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 and %2</source>
        <translation>%1 且 %2</translation>
    </message>
    <message>
        <location filename="../../model/ConditionWatch.cpp" line="-71"/>
        <source>%1 is not running</source>
        <translation>%1 未在运行</translation>
    </message>
    <message>
        <location line="+46"/>
        <location filename="../../pages/FormGen.cpp" line="+652"/>
        <source>%1; %2</source>
        <translation>%1；%2</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>process %1 cannot be watched</source>
        <translation>无法监视进程 %1</translation>
    </message>
    <message>
        <location line="+22"/>
        <location filename="../../pages/FormGen.cpp" line="-20"/>
        <source>cannot tell %1: %2</source>
        <translation>无法判断条件“%1”：%2</translation>
    </message>
</context>
<context>
    <name>DesktopSession</name>
    <message>
        <location filename="../../platform/linux/DesktopSession.cpp" line="+70"/>
        <source>blocked by %1: %2</source>
        <translation>被 %1 阻止：%2</translation>
    </message>
    <message>
        <location line="+91"/>
        <location line="+9"/>
        <source>no login session of this user is known</source>
        <translation>找不到此用户的登录会话</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../../platform/linux/Files.cpp" line="+84"/>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>It is a symbolic link made by another user</source>
        <translation>它是由其他用户创建的符号链接</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link that leads to no file (%1)</source>
        <translation>它是一个不指向任何文件的符号链接（%1）</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>It is a symbolic link to %1, which is not a regular file</source>
        <translation>它是指向 %1 的符号链接，而目标不是普通文件</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It is a symbolic link to %1, which belongs to another user</source>
        <translation>它是指向 %1 的符号链接，而目标属于其他用户</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>It is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
</context>
<context>
    <name>FormSchWizard</name>
    <message>
        <location filename="../../pages/FormSchWizard.cpp" line="+204"/>
        <source>Sunday</source>
        <translation>星期日</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Monday</source>
        <translation>星期一</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tuesday</source>
        <translation>星期二</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wednesday</source>
        <translation>星期三</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Thursday</source>
        <translation>星期四</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Friday</source>
        <translation>星期五</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saturday</source>
        <translation>星期六</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <location filename="../../model/Tasks.cpp" line="+156"/>
        <location filename="../../platform/linux/Launcher.cpp" line="+297"/>
        <source>the quote is not closed</source>
        <translation>引号未闭合</translation>
    </message>
    <message>
        <location filename="../../platform/linux/Launcher.cpp" line="-211"/>
        <location line="+216"/>
        <location line="+20"/>
        <source>cannot run %1: %2</source>
        <translation>无法运行 %1：%2</translation>
    </message>
    <message>
        <location line="-229"/>
        <source>not executable: %1</source>
        <translation>不是可执行文件：%1</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>no program given</source>
        <translation>未指定程序</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>folder not found: %1</source>
        <translation>找不到文件夹：%1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>program not found on PATH: %1</source>
        <translation>在 PATH 中找不到程序：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>program not found: %1</source>
        <translation>找不到程序：%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>no application to open %1 (xdg-open is missing)</source>
        <translation>没有可用于打开 %1 的应用程序（缺少 xdg-open）</translation>
    </message>
</context>
<context>
    <name>LinuxPlatform</name>
    <message>
        <location filename="../../platform/linux/LinuxPlatform.cpp" line="+150"/>
        <source>KWin did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>KWin 未提供窗口列表：只能看到 X11 程序的窗口。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>sway did not list its windows: only the windows of X11 programs are seen.</source>
        <translation>sway 未提供窗口列表：只能看到 X11 程序的窗口。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The windows of this desktop cannot be listed: install the &quot;Window Calls&quot; extension of GNOME Shell and switch it on. Until then only the windows of X11 programs are seen.</source>
        <translation>无法列出此桌面的窗口：请安装并启用 GNOME Shell 扩展“Window Calls”。在此之前，只能看到 X11 程序的窗口。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This desktop lists its windows to no other program: only the windows of X11 programs are seen.</source>
        <translation>此桌面不向其他程序提供窗口列表：只能看到 X11 程序的窗口。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>1 window is left out: the desktop does not say which program shows it.</source>
        <translation>已忽略 1 个窗口：桌面未告知它属于哪个程序。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 windows are left out: the desktop does not say which programs show them.</source>
        <translation>已忽略 %1 个窗口：桌面未告知它们属于哪些程序。</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <location filename="../../pages/PasswordDialog.cpp" line="+28"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>PasswordGuard</name>
    <message>
        <location filename="../../core/PasswordGuard.cpp" line="+75"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>密码长度至少为 %1 个字符。</translation>
    </message>
</context>
<context>
    <name>PowerHolds</name>
    <message>
        <location filename="../../platform/linux/PowerHolds.cpp" line="+191"/>
        <source>The wake helper %1 is not installed with the program.</source>
        <translation>唤醒辅助程序 %1 未随本程序一起安装。</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The wake helper cannot set an alarm: %1. It needs the capability CAP_WAKE_ALARM, which the program&apos;s package gives it.</source>
        <translation>唤醒辅助程序无法设置唤醒定时器：%1。它需要 CAP_WAKE_ALARM 能力，该能力由本程序的软件包授予。</translation>
    </message>
</context>
<context>
    <name>QuickActions</name>
    <message>
        <location filename="../../model/QuickActions.cpp" line="+87"/>
        <source>The name must not be empty</source>
        <translation>名称不能为空</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The name must be at most %1 characters long</source>
        <translation>名称不能超过 %1 个字符</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The name must not hold quotes or line breaks</source>
        <translation>名称不能包含引号或换行符</translation>
    </message>
</context>
<context>
    <name>Reminders</name>
    <message>
        <location filename="../../core/Reminders.cpp" line="+73"/>
        <source>Reminder: %1 in %2 s</source>
        <translation>提醒：%1 将在 %2 秒后执行</translation>
    </message>
</context>
<context>
    <name>RunValue</name>
    <message>
        <location filename="../../model/RunValue.cpp" line="+19"/>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>“%1”的数据类型无效</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>无法写入“%1”的数据</translation>
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
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <location filename="../../model/DataFolder.cpp" line="+47"/>
        <source>The program folder %1 cannot be written to, so the settings and the schedule are kept in %2 instead.</source>
        <translation>程序文件夹 %1 不可写，因此设置和计划改为保存在 %2 中。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The settings file %1 cannot be read: %2. The settings start from their defaults.</source>
        <translation>无法读取设置文件 %1：%2。设置将使用默认值。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The settings file %1 cannot be written: %2. Changes to the settings will not be kept.</source>
        <translation>无法写入设置文件 %1：%2。对设置的更改将不会保存。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The schedule file %1 cannot be written: %2. Changes to the schedule will not be kept.</source>
        <translation>无法写入计划文件 %1：%2。对计划的更改将不会保存。</translation>
    </message>
    <message>
        <location filename="../../model/Schedule.cpp" line="-151"/>
        <source>%1 item</source>
        <translation>%1 项</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 items</source>
        <translation>%1 项</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>cannot be read (%1)</source>
        <translation>无法读取（%1）</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 and a part that cannot be read</source>
        <translation>%1，以及无法读取的部分</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Copies of the stored schedule, newest first:</source>
        <translation>已保存计划的副本（最新的在前）：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1: %2, the file as this run found it</source>
        <translation>%1：%2，本次运行时找到的文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2, an earlier copy</source>
        <translation>%1：%2，较早的副本</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>无法打开文件“%1”。%2</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The schedule file %1 holds %2, but %3 counted %4. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>计划文件 %1 包含 %2，但 %3 中记录的数量为 %4。已全部加载，下次保存计划时将更正该数量。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The schedule file %1 holds %2, but %3 held no count. All of them were loaded, and the count is set right when the schedule is next stored.</source>
        <translation>计划文件 %1 包含 %2，但 %3 中没有记录数量。已全部加载，下次保存计划时将更正该数量。</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Cannot create file &quot;%1&quot;. It would hold %2, fewer than the %3 loaded and not deleted since; the stored file is left as it was.</source>
        <translation>无法创建文件“%1”。新文件将只包含 %2，少于已加载且此后未删除的 %3 项；已保存的文件保持不变。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2</source>
        <translation>无法创建文件“%1”。无法将原文件保留为 %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cannot create file &quot;%1&quot;. The earlier file could not be kept as %2: %3</source>
        <translation>无法创建文件“%1”。无法将原文件保留为 %2：%3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>无法创建文件“%1”。%2</translation>
    </message>
</context>
<context>
    <name>ScheduleFile</name>
    <message>
        <location filename="../../model/ScheduleFile.cpp" line="+37"/>
        <source>Stream read error</source>
        <translation>流读取错误</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid stream format</source>
        <translation>无效的流格式</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid property value</source>
        <translation>无效的属性值</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Error reading %1.%2: %3</source>
        <translation>读取 %1.%2 时出错：%3</translation>
    </message>
    <message>
        <location line="+169"/>
        <source>Property %1 does not exist</source>
        <translation>属性 %1 不存在</translation>
    </message>
</context>
<context>
    <name>Tasks</name>
    <message>
        <location filename="../../model/ProcessRoutines.cpp" line="+40"/>
        <source>Close all programs could not see every window.
%1</source>
        <translation>关闭所有程序时未能检测到所有窗口。
%1</translation>
    </message>
    <message>
        <location filename="../../model/Tasks.cpp" line="-136"/>
        <source>%1 failed</source>
        <translation>%1失败</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 failed: %2</source>
        <translation>%1失败：%2</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>not available on this computer</source>
        <translation>在此计算机上不可用</translation>
    </message>
    <message>
        <location line="+171"/>
        <source>shutdown the computer</source>
        <translation>关闭计算机</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shutdown the Computer</source>
        <translation>关闭计算机</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the system</source>
        <translation>关闭系统</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Shut down the computer</source>
        <translation>关闭计算机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>turn off the computer</source>
        <translation>关闭计算机电源</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Trun off the computer</source>
        <translation>关闭计算机电源</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Power off the computer</source>
        <translation>关闭计算机电源</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close the program</source>
        <translation>关闭程序</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close program</source>
        <translation>关闭程序</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close the program</source>
        <translation>关闭程序</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>start the screensaver</source>
        <translation>启动屏幕保护程序</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start the screensaver</source>
        <translation>启动屏幕保护程序</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>log off  user</source>
        <translation>注销用户</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Logoff user...</source>
        <translation>注销用户...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off ...</source>
        <translation>注销...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Log off</source>
        <translation>注销</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>disconnect the network</source>
        <translation>断开网络连接</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Disconnect the network</source>
        <translation>断开网络连接</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>close all the program</source>
        <translation>关闭所有程序</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all the program</source>
        <translation>关闭所有程序</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close all programs</source>
        <translation>关闭所有程序</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>execute the program</source>
        <translation>运行程序</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Execute</source>
        <translation>执行</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Run a command line</source>
        <translation>运行命令行</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>restart the computer</source>
        <translation>重新启动计算机</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Restart the computer</source>
        <translation>重新启动计算机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>alarm message</source>
        <translation>提示消息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Show the message</source>
        <translation>显示消息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lock the workstation</source>
        <translation>锁定计算机</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the workstation</source>
        <translation>锁定计算机</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Lock the computer</source>
        <translation>锁定计算机</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sleep the computer</source>
        <translation>使计算机睡眠</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep the computer</source>
        <translation>使计算机睡眠</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Sleep</source>
        <translation>睡眠</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>hibernate the computer</source>
        <translation>使计算机休眠</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hibernate the computer</source>
        <translation>使计算机休眠</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hibernate</source>
        <translation>休眠</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <location filename="../../app/TrayMenu.cpp" line="+115"/>
        <source>The quick action &quot;%1&quot; was not armed: %2</source>
        <translation>未能设定快速操作“%1”：%2</translation>
    </message>
</context>
<context>
    <name>Win32</name>
    <message>
        <location filename="../../platform/win32/RealWin32Api.cpp" line="+800"/>
        <source>System error %1</source>
        <translation>系统错误 %1</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>It is a symbolic link or junction, which this program does not replace</source>
        <translation>它是符号链接或目录联接，本程序不会替换此类项目</translation>
    </message>
    <message>
        <location filename="../../platform/win32/Win32Platform.cpp" line="+50"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows: the computer will not wake for the schedule until it is turned on.</source>
        <translation>Windows 电源选项中的“允许使用唤醒定时器”已关闭：在启用该选项之前，计算机不会为执行计划而被唤醒。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows when plugged in: the computer will not wake for the schedule until it is turned on.</source>
        <translation>Windows 电源选项中“接通电源”时的“允许使用唤醒定时器”已关闭：在启用该选项之前，计算机不会为执行计划而被唤醒。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;Allow wake timers&quot; is turned off in the power options of Windows on battery: the computer will not wake for the schedule until it is turned on.</source>
        <translation>Windows 电源选项中“使用电池”时的“允许使用唤醒定时器”已关闭：在启用该选项之前，计算机不会为执行计划而被唤醒。</translation>
    </message>
</context>
<context>
    <name>halvo::CountdownBar</name>
    <message>
        <location filename="../../app/CountdownBar.cpp" line="+25"/>
        <source>Halvo Shutdown countdown</source>
        <translation>Halvo Shutdown 倒计时</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>Halvo Shutdown: %1</source>
        <translation>Halvo Shutdown：%1</translation>
    </message>
</context>
<context>
    <name>halvo::Engine</name>
    <message>
        <location filename="../../core/Engine.cpp" line="+57"/>
        <source>The quick actions numbered %1 in %2 cannot be read and are left out; the others are loaded.</source>
        <translation>无法读取 %2 中编号为 %1 的快速操作，已将其忽略；其他快速操作已加载。</translation>
    </message>
</context>
<context>
    <name>halvo::NewPasswordDialog</name>
    <message>
        <location filename="../../pages/PasswordDialog.cpp" line="+95"/>
        <source>Protect with a password</source>
        <translation>设置密码保护</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>New password:</source>
        <translation>新密码：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Once more:</source>
        <translation>确认密码：</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The password must be at least %1 characters long.</source>
        <translation>密码长度至少为 %1 个字符。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The two passwords differ.</source>
        <translation>两次输入的密码不一致。</translation>
    </message>
</context>
<context>
    <name>halvo::PasswordDialog</name>
    <message>
        <location line="-97"/>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter the password to %1.</source>
        <translation>请输入密码以%1。</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+15"/>
        <source>Wrong password.</source>
        <translation>密码错误。</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Wrong password. Try again in %n s.</source>
        <translation>
            <numerusform>密码错误。请在 %n 秒后重试。</numerusform>
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
        <translation>快速操作</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Action</source>
        <translation>操作</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>The name &quot;%1&quot; is given twice</source>
        <translation>名称“%1”重复</translation>
    </message>
</context>
<context>
    <name>halvo::SingleInstance</name>
    <message>
        <location filename="../../app/SingleInstance.cpp" line="+141"/>
        <source>cannot set up %1 (%2)</source>
        <translation>无法设置 %1（%2）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot create %1 (%2)</source>
        <translation>无法创建 %1（%2）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot read %1 (%2)</source>
        <translation>无法读取 %1（%2）</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is a symbolic link</source>
        <translation>它是一个符号链接</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is not a folder</source>
        <translation>它不是文件夹</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it belongs to user %1</source>
        <translation>它属于用户 %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its mode is %1, not 0700</source>
        <translation>其权限为 %1，而不是 0700</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is not this user&apos;s own folder (%2); the lock and the socket are not kept there</source>
        <translation>%1 不是此用户自己的文件夹（%2）；锁文件和套接字不会保存在那里</translation>
    </message>
</context>
<context>
    <name>halvo::SlidingPopup</name>
    <message>
        <location filename="../../toolkit/SlidingPopup.cpp" line="+33"/>
        <source>Halvo Shutdown notification</source>
        <translation>Halvo Shutdown 通知</translation>
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
版本 %1
按计划关闭计算机。
</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Visit Homepage</source>
        <translation>访问主页</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+12"/>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <location line="-11"/>
        <location line="+11"/>
        <source>Schedule</source>
        <translation>计划</translation>
    </message>
    <message>
        <location line="-10"/>
        <location line="+10"/>
        <source>Option</source>
        <translation>选项</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>help</source>
        <translation>查看帮助</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>about</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+2"/>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <location line="+197"/>
        <source>The help file %1 is missing</source>
        <translation>帮助文件 %1 不存在</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>exit Halvo Shutdown</source>
        <translation>退出 Halvo Shutdown</translation>
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
        <translation>Halvo Shutdown 将在 1 分钟后让您的计算机
执行以下操作：</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Execute It!</source>
        <translation>立即执行！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Postpone %1 min</source>
        <translation>推迟 %1 分钟</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>cancel the action</source>
        <translation>取消操作</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>postpone the action</source>
        <translation>推迟操作</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cancel(%1)</source>
        <translation>取消（%1）</translation>
    </message>
</context>
<context>
    <name>halvo::TFormGen</name>
    <message>
        <location filename="../../pages/FormGen.cpp" line="-564"/>
        <source>Do It Now!</source>
        <translation>立即执行！</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do It Now</source>
        <translation>立即执行</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Do It at specific time</source>
        <translation>在指定时间执行</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+6"/>
        <source>At</source>
        <translation>时间</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After</source>
        <translation>延时</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>When</source>
        <translation>条件</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+384"/>
        <source>for</source>
        <translation>持续</translation>
    </message>
    <message>
        <location line="-379"/>
        <location line="+384"/>
        <source>min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <location line="-379"/>
        <source>Choose a program by one of its windows</source>
        <translation>通过程序的某个窗口选择程序</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Add a condition that must hold as well</source>
        <translation>添加另一个必须同时满足的条件</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+538"/>
        <location line="+251"/>
        <source>AM</source>
        <translation>上午</translation>
    </message>
    <message>
        <location line="-766"/>
        <location line="+3"/>
        <source>Hour</source>
        <translation>时</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>Min</source>
        <translation>分</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+3"/>
        <source>Sec</source>
        <translation>秒</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+18"/>
        <location line="+582"/>
        <location line="+26"/>
        <source>Save as quick action</source>
        <translation>保存为快速操作</translation>
    </message>
    <message>
        <location line="-550"/>
        <source>change the armed action</source>
        <translation>更改已设定的操作</translation>
    </message>
    <message>
        <location line="+215"/>
        <source>and</source>
        <translation>且</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Remove this condition</source>
        <translation>删除此条件</translation>
    </message>
    <message>
        <location line="+157"/>
        <source>not offered: %1</source>
        <translation>不可用：%1</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+54"/>
        <location line="+197"/>
        <source>PM</source>
        <translation>下午</translation>
    </message>
    <message>
        <location line="-242"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1”不是有效的整数值</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>The delay must not be negative</source>
        <translation>延迟时间不能为负数</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The delay is too long</source>
        <translation>延迟时间过长</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A quick action waits at least one second</source>
        <translation>快速操作至少需要等待一秒</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Choose an action and After, At or When first</source>
        <translation>请先选择操作以及“延时”、“时间”或“条件”</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Name in the tray&apos;s &quot;Quick actions&quot;:</source>
        <translation>在通知区域“快速操作”菜单中显示的名称：</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Replace the quick action &quot;%1&quot;?</source>
        <translation>要替换快速操作“%1”吗？</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There are already %1 quick actions; delete one on the Option page first</source>
        <translation>已有 %1 个快速操作；请先在“选项”页中删除一个</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Saved as quick action &quot;%1&quot;</source>
        <translation>已保存为快速操作“%1”</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+9"/>
        <location line="+6"/>
        <source>replace the armed action</source>
        <translation>替换已设定的操作</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+9"/>
        <location line="+12"/>
        <source>set successfully</source>
        <translation>设置成功</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cancel the armed action</source>
        <translation>取消已设定的操作</translation>
    </message>
    <message>
        <location line="-135"/>
        <source>The time of day must lie between 12:00:00 AM and 11:59:59 PM</source>
        <translation>时间必须在上午 12:00:00 到下午 11:59:59 之间</translation>
    </message>
</context>
<context>
    <name>halvo::TFormOption</name>
    <message>
        <location filename="../../app/FormOption.cpp" line="+40"/>
        <source>start</source>
        <translation>启动</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>auto startup when windows startup</source>
        <translation>系统启动时自动运行</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>auto save the schedule setting</source>
        <translation>自动保存计划设置</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>shutdown</source>
        <translation>关机</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>remind me before shutdown/restart/log off</source>
        <translation>关机/重启/注销前提醒我</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>wake the computer from sleep for scheduled actions</source>
        <translation>从睡眠中唤醒计算机以执行计划项</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Only from sleep or hibernation: a computer that is powered off is not turned on.</source>
        <translation>仅能从睡眠或休眠状态唤醒：已关闭电源的计算机不会被开启。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Not available: %1</source>
        <translation>不可用：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>keep the computer awake while an action waits</source>
        <translation>操作等待执行期间阻止计算机睡眠</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>countdown</source>
        <translation>倒计时</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>show a countdown bar at the</source>
        <translation>显示倒计时条，位于</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>top of the screen</source>
        <translation>屏幕顶部</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom of the screen</source>
        <translation>屏幕底部</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Wayland lets no program place a bar on the screen</source>
        <translation>Wayland 不允许程序在屏幕上放置倒计时条</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Quick actions...</source>
        <translation>快速操作...</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Set</source>
        <translation>应用</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel Setting</source>
        <translation>取消更改</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Protect with a password</source>
        <translation>使用密码保护</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change password...</source>
        <translation>更改密码...</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>change the options</source>
        <translation>更改选项</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>remove the password</source>
        <translation>移除密码</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>change the password</source>
        <translation>更改密码</translation>
    </message>
</context>
<context>
    <name>halvo::TFormProcessList</name>
    <message>
        <location filename="../../pages/FormProcessList.cpp" line="+21"/>
        <source>select the program</source>
        <translation>选择程序</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>processId</source>
        <translation>进程 ID</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>please select item first</source>
        <translation>请先选择一项</translation>
    </message>
</context>
<context>
    <name>halvo::TFormSch</name>
    <message>
        <location filename="../../pages/FormSch.cpp" line="+45"/>
        <source>schedule name</source>
        <translation>计划名称</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Task</source>
        <translation>操作</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next run</source>
        <translation>下次运行</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>add</source>
        <translation>添加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>add a schedule item</source>
        <translation>添加计划项</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>please select item</source>
        <translation>请选择一项</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>change a schedule item</source>
        <translation>修改计划项</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>please select a item</source>
        <translation>请选择一项</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>do you want to delete it?</source>
        <translation>确实要删除它吗？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>information</source>
        <translation>确认</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>delete a schedule item</source>
        <translation>删除计划项</translation>
    </message>
</context>
<context>
    <name>halvo::TFormSchWizard</name>
    <message>
        <location filename="../../model/ScheduleItemDraft.cpp" line="+13"/>
        <source>Schedule item name is null</source>
        <translation>未填写计划名称</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>select a task</source>
        <translation>请选择操作</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please  select the parameter of the task</source>
        <translation>请选择操作的参数</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>please inpute the content of message</source>
        <translation>请输入消息内容</translation>
    </message>
    <message>
        <location filename="../../pages/FormSchWizard.cpp" line="-173"/>
        <source>modify the scheduleItem,but _ScheduleItem=nil</source>
        <translation>无法修改计划项：_ScheduleItem=nil</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Wizard</source>
        <translation>向导</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Schedule Name:</source>
        <translation>计划名称：</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Select the task:</source>
        <translation>选择操作：</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select the Time for schedule</source>
        <translation>选择计划的时间</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Once</source>
        <translation>一次</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>everyday</source>
        <translation>每天</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Everyweek</source>
        <translation>每周</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Everymonth</source>
        <translation>每月</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>complete.</source>
        <translation>完成。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&lt;&lt;Prev</source>
        <translation>&lt;&lt;上一步</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next&gt;&gt;</source>
        <translation>下一步&gt;&gt;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>new schedule item</source>
        <translation>新建计划项</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>modify the schedule item</source>
        <translation>修改计划项</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+185"/>
        <source>Complete</source>
        <translation>完成</translation>
    </message>
    <message>
        <location line="-125"/>
        <source>select program</source>
        <translation>选择程序</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>message content:</source>
        <translation>消息内容：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Browse</source>
        <translation>浏览</translation>
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
        <translation>快速操作</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cancel postponed action</source>
        <translation>取消已推迟的操作</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>cancel the postponed action</source>
        <translation>取消已推迟的操作</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>replace the armed action</source>
        <translation>替换已设定的操作</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>postponed: %1</source>
        <translation>已推迟：%1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../app/main.cpp" line="+45"/>
        <source>cannot start without a display (%1)</source>
        <translation>没有显示环境，无法启动（%1）</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>standard input</source>
        <translation>标准输入</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>cannot read the password from %1 (%2)</source>
        <translation>无法从 %1 读取密码（%2）</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>no password in %1</source>
        <translation>%1 中没有密码</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>cannot start the program</source>
        <translation>无法启动程序</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no running copy could be reached</source>
        <translation>无法连接到正在运行的实例</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the running copy did not answer</source>
        <translation>正在运行的实例没有响应</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>refused: %1</source>
        <translation>已拒绝：%1</translation>
    </message>
    <message>
        <location line="+97"/>
        <source>another copy is running but does not answer</source>
        <translation>另一个实例正在运行，但没有响应</translation>
    </message>
</context>
</TS>

'''A mock org.freedesktop.ScreenSaver for the private D-Bus world of private-session.sh.

Load it with: /usr/bin/python3 -m dbusmock --template tests/helpers/linux-screensaver-mock.py
Every call lands in the mock's call log like the logind mock's calls do.
'''

BUS_NAME = 'org.freedesktop.ScreenSaver'
MAIN_OBJ = '/org/freedesktop/ScreenSaver'
MAIN_IFACE = 'org.freedesktop.ScreenSaver'
SYSTEM_BUS = False


def load(mock, _parameters):
    mock.AddMethods(MAIN_IFACE, [
        ('SetActive', 'b', 'b', 'self.active = args[0]; ret = True'),
        ('GetActive', '', 'b', 'ret = self.active'),
        ('GetActiveTime', '', 'u', 'ret = 0'),
        ('GetSessionIdleTime', '', 'u', 'ret = 0'),
        ('Lock', '', '', 'self.active = True'),
        ('SimulateUserActivity', '', '', ''),
        ('Inhibit', 'ss', 'u', 'ret = 1'),
        ('UnInhibit', 'u', '', ''),
    ])
    mock.active = False

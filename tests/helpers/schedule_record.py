"""Schedule items as the program stores them in sch.cks, byte for byte, for the end-to-end tests to
write before a run and compare afterwards."""

import struct

EXECUTE = 8
MESSAGE = 10


def _short(name):
    return bytes([len(name)]) + name


def _string(text):
    if len(text) < 256:
        return b"\x06" + bytes([len(text)]) + text
    return b"\x0c" + struct.pack("<i", len(text)) + text


def _integer(value):
    return b"\x02" + struct.pack("<b", value)


def _boolean(value):
    return b"\x09" if value else b"\x08"


def task(code, text=None):
    """A task's properties: its code, then the command line of an execute task or the message's text."""
    if code == MESSAGE:
        return _integer(code) + _integer(1) + _string(text)
    if code == EXECUTE:
        return _integer(code) + _string(text)
    return _integer(code)


EVERY_DAY, EVERY_WEEK, EVERY_MONTH = 0, 1, 2
WEEKDAYS = ["Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"]


def item(name, at, period, day, task_properties, cross_state, active, due_today):
    """One item that runs at `at` (hour, minute, second) every day, every week on `day` (1 is Sunday) or every
    month on `day` (1 to 31), with the display text of the C locale."""
    hour, minute, second = at
    rule = b"%02d:%02d:%02d:" % at
    if period == EVERY_WEEK:
        rule += b"EveryWeek:" + WEEKDAYS[day - 1].encode()
    elif period == EVERY_MONTH:
        rule += b"EveryMonth:%d" % day
    else:
        rule += b"EveryDay"
    time_of_day = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 / 86400000.0
    return (b"TPF0" + _short(b"TScheduleItem") + b"\x00" +
            _short(b"TaskProperty") + task_properties +
            _short(b"SPTimeProperty") + _string(rule) + _integer(cross_state) +
            _integer(period) + _integer(day) + b"\x11" + struct.pack("<d", 0.0) + b"\x11" +
            struct.pack("<d", time_of_day) +
            _short(b"OtherProperty") + _boolean(active) + b"\x08" + _boolean(due_today) + _string(name) +
            b"\x00\x00")


def daily_item(name, at, task_properties, cross_state, active, due_today):
    """One item that runs every day at `at` (hour, minute, second)."""
    return item(name, at, EVERY_DAY, 0, task_properties, cross_state, active, due_today)

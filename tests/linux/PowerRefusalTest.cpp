// Sleep, hibernation and refused session requests against the logind mock on a private D-Bus daemon: what
// logind is asked, whether sleep is offered, and the popup's text when logind refuses (its error message,
// or who holds a block inhibitor and why). The test re-runs itself under tests/helpers/private-session.sh
// and refuses to run anywhere else, so no call can reach this machine's own buses.

#include "LinuxTestSupport.h"

#include "model/Tasks.h"
#include "platform/linux/LinuxPlatform.h"
#include "tests/fakes/RecordingUi.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

using namespace halvo;
using namespace halvo::linuxtest;
using halvo::linuxbackend::LinuxPlatform;

namespace {

const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kMock = QStringLiteral("org.freedesktop.DBus.Mock");

using Lines = std::vector<std::string>;

QDBusMessage callLogindMock(const QString& interface, const QString& method, const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(kLogind, kPath, interface, method);
    call.setArguments(arguments);
    return QDBusConnection::systemBus().call(call, QDBus::Block, 5000);
}

// Makes the mock's method run code (Python) from now on.
void scriptMethod(const QString& method, const QString& in, const QString& out, const QString& code) {
    const QDBusMessage reply =
        callLogindMock(kMock, QStringLiteral("AddMethod"), {kManager, method, in, out, code});
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
}

QString refusing(const char* message) {
    return QStringLiteral("raise dbus.exceptions.DBusException('%1', "
                          "name='org.freedesktop.DBus.Error.AccessDenied')")
        .arg(QString::fromUtf8(message));
}

class PowerRefusal : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(PrivateBusProblem(false), ""); }

    // The logind methods called since the last look, without time stamps and property traffic.
    Lines logindCalls() { return m_logind.newCalls(); }

    // The texts of the popups shown since the last look.
    Lines popups() {
        Lines texts;
        for (const auto& popup : ui.popups)
            texts.insert(texts.end(), popup->shownTexts.begin(), popup->shownTexts.end());
        ui.popups.clear();
        return texts;
    }

    LinuxPlatform backend{"", true};
    ScopedPlatform guard{backend};
    RecordingUi ui;
    ScopedUi uiGuard{ui};
    CallLog m_logind{CallLog::pathIn("HALVO_LOGIND_LOG")};
};

} // namespace

TEST_F(PowerRefusal, SleepAndHibernateAskLogindWhetherTheyAreOffered) {
    TSleepTask().Run();
    THibernateTask().Run();
    EXPECT_EQ(logindCalls(), (Lines{"CanSuspend", "Suspend False", "CanHibernate", "Hibernate False"}));
    EXPECT_EQ(popups(), Lines{});

    for (const char* answer : {"yes", "challenge", "no", "na"}) {
        scriptMethod(QStringLiteral("CanSuspend"), {}, QStringLiteral("s"),
                     QStringLiteral("ret = '%1'").arg(answer));
        const bool offered = std::string(answer) == "yes" || std::string(answer) == "challenge";
        EXPECT_EQ(backend.session().isOffered(SessionAction::Sleep), offered) << answer;
    }
    // "na": nothing is asked of logind but whether, and the user hears of it.
    logindCalls();
    TSleepTask().Run();
    EXPECT_EQ(logindCalls(), Lines{"CanSuspend"});
    EXPECT_EQ(popups(), Lines{"Sleep the computer failed: not available on this computer"});
    scriptMethod(QStringLiteral("CanSuspend"), {}, QStringLiteral("s"), QStringLiteral("ret = 'yes'"));
}

TEST_F(PowerRefusal, RefusalsSayWhichActionFailedAndWhy) {
    struct Case {
        const char* method;
        const char* in;
        std::function<void()> run;
        const char* popup;
    };
    const Case cases[] = {
        {"PowerOff", "b", [] { TTurnOffTask().Run(); }, "Power off the computer failed: Permission denied"},
        {"PowerOff", "b", [] { TShutDownTask().Run(); }, "Shut down the computer failed: Permission denied"},
        {"Reboot", "b", [] { TRestartTask().Run(); }, "Restart the computer failed: Permission denied"},
        {"TerminateSession", "s", [] { TLogOffTask().Run(); }, "Log off failed: Permission denied"},
        {"LockSession", "s", [] { TLockWorkStationTask().Run(); },
         "Lock the computer failed: Permission denied"},
        {"Suspend", "b", [] { TSleepTask().Run(); }, "Sleep the computer failed: Permission denied"},
        {"Hibernate", "b", [] { THibernateTask().Run(); },
         "Hibernate the computer failed: Permission denied"},
    };
    for (const Case& c : cases) {
        scriptMethod(c.method, c.in, {}, refusing("Permission denied"));
        c.run();
        EXPECT_EQ(popups(), Lines{c.popup}) << c.method;
        EXPECT_EQ(backend.session().refusalReason(), "Permission denied") << c.method;
        scriptMethod(c.method, c.in, {}, {});
    }

    // A block inhibitor: the popup names who holds it and why, for the actions it blocks.
    const QDBusMessage inhibitor =
        callLogindMock(kManager, QStringLiteral("Inhibit"),
                       {QStringLiteral("shutdown:sleep"), QStringLiteral("Firefox"),
                        QStringLiteral("Playing video"), QStringLiteral("block")});
    ASSERT_EQ(inhibitor.type(), QDBusMessage::ReplyMessage) << inhibitor.errorMessage().toStdString();
    const QDBusMessage blocked =
        callLogindMock(kMock, QStringLiteral("AddProperty"),
                       {kManager, QStringLiteral("BlockInhibited"),
                        QVariant::fromValue(QDBusVariant(QStringLiteral("shutdown:sleep")))});
    ASSERT_EQ(blocked.type(), QDBusMessage::ReplyMessage) << blocked.errorMessage().toStdString();
    for (const char* method : {"PowerOff", "Suspend", "LockSession"})
        scriptMethod(method, method == std::string("LockSession") ? "s" : "b", {},
                     refusing("Operation inhibited"));
    TTurnOffTask().Run();
    TSleepTask().Run();
    // Locking is no action an inhibitor blocks: logind's own words.
    TLockWorkStationTask().Run();
    EXPECT_EQ(popups(), (Lines{"Power off the computer failed: blocked by Firefox: Playing video",
                               "Sleep the computer failed: blocked by Firefox: Playing video",
                               "Lock the computer failed: Operation inhibited"}));
    for (const char* method : {"PowerOff", "Suspend", "LockSession"})
        scriptMethod(method, method == std::string("LockSession") ? "s" : "b", {}, {});
}

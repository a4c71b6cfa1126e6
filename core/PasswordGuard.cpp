#include "PasswordGuard.h"

#include "model/DataFolder.h"
#include "platform/Platform.h"
#include "platform/Translate.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QList>
#include <QPasswordDigestor>
#include <QRandomGenerator>

namespace halvo {

namespace {

constexpr const char* Section = "setting";
constexpr const char* Scheme = "pbkdf2-sha256";
constexpr int SaltBytes = 16;
constexpr int HashBytes = 32;
// A stored form naming more rounds than this is damaged, not slow on purpose: checking must not hang.
constexpr int MostRounds = 10000000;

QByteArray derive(const std::string& password, const QByteArray& salt, int rounds) {
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, QByteArray::fromStdString(password),
                                              salt, rounds, HashBytes);
}

// Every byte is looked at whatever the first difference, so the time taken tells nothing.
bool sameBytes(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

std::int64_t nowMs() {
    return platform().clock().elapsedMs();
}

} // namespace

void PasswordGuard::Load() {
    m_stored = platform().profiles().readKey(SettingsFilePath(), Section, Key, 2047);
}

std::string PasswordGuard::Hash(const std::string& password, int rounds) {
    QByteArray salt(SaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), SaltBytes / 4);
    return std::string(Scheme) + "$" + std::to_string(rounds) + "$" + salt.toBase64().toStdString() + "$" +
           derive(password, salt, rounds).toBase64().toStdString();
}

bool PasswordGuard::Matches(const std::string& stored, const std::string& password) {
    const QList<QByteArray> parts = QByteArray::fromStdString(stored).split('$');
    if (parts.size() != 4 || parts[0] != Scheme)
        return false;
    bool ok = false;
    const int rounds = parts[1].toInt(&ok);
    if (!ok || rounds < 1 || rounds > MostRounds)
        return false;
    const auto salt = QByteArray::fromBase64Encoding(parts[2], QByteArray::AbortOnBase64DecodingErrors);
    const auto hash = QByteArray::fromBase64Encoding(parts[3], QByteArray::AbortOnBase64DecodingErrors);
    if (!salt || !hash || salt.decoded.isEmpty() || hash.decoded.size() != HashBytes)
        return false;
    return sameBytes(derive(password, salt.decoded, rounds), hash.decoded);
}

bool PasswordGuard::Set(const std::string& password, std::string& error) {
    if (QString::fromStdString(password).size() < MinimumLength) {
        error =
            QCoreApplication::translate("PasswordGuard", "The password must be at least %1 characters long.")
                .arg(MinimumLength)
                .toStdString();
        return false;
    }
    const std::string stored = Hash(password);
    if (!platform().profiles().writeKey(SettingsFilePath(), Section, Key, stored)) {
        error = FillIn(Translate("Schedule", "Unable to write to %1"), {SettingsFilePath()});
        return false;
    }
    m_stored = stored;
    m_wrongTries = 0;
    m_nextTryMs = 0;
    return true;
}

bool PasswordGuard::Remove(std::string& error) {
    if (!platform().profiles().writeKey(SettingsFilePath(), Section, Key, "")) {
        error = FillIn(Translate("Schedule", "Unable to write to %1"), {SettingsFilePath()});
        return false;
    }
    m_stored.clear();
    m_wrongTries = 0;
    m_nextTryMs = 0;
    return true;
}

bool PasswordGuard::Store(std::string& error) const {
    if (!isSet() || platform().profiles().writeKey(SettingsFilePath(), Section, Key, m_stored))
        return true;
    error = FillIn(Translate("Schedule", "Unable to write to %1"), {SettingsFilePath()});
    return false;
}

PasswordGuard::Verdict PasswordGuard::Try(const std::string& password) {
    if (!isSet())
        return Verdict::Right;
    if (secondsToWait() > 0)
        return Verdict::Waiting;
    if (Matches(m_stored, password)) {
        m_wrongTries = 0;
        m_nextTryMs = 0;
        return Verdict::Right;
    }
    ++m_wrongTries;
    if (m_wrongTries >= FreeTries)
        m_nextTryMs = nowMs() + std::int64_t(m_wrongTries - FreeTries + 1) * WaitStepSeconds * 1000;
    return Verdict::Wrong;
}

int PasswordGuard::secondsToWait() const {
    if (m_nextTryMs == 0)
        return 0;
    const std::int64_t left = m_nextTryMs - nowMs();
    return left <= 0 ? 0 : int((left + 999) / 1000);
}

bool PasswordGuard::Allowed(const std::string& what) {
    if (!isSet())
        return true;
    return m_asker && m_asker(what);
}

void PasswordGuard::Guarded(const std::string& what, const std::function<void()>& then) {
    if (Allowed(what) && then)
        then();
}

} // namespace halvo

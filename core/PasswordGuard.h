#pragma once

// The password that guards the armed action and the settings. Only a salted, slow hash of it is kept, in
// the settings file (section "setting", key "Setting_Password", "pbkdf2-sha256$ROUNDS$SALT$HASH" with the
// salt and the hash in base64). While one is set, cancelling, postponing, re-arming, changing the schedule
// or the options and "Exit" ask for it first; the command line carries it with its request. After
// FreeTries wrong tries in a row each further try waits WaitStepSeconds longer than the one before.

#include <cstdint>
#include <functional>
#include <string>

namespace halvo {

class PasswordGuard {
public:
    static constexpr int MinimumLength = 6;
    static constexpr int Rounds = 120000;
    static constexpr int FreeTries = 5;
    static constexpr int WaitStepSeconds = 5;
    static constexpr const char* Key = "Setting_Password";

    enum class Verdict { Right, Wrong, Waiting };

    // From the settings file, at the start.
    void Load();
    bool isSet() const { return !m_stored.empty(); }
    // What the settings file holds for it; empty when no password is set.
    const std::string& stored() const { return m_stored; }

    // Hashes and stores a new password at once. False, with error, when it is too short or the settings
    // file cannot be written (the password before stays then).
    bool Set(const std::string& password, std::string& error);
    // No password from now on; false, with error, when the settings file cannot be written.
    bool Remove(std::string& error);
    // Writes the stored form again (when the settings are stored anew, into a file that may have been
    // removed meanwhile); nothing when no password is set.
    bool Store(std::string& error) const;

    // One try: Waiting (nothing compared) while the wait after wrong tries runs.
    Verdict Try(const std::string& password);
    // Whole seconds, rounded up, before the next try is taken; 0 when it may be made now.
    int secondsToWait() const;
    int wrongTries() const { return m_wrongTries; }

    // The stored form of password with a fresh random salt.
    static std::string Hash(const std::string& password, int rounds = Rounds);
    // Whether password is the one stored (compared in constant time); false for a damaged stored form.
    static bool Matches(const std::string& stored, const std::string& password);

    // Asks the user for the password (the window installs it): true only when the right one was given.
    // what says what it guards ("cancel the action").
    using Asker = std::function<bool(const std::string& what)>;
    void SetAsker(Asker asker) { m_asker = std::move(asker); }
    // True at once when no password is set; otherwise whether the asker got the right one (false without
    // an asker).
    bool Allowed(const std::string& what);
    // then runs when Allowed(what).
    void Guarded(const std::string& what, const std::function<void()>& then);

private:
    std::string m_stored;
    int m_wrongTries = 0;
    std::int64_t m_nextTryMs = 0; // on the platform's elapsed clock
    Asker m_asker;
};

} // namespace halvo

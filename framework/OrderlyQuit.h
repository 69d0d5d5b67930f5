#pragma once
// Ends the program in order when it is told to end rather than closed: on
// SIGTERM, SIGINT or SIGHUP the save action runs and the application quits
// through its event loop; when the session manager asks the application to
// commit its data (logout) the save action runs and the session decides what
// follows; and when the program is made to exit while the event loop still
// runs (the display server went away), the save action runs on the way out.
//
// All of this starts with the first turn of an event loop, when the window
// has taken its selection. The signal handler only writes to a pipe;
// everything else happens on the user-interface thread. Signals the program
// was started with ignored (nohup) stay ignored. One instance at a time.

#include <QObject>

#include <functional>

class QSocketNotifier;

class TOrderlyQuit : public QObject {
public:
    explicit TOrderlyQuit(std::function<void()> save, QObject* parent = nullptr);
    ~TOrderlyQuit() override;
    TOrderlyQuit(const TOrderlyQuit&) = delete;
    TOrderlyQuit& operator=(const TOrderlyQuit&) = delete;

private:
    void Arm();
    void SignalArrived();
    void Save();
    static void SaveAtExit();

    std::function<void()> m_save;
    QSocketNotifier* m_notifier = nullptr;
    bool m_armed = false;
    bool m_quitting = false;
};

#pragma once
// SIGTERM and SIGHUP (a logout, a closed terminal, `kill`) end the program without the
// unsaved-changes question. They are turned into a Qt signal so that the program can keep the
// unsaved box first: the handler itself only writes the signal's number to a pipe, and a
// QSocketNotifier on the pipe's other end reports it from the event loop.

#include <QObject>

class QSocketNotifier;

namespace rusrina {

class TerminationSignals : public QObject {
    Q_OBJECT

public:
    // Installs the handlers; signals are reported by the next event loop that runs, a modal
    // question's included.
    explicit TerminationSignals(QObject* parent = nullptr);
    // Puts the default handlers back.
    ~TerminationSignals() override;

    // Whether a signal to end has been reported: the start-up checks this between its steps.
    bool requested() const { return m_requested; }

Q_SIGNALS:
    void received(int signalNumber);

private:
    void drain();

    QSocketNotifier* m_notifier = nullptr;
    bool m_requested = false;
};

} // namespace rusrina

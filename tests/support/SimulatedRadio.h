#pragma once
// The simulated radio as a child process for tests: started with the given options, its
// pseudo-terminal path read from its first line, ended when the object goes. Every wait is
// bounded.
#include <QByteArray>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace tlv::test {

class SimulatedRadio {
  public:
    explicit SimulatedRadio(const QStringList& arguments) {
        process_.setProgram(QStringLiteral(TLV_RADIO_SIM));
        process_.setArguments(arguments);
        process_.start();
        if (!process_.waitForStarted(5000)) return;
        QDeadlineTimer deadline(5000);
        while (!process_.canReadLine() && !deadline.hasExpired())
            process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        path_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
    ~SimulatedRadio() {
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }
    SimulatedRadio(const SimulatedRadio&) = delete;
    SimulatedRadio& operator=(const SimulatedRadio&) = delete;

    // The slave side of its pseudo-terminal; empty when it did not start.
    QString path() const { return path_; }

    // Waits for the simulator to announce that it saved its memory after an end frame.
    bool waitSaved(int ms = 5000) {
        QDeadlineTimer deadline(ms);
        while (!output_.contains("saved") && !deadline.hasExpired()) {
            output_ += process_.readAll();
            if (output_.contains("saved")) break;
            process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        }
        output_ += process_.readAll();
        return output_.contains("saved");
    }

  private:
    QProcess process_;
    QString path_;
    QByteArray output_;
};

} // namespace tlv::test

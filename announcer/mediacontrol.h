// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The info window's media control: a file name and a command word, nothing read back.
// "open" prepares the sound output, "sound" plays the file named; neither waits for the
// sound system. A missing or broken file, or no sound device, stays silent and reports nothing.

#include <QObject>
#include <QString>
#include <memory>

class SoundOutput;

class MediaControl : public QObject {
    Q_OBJECT
public:
    explicit MediaControl(QObject* parent = nullptr);
    ~MediaControl() override;

    QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName);

    QString command() const { return m_command; }
    void setCommand(const QString& word);

    // The file handed to the sound output by the last "sound", empty when nothing was.
    QString playing() const { return m_playing; }

signals:
    // Every write of either property, in the order it happened.
    void fileNameSet(const QString& fileName);
    void commandSent(const QString& word);

private:
    void sound();
    bool makeOutput();

    QString m_fileName;
    QString m_command;
    QString m_playing;
    std::unique_ptr<SoundOutput> m_output;
};

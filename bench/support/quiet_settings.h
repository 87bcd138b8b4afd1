#pragma once
// What a window benchmark sets up before its QApplication: settings in a
// throw-away folder (nothing of the user's is read or written) and message
// boxes that record nothing instead of waiting for a click.
//   QuietSettings quiet; QApplication app(argc, argv); quiet.SilenceMessages();
#include <QSettings>
#include <QTemporaryDir>

#include "platform/message_box.h"

class QuietSettings {
public:
    QuietSettings() {
        for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, dir_.path());
            QSettings::setPath(format, QSettings::SystemScope, dir_.path());
        }
    }
    // The throw-away folder, also a place for files the benchmark writes.
    const QTemporaryDir& Folder() const { return dir_; }
    static void SilenceMessages() {
        spanwright::platform::MessageBox::SetSink([](const spanwright::platform::MessageRecord&) {});
    }

private:
    QTemporaryDir dir_;
};

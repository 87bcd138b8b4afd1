#pragma once
// Named text values that persist between runs, in the per-user settings file (INI text)
// (~/.config/Ostrel/Spanwright.conf under XDG; the system-wide file is read
// as a fallback). A path maps to one group of that file:
//   WriteValue("Software\\Ostrel\\Spanwright\\", "Name", "1200")
//     -> [Software/Ostrel/Spanwright] Name=1200
//   ReadValue("Software\\Ostrel\\Spanwright\\", "Missing", value) -> false, value ""
// Only a missing file or a regular one (a link to one is followed) of at
// most 1 MiB is opened; anything else is neither read nor written, and every
// value reads as missing:
//   a FIFO (open() would wait forever), a socket, a link to /dev/zero
//     -> ReadValue false, WriteValue false, the file left as it is
//   a 2 MiB file -> the same, the file left byte for byte
// Needs no QCoreApplication: the names are given, not taken from the application.
#include <QString>
#include <QtGlobal>
#include <memory>

class QSettings;

namespace spanwright::platform {

class RegistryStore {
public:
    // Larger settings files are left alone: the program writes a few hundred bytes.
    static constexpr qint64 kLargestFile = 1 << 20;

    // The program's files, where QSettings keeps them for Ostrel/Spanwright
    // (so QSettings::setPath and XDG_CONFIG_HOME move them).
    RegistryStore();
    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    // Stores value under name; false when the file cannot be written.
    bool WriteValue(const QString& path, const QString& name, const QString& value);
    // Fetches the value under name; false (and value empty) when it is missing.
    bool ReadValue(const QString& path, const QString& name, QString& value);

private:
    void Open();

    QString userPath_, systemPath_;
    bool opened_ = false;
    std::unique_ptr<QSettings> user_, system_;
};

}  // namespace spanwright::platform

#pragma once
// Named text values that persist between runs, in the per-user settings file (INI text)
// (~/.config/Ostrel/Spanwright.conf under XDG; the system-wide file is read
// as a fallback). Root and path map to one group of that file:
//   WriteValue(kLocalMachine, "Software\\Ostrel\\Spanwright\\", "Top", "1200")
//     -> [Software/Ostrel/Spanwright] Top=1200
//   ReadValue(..., "Missing", value) -> false, value ""
#include <QString>
#include <cstdint>
#include <memory>

class QSettings;

namespace spanwright::platform {

class RegistryStore {
public:
    static constexpr std::int32_t kLocalMachine = static_cast<std::int32_t>(0x80000002u);

    RegistryStore();
    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    // Stores value under name; false when the file cannot be written.
    bool WriteValue(const std::int32_t& root, const QString& path, const QString& name,
                    const QString& value);
    // Fetches the value under name; false (and value empty) when it is missing.
    bool ReadValue(const std::int32_t& root, const QString& path, const QString& name,
                   QString& value);

private:
    QSettings& Settings();
    std::unique_ptr<QSettings> settings_;
};

}  // namespace spanwright::platform

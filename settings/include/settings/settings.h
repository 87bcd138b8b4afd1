#pragma once
// The settings' root, path and names, in one place. Every value is text.
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/registry_store.h"

namespace spanwright::settings {

inline constexpr std::int32_t kRoot = platform::RegistryStore::kLocalMachine;
inline const QString kPath = QStringLiteral("Software\\Ostrel\\Spanwright\\");

namespace key {
inline const QString Top = QStringLiteral("Top");
inline const QString Left = QStringLiteral("Left");
inline const QString ShowOptions = QStringLiteral("ShowOptions");
inline const QString Output = QStringLiteral("Output");
inline const QString Square = QStringLiteral("Square");
inline const QString Format = QStringLiteral("Format");
inline const QString Round = QStringLiteral("Round");
inline const QString RoundOn = QStringLiteral("RoundOn");
inline const QString ListCount = QStringLiteral("ListCount");
inline const QString HistTop = QStringLiteral("HistTop");
inline const QString HistLeft = QStringLiteral("HistLeft");
}  // namespace key

// Reads one value under the program's root and path; a missing value is the
// empty text (found reports whether it was there).
inline QString Read(platform::RegistryStore& store, const QString& name, bool* found = nullptr) {
    QString value;
    const bool ok = store.ReadValue(kRoot, kPath, name, value);
    if (found) *found = ok;
    return value;
}

// A value's text, or nothing when it is missing or empty: such a step is
// skipped without trying a conversion.
inline std::optional<std::string> ReadText(platform::RegistryStore& store, const QString& name) {
    const QString text = Read(store, name);
    if (text.isEmpty()) return std::nullopt;
    return text.toStdString();
}

inline bool Write(platform::RegistryStore& store, const QString& name, const QString& value) {
    return store.WriteValue(kRoot, kPath, name, value);
}

}  // namespace spanwright::settings

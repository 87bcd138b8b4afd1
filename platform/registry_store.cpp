#include "platform/registry_store.h"

#include <QSettings>
#include <QStringList>

namespace spanwright::platform {
namespace {
// "Software\Ostrel\Spanwright\" -> "Software/Ostrel/Spanwright/name"
QString KeyOf(const QString& path, const QString& name) {
    QString group = path;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (group.endsWith(QLatin1Char('/'))) group.chop(1);
    return group.isEmpty() ? name : group + QLatin1Char('/') + name;
}
}  // namespace

RegistryStore::RegistryStore() = default;
RegistryStore::~RegistryStore() = default;

QSettings& RegistryStore::Settings() {
    if (!settings_) {
        settings_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QStringLiteral("Ostrel"),
                                                QStringLiteral("Spanwright"));
    }
    return *settings_;
}

bool RegistryStore::WriteValue(const std::int32_t& /*root*/, const QString& path,
                               const QString& name, const QString& value) {
    QSettings& settings = Settings();
    if (!settings.isWritable()) return false;
    // Written out when the store is released (and by Qt's own timer): one
    // rewrite of the file for a whole shut-down, not one per value.
    settings.setValue(KeyOf(path, name), value);
    return settings.status() == QSettings::NoError;
}

bool RegistryStore::ReadValue(const std::int32_t& /*root*/, const QString& path,
                              const QString& name, QString& value) {
    const QVariant stored = Settings().value(KeyOf(path, name));
    if (!stored.isValid()) {
        value.clear();
        return false;
    }
    // An INI value holding commas reads back as a list: join it again.
    value = stored.typeId() == QMetaType::QStringList ? stored.toStringList().join(QLatin1Char(','))
                                                      : stored.toString();
    return true;
}

}  // namespace spanwright::platform

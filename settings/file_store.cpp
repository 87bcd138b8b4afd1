#include "settings/file_store.h"

#include "platform/registry_store.h"

namespace spanwright::settings {
namespace {
// The group of the per-user file that holds every setting.
const QString kPath = QStringLiteral("Software\\Ostrel\\Spanwright\\");
}  // namespace

FileStore::FileStore() : file_(std::make_unique<platform::RegistryStore>()) {}

FileStore::~FileStore() = default;

std::optional<std::string> FileStore::Read(const std::string& name) {
    QString value;
    if (!file_->ReadValue(kPath, QString::fromStdString(name), value)) return std::nullopt;
    return value.toStdString();
}

bool FileStore::Write(const std::string& name, const std::string& text) {
    return file_->WriteValue(kPath, QString::fromStdString(name), QString::fromStdString(text));
}

}  // namespace spanwright::settings

#pragma once
// The program's settings file as the settings' store: one object for the
// whole run, made where the program starts (the main window, or the command
// line, which only reads).
//   FileStore store; store.Read("Top") -> "1500" from
//     [Software] Ostrel\Spanwright\Top=1500 in ~/.config/Ostrel/Spanwright.conf
// What the file may be (a regular file of at most 1 MiB) is the platform
// store's rule: a FIFO or a device is neither read nor written.
#include <memory>

#include "settings/saved_settings.h"

namespace spanwright::platform {
class RegistryStore;
}

namespace spanwright::settings {

class FileStore final : public Store {
public:
    FileStore();
    ~FileStore() override;
    std::optional<std::string> Read(const std::string& name) override;
    bool Write(const std::string& name, const std::string& text) override;

private:
    std::unique_ptr<platform::RegistryStore> file_;
};

}  // namespace spanwright::settings

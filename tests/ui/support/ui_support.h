#pragma once
// What every window test needs: settings in a temporary folder, and a
// recorder in place of modal message boxes.
#include <QString>
#include <QTemporaryDir>
#include <vector>

#include "platform/message_box.h"

namespace spanwright::test {

// Points the per-user and system settings at a fresh temporary folder for
// the life of the object. Values written with Write() are what the program
// reads at its next start.
class TempSettings {
public:
    TempSettings();
    ~TempSettings();
    QString FilePath() const;  // the per-user INI file the program uses
    void Write(const QString& name, const QString& value);  // under the program's path
    QString Read(const QString& name, bool* found = nullptr) const;
    void Remove(const QString& name);

private:
    QTemporaryDir dir_;
};

// Records every message box instead of showing it; questions get the
// answer set with Answer() (No until then).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    const std::vector<platform::MessageRecord>& records() const { return records_; }
    void clear() { records_.clear(); }
    QString LastText() const { return records_.empty() ? QString() : records_.back().text; }
    void Answer(bool yes) { yes_ = yes; }

private:
    std::vector<platform::MessageRecord> records_;
    bool yes_ = false;
};

}  // namespace spanwright::test

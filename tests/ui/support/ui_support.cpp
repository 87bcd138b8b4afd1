#include "ui_support.h"

#include <QDir>
#include <QSettings>

namespace spanwright::test {
namespace {
constexpr auto kGroup = "Software/Ostrel/Spanwright/";
}

TempSettings::TempSettings() {
    QDir(dir_.path()).mkpath(QStringLiteral("user"));
    QDir(dir_.path()).mkpath(QStringLiteral("system"));
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, dir_.path() + QStringLiteral("/user"));
        QSettings::setPath(format, QSettings::SystemScope, dir_.path() + QStringLiteral("/system"));
    }
}

TempSettings::~TempSettings() = default;

QString TempSettings::FilePath() const {
    return dir_.path() + QStringLiteral("/user/Ostrel/Spanwright.conf");
}

void TempSettings::Write(const QString& name, const QString& value) {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ostrel"), QStringLiteral("Spanwright"));
    s.setValue(QLatin1String(kGroup) + name, value);
}

QString TempSettings::Read(const QString& name, bool* found) const {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ostrel"), QStringLiteral("Spanwright"));
    const QVariant v = s.value(QLatin1String(kGroup) + name);
    if (found) *found = v.isValid();
    return v.toString();
}

void TempSettings::Remove(const QString& name) {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ostrel"), QStringLiteral("Spanwright"));
    s.remove(QLatin1String(kGroup) + name);
}

MessageRecorder::MessageRecorder() {
    platform::MessageBox::SetSink([this](const platform::MessageRecord& r) { records_.push_back(r); });
    platform::MessageBox::SetAnswerer([this](const platform::MessageRecord&) { return yes_; });
}

MessageRecorder::~MessageRecorder() {
    platform::MessageBox::SetSink({});
    platform::MessageBox::SetAnswerer({});
}

}  // namespace spanwright::test

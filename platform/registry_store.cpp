#include "platform/registry_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <sys/stat.h>

#include <cerrno>

namespace spanwright::platform {
namespace {
// "Software\Ostrel\Spanwright\" -> "Software/Ostrel/Spanwright/name"
QString KeyOf(const QString& path, const QString& name) {
    QString group = path;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (group.endsWith(QLatin1Char('/'))) group.chop(1);
    return group.isEmpty() ? name : group + QLatin1Char('/') + name;
}

// Where QSettings keeps Ostrel/Spanwright's file for scope. Asked of a
// QSettings for a name that has no file, since one for the program's own
// name would open its file at once, FIFO or not.
QString FileOf(QSettings::Scope scope) {
    const QString none = QStringLiteral(".spanwright-no-such-name");
    const QSettings probe(QSettings::NativeFormat, scope, none, none);
    const QString folder = QFileInfo(QFileInfo(probe.fileName()).path()).path();  // of <folder>/<none>/<none>.conf
    return folder + QStringLiteral("/Ostrel/Spanwright.conf");
}

enum class Kind { Missing, Usable, Refused };

// Stat before QSettings goes near the file: it would open() a FIFO and wait
// for a writer forever, read a device without end, and rewrite a huge file
// at every save.
Kind KindOf(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) return errno == ENOENT ? Kind::Missing : Kind::Refused;
    if (S_ISLNK(st.st_mode) && ::stat(name.constData(), &st) != 0) return Kind::Refused;  // a dangling link
    return S_ISREG(st.st_mode) && st.st_size <= RegistryStore::kLargestFile ? Kind::Usable : Kind::Refused;
}
}  // namespace

RegistryStore::RegistryStore()
    : userPath_(FileOf(QSettings::UserScope)), systemPath_(FileOf(QSettings::SystemScope)) {}

// Pending values are written as the QSettings goes: one rewrite of the file
// for a whole shut-down, not one per value.
RegistryStore::~RegistryStore() = default;

void RegistryStore::Open() {
    if (opened_) return;
    opened_ = true;
    if (KindOf(userPath_) != Kind::Refused)
        user_ = std::make_unique<QSettings>(userPath_, QSettings::IniFormat);
    if (KindOf(systemPath_) == Kind::Usable)
        system_ = std::make_unique<QSettings>(systemPath_, QSettings::IniFormat);
}

bool RegistryStore::WriteValue(const QString& path, const QString& name, const QString& value) {
    Open();
    // Looked at again: a file that has become something else since is left alone.
    if (!user_ || KindOf(userPath_) == Kind::Refused || !user_->isWritable()) return false;
    user_->setValue(KeyOf(path, name), value);
    return user_->status() == QSettings::NoError;
}

bool RegistryStore::ReadValue(const QString& path, const QString& name, QString& value) {
    Open();
    const QString key = KeyOf(path, name);
    QVariant stored;
    for (QSettings* file : {user_.get(), system_.get()}) {
        if (file && (stored = file->value(key)).isValid()) break;
    }
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

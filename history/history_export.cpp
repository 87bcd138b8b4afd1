#include "history/history_export.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/message_box.h"

namespace spanwright::history {
namespace {
// Bytes written at a time.
constexpr std::size_t kChunk = 64 * 1024;
// Links followed before a chain counts as a loop (the kernel's limit).
constexpr int kMostLinks = 40;

bool WriteAll(QSaveFile& file, std::string_view bytes) {
    return file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

// Whether someone other than the exporter (and root) may add or replace
// entries in the folder.
bool OthersMayWrite(const QByteArray& folder) {
    struct stat st {};
    if (::stat(folder.constData(), &st) != 0) return true;
    const bool trustedOwner = st.st_uid == ::geteuid() || st.st_uid == 0;
    return !trustedOwner || (st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

QString OwnerName(uid_t uid) {
    passwd entry {};
    passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(uid, &entry, buffer, sizeof(buffer), &found) == 0 && found)
        return QStringLiteral("%1 (uid %2)").arg(QFile::decodeName(found->pw_name)).arg(uid);
    return QStringLiteral("uid %1").arg(uid);
}

QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}
}  // namespace

QString ExportPath(const QString& chosen) {
    if (chosen.contains(QLatin1String(".txt"), Qt::CaseInsensitive)) return chosen;
    return chosen + QLatin1String(".txt");
}

ExportResult WriteHistoryFile(const QString& path, std::string_view text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {false, file.errorString()};

    for (std::size_t at = 0; at < text.size(); at += kChunk)
        if (!WriteAll(file, text.substr(at, kChunk))) return {false, file.errorString()};
    if (!WriteAll(file, "\r\n")) return {false, file.errorString()};
    if (!file.commit()) return {false, file.errorString()};
    return {true, {}};
}

std::optional<ForeignLink> ForeignLinkAt(const QString& path) {
    QByteArray at = QFile::encodeName(path);
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat st {};
        if (::lstat(at.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return std::nullopt;
        if (st.st_uid != ::geteuid() && OthersMayWrite(FolderOf(at)))
            return ForeignLink{QFile::decodeName(at), OwnerName(st.st_uid)};
        QByteArray target(4096, '\0');
        const ssize_t n = ::readlink(at.constData(), target.data(), static_cast<size_t>(target.size()));
        if (n < 0 || n >= target.size()) return std::nullopt;  // gone meanwhile, or too long to follow: the write fails
        target.truncate(n);
        at = target.startsWith('/') ? target : FolderOf(at) + '/' + target;
    }
    return std::nullopt;  // a loop: the write fails
}

void ExportChosen(QWidget* parent, const QString& chosen, std::string_view text) {
    const QString path = ExportPath(chosen);
    const auto fail = [&](const QString& why) {
        platform::MessageBox::Show(
            QStringLiteral("The history could not be exported to \"%1\".\n\n%2").arg(QDir::toNativeSeparators(path), why),
            platform::MessageIcon::Exclamation, QStringLiteral("Spanwright"), parent);
    };
    if (const auto link = ForeignLinkAt(path)) {
        fail(QStringLiteral("\"%1\" is a link that belongs to another user, %2, in a folder others may write; "
                            "it is not followed.")
                 .arg(QDir::toNativeSeparators(link->link), link->owner));
        return;
    }
    // The dialog checked `chosen`; a file at the name with ".txt" added it never saw.
    struct stat st {};
    if (path != chosen && ::lstat(QFile::encodeName(path).constData(), &st) == 0 &&
        !platform::MessageBox::Ask(QStringLiteral("%1 already exists. Do you want to replace it?")
                                       .arg(QFileInfo(path).fileName()),
                                   platform::MessageIcon::Exclamation, QStringLiteral("Spanwright"), parent))
        return;
    const ExportResult result = WriteHistoryFile(path, text);
    if (!result.ok) fail(result.reason);
}

}  // namespace spanwright::history

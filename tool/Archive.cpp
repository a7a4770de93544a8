#include "tool/Archive.h"

#include <archive.h>
#include <archive_entry.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <memory>

#include "store/DataFiles.h"
#include "store/Settings.h"
#include "store/WordList.h"
#include "tool/Tool.h"

namespace tool {
namespace {

constexpr qint64 kLargestArchive = 4 * 1024 * 1024;

using Archive = std::unique_ptr<archive, int (*)(archive*)>;

bool isDataFileName(const QString& name) {
    for (const std::string& known : store::kDataFileNames) {
        if (name == QString::fromStdString(known)) {
            return true;
        }
    }
    return false;
}

qint64 sizeOf(const QString& name) {
    return name == QLatin1String(store::kSettingsFileName) ? store::kSettingsSize
                                                           : store::kWordListFileSize;
}

la_ssize_t appendTo(archive*, void* buffer, const void* bytes, size_t length) {
    static_cast<QByteArray*>(buffer)->append(static_cast<const char*>(bytes),
                                             static_cast<qsizetype>(length));
    return static_cast<la_ssize_t>(length);
}

}  // namespace

QStringList namesOf(const FileSet& files) {
    QStringList names;
    for (const auto& entry : files) {
        names.append(entry.first);
    }
    return names;
}

FileSet readDataFiles(const QString& folder) {
    FileSet files;
    for (const std::string& known : store::kDataFileNames) {
        const QString name = QString::fromStdString(known);
        QFile file(folder + QLatin1Char('/') + name);
        if (!file.exists()) {
            continue;
        }
        // A FIFO or a device would block the reading or never end it.
        if (!QFileInfo(file).isFile()) {
            throw Refusal(Tr::tr("%1: not a regular file").arg(file.fileName()));
        }
        if (!file.open(QIODevice::ReadOnly)) {
            throw Refusal(Tr::tr("%1 cannot be read: %2").arg(file.fileName(), file.errorString()));
        }
        if (file.size() > kLargestArchive) {
            throw Refusal(Tr::tr("%1 has %2 bytes, far more than a data file of ordlykta")
                              .arg(file.fileName())
                              .arg(file.size()));
        }
        files[name] = file.readAll();
    }
    return files;
}

QByteArray packArchive(const FileSet& files) {
    QByteArray bytes;
    Archive out(archive_write_new(), archive_write_free);
    archive_write_add_filter_gzip(out.get());
    // The fastest level: the launcher packs a snapshot on its way to the program, and word lists
    // shrink well at any level.
    archive_write_set_filter_option(out.get(), "gzip", "compression-level", "1");
    archive_write_set_format_pax_restricted(out.get());
    if (archive_write_open(out.get(), &bytes, nullptr, appendTo, nullptr) != ARCHIVE_OK) {
        throw Refusal(QString::fromUtf8(archive_error_string(out.get())));
    }
    const time_t now = QDateTime::currentSecsSinceEpoch();
    for (const auto& [name, content] : files) {
        std::unique_ptr<archive_entry, void (*)(archive_entry*)> entry(archive_entry_new(),
                                                                       archive_entry_free);
        archive_entry_set_pathname(entry.get(), name.toUtf8().constData());
        archive_entry_set_filetype(entry.get(), AE_IFREG);
        archive_entry_set_perm(entry.get(), 0644);
        archive_entry_set_size(entry.get(), content.size());
        archive_entry_set_mtime(entry.get(), now, 0);
        if (archive_write_header(out.get(), entry.get()) != ARCHIVE_OK ||
            archive_write_data(out.get(), content.constData(),
                               static_cast<size_t>(content.size())) != content.size()) {
            throw Refusal(QString::fromUtf8(archive_error_string(out.get())));
        }
    }
    if (archive_write_close(out.get()) != ARCHIVE_OK) {
        throw Refusal(QString::fromUtf8(archive_error_string(out.get())));
    }
    return bytes;
}

FileSet unpackArchive(const QString& path) {
    requireRegularFile(path, kLargestArchive,
                       Tr::tr("%1: larger than 4 MB, too large for a backup").arg(path));
    const auto notABackup = [&] {
        return Refusal(Tr::tr("%1 is not a gzip-compressed tar archive").arg(path));
    };
    Archive in(archive_read_new(), archive_read_free);
    archive_read_support_filter_gzip(in.get());
    archive_read_support_format_tar(in.get());
    if (archive_read_open_filename(in.get(), QFile::encodeName(path).constData(), 65536) !=
        ARCHIVE_OK) {
        throw notABackup();
    }
    FileSet files;
    qint64 total = 0;
    archive_entry* entry = nullptr;
    int result;
    while ((result = archive_read_next_header(in.get(), &entry)) == ARCHIVE_OK) {
        if (archive_filter_code(in.get(), 0) != ARCHIVE_FILTER_GZIP) {
            throw notABackup();
        }
        const QString name = QString::fromUtf8(archive_entry_pathname(entry));
        if (!isDataFileName(name)) {
            throw Refusal(Tr::tr("%1 holds %2, which is not a data file of ordlykta (agen.dat, "
                                 "bu1.dat, bu2.dat, bu3.dat, without folders)")
                              .arg(path, name));
        }
        if (archive_entry_filetype(entry) != AE_IFREG || archive_entry_hardlink(entry) != nullptr) {
            throw Refusal(Tr::tr("%1: %2 is a link or a device, not a plain file").arg(path, name));
        }
        if (files.count(name)) {
            throw Refusal(Tr::tr("%1 holds %2 twice").arg(path, name));
        }
        const qint64 size = archive_entry_size(entry);
        if (size != sizeOf(name)) {
            throw Refusal(
                Tr::tr("%1: %2 has %3 bytes, not %4").arg(path, name).arg(size).arg(sizeOf(name)));
        }
        total += size;
        if (total > kLargestArchive) {
            throw Refusal(Tr::tr("%1 holds more than 4 MB").arg(path));
        }
        QByteArray bytes(size, Qt::Uninitialized);
        if (archive_read_data(in.get(), bytes.data(), static_cast<size_t>(size)) != size) {
            throw notABackup();
        }
        files[name] = bytes;
    }
    if (result != ARCHIVE_EOF) {
        throw notABackup();
    }
    if (files.empty()) {
        throw Refusal(Tr::tr("%1 holds no data files").arg(path));
    }
    return files;
}

}  // namespace tool

#include "tool/backup/Archive.h"

#include <archive.h>
#include <archive_entry.h>

#include <zlib.h>

#include <QCryptographicHash>
#include <QDateTime>
#include <QFileInfo>
#include <algorithm>
#include <memory>
#include <optional>

#include "store/Change.h"
#include "store/DataFiles.h"
#include "store/Settings.h"
#include "store/WordList.h"
#include "tool/Base.h"
#include "tool/backup/Answers.h"
#include "tool/backup/Repair.h"

namespace tool {
namespace {

// The data files fill about 2 MB; the answers database may take the rest.
constexpr qint64 kLargestArchive = 4 * 1024 * 1024 + kLargestAnswers;
// The tar around the files: headers and padding, far less than this.
constexpr qint64 kLargestTar = kLargestArchive + 64 * 1024;
constexpr qint64 kLargestManifest = 4096;

using Archive = std::unique_ptr<archive, int (*)(archive*)>;

// A data file's size, or the most the answers database may have.
qint64 sizeOf(const QString& name) {
    return isAnswersName(name) ? kLargestAnswers : store::dataFileSize(name.toStdString());
}

bool isMemberName(const QString& name) {
    return store::isDataFileName(name.toStdString()) || isAnswersName(name);
}

la_ssize_t appendTo(archive*, void* buffer, const void* bytes, size_t length) {
    static_cast<QByteArray*>(buffer)->append(static_cast<const char*>(bytes),
                                             static_cast<qsizetype>(length));
    return static_cast<la_ssize_t>(length);
}

QByteArray sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray manifestOf(const FileSet& files) {
    QByteArray text;
    for (const auto& [name, content] : files) {
        text += sha256(content) + "  " + name.toUtf8() + '\n';
    }
    return text;
}

// The gzip data unpacked to its end, its checksum and length verified; nothing when it is not
// one whole gzip member or unpacks to more than `largest` bytes.
std::optional<QByteArray> gunzip(const QByteArray& packed, qint64 largest) {
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK) {
        return std::nullopt;
    }
    QByteArray out;
    char buffer[65536];
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
    z.avail_in = static_cast<uInt>(packed.size());
    int result = Z_OK;
    while (result == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(buffer);
        z.avail_out = sizeof buffer;
        result = inflate(&z, Z_NO_FLUSH);
        out.append(buffer, static_cast<qsizetype>(sizeof buffer - z.avail_out));
        if (out.size() > largest) {
            result = Z_DATA_ERROR;
        }
    }
    // Archives are padded with zero bytes to a whole block after the gzip data.
    const bool whole = result == Z_STREAM_END && std::all_of(z.next_in, z.next_in + z.avail_in,
                                                             [](Bytef b) { return b == 0; });
    inflateEnd(&z);
    return whole ? std::optional(out) : std::nullopt;
}

// The manifest's sums by name; throws Refusal for one that is not a manifest of data files.
std::map<QString, QByteArray> parseManifest(const QString& path, const QByteArray& text) {
    std::map<QString, QByteArray> sums;
    for (const QByteArray& line : text.split('\n')) {
        if (line.isEmpty()) {
            continue;
        }
        const QList<QByteArray> parts = line.split(' ');
        const QString name = QString::fromUtf8(parts.value(parts.size() - 1));
        if (parts.size() != 3 || parts[0].size() != 64 || !parts[1].isEmpty() ||
            !isMemberName(name) || sums.count(name)) {
            throw Refusal(Tr::tr("%1: its manifest %2 is damaged").arg(path, kManifestName));
        }
        sums[name] = parts[0];
    }
    return sums;
}

// What `check` would report as damage (not spaces or a repeated word), by file; for the
// answers database what SQLite's integrity check finds.
std::map<QString, QString> damageIn(FileSet files) {
    std::map<QString, QString> damaged;
    const auto answers = files.find(answersName());
    if (answers != files.end()) {
        const QString damage = answersDamage(answers->second);
        if (!damage.isEmpty()) {
            damaged[answers->first] = damage;
        }
        files.erase(answers);
    }
    for (const Finding& f : findProblems(files)) {
        if (f.kind != Finding::Spaces && f.kind != Finding::SameSwedishWord &&
            !damaged.count(f.file)) {
            damaged[f.file] = placeOf(f) + QStringLiteral(": ") + describeFinding(f);
        }
    }
    return damaged;
}

}  // namespace

QByteArray packArchive(const FileSet& files) {
    QByteArray bytes;
    Archive out(archive_write_new(), archive_write_free);
    archive_write_add_filter_gzip(out.get());
    // The fastest level: the launcher packs a snapshot on its way to the program, and word lists
    // shrink well at any level.
    archive_write_set_filter_option(out.get(), "gzip", "compression-level", "1");
    archive_write_set_format_pax_restricted(out.get());
    archive_write_set_bytes_in_last_block(out.get(), 1);  // no padding after the gzip data
    if (archive_write_open(out.get(), &bytes, nullptr, appendTo, nullptr) != ARCHIVE_OK) {
        throw Refusal(QString::fromUtf8(archive_error_string(out.get())));
    }
    const time_t now = QDateTime::currentSecsSinceEpoch();
    std::map<QString, QByteArray> members(files.begin(), files.end());
    members[QString::fromLatin1(kManifestName)] = manifestOf(files);
    for (const auto& [name, content] : members) {
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

ArchiveContent readArchive(const QString& path) {
    const QByteArray packed =
        readRegularFile(path, kLargestArchive,
                        Tr::tr("%1: larger than %2 MB, too large for a backup")
                            .arg(path)
                            .arg(kLargestArchive >> 20));
    const auto notABackup = [&] {
        return Refusal(Tr::tr("%1 is not a gzip-compressed tar archive").arg(path));
    };
    if (packed.size() < 2 || packed[0] != '\x1f' || packed[1] != '\x8b') {
        throw notABackup();
    }
    // To its end, so that the gzip trailer's checksum and length are verified.
    const std::optional<QByteArray> tar = gunzip(packed, kLargestTar);
    if (!tar) {
        throw Refusal(Tr::tr("%1 is damaged: its compressed data is cut short, altered or too "
                             "large (the gzip checksum or length does not match)")
                          .arg(path));
    }
    Archive in(archive_read_new(), archive_read_free);
    archive_read_support_format_tar(in.get());
    if (archive_read_open_memory(in.get(), tar->constData(), static_cast<size_t>(tar->size())) !=
        ARCHIVE_OK) {
        throw notABackup();
    }
    ArchiveContent content;
    QByteArray manifest;
    archive_entry* entry = nullptr;
    int result;
    while ((result = archive_read_next_header(in.get(), &entry)) == ARCHIVE_OK) {
        const QString name = QString::fromUtf8(archive_entry_pathname(entry));
        const bool isManifest = name == QLatin1String(kManifestName);
        if (!isMemberName(name) && !isManifest) {
            throw Refusal(Tr::tr("%1 holds %2, which is not a data file of ordlykta (agen.dat, "
                                 "bu1.dat, bu2.dat, bu3.dat, ordlykta.db, without folders)")
                              .arg(path, name));
        }
        if (archive_entry_filetype(entry) != AE_IFREG || archive_entry_hardlink(entry) != nullptr) {
            throw Refusal(Tr::tr("%1: %2 is a link or a device, not a plain file").arg(path, name));
        }
        if (content.files.count(name) || (isManifest && content.hasManifest)) {
            throw Refusal(Tr::tr("%1 holds %2 twice").arg(path, name));
        }
        const qint64 size = archive_entry_size(entry);
        if (size < 0 || size > (isManifest ? kLargestManifest : sizeOf(name))) {
            throw Refusal(
                Tr::tr("%1: %2 has %3 bytes, not %4").arg(path, name).arg(size).arg(sizeOf(name)));
        }
        QByteArray bytes(size, Qt::Uninitialized);
        if (archive_read_data(in.get(), bytes.data(), static_cast<size_t>(size)) != size) {
            throw notABackup();
        }
        if (isManifest) {
            content.hasManifest = true;
            manifest = bytes;
            continue;
        }
        if (size != sizeOf(name) && !isAnswersName(name)) {
            content.unsound[name] =
                Tr::tr("%1 has %2 bytes, not %3").arg(name).arg(size).arg(sizeOf(name));
        }
        content.files[name] = bytes;
    }
    if (result != ARCHIVE_EOF) {
        throw notABackup();
    }
    if (content.files.empty()) {
        throw Refusal(Tr::tr("%1 holds no data files").arg(path));
    }
    if (content.hasManifest) {
        const auto sums = parseManifest(path, manifest);
        for (const auto& [name, sum] : sums) {
            const auto held = content.files.find(name);
            if (held == content.files.end()) {
                content.unsound[name] = Tr::tr("%1 is named in the manifest but missing").arg(name);
            } else if (sha256(held->second) != sum) {
                content.unsound[name] =
                    Tr::tr("%1 is not what was backed up (its SHA-256 differs from the manifest)")
                        .arg(name);
            }
        }
        for (const auto& held : content.files) {
            if (!sums.count(held.first)) {
                content.unsound[held.first] = Tr::tr("%1 is not in the manifest").arg(held.first);
            }
        }
    }
    FileSet checkable;
    for (const auto& [name, bytes] : content.files) {
        if (!content.unsound.count(name)) {
            checkable[name] = bytes;
        }
    }
    content.damaged = damageIn(checkable);
    return content;
}

FileSet unpackArchive(const QString& path) {
    const ArchiveContent content = readArchive(path);
    for (const auto* problems : {&content.unsound, &content.damaged}) {
        if (!problems->empty()) {
            throw Refusal(QStringLiteral("%1: %2").arg(path, problems->begin()->second));
        }
    }
    return content.files;
}

}  // namespace tool

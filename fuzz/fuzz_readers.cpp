// Fuzzes the readers of files that come from elsewhere: KVTML, CSV, Anki text (each with the
// checks an import runs on what they read) and the backup archive. The first byte picks the
// reader and the user's choices; the rest is the file.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "tool/backup/Archive.h"
#include "tool/formats/Encodings.h"
#include "tool/import/ImportPlan.h"
#include "tool/Tool.h"
#include "tool/formats/Formats.h"

namespace {

tool::Source read(std::uint8_t pick, const QByteArray& bytes) {
    tool::TextChoices choices;
    const QChar separators[] = {u',', u';', u'\t'};
    if ((pick >> 2) % 4 < 3) {
        choices.separator = separators[(pick >> 2) % 4];
    }
    if (pick & 0x10) {
        choices.header = (pick & 0x20) != 0;
    }
    if (pick & 0x40) {
        choices.swedishColumn = 2;
    }
    switch (pick % 4) {
        case 0:
            return tool::readKvtml(bytes, choices.swedishColumn);
        case 1:
            return tool::readCsv(tool::decodeText(bytes).text, choices);
        default:
            return tool::readAnki(tool::decodeText(bytes).text, choices);
    }
}

void unpack(const QByteArray& bytes) {
    static const QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/archive.tar.gz");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        file.write(bytes) == bytes.size()) {
        file.close();
        tool::unpackArchive(path);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t pick = data[0];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    try {
        if (pick % 4 == 3) {
            unpack(bytes);
            return 0;
        }
        const tool::Source source = read(pick, bytes);
        const tool::WordRules rules{(pick & 0x80) != 0, (pick & 0x40) != 0, (pick & 0x20) != 0};
        const tool::CheckedSource checked = tool::check(source, rules, QStringLiteral("Fuzz"));
        (void)tool::noteTexts(checked.refused);
    } catch (const tool::Refusal&) {
    } catch (const tool::UsageError&) {
    }
    return 0;
}

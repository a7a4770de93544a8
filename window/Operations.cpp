#include "window/Operations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include "store/Cp1252.h"
#include "store/FolderLock.h"
#include "store/WordList.h"
#include "tool/Archive.h"
#include "tool/formats/Html.h"
#include "tool/ImportPlan.h"
#include "tool/Output.h"
#include "tool/Repair.h"
#include "tool/Snapshots.h"
#include "tool/Tool.h"
#include "window/Text.h"

namespace window {
namespace {

constexpr qint64 kLargestFile = 16 * 1024 * 1024;

// Runs `work`, turning the tool's refusals and the store's errors into a Failure.
template <typename Work>
auto guarded(Work&& work) -> decltype(work()) {
    try {
        return work();
    } catch (const tool::Refusal& e) {
        throw Failure(e.message());
    } catch (const tool::UsageError& e) {
        throw Failure(e.message());
    } catch (const store::IoError& e) {
        throw Failure(QString::fromUtf8(e.what()));
    }
}

QByteArray readInput(const QString& path) {
    tool::requireRegularFile(path, kLargestFile,
                             Tr::tr("%1 är större än 16 MB, för stor för ordlistor").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Failure(Tr::tr("%1 kan inte läsas: %2").arg(path, file.errorString()));
    }
    return file.read(kLargestFile + 1);
}

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder(bytes);
    return !decoder.hasError();
}

// The text of the file: UTF-8 (without its byte-order mark), or Windows-1252 as spreadsheets
// on Windows save it, when asked for or when the bytes are no UTF-8.
QString decodeText(const QByteArray& bytes, std::optional<TextEncoding> encoding) {
    const QByteArray body = bytes.startsWith(kByteOrderMark) ? bytes.mid(3) : bytes;
    if (encoding.value_or(isUtf8(body) ? TextEncoding::Utf8 : TextEncoding::Windows1252) ==
        TextEncoding::Windows1252) {
        QString text;
        text.reserve(body.size());
        for (const char b : body) {
            text += QChar(
                static_cast<char16_t>(store::cp1252::toUnicode(static_cast<unsigned char>(b))));
        }
        return text;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(body);
    if (decoder.hasError()) {
        throw Failure(
            Tr::tr("Filen är inte UTF-8-text. Välj teckenkodningen Windows-1252, eller "
                   "spara filen som UTF-8 och försök igen."));
    }
    return text;
}

// As the import command guesses: the name's suffix, else the contents.
FileFormat guessFormat(const QString& path, const QByteArray& bytes) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("kvtml")) {
        return FileFormat::Kvtml;
    }
    if (suffix == QLatin1String("csv")) {
        return FileFormat::Csv;
    }
    if (suffix == QLatin1String("txt") || suffix == QLatin1String("tsv")) {
        return FileFormat::Anki;
    }
    QByteArray start = bytes.left(4096);
    if (start.startsWith(kByteOrderMark)) {
        start = start.mid(3);
    }
    start = start.trimmed();
    if (start.startsWith('<')) {
        return FileFormat::Kvtml;
    }
    const QByteArray firstLine = start.left(start.indexOf('\n'));
    return firstLine.startsWith('#') || firstLine.contains('\t') ? FileFormat::Anki
                                                                 : FileFormat::Csv;
}

QString separatorName(QChar c) {
    switch (c.unicode()) {
        case '\t':
            return Tr::tr("tabb");
        case ',':
            return Tr::tr("komma");
        case ';':
            return Tr::tr("semikolon");
        case ' ':
            return Tr::tr("mellanslag");
        default:
            return QString(c);
    }
}

// What the text readers will take the file to be, told from its first lines.
// `text` is the file decoded, for the text formats.
Detected detect(FileFormat format, const QByteArray& bytes, const QString& text,
                std::optional<TextEncoding> encoding, std::optional<int> column) {
    Detected d;
    d.format = format;
    d.encoding =
        bytes.startsWith(kByteOrderMark) ? Tr::tr("UTF-8 med BOM") : QStringLiteral("UTF-8");
    d.swedishColumn = column.value_or(1);
    const QByteArray body = bytes.startsWith(kByteOrderMark) ? bytes.mid(3) : bytes;
    if (format != FileFormat::Kvtml &&
        encoding.value_or(isUtf8(body) ? TextEncoding::Utf8 : TextEncoding::Windows1252) ==
            TextEncoding::Windows1252) {
        d.encoding = QStringLiteral("Windows-1252");
    }
    if (format == FileFormat::Kvtml) {
        d.header = true;
        return d;
    }
    const QStringList lines = text.left(65536).split(QLatin1Char('\n'));
    QChar separator = QLatin1Char(format == FileFormat::Csv ? ',' : '\t');
    QString firstRow;
    for (const QString& line : lines) {
        if (format == FileFormat::Anki && line.startsWith(QLatin1Char('#'))) {
            const QString key = line.mid(1).section(QLatin1Char(':'), 0, 0).trimmed().toLower();
            const QString value = line.section(QLatin1Char(':'), 1).trimmed();
            if (key == QLatin1String("separator")) {
                const QString v = value.toLower();
                separator = v == QLatin1String("tab")         ? QChar(u'\t')
                            : v == QLatin1String("comma")     ? QChar(u',')
                            : v == QLatin1String("semicolon") ? QChar(u';')
                            : v == QLatin1String("space")     ? QChar(u' ')
                            : v == QLatin1String("pipe")      ? QChar(u'|')
                            : v == QLatin1String("colon")     ? QChar(u':')
                            : value.isEmpty()                 ? QChar(u'\t')
                                                              : value.at(0);
            } else if (key == QLatin1String("columns")) {
                d.header = true;
                firstRow = value;
            }
            continue;
        }
        if (!line.trimmed().isEmpty()) {
            if (firstRow.isEmpty()) {
                firstRow = line;
                if (format == FileFormat::Anki &&
                    !lines.first().startsWith(QLatin1String("#separator"))) {
                    for (const char c : {'\t', ',', ';'}) {
                        if (line.contains(QLatin1Char(c))) {
                            separator = QLatin1Char(c);
                            break;
                        }
                    }
                }
            }
            break;
        }
    }
    d.separator = separatorName(separator);
    const QStringList names = firstRow.split(separator);
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i]
                .trimmed()
                .remove(QLatin1Char('"'))
                .compare(tool::kSwedish, Qt::CaseInsensitive) == 0) {
            d.header = true;
            if (!column) {
                d.swedishColumn = static_cast<int>(i) + 1;
            }
        }
    }
    return d;
}

// `detected` is set before the file is read, so that a file refused still shows what it was
// taken to be.
tool::Source readSource(const ImportChoice& choice, std::optional<Detected>& detected) {
    const QByteArray bytes = readInput(choice.path);
    if (bytes.size() > kLargestFile) {
        throw Failure(Tr::tr("%1 är större än 16 MB, för stor för ordlistor").arg(choice.path));
    }
    const FileFormat format = choice.format.value_or(guessFormat(choice.path, bytes));
    if (format == FileFormat::Kvtml) {
        detected = detect(format, bytes, {}, std::nullopt, choice.swedishColumn);
        return tool::readKvtml(bytes, choice.swedishColumn);
    }
    const QString text = decodeText(bytes, choice.encoding);
    detected = detect(format, bytes, text, choice.encoding, choice.swedishColumn);
    return format == FileFormat::Anki ? tool::readAnki(text, choice.swedishColumn)
                                      : tool::readCsv(text, choice.swedishColumn);
}

// "line 12: a side is empty" (or its translation) as line 12 and its reason.
RowNote note(RowNote::Kind kind, const QString& text) {
    static const QRegularExpression numbered(QStringLiteral("^\\S+ (\\d+): (.*)$"),
                                             QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = numbered.match(text);
    if (m.hasMatch()) {
        return {kind, m.captured(1).toInt(), m.captured(2)};
    }
    return {kind, 0, text};
}

struct Planned {
    ImportPreview preview;
    std::vector<tool::Placement> placements;
};

Planned planImport(const QString& data, const ImportChoice& choice) {
    Planned result;
    ImportPreview& preview = result.preview;
    try {
        guarded([&] {
            const tool::Source source = readSource(choice, preview.detected);
            const tool::CheckedSource checked =
                tool::check(source, {choice.cut, choice.skipUnsupported},
                            QFileInfo(choice.path).completeBaseName());
            for (const QString& t : checked.refused) {
                preview.notes.push_back(note(RowNote::Refused, t));
            }
            for (const QString& t : checked.leftOut) {
                preview.notes.push_back(note(RowNote::LeftOut, t));
            }
            for (const QString& t : checked.cut) {
                preview.notes.push_back(note(RowNote::Cut, t));
            }
            if (!checked.refused.isEmpty()) {
                preview.problem = Tr::tr(
                    "Några ord får inte plats i en ordlista. Välj \"Korta ord längre än 30 "
                    "tecken\" eller \"Hoppa över par med tecken som en ordlista inte kan ha\", "
                    "eller rätta filen.");
                return;
            }
            if (checked.lists.empty()) {
                preview.problem = Tr::tr("Filen har inga par att importera.");
                return;
            }
            const tool::DataFolder folder(data);
            result.placements =
                tool::plan(folder.wordList(choice.language), choice.firstList, checked);
            for (const tool::Placement& p : result.placements) {
                const int added = static_cast<int>(p.pairs.size());
                preview.targets.push_back({p.list, p.name, added, p.countBefore + added});
            }
        });
    } catch (const Failure& e) {
        preview.problem = e.message();
    }
    return result;
}

// The data folder held against the trainer while a change is written.
std::unique_ptr<store::FolderLock> hold(const QString& data) {
    if (!QDir().mkpath(data)) {
        throw Failure(Tr::tr("Mappen %1 kan inte skapas.").arg(data));
    }
    auto lock = std::make_unique<store::FolderLock>(data.toStdString());
    if (lock->taken()) {
        throw Failure(Tr::tr("Ordlykta är öppet. Stäng det för att importera eller återställa."));
    }
    return lock;
}

QStringList differing(const tool::FileSet& a, const tool::FileSet& b) {
    QStringList names;
    for (const auto& [name, bytes] : a) {
        const auto other = b.find(name);
        if (other == b.end() || other->second != bytes) {
            names += name;
        }
    }
    for (const auto& [name, bytes] : b) {
        if (a.find(name) == a.end()) {
            names += name;
        }
    }
    names.sort();
    return names;
}

// The data files a restore of `files` changes: those it holds whose bytes differ from the
// folder's now; a file it does not hold is left as it is.
QStringList changed(const tool::FileSet& files, tool::FileSet now) {
    std::erase_if(now, [&](const auto& entry) { return !files.contains(entry.first); });
    return differing(files, now);
}

// A snapshot of the files as they are: a new one, or the newest when that holds them already.
QString keepFiles(const QString& data, const tool::FileSet& files) {
    if (files.empty()) {
        return {};
    }
    const QString taken = tool::takeSnapshot(data, files);
    return taken.isEmpty() ? tool::snapshots(data).value(0) : taken;
}

void writeFiles(const QString& data, const tool::FileSet& files) {
    for (const auto& [name, bytes] : files) {
        tool::writeWhole(data + QLatin1Char('/') + name, bytes);
    }
}

QString fieldName(const tool::Finding& f) {
    if (f.pair > 0) {
        return f.field == 1 ? Tr::tr("det svenska ordet") : Tr::tr("det andra ordet");
    }
    if (f.list > 0) {
        return f.field == 1 ? Tr::tr("listans namn") : Tr::tr("listans andra text");
    }
    return Tr::tr("språkets namn");
}

QString describe(const tool::Finding& f) {
    switch (f.kind) {
        case tool::Finding::WrongSize:
            return Tr::tr("%1 byte i stället för %2")
                .arg(f.value)
                .arg(f.file == QLatin1String(store::kSettingsFileName) ? store::kSettingsSize
                                                                       : store::kWordListFileSize);
        case tool::Finding::CountOutOfRange:
            return Tr::tr("listan räknar %1 par, utanför 0 till 99").arg(f.value);
        case tool::Finding::LongLength:
            return Tr::tr("längdbyten för %1 är %2, över 30").arg(fieldName(f)).arg(f.value);
        case tool::Finding::LanguageOutOfRange:
            return Tr::tr("det valda språket är %1, utanför 1 till 3").arg(f.value);
        case tool::Finding::ListOutOfRange:
            return Tr::tr("den valda listan är %1, utanför 1 till 98").arg(f.value);
        case tool::Finding::Spaces:
            return Tr::tr(
                       "%1 börjar eller slutar med mellanslag, så att ett rätt svar räknas "
                       "som fel")
                .arg(fieldName(f));
        case tool::Finding::SameSwedishWord:
            return Tr::tr("samma svenska ord som par %1").arg(f.value);
    }
    return {};
}

bool sameRun(const tool::Finding& a, const tool::Finding& b, int lastPair) {
    return a.pair > 0 && b.pair == lastPair + 1 && a.kind == b.kind && a.file == b.file &&
           a.language == b.language && a.list == b.list && a.field == b.field && a.value == b.value;
}

}  // namespace

Operations::Operations(QString dataFolder) : data_(std::move(dataFolder)) {}

bool Operations::folderBusy() const {
    if (!QFileInfo(data_).isDir()) {
        return false;
    }
    const store::FolderLock lock(data_.toStdString());
    return lock.taken();
}

QStringList Operations::languageNames() const {
    const tool::DataFolder folder(data_);
    QStringList names;
    for (int l = 1; l <= store::kLanguageCount; ++l) {
        names += folder.languageName(l);
    }
    return names;
}

std::vector<ListInfo> Operations::lists(int language) const {
    return guarded([&] {
        const store::WordListImage image = tool::DataFolder(data_).wordList(language);
        std::vector<ListInfo> result;
        for (int l = store::kFirstUserList; l <= store::kLastUserList; ++l) {
            result.push_back({l, tool::fromStore(image.header(l).first), image.count(l)});
        }
        return result;
    });
}

ImportPreview Operations::previewImport(const ImportChoice& choice) const {
    return planImport(data_, choice).preview;
}

ImportDone Operations::import(const ImportChoice& choice) {
    return guarded([&] {
        // Planned again under the lock: what the preview showed may have changed since.
        const auto lock = hold(data_);
        Planned planned = planImport(data_, choice);
        if (!planned.preview.whole()) {
            throw Failure(planned.preview.problem);
        }
        const tool::FileSet before = tool::readDataFiles(data_);
        ImportDone done{planned.preview.targets, keepFiles(data_, before), tool::namesOf(before)};
        const tool::DataFolder folder(data_);
        store::WordListImage image = folder.wordList(choice.language);
        tool::apply(image, planned.placements);
        if (!store::fileExists(folder.file(store::kSettingsFileName))) {
            tool::writeWhole(QString::fromStdString(folder.file(store::kSettingsFileName)),
                             store::encode(store::defaultSettings()));
        }
        tool::writeWhole(
            QString::fromStdString(folder.file(store::wordListFileName(choice.language))),
            image.bytes());
        return done;
    });
}

void Operations::undoImport(const ImportDone& done) {
    undo({done.snapshot, done.filesBefore});
}

QByteArray Operations::exportBytes(int language, std::optional<int> list, ExportFormat format,
                                   bool askOther, std::optional<unsigned> shuffleSeed) const {
    return guarded([&] {
        const tool::DataFolder folder(data_);
        const store::WordListImage image = folder.wordList(language);
        tool::Lists lists{folder.languageName(language), {}};
        for (int l = store::kFirstUserList; l <= store::kLastUserList; ++l) {
            if (list ? l == *list : image.count(l) > 0) {
                lists.lists.push_back(tool::readList(image, l));
            }
        }
        static const tool::Format kFormats[] = {tool::Format::Kvtml, tool::Format::Anki,
                                                tool::Format::Csv, tool::Format::Html,
                                                tool::Format::Html};
        const bool exam = format == ExportFormat::Exam;
        return tool::exportBytes(kFormats[static_cast<int>(format)], lists,
                                 {exam, exam && askOther, exam ? shuffleSeed : std::nullopt});
    });
}

void Operations::save(const QString& path, const QByteArray& bytes) {
    guarded([&] { tool::writeWhole(path, bytes); });
}

std::vector<BackupRow> Operations::backups(const QStringList& saved) const {
    return guarded([&] {
        const tool::FileSet now = tool::readDataFiles(data_);
        std::vector<BackupRow> rows;
        const auto add = [&](bool snapshot, const QString& path, QDateTime taken) {
            const QFileInfo info(path);
            BackupRow row{
                snapshot, path, taken.isValid() ? taken : info.lastModified(), {}, info.size()};
            try {
                row.differ = changed(tool::unpackArchive(path), now);
            } catch (const tool::Refusal&) {
                row.differ = QStringList{Tr::tr("(skadad)")};
            }
            rows.push_back(row);
        };
        for (const QString& path : tool::snapshots(data_)) {
            QDateTime taken =
                QDateTime::fromString(QFileInfo(path).fileName(),
                                      QStringLiteral("'ordlykta-'yyyyMMdd-HHmmss-zzz'.tar.gz'"));
            taken.setTimeSpec(Qt::UTC);
            add(true, path, taken.toLocalTime());
        }
        for (const QString& path : saved) {
            if (QFileInfo(path).isFile()) {
                add(false, path, {});
            }
        }
        std::stable_sort(rows.begin(), rows.end(),
                         [](const BackupRow& a, const BackupRow& b) { return a.taken > b.taken; });
        return rows;
    });
}

QStringList Operations::changesOf(const QString& archive) const {
    return guarded(
        [&] { return changed(tool::unpackArchive(archive), tool::readDataFiles(data_)); });
}

Undo Operations::restore(const QString& archive) {
    return guarded([&] {
        const auto lock = hold(data_);
        const tool::FileSet files = tool::unpackArchive(archive);
        const tool::FileSet before = tool::readDataFiles(data_);
        Undo undo{keepFiles(data_, before), tool::namesOf(before)};
        writeFiles(data_, files);
        return undo;
    });
}

void Operations::undo(const Undo& undo) {
    guarded([&] {
        const auto lock = hold(data_);
        const tool::FileSet files =
            undo.snapshot.isEmpty() ? tool::FileSet{} : tool::unpackArchive(undo.snapshot);
        writeFiles(data_, files);
        // Data files that were not there before go again.
        for (const QString& name : tool::namesOf(tool::readDataFiles(data_))) {
            if (!undo.filesBefore.contains(name) &&
                !QFile::remove(data_ + QLatin1Char('/') + name)) {
                throw Failure(Tr::tr("%1 kan inte tas bort").arg(name));
            }
        }
    });
}

void Operations::saveBackup(const QString& path) const {
    guarded([&] {
        const tool::FileSet files = tool::readDataFiles(data_);
        if (files.empty()) {
            throw Failure(Tr::tr("Mappen %1 har inga ord att spara ännu.").arg(data_));
        }
        tool::writeWhole(path, tool::packArchive(files));
    });
}

std::vector<CheckRow> Operations::check() const {
    return guarded([&] {
        const std::vector<tool::Finding> found = tool::findProblems(tool::readDataFiles(data_));
        std::vector<CheckRow> rows;
        for (std::size_t i = 0; i < found.size();) {
            const tool::Finding& f = found[i];
            std::size_t j = i + 1;
            int last = f.pair;
            while (j < found.size() && sameRun(f, found[j], last)) {
                last = found[j++].pair;
            }
            QString text = describe(f);
            if (f.pair > 0) {
                text = (last > f.pair ? Tr::tr("par %1–%2: %3").arg(f.pair).arg(last)
                                      : Tr::tr("par %1: %2").arg(f.pair))
                           .arg(text);
            }
            rows.push_back({f.file, f.language, f.list, f.pair, last, text, f.mendable()});
            i = j;
        }
        return rows;
    });
}

Undo Operations::mend() {
    return guarded([&] {
        const auto lock = hold(data_);
        const tool::FileSet files = tool::readDataFiles(data_);
        const tool::FileSet mended = tool::mend(files);
        Undo undo{keepFiles(data_, files), tool::namesOf(files)};
        writeFiles(data_, mended);
        return undo;
    });
}

}  // namespace window

// KVTML 2.0, the vocabulary format of KDE's trainers: identifiers (the languages), entries
// with one translation per identifier, and lessons that refer to entries by id.

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <map>

#include "tool/Base.h"
#include "tool/formats/Encodings.h"
#include "tool/formats/Formats.h"

namespace tool {
namespace {

constexpr int kDeepestLesson = 64;
// Elements the reader passes over may nest no deeper than this, so that the parser's stack of
// open elements stays small beside the file.
constexpr int kDeepestSkipped = 256;
// A document names a language in each identifier; two are read, a few more are common.
constexpr std::size_t kMostIdentifiers = 64;

void writeTranslation(QXmlStreamWriter& xml, int id, const QString& text) {
    xml.writeStartElement(QStringLiteral("translation"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    xml.writeTextElement(QStringLiteral("text"), text);
    xml.writeEndElement();
}

void writeIdentifier(QXmlStreamWriter& xml, int id, const QString& name, const QString& locale) {
    xml.writeStartElement(QStringLiteral("identifier"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    xml.writeTextElement(QStringLiteral("name"), name);
    xml.writeTextElement(QStringLiteral("locale"), locale);
    xml.writeEndElement();
}

struct Entry {
    int line = 0;
    std::map<QString, QString> texts;  // by translation id
};

struct Reference {
    QString id;
    int line = 0;
};

struct Lesson {
    QString name;
    std::vector<Reference> entries;  // in order
};

struct Identifier {
    QString id;
    QString name;
    QString locale;
};

class Reader {
  public:
    explicit Reader(const QString& text) : xml_(text) {}
    explicit Reader(const QByteArray& utf8) : xml_(utf8) {}

    void read() {
        if (!xml_.readNextStartElement() || xml_.name() != QLatin1String("kvtml")) {
            fail(Tr::tr("not a KVTML file"));
        }
        if (xml_.attributes().value(QLatin1String("version")).startsWith(QLatin1Char('1'))) {
            fail(Tr::tr("KVTML 1 is not read; save the file as KVTML 2"));
        }
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("information")) {
                information();
            } else if (xml_.name() == QLatin1String("identifiers")) {
                each(QLatin1String("identifier"), [this] { identifier(); });
            } else if (xml_.name() == QLatin1String("entries")) {
                each(QLatin1String("entry"), [this] { entry(); });
            } else if (xml_.name() == QLatin1String("lessons")) {
                each(QLatin1String("container"), [this] { container(1); });
            } else {
                skip();
            }
        }
        if (xml_.hasError()) {
            fail(xml_.errorString());
        }
    }

    Source source(SwedishColumn swedishColumn) const {
        const QString swedish = swedishId(swedishColumn);
        QString other;
        for (const Identifier& identifier : identifiers_) {
            if (identifier.id != swedish) {
                other = identifier.id;
                break;
            }
        }
        if (identifiers_.empty()) {
            other = swedish == QLatin1String("0") ? QStringLiteral("1") : QStringLiteral("0");
        }
        std::vector<Lesson> lessons = lessons_;
        std::vector<Reference> loose = entriesOutsideLessons();
        if (!loose.empty()) {
            lessons.push_back({title_, std::move(loose)});
        }
        Source source;
        source.named = lessons.size() > 1;
        source.layout.swedish = swedish.toInt() + 1;
        source.layout.other = other.toInt() + 1;
        for (const Lesson& lesson : lessons) {
            SourceList list{lesson.name.trimmed(), {}};
            for (const Reference& reference : lesson.entries) {
                const auto entry = entries_.find(reference.id);
                if (entry == entries_.end()) {
                    source.bad.push_back(
                        {reference.line, Tr::tr("the lesson \"%1\" names the entry \"%2\", which "
                                                "the file does not hold")
                                             .arg(lesson.name.trimmed(), reference.id)});
                    continue;
                }
                list.pairs.push_back(
                    {text(entry->second, swedish), text(entry->second, other), entry->second.line});
            }
            source.lists.push_back(std::move(list));
        }
        return source;
    }

  private:
    [[noreturn]] void fail(const QString& reason) const {
        throw Refusal(Tr::tr("line %1: %2").arg(QString::number(xml_.lineNumber()), reason));
    }

    // Passes over the current element and everything in it.
    void skip() {
        int depth = 1;
        while (depth > 0 && !xml_.atEnd()) {
            const QXmlStreamReader::TokenType token = xml_.readNext();
            if (token == QXmlStreamReader::StartElement && ++depth > kDeepestSkipped) {
                fail(Tr::tr("elements nested too deeply"));
            } else if (token == QXmlStreamReader::EndElement) {
                --depth;
            }
        }
    }

    template <typename Read>
    void each(QLatin1String element, Read read) {
        while (xml_.readNextStartElement()) {
            if (xml_.name() == element) {
                read();
            } else {
                skip();
            }
        }
    }

    void information() {
        each(QLatin1String("title"), [this] { title_ = xml_.readElementText().trimmed(); });
    }

    void identifier() {
        Identifier identifier{xml_.attributes().value(QLatin1String("id")).toString(), {}, {}};
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("name")) {
                identifier.name = xml_.readElementText().trimmed();
            } else if (xml_.name() == QLatin1String("locale")) {
                identifier.locale = xml_.readElementText().trimmed();
            } else {
                skip();
            }
        }
        if (identifiers_.size() == kMostIdentifiers) {
            fail(Tr::tr("more than %1 languages").arg(kMostIdentifiers));
        }
        identifiers_.push_back(identifier);
    }

    void entry() {
        const QString id = xml_.attributes().value(QLatin1String("id")).toString();
        Entry entry{static_cast<int>(xml_.lineNumber()), {}};
        each(QLatin1String("translation"), [&] {
            const QString translation = xml_.attributes().value(QLatin1String("id")).toString();
            each(QLatin1String("text"), [&] { entry.texts[translation] = xml_.readElementText(); });
        });
        // Lessons name entries by id: of two with one id, one pair would silently be lost.
        if (entries_.count(id)) {
            fail(Tr::tr("a second entry with the id \"%1\"").arg(id));
        }
        if (static_cast<std::size_t>(order_.size()) == kMostPairs) {
            fail(Tr::tr("more entries than a language has room for"));
        }
        order_.push_back(id);
        entries_[id] = std::move(entry);
    }

    // A lesson and, after it, the lessons inside it.
    void container(int depth) {
        if (depth > kDeepestLesson) {
            fail(Tr::tr("lessons nested too deeply"));
        }
        const std::size_t at = lessons_.size();
        lessons_.emplace_back();
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("name")) {
                lessons_[at].name = xml_.readElementText();
            } else if (xml_.name() == QLatin1String("entry")) {
                if (++references_ > kMostPairs) {
                    fail(Tr::tr("more entries than a language has room for"));
                }
                lessons_[at].entries.push_back(
                    {xml_.attributes().value(QLatin1String("id")).toString(),
                     static_cast<int>(xml_.lineNumber())});
                skip();
            } else if (xml_.name() == QLatin1String("container")) {
                container(depth + 1);
            } else {
                skip();
            }
        }
        if (lessons_[at].entries.empty()) {
            lessons_.erase(lessons_.begin() + static_cast<std::ptrdiff_t>(at));
        }
    }

    QString swedishId(SwedishColumn swedishColumn) const {
        if (swedishColumn) {
            return QString::number(*swedishColumn - 1);
        }
        for (const Identifier& identifier : identifiers_) {
            if (identifier.name.compare(kSwedish, Qt::CaseInsensitive) == 0 ||
                identifier.locale.section(QLatin1Char('_'), 0, 0)
                        .compare(QLatin1String("sv"), Qt::CaseInsensitive) == 0) {
                return identifier.id;
            }
        }
        return QStringLiteral("0");
    }

    std::vector<Reference> entriesOutsideLessons() const {
        QSet<QString> inLessons;
        for (const Lesson& lesson : lessons_) {
            for (const Reference& reference : lesson.entries) {
                inLessons.insert(reference.id);
            }
        }
        std::vector<Reference> loose;
        for (const QString& id : order_) {
            if (!inLessons.contains(id)) {
                loose.push_back({id, entries_.at(id).line});
            }
        }
        return loose;
    }

    static QString text(const Entry& entry, const QString& id) {
        const auto found = entry.texts.find(id);
        return found == entry.texts.end() ? QString() : found->second;
    }

    QXmlStreamReader xml_;
    QString title_;
    std::vector<Identifier> identifiers_;
    std::map<QString, Entry> entries_;
    QStringList order_;
    std::vector<Lesson> lessons_;
    std::size_t references_ = 0;  // entries named in lessons
};

}  // namespace

QByteArray writeKvtml(const Lists& lists) {
    // Written to a string (a byte array would take every piece through a QBuffer), so the
    // declaration and the document type are written here. KDE's library takes a file for KVTML
    // only when its first line is the declaration and its second names kvtml, so each is a
    // line of its own; after them each entry and each lesson begins a line, indented by its
    // depth (Qt's own indenting of every element would take half as long again as the rest).
    QString text = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">\n");
    QXmlStreamWriter xml(&text);
    static const QString kLine[] = {QStringLiteral("\n"), QStringLiteral("\n "),
                                    QStringLiteral("\n  "), QStringLiteral("\n   ")};

    xml.writeStartElement(QStringLiteral("kvtml"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));

    xml.writeCharacters(kLine[1]);
    xml.writeStartElement(QStringLiteral("information"));
    xml.writeTextElement(QStringLiteral("generator"), QStringLiteral("ordlykta"));
    xml.writeTextElement(QStringLiteral("title"), lists.language);
    xml.writeEndElement();

    xml.writeCharacters(kLine[1]);
    xml.writeStartElement(QStringLiteral("identifiers"));
    for (const int id : {0, 1}) {
        xml.writeCharacters(kLine[2]);
        writeIdentifier(xml, id, id == 0 ? kSwedish : lists.language,
                        id == 0 ? QStringLiteral("sv") : QString());
    }
    xml.writeCharacters(kLine[1]);
    xml.writeEndElement();

    xml.writeCharacters(kLine[1]);
    xml.writeStartElement(QStringLiteral("entries"));
    int id = 0;
    for (const WordList& list : lists.lists) {
        for (const Pair& pair : list.pairs) {
            xml.writeCharacters(kLine[2]);
            xml.writeStartElement(QStringLiteral("entry"));
            xml.writeAttribute(QStringLiteral("id"), QString::number(id++));
            writeTranslation(xml, 0, pair.swedish);
            writeTranslation(xml, 1, pair.other);
            xml.writeEndElement();
        }
    }
    xml.writeCharacters(kLine[1]);
    xml.writeEndElement();

    xml.writeCharacters(kLine[1]);
    xml.writeStartElement(QStringLiteral("lessons"));
    id = 0;
    for (const WordList& list : lists.lists) {
        xml.writeCharacters(kLine[2]);
        xml.writeStartElement(QStringLiteral("container"));
        xml.writeTextElement(QStringLiteral("name"), list.name);
        xml.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
        for (std::size_t i = 0; i < list.pairs.size(); ++i) {
            xml.writeCharacters(kLine[3]);
            xml.writeEmptyElement(QStringLiteral("entry"));
            xml.writeAttribute(QStringLiteral("id"), QString::number(id++));
        }
        xml.writeCharacters(kLine[2]);
        xml.writeEndElement();
    }
    xml.writeCharacters(kLine[1]);
    xml.writeEndElement();

    xml.writeCharacters(kLine[0]);
    xml.writeEndDocument();
    return text.toUtf8();
}

Source readKvtml(const QByteArray& bytes, SwedishColumn swedishColumn) {
    QString encoding = QStringLiteral("UTF-8");
    QString text;
    if (std::optional<DecodedText> wide = decodeUtf16(bytes)) {
        text = std::move(wide->text);
        encoding = wide->encoding;
    } else {
        const QByteArray body = withoutUtf8Mark(bytes);
        // The declaration, when it names an encoding: <?xml version="1.0" encoding="NAME"?>
        static const QRegularExpression declared(
            QStringLiteral("^\\s*<\\?xml[^>]*\\sencoding\\s*=\\s*[\"']([A-Za-z0-9._-]+)"));
        const QRegularExpressionMatch match = declared.match(QString::fromLatin1(body.left(200)));
        if (match.hasMatch()) {
            encoding = match.captured(1);
        }
        if (encoding.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) != 0) {
            text = decodeAs(body, encoding);
        } else {
            // Checked, then read from the bytes, so that no decoded copy is kept beside them.
            (void)decodeAs(body, encoding);
        }
    }
    std::optional<Reader> reader;
    if (text.isNull()) {
        reader.emplace(bytes);
    } else {
        reader.emplace(text);
    }
    reader->read();
    Source source = reader->source(swedishColumn);
    source.layout.encoding = encoding;
    return source;
}

}  // namespace tool

#include "tool/import/Languages.h"

#include <algorithm>
#include <iterator>

namespace tool {
namespace {

// A language by its names: Swedish first, then English, its own and its ISO 639-1 codes.
struct KnownLanguage {
    std::array<const char*, 6> names;
};

// UTF-8: the names hold å, ä, ö and others.
constexpr KnownLanguage kKnown[] = {
    {{"Svenska", "Swedish", "sv", "svenska"}},
    {{"Engelska", "English", "en"}},
    {{"Tyska", "German", "de", "Deutsch"}},
    {{"Franska", "French", "fr",
      "Fran\xC3\xA7"
      "ais"}},
    {{"Spanska", "Spanish", "es", "Espa\xC3\xB1ol", "Castellano"}},
    {{"Italienska", "Italian", "it", "Italiano"}},
    {{"Portugisiska", "Portuguese", "pt", "Portugu\xC3\xAAs"}},
    {{"Finska", "Finnish", "fi", "Suomi"}},
    {{"Norska", "Norwegian", "no", "nb", "nn", "Norsk"}},
    {{"Danska", "Danish", "da", "Dansk"}},
    {{"Isl\xC3\xA4ndska", "Icelandic", "is", "\xC3\x8Dslenska"}},
    {{"Nederl\xC3\xA4ndska", "Dutch", "nl", "Nederlands", "Holl\xC3\xA4ndska"}},
    {{"Polska", "Polish", "pl", "Polski"}},
    {{"Ryska", "Russian", "ru", "\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9"}},
    {{"Ukrainska", "Ukrainian", "uk"}},
    {{"Estniska", "Estonian", "et", "Eesti"}},
    {{"Lettiska", "Latvian", "lv"}},
    {{"Litauiska", "Lithuanian", "lt"}},
    {{"Tjeckiska", "Czech", "cs",
      "\xC4\x8C"
      "e\xC5\xA1tina"}},
    {{"Ungerska", "Hungarian", "hu", "Magyar"}},
    {{"Grekiska", "Greek", "el"}},
    {{"Turkiska", "Turkish", "tr",
      "T\xC3\xBCrk\xC3\xA7"
      "e"}},
    {{"Arabiska", "Arabic", "ar"}},
    {{"Persiska", "Persian", "fa", "Farsi"}},
    {{"Somaliska", "Somali", "so", "Soomaali"}},
    {{"Kinesiska", "Chinese", "zh"}},
    {{"Japanska", "Japanese", "ja"}},
    {{"Koreanska", "Korean", "ko"}},
    {{"Latin", "Latin", "la", "Latinska"}},
    {{"Esperanto", "Esperanto", "eo"}},
};

// The known language a name names; a locale ("de_DE", "pt-BR") by its language code.
const KnownLanguage* known(const QString& given) {
    QString name = given.trimmed();
    if (name.size() > 2 && (name[2] == u'_' || name[2] == u'-')) {
        name = name.left(2);
    }
    const auto found = std::find_if(std::begin(kKnown), std::end(kKnown), [&](const auto& k) {
        return std::any_of(k.names.begin(), k.names.end(), [&](const char* n) {
            return n && name.compare(QString::fromUtf8(n), Qt::CaseInsensitive) == 0;
        });
    });
    return found == std::end(kKnown) ? nullptr : found;
}

}  // namespace

QString swedishLanguageName(const QString& name) {
    const KnownLanguage* language = known(name);
    return language ? QString::fromUtf8(language->names[0]) : QString();
}

bool sameLanguage(const QString& a, const QString& b) {
    const KnownLanguage* known_a = known(a);
    return (known_a && known_a == known(b)) ||
           (!a.trimmed().isEmpty() && a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0);
}

int languageNamed(const std::array<QString, 3>& languages, const QStringList& said) {
    for (const QString& name : said) {
        for (std::size_t i = 0; i < languages.size(); ++i) {
            if (sameLanguage(languages[i], name)) {
                return static_cast<int>(i) + 1;
            }
        }
    }
    return 0;
}

}  // namespace tool

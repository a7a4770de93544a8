// Anki's fields as HTML, read by libxml2's HTML parser (entities, tags as browsers take them).

#include <libxml/HTMLparser.h>

#include <QRegularExpression>
#include <algorithm>

#include "tool/formats/Formats.h"

namespace tool {
namespace {

// Elements whose end is a break in the text.
bool isBlock(const QByteArray& name) {
    static const char* const kBlocks[] = {
        "address", "article", "blockquote", "dd",    "div", "dl",     "dt", "footer", "h1",
        "h2",      "h3",      "h4",         "h5",    "h6",  "header", "hr", "li",     "ol",
        "p",       "pre",     "section",    "table", "td",  "th",     "tr", "ul"};
    return std::any_of(std::begin(kBlocks), std::end(kBlocks),
                       [&name](const char* block) { return name == block; });
}

void appendText(const xmlNode* node, QString& text) {
    for (; node != nullptr; node = node->next) {
        if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
            text += QString::fromUtf8(reinterpret_cast<const char*>(node->content));
        } else if (node->type == XML_ELEMENT_NODE) {
            const QByteArray name = QByteArray(reinterpret_cast<const char*>(node->name)).toLower();
            if (name == "script" || name == "style") {
                continue;
            }
            if (name == "br") {
                text += QLatin1Char(' ');
                continue;
            }
            appendText(node->children, text);
            if (isBlock(name)) {
                text += QLatin1Char(' ');
            }
        }
    }
}

}  // namespace

QString htmlToText(const QString& html) {
    QString text;
    if (html.contains(QLatin1Char('<')) || html.contains(QLatin1Char('&'))) {
        const QByteArray bytes = html.toUtf8();
        htmlDocPtr document =
            htmlReadMemory(bytes.constData(), static_cast<int>(bytes.size()), nullptr, "UTF-8",
                           HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
        if (document != nullptr) {
            appendText(document->children, text);
            xmlFreeDoc(document);
        }
    } else {
        text = html;
    }
    static const QRegularExpression sound(QStringLiteral("\\[sound:[^\\]]*\\]"));
    static const QRegularExpression blanks(QStringLiteral("[\\s\\x{00A0}]+"));
    text.remove(sound);
    text.replace(blanks, QStringLiteral(" "));
    return text.trimmed();
}

}  // namespace tool

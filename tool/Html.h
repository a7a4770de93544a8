#pragma once
// The printable page and the exam sheet a teacher hands out.

#include <QByteArray>
#include <cstdint>
#include <optional>

#include "tool/Formats.h"
#include "tool/Words.h"

namespace tool {

struct HtmlSheet {
    bool exam = false;      // the answers' column left empty, with lines for name, date, score
    bool askOther = false;  // the exam asks the other language's words, Swedish is the answer
    // Pairs in an order drawn from this seed; nothing keeps the lists' own order.
    std::optional<std::uint32_t> shuffleSeed;
};

// One page per list: its name as heading, a table whose headings repeat on every printed page.
QByteArray writeHtml(const Lists& lists, const HtmlSheet& sheet);

}  // namespace tool

namespace tool {

// What `export` writes in `format` for these lists.
QByteArray exportBytes(Format format, const Lists& lists, const HtmlSheet& sheet);

}  // namespace tool

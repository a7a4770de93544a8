#pragma once
// The printable page and the exam sheet a teacher hands out.

#include <QByteArray>

#include "tool/Words.h"
#include "tool/formats/Formats.h"

namespace tool {

// One page per list: its name as heading, a table whose headings repeat on every printed page.
QByteArray writeHtml(const Lists& lists, const HtmlSheet& sheet);

}  // namespace tool

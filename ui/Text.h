#pragma once
// The screens' side of the text: the conversion to and from the files' Windows-1252 bytes (from
// text/), the pair lines of the list boxes, and the validator of every field.

#include <QString>
#include <QValidator>

#include "text/Text.h"

namespace ui {

// Characters the code page cannot hold never reach toStore (the fields refuse them); should
// one arrive, it is stored as one '?'.
using text::fitsCodePage;
using text::fromStore;
using text::toStore;

// How a list box shows a pair: the Swedish word right-aligned to column 31 (31 - length spaces
// in front, none when longer), the separator (" * " or " # "), then the other word, so that
// the separators of all lines stand in one column of a fixed-pitch font.
QString pairLine(const QString& swedish, const QString& other, const QString& separator = " * ");

// Refuses any input holding a character Windows-1252 cannot represent.
class CodePageValidator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

}  // namespace ui

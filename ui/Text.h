#pragma once
// The one crossing between the screens' text (QString) and the files' text (Windows-1252 bytes).

#include <QString>
#include <QValidator>

#include "store/Records.h"

namespace ui {

QString fromStore(const store::Text& text);
// Characters the code page cannot hold never reach this point (the fields refuse them);
// should one arrive, it is stored as '?'.
store::Text toStore(const QString& text);
bool fitsCodePage(const QString& text);

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

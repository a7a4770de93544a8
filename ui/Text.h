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

// Refuses any input holding a character Windows-1252 cannot represent.
class CodePageValidator : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

}  // namespace ui

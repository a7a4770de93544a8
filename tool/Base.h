#pragma once
// What every file of the tool shares: its messages' translation context, the statuses a
// command ends with, the two refusals a command throws, and printing.

#include <QCoreApplication>
#include <QString>
#include <ostream>
#include <stdexcept>

namespace tool {

// Messages are translated in one context.
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Tr)
};

enum Status { kDone = 0, kRefused = 1, kUsage = 2 };

// What the tool tells the user when it cannot go on.
class Error : public std::runtime_error {
  public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// Thrown by a command: the message goes to standard error and the tool ends with kRefused.
class Refusal : public Error {
  public:
    using Error::Error;
};

// Thrown by a command for wrong usage: the message and the command's usage line go to standard
// error and the tool ends with kUsage.
class UsageError : public Error {
  public:
    using Error::Error;
};

// Writes text as UTF-8.
void print(std::ostream& stream, const QString& text);

// The file at `path` whole. Refuses, before reading it, a file that is missing, is not a
// regular file (a folder, a FIFO) or holds more than `largest` bytes, and one that grows past
// them while it is read; `tooLarge` is the refusal of that kind.
QByteArray readRegularFile(const QString& path, qint64 largest, const QString& tooLarge);

}  // namespace tool

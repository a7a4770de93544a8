#pragma once
// The command-line tool behind the launcher `ordlykta`: without a subcommand it starts the
// program in the data folder, with one it runs that command. Each command is one entry in the
// table of commands() and one file of its own.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <ostream>
#include <span>
#include <stdexcept>

namespace tool {

// Messages are translated in one context.
struct Tr {
    Q_DECLARE_TR_FUNCTIONS(Tr)
};

enum Status { kDone = 0, kRefused = 1, kUsage = 2 };

// Thrown by a command: the message goes to standard error and the tool ends with kRefused.
class Refusal : public std::runtime_error {
  public:
    explicit Refusal(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// Thrown by a command for wrong usage: the message and the command's usage line go to standard
// error and the tool ends with kUsage.
class UsageError : public std::runtime_error {
  public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

struct Call;

struct Command {
    const char* name;
    const char* usage;    // after "ordlykta NAME"
    const char* summary;  // one line, translated when shown
    const char* example;  // a full command line
    int (*run)(Call& call);
};

std::span<const Command> commands();

// "Usage: ordlykta NAME USAGE"; without a command, the launcher's.
QString usageLine(const Command* command);

// What a command gets: its entry, its arguments (the first is its name) and the streams.
struct Call {
    const Command& command;
    QStringList arguments;
    std::ostream& out;
    std::ostream& err;
};

// Runs the tool in this process; `arguments` are the command line without the executable's
// name. Without a subcommand it starts the program (and returns only when that fails).
int run(const QStringList& arguments, std::ostream& out, std::ostream& err);
// Runs one command with its arguments (the first is its name) under the one handler.
int runCommand(const Command& command, const QStringList& arguments, std::ostream& out,
               std::ostream& err);
// Runs `body` and turns every exception it throws into a message on `err` and a status:
// UsageError kUsage (with the usage line of `command`, or the launcher's), anything else
// kRefused.
int guarded(const Command* command, std::ostream& err, const std::function<int()>& body);

// Writes text as UTF-8.
void print(std::ostream& stream, const QString& text);

// Refuses, before reading it, a file that is missing, is not a regular file (a folder, a FIFO)
// or holds more than `largest` bytes; `tooLarge` is the refusal of the last kind.
void requireRegularFile(const QString& path, qint64 largest, const QString& tooLarge);

}  // namespace tool
